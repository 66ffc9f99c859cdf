#include "batch.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct Processed {
  std::string out, err;
  bool all_valid;
};

Processed process(std::string_view data, bool decimal_comma = false) {
  std::ostringstream out, err;
  const bool all_valid = quorvel::batch::process(data, "in.csv", {decimal_comma}, out, err);
  return {out.str(), err.str(), all_valid};
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

struct Row {
  const char* what;
  std::string in;   // one input row
  std::string out;  // the output row it gives, without the line break
};

void expect_rows(const std::vector<Row>& rows, bool decimal_comma) {
  for (const Row& row : rows) {
    const Processed run = process(row.in + "\n", decimal_comma);
    EXPECT_EQ(run.out, row.out + "\r\n") << row.what;
    EXPECT_EQ(run.err, "") << row.what;
    EXPECT_TRUE(run.all_valid) << row.what;
  }
}

// The default inputs' results are the frames' worked results; T = 0 leaves
// nothing to expand, so every result is 0.
TEST(BatchProcess, GivesThePanelsResultsAfterTheInputCells) {
  expect_rows(
      {
          {"bend defaults", "bend,70,377,9,20,10,90", "bend,70,377,9,20,10,90,ok,907.7,377,115.2,0.12,0.19,0.32"},
          {"offset defaults", "offset,70,377,9,20,10,20,40,90",
           "offset,70,377,9,20,10,20,40,90,ok,1021.1,-1021.1,366.6,142.7,0.14,0.25,0.25,0.14"},
          {"loop defaults", "loop,70,377,9,20,10,15,10,20,50,90,90",
           "loop,70,377,9,20,10,15,10,20,50,90,90,ok,-621.9,-621.9,-186.6,0,0.08,0.08,0.17,0.17,0.08,0.08"},
          // 70.5 is 70 (ties to even), 3.77E2 is 377, 90.0000001 is the single 90.
          {"the defaults written otherwise", "bend, 70.5 ,3.77E2,9,+20,1E1,90.0000001",
           "bend, 70.5 ,3.77E2,9,+20,1E1,90.0000001,ok,907.7,377,115.2,0.12,0.19,0.32"},
          {"no temperature rise", "bend,0,377,9,20,10,90", "bend,0,377,9,20,10,90,ok,0,0,0,0,0,0"},
          {"quoted cells", "\"bend\",\"70\",377,9,20,10,90",
           "bend,70,377,9,20,10,90,ok,907.7,377,115.2,0.12,0.19,0.32"},
      },
      false);
}

TEST(BatchProcess, FailedRowsLeaveTheUndeliveredResultsEmpty) {
  expect_rows(
      {
          {"letters in a double field", "offset,70,377,9,20,10,abc,40,90",
           "offset,70,377,9,20,10,abc,40,90,type mismatch,,,,,,,,"},
          {"empty temperature", "bend,,377,9,20,10,90", "bend,,377,9,20,10,90,type mismatch,,,,,,"},
          {"a comma under '.'", "bend,70,377,9,\"20,0\",10,90", "bend,70,377,9,\"20,0\",10,90,type mismatch,,,,,,"},
          {"a quote in a cell", "bend,70,\"3\"\"77\",9,20,10,90", "bend,70,\"3\"\"77\",9,20,10,90,type mismatch,,,,,,"},
          {"temperature beyond 16 bits", "bend,40000,377,9,20,10,90", "bend,40000,377,9,20,10,90,overflow,,,,,,"},
          // T - 20 = -32768, whose magnitude does not fit in 16 bits
          {"loop at -32748", "loop,-32748,377,9,20,10,15,10,20,50,90,90",
           "loop,-32748,377,9,20,10,15,10,20,50,90,90,overflow,,,,,,,,,,"},
          // no wall: the reactions are 0 and the first stress is 0/0
          {"zero wall", "bend,70,377,0,20,10,90", "bend,70,377,0,20,10,90,overflow,,,,,,"},
          // the elimination's denominator, of the order of L^10, underflows to
          // 0 while its numerator, of the order of L^9, does not
          {"tiny legs", "bend,70,377,9,1E-33,1E-33,90", "bend,70,377,9,1E-33,1E-33,90,division by zero,,,,,,"},
      },
      false);
}

TEST(BatchProcess, DecimalCommaReadsAndWritesCommasBetweenSemicolons) {
  expect_rows(
      {
          {"bend", "bend;70;377;9;20,0;10;90", "bend;70;377;9;20,0;10;90;ok;907,7;377;115,2;0,12;0,19;0,32"},
          {"offset", "offset;70;377;9;20;10;20;40;90",
           "offset;70;377;9;20;10;20;40;90;ok;1021,1;-1021,1;366,6;142,7;0,14;0,25;0,25;0,14"},
          {"loop", "loop;70;377;9;20;10;15;10;20;50;90;90",
           "loop;70;377;9;20;10;15;10;20;50;90;90;ok;-621,9;-621,9;-186,6;0;0,08;0,08;0,17;0,17;0,08;0,08"},
          {"a point is no separator", "bend;70;377;9;20.0;10;90", "bend;70;377;9;20.0;10;90;type mismatch;;;;;;"},
          {"70,5 is 70, ties to even", "bend;70,5;377;9;20;10;90",
           "bend;70,5;377;9;20;10;90;ok;907,7;377;115,2;0,12;0,19;0,32"},
      },
      true);
}

TEST(BatchProcess, ReportsRejectedRowsWithTheirLinesAndRunsTheRest) {
  const std::string data =
      "panel,T,D,t,L1,L2,alpha\r\n"                  // 1: a header is no panel
      "bend,70,377,9,20,10,90\r\n"                   // 2
      "\r\n"                                         // 3
      "bend,70,377,9,20,10\r\n"                      // 4: five texts
      "bend,\"7\n0\",377,9,20,10,90\r\n"             // 5-6: a line break inside a cell
      "Bend,70,377,9,20,10,90\r\n"                   // 7: panels are lower case
      "loop,70,377,9,20,10,15,10,20,50,90,90,1\r\n"  // 8: twelve texts
      "offset,70,377,9,20,10,20,40,90\r\n"           // 9
      "bend,\"70,377,9,20,10,90\r\n";                // 10: the quote is never closed

  const Processed run = process(data);
  EXPECT_FALSE(run.all_valid);
  EXPECT_EQ(run.out,
            "bend,70,377,9,20,10,90,ok,907.7,377,115.2,0.12,0.19,0.32\r\n"
            "bend,\"7\n0\",377,9,20,10,90,type mismatch,,,,,,\r\n"
            "offset,70,377,9,20,10,20,40,90,ok,1021.1,-1021.1,366.6,142.7,0.14,0.25,0.25,0.14\r\n");

  // Each report: where, and what it must name.
  const std::vector<std::pair<std::string, std::vector<std::string>>> reports = {
      {"in.csv:1: ", {"unknown panel", "'panel'"}},
      {"in.csv:4: ", {"6", "5"}},
      {"in.csv:7: ", {"'Bend'"}},
      {"in.csv:8: ", {"11", "12"}},
      {"in.csv:10: ", {"quote"}},
  };
  const auto err = lines(run.err);
  ASSERT_EQ(err.size(), reports.size()) << run.err;
  for (std::size_t i = 0; i < err.size(); ++i) {
    EXPECT_TRUE(err[i].starts_with(reports[i].first)) << err[i];
    for (const std::string& word : reports[i].second) EXPECT_NE(err[i].find(word), std::string::npos) << err[i];
  }
}

TEST(BatchProcess, EmptyInputIsNoError) {
  for (const char* data : {"", "\r\n\r\n", "\xEF\xBB\xBF"}) {
    const Processed run = process(data);
    EXPECT_TRUE(run.all_valid);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
  }
}

}  // namespace
