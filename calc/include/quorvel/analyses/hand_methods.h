#pragma once

// The hand methods engineers settle a disagreement with, beside the exact
// frame: the guided cantilever and the simplified screen of ASME B31.3
// 319.4.1 (the same criterion in GB 50316). docs/engineering.md states both.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/material.h"
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

// Not defined for a run on one straight line. E, [S] and the growth are the
// material's (with_material), as in the two screens below.
std::optional<GuidedCantilever> guided_cantilever(const Values& run, const Material& material = carbon_steel());

// The screen's two limits: K1 = 208.3 stands for the code's own allowable
// displacement stress range (about 200 MPa for carbon steel); 208 000·[S]/E
// is the same limit for the material's [S] and E (84.9 for the panels').
inline constexpr double kScreenK1 = 208.3;
double panels_screen_limit(const Values& run, const Material& material = carbon_steel()) noexcept;
// The same limit for the material at T ℃, without a run: panels_screen_limit
// is it at the run's T.
double screen_limit(const Material& material, double T) noexcept;

// D·y/(L − U)²: D in mm, y the resultant free growth between the anchors in
// mm, L the developed length and U the anchors' distance in m. Not defined
// for a straight run (L = U).
std::optional<double> b31_screen(const Values& run, const Material& material = carbon_steel());

// The hand methods as the note and quorvel-batch write them.
struct HandMethodTexts {
  std::optional<std::string> screen;  // D·y/(L − U)², one decimal; none where not defined
  bool within_K1 = false, within_panels_limit = false;
  std::string panels_limit;               // 208000·[S]/E, one decimal
  std::optional<std::string> cantilever;  // the guided cantilever's governing ratio, three decimals
  std::string exact_over_hand;            // two decimals; empty where the method gives no stress
};
HandMethodTexts hand_method_texts(const Values& run, std::string_view decimal_point,
                                  const Material& material = carbon_steel());

// quorvel-batch's words: a screen "passes" or "fails"; "not defined".
inline constexpr std::string_view kNotDefined = "not defined";
std::string_view screen_word(bool passes) noexcept;

}  // namespace quorvel
