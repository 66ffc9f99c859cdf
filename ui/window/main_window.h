#pragma once

#include <QLocale>
#include <QWidget>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/panels/panels.h"
#include "window/message_sink.h"

namespace quorvel::ui {

class PanelView;
struct PanelLayout;

// The one window: three panels of fields side by side, each with its
// schematic, a Compute and an Exit button. Every control stands at a fixed
// place (layout.h); nothing is laid out at run time. The window places each
// panel's controls and wires its buttons; the panel's state is its
// PanelView.
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

  // The panels, in the order of quorvel::panels().
  std::span<PanelView* const> panel_views() const { return panels_; }

  // What a press of the panel's Compute button does.
  void compute(PanelView& panel);

  void set_calculation(Calculation calculation);

 private:
  class LabelPlacer;
  PanelView* add_panel(const Panel& panel, const PanelLayout& layout, LabelPlacer& labels);
  void set_focus_order();

  QLocale locale_;
  std::string decimal_point_;
  std::unique_ptr<MessageSink> sink_;
  Calculation calculation_;
  int next_label_ = 0;  // next member of Label2
  std::vector<PanelView*> panels_;
};

}  // namespace quorvel::ui
