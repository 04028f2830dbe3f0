#include "toolkit/download/download_signature.h"

#include <algorithm>

namespace vex {

namespace {

int base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

// Reads DER elements one after another from a span.
class DerReader {
 public:
  explicit DerReader(std::span<const std::uint8_t> bytes) : rest_(bytes) {}
  bool empty() const { return rest_.empty(); }

  // The content of the next element when it carries `tag`.
  std::optional<std::span<const std::uint8_t>> take(std::uint8_t tag) {
    if (rest_.size() < 2 || rest_[0] != tag) return std::nullopt;
    std::size_t length = rest_[1];
    std::size_t head = 2;
    if (length & 0x80) {
      const std::size_t count = length & 0x7F;
      // Lengths in as few bytes as they need: one spelling per signature.
      if (count == 0 || count > 2 || rest_.size() < 2 + count || rest_[2] == 0) return std::nullopt;
      length = 0;
      for (std::size_t i = 0; i < count; ++i) length = length << 8 | rest_[2 + i];
      if (length < 0x80) return std::nullopt;  // the short form would do
      head += count;
    }
    if (rest_.size() - head < length) return std::nullopt;
    const auto content = rest_.subspan(head, length);
    rest_ = rest_.subspan(head + length);
    return content;
  }

 private:
  std::span<const std::uint8_t> rest_;
};

constexpr std::uint8_t kSequence = 0x30;
constexpr std::uint8_t kInteger = 0x02;
constexpr std::uint8_t kBitString = 0x03;
constexpr std::uint8_t kObjectId = 0x06;
// 1.2.840.10045.2.1 (id-ecPublicKey) and 1.2.840.10045.3.1.7 (prime256v1).
constexpr std::uint8_t kEcPublicKey[] = {0x2A, 0x86, 0x48, 0xCE, 0x3D, 0x02, 0x01};
constexpr std::uint8_t kPrime256v1[] = {0x2A, 0x86, 0x48, 0xCE, 0x3D, 0x03, 0x01, 0x07};

bool same(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

// A positive INTEGER's content, left-padded to 32 bytes. Minimal only: a
// leading zero stands just before a byte with its top bit set, so a
// signature has exactly one accepted encoding.
bool toScalar(std::span<const std::uint8_t> content, std::uint8_t* out) {
  if (content.empty() || (content[0] & 0x80)) return false;
  if (content[0] == 0) {
    if (content.size() < 2 || !(content[1] & 0x80)) return false;
    content = content.subspan(1);
  }
  if (content.size() > 32) return false;
  std::fill(out, out + 32, std::uint8_t{0});
  std::copy(content.begin(), content.end(), out + 32 - content.size());
  return true;
}

}  // namespace

std::optional<Bytes> base64Decode(std::string_view text) {
  Bytes out;
  std::uint32_t bits = 0;
  int held = 0, padding = 0, symbols = 0;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    ++symbols;
    if (c == '=') {
      if (++padding > 2) return std::nullopt;
      continue;
    }
    const int value = base64Value(c);
    if (value < 0 || padding > 0) return std::nullopt;
    bits = bits << 6 | static_cast<std::uint32_t>(value);
    held += 6;
    if (held >= 8) {
      held -= 8;
      out.push_back(static_cast<std::uint8_t>(bits >> held));
    }
  }
  if (symbols % 4 != 0) return std::nullopt;
  // Padding stands exactly for the bits a short last group leaves over.
  if ((padding == 0 && held != 0) || (padding == 1 && held != 2) || (padding == 2 && held != 4)) {
    return std::nullopt;
  }
  return out;
}

std::optional<P256PublicKey> p256KeyFromPem(std::string_view pem) {
  static constexpr std::string_view kBegin = "-----BEGIN PUBLIC KEY-----";
  static constexpr std::string_view kEnd = "-----END PUBLIC KEY-----";
  const std::size_t begin = pem.find(kBegin);
  if (begin == std::string_view::npos) return std::nullopt;
  const std::size_t end = pem.find(kEnd, begin + kBegin.size());
  if (end == std::string_view::npos) return std::nullopt;
  const auto der = base64Decode(pem.substr(begin + kBegin.size(), end - begin - kBegin.size()));
  if (!der) return std::nullopt;

  DerReader outer(*der);
  const auto info = outer.take(kSequence);
  if (!info || !outer.empty()) return std::nullopt;
  DerReader fields(*info);
  const auto algorithm = fields.take(kSequence);
  const auto point = fields.take(kBitString);
  if (!algorithm || !point || !fields.empty()) return std::nullopt;
  DerReader ids(*algorithm);
  const auto kind = ids.take(kObjectId);
  const auto curve = ids.take(kObjectId);
  if (!kind || !curve || !ids.empty() || !same(*kind, kEcPublicKey) || !same(*curve, kPrime256v1)) {
    return std::nullopt;
  }
  // No unused bits, then the uncompressed point 04 X Y.
  if (point->size() != 66 || (*point)[0] != 0 || (*point)[1] != 0x04) return std::nullopt;
  P256PublicKey key;
  std::copy(point->begin() + 2, point->end(), key.begin());
  return key;
}

std::optional<P256Signature> p256SignatureFromDer(std::span<const std::uint8_t> der) {
  DerReader outer(der);
  const auto value = outer.take(kSequence);
  if (!value || !outer.empty()) return std::nullopt;
  DerReader pair(*value);
  const auto r = pair.take(kInteger);
  const auto s = pair.take(kInteger);
  if (!r || !s || !pair.empty()) return std::nullopt;
  P256Signature signature;
  if (!toScalar(*r, signature.data()) || !toScalar(*s, signature.data() + 32)) return std::nullopt;
  return signature;
}

}  // namespace vex
