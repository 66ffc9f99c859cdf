// Every line of the shared float-parsing corpus: a decimal text with the bits
// of its nearest single and double. The real-field and double-field readers
// must give exactly those, with the text as written, signed, with a decimal
// comma and with blanks around it; infinity bits mean an overflow failure.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "quorvel/panels/fields.h"

#ifndef QUORVEL_TESTDATA_DIR
#error "QUORVEL_TESTDATA_DIR must name the folder of the float corpus"
#endif

namespace {

using quorvel::ErrorKind;
using quorvel::Real;

// One line: HHHH HHHHHHHH HHHHHHHHHHHHHHHH <text>; the half-precision column is not used.
struct Line {
  std::uint32_t single_bits;
  std::uint64_t double_bits;
  std::string text;
};

std::vector<Line> read_corpus(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::vector<Line> lines;
  std::string row;
  while (std::getline(in, row)) {
    if (row.size() < 32) {
      ADD_FAILURE() << file << ": short line " << lines.size() + 1;
      continue;
    }
    lines.push_back({static_cast<std::uint32_t>(std::stoul(row.substr(5, 8), nullptr, 16)),
                     static_cast<std::uint64_t>(std::stoull(row.substr(14, 16), nullptr, 16)), row.substr(31)});
  }
  return lines;
}

// One way of writing a corpus text, and what that does to the expected bits.
struct Variant {
  const char* name;
  std::string text;
  std::string decimal_point;
  bool negated;
};

std::vector<Variant> variants(const std::string& text) {
  std::string comma = text;
  if (const auto dot = comma.find('.'); dot != std::string::npos) comma[dot] = ',';
  return {{"as written", text, ".", false},
          {"negated", "-" + text, ".", true},
          {"decimal comma", comma, ",", false},
          {"blanks around", "  " + text + " ", ".", false}};
}

// Compares a reading with the expected bits: infinity means an overflow
// failure; zero compares equal to zero of either sign, as the rules only ask
// for zero. Gives why they differ, or nothing.
template <typename Float, typename Bits>
std::string mismatch(const Real& got, Bits bits, bool negated) {
  if (negated) bits ^= Bits{1} << (sizeof(Bits) * 8 - 1);
  const Float expected = std::bit_cast<Float>(bits);
  if (std::isinf(expected) ? !got.ok() && got.error() == ErrorKind::overflow
                           : got.ok() && got.value() == static_cast<double>(expected))
    return {};
  std::ostringstream why;
  why.precision(17);
  why << "expected " << expected << ", got ";
  if (got.ok())
    why << got.value();
  else
    why << "failure kind " << static_cast<int>(got.error());
  return why.str();
}

TEST(FloatCorpus, RealAndDoubleFieldsGiveTheNearestValue) {
  const std::filesystem::path dir = QUORVEL_TESTDATA_DIR;
  if (!std::filesystem::is_directory(dir))
    GTEST_SKIP() << "float corpus not found at " << dir << " (the shared folder belongs beside the clone)";

  std::size_t checked_lines = 0, overflow_lines = 0, zero_lines = 0, mismatches = 0;
  std::string first_mismatches;
  for (const char* name : {"float-parse-sample.txt", "float-parse-generated-hard.txt"}) {
    const auto lines = read_corpus(dir / name);
    EXPECT_GT(lines.size(), 3000u) << name;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const Line& line = lines[i];
      for (const Variant& v : variants(line.text)) {
        const auto report = [&](const char* reader, const std::string& why) {
          if (why.empty() || ++mismatches > 20) return;
          first_mismatches += "  " + std::string(name) + ":" + std::to_string(i + 1) + " " + reader + " field, " +
                              v.name + " \"" + v.text.substr(0, 60) + "\": " + why + "\n";
        };
        report("real", mismatch<float>(quorvel::read_real(v.text, v.decimal_point), line.single_bits, v.negated));
        report("double", mismatch<double>(quorvel::read_double(v.text, v.decimal_point), line.double_bits, v.negated));
      }
      ++checked_lines;
      if (line.single_bits == 0x7F800000u) ++overflow_lines;
      if (line.single_bits == 0) ++zero_lines;
    }
  }
  EXPECT_GT(checked_lines, 10000u);
  EXPECT_GT(overflow_lines, 1000u) << "the corpus should reach the overflow edge";
  EXPECT_GT(zero_lines, 300u) << "the corpus should reach the underflow edge";
  EXPECT_EQ(mismatches, 0u) << "the first ones:\n" << first_mismatches;
}

}  // namespace
