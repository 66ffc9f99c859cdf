#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "quorvel/analyses/code_check.h"
#include "quorvel/analyses/material.h"
#include "quorvel/panels/panels.h"

namespace quorvel::ui {

// The code's check of a run (quorvel/analyses/code_check.h) in the window's
// words: what its window shows and what leads a calculation note once a code
// is chosen. `panel_times_D` is the panel's elbow choice, 0 for sharp corners
// only, under which the check takes long-radius elbows and says so.
struct CodeSection {
  Q_DECLARE_TR_FUNCTIONS(CodeSection)

 public:
  QString title;               // "Code check: ASME B31.3-2018"
  QString unavailable;         // why there is no answer; empty when there is one
  bool missing_value = false;  // no answer for want of a material's value, which the user may give
  QString governing;           // "0.412", the governing SE/SA
  QString place;               // where it governs
  bool passes = false;
  QString verdict;                  // "passes the code check"
  QStringList basis;                // SA with its formula and values, the material's values and sources, the range
  std::vector<QStringList> points;  // place, M kN·m, i, SE MPa, SA MPa, SE/SA
  QStringList loads;                // hot, then cold
  QString screen;                   // 319.4.1
  QString cautions;                 // empty when there are none

  static CodeSection of(const Panel& panel, const Values& run, const CodeSettings& settings, double panel_times_D,
                        const std::string& decimal_point);
  static QStringList point_headings();
  // "The panel's check: [S] = 80 MPa, sharp corners, growth from 0 ℃": the
  // name of the specified check that follows the code's in a note.
  static QString panel_check(const Material& material, double T, const std::string& decimal_point);

  QString plain_text() const;
  QString html() const;
};

}  // namespace quorvel::ui
