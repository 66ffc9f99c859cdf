#include "note/elbow_view.h"

#include <QActionGroup>
#include <QMenu>
#include <cmath>

#include "quorvel/panels/display.h"
#include "window/translation.h"

namespace quorvel::ui {
namespace {

QString text_of(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// "1.5·D"
QString radius_text(double times_D, const std::string& decimal_point) {
  return QString::fromStdString(number_text(times_D, decimal_point)) + QStringLiteral("·D");
}

// k and i to three significant digits: 11.0, 3.18.
QString factor_text(double v, const std::string& decimal_point) {
  const int places = std::max(0, 2 - static_cast<int>(std::floor(std::log10(v))));
  return QString::fromStdString(fixed_text(v, 0, places, decimal_point));
}

ElbowRun run_of(const Panel& panel, const Values& values, double times_D) {
  return with_elbows(panel, values, times_D * values.D);
}

}  // namespace

double ElbowChoice::times_D(const Panel& panel) const {
  const auto it = chosen_.find(&panel);
  return it == chosen_.end() ? kDefault : it->second;
}

void ElbowChoice::set_times_D(const Panel& panel, double times_D) {
  if (times_D == this->times_D(panel)) return;
  chosen_[&panel] = times_D;
  emit changed(panel);
}

void ElbowChoice::add_menu(QMenu& menu, const Panel& panel) {
  QMenu* sub = menu.addMenu(ElbowTexts::tr("Elbows"));
  auto* group = new QActionGroup(sub);
  for (double choice : kChoices) {
    QAction* action = sub->addAction(ElbowTexts::menu_entry(choice, decimal_point_));
    action->setCheckable(true);
    action->setChecked(choice == times_D(panel));
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, &panel, choice] { set_times_D(panel, choice); });
  }
}

QString ElbowTexts::menu_entry(double times_D, const std::string& dp) {
  if (times_D == 0) return tr("Sharp corners only");
  if (times_D == 1) return tr("Short radius, %1").arg(radius_text(times_D, dp));
  if (times_D == 1.5) return tr("Long radius, %1").arg(radius_text(times_D, dp));
  return radius_text(times_D, dp);
}

QString ElbowTexts::radius_name(double times_D, const std::string& dp) {
  if (times_D == 1) return tr("short-radius elbows");
  if (times_D == 1.5) return tr("long-radius elbows");
  return tr("elbows of R = %1").arg(radius_text(times_D, dp));
}

QString ElbowTexts::tooltip(const Panel& panel, const ElbowRun& run, std::size_t index, double times_D,
                            const std::string& dp) {
  const QString with = radius_name(times_D, dp);
  if (run.status == ElbowStatus::does_not_fit) return tr("with %1: the elbows do not fit L%2").arg(with).arg(run.leg);
  if (run.status != ElbowStatus::solved) return tr("with %1: no answer for this geometry").arg(with);
  const ResultField& field = panel.results[index];
  const QString value = QString::fromStdString(elbow_text(panel, run, index, dp));
  if (field.display != Display::ratio) return tr("with %1: %2 %3").arg(with, value, text_of(field.unit));
  return tr("with %1: %2; k = %3, i = %4")
      .arg(with, value, factor_text(run.factors.k, dp), factor_text(run.factors.i, dp));
}

QString ElbowTexts::exceeds(double times_D, const std::string& dp) {
  return tr("the stress exceeds the allowable stress with %1").arg(radius_name(times_D, dp));
}

bool ElbowTexts::exceeds_at_bend(const Panel& panel, const ElbowRun& run, std::size_t index) {
  const ResultField& field = panel.results[index];
  return run.status == ElbowStatus::solved && field.display == Display::ratio && field.point > 1 &&
         field.point < panel.points && !(run.results[index] <= 1);
}

CalculationNote::Elbows ElbowTexts::note_section(const Panel& panel, const Values& values, double times_D,
                                                 const std::string& dp, bool sharp_exceeds) {
  const ElbowRun run = run_of(panel, values, times_D);
  const QString with = radius_name(times_D, dp);
  CalculationNote::Elbows s{tr("With elbows of R = %1").arg(radius_text(times_D, dp)), {}, {}, {}};
  if (run.status == ElbowStatus::does_not_fit) {
    s.before << tr("The elbows do not fit L%1: their tangent lengths exceed the leg.").arg(run.leg);
    return s;
  }
  if (run.status != ElbowStatus::solved) {
    s.before << tr("No answer with elbows for this geometry.");
    return s;
  }
  s.before << tr("Flexibility factor k = %1, stress intensification factor i = %2 (ASME B31.3 Appendix D).")
                  .arg(factor_text(run.factors.k, dp), factor_text(run.factors.i, dp));
  for (std::size_t i = 0; i < panel.results.size(); ++i)
    s.results.push_back({text_of(panel.results[i].symbol),
                         QString::fromStdString(elbow_text(panel, run, i, dp)),
                         text_of(panel.results[i].unit),
                         {},
                         {}});
  QStringList where;
  for (int point : run.verdict.points)
    for (const ResultField& field : panel.results)
      if (field.display == Display::ratio && field.point == point)
        where << tr("%1 = %2 at %3")
                     .arg(text_of(field.symbol), QString::fromStdString(ratio_text(run.verdict.governing, dp)),
                          place_name(panel, point));
  s.after << tr("Governing ratio: %1").arg(where.join("; "));
  const QString stress = QString::fromStdString(fixed_text(run.verdict.governing * values.allowable, -6, 2, dp));
  s.after << (run.verdict.exceeds ? tr("Verdict: exceeds the allowable stress (%1 MPa > [S] = %2 MPa)")
                                  : tr("Verdict: within the allowable stress (%1 MPa ≤ [S] = %2 MPa)"))
                 .arg(stress)
                 .arg(allowable_stress_mpa);
  if (run.verdict.exceeds && !sharp_exceeds)
    s.after << tr("The layout passes with sharp corners but exceeds the allowable stress with %1.").arg(with);
  if (!run.verdict.exceeds && sharp_exceeds)
    s.after << tr("The layout exceeds the allowable stress with sharp corners but passes with %1.").arg(with);
  return s;
}

}  // namespace quorvel::ui
