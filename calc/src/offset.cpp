// The Z-shaped offset: L1 along x from the anchor at point 1 to the bend at
// point 2, the middle leg L2 in the direction (sin θ, cos θ) to the bend at
// point 3, and L3 parallel to L1 to the anchor at point 4, θ = α − 90°.
// Bending moment m = M1 − Fy·x + Fx·y.
//
// The coefficients are the exact centreline integrals of the three straight
// legs: A11 = ∫x², A12 = A21 = −∫xy, A13 = A31 = −∫x, A22 = ∫y², A23 = A32 =
// ∫y, A33 = ∫ds. On L3, where y = L2·cos θ is constant, ∫x² gains L3³/12 about
// the leg's middle and ∫y² the whole L2²·L3·cos²θ. The load along the run is
// the free growth of the entered overall length L.

#include "equations.h"
#include "reader.h"
#include "writer.h"

namespace quorvel::detail {
namespace {

constexpr InputField kInputs[] = {
    {"T", "℃", FieldKind::whole_number, "70"}, {"D", "mm", FieldKind::real, "377"},
    {"t", "mm", FieldKind::real, "9"},         {"L1", "m", FieldKind::real, "20"},
    {"L2", "m", FieldKind::real, "10"},        {"L3", "m", FieldKind::double_text, "20"},
    {"L", "m", FieldKind::double_text, "40"},  {"α", "°", FieldKind::real, "90"},
};
constexpr ResultField kResults[] = {
    {"Mz1", "kgm", Display::moment, 1}, {"Mz2", "kgm", Display::moment, 4}, {"Fx", "kg", Display::force, 1},
    {"Fy", "kg", Display::force, 1},    {"S1/[S]", "", Display::ratio, 1},  {"S2/[S]", "", Display::ratio, 2},
    {"S3/[S]", "", Display::ratio, 3},  {"S4/[S]", "", Display::ratio, 4},
};

constexpr double kPi = 3.1415926;

struct Offset {
  Quantity M1, Fx, Fy, m2, m3, m4, sigma1, sigma2, sigma3, sigma4, allowable, e;
};

Offset compute(FieldReader& in) {
  const Quantity T = in.next();
  const Quantity D_mm = in.next();
  const Quantity t_mm = in.next();
  const Quantity L1 = in.next();
  const Quantity L2 = in.next();
  const Real L3 = in.next();  // double fields: failures
  const Real L = in.next();   // surface at first use
  const Quantity alpha = in.next();

  const Quantity theta = single((alpha - 90) * kPi / 180);
  const Quantity s = sin(theta);
  const Quantity c = cos(theta);
  const Quantity D = single(D_mm / 1000);
  const Quantity t = single(t_mm / 1000);

  const Quantity A11 = pow(L1, 3) / 3 + pow(L2 * s / 2 + L1, 2) * L2 + pow(s, 2) * pow(L2, 3) / 12 +
                       L3 * pow(L2 * s + L1 + L3 / 2, 2) + pow(L3, 3) / 12;
  const Quantity A12 = -(pow(L2, 3) * s * c / 3 + pow(L2, 2) * L1 * c / 2 + single(L2 * L1) * L3 * c +
                         pow(L2, 2) * L3 * c * s + L2 * pow(L3, 2) * c / 2);
  const Quantity A13 = -((pow(L1, 2) + pow(L2, 2) * s) / 2 + L2 * L1 + L1 * L3 + L2 * L3 * s + pow(L3, 2) / 2);
  const Quantity A21 = -(pow(L2, 3) * c * s / 3 + pow(L2, 2) * L1 * c / 2 + single(L2 * L1) * L3 * c +
                         pow(L2, 2) * L3 * c * s + L2 * pow(L3, 2) * c / 2);
  const Quantity A22 = pow(c, 2) * pow(L2, 3) / 3 + pow(L2, 2) * L3 * pow(c, 2);
  const Quantity A23 = pow(L2, 2) * c / 2 + L2 * L3 * c;
  const Quantity A31 = -(pow(L2, 2) * s / 2 + (pow(L1, 2) / 2 + L2 * L1) + L1 * L3 + L2 * L3 * s + pow(L3, 2) / 2);
  const Quantity A32 = pow(L2, 2) * c / 2 + L2 * L3 * c;
  const Quantity A33 = single(L2 + L1) + L3;

  const Quantity I = (pow(D, 4) - pow(D - 2 * t, 4)) * kPi / 64;
  const Quantity E = elastic_modulus();
  const Quantity EI = E * I;
  const Quantity e = pow(T, 2) * 0.005259 / pow(10, 6) + T * 0.011182 / 1000;
  const Quantity B1 = (-e) * EI * L2 * c;
  const Quantity B2 = (-e) * EI * L;

  const auto [M1, Fx, Fy] = solve({A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2});

  const Quantity m2 = M1 - Fy * L1;
  const Quantity m3 = M1 - Fy * (L2 * s + L1) + Fx * L2 * c;
  const Quantity m4 = M1 + Fx * L2 * c - Fy * ((L2 * s + L1) + L3);

  const Quantity W64 = (pow(D, 4) - pow(D - 2 * t, 4)) * kPi;  // 64·I
  const Quantity sigma1 = M1 * 32 * D / W64;
  const Quantity sigma2 = single(32 * D) * m2 / W64;
  const Quantity sigma3 = m3 * 32 * D / W64;
  const Quantity sigma4 = m4 * 32 * D / W64;
  const Quantity allowable = pow(10, 7) * 8;
  return {M1, Fx, Fy, m2, m3, m4, sigma1, sigma2, sigma3, sigma4, allowable, e};
}

Solution solve(FieldReader& in) {
  const Offset o = compute(in);
  return {o.M1.value(),
          o.Fx.value(),
          o.Fy.value(),
          {o.M1.value(), o.m2.value(), o.m3.value(), o.m4.value()},
          {o.sigma1.value(), o.sigma2.value(), o.sigma3.value(), o.sigma4.value()},
          o.allowable.value(),
          o.e.value()};
}

void write(FieldReader& in, ResultWriter& out) {
  const Offset o = compute(in);
  out.tenths(o.M1);
  out.tenths(o.m4);
  out.tenths(o.Fx);
  out.tenths(o.Fy);
  out.ratio(o.sigma1, o.allowable);
  out.ratio(o.sigma2, o.allowable);
  out.ratio(o.sigma3, o.allowable);
  out.ratio(o.sigma4, o.allowable);
}

}  // namespace

extern const Panel offset{
    "offset", "Z-shaped offset", "e = 0.005259·T²/10⁶ + 0.011182·T/1000", 4, kInputs, kResults, write, solve};

}  // namespace quorvel::detail
