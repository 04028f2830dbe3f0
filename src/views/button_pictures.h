// Writes shared by the views' picture buttons.
#pragma once
#include <span>

#include "toolkit/controls/ui.h"

namespace vex {

// Picture `number` of a set (picture number - 1) as the normal picture.
void setPictureOf(Ui& ui, ControlRef ref, std::span<const std::uint8_t> set, int number);

// The transparent colour every picture button of the views gets after its
// picture is set.
inline constexpr Colour kButtonPictureKey = 3;

}  // namespace vex
