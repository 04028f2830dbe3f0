// The control kinds a window is built from, one class each.
#pragma once
#include <memory>
#include <span>
#include <vector>

#include "toolkit/pictures/gdi_picture.h"
#include "toolkit/controls/win/native_control.h"

namespace vex::win {

std::unique_ptr<NativeControl> makeControl(NativeWindow& window, ControlState& state, UINT_PTR timerId);

// Filled rectangle and container; the window's title strip drags the window.
class ShapeBox final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void draw(HDC dc) const override;
  bool opaque() const override { return true; }

 private:
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
  POINT dragCursor_{};
  POINT dragOrigin_{};
  bool dragging_ = false;
};

// Static text; the mouse passes through it to what lies beneath.
class Label final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void draw(HDC dc) const override;
  bool opaque() const override { return state_.backColour[kNormal] != kDefaultColour; }

 private:
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
};

// A picture; the mouse passes through it as well.
class PicBox final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void create(HWND parent, int x, int y) override;
  void changed(Change what) override;
  void draw(HDC dc) const override;

 private:
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
  CachedPicture picture_;
};

// Flat button with colours per state, a resting and a hover picture.
class SuperBtn final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void create(HWND parent, int x, int y) override;
  void changed(Change what) override;
  void draw(HDC dc) const override;
  bool opaque() const override { return state_.backColour[visualState()] != kDefaultColour; }

  bool hovering() const { return hover_; }
  bool pressed() const { return pressed_; }

 private:
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
  ButtonState visualState() const;
  bool loadPictures();
  void setHover(bool hover);
  CachedPicture resting_, hovered_;
  bool hover_ = false, pressed_ = false;
};

// comctl32's report list view, kept in step with the ListViewState.
class ListView final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void create(HWND parent, int x, int y) override;
  void changed(Change what) override;
  bool ownDrawn() const override { return false; }
  bool reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
  void scheduleSync();
  void sync();
  void syncSelection(bool force);
  const ListCell* cellAt(int row, int column) const;
  // The native list's questions (owner data): a cell's text and picture,
  // the row a typed prefix names.
  void answer(NMLVDISPINFOW& info) const;
  int find(const NMLVFINDITEMW& request) const;
  std::vector<std::vector<ListCell>> shown_;  // the rows the native list last drew
  std::span<const std::uint8_t> shownSet_;
  UniqueImageList images_;
  bool syncing_ = false;
  bool syncPending_ = false;
};

class ProcessBar final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void create(HWND parent, int x, int y) override;
  void changed(Change what) override;
  bool ownDrawn() const override { return false; }
};

// No window of its own: a system timer on the top-level window.
class TimerControl final : public NativeControl {
 public:
  TimerControl(NativeWindow& window, ControlState& state, UINT_PTR timerId)
      : NativeControl(window, state), timerId_(timerId) {}
  ~TimerControl() override;
  void create(HWND parent, int x, int y) override;
  void changed(Change what) override;
  bool ownDrawn() const override { return false; }

 private:
  void apply();
  UINT_PTR timerId_;
  HWND timerWindow_ = nullptr;
};

// Reads a picture set ("MITL", 4 reserved bytes, image-list stream).
UniqueImageList readPictureSet(std::span<const std::uint8_t> set);

}  // namespace vex::win
