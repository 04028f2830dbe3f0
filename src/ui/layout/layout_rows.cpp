#include "ui/layout/layout_rows.h"

#include "ui/layout/layout_pictures.h"
#include "ui/layout/window_ids.h"

namespace vex::layout::rows {

std::string numbered(const char* prefix, int k) { return prefix + std::to_string(k); }

ControlState control(ControlKind kind, std::int32_t id, std::string name, Box box, bool visible,
                     std::int32_t parent) {
  return {.id = id,
          .name = std::move(name),
          .kind = kind,
          .left = box.left,
          .top = box.top,
          .width = box.width,
          .height = box.height,
          .parent = parent,
          .visible = visible};
}

ControlState superBtn(ButtonRow row) {
  ControlState c =
      control(ControlKind::SuperBtn, row.id, std::move(row.name), row.box, row.visible, row.parent);
  c.tabStop = row.tabStop;
  c.pointer = row.pointer;
  c.caption = std::move(row.caption);
  c.hint = std::move(row.hint);
  c.picture = std::move(row.picture);
  c.hoverPicture = std::move(row.hoverPicture);
  for (int s = 0; s < 3; ++s) {
    c.textColour[s] = row.look.text[s];
    c.backColour[s] = row.look.back[s];
  }
  return c;
}

ControlState label(LabelRow row) {
  ControlState c = control(ControlKind::Label, row.id, std::move(row.name), row.box, row.visible, row.parent);
  c.disabled = row.disabled;
  c.caption = std::move(row.caption);
  c.textColour[kNormal] = row.text;
  c.backColour[kNormal] = row.back;
  return c;
}

ControlState picBox(PictureRow row) {
  ControlState c =
      control(ControlKind::PicBox, row.id, std::move(row.name), row.box, row.visible, row.parent);
  c.picture = std::move(row.picture);
  c.fit = row.fit;
  return c;
}

ControlState shapeBox(ShapeRow row) {
  ControlState c = control(ControlKind::ShapeBox, row.id, std::move(row.name), row.box, true);
  c.fill = row.fill;
  return c;
}

ControlState listView(ListRow row) {
  ControlState c = control(ControlKind::ListView, row.id, std::move(row.name), row.box, true);
  c.tabStop = true;
  c.list.columns = std::move(row.columns);
  c.list.background = kWhite;
  return c;
}

ControlState logo(const StripRow& row) {
  return picBox({.id = row.id,
                 .name = "LOGO",
                 .parent = row.strip,
                 .box = {5, 5, 16, 16},
                 .picture = assets::layoutLogoIco.bytes()});
}

namespace {

// A picture button of the strip at .left: close or minimise.
ControlState stripPictureButton(const StripRow& row, const char* name, Bytes picture, Bytes hover) {
  return superBtn({.id = row.id,
                   .name = name,
                   .parent = row.strip,
                   .box = {row.left, 1, 40, 24},
                   .pointer = Pointer::Hand,
                   .picture = std::move(picture),
                   .hoverPicture = std::move(hover)});
}

}  // namespace

ControlState closeButton(const StripRow& row) {
  return stripPictureButton(row, "关闭按钮", assets::layoutClosePng.bytes(),
                            assets::layoutCloseHoverPng.bytes());
}

ControlState minimiseButton(const StripRow& row) {
  return stripPictureButton(row, "最小化按钮", assets::layoutMinimisePng.bytes(),
                            assets::layoutMinimiseHoverPng.bytes());
}

ControlState titleLabel(const StripRow& row) {
  return label({.id = row.id,
                .name = "标签2",
                .parent = row.strip,
                .box = {22, 1, row.width, 24},
                .caption = row.caption,
                .back = kStrip});
}

ControlState menuButton(const StripRow& row) {
  return superBtn({.id = row.id,
                   .name = row.name,
                   .parent = row.strip,
                   .box = {row.left, 1, row.width, 24},
                   .look = kMenuLook,
                   .pointer = Pointer::Hand,
                   .caption = row.caption});
}

}  // namespace vex::layout::rows
