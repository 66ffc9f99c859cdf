#pragma once

// The cells of --installed, --movements and --crosscheck: what a checker
// redoes by hand, after the results' other cells.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/panels/panel.h"

namespace quorvel::batch {

struct ReviewCells {
  std::optional<double> installed;  // --installed T0, ℃
  bool movements = false;           // --movements
  bool crosscheck = false;          // --crosscheck
};

// Appends the cells the checks ask for; empty cells where the run failed,
// "invalid" verdicts where the inputs describe no pipe (`pipe` false). The
// installation's cells come from the panel's `outcome`, the movements and
// the cross-check from `based`, the run counted from T0 with --installed.
void append_review_cells(std::vector<std::string>& cells, const Panel& panel, const Outcome& outcome,
                         const Outcome& based, const ReviewCells& checks, double target, std::string_view decimal_point,
                         bool pipe);

// A cell's name for --header from its symbol, its unit and the option that
// adds it: "Mz1 kgm elbows".
std::string cell_name(std::string_view symbol, std::string_view unit = {}, std::string_view option = {});

// The names of the cells above, for --header.
void append_review_names(std::vector<std::string>& names, const Panel& panel, const ReviewCells& checks);

}  // namespace quorvel::batch
