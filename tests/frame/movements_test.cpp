// The movements of the bend points and the guided cantilever against
// independent analyses of the same frames, on random runs: the two-leg
// bend's corner in closed form, every panel's deformed shape marched along
// the run from the exact reactions of frame.h; with guides, what the held
// points must do whatever the guides' forces.

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

// With guides the far anchor comes out held by the guided run's reactions
// and each guide's point moves along its leg only: two conditions the
// movements meet only if the guides' forces are right. Guides beyond both
// legs leave the movements as they were.
TEST_P(Movements, WithGuidesHoldTheFarAnchorAndSlideTheGuides) {
  const Panel& panel = *GetParam();
  std::mt19937_64 gen(0x9d1de + panel.points);
  int guided = 0, runs = 300;
  for (int n = 0; n < runs; ++n) {
    const Values run = random_run(panel, gen);
    const double g = 0.2 + 40 * (static_cast<double>(gen() >> 11) * 0x1p-53);
    const quorvel::GuidedMovements got = quorvel::movements(panel, run, g);
    ASSERT_EQ(got.points.size(), run.run.size()) << "run " << n;
    if (!got.guides[0].held && !got.guides[1].held) {
      const std::vector<quorvel::Point> free = quorvel::movements(run);
      for (std::size_t k = 0; k < free.size(); ++k)
        ASSERT_TRUE(got.points[k].x == free[k].x && got.points[k].y == free[k].y) << "run " << n << ", point " << k;
      continue;
    }
    ++guided;
    double developed = 0;  // the pipe's length: e times it bounds every movement
    for (std::size_t k = 1; k < run.run.size(); ++k)
      developed += std::hypot(run.run[k].x - run.run[k - 1].x, run.run[k].y - run.run[k - 1].y);
    // Far below the tenth of a millimetre shown; the guided run's five
    // equations lose a few digits on steep, short legs.
    const double tolerance = 1e-7 * run.expansion * developed;
    EXPECT_NEAR(got.points.back().x, 0, tolerance) << "run " << n;
    EXPECT_NEAR(got.points.back().y, 0, tolerance) << "run " << n;
    for (std::size_t i = 0; i < 2; ++i) {
      if (!got.guides[i].held) continue;
      const std::size_t from = i == 0 ? 0 : run.run.size() - 2;
      const quorvel::Point a = run.run[from], b = run.run[from + 1];
      const double l = std::hypot(b.x - a.x, b.y - a.y);
      const quorvel::Point u = got.guides[i].moved;
      EXPECT_NEAR((u.y * (b.x - a.x) - u.x * (b.y - a.y)) / l, 0, tolerance) << "run " << n << ", guide " << i;
    }
  }
  std::cout << "[ measured ] " << panel.key << ": " << guided << " of " << runs << " runs with a guide\n";
  EXPECT_GE(guided * 4, runs);
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

// The L-bend worked by hand, e = e(70) = 8.085091e-4 from 0 ℃: with guides or
// without, the legs' growth fixes the bend point at (e·20, −e·10); a guide on
// L1 at x = 20 − g slides e·(20 − g) along it, one on L2 g from the bend
// −e·(10 − g) (the far anchor holds L2's far end).
TEST(BendPoint, WithGuidesMovesAsItsLegsGrow) {
  const Panel& bend = *quorvel::panel_by_key("bend");
  const std::vector<std::string> inputs{"70", "377", "9", "20", "10", "90"};
  const Values run = *quorvel::calculate(bend, inputs, ".").values;
  constexpr double e = 8.085091e-4;
  for (const double g : {4.0, 12.0, 25.0}) {
    const quorvel::GuidedMovements got = quorvel::movements(bend, run, g);
    ASSERT_EQ(got.points.size(), 3u);
    EXPECT_NEAR(got.points[1].x, e * 20, 1e-8) << g;
    EXPECT_NEAR(got.points[1].y, -e * 10, 1e-8) << g;
    EXPECT_EQ(got.guides[0].held, g < 20) << g;
    EXPECT_EQ(got.guides[1].held, g < 10) << g;
    if (got.guides[0].held) {
      EXPECT_NEAR(got.guides[0].along, e * (20 - g), 1e-8) << g;
    }
    if (got.guides[1].held) {
      EXPECT_NEAR(got.guides[1].along, -e * (10 - g), 1e-8) << g;
    }
  }
}

// A loop of equal halves with equal guides moves as its mirror image about
// its middle: dx changes sign, dy stays (within the loop's two values of π).
TEST(LoopPoints, WithSymmetricGuidesMoveSymmetrically) {
  const Panel& loop = *quorvel::panel_by_key("loop");
  const std::vector<std::string> inputs{"180", "219.1", "6.35", "27", "6", "6", "6", "27", "60", "90", "90"};
  const Values run = *quorvel::calculate(loop, inputs, ".").values;
  for (const double g : {3.0, 20.0}) {
    const quorvel::GuidedMovements got = quorvel::movements(loop, run, g);
    ASSERT_EQ(got.points.size(), 6u);
    ASSERT_TRUE(got.guides[0].held && got.guides[1].held);
    const double scale = std::hypot(got.points[2].x, got.points[2].y);
    for (std::size_t k = 1; k < 3; ++k) {
      EXPECT_NEAR(got.points[k].x, -got.points[5 - k].x, 1e-6 * scale) << g << ", point " << k + 1;
      EXPECT_NEAR(got.points[k].y, got.points[5 - k].y, 1e-6 * scale) << g << ", point " << k + 1;
    }
    EXPECT_NEAR(got.guides[0].along, -got.guides[1].along, 1e-6 * scale) << g;
  }
}

}  // namespace
