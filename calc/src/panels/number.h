#pragma once

// The number types a calculation is written over. Each calculation is one
// formula text, a template over N, formed twice: with Checked, every step
// under the step check (checked.h), and with Unchecked, plain doubles and no
// check at all, the benchmark's baseline, good only for inputs that compute.
// For Unchecked the steps below stand in for those of checked.h and give the
// same bits: the same C library calls, the same roundings.

#include <cmath>
#include <cstddef>

#include "quorvel/panels/real.h"

namespace quorvel::detail {

struct Checked {
  using Real = quorvel::Real;          // a working value that carries the first failure
  using Quantity = quorvel::Quantity;  // a named one: forming it throws that failure
  static constexpr bool checked = true;
  static Real field(Real read, std::size_t index) noexcept { return read.of_field(index); }
  static double get(Real shown) { return shown.get(); }
  static double value(Real formed) noexcept { return formed.value(); }
};

struct Unchecked {
  using Real = double;
  using Quantity = double;
  static constexpr bool checked = false;
  static double field(quorvel::Real read, std::size_t) noexcept { return read.value(); }
  static double get(double shown) noexcept { return shown; }
  static double value(double formed) noexcept { return formed; }
};

// Out of line in a file built without the pow builtin, as quorvel::pow.
double pow(double x, int n) noexcept;
inline double sin(double x) noexcept {
  return std::sin(x);
}
inline double cos(double x) noexcept {
  return std::cos(x);
}
inline double floor(double x) noexcept {
  return std::floor(x);
}
inline double abs(double x) noexcept {
  return std::fabs(x);
}
inline double single(double x) noexcept {
  return static_cast<float>(x);
}

// The displays of a shown result (display.h), over either number type.
template <class R>
R tenths_display(R v) {
  return floor(v + 0.5) / 10;
}
template <class R>
R ratio_display(R r) {
  return abs(floor(100 * r + 0.5) / 100);
}

}  // namespace quorvel::detail
