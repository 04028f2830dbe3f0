#include "image_writers.h"

#include <jpeglib.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

namespace art {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File openForWrite(const std::string& path) { return File(std::fopen(path.c_str(), "wb")); }

void put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

}  // namespace

bool writePng(const Canvas& canvas, const std::string& path) {
  std::vector<std::uint8_t> rgba;
  rgba.reserve(canvas.pixels().size() * 4);
  for (Rgba p : canvas.pixels()) rgba.insert(rgba.end(), {p.r, p.g, p.b, p.a});
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(canvas.width());
  image.height = png_uint_32(canvas.height());
  image.format = PNG_FORMAT_RGBA;
  const bool ok = png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return ok;
}

bool writeJpeg(const Canvas& canvas, const std::string& path, int quality) {
  File file = openForWrite(path);
  if (!file) return false;
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file.get());
  cinfo.image_width = JDIMENSION(canvas.width());
  cinfo.image_height = JDIMENSION(canvas.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<std::uint8_t> row(std::size_t(canvas.width()) * 3);
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      // Flatten onto white: JPEG has no alpha.
      const Rgba p = canvas.at(x, y);
      auto flat = [&](std::uint8_t c) { return std::uint8_t((c * p.a + 255 * (255 - p.a)) / 255); };
      row[x * 3] = flat(p.r);
      row[x * 3 + 1] = flat(p.g);
      row[x * 3 + 2] = flat(p.b);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

bool writeIco(const Canvas& canvas, const std::string& path) {
  const int w = canvas.width(), h = canvas.height();
  const int maskStride = ((w + 31) / 32) * 4;
  const std::uint32_t pixelBytes = std::uint32_t(w * h * 4), maskBytes = std::uint32_t(maskStride * h);
  std::vector<std::uint8_t> out;
  put16(out, 0);  // reserved
  put16(out, 1);  // icon
  put16(out, 1);  // one image
  out.push_back(std::uint8_t(w));
  out.push_back(std::uint8_t(h));
  out.push_back(0);  // no palette
  out.push_back(0);
  put16(out, 1);   // planes
  put16(out, 32);  // bits per pixel
  put32(out, 40 + pixelBytes + maskBytes);
  put32(out, 22);  // image offset
  put32(out, 40);  // BITMAPINFOHEADER
  put32(out, std::uint32_t(w));
  put32(out, std::uint32_t(h * 2));  // XOR and AND halves
  put16(out, 1);
  put16(out, 32);
  put32(out, 0);  // BI_RGB
  put32(out, pixelBytes + maskBytes);
  for (int i = 0; i < 4; ++i) put32(out, 0);
  for (int y = h - 1; y >= 0; --y)  // bottom-up
    for (int x = 0; x < w; ++x) {
      const Rgba p = canvas.at(x, y);
      out.insert(out.end(), {p.b, p.g, p.r, p.a});
    }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(std::size_t(maskStride), 0);
    for (int x = 0; x < w; ++x)
      if (canvas.at(x, y).a == 0) row[x / 8] |= std::uint8_t(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  File file = openForWrite(path);
  return file && std::fwrite(out.data(), 1, out.size(), file.get()) == out.size();
}

}  // namespace art
