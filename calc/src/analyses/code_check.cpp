#include "quorvel/analyses/code_check.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "quorvel/analyses/guides.h"
#include "quorvel/analyses/section.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"

namespace quorvel {
namespace {

// 302.3.5(d): the limits of f, and of Sc and Sh when f > 1.
constexpr double kLeastF = 0.15;
constexpr double kCappedS = 138e6;
// Fig. 302.3.5: fm = 1.2 up to these.
constexpr double kFmTensile = 517e6, kFmHottest = 371;
// Appendix D, Table D300 Note (1): its factors are validated up to D/T = 100.
constexpr double kMostDt = 100;
// 319.4.1's cautions: i of 5 or more, L/U above 2.5.
constexpr double kScreenI = 5, kScreenLU = 2.5;

// A value the user gave, else the material's table at T; `why` collects the
// reasons for the values that have none, `cautions` the given values that
// stand where the table has none.
struct Lookup {
  const CodeMaterial* material;
  std::vector<CodeRemark>& why;
  std::vector<CodeRemark>& cautions;

  double take(std::optional<double> given, CodeQuantity quantity, const CodeTable* table, double T) {
    const std::optional<double> found = material && table ? table->at(T) : std::nullopt;
    const auto outside = [&] {
      return CodeRemark{table->empty() ? CodeRemarkKind::no_table : CodeRemarkKind::outside_table,
                        {quantity},
                        material,
                        table,
                        T,
                        given.has_value()};
    };
    if (given) {
      if (material && table && !found) cautions.push_back(outside());
      return *given;
    }
    if (found) return *found;
    if (material && table) {
      why.push_back(outside());
    } else if (why.empty()) {
      why.push_back({CodeRemarkKind::not_given, {quantity}});
    } else if (std::find(why.back().quantities.begin(), why.back().quantities.end(), quantity) ==
               why.back().quantities.end()) {
      why.back().quantities.push_back(quantity);
    }
    return 0;
  }
};

}  // namespace

std::string_view quantity_name(CodeQuantity quantity) noexcept {
  switch (quantity) {
    case CodeQuantity::Ea: return "Ea";
    case CodeQuantity::Eh: return "Eh";
    case CodeQuantity::Sc: return "Sc";
    case CodeQuantity::Sh: return "Sh";
    case CodeQuantity::expansion: return "the expansion";
  }
  return "";
}

std::string remark_text(const CodeRemark& r, std::string_view dp) {
  switch (r.kind) {
    case CodeRemarkKind::calculation_failed: return "the calculation failed";
    case CodeRemarkKind::outside_table:
    case CodeRemarkKind::no_table:
      return outside_text(*r.material, quantity_name(r.quantities.front()), *r.table, r.T, dp) +
             (r.given ? ", the value given is used" : "");
    case CodeRemarkKind::not_given: {
      std::string text = "no material: give ";
      for (std::size_t k = 0; k < r.quantities.size(); ++k)
        text += (k ? ", " : "") + std::string(quantity_name(r.quantities[k]));
      return text;
    }
    case CodeRemarkKind::elbows_do_not_fit: return "the elbows do not fit L" + std::to_string(r.leg);
    case CodeRemarkKind::no_elbow_frame: return "no frame with elbows for these inputs";
    case CodeRemarkKind::no_guided_frame: return "no frame with guides for these inputs";
    case CodeRemarkKind::user_values: return "no material: every value is the one given";
    case CodeRemarkKind::capped: return "Sc and Sh limited to 138 MPa as f > 1 (302.3.5(d))";
    case CodeRemarkKind::thin_wall:
      return "D/t = " + fixed_text(r.value, 0, 1, dp) +
             " above 100: Appendix D's factors are validated up to 100 (Table D300, Note 1)";
    case CodeRemarkKind::large_i: return "i = " + fixed_text(r.value, 0, 2, dp) + " is 5 or more (319.4.1)";
    case CodeRemarkKind::long_run:
      return "L/U = " + fixed_text(r.value, 0, 2, dp) + " above 2.5: the 319.4.1 screen does not apply";
  }
  return "";
}

double stress_range_factor(double cycles, double fm) noexcept {
  return std::max(kLeastF, std::min(fm, 6.0 * std::pow(cycles, -0.2)));
}

double largest_range_factor(bool ferrous, std::optional<double> tensile_strength, double hottest) noexcept {
  return ferrous && tensile_strength && *tensile_strength <= kFmTensile && hottest <= kFmHottest ? 1.2 : 1.0;
}

double allowable_range(double f, double Sc, double Sh, std::optional<double> SL) noexcept {
  if (f > 1) {
    Sc = std::min(Sc, kCappedS);
    Sh = std::min(Sh, kCappedS);
  }
  const double a = f * (1.25 * Sc + 0.25 * Sh);                          // (1a)
  if (SL && *SL < Sh) return std::max(a, f * (1.25 * (Sc + Sh) - *SL));  // (1b)
  return a;
}

double screen_value(double D_mm, double y_mm, double L_m, double U_m) noexcept {
  return D_mm * y_mm / std::pow(L_m - U_m, 2);
}

double screen_K1(double SA, double Ea) noexcept {
  return 208000 * SA / Ea;
}

CodeCheck code_check(const Panel& panel, const Values& run, const CodeSettings& settings, double target) {
  CodeCheck check;
  const double T = run.T, T0 = settings.installed;
  check.coldest = std::min({T, T0, settings.lowest.value_or(T0)});
  check.hottest = std::max(T, T0);

  const CodeMaterial* m = settings.material;
  const CodeUserValues& user = settings.user;
  Lookup look{m, check.unavailable, check.cautions};
  const double reference_T = celsius(kReferenceF);
  check.Ea = look.take(user.Ea, CodeQuantity::Ea, m ? &m->E : nullptr, reference_T);
  check.Em = look.take(user.Eh ? user.Eh : m ? std::nullopt : user.Ea, CodeQuantity::Eh, m ? &m->E : nullptr, T);
  check.Sc = look.take(user.Sc, CodeQuantity::Sc, m ? &m->S : nullptr, check.coldest);
  check.Sh = look.take(user.Sh, CodeQuantity::Sh, m ? &m->S : nullptr, check.hottest);
  if (user.growth) {
    check.growth = *user.growth;
  } else if (const auto e = m ? m->expansion_between(check.coldest, check.hottest) : std::nullopt) {
    check.growth = *e;
  } else {
    const double outside = m && !m->expansion.at(check.coldest) ? check.coldest : check.hottest;
    look.take(std::nullopt, CodeQuantity::expansion, m ? &m->expansion : nullptr, outside);
  }
  if (!m) check.cautions.push_back({CodeRemarkKind::user_values});
  if (!check.unavailable.empty()) return check;

  check.fm = largest_range_factor(m ? m->ferrous : true,
                                  user.tensile_strength ? user.tensile_strength
                                  : m                   ? m->tensile_strength
                                                        : std::nullopt,
                                  check.hottest);
  check.f = stress_range_factor(settings.cycles, check.fm);
  check.SA = allowable_range(check.f, check.Sc, check.Sh, settings.sustained);
  if (check.f > 1 && std::max(check.Sc, check.Sh) > kCappedS) check.cautions.push_back({CodeRemarkKind::capped});

  // The frame of the range: E·I with Ea, the growth of the whole range.
  Values range = run;
  const double I = run.EI / carbon_steel().reference_E();
  range.EI = check.Ea * I;
  range.expansion = check.growth;
  range.growth_x = check.growth * run.length_x;
  range.growth_y = check.growth * run.length_y;
  range.allowable = check.SA;
  const double R = settings.elbows.of(run.D);
  const ElbowRun frame = with_elbows(panel, range, R, target, carbon_steel());
  check.factors = frame.factors;
  if (frame.status != ElbowStatus::solved) {
    check.unavailable.push_back(frame.status == ElbowStatus::does_not_fit
                                    ? CodeRemark{.kind = CodeRemarkKind::elbows_do_not_fit, .leg = frame.leg}
                                    : CodeRemark{CodeRemarkKind::no_elbow_frame});
    return check;
  }
  std::optional<GuidedRun> guided;
  if (settings.guides) {
    guided = with_guides(panel, range, *settings.guides, settings.elbows, target, carbon_steel());
    if (guided->status != ElbowStatus::solved) {
      check.unavailable.push_back({CodeRemarkKind::no_guided_frame});
      return check;
    }
  }
  const std::vector<double>& moments = guided ? guided->moments : frame.moments;
  const std::vector<double>& axial = guided ? guided->axial : frame.axial;
  const std::vector<double>& results = guided ? guided->results : frame.results;

  const double D = run.D, d = run.D - 2 * run.t;
  const double Z = std::numbers::pi * (std::pow(D, 4) - std::pow(d, 4)) / (32 * D);
  const double A = std::numbers::pi * (D * D - d * d) / 4;
  double SE = 0;  // the governing one
  const auto stress = [&](double M, double i, double Fa, int place) {
    CodePoint p;
    p.M = M;
    p.i = i;
    p.Fa = Fa;
    p.Sb = p.i * std::fabs(p.M) / Z;
    p.Sa = std::fabs(p.Fa) / A;
    const double St = 0;  // a plane run has no torsion
    p.SE = std::sqrt(std::pow(std::fabs(p.Sa) + p.Sb, 2) + std::pow(2 * St, 2));
    if (p.SE / check.SA > check.governing || check.place == 0) {
      check.governing = p.SE / check.SA;
      check.place = place;
      SE = p.SE;
    }
    return p;
  };
  const std::size_t n = moments.size();
  for (std::size_t j = 0; j < n; ++j)
    check.points.push_back(
        stress(moments[j], j == 0 || j + 1 == n ? 1 : frame.factors.i, axial[j], static_cast<int>(j) + 1));
  if (guided)
    for (std::size_t k = 0; k < 2; ++k)
      if (const Guide& guide = guided->guides[k]; guide.held)
        check.guides[k] = stress(guide.moment, 1, guide.axial, static_cast<int>(n + k) + 1);
  check.passes = check.governing <= target;

  // 319.5.1: hot loads with the panel's signs for a run hotter than T0.
  check.C1 = std::max(0.0, 1 - check.Sh * check.Ea / (SE * check.Em));
  const double sign = T >= T0 ? 1 : -1, C = settings.cold_spring;
  for (std::size_t k = 0; k < panel.results.size(); ++k) {
    if (panel.results[k].display == Display::ratio) continue;
    const double range_load = sign * results[k];
    check.hot.push_back(range_load * (1 - 2 * C / 3) * check.Em / check.Ea);
    check.cold.push_back(-range_load * std::max(C, check.C1));
  }

  // 319.4.1 beside it.
  const SectionData s = section_data(run);
  check.L_over_U = s.developed / s.anchors;
  if (!in_one_line(run) && s.developed > s.anchors)
    check.screen =
        screen_value(D * 1000, check.growth * std::hypot(run.length_x, run.length_y) * 1000, s.developed, s.anchors);
  check.K1 = screen_K1(check.SA, check.Ea);

  if (D / run.t > kMostDt) check.cautions.push_back({.kind = CodeRemarkKind::thin_wall, .value = D / run.t});
  if (frame.factors.i >= kScreenI)
    check.cautions.push_back({.kind = CodeRemarkKind::large_i, .value = frame.factors.i});
  if (check.L_over_U > kScreenLU) check.cautions.push_back({.kind = CodeRemarkKind::long_run, .value = check.L_over_U});
  return check;
}

CodeCheck code_check(const Panel& panel, const Outcome& outcome, const CodeSettings& settings, double target) {
  if (outcome.failure || !outcome.values) {
    CodeCheck failed;
    failed.unavailable.push_back({CodeRemarkKind::calculation_failed});
    return failed;
  }
  return code_check(panel, *outcome.values, settings, target);
}

CodeTexts code_texts(const Panel& panel, const CodeCheck& check, std::string_view dp) {
  CodeTexts t;
  // Why there is no answer first.
  for (const auto* remarks : {&check.unavailable, &check.cautions})
    for (const CodeRemark& remark : *remarks) t.cautions += (t.cautions.empty() ? "" : "; ") + remark_text(remark, dp);
  if (!check.unavailable.empty()) return t;
  t.SA = fixed_text(check.SA, -6, 1, dp);
  for (const ResultField& field : panel.results)
    if (field.display == Display::ratio)
      t.SE.push_back(fixed_text(check.points[static_cast<std::size_t>(field.point - 1)].SE, -6, 1, dp));
  for (std::size_t k = 0; k < 2; ++k)
    if (check.guides[k]) t.guide_SE[k] = fixed_text(check.guides[k]->SE, -6, 1, dp);
  t.governing = ratio_text(check.governing, dp);
  t.verdict = check.passes ? "passes" : "fails";
  for (const double load : check.hot) t.hot.push_back(fixed_text(load, -3, 3, dp));
  for (const double load : check.cold) t.cold.push_back(fixed_text(load, -3, 3, dp));
  return t;
}

}  // namespace quorvel
