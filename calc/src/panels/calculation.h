#pragma once

// A panel's calculation: one formula text over its number type (number.h),
// formed step-checked for the panels and in plain doubles for the benchmark.

#include "panels/number.h"
#include "quorvel/panels/panel.h"

namespace quorvel::detail {

template <class N>
class FieldReader;
template <class N>
class ResultWriter;
template <class N>
using Write = void (*)(FieldReader<N>& in, ResultWriter<N>& out);

}  // namespace quorvel::detail

namespace quorvel {

struct PanelCalculation {
  // Both read every input through the reader and hand each result to the
  // writer the moment it is formed; failures are thrown as StepError.
  detail::Write<detail::Checked> write;
  detail::Write<detail::Unchecked> write_unchecked;  // the benchmark's baseline (unchecked.h)
};

}  // namespace quorvel
