// Ids of the eight windows and of every control the program addresses.
// Control constants carry the layout names, so a view reads
// `lineup_window::阵容超级列表框` exactly as the layout calls it. Each numbered
// group of controls is one array in number order, which the layout tables,
// the event bindings and the views all walk.
#pragma once
#include <array>
#include <cstdint>

namespace vex::layout {

inline constexpr std::int32_t kMainWindow = 0x52010001;
inline constexpr std::int32_t kItemChartWindow = 0x52012B8F;
inline constexpr std::int32_t kLineupWindow = 0x52012DA7;
inline constexpr std::int32_t kAboutWindow = 0x52012DF2;
inline constexpr std::int32_t kDonateWindow = 0x52012E0F;
inline constexpr std::int32_t kHeroListWindow = 0x520130AC;
inline constexpr std::int32_t kUpdateWindow = 0x520130FF;
inline constexpr std::int32_t kItemListWindow = 0x52013190;

namespace main_window {
inline constexpr std::int32_t 英雄按钮1 = 0x16012BA8;
inline constexpr std::int32_t 英雄按钮2 = 0x16012BA9;
inline constexpr std::int32_t 英雄按钮3 = 0x16012BAA;
inline constexpr std::int32_t 英雄按钮4 = 0x16012BAB;
inline constexpr std::int32_t 英雄按钮5 = 0x16012BAC;
inline constexpr std::int32_t 英雄按钮6 = 0x16012BAD;
inline constexpr std::int32_t 英雄按钮7 = 0x16012BAE;
inline constexpr std::int32_t 英雄按钮8 = 0x16012BAF;
inline constexpr std::int32_t 英雄按钮9 = 0x16012BB0;
inline constexpr std::int32_t 英雄按钮10 = 0x16012DE2;
inline constexpr std::int32_t 核心英雄1 = 0x16012BC9;
inline constexpr std::int32_t 核心英雄2 = 0x16012BCA;
inline constexpr std::int32_t 核心英雄3 = 0x16012BCB;
inline constexpr std::int32_t 核心英雄4 = 0x16012D71;
inline constexpr std::int32_t 核心英雄5 = 0x16012D73;
inline constexpr std::int32_t 图片框1 = 0x16012D64;
inline constexpr std::int32_t 图片框2 = 0x16012D69;
inline constexpr std::int32_t 图片框3 = 0x16012D6A;
inline constexpr std::int32_t 图片框4 = 0x16012D70;
inline constexpr std::int32_t 图片框5 = 0x16012D72;
inline constexpr std::int32_t 核心装备1 = 0x16012BC0;
inline constexpr std::int32_t 核心装备2 = 0x16012BC5;
inline constexpr std::int32_t 核心装备3 = 0x16012BC8;
inline constexpr std::int32_t 合成装备1 = 0x16012BC1;
inline constexpr std::int32_t 合成装备2 = 0x16012BC2;
inline constexpr std::int32_t 合成装备3 = 0x16012BC4;
inline constexpr std::int32_t 合成装备4 = 0x16012BC3;
inline constexpr std::int32_t 合成装备5 = 0x16012BC7;
inline constexpr std::int32_t 合成装备6 = 0x16012BC6;
inline constexpr std::int32_t 英雄详情 = 0x16012BBF;
inline constexpr std::int32_t LOGO = 0x16012C62;
inline constexpr std::int32_t 阵容菜单按钮 = 0x16012C58;
inline constexpr std::int32_t 装备图菜单按钮 = 0x16012C57;
inline constexpr std::int32_t 关于菜单按钮 = 0x16012C56;
inline constexpr std::int32_t 最小化按钮 = 0x16012C1B;
inline constexpr std::int32_t 关闭按钮 = 0x16012C19;
inline constexpr std::int32_t 标签2 = 0x16012BA4;
inline constexpr std::int32_t 外形框1 = 0x16012B00;

// The numbered rows of the lineup display, each in number order.
inline constexpr std::array kHeroButtons = {英雄按钮1, 英雄按钮2, 英雄按钮3, 英雄按钮4, 英雄按钮5,
                                            英雄按钮6, 英雄按钮7, 英雄按钮8, 英雄按钮9, 英雄按钮10};
inline constexpr std::array kCoreHeroButtons = {核心英雄1, 核心英雄2, 核心英雄3, 核心英雄4, 核心英雄5};
inline constexpr std::array kCoreMarks = {图片框1, 图片框2, 图片框3, 图片框4, 图片框5};
inline constexpr std::array kCoreItemButtons = {核心装备1, 核心装备2, 核心装备3};
inline constexpr std::array kComponentButtons = {合成装备1, 合成装备2, 合成装备3,
                                                 合成装备4, 合成装备5, 合成装备6};
}  // namespace main_window

namespace item_chart_window {
inline constexpr std::int32_t 英雄按钮 = 0x16013196;  // caption "装备": opens the item list
inline constexpr std::int32_t 最小化按钮 = 0x16012E39;
inline constexpr std::int32_t 外形框1 = 0x16012C63;
inline constexpr std::int32_t LOGO = 0x16012C64;
inline constexpr std::int32_t 关闭按钮 = 0x16012C69;
inline constexpr std::int32_t 标签2 = 0x16012C6A;
inline constexpr int kChartColumns = 9;

// 装备1..装备81 in number order, row by row. The ids are three runs.
inline constexpr auto kChartCells = [] {
  std::array<std::int32_t, 81> ids{};
  for (int n = 1; n <= 8; ++n) ids[n - 1] = 0x16012C6B + (n - 1);
  ids[8] = 0x16012C77;
  for (int n = 10; n <= 81; ++n) ids[n - 1] = 0x16012CD3 + (n - 10);
  return ids;
}();
}  // namespace item_chart_window

namespace lineup_window {
inline constexpr std::int32_t 英雄按钮 = 0x1601318D;  // caption "英雄": opens the champion list
inline constexpr std::int32_t 标签1 = 0x16013141;
inline constexpr std::int32_t 图片框1 = 0x16013016;
inline constexpr std::int32_t 图片框2 = 0x16013018;
inline constexpr std::int32_t 图片框3 = 0x16013019;
inline constexpr std::int32_t 图片框4 = 0x1601301B;
inline constexpr std::int32_t 图片框5 = 0x1601301C;
inline constexpr std::int32_t 图片框6 = 0x1601301E;
inline constexpr std::int32_t 图片框7 = 0x1601301F;
inline constexpr std::int32_t 图片框8 = 0x16013020;
inline constexpr std::int32_t 图片框9 = 0x16013021;
inline constexpr std::int32_t 图片框10 = 0x16013022;
inline constexpr std::int32_t 使用按钮 = 0x16012F31;
inline constexpr std::int32_t 清空按钮 = 0x16012F30;
inline constexpr std::int32_t 花费列表按钮1 = 0x16012EC1;
inline constexpr std::int32_t 花费列表按钮2 = 0x16012EF5;
inline constexpr std::int32_t 花费列表按钮3 = 0x16012EF6;
inline constexpr std::int32_t 花费列表按钮4 = 0x16012EF7;
inline constexpr std::int32_t 花费列表按钮5 = 0x16012EF8;
inline constexpr std::int32_t 花费列表按钮6 = 0x16012EF9;
inline constexpr std::int32_t 外形框2 = 0x16012E92;
inline constexpr std::int32_t 最小化按钮 = 0x16012E37;
inline constexpr std::int32_t 外形框1 = 0x16012DA9;
inline constexpr std::int32_t LOGO = 0x16012DAA;
inline constexpr std::int32_t 关闭按钮 = 0x16012DAB;
inline constexpr std::int32_t 标签2 = 0x16012DAC;
inline constexpr std::int32_t 阵容超级列表框 = 0x16012DA8;

// The cost filters 花费列表按钮1..5; button c shows the champions of cost c.
inline constexpr std::array kCostButtons = {花费列表按钮1, 花费列表按钮2, 花费列表按钮3, 花费列表按钮4,
                                            花费列表按钮5};
// 英雄列表按钮1..20, the champion choices; the ids run down, then jump.
inline constexpr auto kPickerButtons = [] {
  std::array<std::int32_t, 20> ids{};
  for (int n = 1; n <= 19; ++n) ids[n - 1] = 0x16012EBD - (n - 1);
  ids[19] = 0x16012EC0;
  return ids;
}();
// 英雄列表按钮21..30, the places of the user's own lineup.
inline constexpr auto kMyLineupButtons = [] {
  std::array<std::int32_t, 10> ids{};
  for (int k = 1; k <= 10; ++k) ids[k - 1] = 0x16012EEB + (k - 1);
  return ids;
}();
// 图片框k marks place k.
inline constexpr std::array kMyLineupMarks = {图片框1, 图片框2, 图片框3, 图片框4, 图片框5,
                                              图片框6, 图片框7, 图片框8, 图片框9, 图片框10};

// Columns of 阵容超级列表框: ten untitled picture columns for the final
// board, then the texts; the "ID" column names the row's lineup.
enum LineupColumn : int {
  kRatingColumn = 0,
  kNameColumn = 1,
  kFirstBoardColumn = 2,
  kAuthorColumn = 12,
  kCoreColumn = 13,
  kEarlyColumn = 14,
  kMidGameColumn = 15,
  kFinalBoardColumn = 16,
  kLineupIdColumn = 17,
};
inline constexpr int kBoardColumns = kAuthorColumn - kFirstBoardColumn;
}  // namespace lineup_window

namespace about_window {
inline constexpr std::int32_t 标签7 = 0x16013333;
inline constexpr std::int32_t 标签6 = 0x16012E3E;
inline constexpr std::int32_t 超级按钮1 = 0x16012E3C;  // "立即更新"
inline constexpr std::int32_t 标签5 = 0x16012E3B;      // latest version
inline constexpr std::int32_t 标签4 = 0x16012E2C;      // current version
inline constexpr std::int32_t 标签3 = 0x16012E04;
inline constexpr std::int32_t 超级按钮2 = 0x16012E05;  // social page
inline constexpr std::int32_t 超级按钮3 = 0x16012E06;  // donate
inline constexpr std::int32_t 标签1 = 0x16012E03;
inline constexpr std::int32_t 外形框2 = 0x16012DFD;
inline constexpr std::int32_t 外形框1 = 0x16012DF9;
inline constexpr std::int32_t LOGO = 0x16012DFA;
inline constexpr std::int32_t 关闭按钮 = 0x16012DFB;
inline constexpr std::int32_t 标签2 = 0x16012DFC;
}  // namespace about_window

namespace donate_window {
inline constexpr std::int32_t 支付宝 = 0x16012E21;
inline constexpr std::int32_t 微信 = 0x16012E22;
inline constexpr std::int32_t 外形框2 = 0x16012E10;
inline constexpr std::int32_t 标签1 = 0x16012E14;
inline constexpr std::int32_t 外形框1 = 0x16012E15;
inline constexpr std::int32_t LOGO = 0x16012E16;
inline constexpr std::int32_t 关闭按钮 = 0x16012E17;
inline constexpr std::int32_t 标签2 = 0x16012E18;
}  // namespace donate_window

namespace hero_list_window {
inline constexpr std::int32_t 英雄超级列表框 = 0x1601316A;
// Columns of 英雄超级列表框.
enum ChampionColumn : int {
  kRatingColumn,
  kNameColumn,
  kIconColumn,
  kCostColumn,
  kOriginColumn,
  kClassColumn
};
inline constexpr std::int32_t 外形框1 = 0x160130B9;
inline constexpr std::int32_t LOGO = 0x160130BB;
inline constexpr std::int32_t 关闭按钮 = 0x160130BC;
inline constexpr std::int32_t 标签2 = 0x160130BD;
}  // namespace hero_list_window

namespace update_window {
inline constexpr std::int32_t 时钟1 = 0x1601312D;
inline constexpr std::int32_t 外形框1 = 0x16013128;
inline constexpr std::int32_t LOGO = 0x1601312A;
inline constexpr std::int32_t 关闭按钮 = 0x1601312B;
inline constexpr std::int32_t 标签2 = 0x1601312C;
inline constexpr std::int32_t 进度条1 = 0x1601311E;
}  // namespace update_window

namespace item_list_window {
inline constexpr std::int32_t 装备超级列表框 = 0x16013195;
// Columns of 装备超级列表框; a base item leaves both recipe columns empty.
enum ItemColumn : int {
  kRatingColumn,
  kNameColumn,
  kIconColumn,
  kFirstPartColumn,
  kSecondPartColumn,
  kEffectColumn
};
inline constexpr std::int32_t 外形框1 = 0x16013191;
inline constexpr std::int32_t LOGO = 0x16013192;
inline constexpr std::int32_t 关闭按钮 = 0x16013193;
inline constexpr std::int32_t 标签2 = 0x16013194;
}  // namespace item_list_window

}  // namespace vex::layout
