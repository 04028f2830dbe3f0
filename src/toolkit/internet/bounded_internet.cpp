#include "toolkit/internet/bounded_internet.h"

#include <algorithm>

#include "toolkit/internet/internet_query.h"
#include "toolkit/internet/url_parts.h"

namespace vex {

namespace {

bool isRedirect(int status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool hasScheme(std::string_view location) {
  auto starts = [&](std::string_view prefix) {
    if (location.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
      const char c = location[i];
      if ((c >= 'A' && c <= 'Z' ? c + 32 : c) != prefix[i]) return false;
    }
    return true;
  };
  return starts("http://") || starts("https://");
}

}  // namespace

bool printableAddress(std::string_view address) {
  return std::none_of(address.begin(), address.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

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
  // Requests before their connections, connections before their roots.
  for (Kind kind : {Kind::Request, Kind::Connection, Kind::Root}) {
    for (Entry& e : entries_) {
      if (e.kind != kind || !e.open) continue;
      e.open = false;
      inner_.close(e.current);
      for (InternetHandle c : e.redirectConnections) inner_.close(c);
    }
  }
}

BoundedInternet::Entry* BoundedInternet::find(InternetHandle token) {
  for (Entry& e : entries_) {
    if (e.token == token && e.open) return &e;
  }
  return nullptr;
}

InternetHandle BoundedInternet::current(InternetHandle token) {
  std::lock_guard lock(mutex_);
  if (ended_ != TransferEnd::None) return nullptr;
  const Entry* e = find(token);
  return e ? e->current : nullptr;
}

void BoundedInternet::bound(InternetHandle handle) {
  inner_.setOption(handle, inet::kOptionConnectTimeout, limits_.connectTimeoutMs);
  inner_.setOption(handle, inet::kOptionSendTimeout, limits_.sendTimeoutMs);
  inner_.setOption(handle, inet::kOptionReceiveTimeout, limits_.receiveTimeoutMs);
}

InternetHandle BoundedInternet::adopt(Entry entry) {
  if (!entry.current) return nullptr;
  {
    std::lock_guard lock(mutex_);
    if (ended_ == TransferEnd::None) {
      entries_.push_back(std::move(entry));
      return entries_.back().token;
    }
  }
  inner_.close(entry.current);
  return nullptr;
}

InternetHandle BoundedInternet::open(const std::string& agent, std::uint32_t access_type,
                                     const std::optional<std::string>& proxy_name,
                                     const std::optional<std::string>& proxy_bypass, std::uint32_t flags) {
  InternetHandle root = inner_.open(agent, access_type, proxy_name, proxy_bypass, flags);
  if (root) bound(root);
  return adopt({.kind = Kind::Root, .token = root, .current = root});
}

InternetHandle BoundedInternet::connect(InternetHandle root, const std::string& host, std::int32_t port,
                                        std::uint32_t service, std::uint32_t flags, std::uintptr_t context) {
  if (!printableAddress(host)) {
    end(TransferEnd::BadAddress);
    return nullptr;
  }
  const InternetHandle inner = current(root);
  if (!inner) return nullptr;
  InternetHandle connection = inner_.connect(inner, host, port, service, flags, context);
  if (connection) bound(connection);
  return adopt({.kind = Kind::Connection,
                .token = connection,
                .current = connection,
                .parent = root,
                .host = host,
                .port = port});
}

InternetHandle BoundedInternet::openRequest(InternetHandle connection, const std::string& verb,
                                            const std::string& object_name, const std::string& version,
                                            std::uint32_t flags, std::uintptr_t context) {
  if (!printableAddress(object_name)) {
    end(TransferEnd::BadAddress);
    return nullptr;
  }
  const InternetHandle inner = current(connection);
  if (!inner) return nullptr;
  // The library would follow redirects without end; they are counted here.
  InternetHandle request =
      inner_.openRequest(inner, verb, object_name, version, flags | inet::kFlagNoAutoRedirect, context);
  if (request) bound(request);
  return adopt({.kind = Kind::Request,
                .token = request,
                .current = request,
                .parent = connection,
                .verb = verb,
                .path = object_name,
                .version = version,
                .flags = flags});
}

bool BoundedInternet::setOption(InternetHandle handle, std::uint32_t option, std::uint32_t value) {
  InternetHandle inner = nullptr;
  {
    std::lock_guard lock(mutex_);
    if (ended_ != TransferEnd::None) return false;
    Entry* e = find(handle);
    if (!e) return false;
    if (e->kind == Kind::Request) e->options.emplace_back(option, value);
    inner = e->current;
  }
  return inner_.setOption(inner, option, value);
}

bool BoundedInternet::sendRequest(InternetHandle request, const std::string& headers,
                                  std::span<const std::uint8_t> optional_data) {
  for (;;) {
    InternetHandle inner = nullptr;
    bool follow = false;
    {
      std::lock_guard lock(mutex_);
      if (ended_ != TransferEnd::None) return false;
      const Entry* e = find(request);
      if (!e) return false;
      inner = e->current;
      follow = (e->flags & inet::kFlagNoAutoRedirect) == 0;
      ++requests_;
    }
    if (!inner_.sendRequest(inner, headers, optional_data)) return false;
    touch();
    if (!follow || !isRedirect(queryStatus(inner_, inner))) return ended() == TransferEnd::None;
    const std::string location = queryText(inner_, inner, inet::kQueryLocation);
    if (location.empty()) return ended() == TransferEnd::None;
    if (!followRedirect(request, location)) return false;
  }
}

bool BoundedInternet::followRedirect(InternetHandle token, std::string_view location) {
  Entry request;
  std::string host;
  std::int32_t port = 0;
  InternetHandle root = nullptr;
  {
    std::lock_guard lock(mutex_);
    Entry* e = find(token);
    if (!e) return false;
    request = *e;
    const Entry* connection = find(e->parent);
    const Entry* rootEntry = connection ? find(connection->parent) : nullptr;
    if (!connection || !rootEntry) return false;
    host = connection->host;
    port = connection->port;
    root = rootEntry->current;
  }
  // Without a bound a page that sends a client to itself is asked for
  // again as fast as the line allows.
  if (static_cast<int>(request.redirectConnections.size()) >= limits_.maxRedirects) {
    end(TransferEnd::Redirects);
    return false;
  }
  if (!printableAddress(location)) {
    end(TransferEnd::BadAddress);
    return false;
  }
  bool secure = (request.flags & inet::kFlagSecure) != 0;
  std::string path;
  if (hasScheme(location) || location.starts_with("//")) {
    const std::string absolute = location.starts_with("//")
                                     ? (secure ? "https:" : "http:") + std::string(location)
                                     : std::string(location);
    const auto url = splitWebAddress(absolute);
    if (!url) return false;
    secure = url->secure;
    host = url->host;
    port = url->port;
    path = url->path;
  } else if (location.starts_with("/")) {
    path = location;
  } else {
    const std::size_t slash = request.path.find_last_of('/', request.path.find('?'));
    path = (slash == std::string::npos ? std::string("/") : request.path.substr(0, slash + 1)) +
           std::string(location);
  }
  const std::uint32_t flags =
      ((request.flags | inet::kFlagNoAutoRedirect) & ~inet::kFlagSecure) | (secure ? inet::kFlagSecure : 0);
  InternetHandle connection = inner_.connect(root, host, port, inet::kServiceHttp, 0, 0);
  if (!connection) return false;
  bound(connection);
  InternetHandle next = inner_.openRequest(connection, request.verb, path, request.version, flags, 0);
  if (!next) {
    inner_.close(connection);
    return false;
  }
  bound(next);
  for (const auto& [option, value] : request.options) inner_.setOption(next, option, value);
  std::vector<InternetHandle> retired;
  {
    std::lock_guard lock(mutex_);
    Entry* e = ended_ == TransferEnd::None ? find(token) : nullptr;
    if (e) {
      retired.push_back(e->current);
      e->current = next;
      e->redirectConnections.push_back(connection);
    } else {
      retired = {next, connection};
    }
  }
  for (InternetHandle h : retired) inner_.close(h);
  return retired.size() == 1;
}

bool BoundedInternet::readFile(InternetHandle request, std::span<std::uint8_t> buffer, std::uint32_t& read) {
  read = 0;
  InternetHandle inner = nullptr;
  std::size_t want = 0;
  {
    std::lock_guard lock(mutex_);
    if (ended_ != TransferEnd::None) return false;
    const Entry* e = find(request);
    if (!e) return false;
    inner = e->current;
    // One byte past the cap tells a body that passes it from one that fits.
    const std::uint64_t room = maxBodyBytes_ > bodyBytes_ ? maxBodyBytes_ - bodyBytes_ : 0;
    want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), room + 1));
  }
  const bool ok = inner_.readFile(inner, buffer.first(want), read);
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
  const InternetHandle inner = current(request);
  if (!inner) return false;
  return inner_.queryInfo(inner, info_level, buffer, length);
}

