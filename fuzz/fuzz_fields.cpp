// The three field readers on one text, against the C library's reading of
// the same number, and the displays and number texts of what they read.
// Data: the first line picks the decimal separator, the rest is the text.

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "checks.h"
#include "quorvel/panels/display.h"
#include "quorvel/panels/fields.h"
#include "quorvel/text/text.h"

namespace {

using namespace quorvel;
using fuzz::Shown;

bool is_blank(char ch) {
  return ch == ' ' || ch == '\t';
}
bool is_digit(char ch) {
  return ch >= '0' && ch <= '9';
}

// The accepted form: blanks around, a sign, digits with at most one decimal
// point, an exponent. Gives the number in C form, or nothing.
std::optional<std::string> c_number(std::string_view text, std::string_view dp) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  std::string c;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) c += text[i++];
  bool digits = false;
  bool point = false;
  while (i < text.size()) {
    if (is_digit(text[i])) {
      digits = true;
      c += text[i++];
    } else if (!point && text.substr(i).starts_with(dp)) {
      point = true;
      c += '.';
      i += dp.size();
    } else {
      break;
    }
  }
  if (!digits) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    c += text[i++];
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) c += text[i++];
    const std::size_t start = i;
    while (i < text.size() && is_digit(text[i])) c += text[i++];
    if (i == start) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  return c;
}

// The nearest whole number to the C text, ties to even, or nothing when far
// out of range. The text read towards minus and towards plus infinity gives
// the same double when it is that double exactly; otherwise the text lies
// strictly between two neighbouring doubles, and no tie lies between them.
std::optional<double> nearest_whole(const std::string& c) {
  std::fesetround(FE_DOWNWARD);
  const double below = std::strtod(c.c_str(), nullptr);
  std::fesetround(FE_UPWARD);
  const double above = std::strtod(c.c_str(), nullptr);
  std::fesetround(FE_TONEAREST);
  if (!(std::fabs(below) < 1e6 && std::fabs(above) < 1e6)) return std::nullopt;
  if (below == above) return std::nearbyint(below);
  if (below - std::floor(below) == 0.5) return std::ceil(below);
  if (above - std::floor(above) == 0.5) return std::floor(above);
  return std::nearbyint(below);
}

bool same(Real a, Real b) {
  return a.ok() == b.ok() && a.error() == b.error() && a.field() == b.field() &&
         std::bit_cast<std::uint64_t>(a.value()) == std::bit_cast<std::uint64_t>(b.value());
}

void show(Real shown, Shown how, std::string_view dp) {
  fuzz::check_shown_text(number_text(shown.value(), dp), shown.value(), how, dp);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const std::size_t newline = all.find('\n');
  const fuzz::Lines lines = fuzz::split_lines(all);
  const std::string_view dp = lines.decimal_point;
  const std::string text(newline == std::string_view::npos ? std::string_view() : all.substr(newline + 1));
  const auto broken = [&](std::string_view rule, const std::string& what) {
    fuzz::violation(rule, what + "; decimal point \"" + one_line(dp) + "\", text \"" + one_line(text) + "\"");
  };

  const Real whole = read_whole(text, dp);
  const Real real = read_real(text, dp);
  const Real dbl = read_double(text, dp);
  if (!same(whole, read_whole(text, dp)) || !same(real, read_real(text, dp)) || !same(dbl, read_double(text, dp)))
    broken("the same text reads the same twice", "");
  for (const Real r : {whole, real, dbl}) {
    if (r.field()) broken("a reader names no field", "");
    if (!r.ok() && r.error() != ErrorKind::type_mismatch && r.error() != ErrorKind::overflow)
      broken("a field fails with a type mismatch or an overflow", std::to_string(static_cast<int>(r.error())));
  }

  const std::optional<std::string> c = c_number(text, dp);
  for (const Real r : {whole, real, dbl})
    if ((!r.ok() && r.error() == ErrorKind::type_mismatch) != !c)
      broken("a text is a type mismatch exactly when it is no number", c ? "rejected" : "accepted");
  if (!c) return 0;

  // The nearest double and single, as the C library reads them.
  const double d = std::strtod(c->c_str(), nullptr);
  const float f = std::strtof(c->c_str(), nullptr);
  if (std::isinf(d) != (!dbl.ok())) broken("a double field overflows exactly beyond the double range", *c);
  if (dbl.ok() && (dbl.value() != d || std::signbit(dbl.value()) != std::signbit(d)))
    broken("a double field is the nearest double", *c);
  if (std::isinf(f) != (!real.ok())) broken("a real field overflows exactly beyond the single range", *c);
  if (real.ok() && (real.value() != static_cast<double>(f) || std::signbit(real.value()) != std::signbit(f)))
    broken("a real field is the nearest single", *c);

  const std::optional<double> n = nearest_whole(*c);
  const bool in_range = n && *n >= -32768 && *n <= 32767;
  if (in_range ? !whole.ok() || whole.value() != *n : whole.ok() || whole.error() != ErrorKind::overflow)
    broken("a whole-number field is the nearest whole number, ties to even, -32768..32767", *c);
  if (whole.ok() && whole.value() == 0 && std::signbit(whole.value())) broken("a whole number is never -0", *c);

  // What was read, shown by both displays and written as text.
  if (dbl.ok()) {
    const Real t = tenths(dbl);
    if (!t.ok()) broken("the tenths display of a finite number succeeds", *c);
    show(t, Shown::tenths, dp);
    const Real r = ratio(dbl);
    if (r.ok()) {
      show(r, Shown::ratio, dp);
    } else if (r.error() != ErrorKind::overflow || std::fabs(dbl.value()) < 1e306) {
      broken("the ratio display fails only when 100 r overflows", *c);
    }
    show(dbl, Shown::plain, dp);
  }
  if (real.ok()) show(real, Shown::plain, dp);
  if (whole.ok()) show(whole, Shown::plain, dp);
  return 0;
}
