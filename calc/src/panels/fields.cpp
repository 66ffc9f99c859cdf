#include "quorvel/panels/fields.h"

#include "quorvel/text/decimal.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace quorvel {
namespace {

// Nearest float or double to the decimal, correctly rounded by from_chars.
template <typename T>
Real nearest(const Decimal& d) {
  if (d.digits.empty()) return Real(d.negative ? -T{0} : T{0});
  // Decimal exponent of the leading digit: far outside the range the
  // answer is plain, and from_chars never sees an absurd exponent.
  const std::int64_t lead = d.exponent + static_cast<std::int64_t>(d.digits.size()) - 1;
  if (lead > 400) return Real::failed(ErrorKind::overflow);
  if (lead < -400) return Real(d.negative ? -T{0} : T{0});

  std::string c_form = d.digits;
  c_form += 'e';
  c_form += std::to_string(d.exponent);
  T value{};
  const auto [end, ec] = std::from_chars(c_form.data(), c_form.data() + c_form.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (lead >= 0) return Real::failed(ErrorKind::overflow);
    value = T{0};  // too small: silently zero
  } else if (ec != std::errc{} || end != c_form.data() + c_form.size()) {
    return Real::failed(ErrorKind::type_mismatch);
  }
  return Real(d.negative ? -value : value);
}

}  // namespace

double to_double(const Decimal& d) {
  const Real r = nearest<double>(d);
  if (!r.ok()) return d.negative ? -HUGE_VAL : HUGE_VAL;
  return r.value();
}

Real read_whole(std::string_view text, std::string_view decimal_point) {
  const auto d = parse_decimal(text, decimal_point);
  if (!d) return Real::failed(ErrorKind::type_mismatch);
  if (d->digits.empty()) return Real(0.0);

  const auto count = static_cast<std::int64_t>(d->digits.size());
  const std::int64_t whole_digits = count + d->exponent;  // digits before the point
  if (whole_digits > 6) return Real::failed(ErrorKind::overflow);

  // Split at the decimal point, then round half to even on the exact digits.
  std::int64_t whole = 0;
  for (std::int64_t k = 0; k < whole_digits; ++k)
    whole = whole * 10 + (k < count ? d->digits[static_cast<std::size_t>(k)] - '0' : 0);
  if (whole_digits >= 0 && whole_digits < count) {
    const auto first = static_cast<std::size_t>(whole_digits);
    const char next = d->digits[first];
    const bool more = first + 1 < d->digits.size();  // digits are trimmed, so any is non-zero
    if (next > '5' || (next == '5' && (more || whole % 2 == 1))) ++whole;
  }  // below 0.1 in magnitude, whole stays 0

  const std::int64_t value = d->negative ? -whole : whole;
  if (value < -32768 || value > 32767) return Real::failed(ErrorKind::overflow);
  return Real(static_cast<double>(value));
}

Real read_real(std::string_view text, std::string_view decimal_point) {
  const auto d = parse_decimal(text, decimal_point);
  if (!d) return Real::failed(ErrorKind::type_mismatch);
  return nearest<float>(*d);
}

Real read_double(std::string_view text, std::string_view decimal_point) {
  const auto d = parse_decimal(text, decimal_point);
  if (!d) return Real::failed(ErrorKind::type_mismatch);
  return nearest<double>(*d);
}

}  // namespace quorvel
