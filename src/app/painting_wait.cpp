#include "app/painting_wait.h"

#include <windows.h>

#include <system_error>
#include <thread>

namespace vex {

namespace {

class Event {
 public:
  Event() : handle_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~Event() {
    if (handle_) CloseHandle(handle_);
  }
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

// Paints whatever needs it, nothing else.
void paintPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
}

}  // namespace

void runWhilePainting(const std::function<void()>& job) {
  Event done;
  if (!done.get()) {
    job();
    return;
  }
  std::thread worker;
  try {
    worker = std::thread([&] {
      job();
      SetEvent(done.get());
    });
  } catch (const std::system_error&) {
    job();
    return;
  }
  HANDLE handle = done.get();
  // A short period also keeps the thread looking at its queue, so the
  // system does not take the windows for hung.
  while (MsgWaitForMultipleObjects(1, &handle, FALSE, 200, QS_PAINT) != WAIT_OBJECT_0) paintPending();
  worker.join();
}

}  // namespace vex
