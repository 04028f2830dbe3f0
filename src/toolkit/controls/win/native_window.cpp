#include "toolkit/controls/win/native_window.h"

// After windows.h, whose types it uses.
#include <windowsx.h>

#include <utility>

#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/controls/win/stock_control.h"
#include "toolkit/controls/win/win32_backend.h"
#include "toolkit/system/wide_text.h"

namespace vex::win {
namespace {

constexpr wchar_t kClass[] = L"VexWindow";
constexpr UINT_PTR kDragTimer = 1;  // the window's only timer
constexpr UINT kDragTick = 10;      // ms; the system's shortest
constexpr DWORD kStyle = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_TOPMOST;
constexpr int kTipWidth = 400;  // the widest tooltip, before it wraps
// Newer than the headers' target system.
constexpr UINT kDpiChanged = 0x02E0;        // WM_DPICHANGED
constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE

// The drag follows the pointer's screen position as the message saw it:
// where moves land late, the window's own position lags the pointer.
POINT messageScreenPoint() {
  const DWORD pos = GetMessagePos();
  return {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
}

}  // namespace

NativeWindow::NativeWindow(Win32Backend& backend, WindowState& state, HWND owner)
    : backend_(backend), ui_(backend.ui()), state_(state), owner_(owner) {}

NativeWindow::~NativeWindow() { destroy(); }

void NativeWindow::registerClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kClass;
  RegisterClassExW(&wc);
}

void NativeWindow::create() {
  // A first guess: the window learns its own DPI once it is on a display.
  geometry_.setDpi(systemDpi());
  const RECT r = screenBox(geometry_);
  CreateWindowExW(kExStyle, kClass, widen(state_.caption).c_str(), kStyle, r.left, r.top, r.right - r.left,
                  r.bottom - r.top, owner_, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd()) return;
  tips_.attach(hwnd());
  // Opened on a display of another scale than the system's, it moves to
  // its box at that scale.
  const int dpi = windowDpi(hwnd());
  const RECT box = screenBox(DeviceGeometry(dpi));
  applyDpi(dpi, dpi != geometry_.dpi() ? &box : nullptr);
  createControls();
  // No focus rectangle for the mouse's user (until a key is pressed).
  SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  noteMoved();
}

// Where the window lies at `at`'s scale, in screen pixels. It has no
// frame, so its outer box is its client box.
RECT NativeWindow::screenBox(const DeviceGeometry& at) const {
  const int width = at.pixels(state_.width), height = at.pixels(state_.height);
  int x = at.pixels(state_.left), y = at.pixels(state_.top);
  if (state_.centred) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  return {x, y, x + width, y + height};
}

void NativeWindow::moveTo(int left, int top) {
  if (hwnd())
    SetWindowPos(hwnd(), nullptr, geometry_.pixels(left), geometry_.pixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Takes `dpi` for every geometry, the font and the pictures; with
// `suggested` (screen pixels) the window moves and resizes there.
void NativeWindow::applyDpi(int dpi, const RECT* suggested) {
  geometry_.setDpi(dpi);
  font_ = backend_.font(geometry_.dpi());
  tips_.setScale(font_, geometry_.pixels(kTipWidth));
  // Before the move: WM_MOVE reads the new position back at the new scale.
  if (suggested)
    SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  tree_.placementOrder([this](NativeControl& c) {
    c.place(placementOf(c));
    c.dpiChanged();
    updateTip(c);
  });
  RECT client;
  GetClientRect(hwnd(), &client);
  invalidate(client);
}

void NativeWindow::show() {
  if (!hwnd() || IsWindowVisible(hwnd())) return;
  for (const auto& c : tree_.rows()) c->settle();
  // An overlay beside the game must not take the game's keyboard focus
  // each time one of its windows opens; a click activates it as usual.
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd());
}

NativeControl* NativeWindow::control(std::int32_t id) const {
  const ControlState* s = state_.find(id);
  return s ? static_cast<NativeControl*>(s->peer) : nullptr;
}

void NativeWindow::createControls() {
  std::vector<std::unique_ptr<NativeControl>> rows;
  for (std::size_t i = 0; i < state_.controls.size(); ++i)
    rows.push_back(makeControl(*this, state_.controls[i], static_cast<int>(i)));
  tree_.build(std::move(rows), [this](const NativeControl& c) {
    return c.state().parent ? control(c.state().parent) : nullptr;
  });
  tree_.placementOrder([this](NativeControl& c) { c.place(placementOf(c)); });
  // In painting order: each stock window made later lies above the earlier.
  tree_.paintOrder([this](NativeControl& c) {
    c.create();
    updateTip(c);
  });
}

Placement NativeWindow::placementOf(const NativeControl& c) const {
  const ControlState& s = c.state();
  const RECT* outer = c.parent() ? &c.parent()->placement().layout : nullptr;
  const int x = (outer ? outer->left : 0) + s.left, y = (outer ? outer->top : 0) + s.top;
  Placement p;
  p.layout = {x, y, x + s.width, y + s.height};
  p.box = geometry_.box(p.layout);
  p.clip = p.box;
  p.shown = s.visible;
  if (const NativeControl* box = c.box()) {
    IntersectRect(&p.clip, &p.box, &box->placement().clip);
    p.shown = s.visible && box->placement().shown;
  }
  return p;
}

void NativeWindow::relayout(NativeControl& c) {
  const Placement before = c.placement();
  const Placement now = placementOf(c);
  // What lies in a control is placed from its placement alone.
  if (before == now) return;
  if (c.painted()) {
    if (before.shown) invalidate(before.clip);
    if (now.shown) invalidate(now.clip);
  }
  c.place(now);
  if (before.shown != now.shown) notify(now.shown ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE, c);
  if (!now.shown) forget(c);
  updateTip(c);
  for (NativeControl* child : c.children()) relayout(*child);
}

void NativeWindow::updateTip(const NativeControl& c) {
  const Placement& p = c.placement();
  static const Text kNone;
  tips_.set(c.state().id, c.painted() && p.shown ? c.state().hint : kNone, p.box);
}

void NativeWindow::invalidate(const RECT& area) {
  if (IsRectEmpty(&area)) return;
  if (!dirty_) {
    dirty_.reset(CreateRectRgnIndirect(&area));
  } else {
    UniqueRegion more(CreateRectRgnIndirect(&area));
    CombineRgn(dirty_.get(), dirty_.get(), more.get(), RGN_OR);
  }
  // Each invalidation is a trip to the window server: the system learns of
  // the changes once, when the outermost message has returned.
  unflushed_ = true;
  if (!backend_.inMessage()) flushInvalid();
}

void NativeWindow::flushInvalid() {
  if (!unflushed_) return;
  unflushed_ = false;
  if (hwnd() && dirty_) InvalidateRgn(hwnd(), dirty_.get(), FALSE);
}

void NativeWindow::render(HDC screen) {
  // What is drawn now must reach the screen too.
  flushInvalid();
  RECT client;
  GetClientRect(hwnd(), &client);
  if (buffer_.fit(screen, client.right, client.bottom)) dirty_.reset(CreateRectRgnIndirect(&client));
  RECT area;
  if (!buffer_.dc() || !dirty_ || GetRgnBox(dirty_.get(), &area) == NULLREGION ||
      !IntersectRect(&area, &area, &client))
    return;
  HDC dc = buffer_.dc();
  SelectClipRgn(dc, dirty_.get());
  fillSolid(dc, area, state_.background);
  // Only what meets the changed parts is drawn, each clipped to its part.
  tree_.paintOrder([&](const NativeControl& c) {
    const Placement& p = c.placement();
    RECT part;
    if (!c.painted() || !p.shown || !IntersectRect(&part, &p.clip, &area) ||
        !RectInRegion(dirty_.get(), &part))
      return;
    SetViewportOrgEx(dc, p.box.left, p.box.top, nullptr);
    SelectClipRgn(dc, dirty_.get());
    OffsetRect(&part, -p.box.left, -p.box.top);
    IntersectClipRect(dc, part.left, part.top, part.right, part.bottom);
    c.draw(dc, {0, 0, p.box.right - p.box.left, p.box.bottom - p.box.top});
  });
  SetViewportOrgEx(dc, 0, 0, nullptr);
  SelectClipRgn(dc, nullptr);
  dirty_.reset();
}

void NativeWindow::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  present(dc, ps.rcPaint);
  EndPaint(hwnd(), &ps);
}

void NativeWindow::present(HDC dc, const RECT& area) {
  render(dc);
  buffer_.copyTo(dc, area);
}

void NativeWindow::raiseLater(const NativeControl& c, Event e) {
  // By reference: the window may be closed before the queue runs.
  backend_.later([&ui = ui_, ref = c.ref(), e] {
    if (ui.isOpen(ref.window)) ui.raise(ref, e);
  });
}

void NativeWindow::notify(DWORD event, const NativeControl& c) const {
  if (hwnd()) NotifyWinEvent(event, hwnd(), OBJID_CLIENT, c.index() + 1);
}

void NativeWindow::noteMoved() {
  if (!hwnd() || IsIconic(hwnd())) return;
  RECT r;
  GetWindowRect(hwnd(), &r);
  ui_.noteWindowMoved(state_.id, geometry_.units(r.left), geometry_.units(r.top));
}

// The topmost control that takes the mouse gets it (hidden and disabled
// ones, labels and pictures let it through).
NativeControl* NativeWindow::hitTest(POINT p) const {
  return tree_.frontmost([p](const NativeControl& c) {
    const Placement& where = c.placement();
    return c.painted() && c.takesMouse() && where.shown && !c.state().disabled && PtInRect(&where.clip, p);
  });
}

bool NativeWindow::input(UINT msg, WPARAM wp, LPARAM lp) {
  const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  if (msg >= WM_MOUSEFIRST && msg <= WM_RBUTTONUP) tips_.relay(msg, wp, lp);
  switch (msg) {
    case WM_MOUSEMOVE:
      mouseMoved(p);
      return true;
    case WM_LBUTTONDOWN:
      leftDown(p);
      return true;
    case WM_LBUTTONUP:
      leftUp(p);
      return true;
    case WM_RBUTTONDOWN:
      if (NativeControl* c = hitTest(p); c && c->isButton()) ui_.raise(c->ref(), Event::RightButtonPressed);
      return true;
    case WM_MOUSELEAVE:
      tracking_ = false;
      tips_.pointerLeft();
      if (!pressed_) light(hot_, nullptr);
      return true;
    case WM_CAPTURECHANGED:
      // A drag outlives its capture (see leftDown).
      light(pressed_, nullptr);
      return true;
  }
  return false;
}

// Hover, press and focus each light one control: the one left and the one
// taken both repaint where the look shows (the focus only with its cues).
void NativeWindow::light(NativeControl*& slot, NativeControl* c, bool shows) {
  if (c == slot) return;
  NativeControl* before = std::exchange(slot, c);
  // Told after the change: a reader's hook may ask the state at once.
  for (NativeControl* changed : {before, c}) {
    if (!changed) continue;
    if (shows) changed->repaint();
    notify(EVENT_OBJECT_STATECHANGE, *changed);
  }
}

void NativeWindow::mouseMoved(POINT p) {
  if (dragging_) {
    follow(messageScreenPoint());
    return;
  }
  if (!tracking_) {
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hwnd(), 0};
    tracking_ = TrackMouseEvent(&t) != FALSE;
  }
  NativeControl* over = hitTest(p);
  // While a button is held, only it lights up, and only over itself.
  if (pressed_)
    light(hot_, over == pressed_ ? pressed_ : nullptr);
  else
    light(hot_, over && over->isButton() ? over : nullptr);
}

