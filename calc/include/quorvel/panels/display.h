#pragma once

// Turning computed values into result texts.

#include <string>
#include <string_view>

#include "quorvel/panels/panel.h"
#include "quorvel/panels/real.h"

#include <cstddef>

namespace quorvel {

// Forces and moments: floor(v + 0.5) / 10, in tens of newtons (newton-metres).
Real tenths(Real v) noexcept;

// Stress ratios: |floor(100 r + 0.5) / 100|, the sign dropped after rounding.
Real ratio(Real r) noexcept;

// At most 15 significant digits, no trailing zeros, no digit grouping, a
// leading zero before the separator, never "-0"; from 1E+15 up the exponent
// form 1.23456789012346E+15.
std::string number_text(double shown, std::string_view decimal_point);

// v·10^shift rounded to nearest (ties to even) at `places` decimals, worked
// exactly on the double's own decimal value, with `places` decimals written
// out: fixed_text(3770.4, -3, 3, ".") is "3.770". Never "-0.000".
std::string fixed_text(double v, int shift, int places, std::string_view decimal_point);

// Result `index` of a run in SI units, from its unrounded value: a force in kN
// and a moment in kN·m with three decimals, a stress in MPa as a magnitude
// with two decimals. Empty for a result the run did not deliver.
std::string si_text(const Panel& panel, const Values& values, std::size_t index, std::string_view decimal_point);
std::string_view si_unit(Display display) noexcept;  // "kN", "kN·m", "MPa"

}  // namespace quorvel
