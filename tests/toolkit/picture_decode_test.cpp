// Picture decoding on the host, under the sanitizers: every format we ship
// decodes to the right pixels, and no damaged file reads past its end.
#include "toolkit/pictures/picture_decode.h"

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>

#include <cstdio>
#include <cstring>

#include "toolkit/pictures/content_hash.h"

namespace vex {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void put32(Bytes& b, std::uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}

// A DIB: header, palette, rows (already padded), optional AND mask.
Bytes dib(int w, int h, int bpp, const Bytes& palette, const Bytes& rows, std::uint32_t compression = 0,
          const Bytes& masks = {}) {
  Bytes b;
  put32(b, 40);
  put32(b, static_cast<std::uint32_t>(w));
  put32(b, static_cast<std::uint32_t>(h));
  put16(b, 1);
  put16(b, static_cast<std::uint32_t>(bpp));
  put32(b, compression);
  put32(b, static_cast<std::uint32_t>(rows.size()));
  put32(b, 0);
  put32(b, 0);
  put32(b, static_cast<std::uint32_t>(palette.size() / 4));
  put32(b, 0);
  b.insert(b.end(), masks.begin(), masks.end());
  b.insert(b.end(), palette.begin(), palette.end());
  b.insert(b.end(), rows.begin(), rows.end());
  return b;
}

Bytes bmpFile(const Bytes& dibBytes) {
  Bytes b = {'B', 'M'};
  put32(b, static_cast<std::uint32_t>(14 + dibBytes.size()));
  put32(b, 0);
  put32(b, 54);
  b.insert(b.end(), dibBytes.begin(), dibBytes.end());
  return b;
}

Bytes icoFile(const std::vector<std::pair<std::pair<int, int>, Bytes>>& entries) {
  Bytes b;
  put16(b, 0);
  put16(b, 1);
  put16(b, static_cast<std::uint32_t>(entries.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
  for (const auto& [size, data] : entries) {
    b.push_back(static_cast<std::uint8_t>(size.first));
    b.push_back(static_cast<std::uint8_t>(size.second));
    b.push_back(0);
    b.push_back(0);
    put16(b, 1);
    put16(b, 32);
    put32(b, static_cast<std::uint32_t>(data.size()));
    put32(b, offset);
    offset += static_cast<std::uint32_t>(data.size());
  }
  for (const auto& e : entries) b.insert(b.end(), e.second.begin(), e.second.end());
  return b;
}

Bytes pngOf(int w, int h, const Bytes& rgba) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(w);
  image.height = static_cast<png_uint_32>(h);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  EXPECT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr));
  Bytes out(size);
  EXPECT_TRUE(png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr));
  out.resize(size);
  return out;
}

Bytes jpegOf(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  jpeg_compress_struct info;
  jpeg_error_mgr err;
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  unsigned char* mem = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &mem, &size);
  info.image_width = static_cast<JDIMENSION>(w);
  info.image_height = static_cast<JDIMENSION>(h);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  Bytes row(static_cast<std::size_t>(w) * 3);
  for (int x = 0; x < w; ++x) {
    row[x * 3] = r;
    row[x * 3 + 1] = g;
    row[x * 3 + 2] = b;
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  Bytes out(mem, mem + size);
  jpeg_destroy_compress(&info);
  std::free(mem);
  return out;
}

// 3 x 2, 24-bit, bottom-up: the first stored row is the picture's bottom.
Bytes bmp24() {
  Bytes rows = {
      0,   0,   255, 0, 255, 0, 255, 0,   0,   0, 0, 0,  // bottom: red green blue, pad
      255, 255, 255, 0, 0,   0, 128, 128, 128, 0, 0, 0,  // top: white black grey, pad
  };
  return bmpFile(dib(3, 2, 24, {}, rows));
}

