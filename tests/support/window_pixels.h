// What a window shows, read from outside as a player's screenshot or a
// screen reader gets it: its client area's pixels, and a control's box as
// the window's accessibility object tells it.
#pragma once
#include <windows.h>
// After windows.h, whose types it uses.
#include <oleacc.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/system/handles.h"

namespace vex::test {

struct WindowPixels {
  int width = 0, height = 0;
  std::vector<std::uint32_t> rgb;  // 0x00RRGGBB, rows from the top
  COLORREF at(int x, int y) const {
    const std::uint32_t p = rgb[static_cast<std::size_t>(y) * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
};

// The client area of `window` as `draw(memory)` puts it into a memory DC
// of the window's size; empty when it cannot be read.
template <class Draw>
WindowPixels capturePixels(HWND window, Draw draw) {
  RECT client{};
  if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return {};
  const int w = client.right, h = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  win::UniqueDc memory(CreateCompatibleDC(nullptr));
  win::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap || !bits) return {};
  win::Selected selected(memory.get(), bitmap.get());
  draw(memory.get());
  GdiFlush();
  WindowPixels out{w, h, {}};
  const auto* first = static_cast<const std::uint32_t*>(bits);
  out.rgb.assign(first, first + static_cast<std::size_t>(w) * h);
  for (std::uint32_t& p : out.rgb) p &= 0x00FFFFFF;
  return out;
}

// The client area as the window has put it on the screen, child windows
// included, once its pending paints are done.
inline WindowPixels screenPixels(HWND window) {
  UpdateWindow(window);
  return capturePixels(window, [window](HDC memory) {
    RECT client;
    GetClientRect(window, &client);
    BitBlt(memory, 0, 0, client.right, client.bottom, win::WindowDc(window).get(), 0, 0, SRCCOPY);
  });
}

// What the window draws when asked to print its client area, as a
// screenshot tool or a magnifier asks (WM_PRINTCLIENT): child windows are
// left to print themselves.
inline WindowPixels printedPixels(HWND window) {
  return capturePixels(window, [window](HDC memory) {
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  });
}

// The box of the window's `child`th control (from 1, in table order) as a
// screen reader is told it, in client pixels; empty when it is not told.
inline RECT readerBox(HWND window, long child) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object))))
    return {};
  const auto release = [](IAccessible* a) { a->Release(); };
  const std::unique_ptr<IAccessible, decltype(release)> reader(object, release);
  VARIANT which{};
  which.vt = VT_I4;
  which.lVal = child;
  LONG x = 0, y = 0, width = 0, height = 0;
  if (FAILED(reader->accLocation(&x, &y, &width, &height, which))) return {};
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return {x - origin.x, y - origin.y, x - origin.x + width, y - origin.y + height};
}

}  // namespace vex::test
