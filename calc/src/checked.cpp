#include "quorvel/checked.h"

namespace quorvel {

// Out of line, with pow no compiler builtin (see calc/CMakeLists.txt): a
// compiler turns pow(x, 2) into x·x, which is not always what the C
// library's pow gives, and results must not depend on the optimisation level.
Real pow(Real x, int n) noexcept {
  if (!x.ok()) return x;
  return Real::formed(std::pow(x.value(), static_cast<double>(n)));
}

}  // namespace quorvel
