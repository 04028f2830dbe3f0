#include "toolkit/controls/win/window_tips.h"

#include "toolkit/system/wide_text.h"

namespace vex::win {

bool WindowTips::ensure() {
  if (tip_) return true;
  if (!window_) return false;
  tip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                             GetModuleHandleW(nullptr), nullptr));
  if (!tip_) return false;
  setScale(font_, maxWidth_);
  return true;
}

void WindowTips::set(std::int32_t id, const Text& hint, const RECT& box) {
  auto it = tools_.find(id);
  const bool wanted = !hint.empty() && !IsRectEmpty(&box);
  if (it == tools_.end() && !wanted) return;
  if (it != tools_.end() && wanted && it->second.hint == hint && EqualRect(&it->second.box, &box)) return;
  if (!ensure()) return;

  // The tooltip asks for the text when it shows it (TTN_GETDISPINFOW): a
  // changed hint is a write to the map, not a message to the control.
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = window_;
  info.uId = static_cast<UINT_PTR>(id);
  info.rect = box;
  info.lpszText = LPSTR_TEXTCALLBACKW;
  if (!wanted) {
    SendMessageW(tip_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    tools_.erase(it);
    return;
  }
  if (it == tools_.end()) {
    SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    tools_[id] = {hint, box};
    return;
  }
  const bool reworded = it->second.hint != hint;
  if (!EqualRect(&it->second.box, &box))
    SendMessageW(tip_.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
  it->second = {hint, box};
  // A tip on screen shows its new text at once.
  if (reworded && showing(id))
    SendMessageW(tip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

bool WindowTips::showing(std::int32_t id) const {
  if (!IsWindowVisible(tip_.get())) return false;
  TTTOOLINFOW current{};
  current.cbSize = TTTOOLINFOW_V2_SIZE;
  return SendMessageW(tip_.get(), TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&current)) &&
         current.uId == static_cast<UINT_PTR>(id);
}

bool WindowTips::answer(LPARAM lp) {
  auto* ask = reinterpret_cast<NMTTDISPINFOW*>(lp);
  if (!tip_ || ask->hdr.hwndFrom != tip_.get() || ask->hdr.code != TTN_GETDISPINFOW) return false;
  const auto it = tools_.find(static_cast<std::int32_t>(ask->hdr.idFrom));
  asked_ = it == tools_.end() ? std::wstring() : widen(it->second.hint);
  ask->lpszText = asked_.data();
  return true;
}

void WindowTips::setScale(HFONT font, int maxWidth) {
  font_ = font;
  maxWidth_ = maxWidth;
  if (!tip_) return;
  SendMessageW(tip_.get(), TTM_SETMAXTIPWIDTH, 0, maxWidth_);
  // The system's default GUI font has no CJK glyphs under Wine.
  SendMessageW(tip_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

void WindowTips::relay(UINT msg, WPARAM wp, LPARAM lp) {
  if (!tip_ || tools_.empty()) return;
  const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  if (msg == WM_MOUSEMOVE && hushed_) {
    if (PtInRect(&*hushed_, p)) return;
    hushed_.reset();
  }
  send(msg, wp, lp);
  if (msg != WM_LBUTTONDOWN && msg != WM_RBUTTONDOWN) return;
  for (const auto& [id, tool] : tools_)
    if (PtInRect(&tool.box, p)) {
      hushed_ = tool.box;
      // The tooltip hears of the pointer on no tool: that ends its wait.
      send(WM_MOUSEMOVE, 0, MAKELPARAM(-1, -1));
      return;
    }
}

void WindowTips::send(UINT msg, WPARAM wp, LPARAM lp) {
  MSG m{window_, msg, wp, lp, static_cast<DWORD>(GetMessageTime()), {}};
  const DWORD pos = GetMessagePos();
  m.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
  SendMessageW(tip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
}

void WindowTips::destroy() {
  // Owned windows, the tooltip among them, may be gone already.
  if (!IsWindow(tip_.get())) tip_.release();
  tip_.reset();
  tools_.clear();
  hushed_.reset();
}

}  // namespace vex::win
