// The one way online work reaches the internet library: an InternetApi that
// bounds a whole exchange, every request and redirect of one job, in time
// and in bytes. A watch thread closes every handle when the deadline or
// the idle limit passes; the library's own time-outs start again with each
// byte, so a server that trickles would otherwise hold a call for ever.
// Passing the byte cap closes everything at once too, so the server's
// remaining bytes are never read. Addresses with control bytes are refused
// before they reach the wire. Safe to use from several threads.
#pragma once
// <chrono> itself does not compile with GBK narrow literals; the
// durations come with <condition_variable>.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

#include "toolkit/internet/internet_api.h"
#include "toolkit/internet/url_parts.h"

namespace vex {

struct TransferLimits {
  std::chrono::milliseconds deadline{10000};            // from construction to the last byte
  std::chrono::milliseconds idle{0};                    // longest wait for a byte; 0: only the deadline
  std::uint64_t maxBodyBytes = std::uint64_t{1} << 20;  // over all requests
  // Set on every handle; a deadline below them still ends the calls.
  std::uint32_t connectTimeoutMs = 5000;
  std::uint32_t sendTimeoutMs = 5000;
  std::uint32_t receiveTimeoutMs = 10000;
};

// Why an exchange was ended before its caller finished it.
enum class TransferEnd { None, Deadline, Idle, TooLarge, Redirects, BadAddress, Stopped };

class BoundedInternet final : public InternetApi {
 public:
  BoundedInternet(InternetApi& inner, TransferLimits limits);
  // Ends the watch and closes whatever the caller left open.
  ~BoundedInternet() override;
  BoundedInternet(const BoundedInternet&) = delete;
  BoundedInternet& operator=(const BoundedInternet&) = delete;

  InternetHandle open(const std::string& agent, std::uint32_t access_type,
                      const std::optional<std::string>& proxy_name,
                      const std::optional<std::string>& proxy_bypass, std::uint32_t flags) override;
  InternetHandle connect(InternetHandle root, const std::string& host, std::int32_t port,
                         std::uint32_t service, std::uint32_t flags, std::uintptr_t context) override;
  InternetHandle openRequest(InternetHandle connection, const std::string& verb,
                             const std::string& object_name, const std::string& version, std::uint32_t flags,
                             std::uintptr_t context) override;
  bool setOption(InternetHandle handle, std::uint32_t option, std::uint32_t value) override;
  bool sendRequest(InternetHandle request, const std::string& headers,
                   std::span<const std::uint8_t> optional_data) override;
  bool readFile(InternetHandle request, std::span<std::uint8_t> buffer, std::uint32_t& read) override;
  bool queryInfo(InternetHandle request, std::uint32_t info_level, std::span<char> buffer,
                 std::uint32_t& length) override;
  void close(InternetHandle handle) override;

  // Ends the exchange now for `why`, from any thread; blocked calls return.
  void end(TransferEnd why);
  // Moves the deadline to `fromStart` after construction when that is later.
  void extendDeadline(std::chrono::milliseconds fromStart);
  // Lowers the byte cap (never raises it).
  void lowerByteCap(std::uint64_t bytes);
  TransferEnd ended() const;

 private:
  using Clock = std::chrono::steady_clock;
  enum class Kind { Root, Connection, Request };
  struct Entry {
    Kind kind;
    InternetHandle handle;
    bool open = true;
  };

  InternetHandle adopt(Kind kind, InternetHandle handle);
  // Marks every open handle closed and gives them in the order to close
  // them in. Called with the lock held or by the destructor.
  std::vector<InternetHandle> release();
  bool live(InternetHandle handle);
  bool addressable(std::string_view address);
  void watch();
  void touch();

  InternetApi& inner_;
  const TransferLimits limits_;
  const Clock::time_point start_ = Clock::now();
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  Clock::time_point deadline_;
  Clock::time_point lastByte_ = start_;
  std::uint64_t maxBodyBytes_;
  std::uint64_t bodyBytes_ = 0;
  TransferEnd ended_ = TransferEnd::None;
  bool finished_ = false;  // the destructor runs
  std::vector<Entry> entries_;
  std::thread watcher_;
};

}  // namespace vex
