// Real mouse input, as a player's hand sends it: SendInput at screen points.
#pragma once
#include <windows.h>

namespace vex::test {

// `at` counts only with MOUSEEVENTF_MOVE; the other flags act where the
// pointer is.
inline void sendMouse(DWORD flags, POINT at = {}) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  if (flags & MOUSEEVENTF_MOVE) {
    // Absolute coordinates run from 0 to 65535 over the primary screen.
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = (at.x * 65536 + cx / 2) / cx;
    in.mi.dy = (at.y * 65536 + cy / 2) / cy;
    flags |= MOUSEEVENTF_ABSOLUTE;
  }
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}

}  // namespace vex::test
