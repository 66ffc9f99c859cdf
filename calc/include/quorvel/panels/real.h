#pragma once

// The step check. Every working value of a calculation is a Real: a double
// that either holds a number or the failure of the first step that went wrong
// while forming it. Operations take the left operand's failure first, then
// the right one's, then their own, so an expression fails exactly as if it
// were evaluated strictly left to right, whatever order C++ evaluates it in.
// A Quantity is a named working value: forming one ends the calculation with
// a StepError if its expression failed.

#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

#include "quorvel/panels/failure.h"

namespace quorvel {

class Real {
 public:
  constexpr Real(double v = 0.0) noexcept : v_(v) {}  // NOLINT: literals and exact values

  static constexpr Real failed(ErrorKind kind, std::optional<std::size_t> field = {}) noexcept {
    Real r;
    r.kind_ = kind;
    r.field_ = field ? static_cast<int>(*field) : -1;
    return r;
  }

  constexpr bool ok() const noexcept { return kind_ == ErrorKind{}; }
  constexpr double value() const noexcept { return v_; }
  constexpr ErrorKind error() const noexcept { return kind_; }
  constexpr std::optional<std::size_t> field() const noexcept {
    if (field_ < 0) return std::nullopt;
    return static_cast<std::size_t>(field_);
  }

  // Marks a failure as caused by the text of input `index`.
  constexpr Real of_field(std::size_t index) const noexcept {
    Real r = *this;
    if (!ok()) r.field_ = static_cast<int>(index);
    return r;
  }

  // Throws the failure, if any, and gives the number.
  double get() const {
    if (!ok()) throw StepError(kind_, field());
    return v_;
  }

  // An overflowed or undefined result fails with the overflow error.
  static constexpr Real formed(double v) noexcept {
    if (v - v != 0.0) return failed(ErrorKind::overflow);  // infinite or NaN
    return Real(v);
  }

  friend constexpr Real operator-(Real a) noexcept {
    if (!a.ok()) return a;
    return Real(-a.v_);
  }
  friend constexpr Real operator+(Real a, Real b) noexcept {
    if (!a.ok()) return a;
    if (!b.ok()) return b;
    return formed(a.v_ + b.v_);
  }
  friend constexpr Real operator-(Real a, Real b) noexcept {
    if (!a.ok()) return a;
    if (!b.ok()) return b;
    return formed(a.v_ - b.v_);
  }
  friend constexpr Real operator*(Real a, Real b) noexcept {
    if (!a.ok()) return a;
    if (!b.ok()) return b;
    return formed(a.v_ * b.v_);
  }
  friend constexpr Real operator/(Real a, Real b) noexcept {
    if (!a.ok()) return a;
    if (!b.ok()) return b;
    if (b.v_ == 0.0) return failed(a.v_ == 0.0 ? ErrorKind::overflow : ErrorKind::division_by_zero);
    return formed(a.v_ / b.v_);
  }

 private:
  double v_ = 0.0;
  ErrorKind kind_{};
  int field_ = -1;
};

// A named working value, checked when it is formed.
class Quantity : public Real {
 public:
  Quantity(Real r) : Real(r.get()) {}  // NOLINT: forming is the point
};

// x^n in double precision, as the C library's pow gives it, also for n = 2.
Real pow(Real x, int n) noexcept;
inline Real sin(Real x) noexcept {
  return x.ok() ? Real(std::sin(x.value())) : x;
}
inline Real cos(Real x) noexcept {
  return x.ok() ? Real(std::cos(x.value())) : x;
}
inline Real floor(Real x) noexcept {
  return x.ok() ? Real(std::floor(x.value())) : x;
}
inline Real abs(Real x) noexcept {
  return x.ok() ? Real(std::fabs(x.value())) : x;
}

// Rounds to the nearest single-precision number; beyond its range is an overflow.
inline Real single(Real x) noexcept {
  if (!x.ok()) return x;
  constexpr double kMax = std::numeric_limits<float>::max();
  constexpr double kLimit = 0x1.ffffffp127;  // halfway between the largest float and 2^128
  const double m = std::fabs(x.value());
  if (m >= kLimit) return Real::failed(ErrorKind::overflow);
  if (m > kMax) return Real(std::copysign(kMax, x.value()));  // the cast would be undefined
  return Real(static_cast<float>(x.value()));
}

}  // namespace quorvel
