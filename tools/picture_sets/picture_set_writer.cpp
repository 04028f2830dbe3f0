#include "picture_set_writer.h"

#include <stdexcept>

namespace vex::tools {

namespace {

constexpr int kTilesPerRow = 4;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// The file-size field holds the header length only; readers size the
// pixels from the info header.
void putBmpHeaders(std::vector<std::uint8_t>& out, std::uint32_t headerLength, int width, int height,
                   int bits, std::uint32_t imageSize) {
  out.push_back('B');
  out.push_back('M');
  put32(out, headerLength);
  put32(out, 0);
  put32(out, headerLength);
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(width));
  put32(out, static_cast<std::uint32_t>(height));
  put16(out, 1);
  put16(out, static_cast<std::uint32_t>(bits));
  put32(out, 0);  // BI_RGB
  put32(out, imageSize);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
}

}  // namespace

std::vector<std::uint8_t> writePictureSet(const std::vector<Tile>& tiles, int size, int capacity,
                                          bool trailer) {
  if (static_cast<int>(tiles.size()) > capacity) throw std::invalid_argument("more tiles than capacity");
  for (const Tile& t : tiles) {
    if (t.size != size) throw std::invalid_argument("tile of the wrong size");
  }
  const int width = kTilesPerRow * size;
  const int height = size * ((capacity + kTilesPerRow - 1) / kTilesPerRow);
  const std::uint16_t flags = trailer ? 0x1021 : 0x0021;

  std::vector<std::uint8_t> out{'M', 'I', 'T', 'L'};
  put32(out, 0xFF000000);
  put16(out, 0x4C49);
  put16(out, 0x0101);
  put16(out, static_cast<std::uint32_t>(tiles.size()));
  put16(out, static_cast<std::uint32_t>(capacity));
  put16(out, 4);
  put16(out, static_cast<std::uint32_t>(size));
  put16(out, static_cast<std::uint32_t>(size));
  put32(out, 0x00FFFFFF);
  put16(out, flags);
  for (int i = 0; i < 4; ++i) put16(out, 0xFFFF);

  // Which tile covers strip pixel (x, y), counted from the top; null past the
  // last picture (those slots stay zero).
  auto pixelAt = [&](int x, int y) -> const Rgba* {
    const std::size_t index = static_cast<std::size_t>((y / size) * kTilesPerRow + x / size);
    if (index >= tiles.size()) return nullptr;
    return &tiles[index].at(x % size, y % size);
  };

  putBmpHeaders(out, 54, width, height, 32, static_cast<std::uint32_t>(4 * width * height));
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const Rgba* p = pixelAt(x, y);
      if (p && p->a) {
        out.insert(out.end(), {p->b, p->g, p->r, 255});
      } else {
        out.insert(out.end(), {0, 0, 0, 0});
      }
    }
  }

  const int rowBytes = (width + 31) / 32 * 4;
  putBmpHeaders(out, 62, width, height, 1, static_cast<std::uint32_t>(rowBytes * height));
  put32(out, 0x00000000);
  put32(out, 0x00FFFFFF);
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(rowBytes), 0);
    for (int x = 0; x < width; ++x) {
      const Rgba* p = pixelAt(x, y);
      // A set bit shows the background: the transparent pixels of a picture.
      if (p && !p->a) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  if (trailer) out.insert(out.end(), 22, 0);
  return out;
}

}  // namespace vex::tools
