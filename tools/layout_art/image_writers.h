// Encoders for the committed artwork: PNG (RGBA), JPEG (opaque) and a
// single-image 32-bit ICO.
#pragma once
#include <string>

#include "canvas.h"

namespace art {

bool writePng(const Canvas& canvas, const std::string& path);
bool writeJpeg(const Canvas& canvas, const std::string& path, int quality);
// One 32-bit BGRA image with its AND mask: 6 + 16 + 40 + w*h*4 + mask bytes.
bool writeIco(const Canvas& canvas, const std::string& path);

}  // namespace art
