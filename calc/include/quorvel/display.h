#pragma once

// Turning computed values into result texts.

#include <string>
#include <string_view>

#include "quorvel/checked.h"
#include "quorvel/panels.h"

namespace quorvel {

// Forces and moments: floor(v + 0.5) / 10, in tens of newtons (newton-metres).
Real tenths(Real v) noexcept;

// Stress ratios: |floor(100 r + 0.5) / 100|, the sign dropped after rounding.
Real ratio(Real r) noexcept;

// At most 15 significant digits, no trailing zeros, no digit grouping, a
// leading zero before the separator, never "-0"; from 1E+15 up the exponent
// form 1.23456789012346E+15.
std::string number_text(double shown, std::string_view decimal_point);

// A shown result in SI units, worked in decimal on its text so that no binary
// noise appears: a force or moment shown in tens of newtons (newton-metres)
// times 0.01 is kN (kN·m), a ratio times the allowable stress is MPa
// ("907.7" gives "9.077", "0.12" gives "9.6"). Plain text without trailing
// zeros; empty for an empty or unreadable text.
std::string si_text(std::string_view shown, Display display, std::string_view decimal_point);
std::string_view si_unit(Display display) noexcept;  // "kN", "kN·m", "MPa"

}  // namespace quorvel
