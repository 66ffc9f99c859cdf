// The three panel calculations, texts in to texts out. Expected texts were
// worked out independently of the library, from the formulas with their
// repairs and the field and display rules (a separate exact-fraction and
// single-precision reference); the default results are the ones the
// engineering notes give.

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "quorvel/panels/panels.h"

namespace {

using quorvel::ErrorKind;
using quorvel::Failure;
using quorvel::Panel;

const Panel& bend = *quorvel::panel_by_key("bend");
const Panel& offset = *quorvel::panel_by_key("offset");
const Panel& loop = *quorvel::panel_by_key("loop");

using Texts = std::vector<std::string>;

// The default inputs with some fields changed, each named by its symbol.
Texts with(const Panel& panel, const std::vector<std::pair<std::string_view, std::string>>& changes) {
  Texts texts = quorvel::default_inputs(panel);
  for (const auto& [symbol, text] : changes) texts.at(quorvel::input_index(panel, symbol).value()) = text;
  return texts;
}

std::string replace_all(std::string text, char from, char to) {
  for (char& ch : text)
    if (ch == from) ch = to;
  return text;
}

TEST(PanelDefaults, GiveTheResultsOfTheEngineeringNotes) {
  const std::vector<std::pair<const Panel*, Texts>> cases = {
      {&bend, {"907.7", "377", "115.2", "0.12", "0.19", "0.32"}},
      {&offset, {"1021.1", "-1021.1", "366.6", "142.7", "0.14", "0.25", "0.25", "0.14"}},
      {&loop, {"-349.1", "-349.1", "-104.7", "0", "0.05", "0.05", "0.09", "0.09", "0.05", "0.05"}},
  };
  for (const auto& [p, expected] : cases) {
    const Panel& panel = *p;
    SCOPED_TRACE(panel.key);
    const Texts inputs = quorvel::default_inputs(panel);
    const auto first = quorvel::calculate(panel, inputs, ".");
    EXPECT_FALSE(first.failure);
    EXPECT_EQ(first.results, expected);

    // Nothing is kept between presses.
    EXPECT_EQ(quorvel::calculate(panel, inputs, ".").results, expected);

    // The defaults hold no separator, so a decimal comma only changes the results' separator.
    Texts with_comma;
    for (const auto& text : expected) with_comma.push_back(replace_all(text, '.', ','));
    EXPECT_EQ(quorvel::calculate(panel, inputs, ",").results, with_comma);

    // Each text is delivered at once, in write order.
    std::vector<std::size_t> order;
    Texts delivered;
    const auto failure = quorvel::calculate(panel, inputs, ".", [&](std::size_t index, const std::string& text) {
                           order.push_back(index);
                           delivered.push_back(text);
                         }).failure;
    EXPECT_FALSE(failure);
    EXPECT_EQ(delivered, expected);
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], i);
  }
}

struct WorkedCase {
  std::string_view what;
  const Panel* panel;
  Texts inputs;
  std::string_view decimal_point;
  Texts results;
};

// A nearly singular row (a run straight or folded back, α = 0 or 180°) takes
// sin and cos of a half or whole turn, 0 only in exact arithmetic: glibc's
// sin of the double nearest π is the correctly rounded 1.2246467991473532e-16,
// Windows' C runtime under Wine (msvcrt, x87's 66-bit π) gives 1.2246e-16 to
// 12 bits, and a result shown with 15 significant digits moves in its last
// three. The expected texts are glibc's; on Windows such a row's texts must
// agree to 12 significant digits (docs/engineering.md), every other row's
// exactly.
void expect_results(const WorkedCase& c, const Texts& results) {
#ifdef _WIN32
  if (c.what.find("nearly singular") != std::string_view::npos && results.size() == c.results.size()) {
    for (std::size_t i = 0; i < results.size(); ++i) {
      if (results[i] == c.results[i]) continue;
      EXPECT_NEAR(std::stod(results[i]) / std::stod(c.results[i]), 1, 1e-12) << results[i] << " " << c.results[i];
    }
    return;
  }
#endif
  EXPECT_EQ(results, c.results);
}

