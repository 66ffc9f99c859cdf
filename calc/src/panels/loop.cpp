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
    {"L1", "m", FieldKind::real, "20", "level leg from the start anchor"},
    {"L2", "m", FieldKind::real, "10", "inclined leg up to the top leg"},
    {"L3", "m", FieldKind::double_text, "15", "level top leg"},
    {"L4", "m", FieldKind::double_text, "10", "inclined leg down from the top leg"},
    {"L5", "m", FieldKind::double_text, "20", "level leg to the far anchor"},
    {"L", "m", FieldKind::double_text, "50", "overall length between the anchors, along the level legs"},
    {"α", "°", FieldKind::real, "90", "angle between L2 and L3, inside the loop"},
    {"β", "°", FieldKind::double_text, "90", "angle between L3 and L4, inside the loop"},
};
constexpr ResultField kResults[] = {
    {"Mz1", "kgm", Display::moment, 1, "bending moment"},
    {"Mz2", "kgm", Display::moment, 6, "bending moment"},
    {"Fx", "kg", Display::force, 1, "force along the level legs"},
    {"Fy", "kg", Display::force, 1, "force across the level legs"},
    {"S1/[S]", "", Display::ratio, 1, "bending stress"},
    {"S2/[S]", "", Display::ratio, 2, "bending stress"},
    {"S3/[S]", "", Display::ratio, 3, "bending stress"},
    {"S4/[S]", "", Display::ratio, 4, "bending stress"},
    {"S5/[S]", "", Display::ratio, 5, "bending stress"},
    {"S6/[S]", "", Display::ratio, 6, "bending stress"},
};

template <class N>
struct Loop : Frame<N, 6> {
  // for Mz2, which is formed while the results are written
  typename N::Quantity L1, L2, s, c, sphi, cphi;
  typename N::Real L3, L4, L5;
};

