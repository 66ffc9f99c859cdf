#include "quorvel/analyses/material.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"
#include "quorvel/text/decimal.h"

namespace quorvel {
namespace {

// Carbon steel pipe at moderate temperatures: E = 196 GPa and [S] = 80 MPa,
// the same at every temperature of the range. Below about -50 ℃ every grade
// needs impact testing (ASME B31.3, Fig. 323.2.2A: -48 ℃), above about
// 425 ℃ (800 °F) it creeps and graphitizes (B31.1, 124.2.A), so the table
// ends there. docs/engineering.md gives the sources.
constexpr MaterialRow kCarbonSteel[] = {{-50, 196e9, 80e6}, {425, 196e9, 80e6}};

// m/m from 0 ℃, T in ℃; std::pow (no builtin in calc) as the panels' pow.
double carbon_steel_law(double T) {
  return std::pow(T, 2) * 0.005259 / 1e6 + T * 0.011182 / 1000;
}

constexpr Material kSteel{"carbon steel",
                          "E and [S] of carbon steel pipe at moderate temperatures; the range from ASME B31.3 "
                          "Fig. 323.2.2A and B31.1 para. 124.2.A (docs/engineering.md)",
                          kCarbonSteel,
                          20,
                          carbon_steel_law,
                          "e = 0.005259·T²/10⁶ + 0.011182·T/1000"};

// A column of the table at T: straight between the rows around it, the end
// rows beyond them.
double at(std::span<const MaterialRow> table, double T, double MaterialRow::*column) {
  if (std::isnan(T)) return std::numeric_limits<double>::quiet_NaN();
  if (T <= table.front().T) return table.front().*column;
  for (std::size_t k = 1; k < table.size(); ++k) {
    const MaterialRow &a = table[k - 1], &b = table[k];
    if (T <= b.T) return a.*column + (b.*column - a.*column) * (T - a.T) / (b.T - a.T);
  }
  return table.back().*column;
}

}  // namespace

double Material::E(double T) const noexcept {
  return at(table, T, &MaterialRow::E);
}

double Material::allowable(double T) const noexcept {
  return at(table, T, &MaterialRow::S);
}

std::string Material::modulus_gpa_text(std::string_view decimal_point) const {
  return number_text(reference_E() / 1e9, decimal_point);
}

std::string Material::allowable_mpa_text(double T, std::string_view decimal_point) const {
  return quorvel::allowable_mpa_text(allowable(T), decimal_point);
}

std::string expansion_text(double expansion, std::string_view decimal_point) {
  char buf[32];
  const auto end = std::to_chars(buf, buf + sizeof buf, expansion, std::chars_format::scientific, 11).ptr;
  std::optional<Decimal> d = parse_decimal(std::string_view(buf, static_cast<std::size_t>(end - buf)), ".");
  if (!d) return {};
  d->exponent += 3;
  return plain_text(*d, decimal_point);
}

const Material& carbon_steel() noexcept {
  return kSteel;
}

Values with_material(const Values& run, const Material& material) {
  if (&material == &carbon_steel()) return run;
  Values v = run;
  v.EI = material.reference_E() * (run.EI / carbon_steel().reference_E());
  v.expansion = material.expansion(run.installed_at, run.T);
  v.allowable = material.allowable(run.T);
  v.growth_x = v.expansion * run.length_x;
  v.growth_y = v.expansion * run.length_y;
  // The frame's reactions, moments and stresses grow with E·I·e, its ratios
  // also with 1/[S]; every panel writes its ratios last, one a point.
  const double load = v.EI * v.expansion / (run.EI * run.expansion);
  const double ratio = load * run.allowable / v.allowable;
  v.M1 *= load;
  v.Fx *= load;
  v.Fy *= load;
  for (double& m : v.moments) m *= load;
  for (double& sigma : v.stresses) sigma *= load;
  const std::size_t first_ratio = v.results.size() - std::min(v.results.size(), v.stresses.size());
  for (std::size_t i = 0; i < v.results.size(); ++i) v.results[i] *= i < first_ratio ? load : ratio;
  return v;
}

}  // namespace quorvel
