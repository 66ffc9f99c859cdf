#pragma once

// Turning computed values into result texts.

#include <string>
#include <string_view>

#include "quorvel/checked.h"

namespace quorvel {

// Forces and moments: floor(v + 0.5) / 10, in tens of newtons (newton-metres).
Real tenths(Real v) noexcept;

// Stress ratios: |floor(100 r + 0.5) / 100|, the sign dropped after rounding.
Real ratio(Real r) noexcept;

// At most 15 significant digits, no trailing zeros, no digit grouping, a
// leading zero before the separator, never "-0"; from 1E+15 up the exponent
// form 1.23456789012346E+15.
std::string number_text(double shown, std::string_view decimal_point);

}  // namespace quorvel
