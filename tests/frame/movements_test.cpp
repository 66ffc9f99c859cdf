// The movements of the bend points and the guided cantilever against
// independent analyses of the same frames, on random runs: the two-leg
// bend's corner in closed form, every panel's deformed shape marched along
// the run from the exact reactions of frame.h.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "frame.h"
#include "quorvel/analyses/hand_methods.h"
#include "quorvel/analyses/movements.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/panels.h"

namespace {

using quorvel::Panel;
using quorvel::Values;

std::string text(double v) {
  char buf[64];
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed).ptr);
}

// A random run of the panel: T 20..450 ℃, D 25..1000 mm, legs 0.5..60 m,
// angles 30..150°; the offset's and loop's L is the run's own extent along
// x, so that the growth along the run is the true one.
Values random_run(const Panel& panel, std::mt19937_64& gen) {
  const auto uniform = [&](double lo, double hi) {
    return lo + (hi - lo) * (static_cast<double>(gen() >> 11) * 0x1p-53);
  };
  std::vector<std::string> inputs = quorvel::default_inputs(panel);
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    const std::string_view symbol = panel.inputs[i].symbol;
    if (symbol == "T") inputs[i] = std::to_string(static_cast<int>(uniform(20, 450)));
    if (symbol == "D") inputs[i] = text(uniform(25, 1000));
    if (symbol.front() == 'L' && symbol != "L") inputs[i] = text(uniform(0.5, 60));
    if (symbol == "α" || symbol == "β") inputs[i] = text(uniform(30, 150));
  }
  Values run = *quorvel::calculate(panel, inputs, ".").values;
  if (const auto L = quorvel::input_index(panel, "L")) {
    inputs[*L] = text(run.run.back().x);
    run = *quorvel::calculate(panel, inputs, ".").values;
  }
  return run;
}

// The deformed shape marched along the run in small steps: the section
// turns by κ = −m/EI per metre from point 1 clamped, each step moves by the
// turn across the leg, and each point adds its thermal growth e·(x, y).
std::vector<frame::Point> marched(const Values& run) {
  std::vector<frame::Point> points;
  for (const quorvel::Point& p : run.run) points.push_back({p.x, p.y});
  const long double e = run.expansion;
  const frame::Point far = points.back();
  const frame::Reactions r = frame::solve_clamped(points, run.EI, e * far.x, e * far.y);
  const auto m = [&](long double x, long double y) { return r.M1 - r.Fy * x + r.Fx * y; };
  std::vector<frame::Point> moved{{0, 0}};
  long double turn = 0, ux = 0, uy = 0;
  constexpr int kSteps = 4000;
  for (std::size_t k = 1; k < points.size(); ++k) {
    const frame::Point a = points[k - 1], b = points[k];
    const long double l = std::hypot(b.x - a.x, b.y - a.y), tx = (b.x - a.x) / l, ty = (b.y - a.y) / l;
    const long double ds = l / kSteps;
    for (int i = 0; i < kSteps; ++i) {
      const long double s = (i + 0.5L) * ds;
      const long double half = -m(a.x + tx * s, a.y + ty * s) / run.EI * ds;  // the turn over this step
      ux -= (turn + half / 2) * ty * ds;
      uy += (turn + half / 2) * tx * ds;
      turn += half;
    }
    moved.push_back({ux + e * b.x, uy + e * b.y});
  }
  return moved;
}

class Movements : public testing::TestWithParam<const Panel*> {};

// Both anchors held, every point where the marched shape puts it: the
// batch's one decimal of a millimetre needs well under 0.05 mm.
TEST_P(Movements, FollowTheMarchedShape) {
  const Panel& panel = *GetParam();
  std::mt19937_64 gen(0x5eed0 + panel.points);
  double worst = 0;
  for (int n = 0; n < 300; ++n) {
    const Values run = random_run(panel, gen);
    const std::vector<quorvel::Point> got = quorvel::movements(run);
    const std::vector<frame::Point> want = marched(run);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t k = 0; k < got.size(); ++k) {
      worst = std::fmax(worst, std::fmax(std::fabs(got[k].x - want[k].x), std::fabs(got[k].y - want[k].y)));
      ASSERT_NEAR(got[k].x, static_cast<double>(want[k].x), 5e-5) << "run " << n << ", point " << k + 1;
      ASSERT_NEAR(got[k].y, static_cast<double>(want[k].y), 5e-5) << "run " << n << ", point " << k + 1;
    }
  }
  std::cout << "[ measured ] " << panel.key << ": worst difference from the marched shape " << worst * 1000 << " mm\n";
}

// The guided cantilever holds every leg's ends from turning, which the
// exact frame lets them do: it overstates the stress, in nine runs of ten
// at least.
TEST_P(Movements, GuidedCantileverIsConservative) {
  const Panel& panel = *GetParam();
  std::mt19937_64 gen(0xca7 + panel.points);
  int above = 0, runs = 300;
  for (int n = 0; n < runs; ++n) {
    const Values run = random_run(panel, gen);
    const auto hand = quorvel::guided_cantilever(run);
    ASSERT_TRUE(hand) << "run " << n;
    above += hand->governing > quorvel::judge(run).governing;
  }
  std::cout << "[ measured ] " << panel.key << ": guided cantilever above the exact frame in " << above << " of "
            << runs << " runs\n";
  EXPECT_GE(above * 10, runs * 9);
}

INSTANTIATE_TEST_SUITE_P(Panels, Movements, testing::ValuesIn(quorvel::panels().begin(), quorvel::panels().end()),
                         [](const auto& info) { return std::string(info.param->key); });

// The legs are stiff along themselves, so the bend point of the two-leg
// bend moves by e·L1 along L1 (away from point 1) and by e·L2 along L2
// (away from the far anchor): u·t1 = e·L1, u·t2 = −e·L2, whatever the
// reactions.
TEST(BendPoint, MovesAsItsLegsGrow) {
  const Panel& bend = *quorvel::panel_by_key("bend");
  std::mt19937_64 gen(0xbe9d);
  for (int n = 0; n < 300; ++n) {
    const Values run = random_run(bend, gen);
    const quorvel::Point p2 = run.run[1], p3 = run.run[2];
    const double l1 = p2.x, l2 = std::hypot(p3.x - p2.x, p3.y - p2.y);
    const double sx = (p3.x - p2.x) / l2, sy = (p3.y - p2.y) / l2;  // t2
    const double ux = run.expansion * l1, uy = (-run.expansion * l2 - ux * sx) / sy;
    const quorvel::Point got = quorvel::movements(run)[1];
    EXPECT_NEAR(got.x, ux, 1e-5) << "run " << n;
    EXPECT_NEAR(got.y, uy, 1e-5 * std::fmax(1, std::fabs(uy / 0.1))) << "run " << n;
  }
}

}  // namespace
