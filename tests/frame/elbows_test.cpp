// The frame with elbows (quorvel/analyses/elbows.h) against the same frame built here
// another way, each arc a fine polyline with flexibility k, and solved by the
// force method in long double (frame.h); plus the checks of its physics.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <limits>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "frame.h"
#include "quorvel/analyses/elbows.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/panels.h"

namespace {

using quorvel::ElbowRun;
using quorvel::ElbowStatus;
using quorvel::Panel;
using quorvel::Values;
using LD = long double;

constexpr int kChords = 256;  // per arc: a chord is shorter than its arc by 1 part in 24·kChords²/turn²

Values values_of(const Panel& panel, const std::vector<std::string>& inputs) {
  const quorvel::Outcome o = quorvel::calculate(panel, inputs, ".");
  EXPECT_TRUE(o.values && !o.failure);
  return o.values ? *o.values : Values{};
}

// The centreline with elbows as a fine polyline: each bend's centre on the
// bisector of its legs at R/sin(half the included angle), its arc from the
// foot of the centre on one leg to its foot on the other.
struct Fine {
  std::vector<frame::Point> points;
  std::vector<LD> flexibility;          // per segment
  std::vector<std::size_t> arc_starts;  // the index of each arc's first point
  int misfit = 0;
};

Fine fine(const Values& v, LD R, LD k) {
  Fine out;
  const std::size_t n = v.run.size();
  std::vector<frame::Point> p;
  for (const auto& q : v.run) p.push_back({q.x, q.y});
  const auto unit = [](frame::Point a, frame::Point b) {
    const LD l = std::hypot(b.x - a.x, b.y - a.y);
    return frame::Point{(b.x - a.x) / l, (b.y - a.y) / l};
  };
  std::vector<LD> before(n, 0), after(n, 0);  // from each corner back to its arc's start, and on to its end
  out.points.push_back(p[0]);
  for (std::size_t j = 1; j + 1 < n; ++j) {
    const frame::Point u = unit(p[j - 1], p[j]), w = unit(p[j], p[j + 1]);
    const frame::Point b = unit({0, 0}, {w.x - u.x, w.y - u.y});  // into the bend
    const LD half = std::acos(std::clamp(-(u.x * w.x + u.y * w.y), LD(-1), LD(1))) / 2;
    const frame::Point c{p[j].x + b.x * R / std::sin(half), p[j].y + b.y * R / std::sin(half)};
    const LD along_u = (c.x - p[j].x) * u.x + (c.y - p[j].y) * u.y;
    const LD along_w = (c.x - p[j].x) * w.x + (c.y - p[j].y) * w.y;
    before[j] = -along_u;
    after[j] = along_w;
    const LD a0 = std::atan2(p[j].y + along_u * u.y - c.y, p[j].x + along_u * u.x - c.x);
    const LD a1 = std::atan2(p[j].y + along_w * w.y - c.y, p[j].x + along_w * w.x - c.x);
    const LD sweep = std::remainder(a1 - a0, 2 * std::numbers::pi_v<LD>);
    out.flexibility.push_back(1);  // the straight part before the arc
    out.arc_starts.push_back(out.points.size());
    for (int i = 0; i <= kChords; ++i) {
      const LD a = a0 + sweep * i / kChords;
      out.points.push_back({c.x + R * std::cos(a), c.y + R * std::sin(a)});
      if (i > 0) out.flexibility.push_back(k);
    }
  }
  out.points.push_back(p[n - 1]);
  out.flexibility.push_back(1);
  for (std::size_t j = 0; j + 1 < n && !out.misfit; ++j)
    if (after[j] + before[j + 1] > std::hypot(p[j + 1].x - p[j].x, p[j + 1].y - p[j].y))
      out.misfit = static_cast<int>(j) + 1;
  return out;
}

// What the fine frame gives for the elbow run's reactions and ratios.
struct Expected {
  LD M1, Fx, Fy;
  std::vector<LD> ratios;
  int misfit;
};

Expected expected(const Panel& panel, const Values& v, LD R, LD k, LD i) {
  const Fine f = fine(v, R, k);
  const frame::Reactions r = frame::solve_clamped(f.points, v.EI, v.growth_x, v.growth_y, f.flexibility);
  const LD D = v.D, t = v.t, Z = std::numbers::pi_v<LD> * (std::pow(D, 4) - std::pow(D - 2 * t, 4)) / (32 * D);
  Expected e{r.M1, panel.fx_sign * r.Fx, r.Fy, {std::fabs(r.M1) / Z / v.allowable}, f.misfit};
  for (std::size_t start : f.arc_starts) {
    LD largest = 0;
    for (int c = 0; c <= kChords; ++c) largest = std::max(largest, std::fabs(r.moments[start + c]));
    e.ratios.push_back(i * largest / Z / v.allowable);
  }
  e.ratios.push_back(std::fabs(r.moments.back()) / Z / v.allowable);
  return e;
}

// Realistic runs: DN50 to DN600, 50 to 400 ℃, legs of 2 to 30 m, bends of
// 45° to 135°, with the free growth of the run's own length.
std::vector<std::string> random_inputs(const Panel& panel, std::mt19937_64& gen) {
  const auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(gen); };
  const auto text = [](double v) { return std::to_string(v); };
  const double D = uniform(57, 630), t = uniform(D / 80, D / 15);
  std::vector<std::string> in = {std::to_string(static_cast<int>(uniform(50, 400))), text(D), text(t)};
  const auto leg = [&] { return uniform(2, 30); };
  const auto tilt = [](double angle) { return (angle - 90) * 3.1415926 / 180; };
  if (panel.key == "bend") {
    for (double v : {leg(), leg(), uniform(45, 135)}) in.push_back(text(v));
  } else if (panel.key == "offset") {
    const double l1 = leg(), l2 = leg(), l3 = leg(), alpha = uniform(45, 135);
    for (double v : {l1, l2, l3, l1 + l2 * std::sin(tilt(alpha)) + l3, alpha}) in.push_back(text(v));
  } else {
    const double l1 = leg(), l2 = leg(), l3 = leg(), l4 = leg(), l5 = leg(), a = uniform(45, 135), b = uniform(45, 135);
    const double L = l1 + l2 * std::sin(tilt(a)) + l3 + l4 * std::sin(tilt(b)) + l5;
    for (double v : {l1, l2, l3, l4, l5, L, a, b}) in.push_back(text(v));
  }
  return in;
}

