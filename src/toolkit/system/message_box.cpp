#include "toolkit/system/message_box.h"

#include <windows.h>

#include "toolkit/system/wide_text.h"

namespace vex::win {

int messageBox(void* ownerHwnd, const Text& text, const Text& title, unsigned flags) {
  // Without MB_TOPMOST an unowned box opens beneath our topmost windows,
  // where nobody can see or answer it while it blocks its thread.
  const int id = MessageBoxW(static_cast<HWND>(ownerHwnd), widen(text).c_str(),
                             widen(title.empty() ? Text("信息：") : title).c_str(),
                             flags | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND);
  return id >= IDOK && id <= IDNO ? id - 1 : -1;
}

}  // namespace vex::win
