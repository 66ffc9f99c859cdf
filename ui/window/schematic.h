#pragma once

#include <QRect>
#include <QWidget>

class QPainter;

namespace quorvel::ui {

struct PanelLayout;

// Draws a panel's schematic with the painter's pen and font: its lines and,
// with `symbols`, the symbols that name its legs and angles, each left-aligned
// and centred in its box as a label shows it. A point of the layout at (x, y)
// twips is drawn at ((x, y) - origin) / twips_per_unit in the painter's
// coordinates; the window draws at 15 twips a pixel, the calculation sheet at
// whatever scale fits its page.
void draw_schematic(QPainter& painter, const PanelLayout& layout, double twips_per_unit, QPoint origin = {},
                    bool symbols = false);

// The rectangle in twips that the panel's lines and symbol boxes cover.
QRect schematic_extent(const PanelLayout& layout);

// The fixed line drawings of the three configurations and the two panel
// separators, painted on a transparent layer under every other control. The
// symbols of the drawings are labels of their own, above this layer. It never
// changes after start-up.
class Schematic final : public QWidget {
 public:
  explicit Schematic(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvel::ui
