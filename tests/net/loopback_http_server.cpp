#include "loopback_http_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <utility>

namespace vex::testing {
namespace {

class Socket {
 public:
  explicit Socket(SOCKET s = INVALID_SOCKET) : s_(s) {}
  Socket(Socket&& o) noexcept : s_(std::exchange(o.s_, INVALID_SOCKET)) {}
  Socket& operator=(Socket&& o) noexcept {
    reset();
    s_ = std::exchange(o.s_, INVALID_SOCKET);
    return *this;
  }
  ~Socket() { reset(); }
  SOCKET get() const { return s_; }
  void reset() {
    if (s_ != INVALID_SOCKET) closesocket(s_);
    s_ = INVALID_SOCKET;
  }

 private:
  SOCKET s_;
};

struct WinsockSession {
  WinsockSession() {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("WSAStartup failed");
  }
  ~WinsockSession() { WSACleanup(); }
};

Socket listenOnLoopback(int& port) {
  Socket s(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  if (bind(s.get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
    throw std::runtime_error("bind failed");
  int len = sizeof addr;
  getsockname(s.get(), reinterpret_cast<sockaddr*>(&addr), &len);
  port = ntohs(addr.sin_port);
  return s;
}

std::size_t contentLength(const std::string& head) {
  std::string lower = head;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return static_cast<char>(std::tolower(c)); });
  const auto at = lower.find("\r\ncontent-length:");
  if (at == std::string::npos) return 0;
  return std::stoul(lower.substr(at + 17));
}

// Reads one request; false when the peer closed first.
bool readRequest(SOCKET s, WireRequest& request) {
  std::string data;
  char buf[4096];
  std::size_t headEnd;
  while ((headEnd = data.find("\r\n\r\n")) == std::string::npos) {
    const int n = recv(s, buf, sizeof buf, 0);
    if (n <= 0) return false;
    data.append(buf, static_cast<std::size_t>(n));
  }
  request.head = data.substr(0, headEnd);
  const std::size_t want = contentLength(request.head);
  request.body = data.substr(headEnd + 4);
  while (request.body.size() < want) {
    const int n = recv(s, buf, sizeof buf, 0);
    if (n <= 0) break;
    request.body.append(buf, static_cast<std::size_t>(n));
  }
  return true;
}

void sendAll(SOCKET s, const std::string& data) {
  std::size_t sent = 0;
  while (sent < data.size()) {
    const int n =
        send(s, data.data() + sent, static_cast<int>(std::min<std::size_t>(data.size() - sent, 1 << 20)), 0);
    if (n <= 0) return;
    sent += static_cast<std::size_t>(n);
  }
}

}  // namespace

std::vector<std::string> WireRequest::headerLines() const {
  std::vector<std::string> lines;
  std::size_t at = head.find("\r\n");
  while (at != std::string::npos) {
    const std::size_t next = head.find("\r\n", at + 2);
    lines.push_back(head.substr(at + 2, next == std::string::npos ? std::string::npos : next - at - 2));
    at = next;
  }
  return lines;
}

std::string httpResponse(const std::string& status, const std::string& headerLines, const std::string& body) {
  return "HTTP/1.1 " + status + "\r\n" + headerLines + "Content-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

struct LoopbackHttpServer::State {
  WinsockSession winsock;
  Responder responder;
  Socket listener;
  int port = 0;
  mutable std::mutex mutex;
  std::vector<WireRequest> requests;
  std::atomic<bool> stopping{false};
  std::thread thread;

  void serve() {
    while (!stopping) {
      // Poll, so the destructor's stop is seen within a tenth of a second.
      fd_set ready;
      FD_ZERO(&ready);
      FD_SET(listener.get(), &ready);
      timeval wait{0, 100000};
      if (select(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
      Socket peer(accept(listener.get(), nullptr, nullptr));
      if (peer.get() == INVALID_SOCKET) continue;
      WireRequest request;
      if (!readRequest(peer.get(), request)) continue;
      {
        std::lock_guard lock(mutex);
        requests.push_back(request);
      }
      sendAll(peer.get(), responder(request));
      shutdown(peer.get(), SD_SEND);
    }
  }
};

LoopbackHttpServer::LoopbackHttpServer(Responder responder) : state_(std::make_unique<State>()) {
  state_->responder = std::move(responder);
  state_->listener = listenOnLoopback(state_->port);
  if (listen(state_->listener.get(), 8) != 0) throw std::runtime_error("listen failed");
  state_->thread = std::thread([s = state_.get()] { s->serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  state_->stopping = true;
  state_->thread.join();
}

int LoopbackHttpServer::port() const { return state_->port; }

std::string LoopbackHttpServer::url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(state_->port) + path;
}

std::vector<WireRequest> LoopbackHttpServer::requests() const {
  std::lock_guard lock(state_->mutex);
  return state_->requests;
}

int LoopbackHttpServer::closedPort() {
  WinsockSession winsock;
  int port = 0;
  listenOnLoopback(port);  // released again at once
  return port;
}

}  // namespace vex::testing
