#pragma once

// The hand methods engineers settle a disagreement with, beside the exact
// frame: the guided cantilever and the simplified screen of ASME B31.3
// 319.4.1 (the same criterion in GB 50316). docs/engineering.md states both.

#include <optional>
#include <vector>

#include "quorvel/panels/panel.h"

namespace quorvel {

// Every leg a cantilever guided at both ends, deflected across itself by its
// share of the free growth: S = 3·E·D·Δ/L².
struct GuidedCantilever {
  std::vector<double> deflections;        // Δ of each leg, m, leg 1 first
  std::vector<double> stresses;           // S of each leg, Pa
  double governing = 0;                   // the largest S / [S]
  std::optional<double> exact_over_hand;  // the exact governing ratio / governing, where the method gives a stress
};

// Not defined for a run on one straight line.
std::optional<GuidedCantilever> guided_cantilever(const Values& run);

// The screen's two limits: K1 = 208.3 stands for the code's own allowable
// displacement stress range (about 200 MPa for carbon steel); 208 000·[S]/E
// is the same limit for the [S] and E the panels use (84.9).
inline constexpr double kScreenK1 = 208.3;
double panels_screen_limit(const Values& run) noexcept;

// D·y/(L − U)²: D in mm, y the resultant free growth between the anchors in
// mm, L the developed length and U the anchors' distance in m. Not defined
// for a straight run (L = U).
std::optional<double> b31_screen(const Values& run);

}  // namespace quorvel
