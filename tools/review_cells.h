#pragma once

// The cells of --installed, --movements and --crosscheck: what a checker
// redoes by hand, after the results' other cells.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/panels/panel.h"

namespace quorvel::batch {

struct CheckerCells {
  std::optional<double> installed;  // --installed T0, ℃
  bool movements = false;           // --movements
  bool crosscheck = false;          // --crosscheck
};

// Appends the cells the checks ask for; empty cells where the run failed.
void append_checker_cells(std::vector<std::string>& cells, const Panel& panel, const Outcome& outcome,
                          const CheckerCells& checks, double target, std::string_view decimal_point);

}  // namespace quorvel::batch
