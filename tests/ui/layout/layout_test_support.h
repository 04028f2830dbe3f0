// Shared helpers of the layout tests: expected control rows in window
// coordinates, and header readers for the embedded pictures.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "../../support/layout_lookup.h"
#include "toolkit/controls/ui.h"
#include "ui/layout/layouts.h"

namespace vex::test {

// One row of a control table as the window shows it: positions are in the
// window's client area (parent offsets added).
struct Row {
  const char* name;
  ControlKind kind;
  std::int32_t id;
  std::int32_t parent;
  int left, top, width, height;
  bool visible;
  bool disabled;
  bool tabStop;
  Pointer pointer;
  std::vector<Event> events;  // that reach a handler of the views
};

// Checks every expected row against the window's layout, and that the rows
// appear in this relative creation order.
void expectRows(std::int32_t window, const std::vector<Row>& rows);

// Ui with all eight layouts registered and the views' handlers bound as
// the program binds them (MainWindow's strip buttons are the app's).
const Ui& registeredUi();
// The events of `ref` that reach a handler there, in the order Event lists them.
std::vector<Event> handledEvents(ControlRef ref);

struct PictureSize {
  int width = 0, height = 0;
  bool operator==(const PictureSize&) const = default;
};
// Pixel size from the file header of a PNG, JPEG or ICO; nullopt if the
// bytes are none of these or the header is cut short.
std::optional<PictureSize> pictureSize(const Bytes& bytes);

}  // namespace vex::test
