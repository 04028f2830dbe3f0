// Reads back what a running program shows and acts on it as a user would.
// Controls are found where the Ui state puts them (the window's client
// origin plus the control's position), never by a window handle of their
// own: visibility comes from the state, pictures from the window's own
// pixels, clicks are real input at screen points. Only list views are
// native child windows that are read directly.
#pragma once
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "../app/app_fixture.h"
#include "../support/input.h"
#include "../support/layout_lookup.h"
#include "../support/owned_tooltip.h"
#include "toolkit/system/handles.h"
#include "toolkit/system/wide_text.h"

namespace vex::test {

// --- where a control lies

// A control's box in its window's client area.
inline RECT clientBoxOf(const Ui& ui, ControlRef ref) {
  const auto [x, y] = ui.windowPosition(ref);
  const ControlState& c = ui.control(ref);
  return RECT{x, y, x + c.width, y + c.height};
}

inline POINT clientOrigin(HWND window) {
  POINT p{0, 0};
  ClientToScreen(window, &p);
  return p;
}

inline RECT screenBoxOf(RunningApp& run, ControlRef ref) {
  RECT r = clientBoxOf(run.ui(), ref);
  const POINT o = clientOrigin(run.window(ref.window));
  OffsetRect(&r, o.x, o.y);
  return r;
}

inline POINT centreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Shown as the user would see it: the window is up, the control and every
// box containing it are visible.
inline bool showing(RunningApp& run, ControlRef ref) {
  if (!run.ui().isOpen(ref.window) || !IsWindowVisible(run.window(ref.window))) return false;
  const ControlState* c = &run.ui().control(ref);
  for (int depth = 0; depth < 16; ++depth) {
    if (!c->visible) return false;
    if (c->parent == 0) return true;
    c = &run.ui().control({ref.window, c->parent});
  }
  return false;
}

inline RECT screenRect(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r;
}

// --- tooltips

// The text the window's tooltip control holds for a control; empty if it
// has no tool.
inline std::wstring tipOf(RunningApp& run, ControlRef ref) {
  HWND tooltip = ownedTooltip(run.app().backend().windowHandle(ref.window));
  if (!tooltip) return {};
  const int tools = static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
  for (int i = 0; i < tools; ++i) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool))) continue;
    // One rectangle tool per hinted control; its id is the control id.
    if (tool.uId != static_cast<UINT_PTR>(static_cast<std::uint32_t>(ref.control))) continue;
    std::vector<wchar_t> text(1024);
    tool.lpszText = text.data();
    SendMessageW(tooltip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    return text.data();
  }
  return {};
}

// --- pixels

// A rectangle of a window's own pixels (what it painted, whatever lies on
// top of it on screen), as COLORREFs.
class Pixels {
 public:
  Pixels(HWND window, const RECT& box) : w_(box.right - box.left), h_(box.bottom - box.top) {
    if (w_ <= 0 || h_ <= 0) {
      w_ = h_ = 0;
      return;
    }
    UpdateWindow(window);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w_;
    info.bmiHeader.biHeight = -h_;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    // A cache DC without child clipping reads what child windows drew too.
    HDC source = GetDCEx(window, nullptr, DCX_CACHE);
    win::UniqueDc memory(CreateCompatibleDC(source));
    win::UniqueBitmap bitmap(CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (memory && bitmap && bits) {
      win::Selected selected(memory.get(), bitmap.get());
      BitBlt(memory.get(), 0, 0, w_, h_, source, box.left, box.top, SRCCOPY);
      GdiFlush();
      const auto* bgrx = static_cast<const std::uint8_t*>(bits);
      pixels_.resize(static_cast<std::size_t>(w_ * h_));
      for (std::size_t i = 0; i < pixels_.size(); ++i)
        pixels_[i] = RGB(bgrx[4 * i + 2], bgrx[4 * i + 1], bgrx[4 * i]);
    }
    ReleaseDC(window, source);
  }
  // The whole client area of a window.
  static Pixels of(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return Pixels(window, r);
  }

  COLORREF at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * w_ + x)]; }
  int width() const { return w_; }
  int height() const { return h_; }
  bool empty() const { return pixels_.empty(); }
  bool operator==(const Pixels&) const = default;
  // Distinct colours inside the central box of the given size: a portrait
  // has many, an empty button one.
  int coloursInCentre(int size) const {
    std::vector<COLORREF> seen;
    for (int y = (h_ - size) / 2; y < (h_ + size) / 2; ++y)
      for (int x = (w_ - size) / 2; x < (w_ + size) / 2; ++x) {
        const COLORREF c = at(x, y);
        bool known = false;
        for (COLORREF s : seen) known = known || s == c;
        if (!known) seen.push_back(c);
      }
    return static_cast<int>(seen.size());
  }

 private:
  int w_ = 0, h_ = 0;
  std::vector<COLORREF> pixels_;
};

// A control as its window drew it.
inline Pixels drawn(RunningApp& run, ControlRef ref) {
  return Pixels(run.window(ref.window), clientBoxOf(run.ui(), ref));
}

// --- real input

inline void pointerTo(POINT at, int ms = 60) {
  sendMouse(MOUSEEVENTF_MOVE, at);
  pump(ms);
}

// A real left click at a screen point, paced like a hand; then `ms` of
// message loop (none for 0, so the caller sees a WM_QUIT it causes).
inline void clickAt(POINT at, int ms = 200) {
  pointerTo(at);
  sendMouse(MOUSEEVENTF_LEFTDOWN);
  pump(60);
  sendMouse(MOUSEEVENTF_LEFTUP);
  if (ms > 0) pump(ms);
}

// A real left click on the middle of a control.
inline void click(RunningApp& run, ControlRef ref, int ms = 200) {
  clickAt(centreOf(screenBoxOf(run, ref)), ms);
}

// A real right-button press and release on the middle of a control.
inline void rightClick(RunningApp& run, ControlRef ref, int ms = 200) {
  pointerTo(centreOf(screenBoxOf(run, ref)));
  sendMouse(MOUSEEVENTF_RIGHTDOWN);
  pump(60);
  sendMouse(MOUSEEVENTF_RIGHTUP);
  pump(ms);
}

// Moves the pointer off every window of the program, so no button is in
// its hover look when it is drawn.
inline void pointerAway() {
  pointerTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
}

// --- list views (native child windows)

inline int rowCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

inline std::wstring cellText(HWND list, int row, int column) {
  wchar_t buffer[512] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = 512;
  SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return buffer;
}

// Where a list row's first cell lies on screen; the row is scrolled into
// view first.
inline POINT rowPoint(HWND list, int row) {
  SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE);
  RECT r{};
  r.left = LVIR_LABEL;
  SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
  POINT p = centreOf(r);
  ClientToScreen(list, &p);
  return p;
}

// A real click on the middle of a list row's first cell.
inline void clickRow(HWND list, int row) {
  const POINT p = rowPoint(list, row);
  pump(50);
  clickAt(p);
}

// GBK text of the program as the native controls show it.
inline std::wstring wide(const Text& gbk) { return win::widen(gbk); }

}  // namespace vex::test
