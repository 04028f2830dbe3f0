#include "toolkit/download/download_verify.h"

#include <windows.h>
// bcrypt.h needs the types of windows.h.
#include <bcrypt.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/system/handles.h"
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

// Frees a bcrypt handle through the entry point of the loaded library.
template <typename H, typename Function>
struct BcryptFree {
  Function free = nullptr;
  void operator()(H h) const { free(h); }
};
struct CloseAlgorithm {
  decltype(&BCryptCloseAlgorithmProvider) close = nullptr;
  void operator()(BCRYPT_ALG_HANDLE h) const { close(h, 0); }
};
using Algorithm = Unique<BCRYPT_ALG_HANDLE, CloseAlgorithm>;
using Hash = Unique<BCRYPT_HASH_HANDLE, BcryptFree<BCRYPT_HASH_HANDLE, decltype(&BCryptDestroyHash)>>;
using Key = Unique<BCRYPT_KEY_HANDLE, BcryptFree<BCRYPT_KEY_HANDLE, decltype(&BCryptDestroyKey)>>;

Algorithm openAlgorithm(const Bcrypt& api, const wchar_t* name) {
  BCRYPT_ALG_HANDLE handle = nullptr;
  if (!api.loaded() || !ok(api.openAlgorithm(&handle, name, nullptr, 0))) return {};
  return Algorithm(handle, {api.closeAlgorithm});
}

Hash createHash(const Bcrypt& api, BCRYPT_ALG_HANDLE algorithm) {
  BCRYPT_HASH_HANDLE handle = nullptr;
  if (!ok(api.createHash(algorithm, &handle, nullptr, 0, nullptr, 0, 0))) return {};
  return Hash(handle, {api.destroyHash});
}

Key importPublicKey(const Bcrypt& api, BCRYPT_ALG_HANDLE algorithm, std::vector<UCHAR>& blob) {
  BCRYPT_KEY_HANDLE handle = nullptr;
  if (!ok(api.importKeyPair(algorithm, nullptr, BCRYPT_ECCPUBLIC_BLOB, &handle, blob.data(),
                            static_cast<ULONG>(blob.size()), 0))) {
    return {};
  }
  return Key(handle, {api.destroyKey});
}

// True only when `signature` is `key`'s signature of `digest`.
bool verifyP256(const P256PublicKey& key, const Sha256Digest& digest, const P256Signature& signature) {
  const Bcrypt api;
  const Algorithm algorithm = openAlgorithm(api, BCRYPT_ECDSA_P256_ALGORITHM);
  if (!algorithm) return false;
  BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, 32};
  std::vector<UCHAR> blob(sizeof header + key.size());
  std::copy_n(reinterpret_cast<const UCHAR*>(&header), sizeof header, blob.begin());
  std::copy(key.begin(), key.end(), blob.begin() + sizeof header);
  const Key imported = importPublicKey(api, algorithm.get(), blob);
  if (!imported) return false;
  Sha256Digest hashed = digest;
  P256Signature signed_ = signature;
  return api.verifySignature(imported.get(), nullptr, hashed.data(), static_cast<ULONG>(hashed.size()),
                             signed_.data(), static_cast<ULONG>(signed_.size()), 0) == 0;
}

}  // namespace

std::optional<Sha256Digest> sha256(std::span<const std::uint8_t> bytes) {
  const Bcrypt api;
  const Algorithm algorithm = openAlgorithm(api, BCRYPT_SHA256_ALGORITHM);
  if (!algorithm) return std::nullopt;
  const Hash hash = createHash(api, algorithm.get());
  if (!hash) return std::nullopt;
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

bool signedBy(std::span<const std::uint8_t> message, std::string_view signatureBase64,
              std::string_view publicKeyPem) {
  const auto key = p256KeyFromPem(publicKeyPem);
  const auto der = base64Decode(signatureBase64);
  if (!key || !der) return false;
  const auto raw = p256SignatureFromDer(*der);
  if (!raw) return false;
  const auto digest = sha256(message);
  return digest && verifyP256(*key, *digest, *raw);
}

}  // namespace vex::win
