#include "quorvel/text/csv.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "quorvel/text/batch_row.h"

namespace {

using quorvel::csv::Dialect;
using quorvel::csv::Reader;
using quorvel::csv::write_record;
using Cells = std::vector<std::string>;

constexpr Dialect kPoint = Dialect::with_decimal_comma(false);
constexpr Dialect kComma = Dialect::with_decimal_comma(true);

struct Expected {
  Cells cells;
  std::size_t line;
};

std::vector<quorvel::csv::Record> read_all(std::string_view data, Dialect dialect) {
  std::vector<quorvel::csv::Record> records;
  Reader reader(data, dialect);
  while (auto record = reader.next()) records.push_back(*record);
  return records;
}

TEST(CsvReader, SplitsRecordsAndCellsAndCountsLines) {
  struct Case {
    const char* what;
    std::string data;
    Dialect dialect;
    std::vector<Expected> records;
  };
  const std::vector<Case> cases = {
      {"plain LF", "a,b,c\nd,e,f\n", kPoint, {{{"a", "b", "c"}, 1}, {{"d", "e", "f"}, 2}}},
      {"CRLF", "a,b\r\nc,d\r\n", kPoint, {{{"a", "b"}, 1}, {{"c", "d"}, 2}}},
      {"no final line break", "a,b\r\nc", kPoint, {{{"a", "b"}, 1}, {{"c"}, 2}}},
      {"empty cells", ",x,\n,\n", kPoint, {{{"", "x", ""}, 1}, {{"", ""}, 2}}},
      {"separator in quotes", "a,\"b,c\",d\n", kPoint, {{{"a", "b,c", "d"}, 1}}},
      {"doubled quotes", "\"say \"\"hi\"\"\",\"\"\"\"\n", kPoint, {{{"say \"hi\"", "\""}, 1}}},
      {"empty quoted cell", "\"\",a\n", kPoint, {{{"", "a"}, 1}}},
      {"line breaks in quotes",
       "a,\"x\r\ny\",b\r\n\"1\n2\n3\"\nlast\n",
       kPoint,
       {{{"a", "x\r\ny", "b"}, 1}, {{"1\n2\n3"}, 3}, {{"last"}, 6}}},
      {"byte-order mark",
       "\xEF\xBB\xBF"
       "bend,70\n",
       kPoint,
       {{{"bend", "70"}, 1}}},
      {"blank lines skipped", "\n\r\na\n\n\nb\r\n\r\n", kPoint, {{{"a"}, 3}, {{"b"}, 6}}},
      {"semicolons", "a;1,5;\"x;y\"\n", kComma, {{{"a", "1,5", "x;y"}, 1}}},
      {"blanks are kept", " a , b \n", kPoint, {{{" a ", " b "}, 1}}},
      {"nothing", "", kPoint, {}},
      {"only blank lines", "\r\n\n\r\n", kPoint, {}},
      {"bare CR line ends", "a\r\rb\r\"x\ry\"\rc", kPoint, {{{"a"}, 1}, {{"b"}, 3}, {{"x\ry"}, 4}, {{"c"}, 6}}},
  };
  for (const Case& c : cases) {
    const auto records = read_all(c.data, c.dialect);
    ASSERT_EQ(records.size(), c.records.size()) << c.what;
    for (std::size_t i = 0; i < records.size(); ++i) {
      EXPECT_EQ(records[i].cells, c.records[i].cells) << c.what << ", record " << i;
      EXPECT_EQ(records[i].line, c.records[i].line) << c.what << ", record " << i;
      EXPECT_FALSE(records[i].unterminated) << c.what << ", record " << i;
    }
  }
}

TEST(CsvReader, ReportsAQuoteLeftOpen) {
  const auto records = read_all("a,b\nbend,\"70,377\n9,20\n", kPoint);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_FALSE(records[0].unterminated);
  EXPECT_TRUE(records[1].unterminated);
  EXPECT_EQ(records[1].line, 2u);  // where the record starts
}

TEST(CsvWriter, QuotesOnlyWhatNeedsIt) {
  struct Case {
    Cells cells;
    Dialect dialect;
    std::string line;
  };
  const std::vector<Case> cases = {
      {{"bend", "907.7", ""}, kPoint, "bend,907.7,\r\n"},  {{"20,0", "x"}, kPoint, "\"20,0\",x\r\n"},
      {{"20,0", "x;y"}, kComma, "20,0;\"x;y\"\r\n"},       {{"3\"77"}, kPoint, "\"3\"\"77\"\r\n"},
      {{"7\n0", "a\rb"}, kPoint, "\"7\n0\",\"a\rb\"\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(write_record(c.cells, c.dialect), c.line);
}

TEST(CsvWriter, WhatIsWrittenReadsBackTheSame) {
  const Cells cells = {"", "plain", "a,b", "a;b", "\"", "x\"\"y", "line\r\nbreak", " blanks ", "\n"};
  for (Dialect dialect : {kPoint, kComma}) {
    const auto records = read_all(write_record(cells, dialect), dialect);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].cells, cells) << dialect.separator;
    EXPECT_EQ(quorvel::csv::read_line(quorvel::csv::write_line(cells, dialect), dialect), cells) << dialect.separator;
  }
}

// A decimal comma takes ';' between cells; every other decimal separator is
// written as quorvel-batch reads it without --decimal-comma.
TEST(CsvDialect, FollowsTheDecimalSeparator) {
  for (const auto& [point, separator, decimal_point] : std::vector<std::tuple<std::string, char, std::string>>{
           {",", ';', ","}, {".", ',', "."}, {"\u066b", ',', "."}}) {
    const Dialect dialect = Dialect::for_decimal_point(point);
    EXPECT_EQ(dialect.separator, separator) << point;
    EXPECT_EQ(dialect.decimal_point, decimal_point) << point;
    EXPECT_EQ(dialect.decimal_comma(), point == ",") << point;
  }
}

TEST(CsvReadLine, TakesExactlyOneRecord) {
  using Read = std::optional<Cells>;
  struct Case {
    std::string text;
    Dialect dialect;
    Read cells;
  };
  for (const Case& c : std::vector<Case>{
           {"bend,70,377", kPoint, Cells{"bend", "70", "377"}},
           {"bend;70,5;377\r\n", kComma, Cells{"bend", "70,5", "377"}},
           {"\"a\r\nb\",c\n", kPoint, Cells{"a\r\nb", "c"}},
           {"bend,70\nbend,80", kPoint, std::nullopt},
           {"bend,\"70", kPoint, std::nullopt},
           {"\r\n", kPoint, std::nullopt},
       })
    EXPECT_EQ(quorvel::csv::read_line(c.text, c.dialect), c.cells) << c.text;
}

// A run pasted back: a row of either dialect, quorvel-batch's output row, or
// the row line of a calculation note; anything else holds no row.
TEST(BatchRow, FindsTheFirstRowOfAPanel) {
  struct Case {
    std::string text;
    std::string key;  // empty: no row
    Cells inputs;
    bool comma = false;
  };
  const std::string note =
      "Calculation note\nConfiguration: Two-leg bend\nT  70  \u2103\n\nInput row for quorvel-batch:\n"
      "bend,70,377,9,\"2,5E1\",10,90\n";
  for (const Case& c : std::vector<Case>{
           {"offset,120,377,9,20,10,20,40,90", "offset", {"120", "377", "9", "20", "10", "20", "40", "90"}},
           {"bend;70;377;9;20,5;10;90\r\n", "bend", {"70", "377", "9", "20,5", "10", "90"}, true},
           {note, "bend", {"70", "377", "9", "2,5E1", "10", "90"}},
           {"bend,70,377,9,20,10,90,ok,907.7,377,115.2,0.12,0.19,0.32", "bend", {"70", "377", "9", "20", "10", "90"}},
           {"a header\r\nbend, 70 ,377,9,20,10,90\r\nbend,1,1,1,1,1,1", "bend", {" 70 ", "377", "9", "20", "10", "90"}},
           {"bend,70,377,9,20,10", "", {}},
           {"bend,70,377,9,20,10,90,5", "", {}},
           {"Bend,70,377,9,20,10,90", "", {}},
           {"Configuration: Two-leg bend", "", {}},
           {"", "", {}},
       }) {
    const auto row = quorvel::find_batch_row(c.text);
    ASSERT_EQ(row.has_value(), !c.key.empty()) << c.text;
    if (!row) continue;
    EXPECT_EQ(row->panel->key, c.key) << c.text;
    EXPECT_EQ(row->inputs, c.inputs) << c.text;
    EXPECT_EQ(row->dialect.decimal_comma(), c.comma) << c.text;
  }
}

// The code check's options of a note's "quorvel-batch --code …" line read
// back into its settings, and written again as they were; a line whose
// options cannot be read gives none.
TEST(BatchRow, ReadsTheCodeCheckOptionsOfItsCommandLine) {
  struct Case {
    std::string line;
    std::string key;               // of the material; "-" no settings at all
    double installed, cycles, Sc;  // Sc in MPa, 0: not given
    double elbows;                 // times D, 0: not given
  };
  for (const Case& c : std::vector<Case>{
           {"--code b31.3 --material a106b --installed 20 --elbows 1.5D", "a106b", 20, 7000, 0, 1.5},
           {"--code b31.3 --material s30408 --installed 35 --cycles 100000 --sc 137.9", "s30408", 35, 1e5, 137.9, 0},
           {"--code b31.3 --installed -5 --elbows 3D --ea 203.4 --sc 137.9 --sh 137.9 --growth 2.5", "", -5, 7000,
            137.9, 3},
           {"--code b31.3 --material x --installed 20", "-", 0, 0, 0, 0},
           {"--code gb50316 --installed 20", "-", 0, 0, 0, 0},
           {"--code b31.3 --material a106b --installed 20 --cycles 0", "-", 0, 0, 0, 0},
           {"--code b31.3 --material a106b --installed 20 --cold-spring 1.5", "-", 0, 0, 0, 0},
           {"--installed 20 --elbows 1.5D", "-", 0, 0, 0, 0},
       }) {
    const std::string note = "Input row for quorvel-batch " + c.line + ":\nbend,250,323.9,8,12,8.6,90\n";
    const auto row = quorvel::find_batch_row(note);
    ASSERT_TRUE(row) << c.line;
    ASSERT_EQ(row->code.has_value(), c.key != "-") << c.line;
    if (!row->code) continue;
    const quorvel::CodeSettings& s = row->code->settings;
    EXPECT_EQ(s.material ? std::string(s.material->key) : std::string(), c.key) << c.line;
    EXPECT_EQ(s.installed, c.installed) << c.line;
    EXPECT_EQ(s.cycles, c.cycles) << c.line;
    EXPECT_EQ(s.user.Sc.value_or(0), c.Sc * 1e6) << c.line;
    EXPECT_EQ(row->code->elbows_given ? s.elbows.times_D : 0, c.elbows) << c.line;
    EXPECT_EQ(quorvel::code_options(*row->code), c.line);
  }
}

// The guides of a note's line read back, and written again as they were;
// a distance not above 0 or a friction that cannot be read gives none.
TEST(BatchRow, ReadsTheGuidesOfItsCommandLine) {
  struct Case {
    std::string line;
    double g, w, mu;           // g 0: none; w 0: no friction
    double installed, elbows;  // installed −1: not given; elbows 0: not given
  };
  for (const Case& c : std::vector<Case>{
           {"--elbows 1.5D --installed 20 --guides 3 --friction 900,0.3", 3, 900, 0.3, 20, 1.5},
           {"--installed -5 --guides 12.5", 12.5, 0, 0, -5, 0},
           {"--guides 3 --friction 900,0.25 --code b31.3 --material a106b --installed 20", 3, 900, 0.25, 20, 0},
           {"--guides 0", 0, 0, 0, 0, 0},
           {"--guides 3 --friction -1", 0, 0, 0, 0, 0},
           {"--installed 20 --elbows 1.5D", 0, 0, 0, 0, 0},
       }) {
    const auto row =
        quorvel::find_batch_row("Input row for quorvel-batch " + c.line + ":\nbend,250,323.9,8,12,8.6,90\n");
    ASSERT_TRUE(row) << c.line;
    ASSERT_EQ(row->guides.has_value(), c.g > 0) << c.line;
    if (!row->guides) continue;
    const quorvel::GuideOptions& g = *row->guides;
    EXPECT_EQ(g.g, c.g) << c.line;
    EXPECT_EQ(g.friction ? std::pair(g.friction->w, g.friction->mu) : std::pair(0.0, 0.0), std::pair(c.w, c.mu));
    EXPECT_EQ(g.installed.value_or(-1), c.installed) << c.line;
    EXPECT_EQ(g.elbows, c.elbows) << c.line;
    if (!row->code) {
      EXPECT_EQ(quorvel::guide_options(g), c.line);
    }
  }
}

}  // namespace
