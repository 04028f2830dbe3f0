// The four picture sets compiled into the program (assets/pictures/*.bin).
#pragma once
#include "toolkit/common/embedded.h"

namespace vex::assets {

extern const EmbeddedBytes championPortraits;  // 51 x 43 x 43
extern const EmbeddedBytes championIcons;      // 51 x 20 x 20
extern const EmbeddedBytes itemPictures;       // 44 x 30 x 30
extern const EmbeddedBytes itemIcons;          // 44 x 20 x 20

}  // namespace vex::assets
