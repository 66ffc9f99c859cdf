#pragma once

// The three panel calculations in plain, unchecked double arithmetic: the
// baseline that the checked calculations are measured against. Same reading
// of the input texts, same formulas in the same order and precision, same
// result texts; no step check, no failure, no delivery one at a time.
// Only for valid inputs: a bad text or a failing step gives nonsense here.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::plain {

std::vector<std::string> bend(std::span<const std::string> in, std::string_view dp);
std::vector<std::string> offset(std::span<const std::string> in, std::string_view dp);
std::vector<std::string> loop(std::span<const std::string> in, std::string_view dp);

}  // namespace quorvel::plain
