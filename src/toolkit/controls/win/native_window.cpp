#include "toolkit/controls/win/native_window.h"

#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/controls/win/win32_backend.h"
#include "toolkit/system/wide_text.h"

namespace vex::win {
namespace {

constexpr wchar_t kClass[] = L"VexWindow";
constexpr UINT kRaiseLater = WM_APP + 2;
constexpr UINT_PTR kFirstTimerId = 0x7000;
constexpr DWORD kStyle = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_TOPMOST;
constexpr int kTipWidth = 400;  // the widest tooltip, before it wraps
// Newer than the headers' target system.
constexpr UINT kDpiChanged = 0x02E0;        // WM_DPICHANGED
constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE
// Deeper nesting of boxes than this is a broken layout, not a design.
constexpr int kMaxDepth = 16;

bool samePlacement(const Placement& a, const Placement& b) {
  return a.shown == b.shown && EqualRect(&a.layout, &b.layout) && EqualRect(&a.box, &b.box) &&
         EqualRect(&a.clip, &b.clip);
}

}  // namespace

std::unique_ptr<NativeControl> makeControl(NativeWindow& window, ControlState& state, UINT_PTR timerId) {
  switch (state.kind) {
    case ControlKind::ShapeBox:
      return std::make_unique<ShapeBox>(window, state);
    case ControlKind::Label:
      return std::make_unique<Label>(window, state);
    case ControlKind::PicBox:
      return std::make_unique<PicBox>(window, state);
    case ControlKind::SuperBtn:
      return std::make_unique<SuperBtn>(window, state);
    case ControlKind::ListView:
      return std::make_unique<ListView>(window, state);
    case ControlKind::ProcessBar:
      return std::make_unique<ProcessBar>(window, state);
    case ControlKind::Timer:
      return std::make_unique<TimerControl>(window, state, timerId);
    case ControlKind::Window:
      break;
  }
  return nullptr;
}

NativeWindow::NativeWindow(Win32Backend& backend, Ui& ui, WindowState& state, HWND owner)
    : backend_(backend), ui_(ui), state_(state), owner_(owner) {}

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
  background_.reset(CreateSolidBrush(state_.background));
  // A first guess: the window learns its own DPI once it is on a display.
  geometry_.setDpi(systemDpi());
  const SIZE size = clientSize();
  int x = geometry_.pixels(state_.left), y = geometry_.pixels(state_.top);
  if (state_.centred) {
    x = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
  }
  CreateWindowExW(kExStyle, kClass, widen(state_.caption).c_str(), kStyle, x, y, size.cx, size.cy, owner_,
                  nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd()) return;
  font_ = backend_.font(geometry_.dpi());
  tips_.attach(hwnd(), font_);
  tips_.setScale(font_, geometry_.pixels(kTipWidth));
  if (const int dpi = windowDpi(hwnd()); dpi != geometry_.dpi()) {
    // Opened on a display of another scale than the system's.
    DeviceGeometry at;
    at.setDpi(dpi);
    RECT r = at.box(state_.left, state_.top, state_.width, state_.height);
    if (state_.centred)
      OffsetRect(&r, (GetSystemMetrics(SM_CXSCREEN) - r.right + r.left) / 2 - r.left,
                 (GetSystemMetrics(SM_CYSCREEN) - r.bottom + r.top) / 2 - r.top);
    applyDpi(dpi, &r);
  }
  createControls();
  noteMoved();
}

// The window has no frame: its outer size is its client size.
SIZE NativeWindow::clientSize() const {
  RECT r = geometry_.box(0, 0, state_.width, state_.height);
  AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
  return {r.right - r.left, r.bottom - r.top};
}

