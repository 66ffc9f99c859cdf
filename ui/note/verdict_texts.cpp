#include "note/verdict_texts.h"

#include <QStringList>

#include "window/translation.h"

namespace quorvel::ui {
QString VerdictTexts::governing(const Panel& panel, const Verdict& verdict, std::string_view decimal_point) {
  QStringList where;  // at the points of the ratio results
  for (int point : verdict.points)
    for (const ResultField& field : panel.results)
      if (field.display == Display::ratio && field.point == point)
        where +=
            tr("%1 = %2 at %3")
                .arg(QString::fromUtf8(field.symbol.data(), static_cast<qsizetype>(field.symbol.size())),
                     QString::fromStdString(ratio_text(verdict.governing, decimal_point)), place_name(panel, point));
  return where.join("; ");
}

QString VerdictTexts::verdict(const Verdict& verdict, double allowable, std::string_view decimal_point) {
  const QString text = verdict.exceeds ? tr("exceeds the allowable stress (%1 MPa > [S] = %2 MPa)")
                                       : tr("within the allowable stress (%1 MPa ≤ [S] = %2 MPa)");
  return text.arg(QString::fromStdString(governing_stress_text(verdict, allowable, decimal_point)),
                  QString::fromStdString(allowable_mpa_text(allowable, decimal_point)));
}

QString VerdictTexts::invalid(const InputCheck& no_pipe) {
  return tr("invalid: the inputs describe no pipe: %1").arg(check_text(no_pipe));
}

QString VerdictTexts::with_warnings(const QString& verdict, std::span<const InputCheck> checks) {
  QStringList warnings;
  for (const InputCheck& check : checks)
    if (!check.no_pipe) warnings << check_text(check);
  return warnings.isEmpty() ? verdict : tr("%1 (warnings: %2)").arg(verdict, warnings.join("; "));
}

}  // namespace quorvel::ui
