// What a checker redoes by hand before signing, for the default runs,
// against values worked by hand from the rules as written:
//   e(70) = 70²·0.005259/10⁶ + 70·0.011182/1000 = 8.085091·10⁻⁴
//   e(20) = 20²·0.005259/10⁶ + 20·0.011182/1000 = 2.257436·10⁻⁴
//   installed at 20 ℃: (e(70) − e(20)) / e(70) = 0.72079; 0.31738 × 0.72079 = 0.22876
//   377 × 9: I = π·(0.377⁴ − 0.359⁴)/64 = 1.76240·10⁻⁴ m⁴, Z = I/0.1885 = 9.3496·10⁻⁴ m³,
//            EI = 1.96·10¹¹·I = 3.45431·10⁷ N·m²
//   bend 20 m + 10 m at 90°: U = √(20² + 10²) = 22.3607 m, L = 30 m,
//            y = e(70)·U = 18.0788 mm, D·y/(L − U)² = 377·18.0788/7.63932² = 116.789,
//            208 000·80/196 000 = 84.898;
//            guided cantilever: L2 takes e·20 = 16.170 mm, S = 3·E·D·Δ/L2² = 35.845 MPa,
//            0.44807 of [S]; L1 takes e·10 over 20 m, 4.481 MPa.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "quorvel/analyses/elbows.h"
#include "quorvel/analyses/hand_methods.h"
#include "quorvel/analyses/installation.h"
#include "quorvel/analyses/movements.h"
#include "quorvel/analyses/section.h"
#include "quorvel/panels/panels.h"

