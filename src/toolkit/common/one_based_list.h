// The program's list type: numbered from 1, every access range-tested.
// Game numbers (champion, item, lineup, list positions) index only these.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "toolkit/common/range_fault.h"

namespace vex {

template <typename T>
class OneBasedList {
 public:
  OneBasedList() = default;
  OneBasedList(std::initializer_list<T> items) : items_(items) {}
  explicit OneBasedList(std::vector<T> items) : items_(std::move(items)) {}

  int count() const { return static_cast<int>(items_.size()); }
  bool empty() const { return items_.empty(); }

  const T& operator[](std::int64_t n) const { return items_[check(n)]; }
  T& operator[](std::int64_t n) { return items_[check(n)]; }

  void append(T item) { items_.push_back(std::move(item)); }
  void remove(std::int64_t n) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(check(n))); }
  void clear() { items_.clear(); }
  void resize(int n) { items_.resize(static_cast<std::size_t>(n)); }

  // Position of the first element equal to value, or 0 when absent.
  int find(const T& value) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (items_[i] == value) return static_cast<int>(i) + 1;
    }
    return 0;
  }
  bool contains(const T& value) const { return find(value) != 0; }

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }

  const std::vector<T>& values() const { return items_; }
  bool operator==(const OneBasedList&) const = default;

 private:
  std::size_t check(std::int64_t n) const {
    if (n < 1) reportRangeFault(kIndexBelowOne);
    if (n > static_cast<std::int64_t>(items_.size())) reportRangeFault(kIndexBeyondCount);
    return static_cast<std::size_t>(n - 1);
  }

  std::vector<T> items_;
};

}  // namespace vex
