// What the views ask of the platform and the online services. The app
// implements it with Win32 and the real services; native tests use a fake
// that records the calls.
#pragma once
#include <cstdint>

#include "toolkit/controls/ui_types.h"

namespace vex {

// Message box flags and results, as the system numbers them.
inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbOkCancel = 0x1;
inline constexpr unsigned kMbIconInformation = 0x40;
inline constexpr int kMbResultOk = 0;
inline constexpr int kMbResultCancel = 1;

class Shell {
 public:
  virtual ~Shell() = default;

  // Moves `window` to the reference window's left + dx, top + dy.
  virtual void placeWindow(std::int32_t window, std::int32_t reference, int dx, int dy) = 0;
  // Colour-keys `window` with MainWindow's background colour at alpha 255.
  virtual void makeLayered(std::int32_t window) = 0;
  // A task-modal box owned by `owner` (0 = none); returns the pressed
  // button's index (0 OK, 1 Cancel, ...).
  virtual int messageBox(std::int32_t owner, const Text& text, const Text& title, unsigned flags) = 0;
  // The system's "open" action on a web address.
  virtual void openUrl(const Text& url) = 0;
  // Fetches the version page and returns whether a new version is announced;
  // latestEdition() then holds the page's edition text.
  virtual bool fetchVersionInfo() = 0;
  virtual Text latestEdition() const = 0;
  // The page's mandatory-update marker ("Y" means mandatory) of that fetch.
  virtual Text updateMarker() const = 0;
};

}  // namespace vex
