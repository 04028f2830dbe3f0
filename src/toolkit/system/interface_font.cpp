#include "toolkit/system/interface_font.h"

#include <array>
#include <string>
#include <vector>

#include "toolkit/system/handles.h"

namespace vex::win {
namespace {

constexpr wchar_t kWanted[] = L"微软雅黑";
// Common CJK faces with Latin letters, for where the wanted one is missing:
// the font mapper may otherwise pick a CJK face without them.
constexpr std::array<const wchar_t*, 8> kFallbacks{L"Microsoft YaHei",
                                                   L"WenQuanYi Micro Hei",
                                                   L"Noto Sans CJK SC",
                                                   L"Source Han Sans SC",
                                                   L"WenQuanYi Zen Hei",
                                                   L"SimHei",
                                                   L"SimSun",
                                                   L"NSimSun"};

LOGFONTW describe(const wchar_t* face, int dpi) {
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(12, dpi, 96);  // character height, not cell height
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = GB2312_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  wcsncpy_s(lf.lfFaceName, face, _TRUNCATE);
  return lf;
}

// What the interface writes: printable ASCII, the punctuation of its
// Chinese texts and the common Chinese characters (GB2312's first level,
// which holds every character of the program's own texts).
std::wstring drawnCharacters() {
  std::wstring text;
  for (wchar_t c = 0x20; c < 0x7F; ++c) text += c;
  text += L"、。·—…‘’“”《》【】！（），：；？～";
  std::string gbk;
  for (int lead = 0xB0; lead <= 0xD7; ++lead)
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      if (lead == 0xD7 && trail > 0xF9) break;  // the level ends at D7F9
      gbk += static_cast<char>(lead);
      gbk += static_cast<char>(trail);
    }
  const int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), n);
  return text + wide;
}

// Whether the face GDI gives for `lf` has a glyph for every character.
bool covers(HDC dc, const LOGFONTW& lf, const std::wstring& text) {
  UniqueFont font(CreateFontIndirectW(&lf));
  if (!font) return false;
  HGDIOBJ was = SelectObject(dc, font.get());
  std::vector<WORD> glyphs(text.size());
  const DWORD done = GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                                      GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, was);
  if (done == GDI_ERROR) return false;
  for (WORD g : glyphs)
    if (g == 0xFFFF) return false;
  return true;
}

int CALLBACK collectFace(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM faces) {
  // '@' names the same face turned for vertical text.
  if (lf->lfFaceName[0] != L'@')
    reinterpret_cast<std::vector<std::wstring>*>(faces)->push_back(lf->lfFaceName);
  return 1;
}

std::vector<std::wstring> gb2312Faces(HDC dc) {
  std::vector<std::wstring> faces;
  LOGFONTW any{};
  any.lfCharSet = GB2312_CHARSET;
  EnumFontFamiliesExW(dc, &any, collectFace, reinterpret_cast<LPARAM>(&faces), 0);
  return faces;
}

// The face every window, tooltip, list and message box draws with: the
// same answer for every caller, as it depends only on the installed fonts.
std::wstring interfaceFace() {
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return kWanted;
  const std::wstring text = drawnCharacters();
  if (covers(dc.get(), describe(kWanted, 96), text)) return kWanted;
  for (const wchar_t* face : kFallbacks)
    if (covers(dc.get(), describe(face, 96), text)) return face;
  for (const std::wstring& face : gb2312Faces(dc.get()))
    if (covers(dc.get(), describe(face.c_str(), 96), text)) return face;
  return kWanted;  // nothing better: the font mapper's choice
}

}  // namespace

UniqueFont makeInterfaceFont(int dpi) {
  const LOGFONTW lf = describe(interfaceFace().c_str(), dpi);
  return UniqueFont(CreateFontIndirectW(&lf));
}

}  // namespace vex::win
