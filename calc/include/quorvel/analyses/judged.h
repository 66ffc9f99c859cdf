#pragma once

// What a walk judges each run by (quorvel-batch's --solve, --ranges and
// --sweep, and the window's pass finder): the code check when one is given,
// on the frame its guides and elbows describe; else the run with guides, with
// elbows when they are given; else the run with elbows; else the panel's own
// ratios. The runs beside the panel count from the installation when one is
// given.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "quorvel/analyses/code_check.h"
#include "quorvel/analyses/elbows.h"
#include "quorvel/panels/panel.h"

namespace quorvel {

struct Judging {
  std::optional<CodeSettings> code;   // with its own T0, elbows and guides
  std::optional<double> installed;    // T0, ℃; none: from 0 ℃, as the panel's results
  std::optional<double> guides;       // g, m from the bends
  std::optional<ElbowRadius> elbows;  // none: sharp corners
  double target = 1;                  // the highest ratio that passes
};

enum class JudgedBy { code, guides, elbows, installed, panel };
JudgedBy judged_by(const Judging& judging) noexcept;

// The governing unrounded ratio of the run that judges: SE/SA, or |M|/Z/[S]
// over its points (and guides). NaN where the inputs describe no pipe or that
// run has no answer; a run passes where this is at most the target.
double judged_ratio(const Panel& panel, std::span<const std::string> inputs, const Outcome& outcome,
                    const Judging& judging, std::string_view decimal_point);

}  // namespace quorvel
