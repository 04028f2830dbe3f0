#include "toolkit/system/interface_font.h"

namespace vex::win {

UniqueFont makeInterfaceFont(int dpi) {
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(12, dpi, 96);  // character height, not cell height
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = GB2312_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  wcscpy_s(lf.lfFaceName, L"微软雅黑");
  return UniqueFont(CreateFontIndirectW(&lf));
}

}  // namespace vex::win
