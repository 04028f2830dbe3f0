#include "toolkit/download/download_page.h"

#include <vector>

#include "toolkit/download/download_url.h"
#include "toolkit/download/download_handles.h"

namespace vex::win {

namespace {

void setTimeout(HINTERNET handle, DWORD option, int ms) {
  DWORD value = static_cast<DWORD>(ms);
  InternetSetOptionA(handle, option, &value, sizeof value);
}

std::string contentLengthText(HINTERNET request) {
  char text[64] = {};
  DWORD size = sizeof text - 1;
  DWORD index = 0;
  if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, &index)) return {};
  return std::string(text, size);
}

}  // namespace

Bytes downloadPage(const std::string& address, const PageFetch& how) {
  Bytes body;
  const auto url = splitDownloadUrl(address);
  if (!url) return body;
  InternetHandle session(InternetOpenA(how.agent.c_str(), INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
  if (!session) return body;
  setTimeout(session.get(), INTERNET_OPTION_CONNECT_TIMEOUT, how.connectTimeoutMs);
  setTimeout(session.get(), INTERNET_OPTION_SEND_TIMEOUT, how.sendTimeoutMs);
  setTimeout(session.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, how.receiveTimeoutMs);
  InternetHandle connection(InternetConnectA(session.get(), url->host.c_str(), url->port, nullptr, nullptr,
                                             INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return body;
  setTimeout(connection.get(), INTERNET_OPTION_CONNECT_TIMEOUT, how.connectTimeoutMs);
  setTimeout(connection.get(), INTERNET_OPTION_SEND_TIMEOUT, how.sendTimeoutMs);
  setTimeout(connection.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, how.receiveTimeoutMs);
  const char* accept[] = {"*/*", nullptr};
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
  if (url->secure) flags |= INTERNET_FLAG_SECURE;
  InternetHandle request(
      HttpOpenRequestA(connection.get(), "GET", url->path.c_str(), "HTTP/1.0", nullptr, accept, flags, 0));
  if (!request) return body;
  // Not every WinInet hands the session's time-outs down to the request.
  setTimeout(request.get(), INTERNET_OPTION_CONNECT_TIMEOUT, how.connectTimeoutMs);
  setTimeout(request.get(), INTERNET_OPTION_SEND_TIMEOUT, how.sendTimeoutMs);
  setTimeout(request.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, how.receiveTimeoutMs);
  static const char kHeaders[] = "Accept: */*\r\n\r\n";
  if (!HttpSendRequestA(request.get(), kHeaders, sizeof kHeaders - 1, nullptr, 0)) return body;
  const std::size_t bufferSize = how.bufferSize ? how.bufferSize(contentLengthText(request.get())) : 10240;
  std::vector<std::uint8_t> buffer(bufferSize == 0 ? 1 : bufferSize);
  for (;;) {
    DWORD got = 0;
    if (!InternetReadFile(request.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got)) break;
    if (got == 0) break;
    body.insert(body.end(), buffer.begin(), buffer.begin() + got);
  }
  return body;
}

}  // namespace vex::win
