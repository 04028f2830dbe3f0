// A loopback HTTP server for the downloader and page-fetch tests: serves
// byte strings with or without ranges, lengths that lie, bodies cut short,
// capped rates and silent connections. Port chosen by the system.
#pragma once
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "toolkit/common/embedded.h"

namespace vex::test {

struct ServedFile {
  int status = 200;
  Bytes body;
  bool acceptRanges = true;
  bool sendLength = true;
  std::int64_t announcedLength = -1;  // Content-Length to claim; -1: the real one
  std::int64_t announcedTotal = -1;   // file size a Content-Range claims; -1: the real one
  std::int64_t cutAfter = -1;         // close after this many body bytes of any response
  int bytesPerSecond = 0;             // per connection; 0: as fast as possible
  bool silent = false;                // read the request, then say nothing until stopped
  int headerDelayMs = 0;
};

class TestHttpServer {
 public:
  TestHttpServer();
  ~TestHttpServer();
  TestHttpServer(const TestHttpServer&) = delete;
  TestHttpServer& operator=(const TestHttpServer&) = delete;

  void serve(const std::string& path, ServedFile file);
  std::uint16_t port() const { return port_; }
  std::string url(const std::string& path) const;
  std::vector<std::string> requests() const;
  int maxConcurrent() const { return maxConcurrent_; }
  int connectionCount() const { return connectionCount_; }

 private:
  void acceptLoop();
  void handle(std::uintptr_t socket);

  std::uintptr_t listener_;
  std::uint16_t port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> active_{0};
  std::atomic<int> maxConcurrent_{0};
  std::atomic<int> connectionCount_{0};
  mutable std::mutex mutex_;
  std::map<std::string, ServedFile> files_;
  std::vector<std::string> requests_;
  std::vector<std::thread> workers_;
  std::thread acceptor_;
};

Bytes patternBytes(std::size_t size, unsigned salt = 1);

}  // namespace vex::test
