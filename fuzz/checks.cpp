#include "checks.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <variant>

#include "quorvel/checked.h"
#include "quorvel/display.h"
#include "quorvel/fields.h"

namespace quorvel::fuzz {
namespace {

// How each input is read, in read order, and in which order the double
// fields are first used in arithmetic (all before the first result).
enum class Kind { whole, real, dbl };
struct Rules {
  std::vector<Kind> kinds;
  std::vector<std::size_t> double_use_order;
  std::size_t tenths_results;  // forces and moments come first, then ratios
};

const Rules& rules(const Panel& panel) {
  using enum Kind;
  static const Rules bend{{whole, real, real, real, real, real}, {}, 3};
  static const Rules offset{{whole, real, real, real, real, dbl, dbl, real}, {5, 6}, 4};
  static const Rules loop{{whole, real, real, real, real, dbl, dbl, dbl, dbl, real, dbl}, {10, 5, 6, 7, 8}, 4};
  if (panel.key == "bend") return bend;
  if (panel.key == "offset") return offset;
  if (panel.key == "loop") return loop;
  violation("panel", "unknown panel");
}

Real read_as(Kind kind, std::string_view text, std::string_view dp) {
  switch (kind) {
    case Kind::whole: return read_whole(text, dp);
    case Kind::real: return read_real(text, dp);
    case Kind::dbl: return read_double(text, dp);
  }
  violation("field kind", "unknown kind");
}

// The raw value behind result `index`, where the solution holds it. The
// loop's Mz2 is the moment at point 6 with its arm summed in another order,
// so it may differ from the last moment in the last bits: no raw value.
std::optional<double> raw_result(const Panel& panel, std::size_t index, const Solution& s) {
  const std::size_t first_ratio = rules(panel).tenths_results;
  if (index >= first_ratio) return s.stresses.at(index - first_ratio);
  if (panel.key == "bend") return std::array{s.M1, s.Fx, s.Fy}[index];
  if (index == 1) return panel.key == "offset" ? std::optional(s.moments.back()) : std::nullopt;
  return std::array{s.M1, 0.0, s.Fx, s.Fy}[index];
}

std::string kind_name(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::type_mismatch:
    case ErrorKind::overflow:
    case ErrorKind::division_by_zero: return std::string(message(kind));
  }
  violation("every outcome is a result or one of the three error kinds",
            "error kind " + std::to_string(static_cast<int>(kind)));
}

std::string describe(std::span<const std::string> inputs, std::string_view dp) {
  std::string s = "decimal point \"" + escaped(dp) + "\", inputs";
  for (const std::string& text : inputs) s += " \"" + escaped(text) + "\"";
  return s;
}

// A shown text taken apart: value = 0.digits x 10^(exponent + 1), the digits
// without leading or trailing zeros (none for zero).
struct Written {
  bool negative = false;
  std::string digits;
  int exponent = 0;
  bool exponent_form = false;
};

bool digit(char ch) {
  return ch >= '0' && ch <= '9';
}

// Accepts only the forms a result may take: -?(0|[1-9][0-9]*)(P[0-9]*[1-9])?
// and -?[1-9](P[0-9]*[1-9])?E+[1-9][0-9]+ with P the decimal point.
std::optional<Written> take_apart(std::string_view text, std::string_view dp) {
  Written w;
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') {
    w.negative = true;
    ++i;
  }
  const std::size_t whole_start = i;
  while (i < text.size() && digit(text[i])) ++i;
  const std::string_view whole = text.substr(whole_start, i - whole_start);
  if (whole.empty() || (whole.size() > 1 && whole[0] == '0')) return std::nullopt;
  std::string_view fraction;
  if (text.substr(i).starts_with(dp)) {
    i += dp.size();
    const std::size_t start = i;
    while (i < text.size() && digit(text[i])) ++i;
    fraction = text.substr(start, i - start);
    if (fraction.empty() || fraction.back() == '0') return std::nullopt;
  }
  if (i < text.size() && text[i] == 'E') {
    if (whole.size() != 1 || whole[0] == '0' || text.substr(i, 2) != "E+") return std::nullopt;
    i += 2;
    const std::size_t start = i;
    while (i < text.size() && digit(text[i])) ++i;
    const std::string_view e = text.substr(start, i - start);
    if (e.size() < 2 || e.size() > 3 || e[0] == '0') return std::nullopt;
    w.exponent_form = true;
    w.exponent = std::atoi(std::string(e).c_str());
  }
  if (i != text.size()) return std::nullopt;

  std::string all = std::string(whole) + std::string(fraction);
  std::size_t lead = 0;
  while (lead < all.size() && all[lead] == '0') ++lead;
  if (!w.exponent_form) w.exponent = static_cast<int>(whole.size()) - 1 - static_cast<int>(lead);
  w.digits = all.substr(lead);
  while (!w.digits.empty() && w.digits.back() == '0') w.digits.pop_back();
  if (w.digits.empty()) w.exponent = 0;
  return w;
}

