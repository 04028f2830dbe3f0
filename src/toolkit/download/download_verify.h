// SHA-256 digests and ECDSA P-256 checks through Windows' own cryptography
// (bcrypt.dll, the calls that exist back to Windows 7).
#pragma once
#include <optional>
#include <span>

#include "toolkit/download/download_digest.h"
#include "toolkit/download/download_signature.h"

namespace vex::win {

// Nothing when the system cannot compute it.
std::optional<Sha256Digest> sha256(std::span<const std::uint8_t> bytes);

// True only when `signature` is `key`'s signature of `digest`.
bool verifyP256(const P256PublicKey& key, const Sha256Digest& digest, const P256Signature& signature);

}  // namespace vex::win
