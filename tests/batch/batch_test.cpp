#include "batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "command_line.h"
#include "quorvel/analyses/elbows.h"
#include "quorvel/analyses/guides.h"
#include "quorvel/panels/panels.h"
#include "quorvel/text/csv.h"

namespace {

struct Processed {
  std::string out, err;
  bool all_valid;
};

Processed process(std::string_view data, bool decimal_comma = false) {
  std::ostringstream out, err;
  quorvel::batch::Options options;  // named, not {decimal_comma}: GCC 12 at -O3 sees an uninitialized string
  options.decimal_comma = decimal_comma;
  const bool all_valid = quorvel::batch::process(data, "in.csv", options, out, err);
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
  std::string in;        // one input row
  std::string out;       // the output row it gives, without the line break
  std::string err = "";  // what standard error says of it, after "in.csv:1: "
};

void expect_rows(const std::vector<Row>& rows, bool decimal_comma) {
  for (const Row& row : rows) {
    const Processed run = process(row.in + "\n", decimal_comma);
    EXPECT_EQ(run.out, row.out + "\r\n") << row.what;
    EXPECT_EQ(run.err, row.err.empty() ? "" : "in.csv:1: " + row.err + "\n") << row.what;
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
           "loop,70,377,9,20,10,15,10,20,50,90,90,ok,-349.1,-349.1,-104.7,0,0.05,0.05,0.09,0.09,0.05,0.05"},
          // 70.5 is 70 (ties to even), 3.77E2 is 377, 90.0000001 is the single 90.
          {"the defaults written otherwise", "bend, 70.5 ,3.77E2,9,+20,1E1,90.0000001",
           "bend, 70.5 ,3.77E2,9,+20,1E1,90.0000001,ok,907.7,377,115.2,0.12,0.19,0.32"},
          {"no temperature rise", "bend,0,377,9,20,10,90", "bend,0,377,9,20,10,90,ok,0,0,0,0,0,0"},
          {"every whole-number T, in the loop too", "loop,-32748,377,9,20,10,15,10,20,50,90,90",
           "loop,-32748,377,9,20,10,15,10,20,50,90,90,ok,-2277136.5,-2277136.5,-683141,0,304.44,304.44,608.88,608.88,"
           "304.44,304.44"},
          {"quoted cells", "\"bend\",\"70\",377,9,20,10,90",
           "bend,70,377,9,20,10,90,ok,907.7,377,115.2,0.12,0.19,0.32"},
      },
      false);
}

TEST(BatchProcess, FailedRowsLeaveTheUndeliveredResultsEmpty) {
  expect_rows(
      {
          {"letters in a double field", "offset,70,377,9,20,10,abc,40,90",
           "offset,70,377,9,20,10,abc,40,90,type mismatch,,,,,,,,",
           "type mismatch: Field L3: \"abc\" is not a number. Enter the leg from the bend with L2 to the far anchor in "
           "metres, for example 20 (decimal separator \".\")"},
          {"empty temperature", "bend,,377,9,20,10,90", "bend,,377,9,20,10,90,type mismatch,,,,,,",
           "type mismatch: Field T: \"\" is not a number. Enter the temperature in degrees Celsius, for example 70 "
           "(decimal separator \".\")"},
          {"a comma under '.'", "bend,70,377,9,\"20,0\",10,90", "bend,70,377,9,\"20,0\",10,90,type mismatch,,,,,,",
           "type mismatch: Field L1: \"20,0\" is not a number. Enter the leg from the start anchor to the bend in "
           "metres, for example 20 (decimal separator \".\")"},
          {"a quote in a cell", "bend,70,\"3\"\"77\",9,20,10,90", "bend,70,\"3\"\"77\",9,20,10,90,type mismatch,,,,,,",
           "type mismatch: Field D: \"3\"77\" is not a number. Enter the outer diameter of the pipe in millimetres, "
           "for example 377 (decimal separator \".\")"},
          {"temperature beyond 16 bits", "bend,40000,377,9,20,10,90", "bend,40000,377,9,20,10,90,overflow,,,,,,",
           "overflow: Field T: \"40000\" is out of range. Enter the temperature in degrees Celsius as a whole number "
           "from -32768 to 32767, for example 70 (decimal separator \".\")"},
          // no wall: the reactions are 0 and the first stress is 0/0, which
          // the check of t explains
          {"zero wall", "bend,70,377,0,20,10,90", "bend,70,377,0,20,10,90,overflow,,,,,,",
           "overflow: t = 0 mm: a wall must be thicker than 0"},
          // the elimination's denominator, of the order of L^10, underflows to
          // 0 while its numerator, of the order of L^9, does not; no field
          // and no check to name
          {"tiny legs", "bend,70,377,9,1E-33,1E-33,90", "bend,70,377,9,1E-33,1E-33,90,division by zero,,,,,,",
           "division by zero"},
          {"zero legs", "bend,70,377,9,0,0,90", "bend,70,377,9,0,0,90,overflow,,,,,,",
           "overflow: L1 = 0 m: every leg is 0 long, so there is no pipe run"},
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
           "loop;70;377;9;20;10;15;10;20;50;90;90;ok;-349,1;-349,1;-104,7;0;0,05;0,05;0,09;0,09;0,05;0,05"},
          {"a point is no separator", "bend;70;377;9;20.0;10;90", "bend;70;377;9;20.0;10;90;type mismatch;;;;;;",
           "type mismatch: Field L1: \"20.0\" is not a number. Enter the leg from the start anchor to the bend in "
           "metres, for example 20 (decimal separator \",\")"},
          {"70,5 is 70, ties to even", "bend;70,5;377;9;20;10;90",
           "bend;70,5;377;9;20;10;90;ok;907,7;377;115,2;0,12;0,19;0,32"},
      },
      true);
}

