#include "views/about_view.h"

#include "vexbox_config.h"
#include "view_fixture.h"

namespace vex::test {
namespace {

namespace ab = layout::about_window;

class AboutTest : public ViewTest {
 protected:
  void openAbout() { ui.open(layout::kAboutWindow, layout::kMainWindow); }
  void pressUpdate() { click(layout::kAboutWindow, ab::超级按钮1); }
  const Text& caption(std::int32_t id) const { return ui.control({layout::kAboutWindow, id}).caption; }
};

TEST_F(AboutTest, CaptionsShowBothVersions) {
  shell.edition = "2.2";
  openAbout();
  EXPECT_EQ(shell.layered.back(), layout::kAboutWindow);
  EXPECT_EQ(shell.fetches, 1);
  EXPECT_EQ(caption(ab::标签4), "当前版本：V2.1");
  EXPECT_EQ(caption(ab::标签5), "最新版本：V2.2");
  EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(AboutTest, NoEditionLeavesTheLatestLabelBare) {
  openAbout();
  EXPECT_EQ(caption(ab::标签5), "最新版本：V");
}

TEST_F(AboutTest, NoNewVersionSaysSo) {
  openAbout();
  shell.edition = "2.1";
  pressUpdate();
  EXPECT_EQ(shell.fetches, 2);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.boxes[0].owner, layout::kAboutWindow);
  EXPECT_EQ(shell.boxes[0].text, "当前已是最新版本");
  EXPECT_EQ(shell.boxes[0].title, "提示");
  EXPECT_EQ(shell.boxes[0].flags, kMbOk);
  EXPECT_FALSE(ui.isOpen(layout::kUpdateWindow));
}

TEST_F(AboutTest, OptionalUpdateAsksAndOnlyOkStartsIt) {
  int downloads = 0;
  bindViewHandlers(views, [&] { ++downloads; });
  openAbout();
  shell.edition = "2.2";
  for (const char* marker : {"N", "y", ""}) {
    shell.update = marker;
    shell.answers = {kMbResultCancel};
    pressUpdate();
    ASSERT_FALSE(shell.boxes.empty());
    EXPECT_EQ(shell.boxes.back().text, "发现新版本是否更新？");
    EXPECT_EQ(shell.boxes.back().title, "提示");
    EXPECT_EQ(shell.boxes.back().flags, kMbOkCancel);
    EXPECT_EQ(shell.boxes.back().owner, layout::kAboutWindow);
    EXPECT_FALSE(ui.isOpen(layout::kUpdateWindow)) << marker;
  }
  shell.update = "N";
  shell.answers = {kMbResultOk};
  pressUpdate();
  ASSERT_TRUE(ui.isOpen(layout::kUpdateWindow));
  EXPECT_EQ(ui.window(layout::kUpdateWindow)->owner, 0);
  EXPECT_EQ(downloads, 1);
  // A second press while it runs starts nothing new.
  pressUpdate();
  EXPECT_EQ(downloads, 1);
  click(layout::kUpdateWindow, layout::update_window::关闭按钮);
  EXPECT_FALSE(ui.isOpen(layout::kUpdateWindow));
}

TEST_F(AboutTest, MandatoryUpdateDoesNotAsk) {
  openAbout();
  shell.edition = "2.2";
  shell.update = "Y";
  pressUpdate();
  EXPECT_TRUE(shell.boxes.empty());
  EXPECT_TRUE(ui.isOpen(layout::kUpdateWindow));
  // The update window is not colour-keyed.
  EXPECT_NE(shell.layered.back(), layout::kUpdateWindow);
}

TEST_F(AboutTest, SocialDonateAndClose) {
  openAbout();
  ui.moveWindow(layout::kAboutWindow, 400, 300);
  click(layout::kAboutWindow, ab::超级按钮2);
  EXPECT_EQ(shell.urls, (std::vector<Text>{config::kSocialUrl}));
  click(layout::kAboutWindow, ab::超级按钮3);
  ASSERT_TRUE(ui.isOpen(layout::kDonateWindow));
  EXPECT_EQ(ui.window(layout::kDonateWindow)->owner, layout::kAboutWindow);
  EXPECT_EQ(shell.placements.back(), (Placement{layout::kDonateWindow, layout::kAboutWindow, 386, 0}));
  EXPECT_EQ(ui.windowLeft(layout::kDonateWindow), 786);
  EXPECT_EQ(ui.windowTop(layout::kDonateWindow), 300);
  EXPECT_EQ(shell.layered.back(), layout::kDonateWindow);
  ui.raise({layout::kAboutWindow, ab::外形框2}, Event::LeftButtonPressed);
  EXPECT_TRUE(ui.isOpen(layout::kAboutWindow));
  click(layout::kDonateWindow, layout::donate_window::关闭按钮);
  EXPECT_FALSE(ui.isOpen(layout::kDonateWindow));
  click(layout::kAboutWindow, ab::关闭按钮);
  EXPECT_FALSE(ui.isOpen(layout::kAboutWindow));
  EXPECT_TRUE(ui.isOpen(layout::kMainWindow));
}

TEST_F(AboutTest, LineupWindowOpensBelowMainWindowEachTime) {
  ui.open(layout::kLineupWindow);
  EXPECT_EQ(shell.placements.back(), (Placement{layout::kLineupWindow, layout::kMainWindow, 0, 160}));
  EXPECT_EQ(ui.windowLeft(layout::kLineupWindow), 100);
  EXPECT_EQ(ui.windowTop(layout::kLineupWindow), 210);
  ui.moveWindow(layout::kLineupWindow, 0, 0);
  ui.close(layout::kLineupWindow);
  ui.moveWindow(layout::kMainWindow, 20, 40);
  ui.open(layout::kLineupWindow);
  EXPECT_EQ(ui.windowLeft(layout::kLineupWindow), 20);
  EXPECT_EQ(ui.windowTop(layout::kLineupWindow), 200);
  // Placed first, then colour-keyed.
  EXPECT_EQ(shell.layered.back(), layout::kLineupWindow);
}

}  // namespace
}  // namespace vex::test
