// The two-leg bend: leg L1 along x from the anchor at point 1 to the bend at
// point 2, leg L2 leaving the bend in the direction (sin θ, cos θ) to the
// anchor at point 3, θ = α − 90°. The coefficients are the centreline
// integrals A11 = ∫x², A12 = A21 = −∫xy, A13 = A31 = −∫x, A22 = ∫y²,
// A23 = A32 = ∫y, A33 = ∫ds; the load is the free growth of the chord from
// point 1 to point 3. Bending moment m = M1 − Fy·x + Fx·y.

#include "equations.h"
#include "reader.h"
#include "writer.h"

namespace quorvel::detail {
namespace {

constexpr InputField kInputs[] = {
    {"T", "℃", FieldKind::whole_number, "70"}, {"D", "mm", FieldKind::real, "377"}, {"t", "mm", FieldKind::real, "9"},
    {"L1", "m", FieldKind::real, "20"},        {"L2", "m", FieldKind::real, "10"},  {"α", "°", FieldKind::real, "90"},
};
constexpr ResultField kResults[] = {
    {"Mz1", "kgm", Display::moment, 1}, {"Fx", "kg", Display::force, 1},   {"Fy", "kg", Display::force, 1},
    {"S1/[S]", "", Display::ratio, 1},  {"S2/[S]", "", Display::ratio, 2}, {"S3/[S]", "", Display::ratio, 3},
};

constexpr double kPi = 3.1415926;

struct Bend {
  Quantity M1, Fx, Fy, sigma1, sigma2, sigma3, allowable;
  Quantity m2, m3, e;
};

Bend compute(FieldReader& in) {
  const Quantity T = in.next();
  const Quantity D = in.next();
  const Quantity t = in.next();
  const Quantity L1 = in.next();
  const Quantity L2 = in.next();
  const Quantity alpha = in.next();

  const Quantity theta = single((alpha - 90) * kPi / 180);
  const Quantity Dm = single(D / 1000);
  const Quantity tm = single(t / 1000);
  const Quantity s = sin(theta);
  const Quantity c = cos(theta);

  const Quantity A11 = pow(s, 2) * pow(L2, 3) / 12 + (pow(L1, 3) / 3 + pow(L2 * s / 2 + L1, 2) * L2);
  const Quantity A12 = -(pow(L2, 3) * s * c / 3 + pow(L2, 2) * L1 * c / 2);
  const Quantity A13 = -((pow(L1, 2) + pow(L2, 2) * s) / 2 + L2 * L1);
  const Quantity A21 = -(pow(L2, 3) * c * s / 3 + pow(L2, 2) * L1 * c / 2);
  const Quantity A22 = pow(c, 2) * pow(L2, 3) / 3;
  const Quantity A23 = pow(L2, 2) * c / 2;
  const Quantity A31 = -(pow(L2, 2) * s / 2 + (pow(L1, 2) / 2 + L2 * L1));
  const Quantity A32 = pow(L2, 2) * c / 2;
  const Quantity A33 = single(L2 + L1);

  const Quantity E = elastic_modulus();
  const Quantity H = pow(Dm, 4) - pow(Dm - (tm + tm), 4);  // D⁴ − d⁴
  const Quantity I = H * kPi / 64;
  const Quantity EI = E * I;
  const Quantity e = pow(T, 2) * 0.005259 / pow(10, 6) + T * 0.011182 / 1000;
  const Quantity B1 = (-e) * EI * L2 * c;
  const Quantity B2 = (-e) * EI * (L2 * s + L1);

  const auto [M1, Fx, Fy] = solve({A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2});

  const Quantity sigma1 = M1 * 32 * Dm / (H * kPi);
  const Quantity sigma2 = single(Dm * 32) * (M1 - Fy * L1) / (H * kPi);
  const Quantity sigma3 = (M1 - Fy * (L2 * s + L1) + Fx * L2 * c) * 32 * Dm / (H * kPi);
  const Quantity allowable = pow(10, 7) * 8;
  // The moments inside the stresses above, for solve(); forming them again
  // cannot fail where the stresses did not.
  const Quantity m2 = M1 - Fy * L1;
  const Quantity m3 = M1 - Fy * (L2 * s + L1) + Fx * L2 * c;
  return {M1, Fx, Fy, sigma1, sigma2, sigma3, allowable, m2, m3, e};
}

Solution solve(FieldReader& in) {
  const Bend b = compute(in);
  return {b.M1.value(),
          b.Fx.value(),
          b.Fy.value(),
          {b.M1.value(), b.m2.value(), b.m3.value()},
          {b.sigma1.value(), b.sigma2.value(), b.sigma3.value()},
          b.allowable.value(),
          b.e.value()};
}

void write(FieldReader& in, ResultWriter& out) {
  const Bend b = compute(in);
  out.tenths(b.M1);
  out.tenths(b.Fx);
  out.tenths(b.Fy);
  out.ratio(b.sigma1, b.allowable);
  out.ratio(b.sigma2, b.allowable);
  out.ratio(b.sigma3, b.allowable);
}

}  // namespace

extern const Panel bend{"bend", "Two-leg bend", "e = 0.005259·T²/10⁶ + 0.011182·T/1000", 3, kInputs, kResults,
                        write,  solve};

}  // namespace quorvel::detail
