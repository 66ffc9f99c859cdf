#pragma once

// What a checker redoes before signing, as sections of the calculation note
// and sheet: the installation temperature, the movements of the bend points,
// the hand methods beside the exact frame, the section data; and the title
// block the sheet prints.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "quorvel/analyses/material.h"
#include "quorvel/panels/panel.h"

namespace quorvel::ui {

struct TitleBlock {
  Q_DECLARE_TR_FUNCTIONS(TitleBlock)

 public:
  QString project, line, calculation_no, revision, prepared_by, checked_by, approved_by;

  // Every entry with its caption, in the order of the form.
  std::vector<std::pair<QString, QString*>> entries();
  std::vector<std::pair<QString, QString>> all() const;
  std::vector<std::pair<QString, QString>> filled() const;  // the entries not empty
  QString plain_text() const;                               // "Project: …" lines of the filled entries
};

struct ReviewSections {
  Q_DECLARE_TR_FUNCTIONS(ReviewSections)

 public:
  struct Section {
    QString heading;
    QStringList lines;
    std::vector<QStringList> table;  // a header row first; empty for none
  };
  std::vector<Section> sections;

  QString plain_text() const;
  QString html() const;

  // What a section's numbers count from, as its heading names it: the panel's
  // own results from 0 ℃, everything beside them from the installation.
  static QString panel_basis();
  static QString installed_basis(double T0, std::string_view decimal_point);
  static QString headed(const QString& heading, const QString& basis);
};

// The sections for a run that computed: the installation from the panel's
// `run`, the movements and the cross-check from `basis`, the same run counted
// from `installed_at` ℃ (quorvel::counted_from; none where that is not
// defined), with the material's E, [S] and expansion; `invalid`, when not
// empty, stands for every verdict of a run whose inputs describe no pipe
// (VerdictTexts::invalid). With `guides` > 0 the movements are those of the
// run with its guides that far from the bends (sharp corners, as without).
ReviewSections review_sections(const Panel& panel, const Values& run, const std::optional<Values>& basis,
                               double installed_at, std::string_view decimal_point,
                               const Material& material = carbon_steel(), const QString& invalid = {},
                               double guides = 0);

// The section data, as lines of the note's assumptions.
QStringList section_assumptions(const Values& run, std::string_view decimal_point,
                                const Material& material = carbon_steel());

}  // namespace quorvel::ui
