#include "toolkit/controls/ui.h"

#include <algorithm>
#include <utility>

#include "toolkit/common/range_fault.h"

namespace vex {
namespace {

int eventKey(Event e) { return static_cast<int>(e); }

const ControlState& emptyControl() {
  static const ControlState kEmpty;
  return kEmpty;
}

}  // namespace

void Ui::addLayout(WindowLayout layout) {
  layout.indexRows();
  const std::int32_t id = layout.id;
  layouts_[id] = std::move(layout);
}

const WindowLayout& Ui::layout(std::int32_t window) const {
  auto it = layouts_.find(window);
  if (it == layouts_.end()) reportRangeFault(kIndexBeyondCount);
  return it->second;
}

void Ui::bind(ControlRef ref, Event event, Handler handler) {
  handlers_[{ref.window, ref.control, eventKey(event)}] = std::move(handler);
}

void Ui::bindCreated(std::int32_t window, Handler handler) {
  bind({window, 0}, Event::Created, std::move(handler));
}

bool Ui::open(std::int32_t id, std::int32_t owner) {
  if (isOpen(id)) {
    if (backend_) backend_->bringToFront(id);
    return false;
  }
  auto state = std::make_unique<WindowState>(layout(id));
  state->owner = owner;
  WindowState& w = *state;
  windows_[id] = std::move(state);
  if (backend_) backend_->createWindow(w);
  raise({id, 0}, Event::Created);
  // The handler may have closed the window again.
  if (backend_ && isOpen(id)) backend_->windowReady(id);
  return true;
}

void Ui::close(std::int32_t id) {
  auto it = windows_.find(id);
  if (it == windows_.end()) return;
  // Windows owned by this one go first, as the system does with owned windows.
  std::vector<std::int32_t> owned;
  for (const auto& [other, w] : windows_)
    if (w->owner == id) owned.push_back(other);
  for (std::int32_t other : owned) close(other);

  auto node = windows_.extract(id);
  if (backend_) backend_->destroyWindow(std::move(node.mapped()));
  if (closedHook_) closedHook_(id);
}

void Ui::noteClosed(std::int32_t id) {
  // The native window is gone already (the system ends owned windows with
  // their owner): the backend takes the state back as for close.
  auto node = windows_.extract(id);
  if (node.empty()) return;
  if (backend_) backend_->destroyWindow(std::move(node.mapped()));
  if (closedHook_) closedHook_(id);
}

void Ui::minimise(std::int32_t id) {
  if (backend_ && isOpen(id)) backend_->minimiseWindow(id);
}

const WindowState* Ui::window(std::int32_t id) const {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : it->second.get();
}

WindowState* Ui::window(std::int32_t id) {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : it->second.get();
}

int Ui::windowLeft(std::int32_t id) const {
  const WindowState* w = window(id);
  return w ? w->left : 0;
}

int Ui::windowTop(std::int32_t id) const {
  const WindowState* w = window(id);
  return w ? w->top : 0;
}

void Ui::moveWindow(std::int32_t id, int left, int top) {
  WindowState* w = window(id);
  if (!w) return;
  w->left = left;
  w->top = top;
  if (backend_) backend_->moveWindow(id, left, top);
}

void Ui::noteWindowMoved(std::int32_t id, int left, int top) {
  if (WindowState* w = window(id)) {
    w->left = left;
    w->top = top;
  }
}

Colour Ui::windowBackground(std::int32_t id) const {
  if (const WindowState* w = window(id)) return w->background;
  return layout(id).background;
}

void* Ui::nativeHandle(std::int32_t id) const {
  return backend_ && isOpen(id) ? backend_->nativeHandle(id) : nullptr;
}

// An open window's controls, or a closed one's layout.
const WindowState* Ui::table(std::int32_t window) const {
  if (const WindowState* w = this->window(window)) return w;
  auto it = layouts_.find(window);
  return it == layouts_.end() ? nullptr : &it->second;
}

const ControlState* Ui::find(ControlRef ref) const {
  const WindowState* w = table(ref.window);
  return w ? w->find(ref.control) : nullptr;
}

ControlState* Ui::find(ControlRef ref) {
  return isOpen(ref.window) ? const_cast<ControlState*>(std::as_const(*this).find(ref)) : nullptr;
}

bool Ui::exists(ControlRef ref) const { return find(ref) != nullptr; }

int Ui::indexOf(ControlRef ref) const {
  const ControlState* c = find(ref);
  return c ? static_cast<int>(c - table(ref.window)->controls.data()) : -1;
}

const ControlState& Ui::control(ControlRef ref) const {
  const ControlState* c = find(ref);
  if (!c) {
    // A control id that no layout has is a fault of the program itself.
    if (!layouts_.count(ref.window)) return emptyControl();
    reportRangeFault(kIndexBeyondCount);
  }
  return *c;
}

std::pair<int, int> Ui::windowPosition(ControlRef ref) const {
  int x = 0, y = 0;
  const ControlState* c = &control(ref);
  for (int depth = 0; c && depth < kMaxBoxDepth; ++depth) {
    x += c->left;
    y += c->top;
    if (c->parent == 0) break;
    c = find({ref.window, c->parent});
  }
  return {x, y};
}

ControlState* Ui::writable(ControlRef ref) {
  if (!isOpen(ref.window)) return nullptr;
  ControlState* c = find(ref);
  if (!c) reportRangeFault(kIndexBeyondCount);
  return c;
}

void Ui::changed(ControlState& control, Change what) {
  if (backend_ && control.peer) backend_->controlChanged(*control.peer, what);
}

// A write of the value a control already holds is dropped here: views
// write whole screens again and again, and the backend would redraw.
#define VEX_SET(change, target, value)                                \
  do {                                                                \
    if (ControlState* c = writable(ref); c && !(target == (value))) { \
      target = std::move(value);                                      \
      changed(*c, change);                                            \
    }                                                                 \
  } while (0)

void Ui::setCaption(ControlRef ref, const Text& text) { VEX_SET(Change::Caption, c->caption, text); }
void Ui::setHint(ControlRef ref, const Text& text) { VEX_SET(Change::Hint, c->hint, text); }
void Ui::setPicture(ControlRef ref, Bytes picture) { VEX_SET(Change::Picture, c->picture, picture); }
void Ui::setHoverPicture(ControlRef ref, Bytes picture) {
  VEX_SET(Change::Picture, c->hoverPicture, picture);
}
void Ui::setPictureKey(ControlRef ref, Colour key) { VEX_SET(Change::Picture, c->pictureKey, key); }
void Ui::setVisible(ControlRef ref, bool visible) { VEX_SET(Change::Visibility, c->visible, visible); }
void Ui::setDisabled(ControlRef ref, bool disabled) { VEX_SET(Change::Enabled, c->disabled, disabled); }
void Ui::setBounds(ControlRef ref, int left, int top, int width, int height) {
  ControlState* c = writable(ref);
  if (!c || (c->left == left && c->top == top && c->width == width && c->height == height)) return;
  c->left = left, c->top = top, c->width = width, c->height = height;
  changed(*c, Change::Geometry);
}
void Ui::setTextColour(ControlRef ref, ButtonState state, Colour colour) {
  VEX_SET(Change::Colours, c->textColour[state], colour);
}
void Ui::setBackColour(ControlRef ref, ButtonState state, Colour colour) {
  VEX_SET(Change::Colours, c->backColour[state], colour);
}
void Ui::setPointer(ControlRef ref, Pointer pointer) { VEX_SET(Change::Pointer, c->pointer, pointer); }
void Ui::setProgress(ControlRef ref, int position) {
  VEX_SET(Change::Progress, c->progress, std::clamp(position, c->progressMin, c->progressMax));
}
void Ui::setTimerInterval(ControlRef ref, int milliseconds) {
  if (ControlState* c = writable(ref)) c->timerInterval = milliseconds;
}

void Ui::listSetPictures(ControlRef ref, std::span<const std::uint8_t> pictureSet) {
  ControlState* c = writable(ref);
  if (!c ||
      (c->list.pictureSet.data() == pictureSet.data() && c->list.pictureSet.size() == pictureSet.size()))
    return;
  c->list.pictureSet = pictureSet;
  changed(*c, Change::ListContent);
}

void Ui::listClear(ControlRef ref) {
  ControlState* c = writable(ref);
  if (!c || (c->list.rows.empty() && c->list.selected < 0)) return;
  ListViewState& list = c->list;
  if (list.cleared.empty() && !list.changed.any())
    list.cleared = std::move(list.rows);  // what the native list shows, exactly
  else if (list.cleared.empty())
    list.changed.addAll(static_cast<int>(list.rows.size()));
  list.rows.clear();
  c->list.selected = -1;
  changed(*c, Change::ListContent);
}

int Ui::listAppendRow(ControlRef ref) {
  ControlState* c = writable(ref);
  if (!c) return -1;
  c->list.rows.emplace_back(c->list.columns.size());
  const int row = static_cast<int>(c->list.rows.size()) - 1;
  c->list.changed.add(row);
  changed(*c, Change::ListContent);
  return row;
}

// A cell write of the value held is dropped; any other marks its row.
#define VEX_SET_CELL(field, value)                            \
  do {                                                        \
    ControlState* c = writable(ref);                          \
    ListCell* cell = c ? c->list.cell(row, column) : nullptr; \
    if (!cell || cell->field == (value)) return;              \
    cell->field = value;                                      \
    c->list.changed.add(row);                                 \
    changed(*c, Change::ListContent);                         \
  } while (0)

void Ui::listSetCell(ControlRef ref, int row, int column, const Text& text) { VEX_SET_CELL(text, text); }
void Ui::listSetCellImage(ControlRef ref, int row, int column, int image) { VEX_SET_CELL(image, image); }

#undef VEX_SET_CELL

Text Ui::listCell(ControlRef ref, int row, int column) const {
  const ListCell* cell = control(ref).list.cell(row, column);
  return cell ? cell->text : Text{};
}

int Ui::listRowCount(ControlRef ref) const { return static_cast<int>(control(ref).list.rows.size()); }
int Ui::listColumnCount(ControlRef ref) const { return static_cast<int>(control(ref).list.columns.size()); }
int Ui::listSelected(ControlRef ref) const { return control(ref).list.selected; }

void Ui::listSelect(ControlRef ref, int row) {
  VEX_SET(Change::ListSelection, c->list.selected,
          (row >= 0 && row < static_cast<int>(c->list.rows.size())) ? row : -1);
}

void Ui::noteListSelection(ControlRef ref, int row) {
  if (ControlState* c = find(ref))
    c->list.selected = (row >= 0 && row < static_cast<int>(c->list.rows.size())) ? row : -1;
}

void Ui::sortListByColumn(ControlRef ref, int column) {
  ControlState* c = writable(ref);
  if (!c || column < 0 || column >= static_cast<int>(c->list.columns.size())) return;
  auto before = [column](const auto& a, const auto& b) {
    return static_cast<const std::string&>(a[column].text) < static_cast<const std::string&>(b[column].text);
  };
  if (c->list.selected < 0 && std::is_sorted(c->list.rows.begin(), c->list.rows.end(), before)) return;
  std::stable_sort(c->list.rows.begin(), c->list.rows.end(), before);
  c->list.changed.addAll(static_cast<int>(c->list.rows.size()));
  c->list.selected = -1;
  changed(*c, Change::ListContent);
}

#undef VEX_SET

bool Ui::hasHandler(ControlRef ref, Event event) const {
  return handlers_.count({ref.window, ref.control, eventKey(event)}) != 0;
}

void Ui::raise(ControlRef ref, Event event) {
  auto it = handlers_.find({ref.window, ref.control, eventKey(event)});
  if (it == handlers_.end()) return;
  // A copy: the handler may rebind or close the window it belongs to.
  Handler h = it->second;
  if (!h) return;
  if (backend_)
    backend_->handle(h);
  else
    h();
}

}  // namespace vex
