#include "toolkit/controls/win/control_kinds.h"

namespace vex::win {

void ShapeBox::draw(HDC dc, const RECT& box) const {
  UniqueBrush brush(CreateSolidBrush(state_.fill));
  RECT r = box;
  FillRect(dc, &r, brush.get());
}

}  // namespace vex::win
