#include "ui/layout/layout_rows.h"

#include "ui/layout/layout_pictures.h"
#include "ui/layout/window_ids.h"

namespace vex::layout::rows {

std::string numbered(const char* prefix, int k) { return prefix + std::to_string(k); }

ControlState control(ControlKind kind, std::int32_t id, const char* name, std::int32_t parent, Box box,
                     bool visible) {
  ControlState c;
  c.kind = kind;
  c.id = id;
  c.name = name;
  c.parent = parent;
  c.left = box.left;
  c.top = box.top;
  c.width = box.width;
  c.height = box.height;
  c.visible = visible;
  return c;
}

ControlState superBtn(std::int32_t id, const char* name, std::int32_t parent, Box box, bool visible,
                      const ButtonLook& look, Pointer pointer, std::initializer_list<Event> events) {
  ControlState c = control(ControlKind::SuperBtn, id, name, parent, box, visible);
  c.tabStop = true;
  c.pointer = pointer;
  c.events = events;
  for (int s = 0; s < 3; ++s) {
    c.textColour[s] = look.text[s];
    c.backColour[s] = look.back[s];
  }
  return c;
}

ControlState label(std::int32_t id, const char* name, std::int32_t parent, Box box, const char* caption,
                   Colour text, Colour back) {
  ControlState c = control(ControlKind::Label, id, name, parent, box, true);
  c.caption = caption;
  c.textColour[kNormal] = text;
  c.backColour[kNormal] = back;
  return c;
}

ControlState picBox(std::int32_t id, const char* name, std::int32_t parent, Box box, Bytes picture,
                    bool visible, PictureFit fit) {
  ControlState c = control(ControlKind::PicBox, id, name, parent, box, visible);
  c.picture = std::move(picture);
  c.fit = fit;
  return c;
}

ControlState shapeBox(std::int32_t id, const char* name, Box box, Colour fill,
                      std::initializer_list<Event> events) {
  ControlState c = control(ControlKind::ShapeBox, id, name, 0, box, true);
  c.fill = fill;
  c.events = events;
  return c;
}

ControlState listView(std::int32_t id, const char* name, Box box, std::vector<ListColumn> columns,
                      std::initializer_list<Event> events) {
  ControlState c = control(ControlKind::ListView, id, name, 0, box, true);
  c.tabStop = true;
  c.events = events;
  c.list.columns = std::move(columns);
  c.list.background = kWhite;
  return c;
}

ControlState logo(std::int32_t id, std::int32_t strip) {
  return picBox(id, "LOGO", strip, {5, 5, 16, 16}, assets::layoutLogoIco.bytes());
}

ControlState closeButton(std::int32_t id, std::int32_t strip, int left) {
  ControlState c =
      superBtn(id, "关闭按钮", strip, {left, 1, 40, 24}, true, kPlainLook, Pointer::Hand, {Event::Clicked});
  c.picture = assets::layoutClosePng.bytes();
  c.hoverPicture = assets::layoutCloseHoverPng.bytes();
  return c;
}

ControlState minimiseButton(std::int32_t id, std::int32_t strip, int left) {
  ControlState c =
      superBtn(id, "最小化按钮", strip, {left, 1, 40, 24}, true, kPlainLook, Pointer::Hand, {Event::Clicked});
  c.picture = assets::layoutMinimisePng.bytes();
  c.hoverPicture = assets::layoutMinimiseHoverPng.bytes();
  return c;
}

ControlState titleLabel(std::int32_t id, std::int32_t strip, int width, const char* caption) {
  return label(id, "标签2", strip, {22, 1, width, 24}, caption, kLight, kStrip);
}

ControlState menuButton(std::int32_t id, const char* name, std::int32_t strip, int left, int width,
                        const char* caption) {
  ControlState c =
      superBtn(id, name, strip, {left, 1, width, 24}, true, kMenuLook, Pointer::Hand, {Event::Clicked});
  c.caption = caption;
  return c;
}

WindowLayout window(std::int32_t id, const char* caption, int width, int height, int designLeft,
                    int designTop, bool centred, Colour background, std::int32_t titleStrip) {
  WindowLayout w;
  w.id = id;
  w.caption = caption;
  w.width = width;
  w.height = height;
  w.left = designLeft;
  w.top = designTop;
  w.centred = centred;
  w.background = background;
  w.dragControl = titleStrip;
  return w;
}

}  // namespace vex::layout::rows