void BoundedInternet::close(InternetHandle handle) {
  std::vector<InternetHandle> closing;
  {
    std::lock_guard lock(mutex_);
    const auto e = std::find_if(entries_.begin(), entries_.end(),
                                [handle](const Entry& entry) { return entry.token == handle; });
    if (e == entries_.end()) {
      if (!handle) closing.push_back(handle);
    } else {
      if (e->open) {
        closing.push_back(e->current);
        closing.insert(closing.end(), e->redirectConnections.begin(), e->redirectConnections.end());
      }
      entries_.erase(e);
    }
  }
  for (InternetHandle h : closing) inner_.close(h);
}

void BoundedInternet::end(TransferEnd why) {
  std::vector<InternetHandle> requests, others;
  {
    std::lock_guard lock(mutex_);
    if (ended_ != TransferEnd::None) return;
    ended_ = why;
    for (Kind kind : {Kind::Request, Kind::Connection, Kind::Root}) {
      for (Entry& e : entries_) {
        if (e.kind != kind || !e.open) continue;
        e.open = false;
        (kind == Kind::Request ? requests : others).push_back(e.current);
        others.insert(others.end(), e.redirectConnections.begin(), e.redirectConnections.end());
      }
    }
  }
  wake_.notify_all();
  // First the sockets: a call blocked on a request keeps it alive inside
  // the library, and closing a request reads what is left of its body.
  inner_.cutConnections();
  for (InternetHandle h : requests) inner_.close(h);
  for (InternetHandle h : others) inner_.close(h);
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

void BoundedInternet::stop() { end(TransferEnd::Stopped); }

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

int BoundedInternet::requestsSent() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::uint64_t BoundedInternet::bodyBytes() const {
  std::lock_guard lock(mutex_);
  return bodyBytes_;
}

}  // namespace vex
