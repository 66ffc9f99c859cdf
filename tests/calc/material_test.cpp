// The material: carbon steel agrees with what the panels form themselves, and
// a second material, written here, reaches every analysis beside the panels
// through that one value. The second one's expectations follow from the frame
// being linear: its reactions, moments and stresses grow with E·I·e, its
// ratios also with 1/[S], its movements with e alone (growth e·y, bending
// M/EI), the hand methods' stresses with E·e and the screen with e.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "panels/equations.h"  // the panels' own formation of E, [S] and e
#include "quorvel/analyses/elbows.h"
#include "quorvel/analyses/hand_methods.h"
#include "quorvel/analyses/installation.h"
#include "quorvel/analyses/material.h"
#include "quorvel/analyses/movements.h"
#include "quorvel/analyses/section.h"
#include "quorvel/analyses/validity.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/analyses/walk.h"
#include "quorvel/panels/panels.h"

namespace {

using quorvel::carbon_steel;
using quorvel::Material;
using quorvel::Values;
using N = quorvel::detail::Checked;

// The same value formed in another order.
constexpr double kSame = 1e-12;

// The table is consistent, and every value the panels form step-checked in
// their own order is the material's, bit for bit, over the whole range.
TEST(Material, CarbonSteelIsWhatThePanelsForm) {
  const Material& steel = carbon_steel();
  ASSERT_GE(steel.table.size(), 2u);
  for (std::size_t k = 0; k < steel.table.size(); ++k) {
    EXPECT_GT(steel.table[k].E, 0);
    EXPECT_GT(steel.table[k].S, 0);
    if (k > 0) {
      EXPECT_LT(steel.table[k - 1].T, steel.table[k].T);
    }
  }
  EXPECT_EQ(steel.range().coldest, -50);
  EXPECT_EQ(steel.range().hottest, 425);
  EXPECT_FALSE(steel.tensile_strength);  // not specified for the panels' steel
  EXPECT_FALSE(steel.source.empty());
  EXPECT_EQ(quorvel::detail::elastic_modulus<N>().value(), steel.reference_E());
  for (int T = -50; T <= 425; ++T) {
    EXPECT_EQ(steel.E(T), steel.reference_E()) << T;  // the panels' E is fixed
    EXPECT_EQ(quorvel::detail::allowable_stress<N>().value(), steel.allowable(T)) << T;
    EXPECT_EQ(quorvel::detail::allowable_stress_loop<N>().value(), steel.allowable(T)) << T;
    EXPECT_EQ(quorvel::detail::expansion<N>(quorvel::Real(T)).value(), steel.expansion(0, T)) << T;
  }
  // Each panel's run carries them, and for carbon steel with_material gives it back.
  for (const quorvel::Panel* panel : quorvel::panels()) {
    const Values run = *quorvel::calculate(*panel, quorvel::default_inputs(*panel), ".").values;
    EXPECT_EQ(run.allowable, steel.allowable(run.T)) << panel->key;
    EXPECT_EQ(run.expansion, steel.expansion(0, run.T)) << panel->key;
    const Values same = quorvel::with_material(run, steel);
    EXPECT_EQ(same.EI, run.EI);
    EXPECT_EQ(same.results, run.results);
  }
  // The texts the notes, the checks and the help quote.
  EXPECT_EQ(steel.modulus_gpa_text(","), "196");
  EXPECT_EQ(steel.allowable_mpa_text(70, ","), "80");
  EXPECT_EQ(steel.law_text, "e = 0.005259·T²/10⁶ + 0.011182·T/1000");
}

// Between its rows a table is straight; beyond its ends it keeps the end rows.
TEST(Material, TableIsStraightBetweenRows) {
  constexpr quorvel::MaterialRow rows[] = {{0, 200e9, 100e6}, {100, 190e9, 90e6}, {300, 170e9, 50e6}};
  const Material m{"table", "this test", rows, 100, [](double T) { return T; }, "e = T"};
  const struct {
    double T, E, S;
  } cases[] = {{-10, 200e9, 100e6}, {0, 200e9, 100e6}, {50, 195e9, 95e6}, {200, 180e9, 70e6}, {400, 170e9, 50e6}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(m.E(c.T), c.E) << c.T;
    EXPECT_DOUBLE_EQ(m.allowable(c.T), c.S) << c.T;
  }
  EXPECT_EQ(m.reference_E(), 190e9);
  EXPECT_EQ(m.range().coldest, 0);
  EXPECT_EQ(m.range().hottest, 300);
  EXPECT_EQ(m.expansion(20, 70), 50);
}

// E one and a half times, [S] half of carbon steel's, and another law.
constexpr quorvel::MaterialRow kOtherRows[] = {{-100, 294e9, 40e6}, {500, 294e9, 40e6}};
double other_law(double T) {
  return 16e-6 * T;
}
const Material kOther{"test steel", "this test", kOtherRows, 20, other_law, "e = 16·T/10⁶", 415e6};

TEST(Material, AnotherReachesEveryAnalysis) {
  const quorvel::Panel& bend = *quorvel::panel_by_key("bend");
  const std::vector<std::string> inputs = quorvel::default_inputs(bend);  // T = 70
  const quorvel::Outcome outcome = quorvel::calculate(bend, inputs, ".");
  const Values& run = *outcome.values;
  const double e = 70 * 0.011182 / 1000 + 4900 * 0.005259 / 1e6, e_other = 16e-6 * 70;
  const double load = 1.5 * e_other / e, ratio = load * 2;  // E·e, and E·e/[S]

  const Values other = quorvel::with_material(run, kOther);
  const double governing = quorvel::judge(run).governing;
  const quorvel::SectionData s = quorvel::section_data(run), s_other = quorvel::section_data(run, kOther);
  const auto installed = quorvel::installed(run, 20, 1, kOther);
  const auto moved = quorvel::movements(run), moved_other = quorvel::movements(run, kOther);
  const auto elbows = quorvel::with_elbows(bend, run, 1.5 * run.D);
  const auto elbows_other = quorvel::with_elbows(bend, run, 1.5 * run.D, 1, kOther);
  const auto hand = quorvel::guided_cantilever(run), hand_other = quorvel::guided_cantilever(run, kOther);
  ASSERT_TRUE(installed && hand && hand_other);
  ASSERT_EQ(moved_other.size(), moved.size());

  const struct {
    const char* what;
    double got, want;
  } scaled[] = {
      {"run: E·I", other.EI, 1.5 * run.EI},
      {"run: e", other.expansion, e_other},
      {"run: [S]", other.allowable, 40e6},
      {"run: Fx", other.Fx, load * run.Fx},
      {"run: S3/[S]", other.results.back(), ratio * run.results.back()},
      {"verdict", quorvel::judge(other).governing, ratio * governing},
      {"section: I", s_other.I, s.I},
      {"section: E·I", s_other.EI, 1.5 * s.EI},
      {"section: growth across", s_other.across, 10 * e_other},
      // e = 16·T/10⁶ leaves (70 − 20)/70 of the expansion installed at 20 ℃
      {"installed: factor", installed->factor, 50.0 / 70},
      {"installed: governing", installed->verdict.governing, 50.0 / 70 * ratio * governing},
      {"movements: dx", moved_other[1].x, moved[1].x * e_other / e},
      {"movements: dy", moved_other[1].y, moved[1].y * e_other / e},
      {"elbows: k", elbows_other.factors.k, elbows.factors.k},
      {"elbows: Fx", elbows_other.Fx, load * elbows.Fx},
      {"elbows: governing", elbows_other.verdict.governing, ratio * elbows.verdict.governing},
      {"cantilever: S of L2", hand_other->stresses[1], load * hand->stresses[1]},
      {"cantilever: governing", hand_other->governing, ratio * hand->governing},
      {"screen", *quorvel::b31_screen(run, kOther), *quorvel::b31_screen(run) * e_other / e},
      {"screen limit", quorvel::panels_screen_limit(run, kOther), 208000 * 40e6 / 294e9},
  };
  for (const auto& c : scaled) EXPECT_NEAR(c.got, c.want, kSame * std::fabs(c.want)) << c.what;

  // Passes: 0.317 with carbon steel, 4.16 times that, 1.32, here.
  EXPECT_TRUE(quorvel::passes(outcome));
  EXPECT_FALSE(quorvel::passes(outcome, 1, kOther));

  // Checks and walks: the material's range, its E and [S].
  std::vector<std::string> cold = inputs;
  cold[0] = "-60";
  EXPECT_EQ(quorvel::check_inputs(bend, cold, ".").size(), 1u);
  EXPECT_TRUE(quorvel::check_inputs(bend, cold, ".", kOther).empty());
  cold[0] = "-101";
  EXPECT_EQ(quorvel::check_inputs(bend, cold, ".", kOther).at(0).numbers,
            (std::vector<std::string>{"-100 ℃", "294 GPa", "40 MPa"}));
  const quorvel::Walk walk = quorvel::search_walk(bend, inputs, 0, ".", kOther);
  EXPECT_EQ(quorvel::plain_text(walk.from, "."), "-100");
  EXPECT_EQ(quorvel::plain_text(walk.to, "."), "500");
}

}  // namespace
