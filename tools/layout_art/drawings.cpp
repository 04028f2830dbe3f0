#include "drawings.h"

#include <cmath>
#include <numbers>

namespace art {
namespace {

constexpr Rgba kStrip = hex(0x171C25);
constexpr Rgba kBody = hex(0x0F2D38);
constexpr Rgba kLight = hex(0xECECEC);
constexpr Rgba kGold = hex(0xE8B339);
constexpr Rgba kGoldDark = hex(0xA8741A);

Shape star(double cx, double cy, double outer, double inner) {
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? outer : inner;
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    points.emplace_back(cx + r * std::cos(a), cy + r * std::sin(a));
  }
  return polygon(std::move(points));
}

// The classic implicit heart, `size` pixels across, centred on (cx, cy).
Shape heart(double cx, double cy, double size) {
  return [=](double x, double y) {
    const double u = (x - cx) / (size / 2.4), v = -(y - cy) / (size / 2.4) + 0.15;
    const double a = u * u + v * v - 1;
    return a * a * a - u * u * v * v * v <= 0;
  };
}

void frame(Canvas& c, Rgba paper, Rgba edge) {
  const double w = c.width(), h = c.height();
  c.fill(roundedRect(0, 0, w, h, 8), edge);
  c.fill(roundedRect(4, 4, w - 4, h - 4, 5), paper);
  c.fill(subtract(roundedRect(8, 8, w - 8, h - 8, 3), roundedRect(9, 9, w - 9, h - 9, 2)), edge);
}

void centredText(Canvas& c, const char* text, int top, int dot, Rgba colour) {
  drawText(c, text, (c.width() - textWidth(text, dot)) / 2, top, dot, colour);
}

}  // namespace

Canvas logo(int size) {
  // Drawn on a 16-unit grid, so every size is the same picture and 16 is
  // the title strip's logo pixel for pixel.
  const double u = size / 16.0;
  Canvas c(size, size);
  c.fill(roundedRect(0.5 * u, 0.5 * u, 15.5 * u, 15.5 * u, 3 * u), kGold);
  c.fill(roundedRect(2 * u, 2 * u, 14 * u, 14 * u, 2 * u), hex(0xF4CD62));
  c.fill(segment(4.5 * u, 4.5 * u, 8 * u, 11.5 * u, 2.2 * u), kStrip);
  c.fill(segment(11.5 * u, 4.5 * u, 8 * u, 11.5 * u, 2.2 * u), kStrip);
  return c;
}

Canvas minimiseResting() {
  Canvas c(40, 24, kStrip);
  c.fillRect(15, 12, 10, 1, kLight);
  return c;
}

Canvas minimiseHover() {
  Canvas c(40, 24, hex(0xD4D6DA));
  c.fillRect(15, 12, 10, 1, kStrip);
  return c;
}

namespace {
Canvas closeGlyph(Rgba back, Rgba ink) {
  Canvas c(40, 24, back);
  c.fill(segment(15.5, 7.5, 24.5, 16.5, 1.4), ink);
  c.fill(segment(24.5, 7.5, 15.5, 16.5, 1.4), ink);
  return c;
}
}  // namespace

Canvas closeResting() { return closeGlyph(kStrip, kLight); }
Canvas closeHover() { return closeGlyph(hex(0xD93A3A), hex(0xFFFFFF)); }

Canvas carryMarker() {
  Canvas c(15, 15);
  c.fill(circle(7.5, 7.5, 7.3), kGoldDark);
  c.fill(circle(7.5, 7.5, 6.1), kGold);
  c.fill(star(7.5, 7.9, 5.0, 2.1), hex(0xB8322A));
  return c;
}

Canvas slotMarker() {
  Canvas c(11, 11, hex(0xE4E8EC));
  c.fill(segment(0.5, 0.5, 10.5, 10.5, 1.6), kBody);
  return c;
}

Canvas coin() {
  // Deep gold, so the light cost digit drawn over it stays readable.
  Canvas c(12, 12);
  c.fill(circle(6, 6, 5.8), hex(0xF2C75C));
  c.fill(circle(6, 6, 4.8), hex(0xA86F12));
  return c;
}

Canvas chartCorner() {
  Canvas c(30, 30);
  // Two half-grids above a switch: full chart or upper half.
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) c.fillRect(5 + j * 4, 3 + i * 4, 3, 3, i == 2 ? hex(0xB8C0C8) : kBody);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) c.fillRect(18 + j * 3, 4 + i * 3, 2, 2, kBody);
  c.fill(roundedRect(4, 18, 26, 27, 4.5), kBody);
  c.fill(roundedRect(5.5, 19.5, 15, 25.5, 3), hex(0x2FA49A));
  c.fill(circle(20.5, 22.5, 3.4), kLight);
  return c;
}

Canvas thanksCardHeart() {
  Canvas c(120, 180);
  frame(c, hex(0xFFF4E0), hex(0xC9573C));
  c.fill(heart(60, 66, 58), hex(0xD9483F));
  c.fill(circle(47, 54, 5), hex(0xF08A7E));
  centredText(c, "THANK", 118, 2, hex(0x7A2E22));
  centredText(c, "YOU!", 136, 2, hex(0x7A2E22));
  c.fill(star(28, 28, 6, 2.5), kGold);
  c.fill(star(94, 150, 5, 2), kGold);
  return c;
}

Canvas thanksCardCup() {
  Canvas c(120, 163);
  frame(c, hex(0xE6F4F1), kBody);
  for (int i = 0; i < 3; ++i) {
    const double x = 46 + i * 12;
    c.fill(segment(x, 34, x + 3, 27, 2.2), hex(0x7FA7A2));
    c.fill(segment(x + 3, 27, x, 20, 2.2), hex(0x7FA7A2));
  }
  c.fill(ring(82, 62, 11, 6), kBody);
  c.fill(roundedRect(34, 42, 82, 88, 9), kBody);
  c.fill(roundedRect(38, 46, 78, 60, 4), hex(0x8A5A34));
  c.fill(roundedRect(26, 90, 94, 96, 3), kBody);
  centredText(c, "THANKS", 112, 2, kBody);
  c.fill(heart(60, 140, 14), hex(0xD9483F));
  return c;
}

}  // namespace art
