#include "toolkit/download/request_deadline.h"

#include <utility>

namespace vex::win {

RequestDeadline::RequestDeadline(std::chrono::milliseconds within) {
  const auto end = std::chrono::steady_clock::now() + within;
  watcher_ = std::thread([this, end] {
    std::unique_lock lock(mutex_);
    if (wake_.wait_until(lock, end, [this] { return done_; })) return;
    passed_ = true;
    if (request_ != nullptr) InternetCloseHandle(std::exchange(request_, nullptr));
  });
}

RequestDeadline::~RequestDeadline() {
  {
    std::lock_guard lock(mutex_);
    done_ = true;
  }
  wake_.notify_all();
  watcher_.join();
  if (request_ != nullptr) InternetCloseHandle(request_);
}

void RequestDeadline::watch(HINTERNET request) {
  std::lock_guard lock(mutex_);
  if (passed_) {
    InternetCloseHandle(request);
  } else {
    request_ = request;
  }
}

HINTERNET RequestDeadline::request() const {
  std::lock_guard lock(mutex_);
  return request_;
}

bool RequestDeadline::passed() const {
  std::lock_guard lock(mutex_);
  return passed_;
}

}  // namespace vex::win
