#pragma once

// What the message of a failed calculation says below its kind ("Type
// mismatch") when an input's text caused the failure: the field, what it
// holds, its unit and what to type there, all from the panel's field table.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "quorvel/panels/panel.h"

namespace quorvel {

struct FieldAdvice {
  std::size_t field;               // read-order index of the input
  std::string_view sentence;       // English, one of advice_sentences(), with %1 … %6 for the members below
  std::string_view symbol;         // %1 "L1"
  std::string typed;               // %2 the text on one line, cut after 40 characters
  std::string_view quantity;       // %3 InputField::quantity
  std::string_view unit;           // %4 the unit's name: "metres"
  std::string example;             // %5 the field's default text, as the window shows it: "20"
  std::string_view decimal_point;  // %6

  // Field L1: "10 m" is not a number. Enter the leg from the start anchor to
  // the bend in metres, for example 20 (decimal separator ".")
  std::string text() const;
};

// The advice for a failure caused by the text of an input; nothing for a
// failed step of the formulas, which names no field.
std::optional<FieldAdvice> advise(const Panel& panel, std::span<const std::string> inputs, const Failure& failure,
                                  std::string_view decimal_point);

// The name of an input field's unit ("metres" for "m"); the unit itself for
// any other.
std::string_view unit_name(std::string_view unit) noexcept;

// Every sentence an advice can give, for translations.
std::span<const std::string_view> advice_sentences() noexcept;

}  // namespace quorvel
