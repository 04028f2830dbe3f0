// The program: entry steps, start-up sequence of MainWindow, MainWindow's
// menu and chrome, and the exit steps.
#pragma once
#include <atomic>
#include <memory>

#include "app/app_shell.h"
#include "app/program_state.h"
#include "toolkit/controls/ui.h"
#include "views/views.h"

namespace vex {

namespace win {
class Win32Backend;
}  // namespace win

class App {
 public:
  App();
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Entry steps 1 to 5; returns the process exit code.
  int run();
  // Entry steps 1 to 4: MainWindow is open and its start-up has run.
  void start();
  // Stops the message loop as closing MainWindow does.
  static void quit(int code);

  Ui& ui() { return ui_; }
  ProgramState& state() { return state_; }
  win::Win32Backend& backend() { return *backend_; }
  // Stops a running download and releases every table and list. Runs once.
  void exitSteps();

 private:
  void bindMainWindow();
  void startUp();  // MainWindow's created event

  ProgramState state_;
  Ui ui_;
  AppShell shell_;
  Views views_;
  std::unique_ptr<win::Win32Backend> backend_;
  bool exited_ = false;
  // Cleared by the exit steps, so a late download notice touches nothing.
  std::shared_ptr<std::atomic<bool>> alive_ = std::make_shared<std::atomic<bool>>(true);
};

}  // namespace vex
