#include "toolkit/internet/bounded_internet.h"

#include <algorithm>

namespace vex {

BoundedInternet::BoundedInternet(InternetApi& inner, TransferLimits limits)
    : inner_(inner),
      limits_(limits),
      deadline_(start_ + limits.deadline),
      maxBodyBytes_(limits.maxBodyBytes) {
  watcher_ = std::thread([this] { watch(); });
}

BoundedInternet::~BoundedInternet() {
  {
    std::lock_guard lock(mutex_);
    finished_ = true;
  }
  wake_.notify_all();
  watcher_.join();
  for (InternetHandle h : release()) inner_.close(h);
}

std::vector<InternetHandle> BoundedInternet::release() {
  std::vector<InternetHandle> handles;
  // Requests before their connections, connections before their roots.
  for (Kind kind : {Kind::Request, Kind::Connection, Kind::Root}) {
    for (Entry& e : entries_) {
      if (e.kind != kind || !e.open) continue;
      e.open = false;
      handles.push_back(e.handle);
    }
  }
  return handles;
}

// A handle the caller may use: one of this exchange's, not closed, and the
// exchange not ended.
bool BoundedInternet::live(InternetHandle handle) {
  std::lock_guard lock(mutex_);
  return ended_ == TransferEnd::None &&
         std::any_of(entries_.begin(), entries_.end(),
                     [handle](const Entry& e) { return e.handle == handle && e.open; });
}

bool BoundedInternet::addressable(std::string_view address) {
  if (printableAddress(address)) return true;
  end(TransferEnd::BadAddress);
  return false;
}

InternetHandle BoundedInternet::adopt(Kind kind, InternetHandle handle) {
  if (!handle) return nullptr;
  inner_.setOption(handle, inet::kOptionConnectTimeout, limits_.connectTimeoutMs);
  inner_.setOption(handle, inet::kOptionSendTimeout, limits_.sendTimeoutMs);
  inner_.setOption(handle, inet::kOptionReceiveTimeout, limits_.receiveTimeoutMs);
  {
    std::lock_guard lock(mutex_);
    if (ended_ == TransferEnd::None) {
      entries_.push_back({kind, handle});
      return handle;
    }
  }
  inner_.close(handle);
  return nullptr;
}

InternetHandle BoundedInternet::open(const std::string& agent, std::uint32_t access_type,
                                     const std::optional<std::string>& proxy_name,
                                     const std::optional<std::string>& proxy_bypass, std::uint32_t flags) {
  return adopt(Kind::Root, inner_.open(agent, access_type, proxy_name, proxy_bypass, flags));
}

InternetHandle BoundedInternet::connect(InternetHandle root, const std::string& host, std::int32_t port,
                                        std::uint32_t service, std::uint32_t flags, std::uintptr_t context) {
  if (!addressable(host) || !live(root)) return nullptr;
  return adopt(Kind::Connection, inner_.connect(root, host, port, service, flags, context));
}

InternetHandle BoundedInternet::openRequest(InternetHandle connection, const std::string& verb,
                                            const std::string& object_name, const std::string& version,
                                            std::uint32_t flags, std::uintptr_t context) {
  if (!addressable(object_name) || !live(connection)) return nullptr;
  return adopt(Kind::Request, inner_.openRequest(connection, verb, object_name, version, flags, context));
}

bool BoundedInternet::setOption(InternetHandle handle, std::uint32_t option, std::uint32_t value) {
  return live(handle) && inner_.setOption(handle, option, value);
}

bool BoundedInternet::sendRequest(InternetHandle request, const std::string& headers,
                                  std::span<const std::uint8_t> optional_data) {
  if (!live(request) || !inner_.sendRequest(request, headers, optional_data)) return false;
  touch();
  return ended() == TransferEnd::None;
}

bool BoundedInternet::readFile(InternetHandle request, std::span<std::uint8_t> buffer, std::uint32_t& read) {
  read = 0;
  if (!live(request)) return false;
  std::size_t want = 0;
  {
    std::lock_guard lock(mutex_);
    // One byte past the cap tells a body that passes it from one that fits.
    const std::uint64_t room = maxBodyBytes_ > bodyBytes_ ? maxBodyBytes_ - bodyBytes_ : 0;
    want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), room + 1));
  }
  const bool ok = inner_.readFile(request, buffer.first(want), read);
  read = std::min<std::uint32_t>(read, static_cast<std::uint32_t>(want));
  bool over = false;
  {
    std::lock_guard lock(mutex_);
    if (ended_ != TransferEnd::None) {
      read = 0;
      return false;
    }
    if (read > 0) lastByte_ = Clock::now();
    over = bodyBytes_ + read > maxBodyBytes_;
    // The byte past the cap only told that there is more; it is not handed on.
    if (over) read = static_cast<std::uint32_t>(maxBodyBytes_ - std::min(bodyBytes_, maxBodyBytes_));
    bodyBytes_ += read;
  }
  if (over) end(TransferEnd::TooLarge);
  return ok;
}

bool BoundedInternet::queryInfo(InternetHandle request, std::uint32_t info_level, std::span<char> buffer,
                                std::uint32_t& length) {
  return live(request) && inner_.queryInfo(request, info_level, buffer, length);
}

void BoundedInternet::close(InternetHandle handle) {
  bool closing = false;
  {
    std::lock_guard lock(mutex_);
    const auto e = std::find_if(entries_.begin(), entries_.end(),
                                [handle](const Entry& entry) { return entry.handle == handle; });
    // The library's own null goes on to it; a handle this exchange has
    // already closed does not.
    if (e == entries_.end()) {
      closing = !handle;
    } else {
      closing = e->open;
      entries_.erase(e);
    }
  }
  if (closing) inner_.close(handle);
}

void BoundedInternet::end(TransferEnd why) {
  std::vector<InternetHandle> handles;
  {
    std::lock_guard lock(mutex_);
    if (ended_ != TransferEnd::None) return;
    ended_ = why;
    handles = release();
  }
  wake_.notify_all();
  // First the sockets: a call blocked on a request keeps it alive inside
  // the library, and closing a request reads what is left of its body.
  inner_.cutConnections();
  for (InternetHandle h : handles) inner_.close(h);
}

void BoundedInternet::watch() {
  std::unique_lock lock(mutex_);
  while (!finished_ && ended_ == TransferEnd::None) {
    Clock::time_point until = deadline_;
    if (limits_.idle.count() > 0) until = std::min(until, lastByte_ + limits_.idle);
    if (Clock::now() >= until) {
      const TransferEnd why = Clock::now() >= deadline_ ? TransferEnd::Deadline : TransferEnd::Idle;
      lock.unlock();
      end(why);
      return;
    }
    wake_.wait_until(lock, until);
  }
}

void BoundedInternet::touch() {
  std::lock_guard lock(mutex_);
  lastByte_ = Clock::now();
}

void BoundedInternet::extendDeadline(std::chrono::milliseconds fromStart) {
  {
    std::lock_guard lock(mutex_);
    deadline_ = std::max(deadline_, start_ + fromStart);
  }
  wake_.notify_all();
}

void BoundedInternet::lowerByteCap(std::uint64_t bytes) {
  std::lock_guard lock(mutex_);
  maxBodyBytes_ = std::min(maxBodyBytes_, bytes);
}

TransferEnd BoundedInternet::ended() const {
  std::lock_guard lock(mutex_);
  return ended_;
}

}  // namespace vex
