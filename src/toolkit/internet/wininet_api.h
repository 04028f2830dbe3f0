// The internet operations through WinInet (ANSI forms). Windows only.
// Each object holds wininet.dll loaded from the system folder for as long
// as it lives, so a program with no online job running holds none of it.
#pragma once
#include <memory>

#include "toolkit/internet/internet_api.h"
#include "toolkit/internet/wine_socket_cutter.h"

namespace vex {

class WinInetApi : public InternetApi {
 public:
  WinInetApi();
  ~WinInetApi() override;
  WinInetApi(const WinInetApi&) = delete;
  WinInetApi& operator=(const WinInetApi&) = delete;

  // False when the library could not be loaded: then every call fails.
  bool loaded() const { return functions_ != nullptr; }

  InternetHandle open(const std::string& agent, std::uint32_t access_type,
                      const std::optional<std::string>& proxy_name,
                      const std::optional<std::string>& proxy_bypass, std::uint32_t flags) override;
  InternetHandle connect(InternetHandle root, const std::string& host, std::int32_t port,
                         std::uint32_t service, std::uint32_t flags, std::uintptr_t context) override;
  InternetHandle openRequest(InternetHandle connection, const std::string& verb,
                             const std::string& object_name, const std::string& version, std::uint32_t flags,
                             std::uintptr_t context) override;
  bool setOption(InternetHandle handle, std::uint32_t option, std::uint32_t value) override;
  bool sendRequest(InternetHandle request, const std::string& headers,
                   std::span<const std::uint8_t> optional_data) override;
  bool readFile(InternetHandle request, std::span<std::uint8_t> buffer, std::uint32_t& read) override;
  bool queryInfo(InternetHandle request, std::uint32_t info_level, std::span<char> buffer,
                 std::uint32_t& length) override;
  void close(InternetHandle handle) override;
  void cutConnections() override { cutter_.cut(); }

  struct Functions;

 private:
  std::unique_ptr<const Functions> functions_;
  WineSocketCutter cutter_;  // this job's sockets only
};

}  // namespace vex
