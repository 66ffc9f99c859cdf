#pragma once

// Delivers result texts one at a time, in write order, each the moment it is
// formed; a failure while forming one ends the calculation there. Step-checked,
// it also keeps the values of the run: the frame once the formulas are formed,
// and each result's value before its display.

#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "panels/equations.h"
#include "panels/number.h"
#include "quorvel/panels/display.h"
#include "quorvel/panels/panel.h"

namespace quorvel::detail {

template <class N>
class ResultWriter {
  using R = typename N::Real;

 public:
  ResultWriter(std::span<const ResultField> fields, std::string_view decimal_point, const Deliver& deliver)
      : fields_(fields), decimal_point_(decimal_point), deliver_(deliver) {}

  // The formulas are formed: `make` gives the run's values (not called in
  // plain doubles, where nothing keeps them).
  template <class Make>
  void formed(Make make) {
    if constexpr (N::checked) values_ = make();
  }

  // A force or moment in the tenths display.
  void tenths(R v) {
    expect(false);
    put(tenths_display(v), v);
  }

  // A stress as a ratio to the allowable stress; the quotient comes first.
  void ratio(R stress, R allowable) {
    expect(true);
    const R r = stress / allowable;
    put(ratio_display(r), r);
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
  std::optional<Values>& values() noexcept { return values_; }

 private:
  // The calculation writes what its panel's table says, in its order.
  void expect(bool ratio) const {
    if (delivered_ == fields_.size() || (fields_[delivered_].display == Display::ratio) != ratio)
      throw std::logic_error("a calculation wrote other results than its panel's table lists");
  }

  void put(R shown, R value) {
    const std::string text = number_text(N::get(shown), decimal_point_);
    if constexpr (N::checked)
      if (values_) values_->results.push_back(N::value(value));
    if (deliver_) deliver_(delivered_, text);
    ++delivered_;
  }

  std::span<const ResultField> fields_;
  std::string_view decimal_point_;
  const Deliver& deliver_;
  std::size_t delivered_ = 0;
  std::optional<Values> values_;
};

}  // namespace quorvel::detail
