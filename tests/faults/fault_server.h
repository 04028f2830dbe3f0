// A loopback HTTP server that misbehaves on purpose: it stalls, resets the
// connection mid-response, answers 500, sends headers that are no HTTP at
// all, trickles, redirects or never stops sending, per path. Bounded: at most kMaxConnections at a time, and
// every connection ends when the server is destroyed.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vex::test {

enum class Fault {
  None,            // 200 with the answer's body
  Stall,           // accept and read the request, then say nothing
  Reset,           // a 200 head promising more, a few bytes, then a reset
  Status500,       // a complete 500 error page
  GarbageHeaders,  // bytes that are no status line and no header lines
  Trickle,         // a 200 head without a length, then one body byte every 500 ms
  SlowTrickle,     // a 200 head announcing 100000 bytes, then one byte every 100 ms
  SlowStatus,      // the status line and head one byte every 100 ms
  Redirect,        // 302 to the answer's body
  Endless,         // a 200 head without a length, then bytes as fast as they go
  Huge,            // a 200 head announcing 100 MiB, then bytes as fast as they go
  Paced,           // a 200 head with the body's length, then the body in 20 pieces 100 ms apart
};

struct Answer {
  Fault fault = Fault::None;
  std::string body;
};

class FaultServer {
 public:
  using Route = std::function<Answer(const std::string& path)>;
  static constexpr int kMaxConnections = 32;

  // port 0: the system picks one. A port that cannot be had leaves the
  // server not listening (see listening()).
  FaultServer(Route route, int port = 0);
  // The same fault on every path.
  explicit FaultServer(Fault fault, int port = 0);
  ~FaultServer();
  FaultServer(const FaultServer&) = delete;
  FaultServer& operator=(const FaultServer&) = delete;

  bool listening() const { return listener_ != ~std::uintptr_t{0}; }
  int port() const { return port_; }
  std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
  std::string url(const std::string& path) const { return "http://" + host() + path; }
  // Request paths in arrival order.
  std::vector<std::string> paths() const;
  // Request heads in arrival order.
  std::vector<std::string> heads() const;
  int connections() const { return connections_; }
  std::uint64_t bytesSent() const { return bytesSent_; }

  // A loopback port nothing listens on (bound, then released).
  static int closedPort();
  // Whether something accepts connections on 127.0.0.1:port.
  static bool portAnswers(int port);

 private:
  void acceptLoop();
  void serve(std::uintptr_t socket);
  bool waitStopped(int ms) const;

  Route route_;
  std::uintptr_t listener_ = ~std::uintptr_t{0};
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> connections_{0};
  std::atomic<int> active_{0};
  std::atomic<std::uint64_t> bytesSent_{0};
  mutable std::mutex mutex_;
  std::vector<std::string> paths_;
  std::vector<std::string> heads_;
  struct Worker {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done;
  };
  std::vector<Worker> workers_;
  std::thread acceptor_;
};

// Servers that hold on or pour out for as long as a client lets them.
enum class Hostile {
  SlowStatusLine,
  SelfRedirect,
  RedirectLoop,
  Trickle,
  TrickleOfAnnouncedLength,
  EndlessBody,
  RedirectToHugeFile,
};
inline constexpr Hostile kHostileServers[] = {
    Hostile::SlowStatusLine,           Hostile::SelfRedirect, Hostile::RedirectLoop,       Hostile::Trickle,
    Hostile::TrickleOfAnnouncedLength, Hostile::EndlessBody,  Hostile::RedirectToHugeFile,
};
const char* hostileName(Hostile hostile);
Answer hostileAnswer(Hostile hostile, const std::string& path);

}  // namespace vex::test
