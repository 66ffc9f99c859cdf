#include "quorvel/panels/display.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "panels/number.h"
#include "quorvel/text/decimal.h"

namespace quorvel {

Real tenths(Real v) noexcept {
  return detail::tenths_display(v);
}

Real ratio(Real r) noexcept {
  return detail::ratio_display(r);
}

std::string number_text(double shown, std::string_view decimal_point) {
  if (shown == 0.0) return "0";  // also for -0

  // 15 significant digits: d.dddddddddddddde+XX, the digits printf's %.14e
  // gives (both round the exact binary value to nearest, ties to even), in a
  // quarter of its time.
  char buf[32];
  *std::to_chars(buf, buf + sizeof buf - 1, std::fabs(shown), std::chars_format::scientific, 14).ptr = '\0';
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

std::string fixed_text(double v, int shift, int places, std::string_view decimal_point) {
  // Every double is a decimal of at most 767 significant digits: written
  // with that many, it is exact. v = m·2^q with m below 2^53 has at most
  // 16 + 0.7·(−q) of them for q < 0 (m·5^(−q) over a power of ten), at most
  // 17 + 0.31·q for q ≥ 0; asking for no more keeps the reading short.
  int k = 0;
  std::frexp(v, &k);
  const int q = k - 53;
  const int digits = std::min(770, 18 + (q < 0 ? -q * 7 / 10 + 1 : q * 31 / 100 + 1));
  char buf[800];
  const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, digits).ptr;
  std::optional<Decimal> d = parse_decimal(std::string_view(buf, static_cast<std::size_t>(end - buf)), ".");
  if (!d || !std::isfinite(v)) return "";
  d->exponent += shift;
  const Decimal r = rounded(*d, -places);
  std::string text = plain_text(r, ".");
  std::size_t point = text.find('.');
  if (point == std::string::npos && places > 0) {
    point = text.size();
    text += '.';
  }
  if (places > 0) text.append(static_cast<std::size_t>(places) - (text.size() - point - 1), '0');
  if (point != std::string::npos) text.replace(point, 1, decimal_point);
  return text;
}

std::string si_text(const Panel& panel, const Values& values, std::size_t index, std::string_view decimal_point) {
  if (index >= values.results.size() || index >= panel.results.size()) return "";
  const ResultField& field = panel.results[index];
  if (field.display != Display::ratio) return fixed_text(values.results[index], -3, 3, decimal_point);
  const auto at = static_cast<std::size_t>(field.point - 1);
  return at < values.stresses.size() ? fixed_text(std::fabs(values.stresses[at]), -6, 2, decimal_point) : "";
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
