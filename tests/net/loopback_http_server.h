// A small HTTP server on 127.0.0.1 for the Windows tests: it records each
// request as it arrived on the wire and answers from a callback. One
// connection at a time; every answer closes its connection.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vex::testing {

struct WireRequest {
  std::string head;  // request line and header lines, CR LF separated, without the blank line
  std::string body;

  std::string requestLine() const { return head.substr(0, head.find("\r\n")); }
  std::vector<std::string> headerLines() const;
};

// A complete answer with Content-Length and "Connection: close".
std::string httpResponse(const std::string& status, const std::string& headerLines, const std::string& body);

class LoopbackHttpServer {
 public:
  using Responder = std::function<std::string(const WireRequest&)>;
  explicit LoopbackHttpServer(Responder responder);
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  int port() const;
  std::string url(const std::string& path) const;
  std::vector<WireRequest> requests() const;

  // A port on 127.0.0.1 that nothing listens on (bound, then released).
  static int closedPort();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vex::testing
