#pragma once

// Checks of the inputs beside the calculation, which still runs and shows
// what it always showed: inputs that describe no pipe, or a pipe outside the
// range of the material's table, are named with what is wrong about them.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/material.h"
#include "quorvel/panels/panel.h"

namespace quorvel {

struct InputCheck {
  std::size_t field;                 // read-order index of the input
  std::string_view symbol;           // "t"
  std::string entered;               // the value as read, with its unit: "200 mm", "180°"
  std::string_view reason;           // English, one of check_reasons(), with %1, %2... for `numbers`
  std::vector<std::string> numbers;  // each with its unit: "161.95 mm"

  // "t = 200 mm: a wall must be thinner than half the diameter (161.95 mm)"
  std::string text() const;
};

// The checks that fail for these input texts, in read order, at most one a
// field. Numbers are written plainly with `decimal_point`. A text that is no
// number gets no check: the calculation's own message names it.
std::vector<InputCheck> check_inputs(const Panel& panel, std::span<const std::string> inputs,
                                     std::string_view decimal_point, const Material& material = carbon_steel());

// Every reason a check can give, for translations.
std::span<const std::string_view> check_reasons() noexcept;

}  // namespace quorvel
