#include "toolkit/system/ui_dispatcher.h"

#include <memory>

namespace vex::win {
namespace {

constexpr wchar_t kClass[] = L"VexUiDispatcher";
constexpr UINT kRun = WM_APP + 1;

using Task = std::function<void()>;

}  // namespace

UiDispatcher::UiDispatcher() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kClass;
  RegisterClassExW(&wc);  // fails harmlessly when already registered
  hwnd_.reset(CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr));
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
    (*task)();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace vex::win
