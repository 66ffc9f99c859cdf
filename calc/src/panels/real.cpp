#include "quorvel/panels/real.h"

#include "panels/number.h"

namespace quorvel {

// Out of line, with pow no compiler builtin (see calc/CMakeLists.txt): a
// compiler turns pow(x, 2) into x·x, which is not always what the C
// library's pow gives, and results must not depend on the optimisation level.
Real pow(Real x, int n) noexcept {
  if (!x.ok()) return x;
  return Real::formed(detail::pow(x.value(), n));
}

double detail::pow(double x, int n) noexcept {
  return std::pow(x, static_cast<double>(n));
}

}  // namespace quorvel
