#pragma once

// The section and the layout of a run as a checker redoes them first.

#include "quorvel/panels/panel.h"

namespace quorvel {

struct SectionData {
  double I = 0;          // second moment of area, m⁴: EI / E
  double Z = 0;          // section modulus, m³: I / (D/2)
  double EI = 0;         // N·m²
  double across = 0;     // the free growth the anchors hold back across the run (y), m
  double along = 0;      // and along it (x), m
  double anchors = 0;    // the straight distance between the anchors from the legs, m
  double developed = 0;  // the length of pipe along the legs, m
};

SectionData section_data(const Values& run) noexcept;

// Every leg of the run on one straight line (within the rounding of its
// points): nothing bends to take the growth, the frame's equations are
// singular and its results mean nothing.
bool in_one_line(const Values& run) noexcept;

// Young's modulus of the panels, Pa.
inline constexpr double kElasticModulus = elastic_modulus_gpa * 1e9;

}  // namespace quorvel
