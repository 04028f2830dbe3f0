#include "app/make_layered.h"

#include "app/layered_flags.h"

namespace vex {

void makeLayered(HWND window, std::uint8_t alpha, std::uint32_t key) {
  SetWindowLongA(window, GWL_EXSTYLE, WS_EX_LAYERED);
  SetLayeredWindowAttributes(window, key, alpha, layeredFlags(alpha, key));
}

}  // namespace vex
