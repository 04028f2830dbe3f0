// Answers the message boxes of this process from a thread of its own, so a
// test driving the real program is never stuck in a modal loop. Every box
// it saw is kept with its text.
#pragma once
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vex::test {

class BoxWatcher {
 public:
  // `command` is what each box gets: IDOK or IDCANCEL.
  explicit BoxWatcher(int command);
  ~BoxWatcher();
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;

  void setCommand(int command) { command_ = command; }
  // Texts of the boxes answered so far (UTF-16, as the box shows them).
  std::vector<std::wstring> texts() const;
  int count() const;

 private:
  void watch();

  std::atomic<int> command_;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::vector<std::wstring> texts_;
  std::thread thread_;
};

}  // namespace vex::test