TEST(BatchProcess, ReportsRejectedRowsWithTheirLinesAndRunsTheRest) {
  const std::string data =
      "Panel,T,D,t,L1,L2,alpha\r\n"                  // 1: a header, skipped
      "bend,70,377,9,20,10,90\r\n"                   // 2
      "\r\n"                                         // 3
      "bend,70,377,9,20,10\r\n"                      // 4: five texts
      "bend,\"7\n0\",377,9,20,10,90\r\n"             // 5-6: a line break inside a cell
      "Bend,70,377,9,20,10,90,,,\r\n"                // 7: any letter case, empty cells after the inputs
      "loop,70,377,9,20,10,15,10,20,50,90,90,1\r\n"  // 8: twelve texts
      "LOOP,70,377,9,20,10,15,10,20,50,90,,1,\r\n"   // 9: twelve texts, one empty among them
      "offset,70,377,9,20,10,20,40,90\r\n"           // 10
      "panel,T,D,t,L1,L2,alpha\r\n"                  // 11: a header only as the first row
      "bend,\"70,377,9,20,10,90\r\n";                // 12: the quote is never closed

  const Processed run = process(data);
  EXPECT_FALSE(run.all_valid);
  EXPECT_EQ(run.out,
            "bend,70,377,9,20,10,90,ok,907.7,377,115.2,0.12,0.19,0.32\r\n"
            "bend,\"7\n0\",377,9,20,10,90,type mismatch,,,,,,\r\n"
            "Bend,70,377,9,20,10,90,ok,907.7,377,115.2,0.12,0.19,0.32\r\n"
            "offset,70,377,9,20,10,20,40,90,ok,1021.1,-1021.1,366.6,142.7,0.14,0.25,0.25,0.14\r\n");

  // Each report: where, and what it must name.
  const std::vector<std::pair<std::string, std::vector<std::string>>> reports = {
      {"in.csv:4: ", {"6", "5"}},
      {"in.csv:5: ", {"type mismatch: Field T: \"7\uFFFD0\""}},
      {"in.csv:8: ", {"11", "12"}},
      {"in.csv:9: ", {"11", "12"}},
      {"in.csv:11: ", {"unknown panel", "'panel'", "(expected bend, offset or loop)"}},
      {"in.csv:12: ", {"quote"}},
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

// Options as a command line gives them.
quorvel::batch::Options options_of(std::vector<std::string> args) {
  auto parsed = quorvel::batch::parse_command_line(args);
  if (const auto* why = std::get_if<std::string>(&parsed)) ADD_FAILURE() << *why;
  return std::get<quorvel::batch::CommandLine>(parsed).options;
}

Processed process(std::string_view data, const quorvel::batch::Options& options) {
  std::ostringstream out, err;
  const bool all_valid = quorvel::batch::process(data, "in.csv", options, out, err);
  return {out.str(), err.str(), all_valid};
}

// Expected rows from the examples and the independent reference
// (tests/reference/quorvel_ref.py); SI cells checked by hand: 2866.6 kgm is
// 28.666 kN·m, 0.59 of [S] is 47.2 MPa.
TEST(BatchProcess, AnswersDesignQuestions) {
  const std::string bend = "bend,70,377,9,20,10,90\n";
  struct Case {
    const char* what;
    std::vector<std::string> args;
    std::string in;
    std::string out;  // lines joined by '|'
  };
  for (const Case& c : std::vector<Case>{
           {"shortest second leg",
            {"--solve", "L2=0.5:40:0.5"},
            bend,
            "bend,70,377,9,20,10,90,ok,5.5,40,1400.4,1708.2,198.5,0.19,0.34,0.91"},
           {"highest temperature, walking down",
            {"--solve", "T=400:-50"},
            bend,
            "bend,70,377,9,20,10,90,ok,207,-50,2851.6,1184.5,361.9,0.38,0.59,1"},
           {"with SI cells",
            {"--solve=T=400:-50", "--si"},
            bend,
            "bend,70,377,9,20,10,90,ok,207,-50,2851.6,1184.5,361.9,0.38,0.59,1,28.516,11.845,3.619,30.50,46.92,79.77"},
           {"no value passes",
            {"--solve", "L2=0.5:40:0.5", "--target", "0.1"},
            bend,
            "bend,70,377,9,20,10,90,no solution,,,,,,,,"},
           {"a bad text in another field",
            {"--solve", "L2=0.5:40:0.5", "--si"},
            "bend,70,377,9,abc,10,90\n",
            "bend,70,377,9,abc,10,90,type mismatch,,,,,,,,,,,,,,"},
           {"every value overflows", {"--solve", "T=40000:40100:50"}, bend, "bend,70,377,9,20,10,90,overflow,,,,,,,,"},
           // t = 0 overflows, t = 1 divides by zero: no common kind
           {"failures of two kinds",
            {"--solve", "t=0:1:1"},
            "bend,70,377,9,1E-33,1E-33,90\n",
            "bend,70,377,9,1E-33,1E-33,90,no solution,,,,,,,,"},
           {"a failed value does not end the walk",
            {"--solve", "t=0:20:0.5"},
            bend,
            "bend,70,377,9,20,10,90,ok,0.5,20,54,22.4,6.8,0.12,0.19,0.32"},
           {"decimal comma",
            {"--decimal-comma", "--solve", "L2=0.5:40:0.25", "--si"},
            "bend;70;377;9;20;10;90\n",
            "bend;70;377;9;20;10;90;ok;5,25;40;1461,2;1930,1;208,2;0,2;0,36;0,99;14,612;19,301;2,082;15,63;28,90;79,"
            "48"},
           {"loop, another field and target",
            {"--solve", "L4=0:100:2.5", "--target", "0.5", "--si"},
            "loop,200,377,9,20,10,15,10,20,50,90,90\n",
            "loop,200,377,9,20,10,15,10,20,50,90,90,ok,5,100,-729.7,-1934.7,-557.1,72.6,0.1,0.29,0.45,0.31,0.06,0.26,"
            "-7.297,-19.347,-5.571,0.726,7.80,23.33,36.26,24.62,5.17,20.69"},
           // The DN300 bend passes from 8.6 m to 28.7 m: at 8.5 m S3 is 1.0023 [S],
           // at 28.8 m S1 is 1.0005 [S].
           {"every stretch",
            {"--ranges", "L2=0.5:40:0.1"},
            "bend,250,323.9,8,12,10,90\n",
            "bend,250,323.9,8,12,10,90,ok,8.6..28.7"},
           // The DN200 loop first passes 4.13 m high (walked by hand, L2 and L4
           // together); at W = 61 m its level legs would be -0.5 m long.
           {"the loop's height",
            {"--header", "--ranges", "H=4.12:4.14"},
            "loop,180,219.1,6.35,27,6,6,6,27,60,90,90\n",
            "panel,T,D,t,L1,L2,L3,L4,L5,L,α,β,status,H m "
            "ranges|loop,180,219.1,6.35,27,6,6,6,27,60,90,90,ok,4.13..4.14"},
           {"a width that leaves no level leg",
            {"--solve", "W=61:62"},
            "loop,180,219.1,6.35,27,6,6,6,27,60,90,90\n",
            "loop,180,219.1,6.35,27,6,6,6,27,60,90,90,no solution: L1 and L5 below 0 from 61,,,,,,,,,,,,"},
           {"the stretch in walk order, from the long end",
            {"--decimal-comma", "--ranges", "L2=40:0.5:0.1"},
            "bend;250;323,9;8;12;10;90\n",
            "bend;250;323,9;8;12;10;90;ok;28,7..8,6"},
           {"a stretch as far as the walk goes", {"--ranges", "T=-50:425"}, bend, "bend,70,377,9,20,10,90,ok,-50..207"},
           // t = 0 fails, and a wall of 0 or less describes no pipe
           {"only walls above 0 pass", {"--ranges", "t=-1:1:0.5"}, bend, "bend,70,377,9,20,10,90,ok,0.5..1"},
           {"no pipe at any value",
            {"--solve", "T=60:80:10", "--verdict"},
            "bend,70,0,9,20,10,90\n",
            "bend,70,0,9,20,10,90,no solution,,,,,,,,,,"},
           // A wall of 120 mm is more than half of D = 219.1 mm at every height, though its ratios pass.
           {"no pipe at any height",
            {"--solve", "H=2:10:0.01"},
            "loop,180,219.1,120,27,6,6,6,27,60,90,90\n",
            "loop,180,219.1,120,27,6,6,6,27,60,90,90,no solution,,,,,,,,,,,,"},
           {"no stretch", {"--ranges", "L2=0.5:40:0.5", "--target", "0.1"}, bend, "bend,70,377,9,20,10,90,no solution"},
           // At T = 0 nothing expands: every ratio is 0, the only one a target of 0 passes.
           {"a target of 0", {"--ranges", "T=-5:5", "--target", "0"}, bend, "bend,70,377,9,20,10,90,ok,0..0"},
           // From 20 ℃ the ratio is 0.31738·(e(T) − e(20))/e(70), at most 1 up to e(T) = 2.7732·10⁻³ mm/m:
           // T = 224.3 ℃; down to −50 ℃ it is 0.303, and at 0 ℃ too the run passes.
           {"installed at 20 ℃, a walk of T judges from there",
            {"--installed", "20", "--ranges", "T=400:-50"},
            bend,
            "bend,70,377,9,20,10,90,ok,224..-50"},
           {"every value failed alike",
            {"--ranges", "L2=1:2"},
            "bend,70,377,9,abc,10,90\n",
            "bend,70,377,9,abc,10,90,type mismatch"},
           {"plain rows with SI cells and the verdict",
            {"--si", "--verdict"},
            bend,
            "bend,70,377,9,20,10,90,ok,907.7,377,115.2,0.12,0.19,0.32,9.077,3.770,1.152,9.71,14.94,25.39,0.317,passes"},
           // S3 = 1.0023 [S] shows as 1, and exceeds.
           {"a ratio shown as 1 that exceeds",
            {"--verdict"},
            "bend,250,323.9,8,12,8.5,90\n",
            "bend,250,323.9,8,12,8.5,90,ok,2957.4,1020.2,560.2,0.6,0.77,1,1.002,exceeds"},
           {"no verdict for a failed calculation",
            {"--verdict"},
            "bend,70,377,9,abc,10,90\n",
            "bend,70,377,9,abc,10,90,type mismatch,,,,,,,,"},
           // Installed at 20 ℃: (e(70) − e(20))/e(70) = 0.721, 907.7 kgm × 0.72079 = 654.2, governing
           // 0.31738 × 0.72079 = 0.229; from 20 ℃ the bend point moves (e(70) − e(20))·20 = 11.7 mm along
           // L1 and −(e(70) − e(20))·10 = −5.8 mm, the screen is 116.8 × 0.72079 = 84.2 (within 208.3 and
           // 84.9), the guided cantilever 0.448 × 0.72079 = 0.323, 0.229/0.323 = 0.71.
           {"the checks after the SI cells and the verdict",
            {"--crosscheck", "--movements", "--installed", "20", "--si", "--verdict"},
            bend,
            "bend,70,377,9,20,10,90,ok,907.7,377,115.2,0.12,0.19,0.32,9.077,3.770,1.152,9.71,14.94,25.39,0.317,passes,"
            "0.721,654.2,271.8,83,0.09,0.13,0.23,0.229,passes,11.7,-5.8,84.2,passes,passes,0.323,0.71"},
           {"checks with a decimal comma",
            {"--decimal-comma", "--installed=20", "--movements", "--crosscheck"},
            "bend;70;377;9;20;10;90\n",
            "bend;70;377;9;20;10;90;ok;907,7;377;115,2;0,12;0,19;0,32;0,721;654,2;271,8;83;0,09;0,13;0,23;0,229;passes;"
            "11,7;-5,8;84,2;passes;passes;0,323;0,71"},
           // At 0 ℃ there is no expansion to scale; from 20 ℃ the run pulls: −e(20)·20 = −4.5 mm,
           // +e(20)·10 = 2.3 mm, screen 116.8·e(20)/e(70) = 32.6. A failed run has no checks.
           {"no expansion, and a failed run",
            {"--installed", "20", "--movements", "--crosscheck"},
            "bend,0,377,9,20,10,90\nbend,70,377,9,abc,10,90\n",
            "bend,0,377,9,20,10,90,ok,0,0,0,0,0,0,not defined,,,,,,,,,-4.5,2.3,32.6,passes,passes,0.125,0.71|"
            "bend,70,377,9,abc,10,90,type mismatch,,,,,,,,,,,,,,,,,,,,,,"},
           {"sweep down through a failure",
            {"--sweep", "t=1:-1:0.5"},
            bend,
            "bend,70,377,1,20,10,90,ok,107.5,44.7,13.6,0.12,0.19,0.32|"
            "bend,70,377,0.5,20,10,90,ok,54,22.4,6.8,0.12,0.19,0.32|"
            "bend,70,377,0,20,10,90,overflow,,,,,,|"
            "bend,70,377,-0.5,20,10,90,ok,-54.4,-22.6,-6.9,0.12,0.19,0.32|"
            "bend,70,377,-1,20,10,90,ok,-109.2,-45.4,-13.9,0.12,0.19,0.32"},
           {"sweep with decimal comma and SI",
            {"--decimal-comma", "--sweep", "L2=0.1:0.3:0.1", "--si"},
            "bend;70;377;9;20;10;90\n",
            "bend;70;377;9;20;0,1;90;ok;83372,6;170071682,6;12505,7;11,15;22,29;2251,48;833,726;1700716,826;125,057;"
            "891,72;1783,40;180118,76|"
            "bend;70;377;9;20;0,2;90;ok;41486,2;21568551;6222,5;5,55;11,09;565,63;414,862;215685,510;62,225;443,72;"
            "887,35;45250,44|"
            "bend;70;377;9;20;0,3;90;ok;27528,2;6481535,7;4128,6;3,68;7,36;252,61;275,282;64815,357;41,286;294,43;"
            "588,73;20208,48"},
           // --header: the names as --help gives them, written out by hand.
           {"a header before each change of panel, none for the skipped header and the same panel",
            {"--header"},
            "Panel,T\nbend,70,377,9,20,10,90\nBend,0,377,9,20,10,90,,\noffset,70,377,9,20,10,20,40,90\n"
            "bend,0,377,9,20,10,90\nLoop,70,377,9,20,10,15,10,20,50,90,90\n",
            "panel,T,D,t,L1,L2,α,status,Mz1 kgm,Fx kg,Fy kg,S1/[S],S2/[S],S3/[S]|"
            "bend,70,377,9,20,10,90,ok,907.7,377,115.2,0.12,0.19,0.32|"
            "Bend,0,377,9,20,10,90,ok,0,0,0,0,0,0|"
            "panel,T,D,t,L1,L2,L3,L,α,status,Mz1 kgm,Mz2 kgm,Fx kg,Fy kg,S1/[S],S2/[S],S3/[S],S4/[S]|"
            "offset,70,377,9,20,10,20,40,90,ok,1021.1,-1021.1,366.6,142.7,0.14,0.25,0.25,0.14|"
            "panel,T,D,t,L1,L2,α,status,Mz1 kgm,Fx kg,Fy kg,S1/[S],S2/[S],S3/[S]|"
            "bend,0,377,9,20,10,90,ok,0,0,0,0,0,0|"
            "panel,T,D,t,L1,L2,L3,L4,L5,L,α,β,status,Mz1 kgm,Mz2 kgm,Fx kg,Fy kg,S1/[S],S2/[S],S3/[S],S4/[S],S5/[S],"
            "S6/[S]|"
            "Loop,70,377,9,20,10,15,10,20,50,90,90,ok,-349.1,-349.1,-104.7,0,0.05,0.05,0.09,0.09,0.05,0.05"},
           {"a header of every option's cells",
            {"--header", "--si", "--verdict", "--elbows", "1.5D", "--installed", "20", "--movements", "--crosscheck",
             "--check"},
            "bend,70,377,9,abc,10,90\n",
            "panel,T,D,t,L1,L2,α,status,Mz1 kgm,Fx kg,Fy kg,S1/[S],S2/[S],S3/[S],Mz1 kN·m,Fx kN,Fy kN,S1 MPa,S2 MPa,"
            "S3 MPa,governing S/[S],verdict,k elbows,i elbows,Mz1 kgm elbows,Fx kg elbows,Fy kg elbows,S1/[S] elbows,"
            "S2/[S] elbows,S3/[S] elbows,governing S/[S] elbows,verdict elbows,factor installed,Mz1 kgm installed,"
            "Fx kg installed,Fy kg installed,S1/[S] installed,S2/[S] installed,S3/[S] installed,"
            "governing S/[S] installed,verdict installed,dx2 mm movements,dy2 mm movements,screen crosscheck,"
            "screen K1 crosscheck,screen 208000·[S]/E crosscheck,cantilever S/[S] crosscheck,"
            "exact/cantilever crosscheck,check|"
            "bend,70,377,9,abc,10,90,type mismatch,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,"},
           {"a header of the loop's movements and SI cells",
            {"--header", "--movements", "--si"},
            "loop,70,377,9,abc,10,15,10,20,50,90,90\n",
            "panel,T,D,t,L1,L2,L3,L4,L5,L,α,β,status,Mz1 kgm,Mz2 kgm,Fx kg,Fy kg,S1/[S],S2/[S],S3/[S],S4/[S],S5/[S],"
            "S6/[S],Mz1 kN·m,Mz2 kN·m,Fx kN,Fy kN,S1 MPa,S2 MPa,S3 MPa,S4 MPa,S5 MPa,S6 MPa,dx2 mm movements,"
            "dy2 mm movements,dx3 mm movements,dy3 mm movements,dx4 mm movements,dy4 mm movements,dx5 mm movements,"
            "dy5 mm movements|"
            "loop,70,377,9,abc,10,15,10,20,50,90,90,type mismatch,,,,,,,,,,,,,,,,,,,,,,,,,,,,"},
           {"a header of a walk's cells",
            {"--header", "--solve", "L2=0.5:40:0.5"},
            bend,
            "panel,T,D,t,L1,L2,α,status,L2 m solve,L2 m solve end,Mz1 kgm,Fx kg,Fy kg,S1/[S],S2/[S],S3/[S]|"
            "bend,70,377,9,20,10,90,ok,5.5,40,1400.4,1708.2,198.5,0.19,0.34,0.91"},
           {"a header of the first stretch",
            {"--header", "--ranges", "T=-50:425"},
            bend,
            "panel,T,D,t,L1,L2,α,status,T ℃ ranges|bend,70,377,9,20,10,90,ok,-50..207"},
           {"a header once before a sweep, in the row's dialect",
            {"--header", "--decimal-comma", "--sweep", "t=1:0.5:0.5"},
            "bend;70;377;9;20;10;90\n",
            "panel;T;D;t;L1;L2;α;status;Mz1 kgm;Fx kg;Fy kg;S1/[S];S2/[S];S3/[S]|"
            "bend;70;377;1;20;10;90;ok;107,5;44,7;13,6;0,12;0,19;0,32|"
            "bend;70;377;0,5;20;10;90;ok;54;22,4;6,8;0,12;0,19;0,32"},
           {"sweep of beta",
            {"--sweep", "beta=90:70:10"},
            "loop,70,377,9,20,10,15,10,20,50,90,90\n",
            "loop,70,377,9,20,10,15,10,20,50,90,90,ok,-349.1,-349.1,-104.7,0,0.05,0.05,0.09,0.09,0.05,0.05|"
            "loop,70,377,9,20,10,15,10,20,50,90,80,ok,-323.8,-380,-106.5,1.4,0.04,0.05,0.1,0.09,0.05,0.05|"
            "loop,70,377,9,20,10,15,10,20,50,90,70,ok,-291.6,-430.2,-112.3,4,0.04,0.05,0.1,0.09,0.05,0.06"},
       }) {
    const Processed run = process(c.in, options_of(c.args));
    std::string expected = c.out + "\r\n";
    for (std::size_t at; (at = expected.find('|')) != std::string::npos;) expected.replace(at, 1, "\r\n");
    EXPECT_EQ(run.out, expected) << c.what;
    // Only a row that failed on its "abc" is said there (what is said:
    // FailedRowsLeaveTheUndeliveredResultsEmpty).
    for (const std::string& line : lines(run.err))
      EXPECT_NE(line.find(": type mismatch: Field L1: \"abc\""), std::string::npos) << c.what;
    EXPECT_TRUE(run.all_valid) << c.what;
  }
}

// Whatever the panel and the options, the header names every cell of the
// row below it.
TEST(BatchProcess, HeaderIsAsWideAsTheRows) {
  const std::vector<std::vector<std::string>> option_sets = {
      {},
      {"--si", "--verdict", "--elbows", "3D", "--installed", "20", "--movements", "--crosscheck", "--check"},
      {"--solve", "L2=0.5:40:0.5", "--si", "--verdict", "--elbows", "1D", "--movements", "--check"},
      {"--sweep", "T=60:70:10", "--installed", "0", "--crosscheck"},
      {"--ranges", "T=60:70"},
      // guides on both end legs, on one (the bend's L2 is 10 m), on none
      {"--crosscheck", "--guides", "3", "--friction", "1500", "--check"},
      {"--guides", "12", "--friction", "900,0.1"},
      {"--elbows", "1.5D", "--guides", "25", "--friction", "900"},
      {"--code", "b31.3", "--material", "A106B", "--installed", "38", "--sc", "137.9", "--sh", "137.9", "--check"},
      {"--solve", "L2=0.5:40:0.5", "--code", "b31.3", "--ea", "200", "--sc", "138", "--sh", "138", "--growth", "3"},
      // the code check's SE at the guides: the bend's L2 (10 m) without one
      {"--code", "b31.3", "--ea", "200", "--sc", "138", "--sh", "138", "--growth", "3", "--guides", "12"},
      {"--code", "b31.3", "--ea", "200", "--sc", "138", "--sh", "138", "--growth", "3", "--guides", "3"},
  };
  const auto dialect = quorvel::csv::Dialect::with_decimal_comma(false);
  for (const quorvel::Panel* panel : quorvel::panels())
    for (std::vector<std::string> args : option_sets) {
      args.emplace_back("--header");
      std::vector<std::string> row = quorvel::default_inputs(*panel);
      row.insert(row.begin(), std::string(panel->key));
      const Processed run = process(quorvel::csv::write_record(row, dialect), options_of(args));
      quorvel::csv::Reader reader(run.out, dialect);
      const auto header = reader.next();
      ASSERT_TRUE(header) << panel->key;
      for (int rows = 0; const auto record = reader.next(); ++rows)
        EXPECT_EQ(record->cells.size(), header->cells.size()) << panel->key << " " << args.front() << " row " << rows;
    }
}

// Inputs that describe no pipe: every verdict cell, found by its name in the
// header row, says "invalid" and every governing ratio's cell is empty; the
// default bend beside them still passes. The installed run and the screen
// that are not defined at T = 0 and elbows and guided runs that are not
// available (D = 0, α = 180°) are invalid too.
TEST(BatchProcess, NoPipeMakesEveryVerdictInvalid) {
  const std::vector<std::string> args = {
      "--header",     "--si",   "--verdict", "--elbows", "1.5D",     "--installed", "20",
      "--crosscheck", "--code", "b31.3",     "--ea",     "200",      "--sc",        "137.9",
      "--sh",         "137.9",  "--growth",  "2",        "--guides", "3",           "--check"};
  for (const auto& [row, verdict] :
       std::vector<std::pair<std::string, std::string>>{{"bend,100,0,6,10,5,90", "invalid"},
                                                        {"bend,100,219.1,120,10,5,90", "invalid"},
                                                        {"bend,100,219.1,6,10,-5,90", "invalid"},
                                                        {"bend,0,377,9,20,10,180", "invalid"},
                                                        {"offset,70,377,9,20,10,20,0,90", "invalid"},
                                                        {"loop,70,377,9,20,10,15,10,20,55,90,0", "invalid"},
                                                        {"bend,100,219.1,6,10,5,90", "passes"}}) {
    const std::string out = process(row + "\n", options_of(args)).out;
    quorvel::csv::Reader reader(out, quorvel::csv::Dialect::with_decimal_comma(false));
    const auto names = reader.next(), cells = reader.next();
    ASSERT_TRUE(names && cells) << row;
    int verdicts = 0;
    for (std::size_t i = 0; i < names->cells.size(); ++i) {
      const std::string& name = names->cells[i];
      const bool judges = name.starts_with("verdict") || name.starts_with("screen K1") || name.starts_with("screen 2");
      const bool judged = name.starts_with("governing") || name == "screen crosscheck";
      verdicts += judges;
      if (verdict == "invalid" && (judges || judged)) {
        EXPECT_EQ(cells->cells[i], judges ? "invalid" : "") << row << ": " << name;
      }
    }
    EXPECT_EQ(verdicts, 7) << row;
    EXPECT_EQ(cells->cells.at(std::find(names->cells.begin(), names->cells.end(), "verdict") - names->cells.begin()),
              verdict)
        << row;
  }
}

// With --installed 20 the elbows and the guided run count from 20 ℃ too:
// every cell of either frame is linear in the growth, so its governing ratio
// (found by its name in the header) is the one from 0 ℃ times
// (e(70) − e(20))/e(70) = 0.72079, within the rounding.
TEST(BatchProcess, InstalledRunsBesideThePanelCountFromT0) {
  const auto governing = [](std::vector<std::string> args, const std::string& name) {
    args.emplace_back("--header");
    const std::string out = process("bend,70,377,9,20,10,90\n", options_of(std::move(args))).out;
    quorvel::csv::Reader reader(out, quorvel::csv::Dialect::with_decimal_comma(false));
    const auto names = reader.next(), cells = reader.next();
    return std::stod(cells->cells.at(std::find(names->cells.begin(), names->cells.end(), name) - names->cells.begin()));
  };
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--elbows", "1.5D"}, {"--guides", "3"}, {"--guides", "3", "--elbows", "1.5D"}}) {
    std::vector<std::string> installed = args;
    installed.insert(installed.end(), {"--installed", "20"});
    const std::string name = args.front() == "--elbows" ? "governing S/[S] elbows" : "governing S/[S] guides";
    EXPECT_NEAR(governing(installed, name), 0.72079 * governing(args, name), 0.0011) << args.front();
  }
}

// --elbows: the default offset at 200 ℃ with long-radius elbows (k = 10.98,
// i = 3.18 worked by hand in tests/frame/elbows_test.cpp) takes 1.06 of [S]
// at its bends while S2 shows 0.74; its other cells are the run with elbows
// in the panel's order and displays.
TEST(BatchProcess, ElbowsFollowTheVerdict) {
  const quorvel::Panel& offset = *quorvel::panel_by_key("offset");
  const std::vector<std::string> in = {"200", "377", "9", "20", "10", "20", "40", "90"};
  const quorvel::Outcome o = quorvel::calculate(offset, in, ".");
  const quorvel::ElbowRun run = quorvel::with_elbows(offset, *o.values, 1.5 * o.values->D);
  std::string want = "offset,200,377,9,20,10,20,40,90,ok";
  // Appended, not "," + …, which GCC 12 at -O3 flags with a false -Wrestrict.
  for (const std::string& r : o.results) want.append(",").append(r);
  want += ",0.742,passes,10.98,3.18";
  for (std::size_t i = 0; i < offset.results.size(); ++i)
    want.append(",").append(quorvel::elbow_text(offset, run, i, "."));
  want += ",1.060,exceeds\r\n";
  const Processed rows = process("offset,200,377,9,20,10,20,40,90\n", options_of({"--verdict", "--elbows", "1.5D"}));
  EXPECT_EQ(rows.out, want);
  EXPECT_NE(want.find(",0.74,0.74,0.41,0.742,passes,10.98,3.18,"), std::string::npos);
  EXPECT_NE(want.find(",1.06,1.06,"), std::string::npos);

  // 2·0.5655·tan 45° on a middle leg of 1.1 m; a type mismatch; no bend, no pipe. Each
  // row as long as one whose elbows fit: the input cells, the status, the
  // results, k, i, the results with elbows, the governing ratio and verdict.
  for (const auto& [row, cells, count] : std::vector<std::tuple<std::string, std::string, long>>{
           {"offset,200,377,9,20,1.1,20,40,90", std::string(11, ',') + "does not fit L2", 9 + 1 + 8 + 2 + 8 + 2},
           {"bend,70,377,9,abc,10,90", std::string(10, ','), 7 + 1 + 6 + 2 + 6 + 2},
           {"bend,70,377,9,20,10,180", std::string(9, ',') + "invalid", 7 + 1 + 6 + 2 + 6 + 2}}) {
    const std::string out = process(row + "\n", options_of({"--elbows", "1.5D"})).out;
    EXPECT_TRUE(out.ends_with(cells + "\r\n")) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), ',') + 1, count) << out;
  }
  // R = 0.6 m: h = 0.009·0.6/0.184² = 0.159 50, k = 10.345, i = 0.9/0.294 10 = 3.060.
  EXPECT_NE(
      process("offset,200,377,9,20,10,20,40,90\n", options_of({"--elbows", "0.6m"})).out.find(",0.41,10.34,3.06,"),
      std::string::npos);
}

