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

// The loop walked whole, beside its fields: its height H (L2 and L4 both
// set to the value; its current value is L2's) and its width W (L3). For
// both, L1 and L5 each give up half of what the loop gains along the level
// legs from point 2 to point 5 (L2·sin θ + L3 + L4·sin φ, as the panel forms
// θ and φ), so that the anchors stay where they are and L still matches;
// exactly in decimal with square corners and for W, else to the micrometre.
// A value that would leave L1 or L5 below 0 has no run and does not pass.
inline constexpr std::string_view kLoopHeight = "H", kLoopWidth = "W";

// What a walk of `symbol` moves in `panel`: the field whose text is the
// walk's current value, its unit, and every field whose text it changes, in
// read order. Nothing when the panel has no such field (H and W: the loop).
struct Walked {
  std::size_t field;
  std::string_view unit;
  std::vector<std::size_t> changes;
};
std::optional<Walked> walked(const Panel& panel, std::string_view symbol);

// One value of a walk: the run's input texts there and its outcome; or,
// when the value would make `negative_leg` ("L1", "L5", "L1 and L5") shorter than
// 0, an empty outcome (no run, it does not pass).
struct WalkStep {
  const Decimal& value;
  const std::vector<std::string>& inputs;
  const Outcome& outcome;
  std::string_view negative_leg;
};
using StepVisit = std::function<bool(const WalkStep& step)>;

// walk_field for any walk of `panel` (a field, or H and W of the loop: see
// walked), handing each value to `visit` until it returns false or the walk
// ends. A loop whose L1, L5, α, β or walked legs hold a text that is no
// number keeps L1 and L5 as they are (so does a value beyond the doubles with
// tilted legs): its run fails as the row does.
void walk_run(const Panel& panel, std::vector<std::string> inputs, const Walk& walk, std::string_view decimal_point,
              const StepVisit& visit);

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
