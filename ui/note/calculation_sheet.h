#pragma once

#include <QCoreApplication>
#include <QRectF>
#include <QString>

#include "note/calculation_note.h"

class QPainter;
class QWidget;

namespace quorvel::ui {

// An A4 calculation sheet of a panel's run, read at arm's length: on every
// page a title block (program, configuration, date, sheet number, and the
// note's TitleBlock: project, line, calculation no., revision, prepared,
// checked and approved by, two empty lines where nothing was entered); on the
// first a drawing of the run to scale from its own geometry (the panel's
// schematic where the run has none); then the note over the page's width, its
// verdicts and the checks of the inputs first, on a second page when it needs
// one.
class CalculationSheet {
  Q_DECLARE_TR_FUNCTIONS(CalculationSheet)

 public:
  CalculationSheet(const Panel& panel, CalculationNote note);

  // Paints page `index` (from 0) of the sheet into `page`, the printable
  // area in the painter's coordinates, and gives how many pages the sheet has.
  int paint(QPainter& painter, const QRectF& page, int index = 0) const;

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