// The number rounded to 15 significant digits, taken apart the same way.
Written fifteen_digits(double shown) {
  Written w;
  if (shown == 0) return w;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(shown));
  w.negative = shown < 0;
  w.digits = std::string(1, buf[0]) + std::string(buf + 2, 14);
  while (w.digits.back() == '0') w.digits.pop_back();
  w.exponent = std::atoi(buf + 17);
  w.exponent_form = w.exponent >= 15;
  return w;
}

// K / 10^decimals written out by hand: the text a tenths or ratio value of
// ordinary size must have.
std::string fixed_text(long long k, int decimals, std::string_view dp) {
  const bool negative = k < 0;
  std::string digits = std::to_string(negative ? -k : k);
  if (digits.size() <= static_cast<std::size_t>(decimals))
    digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
  std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
  std::string fraction = digits.substr(whole.size());
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  std::string text = negative ? "-" : "";
  text += whole;
  if (!fraction.empty()) text += std::string(dp) + fraction;
  return text;
}

// The text in C form, for the C library's own reading.
std::string c_form(std::string_view text, std::string_view dp) {
  std::string s(text);
  if (const auto at = s.find(dp); at != std::string::npos) s.replace(at, dp.size(), ".");
  return s;
}

}  // namespace

void violation(std::string_view rule, std::string_view detail) {
  std::fprintf(stderr, "\nquorvel fuzz: broken: %.*s\n  %.*s\n", static_cast<int>(rule.size()), rule.data(),
               static_cast<int>(detail.size()), detail.data());
  std::abort();
}

std::string escaped(std::string_view text) {
  std::string s;
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 0x20 && byte < 0x7f && ch != '"' && ch != '\\') {
      s += ch;
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x", byte);
      s += buf;
    }
  }
  return s;
}

Lines split_lines(const std::uint8_t* data, std::size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  Lines lines;
  std::size_t start = 0;
  std::size_t end = all.find('\n');
  const std::string_view first = all.substr(0, end);
  lines.decimal_point = first == "," ? "," : first == "\u066b" ? "\u066b" : ".";
  while (end != std::string_view::npos) {
    start = end + 1;
    end = all.find('\n', start);
    lines.texts.emplace_back(all.substr(start, end == std::string_view::npos ? end : end - start));
  }
  return lines;
}

void check_shown_text(std::string_view text, double shown, Display how, std::string_view dp) {
  const auto detail = [&](std::string_view what) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g (%a)", shown, shown);
    return std::string(what) + ": text \"" + escaped(text) + "\" for the number " + buf;
  };
  if (!std::isfinite(shown)) violation("every result is a finite number", detail("shown"));
  if (how == Display::ratio && (text.starts_with("-") || shown < 0))
    violation("stress-ratio texts never start with '-'", detail("ratio"));

  const std::optional<Written> w = take_apart(text, dp);
  if (!w) violation("a result text is a plain decimal or the exponent form", detail("malformed"));
  if (w->digits.empty() && w->negative) violation("a result text is never \"-0\"", detail("negative zero"));
  if (w->digits.size() > 15) violation("at most 15 significant digits", detail("too many digits"));
  const Written expected = fifteen_digits(shown);
  if (w->negative != expected.negative || w->digits != expected.digits || w->exponent != expected.exponent)
    violation("the text shows the number rounded to 15 significant digits", detail("other digits"));
  if (w->exponent_form != expected.exponent_form)
    violation("the exponent form from 1E+15 up and only there", detail("form"));

  // The text must read back, with the field reader, as the number it denotes.
  const Real back = read_double(text, dp);
  const std::string c_text = c_form(text, dp);
  char* end = nullptr;
  const double denoted = std::strtod(c_text.c_str(), &end);
  // Results stay far below it, but the largest doubles round up to 15 digits
  // beyond the double range.
  if (how == Display::plain && std::isinf(denoted) && back.error() == ErrorKind::overflow) return;
  if (!back.ok()) violation("every result text parses back", detail("the double reader rejects it"));
  if (*end != '\0' || back.value() != denoted || !std::isfinite(denoted))
    violation("every result text parses back to the number it denotes", detail("read back differently"));

  // Tenths and ratios of ordinary size: K / 10 or K / 100 for a whole K of
  // at most 15 digits, written exactly and read back as the very number shown.
  const int decimals = how == Display::tenths ? 1 : 2;
  const double scale = how == Display::tenths ? 10 : 100;
  if (how != Display::plain && std::fabs(shown) * scale < 1e15) {
    const long long k = std::llround(shown * scale);
    if (shown != static_cast<double>(k) / scale)
      violation("a shown number is a whole number of tenths (hundredths for ratios)", detail("not a display value"));
    if (text != fixed_text(k, decimals, dp)) violation("a shown number is written in full", detail("other text"));
    if (back.value() != shown) violation("every result text parses back to the shown number", detail("read back"));
  }
}

