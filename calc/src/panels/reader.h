#pragma once

// Hands out a panel's input fields one after the other, in read order, each
// read by its kind; the index of a field is never written in a calculation.

#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "panels/number.h"
#include "quorvel/panels/fields.h"
#include "quorvel/panels/panel.h"

namespace quorvel::detail {

template <class N>
class FieldReader {
 public:
  FieldReader(std::span<const InputField> fields, std::span<const std::string> texts, std::string_view decimal_point)
      : fields_(fields), texts_(texts), decimal_point_(decimal_point) {}

  // The next field's value. A whole-number or real field that fails ends the
  // calculation where it is named (a Quantity); a double field's failure is
  // carried along and surfaces at its first arithmetic use.
  typename N::Real next() {
    if (next_ == fields_.size()) throw std::logic_error("a calculation read more fields than its panel has");
    const std::size_t index = next_++;
    const std::string_view text = texts_[index];
    switch (fields_[index].kind) {
      case FieldKind::whole_number: return N::field(read_whole(text, decimal_point_), index);
      case FieldKind::real: return N::field(read_real(text, decimal_point_), index);
      case FieldKind::double_text: return N::field(read_double(text, decimal_point_), index);
    }
    throw std::logic_error("unknown field kind");
  }

 private:
  std::span<const InputField> fields_;
  std::span<const std::string> texts_;
  std::string_view decimal_point_;
  std::size_t next_ = 0;
};

}  // namespace quorvel::detail
