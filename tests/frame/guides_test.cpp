// The run with guides (quorvel/analyses/guides.h): the limits it must meet
// whatever else it does. quorvel-batch's cells are checked against the same
// frame solved by the displacement method in tests/reference/check_guides.py.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "quorvel/analyses/friction.h"
#include "quorvel/analyses/guides.h"
#include "quorvel/panels/panels.h"

namespace {

using quorvel::ElbowRadius;
using quorvel::GuidedRun;
using quorvel::Panel;

struct Case {
  const char* key;
  std::vector<std::string> inputs;
  double g;
  std::optional<ElbowRadius> elbows;
};

const Panel& panel_of(const char* key) {
  for (const Panel* panel : quorvel::panels())
    if (panel->key == key) return *panel;
  throw std::invalid_argument(key);
}

quorvel::Outcome outcome_of(const Case& c) {
  return quorvel::calculate(panel_of(c.key), c.inputs, ".");
}

const ElbowRadius kLongRadius{1.5, 0};
const std::vector<std::string> kLoop{"180", "219.1", "6.35", "27", "6", "6", "6", "27", "60", "90", "90"};
const std::vector<std::string> kBend{"70", "377", "9", "20", "10", "90"};
const std::vector<std::string> kOffset{"70", "377", "9", "20", "10", "20", "40", "120"};

// Guided runs, sharp and with elbows, one leg or both guided.
const Case kGuided[] = {
    {"loop", kLoop, 3, std::nullopt},
    {"loop", kLoop, 3, kLongRadius},
    {"bend", kBend, 4, std::nullopt},
    {"bend", kBend, 15, kLongRadius},
    {"offset", kOffset, 2, std::nullopt},
    {"offset", kOffset, 5, kLongRadius},
    {"loop", {"250", "323.9", "8", "12", "5", "4", "7", "3", "24", "100", "80"}, 3.5, kLongRadius},
};

// The anchors and the guides hold the pipe in balance: no force and no
// moment about point 1 is left over.
TEST(Guides, AnchorsAndGuidesBalance) {
  for (const Case& c : kGuided) {
    const quorvel::Outcome o = outcome_of(c);
    const GuidedRun run = quorvel::with_guides(panel_of(c.key), *o.values, c.g, c.elbows);
    ASSERT_EQ(run.status, quorvel::ElbowStatus::solved) << c.key;
    const quorvel::Point far = o.values->run.back();
    double fx = run.start_force.x + run.far_force.x, fy = run.start_force.y + run.far_force.y;
    double m = run.M1 - run.M2 + far.x * run.far_force.y - far.y * run.far_force.x;
    double scale = std::hypot(run.start_force.x, run.start_force.y);
    for (std::size_t i = 0; i < 2; ++i) {
      const quorvel::Guide& guide = run.guides[i];
      const std::size_t from = i == 0 ? 0 : o.values->run.size() - 2;
      const quorvel::Point a = o.values->run[from], b = o.values->run[from + 1];
      const double l = std::hypot(b.x - a.x, b.y - a.y);
      const quorvel::Point n{-(b.y - a.y) / l, (b.x - a.x) / l};  // the leg's direction turned 90°
      fx += guide.force * n.x;
      fy += guide.force * n.y;
      m += guide.at.x * guide.force * n.y - guide.at.y * guide.force * n.x;
      scale = std::max(scale, std::fabs(guide.force));
    }
    EXPECT_NEAR(fx, 0, 1e-9 * scale) << c.key << " g " << c.g;
    EXPECT_NEAR(fy, 0, 1e-9 * scale) << c.key << " g " << c.g;
    EXPECT_NEAR(m, 0, 1e-9 * scale * 100) << c.key << " g " << c.g;
  }
}

// The loop of equal halves with guides at equal distances: equal end
// moments and equal guide forces, within the loop's two values of π.
TEST(Guides, OnASymmetricLoopAreSymmetric) {
  for (const Case& c : kGuided) {
    if (c.inputs != kLoop) continue;
    const GuidedRun run = quorvel::with_guides(panel_of(c.key), *outcome_of(c).values, c.g, c.elbows);
    ASSERT_TRUE(run.guides[0].held && run.guides[1].held);
    EXPECT_NEAR(run.M2, run.M1, 1e-6 * std::fabs(run.M1));
    EXPECT_NEAR(run.guides[1].force, run.guides[0].force, 1e-6 * std::fabs(run.guides[0].force));
    EXPECT_NEAR(run.ratios.back(), run.ratios.front(), 1e-6 * run.ratios.front());
  }
}

// A guide a millimetre from its anchor clamps the run there: past it the
// run is the one without guides, and the stub between them, held at both
// ends and turned at the guide only, carries half the moment back to the
// anchor with the opposite sign (the carry-over factor of a propped beam).
TEST(Guides, NextToTheAnchorClampTheRunThere) {
  const Case cases[] = {{"bend", kBend, 20 - 1e-3, std::nullopt},  // L2 is too short for a guide
                        {"bend", kBend, 20 - 1e-3, kLongRadius},
                        {"offset", {"70", "377", "9", "20", "10", "15", "40", "120"}, 20 - 1e-3, std::nullopt}};
  for (const Case& c : cases) {
    const Panel& panel = panel_of(c.key);
    const quorvel::Outcome o = outcome_of(c);
    const GuidedRun run = quorvel::with_guides(panel, *o.values, c.g, c.elbows);
    const std::vector<double> free =
        c.elbows ? quorvel::with_elbows(panel, *o.values, c.elbows->of(o.values->D)).moments : o.values->moments;
    ASSERT_TRUE(run.guides[0].held && !run.guides[1].held) << c.key;
    const double scale = std::fabs(free[0]);
    EXPECT_NEAR(run.guides[0].moment, free[0], 1e-3 * scale) << c.key;
    EXPECT_NEAR(run.M1, -free[0] / 2, 1e-3 * scale) << c.key;
    for (std::size_t j = 1; j < free.size(); ++j) EXPECT_NEAR(run.moments[j], free[j], 1e-3 * scale) << c.key << j;
  }
}

// No leg long enough for its guide: the panel's own texts, or those with elbows.
TEST(Guides, NoneHeldGiveThePanelsTexts) {
  const Case cases[] = {{"bend", kBend, 20, std::nullopt},
                        {"bend", kBend, 20, kLongRadius},
                        {"offset", kOffset, 25, std::nullopt},
                        {"loop", kLoop, 27, kLongRadius},
                        // the elbow reaches past a guide that the sharp corner leaves on the leg
                        {"bend", kBend, 0.5, ElbowRadius{0, 0.6}}};
  const char* unguided[] = {"no guide L1 and L2", "no guide L1 and L2", "no guide L1 and L3", "no guide L1 and L5",
                            "no guide L1 and L2"};
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const Case& c = cases[k];
    const Panel& panel = panel_of(c.key);
    const quorvel::Outcome o = outcome_of(c);
    const auto texts = quorvel::guided_run_texts(panel, quorvel::with_guides(panel, o, c.g, c.elbows), ".");
    const std::vector<std::string> expected =
        c.elbows ? quorvel::elbow_run_texts(panel, quorvel::with_elbows(panel, o, *c.elbows), ".").results : o.results;
    EXPECT_EQ(texts.results, expected) << c.key << " g " << c.g;
    EXPECT_EQ(texts.unguided, unguided[k]) << c.key << " g " << c.g;
    EXPECT_EQ(texts.ratios[0] + texts.ratios[1] + texts.forces[0] + texts.forces[1], "");
  }
  // One leg short: only its cells are empty.
  const Case one{"bend", kBend, 12, std::nullopt};
  const auto texts =
      quorvel::guided_run_texts(panel_of("bend"), quorvel::with_guides(panel_of("bend"), outcome_of(one), 12), ".");
  EXPECT_EQ(texts.unguided, "no guide L2");
  EXPECT_FALSE(texts.ratios[0].empty() || texts.forces[0].empty());
  EXPECT_TRUE(texts.ratios[1].empty() && texts.forces[1].empty());
}

// Worked by hand: legs along x then y; |force along the leg| + μ·w·ℓ.
TEST(Friction, AddsTheSupportsToTheForceAlongEachEndLeg) {
  const std::vector<quorvel::Point> run{{0, 0}, {10, 0}, {10, 5}};
  const struct {
    double w, mu, start, far;
  } rows[] = {{500, 0.3, 1000 + 0.3 * 500 * 10, 200 + 0.3 * 500 * 5}, {0, 0.3, 1000, 200}, {800, 0.1, 1800, 600}};
  for (const auto& r : rows) {
    const quorvel::AnchorLoads loads = quorvel::anchor_loads(run, {1000, 200}, {-1000, -200}, r.w, r.mu);
    EXPECT_NEAR(loads.start, r.start, 1e-9) << r.w << " " << r.mu;
    EXPECT_NEAR(loads.far, r.far, 1e-9) << r.w << " " << r.mu;
  }
}

}  // namespace
