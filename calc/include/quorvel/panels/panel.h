#pragma once

// What a panel is, in the words everything else uses: its input fields in
// read order, its results in write order, and the values behind the texts of
// one run. quorvel/panels/panels.h lists the panels and runs them.

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/panels/failure.h"

namespace quorvel {

// How an input field's text becomes a number (fields.h).
enum class FieldKind : unsigned char {
  whole_number,  // a 16-bit whole number
  real,          // a single-precision number
  double_text,   // text kept as entered, a double at each arithmetic use
};

// How a result becomes text (display.h): forces and moments in the tenths
// display, stresses as ratios to the allowable stress.
enum class Display : unsigned char { force, moment, ratio };

struct InputField {
  std::string_view symbol;  // "T", "L2", "α": the label before the field
  std::string_view unit;    // "℃", "mm", "m", "°"
  FieldKind kind;
  std::string_view default_text;
  std::string_view quantity;  // "outer diameter of the pipe": what the field holds
};

struct ResultField {
  std::string_view symbol;  // "Mz1", "Fx", "S2/[S]"
  std::string_view unit;    // "kgm", "kg"; empty for a ratio
  Display display;
  int point;                  // where along the run it is taken: 1 is the start anchor, Panel::points the far one
  std::string_view quantity;  // "force along the level legs"; the place is named from `point`
};

struct Point {
  double x = 0, y = 0;
};

// The values behind the texts of one run, unrounded, as the calculation
// formed them. Moments and Fx follow the panel's own sign convention
// (Panel::fx_sign).
struct Values {
  double M1 = 0, Fx = 0, Fy = 0;  // the reactions at point 1, N·m and N
  std::vector<double> moments;    // the bending moment at every point of the run, point 1 first, N·m
  std::vector<double> stresses;   // the bending stress there, Pa, with the moment's sign
  double allowable = 0;           // [S], Pa
  double expansion = 0;           // free thermal expansion, metres per metre of pipe
  // Each delivered result before its display: N, N·m, or σ/[S] for a ratio.
  std::vector<double> results;

  // The frame the calculation solved, for the analyses beside it, in plain
  // doubles (not step-checked: non-finite where a coordinate overflows).
  std::vector<Point> run;             // the points of the run in the panel's axes, m; point 1 at the origin
  double D = 0, t = 0;                // outer diameter and wall, m, as the calculation holds them
  double EI = 0;                      // bending stiffness, N·m²
  double growth_x = 0, growth_y = 0;  // the free growth the anchors hold back, along x and y, m
  double T = 0;                       // the temperature, ℃, as read
  double length_x = 0, length_y = 0;  // the lengths whose growth that is: growth_x = expansion·length_x
  // The temperature the free expansion counts from, ℃: 0 as the panels take it, T0 for a run installed
  // at T0 (quorvel/analyses/installation.h).
  double installed_at = 0;
};

// The internals of a panel's calculation (calc/src/panels/calculation.h).
struct PanelCalculation;

struct Panel {
  std::string_view key;   // "bend": how quorvel-batch rows name it
  std::string_view name;  // "Two-leg bend"
  int points;             // points of the run: the anchors, and the bends between them
  // The sign of Fx in the bending moment: m = M1 − Fy·x + fx_sign·Fx·y.
  int fx_sign;
  std::span<const InputField> inputs;
  std::span<const ResultField> results;
  const PanelCalculation* calculation;
};

// Called with each result text of a run as soon as it is formed.
using Deliver = std::function<void(std::size_t index, const std::string& text)>;

// One run of a panel's calculation.
struct Outcome {
  std::vector<std::string> results;  // the texts delivered, in order
  std::optional<Failure> failure;
  std::optional<Values> values;  // present when the formulas were formed
};

}  // namespace quorvel
