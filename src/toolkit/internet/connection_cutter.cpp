#include "toolkit/internet/connection_cutter.h"

#include <winsock2.h>
#include <ws2tcpip.h>
// windows.h after winsock2.h, which it would otherwise contradict.
#include <windows.h>

#include <algorithm>

#include "toolkit/system/system_library.h"

namespace vex {

namespace {
// Handle values are multiples of four; a process holds far fewer.
constexpr std::uintptr_t kLastHandle = 0x4000;
}  // namespace

struct ConnectionCutter::Sockets {
  win::SystemLibrary library{L"ws2_32.dll"};
  bool started = false;
  decltype(&WSAStartup) startup = nullptr;
  decltype(&WSACleanup) cleanup = nullptr;
  decltype(&getaddrinfo) resolve = nullptr;
  decltype(&freeaddrinfo) freeResolved = nullptr;
  decltype(&getsockopt) option = nullptr;
  decltype(&getpeername) peer = nullptr;
  decltype(&shutdown) shut = nullptr;
};

ConnectionCutter::ConnectionCutter() {
  auto s = std::make_unique<Sockets>();
  const win::SystemLibrary& l = s->library;
  if (!l.take(s->startup, "WSAStartup") || !l.take(s->cleanup, "WSACleanup") ||
      !l.take(s->resolve, "getaddrinfo") || !l.take(s->freeResolved, "freeaddrinfo") ||
      !l.take(s->option, "getsockopt") || !l.take(s->peer, "getpeername") || !l.take(s->shut, "shutdown"))
    return;
  WSADATA data;
  s->started = s->startup(MAKEWORD(2, 2), &data) == 0;
  sockets_ = std::move(s);
}

ConnectionCutter::~ConnectionCutter() {
  if (sockets_ && sockets_->started) sockets_->cleanup();
}

void ConnectionCutter::remember(const std::string& host, int port) {
  if (!sockets_ || !sockets_->started) return;
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (sockets_->resolve(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return;
  std::lock_guard lock(mutex_);
  for (const addrinfo* a = found; a; a = a->ai_next) {
    std::string raw(reinterpret_cast<const char*>(a->ai_addr), a->ai_addrlen);
    if (std::find(peers_.begin(), peers_.end(), raw) == peers_.end()) peers_.push_back(std::move(raw));
  }
  sockets_->freeResolved(found);
}

void ConnectionCutter::cut() {
  if (!sockets_ || !sockets_->started) return;
  std::lock_guard lock(mutex_);
  if (peers_.empty()) return;
  for (std::uintptr_t value = 4; value < kLastHandle; value += 4) {
    const SOCKET s = static_cast<SOCKET>(value);
    int type = 0;
    int size = sizeof type;
    if (sockets_->option(s, SOL_SOCKET, SO_TYPE, reinterpret_cast<char*>(&type), &size) != 0 ||
        type != SOCK_STREAM) {
      continue;
    }
    sockaddr_storage peer{};
    int length = sizeof peer;
    if (sockets_->peer(s, reinterpret_cast<sockaddr*>(&peer), &length) != 0) continue;
    const std::string raw(reinterpret_cast<const char*>(&peer), static_cast<std::size_t>(length));
    if (std::find(peers_.begin(), peers_.end(), raw) == peers_.end()) continue;
    sockets_->shut(s, SD_BOTH);
    // A wait already under way for a silent peer sees no end of stream;
    // cancelling it makes the blocked call return now.
    CancelIoEx(reinterpret_cast<HANDLE>(s), nullptr);
  }
}

}  // namespace vex
