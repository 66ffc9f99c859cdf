#include "window/schematic.h"

#include <QPainter>

#include "window/layout.h"
#include "window/text_of.h"

namespace quorvel::ui {
namespace {

// Divided, not multiplied by a reciprocal: the window's twips, all multiples
// of 15, land on whole pixels exactly.
QPointF mapped(int x, int y, double twips_per_unit, QPoint origin) {
  return {(x - origin.x()) / twips_per_unit, (y - origin.y()) / twips_per_unit};
}

void draw_lines(QPainter& painter, std::span<const LinePlace> lines, double twips_per_unit, QPoint origin) {
  for (const LinePlace& l : lines)
    painter.drawLine(mapped(l.x1, l.y1, twips_per_unit, origin), mapped(l.x2, l.y2, twips_per_unit, origin));
}

}  // namespace

void draw_schematic(QPainter& painter, const PanelLayout& layout, double twips_per_unit, QPoint origin, bool symbols) {
  draw_lines(painter, layout.lines, twips_per_unit, origin);
  if (!symbols) return;
  for (const SymbolPlace& s : layout.symbols) {
    const QRectF box(mapped(s.left, s.top, twips_per_unit, origin),
                     mapped(s.left + s.width, s.top + s.height, twips_per_unit, origin));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text_of(s.text));
  }
}

QRect schematic_extent(const PanelLayout& layout) {
  QRect extent;
  for (const LinePlace& l : layout.lines) extent |= QRect(QPoint(l.x1, l.y1), QPoint(l.x2, l.y2)).normalized();
  for (const SymbolPlace& s : layout.symbols) extent |= QRect(s.left, s.top, s.width, s.height);
  return extent;
}

Schematic::Schematic(QWidget* parent) : QWidget(parent) {
  setObjectName("Schematic");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  QRect extent;
  for (const LinePlace& line : line_places())
    extent |= QRect(QPoint(to_pixels(line.x1), to_pixels(line.y1)), QPoint(to_pixels(line.x2), to_pixels(line.y2)))
                  .normalized();
  setGeometry(0, 0, extent.right() + 1, extent.bottom() + 1);
}

void Schematic::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // One device-independent pixel wide, solid, in the default foreground colour.
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  for (const PanelLayout& layout : panel_layouts()) draw_schematic(painter, layout, twips_per_pixel);
  draw_lines(painter, separator_places(), twips_per_pixel, {});
}

}  // namespace quorvel::ui
