#include "checks.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <variant>

#include "quorvel/analyses/validity.h"
#include "quorvel/panels/display.h"
#include "quorvel/panels/fields.h"
#include "quorvel/panels/real.h"
#include "quorvel/text/decimal.h"
#include "quorvel/text/text.h"

namespace quorvel::fuzz {
namespace {

Real read_as(FieldKind kind, std::string_view text, std::string_view dp) {
  switch (kind) {
    case FieldKind::whole_number: return read_whole(text, dp);
    case FieldKind::real: return read_real(text, dp);
    case FieldKind::double_text: return read_double(text, dp);
  }
  violation("field kind", "unknown kind");
}

// The raw value behind result `index`, taken where its table entry says. A
// moment at the far anchor is formed again for its text (the loop sums its
// arm in another order), so it may differ from the raw moment in the last
// bits, or overflow where that did not: no raw value.
std::optional<double> raw_result(const Panel& panel, std::size_t index, const Values& s) {
  const ResultField& result = panel.results[index];
  const auto at = static_cast<std::size_t>(result.point - 1);
  switch (result.display) {
    case Display::ratio: return s.stresses.at(at);
    case Display::force: return result.symbol == "Fx" ? s.Fx : s.Fy;
    case Display::moment: return result.point == panel.points ? std::nullopt : std::optional(s.moments.at(at));
  }
  violation("display", "unknown display");
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
  std::string s = "decimal point \"" + one_line(dp) + "\", inputs";
  for (const std::string& text : inputs) s += " \"" + one_line(text) + "\"";
  return s;
}

// The decimal exponent of the leading digit; 0 for zero.
std::int64_t leading_exponent(const Decimal& d) {
  return d.digits.empty() ? 0 : d.exponent + static_cast<std::int64_t>(d.digits.size()) - 1;
}

}  // namespace

void violation(std::string_view rule, std::string_view detail) {
  std::fprintf(stderr, "\nquorvel fuzz: broken: %.*s\n  %.*s\n", static_cast<int>(rule.size()), rule.data(),
               static_cast<int>(detail.size()), detail.data());
  std::abort();
}

Lines split_lines(std::string_view all) {
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

void check_shown_text(std::string_view text, double shown, Shown how, std::string_view dp) {
  const auto detail = [&](std::string_view what) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g (%a)", shown, shown);
    return std::string(what) + ": text \"" + one_line(text) + "\" for the number " + buf;
  };
  if (!std::isfinite(shown)) violation("every result is a finite number", detail("shown"));
  if (how == Shown::ratio && (text.starts_with("-") || shown < 0))
    violation("stress-ratio texts never start with '-'", detail("ratio"));

  // The text as the field rules read decimal text, and its form: the plain
  // decimal text of that value, or from 1E+15 up one digit before the
  // separator and the exponent as E+XX.
  const std::optional<Decimal> d = parse_decimal(text, dp);
  if (!d || text.empty()) violation("a result text is a number", detail("malformed"));
  const std::size_t e = text.find('E');
  const bool exponent_form = e != std::string_view::npos;
  if (exponent_form) {
    Decimal mantissa = *d;
    mantissa.exponent = 1 - static_cast<std::int64_t>(d->digits.size());
    char power[32];
    std::snprintf(power, sizeof power, "E+%02lld", static_cast<long long>(leading_exponent(*d)));
    if (d->digits.empty() || text.substr(0, e) != plain_text(mantissa, dp) || text.substr(e) != power)
      violation("the exponent form is d.ddd…E+XX", detail("malformed"));
  } else if (text != plain_text(*d, dp)) {
    violation("a result text is plain decimal: no trailing zeros, a zero before the separator, never \"-0\"",
              detail("malformed"));
  }

  if (d->digits.size() > 15) violation("at most 15 significant digits", detail("too many digits"));
  if (d->negative != (shown < 0)) violation("the text has the number's sign", detail("sign"));
  if (exponent_form != (leading_exponent(*d) >= 15))
    violation("the exponent form from 1E+15 up and only there", detail("form"));

  // The text reads back, with the field reader, as a number that the
  // library writes as the same text: 15 digits survive the round trip. The
  // largest doubles round up to 15 digits beyond the double range.
  const Real back = read_double(text, dp);
  if (how == Shown::plain && back.error() == ErrorKind::overflow && std::fabs(shown) >= 1.797693134862315e308) return;
  if (!back.ok()) violation("every result text parses back", detail("the double reader rejects it"));
  if (number_text(back.value(), dp) != text) violation("every result text parses back", detail("another text"));

  // Tenths and ratios of ordinary size: K / 10 or K / 100 for a whole K of
  // at most 15 digits, read back as the very number shown.
  const double scale = how == Shown::tenths ? 10 : 100;
  if (how != Shown::plain && std::fabs(shown) * scale < 1e15) {
    const long long k = std::llround(shown * scale);
    if (shown != static_cast<double>(k) / scale)
      violation("a shown number is a whole number of tenths (hundredths for ratios)", detail("not a display value"));
    if (back.value() != shown) violation("every result text parses back to the shown number", detail("read back"));
  }
}

Outcome check_panel(const Panel& panel, std::span<const std::string> inputs, std::string_view dp) {
  const std::size_t result_count = panel.results.size();
  const auto broken = [&](std::string_view rule, const std::string& what) {
    violation(rule, what + "; " + describe(inputs, dp));
  };

  // Twice, delivered text by text: the same inputs give the same texts.
  Outcome runs[2];
  for (Outcome& run : runs) {
    std::size_t next = 0;
    run = calculate(panel, inputs, dp, [&](std::size_t index, const std::string&) {
      if (index != next++) broken("results are delivered in write order", "index out of order");
    });
  }
  if (runs[0].results != runs[1].results || runs[0].failure != runs[1].failure)
    broken("the same inputs give the same texts", "two runs differ");
  const Outcome& outcome = runs[0];

  // Which texts the field rules accept, and the first one (in read order)
  // that fails on reading rather than at its first use.
  const auto is_double = [&](std::size_t i) { return panel.inputs[i].kind == FieldKind::double_text; };
  std::vector<Real> read;
  std::optional<std::size_t> first_bad_read;
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    read.push_back(read_as(panel.inputs[i].kind, inputs[i], dp));
    if (read.back().ok()) continue;
    const ErrorKind kind = read.back().error();
    if (kind != ErrorKind::type_mismatch && kind != ErrorKind::overflow)
      broken("a field fails with a type mismatch or an overflow", "field " + std::to_string(i));
    if (!first_bad_read && !is_double(i)) first_bad_read = i;
  }

