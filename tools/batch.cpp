#include "batch.h"

#include <span>
#include <vector>

#include "csv.h"
#include "quorvel/panels.h"

namespace quorvel::batch {
namespace {

std::string status_text(const std::optional<Failure>& failure) {
  if (!failure) return "ok";
  switch (failure->kind) {
    case ErrorKind::type_mismatch: return "type mismatch";
    case ErrorKind::overflow: return "overflow";
    case ErrorKind::division_by_zero: return "division by zero";
  }
  return "error";
}

// A cell as it can be shown on one line of an error message.
std::string shown_cell(std::string_view cell) {
  constexpr std::size_t kLongest = 40;
  std::string shown;
  for (char ch : cell.substr(0, kLongest)) shown.push_back(static_cast<unsigned char>(ch) < 0x20 ? '?' : ch);
  if (cell.size() > kLongest) shown += "...";
  return shown;
}

// "bend, offset or loop"
std::string panel_keys() {
  std::string keys;
  const auto all = panels();
  for (std::size_t i = 0; i < all.size(); ++i)
    keys += (i == 0 ? "" : i + 1 == all.size() ? " or " : ", ") + std::string(all[i]->key);
  return keys;
}

}  // namespace

bool process(std::string_view data, const std::string& source, const Options& options, std::ostream& out,
             std::ostream& err) {
  const char separator = options.decimal_comma ? ';' : ',';
  const std::string_view decimal_point = options.decimal_comma ? "," : ".";
  bool all_valid = true;
  csv::Reader reader(data, separator);
  while (auto record = reader.next()) {
    std::vector<std::string>& cells = record->cells;
    const auto reject = [&](const std::string& why) {
      err << source << ":" << record->line << ": " << why << "\n";
      all_valid = false;
    };
    if (record->unterminated) {
      reject("a quoted cell is not closed");
      continue;
    }
    const Panel* panel = panel_by_key(cells.front());
    if (!panel) {
      reject("unknown panel '" + shown_cell(cells.front()) + "' (expected " + panel_keys() + ")");
      continue;
    }
    if (cells.size() != panel->inputs.size() + 1) {
      reject(std::string(panel->key) + " takes " + std::to_string(panel->inputs.size()) + " input texts, the row has " +
             std::to_string(cells.size() - 1));
      continue;
    }
    Outcome outcome = calculate(*panel, std::span(cells).subspan(1), decimal_point);
    cells.push_back(status_text(outcome.failure));
    outcome.results.resize(panel->results.size());
    cells.insert(cells.end(), outcome.results.begin(), outcome.results.end());
    out << csv::write_record(cells, separator);
  }
  return all_valid;
}

}  // namespace quorvel::batch
