#include "toolkit/download/download_page.h"

#include <algorithm>
#include <vector>

#include "toolkit/download/download_handles.h"
#include "toolkit/download/download_url.h"
#include "toolkit/download/request_deadline.h"

namespace vex::win {

namespace {

void setTimeouts(HINTERNET handle, const PageFetch& how) {
  for (const auto& [option, ms] : {std::pair{INTERNET_OPTION_CONNECT_TIMEOUT, how.connectTimeoutMs},
                                   std::pair{INTERNET_OPTION_SEND_TIMEOUT, how.sendTimeoutMs},
                                   std::pair{INTERNET_OPTION_RECEIVE_TIMEOUT, how.receiveTimeoutMs}}) {
    DWORD value = static_cast<DWORD>(ms);
    InternetSetOptionA(handle, option, &value, sizeof value);
  }
}

std::string contentLengthText(HINTERNET request) {
  char text[64] = {};
  DWORD size = sizeof text - 1;
  DWORD index = 0;
  if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, &index)) return {};
  return std::string(text, size);
}

// What a read loop left behind.
enum class Ended { Whole, Failed, Bounded };

// Reads no more than has arrived: a synchronous InternetReadFile waits for
// its whole buffer, so a slow server would otherwise be waited on in one
// call that only the deadline can end.
Ended readBody(const RequestDeadline& deadline, std::vector<std::uint8_t>& buffer, std::size_t maxBytes,
               Bytes& body) {
  for (;;) {
    HINTERNET request = deadline.request();
    if (request == nullptr) return Ended::Bounded;
    DWORD ready = 0;
    if (!InternetQueryDataAvailable(request, &ready, 0, 0)) {
      return deadline.passed() ? Ended::Bounded : Ended::Failed;
    }
    if (ready == 0) return Ended::Whole;
    request = deadline.request();
    if (request == nullptr) return Ended::Bounded;
    // One byte past the limit tells an over-long body from one that fits.
    const std::size_t room = maxBytes + 1 - body.size();
    const DWORD want = static_cast<DWORD>(std::min({std::size_t{ready}, buffer.size(), room}));
    DWORD got = 0;
    if (!InternetReadFile(request, buffer.data(), want, &got)) {
      return deadline.passed() ? Ended::Bounded : Ended::Failed;
    }
    if (got == 0) return Ended::Whole;
    body.insert(body.end(), buffer.begin(), buffer.begin() + got);
    if (body.size() > maxBytes) return Ended::Bounded;
  }
}

}  // namespace

Bytes downloadPage(const std::string& address, const PageFetch& how) {
  Bytes body;
  const auto url = splitDownloadUrl(address);
  if (!url) return body;
  InternetHandle session(InternetOpenA(how.agent.c_str(), INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
  if (!session) return body;
  setTimeouts(session.get(), how);
  InternetHandle connection(InternetConnectA(session.get(), url->host.c_str(), url->port, nullptr, nullptr,
                                             INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return body;
  // Not every WinInet hands the session's time-outs down.
  setTimeouts(connection.get(), how);
  // Nothing goes on the wire before the request is sent; the clock starts
  // here and the request is closed before the connection and the session.
  RequestDeadline deadline(std::chrono::milliseconds(how.deadlineMs));
  const char* accept[] = {"*/*", nullptr};
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
  if (url->secure) flags |= INTERNET_FLAG_SECURE;
  HINTERNET opened =
      HttpOpenRequestA(connection.get(), "GET", url->path.c_str(), "HTTP/1.0", nullptr, accept, flags, 0);
  if (opened == nullptr) return body;
  setTimeouts(opened, how);
  deadline.watch(opened);
  static const char kHeaders[] = "Accept: */*\r\n\r\n";
  HINTERNET request = deadline.request();
  if (request == nullptr || !HttpSendRequestA(request, kHeaders, sizeof kHeaders - 1, nullptr, 0))
    return body;
  request = deadline.request();
  if (request == nullptr) return {};
  const std::size_t bufferSize = how.bufferSize ? how.bufferSize(contentLengthText(request)) : 10240;
  std::vector<std::uint8_t> buffer(std::max<std::size_t>(bufferSize, 1));
  if (readBody(deadline, buffer, how.maxBytes, body) == Ended::Bounded) return {};
  return body;
}

}  // namespace vex::win
