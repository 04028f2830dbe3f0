#include <windows.h>
// After windows.h, whose types they use.
#include <objidl.h>
#include <shlwapi.h>

#include <memory>

#include "toolkit/win/control_kinds.h"
#include "toolkit/win/native_window.h"
#include "toolkit/win/wide_text.h"

namespace vex::win {
namespace {

constexpr UINT kSyncNow = WM_APP + 3;

struct ReleaseStream {
  void operator()(IStream* s) const { s->Release(); }
};

int formatOf(Align a) {
  switch (a) {
    case Align::Centre:
      return LVCFMT_CENTER;
    case Align::Right:
      return LVCFMT_RIGHT;
    default:
      return LVCFMT_LEFT;
  }
}

}  // namespace

UniqueImageList readPictureSet(std::span<const std::uint8_t> set) {
  if (set.size() <= 8 || set[0] != 'M' || set[1] != 'I' || set[2] != 'T' || set[3] != 'L') return {};
  std::unique_ptr<IStream, ReleaseStream> stream(
      SHCreateMemStream(set.data() + 8, static_cast<UINT>(set.size() - 8)));
  if (!stream) return {};
  return UniqueImageList(ImageList_Read(stream.get()));
}

void ListView::create(HWND parent, int x, int y) {
  createStock(WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS, 0, parent,
              x, y);
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
    c.cx = column.width;
    c.pszText = title.data();
    c.iSubItem = index;
    SendMessageW(h, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&c));
    ++index;
  }
  sync();
}

void ListView::changed(Change what) {
  if (!hwnd()) return;
  if (what == Change::ListContent || what == Change::ListSelection) {
    scheduleSync();
    return;
  }
  NativeControl::changed(what);
}

// A view fills a list with a thousand single-cell writes; the native list
// catches up once, when the handler has returned. Posted messages come
// before input and painting, so the user never meets a stale list.
void ListView::scheduleSync() {
  if (syncPending_) return;
  syncPending_ = PostMessageW(hwnd(), kSyncNow, 0, 0) != FALSE;
  if (!syncPending_) sync();
}

LRESULT ListView::handle(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kSyncNow) {
    syncPending_ = false;
    sync();
    return 0;
  }
  return defaultHandling(msg, wp, lp);
}

void ListView::setCell(int row, int column, const ListCell& cell, bool insert) {
  std::wstring text = widen(cell.text);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = text.data();
  // A text cell right of the first column names no picture at all:
  // I_IMAGENONE would still keep a picture's width free before its text.
  item.iImage = cell.image >= 0 ? cell.image : column == 0 ? I_IMAGENONE : I_IMAGECALLBACK;
  SendMessageW(hwnd(), insert ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void ListView::sync() {
  HWND h = hwnd();
  syncing_ = true;
  SendMessageW(h, WM_SETREDRAW, FALSE, 0);
  const ListViewState& list = state_.list;
  if (list.pictureSet.data() != shownSet_.data() || list.pictureSet.size() != shownSet_.size()) {
    UniqueImageList images = readPictureSet(list.pictureSet);
    ListView_SetImageList(h, images.get(), LVSIL_SMALL);
    images_ = std::move(images);  // the old list goes only once it is no longer set
    shownSet_ = list.pictureSet;
  }
  const std::size_t columns = list.columns.size();
  const std::size_t rows = list.rows.size();
  if (shown_.size() > rows) {
    if (rows == 0) {
      ListView_DeleteAllItems(h);
    } else {
      for (std::size_t r = shown_.size(); r-- > rows;) ListView_DeleteItem(h, static_cast<int>(r));
    }
    shown_.resize(rows);
  }
  // Only cells that differ from the native ones are written.
  for (std::size_t r = 0; r < shown_.size(); ++r) {
    const auto& want = list.rows[r];
    auto& have = shown_[r];
    for (std::size_t c = 0; c < columns && c < want.size(); ++c) {
      if (have[c] == want[c]) continue;
      setCell(static_cast<int>(r), static_cast<int>(c), want[c], false);
      have[c] = want[c];
    }
  }
  for (std::size_t r = shown_.size(); r < rows; ++r) {
    std::vector<ListCell> cells(columns);
    const auto& want = list.rows[r];
    for (std::size_t c = 0; c < columns; ++c) {
      if (c < want.size()) cells[c] = want[c];
      if (c == 0 || cells[c] != ListCell{})
        setCell(static_cast<int>(r), static_cast<int>(c), cells[c], c == 0);
    }
    shown_.push_back(std::move(cells));
  }
  syncSelection();
  SendMessageW(h, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(h, nullptr, TRUE);
  syncing_ = false;
}

void ListView::syncSelection() {
  HWND h = hwnd();
  const int want = state_.list.selected;
  const int have = ListView_GetNextItem(h, -1, LVNI_SELECTED);
  if (want == have) return;
  if (have >= 0) ListView_SetItemState(h, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (want >= 0) {
    ListView_SetItemState(h, want, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(h, want, FALSE);
  }
}

bool ListView::reflected(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  if (msg != WM_NOTIFY) return false;
  const auto* header = reinterpret_cast<const NMHDR*>(lp);
  switch (header->code) {
    case LVN_ITEMCHANGED: {
      const auto* change = reinterpret_cast<const NMLISTVIEW*>(lp);
      if (syncing_ || !(change->uChanged & LVIF_STATE) ||
          !((change->uOldState ^ change->uNewState) & LVIS_SELECTED))
        return false;
      ui().noteListSelection(ref(), ListView_GetNextItem(hwnd(), -1, LVNI_SELECTED));
      result = 0;
      return true;
    }
    case LVN_GETDISPINFOW: {
      // Asked for the picture of a cell that has none (see setCell).
      auto* info = reinterpret_cast<NMLVDISPINFOW*>(lp);
      if (info->item.mask & LVIF_IMAGE) info->item.iImage = I_IMAGECALLBACK;
      result = 0;
      return true;
    }
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
