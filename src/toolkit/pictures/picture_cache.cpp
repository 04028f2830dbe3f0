#include "toolkit/pictures/picture_cache.h"

#include <map>
#include <utility>

#include "toolkit/controls/win/control_kinds.h"
#include "toolkit/controls/win/device_geometry.h"

namespace vex::win {

// First cut: pictures are not shared yet (every request decodes); image
// lists still come from the set's own stream.
struct PictureCache::Store {
  std::map<std::pair<const std::uint8_t*, int>, UniqueImageList> lists;
};

PictureCache::PictureCache() : store_(std::make_unique<Store>()) {}
PictureCache::~PictureCache() = default;

SharedPicture PictureCache::picture(const PictureSpec& spec) {
  if (!spec.bytes.empty()) ++decodes_;
  return std::make_shared<const GdiPicture>(GdiPicture::fromBytes(spec.bytes, spec.key, spec.grey, spec.dpi));
}

HIMAGELIST PictureCache::imageList(std::span<const std::uint8_t> set, int dpi) {
  UniqueImageList& list = store_->lists[{set.data(), dpi}];
  if (!list) {
    list = readPictureSet(set);
    if (dpi != kLayoutDpi)
      if (UniqueImageList scaled = scaledPictureSet(list.get(), dpi)) list = std::move(scaled);
  }
  return list.get();
}

}  // namespace vex::win
