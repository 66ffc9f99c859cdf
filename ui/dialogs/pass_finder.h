#pragma once

#include <QDialog>
#include <QLocale>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "quorvel/analyses/walk.h"
#include "quorvel/panels/panels.h"

class QLabel;
class QPushButton;

namespace quorvel::ui {

class PanelView;

// The governing ratio over a walk, drawn small: the limit 1 as a dashed
// line, the current value as a vertical one, failed values as gaps.
class RatioChart final : public QWidget {
 public:
  RatioChart(const QLocale& locale, QWidget* parent);
  // NaN: a failed value. `with_elbows`, when not empty, is drawn dashed beside.
  void set(std::vector<double> values, std::vector<double> ratios, std::vector<double> with_elbows, double current);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QLocale locale_;
  std::vector<double> values_, ratios_, with_elbows_;
  double current_ = 0;
};

// "Find where L2 passes…": for one input field of a panel, with the panel's
// other current inputs, every stretch of the field's search range
// (quorvel::search_walk) at which the run passes, the passing value nearest
// to the current one with a button that takes it, and the chart of the
// governing ratio. Not modal; follows the panel's inputs while shown; Esc
// closes it.
//
// With the panel's elbows (PanelView::elbows), the same answer with elbows
// stands beside it, from the same walk, judged by the run with elbows. Once a
// code is chosen (PanelView::code) the first answer and the chart are the
// code check's.
class PassFinder final : public QDialog {
  Q_OBJECT

 public:
  using Take = std::function<void(const QString& text)>;  // writes the value into the field and computes

  PassFinder(QWidget* window, const PanelView& panel, std::size_t field, const QLocale& locale, Take take);

  QString stretches_text() const;
  QString elbows_text() const;
  QPushButton* take_button() const { return take_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void refresh();
  QString with_unit(const Decimal& value) const;

  const PanelView& panel_;
  std::size_t field_;
  std::string decimal_point_;
  Take take_value_;
  QTimer later_;  // one refresh for a burst of edits
  QLabel* range_;
  QLabel* stretches_;
  QLabel* with_elbows_;
  QLabel* nearest_;
  QPushButton* take_;
  RatioChart* chart_;
  QString nearest_text_;
};

}  // namespace quorvel::ui