TEST(PanelResults, MatchTheHandWorkedCases) {
  // clang-format off
  const std::vector<WorkedCase> cases = {
      {"legs at right angles", &bend,
       {"100", "219", "6", "10", "20", "90"}, ".",
       {"444.5", "21.6", "70.6", "0.27", "0.16", "0.1"}},
      {"an open bend", &bend,
       {"150", "159", "4.5", "5.5", "7.25", "120"}, ".",
       {"454.8", "201.7", "152.5", "0.69", "0.58", "0.5"}},
      {"a sharp bend", &bend,
       {"70", "377", "9", "20", "10", "45"}, ".",
       {"306.1", "340.4", "58.2", "0.04", "0.11", "0.26"}},
      {"T below 0 flips the signs of the reactions", &bend,
       {"-40", "377", "9", "20", "10", "90"}, ".",
       {"-492.7", "-204.7", "-62.5", "0.07", "0.1", "0.17"}},
      {"T 70.5 is read as 70", &bend,
       {"70.5", "377", "9", "20", "10", "90"}, ".",
       {"907.7", "377", "115.2", "0.12", "0.19", "0.32"}},
      {"T 71.5 is read as 72", &bend,
       {"71.5", "377", "9", "20", "10", "90"}, ".",
       {"934.5", "388.2", "118.6", "0.12", "0.19", "0.33"}},
      {"decimal comma", &bend,
       {"100", "219,1", "6,3", "10,5", "20,25", "100,5"}, ",",
       {"488,6", "39,9", "75,6", "0,28", "0,18", "0,12"}},
      {"decimal point, same run", &bend,
       {"100", "219.1", "6.3", "10.5", "20.25", "100.5"}, ".",
       {"488.6", "39.9", "75.6", "0.28", "0.18", "0.12"}},
      {"a straight run (180) is nearly singular, not rejected", &bend,
       {"70", "377", "9", "20.1", "10.3", "180"}, ".",
       {"24646237960.6", "1.41479160790369E+17", "2847644167.7", "3295083.96", "4357315.53", "6430213.41"}},
      {"leg 2 folded back (0) is nearly singular, not rejected", &bend,
       {"70", "377", "9", "20.1", "10.3", "0"}, ".",
       {"-998476351.4", "1.81422230815321E+16", "118829295.7", "133491.51", "452818.36", "1596976.46"}},
      {"a zero leg 1 off the right angle is nearly singular, not rejected", &bend,
       {"70", "377", "9", "0", "10", "45"}, ".",
       {"-1675.7", "1.8094645287025E+18", "-1.80946466531327E+18", "0.22", "0.22", "0.22"}},
      {"L3 = 0 puts point 4 on point 3", &offset,
       {"70", "377", "9", "20", "10", "0", "30", "90"}, ".",
       {"1187", "3491.1", "544.6", "157.1", "0.16", "0.26", "0.47", "0.47"}},
      {"a slanting middle leg", &offset,
       {"120", "273", "7", "12.5", "6", "8.4", "25", "110"}, ".",
       {"1621.2", "-714.6", "839.4", "308", "0.53", "0.73", "0.62", "0.24"}},
      {"T below 0 flips the signs", &offset,
       {"-50", "377", "9", "20", "10", "20", "40", "90"}, ".",
       {"-689.5", "689.5", "-247.5", "-96.4", "0.09", "0.17", "0.17", "0.09"}},
      {"a longer L changes only the expansion along the legs", &offset,
       {"70", "377", "9", "20", "10", "20", "45", "90"}, ".",
       {"1125.9", "-1125.9", "408.5", "158.4", "0.15", "0.27", "0.27", "0.15"}},
      {"decimal comma", &offset,
       {"85", "325", "8", "15,5", "7,5", "12,25", "36,5", "105"}, ",",
       {"1706,6", "-1077", "733,3", "272,7", "0,35", "0,51", "0,46", "0,22"}},
      {"decimal point, same run", &offset,
       {"85", "325", "8", "15.5", "7.5", "12.25", "36.5", "105"}, ".",
       {"1706.6", "-1077", "733.3", "272.7", "0.35", "0.51", "0.46", "0.22"}},
      {"L 1E39 is used as that number", &offset,
       {"70", "377", "9", "20", "10", "20", "1E39", "90"}, ".",
       {"2.09463217865984E+40", "-2.09463217865984E+40", "8.37852871463935E+39", "3.14194826798976E+39", "2.80042289341352E+36", "5.60084578682703E+36", "5.60084578682703E+36", "2.80042289341352E+36"}},
      {"a straight run (180) is nearly singular, not rejected", &offset,
       {"70", "377", "9", "20.1", "10.3", "20.7", "40", "180"}, ".",
       {"19356874724.9", "-20328712344.4", "1.06436653760888E+17", "2396355152.8", "2587921.43", "3851740.92", "3914039.49", "2717851.47"}},
      {"T -32768 needs no 16-bit step here", &offset,
       {"-32768", "377", "9", "20", "10", "20", "40", "90"}, ".",
       {"6669050.6", "-6669050.6", "2394018.2", "931957.1", "891.62", "1600.34", "1600.34", "891.62"}},
      {"level ends and L = 0 load nothing", &loop,
       {"70", "377", "9", "20", "10", "15", "10", "20", "0", "90", "90"}, ".",
       {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}},
      {"T = 20 grows as in the other panels", &loop,
       {"20", "377", "9", "20", "10", "15", "10", "20", "50", "90", "90"}, ".",
       {"-97.5", "-97.5", "-29.2", "0", "0.01", "0.01", "0.03", "0.03", "0.01", "0.01"}},
      {"T below 0 flips the signs", &loop,
       {"-40", "377", "9", "20", "10", "15", "10", "20", "55", "90", "90"}, ".",
       {"208.4", "208.4", "62.5", "0", "0.03", "0.03", "0.06", "0.06", "0.03", "0.03"}},
      {"T above 0, the same run", &loop,
       {"80", "377", "9", "20", "10", "15", "10", "20", "55", "90", "90"}, ".",
       {"-440.9", "-440.9", "-132.3", "0", "0.06", "0.06", "0.12", "0.12", "0.06", "0.06"}},
      {"T -32748 needs no 16-bit step", &loop,
       {"-32748", "377", "9", "20", "10", "15", "10", "20", "50", "90", "90"}, ".",
       {"-2277136.5", "-2277136.5", "-683141", "0", "304.44", "304.44", "608.88", "608.88", "304.44", "304.44"}},
      {"T -32768", &loop,
       {"-32768", "377", "9", "20", "10", "15", "10", "20", "50", "90", "90"}, ".",
       {"-2280015.4", "-2280015.4", "-684004.6", "0", "304.83", "304.83", "609.65", "609.65", "304.83", "304.83"}},
      {"T 32767", &loop,
       {"32767", "377", "9", "20", "10", "15", "10", "20", "50", "90", "90"}, ".",
       {"-2596286.7", "-2596286.7", "-778886", "0", "347.11", "347.11", "694.22", "694.22", "347.11", "347.11"}},
      {"ends not level", &loop,
       {"120", "325", "8", "15", "8", "12", "6", "18", "45", "105", "80"}, ".",
       {"-499.8", "-645.9", "-257", "13.3", "0.1", "0.14", "0.26", "0.22", "0.08", "0.13"}},
      {"decimal comma", &loop,
       {"120", "325,5", "8,5", "15,25", "8,75", "12,5", "6,25", "18,5", "45,5", "105,5", "80,5"}, ",",
       {"-477,8", "-646,9", "-231,9", "14,6", "0,09", "0,13", "0,23", "0,2", "0,07", "0,12"}},
      {"decimal point, same run", &loop,
       {"120", "325.5", "8.5", "15.25", "8.75", "12.5", "6.25", "18.5", "45.5", "105.5", "80.5"}, ".",
       {"-477.8", "-646.9", "-231.9", "14.6", "0.09", "0.13", "0.23", "0.2", "0.07", "0.12"}},
      {"a straight run (180, 180) is nearly singular, not rejected", &loop,
       {"70", "377", "9", "20.1", "10.3", "15.7", "10.3", "20.9", "50", "180", "180"}, ".",
       {"-12697903780", "-11933164002.4", "-1.32669191564934E+17", "-9893131.9", "1697650.32", "1671064.74", "3237816.96", "3258580.12", "1623050.55", "1595406.87"}},
      {"alpha 90.000001 is read as 90 exactly", &loop,
       {"70", "377", "9", "20", "10", "15", "10", "20", "50", "90.000001", "90"}, ".",
       {"-349.1", "-349.1", "-104.7", "0", "0.05", "0.05", "0.09", "0.09", "0.05", "0.05"}},
  };
  // clang-format on
  for (const WorkedCase& c : cases) {
    SCOPED_TRACE(std::string(c.panel->key) + ": " + std::string(c.what));
    const auto outcome = quorvel::calculate(*c.panel, c.inputs, c.decimal_point);
    EXPECT_FALSE(outcome.failure);
    expect_results(c, outcome.results);
  }
}