// --solve with --elbows walks on the verdict with elbows, with --guides on
// the guided run's (with its elbows under --elbows too): the answer passes
// that run, the value before it does not, and --ranges' stretch starts there.
TEST(BatchProcess, SolvesOnTheVerdictBesideThePanel) {
  const quorvel::Panel& bend = *quorvel::panel_by_key("bend");
  const quorvel::ElbowRadius three_D{3, 0};
  const std::string sharp = process("bend,70,377,9,20,10,90\n", options_of({"--solve", "T=400:-10"})).out;
  for (const auto& [args, g, elbows] : std::vector<std::tuple<std::vector<std::string>, double, bool>>{
           {{"--elbows", "3D"}, 0, true},
           {{"--guides", "3"}, 3, false},
           {{"--guides", "3", "--elbows", "3D"}, 3, true}}) {
    std::vector<std::string> solve = args, ranges = args;
    solve.insert(solve.end(), {"--solve", "T=400:-10"});
    ranges.insert(ranges.end(), {"--ranges", "T=400:-10"});
    const std::string out = process("bend,70,377,9,20,10,90\n", options_of(solve)).out;
    const std::size_t at = std::string("bend,70,377,9,20,10,90,ok,").size();
    const std::string T = out.substr(at, out.find(',', at) - at);
    const auto passes = [&](int t) {
      const std::vector<std::string> in = {std::to_string(t), "377", "9", "20", "10", "90"};
      const quorvel::Outcome o = quorvel::calculate(bend, in, ".");
      if (g > 0)
        return quorvel::governing_ratio(
                   quorvel::with_guides(bend, *o.values, g, elbows ? std::optional(three_D) : std::nullopt)) <= 1;
      return !quorvel::with_elbows(bend, *o.values, 3 * o.values->D).verdict.exceeds;
    };
    EXPECT_TRUE(passes(std::stoi(T))) << out;
    EXPECT_FALSE(passes(std::stoi(T) + 1)) << out;
    EXPECT_FALSE(sharp.starts_with("bend,70,377,9,20,10,90,ok," + T + ",")) << sharp;
    EXPECT_TRUE(process("bend,70,377,9,20,10,90\n", options_of(ranges))
                    .out.starts_with("bend,70,377,9,20,10,90,ok," + T + ".."))
        << args.front();
  }
  // An elbow of R = 5·D = 1.885 m needs that much of L1 = 1 m at the bend:
  // with it, no second leg passes.
  const std::string short_leg =
      process("bend,70,377,9,1,10,90\n", options_of({"--solve", "L2=0.5:40:0.5", "--elbows", "5D"})).out;
  EXPECT_TRUE(short_leg.starts_with("bend,70,377,9,1,10,90,no solution,")) << short_leg;
}

