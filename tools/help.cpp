// The text of --help: prose wrapped by hand around the panels and the
// options, which are filled into lines of at most 79 columns; every number
// in it comes from where it is defined.

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "command_line.h"
#include "quorvel/analyses/material.h"
#include "quorvel/panels/panels.h"
#include "walk.h"

namespace quorvel::batch {
namespace {

constexpr const char* kAbout = R"(Usage: quorvel-batch [OPTION...] [FILE...]

Checks many pipe runs at once with the calculations of the Quorvel window,
and answers design questions: how long a leg must be, how hot a run may get.
Reads CSV (RFC 4180) from each FILE in turn, or from standard input when no
FILE is given, and writes CSV to standard output.

Each input row is a panel's key (in any letter case) followed by exactly
that panel's input texts; empty cells after them are ignored, and a first
row whose first cell is "panel" is taken as a header and skipped. Each
output row repeats the input row's cells, then the status (ok,
type mismatch, overflow or division by zero), then the panel's results. The
panels:

)";

constexpr const char* kUnits = R"(
T is in ℃, D and t in mm, lengths in m and angles in degrees; the texts are
read exactly as the window reads its fields. Moments are in kgm and forces
in kg (tens of newton-metres and newtons), stresses are ratios to the
allowable stress [S] = {[S]} MPa. A result not reached before a failure is an
empty cell.

Options:
)";

constexpr const char* kEnd = R"(
Option values are always written with a decimal point. FROM, TO and STEP
must be numbers, STEP above 0, and one walk may hold at most {most values}
values; a bad option is reported on one line of standard error before any
row is read.

A row with an unknown panel or a wrong number of cells is reported on
standard error with its line number and gives no output row; the other rows
are still processed. A row whose calculation fails keeps its output row, and
standard error says with its line number which field caused the failure and
what to type there (or what the checks of the inputs find). Exit status: 0
when every row was processed, 1 when a row was rejected, 2 when an option or
a file could not be used.

Examples:
  quorvel-batch runs.csv > results.csv
        calculate every row of runs.csv
  echo bend,70,377,9,20,10,90 | quorvel-batch --solve L2=0.5:40:0.5
        the shortest second leg of the default bend that passes: 5.5 m, and
        the longest of the stretch it starts: 40 m
  echo bend,250,323.9,8,12,10,90 | quorvel-batch --ranges L2=0.5:40:0.1
        the second legs of a hot DN300 bend that pass: 8.6..28.7 (a longer
        L2 overstresses the anchor at L1)
  echo bend,70,377,9,20,10,90 | quorvel-batch --solve T=400:-50
        the highest temperature the default bend takes, walking downwards
        from 400 ℃: 207 ℃
  echo loop,180,219.1,6.35,27,6,6,6,27,60,90,90 | quorvel-batch --solve H=2:10
        how high a DN200 loop 6 m wide between anchors 60 m apart must be at
        180 ℃, L2 and L4 walked together by 0.01 m: 4.13 m; with --elbows 1.5D
        added, judged by the run with long-radius elbows: 5.82 m
  echo bend,70,377,9,20,10,90 | quorvel-batch --sweep L2=1:20:0.5 --plot l2.svg
        the results for every second leg from 1 m to 20 m, and their chart
  echo offset,200,377,9,20,10,20,40,90 | quorvel-batch --elbows 1.5D
        the default offset at 200 ℃ with long-radius elbows, whose S2 shows
        0.74: after its results come k = 10.98 and i = 3.18, then Mz1, Mz2, Fx
        and Fy with elbows, S1 to S4 with elbows (0.22, 1.06, 1.06, 0.22), the
        governing ratio 1.060 and exceeds
  echo loop,180,219.1,6.35,27,6,6,6,27,60,90,90 | quorvel-batch --guides 3
        a DN200 loop at 180 ℃ with a guide on each end leg 3 m from the loop:
        the ratio at its top corners rises from 0.61 to 0.65 (governing
        0.651, passes) and each guide takes -35.7 kg across its leg
  echo bend,70,377,9,20,10,90 | quorvel-batch --installed 20
        the default bend anchored at 20 ℃: factor 0.721, governing ratio 0.229
  echo offset,70,377,9,20,10,20,40,90 | quorvel-batch --movements --crosscheck
        how far the offset's two bends move, and the hand methods beside it
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

// `text` with its first `placeholder` replaced by `value`.
std::string with(std::string text, std::string_view placeholder, std::string_view value) {
  return text.replace(text.find(placeholder), placeholder.size(), value);
}

// 1000000 as "1,000,000".
std::string grouped(std::size_t n) {
  std::string digits = std::to_string(n);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, 1, ',');
  return digits;
}

}  // namespace

// Each panel's row and results from the panel tables, each option from the
// options table.
std::string help() {
  std::string s = kAbout;
  std::size_t longest_key = 0;
  for (const Panel* panel : panels()) longest_key = std::max(longest_key, panel->key.size());
  for (const Panel* panel : panels()) {
    const std::string row =
        std::string(panel->key) + "," + joined(panel->inputs, ",", [](const InputField& f) { return f.symbol; });
    const std::string results = joined(panel->results, ", ", [](const ResultField& f) { return f.symbol; });
    s += tagged("  " + std::string(panel->key), longest_key + 5,
                std::string(panel->name) + ". Input row: " + row + " (" + std::to_string(panel->inputs.size()) +
                    " texts).\nResults: " + results + ".");
  }
  const Material& steel = carbon_steel();
  s += with(kUnits, "{[S]}", steel.allowable_mpa_text(steel.reference_T, "."));
  for (const Option& option : options()) {
    std::string tag = "  ";
    tag += option.name;
    if (!option.value.empty()) tag.append(" ").append(option.value);
    s += tagged(std::move(tag), 20, option.help);
  }
  return s + with(kEnd, "{most values}", grouped(kMostValues));
}

}  // namespace quorvel::batch
