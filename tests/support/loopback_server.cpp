#include "loopback_server.h"

#include <winsock2.h>
// After winsock2.h, which must come before it.
#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace vex::test {

namespace {

constexpr SOCKET kNone = INVALID_SOCKET;
constexpr int kReadBoundMs = 5000;  // a request that takes longer is taken as it is

struct WinsockUser {
  WinsockUser() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
  ~WinsockUser() { WSACleanup(); }
};

void useWinsock() { static WinsockUser winsock; }

sockaddr_in loopback(int port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<u_short>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return a;
}

// Waits up to `ms` for `s` to become readable.
bool readable(SOCKET s, int ms) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval tv{ms / 1000, (ms % 1000) * 1000};
  return select(0, &set, nullptr, nullptr, &tv) == 1;
}

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string headerValue(const std::string& head, const std::string& name) {
  const std::string low = lower(head);
  const std::size_t at = low.find("\r\n" + lower(name) + ":");
  if (at == std::string::npos) return {};
  std::size_t b = at + 3 + name.size();
  const std::size_t e = head.find("\r\n", b);
  while (b < e && head[b] == ' ') ++b;
  return head.substr(b, e - b);
}

const char* reason(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 206:
      return "Partial Content";
    case 302:
      return "Found";
    case 404:
      return "Not Found";
    case 500:
      return "Internal Server Error";
  }
  return "Status";
}

}  // namespace

std::vector<std::string> Request::headerLines() const {
  std::vector<std::string> lines;
  std::size_t at = head.find("\r\n");
  while (at != std::string::npos && at + 2 < head.size()) {
    const std::size_t next = head.find("\r\n", at + 2);
    lines.push_back(head.substr(at + 2, next == std::string::npos ? std::string::npos : next - at - 2));
    at = next;
  }
  return lines;
}

Bytes patternBytes(std::size_t size, unsigned salt) {
  Bytes bytes(size);
  std::uint32_t x = salt * 2654435761u + 1;
  for (auto& b : bytes) {
    x = x * 1103515245u + 12345u;
    b = static_cast<std::uint8_t>(x >> 16);
  }
  return bytes;
}

LoopbackServer::LoopbackServer(Fault fault, int port)
    : LoopbackServer(
          [fault](const Request&) {
            return Reply{fault, "<html>fault</html>"};
          },
          port) {}

LoopbackServer::LoopbackServer(PathRoute route, int port)
    : LoopbackServer([route = std::move(route)](const Request& request) { return route(request.path); },
                     port) {}

LoopbackServer::LoopbackServer(Route route, int port) : route_(std::move(route)) {
  useWinsock();
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == kNone) return;
  BOOL exclusive = TRUE;
  setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive), sizeof exclusive);
  sockaddr_in a = loopback(port);
  if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(s, 64) != 0) {
    closesocket(s);
    return;
  }
  int len = sizeof a;
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
  port_ = ntohs(a.sin_port);
  listener_ = s;
  acceptor_ = std::thread([this] { acceptLoop(); });
}

LoopbackServer::~LoopbackServer() {
  stopping_ = true;
  if (acceptor_.joinable()) acceptor_.join();
  if (listening()) closesocket(static_cast<SOCKET>(listener_));
  for (auto& w : workers_) w.thread.join();
}

void LoopbackServer::serve(const std::string& path, Reply reply) {
  std::lock_guard lock(mutex_);
  table_[path] = std::move(reply);
}

std::vector<Request> LoopbackServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::vector<std::string> LoopbackServer::paths() const {
  std::vector<std::string> paths;
  for (const auto& r : requests()) paths.push_back(r.path);
  return paths;
}

bool LoopbackServer::waitStopped(int ms) const {
  for (int waited = 0; waited < ms; waited += 20) {
    if (stopping_) return true;
    Sleep(20);
  }
  return stopping_;
}

void LoopbackServer::acceptLoop() {
  const SOCKET l = static_cast<SOCKET>(listener_);
  // Wine does not wake a blocked accept() when the socket is closed, so
  // look for stopping_ between short waits.
  while (!stopping_) {
    if (!readable(l, 50)) continue;
    SOCKET c = accept(l, nullptr, nullptr);
    if (c == kNone) continue;
    ++connections_;
    // Finished connections go, so a long run keeps only the live ones.
    std::erase_if(workers_, [](Worker& w) {
      if (!*w.done) return false;
      w.thread.join();
      return true;
    });
    if (active_ >= kMaxConnections) {
      closesocket(c);
      continue;
    }
    const int now = ++active_;
    int seen = maxConcurrent_;
    while (now > seen && !maxConcurrent_.compare_exchange_weak(seen, now)) {
    }
    auto done = std::make_shared<std::atomic<bool>>(false);
    workers_.push_back({std::thread([this, c, done] {
                          serveConnection(c);
                          --active_;
                          *done = true;
                        }),
                        done});
  }
}

