// Turning the compiled-in constants into live columns.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

#include "data/table_types.h"

namespace vex {

// A null text loads as the empty text.
inline TextList textColumn(std::span<const char* const> texts) {
  TextList column;
  for (const char* text : texts) column.append(text ? std::string(text) : std::string());
  return column;
}

template <typename Number, std::size_t N>
NumberList numberColumn(const Number (&numbers)[N]) {
  NumberList column;
  for (Number n : numbers) column.append(static_cast<std::int32_t>(n));
  return column;
}

// `rowCount` rows; rows past the constant stay empty. A row ends at its
// first 0, since every number stored this way starts at 1.
template <std::size_t Rows, std::size_t Width>
NumberLists listColumn(const std::int8_t (&rows)[Rows][Width], int rowCount) {
  NumberLists column(std::vector<NumberList>(static_cast<std::size_t>(rowCount)));
  for (std::size_t k = 0; k < Rows && k < static_cast<std::size_t>(rowCount); ++k) {
    NumberList row;
    for (std::int8_t n : rows[k]) {
      if (n == 0) break;
      row.append(n);
    }
    column[static_cast<std::int64_t>(k) + 1] = std::move(row);
  }
  return column;
}

}  // namespace vex
