#include "note/calculation_sheet.h"

#include <QAbstractTextDocumentLayout>
#include <QLibrary>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>
#include <stdexcept>

#include "note/sheet_printer.h"
#include "quorvel/panels/display.h"
#include "window/font_config.h"
#include "window/layout.h"
#include "window/schematic.h"
#include "window/text_of.h"

namespace quorvel::ui {
namespace {

const PanelLayout& layout_of(const Panel& panel) {
  const auto all = panels();
  const auto at = std::find(all.begin(), all.end(), &panel);
  if (at == all.end()) throw std::invalid_argument("no such panel");
  return panel_layouts()[static_cast<std::size_t>(at - all.begin())];
}

// The symbols and units the sheet shows, which its font must draw; the
// entered texts are the user's.
QStringList symbol_texts(const Panel& panel) {
  QStringList texts;
  for (const InputField& field : panel.inputs) texts << text_of(field.symbol) << text_of(field.unit);
  for (const ResultField& field : panel.results)
    texts << text_of(field.symbol) << text_of(field.unit) << text_of(si_unit(field.display));
  for (const SymbolPlace& symbol : layout_of(panel).symbols) texts << text_of(symbol.text);
  return texts;
}

// A document laid out for the painter's device, `width` wide, in 10 pt type.
void set_up(QTextDocument& document, const QString& html, QPainter& painter, double width) {
  document.documentLayout()->setPaintDevice(painter.device());
  QFont font = painter.font();
  font.setPointSizeF(10);
  document.setDefaultFont(font);
  document.setDocumentMargin(0);
  document.setDefaultStyleSheet("th { text-align: left; } h4 { margin-top: 8px; margin-bottom: 3px; }");
  document.setHtml(html);
  document.setTextWidth(width);
}

// Where the print module may be: beside the program, where it is installed
// relative to the program, and where it was built.
QStringList module_places() {
  const QString program = QCoreApplication::applicationDirPath();
  return {program, program + "/" QUORVEL_PRINT_MODULE_FROM_PROGRAM, QStringLiteral(QUORVEL_PRINT_MODULE_BUILT)};
}

// The print module's entry point, loaded once; null when it cannot be loaded.
PrintSheet print_module(QString& error) {
  static QString load_error;
  static const PrintSheet entry = [] {
    for (const QString& place : module_places()) {
      QLibrary module(place + "/" QUORVEL_PRINT_MODULE);
      if (!module.load()) {
        load_error = module.errorString();
        continue;
      }
      if (auto found = reinterpret_cast<PrintSheet>(module.resolve(print_sheet_symbol))) return found;
      load_error = module.errorString();
    }
    return PrintSheet{};
  }();
  error = load_error;
  return entry;
}

}  // namespace

CalculationSheet::CalculationSheet(const Panel& panel, CalculationNote note) : panel_(panel), note_(std::move(note)) {}

QString CalculationSheet::title() const {
  return tr("Calculation sheet – %1").arg(note_.configuration);
}

void CalculationSheet::paint(QPainter& painter, const QRectF& page) const {
  const double per_mm = painter.device()->logicalDpiY() / 25.4;
  painter.save();
  painter.setFont(font_drawing(painter.font(), symbol_texts(panel_)));

  // The title block: a small caption over each entry; the blank entries are
  // two lines high, for writing in.
  const auto entry = [](const QString& caption, const QString& value, const QString& attributes = {}) {
    return "<td " + attributes + R"(><span style="font-size: 7pt; color: #555555">)" + caption.toHtmlEscaped() +
           "</span><br>" + value + "</td>";
  };
  // Each entry of the title block as entered, or two lines high for writing in.
  const auto value = [](const QString& text) { return text.isEmpty() ? "&nbsp;<br>&nbsp;" : text.toHtmlEscaped(); };
  const TitleBlock& t = note_.title;
  const auto by = [&](const QString& caption, const QString& text) {
    return entry(caption, value(text), R"(width="33%")");
  };
  const QString title_block =
      R"(<table width="100%" border="1" cellspacing="0" cellpadding="5" style="border-collapse: collapse"><tr>)"
      R"(<td colspan="2"><span style="font-size: 14pt"><b>)" +
      tr("Calculation sheet").toHtmlEscaped() + "</b></span><br>" + note_.program.toHtmlEscaped() + "</td>" +
      entry(tr("Date"), note_.date.toHtmlEscaped()) + "</tr><tr>" +
      entry(tr("Configuration"), "<b>" + note_.configuration.toHtmlEscaped() + "</b>", R"(colspan="2")") +
      entry(tr("Sheet"), "1 / 1") + "</tr><tr>" + entry(TitleBlock::tr("Project"), value(t.project)) +
      entry(TitleBlock::tr("Line"), value(t.line)) + entry(TitleBlock::tr("Calculation no."), value(t.calculation_no)) +
      "</tr><tr>" + by(TitleBlock::tr("Prepared by"), t.prepared_by) + by(TitleBlock::tr("Checked by"), t.checked_by) +
      by(TitleBlock::tr("Approved by"), t.approved_by) + "</tr><tr>" +
      entry(TitleBlock::tr("Revision"), value(t.revision), R"(colspan="3")") + "</tr></table>";
  QTextDocument block;
  set_up(block, title_block, painter, page.width());
  painter.translate(page.topLeft());
  block.drawContents(&painter);
  double top = block.size().height() + 4 * per_mm;

  // The schematic, as large as its box allows, its symbols in proportion.
  const QRectF box(0, top, page.width(), 55 * per_mm);
  QFont font = painter.font();
  font.setPointSizeF(7);
  painter.setFont(font);
  painter.setPen(QPen(Qt::black, 0.2 * per_mm));
  painter.drawRect(box);
  painter.drawText(box.adjusted(2 * per_mm, 1.5 * per_mm, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                   tr("Schematic, not to scale"));
  const QRectF inner = box.adjusted(12 * per_mm, 8 * per_mm, -12 * per_mm, -5 * per_mm);
  const QRect extent = schematic_extent(layout_of(panel_));
  const double twips_per_unit = std::max(extent.width() / inner.width(), extent.height() / inner.height());
  painter.save();
  painter.translate(inner.center() - QPointF(extent.width(), extent.height()) / (2 * twips_per_unit));
  painter.setPen(QPen(Qt::black, 0.3 * per_mm));
  font.setPixelSize(std::max(1, static_cast<int>(180 / twips_per_unit)));  // the window's 12-pixel type
  painter.setFont(font);
  draw_schematic(painter, layout_of(panel_), twips_per_unit, extent.topLeft(), true);
  painter.restore();
  top = box.bottom() + 2 * per_mm;

  // The note's tables, verdict and assumptions, shrunk to the page if need be
  // (very long input texts).
  QTextDocument body;
  set_up(body, note_.html(CalculationNote::HtmlFor::sheet), painter, page.width());
  const QSizeF size = body.size();
  const double scale = std::min({1.0, (page.height() - top) / size.height(), page.width() / size.width()});
  painter.translate(0, top);
  painter.scale(scale, scale);
  body.drawContents(&painter);
  painter.restore();
}

QString CalculationSheet::print(QWidget* parent, const QString& pdf_file) const {
  QString error;
  const PrintSheet print_sheet = print_module(error);
  if (!print_sheet) return tr("Printing is not available: %1").arg(error);
  const bool printed =
      print_sheet(parent, title(), pdf_file, [this](QPainter& painter, const QRectF& page) { paint(painter, page); });
  return printed ? QString() : tr("The sheet could not be printed.");
}

}  // namespace quorvel::ui
