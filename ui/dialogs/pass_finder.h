#pragma once

#include <QDialog>
#include <QLocale>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "quorvel/analyses/walk.h"
#include "quorvel/panels/panels.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel::ui {

class PanelView;

// The governing ratio over a walk, drawn small: a scale of ratios on the
// left, the limit 1 as a dashed line, the current value as a vertical one,
// failed values as gaps, and a legend naming the lines.
class RatioChart final : public QWidget {
 public:
  RatioChart(const QLocale& locale, QWidget* parent);
  // NaN: a failed value. `with_elbows`, when not empty, is drawn dashed beside.
  void set(std::vector<double> values, std::vector<double> ratios, std::vector<double> with_elbows, double current);
  // The legend's names of the line with sharp corners and of the one with elbows.
  void set_names(const QString& sharp, const QString& elbows);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QLocale locale_;
  std::vector<double> values_, ratios_, with_elbows_;
  double current_ = 0;
  QString sharp_name_, elbows_name_;
};

// "Find where L2 passes…": for one input field of a panel (or the loop's
// height H or width W, quorvel::walked), with the panel's other current
// inputs, every stretch of a range at which the run passes, the passing value
// nearest to the current one with a button that takes it, and the chart of
// the governing ratio. The range is the field's search range
// (quorvel::search_walk) until the user edits it. Not modal; follows the
// panel's inputs while shown; Esc closes it.
//
// With the panel's elbows (PanelView::elbows), the same answer with elbows
// stands beside it, from the same walk, judged by the run with elbows, with a
// button of its own. The first answer and the chart judge as quorvel-batch's
// walks do (quorvel/analyses/judged.h): once a code is chosen
// (PanelView::code) by the code check, on the guided frame when the panel
// has guides; else, with the panel's guides (PanelView::guides), by the run
// with them and the panel's elbows, from its installation temperature; else
// with sharp corners. The answer with elbows beside stays without guides.
class PassFinder final : public QDialog {
  Q_OBJECT

 public:
  // Writes the run's input texts at the chosen value into the panel and computes.
  using Take = std::function<void(const std::vector<std::string>& inputs)>;

  PassFinder(QWidget* window, const PanelView& panel, std::string symbol, const QLocale& locale, Take take);

  // The range walked and what judges it.
  QString range_text() const;
  QString stretches_text() const;
  QString elbows_text() const;
  QPushButton* take_button() const { return take_; }
  QPushButton* take_elbows_button() const { return take_elbows_; }
  // FROM, TO and STEP of the range walked.
  const std::array<QLineEdit*, 3>& range_edits() const { return range_edits_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void refresh();
  std::optional<Walk> edited_walk() const;
  QString with_unit(const Decimal& value) const;
  // The panel's inputs with the walk at `value`.
  std::vector<std::string> inputs_at(const Decimal& value) const;

  const PanelView& panel_;
  std::string symbol_;
  Walked walked_;
  std::string decimal_point_;
  Take take_value_;
  QTimer later_;  // one refresh for a burst of edits
  std::array<QLineEdit*, 3> range_edits_{};
  bool range_edited_ = false;  // the user's range, kept; else the search range
  QLabel* range_;
  QLabel* stretches_;
  QLabel* negative_;
  QLabel* with_elbows_;
  QLabel* nearest_;
  QPushButton* take_;
  QPushButton* take_elbows_;
  RatioChart* chart_;
  std::optional<Decimal> nearest_value_, elbows_value_;
  Decimal step_;
};

}  // namespace quorvel::ui
