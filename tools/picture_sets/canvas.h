// A small float canvas for drawing one tile: anti-aliased shapes through
// signed distances, text from glyph coverage, then cut to a binary mask.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "glyphs.h"
#include "picture_set_writer.h"

namespace vex::tools {

struct Rgb {
  float r = 0, g = 0, b = 0;
};
Rgb fromHex(std::uint32_t rrggbb);

// Signed distance from a pixel centre to a shape's edge (< 0 inside).
using Shape = std::function<float(float x, float y)>;
Shape roundedSquare(float inset, float size, float radius);
Shape disc(float cx, float cy, float radius);

class Canvas {
 public:
  explicit Canvas(int size);

  int size() const { return size_; }
  // Paints `colour` where `shape` covers, blended at the edge; `where`
  // limits it further (a split frame).
  void fill(const Shape& shape, Rgb colour, const std::function<bool(int x, int y)>& where = nullptr);
  // Draws the glyph with its box centred on (cx, cy), with a dark halo.
  void text(const Glyph& glyph, float cx, float cy, Rgb colour, Rgb halo, float haloStrength);
  // Opaque where `outline` covers at least half a pixel, transparent elsewhere.
  Tile finish(const Shape& outline) const;

 private:
  void blend(int x, int y, Rgb c, float amount);
  int size_;
  std::vector<Rgb> px_;
};

}  // namespace vex::tools
