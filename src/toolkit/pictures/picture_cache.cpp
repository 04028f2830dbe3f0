#include "toolkit/pictures/picture_cache.h"

#include <compare>
#include <cstring>
#include <list>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "toolkit/pictures/content_hash.h"
#include "toolkit/pictures/picture_set_decode.h"

namespace vex::win {

namespace {

struct PictureKey {
  ContentHash bytes;
  Colour key = kDefaultColour;
  bool grey = false;
  int dpi = 96;
  bool operator==(const PictureKey&) const = default;
};

struct PictureKeyHash {
  std::size_t operator()(const PictureKey& k) const {
    return static_cast<std::size_t>(k.bytes.first ^ (std::uint64_t{k.key} << 20) ^
                                    (static_cast<std::uint64_t>(k.dpi) << 4) ^ k.grey);
  }
};

struct Kept {
  PictureKey key;
  SharedPicture picture;
  std::size_t bytes = 0;
};

// What an entry costs besides its pixels, so that even pictures that do not
// decode count against the bound.
constexpr std::size_t kEntryCost = 128;

struct ListKey {
  ContentHash set;
  int dpi = 96;
  auto operator<=>(const ListKey&) const = default;
};

// The set's pictures side by side in one 32-bit strip (straight alpha, as
// image lists take it) with a mask strip that marks the transparent pixels.
UniqueImageList listOf(std::span<const std::uint8_t> set, int dpi, int& decodes) {
  const std::optional<PictureSetHeader> header = readPictureSetHeader(set);
  if (!header) return {};
  const int width = scaledSide(header->cx, dpi), height = scaledSide(header->cy, dpi);
  if (width <= 0 || height <= 0) return {};
  std::vector<DecodedPicture> pictures;
  for (int i = 0; i < header->count; ++i) {
    DecodedPicture p = scaledTo(decodeSetPicture(set, i), dpi);
    if (p.empty()) return {};
    ++decodes;
    pictures.push_back(std::move(p));
  }
  UniqueImageList list(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, header->count, 4));
  if (!list || pictures.empty()) return list;

  const int stripWidth = width * header->count;
  BITMAPINFO info = topDownInfo(stripWidth, height);
  void* bits = nullptr;
  UniqueBitmap strip(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!strip || !bits) return {};
  auto* colour = static_cast<std::uint8_t*>(bits);
  const std::size_t maskRow = static_cast<std::size_t>(stripWidth + 15) / 16 * 2;  // word-aligned rows
  std::vector<std::uint8_t> maskBits(maskRow * height, 0);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const DecodedPicture& p = pictures[i];
    for (int y = 0; y < height; ++y) {
      const std::uint8_t* src = &p.bgra[static_cast<std::size_t>(y) * width * 4];
      const std::size_t x0 = i * width;
      std::memcpy(colour + (static_cast<std::size_t>(y) * stripWidth + x0) * 4, src,
                  static_cast<std::size_t>(width) * 4);
      for (int x = 0; x < width; ++x) {
        if (src[x * 4 + 3] != 0) continue;
        const std::size_t mx = x0 + x;  // a set bit shows the list's background
        maskBits[y * maskRow + mx / 8] |= static_cast<std::uint8_t>(0x80 >> (mx % 8));
      }
    }
  }
  GdiFlush();
  UniqueBitmap mask(CreateBitmap(stripWidth, height, 1, 1, maskBits.data()));
  if (!mask || ImageList_Add(list.get(), strip.get(), mask.get()) < 0) return {};
  return list;
}

}  // namespace

struct PictureCache::Store {
  explicit Store(std::size_t bound) : byteBound(bound) {}

  // The kept pictures no one else holds.
  Spare spare() const {
    Spare out;
    for (const Kept& k : recent) {
      if (k.picture.use_count() > 1) continue;
      ++out.pictures;
      out.bytes += k.bytes;
    }
    return out;
  }

  // Lets go of pictures no one holds, the longest unused first, until the
  // spare ones fit the bound.
  void trim() {
    std::size_t bytes = spare().bytes;
    for (auto it = recent.end(); bytes > byteBound && it != recent.begin();) {
      --it;
      if (it->picture.use_count() > 1) continue;
      bytes -= it->bytes;
      index.erase(it->key);
      it = recent.erase(it);
    }
  }

  std::size_t byteBound;
  std::list<Kept> recent;  // most recently asked for first
  std::unordered_map<PictureKey, std::list<Kept>::iterator, PictureKeyHash> index;
  SharedPicture none = std::make_shared<const GdiPicture>();
  std::map<ListKey, UniqueImageList> lists;
};

PictureCache::PictureCache(std::size_t byteBound) : store_(std::make_unique<Store>(byteBound)) {}
PictureCache::~PictureCache() = default;

SharedPicture PictureCache::picture(const PictureWanted& wanted) {
  if (wanted.bytes.empty()) return store_->none;
  Store& s = *store_;
  const PictureKey key{contentHash(wanted.bytes), wanted.key, wanted.grey, wanted.dpi};
  if (auto found = s.index.find(key); found != s.index.end()) {
    s.recent.splice(s.recent.begin(), s.recent, found->second);
    return found->second->picture;
  }
  ++decodes_;
  auto picture = std::make_shared<const GdiPicture>(
      GdiPicture::fromBytes(wanted.bytes, wanted.key, wanted.grey, wanted.dpi));
  const std::size_t bytes = kEntryCost + static_cast<std::size_t>(picture->width()) * picture->height() * 4;
  s.recent.push_front(Kept{key, picture, bytes});
  s.index.emplace(key, s.recent.begin());
  s.trim();
  return picture;
}

HIMAGELIST PictureCache::imageList(std::span<const std::uint8_t> set, int dpi) {
  UniqueImageList& list = store_->lists[ListKey{contentHash(set), dpi}];
  if (!list) list = listOf(set, dpi, decodes_);
  return list.get();
}

void PictureCache::trim() { store_->trim(); }

PictureCache::Spare PictureCache::spare() const { return store_->spare(); }

}  // namespace vex::win
