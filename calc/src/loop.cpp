// The raised loop: level leg L1 from the anchor at point 1 to point 2, L2 in
// the direction (sin θ, cos θ) up to point 3, the level top leg L3 to point 4,
// L4 in the direction (sin φ, −cos φ) down to point 5 and the level leg L5 to
// the anchor at point 6; θ = α − 90°, φ = β − 90°. Bending moment
// m = M1 − Fy·x − Fx·y, so here A12 = A21 = ∫xy, A23 = A32 = −∫y.
//
// The coefficients are the exact centreline integrals over all five legs.
// On L4 the leg's own tilt φ sets both its run along x (L4·sin φ) and its
// drop (L4·cos φ); points 5 and 6 lie at the height L2·cos θ − L4·cos φ, so
// that height enters ∫xy, ∫y² and ∫y over L5, and the moments at points 5
// and 6 carry the term in Fx. In this sign convention the free growth along
// the level legs, that of the entered overall length L, enters B2 as +e·EI·L.

#include "equations.h"
#include "reader.h"
#include "writer.h"

namespace quorvel::detail {
namespace {

constexpr InputField kInputs[] = {
    {"T", "℃", FieldKind::whole_number, "70"}, {"D", "mm", FieldKind::real, "377"},
    {"t", "mm", FieldKind::real, "9"},         {"L1", "m", FieldKind::real, "20"},
    {"L2", "m", FieldKind::real, "10"},        {"L3", "m", FieldKind::double_text, "15"},
    {"L4", "m", FieldKind::double_text, "10"}, {"L5", "m", FieldKind::double_text, "20"},
    {"L", "m", FieldKind::double_text, "50"},  {"α", "°", FieldKind::real, "90"},
    {"β", "°", FieldKind::double_text, "90"},
};
constexpr ResultField kResults[] = {
    {"Mz1", "kgm", Display::moment, 1}, {"Mz2", "kgm", Display::moment, 6}, {"Fx", "kg", Display::force, 1},
    {"Fy", "kg", Display::force, 1},    {"S1/[S]", "", Display::ratio, 1},  {"S2/[S]", "", Display::ratio, 2},
    {"S3/[S]", "", Display::ratio, 3},  {"S4/[S]", "", Display::ratio, 4},  {"S5/[S]", "", Display::ratio, 5},
    {"S6/[S]", "", Display::ratio, 6},
};

constexpr double kPi = 3.1415926;
constexpr double kPiSection = 3.14159;  // second moment of area and points 1 to 3

struct Loop {
  Quantity M1, Fx, Fy;
  Quantity m2, m3, m4, m5, m6;
  Quantity sigma1, sigma2, sigma3, sigma4, sigma5, sigma6, allowable, e;
  // for Mz2, which is formed while the results are written
  Quantity L1, L2, s, c, sphi, cphi;
  Real L3, L4, L5;
};

Loop compute(FieldReader& in) {
  const Quantity T = in.next();
  const Quantity D_mm = in.next();
  const Quantity t_mm = in.next();
  const Quantity L1 = in.next();
  const Quantity L2 = in.next();
  const Real L3 = in.next();  // double fields: failures
  const Real L4 = in.next();  // surface at first use
  const Real L5 = in.next();
  const Real L = in.next();
  const Quantity alpha = in.next();
  const Real beta = in.next();

  const Quantity theta = (alpha - 90) * kPi / 180;
  const Quantity phi = (beta - 90) * kPi / 180;
  const Quantity s = sin(theta);
  const Quantity c = cos(theta);
  const Quantity sphi = sin(phi);
  const Quantity cphi = cos(phi);
  const Quantity D = single(D_mm / 1000);
  const Quantity t = single(t_mm / 1000);

  const Quantity A11 = pow(s, 2) * pow(L2, 3) / 3 + (pow(L2, 2) * L1 * s + (pow(L1, 3) / 3 + pow(L1, 2) * L2)) +
                       pow(L1 + L3 + L2 * s + L4 * sphi / 2, 2) * L4 + pow(L4, 3) * pow(sphi, 2) / 12 +
                       pow(L1 + L3 + L2 * s + L4 * sphi + L5 / 2, 2) * L5 + pow(L5, 3) / 12 +
                       pow(L2 * s + L1 + L3 / 2, 2) * L3 + pow(L3, 3) / 12;
  // ∫xy leg by leg: L2, L3, L4 (from point 4 at x4 = L1 + L3 + L2·s, y = L2·cos θ), L5.
  const auto xy_integral = [&] {
    return pow(L2, 3) * s * c / 3 + pow(L2, 2) * L1 * c / 2 + single(L2 * L1) * L3 * c + pow(L2, 2) * L3 * c * s +
           L2 * pow(L3, 2) * c / 2 + (L1 + L3 + L2 * s) * L2 * c * L4 - (L1 + L3 + L2 * s) * cphi * pow(L4, 2) / 2 +
           L2 * c * sphi * pow(L4, 2) / 2 - pow(L4, 3) * sphi * cphi / 3 +
           (L2 * c - L4 * cphi) * ((L1 + L3 + L2 * s + L4 * sphi) * L5 + pow(L5, 2) / 2);
  };
  const Quantity A12 = xy_integral();
  const Quantity A13 =
      -((pow(L1, 2) + pow(L2, 2) * s) / 2 + L2 * L1 + L1 * L3 + L2 * L3 * s + pow(L3, 2) / 2 + L1 * L4 + L3 * L4 +
        L2 * L4 * s + pow(L4, 2) * sphi / 2 + L1 * L5 + L3 * L5 + L2 * L5 * s + L4 * L5 * sphi + pow(L5, 2) / 2);
  const Quantity A21 = xy_integral();
  const Quantity A22 = pow(c, 2) * pow(L2, 3) / 3 + pow(L2, 2) * L3 * pow(c, 2) + pow(L4, 3) * pow(cphi, 2) / 3 +
                       pow(L2, 2) * L4 * pow(c, 2) - L2 * pow(L4, 2) * c * cphi + pow(L2 * c - L4 * cphi, 2) * L5;
  const auto y_integral = [&] {
    return pow(L2, 2) * c / 2 + L2 * L3 * c + L2 * L4 * c - pow(L4, 2) * cphi / 2 + (L2 * c - L4 * cphi) * L5;
  };
  const Quantity A23 = -y_integral();
  const Quantity A31 =
      -(pow(L2, 2) * s / 2 + (pow(L1, 2) / 2 + L2 * L1) + L1 * L3 + L2 * L3 * s + pow(L3, 2) / 2 + L1 * L4 + L3 * L4 +
        L2 * L4 * s + pow(L4, 2) * sphi / 2 + L1 * L5 + L3 * L5 + L2 * L5 * s + L4 * L5 * sphi + pow(L5, 2) / 2);
  const Quantity A32 = -y_integral();
  const Quantity A33 = single(L2 + L1) + L3 + L4 + L5;

  const Quantity E = elastic_modulus();
  const Quantity I = (pow(D, 4) - pow(D - (t + t), 4)) * kPiSection / 64;
  const Quantity EI = E * I;
  const Quantity dT = int16_minus(T, 20);
  const Quantity abs_dT = int16_abs(dT);
  const Quantity e = abs_dT * 0.01315 / 1000 + T * 0.011182 / 1000;
  const Quantity B1 = (-e) * EI * (L2 * c - L4 * cphi);
  const Quantity B2 = e * EI * L;

  const auto [M1, Fx, Fy] = solve({A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2});

  const Quantity W64a = (pow(D, 4) - pow(D - (t + t), 4)) * kPiSection;
  const Quantity W64b = (pow(D, 4) - pow(D - (t + t), 4)) * kPi;
  const Quantity sigma1 = M1 * 32 * D / W64a;
  const Quantity m2 = M1 - Fy * L1;
  const Quantity sigma2 = single(32 * D) * m2 / W64a;
  const Quantity m3 = M1 - Fy * (L2 * s + L1) - Fx * L2 * c;
  const Quantity sigma3 = m3 * 32 * D / W64a;
  const Quantity m4 = M1 - Fx * L2 * c - Fy * ((L2 * s + L1) + L3);
  const Quantity sigma4 = m4 * 32 * D / W64b;
  const Quantity m5 = M1 - Fy * (L1 + L3 + L2 * s + L4 * sphi) - Fx * (L2 * c - L4 * cphi);
  const Quantity sigma5 = m5 * 32 * D / W64b;
  const Quantity m6 = M1 - Fy * (L2 * s + L1 + L3 + L4 * sphi + L5) - Fx * (L2 * c - L4 * cphi);
  const Quantity sigma6 = m6 * 32 * D / W64b;
  const Quantity allowable = pow(10, 6) * 80;
  return {M1,     Fx,        Fy, m2, m3, m4, m5, m6,   sigma1, sigma2, sigma3, sigma4, sigma5,
          sigma6, allowable, e,  L1, L2, s,  c,  sphi, cphi,   L3,     L4,     L5};
}

Solution solve(FieldReader& in) {
  const Loop o = compute(in);
  return {o.M1.value(),
          o.Fx.value(),
          o.Fy.value(),
          {o.M1.value(), o.m2.value(), o.m3.value(), o.m4.value(), o.m5.value(), o.m6.value()},
          {o.sigma1.value(), o.sigma2.value(), o.sigma3.value(), o.sigma4.value(), o.sigma5.value(), o.sigma6.value()},
          o.allowable.value(),
          o.e.value()};
}

void write(FieldReader& in, ResultWriter& out) {
  const Loop o = compute(in);
  out.tenths(o.M1);
  // The moment at point 6 once more, its arm summed in this order.
  const Quantity Mz2 =
      o.M1 - o.Fy * (o.L1 + o.L3 + o.L2 * o.s + o.L4 * o.sphi + o.L5) - o.Fx * (o.L2 * o.c - o.L4 * o.cphi);
  out.tenths(Mz2);
  out.tenths(o.Fx);
  out.tenths(o.Fy);
  out.ratio(o.sigma1, o.allowable);
  out.ratio(o.sigma2, o.allowable);
  out.ratio(o.sigma3, o.allowable);
  out.ratio(o.sigma4, o.allowable);
  out.ratio(o.sigma5, o.allowable);
  out.ratio(o.sigma6, o.allowable);
}

}  // namespace

extern const Panel loop{"loop", "Raised loop", "e = 0.01315·|T − 20|/1000 + 0.011182·T/1000", 6, kInputs, kResults,
                        write,  solve};

}  // namespace quorvel::detail
