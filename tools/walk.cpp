#include "walk.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "quorvel/panels/panels.h"

namespace quorvel::batch {
namespace {

// The Greek symbols of the tables, spelled out for a command line.
constexpr std::pair<std::string_view, std::string_view> kSpelled[] = {{"alpha", "α"}, {"beta", "β"}};

std::string_view table_symbol(std::string_view typed) {
  for (const auto& [spelled, symbol] : kSpelled)
    if (typed == spelled) return symbol;
  return typed;
}

// The first field of any panel with this symbol.
const InputField* find_field(std::string_view symbol) {
  for (const Panel* panel : panels())
    if (const auto index = input_index(*panel, symbol)) return &panel->inputs[*index];
  return nullptr;
}

Decimal decimal(std::string_view text) {
  return *parse_decimal(text, ".");
}

// The digits of the longest plain text any value between the numbers can
// have: from the highest digit (the units at least) down to the lowest.
std::int64_t places(std::initializer_list<const Decimal*> numbers) {
  std::int64_t high = 1, low = 0;
  for (const Decimal* d : numbers) {
    if (d->digits.empty()) continue;
    high = std::max(high, d->exponent + static_cast<std::int64_t>(d->digits.size()));
    low = std::min(low, d->exponent);
  }
  return high - low;
}

}  // namespace

std::vector<std::string_view> field_symbols() {
  // The panel with the most fields first, to keep their order.
  std::vector<const Panel*> by_size(panels().begin(), panels().end());
  std::stable_sort(by_size.begin(), by_size.end(),
                   [](const Panel* a, const Panel* b) { return a->inputs.size() > b->inputs.size(); });
  std::vector<std::string_view> all;
  for (const Panel* panel : by_size)
    for (const InputField& field : panel->inputs)
      if (std::find(all.begin(), all.end(), field.symbol) == all.end()) all.push_back(field.symbol);
  return all;
}

std::string typed_symbol(std::string_view symbol) {
  for (const auto& [spelled, table] : kSpelled)
    if (symbol == table) return std::string(spelled);
  return std::string(symbol);
}

std::string_view default_step(FieldKind kind) noexcept {
  return kind == FieldKind::whole_number ? "1" : "0.01";
}

std::string field_names() {
  std::string names;
  for (std::string_view symbol : field_symbols()) names += (names.empty() ? "" : ", ") + typed_symbol(symbol);
  return names;
}

std::variant<Walk, std::string> parse_walk(std::string_view walk_option) {
  const std::size_t equals = walk_option.find('=');
  if (equals == std::string_view::npos) return "expected F=FROM:TO[:STEP]";
  Walk walk;
  const std::string_view typed = walk_option.substr(0, equals);
  walk.symbol = table_symbol(typed);
  const InputField* field = find_field(walk.symbol);
  const bool whole_loop = walk.symbol == kLoopHeight || walk.symbol == kLoopWidth;
  if (!field && !whole_loop)
    return "unknown field '" + std::string(typed) + "' (one of " + field_names() + ", or the loop's " +
           std::string(kLoopHeight) + " or " + std::string(kLoopWidth) + ")";

  std::vector<std::string_view> parts;
  for (std::string_view rest = walk_option.substr(equals + 1);;) {
    const std::size_t colon = rest.find(':');
    parts.push_back(rest.substr(0, colon));
    if (colon == std::string_view::npos) break;
    rest.remove_prefix(colon + 1);
  }
  if (parts.size() < 2 || parts.size() > 3) return "expected F=FROM:TO[:STEP]";
  constexpr const char* kNames[] = {"FROM", "TO", "STEP"};
  for (std::size_t i = 0; i < parts.size(); ++i)
    if (!parse_decimal(parts[i], "."))
      return std::string(kNames[i]) + " '" + std::string(parts[i]) + "' is not a number";
  walk.from = decimal(parts[0]);
  walk.to = decimal(parts[1]);
  walk.step = decimal(parts.size() == 3 ? parts[2] : default_step(field ? field->kind : FieldKind::real));
  if (compare(walk.step, Decimal{}) <= 0) return "STEP must be above 0";
  if (places({&walk.from, &walk.to, &walk.step}) > kMostPlaces)
    return "FROM, TO and STEP need more than " + std::to_string(kMostPlaces) + " digits written out";

  // More than kMostValues values exactly when |TO − FROM| ≥ STEP · kMostValues.
  static_assert(kMostValues == 1'000'000);
  Decimal distance = add(walk.to, negated(walk.from));
  distance.negative = false;
  Decimal most = walk.step;
  most.exponent += 6;
  if (compare(distance, most) >= 0) return "more than " + std::to_string(kMostValues) + " values in one walk";
  return walk;
}

}  // namespace quorvel::batch
