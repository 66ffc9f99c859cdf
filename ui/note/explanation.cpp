#include "note/explanation.h"

#include <cmath>
#include <string>

#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"
#include "window/text_of.h"
#include "window/translation.h"

namespace quorvel::ui {

QString Explanation::of_input(const InputField& field) {
  return tr("%1: %2, %3").arg(text_of(field.symbol), quantity_text(field.quantity), text_of(field.unit));
}

QString Explanation::of_result(const Panel& panel, std::size_t index, const Values& values,
                               const QString& decimal_point) {
  const ResultField& field = panel.results[index];
  const std::string dp = decimal_point.toStdString();
  QString value = QString::fromStdString(si_text(panel, values, index, dp)) + ' ' + text_of(si_unit(field.display));
  if (field.display == Display::ratio && index < values.results.size())
    value = tr("%1 = %2 [S]").arg(value, QString::fromStdString(ratio_text(std::fabs(values.results[index]), dp)));
  return tr("%1: %2 at %3, %4")
      .arg(text_of(field.symbol), quantity_text(field.quantity), place_name(panel, field.point), value);
}

}  // namespace quorvel::ui
