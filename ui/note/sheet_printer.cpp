// The print module: see sheet_printer.h.
#include "sheet_printer.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT bool quorvel_print_sheet(QWidget* parent, const QString& title, const QString& pdf_file,
                                                  const quorvel::ui::SheetPainter& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(title);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
  if (!pdf_file.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf_file);
  } else {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return true;  // nothing to print, nothing failed
  }
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
  for (int index = 0, pages = 1; index < pages; ++index) {
    if (index > 0 && !printer.newPage()) return false;
    pages = paint(painter, page, index);
  }
  return painter.end();
}

// The loader resolves the entry point by name; this keeps its type in step.
[[maybe_unused]] static constexpr quorvel::ui::PrintSheet kChecked = &quorvel_print_sheet;
