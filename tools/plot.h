#pragma once

// The chart of --plot: every stress ratio of one row's panel against the
// swept field, as a plain SVG 1.1 document that browsers and office programs
// open.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/walk.h"
#include "quorvel/panels/panels.h"
#include "quorvel/text/decimal.h"

namespace quorvel::batch {

// What judges a walk when not the panel's own ratios: named in the chart's
// title ("the code check (ASME B31.3-2018)"), its governing ratio drawn as a
// series of its own ("SE/SA, the code check (ASME B31.3-2018)"), the ratio
// axis's title naming it where it is no S/[S] (", and the code's SE/SA").
// Empty: the panel's ratios judge, and the chart shows them alone.
struct Judged {
  std::string what, series, axis;
};

class Plot {
 public:
  // The row being swept: its panel, its input texts and the walk, with the
  // fields it moves, and what judges it.
  void start(const Panel& panel, std::span<const std::string> inputs, const Walk& walk, const Walked& moved,
             const Judged& judged = {});
  // One value of the sweep and the run it gave: its unrounded ratios, none
  // where the calculation failed, and the ratio that judges it (NaN where it
  // has no answer).
  void add(const Decimal& value, const Outcome& outcome, double judged);
  bool empty() const noexcept { return x_.empty(); }

  std::string svg(const Decimal& target, std::string_view decimal_point) const;

 private:
  const Panel* panel_ = nullptr;
  std::string row_;                  // "T = 70, D = 377, …" without the swept fields
  std::string symbol_, unit_;        // of the walk
  std::vector<std::size_t> ratios_;  // result indices of the ratios
  std::vector<double> x_;
  std::vector<std::vector<std::optional<double>>> y_;  // per ratio, per value; empty where it failed
  Judged judged_;
  std::vector<std::optional<double>> judged_y_;  // per value; empty where it has no answer
};

}  // namespace quorvel::batch
