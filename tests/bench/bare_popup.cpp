// The floor for start-up figures: a bare colour-keyed popup of MainWindow's
// size, started the same way as vexbox.exe.
#include <windows.h>

namespace {

LRESULT CALLBACK procedure(HWND h, UINT msg, WPARAM w, LPARAM l) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      HBRUSH strip = CreateSolidBrush(RGB(0x17, 0x1C, 0x25));
      RECT r{0, 0, 381, 26};
      FillRect(dc, &r, strip);
      DeleteObject(strip);
      EndPaint(h, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(h, msg, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hbrBackground = CreateSolidBrush(RGB(0x60, 0x60, 0x60));
  wc.lpszClassName = L"VexBarePopup";
  RegisterClassW(&wc);
  HWND h = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"bare", WS_POPUP, 0, 0, 542, 150, nullptr, nullptr,
                           instance, nullptr);
  SetWindowLongA(h, GWL_EXSTYLE, WS_EX_LAYERED);
  SetLayeredWindowAttributes(h, RGB(0x60, 0x60, 0x60), 255, 3);
  ShowWindow(h, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
