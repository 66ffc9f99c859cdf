#include "quorvel/analyses/installation.h"

#include <cmath>

#include "panels/equations.h"
#include "panels/number.h"
#include "quorvel/panels/display.h"

namespace quorvel {

double free_expansion(double T) noexcept {
  return detail::expansion<detail::Unchecked>(T);
}

std::optional<Installed> installed(const Values& run, double T0, double target) {
  if (run.expansion == 0 || !std::isfinite(run.expansion)) return std::nullopt;
  const double factor = (run.expansion - free_expansion(T0)) / run.expansion;
  if (!std::isfinite(factor)) return std::nullopt;
  Values v = run;
  v.M1 *= factor;
  v.Fx *= factor;
  v.Fy *= factor;
  for (double& m : v.moments) m *= factor;
  for (double& sigma : v.stresses) sigma *= factor;
  for (double& r : v.results) r *= factor;
  v.expansion -= free_expansion(T0);
  v.growth_x *= factor;
  v.growth_y *= factor;
  const Verdict verdict = judge(v, target);
  return Installed{factor, std::move(v), verdict};
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

}  // namespace quorvel
