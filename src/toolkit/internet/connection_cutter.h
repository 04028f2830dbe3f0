// Shuts the TCP connections to the peers an online job has connected to.
// WinInet keeps a request alive while a call is blocked on it and only
// lets go of the socket when that call returns, which a server that
// trickles its bytes can put off for ever; a shut socket ends the call.
// Windows only; ws2_32 is taken from the system folder while this lives.
#pragma once
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vex {

class ConnectionCutter {
 public:
  ConnectionCutter();
  ~ConnectionCutter();
  ConnectionCutter(const ConnectionCutter&) = delete;
  ConnectionCutter& operator=(const ConnectionCutter&) = delete;

  // Resolves `host` now (the library is about to do the same).
  void remember(const std::string& host, int port);
  // Shuts every socket of this process connected to a remembered peer.
  void cut();

  struct Sockets;

 private:
  std::unique_ptr<Sockets> sockets_;
  std::mutex mutex_;
  std::vector<std::string> peers_;  // raw socket addresses
};

}  // namespace vex
