#include "quorvel/analyses/verdict.h"

#include <cmath>

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

bool passes(const Outcome& outcome, double target) {
  return !outcome.failure && outcome.values && !judge(*outcome.values, target).exceeds;
}

std::string ratio_text(double ratio, std::string_view decimal_point) {
  return fixed_text(ratio, 0, 3, decimal_point);
}

}  // namespace quorvel
