#include "plot.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "quorvel/analyses/material.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"
#include "quorvel/text/text.h"

namespace quorvel::batch {
namespace {

// Geometry of the picture, in pixels.
constexpr double kWidth = 880, kHeight = 520;
constexpr double kLeft = 80, kRight = 700, kTop = 70, kBottom = 450;  // the plot area
constexpr const char* kColours[] = {"#1f77b4", "#ff7f0e", "#2ca02c", "#9467bd", "#8c564b", "#e377c2", "#17becf"};
constexpr const char* kTargetColour = "#d62728";
constexpr const char* kJudgedColour = "#000000";
constexpr std::size_t kLegendChars = 16;  // a line of a legend entry, about what its width takes

// A text as XML character data or attribute value. The text is one_line's,
// UTF-8 without control characters, so the markup characters and the two
// noncharacters XML forbids, U+FFFE and U+FFFF, are all that is left to
// replace.
std::string escaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::string_view rest = text.substr(i);
    if (rest.starts_with("\xEF\xBF\xBE") || rest.starts_with("\xEF\xBF\xBF")) {
      out += "\uFFFD";
      i += 2;
      continue;
    }
    switch (text[i]) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += text[i];
    }
  }
  return out;
}

// A cell of the input row as the chart shows it: any bytes on one line,
// shortened when long.
std::string shown_cell(std::string_view cell) {
  return escaped(one_line(cell, 24));
}

std::string number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", v);
  return text;
}

// Round tick values 1, 2 or 5 times a power of ten apart, about five of them.
struct Ticks {
  double step = 1;
  std::vector<double> values;
};

// The distance between two finite doubles may be beyond the largest double;
// half of it never is. Halving is exact, so this changes no ordinary span.
double half_span(double lo, double hi) {
  return hi / 2 - lo / 2;
}

// 10 to the power `exponent`, the double nearest to it: read from its decimal
// text, as the C libraries' pow need not be that near (the Windows one is not
// at 10³⁰⁷, and the ticks of a sweep over the whole range of doubles moved).
double power_of_ten(int exponent) {
  const std::string text = "1e" + std::to_string(exponent);
  double power = 0;
  std::from_chars(text.data(), text.data() + text.size(), power);
  return power;
}

Ticks ticks(double lo, double hi) {
  Ticks t;
  const double raw = half_span(lo, hi) / 2.5;
  const double power = power_of_ten(static_cast<int>(std::floor(std::log10(raw))));
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    t.step = m * power;
    if (t.step >= raw) break;
  }
  // Counted, not summed, and each value rounded once from a whole number of
  // steps: zero is exactly 0, and no sum can overflow.
  const double first = std::ceil(lo / t.step);
  for (int k = 0; k < 12; ++k) {
    const double v = (first + k) * t.step;
    if (v - hi > t.step * 1e-9) break;  // hi + a little may overflow
    t.values.push_back(v);
  }
  return t;
}

// Large and small values in exponent form, and zero too among small ones,
// which would otherwise take as many decimals as the step.
std::string tick_text(double v, double step, std::string_view decimal_point) {
  char text[64];
  if (std::abs(v) >= 1e7 || (std::abs(v) < 1e-4 && (v != 0 || step < 1e-4)))
    std::snprintf(text, sizeof text, "%.6g", v);
  else
    std::snprintf(text, sizeof text, "%.*f", std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9))), v);
  std::string s = text;
  if (const auto at = s.find('.'); at != std::string::npos) s.replace(at, 1, decimal_point);
  return escaped(s);
}

// The lowest and highest finite value, kept finite, and widened when they
// coincide or lie too close for round ticks between them: less than a
// millionth of a millionth of their size apart, where the ticks' whole numbers
// of steps would round to the same double, or less than the smallest normal
// double, a fifth of which underflows.
std::pair<double, double> range(double lo, double hi) {
  constexpr double most = std::numeric_limits<double>::max();
  if (!(half_span(lo, hi) >=
        std::max({std::abs(lo) * 1e-12, std::abs(hi) * 1e-12, std::numeric_limits<double>::min()}))) {
    const double pad = lo == 0 ? 1 : std::max(std::abs(lo) / 2, std::numeric_limits<double>::min());
    lo -= pad;
    hi += pad;
  }
  return {std::max(lo, -most), std::min(hi, most)};
}

