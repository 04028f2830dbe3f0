// The internet-library interface over WinInet itself.
#include "toolkit/internet/wininet_api.h"

#include <windows.h>
#include <wininet.h>


namespace vex {
namespace {

const char* orNull(const std::optional<std::string>& text) { return text ? text->c_str() : nullptr; }

}  // namespace

InternetHandle WinInetApi::open(const std::string& agent, std::uint32_t access_type,
                                const std::optional<std::string>& proxy_name,
                                const std::optional<std::string>& proxy_bypass, std::uint32_t flags) {
  return InternetOpenA(agent.c_str(), access_type, orNull(proxy_name), orNull(proxy_bypass), flags);
}

InternetHandle WinInetApi::connect(InternetHandle root, const std::string& host, std::int32_t port,
                                   std::uint32_t service, std::uint32_t flags, std::uintptr_t context) {
  return InternetConnectA(root, host.c_str(), static_cast<INTERNET_PORT>(port), nullptr, nullptr, service,
                          flags, context);
}

InternetHandle WinInetApi::openRequest(InternetHandle connection, const std::string& verb,
                                       const std::string& object_name, const std::string& version,
                                       std::uint32_t flags, std::uintptr_t context) {
  return HttpOpenRequestA(connection, verb.c_str(), object_name.c_str(), version.c_str(), nullptr, nullptr,
                          flags, context);
}

bool WinInetApi::setOption(InternetHandle handle, std::uint32_t option, std::uint32_t value) {
  DWORD v = value;
  return InternetSetOptionA(handle, option, &v, sizeof v) != FALSE;
}

bool WinInetApi::sendRequest(InternetHandle request, const std::string& headers,
                             std::span<const std::uint8_t> optional_data) {
  // The library takes the optional data as non-const but only reads it.
  void* data = optional_data.empty() ? nullptr : const_cast<std::uint8_t*>(optional_data.data());
  return HttpSendRequestA(request, headers.c_str(), static_cast<DWORD>(headers.size()), data,
                          static_cast<DWORD>(optional_data.size())) != FALSE;
}

bool WinInetApi::readFile(InternetHandle request, std::span<std::uint8_t> buffer, std::uint32_t& read) {
  DWORD got = 0;
  const BOOL ok = InternetReadFile(request, buffer.data(), static_cast<DWORD>(buffer.size()), &got);
  read = ok ? got : 0;
  return ok != FALSE;
}

bool WinInetApi::queryInfo(InternetHandle request, std::uint32_t info_level, std::span<char> buffer,
                           std::uint32_t& length) {
  DWORD size = static_cast<DWORD>(buffer.size());
  const BOOL ok = HttpQueryInfoA(request, info_level, buffer.data(), &size, nullptr);
  if (ok || GetLastError() == ERROR_INSUFFICIENT_BUFFER) length = size;
  return ok != FALSE;
}

void WinInetApi::close(InternetHandle handle) { InternetCloseHandle(handle); }

}  // namespace vex
