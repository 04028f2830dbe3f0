#include "toolkit/download/download_verify.h"

#include <windows.h>
// bcrypt.h needs the types of windows.h.
#include <bcrypt.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace vex::win {

namespace {

bool ok(NTSTATUS status) { return status >= 0; }

class Algorithm {
 public:
  explicit Algorithm(const wchar_t* name) {
    if (!ok(BCryptOpenAlgorithmProvider(&handle_, name, nullptr, 0))) handle_ = nullptr;
  }
  ~Algorithm() {
    if (handle_) BCryptCloseAlgorithmProvider(handle_, 0);
  }
  Algorithm(const Algorithm&) = delete;
  Algorithm& operator=(const Algorithm&) = delete;
  BCRYPT_ALG_HANDLE get() const { return handle_; }

 private:
  BCRYPT_ALG_HANDLE handle_ = nullptr;
};

class Hash {
 public:
  explicit Hash(BCRYPT_ALG_HANDLE algorithm) {
    if (!ok(BCryptCreateHash(algorithm, &handle_, nullptr, 0, nullptr, 0, 0))) handle_ = nullptr;
  }
  ~Hash() {
    if (handle_) BCryptDestroyHash(handle_);
  }
  Hash(const Hash&) = delete;
  Hash& operator=(const Hash&) = delete;
  BCRYPT_HASH_HANDLE get() const { return handle_; }

 private:
  BCRYPT_HASH_HANDLE handle_ = nullptr;
};

class Key {
 public:
  Key(BCRYPT_ALG_HANDLE algorithm, std::vector<UCHAR>& blob) {
    if (!ok(BCryptImportKeyPair(algorithm, nullptr, BCRYPT_ECCPUBLIC_BLOB, &handle_, blob.data(),
                                static_cast<ULONG>(blob.size()), 0))) {
      handle_ = nullptr;
    }
  }
  ~Key() {
    if (handle_) BCryptDestroyKey(handle_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  BCRYPT_KEY_HANDLE get() const { return handle_; }

 private:
  BCRYPT_KEY_HANDLE handle_ = nullptr;
};

}  // namespace

std::optional<Sha256Digest> sha256(std::span<const std::uint8_t> bytes) {
  const Algorithm algorithm(BCRYPT_SHA256_ALGORITHM);
  if (!algorithm.get()) return std::nullopt;
  const Hash hash(algorithm.get());
  if (!hash.get()) return std::nullopt;
  // HashData takes a ULONG count: big inputs go in pieces.
  constexpr std::size_t kPiece = std::size_t{1} << 30;
  for (std::size_t at = 0; at < bytes.size(); at += kPiece) {
    const std::size_t n = std::min(kPiece, bytes.size() - at);
    if (!ok(BCryptHashData(hash.get(), const_cast<PUCHAR>(bytes.data() + at), static_cast<ULONG>(n), 0))) {
      return std::nullopt;
    }
  }
  Sha256Digest digest{};
  if (!ok(BCryptFinishHash(hash.get(), digest.data(), static_cast<ULONG>(digest.size()), 0)))
    return std::nullopt;
  return digest;
}

bool verifyP256(const P256PublicKey& key, const Sha256Digest& digest, const P256Signature& signature) {
  const Algorithm algorithm(BCRYPT_ECDSA_P256_ALGORITHM);
  if (!algorithm.get()) return false;
  BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, 32};
  std::vector<UCHAR> blob(sizeof header + key.size());
  std::copy_n(reinterpret_cast<const UCHAR*>(&header), sizeof header, blob.begin());
  std::copy(key.begin(), key.end(), blob.begin() + sizeof header);
  const Key imported(algorithm.get(), blob);
  if (!imported.get()) return false;
  Sha256Digest hashed = digest;
  P256Signature signed_ = signature;
  return BCryptVerifySignature(imported.get(), nullptr, hashed.data(), static_cast<ULONG>(hashed.size()),
                               signed_.data(), static_cast<ULONG>(signed_.size()), 0) == 0;
}

}  // namespace vex::win
