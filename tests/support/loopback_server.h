// The one HTTP server of the Windows tests, on 127.0.0.1. Each suite gives
// it a behaviour table: replies by path (serve), and/or a route that picks
// a reply for each request. A reply can be a plain answer (with ranges,
// lengths that lie, bodies cut short, capped rates) or a fault (a stall, a
// reset, garbage, a trickle, endless bytes). Every request is recorded as it
// arrived. Bounded: at most kMaxConnections at a time, every connection
// ends when the server is destroyed.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "toolkit/common/embedded.h"

namespace vex::test {

enum class Fault {
  None,            // `status` with the body, Content-Length, ranges when asked for
  Stall,           // read the request, then say nothing until stopped
  Reset,           // a 200 head promising more, a few bytes, then a reset
  Status500,       // a complete 500 error page
  GarbageHeaders,  // bytes that are no status line and no header lines
  Trickle,         // a 200 head without a length, then one body byte every 500 ms
  SlowTrickle,     // a 200 head announcing 100000 bytes, then one byte every 100 ms
  SlowStatus,      // the whole answer one byte every 100 ms
  Redirect,        // 302 to the body
  Endless,         // a 200 head without a length, then bytes as fast as they go
  Huge,            // a 200 head announcing 100 MiB, then bytes as fast as they go
};

// Reply bytes, written as text or as the program's byte vector.
struct Body : std::string {
  Body() = default;
  Body(std::string text) : std::string(std::move(text)) {}
  Body(const char* text) : std::string(text) {}
  Body(const Bytes& bytes) : std::string(bytes.begin(), bytes.end()) {}
  Bytes bytes() const { return Bytes(begin(), end()); }
};

// One row of a behaviour table. The fields after `body` shape a Fault::None
// answer.
struct Reply {
  Fault fault = Fault::None;
  Body body{};
  int status = 200;
  std::string headers{};              // extra header lines, each ending in CR LF
  bool acceptRanges = true;           // answer a Range with 206
  bool sendLength = true;             // send Content-Length
  std::int64_t announcedLength = -1;  // Content-Length to claim; -1: the real one
  std::int64_t announcedTotal = -1;   // file size a Content-Range claims; -1: the real one
  std::int64_t cutAfter = -1;         // reset after this many body bytes
  int bytesPerSecond = 0;             // per connection; 0: as fast as possible
  int delayMs = 0;                    // before the head
};

struct Request {
  std::string head;  // request line and header lines, each ending in CR LF
  std::string body;
  std::string path;

  std::string requestLine() const { return head.substr(0, head.find("\r\n")); }
  std::vector<std::string> headerLines() const;
};

class LoopbackServer {
 public:
  using Route = std::function<Reply(const Request&)>;
  // Most tables decide by the path alone.
  using PathRoute = std::function<Reply(const std::string& path)>;
  static constexpr int kMaxConnections = 32;

  // port 0: the system picks one. A port that cannot be had leaves the
  // server not listening (see listening()). Paths neither served nor
  // routed get a 404.
  explicit LoopbackServer(Route route = {}, int port = 0);
  explicit LoopbackServer(PathRoute route, int port = 0);
  // The same fault on every path.
  explicit LoopbackServer(Fault fault, int port = 0);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  // A row of the table: `path` gets `reply` (before the route is asked).
  void serve(const std::string& path, Reply reply);

  bool listening() const { return listener_ != ~std::uintptr_t{0}; }
  int port() const { return port_; }
  std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
  std::string url(const std::string& path) const { return "http://" + host() + path; }
  // In arrival order.
  std::vector<Request> requests() const;
  std::vector<std::string> paths() const;
  int connections() const { return connections_; }
  int maxConcurrent() const { return maxConcurrent_; }
  std::uint64_t bytesSent() const { return bytesSent_; }

  // A loopback port nothing listens on (bound, then released).
  static int closedPort();
  // Whether something accepts connections on 127.0.0.1:port.
  static bool portAnswers(int port);

 private:
  void acceptLoop();
  void serveConnection(std::uintptr_t socket);
  Reply replyFor(const Request& request) const;
  // True when the connection was ended with a reset.
  bool answer(std::uintptr_t socket, const Request& request, const Reply& reply);
  bool sendAll(std::uintptr_t socket, const std::string& bytes);
  bool waitStopped(int ms) const;

  Route route_;
  std::uintptr_t listener_ = ~std::uintptr_t{0};
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> connections_{0};
  std::atomic<int> active_{0};
  std::atomic<int> maxConcurrent_{0};
  std::atomic<std::uint64_t> bytesSent_{0};
  mutable std::mutex mutex_;
  std::map<std::string, Reply> table_;
  std::vector<Request> requests_;
  struct Worker {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done;
  };
  std::vector<Worker> workers_;
  std::thread acceptor_;
};

// Bytes that differ from one position to the next, for downloads.
Bytes patternBytes(std::size_t size, unsigned salt = 1);

}  // namespace vex::test
