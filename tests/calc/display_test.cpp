// The tenths and ratio displays, the text of a shown number and of a text
// quoted in a message. Expected
// texts are worked by hand from floor(v + 0.5) / 10, |floor(100 r + 0.5) / 100|
// and the 15-significant-digit rule.

#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/display.h"
#include "quorvel/text.h"

namespace {

using quorvel::ErrorKind;
using quorvel::Real;

std::string text_of(Real shown, std::string_view decimal_point = ".") {
  return quorvel::number_text(shown.get(), decimal_point);
}

struct Shown {
  double value;
  std::string_view text;
};

TEST(TenthsDisplay, RoundsHalfUpToTensOfNewtons) {
  const std::vector<Shown> cases = {
      {12345.4, "1234.5"},
      {12345.5, "1234.6"},
      {-12345.5, "-1234.5"},  // halfway goes up, toward zero for negatives
      {-12345.6, "-1234.6"},
      {0.3, "0"},
      {12300.2, "1230"},
      {0.0, "0"},
      {-0.0, "0"},
      {-0.3, "0"},  // floor(0.2) = 0: never "-0"
      {-0.5, "0"},
      {-0.6, "-0.1"},
      {-4.9, "-0.5"},
      {99999.96, "10000"},
      {-99999.96, "-10000"},
      {1e16, "1E+15"},
      {DBL_MAX, "1.79769313486232E+307"},  // v + 0.5 stays finite
  };
  for (const auto& [v, text] : cases) EXPECT_EQ(text_of(quorvel::tenths(v)), text) << "v = " << v;
}

TEST(RatioDisplay, RoundsHalfUpThenDropsTheSign) {
  const std::vector<Shown> cases = {
      {0.125, "0.13"},  {-0.125, "0.12"},  // halfway goes upward before the sign is dropped
      {0.4449, "0.44"}, {-1.5, "1.5"},    {0.004, "0"},          {-0.004, "0"}, {-0.005, "0"},
      {-0.006, "0.01"}, {0.005, "0.01"},  {-2.675, "2.67"},  // 100 * -2.675 is -267.49999999999997
      {0.0, "0"},       {-0.0, "0"},      {1.7e306, "1.7E+306"},
  };
  for (const auto& [r, text] : cases) EXPECT_EQ(text_of(quorvel::ratio(r)), text) << "r = " << r;
}

TEST(Displays, FailWhenAStepOverflows) {
  // 100 r beyond the double range.
  for (double r : {1e307, -1e307, DBL_MAX}) {
    const Real shown = quorvel::ratio(r);
    ASSERT_FALSE(shown.ok()) << "r = " << r;
    EXPECT_EQ(shown.error(), ErrorKind::overflow);
  }
  // A failure already in the value passes through unchanged.
  const Real failed = Real::failed(ErrorKind::type_mismatch, 4);
  EXPECT_EQ(quorvel::tenths(failed).error(), ErrorKind::type_mismatch);
  EXPECT_EQ(quorvel::tenths(failed).field(), 4u);
  EXPECT_EQ(quorvel::ratio(failed).error(), ErrorKind::type_mismatch);
}

TEST(NumberText, FifteenSignificantDigitsWithoutTrailingZeros) {
  const std::vector<Shown> cases = {
      {1234.6, "1234.6"},  // the double nearest to 1234.6, not its 17-digit expansion
      {1230, "1230"},
      {0, "0"},
      {-0.0, "0"},
      {0.5, "0.5"},
      {-0.5, "-0.5"},
      {0.1, "0.1"},
      {0.01, "0.01"},
      {0.001, "0.001"},
      {0.00001, "0.00001"},
      {100, "100"},
      {12345678.9, "12345678.9"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {-2.0 / 3.0, "-0.666666666666667"},
      {0.9999999999999999, "1"},
      {9.999999999999998, "10"},
      {99999.99999999999, "100000"},
      {1e14, "100000000000000"},
      {123456789012345.6, "123456789012346"},
      {999999999999999.4, "999999999999999"},
      // From 1E+15 up, after rounding to 15 digits, the exponent form.
      {999999999999999.9, "1E+15"},
      {1e15, "1E+15"},
      {1234567890123456, "1.23456789012346E+15"},
      {-1234567890123456, "-1.23456789012346E+15"},
      {1.5e20, "1.5E+20"},
      {1e100, "1E+100"},
      {DBL_MAX, "1.79769313486232E+308"},
  };
  for (const auto& [v, text] : cases) EXPECT_EQ(quorvel::number_text(v, "."), text) << "v = " << v;
}

TEST(NumberText, UsesTheLocaleDecimalSeparator) {
  const std::vector<Shown> cases = {
      {0.5, "0,5"}, {-1234.5, "-1234,5"}, {1230, "1230"}, {0.13, "0,13"}, {1.5e15, "1,5E+15"}, {0, "0"},
  };
  for (const auto& [v, text] : cases) EXPECT_EQ(quorvel::number_text(v, ","), text) << "v = " << v;
}

// SI values worked by hand: tens of newtons × 0.01 = kN, ratio × 80 = MPa.
TEST(SiText, ShiftsAndMultipliesTheShownDigits) {
  using quorvel::Display;
  struct Case {
    std::string_view shown;
    Display display;
    std::string_view decimal_point, si;
  };
  const Case cases[] = {
      {"907.7", Display::moment, ".", "9.077"},
      {"1021.1", Display::moment, ".", "10.211"},
      {"-1021.1", Display::moment, ".", "-10.211"},
      {"366.6", Display::force, ".", "3.666"},
      {"3", Display::force, ".", "0.03"},
      {"1230", Display::force, ".", "12.3"},
      {"0", Display::force, ".", "0"},
      {"1.41479160790369E+17", Display::force, ".", "1414791607903690"},
      {"0.12", Display::ratio, ".", "9.6"},
      {"0.08", Display::ratio, ".", "6.4"},
      {"1.5", Display::ratio, ".", "120"},
      {"3295083.96", Display::ratio, ".", "263606716.8"},
      {"0", Display::ratio, ".", "0"},
      {"0,12", Display::ratio, ",", "9,6"},
      {"-492,7", Display::moment, ",", "-4,927"},
      {"", Display::ratio, ".", ""},
      {"abc", Display::force, ".", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(quorvel::si_text(c.shown, c.display, c.decimal_point), c.si) << c.shown;
}

TEST(OneLine, ReplacesControlCharactersAndBrokenUtf8AndCutsLongTexts) {
  struct Case {
    std::string_view text;
    std::size_t longest;
    std::string_view shown;
  };
  const Case cases[] = {
      {"1\n2\t3\r", 10, "1\uFFFD2\uFFFD3\uFFFD"},
      {"\x7f\u0085", 10, "\uFFFD\uFFFD"},                                // DEL and a C1 control character
      {"\xff\xc3(\xed\xa0\x80", 10, "\uFFFD\uFFFD(\uFFFD\uFFFD\uFFFD"},  // not UTF-8: byte by byte
      {"L = 2٫5 ㎜", 10, "L = 2٫5 ㎜"},                                  // other characters stay
      {"abcdef", 6, "abcdef"},
      {"abcdefg", 6, "abcdef…"},
      {"αβγδ", 2, "αβ…"},  // characters, not bytes
  };
  for (const Case& c : cases) EXPECT_EQ(quorvel::one_line(c.text, c.longest), c.shown) << c.text;
}

}  // namespace
