#include "quorvel/analyses/walk.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "quorvel/analyses/validity.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"
#include "quorvel/panels/panels.h"

namespace quorvel {
namespace {

// The most values search_walk gives: a few tens of milliseconds of runs.
constexpr std::int64_t kMostSearched = 50'000;

Decimal number(std::int64_t whole, std::int64_t exponent = 0) {
  return *parse_decimal(std::to_string(whole) + "E" + std::to_string(exponent), ".");
}

// The value of a field's text, or of its default when the text is no finite
// number.
double value_of(const InputField& field, std::string_view text, std::string_view decimal_point) {
  if (const auto d = parse_decimal(text, decimal_point); d && std::isfinite(to_double(*d))) return to_double(*d);
  return to_double(*parse_decimal(field.default_text, "."));
}

// From `low` to `high` by 0.1, both rounded outwards to the step and kept
// within [0.1, 0.1 · kMostSearched].
Walk tenths(std::string_view symbol, double low, double high) {
  const auto clamp = [](double v) { return std::clamp(v, 1.0, static_cast<double>(kMostSearched)); };
  const auto from = static_cast<std::int64_t>(std::floor(clamp(low * 10)));
  const auto to = static_cast<std::int64_t>(std::ceil(clamp(high * 10)));
  return {std::string(symbol), number(from, -1), number(std::min(std::max(from, to), from + kMostSearched - 1), -1),
          number(1, -1)};
}

}  // namespace

WalkValues::WalkValues(const Walk& walk)
    : next_(walk.from), to_(walk.to), step_(walk.step), up_(compare(walk.to, walk.from) >= 0) {
  if (!up_) step_ = negated(step_);
}

std::optional<Decimal> WalkValues::next() {
  const int side = compare(next_, to_);
  if (up_ ? side > 0 : side < 0) return std::nullopt;
  Decimal value = next_;
  next_ = add(next_, step_);
  return value;
}

void walk_field(const Panel& panel, std::vector<std::string> inputs, std::size_t field, const Walk& walk,
                std::string_view decimal_point, const Visit& visit) {
  WalkValues values(walk);
  while (const auto value = values.next()) {
    inputs.at(field) = plain_text(*value, decimal_point);
    if (!visit(*value, calculate(panel, inputs, decimal_point))) return;
  }
}

void Stretches::add(const Decimal& value, bool passes) {
  if (passes && open_) found_.back().to = value;
  if (passes && !open_) found_.push_back({value, value});
  open_ = passes;
}

std::vector<Stretch> passing_stretches(const Panel& panel, std::vector<std::string> inputs, std::size_t field,
                                       const Walk& walk, std::string_view decimal_point, double target,
                                       const Material& material) {
  Stretches stretches;
  walk_field(panel, inputs, field, walk, decimal_point, [&](const Decimal& value, const Outcome& outcome) {
    inputs[field] = plain_text(value, decimal_point);
    stretches.add(value, describes_a_pipe(panel, inputs, decimal_point) && passes(outcome, target, material));
    return true;
  });
  return stretches.found();
}

std::optional<Decimal> nearest_passing(std::span<const Stretch> stretches, const Decimal& current) {
  std::optional<Decimal> nearest;
  double best = 0;
  for (const Stretch& s : stretches) {
    const bool down = compare(s.to, s.from) < 0;
    const Decimal& low = down ? s.to : s.from;
    const Decimal& high = down ? s.from : s.to;
    if (compare(low, current) <= 0 && compare(current, high) <= 0) return current;
    for (const Decimal* end : {&low, &high}) {
      const double distance = std::fabs(to_double(add(*end, negated(current))));
      const bool lower_tie = distance == best && nearest && compare(*end, *nearest) < 0;
      if (!nearest || distance < best || lower_tie) {
        nearest = *end;
        best = distance;
      }
    }
  }
  return nearest;
}

Walk search_walk(const Panel& panel, std::span<const std::string> inputs, std::size_t field,
                 std::string_view decimal_point, const Material& material) {
  const InputField& f = panel.inputs[field];
  const auto current = [&](std::string_view symbol) {
    const std::size_t i = input_index(panel, symbol).value_or(field);
    return value_of(panel.inputs[i], inputs[i], decimal_point);
  };
  const std::string symbol(f.symbol);
  const auto exactly = [](double v) { return *parse_decimal(number_text(v, "."), "."); };
  if (f.unit == "℃") return {symbol, exactly(material.range().coldest), exactly(material.range().hottest), number(1)};
  if (f.unit == "°") return {symbol, number(1), number(179), number(1)};
  if (f.symbol == "D") return tenths(f.symbol, current("D") / 2, current("D") * 2);
  if (f.symbol == "t") return tenths(f.symbol, 0.1, std::min(current("t") * 4, current("D") / 2));
  double longest = 1;
  for (std::size_t i = 0; i < panel.inputs.size(); ++i)
    if (panel.inputs[i].unit == "m") longest = std::max(longest, value_of(panel.inputs[i], inputs[i], decimal_point));
  return tenths(f.symbol, 0.1, 4 * longest);
}

}  // namespace quorvel