template <class N>
Loop<N> compute(FieldReader<N>& in) {
  using Q = typename N::Quantity;
  using R = typename N::Real;
  // The fields in read order; a double field's failure surfaces at its first use.
  const Q T = in.next(), D_mm = in.next(), t_mm = in.next(), L1 = in.next(), L2 = in.next();
  const R L3 = in.next(), L4 = in.next(), L5 = in.next(), L = in.next();
  const Q alpha = in.next();
  const R beta = in.next();

  const Q theta = turned(alpha);
  const Q phi = turned(beta);
  const Q s = sin(theta);
  const Q c = cos(theta);
  const Q sphi = sin(phi);
  const Q cphi = cos(phi);
  const Q D = single(D_mm / 1000);
  const Q t = single(t_mm / 1000);

  const Q A11 = pow(s, 2) * pow(L2, 3) / 3 + (pow(L2, 2) * L1 * s + (pow(L1, 3) / 3 + pow(L1, 2) * L2)) +
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
  const Q A12 = xy_integral();
  const Q A13 =
      -((pow(L1, 2) + pow(L2, 2) * s) / 2 + L2 * L1 + L1 * L3 + L2 * L3 * s + pow(L3, 2) / 2 + L1 * L4 + L3 * L4 +
        L2 * L4 * s + pow(L4, 2) * sphi / 2 + L1 * L5 + L3 * L5 + L2 * L5 * s + L4 * L5 * sphi + pow(L5, 2) / 2);
  const Q A21 = xy_integral();
  const Q A22 = pow(c, 2) * pow(L2, 3) / 3 + pow(L2, 2) * L3 * pow(c, 2) + pow(L4, 3) * pow(cphi, 2) / 3 +
                pow(L2, 2) * L4 * pow(c, 2) - L2 * pow(L4, 2) * c * cphi + pow(L2 * c - L4 * cphi, 2) * L5;
  const auto y_integral = [&] {
    return pow(L2, 2) * c / 2 + L2 * L3 * c + L2 * L4 * c - pow(L4, 2) * cphi / 2 + (L2 * c - L4 * cphi) * L5;
  };
  const Q A23 = -y_integral();
  const Q A31 =
      -(pow(L2, 2) * s / 2 + (pow(L1, 2) / 2 + L2 * L1) + L1 * L3 + L2 * L3 * s + pow(L3, 2) / 2 + L1 * L4 + L3 * L4 +
        L2 * L4 * s + pow(L4, 2) * sphi / 2 + L1 * L5 + L3 * L5 + L2 * L5 * s + L4 * L5 * sphi + pow(L5, 2) / 2);
  const Q A32 = -y_integral();
  const Q A33 = single(L2 + L1) + L3 + L4 + L5;

  const Q E = elastic_modulus<N>();
  const Q I = section(D, t) * kPiShort / 64;
  const Q EI = E * I;
  const Q e = expansion<N>(T);
  const Q B1 = (-e) * EI * (L2 * c - L4 * cphi);
  const Q B2 = e * EI * L;

  const auto [M1, Fx, Fy] = eliminate<N>({A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2});

  const Q W64a = section(D, t) * kPiShort;  // 64·I at points 1 to 3, as I itself
  const Q W64b = section(D, t) * kPi;       // and at points 4 to 6
  const Q sigma1 = M1 * 32 * D / W64a;
  const Q m2 = M1 - Fy * L1;
  const Q sigma2 = single(32 * D) * m2 / W64a;
  const Q m3 = M1 - Fy * (L2 * s + L1) - Fx * L2 * c;
  const Q sigma3 = m3 * 32 * D / W64a;
  const Q m4 = M1 - Fx * L2 * c - Fy * ((L2 * s + L1) + L3);
  const Q sigma4 = m4 * 32 * D / W64b;
  const Q m5 = M1 - Fy * (L1 + L3 + L2 * s + L4 * sphi) - Fx * (L2 * c - L4 * cphi);
  const Q sigma5 = m5 * 32 * D / W64b;
  const Q m6 = M1 - Fy * (L2 * s + L1 + L3 + L4 * sphi + L5) - Fx * (L2 * c - L4 * cphi);
  const Q sigma6 = m6 * 32 * D / W64b;
  const Q allowable = allowable_stress_loop<N>();
  const Point p3 = point<N>(L2 * s + L1, L2 * c);
  const Point p4{p3.x + N::value(L3), p3.y};
  const Point p5{p4.x + N::value(L4 * sphi), p4.y - N::value(L4 * cphi)};
  const Point p6{p5.x + N::value(L5), p5.y};
  return {{M1,
           Fx,
           Fy,
           {M1, m2, m3, m4, m5, m6},
           {sigma1, sigma2, sigma3, sigma4, sigma5, sigma6},
           allowable,
           e,
           D,
           t,
           EI,
           {Point{}, point<N>(L1, 0), p3, p4, p5, p6},
           N::value(L),
           p6.y,
           T},
          L1,
          L2,
          s,
          c,
          sphi,
          cphi,
          L3,
          L4,
          L5};
}

template <class N>
void write(FieldReader<N>& in, ResultWriter<N>& out) {
  const Loop<N> o = compute(in);
  out.formed([&] { return values_of<N, 6>(o); });
  out.tenths(o.M1);
  // The moment at point 6 once more, its arm summed in this order.
  const typename N::Quantity Mz2 =
      o.M1 - o.Fy * (o.L1 + o.L3 + o.L2 * o.s + o.L4 * o.sphi + o.L5) - o.Fx * (o.L2 * o.c - o.L4 * o.cphi);
  out.tenths(Mz2);
  out.forces_and_stresses(o);
}

constexpr PanelCalculation kCalculation{write<Checked>, write<Unchecked>};

}  // namespace

extern constinit const Panel loop{"loop", "Raised loop", 6, -1, kInputs, kResults, &kCalculation};

}  // namespace quorvel::detail
