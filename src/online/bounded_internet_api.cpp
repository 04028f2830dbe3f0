#include "online/bounded_internet_api.h"

#include <algorithm>

namespace vex {

namespace {
// WinInet's option numbers.
constexpr std::uint32_t kOptionConnectTimeout = 2;
constexpr std::uint32_t kOptionSendTimeout = 5;
constexpr std::uint32_t kOptionReceiveTimeout = 6;
}  // namespace

void BoundedInternetApi::bound(InternetHandle handle) {
  if (!handle) return;
  inner_.setOption(handle, kOptionConnectTimeout, kConnectTimeoutMs);
  inner_.setOption(handle, kOptionSendTimeout, kSendTimeoutMs);
  inner_.setOption(handle, kOptionReceiveTimeout, kReceiveTimeoutMs);
}

InternetHandle BoundedInternetApi::open(const std::string& agent, std::uint32_t access_type,
                                        const std::optional<std::string>& proxy_name,
                                        const std::optional<std::string>& proxy_bypass, std::uint32_t flags) {
  InternetHandle root = inner_.open(agent, access_type, proxy_name, proxy_bypass, flags);
  bound(root);
  return root;
}

InternetHandle BoundedInternetApi::connect(InternetHandle root, const std::string& host, std::int32_t port,
                                           std::uint32_t service, std::uint32_t flags,
                                           std::uintptr_t context) {
  InternetHandle connection = inner_.connect(root, host, port, service, flags, context);
  bound(connection);
  return connection;
}

// Not every WinInet hands the session's time-outs down to the request.
InternetHandle BoundedInternetApi::openRequest(InternetHandle connection, const std::string& verb,
                                               const std::string& object_name, const std::string& version,
                                               std::uint32_t flags, std::uintptr_t context) {
  InternetHandle request = inner_.openRequest(connection, verb, object_name, version, flags, context);
  bound(request);
  bodyBytes_ = 0;
  return request;
}

bool BoundedInternetApi::readFile(InternetHandle request, std::span<std::uint8_t> buffer,
                                  std::uint32_t& read) {
  read = 0;
  const std::size_t room = kMaxBodyBytes - bodyBytes_;
  if (room == 0) return false;
  const bool ok = inner_.readFile(request, buffer.first(std::min(buffer.size(), room)), read);
  bodyBytes_ += std::min<std::size_t>(read, room);
  return ok;
}

}  // namespace vex
