#include "fault_server.h"

#include <windows.h>
#include <winsock2.h>

namespace vex::test {

namespace {

constexpr SOCKET kNone = INVALID_SOCKET;

struct WinsockUser {
  WinsockUser() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
  ~WinsockUser() { WSACleanup(); }
};

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

bool sendAll(SOCKET s, const std::string& bytes, std::atomic<std::uint64_t>* counted = nullptr) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const int n = send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
    if (counted) *counted += static_cast<std::uint64_t>(n);
  }
  return true;
}

std::string response(const std::string& status, const std::string& body) {
  return "HTTP/1.1 " + status +
         "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace

FaultServer::FaultServer(Fault fault, int port)
    : FaultServer(
          [fault](const std::string&) {
            return Answer{fault, "<html>fault</html>"};
          },
          port) {}

FaultServer::FaultServer(Route route, int port) : route_(std::move(route)) {
  static WinsockUser winsock;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == kNone) return;
  BOOL exclusive = TRUE;
  setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive), sizeof exclusive);
  sockaddr_in a = loopback(port);
  if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(s, 16) != 0) {
    closesocket(s);
    return;
  }
  int len = sizeof a;
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
  port_ = ntohs(a.sin_port);
  listener_ = s;
  acceptor_ = std::thread([this] { acceptLoop(); });
}

FaultServer::~FaultServer() {
  stopping_ = true;
  if (acceptor_.joinable()) acceptor_.join();
  if (listening()) closesocket(static_cast<SOCKET>(listener_));
  for (auto& w : workers_) w.thread.join();
}

std::vector<std::string> FaultServer::paths() const {
  std::lock_guard lock(mutex_);
  return paths_;
}

std::vector<std::string> FaultServer::heads() const {
  std::lock_guard lock(mutex_);
  return heads_;
}

bool FaultServer::waitStopped(int ms) const {
  for (int waited = 0; waited < ms; waited += 20) {
    if (stopping_) return true;
    Sleep(20);
  }
  return stopping_;
}

void FaultServer::acceptLoop() {
  const SOCKET l = static_cast<SOCKET>(listener_);
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
    ++active_;
    auto done = std::make_shared<std::atomic<bool>>(false);
    workers_.push_back({std::thread([this, c, done] {
                          serve(c);
                          --active_;
                          *done = true;
                        }),
                        done});
  }
}

