#pragma once

// A run installed (anchored) at T0 instead of 0 ℃. Every reaction, moment
// and stress of these frames is proportional to the free expansion, so the
// run installed at T0 is the shown run times (e(T) − e(T0)) / e(T), exactly.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/panels/panel.h"
#include "quorvel/analyses/verdict.h"

namespace quorvel {

// The installation temperature the note and the sheet assume unless told.
inline constexpr double kInstalledAt = 20;

// The free expansion per metre of pipe at T ℃, the panels' law.
double free_expansion(double T) noexcept;

struct Installed {
  double factor;    // (e(T) − e(T0)) / e(T)
  Values values;    // the run's values times the factor
  Verdict verdict;  // judged on the scaled stresses
};

// Not defined where e(T) = 0 (nothing to scale) or not finite.
std::optional<Installed> installed(const Values& run, double T0, double target = 1);

// The delivered results of `values` in the panel's displays: tenths for the
// forces and moments, two-decimal ratios for the stresses.
std::vector<std::string> result_texts(const Panel& panel, const Values& values, std::string_view decimal_point);

}  // namespace quorvel
