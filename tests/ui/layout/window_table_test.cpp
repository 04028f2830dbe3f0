// The eight window records, their registration, and the invariants every
// control table keeps (unique ids and names, parents, bounds).
#include <set>

#include "layout_test_support.h"

namespace vex::test {
namespace {

using namespace layout;

struct WindowRow {
  std::int32_t id;
  const char* caption;
  int width, height, left, top;
  bool centred;
  Colour background;
  std::int32_t titleStrip;
};

const WindowRow kWindows[] = {
    {0x52010001, "Vexbox(阵匣)V2.0", 542, 150, 0, 0, false, rgb(0x606060), 0x16012B00},
    {0x52012B8F, "合成图", 328, 359, 0, 0, true, rgb(0x606060), 0x16012C63},
    {0x52012DA7, "阵容", 542, 380, 0, 0, false, rgb(0x606060), 0x16012DA9},
    {0x52012DF2, "关于", 376, 276, 0, 0, true, rgb(0x606060), 0x16012DF9},
    {0x52012E0F, "打赏", 270, 266, 0, 0, false, rgb(0x606060), 0x16012E15},
    {0x520130AC, "英雄", 329, 380, 0, 0, false, rgb(0x606060), 0x160130B9},
    {0x520130FF, "更新", 351, 67, 50, 50, true, rgb(0x0F2D38), 0x16013128},
    {0x52013190, "装备", 350, 359, 50, 50, false, rgb(0x606060), 0x16013191},
};

TEST(WindowTable, RecordsOfTheEightWindows) {
  ASSERT_EQ(allLayouts().size(), std::size(kWindows));
  for (const WindowRow& row : kWindows) {
    SCOPED_TRACE(row.caption);
    const WindowLayout* w = layoutOf(row.id);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->id, row.id);
    EXPECT_EQ(w->caption, row.caption);
    EXPECT_EQ(w->width, row.width);
    EXPECT_EQ(w->height, row.height);
    EXPECT_EQ(w->left, row.left);
    EXPECT_EQ(w->top, row.top);
    EXPECT_EQ(w->centred, row.centred);
    EXPECT_EQ(w->background, row.background);
    EXPECT_EQ(w->owner, 0);
    EXPECT_EQ(w->dragControl, row.titleStrip);
  }
  EXPECT_EQ(layoutOf(0x52010002), nullptr);
}

TEST(WindowTable, DragControlIsTheTitleStripAtTheTop) {
  for (const WindowLayout* w : allLayouts()) {
    const ControlState* strip = findControl(*w, w->dragControl);
    ASSERT_NE(strip, nullptr) << w->caption;
    EXPECT_EQ(strip->name, "外形框1");
    EXPECT_EQ(strip->kind, ControlKind::ShapeBox);
    EXPECT_EQ(strip->left, 0);
    EXPECT_EQ(strip->top, 0);
    EXPECT_EQ(strip->height, 26);
    EXPECT_EQ(strip->fill, rgb(0x171C25));
  }
}

TEST(WindowTable, RegisteredWindowsOpenFromTheirLayouts) {
  Ui ui;
  registerLayouts(ui);
  for (const WindowRow& row : kWindows) {
    EXPECT_TRUE(ui.open(row.id));
    ASSERT_NE(ui.window(row.id), nullptr);
    EXPECT_EQ(ui.window(row.id)->controls.size(), layoutOf(row.id)->controls.size());
  }
  EXPECT_EQ(ui.control({kLineupWindow, lineup_window::阵容超级列表框}).list.columns.size(), 18u);
}

TEST(WindowTable, ControlNamedFindsByGbkName) {
  EXPECT_EQ(controlNamed(kMainWindow, "关闭按钮"), (ControlRef{kMainWindow, 0x16012C19}));
  EXPECT_EQ(controlNamed(kLineupWindow, "关闭按钮"), (ControlRef{kLineupWindow, 0x16012DAB}));
  EXPECT_EQ(controlNamed(kItemChartWindow, "装备81"), (ControlRef{kItemChartWindow, 0x16012D1A}));
  EXPECT_EQ(controlNamed(kMainWindow, "装备81"), ControlRef{});
  EXPECT_EQ(controlNamed(0x12345678, "LOGO"), ControlRef{});
}

TEST(WindowTable, IdsAndNamesAreUniqueWithinEachWindow) {
  for (const WindowLayout* w : allLayouts()) {
    std::set<std::int32_t> ids;
    std::set<Text> names;
    for (const ControlState& c : w->controls) {
      EXPECT_TRUE(ids.insert(c.id).second) << w->caption << ": id " << std::hex << c.id;
      EXPECT_TRUE(names.insert(c.name).second) << w->caption << ": name " << c.name;
      EXPECT_NE(c.id, w->id);
      EXPECT_NE(c.id, 0);
    }
  }
}

TEST(WindowTable, ParentsAreShapeBoxesAndChildrenFitInside) {
  for (const WindowLayout* w : allLayouts()) {
    for (const ControlState& c : w->controls) {
      SCOPED_TRACE(c.name);
      if (c.parent != 0) {
        const ControlState* parent = findControl(*w, c.parent);
        ASSERT_NE(parent, nullptr);
        EXPECT_EQ(parent->kind, ControlKind::ShapeBox);
        EXPECT_EQ(parent->parent, 0);
        EXPECT_GE(c.left, 0);
        EXPECT_GE(c.top, 0);
        EXPECT_LE(c.left + c.width, parent->width);
        EXPECT_LE(c.top + c.height, parent->height);
      }
      const auto [left, top] = registeredUi().windowPosition({w->id, c.id});
      EXPECT_GE(left, 0);
      EXPECT_GE(top, 0);
      EXPECT_LE(left + c.width, w->width);
      EXPECT_LE(top + c.height, w->height);
    }
  }
}

// Every handler waits for an event its control raises.
TEST(WindowTable, HandledEventsMatchTheirKinds) {
  for (const WindowLayout* w : allLayouts())
    for (const ControlState& c : w->controls)
      for (Event e : handledEvents({w->id, c.id})) {
        SCOPED_TRACE(c.name);
        switch (e) {
          case Event::Clicked:
          case Event::RightButtonPressed:
            EXPECT_EQ(c.kind, ControlKind::SuperBtn);
            break;
          case Event::LeftButtonPressed:
            EXPECT_EQ(c.kind, ControlKind::ShapeBox);
            break;
          case Event::ListClicked:
            EXPECT_EQ(c.kind, ControlKind::ListView);
            break;
          case Event::Created:
            ADD_FAILURE() << "created belongs to the window";
            break;
        }
      }
}

}  // namespace
}  // namespace vex::test