Reply LoopbackServer::replyFor(const Request& request) const {
  {
    std::lock_guard lock(mutex_);
    if (auto it = table_.find(request.path); it != table_.end()) return it->second;
  }
  if (route_) return route_(request);
  return Reply{.body = "no", .status = 404};
}

bool LoopbackServer::sendAll(std::uintptr_t socket, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const int n = send(static_cast<SOCKET>(socket), bytes.data() + sent,
                       static_cast<int>(std::min<std::size_t>(bytes.size() - sent, 1 << 20)), 0);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
    bytesSent_ += static_cast<std::uint64_t>(n);
  }
  return true;
}

void LoopbackServer::serveConnection(std::uintptr_t socket) {
  const SOCKET s = static_cast<SOCKET>(socket);
  const DWORD sendWait = 3000;  // a client that neither reads nor closes
  setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&sendWait), sizeof sendWait);
  // The request, bounded in size and time.
  std::string data;
  char buffer[4096];
  std::size_t headEnd = std::string::npos;
  const ULONGLONG start = GetTickCount64();
  auto readMore = [&] {
    while (!stopping_ && GetTickCount64() - start < kReadBoundMs) {
      if (!readable(s, 50)) continue;
      const int n = recv(s, buffer, sizeof buffer, 0);
      if (n <= 0) return false;
      data.append(buffer, static_cast<std::size_t>(n));
      return true;
    }
    return false;
  };
  while ((headEnd = data.find("\r\n\r\n")) == std::string::npos && data.size() < 65536 && readMore()) {
  }
  Request request;
  request.head = data.substr(0, headEnd == std::string::npos ? data.size() : headEnd + 2);
  if (headEnd != std::string::npos) {
    const std::string length = headerValue(request.head, "Content-Length");
    const std::size_t want = length.empty() ? 0 : std::strtoul(length.c_str(), nullptr, 10);
    while (data.size() - headEnd - 4 < want && readMore()) {
    }
    request.body = data.substr(headEnd + 4);
  }
  if (const auto sp = request.head.find(' '); sp != std::string::npos)
    request.path = request.head.substr(sp + 1, request.head.find(' ', sp + 1) - sp - 1);
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  const Reply reply = replyFor(request);
  if (!answer(socket, request, reply)) {
    shutdown(s, SD_SEND);
    // Let the client read to the end before the socket goes.
    const ULONGLONG closing = GetTickCount64();
    while (!stopping_ && GetTickCount64() - closing < 3000) {
      if (readable(s, 50) && recv(s, buffer, sizeof buffer, 0) <= 0) break;
    }
  }
  closesocket(s);
}

