#include "note/guide_view.h"

#include "quorvel/panels/display.h"

namespace quorvel::ui {

QString GuideTexts::name(double g, const std::string& decimal_point) {
  return tr("guides %1 m from the bends").arg(QString::fromStdString(number_text(g, decimal_point)));
}

QString GuideTexts::tooltip(const Panel& panel, const GuidedRun& run, std::size_t index, double g,
                            const std::string& dp) {
  const QString with = name(g, dp);
  if (run.status == ElbowStatus::does_not_fit) return tr("with %1: the elbows do not fit L%2").arg(with).arg(run.leg);
  if (run.status != ElbowStatus::solved) return tr("with %1: no answer for this geometry").arg(with);
  const ResultField& field = panel.results[index];
  const GuidedRunTexts texts = guided_run_texts(panel, run, dp);
  return tr("with %1: %2 %3")
      .arg(with, QString::fromStdString(texts.results[index]),
           QString::fromUtf8(field.unit.data(), static_cast<qsizetype>(field.unit.size())))
      .trimmed();
}

}  // namespace quorvel::ui
