#pragma once

// How far each point of the sharp-corner frame moves when heated with both
// anchors held: its free thermal growth plus the deflection of bending.

#include <vector>

#include "quorvel/panels/panel.h"

namespace quorvel {

// The displacement of every point of the run, point 1 first, in metres in
// the panel's axes (+x along the first leg away from point 1, +y as the
// run's y). Point 1 is held; the far anchor comes out held too, within the
// rounding of the reactions. Empty where the run's points or moments are
// missing, for a run on one straight line (section.h), or where the growth
// along x is held back (growth_x ≠ 0) by a run that has no extent along x to
// spread it over.
std::vector<Point> movements(const Values& run);

}  // namespace quorvel
