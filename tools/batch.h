#pragma once

// The work of quorvel-batch on one input: every valid row calculated and
// written out, every invalid one reported.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "quorvel/decimal.h"
#include "walk.h"

namespace quorvel::batch {

class Plot;

// What to do with each row's field F besides calculating the row once.
enum class WalkMode {
  solve,   // the first value of the walk at which every ratio is at most the target, and where that stops
  sweep,   // one output row per value
  ranges,  // every stretch of values at which every ratio is at most the target
};

struct Options {
  bool decimal_comma = false;  // ',' in numbers, ';' between cells
  bool si = false;             // the results again in kN, kN·m and MPa
  bool verdict = false;        // the governing ratio and passes or exceeds
  std::optional<Walk> walk{};
  WalkMode mode = WalkMode::solve;
  Decimal target{false, "1", 0};  // the highest ratio that passes
  Plot* plot = nullptr;           // collects a sweep
};

// Returns false when a row was rejected.
bool process(std::string_view data, const std::string& source, const Options& options, std::ostream& out,
             std::ostream& err);

}  // namespace quorvel::batch
