#include "quorvel/analyses/installation.h"

#include <cmath>

#include "panels/number.h"
#include "quorvel/panels/display.h"
#include "quorvel/panels/panels.h"

namespace quorvel {
namespace {

// The frame's reactions, moments, stresses, results and growth times `factor`.
Values scaled(Values v, double factor) {
  v.M1 *= factor;
  v.Fx *= factor;
  v.Fy *= factor;
  for (double& m : v.moments) m *= factor;
  for (double& sigma : v.stresses) sigma *= factor;
  for (double& r : v.results) r *= factor;
  v.growth_x *= factor;
  v.growth_y *= factor;
  return v;
}

// The run at T counted from T0, from the same frame computed at frame.T.
std::optional<Values> rescaled(const Values& frame, double T, double T0) {
  const Material& law = carbon_steel();  // the panels' own
  if (frame.expansion == 0 || !std::isfinite(frame.expansion)) return std::nullopt;
  const double growth = (T == frame.T ? frame.expansion : law.expansion(0, T)) - law.expansion(0, T0);
  const double factor = growth / frame.expansion;
  if (!std::isfinite(factor)) return std::nullopt;
  Values v = scaled(frame, factor);
  v.expansion = growth;
  v.T = T;
  v.installed_at = T0;
  return v;
}

}  // namespace

std::optional<Values> counted_from(const Values& run, double T0) {
  return rescaled(run, run.T, T0);
}

std::optional<Values> counted_from(const Panel& panel, std::span<const std::string> inputs, const Outcome& outcome,
                                   double T0, std::string_view decimal_point) {
  if (outcome.failure || !outcome.values) return std::nullopt;
  const auto temperature = input_index(panel, "T");
  if (outcome.values->expansion != 0 || !temperature) return counted_from(*outcome.values, T0);
  std::vector<std::string> at_100(inputs.begin(), inputs.end());
  at_100[*temperature] = "100";
  const Outcome frame = calculate(panel, at_100, decimal_point);
  if (frame.failure || !frame.values) return std::nullopt;
  return rescaled(*frame.values, outcome.values->T, T0);
}

std::optional<Installed> installed(const Values& values, double T0, double target, const Material& material) {
  const Values run = with_material(values, material);
  // The run's expansion counts from 0 ℃, the installed run's from T0.
  const double before = material.expansion(0, T0);
  if (run.expansion == 0 || !std::isfinite(run.expansion)) return std::nullopt;
  const double factor = (run.expansion - before) / run.expansion;
  if (!std::isfinite(factor)) return std::nullopt;
  Values v = scaled(run, factor);
  v.expansion -= before;
  const Verdict verdict = judge(v, target);
  return Installed{factor, std::move(v), verdict, run.expansion, before};
}

std::vector<std::string> result_texts(const Panel& panel, const Values& values, std::string_view decimal_point) {
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < values.results.size() && i < panel.results.size(); ++i) {
    const double r = values.results[i];
    const bool ratio = panel.results[i].display == Display::ratio;
    texts.push_back(number_text(ratio ? detail::ratio_display(r) : detail::tenths_display(r), decimal_point));
  }
  return texts;
}

std::string temperature_text(double T0, std::string_view decimal_point) {
  std::string text = fixed_text(T0, 0, 2, decimal_point);
  while (text.ends_with('0')) text.pop_back();
  if (text.ends_with(decimal_point)) text.resize(text.size() - decimal_point.size());
  return text;
}

InstalledTexts installed_texts(const Panel& panel, const Installed& installed, std::string_view decimal_point) {
  InstalledTexts t{fixed_text(installed.expansion_at_T, 3, 7, decimal_point),
                   fixed_text(installed.expansion_at_T0, 3, 7, decimal_point),
                   fixed_text(installed.factor, 0, 3, decimal_point),
                   result_texts(panel, installed.values, decimal_point),
                   ratio_text(installed.verdict.governing, decimal_point),
                   verdict_word(installed.verdict)};
  t.results.resize(panel.results.size());
  return t;
}

}  // namespace quorvel
