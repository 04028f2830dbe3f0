// What the controls show at start: captions, hints, colours, fills, list
// columns, progress range and timer.
#include <string>

#include "layout_test_support.h"

namespace vex::test {
namespace {

using namespace layout;

const ControlState& named(std::int32_t window, const char* name) {
  const ControlRef ref = controlNamed(window, name);
  const ControlState* c = layoutOf(window) ? findControl(*layoutOf(window), ref.control) : nullptr;
  if (c == nullptr) ADD_FAILURE() << "no control " << name;
  static const ControlState kMissing;
  return c ? *c : kMissing;
}

struct TextRow {
  std::int32_t window;
  const char* name;
  const char* caption;
  const char* hint;
};

TEST(Looks, CaptionsAndHints) {
  const TextRow rows[] = {
      {kMainWindow, "阵容菜单按钮", "阵容", ""},
      {kMainWindow, "装备图菜单按钮", "装备图", ""},
      {kMainWindow, "关于菜单按钮", "关于", ""},
      {kMainWindow, "标签2", "Vexbox(阵匣)", ""},
      {kMainWindow, "关闭按钮", "", ""},
      {kMainWindow, "英雄按钮1", "", ""},
      {kItemChartWindow, "英雄按钮", "装备", ""},
      {kItemChartWindow, "标签2", "装备图", ""},
      {kLineupWindow, "英雄按钮", "英雄", ""},
      {kLineupWindow, "标签1", "游戏版本：X.XX", ""},
      {kLineupWindow, "使用按钮", "使用", ""},
      {kLineupWindow, "清空按钮", "清空", "清空我的阵容"},
      {kLineupWindow, "花费列表按钮6", "我的阵容", ""},
      {kLineupWindow, "花费列表按钮1", "1", "1费"},
      {kLineupWindow, "花费列表按钮2", "2", "2费"},
      {kLineupWindow, "花费列表按钮3", "3", "3费"},
      {kLineupWindow, "花费列表按钮4", "4", "4费"},
      {kLineupWindow, "花费列表按钮5", "5", "5费"},
      {kLineupWindow, "标签2", "阵容", ""},
      {kAboutWindow, "超级按钮1", "立即更新", ""},
      {kAboutWindow, "标签5", "最新版本：VX.X", ""},
      {kAboutWindow, "标签4", "当前版本：VX.X", ""},
      {kAboutWindow, "超级按钮2", "关注微博", ""},
      {kAboutWindow, "超级按钮3", "打赏", ""},
      {kAboutWindow, "标签2", "Vexbox(阵匣)关于", ""},
      {kDonateWindow, "标签1", "如果觉得好用就打赏一波，汽车飞机走起~\r\n才有动力更新！", ""},
      {kDonateWindow, "标签2", "打赏", ""},
      {kHeroListWindow, "标签2", "英雄", ""},
      {kUpdateWindow, "标签2", "更新", ""},
      {kItemListWindow, "标签2", "装备", ""},
  };
  for (const TextRow& row : rows) {
    const ControlState& c = named(row.window, row.name);
    EXPECT_EQ(c.caption, row.caption) << row.name;
    EXPECT_EQ(c.hint, row.hint) << row.name;
  }
}

TEST(Looks, AboutTextsInOurOwnWords) {
  const std::string slogan = named(kAboutWindow, "标签1").caption;
  const std::string tail = "新手必备！永久免费！";
  ASSERT_GT(slogan.size(), tail.size());
  EXPECT_EQ(slogan.substr(slogan.size() - tail.size()), tail);
  EXPECT_EQ(slogan.find("\r\n"), std::string::npos);

  const std::string usage = named(kAboutWindow, "标签7").caption;
  EXPECT_EQ(usage.rfind("使用说明：\r\n", 0), 0u);
  EXPECT_NE(usage.find("无边框"), std::string::npos);

  const std::string thanks = named(kAboutWindow, "标签6").caption;
  const auto lineBreak = thanks.find("\r\n");
  ASSERT_NE(lineBreak, std::string::npos);
  EXPECT_EQ(thanks.find("\r\n", lineBreak + 2), std::string::npos);  // two lines
  EXPECT_NE(thanks.find("、", lineBreak), std::string::npos);

  EXPECT_FALSE(named(kAboutWindow, "标签3").caption.empty());
}

// Expected colours of a button: text and back per state (normal, hover, pressed).
struct ButtonColours {
  std::int32_t window;
  const char* name;
  std::uint32_t text[3];
  std::uint32_t back[3];  // 0xFF000000 = transparent
};

constexpr std::uint32_t T = 0xFF000000;

Colour fromTable(std::uint32_t rrggbb) { return rrggbb == T ? kDefaultColour : rgb(rrggbb); }

TEST(Looks, ButtonColoursPerState) {
  const ButtonColours rows[] = {
      {kMainWindow, "英雄按钮10", {0x000000, 0x000000, 0x000000}, {T, 0xFFFFFF, T}},
      {kMainWindow, "英雄按钮1", {0x000000, 0x000000, 0x000000}, {T, 0xFFFFFF, T}},
      {kMainWindow, "英雄详情", {0x000000, 0x000000, 0x000000}, {T, 0xFFFFFF, T}},
      {kMainWindow, "核心英雄3", {0x171C25, 0x171C25, 0x171C25}, {0x171C25, 0x171C25, 0x171C25}},
      {kMainWindow, "合成装备6", {0x000000, 0x000000, 0x000000}, {0xF0F0F0, 0xFFFFFF, 0xF0F0F0}},
      {kMainWindow, "核心装备1", {0x000000, 0x000000, 0x000000}, {0xF0F0F0, 0xFFFFFF, 0xF0F0F0}},
      {kMainWindow, "阵容菜单按钮", {0xECECEC, 0xECECEC, 0xECECEC}, {0x171C25, 0x0F2D38, 0x0F2D38}},
      {kMainWindow, "关于菜单按钮", {0xECECEC, 0xECECEC, 0xECECEC}, {0x171C25, 0x0F2D38, 0x0F2D38}},
      {kItemChartWindow, "英雄按钮", {0xECECEC, 0xECECEC, 0xECECEC}, {0x171C25, 0x0F2D38, 0x0F2D38}},
      {kLineupWindow, "英雄按钮", {0xECECEC, 0xECECEC, 0xECECEC}, {0x171C25, 0x0F2D38, 0x0F2D38}},
      {kLineupWindow, "使用按钮", {0xECECEC, 0xECECEC, 0xECECEC}, {0x0F2D38, 0x0F2D38, 0x0F2D38}},
      {kLineupWindow, "清空按钮", {0xECECEC, 0xECECEC, 0xECECEC}, {0x0F2D38, 0x0F2D38, 0x0F2D38}},
      {kLineupWindow, "花费列表按钮6", {0xECECEC, 0xECECEC, 0xECECEC}, {0x0F2D38, 0x0F2D38, 0x0F2D38}},
      {kLineupWindow, "花费列表按钮3", {0xECECEC, 0xECECEC, 0xECECEC}, {0x0F2D38, 0x0F2D38, 0x0F2D38}},
      {kAboutWindow, "超级按钮1", {0xECECEC, 0xFFFFFF, 0xFFFFFF}, {0x171C25, 0x0F2D38, 0x0F2D38}},
      {kAboutWindow, "超级按钮3", {0xECECEC, 0xFFFFFF, 0xFFFFFF}, {0x171C25, 0x0F2D38, 0x0F2D38}},
  };
  for (const ButtonColours& row : rows)
    for (int s = kNormal; s <= kPressed; ++s) {
      const ControlState& c = named(row.window, row.name);
      EXPECT_EQ(c.textColour[s], fromTable(row.text[s])) << row.name << " state " << s;
      EXPECT_EQ(c.backColour[s], fromTable(row.back[s])) << row.name << " state " << s;
    }
}

TEST(Looks, LabelColoursAndShapeFills) {
  for (const WindowLayout* w : allLayouts())
    for (const ControlState& c : w->controls) {
      SCOPED_TRACE(c.name);
      if (c.kind == ControlKind::Label) {
        EXPECT_EQ(c.textColour[kNormal], rgb(0xECECEC));
        const bool onStrip = c.parent == w->dragControl;
        const bool aboutDark = w->id == kAboutWindow && c.name != "标签7" && c.name != "标签1" && !onStrip;
        EXPECT_EQ(c.backColour[kNormal], onStrip ? rgb(0x171C25) : aboutDark ? rgb(0x122C3D) : rgb(0x0F2D38));
      }
      if (c.kind == ControlKind::ShapeBox) {
        EXPECT_EQ(c.fill, c.name == "外形框1" ? rgb(0x171C25) : rgb(0x0F2D38));
      }
    }
}

std::vector<std::pair<std::string, int>> titlesAndWidths(const ControlState& c) {
  std::vector<std::pair<std::string, int>> out;
  for (const ListColumn& col : c.list.columns) out.emplace_back(col.title, col.width);
  return out;
}

TEST(Looks, ListColumns) {
  const ControlState& lineups = named(kLineupWindow, "阵容超级列表框");
  std::vector<std::pair<std::string, int>> expected{{"评级", 40}, {"名称", 135}};
  for (int i = 0; i < 10; ++i) expected.emplace_back("", 22);
  expected.insert(
      expected.end(),
      {{"作者", 90}, {"阵容核心", 200}, {"前期推荐", 200}, {"中期过渡", 200}, {"最终阵容", 200}, {"ID", 30}});
  EXPECT_EQ(titlesAndWidths(lineups), expected);
  EXPECT_EQ(lineups.list.columns[lineup_window::kLineupIdColumn].title, "ID");

  EXPECT_EQ(titlesAndWidths(named(kHeroListWindow, "英雄超级列表框")),
            (std::vector<std::pair<std::string, int>>{
                {"评级", 40}, {"名称", 100}, {"", 22}, {"花费", 40}, {"种族", 60}, {"职业", 50}}));
  EXPECT_EQ(titlesAndWidths(named(kItemListWindow, "装备超级列表框")),
            (std::vector<std::pair<std::string, int>>{
                {"评级", 40}, {"名称", 100}, {"", 22}, {"", 22}, {"", 22}, {"效果", 500}}));

  // The columns the views name are the ones the layout titles so.
  namespace lw = lineup_window;
  namespace hl = hero_list_window;
  namespace il = item_list_window;
  const struct {
    const ControlState& list;
    int column;
    const char* title;
  } namedColumns[] = {
      {lineups, lw::kRatingColumn, "评级"},
      {lineups, lw::kNameColumn, "名称"},
      {lineups, lw::kAuthorColumn, "作者"},
      {lineups, lw::kCoreColumn, "阵容核心"},
      {lineups, lw::kEarlyColumn, "前期推荐"},
      {lineups, lw::kMidGameColumn, "中期过渡"},
      {lineups, lw::kFinalBoardColumn, "最终阵容"},
      {lineups, lw::kFirstBoardColumn + lw::kBoardColumns - 1, ""},
      {named(kHeroListWindow, "英雄超级列表框"), hl::kCostColumn, "花费"},
      {named(kHeroListWindow, "英雄超级列表框"), hl::kClassColumn, "职业"},
      {named(kItemListWindow, "装备超级列表框"), il::kSecondPartColumn, ""},
      {named(kItemListWindow, "装备超级列表框"), il::kEffectColumn, "效果"},
  };
  for (const auto& c : namedColumns) EXPECT_EQ(c.list.list.columns.at(c.column).title, c.title) << c.title;

  for (const ControlState* list :
       {&lineups, &named(kHeroListWindow, "英雄超级列表框"), &named(kItemListWindow, "装备超级列表框")}) {
    EXPECT_EQ(list->list.background, rgb(0xFFFFFF));
    EXPECT_TRUE(list->list.rows.empty());
    // Picture columns are the untitled ones, centred; the rest align left.
    for (const ListColumn& col : list->list.columns)
      EXPECT_EQ(col.align, col.title.empty() ? Align::Centre : Align::Left) << col.title;
  }
}

TEST(Looks, ProgressBarAndTimerStartIdle) {
  const ControlState& bar = named(kUpdateWindow, "进度条1");
  EXPECT_EQ(bar.progressMin, 0);
  EXPECT_EQ(bar.progressMax, 100);
  EXPECT_EQ(bar.progress, 0);
  EXPECT_EQ(named(kUpdateWindow, "时钟1").timerInterval, 0);
}

}  // namespace
}  // namespace vex::test