// --code on the L of tests/calc/code_check_test.cpp, worked by hand there
// (anchor moment 7.985 kN·m, force 8.125 kN, SE 95.07 and 90.65 MPa), with
// Sc = Sh = 138 MPa: SA = 207.0, 95.07/207 = 0.459. Colder than T0 the hot
// loads turn; a full cold spring leaves a third hot and all of R cold;
// Eh = 180 GPa takes 0.9 of the hot loads. Where a table ends, the last cell
// says so and the others are empty.
TEST(BatchProcess, CodeCheckCells) {
  const std::vector<std::string> user = {"--code", "b31.3", "--ea", "200",      "--sc",
                                         "138",    "--sh",  "138",  "--growth", "3"};
  const auto with = [&](std::vector<std::string> more) {
    more.insert(more.begin(), user.begin(), user.end());
    return options_of(more);
  };
  const std::string given = ",no material: every value is the one given\r\n";
  const struct {
    std::string row;
    quorvel::batch::Options options;
    std::string tail;
  } cases[] = {
      {"bend,70,100,20,2,2,90", with({}),
       ",207.0,95.1,90.6,95.1,0.459,passes,7.985,8.125,8.125,0.000,0.000,0.000" + given},
      {"bend,-30,100,20,2,2,90", with({}),
       ",207.0,95.1,90.6,95.1,0.459,passes,-7.985,-8.125,-8.125,0.000,0.000,0.000" + given},
      {"bend,70,100,20,2,2,90", with({"--cold-spring", "1"}),
       ",0.459,passes,2.662,2.708,2.708,-7.985,-8.125,-8.125" + given},
      {"bend,70,100,20,2,2,90", with({"--eh", "180"}), ",passes,7.187,7.312,7.312,0.000,0.000,0.000" + given},
      {"bend,70,100,20,2,2,90", with({"--target", "0.45"}), ",0.459,fails,"},
      {"bend,70,100,0,2,2,90", with({}), ",overflow" + std::string(6 + 13, ',') + "\r\n"},
      {"bend,70,377,9,20,10,90", options_of({"--code", "b31.3", "--material", "a106b"}),
       ",0.32" + std::string(12 + 1, ',') +
           "\"the expansion of a106b at 20 ℃: outside its table, 21.1 to 704.4 ℃\"\r\n"},
  };
  for (const auto& c : cases) {
    const std::string out = process(c.row + "\n", c.options).out;
    EXPECT_NE(out.find(c.tail), std::string::npos) << c.row << "\n" << out << c.tail;
  }
}

