#include "schematic.h"

#include <QPainter>

#include "layout.h"

namespace quorvel::ui {

Schematic::Schematic(QWidget* parent) : QWidget(parent) {
  setObjectName("Schematic");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  QRect extent;
  for (const LinePlace& line : line_places()) {
    lines_.emplace_back(to_pixels(line.x1), to_pixels(line.y1), to_pixels(line.x2), to_pixels(line.y2));
    extent |= QRect(lines_.back().p1(), lines_.back().p2()).normalized();
  }
  setGeometry(0, 0, extent.right() + 1, extent.bottom() + 1);
}

void Schematic::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // One device-independent pixel wide, solid, in the default foreground colour.
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.drawLines(lines_.data(), static_cast<int>(lines_.size()));
}

}  // namespace quorvel::ui
