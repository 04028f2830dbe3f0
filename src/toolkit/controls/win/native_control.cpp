#include "toolkit/controls/win/native_control.h"

#include "toolkit/controls/win/native_window.h"
#include "toolkit/system/wide_text.h"
#include "toolkit/controls/win/win32_backend.h"

namespace vex::win {
namespace {

constexpr wchar_t kClass[] = L"VexControl";
constexpr wchar_t kProp[] = L"VexControl";
constexpr UINT_PTR kSubclassId = 1;

}  // namespace

NativeControl::NativeControl(NativeWindow& window, ControlState& state) : window_(window), state_(state) {}

NativeControl::~NativeControl() = default;

NativeControl* NativeControl::fromHwnd(HWND hwnd) {
  return hwnd ? static_cast<NativeControl*>(GetPropW(hwnd, kProp)) : nullptr;
}

void NativeControl::registerClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kClass;
  RegisterClassExW(&wc);
}

ControlRef NativeControl::ref() const { return {window_.state().id, state_.id}; }
Win32Backend& NativeControl::backend() const { return window_.backend(); }
Ui& NativeControl::ui() const { return window_.ui(); }
HFONT NativeControl::font() const { return backend().font(); }

DWORD NativeControl::commonStyle() const {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (state_.visible) style |= WS_VISIBLE;
  if (state_.disabled) style |= WS_DISABLED;
  if (state_.tabStop) style |= WS_TABSTOP;
  return style;
}

void NativeControl::create(HWND parent, int x, int y) {
  CreateWindowExW(0, kClass, widen(state_.caption).c_str(), commonStyle(), x, y, state_.width, state_.height,
                  parent, nullptr, GetModuleHandleW(nullptr), this);
}

void NativeControl::createStock(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, int x,
                                int y) {
  HWND h = CreateWindowExW(exStyle, className, widen(state_.caption).c_str(), commonStyle() | style, x, y,
                           state_.width, state_.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!h) return;
  stock_ = true;
  attach(h);
  SetWindowSubclass(h, subclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
}

void NativeControl::attach(HWND hwnd) {
  hwnd_.reset(hwnd);
  SetPropW(hwnd, kProp, this);
}

void NativeControl::detach() {
  if (HWND h = hwnd_.release()) RemovePropW(h, kProp);
}

RECT NativeControl::windowRect() const {
  RECT r{0, 0, state_.width, state_.height};
  if (hwnd()) {
    GetClientRect(hwnd(), &r);
    MapWindowPoints(hwnd(), window_.hwnd(), reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

void NativeControl::applyHint() {
  if (state_.hint == shownHint_) return;
  window_.setTip(*this, state_.hint);
  shownHint_ = state_.hint;
}

void NativeControl::invalidate() const {
  // A hidden control shows nothing that could have changed.
  if (!hwnd() || !window_.hwnd() || !IsWindowVisible(hwnd())) return;
  // Through the top-level window, so that transparent controls above this
  // one repaint what they show of it.
  RECT r = windowRect();
  RedrawWindow(window_.hwnd(), &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void NativeControl::changed(Change what) {
  HWND h = hwnd();
  if (!h) return;
  switch (what) {
    case Change::Geometry: {
      RECT before = windowRect();
      int x = state_.left, y = state_.top;
      if (!inBox_) {
        auto [wx, wy] = ui().windowPosition(ref());
        x = wx;
        y = wy;
      }
      SetWindowPos(h, nullptr, x, y, state_.width, state_.height, SWP_NOZORDER | SWP_NOACTIVATE);
      RedrawWindow(window_.hwnd(), &before, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      break;
    }
    case Change::Visibility: {
      // Views show what is shown already; only a real change is redrawn.
      const bool shown = (GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) != 0;
      if (shown == state_.visible) return;
      ShowWindow(h, state_.visible ? SW_SHOWNA : SW_HIDE);
      // Hidden, it still leaves its box to repaint for what lay above it.
      RECT r = windowRect();
      RedrawWindow(window_.hwnd(), &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      return;
    }
    case Change::Enabled:
      if ((IsWindowEnabled(h) != FALSE) == !state_.disabled) return;
      EnableWindow(h, !state_.disabled);
      break;
    case Change::Caption: {
      std::wstring text = widen(state_.caption);
      wchar_t have[256] = {};
      const int n = GetWindowTextW(h, have, 256);
      if (n < 255 && text == have) return;
      SetWindowTextW(h, text.c_str());
      break;
    }
    case Change::Hint:
      applyHint();
      return;
    default:
      break;
  }
  invalidate();
}

bool NativeControl::reflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool reflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  HWND child = nullptr;
  switch (msg) {
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(lp)->hwndFrom;
      break;
    case WM_DRAWITEM:
      child = reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem;
      break;
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_HSCROLL:
    case WM_VSCROLL:
      child = reinterpret_cast<HWND>(lp);
      break;
    default:
      return false;
  }
  NativeControl* c = NativeControl::fromHwnd(child);
  return c && c->reflected(msg, wp, lp, result);
}

void NativeControl::paint(HDC target) {
  RECT rc;
  GetClientRect(hwnd(), &rc);
  const int w = rc.right, h = rc.bottom;
  if (w <= 0 || h <= 0) return;
  // Composed off screen: what lies beneath, then this control.
  UniqueDc mem(CreateCompatibleDC(target));
  UniqueBitmap bits(CreateCompatibleBitmap(target, w, h));
  if (!mem || !bits) return;
  {
    Selected sel(mem.get(), bits.get());
    if (!opaque()) window_.paintBeneath(mem.get(), *this);
    draw(mem.get());
    BitBlt(target, 0, 0, w, h, mem.get(), 0, 0, SRCCOPY);
  }
}

LRESULT NativeControl::handle(UINT msg, WPARAM wp, LPARAM lp) { return defaultHandling(msg, wp, lp); }

LRESULT NativeControl::defaultHandling(UINT msg, WPARAM wp, LPARAM lp) {
  if (stock_) return DefSubclassProc(hwnd(), msg, wp, lp);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      paint(dc);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      paint(reinterpret_cast<HDC>(wp));
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && state_.pointer == Pointer::Hand) {
        SetCursor(LoadCursorA(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    default: {
      LRESULT r = 0;
      if (reflectToChild(msg, wp, lp, r)) return r;
      break;
    }
  }
  return DefWindowProcW(hwnd(), msg, wp, lp);
}

LRESULT CALLBACK NativeControl::procedure(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  NativeControl* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<NativeControl*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    if (self) self->attach(h);
  } else {
    self = reinterpret_cast<NativeControl*>(GetWindowLongPtrW(h, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(h, msg, wp, lp);
  MessageScope scope(self->backend());
  if (msg == WM_NCDESTROY) {
    self->detach();
    SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    return DefWindowProcW(h, msg, wp, lp);
  }
  return self->handle(msg, wp, lp);
}

LRESULT CALLBACK NativeControl::subclassProcedure(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                                  DWORD_PTR data) {
  auto* self = reinterpret_cast<NativeControl*>(data);
  MessageScope scope(self->backend());
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(h, subclassProcedure, kSubclassId);
    self->detach();
    return DefSubclassProc(h, msg, wp, lp);
  }
  return self->handle(msg, wp, lp);
}

}  // namespace vex::win
