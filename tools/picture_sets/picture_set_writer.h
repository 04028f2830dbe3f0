// Writes a picture set: "MITL", the reserved word, then an image-list
// stream whose strips are BMP file images (the layout the program reads).
#pragma once
#include <cstdint>
#include <vector>

namespace vex::tools {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;  // a is 0 (transparent) or 255
};

// A square picture, rows top to bottom.
struct Tile {
  int size = 0;
  std::vector<Rgba> pixels;
  Rgba& at(int x, int y) { return pixels[static_cast<std::size_t>(y * size + x)]; }
  const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

// `trailer` sets the 0x1000 flag and appends its 22 zero bytes.
std::vector<std::uint8_t> writePictureSet(const std::vector<Tile>& tiles, int size, int capacity,
                                          bool trailer);

}  // namespace vex::tools
