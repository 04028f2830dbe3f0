// The internet-library interface over WinInet itself.
#include "toolkit/internet/wininet_api.h"

#include <windows.h>
#include <wininet.h>

#include <string>

#include "toolkit/system/system_library.h"

namespace vex {

struct WinInetApi::Functions {
  win::SystemLibrary library{L"wininet.dll"};
  decltype(&InternetOpenA) open = nullptr;
  decltype(&InternetConnectA) connect = nullptr;
  decltype(&HttpOpenRequestA) openRequest = nullptr;
  decltype(&InternetSetOptionA) setOption = nullptr;
  decltype(&HttpSendRequestA) sendRequest = nullptr;
  decltype(&InternetReadFile) readFile = nullptr;
  decltype(&HttpQueryInfoA) queryInfo = nullptr;
  decltype(&InternetCloseHandle) close = nullptr;
};

namespace {

const char* orNull(const std::optional<std::string>& text) { return text ? text->c_str() : nullptr; }

}  // namespace

// Loaded while the object lives: the executable imports none of it.
WinInetApi::WinInetApi() {
  auto f = std::make_unique<Functions>();
  const win::SystemLibrary& l = f->library;
  if (l.take(f->open, "InternetOpenA") && l.take(f->connect, "InternetConnectA") &&
      l.take(f->openRequest, "HttpOpenRequestA") && l.take(f->setOption, "InternetSetOptionA") &&
      l.take(f->sendRequest, "HttpSendRequestA") && l.take(f->readFile, "InternetReadFile") &&
      l.take(f->queryInfo, "HttpQueryInfoA") && l.take(f->close, "InternetCloseHandle")) {
    functions_ = std::move(f);
  }
}

// WinInet goes before the cutter's sockets, loaded before it.
WinInetApi::~WinInetApi() { functions_.reset(); }

InternetHandle WinInetApi::open(const std::string& agent, std::uint32_t access_type,
                                const std::optional<std::string>& proxy_name,
                                const std::optional<std::string>& proxy_bypass, std::uint32_t flags) {
  if (!functions_) return nullptr;
  return functions_->open(agent.c_str(), access_type, orNull(proxy_name), orNull(proxy_bypass), flags);
}

InternetHandle WinInetApi::connect(InternetHandle root, const std::string& host, std::int32_t port,
                                   std::uint32_t service, std::uint32_t flags, std::uintptr_t context) {
  if (!functions_) return nullptr;
  cutter_.remember(host, port);
  return functions_->connect(root, host.c_str(), static_cast<INTERNET_PORT>(port), nullptr, nullptr, service,
                             flags, context);
}

InternetHandle WinInetApi::openRequest(InternetHandle connection, const std::string& verb,
                                       const std::string& object_name, const std::string& version,
                                       std::uint32_t flags, std::uintptr_t context) {
  if (!functions_) return nullptr;
  return functions_->openRequest(connection, verb.c_str(), object_name.c_str(), version.c_str(), nullptr,
                                 nullptr, flags, context);
}

bool WinInetApi::setOption(InternetHandle handle, std::uint32_t option, std::uint32_t value) {
  if (!functions_) return false;
  DWORD v = value;
  return functions_->setOption(handle, option, &v, sizeof v) != FALSE;
}

bool WinInetApi::sendRequest(InternetHandle request, const std::string& headers,
                             std::span<const std::uint8_t> optional_data) {
  if (!functions_) return false;
  // The request's connection is opened inside the send: the watch takes it
  // for this job's.
  const WineSocketCutter::Watch watch(cutter_);
  // The library takes the optional data as non-const but only reads it.
  void* data = optional_data.empty() ? nullptr : const_cast<std::uint8_t*>(optional_data.data());
  return functions_->sendRequest(request, headers.empty() ? nullptr : headers.c_str(),
                                 static_cast<DWORD>(headers.size()), data,
                                 static_cast<DWORD>(optional_data.size())) != FALSE;
}

bool WinInetApi::readFile(InternetHandle request, std::span<std::uint8_t> buffer, std::uint32_t& read) {
  read = 0;
  if (!functions_) return false;
  DWORD got = 0;
  const BOOL ok = functions_->readFile(request, buffer.data(), static_cast<DWORD>(buffer.size()), &got);
  read = ok ? got : 0;
  return ok != FALSE;
}

bool WinInetApi::queryInfo(InternetHandle request, std::uint32_t info_level, std::span<char> buffer,
                           std::uint32_t& length) {
  if (!functions_) return false;
  DWORD size = static_cast<DWORD>(buffer.size());
  const BOOL ok = functions_->queryInfo(request, info_level, buffer.data(), &size, nullptr);
  if (ok || GetLastError() == ERROR_INSUFFICIENT_BUFFER) length = size;
  return ok != FALSE;
}

void WinInetApi::close(InternetHandle handle) {
  if (functions_ && handle) functions_->close(handle);
}

}  // namespace vex
