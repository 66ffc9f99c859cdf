#pragma once

#include <QObject>
#include <QPalette>
#include <QString>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/validity.h"

class QLineEdit;
class QWidget;

namespace quorvel::ui {

// The checks of the inputs (quorvel/analyses/validity.h) on a panel's input fields:
// after each Compute a field that fails a check is framed in amber, apart
// from the red of a ratio over 1, with the check's text as its tooltip and
// accessible description, until the next Compute.
class InputMarks final : public QObject {
 public:
  // `inputs`, the panel's (PanelView) in its read order, their tooltips and
  // descriptions set, outlive the marks.
  InputMarks(const Panel& panel, std::span<QLineEdit* const> inputs, QObject* parent);

  // Checks these texts, marks the fields that fail and clears the others.
  std::vector<InputCheck> show(std::span<const std::string> texts, std::string_view decimal_point);

  bool marked(std::size_t field) const;
  // Amber, light enough on a dark background.
  static QColor colour(const QPalette& palette);

 private:
  void mark(std::size_t field, const QString& text);

  const Panel& panel_;
  std::span<QLineEdit* const> inputs_;
  std::vector<QString> tooltips_, descriptions_;  // the fields' own
  std::vector<QWidget*> frames_;                  // made when first needed
};

}  // namespace quorvel::ui
