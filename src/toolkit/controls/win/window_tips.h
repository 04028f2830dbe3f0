// The one tooltip control of a window: a rectangle tool per hinted control
// (uId = the control's id, rect = its box in the window's client area,
// text asked for when a tip shows),
// drawn in the interface's font so that Chinese names show as glyphs. The
// window relays its mouse messages here.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "toolkit/controls/ui_types.h"
#include "toolkit/system/handles.h"

namespace vex::win {

class WindowTips {
 public:
  WindowTips() = default;
  WindowTips(const WindowTips&) = delete;
  WindowTips& operator=(const WindowTips&) = delete;

  // The tooltip control itself is made with the first tool.
  void attach(HWND window) { window_ = window; }
  // Shows `hint` over `box`; an empty hint or an empty box removes the tool.
  void set(std::int32_t id, const Text& hint, const RECT& box);
  // The window's font and the widest tip (400 layout units) at its DPI.
  void setScale(HFONT font, int maxWidth);
  // A press ends the tip's wait, showing or not, until the pointer leaves
  // the control it pressed (under Wine the wait's timer survives a press).
  void relay(UINT msg, WPARAM wp, LPARAM lp);
  void pointerLeft() { hushed_.reset(); }
  // The tooltip's TTN_GETDISPINFOW, sent to the window as it shows a tip;
  // false for any other notification.
  bool answer(LPARAM lp);
  // Before the window goes: the tooltip is owned by it.
  void destroy();

 private:
  struct Tool {
    Text hint;
    RECT box;
  };
  bool ensure();
  bool showing(std::int32_t id) const;
  void send(UINT msg, WPARAM wp, LPARAM lp);

  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  int maxWidth_ = 400;
  std::map<std::int32_t, Tool> tools_;
  std::wstring asked_;          // the text last given to the tooltip, alive while it copies it
  std::optional<RECT> hushed_;  // the pressed control's box, while the pointer stays in it
  UniqueWindow tip_;
};

}  // namespace vex::win