void NativeWindow::moveTo(int left, int top) {
  if (hwnd())
    SetWindowPos(hwnd(), nullptr, geometry_.pixels(left), geometry_.pixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeWindow::applyDpi(int dpi, const RECT* suggested) {
  geometry_.setDpi(dpi);
  font_ = backend_.font(geometry_.dpi());
  tips_.setScale(font_, geometry_.pixels(kTipWidth));
  // Before the move: WM_MOVE reads the new position back at the new scale.
  if (suggested)
    SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  // Boxes come before their children in painting order.
  for (NativeControl* c : paintOrder_) {
    c->place(placementOf(*c));
    c->dpiChanged();
    updateTip(*c);
  }
  RECT client;
  GetClientRect(hwnd(), &client);
  invalidate(client);
}

void NativeWindow::show() {
  if (!hwnd() || IsWindowVisible(hwnd())) return;
  // An overlay beside the game must not take the game's keyboard focus
  // each time one of its windows opens; a click activates it as usual.
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd());
}

void NativeWindow::destroy() {
  if (destroying_) return;
  destroying_ = true;
  tips_.destroy();
  hwnd_.reset();
}

NativeControl* NativeWindow::control(std::int32_t id) const {
  for (const auto& c : controls_)
    if (c && c->state().id == id) return c.get();
  return nullptr;
}

void NativeWindow::createControls() {
  controls_.clear();
  UINT_PTR timerId = kFirstTimerId;
  for (ControlState& c : state_.controls) controls_.push_back(makeControl(*this, c, timerId++));
  // A control lies in its parent when that is a ShapeBox; a chain that
  // loops or runs too deep puts it straight on the window.
  for (const auto& c : controls_) {
    if (!c || !c->state().parent) continue;
    NativeControl* parent = control(c->state().parent);
    if (parent && parent != c.get() && parent->kind() == ControlKind::ShapeBox) c->setBox(parent);
  }
  for (const auto& c : controls_) {
    if (!c) continue;
    int depth = 0;
    for (const NativeControl* b = c->box(); b && depth <= kMaxDepth; b = b->box()) ++depth;
    if (depth > kMaxDepth) c->setBox(nullptr);
  }
  paintOrder_.clear();
  orderForPainting(nullptr, 0);
  for (NativeControl* c : paintOrder_) c->place(placementOf(*c));
  // In painting order: each stock window made later lies above the earlier.
  for (NativeControl* c : paintOrder_) {
    c->create();
    updateTip(*c);
  }
}

// Earlier rows of the table lie above later ones; a box's children lie
// above the box, in the same order among themselves.
void NativeWindow::orderForPainting(const NativeControl* box, int depth) {
  if (depth > kMaxDepth) return;
  for (std::size_t i = controls_.size(); i-- > 0;) {
    NativeControl* c = controls_[i].get();
    if (!c || c->box() != box) continue;
    paintOrder_.push_back(c);
    if (c->kind() == ControlKind::ShapeBox) orderForPainting(c, depth + 1);
  }
}

Placement NativeWindow::placementOf(const NativeControl& c) const {
  const ControlState& s = c.state();
  Placement p;
  if (const NativeControl* box = c.box()) {
    const Placement& outer = box->placement();
    const int x = outer.layout.left + s.left, y = outer.layout.top + s.top;
    p.layout = {x, y, x + s.width, y + s.height};
    p.box = geometry_.box(p.layout);
    IntersectRect(&p.clip, &p.box, &outer.clip);
    p.shown = s.visible && outer.shown;
  } else {
    auto [x, y] = s.parent ? ui_.windowPosition(c.ref()) : std::pair{s.left, s.top};
    p.layout = {x, y, x + s.width, y + s.height};
    p.box = geometry_.box(p.layout);
    p.clip = p.box;
    p.shown = s.visible;
  }
  return p;
}

void NativeWindow::relayout(const NativeControl& moved) {
  auto follows = [&moved](const NativeControl* c) {
    // A parent that is no box still places its child (Ui::windowPosition).
    if (!c->box() && c->state().parent) return true;
    for (int depth = 0; c && depth <= kMaxDepth; c = c->box(), ++depth)
      if (c == &moved) return true;
    return false;
  };
  // Boxes come before their children in painting order.
  for (NativeControl* c : paintOrder_) {
    if (!follows(c)) continue;
    const Placement before = c->placement();
    const Placement now = placementOf(*c);
    if (samePlacement(before, now)) continue;
    if (c->painted()) {
      if (before.shown) invalidate(before.clip);
      if (now.shown) invalidate(now.clip);
    }
    c->place(now);
    if (!now.shown) forget(*c);
    updateTip(*c);
  }
}

void NativeWindow::updateTip(const NativeControl& c) {
  const Placement& p = c.placement();
  static const Text kNone;
  tips_.set(c.state().id, c.painted() && p.shown ? c.state().hint : kNone, p.box);
}

void NativeWindow::invalidate(const RECT& area) {
  if (IsRectEmpty(&area)) return;
  UnionRect(&dirty_, &dirty_, &area);
  // Painted when the handler has returned: its writes reach the screen as one.
  if (hwnd()) InvalidateRect(hwnd(), &area, FALSE);
}

void NativeWindow::render(HDC screen) {
  RECT client;
  GetClientRect(hwnd(), &client);
  if (buffer_.fit(screen, client.right, client.bottom)) dirty_ = client;
  RECT area;
  if (!buffer_.dc() || !IntersectRect(&area, &dirty_, &client)) return;
  dirty_ = {};
  HDC dc = buffer_.dc();
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  FillRect(dc, &area, background_.get());
  for (const NativeControl* c : paintOrder_) {
    const Placement& p = c->placement();
    RECT part;
    if (!c->painted() || !p.shown || !IntersectRect(&part, &p.clip, &area)) continue;
    const int one = SaveDC(dc);
    IntersectClipRect(dc, part.left, part.top, part.right, part.bottom);
    SetViewportOrgEx(dc, p.box.left, p.box.top, nullptr);
    c->draw(dc, {0, 0, p.box.right - p.box.left, p.box.bottom - p.box.top});
    RestoreDC(dc, one);
  }
  RestoreDC(dc, saved);
}

void NativeWindow::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  render(dc);
  buffer_.copyTo(dc, ps.rcPaint);
  EndPaint(hwnd(), &ps);
  ++paints_;
}

