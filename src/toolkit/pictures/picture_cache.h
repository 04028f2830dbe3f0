// The program's one store of drawn pictures. A picture is decoded and
// scaled once for each thing that makes it look different (its bytes, the
// display scale, the key colour, greyed or not) and shared by every control
// and window that shows it; list views' image lists are made from the same
// decoding. The backend owns the one cache; controls hold references into
// it, never copies of file bytes.
//
// A picture stays when no control holds it (a hidden chart cell shows it
// again soon); once the pictures together pass the byte bound, those no
// one holds are let go, the longest unused first.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "toolkit/pictures/gdi_picture.h"

namespace vex::win {

// What makes one drawn picture differ from another.
struct PictureWanted {
  std::span<const std::uint8_t> bytes;  // PNG, JPEG, ICO or BMP file bytes
  Colour key = kDefaultColour;          // pixels of exactly this colour become transparent
  bool grey = false;                    // drawn as disabled
  int dpi = 96;
};

using SharedPicture = std::shared_ptr<const GdiPicture>;

class PictureCache {
 public:
  // Pictures no control shows any more are kept up to this many bytes, so
  // that a control shown again (a chart cell, a reopened window) finds its
  // picture; every picture the program shows at 96 DPI takes about 1.5 MB.
  static constexpr std::size_t kDefaultByteBound = std::size_t{1} << 20;

  explicit PictureCache(std::size_t byteBound = kDefaultByteBound);
  ~PictureCache();
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;

  // The picture `wanted` draws; never null (an empty picture for no bytes or
  // bytes that do not decode).
  SharedPicture picture(const PictureWanted& wanted);
  // The pictures of a picture set ("MITL" + image-list stream) at `dpi` as
  // an image list the cache keeps; null for a set that cannot be read.
  // Transparent pixels are masked, so a selected row's highlight shows
  // around them.
  HIMAGELIST imageList(std::span<const std::uint8_t> set, int dpi);
  // How many pictures have been decoded so far (for tests and benchmarks).
  int decodes() const { return decodes_; }
  // Lets go of the pictures no one holds beyond the bound, the longest
  // unused first (after a window has closed, say).
  void trim();
  // The pictures kept that no one holds, and the bytes they take.
  struct Spare {
    int pictures = 0;
    std::size_t bytes = 0;
  };
  Spare spare() const;

 private:
  struct Store;
  std::unique_ptr<Store> store_;
  int decodes_ = 0;
};

}  // namespace vex::win
