// The control kinds a window is built from, one class each.
#pragma once
#include <memory>
#include <span>
#include <vector>

#include "toolkit/controls/win/stock_control.h"
#include "toolkit/pictures/gdi_picture.h"

namespace vex::win {

std::unique_ptr<NativeControl> makeControl(NativeWindow& window, ControlState& state, UINT_PTR timerId);

// Filled rectangle and container; the window's title strip drags the window.
class ShapeBox final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void draw(HDC dc, const RECT& box) const override;
};

// Static text.
class Label final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void draw(HDC dc, const RECT& box) const override;
};

// A picture.
class PicBox final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void create() override;
  void changed(Change what) override;
  void dpiChanged() override;
  void draw(HDC dc, const RECT& box) const override;

 private:
  bool load();
  CachedPicture picture_;
};

// Flat button with colours per state, a resting and a hover picture. Its
// window tells it when the pointer is over it and when it is held down.
class SuperBtn final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void create() override;
  void changed(Change what) override;
  void dpiChanged() override;
  void draw(HDC dc, const RECT& box) const override;

  void setHover(bool hover);
  void setPressed(bool pressed);

 private:
  ButtonState visualState() const;
  bool loadPictures();
  CachedPicture resting_, hovered_;
  bool hover_ = false, pressed_ = false;
};

// comctl32's report list view, kept in step with the ListViewState.
class ListView final : public StockControl {
 public:
  using StockControl::StockControl;
  void create() override;
  void changed(Change what) override;
  void dpiChanged() override;
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
  bool syncing_ = false;
  bool syncPending_ = false;
};

class ProcessBar final : public StockControl {
 public:
  using StockControl::StockControl;
  void create() override;
  void changed(Change what) override;
};

// No window and no drawing: a system timer on the top-level window.
class TimerControl final : public NativeControl {
 public:
  TimerControl(NativeWindow& window, ControlState& state, UINT_PTR timerId)
      : NativeControl(window, state), timerId_(timerId) {}
  void create() override;
  void changed(Change what) override;
  bool painted() const override { return false; }

 private:
  void apply();
  UINT_PTR timerId_;
};

// The kind behind a control, or null when it is another kind.
inline SuperBtn* asButton(NativeControl* c) {
  return c && c->kind() == ControlKind::SuperBtn ? static_cast<SuperBtn*>(c) : nullptr;
}

}  // namespace vex::win
