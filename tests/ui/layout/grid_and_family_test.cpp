// The computed families: the 9x9 item chart cells 装备N and the picker
// buttons 英雄列表按钮N with their markers.
#include <algorithm>
#include <span>
#include <string>

#include "layout_test_support.h"

namespace vex::test {
namespace {

using namespace layout;

namespace ic = item_chart_window;
namespace lw = lineup_window;

const ControlState& named(const WindowLayout& w, const std::string& name) {
  const ControlRef ref = controlNamed(w.id, name);
  const ControlState* c = findControl(w, ref.control);
  if (c == nullptr) ADD_FAILURE() << "no control " << name;
  static const ControlState kMissing;
  return c ? *c : kMissing;
}

TEST(ChartGrid, IdsAreThreeRuns) {
  const std::pair<int, std::int32_t> ids[] = {
      {1, 0x16012C6B},  {2, 0x16012C6C},  {8, 0x16012C72},  {9, 0x16012C77},
      {10, 0x16012CD3}, {11, 0x16012CD4}, {45, 0x16012CF6}, {81, 0x16012D1A},
  };
  for (auto [n, id] : ids) {
    EXPECT_EQ(ic::chartCellId(n), id) << n;
    EXPECT_EQ(named(itemChartWindowLayout(), "装备" + std::to_string(n)).id, id) << n;
  }
  EXPECT_EQ(ic::chartCellId(0), 0);
  EXPECT_EQ(ic::chartCellId(82), 0);
}

TEST(ChartGrid, CellsSitOnA37PixelPitch) {
  const WindowLayout& w = itemChartWindowLayout();
  for (int n = 1; n <= 81; ++n) {
    const ControlState& c = named(w, "装备" + std::to_string(n));
    const int row = (n - 1) / 9, column = (n - 1) % 9;
    SCOPED_TRACE(n);
    EXPECT_EQ(c.kind, ControlKind::SuperBtn);
    EXPECT_EQ(c.parent, 0);
    EXPECT_EQ(c.left, 37 * column);
    EXPECT_EQ(c.top, 31 + 37 * row);
    EXPECT_EQ(c.width, 32);
    EXPECT_EQ(c.height, 32);
    EXPECT_TRUE(c.visible);
    EXPECT_TRUE(c.tabStop);
    EXPECT_EQ(c.textColour[kNormal], rgb(0x000000));
    EXPECT_EQ(c.backColour[kNormal], rgb(0xF0F0F0));
    EXPECT_EQ(c.backColour[kHover], rgb(0xFFFFFF));
  }
  EXPECT_EQ(named(w, "装备81").left + 32, w.width);
  EXPECT_EQ(named(w, "装备81").top + 32, w.height);
}

TEST(ChartGrid, HeaderRowTakesClicksWithTheHandHeaderColumnWithTheArrow) {
  const WindowLayout& w = itemChartWindowLayout();
  for (int n = 2; n <= 81; ++n) {
    const ControlState& c = named(w, "装备" + std::to_string(n));
    SCOPED_TRACE(n);
    const bool headerRow = n <= 9, headerColumn = (n - 1) % 9 == 0;
    EXPECT_EQ(c.pointer, headerRow ? Pointer::Hand : Pointer::Arrow);
    const std::vector<Event> expected =
        headerRow || headerColumn ? std::vector<Event>{Event::Clicked} : std::vector<Event>{};
    EXPECT_EQ(handledEvents({kItemChartWindow, c.id}), expected);
    EXPECT_TRUE(c.hint.empty());
    EXPECT_TRUE(c.picture.empty());
  }
}

TEST(ChartGrid, CornerCellTogglesAndTakesTheRightButton) {
  const ControlState& c = named(itemChartWindowLayout(), "装备1");
  EXPECT_EQ(c.pointer, Pointer::Hand);
  EXPECT_EQ(c.hint, "全开/半开");
  EXPECT_EQ(handledEvents({kItemChartWindow, c.id}),
            (std::vector<Event>{Event::Clicked, Event::RightButtonPressed}));
  EXPECT_EQ(pictureSize(c.picture), (PictureSize{30, 30}));
  EXPECT_TRUE(c.hoverPicture.empty());  // the resting picture shows under the pointer too
}

TEST(ChartGrid, CreatedBottomRowFirstTopRowLastRightToLeft) {
  std::vector<std::string> expected{"英雄按钮", "最小化按钮"};
  for (int rowStart : {73, 64, 55, 46, 37, 28, 19, 10})
    for (int n = rowStart; n < rowStart + 9; ++n) expected.push_back("装备" + std::to_string(n));
  for (int n = 9; n >= 1; --n) expected.push_back("装备" + std::to_string(n));
  for (const char* name : {"外形框1", "LOGO", "关闭按钮", "标签2"}) expected.push_back(name);
  std::vector<std::string> actual;
  for (const ControlState& c : itemChartWindowLayout().controls) actual.push_back(c.name);
  EXPECT_EQ(actual, expected);
}

TEST(PickerFamily, IdsRunDownThenJump) {
  const std::pair<int, std::int32_t> ids[] = {
      {1, 0x16012EBD},  {2, 0x16012EBC},  {19, 0x16012EAB}, {20, 0x16012EC0},
      {21, 0x16012EEB}, {22, 0x16012EEC}, {30, 0x16012EF4},
  };
  for (auto [n, id] : ids) {
    EXPECT_EQ(lw::pickerButtonId(n), id) << n;
    EXPECT_EQ(named(lineupWindowLayout(), "英雄列表按钮" + std::to_string(n)).id, id) << n;
  }
  EXPECT_EQ(lw::pickerButtonId(0), 0);
  EXPECT_EQ(lw::pickerButtonId(31), 0);
}

TEST(PickerFamily, ChoicesAboveHiddenChosenBelowShown) {
  const WindowLayout& w = lineupWindowLayout();
  const Ui& ui = registeredUi();
  for (int n = 1; n <= 30; ++n) {
    const ControlState& c = named(w, "英雄列表按钮" + std::to_string(n));
    SCOPED_TRACE(n);
    const bool chosen = n > 20;
    EXPECT_EQ(c.parent, lw::外形框2);
    const auto [left, top] = ui.windowPosition({kLineupWindow, c.id});
    EXPECT_EQ(left, chosen ? 14 + 26 * (n - 21) : 14 + 26 * (n - 1));
    EXPECT_EQ(top, chosen ? 26 + 86 : 26 + 31);
    EXPECT_EQ(c.width, 22);
    EXPECT_EQ(c.height, 22);
    EXPECT_EQ(c.visible, chosen);
    EXPECT_EQ(c.pointer, Pointer::Hand);
    EXPECT_TRUE(c.tabStop);
    EXPECT_EQ(handledEvents({kLineupWindow, c.id}), std::vector<Event>{Event::Clicked});
    if (chosen) {
      for (int s = kNormal; s <= kPressed; ++s) {
        EXPECT_EQ(c.textColour[s], rgb(0xECECEC));
        EXPECT_EQ(c.backColour[s], rgb(0x171C25));
      }
    } else {
      EXPECT_EQ(c.textColour[kNormal], rgb(0x000000));
      EXPECT_EQ(c.backColour[kNormal], rgb(0xF0F0F0));
      EXPECT_EQ(c.backColour[kHover], rgb(0xFFFFFF));
    }
  }
}

TEST(PickerFamily, CreationOrderAroundTheCostButtons) {
  std::vector<std::string> actual;
  for (const ControlState& c : lineupWindowLayout().controls) actual.push_back(c.name);
  const auto at = [&](const std::string& name) {
    return std::find(actual.begin(), actual.end(), name) - actual.begin();
  };
  EXPECT_EQ(at("英雄列表按钮21"), at("花费列表按钮2") + 1);
  for (int n = 21; n < 30; ++n)
    EXPECT_EQ(at("英雄列表按钮" + std::to_string(n + 1)), at("英雄列表按钮" + std::to_string(n)) + 1);
  EXPECT_EQ(at("花费列表按钮1"), at("英雄列表按钮30") + 1);
  EXPECT_EQ(at("英雄列表按钮20"), at("花费列表按钮1") + 1);
  for (int n = 20; n > 1; --n)
    EXPECT_EQ(at("英雄列表按钮" + std::to_string(n - 1)), at("英雄列表按钮" + std::to_string(n)) + 1);
  EXPECT_EQ(at("外形框2"), at("英雄列表按钮1") + 1);
}

TEST(Markers, LineupMarkersSitOnTheChosenButtonsBottomRight) {
  const Ui& ui = registeredUi();
  for (int k = 1; k <= 10; ++k) {
    SCOPED_TRACE(k);
    const ControlRef mark{kLineupWindow, lw::kMyLineupMarks[k - 1]};
    const ControlRef button{kLineupWindow, lw::kMyLineupButtons[k - 1]};
    EXPECT_EQ(ui.control(mark).name, "图片框" + std::to_string(k));
    const auto [ml, mt] = ui.windowPosition(mark);
    const auto [bl, bt] = ui.windowPosition(button);
    EXPECT_NEAR(ml, bl + 16, 1);
    EXPECT_EQ(mt, bt + ui.control(button).height - 6);
    EXPECT_LE(ml + ui.control(mark).width, bl + ui.control(button).width + 1);
  }
  EXPECT_EQ(lw::myLineupMarkId(0), 0);
  EXPECT_EQ(lw::myLineupMarkId(11), 0);
}

TEST(Markers, CarryMarkersSitInsideTheCoreButtonsBottomRight) {
  namespace m = main_window;
  const Ui& ui = registeredUi();
  for (std::size_t k = 0; k < m::kCoreMarks.size(); ++k) {
    const std::int32_t markId = m::kCoreMarks[k], buttonId = m::kCoreHeroButtons[k];
    const ControlState& mark = ui.control({kMainWindow, markId});
    const ControlState& button = ui.control({kMainWindow, buttonId});
    SCOPED_TRACE(mark.name);
    const int dx = (button.left + button.width) - (mark.left + mark.width);
    const int dy = (button.top + button.height) - (mark.top + mark.height);
    EXPECT_GE(dx, 0);
    EXPECT_LE(dx, 2);
    EXPECT_GE(dy, 0);
    EXPECT_LE(dy, 2);
  }
}

TEST(ControlGroups, EachGroupHoldsItsNamedControlsInNumberOrder) {
  namespace m = main_window;
  const struct {
    std::int32_t window;
    const char* prefix;
    int first;
    std::span<const std::int32_t> ids;
    std::int32_t (*id)(int);
  } groups[] = {
      {kMainWindow, "英雄按钮", 1, m::kHeroButtons, m::heroButtonId},
      {kMainWindow, "核心英雄", 1, m::kCoreHeroButtons, m::coreHeroId},
      {kMainWindow, "图片框", 1, m::kCoreMarks, m::coreMarkId},
      {kMainWindow, "核心装备", 1, m::kCoreItemButtons, m::coreItemId},
      {kMainWindow, "合成装备", 1, m::kComponentButtons, m::componentId},
      {kLineupWindow, "英雄列表按钮", 1, lw::kPickerButtons, lw::pickerButtonId},
      {kLineupWindow, "英雄列表按钮", 21, lw::kMyLineupButtons, nullptr},
      {kLineupWindow, "图片框", 1, lw::kMyLineupMarks, lw::myLineupMarkId},
      {kLineupWindow, "花费列表按钮", 1, lw::kCostButtons, nullptr},
      {kItemChartWindow, "装备", 1, ic::kChartCells, ic::chartCellId},
  };
  for (const auto& group : groups) {
    const int count = static_cast<int>(group.ids.size());
    for (int k = 1; k <= count; ++k) {
      const std::string name = group.prefix + std::to_string(group.first + k - 1);
      EXPECT_EQ(group.ids[static_cast<std::size_t>(k - 1)], controlNamed(group.window, name).control) << name;
    }
    if (group.id == nullptr) continue;
    for (int k = 1; k <= count; ++k) EXPECT_EQ(group.id(k), group.ids[static_cast<std::size_t>(k - 1)]);
    EXPECT_EQ(group.id(0), 0) << group.prefix;
    if (group.id != lw::pickerButtonId) {  // whose 21 is the first place
      EXPECT_EQ(group.id(count + 1), 0) << group.prefix;
    }
  }
}

}  // namespace
}  // namespace vex::test
