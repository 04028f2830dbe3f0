// The program's one store of drawn pictures. A picture is decoded and
// scaled once for each thing that makes it look different (its bytes, the
// display scale, the key colour, greyed or not) and shared by every control
// and window that shows it; list views' image lists are made from the same
// decoded pictures. The backend owns the one cache; controls hold
// references into it, never copies of file bytes.
#pragma once
#include <cstdint>
#include <memory>
#include <span>

#include "toolkit/pictures/gdi_picture.h"

namespace vex::win {

// What makes one drawn picture differ from another.
struct PictureSpec {
  std::span<const std::uint8_t> bytes;  // PNG, JPEG, ICO or BMP file bytes
  Colour key = kDefaultColour;          // pixels of exactly this colour become transparent
  bool grey = false;                    // drawn as disabled
  int dpi = 96;
};

using SharedPicture = std::shared_ptr<const GdiPicture>;

class PictureCache {
 public:
  PictureCache();
  ~PictureCache();
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;

  // The picture `spec` draws; never null (an empty picture for no bytes or
  // bytes that do not decode).
  SharedPicture picture(const PictureSpec& spec);
  // The pictures of a picture set ("MITL" + image-list stream) at `dpi` as
  // an image list the cache keeps; null for a set that cannot be read.
  HIMAGELIST imageList(std::span<const std::uint8_t> set, int dpi);
  // How many pictures have been decoded so far (for tests and benchmarks).
  int decodes() const { return decodes_; }

 private:
  struct Store;
  std::unique_ptr<Store> store_;
  int decodes_ = 0;
};

}  // namespace vex::win
