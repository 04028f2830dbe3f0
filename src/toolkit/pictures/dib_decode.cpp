// BMP files, bare DIBs and icons. Every read goes through Reader, which
// answers 0 past the end and remembers that it did.
#include "toolkit/pictures/picture_decode.h"

namespace vex {
namespace {

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> b) : b_(b) {}
  std::uint32_t u8(std::size_t at) {
    if (at >= b_.size()) {
      bad_ = true;
      return 0;
    }
    return b_[at];
  }
  std::uint32_t u16(std::size_t at) { return u8(at) | (u8(at + 1) << 8); }
  std::uint32_t u32(std::size_t at) { return u16(at) | (u16(at + 2) << 16); }
  std::int32_t s32(std::size_t at) { return static_cast<std::int32_t>(u32(at)); }
  bool bad() const { return bad_; }
  std::size_t size() const { return b_.size(); }
  bool has(std::size_t at, std::size_t count) const { return at <= b_.size() && count <= b_.size() - at; }

 private:
  std::span<const std::uint8_t> b_;
  bool bad_ = false;
};

// Shift and width of a colour mask, to scale a masked field to 8 bits.
struct Field {
  int shift = 0, bits = 0;
  explicit Field(std::uint32_t mask) {
    if (!mask) return;
    while (!(mask & 1)) {
      mask >>= 1;
      ++shift;
    }
    while (mask & 1) {
      mask >>= 1;
      ++bits;
    }
  }
  std::uint8_t get(std::uint32_t v) const {
    if (!bits) return 0;
    // A mask may be all 32 bits wide: 1u << 32 would be undefined.
    const auto widest = static_cast<std::uint32_t>((std::uint64_t{1} << bits) - 1);
    const std::uint32_t x = (v >> shift) & widest;
    return static_cast<std::uint8_t>(bits >= 8 ? x >> (bits - 8) : x * 255 / widest);
  }
};

}  // namespace