void FaultServer::serve(std::uintptr_t socket) {
  const SOCKET s = static_cast<SOCKET>(socket);
  std::string head;
  char buffer[4096];
  // The request head, bounded in size and time.
  for (int rounds = 0; head.find("\r\n\r\n") == std::string::npos && head.size() < 65536 && rounds < 100;
       ++rounds) {
    if (stopping_) break;
    if (!readable(s, 50)) continue;
    const int n = recv(s, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    head.append(buffer, static_cast<std::size_t>(n));
  }
  std::string path;
  if (const auto sp = head.find(' '); sp != std::string::npos)
    path = head.substr(sp + 1, head.find(' ', sp + 1) - sp - 1);
  {
    std::lock_guard lock(mutex_);
    paths_.push_back(path);
    heads_.push_back(head);
  }
  const Answer answer = route_(path);
  switch (answer.fault) {
    case Fault::None:
      sendAll(s, response("200 OK", answer.body));
      break;
    case Fault::Stall:
      waitStopped(60000);
      break;
    case Fault::Reset: {
      sendAll(s, "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\nConnection: close\r\n\r\n" +
                     std::string(100, 'x'));
      Sleep(50);
      linger hard{1, 0};  // closing now sends a reset, not a clean end
      setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&hard), sizeof hard);
      break;
    }
    case Fault::Status500:
      sendAll(s, response("500 Internal Server Error", answer.body));
      break;
    case Fault::Trickle: {
      // Each byte comes long before any receive time-out, for up to a minute.
      sendAll(s, "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
      const std::string body = answer.body.empty() ? std::string("x") : answer.body;
      for (std::size_t i = 0; i < 120 && !waitStopped(500); ++i) {
        if (send(s, &body[i % body.size()], 1, 0) != 1) break;
      }
      break;
    }
    case Fault::SlowTrickle:
      if (!sendAll(s, "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n", &bytesSent_)) break;
      for (int i = 0; i < 600 && !waitStopped(100); ++i) {
        if (send(s, "x", 1, 0) != 1) break;
        ++bytesSent_;
      }
      break;
    case Fault::SlowStatus: {
      const std::string reply = response("200 OK", answer.body);
      for (std::size_t i = 0; i < reply.size() && !waitStopped(100); ++i) {
        if (send(s, &reply[i], 1, 0) != 1) break;
        ++bytesSent_;
      }
      break;
    }
    case Fault::Redirect:
      sendAll(s, "HTTP/1.1 302 Found\r\nLocation: " + answer.body + "\r\nContent-Length: 0\r\n\r\n",
              &bytesSent_);
      break;
    case Fault::Endless:
    case Fault::Huge: {
      const std::string head = answer.fault == Fault::Huge
                                   ? "HTTP/1.1 200 OK\r\nContent-Length: 104857600\r\n\r\n"
                                   : "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n";
      const std::string block(64 * 1024, 'M');
      // At most what was announced; the endless one stops at 1 GiB.
      if (sendAll(s, head, &bytesSent_)) {
        for (int i = 0; i < (answer.fault == Fault::Huge ? 1600 : 16384) && !stopping_; ++i) {
          if (!sendAll(s, block, &bytesSent_)) break;
        }
      }
      break;
    }
    case Fault::Paced: {
      const std::string& body = answer.body;
      if (!sendAll(s, "HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: " +
                          std::to_string(body.size()) + "\r\n\r\n"))
        break;
      const std::size_t piece = body.size() / 20 + 1;
      for (std::size_t at = 0; at < body.size() && !waitStopped(100); at += piece) {
        if (!sendAll(s, body.substr(at, piece), &bytesSent_)) break;
      }
      break;
    }
    case Fault::GarbageHeaders: {
      std::string junk = "\x16\x03\x01 garbage\r\n::::\r\nno colon here\r\n\xff\xfe\x01\x02: \r\n\r\n";
      for (int i = 0; i < 300; ++i) junk += static_cast<char>((i * 37 + 11) & 0xFF);
      sendAll(s, junk);
      break;
    }
  }
  if (answer.fault != Fault::Reset) {
    shutdown(s, SD_SEND);
    // Let the client read to the end before the socket goes.
    for (int i = 0; i < 20 && !stopping_ && readable(s, 50) && recv(s, buffer, sizeof buffer, 0) > 0; ++i) {
    }
  }
  closesocket(s);
}

int FaultServer::closedPort() {
  static WinsockUser winsock;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in a = loopback(0);
  bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
  int len = sizeof a;
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
  closesocket(s);
  return ntohs(a.sin_port);
}

bool FaultServer::portAnswers(int port) {
  static WinsockUser winsock;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in a = loopback(port);
  const bool answered = connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  closesocket(s);
  return answered;
}

const char* hostileName(Hostile hostile) {
  switch (hostile) {
    case Hostile::SlowStatusLine:
      return "SlowStatusLine";
    case Hostile::SelfRedirect:
      return "SelfRedirect";
    case Hostile::RedirectLoop:
      return "RedirectLoop";
    case Hostile::Trickle:
      return "Trickle";
    case Hostile::TrickleOfAnnouncedLength:
      return "TrickleOfAnnouncedLength";
    case Hostile::EndlessBody:
      return "EndlessBody";
    case Hostile::RedirectToHugeFile:
      return "RedirectToHugeFile";
  }
  return "?";
}

Answer hostileAnswer(Hostile hostile, const std::string& path) {
  switch (hostile) {
    case Hostile::SlowStatusLine:
      return {Fault::SlowStatus, "<html>slow</html>"};
    case Hostile::SelfRedirect:
      return {Fault::Redirect, path};
    case Hostile::RedirectLoop: {
      const auto again = path.find("?again");
      return {Fault::Redirect, again == std::string::npos ? path + "?again" : path.substr(0, again)};
    }
    case Hostile::Trickle:
      return {Fault::Trickle, "x"};
    case Hostile::TrickleOfAnnouncedLength:
      return {Fault::SlowTrickle, ""};
    case Hostile::EndlessBody:
      return {Fault::Endless, ""};
    case Hostile::RedirectToHugeFile:
      return path == "/huge" ? Answer{Fault::Huge, ""} : Answer{Fault::Redirect, "/huge"};
  }
  return {};
}

}  // namespace vex::test
