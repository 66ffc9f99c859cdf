#include "csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using quorvel::csv::Reader;
using quorvel::csv::write_record;
using Cells = std::vector<std::string>;

struct Expected {
  Cells cells;
  std::size_t line;
};

std::vector<quorvel::csv::Record> read_all(std::string_view data, char separator) {
  std::vector<quorvel::csv::Record> records;
  Reader reader(data, separator);
  while (auto record = reader.next()) records.push_back(*record);
  return records;
}

TEST(CsvReader, SplitsRecordsAndCellsAndCountsLines) {
  struct Case {
    const char* what;
    std::string data;
    char separator;
    std::vector<Expected> records;
  };
  const std::vector<Case> cases = {
      {"plain LF", "a,b,c\nd,e,f\n", ',', {{{"a", "b", "c"}, 1}, {{"d", "e", "f"}, 2}}},
      {"CRLF", "a,b\r\nc,d\r\n", ',', {{{"a", "b"}, 1}, {{"c", "d"}, 2}}},
      {"no final line break", "a,b\r\nc", ',', {{{"a", "b"}, 1}, {{"c"}, 2}}},
      {"empty cells", ",x,\n,\n", ',', {{{"", "x", ""}, 1}, {{"", ""}, 2}}},
      {"separator in quotes", "a,\"b,c\",d\n", ',', {{{"a", "b,c", "d"}, 1}}},
      {"doubled quotes", "\"say \"\"hi\"\"\",\"\"\"\"\n", ',', {{{"say \"hi\"", "\""}, 1}}},
      {"empty quoted cell", "\"\",a\n", ',', {{{"", "a"}, 1}}},
      {"line breaks in quotes",
       "a,\"x\r\ny\",b\r\n\"1\n2\n3\"\nlast\n",
       ',',
       {{{"a", "x\r\ny", "b"}, 1}, {{"1\n2\n3"}, 3}, {{"last"}, 6}}},
      {"byte-order mark",
       "\xEF\xBB\xBF"
       "bend,70\n",
       ',',
       {{{"bend", "70"}, 1}}},
      {"blank lines skipped", "\n\r\na\n\n\nb\r\n\r\n", ',', {{{"a"}, 3}, {{"b"}, 6}}},
      {"semicolons", "a;1,5;\"x;y\"\n", ';', {{{"a", "1,5", "x;y"}, 1}}},
      {"blanks are kept", " a , b \n", ',', {{{" a ", " b "}, 1}}},
      {"nothing", "", ',', {}},
      {"only blank lines", "\r\n\n\r\n", ',', {}},
      {"bare CR line ends", "a\r\rb\r\"x\ry\"\rc", ',', {{{"a"}, 1}, {{"b"}, 3}, {{"x\ry"}, 4}, {{"c"}, 6}}},
  };
  for (const Case& c : cases) {
    const auto records = read_all(c.data, c.separator);
    ASSERT_EQ(records.size(), c.records.size()) << c.what;
    for (std::size_t i = 0; i < records.size(); ++i) {
      EXPECT_EQ(records[i].cells, c.records[i].cells) << c.what << ", record " << i;
      EXPECT_EQ(records[i].line, c.records[i].line) << c.what << ", record " << i;
      EXPECT_FALSE(records[i].unterminated) << c.what << ", record " << i;
    }
  }
}

TEST(CsvReader, ReportsAQuoteLeftOpen) {
  const auto records = read_all("a,b\nbend,\"70,377\n9,20\n", ',');
  ASSERT_EQ(records.size(), 2u);
  EXPECT_FALSE(records[0].unterminated);
  EXPECT_TRUE(records[1].unterminated);
  EXPECT_EQ(records[1].line, 2u);  // where the record starts
}

TEST(CsvWriter, QuotesOnlyWhatNeedsIt) {
  struct Case {
    Cells cells;
    char separator;
    std::string line;
  };
  const std::vector<Case> cases = {
      {{"bend", "907.7", ""}, ',', "bend,907.7,\r\n"},  {{"20,0", "x"}, ',', "\"20,0\",x\r\n"},
      {{"20,0", "x;y"}, ';', "20,0;\"x;y\"\r\n"},       {{"3\"77"}, ',', "\"3\"\"77\"\r\n"},
      {{"7\n0", "a\rb"}, ',', "\"7\n0\",\"a\rb\"\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(write_record(c.cells, c.separator), c.line);
}

TEST(CsvWriter, WhatIsWrittenReadsBackTheSame) {
  const Cells cells = {"", "plain", "a,b", "a;b", "\"", "x\"\"y", "line\r\nbreak", " blanks ", "\n"};
  for (char separator : {',', ';'}) {
    const auto records = read_all(write_record(cells, separator), separator);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].cells, cells) << separator;
  }
}

}  // namespace
