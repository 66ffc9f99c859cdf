#include "quorvel/analyses/hand_methods.h"

#include <cmath>

#include "quorvel/analyses/section.h"
#include "quorvel/analyses/verdict.h"

namespace quorvel {

// Each leg a cantilever guided at both ends (its ends do not turn), stiff
// along itself, deflected across itself by Δ. The legs are springs in series
// carrying one common force F, and their deflections close the run:
// Σ Δ·n = −G, with n a leg's normal and G the free growth between the
// anchors. A leg of length L deflects by Δ = L³·n·F / 12EI, so
// F / 12EI = −(Σ L³·n·nᵀ)⁻¹·G: the legs share the growth in proportion to
// their flexibility L³ across the force, the stiff short legs taking less.
std::optional<GuidedCantilever> guided_cantilever(const Values& run) {
  const std::size_t legs = run.run.size() < 2 ? 0 : run.run.size() - 1;
  std::vector<double> lengths;
  std::vector<Point> normals;
  double axx = 0, axy = 0, ayy = 0;  // Σ L³·n·nᵀ
  for (std::size_t k = 0; k < legs; ++k) {
    const Point a = run.run[k], b = run.run[k + 1];
    const double l = std::hypot(b.x - a.x, b.y - a.y);
    const Point n = l == 0 ? Point{} : Point{-(b.y - a.y) / l, (b.x - a.x) / l};
    lengths.push_back(l);
    normals.push_back(n);
    const double l3 = std::pow(l, 3);
    axx += l3 * n.x * n.x;
    axy += l3 * n.x * n.y;
    ayy += l3 * n.y * n.y;
  }
  const double det = axx * ayy - axy * axy;
  if (in_one_line(run) || !(det > 0)) return std::nullopt;
  const Point f{-(ayy * run.growth_x - axy * run.growth_y) / det, -(axx * run.growth_y - axy * run.growth_x) / det};
  GuidedCantilever g;
  for (std::size_t k = 0; k < legs; ++k) {
    const double delta = std::pow(lengths[k], 3) * (normals[k].x * f.x + normals[k].y * f.y);
    const double s = lengths[k] == 0 ? 0 : 3 * kElasticModulus * run.D * std::fabs(delta) / std::pow(lengths[k], 2);
    g.deflections.push_back(delta);
    g.stresses.push_back(s);
    g.governing = std::fmax(g.governing, s / run.allowable);
  }
  if (!std::isfinite(g.governing)) return std::nullopt;
  if (g.governing > 0) g.exact_over_hand = judge(run).governing / g.governing;
  return g;
}

double panels_screen_limit(const Values& run) noexcept {
  return 208000 * run.allowable / kElasticModulus;
}

std::optional<double> b31_screen(const Values& run) {
  const SectionData s = section_data(run);
  const double slack = s.developed - s.anchors;
  if (in_one_line(run) || !(slack > 0)) return std::nullopt;
  const double y_mm = std::hypot(run.growth_x, run.growth_y) * 1000;
  const double screen = run.D * 1000 * y_mm / std::pow(slack, 2);
  if (!std::isfinite(screen)) return std::nullopt;
  return screen;
}

}  // namespace quorvel