TEST(PictureDecode, Bmp24BottomUpRowsAndPadding) {
  DecodedPicture p = decodePicture(bmp24());
  ASSERT_EQ(p.width, 3);
  ASSERT_EQ(p.height, 2);
  EXPECT_EQ(p.pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(p.pixel(1, 0), 0xFF000000u);
  EXPECT_EQ(p.pixel(2, 0), 0xFF808080u);
  EXPECT_EQ(p.pixel(0, 1), 0xFFFF0000u);
  EXPECT_EQ(p.pixel(1, 1), 0xFF00FF00u);
  EXPECT_EQ(p.pixel(2, 1), 0xFF0000FFu);
}

TEST(PictureDecode, BmpPaletteDepthsSixteenBitAndBitfields) {
  // 8-bit with a two-colour palette, top-down (negative height).
  Bytes pal = {0, 0, 255, 0, 255, 0, 0, 0};
  DecodedPicture p8 = decodePicture(bmpFile(dib(2, -1, 8, pal, {1, 0, 0, 0})));
  ASSERT_EQ(p8.width, 2);
  EXPECT_EQ(p8.pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(p8.pixel(1, 0), 0xFFFF0000u);
  // 1-bit: bits from the most significant end.
  DecodedPicture p1 = decodePicture(bmpFile(dib(3, 1, 1, {0, 0, 0, 0, 255, 255, 255, 0}, {0xA0, 0, 0, 0})));
  ASSERT_EQ(p1.width, 3);
  EXPECT_EQ(p1.pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(p1.pixel(1, 0), 0xFF000000u);
  EXPECT_EQ(p1.pixel(2, 0), 0xFFFFFFFFu);
  // A palette index past the palette is black, not a read past it.
  DecodedPicture bad = decodePicture(bmpFile(dib(1, 1, 8, {1, 2, 3, 0}, {200, 0, 0, 0})));
  ASSERT_EQ(bad.width, 1);
  EXPECT_EQ(bad.pixel(0, 0), 0xFF000000u);
  // 16-bit 5-5-5: pure red is 0x7C00.
  DecodedPicture p16 = decodePicture(bmpFile(dib(1, 1, 16, {}, {0x00, 0x7C, 0, 0})));
  EXPECT_EQ(p16.pixel(0, 0), 0xFFFF0000u);
  // 32-bit with masks after the header; all-zero alpha means opaque.
  Bytes masks;
  put32(masks, 0x00FF0000);
  put32(masks, 0x0000FF00);
  put32(masks, 0x000000FF);
  DecodedPicture p32 = decodePicture(bmpFile(dib(1, 1, 32, {}, {0x33, 0x22, 0x11, 0x00}, 3, masks)));
  EXPECT_EQ(p32.pixel(0, 0), 0xFF112233u);
  // A mask of all 32 bits takes the top byte of the pixel.
  Bytes whole;
  for (int i = 0; i < 3; ++i) put32(whole, 0xFFFFFFFF);
  DecodedPicture grey = decodePicture(bmpFile(dib(1, 1, 32, {}, {0x33, 0x22, 0x11, 0x80}, 3, whole)));
  ASSERT_EQ(grey.width, 1);
  EXPECT_EQ(grey.pixel(0, 0) & 0xFFFFFF, 0x808080u);
}

TEST(PictureDecode, IconPicksTheLargestEntryAndHonoursAlphaOrMask) {
  // 2 x 2, 32-bit with alpha: height counts colour and mask rows.
  Bytes rows32 = {0, 0, 255, 255, 0, 0, 255, 0, 0, 255, 0, 128, 0, 255, 0, 255};
  Bytes mask(8, 0);
  rows32.insert(rows32.end(), mask.begin(), mask.end());
  Bytes big = dib(2, 4, 32, {}, rows32);
  // 1 x 1, 24-bit with its mask bit set: transparent.
  Bytes small = dib(1, 2, 24, {}, {9, 9, 9, 0, 0x80, 0, 0, 0});
  DecodedPicture p = decodePicture(icoFile({{{1, 1}, small}, {{2, 2}, big}}));
  ASSERT_EQ(p.width, 2);
  ASSERT_EQ(p.height, 2);
  EXPECT_EQ(p.pixel(0, 1), 0xFFFF0000u);  // bottom row stored first
  EXPECT_EQ(p.pixel(0, 0), 0x8000FF00u);
  EXPECT_EQ(p.pixel(1, 1), 0x00FF0000u);
  DecodedPicture masked = decodeIco(icoFile({{{1, 1}, small}}));
  ASSERT_EQ(masked.width, 1);
  EXPECT_EQ(masked.pixel(0, 0) >> 24, 0u);
}

TEST(PictureDecode, PngKeepsColourAndAlphaAlsoInsideAnIcon) {
  Bytes rgba = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 10, 20, 30, 255};
  Bytes png = pngOf(2, 2, rgba);
  DecodedPicture p = decodePicture(png);
  ASSERT_EQ(p.width, 2);
  ASSERT_EQ(p.height, 2);
  EXPECT_EQ(p.pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(p.pixel(1, 0), 0x8000FF00u);
  EXPECT_EQ(p.pixel(0, 1) >> 24, 0u);
  EXPECT_EQ(p.pixel(1, 1), 0xFF0A141Eu);
  DecodedPicture inIcon = decodePicture(icoFile({{{2, 2}, png}}));
  EXPECT_EQ(inIcon.pixel(1, 1), 0xFF0A141Eu);
}

TEST(PictureDecode, JpegDecodesToOpaqueColour) {
  DecodedPicture p = decodePicture(jpegOf(120, 170, 200, 40, 10));
  ASSERT_EQ(p.width, 120);
  ASSERT_EQ(p.height, 170);
  const std::uint32_t c = p.pixel(60, 80);
  EXPECT_EQ(c >> 24, 0xFFu);
  EXPECT_NEAR(static_cast<int>((c >> 16) & 0xFF), 200, 6);
  EXPECT_NEAR(static_cast<int>((c >> 8) & 0xFF), 40, 6);
  EXPECT_NEAR(static_cast<int>(c & 0xFF), 10, 6);
}

TEST(PictureDecode, EveryTruncationIsSafeAndNoneOfThemIsAPicture) {
  Bytes rgba(16 * 16 * 4, 77);
  const std::vector<Bytes> files = {
      bmp24(), pngOf(16, 16, rgba),
      icoFile({{{2, 1}, dib(2, 2, 24, {}, {1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0})}})};
  for (const Bytes& file : files) {
    ASSERT_FALSE(decodePicture(file).empty());
    // A PNG cut only in its closing IEND chunk still has every pixel.
    const std::size_t whole = file[0] == 0x89 ? file.size() - 12 : file.size();
    for (std::size_t n = 0; n < whole; ++n) {
      // Copied so that the sanitizer sees the exact end of each prefix.
      Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n));
      EXPECT_TRUE(decodePicture(prefix).empty()) << "prefix " << n << " of " << file.size();
    }
  }
  // A cut JPEG must not crash; libjpeg may still give the rows it had.
  Bytes jpeg = jpegOf(32, 32, 1, 2, 3);
  for (std::size_t n = 0; n < jpeg.size(); n += 7) {
    Bytes prefix(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(n));
    DecodedPicture p = decodePicture(prefix);
    if (!p.empty()) {
      EXPECT_EQ(p.bgra.size(), 32u * 32u * 4u);
    }
  }
}

TEST(PictureDecode, ImpossibleHeadersGiveNothing) {
  EXPECT_TRUE(decodePicture({}).empty());
  EXPECT_TRUE(decodePicture(Bytes{'G', 'I', 'F', '8'}).empty());
  // Huge sides are refused before any allocation.
  EXPECT_TRUE(decodePicture(bmpFile(dib(100000, 100000, 24, {}, {0, 0, 0, 0}))).empty());
  EXPECT_TRUE(decodePicture(bmpFile(dib(0, 1, 24, {}, {0, 0, 0, 0}))).empty());
  // An unknown depth, an unknown compression.
  EXPECT_TRUE(decodePicture(bmpFile(dib(1, 1, 7, {}, {0, 0, 0, 0}))).empty());
  EXPECT_TRUE(decodePicture(bmpFile(dib(1, 1, 8, {}, {0, 0, 0, 0}, 1))).empty());
  // A palette claiming more than 256 entries.
  Bytes many = dib(1, 1, 8, {}, {0, 0, 0, 0});
  many[32] = 0xFF;
  many[33] = 0xFF;
  EXPECT_TRUE(decodePicture(bmpFile(many)).empty());
  // An icon entry pointing outside the file.
  Bytes ico = icoFile({{{1, 1}, dib(1, 2, 24, {}, {1, 2, 3, 0, 0, 0, 0, 0})}});
  ico[18] = 0xF0;
  EXPECT_TRUE(decodePicture(ico).empty());
}

// The cache shares a drawn picture between equal hashes: any change of a
// byte or of the length, the short tail included, must change both halves.
TEST(ContentHash, EqualBytesAloneHashEqual) {
  Bytes bytes(37);
  for (std::size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<std::uint8_t>(k * 7);
  const ContentHash base = contentHash(bytes);
  EXPECT_EQ(contentHash(Bytes(bytes)), base);
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    for (std::uint8_t flip : {0x01, 0x80}) {
      Bytes changed = bytes;
      changed[k] ^= flip;
      const ContentHash h = contentHash(changed);
      EXPECT_NE(h.first, base.first) << k;
      EXPECT_NE(h.second, base.second) << k;
    }
  }
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    const ContentHash h = contentHash(std::span(bytes).first(n));
    EXPECT_NE(h.first, base.first) << n;
    EXPECT_NE(h.second, base.second) << n;
  }
  // Zeros of different lengths differ by more than the length.
  EXPECT_NE(contentHash(Bytes(3)).first, contentHash(Bytes(5)).first);
}

}  // namespace
}  // namespace vex
