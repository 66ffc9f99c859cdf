#pragma once

// A run installed (anchored) at T0 instead of 0 ℃. Every reaction, moment
// and stress of these frames is proportional to the free expansion, so the
// run installed at T0 is the shown run times (e(T) − e(T0)) / e(T), exactly.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/material.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/panel.h"

namespace quorvel {

// The installation temperature the note and the sheet assume unless told.
inline constexpr double kInstalledAt = 20;

struct Installed {
  double factor;           // (e(T) − e(T0)) / e(T)
  Values values;           // the run's values times the factor
  Verdict verdict;         // judged on the scaled stresses
  double expansion_at_T;   // e(T) from 0 ℃, m/m
  double expansion_at_T0;  // e(T0)
};

// Not defined where e(T) = 0 (nothing to scale) or not finite. e and the
// run are the material's (with_material).
std::optional<Installed> installed(const Values& run, double T0, double target = 1,
                                   const Material& material = carbon_steel());

// The basis of every analysis beside the panel (movements, hand methods,
// elbows): the run counted from T0, as the panel would have formed it for a
// pipe installed at T0. Its reactions, moments, stresses, results and growth
// are the run's times (e(T) − e(T0)) / e(T) with the panel's own law, signed
// (a run colder than T0 pulls), its expansion e(T) − e(T0) and installed_at
// T0, so that with_material gives any material's run from T0 too. T0 = 0
// gives the run itself. Not defined where e(T) = 0 or not finite.
std::optional<Values> counted_from(const Values& run, double T0);
// The same for a panel's outcome with its input texts: where the run's own
// e(T) is 0 (T = 0 ℃) the same inputs computed at 100 ℃ are scaled to T, so
// that a walk of T crosses 0 ℃. None where the calculation failed.
std::optional<Values> counted_from(const Panel& panel, std::span<const std::string> inputs, const Outcome& outcome,
                                   double T0, std::string_view decimal_point);

// The delivered results of `values` in the panel's displays: tenths for the
// forces and moments, two-decimal ratios for the stresses.
std::vector<std::string> result_texts(const Panel& panel, const Values& values, std::string_view decimal_point);

// An installation temperature as the note names it: "20", "20.5", at most
// two decimals.
std::string temperature_text(double T0, std::string_view decimal_point);

// The values of an installed run as the note and quorvel-batch write them.
struct InstalledTexts {
  std::string expansion_at_T, expansion_at_T0;  // mm/m with seven decimals
  std::string factor;                           // three decimals
  std::vector<std::string> results;             // one for each of the panel's results (result_texts)
  std::string governing;                        // three decimals
  std::string_view verdict;                     // "passes" or "exceeds"
};
InstalledTexts installed_texts(const Panel& panel, const Installed& installed, std::string_view decimal_point);

}  // namespace quorvel
