#pragma once

// The section and the layout of a run as a checker redoes them first.

#include <string>
#include <string_view>

#include "quorvel/analyses/material.h"
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

// With another material, E·I and the growth are its own (with_material).
SectionData section_data(const Values& run, const Material& material = carbon_steel());

// The section data as the note writes it: I in cm⁴, Z in cm³ with two
// decimals, EI in kN·m² with three, the growths in mm with one, the
// distances in m with three.
struct SectionTexts {
  std::string I, Z, EI, across, along, anchors, developed;
};
SectionTexts section_texts(const SectionData& s, std::string_view decimal_point);

// Every leg of the run on one straight line (within the rounding of its
// points): nothing bends to take the growth, the frame's equations are
// singular and its results mean nothing.
bool in_one_line(const Values& run) noexcept;

}  // namespace quorvel
