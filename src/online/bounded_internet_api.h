// An internet library whose every handle gives up after a few seconds (the
// library's own defaults let a server that accepts and never answers hold
// a request for as long as it likes) and whose bodies end after 1 MiB (a
// server that never stops would otherwise fill the memory). One request at
// a time, on one thread.
#pragma once
#include "toolkit/internet/internet_api.h"

namespace vex {

class BoundedInternetApi final : public InternetApi {
 public:
  static constexpr std::uint32_t kConnectTimeoutMs = 5000;
  static constexpr std::uint32_t kSendTimeoutMs = 5000;
  static constexpr std::uint32_t kReceiveTimeoutMs = 10000;
  static constexpr std::size_t kMaxBodyBytes = std::size_t{1} << 20;

  explicit BoundedInternetApi(InternetApi& inner) : inner_(inner) {}

  InternetHandle open(const std::string& agent, std::uint32_t access_type,
                      const std::optional<std::string>& proxy_name,
                      const std::optional<std::string>& proxy_bypass, std::uint32_t flags) override;
  InternetHandle connect(InternetHandle root, const std::string& host, std::int32_t port,
                         std::uint32_t service, std::uint32_t flags, std::uintptr_t context) override;
  InternetHandle openRequest(InternetHandle connection, const std::string& verb,
                             const std::string& object_name, const std::string& version, std::uint32_t flags,
                             std::uintptr_t context) override;
  bool setOption(InternetHandle handle, std::uint32_t option, std::uint32_t value) override {
    return inner_.setOption(handle, option, value);
  }
  bool sendRequest(InternetHandle request, const std::string& headers,
                   std::span<const std::uint8_t> optional_data) override {
    return inner_.sendRequest(request, headers, optional_data);
  }
  // Reads as 0 bytes (the end) once kMaxBodyBytes have been read.
  bool readFile(InternetHandle request, std::span<std::uint8_t> buffer, std::uint32_t& read) override;
  bool queryInfo(InternetHandle request, std::uint32_t info_level, std::span<char> buffer,
                 std::uint32_t& length) override {
    return inner_.queryInfo(request, info_level, buffer, length);
  }
  void close(InternetHandle handle) override { inner_.close(handle); }

 private:
  void bound(InternetHandle handle);

  InternetApi& inner_;
  std::size_t bodyBytes_ = 0;  // read from the current request
};

}  // namespace vex
