// The three field readers at their edges. Expected values are the nearest
// whole, single or double number to the decimal text, worked out by hand or
// given as C++ literals (which the compiler rounds correctly), never taken
// from the readers themselves.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "quorvel/panels/fields.h"
#include "quorvel/text/text.h"

namespace {

using namespace std::string_view_literals;
using quorvel::ErrorKind;
using quorvel::Real;

constexpr auto kMismatch = ErrorKind::type_mismatch;
constexpr auto kOverflow = ErrorKind::overflow;

// A reading gives either this number or this failure.
using Expected = std::variant<double, ErrorKind>;

struct Case {
  std::string text;
  std::string_view decimal_point;
  Expected expected;
};

void check(Real (*read)(std::string_view, std::string_view), const Case& c) {
  SCOPED_TRACE("text \"" + quorvel::one_line(c.text, 40) + "\" with decimal separator '" +
               std::string(c.decimal_point) + "'");
  const Real got = read(c.text, c.decimal_point);
  if (const auto* kind = std::get_if<ErrorKind>(&c.expected)) {
    ASSERT_FALSE(got.ok()) << "read as " << got.value();
    EXPECT_EQ(got.error(), *kind);
    EXPECT_FALSE(got.field()) << "the readers leave the field index to the caller";
    return;
  }
  ASSERT_TRUE(got.ok()) << "failed with kind " << static_cast<int>(got.error());
  EXPECT_EQ(got.value(), std::get<double>(c.expected));
}

std::string digits(std::size_t count, char digit) {
  return std::string(count, digit);
}

// Texts that are no number under any reader.
std::vector<Case> not_numbers() {
  std::vector<Case> cases;
  // clang-format off
  for (std::string_view text : {
           ""sv, "   "sv, "abc"sv, "20m"sv, "m20"sv, "inf"sv, "-inf"sv, "nan"sv, "NaN"sv, "Infinity"sv, "0x10"sv,
           "0b1"sv, "1e"sv, "1e+"sv, "e5"sv, "E5"sv, "."sv, "-"sv, "+"sv, "--1"sv, "+-1"sv, "1.2.3"sv, "1 2"sv,
           "1e5.5"sv, "1e 5"sv, "1d5"sv, "1f"sv, "(1)"sv, "1-"sv, "$1"sv, "1_000"sv,
           "\x01"sv, "1\x01"sv, "\x7f"sv, "1\x00"sv, "\x00"sv, "\x1b[2J"sv, "1\x08"sv,
           "\xef\xbc\x91"sv,      // full-width digit one
           "\xe2\x88\x92" "1"sv,  // minus sign U+2212
           "\xd9\xa1"sv,          // Arabic-Indic digit one
           "1\xc2\xa0"sv}) {      // no-break space after the number
    // clang-format on
    cases.push_back({std::string(text), ".", kMismatch});
    cases.push_back({std::string(text), ",", kMismatch});
  }
  // The other locale's separator, and digit grouping.
  for (std::string_view text : {"1,5"sv, ",5"sv, "5,"sv, "1,000"sv, "1,000.5"sv})
    cases.push_back({std::string(text), ".", kMismatch});
  for (std::string_view text : {"1.5"sv, ".5"sv, "5."sv, "1.000"sv, "1.000,5"sv})
    cases.push_back({std::string(text), ",", kMismatch});
  cases.push_back({digits(3000, '7') + "x", ".", kMismatch});
  return cases;
}

TEST(FieldReaders, RejectEveryTextThatIsNoNumber) {
  for (const Case& c : not_numbers()) {
    check(quorvel::read_whole, c);
    check(quorvel::read_real, c);
    check(quorvel::read_double, c);
  }
}

// Whole-number field: the nearest whole number to the text itself, ties to
// even, -32768..32767.
TEST(WholeNumberField, RoundsTheTextItselfToTheNearestWholeNumber) {
  const std::vector<Case> cases = {
      {"70", ".", 70.0},
      {" 20 ", ".", 20.0},
      {"   -7   ", ".", -7.0},
      {"+7", ".", 7.0},
      {"70.5", ".", 70.0},
      {"71.5", ".", 72.0},
      {"-2.5", ".", -2.0},
      {"-1.5", ".", -2.0},
      {"0.5", ".", 0.0},
      {".5", ".", 0.0},
      {"1.5", ".", 2.0},
      {"5.", ".", 5.0},
      {"0.4999999999999999999999", ".", 0.0},
      {"0.5000000000000000000001", ".", 1.0},
      {"2.5000000000000001", ".", 3.0},  // its nearest double is 2.5, which would give 2
      {"32767.4", ".", 32767.0},
      {"32767.4999999999999999", ".", 32767.0},  // its nearest double is 32767.5
      {"32766.5", ".", 32766.0},
      {"32767", ".", 32767.0},
      {"-32768", ".", -32768.0},
      {"-32768.4", ".", -32768.0},
      {"-32768.5", ".", -32768.0},
      {"-32767.5", ".", -32768.0},
      {"1E3", ".", 1000.0},
      {"1e+3", ".", 1000.0},
      {"1e-3", ".", 0.0},
      {"0.5e1", ".", 5.0},
      {"25E-1", ".", 2.0},
      {"35e-1", ".", 4.0},
      {"3.2767e4", ".", 32767.0},
      {"5.e1", ".", 50.0},
      {"0000000000000000000000012", ".", 12.0},
      {"1e-9223372036854775809", ".", 0.0},
      {"0e99999999999999999999", ".", 0.0},
      {"0.000e99999999999999999999999", ".", 0.0},
      {"-0e-99999999999999999999", ".", 0.0},
      // The decimal comma.
      {"70,5", ",", 70.0},
      {"71,5", ",", 72.0},
      {"-2,5", ",", -2.0},
      {",5", ",", 0.0},
      {"5,", ",", 5.0},
      {"1,5e1", ",", 15.0},
      {" 32767,4 ", ",", 32767.0},
      // Out of range.
      {"32767.5", ".", kOverflow},
      {"32768", ".", kOverflow},
      {"40000", ".", kOverflow},
      {"-32769", ".", kOverflow},
      {"-32768.6", ".", kOverflow},
      {"-32768.50000000000001", ".", kOverflow},
      {"327675e-1", ".", kOverflow},
      {"1E39", ".", kOverflow},
      {"-1E39", ".", kOverflow},
      {"1E309", ".", kOverflow},
      {"1e99999999999999999999", ".", kOverflow},
      {"1e9223372036854775808", ".", kOverflow},
      {"32767,5", ",", kOverflow},
      // Thousands of digits: the far digits still decide. (std::string("7"): GCC 12 at -O3 warns falsely,
      // -Wrestrict, on a one-letter literal + string here.)
      {"2.5" + digits(3000, '0'), ".", 2.0},
      {"2.5" + digits(3000, '0') + "1", ".", 3.0},
      {"2." + digits(3000, '4'), ".", 2.0},
      {"0." + digits(3000, '0') + "1", ".", 0.0},
      {std::string("7") + digits(3000, '0') + "e-3000", ".", 7.0},
      {digits(3000, '0') + "12", ".", 12.0},
      {"12," + digits(3000, '0'), ",", 12.0},
      {std::string("1") + digits(3000, '0'), ".", kOverflow},
  };
  for (const Case& c : cases) check(quorvel::read_whole, c);
}

TEST(WholeNumberField, NeverGivesNegativeZero) {
  for (std::string_view text : {"-0"sv, "-0.5"sv, "-0.4"sv, "-0e5"sv, "-1e-400"sv, "-0,5"sv}) {
    const Real got = quorvel::read_whole(text, text.find(',') == std::string_view::npos ? "." : ",");
    ASSERT_TRUE(got.ok()) << text;
    EXPECT_EQ(got.value(), 0.0) << text;
    EXPECT_FALSE(std::signbit(got.value())) << text;
  }
}

// Real field: the nearest single-precision number to the text itself, not
// to the double nearest to it.
TEST(RealField, GivesTheNearestSingleToTheText) {
  const std::vector<Case> cases = {
      {" 20 ", ".", 20.0f},
      {"1E3", ".", 1000.0f},
      {"0.1", ".", 0.1f},
      {"-0.1", ".", -0.1f},
      {".5", ".", 0.5f},
      {"5.", ".", 5.0f},
      {"+1.5e+2", ".", 150.0f},
      {"377", ".", 377.0f},
      {"0,1", ",", 0.1f},
      {" -2,5e-1 ", ",", -0.25f},
      {",5", ",", 0.5f},
      {"16777217", ".", 16777216.0f},  // halfway: to even
      {"16777219", ".", 16777220.0f},
      {"16777217.000000000000001", ".", 16777218.0f},
      // Halfway between 1 and the next single goes to 1; a hair above goes up,
      // even where the double nearest to the text is exactly that halfway point.
      {"1.000000059604644775390625", ".", 1.0f},
      {"1.0000000596046447753906250000000001", ".", 0x1.000002p0f},
      {"3.4028235E38", ".", FLT_MAX},
      {"340282356779733661637539395458142568447", ".", FLT_MAX},
      // Below the overflow threshold, though its nearest double is the threshold itself.
      {"3.4028235677973366e38", ".", FLT_MAX},
      {"1.4e-45", ".", 0x1p-149f},
      {"1e-50", ".", 0.0f},
      {"1e-9223372036854775809", ".", 0.0f},
      {"0e99999999999999999999", ".", 0.0f},
      {digits(1000, '3') + "e-1000", ".", 1.0f / 3.0f},
      {"1." + digits(3000, '0') + "1", ".", 1.0f},
      {"0." + digits(3000, '0') + "1", ".", 0.0f},
      {"1E39", ".", kOverflow},
      {"-1E39", ".", kOverflow},
      {"3.4028236E38", ".", kOverflow},
      {"340282356779733661637539395458142568448", ".", kOverflow},  // halfway to 2^128
      {"1E309", ".", kOverflow},
      {"1e9223372036854775808", ".", kOverflow},
      {"1" + digits(3000, '0'), ".", kOverflow},
  };
  for (const Case& c : cases) check(quorvel::read_real, c);
}

// Double field: the nearest double to the text itself.
TEST(DoubleField, GivesTheNearestDoubleToTheText) {
  const std::vector<Case> cases = {
      {"0.1", ".", 0.1},
      {"0,1", ",", 0.1},
      {" 20 ", ".", 20.0},
      {"-.5", ".", -0.5},
      {"1E39", ".", 1e39},
      {"1.7976931348623157e308", ".", DBL_MAX},
      {"1.7976931348623158e308", ".", DBL_MAX},
      {"9007199254740993", ".", 9007199254740992.0},
      {"9007199254740993.000000000000000001", ".", 9007199254740994.0},
      {"4.9406564584124654e-324", ".", 0x1p-1074},
      {"2.4703282292062328e-324", ".", 0x1p-1074},
      {"2.4703282292062327e-324", ".", 0.0},
      {"1e-400", ".", 0.0},
      {"1e-9223372036854775809", ".", 0.0},
      {"0e99999999999999999999", ".", 0.0},
      {digits(1000, '3') + "e-1000", ".", 1.0 / 3.0},
      {"0." + digits(3000, '0') + "1", ".", 0.0},
      {"1.7976931348623159e308", ".", kOverflow},
      {"1E309", ".", kOverflow},
      {"-1E309", ".", kOverflow},
      {"1e9223372036854775808", ".", kOverflow},
      {"1" + digits(3000, '0'), ".", kOverflow},
  };
  for (const Case& c : cases) check(quorvel::read_double, c);
}

}  // namespace
