#include "toolkit/controls/win/list_view.h"

#include <algorithm>

#include "toolkit/controls/win/native_window.h"
#include "toolkit/controls/win/win32_backend.h"
#include "toolkit/system/wide_text.h"

namespace vex::win {
namespace {

int formatOf(Align a) {
  return a == Align::Centre ? LVCFMT_CENTER : a == Align::Right ? LVCFMT_RIGHT : LVCFMT_LEFT;
}

}  // namespace

void ListView::create() {
  // Owner data: the native list holds only the row count and asks for the
  // cells it shows, so a refill or a sort costs one message, not a thousand.
  createStock(WC_LISTVIEWW,
              LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_OWNERDATA);
  HWND h = hwnd();
  if (!h) return;
  ListView_SetExtendedListViewStyle(h, LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT);
  ListView_SetBkColor(h, state_.list.background);
  ListView_SetTextBkColor(h, state_.list.background);
  int index = 0;
  for (const ListColumn& column : state_.list.columns) {
    std::wstring title = widen(column.title);
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    c.fmt = formatOf(column.align);
    c.cx = window_.geometry().pixels(column.width);
    c.pszText = title.data();
    c.iSubItem = index;
    SendMessageW(h, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&c));
    ++index;
  }
  sync();
}

void ListView::dpiChanged() {
  HWND h = hwnd();
  if (!h) return;
  StockControl::dpiChanged();
  int index = 0;
  for (const ListColumn& column : state_.list.columns)
    ListView_SetColumnWidth(h, index++, window_.geometry().pixels(column.width));
  shownSet_ = {};  // the pictures again, at the new size
  sync();
}

void ListView::changed(Change what) {
  if (what == Change::ListContent || what == Change::ListSelection) {
    if (hwnd()) scheduleSync();
    return;
  }
  StockControl::changed(what);
}

// A view fills a list with a thousand single-cell writes; the native list
// catches up once, when the outermost message ends, before any input or
// painting, so the user never meets a stale list.
void ListView::scheduleSync() {
  if (syncPending_) return;
  syncPending_ = true;
  // By reference: the window may be closed before the queue runs.
  window_.backend().later([&backend = window_.backend(), ref = ref()] {
    if (NativeControl* c = backend.find(ref)) c->settle();
  });
}

// The rows the created handler wrote are in the list before it first
// shows: synced while hidden it costs a few milliseconds instead of tens,
// and the list paints once, full, instead of empty and then full.
void ListView::settle() {
  if (!syncPending_) return;
  syncPending_ = false;
  sync();
}

