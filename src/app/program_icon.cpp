#include "app/program_icon.h"

#include "app/program_resources.h"

namespace vex {
namespace {

// LR_SHARED: the system owns the icon and frees it with the module, so no
// handle is left for the program to destroy.
HICON programIcon(int sizeMetric) {
  const int size = GetSystemMetrics(sizeMetric);
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(VEX_PROGRAM_ICON),
                                       IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

void applyProgramIcon(HWND window) {
  if (!window) return;
  if (HICON big = programIcon(SM_CXICON))
    SetClassLongPtrW(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(big));
  if (HICON small = programIcon(SM_CXSMICON))
    SetClassLongPtrW(window, GCLP_HICONSM, reinterpret_cast<LONG_PTR>(small));
}

}  // namespace vex
