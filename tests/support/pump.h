// The message loop as a test runs it between its steps.
#pragma once
#include <windows.h>

#include <functional>

namespace vex::test {

// Dispatches messages for `ms` milliseconds, or until `done` holds; pump(0)
// empties the queue once. Returns false if WM_QUIT came (its exit code in
// *quitCode).
inline bool pump(int ms, const std::function<bool()>& done = {}, int* quitCode = nullptr) {
  // GetTickCount64 rather than <chrono>, whose literals have no GBK form.
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        if (quitCode) *quitCode = static_cast<int>(msg.wParam);
        return false;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if ((done && done()) || GetTickCount64() >= end) return true;
    Sleep(5);
  }
}

inline bool pump(int ms, int* quitCode) { return pump(ms, {}, quitCode); }

}  // namespace vex::test
