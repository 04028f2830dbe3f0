// Glyph coverage from a font file through FreeType, for the artwork.
#pragma once
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>
#include <vector>

namespace vex::tools {

struct Glyph {
  int width = 0, height = 0;
  std::vector<float> coverage;  // 0..1, rows top to bottom
  float at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0.0f;
    return coverage[static_cast<std::size_t>(y * width + x)];
  }
};

class GlyphSource {
 public:
  explicit GlyphSource(const std::string& fontPath);
  ~GlyphSource();
  GlyphSource(const GlyphSource&) = delete;
  GlyphSource& operator=(const GlyphSource&) = delete;

  // The glyph's inked box only, cropped; `bold` thickens the strokes.
  Glyph render(char32_t ch, int pixelSize, float bold) const;

 private:
  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
};

// GBK bytes to code points.
std::u32string fromGbk(const std::string& gbk);

}  // namespace vex::tools
