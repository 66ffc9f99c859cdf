#pragma once

// Entry points of the three panel calculations. Each reads its inputs, forms
// every quantity in order and either gives the raw values (solve_*) or hands
// the results to a ResultWriter (write_*). Failures are thrown as StepError.

#include <span>
#include <string>
#include <string_view>

#include "quorvel/panels.h"
#include "writer.h"

namespace quorvel::detail {

Solution solve_bend(std::span<const std::string> in, std::string_view dp);
void write_bend(std::span<const std::string> in, std::string_view dp, ResultWriter& out);

Solution solve_offset(std::span<const std::string> in, std::string_view dp);
void write_offset(std::span<const std::string> in, std::string_view dp, ResultWriter& out);

Solution solve_loop(std::span<const std::string> in, std::string_view dp);
void write_loop(std::span<const std::string> in, std::string_view dp, ResultWriter& out);

}  // namespace quorvel::detail