WindowPixels NativeWindow::drawnPixels() {
  if (!hwnd()) return {};
  HDC dc = GetDC(hwnd());
  render(dc);
  ReleaseDC(hwnd(), dc);
  return buffer_.pixels();
}

void NativeWindow::raiseLater(const NativeControl& c, Event e) {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i].get() == &c) PostMessageW(hwnd(), kRaiseLater, i, static_cast<LPARAM>(e));
}

void NativeWindow::noteMoved() {
  if (!hwnd() || IsIconic(hwnd())) return;
  RECT r;
  GetWindowRect(hwnd(), &r);
  ui_.noteWindowMoved(state_.id, geometry_.units(r.left), geometry_.units(r.top));
}

LRESULT NativeWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
  if (input(msg, wp, lp)) return 0;
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint();
      return 0;
    case WM_PRINTCLIENT: {
      const HDC dc = reinterpret_cast<HDC>(wp);
      render(dc);
      RECT r;
      GetClientRect(hwnd(), &r);
      buffer_.copyTo(dc, r);
      return 0;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wp) == hwnd() && LOWORD(lp) == HTCLIENT && setCursor()) return TRUE;
      break;
    case WM_MOVE:
      noteMoved();
      return 0;
    case WM_SIZE:
      if (wp == SIZE_MINIMIZED) ui_.noteMinimised(state_.id, true);
      if (wp == SIZE_RESTORED) ui_.noteMinimised(state_.id, false);
      return 0;
    case kDpiChanged:
      // Moved to a display of another scale: the system suggests where.
      applyDpi(LOWORD(wp), reinterpret_cast<const RECT*>(lp));
      return 0;
    case kGetDpiScaledSize: {
      // The size at the coming DPI, rounded as the layout scales, so that
      // the suggested rectangle fits the boxes exactly.
      DeviceGeometry at;
      at.setDpi(LOWORD(wp));
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
      return 0;
    case kRaiseLater:
      if (wp < controls_.size() && controls_[wp]) ui_.raise(controls_[wp]->ref(), static_cast<Event>(lp));
      return 0;
    case WM_DESTROY:
      if (!destroying_) {
        destroying_ = true;
        tips_.destroy();
        backend_.nativeWindowGone(state_.id);
      }
      return 0;
    default: {
      LRESULT r = 0;
      if (reflectToChild(msg, wp, lp, r)) return r;
    }
  }
  return DefWindowProcW(hwnd(), msg, wp, lp);
}

LRESULT CALLBACK NativeWindow::procedure(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  NativeWindow* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<NativeWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    if (self) self->hwnd_.reset(h);
  } else {
    self = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(h, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(h, msg, wp, lp);
  MessageScope scope(self->backend_);
  if (msg == WM_NCDESTROY) {
    self->hwnd_.release();
    SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    return DefWindowProcW(h, msg, wp, lp);
  }
  return self->handle(msg, wp, lp);
}

}  // namespace vex::win
