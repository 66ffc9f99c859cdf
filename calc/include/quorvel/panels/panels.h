#pragma once

// The panels: one pipe configuration each, described by its own table (its
// input fields in read order, its results in write order) next to its
// calculation, and one list of them. Everything that shows, reads or writes a
// panel's fields walks these tables.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/panels/panel.h"

namespace quorvel {

// Every panel, in the order the window shows them.
std::span<const Panel* const> panels() noexcept;
const Panel* panel_by_key(std::string_view key) noexcept;

std::vector<std::string> default_inputs(const Panel& panel);
// The read-order index of the input with this symbol.
std::optional<std::size_t> input_index(const Panel& panel, std::string_view symbol) noexcept;

// Runs one calculation: the result texts (each also handed to `deliver` the
// moment it is formed), the failure if any, and the values of the same run.
// `inputs` must hold exactly the panel's input count (std::invalid_argument
// otherwise).
Outcome calculate(const Panel& panel, std::span<const std::string> inputs, std::string_view decimal_point,
                  const Deliver& deliver = {});

}  // namespace quorvel
