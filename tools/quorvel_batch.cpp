// quorvel-batch: the panel calculations for a list of runs, CSV in, CSV out.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "batch.h"
#include "csv.h"
#include "plot.h"
#include "quorvel/panels.h"
#include "quorvel/version.h"
#include "walk.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr const char* kAbout = R"(Usage: quorvel-batch [OPTION...] [FILE...]

Checks many pipe runs at once with the calculations of the Quorvel window,
and answers design questions: how long a leg must be, how hot a run may get.
Reads CSV (RFC 4180) from each FILE in turn, or from standard input when no
FILE is given, and writes CSV to standard output.

Each input row is a panel's key followed by exactly that panel's input
texts. Each output row repeats the input row's cells, then the status (ok,
type mismatch, overflow or division by zero), then the panel's results. The
panels:

)";

constexpr const char* kUnits = R"(
T is in ℃, D and t in mm, lengths in m and angles in degrees; the texts are
read exactly as the window reads its fields. Moments are in kgm and forces
in kg (tens of newton-metres and newtons), stresses are ratios to the
allowable stress [S] = 80 MPa. A result not reached before a failure is an
empty cell.

Options:
)";

constexpr const char* kEnd = R"(
Option values are always written with a decimal point. FROM, TO and STEP
must be numbers, STEP above 0, and one walk may hold at most 1,000,000
values; a bad option is reported on one line of standard error before any
row is read.

A row with an unknown panel or a wrong number of cells is reported on
standard error with its line number and gives no output row; the other rows
are still processed. Exit status: 0 when every row was processed, 1 when a
row was rejected, 2 when an option or a file could not be used.

Examples:
  quorvel-batch runs.csv > results.csv
        calculate every row of runs.csv
  echo bend,70,377,9,20,10,90 | quorvel-batch --solve L2=0.5:40:0.5
        the shortest second leg of the default bend that passes: 5.5 m
  echo bend,70,377,9,20,10,90 | quorvel-batch --solve T=400:-50
        the highest temperature the default bend takes, walking downwards
        from 400 ℃: 208 ℃
  echo bend,70,377,9,20,10,90 | quorvel-batch --sweep L2=1:20:0.5 --plot l2.svg
        the results for every second leg from 1 m to 20 m, and their chart
  quorvel-batch --decimal-comma --si runs.csv
        rows written with decimal commas, results also in kN, kN·m and MPa
)";

// `text` filled into lines of at most 79 columns, indented to `indent`,
// after `tag` on the first line or on a line of its own when the tag is
// long; a line break in `text` starts a new line. help2man reads such a block
// as one tagged paragraph.
std::string tagged(std::string tag, std::size_t indent, std::string_view text) {
  constexpr std::size_t kWidth = 79;
  const auto columns = [](std::string_view s) {  // UTF-8: every byte but the continuation bytes
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
  };
  std::string out, line = std::move(tag);
  if (columns(line) + 2 > indent) {  // help2man wants two spaces after the tag
    out = line + "\n";
    line.clear();
  }
  line.resize(indent + line.size() - columns(line), ' ');
  bool empty = true;
  const auto flush = [&] {
    out += line + "\n";
    line.assign(indent, ' ');
    empty = true;
  };
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find_first_of(" \n", at), text.size());
    const std::string_view word = text.substr(at, end - at);
    if (!empty && columns(line) + 1 + columns(word) > kWidth) flush();
    if (!empty) line += ' ';
    line += word;
    empty = false;
    if (end < text.size() && text[end] == '\n') flush();
    at = end + 1;
  }
  if (!empty) flush();
  return out;
}

// name(item) of every item, with `separator` between them.
template <class Range, class Name>
std::string joined(const Range& items, std::string_view separator, Name name) {
  std::string out;
  for (const auto& item : items) {
    if (!out.empty()) out += separator;
    out += name(item);
  }
  return out;
}

