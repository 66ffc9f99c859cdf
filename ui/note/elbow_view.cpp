#include "note/elbow_view.h"

#include <QActionGroup>
#include <QMenu>

#include "quorvel/panels/display.h"

namespace quorvel::ui {
namespace {

QString text_of(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

void ElbowChoice::set_times_D(double times_D) {
  if (times_D == chosen_) return;
  chosen_ = times_D;
  emit changed();
}

void ElbowChoice::add_menu(QMenu& menu) {
  QMenu* sub = menu.addMenu(ElbowTexts::tr("Elbows"));
  auto* group = new QActionGroup(sub);
  for (double choice : kChoices) {
    QAction* action = sub->addAction(ElbowTexts::menu_entry(choice, decimal_point_));
    action->setCheckable(true);
    action->setChecked(choice == chosen_);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, choice] { set_times_D(choice); });
  }
}

QString ElbowTexts::menu_entry(double times_D, const std::string& dp) {
  if (times_D == 0) return tr("Sharp corners only");
  if (times_D == 1) return tr("Short radius, %1").arg(radius_text(times_D, dp));
  if (times_D == 1.5) return tr("Long radius, %1").arg(radius_text(times_D, dp));
  return radius_text(times_D, dp);
}

QString ElbowTexts::radius_text(double times_D, const std::string& decimal_point) {
  return QString::fromStdString(number_text(times_D, decimal_point)) + QStringLiteral("·D");
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
  const ElbowRunTexts texts = elbow_run_texts(panel, run, dp);
  const QString value = QString::fromStdString(texts.results[index]);
  if (field.display != Display::ratio) return tr("with %1: %2 %3").arg(with, value, text_of(field.unit));
  return tr("with %1: %2; k = %3, i = %4")
      .arg(with, value, QString::fromStdString(texts.k), QString::fromStdString(texts.i));
}

QString ElbowTexts::exceeds(double times_D, const std::string& dp) {
  return tr("the stress exceeds the allowable stress with %1").arg(radius_name(times_D, dp));
}

bool ElbowTexts::exceeds_at_bend(const Panel& panel, const ElbowRun& run, std::size_t index) {
  const ResultField& field = panel.results[index];
  return run.status == ElbowStatus::solved && field.display == Display::ratio && field.point > 1 &&
         field.point < panel.points && !(run.results[index] <= 1);
}

}  // namespace quorvel::ui
