#include "toolkit/controls/win/native_window.h"

#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/system/wide_text.h"
#include "toolkit/controls/win/win32_backend.h"

namespace vex::win {
namespace {

constexpr wchar_t kClass[] = L"VexWindow";
constexpr UINT kRaiseLater = WM_APP + 2;
constexpr UINT_PTR kFirstTimerId = 0x7000;
// Deeper nesting of boxes than this is a broken layout, not a design.
constexpr int kMaxDepth = 16;

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
  const DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX;
  const DWORD exStyle = WS_EX_TOPMOST;
  RECT r{0, 0, state_.width, state_.height};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  const int w = r.right - r.left, h = r.bottom - r.top;
  int x = state_.left, y = state_.top;
  if (state_.centred) {
    x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  }
  CreateWindowExW(exStyle, kClass, widen(state_.caption).c_str(), style, x, y, w, h, owner_, nullptr,
                  GetModuleHandleW(nullptr), this);
  if (!hwnd()) return;
  createControls();
  noteMoved();
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
  tooltip_.reset();
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
  std::vector<bool> made(controls_.size(), false);
  createUnder(0, hwnd(), made, 0);
  // Whatever a broken parent chain left out goes straight on the window.
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (made[i] || !controls_[i]) continue;
    made[i] = true;
    auto [x, y] = ui_.windowPosition(controls_[i]->ref());
    controls_[i]->setPlacement(hwnd(), false);
    controls_[i]->create(hwnd(), x, y);
  }
  stackControls();
  std::vector<bool> seen(controls_.size(), false);
  paintOrder_.clear();
  orderForPainting(0, seen, 0);
}

// Parents before children, whatever the order of the table.
void NativeWindow::createUnder(std::int32_t parentId, HWND parentHwnd, std::vector<bool>& made, int depth) {
  if (depth > kMaxDepth) return;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    NativeControl* c = controls_[i].get();
    if (!c || made[i]) continue;
    const ControlState& s = c->state();
    const NativeControl* parent = s.parent ? control(s.parent) : nullptr;
    const bool boxParent = parent && parent->state().kind == ControlKind::ShapeBox && parent != c;
    if (parentId == 0 ? boxParent : s.parent != parentId) continue;
    made[i] = true;
    if (parentId == 0) {
      auto [x, y] = ui_.windowPosition(c->ref());
      c->setPlacement(parentHwnd, false);
      c->create(parentHwnd, x, y);
    } else {
      c->setPlacement(parentHwnd, true);
      c->create(parentHwnd, s.left, s.top);
    }
    if (s.kind == ControlKind::ShapeBox && c->hwnd()) createUnder(s.id, c->hwnd(), made, depth + 1);
  }
}

// Earlier rows of the table lie above later ones.
void NativeWindow::stackControls() {
  for (const auto& c : controls_)
    if (c && c->hwnd())
      SetWindowPos(c->hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void NativeWindow::orderForPainting(std::int32_t parentId, std::vector<bool>& seen, int depth) {
  if (depth > kMaxDepth) return;
  const HWND parentHwnd = parentId ? control(parentId)->hwnd() : hwnd();
  for (std::size_t i = controls_.size(); i-- > 0;) {
    const NativeControl* c = controls_[i].get();
    if (!c || seen[i] || !c->hwnd() || GetParent(c->hwnd()) != parentHwnd) continue;
    seen[i] = true;
    paintOrder_.push_back(c);
    if (c->state().kind == ControlKind::ShapeBox) orderForPainting(c->state().id, seen, depth + 1);
  }
}

void NativeWindow::paintBeneath(HDC dc, const NativeControl& target) const {
  const RECT t = target.windowRect();
  RECT all{0, 0, t.right - t.left, t.bottom - t.top};
  FillRect(dc, &all, background_.get());
  for (const NativeControl* c : paintOrder_) {
    if (c == &target) break;
    if (!c->ownDrawn() || !IsWindowVisible(c->hwnd())) continue;
    const RECT r = c->windowRect();
    RECT overlap;
    if (!IntersectRect(&overlap, &r, &t)) continue;
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, r.left - t.left, r.top - t.top, nullptr);
    IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
    c->draw(dc);
    RestoreDC(dc, saved);
  }
}

void NativeWindow::setTip(const NativeControl& c, const Text& hint) {
  if (!c.hwnd() || !hwnd()) return;
  if (!tooltip_) {
    if (hint.empty()) return;
    tooltip_.reset(CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!tooltip_) return;
    SendMessageW(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, 400);
  }
  std::wstring text = widen(hint);
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = hwnd();
  info.uId = reinterpret_cast<UINT_PTR>(c.hwnd());
  // No text buffer for the query: the tool's old text could be longer.
  info.lpszText = nullptr;
  const bool known = SendMessageW(tooltip_.get(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.lpszText = text.data();
  if (hint.empty()) {
    if (known) SendMessageW(tooltip_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  } else {
    SendMessageW(tooltip_.get(), known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0,
                 reinterpret_cast<LPARAM>(&info));
  }
}

void NativeWindow::raiseLater(const NativeControl& c, Event e) {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i].get() == &c) PostMessageW(hwnd(), kRaiseLater, i, static_cast<LPARAM>(e));
}

void NativeWindow::noteMoved() {
  if (!hwnd() || IsIconic(hwnd())) return;
  RECT r;
  GetWindowRect(hwnd(), &r);
  ui_.noteWindowMoved(state_.id, r.left, r.top);
}

LRESULT NativeWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      FillRect(dc, &ps.rcPaint, background_.get());
      EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT r;
      GetClientRect(hwnd(), &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, background_.get());
      return 0;
    }
    case WM_MOVE:
      noteMoved();
      return 0;
    case WM_SIZE:
      if (wp == SIZE_MINIMIZED) ui_.noteMinimised(state_.id, true);
      if (wp == SIZE_RESTORED) ui_.noteMinimised(state_.id, false);
      return 0;
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
        // Owned windows, the tooltip among them, may be gone already.
        if (IsWindow(tooltip_.get())) tooltip_.reset();
        tooltip_.release();
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
