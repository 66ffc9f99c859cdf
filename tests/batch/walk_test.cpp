#include "walk.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "quorvel/text/decimal.h"

namespace {

using quorvel::Walk;
using quorvel::WalkValues;
using quorvel::batch::parse_walk;

quorvel::Decimal decimal(const char* text) {
  return *quorvel::parse_decimal(text, ".");
}

std::string text(const quorvel::Decimal& d) {
  return quorvel::plain_text(d, ".");
}

TEST(DecimalArithmetic, AddsAndComparesExactly) {
  struct Case {
    const char* a;
    const char* b;
    const char* sum;
  };
  for (const Case& c : std::vector<Case>{
           {"0.1", "0.2", "0.3"},
           {"0.7", "0.3", "1"},
           {"9.99", "0.01", "10"},
           {"999", "1", "1000"},
           {"1", "-0.01", "0.99"},
           {"-0.05", "0.05", "0"},
           {"0.05", "-0.1", "-0.05"},
           {"-1.5", "-2.75", "-4.25"},
           {"1E20", "1E-5", "100000000000000000000.00001"},
           {"1000", "-999.999", "0.001"},
           {"0", "-7", "-7"},
           {"-0", "0", "0"},
       }) {
    const auto a = decimal(c.a), b = decimal(c.b), sum = decimal(c.sum);
    EXPECT_EQ(text(quorvel::add(a, b)), c.sum) << c.a << " + " << c.b;
    EXPECT_EQ(text(quorvel::add(b, a)), c.sum) << c.b << " + " << c.a;
    EXPECT_EQ(quorvel::compare(quorvel::add(a, b), sum), 0) << c.a << " + " << c.b;
  }

  // Each list in increasing order.
  for (const auto& order : std::vector<std::vector<const char*>>{
           {"-1E3", "-999.5", "-1", "-0.99", "-0.1", "0", "0.001", "0.01", "0.1", "0.19", "0.2", "1", "1.5", "10",
            "1E9"},
       }) {
    for (std::size_t i = 0; i < order.size(); ++i) {
      for (std::size_t j = 0; j < order.size(); ++j) {
        const int expected = i < j ? -1 : i > j ? 1 : 0;
        EXPECT_EQ(quorvel::compare(decimal(order[i]), decimal(order[j])), expected) << order[i] << " vs " << order[j];
      }
    }
  }
  EXPECT_EQ(quorvel::compare(decimal("-0"), decimal("0")), 0);
}

std::vector<std::string> values(const char* walk_option) {
  const auto walk = parse_walk(walk_option);
  if (const auto* why = std::get_if<std::string>(&walk)) return {"error: " + *why};
  std::vector<std::string> texts;
  WalkValues all(std::get<Walk>(walk));
  while (const auto v = all.next()) texts.push_back(text(*v));
  return texts;
}

TEST(Walk, StepsFromFromTowardsToInDecimal) {
  struct Case {
    const char* walk_option;
    std::vector<std::string> values;
  };
  for (const Case& c : std::vector<Case>{
           {"L2=0.1:0.5:0.1", {"0.1", "0.2", "0.3", "0.4", "0.5"}},
           {"L2=1:0:0.25", {"1", "0.75", "0.5", "0.25", "0"}},
           {"L2=0:1:0.3", {"0", "0.3", "0.6", "0.9"}},  // 1 is not on the grid
           {"L2=-0.05:0.05:0.05", {"-0.05", "0", "0.05"}},
           {"L2=9.98:10.02", {"9.98", "9.99", "10", "10.01", "10.02"}},  // 0.01 for lengths
           {"T=3:-1", {"3", "2", "1", "0", "-1"}},                       // 1 for the temperature
           {"T=70:71:0.5", {"70", "70.5", "71"}},
           {"alpha=90:91:0.5", {"90", "90.5", "91"}},
           {"beta=1E2:99.5:0.25", {"100", "99.75", "99.5"}},
           {"D=1E-3:3E-3:1E-3", {"0.001", "0.002", "0.003"}},
           {"L=5:5", {"5"}},
           {"t=2:1:5", {"2"}},
           {"L1=-1:-3:1", {"-1", "-2", "-3"}},
           {"L5=99.5:101:0.75", {"99.5", "100.25", "101"}},
           {"H=4.12:4.14", {"4.12", "4.13", "4.14"}},  // the loop's height and width as lengths
           {"W=6:5.5:0.5", {"6", "5.5"}},
       }) {
    EXPECT_EQ(values(c.walk_option), c.values) << c.walk_option;
  }
  const auto walk = std::get<Walk>(parse_walk("alpha=1:2"));
  EXPECT_EQ(walk.symbol, "α");
  EXPECT_EQ(std::get<Walk>(parse_walk("beta=1:2")).symbol, "β");
}

TEST(Walk, CountsUpToAMillionValues) {
  std::size_t count = 0;
  WalkValues all(std::get<Walk>(parse_walk("L2=0:9999.99")));
  while (all.next()) ++count;
  EXPECT_EQ(count, 1'000'000u);
  // |TO − FROM| / STEP + 1 values, FROM and TO on either side of zero.
  const std::pair<const char*, bool> walks[] = {
      {"L2=10:-9989.99:0.01", true}, {"L2=10:-9990:0.01", false}, {"L2=0:10000", false},
      {"L2=10000:0.01", true},       {"L2=10000.01:0", false},    {"L2=-5000:4999.99", true},
      {"L2=-5000:5000", false},      {"L2=-6000:6000", false},    {"L2=6000:-6000", false},
      {"L2=-20000:-10000.01", true}, {"L2=-20000:-10000", false}, {"L2=-10000:-20000", false},
      {"L2=-1:0.999998:2E-6", true}, {"L2=-1:1:2E-6", false},
  };
  for (const auto& [walk, allowed] : walks) EXPECT_EQ(std::holds_alternative<Walk>(parse_walk(walk)), allowed) << walk;
}

TEST(Walk, RejectsWhatCannotBeWalked) {
  struct Case {
    const char* walk_option;
    const char* names;  // a word the reason must hold
  };
  for (const Case& c : std::vector<Case>{
           {"X=1:2", "unknown field 'X'"},
           {"α2=1:2", "unknown field"},
           {"l2=1:2", "unknown field"},
           {"=1:2", "unknown field"},
           {"L2", "F=FROM:TO[:STEP]"},
           {"L2=1", "F=FROM:TO[:STEP]"},
           {"L2=1:2:3:4", "F=FROM:TO[:STEP]"},
           {"L2=a:2", "FROM 'a'"},
           {"L2=:2", "FROM ''"},
           {"L2=1:2,5", "TO '2,5'"},
           {"L2=1:2:x", "STEP 'x'"},
           {"L2=1:2:0", "STEP must be above 0"},
           {"L2=1:2:-0.5", "STEP must be above 0"},
           {"L2=1:2:-0", "STEP must be above 0"},
           {"L2=0:1E6:1", "1000000 values"},
           {"L2=0:1:1E-6", "1000000 values"},
           {"L2=1E-2000:1", "1000 digits"},
           {"L2=1E999999999:1E999999999", "1000 digits"},
       }) {
    const auto walk = parse_walk(c.walk_option);
    ASSERT_TRUE(std::holds_alternative<std::string>(walk)) << c.walk_option;
    EXPECT_NE(std::get<std::string>(walk).find(c.names), std::string::npos) << std::get<std::string>(walk);
  }
  // The list of fields is the panels' own, Greek letters spelled out.
  EXPECT_NE(std::get<std::string>(parse_walk("X=1:2")).find("T, D, t, L1, L2, L3, L4, L5, L, alpha, beta"),
            std::string::npos);
}

}  // namespace
