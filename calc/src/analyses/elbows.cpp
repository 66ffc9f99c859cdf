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

#include "quorvel/panels/display.h"

namespace quorvel {
namespace {

// A leg's direction turns by less than this at a bend: the legs are in line.
constexpr double kInLine = 1e-6;
// det(second moments) below this share of Iuu·Ivv: the run cannot bend.
constexpr double kSingular = 1e-9;

// ∫ds, ∫x ds, ∫y ds, ∫x² ds, ∫xy ds, ∫y² ds, each times the flexibility.
struct Integrals {
  double s = 0, x = 0, y = 0, xx = 0, xy = 0, yy = 0;
};

struct Line {
  Point a, b;
};

struct Arc {
  Point c;                  // centre
  double from = 0, to = 0;  // the angles of its ends about the centre, from < to
};

Point minus(Point p, Point o) {
  return {p.x - o.x, p.y - o.y};
}

// Over a straight leg, about the origin o: the integrands are polynomials of
// degree two along it, exact from the ends.
void add(Integrals& sum, const Line& line, Point o) {
  const Point a = minus(line.a, o), b = minus(line.b, o);
  const double l = std::hypot(b.x - a.x, b.y - a.y);
  sum.s += l;
  sum.x += l * (a.x + b.x) / 2;
  sum.y += l * (a.y + b.y) / 2;
  sum.xx += l * (a.x * a.x + a.x * b.x + b.x * b.x) / 3;
  sum.xy += l * (2 * a.x * a.y + a.x * b.y + b.x * a.y + 2 * b.x * b.y) / 6;
  sum.yy += l * (a.y * a.y + a.y * b.y + b.y * b.y) / 3;
}

// Over an arc (x, y) = c + R(cos φ, sin φ), ds = R dφ, weighted by k.
void add(Integrals& sum, const Arc& arc, double R, double k, Point o) {
  const Point c = minus(arc.c, o);
  const double d = arc.to - arc.from, w = k * R;
  const double dsin = std::sin(arc.to) - std::sin(arc.from), dcos = std::cos(arc.to) - std::cos(arc.from);
  const double dsin2 = std::sin(2 * arc.to) - std::sin(2 * arc.from);
  const double dsinsq = std::pow(std::sin(arc.to), 2) - std::pow(std::sin(arc.from), 2);
  sum.s += w * d;
  sum.x += w * (c.x * d + R * dsin);
  sum.y += w * (c.y * d - R * dcos);
  sum.xx += w * (c.x * c.x * d + 2 * c.x * R * dsin + R * R * (d / 2 + dsin2 / 4));
  sum.xy += w * (c.x * c.y * d - c.x * R * dcos + c.y * R * dsin + R * R * dsinsq / 2);
  sum.yy += w * (c.y * c.y * d - 2 * c.y * R * dcos + R * R * (d / 2 - dsin2 / 4));
}

// The centreline with elbows: the straight part of every leg and every arc.
struct Centreline {
  std::vector<Line> lines;
  std::vector<Arc> arcs;
  int misfit = 0;  // the first leg the elbows overrun
  bool in_line = false;
};

Centreline centreline(const std::vector<Point>& p, double R) {
  Centreline out;
  const std::size_t n = p.size();
  std::vector<double> cut(n, 0);  // the tangent length at each point
  std::vector<Point> dir(n - 1);
  for (std::size_t j = 0; j + 1 < n; ++j) {
    const double l = std::hypot(p[j + 1].x - p[j].x, p[j + 1].y - p[j].y);
    if (!(l > 0)) out.in_line = true;
    dir[j] = {(p[j + 1].x - p[j].x) / l, (p[j + 1].y - p[j].y) / l};
  }
  if (out.in_line) return out;
  for (std::size_t j = 1; j + 1 < n; ++j) {
    const Point u = dir[j - 1], v = dir[j];
    const double turn = std::atan2(u.x * v.y - u.y * v.x, u.x * v.x + u.y * v.y);
    if (std::fabs(turn) < kInLine) out.in_line = true;
    cut[j] = R * std::tan(std::fabs(turn) / 2);
    const Point a{p[j].x - cut[j] * u.x, p[j].y - cut[j] * u.y};
    const double side = turn > 0 ? 1 : -1;  // the centre lies on the side the run turns to
    const Point c{a.x - side * R * u.y, a.y + side * R * u.x};
    const double from = std::atan2(a.y - c.y, a.x - c.x);  // the arc sweeps by `turn` from there
    out.arcs.push_back({c, std::min(from, from + turn), std::max(from, from + turn)});
  }
  for (std::size_t j = 0; j + 1 < n; ++j) {
    const double l = std::hypot(p[j + 1].x - p[j].x, p[j + 1].y - p[j].y);
    if (!(cut[j] + cut[j + 1] <= l) && out.misfit == 0) out.misfit = static_cast<int>(j) + 1;
    out.lines.push_back({{p[j].x + cut[j] * dir[j].x, p[j].y + cut[j] * dir[j].y},
                         {p[j + 1].x - cut[j + 1] * dir[j].x, p[j + 1].y - cut[j + 1] * dir[j].y}});
  }
  return out;
}

Integrals integrals(const Centreline& line, double R, double k, Point o) {
  Integrals sum;
  for (const Line& l : line.lines) add(sum, l, o);
  for (const Arc& a : line.arcs) add(sum, a, R, k, o);
  return sum;
}

bool finite(const Values& v) {
  bool ok = std::isfinite(v.D) && std::isfinite(v.t) && std::isfinite(v.EI) && std::isfinite(v.growth_x) &&
            std::isfinite(v.growth_y) && std::isfinite(v.allowable);
  for (const Point& p : v.run) ok = ok && std::isfinite(p.x) && std::isfinite(p.y);
  return ok && v.t > 0 && v.D - 2 * v.t >= 0 && v.EI > 0 && v.allowable > 0 && v.run.size() >= 3;
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
  if (!finite(values) || !(R > 0) || !std::isfinite(R) || !std::isfinite(k) || !std::isfinite(factors.i) ||
      values.run.size() != static_cast<std::size_t>(panel.points))
    return run;
  const Centreline line = centreline(values.run, R);
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

  // On an arc m = m(c) + R·(Fx·sin φ − Fy·cos φ) = m(c) + A·cos(φ − ψ): its
  // largest magnitude at an end or where φ − ψ is a multiple of π.
  // Also the angle where it is, for the axial force at that section.
  const auto largest_on = [&](const Arc& a, double& where) {
    const double A = R * std::hypot(Fx, Fy), psi = std::atan2(Fx, -Fy);
    const auto at = [&](double phi) { return m(a.c) + A * std::cos(phi - psi); };
    double best = at(a.from);
    where = a.from;
    const auto keep = [&](double v, double phi) {
      if (std::fabs(v) > std::fabs(best)) {
        best = v;
        where = phi;
      }
    };
    keep(at(a.to), a.to);
    for (double n = std::ceil((a.from - psi) / std::numbers::pi); psi + n * std::numbers::pi <= a.to; ++n)
      keep(m(a.c) + (std::fmod(n, 2) == 0 ? A : -A), psi + n * std::numbers::pi);
    return best;
  };
  // The force along the pipe where its direction is (ux, uy): the same
  // force (Fx, Fy) acts at every section of a run loaded only at its ends.
  const auto along = [&](double ux, double uy) { return std::fabs(Fx * ux + Fy * uy) / std::hypot(ux, uy); };

  const double Z = std::numbers::pi * (std::pow(values.D, 4) - std::pow(values.D - 2 * values.t, 4)) / (32 * values.D);
  const std::size_t n = values.run.size();
  for (std::size_t j = 0; j < n; ++j) {
    const bool anchor = j == 0 || j + 1 == n;
    double where = 0;
    const double moment = anchor ? m(values.run[j]) : largest_on(line.arcs[j - 1], where);
    run.moments.push_back(moment);
    const Point leg = j == 0 ? minus(values.run[1], values.run[0]) : minus(values.run[j], values.run[j - 1]);
    run.axial.push_back(anchor ? along(leg.x, leg.y) : along(-std::sin(where), std::cos(where)));
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

bool passes_with_elbows(const Panel& panel, const Outcome& outcome, const ElbowRadius& radius, double target,
                        const Material& material) {
  return passes(with_elbows(panel, outcome, radius, target, material));
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
