#pragma once

#include <QLine>
#include <QWidget>
#include <vector>

namespace quorvel::ui {

// The fixed line drawings of the three configurations and the two panel
// separators, painted on a transparent layer under every other control.
// It never changes after start-up.
class Schematic final : public QWidget {
 public:
  explicit Schematic(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<QLine> lines_;  // in pixels
};

}  // namespace quorvel::ui