struct FailureCase {
  std::string_view what;
  const Panel* panel;
  std::vector<std::pair<std::string_view, std::string>> changes;  // {symbol, text}; the rest keep their defaults
  std::string_view decimal_point;
  ErrorKind kind;
  std::string_view field;  // the symbol of the field the failure names, if any
};

constexpr auto kMismatch = ErrorKind::type_mismatch;
constexpr auto kOverflow = ErrorKind::overflow;

TEST(PanelFailures, EndWithTheFirstErrorInReadingAndComputingOrder) {
  const std::vector<FailureCase> cases = {
      // Two-leg bend: every field is read, in order, before anything is computed.
      {"T and D both letters: T is read first", &bend, {{"T", "abc"}, {"D", "abc"}}, ".", kMismatch, "T"},
      {"empty T", &bend, {{"T", ""}}, ".", kMismatch, "T"},
      {"T beyond 16 bits", &bend, {{"T", "40000"}}, ".", kOverflow, "T"},
      {"D 1E39 before a bad t", &bend, {{"D", "1E39"}, {"t", "x"}}, ".", kOverflow, "D"},
      {"alpha with a unit", &bend, {{"α", "20m"}}, ".", kMismatch, "α"},
      {"L1 '1,5' under a decimal point", &bend, {{"L1", "1,5"}}, ".", kMismatch, "L1"},
      {"L1 '1.5' under a decimal comma", &bend, {{"L1", "1.5"}}, ",", kMismatch, "L1"},
      {"zero wall thickness: the first stress is 0/0", &bend, {{"t", "0"}}, ".", kOverflow, ""},
      {"zero leg 2: 0/0 in the elimination", &bend, {{"L2", "0"}}, ".", kOverflow, ""},
      {"zero leg 1 at 90 degrees: 0/0", &bend, {{"L1", "0"}}, ".", kOverflow, ""},

      // Z-shaped offset: L3 is first used in the coefficients, L in the load terms.
      {"L3 and alpha letters: alpha is read, L3 only used later",
       &offset,
       {{"L3", "abc"}, {"α", "abc"}},
       ".",
       kMismatch,
       "α"},
      {"L3 letters before L beyond doubles", &offset, {{"L3", "abc"}, {"L", "1e400"}}, ".", kMismatch, "L3"},
      {"T beyond 16 bits before L3 letters", &offset, {{"T", "32768"}, {"L3", "abc"}}, ".", kOverflow, "T"},
      {"empty L", &offset, {{"L", ""}}, ".", kMismatch, "L"},
      {"L3 beyond doubles", &offset, {{"L3", "1e400"}}, ".", kOverflow, "L3"},
      {"L3 1e200 overflows A11 before L is used", &offset, {{"L3", "1e200"}, {"L", "abc"}}, ".", kOverflow, ""},
      {"L3 '2.5' under a decimal comma", &offset, {{"L3", "2.5"}}, ",", kMismatch, "L3"},
      {"zero wall thickness: the first stress is 0/0", &offset, {{"t", "0"}}, ".", kOverflow, ""},
      {"all three legs zero: M1 is 0/0", &offset, {{"L1", "0"}, {"L2", "0"}, {"L3", "0"}}, ".", kOverflow, ""},

      // Raised loop: beta is first used for the angle, L3, L4, L5 in A11, L in the load terms.
      {"beta and L3 letters: beta is used first", &loop, {{"β", "abc"}, {"L3", "abc"}}, ".", kMismatch, "β"},
      {"alpha and beta letters: alpha is read", &loop, {{"α", "abc"}, {"β", "abc"}}, ".", kMismatch, "α"},
      {"L3 and L4 letters", &loop, {{"L3", "abc"}, {"L4", "abc"}}, ".", kMismatch, "L3"},
      {"empty L4 before bad L5", &loop, {{"L4", ""}, {"L5", "x"}}, ".", kMismatch, "L4"},
      {"L5 letters before bad L", &loop, {{"L5", "x"}, {"L", "x"}}, ".", kMismatch, "L5"},
      {"L letters", &loop, {{"L", "x"}}, ".", kMismatch, "L"},
      {"L4 beyond doubles", &loop, {{"L4", "1e400"}}, ".", kOverflow, "L4"},
      {"beta beyond doubles", &loop, {{"β", "1e400"}}, ".", kOverflow, "β"},
      {"beta '90.5' under a decimal comma", &loop, {{"β", "90.5"}}, ",", kMismatch, "β"},
      {"L3 1e200 overflows A11 before L5 is used", &loop, {{"L3", "1e200"}, {"L5", "abc"}}, ".", kOverflow, ""},
      {"T beyond 16 bits before L letters", &loop, {{"T", "-32769"}, {"L", "abc"}}, ".", kOverflow, "T"},
      {"zero wall thickness: the first stress is 0/0", &loop, {{"t", "0"}}, ".", kOverflow, ""},
      {"all five legs zero: M1 is 0/0",
       &loop,
       {{"L1", "0"}, {"L2", "0"}, {"L3", "0"}, {"L4", "0"}, {"L5", "0"}},
       ".",
       kOverflow,
       ""},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(std::string(c.panel->key) + ": " + std::string(c.what));
    const auto outcome = quorvel::calculate(*c.panel, with(*c.panel, c.changes), c.decimal_point);
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->kind, c.kind);
    EXPECT_EQ(outcome.failure->field, c.field.empty() ? std::nullopt : quorvel::input_index(*c.panel, c.field));
    EXPECT_EQ(outcome.failure->delivered, 0u);
    EXPECT_TRUE(outcome.results.empty());
  }
}

