#include "quorvel/analyses/walk.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "quorvel/analyses/elbows.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/panels.h"

namespace {

using quorvel::Decimal;

Decimal decimal(const std::string& text) {
  return *quorvel::parse_decimal(text, ".");
}

std::string text(const Decimal& d) {
  return quorvel::plain_text(d, ".");
}

// "FROM..TO" of each stretch.
std::vector<std::string> texts(const std::vector<quorvel::Stretch>& stretches) {
  std::vector<std::string> out;
  for (const auto& s : stretches) out.push_back(text(s.from) + ".." + text(s.to));
  return out;
}

quorvel::Walk walk(const char* symbol, const char* from, const char* to, const char* step) {
  return {symbol, decimal(from), decimal(to), decimal(step)};
}

// Expected stretches from the independent reference (tests/reference) and
// from the rules: the DN300 bend's S3 is 1.0023 [S] at L2 = 8.5 m and 0.985
// at 8.6 m, its S1 0.998 at 28.7 m and 1.0005 at 28.8 m; the ratios of the
// default bend do not depend on the wall (M grows with I as σ = M·D/2I
// shrinks with it), no wall at all overflows, and a wall of 0 or less or of
// half the diameter (377/2 = 188.5 mm) or more describes no pipe.
TEST(PassingStretches, AreTheConsecutiveValuesThatPass) {
  const quorvel::Panel& bend = *quorvel::panel_by_key("bend");
  const std::vector<std::string> dn300 = {"250", "323.9", "8", "12", "10", "90"};
  struct Case {
    const char* what;
    std::vector<std::string> inputs;
    quorvel::Walk walk;
    double target;
    std::vector<std::string> stretches;
  };
  for (const Case& c : std::vector<Case>{
           {"both ends of L2", dn300, walk("L2", "0.5", "40", "0.1"), 1, {"8.6..28.7"}},
           {"walked downwards", dn300, walk("L2", "40", "0.5", "0.1"), 1, {"28.7..8.6"}},
           {"never passes", dn300, walk("L2", "0.5", "40", "0.1"), 0.1, {}},
           {"passes everywhere", quorvel::default_inputs(bend), walk("t", "0.5", "20", "0.5"), 1, {"0.5..20"}},
           {"across a failure and no pipe", quorvel::default_inputs(bend), walk("t", "-1", "1", "0.5"), 1, {"0.5..1"}},
           {"up to a solid bar", quorvel::default_inputs(bend), walk("t", "187.5", "189", "0.5"), 1, {"187.5..188"}},
           {"every value fails", {"70", "377", "9", "abc", "10", "90"}, walk("L2", "1", "2", "0.5"), 1, {}},
       }) {
    const std::size_t field = *quorvel::input_index(bend, c.walk.symbol);
    EXPECT_EQ(texts(quorvel::passing_stretches(bend, c.inputs, field, c.walk, ".", c.target)), c.stretches) << c.what;
  }
}

TEST(PassingStretches, GatherInWalkOrder) {
  struct Case {
    std::vector<bool> passes;  // at the values 1, 2, 3, …
    std::vector<std::string> stretches;
    bool closed;
  };
  for (const Case& c : std::vector<Case>{
           {{}, {}, false},
           {{false, false}, {}, false},
           {{true}, {"1..1"}, false},
           {{true, true, false}, {"1..2"}, true},
           {{false, true, false, true, true}, {"2..2", "4..5"}, false},
       }) {
    quorvel::Stretches stretches;
    for (std::size_t i = 0; i < c.passes.size(); ++i) stretches.add(decimal(std::to_string(i + 1)), c.passes[i]);
    EXPECT_EQ(texts(stretches.found()), c.stretches);
    EXPECT_EQ(stretches.closed(), c.closed);
  }
}

TEST(PassingStretches, NearestPassingValue) {
  const std::vector<quorvel::Stretch> two = {{decimal("8.6"), decimal("28.7")}, {decimal("40"), decimal("35")}};
  struct Case {
    const char* current;
    const char* nearest;
  };
  for (const Case& c : std::vector<Case>{
           {"10", "10"},
           {"8.6", "8.6"},
           {"3", "8.6"},
           {"30", "28.7"},
           {"36.2", "36.2"},
           {"50", "40"},
           {"31.85", "28.7"},  // as near to 28.7 as to 35: the lower
       }) {
    EXPECT_EQ(text(*quorvel::nearest_passing(two, decimal(c.current))), c.nearest) << c.current;
  }
  EXPECT_FALSE(quorvel::nearest_passing({}, decimal("1")));
}

// The window's search ranges for the default bend: lengths up to four times
// its longest leg, L1 = 20 m (also when a leg's text is no number), D from
// half to twice 377 mm, t up to four times 9 mm.
TEST(SearchWalk, FitsTheField) {
  const quorvel::Panel& bend = *quorvel::panel_by_key("bend");
  const auto range = [&](std::vector<std::string> inputs, std::size_t field) {
    const quorvel::Walk w = quorvel::search_walk(bend, inputs, field, ".");
    return w.symbol + "=" + text(w.from) + ":" + text(w.to) + ":" + text(w.step);
  };
  const auto defaults = quorvel::default_inputs(bend);
  EXPECT_EQ(range(defaults, 0), "T=-50:425:1");
  EXPECT_EQ(range(defaults, 1), "D=188.5:754:0.1");
  EXPECT_EQ(range(defaults, 2), "t=0.1:36:0.1");
  EXPECT_EQ(range(defaults, 4), "L2=0.1:80:0.1");
  EXPECT_EQ(range({"70", "377", "9", "x", "30.02", "90"}, 3), "L1=0.1:120.1:0.1");
  EXPECT_EQ(range({"70", "377", "9", "0.1", "0.1", "90"}, 3), "L1=0.1:4:0.1");
  EXPECT_EQ(range({"70", "377", "90", "20", "10", "90"}, 2), "t=0.1:188.5:0.1");
  EXPECT_EQ(range(defaults, 5), "α=1:179:1");
  EXPECT_EQ(range({"70", "377", "9", "20", "1E9", "90"}, 4), "L2=0.1:5000:0.1");  // at most 50,000 values
}

// The loop walked whole. The DN200 loop at 180 ℃ between anchors 60 m
// apart, 6 m wide: walked by hand in steps of 0.01 m with both legs set, its
// height first passes at 4.13 m with sharp corners and at 5.82 m with
// long-radius elbows (4.13 m gives 1.505 there).
const std::vector<std::string> kDn200Loop = {"180", "219.1", "6.35", "27", "6", "6", "6", "27", "60", "90", "90"};

TEST(WholeLoop, FirstPassingHeight) {
  const quorvel::Panel& loop = *quorvel::panel_by_key("loop");
  for (const auto& [times_D, first] : {std::pair{0.0, "4.13"}, {1.5, "5.82"}}) {
    std::string found;
    quorvel::walk_run(loop, kDn200Loop, walk("H", "2", "10", "0.01"), ".", [&](const quorvel::WalkStep& step) {
      const bool pass = times_D > 0 ? quorvel::passes(quorvel::with_elbows(loop, step.outcome, {times_D, 0}))
                                    : quorvel::passes(step.outcome);
      if (pass) found = text(step.value);
      return !pass;
    });
    EXPECT_EQ(found, first) << times_D;
  }
}

// L1 and L5 by hand: W = 5 gives each back 0.5 m; L2 tilted by α = 120°
// reaches sin 30° = 0.5 per metre (0.49999998 with the panel's π, half of it
// rounded to the micrometre), so H = 8 takes 0.5 m from each; back at the
// row's own width they are as typed; a value that leaves them below 0 is not
// run. Each case's last value.
TEST(WholeLoop, LevelLegsGiveUpHalfTheReach) {
  const quorvel::Panel& loop = *quorvel::panel_by_key("loop");
  struct Case {
    std::vector<std::string> inputs;
    quorvel::Walk walk;
    std::vector<std::string> L1_to_L5;
    std::string negative_leg;
  };
  std::vector<std::string> tilted = kDn200Loop;
  tilted[9] = "120";
  const std::string beyond = "1" + std::string(400, '0');  // no double: the level legs stay, the run overflows
  std::vector<std::string> uneven = kDn200Loop;
  uneven[6] = "4.5";  // L4
  uneven[7] = "26";   // L5
  for (const Case& c : std::vector<Case>{
           {kDn200Loop, walk("W", "5", "5", "1"), {"27.5", "6", "5", "6", "27.5"}, ""},
           {kDn200Loop, walk("W", "5", "6", "1"), {"27", "6", "6", "6", "27"}, ""},
           {kDn200Loop, walk("H", "8", "8", "1"), {"27", "8", "6", "8", "27"}, ""},
           {tilted, walk("H", "8", "8", "1"), {"26.5", "8", "6", "8", "26.5"}, ""},
           {tilted, walk("H", "1E400", "1E400", "1"), {"27", beyond, "6", beyond, "27"}, ""},
           {uneven, walk("W", "60", "60", "1"), {"0", "6", "60", "4.5", "-1"}, "L5"},
           {kDn200Loop, walk("W", "61", "61", "1"), {"-0.5", "6", "61", "6", "-0.5"}, "L1 and L5"},
       }) {
    std::vector<std::string> L1_to_L5;
    quorvel::walk_run(loop, c.inputs, c.walk, ".", [&](const quorvel::WalkStep& step) {
      L1_to_L5.assign(step.inputs.begin() + 3, step.inputs.begin() + 8);
      EXPECT_EQ(step.negative_leg, c.negative_leg);
      EXPECT_EQ(step.outcome.values || step.outcome.failure, c.negative_leg.empty());  // run, or refused
      return true;
    });
    EXPECT_EQ(L1_to_L5, c.L1_to_L5);
  }
}

// Wherever the legs lean, the far anchor stays where the row put it: the run's
// last point (the panel's own geometry) moves by no more than the rounding to
// the micrometre and the single-precision L1.
TEST(WholeLoop, KeepsTheAnchorsWhereTheyAre) {
  const quorvel::Panel& loop = *quorvel::panel_by_key("loop");
  for (const auto& [alpha, beta, walked] :
       {std::tuple{"90", "90", "W"}, {"120", "100", "H"}, {"75", "110", "H"}, {"130", "95", "W"}}) {
    std::vector<std::string> inputs = kDn200Loop;
    inputs[9] = alpha;
    inputs[10] = beta;
    const double far = quorvel::calculate(loop, inputs, ".").values->run.back().x;
    int runs = 0;
    quorvel::walk_run(loop, inputs, walk(walked, "2", "20", "0.7"), ".", [&](const quorvel::WalkStep& step) {
      ++runs;
      EXPECT_NEAR(step.outcome.values->run.back().x, far, 1e-5) << alpha << " " << beta << " " << walked;
      return true;
    });
    EXPECT_EQ(runs, 26);
  }
}

TEST(WholeLoop, OnlyTheLoopHasOne) {
  for (const quorvel::Panel* panel : quorvel::panels())
    for (const char* symbol : {"H", "W"})
      EXPECT_EQ(quorvel::walked(*panel, symbol).has_value(), panel->key == "loop") << panel->key << symbol;
  const quorvel::Panel& loop = *quorvel::panel_by_key("loop");
  EXPECT_EQ(quorvel::walked(loop, "H")->changes, (std::vector<std::size_t>{3, 4, 6, 7}));
  EXPECT_EQ(quorvel::walked(loop, "W")->field, 5u);
  EXPECT_EQ(quorvel::walked(loop, "L4")->changes, std::vector<std::size_t>{6});
}

}  // namespace
