// Every control row of the eight windows: kind, id, parent, window
// position, size, flags, pointer, the events that reach a handler and
// relative creation order.
// The 装备N grid and the 英雄列表按钮N family have their own tests.
#include "layout_test_support.h"

namespace vex::test {
namespace {

using namespace layout;

constexpr ControlKind SB = ControlKind::SuperBtn, PB = ControlKind::PicBox, SH = ControlKind::ShapeBox,
                      LB = ControlKind::Label, LV = ControlKind::ListView;
constexpr Pointer H = Pointer::Hand, A = Pointer::Arrow;
const std::vector<Event> kClick{Event::Clicked};
const std::vector<Event> kNone{};
// Clicked too, but bound by the app: tests/app clicks MainWindow's strip.
const std::vector<Event> kAppClick{};

TEST(ControlTables, MainWindow) {
  constexpr std::int32_t s = 0x16012B00;
  expectRows(0x52010001,
             {
                 {"英雄按钮10", SB, 0x16012DE2, 0, 495, 36, 47, 47, false, false, true, H, kClick},
                 {"图片框5", PB, 0x16012D72, 0, 448, 127, 14, 14, false, false, false, A, kNone},
                 {"核心英雄5", SB, 0x16012D73, 0, 417, 96, 47, 47, false, false, false, A, kNone},
                 {"图片框4", PB, 0x16012D70, 0, 396, 127, 14, 14, false, false, false, A, kNone},
                 {"核心英雄4", SB, 0x16012D71, 0, 365, 96, 47, 47, false, false, false, A, kNone},
                 {"图片框3", PB, 0x16012D6A, 0, 344, 127, 14, 14, false, false, false, A, kNone},
                 {"图片框2", PB, 0x16012D69, 0, 293, 127, 14, 14, false, false, false, A, kNone},
                 {"图片框1", PB, 0x16012D64, 0, 241, 127, 14, 14, false, false, false, A, kNone},
                 {"LOGO", PB, 0x16012C62, s, 5, 5, 16, 16, true, false, false, A, kNone},
                 {"阵容菜单按钮", SB, 0x16012C58, s, 170, 1, 40, 24, true, false, true, H, kAppClick},
                 {"装备图菜单按钮", SB, 0x16012C57, s, 210, 1, 50, 24, true, false, true, H, kAppClick},
                 {"关于菜单按钮", SB, 0x16012C56, s, 260, 1, 40, 24, true, false, true, H, kAppClick},
                 {"最小化按钮", SB, 0x16012C1B, s, 300, 1, 40, 24, true, false, true, H, kAppClick},
                 {"关闭按钮", SB, 0x16012C19, s, 340, 1, 40, 24, true, false, true, H, kAppClick},
                 {"核心英雄3", SB, 0x16012BCB, 0, 313, 96, 47, 47, false, false, false, A, kNone},
                 {"核心英雄2", SB, 0x16012BCA, 0, 262, 96, 47, 47, false, false, false, A, kNone},
                 {"核心英雄1", SB, 0x16012BC9, 0, 210, 96, 47, 47, false, false, false, A, kNone},
                 {"合成装备6", SB, 0x16012BC6, 0, 182, 128, 22, 22, false, false, true, A, kNone},
                 {"合成装备5", SB, 0x16012BC7, 0, 157, 128, 22, 22, false, false, true, A, kNone},
                 {"核心装备3", SB, 0x16012BC8, 0, 164, 91, 32, 32, false, false, true, A, kNone},
                 {"合成装备4", SB, 0x16012BC3, 0, 130, 128, 22, 22, false, false, true, A, kNone},
                 {"合成装备3", SB, 0x16012BC4, 0, 105, 128, 22, 22, false, false, true, A, kNone},
                 {"核心装备2", SB, 0x16012BC5, 0, 112, 91, 32, 32, false, false, true, A, kNone},
                 {"合成装备2", SB, 0x16012BC2, 0, 78, 128, 22, 22, false, false, true, A, kNone},
                 {"合成装备1", SB, 0x16012BC1, 0, 53, 128, 22, 22, false, false, true, A, kNone},
                 {"核心装备1", SB, 0x16012BC0, 0, 60, 90, 32, 32, false, false, true, A, kNone},
                 {"英雄详情", SB, 0x16012BBF, 0, 0, 96, 47, 47, false, false, true, A, kNone},
                 {"英雄按钮9", SB, 0x16012BB0, 0, 440, 36, 47, 47, false, false, true, H, kClick},
                 {"英雄按钮8", SB, 0x16012BAF, 0, 385, 36, 47, 47, false, false, true, H, kClick},
                 {"英雄按钮7", SB, 0x16012BAE, 0, 330, 36, 47, 47, false, false, true, H, kClick},
                 {"英雄按钮6", SB, 0x16012BAD, 0, 275, 36, 47, 47, false, false, true, H, kClick},
                 {"英雄按钮5", SB, 0x16012BAC, 0, 220, 36, 47, 47, false, false, true, H, kClick},
                 {"英雄按钮4", SB, 0x16012BAB, 0, 165, 36, 47, 47, false, false, true, H, kClick},
                 {"英雄按钮3", SB, 0x16012BAA, 0, 110, 36, 47, 47, false, false, true, H, kClick},
                 {"英雄按钮2", SB, 0x16012BA9, 0, 55, 36, 47, 47, false, false, true, H, kClick},
                 {"英雄按钮1", SB, 0x16012BA8, 0, 0, 36, 47, 47, false, false, true, H, kClick},
                 {"标签2", LB, 0x16012BA4, s, 22, 1, 138, 24, true, false, false, A, kNone},
                 {"外形框1", SH, 0x16012B00, 0, 0, 0, 381, 26, true, false, false, A, kNone},
             });
}

TEST(ControlTables, ItemChartWindowChrome) {
  constexpr std::int32_t s = 0x16012C63;
  expectRows(0x52012B8F, {
                             {"英雄按钮", SB, 0x16013196, s, 80, 1, 40, 24, true, false, true, H, kClick},
                             {"最小化按钮", SB, 0x16012E39, s, 120, 1, 40, 24, true, false, true, H, kClick},
                             {"外形框1", SH, 0x16012C63, 0, 0, 0, 201, 26, true, false, false, A, kNone},
                             {"LOGO", PB, 0x16012C64, s, 5, 5, 16, 16, true, false, false, A, kNone},
                             {"关闭按钮", SB, 0x16012C69, s, 160, 1, 40, 24, true, false, true, H, kClick},
                             {"标签2", LB, 0x16012C6A, s, 22, 1, 42, 24, true, false, false, A, kNone},
                         });
}

TEST(ControlTables, LineupWindowExceptPickerButtons) {
  constexpr std::int32_t s = 0x16012DA9, p = 0x16012E92;
  expectRows(
      0x52012DA7,
      {
          {"英雄按钮", SB, 0x1601318D, s, 160, 1, 40, 24, true, false, true, H, kClick},
          {"标签1", LB, 0x16013141, s, 49, 1, 94, 24, true, false, false, A, kNone},
          {"图片框10", PB, 0x16013022, 0, 263, 128, 6, 6, false, false, false, A, kNone},
          {"图片框9", PB, 0x16013021, 0, 238, 128, 6, 6, false, false, false, A, kNone},
          {"图片框8", PB, 0x16013020, 0, 212, 128, 6, 6, false, false, false, A, kNone},
          {"图片框7", PB, 0x1601301F, 0, 186, 128, 6, 6, false, false, false, A, kNone},
          {"图片框6", PB, 0x1601301E, 0, 160, 128, 6, 6, false, false, false, A, kNone},
          {"图片框5", PB, 0x1601301C, 0, 133, 128, 6, 6, false, false, false, A, kNone},
          {"图片框4", PB, 0x1601301B, 0, 108, 128, 6, 6, false, false, false, A, kNone},
          {"图片框3", PB, 0x16013019, 0, 82, 128, 6, 6, false, false, false, A, kNone},
          {"图片框2", PB, 0x16013018, 0, 56, 128, 6, 6, false, false, false, A, kNone},
          {"图片框1", PB, 0x16013016, p, 30, 128, 6, 6, false, false, false, A, kNone},
          // Its click does nothing: no handler.
          {"使用按钮", SB, 0x16012F31, p, 210, 91, 24, 12, false, false, true, H, kNone},
          {"清空按钮", SB, 0x16012F30, p, 243, 91, 24, 12, true, false, true, H, kClick},
          {"花费列表按钮6", SB, 0x16012EF9, p, 14, 91, 50, 12, true, false, true, A, kNone},
          {"花费列表按钮5", SB, 0x16012EF8, p, 159, 35, 24, 12, true, false, true, H, kClick},
          {"花费列表按钮4", SB, 0x16012EF7, p, 122, 35, 24, 12, true, false, true, H, kClick},
          {"花费列表按钮3", SB, 0x16012EF6, p, 86, 35, 24, 12, true, false, true, H, kClick},
          {"花费列表按钮2", SB, 0x16012EF5, p, 50, 35, 24, 12, true, false, true, H, kClick},
          {"花费列表按钮1", SB, 0x16012EC1, p, 14, 35, 24, 12, true, false, true, H, kClick},
          {"外形框2", SH, 0x16012E92, 0, 0, 26, 542, 124, true, false, false, A, kNone},
          {"最小化按钮", SB, 0x16012E37, s, 200, 1, 40, 24, true, false, true, H, kClick},
          {"外形框1", SH, 0x16012DA9, 0, 0, 0, 281, 26, true, false, false, A, kNone},
          {"LOGO", PB, 0x16012DAA, s, 5, 5, 16, 16, true, false, false, A, kNone},
          {"关闭按钮", SB, 0x16012DAB, s, 240, 1, 40, 24, true, false, true, H, kClick},
          {"标签2", LB, 0x16012DAC, s, 22, 1, 34, 24, true, false, false, A, kNone},
          {"阵容超级列表框", LV, 0x16012DA8, 0, 0, 150, 542, 230, true, false, true, A, {Event::ListClicked}},
      });
}

TEST(ControlTables, AboutWindow) {
  constexpr std::int32_t s = 0x16012DF9, b = 0x16012DFD;
  expectRows(
      0x52012DF2,
      {
          {"标签7", LB, 0x16013333, b, 16, 137, 344, 44, true, false, false, A, kNone},
          {"标签6", LB, 0x16012E3E, b, 16, 187, 344, 59, true, true, false, A, kNone},
          {"超级按钮1", SB, 0x16012E3C, b, 131, 101, 80, 25, true, false, true, H, kClick},
          {"标签5", LB, 0x16012E3B, b, 16, 104, 128, 21, true, true, false, A, kNone},
          {"标签4", LB, 0x16012E2C, b, 16, 76, 328, 21, true, false, false, A, kNone},
          {"标签3", LB, 0x16012E04, b, 16, 246, 112, 21, false, false, false, A, kNone},
          {"超级按钮2", SB, 0x16012E05, b, 132, 244, 80, 25, false, false, true, H, kClick},
          {"超级按钮3", SB, 0x16012E06, b, 224, 244, 64, 25, false, false, true, H, kClick},
          {"标签1", LB, 0x16012E03, b, 16, 42, 344, 30, true, false, false, A, kNone},
          {"外形框2", SH, 0x16012DFD, 0, 0, 26, 376, 250, true, false, false, A, {Event::LeftButtonPressed}},
          {"外形框1", SH, 0x16012DF9, 0, 0, 0, 211, 26, true, false, false, A, kNone},
          {"LOGO", PB, 0x16012DFA, s, 5, 5, 16, 16, true, false, false, A, kNone},
          {"关闭按钮", SB, 0x16012DFB, s, 170, 1, 40, 24, true, false, true, H, kClick},
          {"标签2", LB, 0x16012DFC, s, 22, 1, 130, 24, true, false, false, A, kNone},
      });
}

TEST(ControlTables, DonateWindow) {
  constexpr std::int32_t s = 0x16012E15, b = 0x16012E10;
  expectRows(0x52012E0F, {
                             {"支付宝", PB, 0x16012E21, b, 140, 36, 120, 170, true, false, false, A, kNone},
                             {"微信", PB, 0x16012E22, b, 10, 36, 120, 170, true, false, false, A, kNone},
                             {"外形框2", SH, 0x16012E10, 0, 0, 26, 270, 240, true, false, false, A, kNone},
                             {"标签1", LB, 0x16012E14, b, 16, 218, 240, 38, true, false, false, A, kNone},
                             {"外形框1", SH, 0x16012E15, 0, 0, 0, 101, 26, true, false, false, A, kNone},
                             {"LOGO", PB, 0x16012E16, s, 5, 5, 16, 16, true, false, false, A, kNone},
                             {"关闭按钮", SB, 0x16012E17, s, 60, 1, 40, 24, true, false, true, H, kClick},
                             {"标签2", LB, 0x16012E18, s, 22, 1, 34, 24, true, false, false, A, kNone},
                         });
}

TEST(ControlTables, HeroListWindow) {
  constexpr std::int32_t s = 0x160130B9;
  expectRows(0x520130AC,
             {
                 {"英雄超级列表框", LV, 0x1601316A, 0, 0, 26, 329, 354, true, false, true, A, kNone},
                 {"外形框1", SH, 0x160130B9, 0, 0, 0, 141, 26, true, false, false, A, kNone},
                 {"LOGO", PB, 0x160130BB, s, 5, 5, 16, 16, true, false, false, A, kNone},
                 {"关闭按钮", SB, 0x160130BC, s, 100, 1, 40, 24, true, false, true, H, kClick},
                 {"标签2", LB, 0x160130BD, s, 22, 1, 34, 24, true, false, false, A, kNone},
             });
}

TEST(ControlTables, UpdateWindow) {
  constexpr std::int32_t s = 0x16013128;
  expectRows(
      0x520130FF,
      {
          {"时钟1", ControlKind::Timer, 0x1601312D, 0, 72, 32, 26, 26, false, false, false, A, kNone},
          {"外形框1", SH, 0x16013128, 0, 0, 0, 351, 26, true, false, false, A, kNone},
          {"LOGO", PB, 0x1601312A, s, 5, 5, 16, 16, true, false, false, A, kNone},
          {"关闭按钮", SB, 0x1601312B, s, 310, 1, 40, 24, true, false, true, H, kClick},
          {"标签2", LB, 0x1601312C, s, 22, 1, 42, 24, true, false, false, A, kNone},
          {"进度条1", ControlKind::ProcessBar, 0x1601311E, 0, 10, 36, 330, 16, true, false, false, A, kNone},
      });
}

TEST(ControlTables, ItemListWindow) {
  constexpr std::int32_t s = 0x16013191;
  expectRows(0x52013190,
             {
                 {"装备超级列表框", LV, 0x16013195, 0, 0, 26, 350, 333, true, false, true, A, kNone},
                 {"外形框1", SH, 0x16013191, 0, 0, 0, 141, 26, true, false, false, A, kNone},
                 {"LOGO", PB, 0x16013192, s, 5, 5, 16, 16, true, false, false, A, kNone},
                 {"关闭按钮", SB, 0x16013193, s, 100, 1, 40, 24, true, false, true, H, kClick},
                 {"标签2", LB, 0x16013194, s, 22, 1, 34, 24, true, false, false, A, kNone},
             });
}

TEST(ControlTables, ControlCountsPerWindow) {
  const std::pair<std::int32_t, std::size_t> counts[] = {
      {0x52010001, 38}, {0x52012B8F, 87}, {0x52012DA7, 57}, {0x52012DF2, 14},
      {0x52012E0F, 8},  {0x520130AC, 5},  {0x520130FF, 6},  {0x52013190, 5},
  };
  for (auto [window, count] : counts) {
    ASSERT_NE(layoutOf(window), nullptr);
    EXPECT_EQ(layoutOf(window)->controls.size(), count) << std::hex << window;
  }
}

}  // namespace
}  // namespace vex::test
