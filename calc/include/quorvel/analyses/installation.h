#pragma once

// A run installed (anchored) at T0 instead of 0 ℃. Every reaction, moment
// and stress of these frames is proportional to the free expansion, so the
// run installed at T0 is the shown run times (e(T) − e(T0)) / e(T), exactly.

#include <optional>
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
