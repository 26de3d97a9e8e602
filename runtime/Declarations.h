// Helpers for writing declaration tables.
#pragma once

#include <array>

#include "runtime/Properties.h"

namespace rt {

// One declaration made of several lists, in their order.
template <std::size_t... N>
constexpr auto Join(const std::array<Property, N>&... lists) {
  std::array<Property, (N + ... + 0)> joined{};
  std::size_t at = 0;
  ((std::copy(lists.begin(), lists.end(), joined.begin() + static_cast<std::ptrdiff_t>(at)),
    at += N),
   ...);
  return joined;
}

}  // namespace rt
