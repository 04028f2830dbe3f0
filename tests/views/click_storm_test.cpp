// Random click sequences over every window the views handle: none may reach
// a range fault, whatever order the user clicks, opens and closes in.
#include <random>
#include <stdexcept>

#include "toolkit/common/range_fault.h"
#include "view_fixture.h"

namespace vex::test {
namespace {

struct RangeFault : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void throwFault(const char* message) { throw RangeFault(message); }

class ClickStormTest : public ViewTest {
 protected:
  ClickStormTest() : previous_(setRangeFaultHandler(throwFault)) {}
  ~ClickStormTest() override { setRangeFaultHandler(previous_); }

  // Opens `window` the way the program does, with the owner it has there.
  void openLikeTheProgram(std::int32_t window) {
    using namespace layout;
    const std::int32_t owner = window == kAboutWindow      ? kMainWindow
                               : window == kDonateWindow   ? kAboutWindow
                               : window == kHeroListWindow ? kLineupWindow
                               : window == kItemListWindow ? kItemChartWindow
                                                           : 0;
    if (owner != 0 && !ui.isOpen(owner)) return;
    ui.open(window, owner);
  }

 private:
  RangeFaultHandler previous_;
};

TEST_F(ClickStormTest, NoSequenceReachesARangeFault) {
  const std::int32_t windows[] = {layout::kLineupWindow, layout::kItemChartWindow, layout::kAboutWindow,
                                  layout::kDonateWindow, layout::kHeroListWindow,  layout::kItemListWindow,
                                  layout::kUpdateWindow, layout::kMainWindow};
  const Text kMarkers[] = {"Y", "N"};
  const Event events[] = {Event::Clicked, Event::RightButtonPressed, Event::LeftButtonPressed,
                          Event::ListClicked};
  std::mt19937 random(20190815);
  shell.edition = "2.2";
  int handled = 0;
  for (int step = 0; step < 6000; ++step) {
    const std::int32_t window = windows[random() % std::size(windows)];
    if (!ui.isOpen(window)) {
      openLikeTheProgram(window);
      continue;
    }
    const WindowState& w = *ui.window(window);
    const ControlState& c = w.controls[random() % w.controls.size()];
    const ControlRef ref{window, c.id};
    if (c.kind == ControlKind::ListView) ui.listSelect(ref, static_cast<int>(random() % 90) - 3);
    shell.update = kMarkers[random() % 2];
    shell.answers = {static_cast<int>(random() % 2)};
    // Hidden controls included: a stray event must be as harmless as a real one.
    // Mostly the events the control answers, sometimes any other.
    std::vector<Event> answered;
    for (Event e : events)
      if (ui.hasHandler(ref, e)) answered.push_back(e);
    const Event event = !answered.empty() && random() % 4 != 0 ? answered[random() % answered.size()]
                                                               : events[random() % std::size(events)];
    handled += ui.hasHandler(ref, event);
    try {
      ui.raise(ref, event);
    } catch (const RangeFault& fault) {
      FAIL() << "step " << step << ": range fault on " << c.name.size() << "-byte control " << c.id;
    }
    ASSERT_LE(picker.MyLineup.count(), 10);
    ASSERT_TRUE(chart.chartToggle == 0 || chart.chartToggle == 1);
  }
  EXPECT_GT(handled, 1000);
}

}  // namespace
}  // namespace vex::test
