// Input: one byte choosing the picture index, then bytes that are tried
// three ways: as a whole set; with a well-formed prefix and stream header
// laid over them; and as the fields and pixels of a set this harness
// assembles, so that the fuzzer spends its time in strip parsing and
// compositing rather than guessing magic words.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "data/picture_set.h"

namespace {

void check(std::span<const std::uint8_t> set, int index) {
  const vex::Bytes picture = vex::pictureOf(set, index);
  if (picture.empty()) return;
  const std::optional<vex::PictureSetHeader> h = vex::readPictureSetHeader(set);
  // A picture is only ever made from a readable header, at the header's size.
  if (!h || index < 0 || index >= h->count) std::abort();
  if (picture.size() != 54 + 4 * static_cast<std::size_t>(h->cx) * h->cy) std::abort();
}

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

void putStrip(std::vector<std::uint8_t>& out, std::int32_t width, std::int32_t height, int bits,
              std::span<const std::uint8_t>& pixels, bool pad) {
  out.insert(out.end(), {'B', 'M'});
  put32(out, bits == 1 ? 62 : 54);
  put32(out, 0);
  put32(out, bits == 1 ? 62 : 54);
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(width));
  put32(out, static_cast<std::uint32_t>(height));
  put16(out, 1);
  put16(out, static_cast<std::uint32_t>(bits));
  for (int k = 0; k < 6; ++k) put32(out, 0);
  if (bits <= 8) {
    for (int k = 0; k < (1 << bits); ++k) put32(out, k ? 0x00FFFFFF : 0);
  }
  const std::size_t rows = static_cast<std::size_t>(height < 0 ? -static_cast<std::int64_t>(height) : height);
  const std::size_t need = (static_cast<std::size_t>(width > 0 ? width : 0) * bits + 31) / 32 * 4 * rows;
  const std::size_t take = std::min(need, pixels.size());
  out.insert(out.end(), pixels.begin(), pixels.begin() + static_cast<std::ptrdiff_t>(take));
  pixels = pixels.subspan(take);
  if (pad && need > take && need < (1u << 20)) out.resize(out.size() + (need - take), 0);
}

std::vector<std::uint8_t> assembled(std::span<const std::uint8_t> in) {
  if (in.size() < 9) return {};
  const int cx = 1 + in[0] % 8, cy = 1 + in[1] % 8;
  const int count = in[2] % 16;
  const bool hasMask = in[3] & 1, pad = in[3] & 2;
  const int colourBits = (in[3] & 4) ? 24 : 32;
  const auto width = static_cast<std::int8_t>(in[4]), height = static_cast<std::int8_t>(in[5]);
  const auto maskWidth = static_cast<std::int8_t>(in[6]), maskHeight = static_cast<std::int8_t>(in[7]);
  std::span<const std::uint8_t> pixels = in.subspan(9);

  std::vector<std::uint8_t> out{'M', 'I', 'T', 'L', 0, 0, 0, 0xFF};
  put16(out, 0x4C49);
  put16(out, 0x0101);
  put16(out, static_cast<std::uint32_t>(count));
  put16(out, in[8]);
  put16(out, 4);
  put16(out, static_cast<std::uint32_t>(cx));
  put16(out, static_cast<std::uint32_t>(cy));
  put32(out, 0x00FFFFFF);
  put16(out, hasMask ? 0x0021 : 0x0020);
  for (int k = 0; k < 4; ++k) put16(out, 0xFFFF);
  putStrip(out, width, height, colourBits, pixels, pad);
  if (hasMask) putStrip(out, maskWidth, maskHeight, 1, pixels, pad);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int index = static_cast<std::int8_t>(data[0]);
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  check(rest, index);

  std::vector<std::uint8_t> shaped(rest.begin(), rest.end());
  if (shaped.size() < 12) shaped.resize(12);
  const std::uint8_t prefix[] = {'M', 'I', 'T', 'L', 0, 0, 0, 0xFF, 'I', 'L', 0x01, 0x01};
  std::memcpy(shaped.data(), prefix, sizeof prefix);
  check(shaped, index);

  const std::vector<std::uint8_t> built = assembled(rest);
  check(built, index % 16);
  return 0;
}
