#include "quorvel/analyses/hand_methods.h"

#include <cmath>

#include "quorvel/analyses/section.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"

namespace quorvel {

// Each leg a cantilever guided at both ends (its ends do not turn), stiff
// along itself, deflected across itself by Δ. The legs are springs in series
// carrying one common force F, and their deflections close the run:
// Σ Δ·n = −G, with n a leg's normal and G the free growth between the
// anchors. A leg of length L deflects by Δ = L³·n·F / 12EI, so
// F / 12EI = −(Σ L³·n·nᵀ)⁻¹·G: the legs share the growth in proportion to
// their flexibility L³ across the force, the stiff short legs taking less.
std::optional<GuidedCantilever> guided_cantilever(const Values& values, const Material& material) {
  const Values run = with_material(values, material);
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
    const double s =
        lengths[k] == 0 ? 0 : 3 * material.reference_E() * run.D * std::fabs(delta) / std::pow(lengths[k], 2);
    g.deflections.push_back(delta);
    g.stresses.push_back(s);
    g.governing = std::fmax(g.governing, s / run.allowable);
  }
  if (!std::isfinite(g.governing)) return std::nullopt;
  if (g.governing > 0) g.exact_over_hand = judge(run).governing / g.governing;
  return g;
}

double panels_screen_limit(const Values& run, const Material& material) noexcept {
  return screen_limit(material, run.T);
}

double screen_limit(const Material& material, double T) noexcept {
  return 208000 * material.allowable(T) / material.reference_E();
}

std::optional<double> b31_screen(const Values& values, const Material& material) {
  const Values run = with_material(values, material);
  const SectionData s = section_data(values);  // the lengths only
  const double slack = s.developed - s.anchors;
  if (in_one_line(run) || !(slack > 0)) return std::nullopt;
  const double y_mm = std::hypot(run.growth_x, run.growth_y) * 1000;
  const double screen = run.D * 1000 * y_mm / std::pow(slack, 2);
  if (!std::isfinite(screen)) return std::nullopt;
  return screen;
}

HandMethodTexts hand_method_texts(const Values& run, std::string_view dp, const Material& material) {
  HandMethodTexts t;
  const double limit = panels_screen_limit(run, material);
  t.panels_limit = fixed_text(limit, 0, 1, dp);
  if (const auto screen = b31_screen(run, material)) {
    t.screen = fixed_text(*screen, 0, 1, dp);
    t.within_K1 = *screen <= kScreenK1;
    t.within_panels_limit = *screen <= limit;
  }
  if (const auto hand = guided_cantilever(run, material)) {
    t.cantilever = ratio_text(hand->governing, dp);
    if (hand->exact_over_hand) t.exact_over_hand = fixed_text(*hand->exact_over_hand, 0, 2, dp);
  }
  return t;
}

std::string_view screen_word(bool passes) noexcept {
  return passes ? "passes" : "fails";
}

}  // namespace quorvel