Outcome check_panel(const Panel& panel, std::span<const std::string> inputs, std::string_view dp) {
  const Rules& r = rules(panel);
  const std::size_t result_count = panel.results.size();
  const auto broken = [&](std::string_view rule, const std::string& what) {
    violation(rule, what + "; " + describe(inputs, dp));
  };

  // Twice, delivered text by text: the same inputs give the same texts.
  Outcome runs[2];
  for (Outcome& run : runs) {
    run.failure = calculate(panel, inputs, dp, [&](std::size_t index, const std::string& text) {
      if (index != run.results.size()) broken("results are delivered in write order", "index out of order");
      run.results.push_back(text);
    });
  }
  if (runs[0].results != runs[1].results || runs[0].failure != runs[1].failure)
    broken("the same inputs give the same texts", "two runs differ");
  const Outcome& outcome = runs[0];

  // Which texts the field rules accept, and the first one (in read order)
  // that fails on reading rather than at its first use.
  std::vector<Real> read;
  std::optional<std::size_t> first_bad_read;
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    read.push_back(read_as(r.kinds[i], inputs[i], dp));
    if (read.back().ok()) continue;
    const ErrorKind kind = read.back().error();
    if (kind != ErrorKind::type_mismatch && kind != ErrorKind::overflow)
      broken("a field fails with a type mismatch or an overflow", "field " + std::to_string(i));
    if (!first_bad_read && r.kinds[i] != Kind::dbl) first_bad_read = i;
  }

  if (!outcome.failure) {
    if (outcome.results.size() != result_count) broken("a result gives every text", "too few texts");
    for (std::size_t i = 0; i < inputs.size(); ++i)
      if (!read[i].ok()) broken("a text that is not a valid number never gives results", "field " + std::to_string(i));
  } else {
    const Failure& f = *outcome.failure;
    const std::string what = kind_name(f.kind) + " at field " + (f.field ? std::to_string(*f.field) : "none") +
                             " after " + std::to_string(f.delivered) + " texts";
    if (f.delivered != outcome.results.size() || f.delivered >= result_count)
      broken("the results delivered count equals the failure's", what);
    if (first_bad_read && f.field != first_bad_read)
      broken("the first field that fails on reading ends the calculation", what);
    if (f.field) {
      const std::size_t i = *f.field;
      if (i >= inputs.size() || f.delivered != 0 || read[i].ok() || read[i].error() != f.kind)
        broken("a failure names a field only when its text fails so, before any result", what);
      if (r.kinds[i] == Kind::dbl) {
        for (const std::size_t j : r.double_use_order) {
          if (j == i) break;
          if (!read[j].ok()) broken("a double field fails at its first use, in the order of use", what);
        }
      }
    } else if (f.kind == ErrorKind::type_mismatch) {
      broken("a type mismatch always names its field", what);
    }
  }

  // The texts against the raw values behind them.
  const auto solved = solve(panel, inputs, dp);
  if (const auto* failure = std::get_if<Failure>(&solved)) {
    if (!outcome.failure || outcome.failure->delivered != 0 || outcome.failure->kind != failure->kind ||
        outcome.failure->field != failure->field)
      broken("a calculation fails where its raw values fail", kind_name(failure->kind));
    return outcome;
  }
  const Solution& s = std::get<Solution>(solved);
  const std::size_t formed = outcome.results.size() + (outcome.failure ? 1 : 0);
  for (std::size_t i = 0; i < formed; ++i) {
    const Display how = i < r.tenths_results ? Display::tenths : Display::ratio;
    const std::optional<double> raw = raw_result(panel, i, s);
    const bool delivered = i < outcome.results.size();
    if (!raw) {
      if (!delivered) {
        if (outcome.failure->field || outcome.failure->kind == ErrorKind::type_mismatch)
          broken("a failure while writing comes from a step, not a field", std::to_string(i));
        continue;
      }
      const Real back = read_double(outcome.results[i], dp);
      if (!back.ok()) broken("every result text parses back", "result " + std::to_string(i));
      check_shown_text(outcome.results[i], back.value(), how, dp);
      continue;
    }
    const Real shown = how == Display::tenths ? tenths(Real(*raw)) : ratio(Real(*raw) / Real(s.allowable));
    if (!delivered) {
      if (shown.ok() || shown.error() != outcome.failure->kind || outcome.failure->field)
        broken("a failure while writing is the failure of that result's display", std::to_string(i));
      continue;
    }
    if (!shown.ok()) broken("a result whose display fails is never delivered", std::to_string(i));
    if (outcome.results[i] != number_text(shown.value(), dp))
      broken("a result text is the text of its shown number",
             "result " + std::to_string(i) + " \"" + escaped(outcome.results[i]) + "\"");
    check_shown_text(outcome.results[i], shown.value(), how, dp);
  }
  return outcome;
}

}  // namespace quorvel::fuzz
