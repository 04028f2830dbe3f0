// comctl32's report list view, kept in step with the ListViewState.
#pragma once
#include <span>

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
  void scheduleSync();
  void sync();
  void syncSelection(bool force);
  // The native list's questions (owner data): a cell's text and picture,
  // the row a typed prefix names.
  void answer(NMLVDISPINFOW& info) const;
  int find(const NMLVFINDITEMW& request) const;
  bool selectionMoved(UINT before, UINT after, LRESULT& result);
  std::span<const std::uint8_t> shownSet_;  // the picture set the native list holds
  bool syncing_ = false;
  bool syncPending_ = false;
};

}  // namespace vex::win
