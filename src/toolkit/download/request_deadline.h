// Closes a WinInet request handle when a deadline passes, which cuts short
// whatever synchronous call is blocked on it. WinInet's own time-outs start
// again with every byte, so a server that trickles one byte at a time holds
// a request for as long as it likes without them ever firing.
#pragma once
#include <windows.h>
#include <wininet.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace vex::win {

class RequestDeadline {
 public:
  explicit RequestDeadline(std::chrono::milliseconds within);
  // Ends the watch and closes the request if the deadline has not.
  ~RequestDeadline();
  RequestDeadline(const RequestDeadline&) = delete;
  RequestDeadline& operator=(const RequestDeadline&) = delete;

  // Takes the request over: from now on only this object closes it.
  void watch(HINTERNET request);
  // The request, or null once the deadline has closed it. Ask before every
  // call, never keep it across one.
  HINTERNET request() const;
  bool passed() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  HINTERNET request_ = nullptr;
  bool done_ = false;
  bool passed_ = false;
  std::thread watcher_;
};

}  // namespace vex::win
