// SHA-256 digests and ECDSA P-256 checks through Windows' own cryptography
// (bcrypt.dll, the calls that exist back to Windows 7).
#pragma once
#include <optional>
#include <span>
#include <string_view>

#include "toolkit/download/download_digest.h"
#include "toolkit/download/download_signature.h"

namespace vex::win {

// Nothing when the system cannot compute it.
std::optional<Sha256Digest> sha256(std::span<const std::uint8_t> bytes);

// True only when `signatureBase64` (the DER form `openssl dgst -sha256 -sign`
// writes, in base64) is the PEM key's signature of `message`'s exact bytes.
bool signedBy(std::span<const std::uint8_t> message, std::string_view signatureBase64,
              std::string_view publicKeyPem);

}  // namespace vex::win
