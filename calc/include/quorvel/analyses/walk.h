#pragma once

// One input field of a run walked through a grid of values: FROM,
// FROM ± STEP, FROM ± 2·STEP, … towards TO, formed exactly in decimal so that
// every value's text is what an engineer would type; and the stretches of
// consecutive values at which the run passes, the answer to "how long must L2
// be?" and "how hot may it get?".

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/material.h"
#include "quorvel/panels/panel.h"
#include "quorvel/text/decimal.h"

namespace quorvel {

struct Walk {
  std::string symbol;      // as the panel tables write it: "α", not "alpha"
  Decimal from, to, step;  // step above zero
};

// The values of a walk in order, TO included when it lies on the grid.
class WalkValues {
 public:
  explicit WalkValues(const Walk& walk);
  std::optional<Decimal> next();

 private:
  Decimal next_, to_, step_;  // step_ carries the direction
  bool up_;
};

// Calculates the run `inputs` of `panel` with input `field` taking each value
// of the walk in turn, written plainly with `decimal_point`, and hands each
// value with the outcome there to `visit` until it returns false or the walk
// ends.
using Visit = std::function<bool(const Decimal& value, const Outcome& outcome)>;
void walk_field(const Panel& panel, std::vector<std::string> inputs, std::size_t field, const Walk& walk,
                std::string_view decimal_point, const Visit& visit);

// Consecutive values of a walk at which the inputs describe a pipe
// (describes_a_pipe) and the run passes (quorvel::passes):
// the first and the last of them in walk order.
struct Stretch {
  Decimal from, to;
};

// Gathers the stretches of a walk from its values in order.
class Stretches {
 public:
  void add(const Decimal& value, bool passes);
  const std::vector<Stretch>& found() const noexcept { return found_; }
  // A value after the last stretch did not pass.
  bool closed() const noexcept { return !found_.empty() && !open_; }

 private:
  std::vector<Stretch> found_;
  bool open_ = false;
};

// Every stretch of the walk at which the run passes the target with the material.
std::vector<Stretch> passing_stretches(const Panel& panel, std::vector<std::string> inputs, std::size_t field,
                                       const Walk& walk, std::string_view decimal_point, double target = 1,
                                       const Material& material = carbon_steel());

// The passing value nearest to `current`: `current` itself when it lies within
// a stretch, else the nearer end of the nearest stretch (the lower value when
// two are as near); nothing without stretches.
std::optional<Decimal> nearest_passing(std::span<const Stretch> stretches, const Decimal& current);

// The values the window searches for a field of a run, from the run's current
// texts: T over the material's range by 1 (−50 to 425 ℃); a length from 0.1 m to four times the
// longest length of the run (the field's own included, at least 1 m) by
// 0.1 m; D from half to twice its value and t from 0.1 mm to the smaller of
// four times its value and half of D, by 0.1 mm; angles from 1° to 179° by 1°.
// A text that is no number counts as the field's default.
Walk search_walk(const Panel& panel, std::span<const std::string> inputs, std::size_t field,
                 std::string_view decimal_point, const Material& material = carbon_steel());

}  // namespace quorvel
