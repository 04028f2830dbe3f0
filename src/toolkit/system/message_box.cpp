#include "toolkit/system/message_box.h"

#include <windows.h>

#include "toolkit/system/device_geometry.h"
#include "toolkit/system/interface_font.h"
#include "toolkit/system/message_box_fit.h"
#include "toolkit/system/wide_text.h"

namespace vex::win {
namespace {

// The system draws a box's text in its dialog font, which has no CJK glyphs
// under Wine. For the length of one call this thread's CBT hook catches the
// box the call creates and refits it to our font once the system has laid
// it out (after WM_INITDIALOG: Wine activates the box before that). A box
// opened from inside another's modal loop installs its own hook, which is
// the innermost.
class BoxFontHook {
 public:
  BoxFontHook()
      : outer_(innermost),
        hook_(SetWindowsHookExW(WH_CBT, &BoxFontHook::onCbt, nullptr, GetCurrentThreadId())) {
    innermost = this;
  }
  ~BoxFontHook() {
    if (hook_) UnhookWindowsHookEx(hook_);
    innermost = outer_;
  }
  BoxFontHook(const BoxFontHook&) = delete;
  BoxFontHook& operator=(const BoxFontHook&) = delete;

 private:
  // Every hook of the thread runs this; all act for the innermost call, once.
  static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    BoxFontHook* self = innermost;
    if (self && code == HCBT_CREATEWND && !self->box_ && isDialog(window)) {
      self->box_ = window;
      SetWindowSubclass(window, &BoxFontHook::onBoxMessage, 0, reinterpret_cast<DWORD_PTR>(self));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static LRESULT CALLBACK onBoxMessage(HWND box, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) {
    if (msg != WM_INITDIALOG && msg != WM_NCDESTROY) return DefSubclassProc(box, msg, wParam, lParam);
    const LRESULT result = DefSubclassProc(box, msg, wParam, lParam);
    RemoveWindowSubclass(box, &BoxFontHook::onBoxMessage, 0);
    if (msg == WM_INITDIALOG) {
      auto* self = reinterpret_cast<BoxFontHook*>(data);
      self->font_ = makeInterfaceFont(windowDpi(box));
      if (self->font_) fitBoxToFont(box, self->font_.get());
    }
    return result;
  }
  static bool isDialog(HWND window) {
    wchar_t kind[8]{};
    return GetClassNameW(window, kind, 8) && lstrcmpW(kind, L"#32770") == 0;
  }

  static thread_local BoxFontHook* innermost;
  BoxFontHook* outer_;
  HHOOK hook_;
  HWND box_ = nullptr;
  UniqueFont font_;  // the box's, until the call returns and the box is gone
};

thread_local BoxFontHook* BoxFontHook::innermost = nullptr;

}  // namespace

int messageBox(void* ownerHwnd, const Text& text, const Text& title, unsigned flags) {
  BoxFontHook readable;
  // Without MB_TOPMOST an unowned box opens beneath our topmost windows,
  // where nobody can see or answer it while it blocks its thread.
  const int id = MessageBoxW(static_cast<HWND>(ownerHwnd), widen(text).c_str(),
                             widen(title.empty() ? Text("信息：") : title).c_str(),
                             flags | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND);
  return id >= IDOK && id <= IDNO ? id - 1 : -1;
}

}  // namespace vex::win
