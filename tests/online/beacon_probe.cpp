// Starts the usage beacon the way the program does at the end of start-up,
// then idles so a test can watch what arrives and that nothing breaks.
#include <windows.h>

#include <cstdlib>

#include "online/usage_beacon.h"

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
  vex::startUsageBeacon();
  Sleep(static_cast<DWORD>(seconds) * 1000);
  return 0;
}
