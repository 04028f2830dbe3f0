#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace art {

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(std::size_t(width) * height, fill) {}

void Canvas::blend(int x, int y, Rgba colour, double coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) return;
  Rgba& d = pixels_[y * width_ + x];
  const double sa = colour.a / 255.0 * coverage;
  const double da = d.a / 255.0;
  const double oa = sa + da * (1 - sa);
  if (oa <= 0) return;
  auto mix = [&](std::uint8_t s, std::uint8_t t) {
    return std::uint8_t(std::lround((s * sa + t * da * (1 - sa)) / oa));
  };
  d = {mix(colour.r, d.r), mix(colour.g, d.g), mix(colour.b, d.b), std::uint8_t(std::lround(oa * 255))};
}

void Canvas::fill(const Shape& shape, Rgba colour) {
  constexpr int kSamples = 4;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          if (shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
      blend(x, y, colour, double(hits) / (kSamples * kSamples));
    }
}

void Canvas::fillRect(int left, int top, int width, int height, Rgba colour) {
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) blend(x, y, colour, 1.0);
}

void Canvas::paste(const Canvas& other, int left, int top, int scale) {
  for (int y = 0; y < other.height() * scale; ++y)
    for (int x = 0; x < other.width() * scale; ++x)
      blend(left + x, top + y, other.at(x / scale, y / scale), 1.0);
}

Shape circle(double cx, double cy, double radius) {
  return [=](double x, double y) { return std::hypot(x - cx, y - cy) <= radius; };
}

Shape ring(double cx, double cy, double outer, double inner) {
  return [=](double x, double y) {
    const double d = std::hypot(x - cx, y - cy);
    return d <= outer && d >= inner;
  };
}

Shape roundedRect(double left, double top, double right, double bottom, double radius) {
  return [=](double x, double y) {
    if (x < left || x > right || y < top || y > bottom) return false;
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    return std::hypot(x - cx, y - cy) <= radius;
  };
}

Shape segment(double x1, double y1, double x2, double y2, double width) {
  return [=](double x, double y) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - x1) * dx + (y - y1) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (x1 + t * dx), y - (y1 + t * dy)) <= width / 2;
  };
}

Shape polygon(std::vector<std::pair<double, double>> points) {
  return [points = std::move(points)](double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const auto [xi, yi] = points[i];
      const auto [xj, yj] = points[j];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
  };
}

Shape unite(Shape a, Shape b) {
  return [=](double x, double y) { return a(x, y) || b(x, y); };
}

Shape subtract(Shape a, Shape b) {
  return [=](double x, double y) { return a(x, y) && !b(x, y); };
}

namespace {

// 5x7 glyphs, one string of 7 rows per letter, '#' = dot.
const char* glyph(char c) {
  switch (c) {
    case 'A':
      return ".###."
             "#...#"
             "#...#"
             "#####"
             "#...#"
             "#...#"
             "#...#";
    case 'H':
      return "#...#"
             "#...#"
             "#...#"
             "#####"
             "#...#"
             "#...#"
             "#...#";
    case 'K':
      return "#...#"
             "#..#."
             "#.#.."
             "##..."
             "#.#.."
             "#..#."
             "#...#";
    case 'N':
      return "#...#"
             "##..#"
             "#.#.#"
             "#..##"
             "#...#"
             "#...#"
             "#...#";
    case 'O':
      return ".###."
             "#...#"
             "#...#"
             "#...#"
             "#...#"
             "#...#"
             ".###.";
    case 'S':
      return ".####"
             "#...."
             "#...."
             ".###."
             "....#"
             "....#"
             "####.";
    case 'T':
      return "#####"
             "..#.."
             "..#.."
             "..#.."
             "..#.."
             "..#.."
             "..#..";
    case 'U':
      return "#...#"
             "#...#"
             "#...#"
             "#...#"
             "#...#"
             "#...#"
             ".###.";
    case 'Y':
      return "#...#"
             "#...#"
             ".#.#."
             "..#.."
             "..#.."
             "..#.."
             "..#..";
    case '!':
      return "..#.."
             "..#.."
             "..#.."
             "..#.."
             "..#.."
             "....."
             "..#..";
    default:
      return nullptr;
  }
}

}  // namespace

int textWidth(const char* text, int dot) {
  const int n = int(std::strlen(text));
  return n == 0 ? 0 : (n * 6 - 1) * dot;
}

void drawText(Canvas& canvas, const char* text, int left, int top, int dot, Rgba colour) {
  for (int i = 0; text[i] != 0; ++i) {
    const char* g = glyph(text[i]);
    if (g == nullptr) continue;
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col)
        if (g[row * 5 + col] == '#')
          canvas.fillRect(left + (i * 6 + col) * dot, top + row * dot, dot, dot, colour);
  }
}

}  // namespace art
