#pragma once

// Numbers as written in decimal, exactly: the grammar of an input field, and
// plain decimal text for values worked out digit by digit, so that no binary
// rounding shows (0.3, never 0.30000000000000004).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// value = digits × 10^exponent
struct Decimal {
  bool negative = false;
  std::string digits;         // no leading or trailing zeros; empty means zero
  std::int64_t exponent = 0;  // saturated far beyond any finite range
};

// Blanks around, an optional sign, digits with at most one decimal separator
// (the user's, passed in), and an optional exponent (E or e, optional sign,
// digits). Nothing else: no digit grouping, no "inf" or "nan", no hexadecimal.
std::optional<Decimal> parse_decimal(std::string_view text, std::string_view decimal_point);

// Plain decimal text: no exponent, no trailing zeros, no separator for a whole
// number, a zero before the separator below one, never "-0".
std::string plain_text(const Decimal& d, std::string_view decimal_point);

// The nearest double to d; infinite beyond the double range.
double to_double(const Decimal& d);

// d rounded to nearest at the place 10^exponent, ties to even.
Decimal rounded(const Decimal& d, std::int64_t exponent);

// Exact arithmetic for stepping through decimal values (FROM + k·STEP). The
// sum holds every place of both operands, so its length grows with the
// distance between their exponents: keep that distance reasonable.
Decimal add(const Decimal& a, const Decimal& b);
Decimal negated(Decimal d);
// Below zero, zero or above zero as a < b, a == b, a > b; -0 equals 0.
int compare(const Decimal& a, const Decimal& b);

}  // namespace quorvel
