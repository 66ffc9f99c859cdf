#pragma once

// The load each anchor takes along its leg when the leg slides on its
// supports: the frame's force along the leg plus the friction of the
// supports between the anchor and the bend, μ·w·ℓ (docs/engineering.md).

#include <optional>
#include <string_view>
#include <vector>

#include "quorvel/panels/panel.h"

namespace quorvel {

// Steel on steel, the default friction coefficient.
inline constexpr double kSteelOnSteel = 0.3;

// The supports of a run: the weight per metre they carry and their friction.
struct Friction {
  double w = 0;               // N/m of pipe, contents and insulation
  double mu = kSteelOnSteel;  // the friction coefficient of the supports
};

// quorvel-batch's --friction value: "W" or "W,MU", both numbers not below 0
// with a decimal point.
std::optional<Friction> parse_friction(std::string_view text);

struct AnchorLoads {
  double start = 0, far = 0;  // N
};

// `start_force` and `far_force`: what each anchor puts on the pipe in the
// panel's axes, N; w the weight per metre of pipe, contents and insulation,
// N/m; ℓ each end leg's length from its anchor to its bend's corner point.
AnchorLoads anchor_loads(const std::vector<Point>& run, Point start_force, Point far_force, double w,
                         double mu = kSteelOnSteel);

}  // namespace quorvel
