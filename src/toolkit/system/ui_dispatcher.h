// Runs functions on the UI thread on behalf of worker threads (e.g. the
// downloader's notices). Construct it on the UI thread; post() may be called
// from any thread while the dispatcher lives, and the function runs inside
// the UI thread's message loop, through the runner (the window toolkit's
// runs it as one of its messages, so that its writes are drawn once).
#pragma once
#include <functional>

#include "toolkit/system/handles.h"

namespace vex::win {

class UiDispatcher {
 public:
  using Task = std::function<void()>;
  explicit UiDispatcher(std::function<void(const Task&)> runner = {});
  ~UiDispatcher();  // functions still queued are dropped, not run
  UiDispatcher(const UiDispatcher&) = delete;
  UiDispatcher& operator=(const UiDispatcher&) = delete;

  // False when the message could not be queued; `fn` is then dropped.
  bool post(std::function<void()> fn);

 private:
  static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
  std::function<void(const Task&)> runner_;
  UniqueWindow hwnd_;
};

}  // namespace vex::win
