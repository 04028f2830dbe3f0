// A control that is a comctl32 child window of the top-level window,
// subclassed to reach this object; the window paints around it.
#pragma once
#include "toolkit/controls/win/native_control.h"

namespace vex::win {

class StockControl : public NativeControl {
 public:
  using NativeControl::NativeControl;
  ~StockControl() override;

  // The object behind a stock control's HWND, or null for other windows.
  static StockControl* fromHwnd(HWND hwnd);

  HWND hwnd() const override { return hwnd_.get(); }
  bool painted() const override { return false; }
  void place(const Placement& p) override;
  void changed(Change what) override;
  // Takes the window's font at its new DPI (the placement is new already).
  void dpiChanged() override;
  // A message the control sent its parent, passed back here.
  virtual bool reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 protected:
  // Creates the window at the control's placement and subclasses it.
  void createStock(const wchar_t* className, DWORD style);
  // The control's own messages; the class's handling by default.
  virtual LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK subclassProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  UniqueWindow hwnd_;
};

}  // namespace vex::win
