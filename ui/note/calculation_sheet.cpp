#include "note/calculation_sheet.h"

#include <QAbstractTextDocumentLayout>
#include <QLibrary>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "note/run_drawing.h"
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

// The sheet's type sizes, in points: read at arm's length.
constexpr double kBodyPt = 9.5, kCaptionPt = 9, kHeadingPt = 11.5, kTitlePt = 15;

// A document laid out for the painter's device, `width` wide, in the body's type.
void set_up(QTextDocument& document, const QString& html, QPainter& painter, double width) {
  document.documentLayout()->setPaintDevice(painter.device());
  QFont font = painter.font();
  font.setPointSizeF(kBodyPt);
  document.setDefaultFont(font);
  document.setDocumentMargin(0);
  QTextOption wrap = document.defaultTextOption();
  wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);  // a long text entered breaks, never widens the page
  document.setDefaultTextOption(wrap);
  document.setDefaultStyleSheet(
      QString("th { text-align: left; } h3 { font-size: %1pt; } h4 { font-size: %2pt; "
              "margin-top: 10px; margin-bottom: 4px; } p { margin-top: 2px; margin-bottom: 2px; }")
          .arg(kTitlePt)
          .arg(kHeadingPt));
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

int CalculationSheet::paint(QPainter& painter, const QRectF& page, int index) const {
  const double per_mm = painter.device()->logicalDpiY() / 25.4;
  painter.save();
  painter.setFont(font_drawing(painter.font(), symbol_texts(panel_)));

  // The title block: a caption over each entry; the blank entries are two
  // lines high, for writing in. The same on every page, with its number.
  const auto entry = [](const QString& caption, const QString& value, const QString& attributes = {}) {
    return "<td " + attributes + QString(R"(><span style="font-size: %1pt; color: #444444">)").arg(kCaptionPt) +
           caption.toHtmlEscaped() + "</span><br>" + value + "</td>";
  };
  const auto value = [](const QString& text) { return text.isEmpty() ? "&nbsp;<br>&nbsp;" : text.toHtmlEscaped(); };
  const TitleBlock& t = note_.title;
  const auto by = [&](const QString& caption, const QString& text) {
    return entry(caption, value(text), R"(width="25%")");
  };
  const auto title_block = [&](int pages) {
    return R"(<table width="100%" border="1" cellspacing="0" cellpadding="4" style="border-collapse: collapse"><tr>)" +
           QString(R"(<td colspan="2"><span style="font-size: %1pt"><b>)").arg(kTitlePt) +
           tr("Calculation sheet").toHtmlEscaped() + "</b></span><br>" + note_.program.toHtmlEscaped() + "</td>" +
           entry(tr("Configuration"), "<b>" + note_.configuration.toHtmlEscaped() + "</b>") +
           entry(tr("Date"), note_.date.toHtmlEscaped()) + "</tr><tr>" +
           entry(TitleBlock::tr("Project"), value(t.project)) + entry(TitleBlock::tr("Line"), value(t.line)) +
           entry(TitleBlock::tr("Calculation no."), value(t.calculation_no)) +
           entry(tr("Sheet"), tr("%1 / %2").arg(index + 1).arg(pages)) + "</tr><tr>" +
           by(TitleBlock::tr("Prepared by"), t.prepared_by) + by(TitleBlock::tr("Checked by"), t.checked_by) +
           by(TitleBlock::tr("Approved by"), t.approved_by) + by(TitleBlock::tr("Revision"), t.revision) +
           "</tr></table>";
  };
  QTextDocument block;
  set_up(block, title_block(1), painter, page.width());
  const double top = block.size().height() + 3 * per_mm;

  // The note below the title block, page after page; on the first page its
  // start is held clear for the drawing.
  const double drawing_height = 78 * per_mm;
  const double body_height = page.height() - top;
  QTextDocument body;
  QImage clear(1, 1, QImage::Format_ARGB32);
  clear.fill(Qt::transparent);
  body.addResource(QTextDocument::ImageResource, QUrl("quorvel:drawing"), clear);
  const double to_pixels = 96.0 / painter.device()->logicalDpiY();  // an image's size is taken at 96 dpi
  QString html = note_.html(CalculationNote::HtmlFor::sheet);
  html.replace("<body>\n", QString(R"(<body><p><img src="quorvel:drawing" width="%1" height="%2"></p>)")
                               .arg(std::floor(page.width() * to_pixels))
                               .arg(std::floor(drawing_height * to_pixels)));
  set_up(body, html, painter, page.width());
  body.setPageSize(QSizeF(page.width(), body_height));
  const int pages = std::max(1, body.pageCount());

  painter.translate(page.topLeft());
  set_up(block, title_block(pages), painter, page.width());
  block.drawContents(&painter);

  if (index == 0) {
    const QRectF box(0, top, page.width(), drawing_height - 4 * per_mm);
    QFont font = painter.font();
    font.setPointSizeF(kCaptionPt);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 0.2 * per_mm));
    painter.drawRect(box);
    if (note_.drawing && note_.drawing->drawable()) {
      draw_run(painter, box, *note_.drawing, per_mm);
    } else {
      // No geometry to draw: the panel's schematic, as large as its box allows.
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
    }
  }
  painter.translate(0, top - index * body_height);
  body.drawContents(&painter, QRectF(0, index * body_height, page.width(), body_height));
  painter.restore();
  return pages;
}

QString CalculationSheet::print(QWidget* parent, const QString& pdf_file) const {
  QString error;
  const PrintSheet print_sheet = print_module(error);
  if (!print_sheet) return tr("Printing is not available: %1").arg(error);
  const bool printed = print_sheet(parent, title(), pdf_file, [this](QPainter& painter, const QRectF& page, int index) {
    return paint(painter, page, index);
  });
  return printed ? QString() : tr("The sheet could not be printed.");
}

}  // namespace quorvel::ui
