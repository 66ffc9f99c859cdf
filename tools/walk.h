#pragma once

// One input field walked through a grid of values for --solve and --sweep:
// FROM, FROM ± STEP, FROM ± 2·STEP, … towards TO, formed exactly in decimal
// so that every value's text is what an engineer would type.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "quorvel/decimal.h"
#include "quorvel/panels.h"

namespace quorvel::batch {

inline constexpr std::size_t kMostValues = 1'000'000;  // in one walk
inline constexpr std::int64_t kMostPlaces = 1000;      // digits of a value written out

struct Walk {
  std::string symbol;      // as the panel tables write it: "α", not "alpha"
  Decimal from, to, step;  // step above zero
};

// The symbols the panels' input fields go by, each once: "T", "D", "t", "L1", ….
std::vector<std::string_view> field_symbols();
// The same as a user types them, with "alpha" and "beta" for "α" and "β":
// "T, D, t, L1, …".
std::string field_names();

// The STEP of a walk that gives none: 1 for a whole-number field, 0.01 for
// any other.
std::string_view default_step(FieldKind kind) noexcept;

// Reads "F=FROM:TO[:STEP]" (numbers with a decimal point), STEP by default as
// above. Gives the reason when the walk cannot be used: an unknown field, a
// text that is no number, a STEP not above zero, too many values or places.
std::variant<Walk, std::string> parse_walk(std::string_view walk_option);

// The symbol as a user types it: "alpha" for "α".
std::string typed_symbol(std::string_view symbol);

// The values of a walk in order, TO included when it lies on the grid.
class WalkValues {
 public:
  explicit WalkValues(const Walk& walk);
  std::optional<Decimal> next();

 private:
  Decimal next_, to_, step_;  // step_ carries the direction
  bool up_;
};

}  // namespace quorvel::batch