class Elbows : public testing::TestWithParam<const Panel*> {};

TEST_P(Elbows, AgreeWithAFinePolylineOfTheFrame) {
  const Panel& panel = *GetParam();
  std::mt19937_64 gen(0xe1b0 + panel.points);
  int solved = 0, misfits = 0;
  for (int n = 0; n < 300; ++n) {
    const std::vector<std::string> inputs = random_inputs(panel, gen);
    const Values v = values_of(panel, inputs);
    const double R = (n % 2 ? 3 : 1.5) * v.D;
    const ElbowRun got = quorvel::with_elbows(panel, v, R);
    const Expected want = expected(panel, v, R, got.factors.k, got.factors.i);
    SCOPED_TRACE(testing::PrintToString(inputs) + " R = " + std::to_string(R));
    if (want.misfit) {
      ++misfits;
      EXPECT_EQ(got.status, ElbowStatus::does_not_fit);
      EXPECT_EQ(got.leg, want.misfit);
      continue;
    }
    ASSERT_EQ(got.status, ElbowStatus::solved);
    ++solved;
    const LD forces = std::max(std::fabs(want.Fx), std::fabs(want.Fy));
    EXPECT_NEAR(got.M1, want.M1, 1e-4 * std::fabs(want.M1));
    EXPECT_NEAR(got.Fx, want.Fx, 1e-4 * forces);
    EXPECT_NEAR(got.Fy, want.Fy, 1e-4 * forces);
    ASSERT_EQ(got.ratios.size(), want.ratios.size());
    for (std::size_t p = 0; p < want.ratios.size(); ++p)
      EXPECT_NEAR(got.ratios[p], want.ratios[p], 1e-4 * got.verdict.governing) << "point " << p + 1;
    if (HasFailure()) return;
  }
  EXPECT_GT(solved, 200);
  std::cout << "[ measured ] " << panel.key << ": " << solved << " runs solved, " << misfits << " do not fit\n";
}

