#include "toolkit/controls/win/win32_backend.h"

#include "toolkit/access/oleacc_library.h"
#include "toolkit/controls/win/native_window.h"
#include "toolkit/system/device_geometry.h"
#include "toolkit/system/interface_font.h"

namespace vex::win {

Win32Backend::Win32Backend(Ui& ui)
    : ui_(ui), dispatcher_([this](const std::function<void()>& task) { handle(task); }) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  NativeWindow::registerClass(GetModuleHandleW(nullptr));
  font(systemDpi());  // made up front, as most windows will want it
  ui_.setBackend(this);
}

HFONT Win32Backend::font(int dpi) const {
  UniqueFont& font = fonts_[dpi];
  if (!font) font = makeInterfaceFont(dpi);
  return font.get();
}

Win32Backend::~Win32Backend() {
  ui_.setBackend(nullptr);
  ++depth_;  // nothing is run half-way through the teardown
  // Out of the map first: a window's teardown asks the backend about itself.
  auto open = std::move(windows_);
  windows_.clear();
  open.clear();
  auto pending = std::move(queue_);
  queue_.clear();
  pending.clear();
  --depth_;
}

const OleaccLibrary* Win32Backend::oleacc() {
  if (!oleacc_) oleacc_ = std::make_unique<OleaccLibrary>();
  return oleacc_->loaded() ? oleacc_.get() : nullptr;
}

int Win32Backend::runMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

NativeWindow* Win32Backend::find(std::int32_t window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second.get();
}

void Win32Backend::createWindow(WindowState& window) {
  bury(window.id);
  HWND owner = window.owner ? windowHandle(window.owner) : nullptr;
  auto native = std::make_unique<NativeWindow>(*this, window, owner);
  NativeWindow& w = *native;
  windows_[window.id] = std::move(native);
  MessageScope scope(*this);
  w.create();
}

void Win32Backend::windowReady(std::int32_t window) {
  if (NativeWindow* w = find(window)) {
    MessageScope scope(*this);
    w->show();
  }
}

// A closed window goes out of the map at once and is freed, with the state
// it draws, when the outermost message ends: the message that closed it may
// still be inside one of its controls.
void Win32Backend::bury(std::int32_t window, std::unique_ptr<WindowState> state) {
  struct Burial {
    std::unique_ptr<WindowState> state;
    std::unique_ptr<NativeWindow> window;  // freed before the state it reads
  };
  auto node = windows_.extract(window);
  if (node.empty()) return;
  node.mapped()->destroy();
  auto burial = std::make_shared<Burial>(Burial{std::move(state), std::move(node.mapped())});
  // The closed windows' pictures become spare: the cache keeps only a few.
  later([this, burial] {
    burial->window.reset();
    burial->state.reset();
    pictures_.trim();
  });
}

void Win32Backend::destroyWindow(std::unique_ptr<WindowState> window) {
  MessageScope scope(*this);
  if (!window) return;
  const std::int32_t id = window->id;  // read before the state moves into the burial
  bury(id, std::move(window));
}

void Win32Backend::nativeWindowGone(std::int32_t window) {
  if (!find(window)) return;
  if (ui_.isOpen(window))
    ui_.noteClosed(window);
  else
    bury(window);
}

void Win32Backend::later(std::function<void()> task) {
  queue_.push_back(std::move(task));
  if (depth_ == 0 && queue_.size() == 1) dispatcher_.post([] {});
}

void Win32Backend::handle(const std::function<void()>& handler) {
  MessageScope scope(*this);
  handler();
}

void Win32Backend::leaveMessage() {
  if (depth_ == 1) {
    // The tasks may put off more work, and close windows.
    while (!queue_.empty()) {
      auto tasks = std::move(queue_);
      queue_.clear();
      for (auto& task : tasks) task();
    }
    for (const auto& [id, w] : windows_) {
      w->settleFocus();
      w->flushInvalid();
    }
  }
  --depth_;
}

void Win32Backend::minimiseWindow(std::int32_t window) {
  if (HWND h = windowHandle(window)) ShowWindow(h, SW_MINIMIZE);
}

void Win32Backend::bringToFront(std::int32_t window) {
  HWND h = windowHandle(window);
  if (!h) return;
  if (IsIconic(h)) ShowWindow(h, SW_RESTORE);
  SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(h);
}

void Win32Backend::moveWindow(std::int32_t window, int left, int top) {
  if (NativeWindow* w = find(window)) w->moveTo(left, top);
}

// A write from outside any message (a test's, a benchmark's) is not made
// one: its repaint goes out at once, and what it puts off waits for the
// message loop, so a run of such writes still syncs a list once.
void Win32Backend::controlChanged(ControlPeer& peer, Change what) { peer.changed(what); }

void* Win32Backend::nativeHandle(std::int32_t window) { return windowHandle(window); }

NativeControl* Win32Backend::find(ControlRef ref) const {
  NativeWindow* w = find(ref.window);
  return w ? w->control(ref.control) : nullptr;
}

HWND Win32Backend::windowHandle(std::int32_t window) const {
  NativeWindow* w = find(window);
  return w ? w->hwnd() : nullptr;
}

}  // namespace vex::win
