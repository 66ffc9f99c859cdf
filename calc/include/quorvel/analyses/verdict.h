#pragma once

// The one rule by which a run passes or exceeds: taken from the unrounded
// stresses, never from the shown ratios.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/material.h"
#include "quorvel/panels/panel.h"

namespace quorvel {

struct Verdict {
  double governing = 0;     // the largest |σ|/[S] over the panel's points
  std::vector<int> points;  // every point where it occurs, point 1 first
  bool exceeds = false;     // governing above the target
};

// Ratios within this share of the governing one occur there too: a
// symmetric run's equal stresses differ in the last digits where the
// calculation takes another value of π.
inline constexpr double kSameRatio = 1e-6;

Verdict judge(const Values& values, double target = 1);
// The same rule over ratios formed elsewhere, point 1 first.
Verdict judge(std::span<const double> ratios, double target = 1);

// A run passes when its calculation did not fail and its governing ratio
// with the material (with_material) is at most the target.
bool passes(const Outcome& outcome, double target = 1, const Material& material = carbon_steel());

// |σ|/[S] at each point of the run, point 1 first.
std::vector<double> ratios(const Values& values);

// A ratio as the notes and quorvel-batch give it: three decimals, rounded to
// nearest from the unrounded value.
std::string ratio_text(double ratio, std::string_view decimal_point);
// The governing stress in MPa with two decimals, as a verdict quotes it
// beside [S] (`allowable`, Pa): "25.39".
std::string governing_stress_text(const Verdict& verdict, double allowable, std::string_view decimal_point);
// [S] (`allowable`, Pa) in MPa, as a verdict quotes it: "80".
std::string allowable_mpa_text(double allowable, std::string_view decimal_point);
// quorvel-batch's word for a verdict: "passes" or "exceeds".
std::string_view verdict_word(const Verdict& verdict) noexcept;
// Its word for every verdict of a run whose inputs describe no pipe
// (describes_a_pipe, validity.h), the governing ratio's cell left empty.
inline constexpr std::string_view kInvalid = "invalid";

// For a chart of a walk: the governing ratio of one run with the material,
// NaN where the calculation failed.
double governing_ratio(const Outcome& outcome, const Material& material = carbon_steel());
// Each ratio result of the panel in result order, unrounded, as a magnitude;
// NaN where the run failed or the ratio is not finite.
std::vector<double> result_ratios(const Panel& panel, const Outcome& outcome);

}  // namespace quorvel
