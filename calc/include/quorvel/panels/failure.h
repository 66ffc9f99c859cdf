#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvel {

// The three ways a calculation can end early, as the user is told them.
enum class ErrorKind : unsigned char { type_mismatch = 1, overflow, division_by_zero };

// "Type mismatch", "Overflow" or "Division by zero".
std::string_view message(ErrorKind kind) noexcept;

// How a calculation failed.
struct Failure {
  ErrorKind kind{};
  std::optional<std::size_t> field;  // input index (read order) whose text caused it
  std::size_t delivered = 0;         // result texts delivered before the failure

  friend bool operator==(const Failure&, const Failure&) = default;
};

// Thrown inside a calculation at the first failed step; the calculation
// entry points turn it into a Failure.
class StepError : public std::runtime_error {
 public:
  StepError(ErrorKind kind, std::optional<std::size_t> field)
      : std::runtime_error(std::string(message(kind))), kind_(kind), field_(field) {}
  ErrorKind kind() const noexcept { return kind_; }
  std::optional<std::size_t> field() const noexcept { return field_; }

 private:
  ErrorKind kind_;
  std::optional<std::size_t> field_;
};

}  // namespace quorvel
