// The two-leg bend: leg L1 along x from the anchor at point 1 to the bend at
// point 2, leg L2 leaving the bend in the direction (sin θ, cos θ) to the
// anchor at point 3, θ = α − 90°. The coefficients are the centreline
// integrals A11 = ∫x², A12 = A21 = −∫xy, A13 = A31 = −∫x, A22 = ∫y²,
// A23 = A32 = ∫y, A33 = ∫ds; the load is the free growth of the chord from
// point 1 to point 3. Bending moment m = M1 − Fy·x + Fx·y.

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
    {"L1", "m", FieldKind::real, "20", "leg from the start anchor to the bend"},
    {"L2", "m", FieldKind::real, "10", "leg from the bend to the far anchor"},
    {"α", "°", FieldKind::real, "90", "angle between L1 and L2 at the bend"},
};
constexpr ResultField kResults[] = {
    {"Mz1", "kgm", Display::moment, 1, "bending moment"}, {"Fx", "kg", Display::force, 1, "force along L1"},
    {"Fy", "kg", Display::force, 1, "force across L1"},   {"S1/[S]", "", Display::ratio, 1, "bending stress"},
    {"S2/[S]", "", Display::ratio, 2, "bending stress"},  {"S3/[S]", "", Display::ratio, 3, "bending stress"},
};

template <class N>
Frame<N, 3> compute(FieldReader<N>& in) {
  using Q = typename N::Quantity;
  // The fields in read order.
  const Q T = in.next(), D = in.next(), t = in.next(), L1 = in.next(), L2 = in.next(), alpha = in.next();

  const Q theta = single(turned(alpha));
  const Q Dm = single(D / 1000);
  const Q tm = single(t / 1000);
  const Q s = sin(theta);
  const Q c = cos(theta);

  const Q A11 = pow(s, 2) * pow(L2, 3) / 12 + (pow(L1, 3) / 3 + pow(L2 * s / 2 + L1, 2) * L2);
  const Q A12 = -(pow(L2, 3) * s * c / 3 + pow(L2, 2) * L1 * c / 2);
  const Q A13 = -((pow(L1, 2) + pow(L2, 2) * s) / 2 + L2 * L1);
  const Q A21 = -(pow(L2, 3) * c * s / 3 + pow(L2, 2) * L1 * c / 2);
  const Q A22 = pow(c, 2) * pow(L2, 3) / 3;
  const Q A23 = pow(L2, 2) * c / 2;
  const Q A31 = -(pow(L2, 2) * s / 2 + (pow(L1, 2) / 2 + L2 * L1));
  const Q A32 = pow(L2, 2) * c / 2;
  const Q A33 = single(L2 + L1);

  const Q E = elastic_modulus<N>();
  const Q H = section(Dm, tm);
  const Q I = H * kPi / 64;
  const Q EI = E * I;
  const Q e = expansion<N>(T);
  const Q B1 = (-e) * EI * L2 * c;
  const Q B2 = (-e) * EI * (L2 * s + L1);

  const auto [M1, Fx, Fy] = eliminate<N>({A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2});

  // Each stress with the moment it takes, m = M1 − Fy·x + Fx·y, named where
  // the stress first forms it.
  const Q sigma1 = M1 * 32 * Dm / (H * kPi);
  const Q m2 = M1 - Fy * L1;
  const Q sigma2 = single(Dm * 32) * m2 / (H * kPi);
  const Q m3 = M1 - Fy * (L2 * s + L1) + Fx * L2 * c;
  const Q sigma3 = m3 * 32 * Dm / (H * kPi);
  const Q allowable = allowable_stress<N>();
  const Point p3 = point<N>(L2 * s + L1, L2 * c);
  return {M1,   Fx, Fy, {M1, m2, m3}, {sigma1, sigma2, sigma3},       allowable,
          e,    Dm, tm, EI,           {Point{}, point<N>(L1, 0), p3}, p3.x,
          p3.y, T};
}

template <class N>
void write(FieldReader<N>& in, ResultWriter<N>& out) {
  const Frame<N, 3> b = compute(in);
  out.formed([&] { return values_of(b); });
  out.tenths(b.M1);
  out.forces_and_stresses(b);
}

constexpr PanelCalculation kCalculation{write<Checked>, write<Unchecked>};

}  // namespace

extern constinit const Panel bend{"bend", "Two-leg bend", 3, 1, kInputs, kResults, &kCalculation};

}  // namespace quorvel::detail
