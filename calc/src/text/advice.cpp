#include "quorvel/text/advice.h"

#include <utility>

#include "quorvel/text/text.h"

namespace quorvel {
namespace {

constexpr std::string_view kNotANumber =
    "Field %1: \"%2\" is not a number. Enter the %3 in %4, for example %5 (decimal separator \"%6\")";
// A whole-number field holds 16 bits (fields.h); its text is rounded first.
constexpr std::string_view kBeyondWhole =
    "Field %1: \"%2\" is out of range. Enter the %3 in %4 as a whole number from -32768 to 32767, for example %5 "
    "(decimal separator \"%6\")";
constexpr std::string_view kTooLarge =
    "Field %1: \"%2\" is too large. Enter the %3 in %4, for example %5 (decimal separator \"%6\")";
constexpr std::string_view kSentences[] = {kNotANumber, kBeyondWhole, kTooLarge};

// As the error message quotes a field's text.
constexpr std::size_t kLongestTyped = 40;

}  // namespace

std::string FieldAdvice::text() const {
  const std::string parts[] = {std::string(symbol), typed,   std::string(quantity),
                               std::string(unit),   example, std::string(decimal_point)};
  return filled(sentence, parts);
}

std::optional<FieldAdvice> advise(const Panel& panel, std::span<const std::string> inputs, const Failure& failure,
                                  std::string_view decimal_point) {
  if (!failure.field || *failure.field >= panel.inputs.size() || *failure.field >= inputs.size()) return std::nullopt;
  const InputField& input = panel.inputs[*failure.field];
  if (failure.kind == ErrorKind::division_by_zero) return std::nullopt;  // reading a text never divides
  const std::string_view sentence = failure.kind == ErrorKind::type_mismatch ? kNotANumber
                                    : input.kind == FieldKind::whole_number  ? kBeyondWhole
                                                                             : kTooLarge;
  return FieldAdvice{*failure.field,
                     sentence,
                     input.symbol,
                     one_line(inputs[*failure.field], kLongestTyped),
                     input.quantity,
                     unit_name(input.unit),
                     std::string(input.default_text),
                     decimal_point};
}

std::string_view unit_name(std::string_view unit) noexcept {
  constexpr std::pair<std::string_view, std::string_view> kNames[] = {
      {"℃", "degrees Celsius"}, {"mm", "millimetres"}, {"m", "metres"}, {"°", "degrees"}};
  for (const auto& [symbol, name] : kNames)
    if (symbol == unit) return name;
  return unit;
}

std::span<const std::string_view> advice_sentences() noexcept {
  return kSentences;
}

}  // namespace quorvel
