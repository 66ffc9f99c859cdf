#include "quorvel/text/decimal.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace quorvel {
namespace {

constexpr std::int64_t kExponentCap = 1'000'000'000;

bool is_blank(char ch) {
  return ch == ' ' || ch == '\t';
}
bool is_digit(char ch) {
  return ch >= '0' && ch <= '9';
}

// The place of the leading digit plus one: 1 for 1 to 9, 0 for 0.1 to 0.9.
std::int64_t magnitude(const Decimal& d) {
  return static_cast<std::int64_t>(d.digits.size()) + d.exponent;
}

int compare_magnitude(const Decimal& a, const Decimal& b) {
  if (a.digits.empty() || b.digits.empty()) return a.digits.empty() ? (b.digits.empty() ? 0 : -1) : 1;
  if (magnitude(a) != magnitude(b)) return magnitude(a) < magnitude(b) ? -1 : 1;
  // Same leading place: without trailing zeros, a prefix is the smaller.
  const int c = a.digits.compare(b.digits);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// The digits of d written down to the place 10^exponent (exponent <= d.exponent).
std::string digits_down_to(const Decimal& d, std::int64_t exponent) {
  return d.digits + std::string(static_cast<std::size_t>(d.exponent - exponent), '0');
}

// Drops leading and trailing zeros, moving the exponent.
Decimal normalized(bool negative, std::string digits, std::int64_t exponent) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return {};
  const std::size_t last = digits.find_last_not_of('0');
  exponent += static_cast<std::int64_t>(digits.size() - 1 - last);
  return {negative, digits.substr(first, last - first + 1), exponent};
}

}  // namespace

Decimal negated(Decimal d) {
  d.negative = !d.negative && !d.digits.empty();
  return d;
}

int compare(const Decimal& a, const Decimal& b) {
  const bool a_negative = a.negative && !a.digits.empty();
  const bool b_negative = b.negative && !b.digits.empty();
  if (a_negative != b_negative) return a_negative ? -1 : 1;
  const int c = compare_magnitude(a, b);
  return a_negative ? -c : c;
}

Decimal add(const Decimal& a, const Decimal& b) {
  if (a.digits.empty()) return normalized(b.negative, b.digits, b.exponent);
  if (b.digits.empty()) return normalized(a.negative, a.digits, a.exponent);
  // Column arithmetic on both written down to the lower exponent, the
  // larger magnitude first, so that a difference never goes below zero.
  const bool swap = compare_magnitude(a, b) < 0;
  const Decimal& big = swap ? b : a;
  const Decimal& small = swap ? a : b;
  const std::int64_t low = std::min(a.exponent, b.exponent);
  std::string x = digits_down_to(big, low);
  const std::string y = digits_down_to(small, low);
  const bool subtract = big.negative != small.negative;
  x.insert(0, 1, '0');  // room for a carry
  int carry = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    const std::size_t at = x.size() - 1 - i;
    int column = (x[at] - '0') + carry;
    if (i < y.size()) column += subtract ? -(y[y.size() - 1 - i] - '0') : y[y.size() - 1 - i] - '0';
    carry = column < 0 ? -1 : column / 10;
    x[at] = static_cast<char>('0' + (column + 10) % 10);
    if (i >= y.size() && carry == 0) break;
  }
  return normalized(big.negative, std::move(x), low);
}

Decimal rounded(const Decimal& d, std::int64_t exponent) {
  if (d.digits.empty() || d.exponent >= exponent) return d;
  const std::int64_t keep = static_cast<std::int64_t>(d.digits.size()) - (exponent - d.exponent);
  if (keep < 0) return {};  // below a tenth of the place
  const auto k = static_cast<std::size_t>(keep);
  std::string kept = d.digits.substr(0, k);
  kept.insert(kept.begin(), '0');  // room for a carry; not "0" + …, which GCC 12 at -O3 flags with a false -Wrestrict
  const char next = d.digits[k];
  const bool more = k + 1 < d.digits.size();  // digits are trimmed: any is non-zero
  if (next > '5' || (next == '5' && (more || (kept.back() - '0') % 2 == 1))) {
    std::size_t at = kept.size();
    while (kept[--at] == '9') kept[at] = '0';
    ++kept[at];
  }
  return normalized(d.negative, std::move(kept), exponent);
}

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
