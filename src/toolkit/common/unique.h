// Move-only owner of one handle of any kind, freed through `Free` when it
// goes. `Free` may carry what the freeing needs (the library that made
// the handle); a null handle is never freed.
#pragma once
#include <utility>

namespace vex {

template <typename H, typename Free>
class Unique {
 public:
  Unique() = default;
  explicit Unique(H h, Free free = Free{}) : h_(h), free_(std::move(free)) {}
  ~Unique() { reset(); }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& o) noexcept : h_(std::exchange(o.h_, H{})), free_(o.free_) {}
  Unique& operator=(Unique&& o) noexcept {
    if (this != &o) {
      reset(std::exchange(o.h_, H{}));
      free_ = o.free_;
    }
    return *this;
  }

  H get() const { return h_; }
  explicit operator bool() const { return h_ != H{}; }
  // Gives up ownership, e.g. when the system has destroyed the object itself.
  H release() { return std::exchange(h_, H{}); }
  void reset(H h = H{}) {
    if (h_ != H{} && h_ != h) free_(h_);
    h_ = h;
  }

 private:
  H h_{};
  [[no_unique_address]] Free free_{};
};

}  // namespace vex
