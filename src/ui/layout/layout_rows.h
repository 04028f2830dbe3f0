// Row builders shared by the window tables: one call per table row, with
// the palette and the title-strip pieces every window repeats.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/controls/ui_types.h"

namespace vex::layout::rows {

inline constexpr Colour kStrip = rgb(0x171C25);      // title strip, menu buttons
inline constexpr Colour kBody = rgb(0x0F2D38);       // window bodies
inline constexpr Colour kAboutBody = rgb(0x122C3D);  // about window labels
inline constexpr Colour kLight = rgb(0xECECEC);      // light text
inline constexpr Colour kKey = rgb(0x606060);        // keyed-out background
inline constexpr Colour kCellBack = rgb(0xF0F0F0);
inline constexpr Colour kWhite = rgb(0xFFFFFF);
inline constexpr Colour kBlack = rgb(0x000000);

// Text and back colour of a button in the normal, hover and pressed states.
struct ButtonLook {
  Colour text[3];
  Colour back[3];
};
// Title-strip menu buttons: light on the strip, hover and pressed on the body colour.
inline constexpr ButtonLook kMenuLook{{kLight, kLight, kLight}, {kStrip, kBody, kBody}};
// Item cells: black on light grey, white under the pointer.
inline constexpr ButtonLook kCellLook{{kBlack, kBlack, kBlack}, {kCellBack, kWhite, kCellBack}};
// Champion slots: transparent until hovered.
inline constexpr ButtonLook kSlotLook{{kBlack, kBlack, kBlack}, {kDefaultColour, kWhite, kDefaultColour}};
inline constexpr ButtonLook kCoreHeroLook{{kStrip, kStrip, kStrip}, {kStrip, kStrip, kStrip}};
inline constexpr ButtonLook kPanelLook{{kLight, kLight, kLight}, {kBody, kBody, kBody}};
inline constexpr ButtonLook kStripLook{{kLight, kLight, kLight}, {kStrip, kStrip, kStrip}};
// Picture buttons: no colours of their own.
inline constexpr ButtonLook kPlainLook{{kBlack, kBlack, kBlack},
                                       {kDefaultColour, kDefaultColour, kDefaultColour}};
inline constexpr ButtonLook kAboutButtonLook{{kLight, kWhite, kWhite}, {kStrip, kBody, kBody}};

// A numbered control's layout name: "英雄按钮" and 3 give "英雄按钮3".
std::string numbered(const char* prefix, int k);

struct Box {
  int left = 0, top = 0, width = 0, height = 0;
};

// One creation record per kind, written with designated initialisers
// ({.id = …, .box = …, .look = …}); what a row leaves out takes the default.
struct ButtonRow {
  std::int32_t id = 0;
  std::string name{};
  std::int32_t parent = 0;
  Box box{};
  bool visible = true;
  ButtonLook look = kPlainLook;
  Pointer pointer = Pointer::Arrow;
  bool tabStop = true;
  Text caption{}, hint{};
  Bytes picture{}, hoverPicture{};
};
struct LabelRow {
  std::int32_t id = 0;
  std::string name{};
  std::int32_t parent = 0;
  Box box{};
  Text caption{};
  Colour text = kLight, back = kDefaultColour;
  bool visible = true, disabled = false;
};
struct PictureRow {
  std::int32_t id = 0;
  std::string name{};
  std::int32_t parent = 0;
  Box box{};
  Bytes picture{};
  bool visible = true;
  PictureFit fit = PictureFit::Centre;
};
struct ShapeRow {
  std::int32_t id = 0;
  std::string name{};
  Box box{};
  Colour fill = kBody;
};
struct ListRow {
  std::int32_t id = 0;
  std::string name{};
  Box box{};
  std::vector<ListColumn> columns{};
};
// A piece of a window's title strip.
struct StripRow {
  std::int32_t id = 0;
  std::int32_t strip = 0;
  int left = 0, width = 0;
  std::string name{};
  Text caption{};
};

ControlState superBtn(ButtonRow row);
ControlState label(LabelRow row);
ControlState picBox(PictureRow row);
ControlState shapeBox(ShapeRow row);
ControlState listView(ListRow row);
// A kind drawn by no row of its own (timer, progress bar): the bare row.
ControlState control(ControlKind kind, std::int32_t id, std::string name, Box box, bool visible,
                     std::int32_t parent = 0);

// Title-strip pieces: the 16x16 logo, close and minimise picture buttons
// (at .left), the title label (.width wide), and a caption menu button.
ControlState logo(const StripRow& row);
ControlState closeButton(const StripRow& row);
ControlState minimiseButton(const StripRow& row);
ControlState titleLabel(const StripRow& row);
ControlState menuButton(const StripRow& row);

}  // namespace vex::layout::rows
