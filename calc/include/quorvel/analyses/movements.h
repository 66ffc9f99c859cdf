#pragma once

// How far each point of the sharp-corner frame moves when heated with both
// anchors held: its free thermal growth plus the deflection of bending.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/guides.h"
#include "quorvel/analyses/material.h"
#include "quorvel/panels/panel.h"

namespace quorvel {

// The displacement of every point of the run, point 1 first, in metres in
// the panel's axes (+x along the first leg away from point 1, +y as the
// run's y). Point 1 is held; the far anchor comes out held too, within the
// rounding of the reactions. Empty where the run's points or moments are
// missing, for a run on one straight line (section.h), or where the growth
// along x is held back (growth_x ≠ 0) by a run that has no extent along x to
// spread it over.
// E·I and the growth are the material's (with_material).
std::vector<Point> movements(const Values& run, const Material& material = carbon_steel());

// How far a guide's point moves; the guide holds it across its leg.
struct GuideMovement {
  int leg = 0;        // as Guide::leg
  bool held = false;  // as Guide::held: a leg without a guide has no movement here
  Point moved;        // in metres in the panel's axes
  double along = 0;   // along the leg, m, + in the leg's direction (point 1 towards the far anchor)
};

// The movements of the run with guides g metres from the bends
// (quorvel/analyses/guides.h), with sharp corners as movements() takes the
// run: the frame bent by the guided run's moments, each guide's force
// included past it, plus the same free growth. Where neither leg has a guide
// the points are movements()' own. The points are empty where movements()
// gives none or the guided run has no answer.
struct GuidedMovements {
  std::vector<Point> points;
  std::array<GuideMovement, 2> guides;  // on the first leg, then on the last
};
GuidedMovements movements(const Panel& panel, const Values& run, double g, const Material& material = carbon_steel());

// dx and dy of every bend point (point 2 to the one before the far anchor)
// in mm with one decimal, as the note and quorvel-batch write them; none
// where `moved` is empty.
struct MovementTexts {
  std::string dx, dy;
};
std::vector<MovementTexts> bend_point_texts(const std::vector<Point>& moved, std::string_view decimal_point);

}  // namespace quorvel
