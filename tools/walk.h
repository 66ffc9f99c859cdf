#pragma once

// The walks of --solve, --sweep and --ranges as a command line writes them
// (the walk itself is quorvel/analyses/walk.h).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "quorvel/analyses/walk.h"
#include "quorvel/panels/panels.h"
#include "quorvel/text/decimal.h"

namespace quorvel::batch {

inline constexpr std::size_t kMostValues = 1'000'000;  // in one walk
inline constexpr std::int64_t kMostPlaces = 1000;      // digits of a value written out

// The symbols the panels' input fields go by, each once: "T", "D", "t", "L1", ….
std::vector<std::string_view> field_symbols();
// The same as a user types them, with "alpha" and "beta" for "α" and "β":
// "T, D, t, L1, …".
std::string field_names();

// The STEP of a walk that gives none: 1 for a whole-number field, 0.01 for
// any other.
std::string_view default_step(FieldKind kind) noexcept;

// Reads "F=FROM:TO[:STEP]" (numbers with a decimal point), F a field or the
// loop's H or W (quorvel::walked), STEP by default as above. Gives the reason when the walk cannot be used: an unknown
// field, a text that is no number, a STEP not above zero, too many values or places.
std::variant<Walk, std::string> parse_walk(std::string_view walk_option);

// The symbol as a user types it: "alpha" for "α".
std::string typed_symbol(std::string_view symbol);

}  // namespace quorvel::batch
