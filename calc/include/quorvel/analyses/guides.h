#pragma once

// The run with guides on its anchor legs: a guide holds one point of a leg
// against moving across the leg; the pipe slides along it and turns freely.
// One guide on each leg that runs from an anchor to a bend (the first and the
// last leg), g metres from that bend's corner point towards the anchor. An
// analysis beside the panels' calculation, in plain doubles from the run's
// values, with sharp corners or with elbows (quorvel/analyses/elbows.h): it
// never changes a shown result.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/elbows.h"
#include "quorvel/analyses/material.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/panel.h"

namespace quorvel {

struct Guide {
  int leg = 0;        // 1 for L1; the last leg is Panel::points − 1
  bool held = false;  // false: the leg is not longer than g, or its elbow reaches past the guide
  Point at;           // where it holds the leg, in the panel's axes, m
  // The force the guide puts on the pipe, N, positive along the leg's
  // direction (point 1 towards the far anchor) turned 90° counter-clockwise.
  double force = 0;
  double moment = 0, ratio = 0;  // the bending moment there, N·m, and |M|/Z/[S]
  double axial = 0;              // |the force along the leg| there, N
};

struct GuidedRun {
  ElbowStatus status = ElbowStatus::not_available;
  int leg = 0;  // does_not_fit: the first leg the elbows overrun
  double g = 0;
  std::optional<ElbowRun> elbows;  // the elbows' radius and factors, when the run has elbows
  double M1 = 0, Fx = 0, Fy = 0;   // the reactions at point 1 in the panel's sign convention, N·m and N
  // The reactions at the far anchor: the moment there (as Values::moments
  // holds it) and the force it puts on the pipe in the panel's axes, N.
  double M2 = 0;
  Point far_force;
  Point start_force;  // the force the start anchor puts on the pipe in the panel's axes, N
  // At every point, point 1 first, as ElbowRun holds them (with sharp
  // corners the moment at the corner, the ratio |M|/Z/[S]).
  std::vector<double> moments, ratios;
  // |The force along the pipe| at every point: at an anchor along its leg, at
  // a bend where its moment is (with sharp corners along the leg before it).
  std::vector<double> axial;
  std::array<Guide, 2> guides;  // on the first leg, then on the last
  // Each of the panel's results with guides, as Values::results holds them.
  std::vector<double> results;
  Verdict verdict;  // over the points' ratios, then the held guides'
};

// The run of `values` with a guide g metres (g > 0) from the bend on each
// anchor leg; with `radius`, with its elbows too (k and i from the section).
// Where neither leg has a guide it is the panel's own run (or the run with
// elbows) unchanged. E·I, the growth and [S] are the material's.
GuidedRun with_guides(const Panel& panel, const Values& values, double g,
                      const std::optional<ElbowRadius>& radius = std::nullopt, double target = 1,
                      const Material& material = carbon_steel());
// The run of an outcome with guides; not available where the calculation failed.
GuidedRun with_guides(const Panel& panel, const Outcome& outcome, double g,
                      const std::optional<ElbowRadius>& radius = std::nullopt, double target = 1,
                      const Material& material = carbon_steel());

// The guided run's governing ratio (at a point or a guide), NaN unless solved:
// what a walk judges by.
double governing_ratio(const GuidedRun& run) noexcept;

// A guided run as the note, the tooltips and quorvel-batch write it.
struct GuidedRunTexts {
  std::vector<std::string> results;   // each of the panel's results in its display
  std::array<std::string, 2> ratios;  // at each guide, the ratio display; empty where a leg has none
  std::array<std::string, 2> forces;  // at each guide, the tenths display (kg)
  std::string governing;              // three decimals
  std::string_view verdict;           // "passes" or "exceeds"
  std::string unguided;               // "no guide L5", "no guide L1, L5"; empty when both legs have one
  std::string unsolved;               // "does not fit L2" or "not available"; empty when solved
};
GuidedRunTexts guided_run_texts(const Panel& panel, const GuidedRun& run, std::string_view decimal_point);

}  // namespace quorvel