// --lowest starts the range: installed at 50 ℃ with the lowest metal
// temperature 38 ℃, a run at 93 ℃ has the range of one installed at 38 ℃
// (the same hot loads too, both runs being hotter than T0); without it the
// range is 50 to 93 ℃.
TEST(BatchProcess, CodeRangeStartsAtTheLowest) {
  const auto code_cells = [](std::vector<std::string> args) {
    args.insert(args.end(), {"--code", "b31.3", "--material", "a106b"});
    const std::string out = process("bend,93,377,9,20,10,90\n", options_of(args)).out;
    return out.substr(out.size() - 60);  // the code's cells, the installed ones before them differ
  };
  EXPECT_EQ(code_cells({"--installed", "50", "--lowest", "38"}), code_cells({"--installed", "38"}));
  EXPECT_NE(code_cells({"--installed", "50"}), code_cells({"--installed", "38"}));
}

// --solve with --code walks on SE/SA: at N = 10⁶ (f = 0.379) the answer
// passes the code check and the degree above it does not.
TEST(BatchProcess, SolvesOnTheCodeCheck) {
  const quorvel::Panel& bend = *quorvel::panel_by_key("bend");
  const std::vector<std::string> code = {"--code", "b31.3", "--material", "a106b", "--installed", "38",
                                         "--sc",   "137.9", "--sh",       "137.9", "--cycles",    "1000000"};
  std::vector<std::string> args = code;
  args.insert(args.end(), {"--solve", "T=400:-10"});
  const std::string out = process("bend,70,377,9,20,10,90\n", options_of(args)).out;
  const std::string T = out.substr(std::string("bend,70,377,9,20,10,90,ok,").size(), 3);
  const auto passes = [&](int t) {
    const std::vector<std::string> in = {std::to_string(t), "377", "9", "20", "10", "90"};
    const quorvel::CodeCheck check =
        quorvel::code_check(bend, quorvel::calculate(bend, in, "."), options_of(code).code.settings);
    return check.unavailable.empty() && check.passes;
  };
  EXPECT_TRUE(passes(std::stoi(T))) << out;
  EXPECT_FALSE(passes(std::stoi(T) + 1)) << out;
}

