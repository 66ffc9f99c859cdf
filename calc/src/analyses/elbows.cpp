// The run with elbows, solved by the elastic centre: with the origin at the
// centroid of the centreline weighted by its flexibility (1 on straight pipe,
// k on the arcs), the moment there vanishes and the two forces follow from
// the weighted second moments alone. Every integral is closed-form: a leg's
// from its end points, an arc's from its centre, radius and end angles.
// Frame convention here: m = M1 − Fy·x + Fx·y; the panel's Fx is fx_sign·Fx.

#include "quorvel/analyses/elbows.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "analyses/centreline.h"
#include "quorvel/panels/display.h"

namespace quorvel {
namespace {

// det(second moments) below this share of Iuu·Ivv: the run cannot bend.
constexpr double kSingular = 1e-9;

using detail::Arc;
using detail::Centreline;
using detail::Integrals;
using detail::Line;
using detail::minus;

Integrals integrals(const Centreline& line, double R, double k, Point o) {
  Integrals sum;
  for (const Line& l : line.lines) detail::add(sum, l, o);
  for (const Arc& a : line.arcs) detail::add(sum, a, R, k, o);
  return sum;
}

}  // namespace

ElbowFactors elbow_factors(double D, double t, double R) {
  const double r = (D - t) / 2;
  const double h = t * R / (r * r);
  return {h, std::max(1.0, 1.65 / h), std::max(1.0, 0.9 / std::pow(h, 2.0 / 3.0)),
          std::max(1.0, 0.75 / std::pow(h, 2.0 / 3.0))};
}

ElbowRun with_elbows(const Panel& panel, const Values& values, double R, double target, const Material& material) {
  return with_elbows(panel, values, R, elbow_factors(values.D, values.t, R), target, material);
}

ElbowRun with_elbows(const Panel& panel, const Values& run_values, double R, const ElbowFactors& factors, double target,
                     const Material& material) {
  const Values values = with_material(run_values, material);
  ElbowRun run;
  run.R = R;
  run.factors = factors;
  const double k = factors.k;
  if (!detail::finite(values) || !(R > 0) || !std::isfinite(R) || !std::isfinite(k) || !std::isfinite(factors.i) ||
      values.run.size() != static_cast<std::size_t>(panel.points))
    return run;
  const Centreline line = detail::centreline(values.run, R);
  if (line.in_line) return run;
  if (line.misfit) {
    run.status = ElbowStatus::does_not_fit;
    run.leg = line.misfit;
    return run;
  }

  // The elastic centre, then the second moments about it.
  const Integrals first = integrals(line, R, k, {});
  const Point centre{first.x / first.s, first.y / first.s};
  const Integrals about = integrals(line, R, k, centre);
  const double det = about.xx * about.yy - about.xy * about.xy;
  if (!(det > kSingular * about.xx * about.yy)) return run;
  // ∫m·y ds = EI·growth_x and −∫m·x ds = EI·growth_y, with ∫m ds = 0.
  const double gx = values.growth_x, gy = values.growth_y;
  const double Fx = values.EI * (gx * about.xx + gy * about.xy) / det;
  const double Fy = values.EI * (gy * about.yy + gx * about.xy) / det;
  const double M1 = Fy * centre.x - Fx * centre.y;
  const auto m = [&](Point p) { return M1 - Fy * p.x + Fx * p.y; };

  // The force along the pipe where its direction is (ux, uy): the same
  // force (Fx, Fy) acts at every section of a run loaded only at its ends.
  const auto along = [&](double ux, double uy) { return std::fabs(Fx * ux + Fy * uy) / std::hypot(ux, uy); };

  const double Z = std::numbers::pi * (std::pow(values.D, 4) - std::pow(values.D - 2 * values.t, 4)) / (32 * values.D);
  const std::size_t n = values.run.size();
  for (std::size_t j = 0; j < n; ++j) {
    const bool anchor = j == 0 || j + 1 == n;
    // At a bend, the largest moment on its arc and the angle where it is.
    const detail::Peak peak = anchor ? detail::Peak{} : detail::largest_on(line.arcs[j - 1], R, {M1, -Fy, Fx});
    const double moment = anchor ? m(values.run[j]) : peak.value;
    run.moments.push_back(moment);
    const Point leg = j == 0 ? minus(values.run[1], values.run[0]) : minus(values.run[j], values.run[j - 1]);
    run.axial.push_back(anchor ? along(leg.x, leg.y) : along(-std::sin(peak.phi), std::cos(peak.phi)));
    run.ratios.push_back((anchor ? 1 : factors.i) * std::fabs(moment) / Z / values.allowable);
  }
  run.M1 = M1;
  run.Fx = panel.fx_sign * Fx;
  run.Fy = Fy;
  for (const ResultField& field : panel.results) {
    const auto at = static_cast<std::size_t>(field.point - 1);
    if (field.display == Display::ratio) run.results.push_back(run.ratios[at]);
    if (field.display == Display::moment) run.results.push_back(run.moments[at]);
    if (field.display == Display::force) run.results.push_back(field.symbol == "Fy" ? run.Fy : run.Fx);
  }
  run.verdict = judge(run.ratios, target);
  run.allowable = values.allowable;
  run.status = ElbowStatus::solved;
  return run;
}

ElbowRun with_elbows(const Panel& panel, const Outcome& outcome, const ElbowRadius& radius, double target,
                     const Material& material) {
  if (outcome.failure || !outcome.values) return {};
  return with_elbows(panel, *outcome.values, radius.of(outcome.values->D), target, material);
}

bool passes(const ElbowRun& run) noexcept {
  return run.status == ElbowStatus::solved && !run.verdict.exceeds;
}

double governing_ratio(const ElbowRun& run) noexcept {
  return run.status == ElbowStatus::solved ? run.verdict.governing : std::numeric_limits<double>::quiet_NaN();
}

std::string elbow_text(const Panel& panel, const ElbowRun& run, std::size_t index, std::string_view decimal_point) {
  if (run.status != ElbowStatus::solved || index >= run.results.size()) return "";
  const double v = run.results[index];
  const Real shown = panel.results[index].display == Display::ratio ? ratio(v) : tenths(v);
  return number_text(shown.value(), decimal_point);
}

ElbowRunTexts elbow_run_texts(const Panel& panel, const ElbowRun& run, std::string_view dp) {
  // k and i to three significant digits.
  const auto factor = [&](double v) {
    return fixed_text(v, 0, std::max(0, 2 - static_cast<int>(std::floor(std::log10(v)))), dp);
  };
  ElbowRunTexts t;
  if (run.status != ElbowStatus::solved) {
    t.unsolved = run.status == ElbowStatus::does_not_fit ? "does not fit L" + std::to_string(run.leg) : "not available";
    return t;
  }
  t.k = factor(run.factors.k);
  t.i = factor(run.factors.i);
  t.k_cell = fixed_text(run.factors.k, 0, 2, dp);
  t.i_cell = fixed_text(run.factors.i, 0, 2, dp);
  for (std::size_t index = 0; index < panel.results.size(); ++index)
    t.results.push_back(elbow_text(panel, run, index, dp));
  t.governing = ratio_text(run.verdict.governing, dp);
  t.verdict = verdict_word(run.verdict);
  return t;
}

}  // namespace quorvel
