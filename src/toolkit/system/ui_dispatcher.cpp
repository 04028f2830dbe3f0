#include "toolkit/system/ui_dispatcher.h"

#include <memory>

namespace vex::win {
namespace {

constexpr wchar_t kClass[] = L"VexUiDispatcher";
// The toolkit's one private message: its other deferred work runs from a
// queue when the outermost message ends (Win32Backend::later).
constexpr UINT kRun = WM_APP + 1;

}  // namespace

UiDispatcher::UiDispatcher(std::function<void(const Task&)> runner) : runner_(std::move(runner)) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kClass;
  RegisterClassExW(&wc);  // fails harmlessly when already registered
  hwnd_.reset(CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr));
  if (hwnd_) SetWindowLongPtrW(hwnd_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

UiDispatcher::~UiDispatcher() {
  MSG msg;
  while (hwnd_ && PeekMessageW(&msg, hwnd_.get(), kRun, kRun, PM_REMOVE))
    std::unique_ptr<Task>(reinterpret_cast<Task*>(msg.lParam));
}

bool UiDispatcher::post(std::function<void()> fn) {
  if (!hwnd_ || !fn) return false;
  auto task = std::make_unique<Task>(std::move(fn));
  if (!PostMessageW(hwnd_.get(), kRun, 0, reinterpret_cast<LPARAM>(task.get()))) return false;
  task.release();  // owned by the queued message now
  return true;
}

LRESULT CALLBACK UiDispatcher::procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kRun) {
    std::unique_ptr<Task> task(reinterpret_cast<Task*>(lp));
    auto* self = reinterpret_cast<UiDispatcher*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->runner_)
      self->runner_(*task);
    else
      (*task)();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace vex::win
