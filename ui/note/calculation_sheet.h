#pragma once

#include <QCoreApplication>
#include <QRectF>
#include <QString>

#include "note/calculation_note.h"

class QPainter;
class QWidget;

namespace quorvel::ui {

// A one-page A4 calculation sheet of a panel's run: a title block (program,
// configuration, date, and the note's TitleBlock: project, line, calculation
// no., revision, prepared, checked and approved by, two empty lines where
// nothing was entered), the panel's schematic drawn as vectors by the window's own
// drawing code, and the note's tables, verdict and assumptions.
class CalculationSheet {
  Q_DECLARE_TR_FUNCTIONS(CalculationSheet)

 public:
  CalculationSheet(const Panel& panel, CalculationNote note);

  // Paints the sheet into `page`, the printable area in the painter's
  // coordinates; whatever the page size, it stays on one page.
  void paint(QPainter& painter, const QRectF& page) const;

  // Prints the sheet: into the PDF file `pdf_file` when it is given, else
  // through the platform's print dialog. Print support is loaded here, the
  // first time. Returns an error text when printing is not available; a
  // cancelled dialog is no error.
  QString print(QWidget* parent, const QString& pdf_file = {}) const;

  QString title() const;
  const CalculationNote& note() const { return note_; }

 private:
  const Panel& panel_;
  CalculationNote note_;
};

}  // namespace quorvel::ui
