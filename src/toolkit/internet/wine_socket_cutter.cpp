#include "toolkit/internet/wine_socket_cutter.h"

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
// How often a send looks for its socket: a probe of every value takes
// about 0.2 ms. A new connection shows within its connect; a send that
// found none by then (it reuses one) is looked at less often.
constexpr DWORD kPollMs = 1;
constexpr DWORD kLatePollMs = 20;
constexpr int kEarlyPolls = 100;

template <typename T>
bool contains(const std::vector<T>& list, const T& value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}
}  // namespace

struct WineSocketCutter::Sockets {
  win::SystemLibrary library{L"ws2_32.dll"};
  bool started = false;
  decltype(&WSAStartup) startup = nullptr;
  decltype(&WSACleanup) cleanup = nullptr;
  decltype(&getaddrinfo) resolve = nullptr;
  decltype(&freeaddrinfo) freeResolved = nullptr;
  decltype(&getsockopt) option = nullptr;
  decltype(&getpeername) peer = nullptr;
  decltype(&getsockname) local = nullptr;
  decltype(&shutdown) shut = nullptr;
};

WineSocketCutter::WineSocketCutter() {
  auto s = std::make_unique<Sockets>();
  const win::SystemLibrary& l = s->library;
  if (!l.take(s->startup, "WSAStartup") || !l.take(s->cleanup, "WSACleanup") ||
      !l.take(s->resolve, "getaddrinfo") || !l.take(s->freeResolved, "freeaddrinfo") ||
      !l.take(s->option, "getsockopt") || !l.take(s->peer, "getpeername") ||
      !l.take(s->local, "getsockname") || !l.take(s->shut, "shutdown"))
    return;
  WSADATA data;
  s->started = s->startup(MAKEWORD(2, 2), &data) == 0;
  if (s->started) sockets_ = std::move(s);
}

WineSocketCutter::~WineSocketCutter() {
  if (sockets_) sockets_->cleanup();
}

void WineSocketCutter::remember(const std::string& host, int port) {
  if (!sockets_) return;
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (sockets_->resolve(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return;
  std::lock_guard lock(mutex_);
  for (const addrinfo* a = found; a; a = a->ai_next) {
    std::string raw(reinterpret_cast<const char*>(a->ai_addr), a->ai_addrlen);
    if (!contains(peers_, raw)) peers_.push_back(std::move(raw));
  }
  sockets_->freeResolved(found);
}

std::vector<WineSocketCutter::Found> WineSocketCutter::scan() {
  std::vector<Found> found;
  if (!sockets_) return found;
  std::vector<std::string> peers;
  {
    std::lock_guard lock(mutex_);
    peers = peers_;
  }
  if (peers.empty()) return found;
  auto address = [](const sockaddr_storage& a, int length) {
    return std::string(reinterpret_cast<const char*>(&a), static_cast<std::size_t>(length));
  };
  for (std::uintptr_t value = 4; value < kLastHandle; value += 4) {
    const SOCKET s = static_cast<SOCKET>(value);
    int type = 0;
    int size = sizeof type;
    if (sockets_->option(s, SOL_SOCKET, SO_TYPE, reinterpret_cast<char*>(&type), &size) != 0 ||
        type != SOCK_STREAM) {
      continue;
    }
    sockaddr_storage peer{}, local{};
    int peerLength = sizeof peer, localLength = sizeof local;
    if (sockets_->peer(s, reinterpret_cast<sockaddr*>(&peer), &peerLength) != 0 ||
        sockets_->local(s, reinterpret_cast<sockaddr*>(&local), &localLength) != 0) {
      continue;
    }
    std::string toPeer = address(peer, peerLength);
    if (!contains(peers, toPeer)) continue;
    found.push_back({value, std::string(reinterpret_cast<const char*>(&value), sizeof value) +
                                address(local, localLength) + toPeer});
  }
  return found;
}

void WineSocketCutter::shut(std::uintptr_t socket) {
  const SOCKET s = static_cast<SOCKET>(socket);
  sockets_->shut(s, SD_BOTH);
  // A wait already under way for a silent peer sees no end of stream;
  // cancelling it makes the blocked call return now.
  CancelIoEx(reinterpret_cast<HANDLE>(s), nullptr);
}

void WineSocketCutter::cut() {
  const std::vector<Found> found = scan();
  std::lock_guard lock(mutex_);
  cut_ = true;
  for (const Found& f : found) {
    if (contains(claimed_, f.identity)) shut(f.socket);
  }
}

WineSocketCutter::Watch::Watch(WineSocketCutter& cutter) : cutter_(cutter) {
  if (!cutter_.sockets_) return;
  for (const Found& f : cutter_.scan()) before_.push_back(f.identity);
  poll_ = std::thread([this] {
    for (int polls = 0; !done_ && !claimNew(); ++polls) Sleep(polls < kEarlyPolls ? kPollMs : kLatePollMs);
  });
}

WineSocketCutter::Watch::~Watch() {
  if (!poll_.joinable()) return;
  done_ = true;
  poll_.join();
  // A send quicker than one poll: what appeared meanwhile is its own.
  if (!found_) claimNew();
}

bool WineSocketCutter::Watch::claimNew() {
  const std::vector<Found> now = cutter_.scan();
  std::lock_guard lock(cutter_.mutex_);
  for (const Found& f : now) {
    if (contains(before_, f.identity)) continue;
    before_.push_back(f.identity);
    if (!contains(cutter_.claimed_, f.identity)) cutter_.claimed_.push_back(f.identity);
    // Found only after the job was cut: it goes the same way.
    if (cutter_.cut_) cutter_.shut(f.socket);
    found_ = true;
  }
  return found_;
}

}  // namespace vex
