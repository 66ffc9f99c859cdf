// The run with guides, by the flexibility method. Unknowns: the reactions at
// point 1 (M1, Fx, Fy; m = M1 − Fy·x + Fx·y) and the force Q of each guide
// across its leg. Downstream of a guide at G on a leg of direction t, its
// force Q·n (n = t turned by 90°) adds Q·(G − r)·t to the moment at r, so m
// stays linear in x and y on every piece of the centreline. With the bending
// compliance 1/EI (k/EI on an arc), five conditions:
//   ∫m ds = 0, ∫m·y ds = EI·gx, −∫m·x ds = EI·gy    (the run closes on the far anchor)
//   ∫ m·(G1 − r)·t1 ds = 0 from point 1 to G1         (G1 does not move across L1)
//   ∫ m·(r − G2)·t2 ds = 0 from G2 to the far anchor  (nor G2 across the last leg)
// The growth between an anchor and its guide runs along the leg, so only
// bending can move the guide's point across it. Every integrand is a product
// of two linear functions: each condition is a sum of the pieces' closed-form
// integrals of 1, x, y, x², xy, y² (analyses/centreline.h).

#include "quorvel/analyses/guides.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

#include "analyses/centreline.h"
#include "quorvel/panels/display.h"

namespace quorvel {
namespace {

using detail::Integrals;
using detail::Linear;

// A pivot below this share of its row's largest coefficient: the run cannot
// take the guides (a guide on a leg the frame cannot bend across).
constexpr double kSingular = 1e-12;

double dot(Point a, Point b) {
  return a.x * b.x + a.y * b.y;
}

// ∫ f·h ds over a piece from its integrals, f and h linear.
double integral(const Integrals& i, const Linear& f, const Linear& h) {
  return f.a * h.a * i.s + (f.a * h.b + f.b * h.a) * i.x + (f.a * h.c + f.c * h.a) * i.y + f.b * h.b * i.xx +
         (f.b * h.c + f.c * h.b) * i.xy + f.c * h.c * i.yy;
}

// (G − r)·t as a linear function of r.
Linear towards(Point G, Point t) {
  return {dot(G, t), -t.x, -t.y};
}

// A piece of the centreline, its integrals weighted by its flexibility, and
// on which side of each guide it lies.
struct Piece {
  Integrals integrals;
  bool past[2];
};

// Solves a·u = b in place by elimination with partial pivoting; false when singular.
template <std::size_t N>
bool solve(std::array<std::array<double, N>, N>& a, std::array<double, N>& b, std::size_t n) {
  for (std::size_t r = 0; r < n; ++r) {  // rows scaled to their largest coefficient
    double largest = 0;
    for (std::size_t c = 0; c < n; ++c) largest = std::max(largest, std::fabs(a[r][c]));
    if (!(largest > 0) || !std::isfinite(largest)) return false;
    for (std::size_t c = 0; c < n; ++c) a[r][c] /= largest;
    b[r] /= largest;
  }
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = col;
    for (std::size_t r = col + 1; r < n; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    if (!(std::fabs(a[pivot][col]) > kSingular)) return false;
    std::swap(a[col], a[pivot]);
    std::swap(b[col], b[pivot]);
    for (std::size_t r = col + 1; r < n; ++r) {
      const double f = a[r][col] / a[col][col];
      for (std::size_t c = col; c < n; ++c) a[r][c] -= f * a[col][c];
      b[r] -= f * b[col];
    }
  }
  for (std::size_t col = n; col-- > 0;) {
    for (std::size_t c = col + 1; c < n; ++c) b[col] -= a[col][c] * b[c];
    b[col] /= a[col][col];
  }
  return true;
}

// |The force along a unit direction u| where the moment is m = a + b·x + c·y:
// the section carries the force (c, −b).
double along(const Linear& m, Point u) {
  return std::fabs(m.c * u.x - m.b * u.y);
}

// The unit direction from a to b.
Point unit(Point a, Point b) {
  const double l = std::hypot(b.x - a.x, b.y - a.y);
  return {(b.x - a.x) / l, (b.y - a.y) / l};
}

// The panel's results from the run's reactions and ratios, as with_elbows forms them.
std::vector<double> results_of(const Panel& panel, const GuidedRun& run) {
  std::vector<double> results;
  for (const ResultField& field : panel.results) {
    const auto at = static_cast<std::size_t>(field.point - 1);
    if (field.display == Display::ratio) results.push_back(run.ratios[at]);
    if (field.display == Display::moment) results.push_back(run.moments[at]);
    if (field.display == Display::force) results.push_back(field.symbol == "Fy" ? run.Fy : run.Fx);
  }
  return results;
}

// Neither leg has a guide: the panel's own run, or the run with elbows.
void unguided(GuidedRun& run, const Panel& panel, const Values& values, double target, const Material& material) {
  if (run.elbows) {
    const ElbowRun& e = *run.elbows;
    run.status = e.status;
    run.leg = e.leg;
    if (e.status != ElbowStatus::solved) return;
    run.M1 = e.M1;
    run.Fx = e.Fx;
    run.Fy = e.Fy;
    run.moments = e.moments;
    run.ratios = e.ratios;
    run.axial = e.axial;
    run.results = e.results;
    run.verdict = e.verdict;
  } else {
    const Values v = with_material(values, material);
    run.status = ElbowStatus::solved;
    run.M1 = v.M1;
    run.Fx = v.Fx;
    run.Fy = v.Fy;
    run.moments = v.moments;
    run.ratios = ratios(v);
    const Linear m{v.M1, -v.Fy, panel.fx_sign * v.Fx};
    for (std::size_t j = 0; j < v.run.size(); ++j)
      run.axial.push_back(along(m, j == 0 ? unit(v.run[0], v.run[1]) : unit(v.run[j - 1], v.run[j])));
    run.results = v.results;
    run.verdict = judge(v, target);
  }
  run.start_force = {panel.fx_sign * run.Fx, run.Fy};
  run.far_force = {-run.start_force.x, -run.start_force.y};
  run.M2 = run.moments.back();
}

}  // namespace

GuidedRun with_guides(const Panel& panel, const Values& run_values, double g, const std::optional<ElbowRadius>& radius,
                      double target, const Material& material) {
  const Values values = with_material(run_values, material);
  GuidedRun run;
  run.g = g;
  const std::size_t n = values.run.size();
  if (!detail::finite(values) || n != static_cast<std::size_t>(panel.points) || !(g > 0) || !std::isfinite(g))
    return run;
  const double R = radius ? radius->of(values.D) : 0;
  if (radius) {
    run.elbows = with_elbows(panel, run_values, R, target, material);
    if (run.elbows->status != ElbowStatus::solved) return unguided(run, panel, run_values, target, material), run;
  }
  const detail::Centreline line = detail::centreline(values.run, R);
  if (line.in_line) return run;

  // The guides: g from the bend's corner point towards the anchor, on the
  // straight part of the leg.
  const std::vector<Point>& p = values.run;
  const auto direction = [&](std::size_t from, std::size_t to) {
    const double l = std::hypot(p[to].x - p[from].x, p[to].y - p[from].y);
    return std::pair{Point{(p[to].x - p[from].x) / l, (p[to].y - p[from].y) / l}, l};
  };
  const auto [t1, l1] = direction(0, 1);
  const auto [t2, l2] = direction(n - 2, n - 1);
  const std::array<Point, 2> t{t1, t2};
  run.guides[0] = {1, l1 > g && line.cut[1] <= g, {p[1].x - g * t1.x, p[1].y - g * t1.y}};
  run.guides[1] = {
      static_cast<int>(n) - 1, l2 > g && line.cut[n - 2] <= g, {p[n - 2].x + g * t2.x, p[n - 2].y + g * t2.y}};
  if (!run.guides[0].held && !run.guides[1].held) return unguided(run, panel, run_values, target, material), run;

  // The pieces in order along the run, the end legs cut at their guides.
  const double k = run.elbows ? run.elbows->factors.k : 1;
  std::vector<Piece> pieces;
  const auto add_line = [&](Point a, Point b, bool past0, bool past1) {
    Piece piece{{}, {past0, past1}};
    detail::add(piece.integrals, {a, b}, {});
    pieces.push_back(piece);
  };
  for (std::size_t j = 0; j < line.lines.size(); ++j) {
    const detail::Line& l = line.lines[j];
    const bool first = j == 0, last = j + 1 == line.lines.size();
    if (first && run.guides[0].held) {
      add_line(l.a, run.guides[0].at, false, false);
      add_line(run.guides[0].at, l.b, true, false);
    } else if (last && run.guides[1].held) {
      add_line(l.a, run.guides[1].at, true, false);
      add_line(run.guides[1].at, l.b, true, true);
    } else {
      add_line(l.a, l.b, !first, false);
    }
    if (!last && R > 0) {
      Piece arc{{}, {true, false}};
      detail::add(arc.integrals, line.arcs[j], R, k, {});
      pieces.push_back(arc);
    }
  }

  // The unknowns M1, Fx, Fy, then the force of each guide that holds; the
  // moment each gives per unit, and the conditions' weights.
  std::array<int, 2> index{-1, -1};
  std::size_t count = 3;
  for (int i : {0, 1})
    if (run.guides[i].held) index[i] = static_cast<int>(count++);
  const auto unit_moment = [&](std::size_t u, const Piece& piece) -> Linear {
    if (u == 0) return {1, 0, 0};
    if (u == 1) return {0, 0, 1};
    if (u == 2) return {0, -1, 0};
    const int i = index[0] == static_cast<int>(u) ? 0 : 1;
    return piece.past[i] ? towards(run.guides[i].at, t[i]) : Linear{};
  };
  const auto weight = [&](std::size_t c, const Piece& piece) -> Linear {
    if (c < 3) return unit_moment(c, piece);
    const int i = index[0] == static_cast<int>(c) ? 0 : 1;
    const bool between = i == 0 ? !piece.past[0] : piece.past[1];  // between the guide and its anchor
    return between ? towards(run.guides[i].at, t[i]) : Linear{};
  };
  std::array<std::array<double, 5>, 5> a{};
  std::array<double, 5> b{0, values.EI * values.growth_x, values.EI * values.growth_y, 0, 0};
  for (std::size_t c = 0; c < count; ++c)
    for (std::size_t u = 0; u < count; ++u)
      for (const Piece& piece : pieces) a[c][u] += integral(piece.integrals, weight(c, piece), unit_moment(u, piece));
  if (!solve(a, b, count)) return run;

  // The moment on the pieces past neither guide, past the first, and past both.
  const auto moment = [&](bool past0, bool past1) {
    Linear m{b[0], -b[2], b[1]};
    const std::array<bool, 2> past{past0, past1};
    for (int i : {0, 1})
      if (index[i] >= 0 && past[i]) {
        const Linear q = towards(run.guides[i].at, t[i]);
        const double Q = b[static_cast<std::size_t>(index[i])];
        m = {m.a + Q * q.a, m.b + Q * q.b, m.c + Q * q.c};
      }
    return m;
  };
  const Linear before = moment(false, false), middle = moment(true, false), after = moment(true, true);

  const double Z = std::numbers::pi * (std::pow(values.D, 4) - std::pow(values.D - 2 * values.t, 4)) / (32 * values.D);
  const double i_bend = run.elbows ? run.elbows->factors.i : 1;
  for (std::size_t j = 0; j < n; ++j) {
    const bool bend = j > 0 && j + 1 < n;
    const detail::Peak peak = bend && R > 0 ? detail::largest_on(line.arcs[j - 1], R, middle) : detail::Peak{};
    const double m = j == 0 ? before.at(p[j]) : j + 1 == n ? after.at(p[j]) : R > 0 ? peak.value : middle.at(p[j]);
    run.moments.push_back(m);
    const Point leg = j == 0 ? t1 : j + 1 == n ? t2 : unit(p[j - 1], p[j]);
    run.axial.push_back(along(j == 0       ? before
                              : j + 1 == n ? after
                                           : middle,
                              bend && R > 0 ? Point{-std::sin(peak.phi), std::cos(peak.phi)} : leg));
    run.ratios.push_back((j == 0 || j + 1 == n ? 1 : i_bend) * std::fabs(m) / Z / values.allowable);
  }
  std::vector<double> judged = run.ratios;
  run.start_force = {b[1], b[2]};
  Point far{-b[1], -b[2]};
  for (int i : {0, 1}) {
    Guide& guide = run.guides[i];
    if (!guide.held) continue;
    guide.force = b[static_cast<std::size_t>(index[i])];
    guide.moment = middle.at(guide.at);  // the moment is continuous across a guide
    guide.ratio = std::fabs(guide.moment) / Z / values.allowable;
    guide.axial = along(i == 0 ? before : after, t[i]);  // its force is across the leg
    judged.push_back(guide.ratio);
    far = {far.x + guide.force * t[i].y, far.y - guide.force * t[i].x};  // minus Q·n, n = (−t.y, t.x)
  }
  run.far_force = far;
  run.M1 = b[0];
  run.Fx = panel.fx_sign * b[1];
  run.Fy = b[2];
  run.M2 = run.moments.back();
  run.results = results_of(panel, run);
  run.verdict = judge(judged, target);
  run.status = ElbowStatus::solved;
  return run;
}

GuidedRun with_guides(const Panel& panel, const Outcome& outcome, double g, const std::optional<ElbowRadius>& radius,
                      double target, const Material& material) {
  if (outcome.failure || !outcome.values) return {};
  return with_guides(panel, *outcome.values, g, radius, target, material);
}

double governing_ratio(const GuidedRun& run) noexcept {
  return run.status == ElbowStatus::solved ? run.verdict.governing : std::numeric_limits<double>::quiet_NaN();
}

GuidedRunTexts guided_run_texts(const Panel& panel, const GuidedRun& run, std::string_view dp) {
  GuidedRunTexts t;
  if (run.status != ElbowStatus::solved) {
    t.unsolved = run.status == ElbowStatus::does_not_fit ? "does not fit L" + std::to_string(run.leg) : "not available";
    return t;
  }
  for (std::size_t index = 0; index < panel.results.size(); ++index) {
    const Real shown =
        panel.results[index].display == Display::ratio ? ratio(run.results[index]) : tenths(run.results[index]);
    t.results.push_back(number_text(shown.value(), dp));
  }
  std::string missing;
  for (std::size_t i = 0; i < 2; ++i) {
    const Guide& guide = run.guides[i];
    if (guide.held) {
      t.ratios[i] = number_text(ratio(guide.ratio).value(), dp);
      t.forces[i] = number_text(tenths(guide.force).value(), dp);
    } else {
      missing += (missing.empty() ? "no guide L" : " and L") + std::to_string(guide.leg);
    }
  }
  t.unguided = missing;
  t.governing = ratio_text(run.verdict.governing, dp);
  t.verdict = verdict_word(run.verdict);
  return t;
}

}  // namespace quorvel
