#include "toolkit/download/download_verify.h"

#include <windows.h>
// bcrypt.h needs the types of windows.h.
#include <bcrypt.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/system/system_library.h"

namespace vex::win {

namespace {

bool ok(NTSTATUS status) { return status >= 0; }

// bcrypt.dll, loaded when a download is checked.
class Bcrypt {
 public:
  Bcrypt() {
    loaded_ = library_.take(openAlgorithm, "BCryptOpenAlgorithmProvider") &&
              library_.take(closeAlgorithm, "BCryptCloseAlgorithmProvider") &&
              library_.take(createHash, "BCryptCreateHash") && library_.take(hashData, "BCryptHashData") &&
              library_.take(finishHash, "BCryptFinishHash") &&
              library_.take(destroyHash, "BCryptDestroyHash") &&
              library_.take(importKeyPair, "BCryptImportKeyPair") &&
              library_.take(verifySignature, "BCryptVerifySignature") &&
              library_.take(destroyKey, "BCryptDestroyKey");
  }
  bool loaded() const { return loaded_; }

  decltype(&BCryptOpenAlgorithmProvider) openAlgorithm = nullptr;
  decltype(&BCryptCloseAlgorithmProvider) closeAlgorithm = nullptr;
  decltype(&BCryptCreateHash) createHash = nullptr;
  decltype(&BCryptHashData) hashData = nullptr;
  decltype(&BCryptFinishHash) finishHash = nullptr;
  decltype(&BCryptDestroyHash) destroyHash = nullptr;
  decltype(&BCryptImportKeyPair) importKeyPair = nullptr;
  decltype(&BCryptVerifySignature) verifySignature = nullptr;
  decltype(&BCryptDestroyKey) destroyKey = nullptr;

 private:
  SystemLibrary library_{L"bcrypt.dll"};
  bool loaded_ = false;
};

class Algorithm {
 public:
  Algorithm(const Bcrypt& api, const wchar_t* name) : api_(api) {
    if (!api_.loaded() || !ok(api_.openAlgorithm(&handle_, name, nullptr, 0))) handle_ = nullptr;
  }
  ~Algorithm() {
    if (handle_) api_.closeAlgorithm(handle_, 0);
  }
  Algorithm(const Algorithm&) = delete;
  Algorithm& operator=(const Algorithm&) = delete;
  BCRYPT_ALG_HANDLE get() const { return handle_; }

 private:
  const Bcrypt& api_;
  BCRYPT_ALG_HANDLE handle_ = nullptr;
};

class Hash {
 public:
  Hash(const Bcrypt& api, BCRYPT_ALG_HANDLE algorithm) : api_(api) {
    if (!ok(api_.createHash(algorithm, &handle_, nullptr, 0, nullptr, 0, 0))) handle_ = nullptr;
  }
  ~Hash() {
    if (handle_) api_.destroyHash(handle_);
  }
  Hash(const Hash&) = delete;
  Hash& operator=(const Hash&) = delete;
  BCRYPT_HASH_HANDLE get() const { return handle_; }

 private:
  const Bcrypt& api_;
  BCRYPT_HASH_HANDLE handle_ = nullptr;
};

class Key {
 public:
  Key(const Bcrypt& api, BCRYPT_ALG_HANDLE algorithm, std::vector<UCHAR>& blob) : api_(api) {
    if (!ok(api_.importKeyPair(algorithm, nullptr, BCRYPT_ECCPUBLIC_BLOB, &handle_, blob.data(),
                               static_cast<ULONG>(blob.size()), 0))) {
      handle_ = nullptr;
    }
  }
  ~Key() {
    if (handle_) api_.destroyKey(handle_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  BCRYPT_KEY_HANDLE get() const { return handle_; }

 private:
  const Bcrypt& api_;
  BCRYPT_KEY_HANDLE handle_ = nullptr;
};

}  // namespace

std::optional<Sha256Digest> sha256(std::span<const std::uint8_t> bytes) {
  const Bcrypt api;
  const Algorithm algorithm(api, BCRYPT_SHA256_ALGORITHM);
  if (!algorithm.get()) return std::nullopt;
  const Hash hash(api, algorithm.get());
  if (!hash.get()) return std::nullopt;
  // HashData takes a ULONG count: big inputs go in pieces.
  constexpr std::size_t kPiece = std::size_t{1} << 30;
  for (std::size_t at = 0; at < bytes.size(); at += kPiece) {
    const std::size_t n = std::min(kPiece, bytes.size() - at);
    if (!ok(api.hashData(hash.get(), const_cast<PUCHAR>(bytes.data() + at), static_cast<ULONG>(n), 0))) {
      return std::nullopt;
    }
  }
  Sha256Digest digest{};
  if (!ok(api.finishHash(hash.get(), digest.data(), static_cast<ULONG>(digest.size()), 0)))
    return std::nullopt;
  return digest;
}

bool verifyP256(const P256PublicKey& key, const Sha256Digest& digest, const P256Signature& signature) {
  const Bcrypt api;
  const Algorithm algorithm(api, BCRYPT_ECDSA_P256_ALGORITHM);
  if (!algorithm.get()) return false;
  BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, 32};
  std::vector<UCHAR> blob(sizeof header + key.size());
  std::copy_n(reinterpret_cast<const UCHAR*>(&header), sizeof header, blob.begin());
  std::copy(key.begin(), key.end(), blob.begin() + sizeof header);
  const Key imported(api, algorithm.get(), blob);
  if (!imported.get()) return false;
  Sha256Digest hashed = digest;
  P256Signature signed_ = signature;
  return api.verifySignature(imported.get(), nullptr, hashed.data(), static_cast<ULONG>(hashed.size()),
                             signed_.data(), static_cast<ULONG>(signed_.size()), 0) == 0;
}

}  // namespace vex::win
