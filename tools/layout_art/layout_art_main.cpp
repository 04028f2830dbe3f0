// Draws the layout's pictures into a folder (normally assets/layout):
//   layout_art <out-dir> [contact-sheet.png]
// The optional contact sheet shows every picture enlarged for review.
#include <cstdio>
#include <string>
#include <vector>

#include "drawings.h"
#include "image_writers.h"

namespace {

enum class Format { Png, Jpeg, Ico };

struct Picture {
  std::string file;
  art::Canvas canvas;
  Format format;
};

art::Canvas contactSheet(const std::vector<Picture>& pictures) {
  constexpr int kGap = 12;
  int width = kGap, height = 0;
  for (const Picture& p : pictures) {
    const int scale = p.canvas.width() > 60 ? 2 : 6;
    width += p.canvas.width() * scale + kGap;
    height = std::max(height, p.canvas.height() * scale);
  }
  art::Canvas sheet(width, height + 2 * kGap, art::hex(0x606060));
  for (int y = 0; y < sheet.height(); y += 8)
    for (int x = (y / 8 % 2) * 8; x < sheet.width(); x += 16) sheet.fillRect(x, y, 8, 8, art::hex(0x707070));
  int left = kGap;
  for (const Picture& p : pictures) {
    const int scale = p.canvas.width() > 60 ? 2 : 6;
    sheet.paste(p.canvas, left, kGap, scale);
    left += p.canvas.width() * scale + kGap;
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <out-dir> [contact-sheet.png]\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  std::vector<Picture> pictures;
  pictures.push_back({"logo.ico", art::logo(), Format::Ico});
  // The program icon's sizes; the build packs them into one .ico.
  for (int size : {16, 32, 48, 256})
    pictures.push_back({"program_icon_" + std::to_string(size) + ".png", art::logo(size), Format::Png});
  pictures.push_back({"minimise.png", art::minimiseResting(), Format::Png});
  pictures.push_back({"minimise_hover.png", art::minimiseHover(), Format::Png});
  pictures.push_back({"close.png", art::closeResting(), Format::Png});
  pictures.push_back({"close_hover.png", art::closeHover(), Format::Png});
  pictures.push_back({"carry_marker.png", art::carryMarker(), Format::Png});
  pictures.push_back({"slot_marker.png", art::slotMarker(), Format::Png});
  pictures.push_back({"coin.png", art::coin(), Format::Png});
  pictures.push_back({"chart_corner.png", art::chartCorner(), Format::Png});
  pictures.push_back({"thanks_heart.jpg", art::thanksCardHeart(), Format::Jpeg});
  pictures.push_back({"thanks_cup.jpg", art::thanksCardCup(), Format::Jpeg});

  int failures = 0;
  for (const Picture& p : pictures) {
    const std::string path = dir + "/" + p.file;
    bool ok = false;
    switch (p.format) {
      case Format::Png:
        ok = art::writePng(p.canvas, path);
        break;
      case Format::Jpeg:
        ok = art::writeJpeg(p.canvas, path, 90);
        break;
      case Format::Ico:
        ok = art::writeIco(p.canvas, path);
        break;
    }
    if (!ok) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      ++failures;
    }
  }
  if (argc > 2 && !art::writePng(contactSheet(pictures), argv[2])) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    ++failures;
  }
  return failures == 0 ? 0 : 1;
}
