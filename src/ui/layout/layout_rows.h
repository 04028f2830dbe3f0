// Row builders shared by the window tables: one call per table row, with
// the palette and the title-strip pieces every window repeats.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

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
  int left, top, width, height;
};

// A bare row: kind, id, name, parent, box and initial visibility.
ControlState control(ControlKind kind, std::int32_t id, const char* name, std::int32_t parent, Box box,
                     bool visible);
ControlState superBtn(std::int32_t id, const char* name, std::int32_t parent, Box box, bool visible,
                      const ButtonLook& look, Pointer pointer, std::initializer_list<Event> events);
ControlState label(std::int32_t id, const char* name, std::int32_t parent, Box box, const char* caption,
                   Colour text, Colour back);
ControlState picBox(std::int32_t id, const char* name, std::int32_t parent, Box box, Bytes picture,
                    bool visible = true, PictureFit fit = PictureFit::Centre);
ControlState shapeBox(std::int32_t id, const char* name, Box box, Colour fill,
                      std::initializer_list<Event> events = {});
ControlState listView(std::int32_t id, const char* name, Box box, std::vector<ListColumn> columns,
                      std::initializer_list<Event> events = {});

// Title-strip pieces: the 16x16 logo, close and minimise picture buttons,
// the title label, and a caption menu button.
ControlState logo(std::int32_t id, std::int32_t strip);
ControlState closeButton(std::int32_t id, std::int32_t strip, int left);
ControlState minimiseButton(std::int32_t id, std::int32_t strip, int left);
ControlState titleLabel(std::int32_t id, std::int32_t strip, int width, const char* caption);
ControlState menuButton(std::int32_t id, const char* name, std::int32_t strip, int left, int width,
                        const char* caption);

WindowLayout window(std::int32_t id, const char* caption, int width, int height, int designLeft,
                    int designTop, bool centred, Colour background, std::int32_t titleStrip);

}  // namespace vex::layout::rows
