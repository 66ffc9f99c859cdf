#pragma once

// Delivers result texts one at a time, in write order, each the moment it is
// formed; a failure while forming one ends the calculation there.

#include <cstddef>
#include <string_view>

#include "quorvel/checked.h"
#include "quorvel/display.h"
#include "quorvel/panels.h"

namespace quorvel::detail {

class ResultWriter {
 public:
  ResultWriter(std::string_view decimal_point, const Deliver& deliver)
      : decimal_point_(decimal_point), deliver_(deliver) {}

  // A force or moment in the tenths display.
  void tenths(Real v) { put(quorvel::tenths(v)); }

  // A stress as a ratio to the allowable stress; the quotient comes first.
  void ratio(Real stress, Real allowable) { put(quorvel::ratio(stress / allowable)); }

  std::size_t delivered() const noexcept { return delivered_; }

 private:
  void put(Real shown) {
    const std::string text = number_text(shown.get(), decimal_point_);
    if (deliver_) deliver_(delivered_, text);
    ++delivered_;
  }

  std::string_view decimal_point_;
  const Deliver& deliver_;
  std::size_t delivered_ = 0;
};

}  // namespace quorvel::detail
