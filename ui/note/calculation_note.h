#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "note/code_note.h"
#include "note/guide_view.h"
#include "note/review_note.h"
#include "note/run_drawing.h"
#include "quorvel/analyses/installation.h"
#include "quorvel/analyses/material.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/panels.h"

namespace quorvel::ui {

// The record of one run of a panel, as an engineer files it: what was
// entered, what came out (also in SI units), whether it passes, on what
// assumptions, and the row that runs it again with quorvel-batch.
struct CalculationNote {
  Q_DECLARE_TR_FUNCTIONS(CalculationNote)

 public:
  struct Row {
    QString symbol, text, unit;  // as entered, or as shown
    QString si, si_unit;         // results only: the shown value in kN, kN·m or MPa
  };

  QString configuration, date, program;  // program: name and version
  std::vector<Row> inputs, results;      // no results when the calculation failed
  QString failure;                       // how it failed, as the message box says; empty when it ran through
  QString governing;                     // the highest unrounded stress ratio and where it occurs
  QString verdict;
  bool exceeds = false;      // a stress above the allowable stress
  bool stale = false;        // the window shows results of other inputs
  QStringList input_checks;  // the checks of the inputs that fail (quorvel/analyses/validity.h)
  QStringList assumptions;
  QString batch_command;  // "quorvel-batch", with --decimal-comma where the locale needs it
  QString batch_row;      // the run as quorvel-batch's input row
  // The same run with elbows beside the sharp corners (quorvel/analyses/elbows.h).
  struct Elbows {
    QString title;
    QStringList before;        // the factors, or why there is no answer
    std::vector<Row> results;  // as the panel's results, with elbows
    QStringList after;         // governing ratio, verdict, and how it differs from the one above
    QString verdict;           // the verdict alone; empty without an answer
  };
  std::optional<Elbows> elbows;
  // The run with guides on its anchor legs, in the same form; none without guides.
  std::optional<Elbows> guides;
  // The verdicts of the runs beside the panel's, one line each: "Installed
  // at 20 ℃: within the allowable stress (…)".
  QStringList other_verdicts;
  std::optional<RunDrawing> drawing;  // the run's geometry for the sheet; none when the calculation failed
  ReviewSections checks;              // installation, movements, cross-check; empty when the calculation failed
  // The code's check, which leads the note once a code is chosen, and the
  // name of the panel's own check that then follows it.
  std::optional<CodeSection> code;
  QString panel_check;
  TitleBlock title;  // as entered before printing; the note carries the filled entries

  QString plain_text() const;
  static QString stale_text();
  // An HTML document whose tables paste as tables. For the calculation
  // sheet it leaves out the heading, which the sheet's title block gives.
  enum class HtmlFor { clipboard, sheet };
  QString html(HtmlFor use = HtmlFor::clipboard) const;
};

// How a note is taken beside the sharp-corner frame: the pipe installed at
// `installed_at` ℃, elbows of R = elbows_times_D·D unless that is 0, the
// material the analyses beside the panel take, and the guides when on.
struct NoteOptions {
  double installed_at = kInstalledAt;
  double elbows_times_D = 0;
  const Material* material = &carbon_steel();
  std::optional<CodeSettings> code = std::nullopt;  // the code check chosen, with T0 and its elbows
  GuideSettings guides{};
};

// The note of a panel's run with these input texts, computed afresh; numbers
// are read and written with the locale's decimal separator.
CalculationNote calculation_note(const Panel& panel, std::span<const std::string> inputs, const QLocale& locale,
                                 const QDateTime& when, const NoteOptions& options = {});

// The settings a note was taken with, read back from the headings of its
// installation and elbow sections, written in the window's language with
// numbers in `decimal_point`: none when it has no installation heading (a
// failed run, or a note in another language). No elbow section: sharp
// corners only.
std::optional<NoteOptions> note_options(const QString& text, const std::string& decimal_point);

// "Quorvel 0.1.0"
QString program_name_and_version();

}  // namespace quorvel::ui
