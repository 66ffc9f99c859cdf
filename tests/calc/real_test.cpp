// The step check: which failure a formula ends with, whatever order C++
// evaluates its operands in.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "quorvel/panels/real.h"

namespace {

using quorvel::ErrorKind;
using quorvel::Real;

struct StepCase {
  std::string formula;
  std::function<Real()> form;
  ErrorKind kind;
};

TEST(StepCheck, FailsWithTheKindTheRulesGive) {
  const Real zero = 0.0, one = 1.0, big = DBL_MAX;
  const std::vector<StepCase> cases = {
      {"1 / 0", [&] { return one / zero; }, ErrorKind::division_by_zero},
      {"-1 / 0", [&] { return -one / zero; }, ErrorKind::division_by_zero},
      {"1e-300 / -0", [&] { return Real(1e-300) / Real(-0.0); }, ErrorKind::division_by_zero},
      {"0 / 0", [&] { return zero / zero; }, ErrorKind::overflow},
      {"-0 / 0", [&] { return Real(-0.0) / zero; }, ErrorKind::overflow},
      {"max * 2", [&] { return big * 2; }, ErrorKind::overflow},
      {"max + max", [&] { return big + big; }, ErrorKind::overflow},
      {"-max - max", [&] { return -big - big; }, ErrorKind::overflow},
      {"max / 0.5", [&] { return big / 0.5; }, ErrorKind::overflow},
      {"(1e200)^2", [&] { return quorvel::pow(1e200, 2); }, ErrorKind::overflow},
      {"(-1e103)^3", [&] { return quorvel::pow(-1e103, 3); }, ErrorKind::overflow},
      {"single(2^128 - 2^103)", [&] { return quorvel::single(0x1.ffffffp127); }, ErrorKind::overflow},
      {"single(-(2^128 - 2^103))", [&] { return quorvel::single(-0x1.ffffffp127); }, ErrorKind::overflow},
      {"single(max)", [&] { return quorvel::single(big); }, ErrorKind::overflow},
  };
  for (const StepCase& c : cases) {
    const Real r = c.form();
    ASSERT_FALSE(r.ok()) << c.formula << " gave " << r.value();
    EXPECT_EQ(r.error(), c.kind) << c.formula;
    EXPECT_FALSE(r.field()) << c.formula << ": a step failure names no input field";
  }
}

struct ValueCase {
  std::string formula;
  std::function<Real()> form;
  double expected;
};

TEST(StepCheck, UnderflowAndRoundingAreNoFailure) {
  const std::vector<ValueCase> cases = {
      {"1e-300 * 1e-300", [] { return Real(1e-300) * Real(1e-300); }, 0.0},
      {"min subnormal / 2", [] { return Real(0x1p-1074) / 2; }, 0.0},
      {"(1e-200)^2", [] { return quorvel::pow(1e-200, 2); }, 0.0},
      {"(-2)^3", [] { return quorvel::pow(-2, 3); }, -8.0},
      {"(-1.5)^4", [] { return quorvel::pow(-1.5, 4); }, 5.0625},
      {"single(0.1)", [] { return quorvel::single(0.1); }, static_cast<double>(0.1f)},
      {"single(1e-50)", [] { return quorvel::single(1e-50); }, 0.0},
      // Just below the rounding threshold a value rounds to the largest single.
      {"single(below 2^128 - 2^103)", [] { return quorvel::single(std::nextafter(0x1.ffffffp127, 0.0)); }, FLT_MAX},
      {"single(-below 2^128 - 2^103)", [] { return quorvel::single(-std::nextafter(0x1.ffffffp127, 0.0)); }, -FLT_MAX},
      {"single(FLT_MAX)", [] { return quorvel::single(FLT_MAX); }, FLT_MAX},
      {"max + 1", [] { return Real(DBL_MAX) + 1; }, DBL_MAX},
  };
  for (const ValueCase& c : cases) {
    const Real r = c.form();
    ASSERT_TRUE(r.ok()) << c.formula << " failed with kind " << static_cast<int>(r.error());
    EXPECT_EQ(r.value(), c.expected) << c.formula;
  }
}

TEST(StepCheck, TheLeftmostFailureWins) {
  const Real mismatch = Real::failed(ErrorKind::type_mismatch, 5);
  const Real overflow = Real::failed(ErrorKind::overflow);
  const Real one = 1.0, zero = 0.0;
  // Each formula holds two failures; strictly left to right, the first one
  // met ends the calculation, although C++ may form the right operand first.
  const std::vector<StepCase> cases = {
      {"(1/0) + mismatch", [&] { return one / zero + mismatch; }, ErrorKind::division_by_zero},
      {"mismatch + (1/0)", [&] { return mismatch + one / zero; }, ErrorKind::type_mismatch},
      {"(0/0) - (1/0)", [&] { return zero / zero - one / zero; }, ErrorKind::overflow},
      {"(1/0) * (0/0)", [&] { return (one / zero) * (zero / zero); }, ErrorKind::division_by_zero},
      {"overflow / mismatch", [&] { return overflow / mismatch; }, ErrorKind::overflow},
      {"mismatch / 0", [&] { return mismatch / zero; }, ErrorKind::type_mismatch},
      {"1 - (-mismatch)", [&] { return one - (-mismatch); }, ErrorKind::type_mismatch},
      {"(0/0)^2 + mismatch", [&] { return quorvel::pow(zero / zero, 2) + mismatch; }, ErrorKind::overflow},
      {"sin(mismatch) + cos(1/0)", [&] { return quorvel::sin(mismatch) + quorvel::cos(one / zero); },
       ErrorKind::type_mismatch},
      {"single(1/0) + mismatch", [&] { return quorvel::single(one / zero) + mismatch; }, ErrorKind::division_by_zero},
      {"floor(mismatch) + abs(0/0)", [&] { return quorvel::floor(mismatch) + quorvel::abs(zero / zero); },
       ErrorKind::type_mismatch},
  };
  for (const StepCase& c : cases) {
    const Real r = c.form();
    ASSERT_FALSE(r.ok()) << c.formula;
    EXPECT_EQ(r.error(), c.kind) << c.formula;
  }
  EXPECT_EQ((mismatch * overflow).field(), 5u);
}

TEST(StepCheck, FormingAQuantityEndsTheCalculationWithItsFailure) {
  try {
    const quorvel::Quantity q = Real(2) + Real::failed(ErrorKind::type_mismatch).of_field(7);
    FAIL() << "formed " << q.value();
  } catch (const quorvel::StepError& e) {
    EXPECT_EQ(e.kind(), ErrorKind::type_mismatch);
    EXPECT_EQ(e.field(), 7u);
  }
  try {
    const quorvel::Quantity q = Real(0) / Real(0);
    FAIL() << "formed " << q.value();
  } catch (const quorvel::StepError& e) {
    EXPECT_EQ(e.kind(), ErrorKind::overflow);
    EXPECT_FALSE(e.field());
  }
  const quorvel::Quantity fine = Real(3) * Real(4);
  EXPECT_EQ(fine.value(), 12.0);
  EXPECT_FALSE(Real(1).of_field(2).field()) << "only a failure carries a field";
}

}  // namespace
