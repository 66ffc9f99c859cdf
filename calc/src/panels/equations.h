#pragma once

// What the three calculations share: the compatibility equations of a frame
// clamped at both ends and their fixed elimination, the section, the
// constants, and the values a calculation ends with.
//
// The three equations in the unknowns Fy, Fx and M1 (the reactions at point 1):
//   A11 Fy + A12 Fx + A13 M1 + B1 = 0   (no displacement across the run)
//   A21 Fy + A22 Fx + A23 M1 + B2 = 0   (no displacement along the run)
//   A31 Fy + A32 Fx + A33 M1      = 0   (no rotation)
// solved by one fixed elimination, M1 first, then Fx, then Fy.

#include <array>
#include <cstddef>

#include "panels/number.h"
#include "quorvel/panels/panel.h"

namespace quorvel::detail {

// The two values of π the calculation notes use, each where they say.
inline constexpr double kPi = 3.1415926;
inline constexpr double kPiShort = 3.14159;

template <class N>
struct Equations {
  typename N::Quantity A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2;
};

template <class N>
struct Reactions {
  typename N::Quantity M1, Fx, Fy;
};

template <class N>
Reactions<N> eliminate(const Equations<N>& q) {
  using Q = typename N::Quantity;
  const Q P1 = q.A12 * q.A21 - q.A11 * q.A22;
  const Q P2 = q.A13 * q.A21 - q.A11 * q.A23;
  const Q P3 = q.B1 * q.A21 - q.A11 * q.B2;
  const Q P4 = q.A12 * q.A31 - q.A32 * q.A11;
  const Q P5 = q.A13 * q.A31 - q.A11 * q.A33;
  const Q P6 = q.B1 * q.A31;
  const Q M1 = (P6 * P1 - P4 * P3) / (P2 * P4 - P5 * P1);
  const Q Fx = -(P3 + P2 * M1) / P1;
  const Q Fy = -(q.A12 * Fx + q.A13 * M1 + q.B1) / q.A11;
  return {M1, Fx, Fy};
}

// The material's values as the panels form them, each in the order the
// calculations write it, step-checked; carbon_steel() (material.cpp) holds
// the same values and its test holds them equal.

// Young's modulus, pascals: carbon_steel().reference_E().
template <class N>
typename N::Quantity elastic_modulus() {
  return pow(typename N::Real(10), 11) * 1.96;
}

// The allowable stress [S], pascals: carbon_steel().allowable(T), written
// 8·10⁷ by the bend and the offset and 80·10⁶ by the loop.
template <class N>
typename N::Quantity allowable_stress() {
  return pow(typename N::Real(10), 7) * 8;
}
template <class N>
typename N::Quantity allowable_stress_loop() {
  return pow(typename N::Real(10), 6) * 80;
}

// A leg's direction from its entered angle: (angle − 90°) in radians.
template <class R>
auto turned(const R& angle) {
  return (angle - 90) * kPi / 180;
}

// D⁴ − (D − 2t)⁴ of the section in metres: 64·I/π.
template <class R>
auto section(const R& D, const R& t) {
  return pow(D, 4) - pow(D - (t + t), 4);
}

// The free expansion per metre of pipe from 0 ℃ to T ℃, the same law for
// every panel: carbon_steel().expansion(0, T), whose law_text writes it.
template <class N>
typename N::Real expansion(const typename N::Real& T) {
  return pow(T, 2) * 0.005259 / pow(typename N::Real(10), 6) + T * 0.011182 / 1000;
}

// What a calculation ends with: the reactions at point 1, the bending moment
// and stress at every point of its P points (point 1 first), [S] and e; and
// the frame it solved: the section, EI, the run's points and the lengths
// whose free growth the anchors hold back along x and y.
template <class N, std::size_t P>
struct Frame {
  typename N::Quantity M1, Fx, Fy;
  std::array<typename N::Quantity, P> moments, stresses;
  typename N::Quantity allowable, e;
  typename N::Quantity D, t, EI;
  std::array<Point, P> run;
  double along, across;
  typename N::Quantity T;
};

// A point of the run from values already formed, in plain doubles: the
// analyses beside the calculation never make it fail.
template <class N>
Point point(const typename N::Real& x, const typename N::Real& y) {
  return {N::value(x), N::value(y)};
}

template <class N, std::size_t P>
Values values_of(const Frame<N, P>& f) {
  Values v{N::value(f.M1), N::value(f.Fx), N::value(f.Fy), {}, {}, N::value(f.allowable), N::value(f.e), {}, {},
           N::value(f.D),  N::value(f.t),  N::value(f.EI), 0,  0};
  for (const auto& m : f.moments) v.moments.push_back(N::value(m));
  for (const auto& sigma : f.stresses) v.stresses.push_back(N::value(sigma));
  v.run.assign(f.run.begin(), f.run.end());
  v.growth_x = v.expansion * f.along;
  v.growth_y = v.expansion * f.across;
  v.T = N::value(f.T);
  v.length_x = f.along;
  v.length_y = f.across;
  return v;
}

}  // namespace quorvel::detail
