#include "quorvel/analyses/verdict.h"

#include <cmath>
#include <limits>

#include "quorvel/panels/display.h"

namespace quorvel {

std::vector<double> ratios(const Values& values) {
  std::vector<double> r;
  for (double stress : values.stresses) r.push_back(std::fabs(stress / values.allowable));
  return r;
}

Verdict judge(const Values& values, double target) {
  return judge(ratios(values), target);
}

Verdict judge(std::span<const double> r, double target) {
  Verdict v;
  for (double ratio : r) v.governing = std::fmax(v.governing, ratio);
  for (std::size_t i = 0; i < r.size(); ++i)
    if (r[i] >= v.governing * (1 - kSameRatio)) v.points.push_back(static_cast<int>(i) + 1);
  v.exceeds = !(v.governing <= target);  // a NaN never passes
  return v;
}

bool passes(const Outcome& outcome, double target, const Material& material) {
  return !outcome.failure && outcome.values && !judge(with_material(*outcome.values, material), target).exceeds;
}

std::string ratio_text(double ratio, std::string_view decimal_point) {
  return fixed_text(ratio, 0, 3, decimal_point);
}

std::string governing_stress_text(const Verdict& verdict, double allowable, std::string_view decimal_point) {
  return fixed_text(verdict.governing * allowable, -6, 2, decimal_point);
}

std::string allowable_mpa_text(double allowable, std::string_view decimal_point) {
  return number_text(allowable / 1e6, decimal_point);
}

std::string_view verdict_word(const Verdict& verdict) noexcept {
  return verdict.exceeds ? "exceeds" : "passes";
}

double governing_ratio(const Outcome& outcome, const Material& material) {
  if (outcome.failure || !outcome.values) return std::numeric_limits<double>::quiet_NaN();
  return judge(with_material(*outcome.values, material)).governing;
}

std::vector<double> result_ratios(const Panel& panel, const Outcome& outcome) {
  std::vector<double> found;
  for (std::size_t i = 0; i < panel.results.size(); ++i) {
    if (panel.results[i].display != Display::ratio) continue;
    const bool ran = !outcome.failure && outcome.values && i < outcome.values->results.size();
    const double r = ran ? std::fabs(outcome.values->results[i]) : std::numeric_limits<double>::quiet_NaN();
    found.push_back(std::isfinite(r) ? r : std::numeric_limits<double>::quiet_NaN());
  }
  return found;
}

}  // namespace quorvel
