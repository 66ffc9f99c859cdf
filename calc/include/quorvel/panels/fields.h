#pragma once

// Reading the text of an input field. Accepted: blanks around, an optional
// sign, digits with at most one decimal separator (the user's, passed in as
// `decimal_point`), and an optional exponent (E or e, optional sign, digits).
// Nothing else: no digit grouping, no "inf" or "nan", no hexadecimal.
// Failures carry no field index; the caller adds it with Real::of_field.

#include <string_view>

#include "quorvel/panels/real.h"

namespace quorvel {

// Whole-number field: the nearest whole number to the text itself (ties to
// even), -32768..32767, held as its exact double.
Real read_whole(std::string_view text, std::string_view decimal_point);

// Real field: the nearest single-precision number to the text itself.
Real read_real(std::string_view text, std::string_view decimal_point);

// Double field: the nearest double-precision number to the text itself. A
// double field keeps its text and converts it at each use; every use gives
// the same result, so a calculation converts once and lets a failure surface
// where the value is first used.
Real read_double(std::string_view text, std::string_view decimal_point);

}  // namespace quorvel
