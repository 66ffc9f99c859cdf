#include "quorvel/decimal.h"

#include <cstddef>

namespace quorvel {
namespace {

constexpr std::int64_t kExponentCap = 1'000'000'000;

bool is_blank(char ch) {
  return ch == ' ' || ch == '\t';
}
bool is_digit(char ch) {
  return ch >= '0' && ch <= '9';
}

}  // namespace

std::optional<Decimal> parse_decimal(std::string_view text, std::string_view decimal_point) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);

  Decimal d;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) d.negative = text[i++] == '-';

  bool any_digit = false;
  std::int64_t fraction_digits = 0;
  bool in_fraction = false;
  for (; i < text.size(); ++i) {
    const char ch = text[i];
    if (is_digit(ch)) {
      any_digit = true;
      if (in_fraction) ++fraction_digits;
      if (ch != '0' || !d.digits.empty()) d.digits.push_back(ch);
    } else if (!in_fraction && !decimal_point.empty() && text.substr(i).starts_with(decimal_point)) {
      in_fraction = true;
      i += decimal_point.size() - 1;
    } else {
      break;
    }
  }
  if (!any_digit) return std::nullopt;

  std::int64_t exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool exponent_negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) exponent_negative = text[i++] == '-';
    if (i == text.size() || !is_digit(text[i])) return std::nullopt;
    for (; i < text.size() && is_digit(text[i]); ++i)
      if (exponent < kExponentCap) exponent = exponent * 10 + (text[i] - '0');
    if (exponent_negative) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;

  // Trailing zeros of the digits only scale the exponent.
  std::size_t kept = d.digits.size();
  while (kept > 0 && d.digits[kept - 1] == '0') --kept;
  const auto dropped = static_cast<std::int64_t>(d.digits.size() - kept);
  d.digits.resize(kept);
  d.exponent = exponent - fraction_digits + dropped;
  return d;
}

std::string plain_text(const Decimal& d, std::string_view decimal_point) {
  if (d.digits.empty()) return "0";
  std::string text = d.negative ? "-" : "";
  const auto count = static_cast<std::int64_t>(d.digits.size());
  const std::int64_t whole = count + d.exponent;  // digits before the separator
  if (d.exponent >= 0) return text + d.digits + std::string(static_cast<std::size_t>(d.exponent), '0');
  if (whole <= 0) {
    text += '0';
    text += decimal_point;
    text.append(static_cast<std::size_t>(-whole), '0');
    return text + d.digits;
  }
  text.append(d.digits, 0, static_cast<std::size_t>(whole));
  text += decimal_point;
  text.append(d.digits, static_cast<std::size_t>(whole));
  return text;
}

}  // namespace quorvel