DecodedPicture decodeDib(std::span<const std::uint8_t> bytes, bool icon) {
  Reader r(bytes);
  const std::uint32_t headerSize = r.u32(0);
  std::int64_t width = 0, height = 0;
  std::uint32_t bpp = 0, compression = 0, coloursUsed = 0;
  std::uint32_t masks[4] = {0, 0, 0, 0};
  std::size_t paletteEntry = 4;
  if (headerSize == 12) {
    width = r.u16(4);
    height = static_cast<std::int16_t>(r.u16(6));
    bpp = r.u16(10);
    paletteEntry = 3;
  } else if (headerSize >= 40 && headerSize <= 124) {
    width = r.s32(4);
    height = r.s32(8);
    bpp = r.u16(14);
    compression = r.u32(16);
    coloursUsed = r.u32(32);
    if (headerSize >= 52 || compression == 3) {
      // Masks follow a 40-byte header as three extra words, or are part of
      // the larger headers at the same place.
      masks[0] = r.u32(40);
      masks[1] = r.u32(44);
      masks[2] = r.u32(48);
      if (headerSize >= 56) masks[3] = r.u32(52);
    }
  } else {
    return {};
  }
  if (r.bad()) return {};
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (icon) height /= 2;
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) return {};
  if (compression != 0 && !(compression == 3 && (bpp == 16 || bpp == 32))) return {};
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return {};
  if (compression == 0 && bpp == 16) {
    masks[0] = 0x7C00;
    masks[1] = 0x03E0;
    masks[2] = 0x001F;
  }

  std::size_t offset = headerSize;
  if (headerSize == 40 && compression == 3) offset += 12;
  const std::size_t paletteOffset = offset;
  std::size_t paletteCount = 0;
  if (bpp <= 8) {
    paletteCount = coloursUsed ? coloursUsed : (1u << bpp);
    if (paletteCount > 256) return {};
    offset += paletteCount * paletteEntry;
  }

  const int w = static_cast<int>(width), h = static_cast<int>(height);
  const std::size_t stride = ((static_cast<std::size_t>(w) * bpp + 31) / 32) * 4;
  if (!r.has(offset, stride * h)) return {};
  const std::size_t maskStride = ((static_cast<std::size_t>(w) + 31) / 32) * 4;
  const std::size_t maskOffset = offset + stride * h;
  const bool hasMask = icon && r.has(maskOffset, maskStride * h);

  const Field red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
  DecodedPicture out;
  out.width = w;
  out.height = h;
  out.bgra.assign(static_cast<std::size_t>(w) * h * 4, 0);
  bool anyAlpha = false;
  for (int y = 0; y < h; ++y) {
    const std::size_t row = offset + stride * (topDown ? y : h - 1 - y);
    std::uint8_t* dst = &out.bgra[static_cast<std::size_t>(y) * w * 4];
    for (int x = 0; x < w; ++x, dst += 4) {
      std::uint32_t b = 0, g = 0, rr = 0, a = 255;
      if (bpp <= 8) {
        const std::size_t bit = static_cast<std::size_t>(x) * bpp;
        const std::uint32_t byte = r.u8(row + bit / 8);
        const std::uint32_t index = (byte >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
        if (index < paletteCount) {
          const std::size_t p = paletteOffset + index * paletteEntry;
          b = r.u8(p);
          g = r.u8(p + 1);
          rr = r.u8(p + 2);
        }
      } else if (bpp == 24) {
        const std::size_t p = row + static_cast<std::size_t>(x) * 3;
        b = r.u8(p);
        g = r.u8(p + 1);
        rr = r.u8(p + 2);
      } else if (bpp == 16 || (bpp == 32 && compression == 3)) {
        const std::uint32_t v = bpp == 16 ? r.u16(row + x * 2u) : r.u32(row + x * 4u);
        rr = red.get(v);
        g = green.get(v);
        b = blue.get(v);
        if (masks[3]) {
          a = alpha.get(v);
          anyAlpha = anyAlpha || a != 0;
        }
      } else {
        const std::size_t p = row + static_cast<std::size_t>(x) * 4;
        b = r.u8(p);
        g = r.u8(p + 1);
        rr = r.u8(p + 2);
        a = r.u8(p + 3);
        anyAlpha = anyAlpha || a != 0;
      }
      dst[0] = static_cast<std::uint8_t>(b);
      dst[1] = static_cast<std::uint8_t>(g);
      dst[2] = static_cast<std::uint8_t>(rr);
      dst[3] = static_cast<std::uint8_t>(a);
    }
  }
  // A 32-bit picture whose alpha bytes are all zero carries no alpha at all.
  const bool alphaCarried = (bpp == 32 || masks[3]) && anyAlpha;
  for (int y = 0; y < h; ++y) {
    const std::size_t maskRow = maskOffset + maskStride * (topDown ? y : h - 1 - y);
    for (int x = 0; x < w; ++x) {
      std::uint8_t& a = out.bgra[(static_cast<std::size_t>(y) * w + x) * 4 + 3];
      if (!alphaCarried) a = 255;
      if (hasMask && !alphaCarried && ((r.u8(maskRow + x / 8) >> (7 - x % 8)) & 1)) a = 0;
    }
  }
  if (r.bad()) return {};
  return out;
}

DecodedPicture decodeBmp(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 14 + 12 || bytes[0] != 'B' || bytes[1] != 'M') return {};
  return decodeDib(bytes.subspan(14), false);
}

DecodedPicture decodeIco(std::span<const std::uint8_t> bytes) {
  Reader r(bytes);
  if (r.u16(0) != 0 || (r.u16(2) != 1 && r.u16(2) != 2)) return {};
  const std::uint32_t count = r.u16(4);
  if (count == 0 || !r.has(6, count * 16u)) return {};
  // The largest entry, the deepest colour among equals.
  std::int64_t bestScore = -1;
  std::uint32_t bestOffset = 0, bestSize = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t e = 6 + i * 16u;
    const std::uint32_t w = r.u8(e) ? r.u8(e) : 256, h = r.u8(e + 1) ? r.u8(e + 1) : 256;
    const std::uint32_t bpp = r.u16(e + 6), size = r.u32(e + 8), at = r.u32(e + 12);
    if (!r.has(at, size) || size < 12) continue;
    const std::int64_t score = static_cast<std::int64_t>(w) * h * 64 + bpp;
    if (score > bestScore) {
      bestScore = score;
      bestOffset = at;
      bestSize = size;
    }
  }
  if (bestScore < 0) return {};
  const auto data = bytes.subspan(bestOffset, bestSize);
  if (data.size() >= 8 && data[0] == 0x89 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G')
    return decodePng(data);
  return decodeDib(data, true);
}

}  // namespace vex
