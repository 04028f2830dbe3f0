// Program entry. The command line is not read.
#include <windows.h>

#include "app/app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vex::App app;
  return app.run();
}
