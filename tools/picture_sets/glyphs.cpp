#include "glyphs.h"

#include <iconv.h>

#include FT_OUTLINE_H

#include <stdexcept>

namespace vex::tools {

GlyphSource::GlyphSource(const std::string& fontPath) {
  if (FT_Init_FreeType(&library_)) throw std::runtime_error("FreeType did not start");
  if (FT_New_Face(library_, fontPath.c_str(), 0, &face_)) {
    FT_Done_FreeType(library_);
    throw std::runtime_error("cannot open font " + fontPath);
  }
}

GlyphSource::~GlyphSource() {
  FT_Done_Face(face_);
  FT_Done_FreeType(library_);
}

Glyph GlyphSource::render(char32_t ch, int pixelSize, float bold) const {
  FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelSize));
  if (FT_Load_Char(face_, ch, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT)) {
    throw std::runtime_error("glyph missing");
  }
  if (bold > 0) FT_Outline_Embolden(&face_->glyph->outline, static_cast<FT_Pos>(bold * 64));
  if (FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_NORMAL)) throw std::runtime_error("render failed");
  const FT_Bitmap& bm = face_->glyph->bitmap;
  Glyph g;
  g.width = static_cast<int>(bm.width);
  g.height = static_cast<int>(bm.rows);
  g.coverage.resize(static_cast<std::size_t>(g.width * g.height));
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) {
      g.coverage[static_cast<std::size_t>(y * g.width + x)] = bm.buffer[y * bm.pitch + x] / 255.0f;
    }
  }
  return g;
}

std::u32string fromGbk(const std::string& gbk) {
  iconv_t cd = iconv_open("UTF-32LE", "GBK");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
  std::string in = gbk;
  std::u32string out(in.size() + 1, U'\0');
  char* inp = in.data();
  std::size_t inLeft = in.size();
  char* outp = reinterpret_cast<char*>(out.data());
  std::size_t outLeft = out.size() * sizeof(char32_t);
  const std::size_t result = iconv(cd, &inp, &inLeft, &outp, &outLeft);
  iconv_close(cd);
  if (result == static_cast<std::size_t>(-1)) throw std::runtime_error("not GBK: " + gbk);
  out.resize(out.size() - outLeft / sizeof(char32_t));
  return out;
}

}  // namespace vex::tools
