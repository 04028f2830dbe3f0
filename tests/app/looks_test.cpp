// What the player sees: each of the eight windows, opened as a player opens
// it, read from the window's own pixels (so key-coloured holes read as the
// key grey, whatever lies beneath) and compared with its picture in
// tests/looks. Font anti-aliasing may wander a little: a pixel counts as
// different only beyond a channel tolerance, and a few such pixels pass.
// With VEX_LOOKS_REMAKE=1 the pictures are written instead (scripts/remake-looks).
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "../support/box_watcher.h"
#include "../support/loopback_server.h"
#include "../views/native_probe.h"
#include "toolkit/pictures/picture_decode.h"

namespace vex::test {
namespace {

namespace mw = layout::main_window;

constexpr int kUpdatePort = 18631;  // the build's update host
constexpr int kChannelTolerance = 24;
constexpr int kDifferingPerMille = 1;  // of the window's pixels
constexpr int kDifferingAtLeast = 16;

// A folder named by a variable that CTest sets, as Wine spells it.
std::string folder(const char* variable, const char* below) {
  const char* unix = std::getenv(variable);
  return unix && *unix ? std::string("Z:") + unix + below : std::string();
}
std::string lookPath(const char* name) { return folder("VEX_SOURCE_DIR", "/tests/looks/") + name + ".png"; }
std::string actualPath(const char* name) { return folder("VEX_BUILD_DIR", "/looks-actual/") + name + ".png"; }
bool remaking() {
  const char* v = std::getenv("VEX_LOOKS_REMAKE");
  return v && std::string(v) == "1";
}

bool writePng(const Pixels& p, const std::string& path) {
  std::vector<png_byte> rgb;
  rgb.reserve(static_cast<std::size_t>(p.width() * p.height() * 3));
  for (int y = 0; y < p.height(); ++y)
    for (int x = 0; x < p.width(); ++x) {
      const COLORREF c = p.at(x, y);
      rgb.insert(rgb.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
    }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(p.width());
  image.height = static_cast<png_uint_32>(p.height());
  image.format = PNG_FORMAT_RGB;
  return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

DecodedPicture readPng(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return decodePicture(bytes);
}

// Compares a window's pixels with its picture; a message naming where they
// differ, empty when they match within the tolerance.
std::string differences(const Pixels& actual, const DecodedPicture& look) {
  if (look.empty()) return "no readable picture";
  if (look.width != actual.width() || look.height != actual.height())
    return "size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height()) + ", picture " +
           std::to_string(look.width) + "x" + std::to_string(look.height);
  int count = 0;
  RECT bounds{actual.width(), actual.height(), -1, -1};
  std::string first;
  for (int y = 0; y < look.height; ++y)
    for (int x = 0; x < look.width; ++x) {
      const std::uint32_t want = look.pixel(x, y);  // 0xAARRGGBB
      const COLORREF got = actual.at(x, y);
      const int dr = std::abs(static_cast<int>((want >> 16) & 0xFF) - GetRValue(got));
      const int dg = std::abs(static_cast<int>((want >> 8) & 0xFF) - GetGValue(got));
      const int db = std::abs(static_cast<int>(want & 0xFF) - GetBValue(got));
      if (std::max({dr, dg, db}) <= kChannelTolerance) continue;
      if (++count <= 5) {
        char at[64];
        std::snprintf(at, sizeof at, " (%d,%d) %06X not %06X", x, y, static_cast<unsigned>(got),
                      static_cast<unsigned>(RGB((want >> 16) & 0xFF, (want >> 8) & 0xFF, want & 0xFF)));
        first += at;
      }
      bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                std::max<LONG>(bounds.right, x), std::max<LONG>(bounds.bottom, y)};
    }
  const int allowed = std::max(kDifferingAtLeast, look.width * look.height * kDifferingPerMille / 1000);
  if (count <= allowed) return {};
  char where[128];
  std::snprintf(where, sizeof where,
                "%d pixels differ (%d allowed) within x %ld..%ld, y %ld..%ld; first:", count, allowed,
                bounds.left, bounds.right, bounds.top, bounds.bottom);
  return where + first;
}

class Looks : public ::testing::Test {
 protected:
  Looks() { pointerAway(); }

  // Compares (or remakes) the look of an open window.
  void expectLooksAsPictured(std::int32_t window, const char* name) {
    ASSERT_TRUE(run.ui().isOpen(window)) << name;
    pointerAway();
    pump(500);
    const Pixels actual = Pixels::of(run.window(window));
    ASSERT_FALSE(actual.empty()) << name;
    if (remaking()) {
      ASSERT_TRUE(writePng(actual, lookPath(name))) << lookPath(name);
      std::printf("remade %s\n", lookPath(name).c_str());
      return;
    }
    const std::string found = differences(actual, readPng(lookPath(name)));
    if (!found.empty()) {
      CreateDirectoryA(folder("VEX_BUILD_DIR", "/looks-actual").c_str(), nullptr);
      writePng(actual, actualPath(name));
      ADD_FAILURE() << name << ": " << found << "\n  as drawn now: " << actualPath(name);
    }
  }
  void clickOn(std::int32_t window, std::int32_t id) { click(run, {window, id}, 500); }

  RunningApp run;
};

// About and Update read the version page: a loopback server on the build's
// update host answers it the same way every time.
class OnlineLooks : public Looks {
 protected:
  static std::string page() {
    return "[start][edition]2.2[/edition][dowload]http://127.0.0.1:" + std::to_string(kUpdatePort) +
           "/vexbox/new.exe[/dowload][update]Y[/update][end]";
  }
  void SetUp() override {
    for (int i = 0; i < 200 && LoopbackServer::portAnswers(kUpdatePort); ++i) Sleep(100);
    if (LoopbackServer::portAnswers(kUpdatePort)) GTEST_SKIP() << "port " << kUpdatePort << " is taken";
    server = std::make_unique<LoopbackServer>(
        [](const std::string& path) {
          // The download never moves, so the progress bar stays at its start.
          if (path == "/vexbox/new.exe") return Reply{Fault::Stall, ""};
          return Reply{Fault::None, path == "/vexbox/Version.html" ? page() : "ok"};
        },
        kUpdatePort);
    ASSERT_TRUE(server->listening());
  }
  void TearDown() override { run.app().exitSteps(); }

  BoxWatcher boxes{IDOK};
  std::unique_ptr<LoopbackServer> server;
};

TEST_F(Looks, MainWindowAfterStartShowsLineup83) {
  ASSERT_EQ(run.app().state().lineup.currentLineup, 83);
  expectLooksAsPictured(layout::kMainWindow, "main-window");
}

TEST_F(Looks, LineupWindowAfterStart) { expectLooksAsPictured(layout::kLineupWindow, "lineup-window"); }

TEST_F(Looks, ItemChartAndItemList) {
  clickOn(layout::kMainWindow, mw::装备图菜单按钮);
  expectLooksAsPictured(layout::kItemChartWindow, "item-chart-window");
  clickOn(layout::kItemChartWindow, layout::item_chart_window::英雄按钮);
  expectLooksAsPictured(layout::kItemListWindow, "item-list-window");
}

TEST_F(Looks, HeroList) {
  clickOn(layout::kLineupWindow, layout::lineup_window::英雄按钮);
  expectLooksAsPictured(layout::kHeroListWindow, "hero-list-window");
}

TEST_F(OnlineLooks, AboutDonateAndUpdate) {
  clickOn(layout::kMainWindow, mw::关于菜单按钮);
  expectLooksAsPictured(layout::kAboutWindow, "about-window");
  // Its button is hidden in the layout; the window opens as the button would open it.
  run.ui().open(layout::kDonateWindow, layout::kAboutWindow);
  expectLooksAsPictured(layout::kDonateWindow, "donate-window");
  run.ui().close(layout::kDonateWindow);
  pump(200);
  clickOn(layout::kAboutWindow, layout::about_window::超级按钮1);
  expectLooksAsPictured(layout::kUpdateWindow, "update-window");
  EXPECT_EQ(boxes.count(), 0) << "a mandatory update opens the window without asking";
}

}  // namespace
}  // namespace vex::test
