#include "toolkit/controls/win/stock_control.h"

#include "toolkit/controls/win/native_window.h"
#include "toolkit/controls/win/win32_backend.h"

namespace vex::win {
namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

StockControl::~StockControl() = default;

// As for the top-level windows, the window's user data is its object; the
// other windows that notify a top-level window (its tooltip) are no children.
StockControl* StockControl::fromHwnd(HWND hwnd) {
  if (!hwnd || !(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD)) return nullptr;
  return reinterpret_cast<StockControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void StockControl::createStock(const wchar_t* className, DWORD style) {
  const Placement& p = placement();
  DWORD common = WS_CHILD | WS_CLIPSIBLINGS;
  if (p.shown) common |= WS_VISIBLE;
  if (state_.disabled) common |= WS_DISABLED;
  if (state_.tabStop) common |= WS_TABSTOP;
  // The child's id is the control's, as a dialog's controls carry theirs.
  HWND h = CreateWindowExW(0, className, text().c_str(), common | style, p.box.left, p.box.top,
                           p.box.right - p.box.left, p.box.bottom - p.box.top, window_.hwnd(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(state_.id)),
                           GetModuleHandleW(nullptr), nullptr);
  if (!h) return;
  hwnd_.reset(h);
  SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowSubclass(h, subclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(window_.font()), FALSE);
}

void StockControl::place(const Placement& p) {
  const Placement before = placement();
  NativeControl::place(p);
  HWND h = hwnd();
  if (!h) return;
  if (!EqualRect(&before.box, &p.box))
    SetWindowPos(h, nullptr, p.box.left, p.box.top, p.box.right - p.box.left, p.box.bottom - p.box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  if (before.shown != p.shown) ShowWindow(h, p.shown ? SW_SHOWNA : SW_HIDE);
}

void StockControl::changed(Change what) {
  HWND h = hwnd();
  if (h && what == Change::Enabled) {
    EnableWindow(h, !state_.disabled);
    if (state_.disabled) window_.forget(*this);
    return;
  }
  NativeControl::changed(what);
  if (h && what == Change::Caption) SetWindowTextW(h, text().c_str());
}

void StockControl::dpiChanged() {
  if (HWND h = hwnd()) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(window_.font()), TRUE);
}

bool StockControl::reflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

// Clicked, the control takes the focus itself; Tab leaves it again.
LRESULT StockControl::handle(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SETFOCUS) window_.setFocus(this);
  if ((msg == WM_KEYDOWN || msg == WM_CHAR) && window_.key(msg, wp, lp)) return 0;
  return DefSubclassProc(hwnd(), msg, wp, lp);
}

LRESULT CALLBACK StockControl::subclassProcedure(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                                 DWORD_PTR data) {
  auto* self = reinterpret_cast<StockControl*>(data);
  MessageScope scope(self->window_.backend());
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(h, subclassProcedure, kSubclassId);
    SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    self->hwnd_.release();
    return DefSubclassProc(h, msg, wp, lp);
  }
  return self->handle(msg, wp, lp);
}

}  // namespace vex::win
