// quorvel-batch's work on arbitrary CSV, in both number styles: every input
// record ends in exactly one output row or one rejection, a rejected or
// failed row is reported with its line, output rows read back as the input
// cells, the status and the results, and every result meets the panel
// properties.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "batch.h"
#include "checks.h"
#include "quorvel/text/csv.h"
#include "quorvel/text/text.h"

namespace {

using namespace quorvel;

// The status column: "ok", or the error message in lower case.
std::string status_text(const std::optional<Failure>& failure) {
  if (!failure) return "ok";
  std::string status(message(failure->kind));
  status[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(status[0])));
  return status;
}

void check(std::string_view data, bool decimal_comma) {
  const auto broken = [&](std::string_view rule, const std::string& what) {
    fuzz::violation(rule,
                    what + "; decimal comma " + (decimal_comma ? "on" : "off") + ", data \"" + one_line(data) + "\"");
  };
  const batch::Options options{decimal_comma};
  const auto dialect = csv::Dialect::with_decimal_comma(decimal_comma);
  const std::string_view dp = dialect.decimal_point;

  std::ostringstream out, err, out2, err2;
  const bool all_valid = batch::process(data, "fuzz", options, out, err);
  const bool all_valid2 = batch::process(data, "fuzz", options, out2, err2);
  if (all_valid != all_valid2 || out.str() != out2.str() || err.str() != err2.str())
    broken("the same inputs give the same texts", "two runs differ");

  const std::string written = out.str();
  const std::string messages = err.str();
  if (!written.empty() && !written.ends_with("\r\n")) broken("output rows end in CRLF", "last row");

  const auto line_breaks =
      static_cast<std::size_t>(std::count(data.begin(), data.end(), '\n') + std::count(data.begin(), data.end(), '\r'));
  csv::Reader input(data, dialect);
  csv::Reader output(written, dialect);
  std::size_t rejected = 0, failed = 0;
  std::size_t last_line = 0;
  std::size_t message_at = 0;
  for (bool first = true; auto record = input.next(); first = false) {
    const std::string where = "record on line " + std::to_string(record->line);
    if (record->cells.empty()) broken("a record has at least one cell", where);
    if (record->line <= last_line || record->line > line_breaks + 1)
      broken("records start on increasing lines within the data", where);
    last_line = record->line;

    // A first row naming the columns is skipped; panel keys in any letter
    // case; empty cells past the panel's inputs are dropped.
    std::string key = record->cells.front();
    std::transform(key.begin(), key.end(), key.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    if (first && !record->unterminated && key == "panel") continue;
    const Panel* panel = panel_by_key(key);
    if (panel && !record->unterminated)
      while (record->cells.size() > panel->inputs.size() + 1 && record->cells.back().empty()) record->cells.pop_back();
    const auto reported = [&](std::string_view rule) {
      message_at = messages.find("fuzz:" + std::to_string(record->line) + ": ", message_at);
      if (message_at == std::string::npos) broken(rule, where);
      ++message_at;
    };
    if (record->unterminated || !panel || record->cells.size() != panel->inputs.size() + 1) {
      ++rejected;
      reported("a rejected row is reported with its line");
      continue;
    }

    const std::vector<std::string> inputs(record->cells.begin() + 1, record->cells.end());
    const Outcome outcome = fuzz::check_panel(*panel, inputs, dp);
    if (outcome.failure) {
      ++failed;
      reported("a failed row is reported with its line");
    }
    std::vector<std::string> expected = record->cells;
    expected.push_back(status_text(outcome.failure));
    expected.insert(expected.end(), outcome.results.begin(), outcome.results.end());
    expected.resize(record->cells.size() + 1 + panel->results.size());
    const auto row = output.next();
    if (!row || row->unterminated || row->cells != expected)
      broken("an output row reads back as the input cells, the status and the results", where);
  }
  if (output.next()) broken("one output row per valid record", "extra rows");
  if (all_valid != (rejected == 0) || messages.empty() != (rejected == 0 && failed == 0))
    broken("process reports a row exactly when it was rejected or failed",
           std::to_string(rejected) + " rejected, " + std::to_string(failed) + " failed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  check(text, false);
  check(text, true);
  return 0;
}
