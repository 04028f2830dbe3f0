#include <gtest/gtest.h>

#include <string>

#include "toolkit/download/download_signature.h"
#include "update_signature_keys.h"

namespace vex {
namespace {

std::string hex(std::span<const std::uint8_t> bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  for (auto b : bytes) {
    out += kHex[b >> 4];
    out += kHex[b & 15];
  }
  return out;
}

std::string text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

Bytes der(const char* base64) { return *base64Decode(base64); }

TEST(UpdateSignatureForms, Base64) {
  EXPECT_EQ(text(*base64Decode("")), "");
  EXPECT_EQ(text(*base64Decode("Zg==")), "f");
  EXPECT_EQ(text(*base64Decode("Zm8=")), "fo");
  EXPECT_EQ(text(*base64Decode(" Zm9v\r\nYmFy\n")), "foobar");
  EXPECT_EQ(text(*base64Decode("/+8=")), "\xFF\xEF");
  for (const char* bad : {"Zg=", "Zg", "Zm9", "Z===", "Zm9v=", "Zg==Zg==", "Zm9*", "Zm9v\x80"}) {
    EXPECT_FALSE(base64Decode(bad)) << bad;
  }
}

TEST(UpdateSignatureForms, PublicKeyAsOpensslWritesIt) {
  const auto key = p256KeyFromPem(test::kTestPublicKey);
  ASSERT_TRUE(key);
  EXPECT_EQ(hex(*key), test::kTestPointHex);
  // Text around the block, as in a file with a comment, is ignored.
  EXPECT_TRUE(p256KeyFromPem(std::string("key:\n") + test::kTestPublicKey + "\n"));

  EXPECT_FALSE(p256KeyFromPem(test::kP384PublicKey));
  EXPECT_FALSE(p256KeyFromPem(test::kCompressedPublicKey));
  EXPECT_FALSE(p256KeyFromPem(""));
  std::string cut = test::kTestPublicKey;
  cut.erase(cut.find("8+Ihi"), 10);
  EXPECT_FALSE(p256KeyFromPem(cut));
  std::string renamed = test::kTestPublicKey;
  renamed.replace(renamed.find("BEGIN PUBLIC"), 12, "BEGIN SECRET");
  EXPECT_FALSE(p256KeyFromPem(renamed));
}

TEST(UpdateSignatureForms, DerSignatureBecomesRThenS) {
  const auto full = p256SignatureFromDer(der(test::kSignature));
  ASSERT_TRUE(full);
  // r came with 32 bytes, s with a leading zero in 33.
  EXPECT_EQ(hex(*full).substr(0, 64), "2b50042e5f3fe7076b92db282120b1b5cbde43462da486016c51176e6f4ee706");
  EXPECT_EQ(hex(*full).substr(64), "e18d72bb75382d9d45bd13f6c23b02bfda8d6b6db84a3c3d1a2e7458cb328e5a");
  const auto shortS = p256SignatureFromDer(der(test::kShortSSignature));
  ASSERT_TRUE(shortS);
  EXPECT_EQ(hex(*shortS).substr(64), test::kShortS);
}

TEST(UpdateSignatureForms, MalformedDerSignaturesGiveNothing) {
  const Bytes good = der(test::kSignature);
  auto changed = [&](auto edit) {
    Bytes b = good;
    edit(b);
    return p256SignatureFromDer(b);
  };
  EXPECT_FALSE(changed([](Bytes& b) { b.push_back(0); }));  // bytes after the end
  EXPECT_FALSE(changed([](Bytes& b) { b.pop_back(); }));    // cut short
  EXPECT_FALSE(changed([](Bytes& b) { b[0] = 0x31; }));     // a SET
  EXPECT_FALSE(changed([](Bytes& b) { b[1] = 0x80; }));     // indefinite length
  EXPECT_FALSE(changed([](Bytes& b) { b[4] |= 0x80; }));    // r negative
  EXPECT_FALSE(changed([](Bytes& b) { b[38] = 0x01; }));    // s: 33 bytes of value
  EXPECT_FALSE(changed([](Bytes& b) {
    b.resize(2 + 2 + 32);
    b[1] = 34;
  }));  // one integer only
  EXPECT_FALSE(p256SignatureFromDer({}));
  const Bytes zeroR{0x30, 0x06, 0x02, 0x01, 0x00, 0x02, 0x01, 0x01};
  EXPECT_FALSE(p256SignatureFromDer(zeroR));
  // The long length form only where the short one cannot say it.
  const Bytes longForm{0x30, 0x81, 0x06, 0x02, 0x01, 0x01, 0x02, 0x01, 0x01};
  EXPECT_FALSE(p256SignatureFromDer(longForm));
  EXPECT_FALSE(p256SignatureFromDer(Bytes{0x30, 0x82, 0x00, 0x06, 0x02, 0x01, 0x01, 0x02, 0x01, 0x01}));
  // Each value has one spelling: no zero before a byte that needs none.
  EXPECT_TRUE(p256SignatureFromDer(Bytes{0x30, 0x07, 0x02, 0x02, 0x00, 0x80, 0x02, 0x01, 0x01}));
  EXPECT_FALSE(p256SignatureFromDer(Bytes{0x30, 0x07, 0x02, 0x02, 0x00, 0x01, 0x02, 0x01, 0x01}));
  EXPECT_FALSE(p256SignatureFromDer(Bytes{0x30, 0x07, 0x02, 0x01, 0x01, 0x02, 0x02, 0x00, 0x7F}));
  EXPECT_FALSE(p256SignatureFromDer(Bytes{0x30, 0x06, 0x02, 0x01, 0x01, 0x02, 0x01, 0x80}));  // s negative
}

}  // namespace
}  // namespace vex