// --check adds the checks of the inputs as one last cell and changes nothing
// before it: each row's other cells are those it gives without --check.
TEST(BatchProcess, CheckNamesTheFieldsThatDescribeNoPipe) {
  struct Case {
    std::vector<std::string> args;  // besides --check
    std::string in;
    std::vector<std::string> cells;  // the last cell of each output row, as written
  };
  const std::string creeps =
      ": above 425 ℃ carbon steel creeps, which the fixed E = 196 GPa and [S] = 80 MPa do not describe";
  const std::string in_line =
      "α: α = 180°: an angle must lie strictly between 0° and 180°; at 0° and 180° the legs lie in line, which bending "
      "cannot carry";
  for (const Case& c : std::vector<Case>{
           {{},
            "bend,70,323.9,200,12,6,90",
            {"t: t = 200 mm: a wall must be thinner than half the diameter (161.95 mm)"}},
           {{}, "bend,70,-323.9,8,12,6,90", {"D: D = -323.9 mm: the outer diameter must be above 0"}},
           {{}, "bend,70,323.9,8,-12,6,90", {"L1: L1 = -12 m: a leg cannot be shorter than 0"}},
           {{}, "bend,70,323.9,8,12,6,180", {'"' + in_line + '"'}},
           {{}, "bend,500,323.9,8,12,6,90", {"\"T: T = 500 ℃" + creeps + '"'}},
           {{},
            "offset,70,377,9,20,10,20,10,90",
            {"L: L = 10 m: the legs put the anchors 40 m apart; L sets the free expansion"}},
           {{},
            "loop,70,377,9,20,10,15,10,20,50,90,90",
            {"L: L = 50 m: the legs put the anchors 55 m apart; L sets the free expansion"}},
           {{}, "bend,70,377,9,20,10,90", {""}},
           {{}, "offset,70,377,9,20,10,20,40,90", {""}},
           {{},
            "bend,500,-323.9,8,12,6,180",
            {"\"T: T = 500 ℃" + creeps + "; D: D = -323.9 mm: the outer diameter must be above 0; " + in_line + '"'}},
           {{}, "bend,70,377,9,abc,10,90", {""}},  // the status names the text that is no number
           {{"--si", "--verdict"}, "bend,70,377,0,20,10,90", {"t: t = 0 mm: a wall must be thicker than 0"}},
           {{"--decimal-comma"},
            "bend;70;323,9;200;12;6;90",
            {"t: t = 200 mm: a wall must be thinner than half the diameter (161,95 mm)"}},
           // the inputs at the value found: L = 55 m passes and matches the legs
           {{"--solve", "L=60:50:5", "--target", "0.105"}, "loop,70,377,9,20,10,15,10,20,50,90,90", {""}},
           // no value passes: the row's own inputs
           {{"--solve", "L=60:50:5", "--target", "0.01"},
            "loop,70,377,9,20,10,15,10,20,50,90,90",
            {"L: L = 50 m: the legs put the anchors 55 m apart; L sets the free expansion"}},
           {{"--sweep", "T=420:430:10"}, "bend,70,377,9,20,10,90", {"", "\"T: T = 430 ℃" + creeps + '"'}},
       }) {
    std::vector<std::string> args = c.args;
    const char separator = args == std::vector<std::string>{"--decimal-comma"} ? ';' : ',';
    const Processed plain_run = process(c.in + "\n", options_of(args));
    const std::vector<std::string> plain = lines(plain_run.out);
    args.push_back("--check");
    const Processed checked = process(c.in + "\n", options_of(args));
    ASSERT_EQ(plain.size(), c.cells.size()) << c.in;
    std::string expected;
    for (std::size_t i = 0; i < plain.size(); ++i)
      expected += plain[i].substr(0, plain[i].size() - 1) + separator + c.cells[i] + "\r\n";  // before its CR
    EXPECT_EQ(checked.out, expected) << c.in;
    EXPECT_EQ(checked.err, plain_run.err) << c.in;  // --check adds nothing to standard error
  }
}

