// The operations of the system's internet library that a request
// uses, behind one interface: WinInet on Windows, a recorder in tests.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vex {

// An opaque library handle; nullptr means the call failed.
using InternetHandle = void*;

namespace inet {
inline constexpr std::uint32_t kAccessDirect = 1;
inline constexpr std::uint32_t kAccessNamedProxy = 3;
inline constexpr std::uint32_t kServiceHttp = 3;
inline constexpr std::uint32_t kFlagReload = 0x80000000;
inline constexpr std::uint32_t kFlagNoCacheWrite = 0x04000000;
inline constexpr std::uint32_t kFlagKeepConnection = 0x00400000;
inline constexpr std::uint32_t kFlagPragmaNoCache = 0x00000100;
inline constexpr std::uint32_t kFlagNeedFile = 0x00000010;
inline constexpr std::uint32_t kFlagNoCookies = 0x00080000;
inline constexpr std::uint32_t kFlagNoAutoRedirect = 0x00200000;
inline constexpr std::uint32_t kFlagSecure = 0x00800000;
inline constexpr std::uint32_t kFlagIgnoreRedirectToHttps = 0x00004000;
inline constexpr std::uint32_t kOptionSecurityFlags = 31;
inline constexpr std::uint32_t kOptionConnectTimeout = 2;
inline constexpr std::uint32_t kOptionSendTimeout = 5;
inline constexpr std::uint32_t kOptionReceiveTimeout = 6;
inline constexpr std::uint32_t kOptionMaxConnsPerServer = 73;
inline constexpr std::uint32_t kOptionMaxConnsPer10Server = 74;
// Revocation, unknown CA, wrong usage, bad CN, bad date, both redirect
// directions, and 0x10000.
inline constexpr std::uint32_t kLenientCertificates = 0x0001F380;
inline constexpr std::uint32_t kQueryRawHeadersCrLf = 22;
inline constexpr std::uint32_t kQueryContentLength = 5;
inline constexpr std::uint32_t kQueryStatusCode = 19;
inline constexpr std::uint32_t kQueryLocation = 33;
inline constexpr std::uint32_t kQueryContentRange = 53;
}  // namespace inet

class InternetApi {
 public:
  virtual ~InternetApi() = default;

  // proxy_name and proxy_bypass are absent (null) for direct access.
  virtual InternetHandle open(const std::string& agent, std::uint32_t access_type,
                              const std::optional<std::string>& proxy_name,
                              const std::optional<std::string>& proxy_bypass, std::uint32_t flags) = 0;
  // No user name or password.
  virtual InternetHandle connect(InternetHandle root, const std::string& host, std::int32_t port,
                                 std::uint32_t service, std::uint32_t flags, std::uintptr_t context) = 0;
  // No referrer and no accept-type list.
  virtual InternetHandle openRequest(InternetHandle connection, const std::string& verb,
                                     const std::string& object_name, const std::string& version,
                                     std::uint32_t flags, std::uintptr_t context) = 0;
  // Sets a 32-bit option value.
  virtual bool setOption(InternetHandle handle, std::uint32_t option, std::uint32_t value) = 0;
  virtual bool sendRequest(InternetHandle request, const std::string& headers,
                           std::span<const std::uint8_t> optional_data) = 0;
  // Always sets `read`: 0 ends the body, on failure too.
  virtual bool readFile(InternetHandle request, std::span<std::uint8_t> buffer, std::uint32_t& read) = 0;
  // `length` holds the buffer size on entry. On success the buffer holds a
  // NUL-terminated block and `length` its size without the NUL; when the
  // buffer is too small the call fails and `length` holds the size needed.
  virtual bool queryInfo(InternetHandle request, std::uint32_t info_level, std::span<char> buffer,
                         std::uint32_t& length) = 0;
  virtual void close(InternetHandle handle) = 0;
  // Shuts the connections this object's requests opened, and no others,
  // so that calls blocked on them return: Wine's library does not end them
  // when their handles close (see WineSocketCutter).
  virtual void cutConnections() {}
};

}  // namespace vex
