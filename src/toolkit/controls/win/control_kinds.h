// The painted control kinds and the small stock ones, one class each; the
// list view has its own header.
#pragma once
#include <memory>

#include "toolkit/controls/win/stock_control.h"
#include "toolkit/pictures/gdi_picture.h"

namespace vex::win {

// The object for `state`, the `index`th control of `window`; a kind with
// nothing to show (a timer, which keeps its interval only) gets a bare one.
std::unique_ptr<NativeControl> makeControl(NativeWindow& window, ControlState& state, int index);

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

// A kind that shows pictures: taken from the cache anew when they, the
// enabled state (which greys them) or the window's scale change.
class PicturedControl : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void create() override { load(); }
  void changed(Change what) override;
  void dpiChanged() override { load(); }

 protected:
  virtual void load() = 0;
};

// A picture.
class PicBox final : public PicturedControl {
 public:
  using PicturedControl::PicturedControl;
  void draw(HDC dc, const RECT& box) const override;

 private:
  void load() override;
  SharedPicture picture_;
};

// Flat button with colours per state, a resting and a hover picture. Its
// window holds whether the pointer is over it and whether it is held down.
class SuperBtn final : public PicturedControl {
 public:
  using PicturedControl::PicturedControl;
  void draw(HDC dc, const RECT& box) const override;

 private:
  void load() override;
  SharedPicture resting_, hovered_;
};

class ProcessBar final : public StockControl {
 public:
  using StockControl::StockControl;
  void create() override;
  void changed(Change what) override;
};

}  // namespace vex::win
