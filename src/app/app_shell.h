// The platform side of what the views ask for: placement, colour keying,
// message boxes, the browser and the version check.
#pragma once
#include <memory>

#include "app/program_state.h"
#include "toolkit/controls/ui.h"
#include "views/shell.h"

namespace vex {

class AppShell final : public Shell {
 public:
  AppShell(Ui& ui, UpdateState& update);
  ~AppShell() override;

  void placeWindow(std::int32_t window, std::int32_t reference, int dx, int dy) override;
  void makeLayered(std::int32_t window) override;
  int messageBox(std::int32_t owner, const Text& text, const Text& title, unsigned flags) override;
  void openUrl(const Text& url) override;
  bool fetchVersionInfo() override;
  Text latestEdition() const override { return update_.versionInfo.edition; }
  Text updateMarker() const override { return update_.versionInfo.update; }

 private:
  Ui& ui_;
  UpdateState& update_;
  // shell32, loaded by the first page opened (most runs open none): it
  // brings COM and more along.
  struct Browser;
  std::unique_ptr<Browser> browser_;
};

}  // namespace vex