bool LoopbackServer::answer(std::uintptr_t socket, const Request& request, const Reply& reply) {
  const SOCKET s = static_cast<SOCKET>(socket);
  if (reply.delayMs > 0 && waitStopped(reply.delayMs)) return false;
  auto abortiveClose = [s] {
    linger hard{1, 0};  // closing now sends a reset, not a clean end
    setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&hard), sizeof hard);
  };
  switch (reply.fault) {
    case Fault::None:
    case Fault::Status500:
      break;
    case Fault::Stall:
      waitStopped(60000);
      return false;
    case Fault::Reset:
      sendAll(socket, "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\nConnection: close\r\n\r\n" +
                          std::string(100, 'x'));
      Sleep(50);
      abortiveClose();
      return true;
    case Fault::Trickle: {
      // Each byte comes long before any receive time-out, for up to a minute.
      sendAll(socket, "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
      const std::string body = reply.body.empty() ? std::string("x") : std::string(reply.body);
      for (std::size_t i = 0; i < 120 && !waitStopped(500); ++i) {
        if (!sendAll(socket, body.substr(i % body.size(), 1))) break;
      }
      return false;
    }
    case Fault::SlowTrickle:
      if (!sendAll(socket, "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n")) return false;
      for (int i = 0; i < 600 && !waitStopped(100); ++i) {
        if (!sendAll(socket, "x")) break;
      }
      return false;
    case Fault::SlowStatus: {
      const std::string all = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                              std::to_string(reply.body.size()) + "\r\nConnection: close\r\n\r\n" +
                              reply.body;
      for (std::size_t i = 0; i < all.size() && !waitStopped(100); ++i) {
        if (!sendAll(socket, all.substr(i, 1))) break;
      }
      return false;
    }
    case Fault::Redirect:
      sendAll(socket, "HTTP/1.1 302 Found\r\nLocation: " + reply.body + "\r\nContent-Length: 0\r\n\r\n");
      return false;
    case Fault::Endless:
    case Fault::Huge: {
      const bool huge = reply.fault == Fault::Huge;
      const std::string head = huge ? "HTTP/1.1 200 OK\r\nContent-Length: 104857600\r\n\r\n"
                                    : "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n";
      const std::string block(64 * 1024, 'M');
      // At most what was announced; the endless one stops at 1 GiB.
      if (sendAll(socket, head)) {
        for (int i = 0; i < (huge ? 1600 : 16384) && !stopping_; ++i) {
          if (!sendAll(socket, block)) break;
        }
      }
      return false;
    }
    case Fault::GarbageHeaders: {
      std::string junk = "\x16\x03\x01 garbage\r\n::::\r\nno colon here\r\n\xff\xfe\x01\x02: \r\n\r\n";
      for (int i = 0; i < 300; ++i) junk += static_cast<char>((i * 37 + 11) & 0xFF);
      sendAll(socket, junk);
      return false;
    }
  }

  // A plain answer, ranged when asked and allowed.
  const std::int64_t total = static_cast<std::int64_t>(reply.body.size());
  std::int64_t first = 0, last = total - 1;
  int status = reply.fault == Fault::Status500 ? 500 : reply.status;
  std::string extra;
  const std::string range = headerValue(request.head, "Range");
  if (status == 200 && reply.acceptRanges && range.rfind("bytes=", 0) == 0 && total > 0) {
    long long a = 0, b = -1;
    const int got = std::sscanf(range.c_str() + 6, "%lld-%lld", &a, &b);
    if (got >= 1 && a < total) {
      first = a;
      last = got == 2 && b < total ? b : total - 1;
      status = 206;
      extra = "Content-Range: bytes " + std::to_string(first) + "-" + std::to_string(last) + "/" +
              std::to_string(reply.announcedTotal >= 0 ? reply.announcedTotal : total) + "\r\n";
    }
  }
  const std::int64_t size = std::max<std::int64_t>(0, last - first + 1);
  std::string head = "HTTP/1.1 " + std::to_string(status) + " " + reason(status) + "\r\n" + reply.headers;
  if (reply.acceptRanges) head += "Accept-Ranges: bytes\r\n";
  if (reply.sendLength) {
    head += "Content-Length: " + std::to_string(reply.announcedLength >= 0 ? reply.announcedLength : size) +
            "\r\n";
  }
  head += "Connection: close\r\n" + extra + "\r\n";
  if (!sendAll(socket, head)) return false;
  const std::int64_t limit = reply.cutAfter >= 0 ? std::min(size, reply.cutAfter) : size;
  const std::string body =
      reply.body.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(limit));
  if (reply.bytesPerSecond > 0) {
    const std::size_t slice = static_cast<std::size_t>(std::max(1, reply.bytesPerSecond / 50));
    const ULONGLONG start = GetTickCount64();
    for (std::size_t sent = 0; sent < body.size() && !stopping_;) {
      const std::size_t n = std::min(slice, body.size() - sent);
      if (!sendAll(socket, body.substr(sent, n))) break;
      sent += n;
      const ULONGLONG due = sent * 1000 / static_cast<std::size_t>(reply.bytesPerSecond);
      const ULONGLONG spent = GetTickCount64() - start;
      if (due > spent) Sleep(static_cast<DWORD>(due - spent));
    }
  } else {
    sendAll(socket, body);
  }
  if (reply.cutAfter < 0 || reply.cutAfter >= size) return false;
  abortiveClose();
  return true;
}

int LoopbackServer::closedPort() {
  useWinsock();
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in a = loopback(0);
  bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
  int len = sizeof a;
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
  closesocket(s);
  return ntohs(a.sin_port);
}

bool LoopbackServer::portAnswers(int port) {
  useWinsock();
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in a = loopback(port);
  const bool answered = connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  closesocket(s);
  return answered;
}

}  // namespace vex::test
