#include <gtest/gtest.h>

#include "toolkit/controls/ui.h"

namespace vex {
namespace {

constexpr std::int32_t kWin = 0x100, kOther = 0x200, kBox = 1, kButton = 2, kList = 3, kTimer = 4;

WindowLayout testLayout(std::int32_t id) {
  WindowLayout w;
  w.id = id;
  w.width = 200;
  w.height = 100;
  w.background = rgb(0x606060);
  ControlState box;
  box.id = kBox;
  box.kind = ControlKind::ShapeBox;
  box.left = 10;
  box.top = 20;
  ControlState button;
  button.id = kButton;
  button.kind = ControlKind::SuperBtn;
  button.parent = kBox;
  button.left = 5;
  button.top = 6;
  button.caption = "x";
  ControlState list;
  list.id = kList;
  list.kind = ControlKind::ListView;
  list.list.columns = {{"a", 10, Align::Left}, {"b", 10, Align::Left}};
  ControlState timer;
  timer.id = kTimer;
  timer.kind = ControlKind::Timer;
  w.controls = {box, button, list, timer};
  return w;
}

class UiStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui.addLayout(testLayout(kWin));
    ui.addLayout(testLayout(kOther));
  }
  Ui ui;
};

TEST_F(UiStateTest, OpenRunsCreatedOnceAndReopenOnlyRaises) {
  int created = 0;
  ui.bindCreated(kWin, [&] { ++created; });
  EXPECT_TRUE(ui.open(kWin));
  EXPECT_FALSE(ui.open(kWin));
  EXPECT_EQ(created, 1);
  ui.close(kWin);
  EXPECT_FALSE(ui.isOpen(kWin));
  EXPECT_TRUE(ui.open(kWin));
  EXPECT_EQ(created, 2);
}

TEST_F(UiStateTest, ReopenStartsFromTheLayoutAgain) {
  ui.open(kWin);
  ui.setCaption({kWin, kButton}, "changed");
  ui.close(kWin);
  EXPECT_EQ(ui.control({kWin, kButton}).caption, "x");
  ui.setCaption({kWin, kButton}, "dropped while closed");
  ui.open(kWin);
  EXPECT_EQ(ui.control({kWin, kButton}).caption, "x");
}

TEST_F(UiStateTest, ChildPositionAddsTheParentBox) {
  auto [x, y] = ui.windowPosition({kWin, kButton});
  EXPECT_EQ(x, 15);
  EXPECT_EQ(y, 26);
}

TEST_F(UiStateTest, ClosingAnOwnerClosesWhatItOwns) {
  std::vector<std::int32_t> closed;
  ui.setClosedHook([&](std::int32_t id) { closed.push_back(id); });
  ui.open(kWin);
  ui.open(kOther, kWin);
  ui.close(kWin);
  EXPECT_FALSE(ui.isOpen(kOther));
  EXPECT_EQ(closed, (std::vector<std::int32_t>{kOther, kWin}));
}

TEST_F(UiStateTest, HandlerMayCloseItsOwnWindow) {
  ui.bind({kWin, kButton}, Event::Clicked, [&] { ui.close(kWin); });
  ui.open(kWin);
  ui.raise({kWin, kButton}, Event::Clicked);
  EXPECT_FALSE(ui.isOpen(kWin));
}

TEST_F(UiStateTest, ListRowsCellsSelectionAndStableSort) {
  ui.open(kWin);
  const ControlRef list{kWin, kList};
  for (const char* key : {"T2", "T1", "T2", "T1"}) {
    int row = ui.listAppendRow(list);
    ui.listSetCell(list, row, 0, key);
    ui.listSetCell(list, row, 1, std::to_string(row));
  }
  ui.listSetCell(list, 9, 0, "out of range is ignored");
  EXPECT_EQ(ui.listRowCount(list), 4);
  EXPECT_EQ(ui.listColumnCount(list), 2);
  ui.listSelect(list, 2);
  EXPECT_EQ(ui.listSelected(list), 2);
  ui.sortListByColumn(list, 0);
  std::vector<std::string> order;
  for (int r = 0; r < 4; ++r) order.push_back(ui.listCell(list, r, 0) + ui.listCell(list, r, 1));
  EXPECT_EQ(order, (std::vector<std::string>{"T11", "T13", "T20", "T22"}));
  EXPECT_EQ(ui.listSelected(list), -1);
  ui.listClear(list);
  EXPECT_EQ(ui.listRowCount(list), 0);
  EXPECT_EQ(ui.listCell(list, 0, 0), "");
}

// What the native list reads to catch up: the rows written since it last
// did, and nothing for a write of the value a cell already holds.
TEST_F(UiStateTest, ListWritesMarkTheRowsTheyChange) {
  ui.open(kWin);
  const ControlRef list{kWin, kList};
  const ChangedRows& marked = ui.control(list).list.changed;
  for (int r = 0; r < 5; ++r)
    ui.listSetCell(list, ui.listAppendRow(list), 0, std::string("T").append(std::to_string(r)));
  EXPECT_EQ(marked.first, 0);
  EXPECT_EQ(marked.last, 4);
  ui.window(kWin)->controls[2].list.changed.clear();  // as the native list does once synced
  ui.listSetCell(list, 3, 0, "T3");
  ui.listSetCellImage(list, 9, 0, 1);
  EXPECT_FALSE(marked.any()) << "the same text, a row out of range";
  ui.listSetCellImage(list, 3, 1, 7);
  ui.listSetCell(list, 1, 0, "new");
  EXPECT_EQ(marked.first, 1);
  EXPECT_EQ(marked.last, 3);
  ui.window(kWin)->controls[2].list.changed.clear();
  ui.sortListByColumn(list, 0);
  EXPECT_EQ(marked.first, 0);
  EXPECT_EQ(marked.last, 4) << "a sort moves every row";
}

// No table binds a timer's tick: it keeps the interval written, for
// reading back, while its window is open.
TEST_F(UiStateTest, TimerKeepsItsIntervalOnly) {
  const ControlRef timer{kWin, kTimer};
  ui.setTimerInterval(timer, 50);
  EXPECT_EQ(ui.control(timer).timerInterval, 0) << "dropped while closed";
  ui.open(kWin);
  ui.setTimerInterval(timer, 50);
  EXPECT_EQ(ui.control(timer).timerInterval, 50);
}

}  // namespace
}  // namespace vex
