// comctl32's report list view, kept in step with the ListViewState.
#pragma once
#include <span>
#include <vector>

#include "toolkit/controls/win/stock_control.h"

namespace vex::win {

class ListView final : public StockControl {
 public:
  using StockControl::StockControl;
  void create() override;
  void changed(Change what) override;
  void dpiChanged() override;
  void settle() override;
  bool reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
  void scheduleSync();
  void sync();
  void syncSelection(bool force);
  const ListCell* cellAt(int row, int column) const;
  // The native list's questions (owner data): a cell's text and picture,
  // the row a typed prefix names.
  void answer(NMLVDISPINFOW& info) const;
  int find(const NMLVFINDITEMW& request) const;
  bool selectionMoved(UINT before, UINT after, LRESULT& result);
  std::vector<std::vector<ListCell>> shown_;  // the rows the native list last drew
  std::span<const std::uint8_t> shownSet_;
  bool syncing_ = false;
  bool syncPending_ = false;
};

}  // namespace vex::win
