#include "toolkit/access/window_access.h"

#include "toolkit/access/oleacc_library.h"
#include "toolkit/access/window_accessible.h"
#include "toolkit/controls/win/native_window.h"
#include "toolkit/controls/win/win32_backend.h"

namespace vex::win {

LRESULT WindowAccess::answer(WPARAM wp) {
  const OleaccLibrary* library = window_.backend().oleacc();
  if (!library) return 0;
  if (!object_) object_ = WindowAccessible::create(window_, *library);
  return library->answer(wp, object_);
}

void WindowAccess::close() {
  if (!object_) return;
  WindowAccessible* object = object_;
  object_ = nullptr;
  object->detach();
  object->Release();
}

}  // namespace vex::win