// Characters, not bytes: "℃" is one.
std::size_t characters(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// A legend's label in lines of about kLegendChars, broken after spaces, each
// line's space kept so that the text reads whole: "check (ASME ". A line
// breaks only before a word, never inside "g = 3 m", "R = 1.5D" or "20 ℃".
std::vector<std::string> legend_lines(std::string_view label) {
  const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  const auto number = [](std::string_view word) {  // "3 ", "0.6 ": its unit stays with it
    return word.find_first_not_of("0123456789.,- ") == std::string_view::npos;
  };
  std::vector<std::string> pieces;  // between the places a line may break
  for (std::string_view last; !label.empty();) {
    const std::size_t space = label.find(' ');
    const std::string_view word = label.substr(0, space == std::string_view::npos ? label.size() : space + 1);
    if (pieces.empty() || (letter(word.front()) && last != "= " && !number(last)))
      pieces.emplace_back(word);
    else
      pieces.back() += word;
    last = word;
    label.remove_prefix(word.size());
  }
  std::vector<std::string> lines{""};
  for (const std::string& piece : pieces) {
    if (!lines.back().empty() && characters(lines.back() + piece) > kLegendChars + 1) lines.emplace_back();
    lines.back() += piece;
  }
  return lines;
}

}  // namespace

void Plot::start(const Panel& panel, std::span<const std::string> inputs, const Walk& walk, const Walked& moved,
                 const Judged& judged) {
  panel_ = &panel;
  judged_ = judged;
  judged_y_.clear();
  symbol_ = walk.symbol;
  unit_ = moved.unit;
  row_.clear();
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    if (std::find(moved.changes.begin(), moved.changes.end(), i) != moved.changes.end()) continue;
    const InputField& f = panel.inputs[i];
    row_ +=
        (row_.empty() ? "" : ", ") + std::string(f.symbol) + " = " + shown_cell(inputs[i]) + " " + std::string(f.unit);
  }
  ratios_.clear();
  for (std::size_t i = 0; i < panel.results.size(); ++i)
    if (panel.results[i].display == Display::ratio) ratios_.push_back(i);
  x_.clear();
  y_.assign(ratios_.size(), {});
}

void Plot::add(const Decimal& value, const Outcome& outcome, double judged) {
  x_.push_back(to_double(value));
  const std::vector<double> ratios = result_ratios(*panel_, outcome);
  for (std::size_t r = 0; r < ratios_.size(); ++r)
    y_[r].push_back(std::isnan(ratios[r]) ? std::nullopt : std::optional(ratios[r]));
  judged_y_.push_back(std::isfinite(judged) ? std::optional(judged) : std::nullopt);
}

