// The window toolkit's state and operations. Windows are opened from their
// layouts; controls are addressed by (window id, control id). Every write
// lands in plain data first and is then passed to the backend (the Win32
// side, or nothing in native tests), which draws from that data; a write of
// the value already held goes no further.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <tuple>

#include "toolkit/controls/ui_types.h"

namespace vex {

// What a write changed, so the backend redraws only that.
enum class Change {
  Geometry,
  Visibility,
  Enabled,
  Caption,
  Hint,
  Picture,
  Colours,
  Pointer,
  ListContent,
  ListSelection,
  Progress
};

// The backend's side of one control: told of each change of its state.
class ControlPeer {
 public:
  virtual void changed(Change what) = 0;

 protected:
  ~ControlPeer() = default;
};

class UiBackend {
 public:
  virtual ~UiBackend() = default;
  // Create the native window and its controls from `window` (already
  // positioned; centred windows are centred by the backend, which writes
  // the resulting left/top back into `window`).
  virtual void createWindow(WindowState& window) = 0;
  // The created handler has run (placement and keying done): a backend that
  // created the window hidden shows it now, so it never flashes elsewhere.
  virtual void windowReady(std::int32_t /*window*/) {}
  // Ends the window; its state is the backend's from now on, kept as long
  // as anything of the native window may still read it.
  virtual void destroyWindow(std::unique_ptr<WindowState> window) = 0;
  virtual void minimiseWindow(std::int32_t window) = 0;
  virtual void bringToFront(std::int32_t window) = 0;
  virtual void moveWindow(std::int32_t window, int left, int top) = 0;
  // `peer` draws a control whose state changed.
  virtual void controlChanged(ControlPeer& peer, Change what) = 0;
  virtual void* nativeHandle(std::int32_t window) = 0;
  // Runs `handler` as one message of the backend: what it writes reaches
  // the screen once, when it has returned.
  virtual void handle(const std::function<void()>& handler) { handler(); }
};

using Handler = std::function<void()>;

class Ui {
 public:
  explicit Ui(UiBackend* backend = nullptr) : backend_(backend) {}
  Ui(const Ui&) = delete;
  Ui& operator=(const Ui&) = delete;

  void setBackend(UiBackend* backend) { backend_ = backend; }

  // --- layouts and handlers (registered once, before any window opens)
  void addLayout(WindowLayout layout);
  const WindowLayout& layout(std::int32_t window) const;
  void bind(ControlRef ref, Event event, Handler handler);
  void bindCreated(std::int32_t window, Handler handler);
  // Called after a window has been closed (by code or by the user).
  void setClosedHook(std::function<void(std::int32_t)> hook) { closedHook_ = std::move(hook); }

  // --- windows
  // Opens a window from its layout and runs its created handler. A window
  // that is already open is brought to the front instead; returns whether it
  // was newly opened.
  bool open(std::int32_t window, std::int32_t owner = 0);
  void close(std::int32_t window);
  void minimise(std::int32_t window);
  bool isOpen(std::int32_t window) const { return windows_.count(window) != 0; }
  int windowLeft(std::int32_t window) const;
  int windowTop(std::int32_t window) const;
  void moveWindow(std::int32_t window, int left, int top);
  Colour windowBackground(std::int32_t window) const;
  void* nativeHandle(std::int32_t window) const;
  const WindowState* window(std::int32_t id) const;
  WindowState* window(std::int32_t id);

  // --- controls: reads of a closed window's control give the layout's
  // initial state; writes to it are dropped.
  const ControlState& control(ControlRef ref) const;
  bool exists(ControlRef ref) const;
  // Where the control stands in its window's control table (a reader's
  // child id is one more), -1 for none.
  int indexOf(ControlRef ref) const;
  // Position of a control inside its window's client area (parents added up).
  std::pair<int, int> windowPosition(ControlRef ref) const;

  void setCaption(ControlRef ref, const Text& text);
  void setHint(ControlRef ref, const Text& text);
  void setPicture(ControlRef ref, Bytes picture);
  void setHoverPicture(ControlRef ref, Bytes picture);
  void setPictureKey(ControlRef ref, Colour key);
  void setVisible(ControlRef ref, bool visible);
  void setDisabled(ControlRef ref, bool disabled);
  void setBounds(ControlRef ref, int left, int top, int width, int height);
  void setTextColour(ControlRef ref, ButtonState state, Colour colour);
  void setBackColour(ControlRef ref, ButtonState state, Colour colour);
  void setPointer(ControlRef ref, Pointer pointer);
  void setProgress(ControlRef ref, int position);
  // Kept for reading back only: see ControlState::timerInterval.
  void setTimerInterval(ControlRef ref, int milliseconds);

  // --- list views (rows and columns from 0)
  void listSetPictures(ControlRef ref, std::span<const std::uint8_t> pictureSet);
  void listClear(ControlRef ref);
  int listAppendRow(ControlRef ref);  // returns the new row's index
  void listSetCell(ControlRef ref, int row, int column, const Text& text);
  void listSetCellImage(ControlRef ref, int row, int column, int image);
  Text listCell(ControlRef ref, int row, int column) const;
  int listRowCount(ControlRef ref) const;
  int listColumnCount(ControlRef ref) const;
  int listSelected(ControlRef ref) const;
  void listSelect(ControlRef ref, int row);  // -1 clears; also what the user's click does
  // Rows in ascending byte order of the column's text; equal keys keep their order.
  void sortListByColumn(ControlRef ref, int column);

  // --- events, raised by the backend (or a test) on the UI thread
  void raise(ControlRef ref, Event event);
  bool hasHandler(ControlRef ref, Event event) const;

  // For the backend: the user moved a window / picked a list row.
  void noteWindowMoved(std::int32_t window, int left, int top);
  void noteListSelection(ControlRef ref, int row);
  // For the backend: the user closed a window natively (e.g. Alt+F4).
  void noteClosed(std::int32_t window);

 private:
  const WindowState* table(std::int32_t window) const;
  ControlState* find(ControlRef ref);
  const ControlState* find(ControlRef ref) const;
  ControlState* writable(ControlRef ref);
  void changed(ControlState& control, Change what);

  UiBackend* backend_ = nullptr;
  std::map<std::int32_t, WindowLayout> layouts_;
  std::map<std::int32_t, std::unique_ptr<WindowState>> windows_;
  std::map<std::tuple<std::int32_t, std::int32_t, int>, Handler> handlers_;
  std::function<void(std::int32_t)> closedHook_;
};

}  // namespace vex
