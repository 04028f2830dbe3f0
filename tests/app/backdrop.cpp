// A plain red window over all but the last row of the screen, below everything else. It
// appends "x y" to the file named on its command line for every left click
// it receives, so a test can tell whether a click fell through a window.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring gLog;

LRESULT CALLBACK procedure(HWND h, UINT msg, WPARAM w, LPARAM l) {
  switch (msg) {
    case WM_LBUTTONDOWN: {
      POINT p{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
      ClientToScreen(h, &p);
      if (FILE* f = _wfopen(gLog.c_str(), L"a")) {
        std::fprintf(f, "%ld %ld\n", p.x, p.y);
        std::fclose(f);
      }
      return 0;
    }
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(h, &r);
      HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
      FillRect(reinterpret_cast<HDC>(w), &r, red);
      DeleteObject(red);
      return 1;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(h, msg, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR cmd, int) {
  gLog = cmd;
  WNDCLASSW wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.lpszClassName = L"VexBackdrop";
  RegisterClassW(&wc);
  // One row short of the screen: a window manager lifts a focused
  // full-screen window above even the always-on-top ones.
  CreateWindowExW(0, wc.lpszClassName, L"vex-backdrop", WS_POPUP | WS_VISIBLE, 0, 0,
                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) - 1, nullptr, nullptr,
                  instance, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