namespace {

const quorvel::Panel& bend = *quorvel::panel_by_key("bend");

quorvel::Values run_of(const quorvel::Panel& panel, const std::string& T = "70") {
  auto inputs = quorvel::default_inputs(panel);
  inputs[*quorvel::input_index(panel, "T")] = T;
  return *quorvel::calculate(panel, inputs, ".").values;
}

TEST(Installation, ScalesTheRunByTheExpansionLeft) {
  EXPECT_NEAR(quorvel::carbon_steel().expansion(0, 70), 8.085091e-4, 1e-15);
  EXPECT_NEAR(quorvel::carbon_steel().expansion(0, 20), 2.257436e-4, 1e-15);
  const quorvel::Values run = run_of(bend);
  const auto at20 = quorvel::installed(run, 20);
  ASSERT_TRUE(at20);
  EXPECT_NEAR(at20->factor, 0.720790, 1e-6);
  EXPECT_NEAR(at20->verdict.governing, 0.22876, 1e-5);
  EXPECT_EQ(quorvel::ratio_text(at20->factor, "."), "0.721");
  EXPECT_EQ(quorvel::ratio_text(at20->verdict.governing, "."), "0.229");
  EXPECT_FALSE(at20->verdict.exceeds);
  EXPECT_EQ(at20->verdict.points, std::vector<int>{3});
  EXPECT_NEAR(at20->values.M1, run.M1 * 0.720790, 1e-6 * run.M1);

  // Installed at 0 ℃ is the run as shown; installed at its own temperature, nothing is left.
  const auto at0 = quorvel::installed(run, 0);
  ASSERT_TRUE(at0);
  EXPECT_EQ(at0->factor, 1);
  EXPECT_EQ(quorvel::installed(run, 70)->verdict.governing, 0);
  // At 0 ℃ there is no expansion to scale.
  EXPECT_FALSE(quorvel::installed(run_of(bend, "0"), 20));
}

// The analyses beside the panel count from T0. From 20 ℃ the default bend
// grows e(70) − e(20) = 5.827655·10⁻⁴: the bend point moves 20·that =
// 11.6553 mm along L1 and −10·that = −5.8277 mm across, the screen is
// 377·(0.5827655·22.3607)/7.63932² = 84.18; at 0 ℃ (e(T) = 0, taken through
// the same frame at 100 ℃) the run pulls: −4.5149 and +2.2574 mm, screen
// 32.61. Elbows re-solve the frame from its growth, so theirs scale too.
TEST(Installation, CountsTheAnalysesFromT0) {
  const struct {
    std::string T;
    double T0, dx, dy, screen;
  } cases[] = {
      {"70", 20, 11.6553e-3, -5.8277e-3, 84.18},
      {"0", 20, -4.5149e-3, 2.2574e-3, 32.61},
      {"70", 0, 16.1702e-3, -8.0851e-3, 116.79},
  };
  for (const auto& c : cases) {
    auto inputs = quorvel::default_inputs(bend);
    inputs[0] = c.T;
    const auto outcome = quorvel::calculate(bend, inputs, ".");
    const auto from = quorvel::counted_from(bend, inputs, outcome, c.T0, ".");
    ASSERT_TRUE(from) << c.T;
    const auto moved = quorvel::movements(*from);
    ASSERT_EQ(moved.size(), 3u);
    EXPECT_NEAR(moved[1].x, c.dx, 1e-7) << c.T << " " << c.T0;
    EXPECT_NEAR(moved[1].y, c.dy, 1e-7) << c.T << " " << c.T0;
    EXPECT_NEAR(quorvel::b31_screen(*from).value_or(0), c.screen, 0.01) << c.T << " " << c.T0;
  }
  const quorvel::Values run = run_of(bend);
  const double factor = 5.827655e-4 / 8.085091e-4;
  const auto elbows = [](const quorvel::Values& v) { return quorvel::with_elbows(bend, v, 1.5 * v.D); };
  EXPECT_NEAR(elbows(*quorvel::counted_from(run, 20)).Fx, factor * elbows(run).Fx, 1e-6 * std::fabs(elbows(run).Fx));
  EXPECT_EQ(quorvel::counted_from(run, 0)->moments, run.moments);
  EXPECT_FALSE(quorvel::counted_from(run_of(bend, "0"), 20));
}

// The scaled results come out in the same displays as the run's own texts.
TEST(Installation, ShowsResultsAsThePanelDoes) {
  for (const quorvel::Panel* panel : quorvel::panels()) {
    const auto outcome = quorvel::calculate(*panel, quorvel::default_inputs(*panel), ",");
    EXPECT_EQ(quorvel::result_texts(*panel, *outcome.values, ","), outcome.results) << panel->key;
  }
}

TEST(SectionData, OfTheDefaultBend) {
  const quorvel::SectionData s = quorvel::section_data(run_of(bend));
  EXPECT_NEAR(s.I, 1.76240e-4, 1e-9);
  EXPECT_NEAR(s.Z, 9.3496e-4, 1e-8);
  EXPECT_NEAR(s.EI, 3.45431e7, 1e2);
  EXPECT_NEAR(s.across, 10 * 8.085091e-4, 1e-12);
  EXPECT_NEAR(s.along, 20 * 8.085091e-4, 1e-12);
  EXPECT_NEAR(s.anchors, 22.36068, 1e-5);
  EXPECT_NEAR(s.developed, 30, 1e-12);
}

TEST(HandMethods, OfTheDefaultBend) {
  const quorvel::Values run = run_of(bend);
  EXPECT_NEAR(*quorvel::b31_screen(run), 116.789, 1e-3);
  EXPECT_NEAR(quorvel::panels_screen_limit(run), 84.898, 1e-3);
  const auto hand = quorvel::guided_cantilever(run);
  ASSERT_TRUE(hand);
  ASSERT_EQ(hand->stresses.size(), 2u);
  EXPECT_NEAR(hand->stresses[0], 4.481e6, 1e3);
  EXPECT_NEAR(hand->stresses[1], 35.845e6, 1e3);
  EXPECT_NEAR(std::fabs(hand->deflections[1]), 0.016170, 1e-6);
  EXPECT_NEAR(hand->governing, 0.44807, 1e-5);
  EXPECT_NEAR(hand->exact_over_hand.value(), 0.31738 / 0.44807, 1e-4);
}

// The same values as the note and quorvel-batch write them, with a decimal
// comma; k = 10.976 and i = 3.183 for long-radius elbows on 377 × 9
// (tests/frame/elbows_test.cpp); the legs stiff along themselves, the bend
// moves by e·L1 = 16.17 mm along L1 and by −e·L2 = −8.09 mm across it.
TEST(CheckerTexts, OfTheDefaultBend) {
  const quorvel::Values run = run_of(bend);
  const quorvel::InstalledTexts at20 = quorvel::installed_texts(bend, *quorvel::installed(run, 20), ",");
  const quorvel::HandMethodTexts hand = quorvel::hand_method_texts(run, ",");
  const quorvel::ElbowRunTexts elbows =
      quorvel::elbow_run_texts(bend, quorvel::with_elbows(bend, run, 1.5 * run.D), ",");
  const auto moved = quorvel::bend_point_texts(quorvel::movements(run), ",");
  ASSERT_EQ(moved.size(), 1u);
  const struct {
    std::string got, want;
  } texts[] = {
      {at20.expansion_at_T, "0,8085091"},
      {at20.expansion_at_T0, "0,2257436"},
      {at20.factor, "0,721"},
      {at20.governing, "0,229"},
      {std::string(at20.verdict), "passes"},
      {hand.screen.value_or(""), "116,8"},
      {hand.panels_limit, "84,9"},
      {hand.cantilever.value_or(""), "0,448"},
      {hand.exact_over_hand, "0,71"},
      {elbows.k, "11,0"},
      {elbows.i, "3,18"},
      {elbows.k_cell, "10,98"},
      {elbows.i_cell, "3,18"},
      {moved[0].dx, "16,2"},
      {moved[0].dy, "-8,1"},
      {quorvel::expansion_text(8.085091e-4, ","), "0,8085091"},
      {quorvel::temperature_text(20, ","), "20"},
      {quorvel::temperature_text(20.5, ","), "20,5"},
      {quorvel::temperature_text(-7.25, "."), "-7.25"},
  };
  for (const auto& t : texts) EXPECT_EQ(t.got, t.want);
  EXPECT_EQ(at20.results.size(), bend.results.size());
  EXPECT_TRUE(hand.within_K1);
  EXPECT_FALSE(hand.within_panels_limit);
  EXPECT_TRUE(quorvel::bend_point_texts({}, ",").empty());
}

// A straight run has no slack for the screen, no leg across its growth and
// no bend to move.
TEST(HandMethods, AreNotDefinedForAStraightRun) {
  auto inputs = quorvel::default_inputs(bend);
  inputs[*quorvel::input_index(bend, "α")] = "180";
  const auto outcome = quorvel::calculate(bend, inputs, ".");
  ASSERT_TRUE(outcome.values);
  EXPECT_FALSE(quorvel::b31_screen(*outcome.values));
  EXPECT_FALSE(quorvel::guided_cantilever(*outcome.values));
  EXPECT_TRUE(quorvel::movements(*outcome.values).empty());
}

}  // namespace
