// The checks of the inputs: a row per rule and its edges, the defaults, and
// texts that are no number. The expected texts are worked by hand from the
// rules (anchors' distances from the legs and angles, half diameters).

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "quorvel/analyses/validity.h"
#include "quorvel/panels/panels.h"

namespace {

using quorvel::Panel;

const Panel& bend = *quorvel::panel_by_key("bend");
const Panel& offset = *quorvel::panel_by_key("offset");
const Panel& loop = *quorvel::panel_by_key("loop");

using Changes = std::vector<std::pair<std::string_view, std::string>>;  // {symbol, text}
using Found = std::vector<std::pair<std::string, std::string>>;         // {symbol, text}

struct Case {
  std::string_view what;
  const Panel* panel;
  Changes changes;  // the rest keep their defaults
  Found expected;
  std::string_view decimal_point = ".";
};

constexpr char kCold[] =
    "below -50 ℃ carbon steel turns brittle, which the fixed E = 196 GPa and [S] = 80 MPa do not describe";
constexpr char kHot[] = "above 425 ℃ carbon steel creeps, which the fixed E = 196 GPa and [S] = 80 MPa do not describe";
constexpr char kInLine[] =
    "an angle must lie strictly between 0° and 180°; at 0° and 180° the legs lie in line, which bending cannot carry";

std::string said(const char* entered, const char* reason) {
  return std::string(entered) + ": " + reason;
}

// The rule: a temperature beyond the table, an L apart from the legs and a T
// with a fraction are warnings; every other check says there is no pipe.
bool says_no_pipe(const std::string& text) {
  for (const char* warning : {"carbon steel", "the legs put the anchors", "read as the whole number"})
    if (text.find(warning) != std::string::npos) return false;
  return true;
}

TEST(InputChecks, NameEachFieldThatDescribesNoPipe) {
  const std::string apart = "the legs put the anchors %s apart; L sets the free expansion";
  const auto anchors = [&](const char* entered, const char* distance) {
    std::string reason = apart;
    reason.replace(reason.find("%s"), 2, distance);
    return std::string(entered) + ": " + reason;
  };
  // clang-format off
  const std::vector<Case> cases = {
      {"bend defaults", &bend, {}, {}},
      {"offset defaults: L1 + L3 = 40 = L", &offset, {}, {}},
      {"loop defaults: 20 + 15 + 20 = 55", &loop, {}, {{"L", anchors("L = 50 m", "55 m")}}},

      {"T just below the range", &bend, {{"T", "-51"}}, {{"T", said("T = -51 ℃", kCold)}}},
      {"T at its ends", &bend, {{"T", "-50"}}, {}},
      {"T at its ends", &bend, {{"T", "425"}}, {}},
      {"T just above the range", &offset, {{"T", "426"}}, {{"T", said("T = 426 ℃", kHot)}}},
      {"T 500", &bend, {{"T", "500"}}, {{"T", said("T = 500 ℃", kHot)}}},
      {"T with a fraction: half to even", &bend, {{"T", "70.5"}}, {{"T", said("T = 70.5 ℃", "read as the whole number 70 ℃")}}},
      {"T with a fraction: up", &loop, {{"T", "70.6"}, {"L", "55"}},
       {{"T", said("T = 70.6 ℃", "read as the whole number 71 ℃")}}},
      {"T with a fraction, below 0", &offset, {{"T", "-20.5"}}, {{"T", said("T = -20.5 ℃", "read as the whole number -20 ℃")}}},
      {"T with a fraction, decimal comma", &bend, {{"T", "71,5"}}, {{"T", said("T = 71,5 ℃", "read as the whole number 72 ℃")}}, ","},
      {"T with a zero fraction", &bend, {{"T", "70.00"}}, {}},
      {"T with a fraction beyond the range: the range only", &bend, {{"T", "425.6"}}, {{"T", said("T = 426 ℃", kHot)}}},
      {"T with a fraction just inside the range", &bend, {{"T", "425.4"}}, {{"T", said("T = 425.4 ℃", "read as the whole number 425 ℃")}}},

      {"D below 0", &bend, {{"D", "-323.9"}, {"t", "8"}}, {{"D", said("D = -323.9 mm", "the outer diameter must be above 0")}}},
      {"D 0", &offset, {{"D", "0"}}, {{"D", said("D = 0 mm", "the outer diameter must be above 0")}}},

      {"no wall", &bend, {{"t", "0"}}, {{"t", said("t = 0 mm", "a wall must be thicker than 0")}}},
      {"a wall below 0", &loop, {{"t", "-9"}, {"L", "55"}}, {{"t", said("t = -9 mm", "a wall must be thicker than 0")}}},
      {"a wall thicker than the radius", &bend, {{"D", "323.9"}, {"t", "200"}},
       {{"t", said("t = 200 mm", "a wall must be thinner than half the diameter (161.95 mm)")}}},
      {"a solid bar", &bend, {{"D", "20"}, {"t", "10"}},
       {{"t", said("t = 10 mm", "a wall must be thinner than half the diameter (10 mm)")}}},
      {"just thinner", &bend, {{"D", "20"}, {"t", "9.99"}}, {}},
      {"decimal comma", &bend, {{"D", "323,9"}, {"t", "200"}},
       {{"t", said("t = 200 mm", "a wall must be thinner than half the diameter (161,95 mm)")}}, ","},

      {"a leg below 0", &bend, {{"L1", "-12"}}, {{"L1", said("L1 = -12 m", "a leg cannot be shorter than 0")}}},
      {"a double-field leg below 0", &loop, {{"L4", "-10"}, {"L", "55"}},
       {{"L4", said("L4 = -10 m", "a leg cannot be shorter than 0")}}},
      {"one leg 0 is a leg", &bend, {{"L2", "0"}}, {}},
      {"every leg 0", &bend, {{"L1", "0"}, {"L2", "-0"}},
       {{"L1", said("L1 = 0 m", "every leg is 0 long, so there is no pipe run")}}},

      {"alpha 180: in line", &bend, {{"α", "180"}}, {{"α", said("α = 180°", kInLine)}}},
      {"alpha 0: folded back", &offset, {{"α", "0"}, {"L", "30"}}, {{"α", said("α = 0°", kInLine)}}},
      {"alpha beyond 180", &bend, {{"α", "270"}}, {{"α", said("α = 270°", kInLine)}}},
      {"alpha just inside", &bend, {{"α", "179.9"}}, {}},
      {"beta 180: 20 + 15 + 10 + 20", &loop, {{"β", "180"}, {"L", "65"}}, {{"β", said("β = 180°", kInLine)}}},

      {"L 0", &offset, {{"L", "0"}}, {{"L", said("L = 0 m", "the overall length must be above 0")}}},
      {"L far from the legs", &offset, {{"L", "10"}}, {{"L", anchors("L = 10 m", "40 m")}}},
      {"L within 1 %", &offset, {{"L", "40.4"}}, {}},
      {"L just beyond 1 %", &offset, {{"L", "40.5"}}, {{"L", anchors("L = 40.5 m", "40 m")}}},
      {"a slanting middle leg: 20 + 10 sin 30° + 20", &offset, {{"α", "120"}}, {{"L", anchors("L = 40 m", "45 m")}}},
      {"a slanting middle leg, L to match", &offset, {{"α", "120"}, {"L", "45"}}, {}},
      {"L2 turned by alpha, L4 by beta: 20 + 5 + 15 - 5 + 20", &loop, {{"α", "120"}, {"β", "60"}, {"L", "55"}}, {}},
      {"L4 by beta alone: 20 + 15 + 5 + 20", &loop, {{"β", "120"}}, {{"L", anchors("L = 50 m", "60 m")}}},

      {"a text that is no number gets no check", &bend, {{"t", "abc"}}, {}},
      {"nor do the checks that need it", &bend, {{"D", "abc"}, {"t", "200"}}, {}},
      {"a leg that is no number: no anchors' distance", &offset, {{"L3", "x"}, {"L", "10"}}, {}},
      {"every rule at once, in read order", &bend,
       {{"T", "500"}, {"D", "-323.9"}, {"t", "0"}, {"L1", "-12"}, {"α", "180"}},
       {{"T", said("T = 500 ℃", kHot)},
        {"D", said("D = -323.9 mm", "the outer diameter must be above 0")},
        {"t", said("t = 0 mm", "a wall must be thicker than 0")},
        {"L1", said("L1 = -12 m", "a leg cannot be shorter than 0")},
        {"α", said("α = 180°", kInLine)}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.panel->key) + ": " + std::string(c.what));
    std::vector<std::string> inputs = quorvel::default_inputs(*c.panel);
    for (const auto& [symbol, text] : c.changes) inputs.at(*quorvel::input_index(*c.panel, symbol)) = text;
    Found found;
    std::string first_no_pipe;
    for (const quorvel::InputCheck& check : quorvel::check_inputs(*c.panel, inputs, c.decimal_point)) {
      EXPECT_EQ(check.field, quorvel::input_index(*c.panel, check.symbol));
      EXPECT_EQ(check.no_pipe, says_no_pipe(check.text())) << check.text();
      found.emplace_back(check.symbol, check.text());
    }
    EXPECT_EQ(found, c.expected);
    for (const auto& [symbol, text] : c.expected)
      if (first_no_pipe.empty() && says_no_pipe(text)) first_no_pipe = text;
    const auto no_pipe = quorvel::no_pipe_reason(*c.panel, inputs, c.decimal_point);
    EXPECT_EQ(no_pipe ? no_pipe->text() : "", first_no_pipe);
    EXPECT_EQ(quorvel::describes_a_pipe(*c.panel, inputs, c.decimal_point), first_no_pipe.empty());
  }
}

}  // namespace
