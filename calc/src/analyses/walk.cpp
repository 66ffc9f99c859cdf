#include "quorvel/analyses/walk.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>

#include "panels/equations.h"
#include "quorvel/analyses/validity.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"
#include "quorvel/panels/fields.h"
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

// Half of a decimal, exactly: five times it, one place lower.
Decimal half(const Decimal& d) {
  Decimal five = add(add(add(add(d, d), d), d), d);
  if (!five.digits.empty()) five.exponent -= 1;
  return five;
}

// The shortest decimal that reads back as `v`.
Decimal decimal_of(double v) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, v).ptr;
  return *parse_decimal(std::string_view(text, end), ".");
}

// The loop's legs as a walk of its height or width moves them, from the row
// as it came.
class WholeLoop {
 public:
  WholeLoop(const Panel& panel, std::span<const std::string> inputs, const Walked& moved,
            std::string_view decimal_point)
      : L1_(moved.changes.front()), L5_(moved.changes.back()), decimal_point_(decimal_point) {
    legs_.assign(moved.changes.begin() + 1, moved.changes.end() - 1);
    const auto read = [&](std::size_t i) { return parse_decimal(inputs[i], decimal_point); };
    typed_ = {inputs[L1_], inputs[L5_]};
    const auto first = read(L1_), last = read(L5_);
    ready_ = first && last;
    first_ = first.value_or(Decimal{});
    last_ = last.value_or(Decimal{});
    // Each metre of L2 reaches sin θ along the level legs, of L4 sin φ, of
    // L3 one: θ and φ from α and β read and turned as the panel does.
    const auto tilt = [&](Real angle) {
      ready_ = ready_ && angle.ok();
      reach_.push_back(std::sin(detail::turned(angle.value())));
    };
    for (std::size_t i : legs_) {
      const auto from = read(i);
      ready_ = ready_ && from;
      from_.push_back(from.value_or(Decimal{}));
      const std::string_view symbol = panel.inputs[i].symbol;
      if (symbol == "L2") tilt(read_real(inputs[*input_index(panel, "α")], decimal_point));
      if (symbol == "L4") tilt(read_double(inputs[*input_index(panel, "β")], decimal_point));
      if (symbol == "L3") reach_.push_back(1);
    }
  }

  // Sets the walked legs to `value` and L1 and L5 to their share; gives the
  // one of them that the value leaves below 0, if any.
  std::string_view set(std::vector<std::string>& texts, const Decimal& value) const {
    for (std::size_t i : legs_) texts[i] = plain_text(value, decimal_point_);
    const std::optional<Decimal> gained = ready_ ? half_gain(value) : std::nullopt;
    if (!gained) return {};
    const Decimal& share = *gained;
    const Decimal first = add(first_, negated(share)), last = add(last_, negated(share));
    // Unmoved, they keep their texts as typed.
    texts[L1_] = share.digits.empty() ? typed_.first : plain_text(first, decimal_point_);
    texts[L5_] = share.digits.empty() ? typed_.second : plain_text(last, decimal_point_);
    const bool short_first = compare(first, Decimal{}) < 0, short_last = compare(last, Decimal{}) < 0;
    return short_first && short_last ? "L1 and L5" : short_first ? "L1" : short_last ? "L5" : "";
  }

 private:
  // Half of what the walked legs at `value` reach beyond the row's own:
  // exact in decimal where each metre reaches 0 or 1 (square corners, W),
  // else to the micrometre, which keeps L1 and L5 short texts. Nothing when
  // it is beyond the doubles: L1 and L5 stay, and the run overflows.
  std::optional<Decimal> half_gain(const Decimal& value) const {
    Decimal exact;
    double gain = 0;
    bool inexact = false;
    for (std::size_t k = 0; k < legs_.size(); ++k) {
      const Decimal longer = add(value, negated(from_[k]));
      if (reach_[k] == 1) exact = add(exact, longer);
      inexact = inexact || (reach_[k] != 0 && reach_[k] != 1);
      gain += to_double(longer) * reach_[k];
    }
    if (!inexact) return half(exact);
    if (!std::isfinite(gain)) return std::nullopt;
    return rounded(decimal_of(gain / 2), -6);
  }

  std::size_t L1_, L5_;
  std::vector<std::size_t> legs_;  // L2 and L4, or L3
  std::string_view decimal_point_;
  bool ready_ = false;                         // every text it needs is a number
  std::pair<std::string, std::string> typed_;  // L1 and L5 as the row came
  Decimal first_, last_;
  std::vector<Decimal> from_;
  std::vector<double> reach_;  // along the level legs per metre of each walked leg
};

}  // namespace

std::optional<Walked> walked(const Panel& panel, std::string_view symbol) {
  if (symbol == kLoopHeight || symbol == kLoopWidth) {
    if (&panel != panel_by_key("loop")) return std::nullopt;
    const auto at = [&](std::string_view leg) { return *input_index(panel, leg); };
    if (symbol == kLoopHeight) return Walked{at("L2"), "m", {at("L1"), at("L2"), at("L4"), at("L5")}};
    return Walked{at("L3"), "m", {at("L1"), at("L3"), at("L5")}};
  }
  const auto field = input_index(panel, symbol);
  if (!field) return std::nullopt;
  return Walked{*field, panel.inputs[*field].unit, {*field}};
}

void walk_run(const Panel& panel, std::vector<std::string> inputs, const Walk& walk, std::string_view decimal_point,
              const StepVisit& visit) {
  const Walked moved = walked(panel, walk.symbol).value();
  const std::optional<WholeLoop> loop =
      moved.changes.size() > 1 ? std::optional<WholeLoop>(std::in_place, panel, inputs, moved, decimal_point)
                               : std::nullopt;
  const Outcome none;
  WalkValues values(walk);
  while (const auto value = values.next()) {
    std::string_view negative_leg;
    if (loop)
      negative_leg = loop->set(inputs, *value);
    else
      inputs[moved.field] = plain_text(*value, decimal_point);
    const Outcome outcome = negative_leg.empty() ? calculate(panel, inputs, decimal_point) : none;
    if (!visit({*value, inputs, outcome, negative_leg})) return;
  }
}

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
