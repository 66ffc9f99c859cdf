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

#include "panels/calculation.h"
#include "panels/equations.h"
#include "panels/reader.h"
#include "panels/writer.h"

namespace quorvel::detail {
namespace {

constexpr InputField kInputs[] = {
    {"T", "℃", FieldKind::whole_number, "70", "temperature"},
    {"D", "mm", FieldKind::real, "377", "outer diameter of the pipe"},
    {"t", "mm", FieldKind::real, "9", "wall thickness"},
    {"L1", "m", FieldKind::real, "20", "leg from the start anchor to the bend with L2"},
    {"L2", "m", FieldKind::real, "10", "middle leg between the bends"},
    {"L3", "m", FieldKind::double_text, "20", "leg from the bend with L2 to the far anchor"},
    {"L", "m", FieldKind::double_text, "40", "overall length between the anchors, along L1 and L3"},
    {"α", "°", FieldKind::real, "90", "angle between L1 and L2"},
};
constexpr ResultField kResults[] = {
    {"Mz1", "kgm", Display::moment, 1, "bending moment"},     {"Mz2", "kgm", Display::moment, 4, "bending moment"},
    {"Fx", "kg", Display::force, 1, "force along L1 and L3"}, {"Fy", "kg", Display::force, 1, "force across L1 and L3"},
    {"S1/[S]", "", Display::ratio, 1, "bending stress"},      {"S2/[S]", "", Display::ratio, 2, "bending stress"},
    {"S3/[S]", "", Display::ratio, 3, "bending stress"},      {"S4/[S]", "", Display::ratio, 4, "bending stress"},
};

template <class N>
Frame<N, 4> compute(FieldReader<N>& in) {
  using Q = typename N::Quantity;
  using R = typename N::Real;
  // The fields in read order; a double field's failure surfaces at its first use.
  const Q T = in.next(), D_mm = in.next(), t_mm = in.next(), L1 = in.next(), L2 = in.next();
  const R L3 = in.next(), L = in.next();
  const Q alpha = in.next();

  const Q theta = single(turned(alpha));
  const Q s = sin(theta);
  const Q c = cos(theta);
  const Q D = single(D_mm / 1000);
  const Q t = single(t_mm / 1000);

  const Q A11 = pow(L1, 3) / 3 + pow(L2 * s / 2 + L1, 2) * L2 + pow(s, 2) * pow(L2, 3) / 12 +
                L3 * pow(L2 * s + L1 + L3 / 2, 2) + pow(L3, 3) / 12;
  const Q A12 = -(pow(L2, 3) * s * c / 3 + pow(L2, 2) * L1 * c / 2 + single(L2 * L1) * L3 * c +
                  pow(L2, 2) * L3 * c * s + L2 * pow(L3, 2) * c / 2);
  const Q A13 = -((pow(L1, 2) + pow(L2, 2) * s) / 2 + L2 * L1 + L1 * L3 + L2 * L3 * s + pow(L3, 2) / 2);
  const Q A21 = -(pow(L2, 3) * c * s / 3 + pow(L2, 2) * L1 * c / 2 + single(L2 * L1) * L3 * c +
                  pow(L2, 2) * L3 * c * s + L2 * pow(L3, 2) * c / 2);
  const Q A22 = pow(c, 2) * pow(L2, 3) / 3 + pow(L2, 2) * L3 * pow(c, 2);
  const Q A23 = pow(L2, 2) * c / 2 + L2 * L3 * c;
  const Q A31 = -(pow(L2, 2) * s / 2 + (pow(L1, 2) / 2 + L2 * L1) + L1 * L3 + L2 * L3 * s + pow(L3, 2) / 2);
  const Q A32 = pow(L2, 2) * c / 2 + L2 * L3 * c;
  const Q A33 = single(L2 + L1) + L3;

  const Q I = section(D, t) * kPi / 64;
  const Q E = elastic_modulus<N>();
  const Q EI = E * I;
  const Q e = expansion<N>(T);
  const Q B1 = (-e) * EI * L2 * c;
  const Q B2 = (-e) * EI * L;

  const auto [M1, Fx, Fy] = eliminate<N>({A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2});

  const Q m2 = M1 - Fy * L1;
  const Q m3 = M1 - Fy * (L2 * s + L1) + Fx * L2 * c;
  const Q m4 = M1 + Fx * L2 * c - Fy * ((L2 * s + L1) + L3);

  const Q W64 = section(D, t) * kPi;  // 64·I
  const Q sigma1 = M1 * 32 * D / W64;
  const Q sigma2 = single(32 * D) * m2 / W64;
  const Q sigma3 = m3 * 32 * D / W64;
  const Q sigma4 = m4 * 32 * D / W64;
  const Q allowable = allowable_stress<N>();
  const Point p3 = point<N>(L2 * s + L1, L2 * c);
  const Point p4{p3.x + N::value(L3), p3.y};
  return {M1,
          Fx,
          Fy,
          {M1, m2, m3, m4},
          {sigma1, sigma2, sigma3, sigma4},
          allowable,
          e,
          D,
          t,
          EI,
          {Point{}, point<N>(L1, 0), p3, p4},
          N::value(L),
          p3.y,
          T};
}

template <class N>
void write(FieldReader<N>& in, ResultWriter<N>& out) {
  const Frame<N, 4> o = compute(in);
  out.formed([&] { return values_of(o); });
  out.tenths(o.M1);
  out.tenths(o.moments[3]);  // Mz2, at the far anchor
  out.forces_and_stresses(o);
}

constexpr PanelCalculation kCalculation{write<Checked>, write<Unchecked>};

}  // namespace

extern constinit const Panel offset{"offset", "Z-shaped offset", 4, 1, kInputs, kResults, &kCalculation};

}  // namespace quorvel::detail
