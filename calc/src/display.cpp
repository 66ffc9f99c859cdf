#include "quorvel/display.h"

#include <cstdio>
#include <cstdlib>

#include "number.h"
#include "quorvel/decimal.h"

namespace quorvel {

Real tenths(Real v) noexcept {
  return detail::tenths_display(v);
}

Real ratio(Real r) noexcept {
  return detail::ratio_display(r);
}

std::string number_text(double shown, std::string_view decimal_point) {
  if (shown == 0.0) return "0";  // also for -0

  // 15 significant digits: d.dddddddddddddde+XX
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(shown));
  std::string digits{buf[0]};
  digits.append(buf + 2, 14);
  const int exponent = std::atoi(buf + 17);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text = shown < 0 ? "-" : "";
  if (exponent >= 15) {
    text += digits[0];
    if (digits.size() > 1) {
      text += decimal_point;
      text.append(digits, 1);
    }
    char e[16];
    std::snprintf(e, sizeof e, "E+%02d", exponent);
    return text + e;
  }
  if (exponent < 0) {
    text += '0';
    text += decimal_point;
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    return text + digits;
  }
  const auto whole = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= whole) return text + digits + std::string(whole - digits.size(), '0');
  text.append(digits, 0, whole);
  text += decimal_point;
  text.append(digits, whole);
  return text;
}

std::string si_text(std::string_view shown, Display display, std::string_view decimal_point) {
  std::optional<Decimal> d = parse_decimal(shown, decimal_point);
  if (shown.empty() || !d) return "";
  if (display != Display::ratio) {
    d->exponent -= 2;
  } else if (!d->digits.empty()) {
    // The digits times the allowable stress in MPa, long multiplication.
    std::string product;
    int carry = 0;
    for (std::size_t i = d->digits.size(); i-- > 0; carry /= 10) {
      carry += (d->digits[i] - '0') * allowable_stress_mpa;
      product.insert(product.begin(), static_cast<char>('0' + carry % 10));
    }
    for (; carry > 0; carry /= 10) product.insert(product.begin(), static_cast<char>('0' + carry % 10));
    while (product.back() == '0') {
      product.pop_back();
      ++d->exponent;
    }
    d->digits = product;
  }
  return plain_text(*d, decimal_point);
}

std::string_view si_unit(Display display) noexcept {
  switch (display) {
    case Display::force: return "kN";
    case Display::moment: return "kN·m";
    case Display::ratio: return "MPa";
  }
  return "";
}

}  // namespace quorvel
