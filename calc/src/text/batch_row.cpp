#include "quorvel/text/batch_row.h"

#include "quorvel/panels/panels.h"

namespace quorvel {
namespace {

std::optional<BatchRow> row_in(std::string_view text) {
  for (const bool comma : {false, true}) {
    const auto dialect = csv::Dialect::with_decimal_comma(comma);
    const auto cells = csv::read_line(text, dialect);
    if (!cells || cells->empty()) continue;
    const Panel* panel = panel_by_key(cells->front());
    if (!panel) continue;
    const std::size_t texts = cells->size() - 1, inputs = panel->inputs.size();
    if (texts != inputs && texts < inputs + 1 + panel->results.size()) continue;
    return BatchRow{panel, {cells->begin() + 1, cells->begin() + 1 + static_cast<std::ptrdiff_t>(inputs)}, dialect};
  }
  return std::nullopt;
}

}  // namespace

std::optional<BatchRow> find_batch_row(std::string_view text) {
  if (auto row = row_in(text)) return row;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (auto row = row_in(line)) return row;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return std::nullopt;
}

std::vector<std::string> inputs_for(const BatchRow& row, std::string_view decimal_point) {
  const std::string_view from = row.dialect.decimal_point;
  if (csv::Dialect::for_decimal_point(decimal_point).decimal_comma() == row.dialect.decimal_comma()) return row.inputs;
  std::vector<std::string> inputs = row.inputs;
  for (std::string& text : inputs)
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + decimal_point.size()))
      text.replace(at, from.size(), decimal_point);
  return inputs;
}

}  // namespace quorvel
