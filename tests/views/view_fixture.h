// A toolkit without a backend, the real layouts and tables, and a shell
// that records what the views ask of the platform.
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "../support/layout_lookup.h"
#include "data/game_tables.h"
#include "toolkit/controls/ui.h"
#include "ui/layout/layouts.h"
#include "ui/layout/window_ids.h"
#include "views/lineup_view.h"
#include "views/views.h"

namespace vex::test {

struct Placement {
  std::int32_t window, reference;
  int dx, dy;
  bool operator==(const Placement&) const = default;
};

struct ShownBox {
  std::int32_t owner;
  Text text, title;
  unsigned flags;
};

class FakeShell : public Shell {
 public:
  explicit FakeShell(Ui& ui) : ui_(ui) {}

  void placeWindow(std::int32_t window, std::int32_t reference, int dx, int dy) override {
    placements.push_back({window, reference, dx, dy});
    log.push_back("place " + std::to_string(window));
    ui_.moveWindow(window, ui_.windowLeft(reference) + dx, ui_.windowTop(reference) + dy);
  }
  void makeLayered(std::int32_t window) override {
    layered.push_back(window);
    log.push_back("layer " + std::to_string(window));
  }
  int messageBox(std::int32_t owner, const Text& text, const Text& title, unsigned flags) override {
    boxes.push_back({owner, text, title, flags});
    if (answers.empty()) return kMbResultOk;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void openUrl(const Text& url) override { urls.push_back(url); }
  bool fetchVersionInfo() override {
    ++fetches;
    log.push_back("fetch");
    return !edition.empty() && edition != "2.1";
  }
  Text latestEdition() const override { return edition; }
  Text updateMarker() const override { return update; }

  // Scripted page and answers.
  Text edition, update;
  std::deque<int> answers;
  // Recorded calls.
  std::vector<Placement> placements;
  std::vector<std::int32_t> layered;
  std::vector<ShownBox> boxes;
  std::vector<Text> urls;
  int fetches = 0;
  std::vector<std::string> log;  // placements, layering and fetches in call order

 private:
  Ui& ui_;
};

// The platform side as far as the views reach it without a screen: which
// windows they asked to minimise.
class RecordingBackend final : public UiBackend {
 public:
  void createWindow(WindowState&) override {}
  void destroyWindow(std::unique_ptr<WindowState>) override {}
  void minimiseWindow(std::int32_t window) override { minimised.push_back(window); }
  void bringToFront(std::int32_t) override {}
  void moveWindow(std::int32_t, int, int) override {}
  void controlChanged(ControlPeer&, Change) override {}
  void* nativeHandle(std::int32_t) override { return nullptr; }

  std::vector<std::int32_t> minimised;
};

// The layouts, the game tables and the views' handlers bound, as the
// program binds them, over a backend that opens nothing.
struct BoundViews {
  BoundViews() {
    layout::registerLayouts(ui);
    loadGameTables(tables);
    bindViewHandlers(views);
  }

  RecordingBackend backend;
  Ui ui{&backend};
  FakeShell shell{ui};
  GameTables tables;
  LineupViewState lineup;
  PickerState picker;
  ChartState chart;
  Views views{ui, shell, tables, lineup, picker, chart};
};

class ViewTest : public ::testing::Test, protected BoundViews {
 protected:
  ViewTest() {
    // The app's MainWindow created handler, as far as the views are concerned.
    ui.bindCreated(layout::kMainWindow, [this] { startLineupView(views); });
    ui.open(layout::kMainWindow);
    ui.moveWindow(layout::kMainWindow, 100, 50);
  }

  const ControlState& main(std::int32_t id) const { return ui.control({layout::kMainWindow, id}); }
  void click(std::int32_t window, std::int32_t control) { ui.raise({window, control}, Event::Clicked); }
};

}  // namespace vex::test