// With k = 1, i = 1 and R → 0 the frame is the sharp-cornered one: the run's
// own reactions, moments and ratios, up to the single-precision steps of the
// panels' rules (about 1e-6 of the largest value).
TEST_P(Elbows, WithoutFlexibilityAndRadiusAreTheSharpCorners) {
  const Panel& panel = *GetParam();
  std::mt19937_64 gen(0x5a4b + panel.points);
  for (int n = 0; n < 50; ++n) {
    const std::vector<std::string> inputs = random_inputs(panel, gen);
    SCOPED_TRACE(testing::PrintToString(inputs));
    const Values v = values_of(panel, inputs);
    const ElbowRun got = quorvel::with_elbows(panel, v, 1e-9, {0, 1, 1});
    ASSERT_EQ(got.status, ElbowStatus::solved);
    const double forces = std::max(std::fabs(v.Fx), std::fabs(v.Fy));
    double moments = 0;
    for (double m : v.moments) moments = std::max(moments, std::fabs(m));
    EXPECT_NEAR(got.M1, v.M1, 2e-5 * moments);
    EXPECT_NEAR(got.Fx, v.Fx, 2e-5 * forces);
    EXPECT_NEAR(got.Fy, v.Fy, 2e-5 * forces);
    const std::vector<double> sharp = quorvel::ratios(v);
    for (std::size_t p = 0; p < sharp.size(); ++p) {
      EXPECT_NEAR(got.moments[p], v.moments[p], 2e-5 * moments) << "point " << p + 1;
      EXPECT_NEAR(got.ratios[p], sharp[p], 2e-5 * quorvel::judge(v).governing) << "point " << p + 1;
    }
  }
}

// Marched from the anchor at point 1 with the curvature −k·m/EI, the
// centreline reaches the far anchor without rotation, its bending having
// undone the free growth there.
TEST_P(Elbows, BringTheFarEndToRest) {
  const Panel& panel = *GetParam();
  std::mt19937_64 gen(0x3a7c + panel.points);
  for (int n = 0; n < 10; ++n) {
    const std::vector<std::string> inputs = random_inputs(panel, gen);
    const Values v = values_of(panel, inputs);
    const ElbowRun run = quorvel::with_elbows(panel, v, 1.5 * v.D);
    if (run.status != ElbowStatus::solved) continue;
    SCOPED_TRACE(testing::PrintToString(inputs));
    const Fine f = fine(v, 1.5 * v.D, run.factors.k);
    LD turned = 0, turned_abs = 0, ux = 0, uy = 0;
    for (std::size_t s = 0; s + 1 < f.points.size(); ++s) {
      const frame::Point a = f.points[s], b = f.points[s + 1];
      const int steps = f.flexibility[s] == 1 ? 4000 : 4;
      for (int q = 0; q < steps; ++q) {
        const LD dx = (b.x - a.x) / steps, dy = (b.y - a.y) / steps;
        const LD x = a.x + dx * (q + 0.5L), y = a.y + dy * (q + 0.5L);
        const LD kappa = -f.flexibility[s] * (run.M1 - run.Fy * x + panel.fx_sign * run.Fx * y) / v.EI;
        const LD before = turned;
        turned += kappa * std::hypot(dx, dy);
        turned_abs += std::fabs(kappa) * std::hypot(dx, dy);
        ux -= (before + turned) / 2 * dy;  // a small turn moves the rest of the run across its leg
        uy += (before + turned) / 2 * dx;
      }
    }
    EXPECT_LE(std::fabs(turned), 1e-5 * turned_abs);
    const LD growth = std::hypot(v.growth_x, v.growth_y);
    EXPECT_NEAR(ux, -v.growth_x, 1e-4 * growth);
    EXPECT_NEAR(uy, -v.growth_y, 1e-4 * growth);
  }
}

std::string panel_name(const testing::TestParamInfo<const Panel*>& info) {
  return std::string(info.param->key);
}

INSTANTIATE_TEST_SUITE_P(Panels, Elbows, testing::ValuesIn(quorvel::panels().begin(), quorvel::panels().end()),
                         panel_name);

// A loop mirrored about the middle of its top leg: no force across the level
// legs, equal moments at the anchors and equal ratios at mirrored bends.
TEST(ElbowsOnAMirroredLoop, AreSymmetric) {
  const Panel& loop = *quorvel::panel_by_key("loop");
  for (const char* angle : {"90", "120", "60"}) {
    std::vector<std::string> in = quorvel::default_inputs(loop);
    in[*quorvel::input_index(loop, "L5")] = in[*quorvel::input_index(loop, "L1")];
    in[*quorvel::input_index(loop, "α")] = in[*quorvel::input_index(loop, "β")] = angle;
    SCOPED_TRACE(angle);
    const Values v = values_of(loop, in);
    const ElbowRun run = quorvel::with_elbows(loop, v, 3 * v.D);
    ASSERT_EQ(run.status, ElbowStatus::solved);
    EXPECT_LE(std::fabs(run.Fy), 1e-6 * std::fabs(run.Fx));
    EXPECT_NEAR(run.moments[0], run.moments[5], 1e-6 * std::fabs(run.M1));
    for (std::size_t p = 0; p < 3; ++p) EXPECT_NEAR(run.ratios[p], run.ratios[5 - p], 1e-6 * run.ratios[p]);
  }
}

