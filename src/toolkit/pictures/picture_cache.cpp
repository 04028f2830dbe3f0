#include "toolkit/pictures/picture_cache.h"

namespace vex::win {

// First cut: no sharing yet, every request decodes.
struct PictureCache::Store {};

PictureCache::PictureCache() : store_(std::make_unique<Store>()) {}
PictureCache::~PictureCache() = default;

SharedPicture PictureCache::picture(const PictureSpec& spec) {
  if (!spec.bytes.empty()) ++decodes_;
  return std::make_shared<const GdiPicture>(GdiPicture::fromBytes(spec.bytes, spec.key, spec.grey, spec.dpi));
}

HIMAGELIST PictureCache::imageList(std::span<const std::uint8_t>, int) { return nullptr; }

}  // namespace vex::win