std::string Plot::svg(const Decimal& target, std::string_view decimal_point) const {
  const double target_y = to_double(target);

  const bool show_target = std::isfinite(target_y);
  double x_lo = std::numeric_limits<double>::infinity(), x_hi = -x_lo, y_hi = show_target ? target_y : 0;
  for (double x : x_) {
    if (!std::isfinite(x)) continue;
    x_lo = std::min(x_lo, x);
    x_hi = std::max(x_hi, x);
  }
  if (!(x_lo <= x_hi)) x_lo = x_hi = 0;
  for (const auto& series : y_)
    for (const auto& y : series)
      if (y) y_hi = std::max(y_hi, *y);
  for (const auto& y : judged_y_)
    if (y) y_hi = std::max(y_hi, *y);
  std::tie(x_lo, x_hi) = range(x_lo, x_hi);
  double y_lo = 0;
  y_hi = y_hi > 0 ? y_hi * 1.1 : 1;
  std::tie(y_lo, y_hi) = range(y_lo, y_hi);
  const auto px = [&](double x) { return kLeft + half_span(x_lo, x) / half_span(x_lo, x_hi) * (kRight - kLeft); };
  const auto py = [&](double y) { return kBottom - half_span(y_lo, y) / half_span(y_lo, y_hi) * (kBottom - kTop); };

  const bool judging = !judged_.what.empty();
  // Judged, shorter, to leave room for what judges.
  const std::string title = std::string(panel_->name) + (judging ? ": ratios against " : ": stress ratios against ") +
                            symbol_ + (judging ? ", judged by " + judged_.what : "");
  std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  s += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + number(kWidth) + "\" height=\"" +
       number(kHeight) + "\" viewBox=\"0 0 " + number(kWidth) + " " + number(kHeight) +
       "\" font-family=\"DejaVu Sans, Arial, sans-serif\" font-size=\"13\">\n";
  s += "<title>" + escaped(title) + "</title>\n";
  s += "<rect x=\"0\" y=\"0\" width=\"" + number(kWidth) + "\" height=\"" + number(kHeight) + "\" fill=\"white\"/>\n";
  s += "<text x=\"" + number(kLeft) + "\" y=\"28\" font-size=\"17\" font-weight=\"bold\">" + escaped(title) +
       "</text>\n";
  s += "<text x=\"" + number(kLeft) + "\" y=\"50\" fill=\"#444444\">" + row_ + "</text>\n";

  // Grid, tick labels and axis titles.
  const Ticks xt = ticks(x_lo, x_hi), yt = ticks(y_lo, y_hi);
  for (double x : xt.values) {
    s += "<line x1=\"" + number(px(x)) + "\" y1=\"" + number(kTop) + "\" x2=\"" + number(px(x)) + "\" y2=\"" +
         number(kBottom) + "\" stroke=\"#dddddd\"/>\n";
    s += "<text x=\"" + number(px(x)) + "\" y=\"" + number(kBottom + 18) + "\" class=\"tick\" text-anchor=\"middle\">" +
         tick_text(x, xt.step, decimal_point) + "</text>\n";
  }
  for (double y : yt.values) {
    s += "<line x1=\"" + number(kLeft) + "\" y1=\"" + number(py(y)) + "\" x2=\"" + number(kRight) + "\" y2=\"" +
         number(py(y)) + "\" stroke=\"#dddddd\"/>\n";
    s += "<text x=\"" + number(kLeft - 8) + "\" y=\"" + number(py(y) + 4) + "\" class=\"tick\" text-anchor=\"end\">" +
         tick_text(y, yt.step, decimal_point) + "</text>\n";
  }
  s += "<rect x=\"" + number(kLeft) + "\" y=\"" + number(kTop) + "\" width=\"" + number(kRight - kLeft) +
       "\" height=\"" + number(kBottom - kTop) + "\" fill=\"none\" stroke=\"#333333\"/>\n";
  s += "<text x=\"" + number((kLeft + kRight) / 2) + "\" y=\"" + number(kBottom + 42) + "\" text-anchor=\"middle\">" +
       escaped(symbol_ + " (" + unit_ + ")") + "</text>\n";
  const Material& steel = carbon_steel();
  const std::string y_title =
      "S/[S]: bending stress ÷ allowable stress [S] = " + steel.allowable_mpa_text(steel.reference_T, ".") + " " +
      std::string(si_unit(Display::ratio)) + judged_.axis;
  s += "<text x=\"22\" y=\"" + number((kTop + kBottom) / 2) + "\" text-anchor=\"middle\" transform=\"rotate(-90 22 " +
       number((kTop + kBottom) / 2) + ")\">" + escaped(y_title) + "</text>\n";

  // The target, then one path per ratio; a failed value breaks the path.
  const std::string target_text = plain_text(target, decimal_point);
  if (show_target)
    s += "<line class=\"target\" x1=\"" + number(kLeft) + "\" y1=\"" + number(py(target_y)) + "\" x2=\"" +
         number(kRight) + "\" y2=\"" + number(py(target_y)) + "\" stroke=\"" + kTargetColour +
         "\" stroke-width=\"1.5\" stroke-dasharray=\"8 5\"/>\n";
  // A path through the values that have one; a value without one breaks it.
  const auto path = [&](const std::vector<std::optional<double>>& ys) {
    std::string d;
    bool drawing = false, alone = false;
    for (std::size_t i = 0; i < x_.size(); ++i) {
      const auto& y = ys[i];
      if (!y || !std::isfinite(x_[i])) {
        if (alone) d += " h0";  // a round cap shows a lone point
        drawing = alone = false;
        continue;
      }
      if (!d.empty()) d += ' ';
      d += drawing ? 'L' : 'M';
      d += number(px(x_[i])) + ' ' + number(py(*y));
      alone = !drawing;
      drawing = true;
    }
    if (alone) d += " h0";
    return d.empty() ? std::string("M0 0") : d;
  };
  double ly = kTop + 10;  // the legend's next entry
  for (std::size_t r = 0; r < ratios_.size(); ++r) {
    const char* colour = kColours[r % std::size(kColours)];
    const std::string label = escaped(std::string(panel_->results[ratios_[r]].symbol));
    s += "<path class=\"ratio\" d=\"" + path(y_[r]) + "\" fill=\"none\" stroke=\"" + colour +
         "\" stroke-width=\"2\" stroke-linecap=\"round\" stroke-linejoin=\"round\"><title>" + label +
         "</title></path>\n";
    s += "<line x1=\"" + number(kRight + 16) + "\" y1=\"" + number(ly) + "\" x2=\"" + number(kRight + 46) + "\" y2=\"" +
         number(ly) + "\" stroke=\"" + colour + "\" stroke-width=\"2\"/>\n";
    s += "<text x=\"" + number(kRight + 54) + "\" y=\"" + number(ly + 4) + "\">" + label + "</text>\n";
    ly += 22;
  }
  // What judges the walk, over the panel's ratios; its legend on as many
  // lines as its name takes.
  if (judging) {
    s += "<path class=\"judged\" d=\"" + path(judged_y_) + "\" fill=\"none\" stroke=\"" + kJudgedColour +
         "\" stroke-width=\"3\" stroke-linecap=\"round\" stroke-linejoin=\"round\"><title>" + escaped(judged_.series) +
         "</title></path>\n";
    s += "<line x1=\"" + number(kRight + 16) + "\" y1=\"" + number(ly) + "\" x2=\"" + number(kRight + 46) + "\" y2=\"" +
         number(ly) + "\" stroke=\"" + kJudgedColour + "\" stroke-width=\"3\"/>\n";
    const std::vector<std::string> lines = legend_lines(judged_.series);
    s += "<text x=\"" + number(kRight + 54) + "\" y=\"" + number(ly + 4) + "\">" + escaped(lines.front());
    for (std::size_t k = 1; k < lines.size(); ++k)
      s += "<tspan x=\"" + number(kRight + 54) + "\" dy=\"16\">" + escaped(lines[k]) + "</tspan>";
    s += "</text>\n";
    ly += 22 + 16 * static_cast<double>(lines.size() - 1);
  }
  if (show_target) {
    s += "<line x1=\"" + number(kRight + 16) + "\" y1=\"" + number(ly) + "\" x2=\"" + number(kRight + 46) + "\" y2=\"" +
         number(ly) + "\" stroke=\"" + kTargetColour + "\" stroke-width=\"1.5\" stroke-dasharray=\"8 5\"/>\n";
    s += "<text x=\"" + number(kRight + 54) + "\" y=\"" + number(ly + 4) + "\">target " + escaped(target_text) +
         "</text>\n";
  }
  s += "</svg>\n";
  return s;
}

}  // namespace quorvel::batch