// h = t·R/r², r = (D − t)/2; k = 1.65/h, i = 0.9/h^(2/3), neither below 1.
// D = 377 mm, t = 9 mm, R = 1.5·D = 565.5 mm: r = 184 mm, r² = 33 856 mm²,
// h = 9 · 565.5 / 33 856 = 5089.5 / 33 856 = 0.150 33; k = 1.65 / 0.150 33
// = 10.976; h^(2/3) = exp(⅔ · ln 0.150 33) = exp(−1.263 29) = 0.282 72,
// i = 0.9 / 0.282 72 = 3.183. Short radius R = 377: h = 0.100 22, k = 16.46,
// i = 0.9 / 0.215 74 = 4.172. A thick wall, D = 100, t = 20, R = 500:
// h = 20 · 500 / 1600 = 6.25, both factors 1. D = 100, t = 10, R = 202.5:
// h = 10 · 202.5 / 2025 = 1, k = 1.65 and i = 0.9, so 1.
TEST(ElbowFactors, MatchTheWorkedNumbers) {
  struct Case {
    double D, t, R, h, k, i;
  };
  const Case cases[] = {{0.377, 0.009, 0.5655, 0.15033, 10.976, 3.183},
                        {0.377, 0.009, 0.377, 0.10022, 16.464, 4.172},
                        {0.1, 0.02, 0.5, 6.25, 1, 1},
                        {0.1, 0.01, 0.2025, 1, 1.65, 1}};
  for (const Case& c : cases) {
    const quorvel::ElbowFactors f = quorvel::elbow_factors(c.D, c.t, c.R);
    EXPECT_NEAR(f.h, c.h, 5e-5 * c.h);
    EXPECT_NEAR(f.k, c.k, 1e-3);
    EXPECT_NEAR(f.i, c.i, 1e-3);
  }
}

// An elbow that needs more than its leg, counting both ends of a middle leg,
// names that leg; a run with nothing to bend or values that are not finite
// gives no answer at all.
TEST(Elbows, ThatDoNotFitOrHaveNoBendAreReported) {
  struct Case {
    const char* panel;
    std::vector<std::pair<const char*, const char*>> fields;
    double R;
    ElbowStatus status;
    int leg;
  };
  const Case cases[] = {
      {"bend", {{"L2", "0.5"}}, 0.6, ElbowStatus::does_not_fit, 2},  // tangent 0.6 on a leg of 0.5
      {"bend", {{"L2", "0.7"}}, 0.6, ElbowStatus::solved, 0},
      {"offset", {{"L2", "1.1"}}, 0.6, ElbowStatus::does_not_fit, 2},  // two tangents of 0.6
      {"offset", {{"L2", "1.3"}}, 0.6, ElbowStatus::solved, 0},
      {"loop", {{"L3", "1"}}, 0.6, ElbowStatus::does_not_fit, 3},
      {"bend", {{"α", "180"}}, 0.6, ElbowStatus::not_available, 0},
      {"bend", {}, 0, ElbowStatus::not_available, 0},
  };
  for (const Case& c : cases) {
    const Panel& panel = *quorvel::panel_by_key(c.panel);
    std::vector<std::string> in = quorvel::default_inputs(panel);
    for (const auto& [symbol, text] : c.fields) in[*quorvel::input_index(panel, symbol)] = text;
    SCOPED_TRACE(testing::PrintToString(in));
    const quorvel::Outcome o = quorvel::calculate(panel, in, ".");
    ASSERT_TRUE(o.values);
    const ElbowRun run = quorvel::with_elbows(panel, *o.values, c.R);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.leg, c.leg);
    EXPECT_EQ(quorvel::elbow_text(panel, run, 0, ".").empty(), c.status != ElbowStatus::solved);
  }
  const Panel& offset = *quorvel::panel_by_key("offset");
  Values v = values_of(offset, quorvel::default_inputs(offset));
  v.run[2].y = std::numeric_limits<double>::infinity();
  EXPECT_EQ(quorvel::with_elbows(offset, v, 0.6).status, ElbowStatus::not_available);
}

}  // namespace
