#include "download_test_server.h"

#include <winsock2.h>

#include <algorithm>
#include <cstdio>

namespace vex::test {

namespace {

struct WinsockInit {
  WinsockInit() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
};

bool sendAll(SOCKET s, const char* data, std::size_t size) {
  while (size > 0) {
    const int n = send(s, data, static_cast<int>(std::min<std::size_t>(size, 1 << 20)), 0);
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
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

}  // namespace

Bytes patternBytes(std::size_t size, unsigned salt) {
  Bytes bytes(size);
  std::uint32_t x = salt * 2654435761u + 1;
  for (auto& b : bytes) {
    x = x * 1103515245u + 12345u;
    b = static_cast<std::uint8_t>(x >> 16);
  }
  return bytes;
}

TestHttpServer::TestHttpServer() {
  static WinsockInit init;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(s, 64);
  int length = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  listener_ = s;
  acceptor_ = std::thread([this] { acceptLoop(); });
}

TestHttpServer::~TestHttpServer() {
  stopping_ = true;
  acceptor_.join();
  closesocket(static_cast<SOCKET>(listener_));
  std::vector<std::thread> workers;
  {
    std::lock_guard lock(mutex_);
    workers.swap(workers_);
  }
  for (auto& w : workers) w.join();
}

void TestHttpServer::serve(const std::string& path, ServedFile file) {
  std::lock_guard lock(mutex_);
  files_[path] = std::move(file);
}

std::string TestHttpServer::url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> TestHttpServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void TestHttpServer::acceptLoop() {
  for (;;) {
    // Wine does not wake a blocked accept() when the socket is closed, so
    // look for stopping_ between short waits.
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(static_cast<SOCKET>(listener_), &ready);
    timeval wait{0, 50000};
    if (stopping_) return;
    if (select(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
    SOCKET client = accept(static_cast<SOCKET>(listener_), nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    if (stopping_) {
      closesocket(client);
      return;
    }
    std::lock_guard lock(mutex_);
    workers_.emplace_back([this, client] { handle(client); });
  }
}

void TestHttpServer::handle(std::uintptr_t raw) {
  const SOCKET s = static_cast<SOCKET>(raw);
  ++connectionCount_;
  const DWORD wait = 3000;  // no test connection may hang the server
  setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&wait), sizeof wait);
  const DWORD sendWait = 3000;  // a client that neither reads nor closes
  setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&sendWait), sizeof sendWait);
  const int now = ++active_;
  int seen = maxConcurrent_;
  while (now > seen && !maxConcurrent_.compare_exchange_weak(seen, now)) {
  }
  std::string head;
  char chunk[4096];
  while (head.find("\r\n\r\n") == std::string::npos) {
    const int n = recv(s, chunk, sizeof chunk, 0);
    if (n <= 0) break;
    head.append(chunk, static_cast<std::size_t>(n));
  }
  ServedFile file;
  bool found = false;
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(head.substr(0, head.find("\r\n\r\n") + 2));
    const std::size_t sp1 = head.find(' ');
    const std::size_t sp2 = head.find(' ', sp1 + 1);
    const std::string path = sp1 == std::string::npos ? "" : head.substr(sp1 + 1, sp2 - sp1 - 1);
    if (auto it = files_.find(path); it != files_.end()) {
      file = it->second;
      found = true;
    }
  }
  if (!found) {
    file.status = 404;
    file.body.assign({'n', 'o'});
  }
  auto quietUntilStopped = [&] {
    while (!stopping_) Sleep(20);
  };
  if (file.silent) {
    quietUntilStopped();
  } else {
    if (file.headerDelayMs > 0) Sleep(static_cast<DWORD>(file.headerDelayMs));
    const std::int64_t total = static_cast<std::int64_t>(file.body.size());
    std::int64_t first = 0, last = total - 1;
    int status = file.status;
    const std::string range = headerValue(head, "Range");
    std::string extra;
    if (status == 200 && file.acceptRanges && range.rfind("bytes=", 0) == 0 && total > 0) {
      long long a = 0, b = -1;
      const int got = std::sscanf(range.c_str() + 6, "%lld-%lld", &a, &b);
      if (got >= 1 && a < total) {
        first = a;
        last = got == 2 && b < total ? b : total - 1;
        status = 206;
        extra = "Content-Range: bytes " + std::to_string(first) + "-" + std::to_string(last) + "/" +
                std::to_string(file.announcedTotal >= 0 ? file.announcedTotal : total) + "\r\n";
      }
    }
    const std::int64_t size = std::max<std::int64_t>(0, last - first + 1);
    std::string reply = "HTTP/1.1 " + std::to_string(status) + (status < 300 ? " OK" : " Not Found") + "\r\n";
    reply += "Connection: close\r\n";
    if (file.acceptRanges) reply += "Accept-Ranges: bytes\r\n";
    if (file.sendLength) {
      reply += "Content-Length: " + std::to_string(file.announcedLength >= 0 ? file.announcedLength : size) +
               "\r\n";
    }
    reply += extra + "\r\n";
    bool ok = sendAll(s, reply.data(), reply.size());
    std::int64_t limit = size;
    if (file.cutAfter >= 0) limit = std::min(limit, file.cutAfter);
    const char* data = reinterpret_cast<const char*>(file.body.data()) + first;
    if (file.bytesPerSecond > 0) {
      const std::int64_t slice = std::max(1, file.bytesPerSecond / 50);
      const DWORD start = GetTickCount();
      std::int64_t sent = 0;
      while (ok && sent < limit && !stopping_) {
        const std::int64_t n = std::min(slice, limit - sent);
        ok = sendAll(s, data + sent, static_cast<std::size_t>(n));
        sent += n;
        const DWORD due = static_cast<DWORD>(sent * 1000 / file.bytesPerSecond);
        const DWORD spent = GetTickCount() - start;
        if (due > spent) Sleep(due - spent);
      }
    } else if (ok) {
      sendAll(s, data, static_cast<std::size_t>(limit));
    }
    if (file.cutAfter >= 0 && file.cutAfter < size) {
      // An abortive close: the client sees a reset, not a clean end.
      linger hard{1, 0};
      setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&hard), sizeof hard);
    } else {
      shutdown(s, SD_SEND);
      // Let the client read everything before the socket goes.
      while (recv(s, chunk, sizeof chunk, 0) > 0) {
      }
    }
  }
  closesocket(s);
  --active_;
}

}  // namespace vex::test
