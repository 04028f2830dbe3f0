// A compiled-in picture set as the platform's own image-list reader takes
// it: what the lists showed before they were made from our decoding.
#pragma once
#include <windows.h>
// objbase.h first: commctrl.h declares ImageList_Read only once IStream is known.
#include <objbase.h>
// clang-format off
#include <commctrl.h>
// clang-format on

#include <cstring>
#include <span>

#include "toolkit/pictures/picture_set_decode.h"
#include "toolkit/system/handles.h"

namespace vex::test {

inline win::UniqueImageList readByPlatform(std::span<const std::uint8_t> set) {
  const std::span<const std::uint8_t> stream = imageListStream(set);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, stream.size());
  if (!memory) return {};
  std::memcpy(GlobalLock(memory), stream.data(), stream.size());
  GlobalUnlock(memory);
  IStream* raw = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &raw))) {
    GlobalFree(memory);
    return {};
  }
  win::UniqueImageList list(ImageList_Read(raw));
  raw->Release();
  return list;
}

}  // namespace vex::test
