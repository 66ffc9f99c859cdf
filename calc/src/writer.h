#pragma once

// Delivers result texts one at a time, in write order, each the moment it is
// formed; a failure while forming one ends the calculation there.

#include <cstddef>
#include <span>
#include <stdexcept>
#include <string_view>

#include "equations.h"
#include "number.h"
#include "quorvel/display.h"
#include "quorvel/panels.h"

namespace quorvel::detail {

template <class N>
class ResultWriter {
  using R = typename N::Real;

 public:
  ResultWriter(std::span<const ResultField> fields, std::string_view decimal_point, const Deliver& deliver)
      : fields_(fields), decimal_point_(decimal_point), deliver_(deliver) {}

  // A force or moment in the tenths display.
  void tenths(R v) {
    expect(false);
    put(tenths_display(v));
  }

  // A stress as a ratio to the allowable stress; the quotient comes first.
  void ratio(R stress, R allowable) {
    expect(true);
    put(ratio_display(stress / allowable));
  }

  // What every panel writes after its moments: Fx and Fy, then the stress at
  // every point of the run as a ratio, point 1 first.
  template <std::size_t P>
  void forces_and_stresses(const Frame<N, P>& f) {
    tenths(f.Fx);
    tenths(f.Fy);
    for (const auto& stress : f.stresses) ratio(stress, f.allowable);
  }

  std::size_t delivered() const noexcept { return delivered_; }

 private:
  // The calculation writes what its panel's table says, in its order.
  void expect(bool ratio) const {
    if (delivered_ == fields_.size() || (fields_[delivered_].display == Display::ratio) != ratio)
      throw std::logic_error("a calculation wrote other results than its panel's table lists");
  }

  void put(R shown) {
    const std::string text = number_text(N::get(shown), decimal_point_);
    if (deliver_) deliver_(delivered_, text);
    ++delivered_;
  }

  std::span<const ResultField> fields_;
  std::string_view decimal_point_;
  const Deliver& deliver_;
  std::size_t delivered_ = 0;
};

}  // namespace quorvel::detail
