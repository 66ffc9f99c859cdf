#pragma once

// Checks of the inputs beside the calculation, which still runs and shows
// what it always showed. Inputs that describe no pipe (no diameter, no wall,
// legs in line...) are named with what is wrong about them, and every verdict
// of such a run is "invalid"; the others are warnings beside a run that
// exists (a temperature beyond the material's table, an L apart from the
// legs, a T with a fraction), which keeps its verdict.

#include <cstddef>
#include <optional>
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
  bool no_pipe = false;              // else a warning

  // "t = 200 mm: a wall must be thinner than half the diameter (161.95 mm)"
  std::string text() const;
};

// The checks that fail for these input texts, in read order, at most one a
// field. Numbers are written plainly with `decimal_point`. A text that is no
// number gets no check: the calculation's own message names it.
std::vector<InputCheck> check_inputs(const Panel& panel, std::span<const std::string> inputs,
                                     std::string_view decimal_point, const Material& material = carbon_steel());

// The first check of these inputs that says they describe no pipe, if any:
// every verdict of such a run is "invalid" (kInvalid, verdict.h) and counts
// as not passing. Every verdict, however computed, asks this one rule.
std::optional<InputCheck> no_pipe_reason(const Panel& panel, std::span<const std::string> inputs,
                                         std::string_view decimal_point);
bool describes_a_pipe(const Panel& panel, std::span<const std::string> inputs, std::string_view decimal_point);

// Every reason a check can give, for translations.
std::span<const std::string_view> check_reasons() noexcept;

}  // namespace quorvel