TEST(BatchProcess, RejectsARowWhosePanelHasNoSuchField) {
  const Processed run =
      process("offset,70,377,9,20,10,20,40,90\nbend,70,377,9,20,10,90\nloop,70,377,9,20,10,15,10,20,50,90,90\n",
              options_of({"--solve", "L=40:45:1.25", "--target", "0.05"}));
  EXPECT_FALSE(run.all_valid);
  EXPECT_EQ(run.out,
            "offset,70,377,9,20,10,20,40,90,no solution,,,,,,,,,,\r\n"
            "loop,70,377,9,20,10,15,10,20,50,90,90,no solution,,,,,,,,,,,,\r\n");
  EXPECT_EQ(run.err, "in.csv:2: bend has no field L\n");
  EXPECT_EQ(process("offset,70,377,9,20,10,20,40,90\n", options_of({"--sweep", "beta=1:2"})).err,
            "in.csv:1: offset has no field beta\n");
}

TEST(BatchProcess, RefusesBadOptionsWithOneLine) {
  struct Case {
    std::vector<std::string> args;
    const char* names;  // what the line must hold
  };
  for (const Case& c : std::vector<Case>{
           {{"--solve", "X=1:2"}, "unknown field 'X'"},
           {{"--sweep", "L2=a:2:1"}, "FROM 'a' is not a number"},
           {{"--solve", "L2=1:b"}, "TO 'b' is not a number"},
           {{"--solve", "L2=1:2:0"}, "STEP must be above 0"},
           {{"--sweep", "L2=1:2:-1"}, "STEP must be above 0"},
           {{"--solve", "T=0:1000000"}, "more than 1000000 values"},
           {{"--solve"}, "--solve needs a value"},
           {{"--solve", "L2=1:2", "--sweep", "L2=1:2"}, "only one --solve, --sweep or --ranges"},
           {{"--ranges", "L2=1:2", "--solve", "L2=1:2"}, "only one --solve, --sweep or --ranges"},
           {{"--ranges", "L2=1:2", "--verdict"}, "takes no --si, --verdict"},
           {{"--ranges", "L2=1:2", "--check"}, "--friction or --check"},
           {{"--ranges", "L2=1:2", "--friction", "900"}, "--crosscheck, --friction"},
           {{"--guides", "0"}, "--guides 0: expected a distance in metres above 0"},
           {{"--guides", "-2"}, "--guides -2"},
           {{"--friction", "heavy"}, "--friction heavy: expected a weight per metre in N/m"},
           {{"--friction", "900,-0.3"}, "--friction 900,-0.3"},
           {{"--friction", "900,"}, "--friction 900,"},
           {{"--target", "x"}, "--target x"},
           {{"--target", "-0.5"}, "--target -0.5"},
           {{"--plot", "a.svg"}, "--plot draws a --sweep"},
           {{"--plot", "a.svg", "--solve", "L2=1:2"}, "--plot draws a --sweep"},
           {{"--sweep", "L2=1:2", "--plot="}, "--plot needs a file name"},
           {{"--decimal-point"}, "unknown option --decimal-point"},
           {{"--si=1"}, "unknown option --si=1"},  // a switch takes no value
           {{"--elbows", "2D"}, "--elbows 2D: expected 1D, 1.5D, 3D, 5D or a radius in metres"},
           {{"--elbows=0m"}, "--elbows 0m"},
           {{"--elbows", "0.6"}, "--elbows 0.6"},
           {{"--elbows"}, "--elbows needs a value"},
           {{"--installed", "warm"}, "--installed warm"},
           {{"--installed"}, "--installed needs a value"},
           {{"--material", "a106b"}, "--material belongs to the code check: give --code b31.3 too"},
           {{"--code", "b31.3", "--material", "a106"}, "--material a106: expected one of a106b, 20, s30408"},
           {{"--code", "gb50316", "--material", "20"}, "--code gb50316: not built"},
           {{"--code", "b31.3", "--ea", "200", "--sc", "138", "--sh", "138"}, "needs --ea, --sc, --sh and --growth"},
           {{"--code", "b31.3", "--material", "20", "--growth", "2", "--solve", "T=1:2"}, "--growth is the expansion"},
           {{"--code", "b31.3", "--material", "20", "--cold-spring", "1.5"}, "--cold-spring 1.5"},
           {{"--code", "b31.3", "--material", "20", "--cycles", "0"}, "--cycles 0"},
           {{"--code", "b31.3", "--material", "20", "--ea", "-1"}, "--ea -1"},
       }) {
    const auto parsed = quorvel::batch::parse_command_line(c.args);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.names;
    const std::string& why = std::get<std::string>(parsed);
    EXPECT_NE(why.find(c.names), std::string::npos) << why;
    EXPECT_EQ(why.find('\n'), std::string::npos) << why;
  }
}

