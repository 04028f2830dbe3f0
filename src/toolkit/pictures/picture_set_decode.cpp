// Every field of a picture set comes from untrusted bytes, so each read is
// bounds-checked.
#include "toolkit/pictures/picture_set_decode.h"

#include <cstring>

namespace vex {

namespace {

constexpr std::uint16_t kStreamMagic = 0x4C49;  // "IL"
constexpr std::uint16_t kStreamVersion = 0x0101;
constexpr std::size_t kStreamHeader = 28;
constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
constexpr std::uint16_t kHasMask = 0x0001;
constexpr int kTilesPerRow = 4;

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool has(std::size_t n) const { return n <= bytes_.size() - pos_; }
  std::size_t pos() const { return pos_; }
  bool skip(std::size_t n) {
    if (!has(n)) return false;
    pos_ += n;
    return true;
  }
  std::uint16_t u16(std::size_t at) const {
    return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
  }
  std::uint32_t u32(std::size_t at) const { return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16; }
  const std::uint8_t* at(std::size_t offset) const { return bytes_.data() + offset; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

// One strip: a BMP file image whose pixels follow its headers (and colour
// table) directly. The file-size field is not trusted; the size comes from
// the info header.
struct Strip {
  int width = 0;
  int height = 0;  // rows, always positive
  bool bottomUp = true;
  int bits = 0;
  std::size_t stride = 0;
  const std::uint8_t* pixels = nullptr;

  const std::uint8_t* row(int y) const {
    const int stored = bottomUp ? height - 1 - y : y;
    return pixels + static_cast<std::size_t>(stored) * stride;
  }
};

bool readStrip(Reader& r, int wantBits, Strip& strip) {
  const std::size_t start = r.pos();
  if (!r.has(kFileHeader + kInfoHeader)) return false;
  if (*r.at(start) != 'B' || *r.at(start + 1) != 'M') return false;
  const std::size_t info = start + kFileHeader;
  if (r.u32(info) != kInfoHeader) return false;
  const auto width = static_cast<std::int32_t>(r.u32(info + 4));
  const auto height = static_cast<std::int32_t>(r.u32(info + 8));
  const std::uint16_t planes = r.u16(info + 12);
  const std::uint16_t bits = r.u16(info + 14);
  const std::uint32_t compression = r.u32(info + 16);
  if (planes != 1 || bits != wantBits || compression != 0) return false;
  if (width <= 0 || height == 0 || height == INT32_MIN) return false;
  r.skip(kFileHeader + kInfoHeader);
  if (bits <= 8 && !r.skip((std::size_t{1} << bits) * 4)) return false;

  strip.width = width;
  strip.height = height > 0 ? height : -height;
  strip.bottomUp = height > 0;
  strip.bits = bits;
  strip.stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  const std::size_t rows = static_cast<std::size_t>(strip.height);
  if (strip.stride != 0 && rows > SIZE_MAX / strip.stride) return false;
  const std::size_t size = strip.stride * rows;
  strip.pixels = r.at(r.pos());
  return r.skip(size);
}

struct Stream {
  PictureSetHeader header;
  Strip colour;
  Strip mask;
  bool hasMask = false;
};

std::optional<PictureSetHeader> readHeader(std::span<const std::uint8_t> stream) {
  if (stream.size() < kStreamHeader) return std::nullopt;
  Reader r(stream);
  if (r.u16(0) != kStreamMagic || r.u16(2) != kStreamVersion) return std::nullopt;
  PictureSetHeader h;
  h.count = r.u16(4);
  h.capacity = r.u16(6);
  h.growth = r.u16(8);
  h.cx = r.u16(10);
  h.cy = r.u16(12);
  h.background = r.u32(14);
  h.flags = r.u16(18);
  if (h.cx == 0 || h.cy == 0) return std::nullopt;
  return h;
}

std::optional<Stream> readStream(std::span<const std::uint8_t> stream) {
  Stream s;
  std::optional<PictureSetHeader> header = readHeader(stream);
  if (!header) return std::nullopt;
  s.header = *header;
  Reader r(stream);
  r.skip(kStreamHeader);
  if (!readStrip(r, 32, s.colour)) return std::nullopt;
  s.hasMask = (s.header.flags & kHasMask) != 0;
  if (s.hasMask) {
    if (!readStrip(r, 1, s.mask)) return std::nullopt;
    if (s.mask.width != s.colour.width || s.mask.height != s.colour.height) return std::nullopt;
  }
  return s;
}

}  // namespace

std::span<const std::uint8_t> imageListStream(std::span<const std::uint8_t> set) {
  if (set.size() <= kPictureSetPrefix || std::memcmp(set.data(), "MITL", 4) != 0) return {};
  return set.subspan(kPictureSetPrefix);
}

std::optional<PictureSetHeader> readPictureSetHeader(std::span<const std::uint8_t> set) {
  return readHeader(imageListStream(set));
}

DecodedPicture decodeSetPicture(std::span<const std::uint8_t> set, int index) {
  const std::span<const std::uint8_t> bytes = imageListStream(set);
  if (bytes.empty()) return {};
  const std::optional<Stream> stream = readStream(bytes);
  if (!stream) return {};
  const PictureSetHeader& h = stream->header;
  if (index < 0 || index >= h.count) return {};

  const int x0 = (index % kTilesPerRow) * h.cx;
  const int y0 = (index / kTilesPerRow) * h.cy;
  const Strip& colour = stream->colour;
  if (static_cast<std::int64_t>(x0) + h.cx > colour.width ||
      static_cast<std::int64_t>(y0) + h.cy > colour.height) {
    return {};
  }

  // A picture with any alpha is blended by it; one without is cut by the mask alone.
  bool hasAlpha = false;
  for (int y = 0; y < h.cy && !hasAlpha; ++y) {
    const std::uint8_t* row = colour.row(y0 + y) + static_cast<std::size_t>(x0) * 4;
    for (int x = 0; x < h.cx; ++x) {
      if (row[x * 4 + 3] != 0) {
        hasAlpha = true;
        break;
      }
    }
  }

  DecodedPicture out;
  out.width = h.cx;
  out.height = h.cy;
  out.bgra.resize(static_cast<std::size_t>(h.cx) * h.cy * 4);
  std::uint8_t* dst = out.bgra.data();
  for (int y = 0; y < h.cy; ++y) {
    const std::uint8_t* src = colour.row(y0 + y) + static_cast<std::size_t>(x0) * 4;
    const std::uint8_t* maskRow = stream->hasMask ? stream->mask.row(y0 + y) : nullptr;
    for (int x = 0; x < h.cx; ++x, src += 4, dst += 4) {
      const int mx = x0 + x;
      const bool masked = maskRow && (maskRow[mx / 8] & (0x80 >> (mx % 8)));
      dst[0] = src[0];
      dst[1] = src[1];
      dst[2] = src[2];
      dst[3] = masked ? 0 : hasAlpha ? src[3] : 255;
    }
  }
  return out;
}

}  // namespace vex
