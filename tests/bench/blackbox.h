// Helpers of the black-box window figures: start a program as the player
// would, find its popups by their sizes, click it through SendInput and read
// the screen back as X shows it. They know nothing of the program inside,
// so vexbox.exe and the floor are measured the same way.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "../support/input.h"

namespace vex::bench {

using test::sendMouse;

inline double nowMs() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

inline double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? -1 : v[v.size() / 2];
}

// A started program; ended (and waited for) when this goes.
class Started {
 public:
  explicit Started(const std::wstring& exe) {
    std::wstring cmd = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_))
      ok_ = true;
  }
  ~Started() {
    if (!ok_) return;
    TerminateProcess(pi_.hProcess, 0);
    WaitForSingleObject(pi_.hProcess, 5000);
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;

  bool ok() const { return ok_; }
  HANDLE process() const { return pi_.hProcess; }
  DWORD pid() const { return pi_.dwProcessId; }

 private:
  PROCESS_INFORMATION pi_{};
  bool ok_ = false;
};

// The visible top-level window of `pid` whose size is width × height.
inline HWND windowOfSize(DWORD pid, int width, int height) {
  struct Search {
    DWORD pid;
    int w, h;
    HWND found;
  } s{pid, width, height, nullptr};
  EnumWindows(
      [](HWND h, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        RECT r;
        if (owner != s->pid || !IsWindowVisible(h) || !GetWindowRect(h, &r)) return TRUE;
        if (r.right - r.left != s->w || r.bottom - r.top != s->h) return TRUE;
        s->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// Waits (bounded) until a window of that size is visible and the program
// has gone idle after drawing it; returns the window, or null on time-out.
inline HWND waitReady(const Started& p, int width, int height, int boundMs = 20000) {
  const double t0 = nowMs();
  while (nowMs() - t0 < boundMs) {
    HWND h = windowOfSize(p.pid(), width, height);
    if (h && WaitForInputIdle(p.process(), 0) == 0) return h;
    Sleep(1);
  }
  return nullptr;
}

inline POINT clientToScreen(HWND window, int x, int y) {
  POINT at{x, y};
  ClientToScreen(window, &at);
  return at;
}

// A left press and release in one injection, where the pointer is.
inline void sendClick() {
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof in[0]);
}

// A rectangle of the screen as X shows it: the desktop DC is the X root
// window, so BitBlt from it reads the composed screen (keyed holes, child
// windows, tooltips and all) through XGetImage.
class ScreenReader {
 public:
  explicit ScreenReader(RECT area)
      : area_(area), w_(area.right - area.left), h_(area.bottom - area.top), screen_(GetDC(nullptr)) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w_, -h_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    dib_ = CreateDIBSection(screen_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const std::uint32_t*>(bits);
    dc_ = CreateCompatibleDC(screen_);
    old_ = SelectObject(dc_, dib_);
  }
  ~ScreenReader() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(dib_);
    ReleaseDC(nullptr, screen_);
  }
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;

  // Reads the area again; returns whether it differs from the last read.
  bool read() {
    const double t0 = nowMs();
    BitBlt(dc_, 0, 0, w_, h_, screen_, area_.left, area_.top, SRCCOPY);
    GdiFlush();
    const std::size_t n = static_cast<std::size_t>(w_) * static_cast<std::size_t>(h_);
    const bool changed = last_.size() != n || !std::equal(last_.begin(), last_.end(), bits_);
    if (changed) last_.assign(bits_, bits_ + n);
    readMs_ += nowMs() - t0;
    ++reads_;
    return changed;
  }
  // A pixel of the last read, 0x00RRGGBB.
  std::uint32_t pixel(int x, int y) const {
    return last_.empty() ? 0 : last_[static_cast<std::size_t>(y * w_ + x)] & 0xFFFFFF;
  }
  // Mean time of one read so far.
  double readMs() const { return reads_ ? readMs_ / reads_ : 0; }

 private:
  RECT area_;
  int w_, h_;
  HDC screen_;
  HBITMAP dib_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
  const std::uint32_t* bits_ = nullptr;
  std::vector<std::uint32_t> last_;
  double readMs_ = 0;
  int reads_ = 0;
};

struct Settled {
  double lastChangeMs = -1;  // from the start to the last change seen; -1: nothing changed
  int changes = 0;           // distinct pictures on the way (1 = arrived in one step)
};

// Polls the area and tells when it last changed, counted from `t0`: it waits
// up to `boundMs` for a first change, then until nothing has changed for
// `quietMs`. A change is timed at the end of the read that saw it, so the
// figures are late by up to one read (readMs() says how long one takes).
inline Settled waitSettled(ScreenReader& screen, double t0, double quietMs = 300, double boundMs = 4000) {
  Settled s;
  for (double now = nowMs(); now - t0 < boundMs; now = nowMs()) {
    if (s.changes > 0 && now - t0 - s.lastChangeMs >= quietMs) break;
    if (screen.read()) {
      s.lastChangeMs = nowMs() - t0;
      ++s.changes;
    }
  }
  return s;
}

// Reads until the area has not changed for `quietMs` (at most `boundMs`).
inline void waitQuiet(ScreenReader& screen, double quietMs, double boundMs) {
  const double t0 = nowMs();
  double last = t0;
  for (double now = t0; now - last < quietMs && now - t0 < boundMs; now = nowMs())
    if (screen.read()) last = nowMs();
}

}  // namespace vex::bench
