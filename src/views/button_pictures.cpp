#include "views/button_pictures.h"

#include "data/picture_set.h"

namespace vex {

void setPictureOf(Ui& ui, ControlRef ref, std::span<const std::uint8_t> set, int number) {
  ui.setPicture(ref, pictureOf(set, number - 1));
}

}  // namespace vex
