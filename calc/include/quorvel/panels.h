#pragma once

// The panels: one pipe configuration each, described by its own table (its
// input fields in read order, its results in write order) next to its
// calculation, and one list of them. Everything that shows, reads or writes a
// panel's fields walks these tables.

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "quorvel/failure.h"

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
};

struct ResultField {
  std::string_view symbol;  // "Mz1", "Fx", "S2/[S]"
  std::string_view unit;    // "kgm", "kg"; empty for a ratio
  Display display;
  int point;  // where along the run it is taken: 1 is the start anchor, Panel::points the far one
};

// Shared physical constants, as a calculation note states them.
inline constexpr int elastic_modulus_gpa = 196;
inline constexpr int allowable_stress_mpa = 80;

// The computed values behind the texts, before display rounding: the
// reactions at point 1, the bending moment at every point of the run (point 1
// first) and the bending stress there in pascals. Moments follow each
// panel's own sign convention.
struct Solution {
  double M1 = 0, Fx = 0, Fy = 0;
  std::vector<double> moments;
  std::vector<double> stresses;
  double allowable = 0;  // [S], pascals
  double expansion = 0;  // free thermal expansion, metres per metre of pipe
};

namespace detail {
struct Checked;
struct Unchecked;
template <class Number>
class FieldReader;
template <class Number>
class ResultWriter;
template <class Number>
using Write = void (*)(FieldReader<Number>& in, ResultWriter<Number>& out);
}  // namespace detail

struct Panel {
  std::string_view key;            // "bend": how quorvel-batch rows name it
  std::string_view name;           // "Two-leg bend"
  std::string_view expansion_law;  // the free expansion per metre e as a function of T
  int points;                      // points of the run: the anchors, and the bends between them
  std::span<const InputField> inputs;
  std::span<const ResultField> results;

  // The calculation. Both read every input through the reader; `write` hands
  // each result to the writer the moment it is formed. Failures are thrown
  // as StepError.
  detail::Write<detail::Checked> write;
  Solution (*solve)(detail::FieldReader<detail::Checked>& in);
  // The same formula text in plain doubles, no step check: the benchmark's
  // baseline (unchecked.h).
  detail::Write<detail::Unchecked> write_unchecked;
};

// Every panel, in the order the window shows them.
std::span<const Panel* const> panels() noexcept;
const Panel* panel_by_key(std::string_view key) noexcept;

std::vector<std::string> default_inputs(const Panel& panel);
// The read-order index of the input with this symbol.
std::optional<std::size_t> input_index(const Panel& panel, std::string_view symbol) noexcept;

// Called with each result text as soon as it is formed.
using Deliver = std::function<void(std::size_t index, const std::string& text)>;

// Runs one calculation. `inputs` must hold exactly the panel's input count
// (std::invalid_argument otherwise). Returns the failure, if any.
std::optional<Failure> calculate(const Panel& panel, std::span<const std::string> inputs,
                                 std::string_view decimal_point, const Deliver& deliver);

struct Outcome {
  std::vector<std::string> results;  // the texts delivered, in order
  std::optional<Failure> failure;
};
Outcome calculate(const Panel& panel, std::span<const std::string> inputs, std::string_view decimal_point);

std::variant<Solution, Failure> solve(const Panel& panel, std::span<const std::string> inputs,
                                      std::string_view decimal_point);

}  // namespace quorvel