// Mz2 of the loop is formed after nMz12 is written, summing the moment arms of
// point 6 in another order than the stress there. In this nearly straight run
// the reactions are so large that Fy times that arm just overflows, while the
// same product in the other order, formed before any result, does not: the
// first result stands, the rest are never written. At the next lower L, all
// ten are.
TEST(PanelFailures, LoopMz2OverflowsAfterTheFirstResult) {
  Texts inputs = {"70",  "1000", "500", "0.048", "0.80", "0.077", "0.80", "0.046", "1.045085489014935e+298",
                  "135", "225"};
  Texts delivered;
  const auto failure = quorvel::calculate(loop, inputs, ".", [&](std::size_t index, const std::string& text) {
                         EXPECT_EQ(index, delivered.size());
                         delivered.push_back(text);
                       }).failure;
  ASSERT_TRUE(failure);
  EXPECT_EQ(*failure, (Failure{kOverflow, std::nullopt, 1}));
  EXPECT_EQ(delivered, Texts{"3.64727015749025E+305"});

  inputs[*quorvel::input_index(loop, "L")] = "1.0450854890149349e+298";
  const auto below = quorvel::calculate(loop, inputs, ".");
  EXPECT_FALSE(below.failure);
  EXPECT_EQ(below.results,
            (Texts{"3.64727015749025E+305", "-3.37914471756087E+305", "-1.52684594670228E+307", "1.38032350913647E+307",
                   "4.64385251734345E+299", "3.79207056803262E+299", "6.76126460642196E+299", "6.77135628805408E+299",
                   "3.78195877398859E+299", "4.30246075517345E+299"}));
}

TEST(PanelFailures, AWrongNumberOfInputsIsRejected) {
  const Texts five(5, "1");
  for (const Panel* panel : quorvel::panels()) {
    EXPECT_THROW(quorvel::calculate(*panel, five, "."), std::invalid_argument) << panel->key;
  }
}

}  // namespace