// The help, with each panel's row and results and the fields --solve and
// --sweep take read from the panel tables.
std::string help() {
  std::string s = kAbout;
  std::size_t longest_key = 0;
  for (const quorvel::Panel* panel : quorvel::panels()) longest_key = std::max(longest_key, panel->key.size());
  for (const quorvel::Panel* panel : quorvel::panels()) {
    const std::string row = std::string(panel->key) + "," +
                            joined(panel->inputs, ",", [](const quorvel::InputField& f) { return f.symbol; });
    const std::string results = joined(panel->results, ", ", [](const quorvel::ResultField& f) { return f.symbol; });
    s += tagged("  " + std::string(panel->key), longest_key + 5,
                std::string(panel->name) + ". Input row: " + row + " (" + std::to_string(panel->inputs.size()) +
                    " texts).\nResults: " + results + ".");
  }
  s += kUnits;

  const std::string fields = joined(quorvel::batch::field_symbols(), ", ", [](std::string_view symbol) {
    const std::string typed = quorvel::batch::typed_symbol(symbol);
    return typed == symbol ? typed : typed + " (" + std::string(symbol) + ")";
  });
  const std::pair<std::string, std::string> options[] = {
      {"--decimal-comma",
       "numbers use ',' as decimal separator and cells are separated by ';', as spreadsheets in such locales write "
       "CSV"},
      {"--solve F=FROM:TO[:STEP]",
       "for each row, walk field F from FROM towards TO (upwards or downwards) in steps of STEP and answer the first "
       "value at which every stress ratio is at most the target. F is one of " +
           fields +
           "; STEP is 1 for T and 0.01 for the others when left out. The values are FROM ± k·STEP worked in decimal "
           "and written plainly (0.3, never 0.30000000000000004); each is calculated from the row's texts with F's "
           "text replaced by the value's. A value whose calculation fails does not pass. The output row is the input "
           "row, the status, the value, then the results at that value. The status is ok, or \"no solution\" when no "
           "value passes, or the kind of failure when every value failed alike (a bad text in another field, say); "
           "the value and results are then empty. A row whose panel has no field F is rejected."},
      {"--target R", "the highest ratio that passes for --solve, and the level drawn by --plot (default 1)"},
      {"--sweep F=FROM:TO:STEP",
       "for each row, one output row per value of F from FROM to TO (TO included when it lies on the grid), with the "
       "value in F's cell, then the status and the results"},
      {"--plot FILE.svg",
       "with --sweep and exactly one input row: draw every stress ratio against F as an SVG chart, one line per "
       "ratio, the target as a dashed line; failed values leave gaps"},
      {"--si",
       "after the results, the same results in SI units in the same order: forces in kN and moments in kN·m (the "
       "shown number × 0.01), stresses in MPa (the shown ratio × 80), worked in decimal from the shown text (907.7 "
       "gives 9.077, 0.12 gives 9.6); combines with --solve and --sweep"},
      {"--help", "this text"},
      {"--version", "the version"},
  };
  for (const auto& [option, text] : options) s += tagged("  " + option, 20, text);
  return s + kEnd;
}

// Reports a bad option and gives the exit status for it.
int bad_option(const std::string& why) {
  std::cerr << "quorvel-batch: " << why << " (see --help)\n";
  return 2;
}

// Records in all inputs, blank lines not counted.
std::size_t record_count(const std::vector<std::string>& inputs, char separator) {
  std::size_t count = 0;
  for (const std::string& data : inputs)
    for (quorvel::csv::Reader reader(data, separator); reader.next();) ++count;
  return count;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // The same bytes as on every system: no CR before each LF written, none
  // taken out and no Ctrl+Z ending what is read.
  for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
#endif
  const std::vector<std::string> args(argv + 1, argv + argc);
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::cout << help();
      return 0;
    }
    if (arg == "--version") {
      std::cout << "quorvel-batch " << quorvel::kVersion << "\n";
      return 0;
    }
  }
  std::ios::sync_with_stdio(false);
  auto parsed = quorvel::batch::parse_command_line(args);
  if (const auto* why = std::get_if<std::string>(&parsed)) return bad_option(*why);
  auto& [options, files, plot_file] = std::get<quorvel::batch::CommandLine>(parsed);

  // Every input is read before any row is processed, so that a missing file
  // or a plot of several rows stops the run before any output.
  std::vector<std::string> inputs, names;
  const auto read = [&](std::istream& in, const std::string& name) {
    inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    names.push_back(name);
  };
  if (files.empty()) read(std::cin, "<stdin>");
  for (const std::string& file : files) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::cerr << "quorvel-batch: cannot read " << file << "\n";
      return 2;
    }
    read(in, file);
  }
  quorvel::batch::Plot plot;
  if (!plot_file.empty()) {
    const std::size_t rows = record_count(inputs, options.decimal_comma ? ';' : ',');
    if (rows != 1) return bad_option("--plot draws exactly one input row, the input has " + std::to_string(rows));
    options.plot = &plot;
  }

  bool rejected = false;
  for (std::size_t i = 0; i < inputs.size(); ++i)
    rejected |= !quorvel::batch::process(inputs[i], names[i], options, std::cout, std::cerr);
  std::cout.flush();
  if (!plot.empty()) {
    std::ofstream svg(plot_file, std::ios::binary);
    svg << plot.svg(options.target, options.decimal_comma ? "," : ".");
    if (!svg.flush()) {
      std::cerr << "quorvel-batch: cannot write " << plot_file << "\n";
      return 2;
    }
  }
  return rejected ? 1 : 0;
}
