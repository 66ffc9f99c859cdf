#pragma once

#include <QLocale>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "message_sink.h"
#include "quorvel/panels.h"

class QLineEdit;

namespace quorvel::ui {
class ResultEdit;
}

namespace quorvel::ui {

class ElbowChoice;
struct PanelLayout;
class InputMarks;

// The one window: three panels of fields side by side, each with its
// schematic, a Compute and an Exit button. Every control stands at a fixed
// place (layout.h); nothing is laid out at run time.
class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  // The calculation behind the Compute buttons; quorvel::calculate unless a
  // test puts another in its place.
  using Calculation =
      std::function<Outcome(const Panel&, std::span<const std::string>, std::string_view, const Deliver&)>;

  // `locale` gives the decimal separator for reading and writing numbers;
  // `sink` is told about failed calculations (a message box when null).
  explicit MainWindow(const QLocale& locale = QLocale::system(), std::unique_ptr<MessageSink> sink = nullptr);
  ~MainWindow() override;

  // What a press of the panel's Compute button does.
  void compute(const Panel& panel);

  void set_calculation(Calculation calculation);

 private:
  class LabelPlacer;
  struct PanelControls {
    const Panel* panel;
    std::vector<QLineEdit*> inputs;    // in read order
    std::vector<ResultEdit*> results;  // in write order
    std::optional<Values> values;      // of the last run that ran through
    InputMarks* marks = nullptr;       // the checks of the inputs
  };
  void add_panel(const Panel& panel, const PanelLayout& layout, LabelPlacer& labels);
  void set_focus_order();
  PanelControls& controls_of(const Panel& panel);
  // The run with elbows of the panel's radius beside the shown results.
  void show_elbows(const Panel& panel);

  QLocale locale_;
  std::string decimal_point_;
  std::unique_ptr<MessageSink> sink_;
  Calculation calculation_;
  ElbowChoice* elbows_;
  int next_label_ = 0;  // next member of Label2
  std::vector<PanelControls> panels_;
};

}  // namespace quorvel::ui
