#include "app/range_fault_box.h"

#include <windows.h>

#include "toolkit/common/range_fault.h"
#include "toolkit/system/message_box.h"
#include "ui/layout/window_ids.h"

namespace vex {
namespace {

// The handler is a plain function, so what it needs is kept here.
struct FaultContext {
  Ui* ui = nullptr;
  std::function<void()> exitSteps;
};

FaultContext& context() {
  static FaultContext c;
  return c;
}

[[noreturn]] void showAndEnd(const char* message) {
  FaultContext& c = context();
  void* owner = c.ui ? c.ui->nativeHandle(layout::kMainWindow) : nullptr;
  win::messageBox(owner, message, "", MB_OK | MB_ICONERROR);
  if (c.exitSteps) {
    auto steps = std::move(c.exitSteps);
    steps();
  }
  ExitProcess(kRangeFaultExitCode);
}

}  // namespace

void installRangeFaultBox(Ui& ui, std::function<void()> exitSteps) {
  context().ui = &ui;
  context().exitSteps = std::move(exitSteps);
  setRangeFaultHandler(showAndEnd);
}

}  // namespace vex
