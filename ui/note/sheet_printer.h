#pragma once

// The entry point of the print module (quorvel_print), which alone links Qt's
// print support: the program loads it the first time a sheet is printed, so
// that start-up does not load print support at all.

#include <QRectF>
#include <QString>
#include <functional>

class QPainter;
class QWidget;

namespace quorvel::ui {

// Paints page `index` (from 0) of the sheet and gives how many pages it has;
// `page` is the printable area in the painter's coordinates.
using SheetPainter = std::function<int(QPainter& painter, const QRectF& page, int index)>;

// Prints the A4 pages painted by `paint`: into the PDF file `pdf_file` when it
// is not empty, else on what the user picks in the platform's print dialog.
// Returns false when the printer could not be used; a cancelled dialog is no
// failure.
using PrintSheet = bool (*)(QWidget* parent, const QString& title, const QString& pdf_file, const SheetPainter& paint);
inline constexpr char print_sheet_symbol[] = "quorvel_print_sheet";

}  // namespace quorvel::ui
