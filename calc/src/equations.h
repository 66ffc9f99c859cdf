#pragma once

// The three compatibility equations of a frame clamped at both ends, in the
// unknowns Fy, Fx and M1 (the reactions at point 1):
//   A11 Fy + A12 Fx + A13 M1 + B1 = 0   (no displacement across the run)
//   A21 Fy + A22 Fx + A23 M1 + B2 = 0   (no displacement along the run)
//   A31 Fy + A32 Fx + A33 M1      = 0   (no rotation)
// solved by one fixed elimination, M1 first, then Fx, then Fy.

#include "quorvel/checked.h"

namespace quorvel::detail {

struct Equations {
  Quantity A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2;
};

struct Reactions {
  Quantity M1, Fx, Fy;
};

inline Reactions solve(const Equations& q) {
  const Quantity P1 = q.A12 * q.A21 - q.A11 * q.A22;
  const Quantity P2 = q.A13 * q.A21 - q.A11 * q.A23;
  const Quantity P3 = q.B1 * q.A21 - q.A11 * q.B2;
  const Quantity P4 = q.A12 * q.A31 - q.A32 * q.A11;
  const Quantity P5 = q.A13 * q.A31 - q.A11 * q.A33;
  const Quantity P6 = q.B1 * q.A31;
  const Quantity M1 = (P6 * P1 - P4 * P3) / (P2 * P4 - P5 * P1);
  const Quantity Fx = -(P3 + P2 * M1) / P1;
  const Quantity Fy = -(q.A12 * Fx + q.A13 * M1 + q.B1) / q.A11;
  return {M1, Fx, Fy};
}

// Young's modulus of steel, pascals.
inline Quantity elastic_modulus() {
  return pow(10, 11) * 1.96;
}

}  // namespace quorvel::detail
