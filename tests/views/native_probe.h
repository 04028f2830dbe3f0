// Reads back what the views left in the native windows of a running program:
// visibility, tooltips, list rows and drawn pixels, and clicks as the user
// makes them.
#pragma once
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <string>
#include <vector>

#include "../app/app_fixture.h"
#include "toolkit/system/wide_text.h"

namespace vex::test {

// The tooltip text that `window`'s tooltip control holds for `control`;
// empty if no tool is registered for it.
inline std::wstring tipOf(HWND tooltip, HWND window, HWND control) {
  if (!tooltip) return {};
  const int tools = static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
  for (int i = 0; i < tools; ++i) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&info))) continue;
    if (info.uId != reinterpret_cast<UINT_PTR>(control)) continue;
    std::vector<wchar_t> text(1024);
    TTTOOLINFOW query{};
    query.cbSize = TTTOOLINFOW_V2_SIZE;
    query.hwnd = window;
    query.uId = info.uId;
    query.lpszText = text.data();
    SendMessageW(tooltip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&query));
    return text.data();
  }
  return {};
}

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

inline RECT screenRect(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r;
}

// A control as its own painting draws it (picture, back colour, what lies
// beneath), read into memory.
class Drawn {
 public:
  explicit Drawn(HWND control) {
    RECT r;
    GetClientRect(control, &r);
    w_ = r.right;
    h_ = r.bottom;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bits = CreateCompatibleBitmap(screen, w_, h_);
    HGDIOBJ old = SelectObject(dc, bits);
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    pixels_.resize(static_cast<std::size_t>(w_ * h_));
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) pixels_[static_cast<std::size_t>(y * w_ + x)] = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bits);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
  }
  COLORREF at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * w_ + x)]; }
  int width() const { return w_; }
  int height() const { return h_; }
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

inline void sendMouse(DWORD flags, POINT at = {}) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  if (flags & MOUSEEVENTF_MOVE) {
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = (at.x * 65536 + cx / 2) / cx;
    in.mi.dy = (at.y * 65536 + cy / 2) / cy;
    flags |= MOUSEEVENTF_ABSOLUTE;
  }
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}

// A real left click at a screen point, paced like a hand.
inline void clickAt(POINT at) {
  sendMouse(MOUSEEVENTF_MOVE, at);
  pump(60);
  sendMouse(MOUSEEVENTF_LEFTDOWN);
  pump(60);
  sendMouse(MOUSEEVENTF_LEFTUP);
  pump(200);
}

// A right-button press posted to a control, as the message loop delivers it.
inline void postRightPress(HWND control) {
  RECT r;
  GetClientRect(control, &r);
  const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
  PostMessageW(control, WM_RBUTTONDOWN, MK_RBUTTON, at);
  PostMessageW(control, WM_RBUTTONUP, 0, at);
}

// A real click on the middle of a list row's first cell; the row is
// scrolled into view first.
inline void clickRow(HWND list, int row) {
  SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE);
  pump(50);
  RECT r{};
  r.left = LVIR_LABEL;
  SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(list, &p);
  clickAt(p);
}

// Moves the pointer off every window of the program, so no button is in
// its hover look when it is drawn.
inline void pointerAway() {
  sendMouse(MOUSEEVENTF_MOVE, POINT{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
  pump(60);
}

// GBK text of the program as the native controls show it.
inline std::wstring wide(const Text& gbk) { return win::widen(gbk); }

}  // namespace vex::test
