// The layout's embedded artwork (assets/layout, drawn by tools/layout_art).
#pragma once
#include "toolkit/common/embedded.h"

namespace vex::assets {
extern const EmbeddedBytes layoutLogoIco;
extern const EmbeddedBytes layoutMinimisePng;
extern const EmbeddedBytes layoutMinimiseHoverPng;
extern const EmbeddedBytes layoutClosePng;
extern const EmbeddedBytes layoutCloseHoverPng;
extern const EmbeddedBytes layoutCarryMarkerPng;  // 15x15, MainWindow carries
extern const EmbeddedBytes layoutSlotMarkerPng;   // 11x11, LineupWindow slots
extern const EmbeddedBytes layoutCoinPng;         // 12x12, cost buttons
extern const EmbeddedBytes layoutChartCornerPng;  // 30x30, 装备1
extern const EmbeddedBytes layoutThanksHeartJpg;  // 120x180
extern const EmbeddedBytes layoutThanksCupJpg;    // 120x163
}  // namespace vex::assets
