// A small RGBA raster with antialiased fills, enough for flat UI artwork.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace art {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

// #RRGGBB, opaque.
constexpr Rgba hex(std::uint32_t rrggbb, std::uint8_t alpha = 255) {
  return {std::uint8_t(rrggbb >> 16), std::uint8_t(rrggbb >> 8), std::uint8_t(rrggbb), alpha};
}

// Point-in-shape test in pixel coordinates; pixel (x, y) covers [x, x+1) x [y, y+1).
using Shape = std::function<bool(double x, double y)>;

class Canvas {
 public:
  Canvas(int width, int height, Rgba fill = {0, 0, 0, 0});

  int width() const { return width_; }
  int height() const { return height_; }
  Rgba at(int x, int y) const { return pixels_[y * width_ + x]; }
  const std::vector<Rgba>& pixels() const { return pixels_; }

  // Blends `colour` over every pixel by the shape's coverage (4x4 samples).
  void fill(const Shape& shape, Rgba colour);
  void fillRect(int left, int top, int width, int height, Rgba colour);
  // Copies `other` scaled up by an integer factor, blending by alpha.
  void paste(const Canvas& other, int left, int top, int scale = 1);

 private:
  void blend(int x, int y, Rgba colour, double coverage);

  int width_, height_;
  std::vector<Rgba> pixels_;
};

// Shapes.
Shape circle(double cx, double cy, double radius);
Shape ring(double cx, double cy, double outer, double inner);
Shape roundedRect(double left, double top, double right, double bottom, double radius);
// A stroke from (x1, y1) to (x2, y2), `width` wide, with round caps.
Shape segment(double x1, double y1, double x2, double y2, double width);
Shape polygon(std::vector<std::pair<double, double>> points);
Shape unite(Shape a, Shape b);
Shape subtract(Shape a, Shape b);

// Writes `text` (A-Z, space, '!') in a 5x7 block font, each dot `dot` pixels.
void drawText(Canvas& canvas, const char* text, int left, int top, int dot, Rgba colour);
int textWidth(const char* text, int dot);

}  // namespace art
