// Helpers for the Windows toolkit tests: message pumping, synthetic input,
// small pictures and layouts of our own.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "../support/input.h"
#include "../support/owned_tooltip.h"
#include "../support/pump.h"
#include "toolkit/controls/ui.h"

namespace vex::test {

// A 32-bit BMP file of one colour (0x00BBGGRR), fully opaque.
inline Bytes solidBmp(int w, int h, Colour colour) {
  const std::uint32_t pixels = static_cast<std::uint32_t>(w * h * 4);
  Bytes b(54 + pixels, 0);
  auto put16 = [&](std::size_t at, std::uint32_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
  };
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, 54 + pixels);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(w));
  put32(22, static_cast<std::uint32_t>(h));
  put16(26, 1);
  put16(28, 32);
  put32(34, pixels);
  for (std::uint32_t i = 0; i < pixels; i += 4) {
    b[54 + i] = (colour >> 16) & 0xFF;
    b[54 + i + 1] = (colour >> 8) & 0xFF;
    b[54 + i + 2] = colour & 0xFF;
    b[54 + i + 3] = 0xFF;
  }
  return b;
}

inline ControlState control(std::int32_t id, ControlKind kind, int left, int top, int width, int height,
                            std::int32_t parent = 0) {
  ControlState c;
  c.id = id;
  c.kind = kind;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  c.parent = parent;
  return c;
}

inline COLORREF pixelAt(HWND hwnd, int x, int y) {
  UpdateWindow(hwnd);
  HDC dc = GetDC(hwnd);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return c;
}

inline void moveMouseTo(int x, int y) {
  sendMouse(MOUSEEVENTF_MOVE, {x, y});
  pump(30);
}

inline void sendKey(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
  pump(50);
}

// A real key stroke to the active window, with Shift held if asked.
inline void pressKey(WORD vk, bool shift = false) {
  if (shift) sendKey(VK_SHIFT, false);
  sendKey(vk, false);
  sendKey(vk, true);
  if (shift) sendKey(VK_SHIFT, true);
}

// A real drag from `start`: `steps` moves of (dx, dy), `pauseMs` apart, as
// fast as a player's hand sends them.
inline void dragInSteps(POINT start, int steps, int dx, int dy, int pauseMs) {
  moveMouseTo(start.x, start.y);
  sendMouse(MOUSEEVENTF_LEFTDOWN);
  pump(30);
  for (int i = 1; i <= steps; ++i) {
    sendMouse(MOUSEEVENTF_MOVE, {start.x + dx * i, start.y + dy * i});
    pump(pauseMs);
  }
  sendMouse(MOUSEEVENTF_LEFTUP);
  pump(100);
}

// The characters of `text` that `font` has no glyph for.
inline std::wstring missingGlyphs(HFONT font, const std::wstring& text) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ was = SelectObject(dc, font);
  std::vector<WORD> glyphs(text.size());
  GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                   GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, was);
  DeleteDC(dc);
  std::wstring missing;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (glyphs[i] == 0xFFFF) missing += text[i];
  return missing;
}

// Screen point of a position inside a window's client area.
inline POINT onScreen(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  return p;
}

// The point (dx, dy) inside a control, in its window's client area.
inline POINT inControl(const Ui& ui, ControlRef ref, int dx, int dy) {
  auto [x, y] = ui.windowPosition(ref);
  return {x + dx, y + dy};
}

// Mouse messages as the message loop delivers them to a window.
inline void postMouse(HWND window, UINT msg, POINT at) {
  WPARAM keys = msg == WM_LBUTTONDOWN ? MK_LBUTTON : msg == WM_RBUTTONDOWN ? MK_RBUTTON : 0;
  PostMessageW(window, msg, keys, MAKELPARAM(at.x, at.y));
}

inline void postClick(HWND window, POINT at) {
  postMouse(window, WM_LBUTTONDOWN, at);
  postMouse(window, WM_LBUTTONUP, at);
}

}  // namespace vex::test
