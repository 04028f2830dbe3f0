// Plain data of the window toolkit: what every window and control holds.
// Layout tables are written in these types; views read and write them
// through Ui; the Win32 side draws them. Nothing here knows the game.
#pragma once
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "toolkit/common/basic_types.h"
#include "toolkit/common/embedded.h"

namespace vex {

enum class ControlKind { Window, PicBox, ShapeBox, Label, ProcessBar, Timer, SuperBtn, ListView };
enum class Event { Created, Clicked, LeftButtonPressed, RightButtonPressed, ListClicked };
enum class Pointer { Arrow, Hand };
enum class Align { Left, Centre, Right };
// How a picture that differs from its box is fitted.
enum class PictureFit { Centre, Stretch };

// Index into the per-state colour arrays of a SuperBtn.
enum ButtonState { kNormal = 0, kHover = 1, kPressed = 2 };

// What the backend draws a control with, while its window is open.
class ControlPeer;

struct ControlRef {
  std::int32_t window = 0;
  std::int32_t control = 0;
  bool operator==(const ControlRef&) const = default;
};

struct ListColumn {
  Text title{};
  int width = 0;
  Align align = Align::Left;
};

struct ListCell {
  Text text{};
  int image = -1;  // index into the list's picture set, -1 for none
  bool operator==(const ListCell&) const = default;
};

// Deeper nesting of boxes than this is a broken layout, not a design.
inline constexpr int kMaxBoxDepth = 16;

// The rows written since the native list last caught up, which it clears
// then: one span, as views write a refill or a re-sort top to bottom.
struct ChangedRows {
  int first = -1, last = -1;
  void add(int row) {
    first = first < 0 ? row : std::min(first, row);
    last = std::max(last, row);
  }
  void addAll(int count) {
    if (count > 0) add(0), add(count - 1);
  }
  bool any() const { return first >= 0; }
  void clear() { first = last = -1; }
};

struct ListViewState {
  std::vector<ListColumn> columns{};
  std::vector<std::vector<ListCell>> rows;  // rows[r][c], every row has columns.size() cells
  int selected = -1;
  std::span<const std::uint8_t> pictureSet;  // compiled-in picture set bytes, or empty
  Colour background = 0x00FFFFFF;
  ChangedRows changed{};
  // The rows a clear dropped while the native list still showed them, kept
  // until it has caught up: a refill with the same rows redraws nothing.
  std::vector<std::vector<ListCell>> cleared{};

  // The one bounds check of a cell: null outside the rows and columns.
  const ListCell* cell(int row, int column) const {
    if (row < 0 || column < 0 || row >= static_cast<int>(rows.size()) ||
        column >= static_cast<int>(columns.size()))
      return nullptr;
    return &rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }
  ListCell* cell(int row, int column) {
    return const_cast<ListCell*>(static_cast<const ListViewState&>(*this).cell(row, column));
  }
};

struct ControlState {
  std::int32_t id = 0;
  Text name{};
  ControlKind kind = ControlKind::Label;
  int left = 0, top = 0, width = 0, height = 0;  // relative to the parent box
  std::int32_t parent = 0;                       // id of the containing ShapeBox, 0 = none
  bool visible = true;
  bool disabled = false;
  bool tabStop = false;
  Pointer pointer = Pointer::Arrow;

  Text caption{};
  Text hint{};
  Bytes picture{};                     // resting picture: PNG, JPEG, ICO or BMP file bytes
  Bytes hoverPicture{};                // shown under the pointer and while pressed
  Colour pictureKey = kDefaultColour;  // transparent colour of the resting picture
  PictureFit fit = PictureFit::Centre;
  Colour textColour[3] = {0, 0, 0};
  Colour backColour[3] = {kDefaultColour, kDefaultColour, kDefaultColour};
  Colour fill = 0;  // ShapeBox fill

  ListViewState list{};
  int progressMin = 0, progressMax = 100, progress = 0;
  // A timer keeps its interval only: no table binds its tick to a
  // handler, so the toolkit sets no system timer for it.
  int timerInterval = 0;

  // Set by the backend while it draws the control: a write reaches it
  // through the record it changed.
  ControlPeer* peer = nullptr;
};

struct WindowState {
  std::int32_t id = 0;
  Text caption{};
  int width = 0, height = 0;  // client size
  int left = 0, top = 0;      // screen position
  bool centred = false;
  Colour background = 0;
  std::int32_t owner = 0;  // window id of the owner, 0 = none
  // Control whose left-button drag moves the window (its title strip), 0 = none.
  std::int32_t dragControl = 0;
  std::vector<ControlState> controls{};          // creation order
  std::unordered_map<std::int32_t, int> rows{};  // control id -> index in controls

  // Lists the controls by id (once the table is complete).
  void indexRows() {
    rows.clear();
    for (std::size_t i = 0; i < controls.size(); ++i) rows.try_emplace(controls[i].id, static_cast<int>(i));
  }
  const ControlState* find(std::int32_t control) const {
    auto it = rows.find(control);
    return it == rows.end() ? nullptr : &controls[static_cast<std::size_t>(it->second)];
  }
  ControlState* find(std::int32_t control) {
    return const_cast<ControlState*>(static_cast<const WindowState&>(*this).find(control));
  }
};

// A window as laid out at design time; opening copies it into live state.
using WindowLayout = WindowState;

}  // namespace vex
