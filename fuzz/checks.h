#pragma once

// The properties every fuzz target checks. A broken property prints what was
// broken and aborts, which libFuzzer reports as a finding and saves the input.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/panels/panels.h"

namespace quorvel::fuzz {

[[noreturn]] void violation(std::string_view rule, std::string_view detail);

// Fuzz data as text lines: the first line picks the decimal separator ("," or
// the Arabic "٫"; anything else means "."), every further line is one text.
struct Lines {
  std::string decimal_point;
  std::vector<std::string> texts;
};
Lines split_lines(std::string_view data);

// How a shown number was formed: by the tenths or the ratio display, or any
// double at all.
enum class Shown { tenths, ratio, plain };

// Checks a result text against the number it shows: its form, at most 15
// significant digits, its sign, and that the double reader gives back the
// number it denotes.
void check_shown_text(std::string_view text, double shown, Shown how, std::string_view decimal_point);

// Runs a panel calculation twice and checks the outcome: a complete result or
// one failure of a known kind, the failing field consistent with the field
// rules, texts that match the raw values and read back. Gives the outcome.
Outcome check_panel(const Panel& panel, std::span<const std::string> inputs, std::string_view decimal_point);

}  // namespace quorvel::fuzz
