#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/system/wide_text.h"

namespace vex::win {

void Label::draw(HDC dc, const RECT& box) const {
  RECT r = box;
  if (state_.backColour[kNormal] != kDefaultColour) {
    UniqueBrush brush(CreateSolidBrush(state_.backColour[kNormal]));
    FillRect(dc, &r, brush.get());
  }
  const std::wstring text = widen(state_.caption);
  if (text.empty() || (state_.textColour[kNormal] == kDefaultColour && !state_.disabled)) return;
  Selected f(dc, font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, state_.disabled ? GetSysColor(COLOR_GRAYTEXT) : state_.textColour[kNormal]);
  // The text block is centred vertically, as in the title strips.
  RECT measure = r;
  const UINT format = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;
  const int height =
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, format | DT_CALCRECT);
  if (height < r.bottom) r.top = (r.bottom - height) / 2;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

}  // namespace vex::win
