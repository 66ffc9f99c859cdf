#pragma once

// The three panel calculations: the two-leg bend, the Z-shaped offset and the
// raised loop. Each takes its panel's input texts in read order and the
// user's decimal separator, and delivers its result texts one at a time in
// write order, or ends with a Failure.

#include <array>
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

enum class Panel { bend, offset, loop };
inline constexpr std::array<Panel, 3> all_panels{Panel::bend, Panel::offset, Panel::loop};

// One field of a panel: control name, the symbol shown before it, its unit
// (empty for stress ratios) and, for inputs, the text it starts with.
struct FieldInfo {
  std::string_view name;
  std::string_view symbol;
  std::string_view unit;
  std::string_view default_text;
};

struct PanelInfo {
  std::string_view key;                // "bend", "offset", "loop"
  std::span<const FieldInfo> inputs;   // in read order
  std::span<const FieldInfo> results;  // in write order
};

const PanelInfo& panel_info(Panel panel) noexcept;
std::optional<Panel> panel_by_key(std::string_view key) noexcept;
std::vector<std::string> default_inputs(Panel panel);

// Called with each result text as soon as it is formed.
using Deliver = std::function<void(std::size_t index, const std::string& text)>;

// Runs one calculation. `inputs` must hold exactly the panel's input count
// (std::invalid_argument otherwise). Returns the failure, if any.
std::optional<Failure> calculate(Panel panel, std::span<const std::string> inputs, std::string_view decimal_point,
                                 const Deliver& deliver);

struct Outcome {
  std::vector<std::string> results;  // the texts delivered, in order
  std::optional<Failure> failure;
};
Outcome calculate(Panel panel, std::span<const std::string> inputs, std::string_view decimal_point);

// The computed values behind the texts, before display rounding: the
// reactions at point 1, the bending moment at every point of the run (point 1
// first) and the bending stress there in pascals. Moments follow each
// panel's own sign convention.
struct Solution {
  double M1 = 0, Fx = 0, Fy = 0;
  std::vector<double> moments;
  std::vector<double> stresses;
  double allowable = 0;  // [S], pascals
};
std::variant<Solution, Failure> solve(Panel panel, std::span<const std::string> inputs, std::string_view decimal_point);

}  // namespace quorvel
