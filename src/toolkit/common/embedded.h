// Bytes compiled into the program (see cmake/embed.cmake).
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/common/basic_types.h"

namespace vex {

struct EmbeddedBytes {
  const unsigned char* data;
  std::size_t size;

  std::span<const std::uint8_t> span() const { return {data, size}; }
  Bytes bytes() const { return Bytes(data, data + size); }
};

}  // namespace vex