// The help, which is also the manual page: every option of the table at the
// start of a line, no line wider than 79 columns (UTF-8 characters), and the
// examples last, through to the last one.
TEST(BatchHelp, ListsEveryOptionWithinItsColumns) {
  const std::string help = quorvel::batch::help();
  for (const quorvel::batch::Option& option : quorvel::batch::options()) {
    const std::string tag =
        "\n  " + std::string(option.name) + (option.value.empty() ? "" : " ") + std::string(option.value);
    EXPECT_TRUE(help.find(tag + " ") != std::string::npos || help.find(tag + "\n") != std::string::npos) << tag;
  }
  for (const std::string& line : lines(help))
    EXPECT_LE(std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; }), 79) << line;
  EXPECT_EQ(help.substr(help.rfind("\n\n") + 2, 10), "Examples:\n");
  EXPECT_TRUE(
      help.ends_with("\n  quorvel-batch --decimal-comma --si runs.csv\n"
                     "        rows written with decimal commas, results also in kN, kN·m and MPa\n"));
}

// Each option's text as --help wraps it: every word once and in order, on
// lines starting at column 20, each line as full as the next line's first
// word allows.
TEST(BatchHelp, WrapsEachOptionWithoutLosingAWord) {
  const std::vector<std::string> help = lines(quorvel::batch::help());
  const auto columns = [](std::string_view s) {
    return std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; });
  };
  const auto words = [](const std::string& text) {
    std::istringstream in(text);
    return std::vector<std::string>(std::istream_iterator<std::string>(in), {});
  };
  const std::string indent(20, ' ');
  for (const quorvel::batch::Option& option : quorvel::batch::options()) {
    const std::string tag =
        "  " + std::string(option.name) + (option.value.empty() ? "" : " ") + std::string(option.value);
    auto at = std::find_if(help.begin(), help.end(), [&](const std::string& line) {
      return line == tag ||
             (line.starts_with(tag + "  ") && line.size() > 20 && line.substr(0, 20).ends_with(' ') && line[20] != ' ');
    });
    ASSERT_NE(at, help.end()) << tag;
    std::vector<std::string> text;  // the lines of text, without their indent
    if (*at != tag) text.push_back(at->substr(20));
    for (++at; at != help.end() && at->starts_with(indent); ++at) {
      EXPECT_NE((*at)[20], ' ') << *at;
      text.push_back(at->substr(20));
    }
    std::string joined;
    for (std::size_t i = 0; i < text.size(); ++i) {
      joined += text[i] + " ";
      if (i + 1 < text.size()) {
        EXPECT_GT(20 + columns(text[i]) + 1 + columns(words(text[i + 1]).front()), 79) << text[i];
      }
    }
    EXPECT_EQ(words(joined), words(option.help)) << tag;
  }
}

}  // namespace
