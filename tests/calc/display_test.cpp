// The tenths and ratio displays, the text of a shown number and of a text
// quoted in a message. Expected
// texts are worked by hand from floor(v + 0.5) / 10, |floor(100 r + 0.5) / 100|
// and the 15-significant-digit rule.

#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/panels/display.h"
#include "quorvel/text/text.h"

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
      // Exact ties at the 15th digit go to the even digit.
      {1234567890123455, "1.23456789012346E+15"},
      {1234567890123445, "1.23456789012344E+15"},
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
// SI values are the unrounded value rounded once, exactly: 0.125 and 0.375
// are binary fractions, so they are true ties and go to the even digit;
// 0.1 lies a little above one tenth.
TEST(FixedText, RoundsTheExactValueToNearestOnce) {
  struct Case {
    double value;
    int shift, places;
    std::string_view decimal_point, text;
  };
  const Case cases[] = {
      {9077.4, -3, 3, ".", "9.077"},
      {3770.4999, -3, 3, ".", "3.770"},
      {-10211.0, -3, 3, ".", "-10.211"},
      {0.125, 0, 2, ".", "0.12"},
      {0.375, 0, 2, ".", "0.38"},
      {2.5, 0, 0, ".", "2"},
      {0.1, 0, 20, ".", "0.10000000000000000555"},
      {-0.0004, 0, 3, ".", "0.000"},
      {25390000.0, -6, 2, ",", "25,39"},
      {999.9996, 0, 3, ".", "1000.000"},
      {1e20, -3, 3, ".", "100000000000000000.000"},
      {0, -6, 2, ".", "0.00"},
      // Every digit of the exact value: 1e23 is 99999999999999991611392, 0.1
      // has 55 decimals.
      {1e23, 0, 0, ".", "99999999999999991611392"},
      {0.1, 0, 55, ".", "0.1000000000000000055511151231257827021181583404541015625"},
      {0.1, 0, 56, ".", "0.10000000000000000555111512312578270211815834045410156250"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(quorvel::fixed_text(c.value, c.shift, c.places, c.decimal_point), c.text) << c.value;
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
      {"αβγδ", 2, "αβ…"},                                                       // characters, not bytes
      {"\U00010000\U0001D6FC\U0010FFFF", 3, "\U00010000\U0001D6FC\U0010FFFF"},  // 4 bytes each, lowest to highest
      {"\U0001D6FC\U0001D6FC\U0001D6FC", 2, "\U0001D6FC\U0001D6FC…"},
      {"a\x80z\xbf", 10, "a\uFFFDz\uFFFD"},          // stray continuation bytes
      {"\xe2\x82x\xc3", 10, "\uFFFD\uFFFDx\uFFFD"},  // cut short inside and at the end
      {"\xf0\x9d\x9b", 10, "\uFFFD\uFFFD\uFFFD"},
      {"\xc0\xaf\xe0\x80\xaf", 10, "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},  // overlong "/"
      {"\xf0\x8f\xbf\xbf", 10, "\uFFFD\uFFFD\uFFFD\uFFFD"},            // overlong U+FFFF
      {"\xf4\x90\x80\x80", 10, "\uFFFD\uFFFD\uFFFD\uFFFD"},            // past U+10FFFF
  };
  for (const Case& c : cases) EXPECT_EQ(quorvel::one_line(c.text, c.longest), c.shown) << c.text;
}

}  // namespace
