#pragma once

// For the benchmark only: a panel's calculation formed from the same formula
// text in plain doubles, with no step check, so that the cost of the check
// can be measured. Gives the same texts as calculate() for inputs that
// compute; on any other input its texts mean nothing.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/panels/panel.h"

namespace quorvel::detail {

std::vector<std::string> calculate_unchecked(const Panel& panel, std::span<const std::string> inputs,
                                             std::string_view decimal_point);

}  // namespace quorvel::detail
