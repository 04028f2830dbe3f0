#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace vex::tools {

Rgb fromHex(std::uint32_t rrggbb) {
  return {((rrggbb >> 16) & 0xFF) / 255.0f, ((rrggbb >> 8) & 0xFF) / 255.0f, (rrggbb & 0xFF) / 255.0f};
}

Shape roundedSquare(float inset, float size, float radius) {
  const float half = size / 2 - inset;
  const float centre = size / 2;
  return [=](float x, float y) {
    const float qx = std::fabs(x - centre) - (half - radius);
    const float qy = std::fabs(y - centre) - (half - radius);
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
  };
}

Shape disc(float cx, float cy, float radius) {
  return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Canvas::Canvas(int size) : size_(size), px_(static_cast<std::size_t>(size * size), Rgb{1, 1, 1}) {}

void Canvas::blend(int x, int y, Rgb c, float amount) {
  if (x < 0 || y < 0 || x >= size_ || y >= size_ || amount <= 0) return;
  amount = std::min(amount, 1.0f);
  Rgb& p = px_[static_cast<std::size_t>(y * size_ + x)];
  p.r += (c.r - p.r) * amount;
  p.g += (c.g - p.g) * amount;
  p.b += (c.b - p.b) * amount;
}

void Canvas::fill(const Shape& shape, Rgb colour, const std::function<bool(int, int)>& where) {
  for (int y = 0; y < size_; ++y) {
    for (int x = 0; x < size_; ++x) {
      if (where && !where(x, y)) continue;
      const float d = shape(x + 0.5f, y + 0.5f);
      blend(x, y, colour, std::clamp(0.5f - d, 0.0f, 1.0f));
    }
  }
}

void Canvas::text(const Glyph& glyph, float cx, float cy, Rgb colour, Rgb halo, float haloStrength) {
  const int left = static_cast<int>(std::lround(cx - glyph.width / 2.0f));
  const int top = static_cast<int>(std::lround(cy - glyph.height / 2.0f));
  if (haloStrength > 0) {
    for (int y = -1; y <= glyph.height; ++y) {
      for (int x = -1; x <= glyph.width; ++x) {
        float around = 0;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) around = std::max(around, glyph.at(x + dx, y + dy));
        }
        blend(left + x, top + y, halo, around * haloStrength);
      }
    }
  }
  for (int y = 0; y < glyph.height; ++y) {
    for (int x = 0; x < glyph.width; ++x) blend(left + x, top + y, colour, glyph.at(x, y));
  }
}

Tile Canvas::finish(const Shape& outline) const {
  Tile tile{size_, std::vector<Rgba>(static_cast<std::size_t>(size_ * size_))};
  auto byte = [](float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); };
  for (int y = 0; y < size_; ++y) {
    for (int x = 0; x < size_; ++x) {
      if (outline(x + 0.5f, y + 0.5f) > 0) continue;
      const Rgb& p = px_[static_cast<std::size_t>(y * size_ + x)];
      tile.at(x, y) = {byte(p.r), byte(p.g), byte(p.b), 255};
    }
  }
  return tile;
}

}  // namespace vex::tools
