#pragma once

// The work of quorvel-batch on one input: every valid row calculated and
// written out, every invalid one reported.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "code_cells.h"
#include "guide_cells.h"
#include "quorvel/analyses/elbows.h"
#include "quorvel/text/decimal.h"
#include "review_cells.h"
#include "walk.h"

namespace quorvel::batch {

class Plot;

// What to do with each row's field F besides calculating the row once.
enum class WalkMode {
  solve,   // the first value of the walk at which every ratio is at most the target, and where that stops
  sweep,   // one output row per value
  ranges,  // every stretch of values at which every ratio is at most the target
};

// --elbows: the elbows' radius as a multiple of D ("1.5D"), or in metres ("0.6m").
std::optional<ElbowRadius> parse_elbow_radius(std::string_view text);

struct Options {
  bool decimal_comma = false;           // ',' in numbers, ';' between cells
  bool si = false;                      // the results again in kN, kN·m and MPa
  bool verdict = false;                 // the governing ratio and passes or exceeds
  std::optional<ElbowRadius> elbows{};  // the run with elbows beside it; --solve walks on its verdict
  ReviewCells review{};                 // --installed, --movements, --crosscheck
  GuideCells guided{};                  // --guides, --friction
  CodeOptions code{};                   // --code and its settings; walks judge by it
  bool check = false;                   // last, the checks of the inputs
  bool header = false;                  // a row naming the cells before each panel's rows
  std::optional<Walk> walk{};
  WalkMode mode = WalkMode::solve;
  Decimal target{false, "1", 0};  // the highest ratio that passes
  Plot* plot = nullptr;           // collects a sweep
};

// An input row that names the columns: its first cell is "panel", in any
// letter case.
bool is_header_row(const std::vector<std::string>& cells);

// --header: the name of every cell of the panel's output rows under these
// options ("panel", "T", …, "status", "Mz1 kgm", …, "S2/[S] elbows"); with
// --ranges the first stretch's cell is named, the others are not.
std::vector<std::string> header_row(const Panel& panel, const Options& options);

// Returns false when a row was rejected. `last` holds the panel of the last
// row written, so that --header names the columns again where the panel
// changes, also from one input to the next.
bool process(std::string_view data, const std::string& source, const Options& options, std::ostream& out,
             std::ostream& err, const Panel** last = nullptr);

}  // namespace quorvel::batch
