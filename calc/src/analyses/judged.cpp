#include "quorvel/analyses/judged.h"

#include <limits>

#include "quorvel/analyses/guides.h"
#include "quorvel/analyses/installation.h"
#include "quorvel/analyses/validity.h"
#include "quorvel/analyses/verdict.h"

namespace quorvel {

JudgedBy judged_by(const Judging& judging) noexcept {
  return judging.code        ? JudgedBy::code
         : judging.guides    ? JudgedBy::guides
         : judging.elbows    ? JudgedBy::elbows
         : judging.installed ? JudgedBy::installed
                             : JudgedBy::panel;
}

double judged_ratio(const Panel& panel, std::span<const std::string> inputs, const Outcome& outcome,
                    const Judging& judging, std::string_view decimal_point) {
  constexpr double none = std::numeric_limits<double>::quiet_NaN();
  if (!describes_a_pipe(panel, inputs, decimal_point)) return none;
  if (judging.code) {
    const CodeCheck check = code_check(panel, outcome, *judging.code, judging.target);
    return check.unavailable.empty() ? check.governing : none;
  }
  // The code check takes its own basis; the others count from T0 when given.
  Outcome based{{}, outcome.failure, {}};
  if (judging.installed) based.values = counted_from(panel, inputs, outcome, *judging.installed, decimal_point);
  const Outcome& run = judging.installed ? based : outcome;
  if (judging.guides) return governing_ratio(with_guides(panel, run, *judging.guides, judging.elbows, judging.target));
  return judging.elbows ? governing_ratio(with_elbows(panel, run, *judging.elbows, judging.target))
                        : governing_ratio(run);
}

}  // namespace quorvel