void ListView::sync() {
  HWND h = hwnd();
  syncing_ = true;
  ListViewState& list = state_.list;
  bool redrawAll = false;
  if (list.pictureSet.data() != shownSet_.data() || list.pictureSet.size() != shownSet_.size()) {
    // Shared, so the cache keeps the list (LVS_SHAREIMAGELISTS).
    ListView_SetImageList(
        h, window_.backend().pictures().imageList(list.pictureSet, window_.geometry().dpi()), LVSIL_SMALL);
    shownSet_ = list.pictureSet;
    redrawAll = true;
  }
  // The rows Ui marked as written since the last sync.
  const int rows = static_cast<int>(list.rows.size());
  int first = list.changed.first, last = list.changed.last;
  list.changed.clear();
  // After a clear, a marked row that came back as it was is no change.
  const auto same = [&list](int r) {
    const auto row = static_cast<std::size_t>(r);
    return row < list.cleared.size() && row < list.rows.size() && list.rows[row] == list.cleared[row];
  };
  while (first >= 0 && first <= last && same(first)) ++first;
  while (first >= 0 && last >= first && same(last)) --last;
  if (first > last) first = last = -1;
  list.cleared.clear();
  const bool counted = rows != ListView_GetItemCount(h);
  const bool contentChanged = first >= 0 || counted;
  if (counted) {
    ListView_SetItemCountEx(h, rows, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    redrawAll = true;
  }
  syncSelection(contentChanged);
  if (redrawAll) {
    InvalidateRect(h, nullptr, TRUE);
  } else if (first >= 0) {
    // Only the rows on show are worth a repaint.
    const int top = ListView_GetTopIndex(h);
    const int bottom = top + ListView_GetCountPerPage(h) + 1;
    first = std::max(first, top);
    last = std::min(last, bottom);
    if (first <= last) ListView_RedrawItems(h, first, last);
  }
  syncing_ = false;
}

// After a change of content the native selection is set afresh: with owner
// data it is only a row number and would stay on whatever moved there.
void ListView::syncSelection(bool force) {
  HWND h = hwnd();
  const int want = state_.list.selected;
  const int have = ListView_GetNextItem(h, -1, LVNI_SELECTED);
  if (want == have && !force) return;
  if (have >= 0 || force) ListView_SetItemState(h, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (want >= 0) {
    ListView_SetItemState(h, want, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(h, want, FALSE);
  }
}

void ListView::answer(NMLVDISPINFOW& info) const {
  LVITEMW& item = info.item;
  const ListCell* cell = state_.list.cell(item.iItem, item.iSubItem);
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
    item.pszText[0] = L'\0';
    // Cut to the buffer, which it ends.
    if (cell && !cell->text.empty()) lstrcpynW(item.pszText, widen(cell->text).c_str(), item.cchTextMax);
  }
  if (item.mask & LVIF_IMAGE) {
    // A text cell right of the first column names no picture at all:
    // I_IMAGENONE would still keep a picture's width free before its text.
    const int image = cell ? cell->image : -1;
    item.iImage = image >= 0 ? image : item.iSubItem == 0 ? I_IMAGENONE : I_IMAGECALLBACK;
  }
  if (item.mask & LVIF_INDENT) item.iIndent = 0;
}

// Typing in the list goes to the next row whose first cell starts so.
int ListView::find(const NMLVFINDITEMW& request) const {
  const LVFINDINFOW& f = request.lvfi;
  if (!(f.flags & (LVFI_STRING | LVFI_PARTIAL)) || !f.psz) return -1;
  const int rows = static_cast<int>(state_.list.rows.size());
  const int wanted = lstrlenW(f.psz);
  if (rows == 0 || wanted == 0) return -1;
  const int start = request.iStart >= 0 && request.iStart < rows ? request.iStart : 0;
  for (int i = 0; i < rows; ++i) {
    const int r = (start + i) % rows;
    if (!(f.flags & LVFI_WRAP) && r < start) break;
    const ListCell* cell = state_.list.cell(r, 0);
    if (!cell) continue;
    const std::wstring text = widen(cell->text);
    const int size = static_cast<int>(text.size());
    if ((f.flags & LVFI_PARTIAL) && size < wanted) continue;
    const int length = (f.flags & LVFI_PARTIAL) ? wanted : size;
    if (CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, text.data(), length, f.psz, wanted) == CSTR_EQUAL)
      return r;
  }
  return -1;
}

// The user moved the selection (the list's own syncs are no news).
bool ListView::selectionMoved(UINT before, UINT after, LRESULT& result) {
  if (syncing_ || !((before ^ after) & LVIS_SELECTED)) return false;
  window_.ui().noteListSelection(ref(), ListView_GetNextItem(hwnd(), -1, LVNI_SELECTED));
  result = 0;
  return true;
}

bool ListView::reflected(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  if (msg != WM_NOTIFY) return false;
  const auto* header = reinterpret_cast<const NMHDR*>(lp);
  switch (header->code) {
    case LVN_ITEMCHANGED: {
      // With owner data iItem is -1 when every row changed at once.
      const auto* change = reinterpret_cast<const NMLISTVIEW*>(lp);
      return (change->uChanged & LVIF_STATE) && selectionMoved(change->uOldState, change->uNewState, result);
    }
    case LVN_ODSTATECHANGED: {
      const auto* change = reinterpret_cast<const NMLVODSTATECHANGE*>(lp);
      return selectionMoved(change->uOldState, change->uNewState, result);
    }
    case LVN_GETDISPINFOW:
      answer(*reinterpret_cast<NMLVDISPINFOW*>(lp));
      result = 0;
      return true;
    case LVN_ODFINDITEMW:
      result = find(*reinterpret_cast<const NMLVFINDITEMW*>(lp));
      return true;
    case LVN_ODCACHEHINT:
      result = 0;
      return true;
    case NM_CLICK:
      // Raised after the list has finished its own click processing: the
      // handler may refill the list or close the window.
      window_.raiseLater(*this, Event::ListClicked);
      result = 0;
      return true;
  }
  return false;
}

}  // namespace vex::win
