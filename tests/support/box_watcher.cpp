#include "box_watcher.h"

#include <windows.h>

#include <map>
#include <set>

namespace vex::test {

namespace {

struct Found {
  std::vector<HWND> boxes;
};

BOOL CALLBACK collectBox(HWND hwnd, LPARAM param) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != GetCurrentProcessId() || !IsWindowVisible(hwnd)) return TRUE;
  wchar_t cls[16] = {};
  GetClassNameW(hwnd, cls, 16);
  if (std::wstring(cls) == L"#32770") reinterpret_cast<Found*>(param)->boxes.push_back(hwnd);
  return TRUE;
}

// The message text of a box: its static control 0xFFFF.
std::wstring boxText(HWND box) {
  wchar_t text[512] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 512);
  return text;
}

}  // namespace

BoxWatcher::BoxWatcher(int command) : command_(command), thread_([this] { watch(); }) {}

BoxWatcher::~BoxWatcher() {
  stopping_ = true;
  thread_.join();
}

std::vector<std::wstring> BoxWatcher::texts() const {
  std::lock_guard lock(mutex_);
  return texts_;
}

int BoxWatcher::count() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(texts_.size());
}

void BoxWatcher::watch() {
  std::map<HWND, ULONGLONG> answered;  // box -> when it was last told
  while (!stopping_) {
    Found found;
    EnumWindows(collectBox, reinterpret_cast<LPARAM>(&found));
    std::set<HWND> now(found.boxes.begin(), found.boxes.end());
    const ULONGLONG tick = GetTickCount64();
    for (HWND box : found.boxes) {
      auto seen = answered.find(box);
      if (seen == answered.end()) {
        answered[box] = tick;
        std::lock_guard lock(mutex_);
        texts_.push_back(boxText(box));
      } else if (tick - seen->second < 1000) {
        continue;  // still closing
      } else {
        seen->second = tick;  // told once and still there: tell it again
      }
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(command_.load(), BN_CLICKED), 0);
    }
    // A handle that is gone may come back for a new box.
    for (auto it = answered.begin(); it != answered.end();)
      it = now.count(it->first) ? std::next(it) : answered.erase(it);
    Sleep(30);
  }
}

}  // namespace vex::test
