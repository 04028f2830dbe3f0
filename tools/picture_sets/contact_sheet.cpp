#include "contact_sheet.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace vex::tools {

void writeContactSheet(const std::string& path, const std::vector<SheetRow>& rows, int scale,
                       std::uint32_t background) {
  const int gap = 4;
  int width = 0, height = gap;
  for (const SheetRow& r : rows) {
    const int size = r.tiles.empty() ? 0 : r.tiles[0].size * scale;
    const int lines = (static_cast<int>(r.tiles.size()) + r.perLine - 1) / r.perLine;
    width = std::max(width, gap + r.perLine * (size + gap));
    height += lines * (size + gap) + gap;
  }
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width * height * 3));
  for (std::size_t i = 0; i < rgb.size(); i += 3) {
    rgb[i] = static_cast<std::uint8_t>(background >> 16);
    rgb[i + 1] = static_cast<std::uint8_t>(background >> 8);
    rgb[i + 2] = static_cast<std::uint8_t>(background);
  }
  int top = gap;
  for (const SheetRow& r : rows) {
    if (r.tiles.empty()) continue;
    const int size = r.tiles[0].size * scale;
    for (std::size_t k = 0; k < r.tiles.size(); ++k) {
      const int left = gap + static_cast<int>(k % r.perLine) * (size + gap);
      const int y0 = top + static_cast<int>(k / r.perLine) * (size + gap);
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          const Rgba& p = r.tiles[k].at(x / scale, y / scale);
          if (!p.a) continue;
          std::uint8_t* out = &rgb[static_cast<std::size_t>(((y0 + y) * width + left + x) * 3)];
          out[0] = p.r;
          out[1] = p.g;
          out[2] = p.b;
        }
      }
    }
    const int lines = (static_cast<int>(r.tiles.size()) + r.perLine - 1) / r.perLine;
    top += lines * (size + gap) + gap;
  }

  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) throw std::runtime_error("cannot write " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("PNG write failed");
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) png_write_row(png, &rgb[static_cast<std::size_t>(y * width * 3)]);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
}

}  // namespace vex::tools
