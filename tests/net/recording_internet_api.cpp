#include "recording_internet_api.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace vex::testing {

InternetHandle RecordingInternetApi::open(const std::string& agent, std::uint32_t access_type,
                                          const std::optional<std::string>& proxy_name,
                                          const std::optional<std::string>& proxy_bypass,
                                          std::uint32_t flags) {
  calls.push_back("open");
  opened = OpenCall{agent, access_type, proxy_name, proxy_bypass, flags};
  return failOpen ? nullptr : root();
}

InternetHandle RecordingInternetApi::connect(InternetHandle rootHandle, const std::string& host,
                                             std::int32_t port, std::uint32_t service, std::uint32_t flags,
                                             std::uintptr_t context) {
  calls.push_back("connect");
  if (rootHandle != root()) throw std::logic_error("connect on a wrong handle");
  connected = ConnectCall{host, port, service, flags, context};
  return failConnect ? nullptr : connection();
}

InternetHandle RecordingInternetApi::openRequest(InternetHandle connectionHandle, const std::string& verb,
                                                 const std::string& object_name, const std::string& version,
                                                 std::uint32_t flags, std::uintptr_t context) {
  calls.push_back("openRequest");
  if (connectionHandle != connection()) throw std::logic_error("request on a wrong handle");
  requested = RequestCall{verb, object_name, version, flags, context};
  visited.push_back(connected->host + ":" + std::to_string(connected->port) + object_name);
  return failRequest ? nullptr : request();
}

bool RecordingInternetApi::setOption(InternetHandle h, std::uint32_t option, std::uint32_t value) {
  calls.push_back("setOption");
  options.push_back({h, option, value});
  return true;
}

bool RecordingInternetApi::sendRequest(InternetHandle h, const std::string& headers,
                                       std::span<const std::uint8_t> optional_data) {
  calls.push_back("sendRequest");
  if (h != request()) throw std::logic_error("send on a wrong handle");
  sent = SendCall{headers, Bytes(optional_data.begin(), optional_data.end())};
  ++sends_;
  return true;
}

bool RecordingInternetApi::readFile(InternetHandle h, std::span<std::uint8_t> buffer, std::uint32_t& read) {
  if (calls.empty() || calls.back() != "readFile") calls.push_back("readFile");
  if (h != request()) throw std::logic_error("read on a wrong handle");
  readSizes.push_back(static_cast<std::uint32_t>(buffer.size()));
  const std::size_t n =
      std::min({buffer.size(), static_cast<std::size_t>(maxRead), responseBody.size() - readOffset_});
  std::copy_n(responseBody.begin() + static_cast<std::ptrdiff_t>(readOffset_), n, buffer.begin());
  readOffset_ += n;
  read = static_cast<std::uint32_t>(n);
  return true;
}

bool RecordingInternetApi::queryInfo(InternetHandle h, std::uint32_t info_level, std::span<char> buffer,
                                     std::uint32_t& length) {
  calls.push_back("queryInfo");
  if (h != request()) throw std::logic_error("unexpected query");
  if (info_level != inet::kQueryRawHeadersCrLf) {
    std::optional<std::string> value;
    const bool redirecting = sends_ > 0 && sends_ <= redirects.size();
    if (redirecting && info_level == inet::kQueryStatusCode) value = "302";
    if (redirecting && info_level == inet::kQueryLocation) value = redirects[sends_ - 1];
    if (const auto given = headerValues.find(info_level); !value && given != headerValues.end())
      value = given->second;
    if (!value || value->size() + 1 > buffer.size()) return false;
    std::memcpy(buffer.data(), value->c_str(), value->size() + 1);
    length = static_cast<std::uint32_t>(value->size());
    return true;
  }
  if (length != buffer.size()) throw std::logic_error("length does not match the buffer");
  queryBufferSizes.push_back(length);
  if (!rawHeaders) return false;
  // Like the library: too small a buffer fails and reports the size needed.
  if (rawHeaders->size() + 1 > buffer.size()) {
    length = static_cast<std::uint32_t>(rawHeaders->size() + 1);
    return false;
  }
  std::memcpy(buffer.data(), rawHeaders->c_str(), rawHeaders->size() + 1);
  length = static_cast<std::uint32_t>(rawHeaders->size());
  return true;
}

void RecordingInternetApi::close(InternetHandle h) {
  calls.push_back("close");
  closed.push_back(h);
}

}  // namespace vex::testing
