// The forms an update signature travels in, read into the raw forms that
// Windows' own cryptography takes. Parsing only: no cryptography here.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "toolkit/common/embedded.h"

namespace vex {

// An uncompressed P-256 point without its 04 prefix: X then Y, 32 bytes each.
using P256PublicKey = std::array<std::uint8_t, 64>;
// r then s, 32 bytes each, big-endian.
using P256Signature = std::array<std::uint8_t, 64>;

// Standard base64 (RFC 4648) with "=" padding; blanks and line ends are
// skipped. Nothing on any other character or a wrong length.
std::optional<Bytes> base64Decode(std::string_view text);

// A PEM "PUBLIC KEY" as `openssl ec -pubout` writes it: a SubjectPublicKeyInfo
// of an id-ecPublicKey on prime256v1 with an uncompressed point. Anything
// else gives nothing.
std::optional<P256PublicKey> p256KeyFromPem(std::string_view pem);

// The DER ECDSA-Sig-Value (SEQUENCE of two INTEGERs) that
// `openssl dgst -sha256 -sign` writes. Nothing unless the encoding is the
// one canonical DER spelling (minimal lengths and INTEGERs), both integers
// are positive and at most 32 bytes long, and it ends where it says.
std::optional<P256Signature> p256SignatureFromDer(std::span<const std::uint8_t> der);

}  // namespace vex
