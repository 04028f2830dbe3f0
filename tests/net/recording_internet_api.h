// An InternetApi that records every call and answers from a script, so the
// request routine's use of the library can be checked call by call.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/common/embedded.h"
#include "toolkit/internet/internet_api.h"

namespace vex::testing {

struct OpenCall {
  std::string agent;
  std::uint32_t access = 0;
  std::optional<std::string> proxy, bypass;
  std::uint32_t flags = 0xFFFFFFFF;
};
struct ConnectCall {
  std::string host;
  std::int32_t port = -1;
  std::uint32_t service = 0, flags = 0xFFFFFFFF;
  std::uintptr_t context = 1;
};
struct RequestCall {
  std::string verb, object, version;
  std::uint32_t flags = 0;
  std::uintptr_t context = 1;
};
struct OptionCall {
  InternetHandle handle = nullptr;
  std::uint32_t option = 0, value = 0;
};
struct SendCall {
  std::string headers;
  Bytes body;
};

class RecordingInternetApi final : public InternetApi {
 public:
  // Script.
  bool failOpen = false, failConnect = false, failRequest = false;
  Bytes responseBody;
  std::uint32_t maxRead = 1024;                       // a read returns at most this much
  std::optional<std::string> rawHeaders;              // absent: the query fails
  std::map<std::uint32_t, std::string> headerValues;  // other query levels; absent ones fail
  // The first sends are answered with a 302 to these, one a send.
  std::vector<std::string> redirects;

  // Record, in call order where it matters.
  std::vector<std::string> calls;
  std::optional<OpenCall> opened;
  std::optional<ConnectCall> connected;
  std::optional<RequestCall> requested;
  std::vector<OptionCall> options;
  std::optional<SendCall> sent;
  std::vector<InternetHandle> closed;
  std::vector<std::uint32_t> readSizes;
  std::vector<std::uint32_t> queryBufferSizes;
  std::vector<std::string> visited;  // "host:port/object" of each request opened

  static InternetHandle root() { return handle(1); }
  static InternetHandle connection() { return handle(2); }
  static InternetHandle request() { return handle(3); }

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

 private:
  static InternetHandle handle(std::uintptr_t n) { return reinterpret_cast<InternetHandle>(n * 0x100); }
  std::size_t readOffset_ = 0;
  std::size_t sends_ = 0;
};

}  // namespace vex::testing
