#pragma once

// The cells of --guides and --friction: the run with guides on its anchor
// legs, and the loads its anchors take with the friction of the supports.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/elbows.h"
#include "quorvel/analyses/friction.h"
#include "quorvel/panels/panel.h"

namespace quorvel::batch {

struct GuideCells {
  std::optional<double> guides;      // --guides G, metres from the bend
  std::optional<Friction> friction;  // --friction W[,MU]
};

// Appends the cells the options ask for from `outcome` (the run counted from
// T0 with --installed), the runs with `elbows` when given; empty cells where
// the run failed, an invalid verdict where the inputs describe no pipe
// (`pipe` false).
void append_guide_cells(std::vector<std::string>& cells, const Panel& panel, const Outcome& outcome,
                        const GuideCells& options, const std::optional<ElbowRadius>& elbows, double target,
                        std::string_view decimal_point, bool pipe);

// The names of the cells above, for --header.
void append_guide_names(std::vector<std::string>& names, const Panel& panel, const GuideCells& options);

}  // namespace quorvel::batch