  // The checks beside the run: each names a field whose text is a number,
  // once, in read order, on one line.
  std::optional<std::size_t> checked;
  for (const InputCheck& c : check_inputs(panel, inputs, dp)) {
    if (c.field >= inputs.size() || !read[c.field].ok() || (checked && c.field <= *checked) ||
        c.symbol != panel.inputs[c.field].symbol || one_line(c.text()) != c.text())
      broken("a check names a field whose text is a number, once, in read order, on one line", c.text());
    checked = c.field;
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
      // Double fields fail at their first use, in an order of use that no
      // text changes: with only this field and another bad one, this one
      // still fails first.
      for (std::size_t j = 0; is_double(i) && j < inputs.size(); ++j) {
        if (j == i || !is_double(j) || read[j].ok()) continue;
        std::vector<std::string> two_bad = default_inputs(panel);
        two_bad[i] = inputs[i];
        two_bad[j] = inputs[j];
        const auto other = calculate(panel, two_bad, dp).failure;
        if (!other || other->field != i)
          broken("a double field fails at its first use, in a fixed order of use",
                 what + ", also field " + std::to_string(j));
      }
    } else if (f.kind == ErrorKind::type_mismatch) {
      broken("a type mismatch always names its field", what);
    }
  }

  // The texts against the values of the same run.
  if (!outcome.values) {
    if (!outcome.failure || outcome.failure->delivered != 0)
      broken("a run has its values unless it failed before its first result", "no values");
    return outcome;
  }
  const Values& v = *outcome.values;
  if (v.results.size() != outcome.results.size())
    broken("every delivered result has its value", std::to_string(v.results.size()));
  for (std::size_t i = 0; i < outcome.results.size() && i < v.results.size(); ++i) {
    const Shown how = panel.results[i].display == Display::ratio ? Shown::ratio : Shown::tenths;
    if (const std::optional<double> raw = raw_result(panel, i, v);
        raw && (how == Shown::ratio ? *raw / v.allowable : *raw) != v.results[i])
      broken("a result's value is the frame's value at its point", "result " + std::to_string(i));
    const Real shown = how == Shown::tenths ? tenths(Real(v.results[i])) : ratio(Real(v.results[i]));
    if (!shown.ok()) broken("a result whose display fails is never delivered", std::to_string(i));
    if (outcome.results[i] != number_text(shown.value(), dp))
      broken("a result text is the text of its shown number",
             "result " + std::to_string(i) + " \"" + one_line(outcome.results[i]) + "\"");
    check_shown_text(outcome.results[i], shown.value(), how, dp);
  }
  return outcome;
}

}  // namespace quorvel::fuzz