void NativeWindow::leftDown(POINT p) {
  NativeControl* c = hitTest(p);
  if (c && c->kind() == ControlKind::ShapeBox) {
    if (state_.dragControl && c->state().id == state_.dragControl) {
      // Tracked here rather than through HTCAPTION: the system move loop
      // is left to the window manager under some hosts. On a managed Wine
      // window the first move hands the activation the press gave to the
      // desktop window, and the capture with it: a timer follows the
      // pointer until the button is up, whoever has the mouse.
      RECT w;
      GetWindowRect(hwnd(), &w);
      SetCapture(hwnd());
      dragCursor_ = messageScreenPoint();
      dragOrigin_ = {w.left, w.top};
      dragging_ = true;
      SetTimer(hwnd(), kDragTimer, kDragTick, nullptr);
    }
    ui_.raise(c->ref(), Event::LeftButtonPressed);
  } else if (c && c->isButton()) {
    setFocus(c);
    SetCapture(hwnd());
    light(pressed_, c);
    light(hot_, c);
  }
}

void NativeWindow::follow(POINT at) {
  const POINT to{dragOrigin_.x + at.x - dragCursor_.x, dragOrigin_.y + at.y - dragCursor_.y};
  RECT now;
  // The timer ticks with the pointer still: a move to where the window is
  // would only cost the X server a round trip.
  if (GetWindowRect(hwnd(), &now) && now.left == to.x && now.top == to.y) return;
  SetWindowPos(hwnd(), nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeWindow::endDrag() {
  POINT at;
  if (GetCursorPos(&at)) follow(at);
  dragging_ = false;
  KillTimer(hwnd(), kDragTimer);
  if (GetCapture() == hwnd()) ReleaseCapture();
  // The press on the strip gave the window the keyboard, as a press on a
  // title bar does; it keeps it whatever the move took away.
  if (GetForegroundWindow() != hwnd()) SetForegroundWindow(hwnd());
}

void NativeWindow::leftUp(POINT p) {
  if (dragging_) {
    endDrag();
    return;
  }
  NativeControl* b = pressed_;
  if (!b) return;
  light(pressed_, nullptr);
  if (GetCapture() == hwnd()) ReleaseCapture();
  NativeControl* over = hitTest(p);
  light(hot_, over && over->isButton() ? over : nullptr);
  // Last: the handler may close this very window.
  if (over == b) ui_.raise(b->ref(), Event::Clicked);
}

NativeControl* NativeWindow::underPointer() const {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(hwnd(), &p);
  return hitTest(p);
}

bool NativeWindow::setCursor() {
  const NativeControl* c = underPointer();
  if (!c || c->state().pointer != Pointer::Hand) return false;
  SetCursor(LoadCursorA(nullptr, IDC_HAND));
  return true;
}

void NativeWindow::forget(const NativeControl& c) {
  if (hot_ == &c) light(hot_, nullptr);
  if (pressed_ == &c) {
    light(pressed_, nullptr);
    if (GetCapture() == hwnd()) ReleaseCapture();
  }
  // Views hide their buttons and show again those they still need: the
  // focus moves on once the handler is done.
  if (focused_ == &c && !backend_.inMessage()) settleFocus();
}

LRESULT NativeWindow::handle(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (input(msg, wp, lp)) return 0;
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint();
      return 0;
    case WM_PRINTCLIENT: {
      RECT r;
      GetClientRect(h, &r);
      present(reinterpret_cast<HDC>(wp), r);
      return 0;
    }
    case WM_SETFOCUS:
      restoreFocus();
      return 0;
    case WM_KILLFOCUS:
      endKeyPress();
      return 0;
    case WM_UPDATEUISTATE:
      // The system shows or hides the cues (Windows does on Alt).
      if ((HIWORD(wp) & UISF_HIDEFOCUS) && LOWORD(wp) != UIS_INITIALIZE) showCues(LOWORD(wp) == UIS_CLEAR);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
      if (key(msg, wp, lp)) return 0;
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wp) == h && LOWORD(lp) == HTCLIENT && setCursor()) return TRUE;
      break;
    case WM_MOVE:
      noteMoved();
      return 0;
    case kDpiChanged:
      // Moved to a display of another scale: the system suggests where.
      applyDpi(LOWORD(wp), reinterpret_cast<const RECT*>(lp));
      return 0;
    case kGetDpiScaledSize: {
      // The size at the coming DPI, rounded as the layout scales, so that
      // the suggested rectangle fits the boxes exactly.
      const DeviceGeometry at(LOWORD(wp));
      auto* size = reinterpret_cast<SIZE*>(lp);
      size->cx = at.pixels(state_.width);
      size->cy = at.pixels(state_.height);
      return TRUE;
    }
    case WM_CLOSE:
      // Through Ui, so owned windows and the closed hook follow.
      ui_.close(state_.id);
      return 0;
    case WM_TIMER:
      if (wp == kDragTimer && dragging_) {
        POINT at;
        // The physical button: with the buttons swapped the left one is VK_RBUTTON.
        const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
        if (!(GetAsyncKeyState(button) & 0x8000))
          endDrag();
        else if (GetCursorPos(&at))
          follow(at);
      }
      return 0;
    case WM_GETOBJECT:
      // Wine passes the id zero-extended: compared unconverted it never matches.
      if (static_cast<LONG>(lp) == OBJID_CLIENT)
        if (const LRESULT r = access_.answer(wp)) return r;
      break;
    case WM_DESTROY:
      // The one teardown, whether destroy() or the system (with the owner)
      // ended the window; the backend forgets a window it still holds.
      access_.close();
      tips_.destroy();
      hwnd_.release();
      backend_.nativeWindowGone(state_.id);
      return 0;
    case WM_NOTIFY:
      if (tips_.answer(lp)) return 0;
      // A stock control's notifications go back to it.
      if (StockControl* c = StockControl::fromHwnd(reinterpret_cast<NMHDR*>(lp)->hwndFrom)) {
        LRESULT r = 0;
        if (c->reflected(msg, wp, lp, r)) return r;
      }
      break;
  }
  return DefWindowProcW(h, msg, wp, lp);
}

LRESULT CALLBACK NativeWindow::procedure(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<NativeWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    if (self) self->hwnd_.reset(h);
  }
  auto* self = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(h, GWLP_USERDATA));
  if (!self || msg == WM_NCDESTROY) {
    if (self) SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    return DefWindowProcW(h, msg, wp, lp);
  }
  MessageScope scope(self->backend_);
  return self->handle(h, msg, wp, lp);
}

}  // namespace vex::win
