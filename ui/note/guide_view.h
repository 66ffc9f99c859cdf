#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <string>

#include "quorvel/analyses/friction.h"
#include "quorvel/analyses/guides.h"
#include "quorvel/panels/panel.h"

namespace quorvel::ui {

// A panel's guides on its anchor legs (quorvel/analyses/guides.h) and the
// friction of its supports, as "Guides…" sets them: off (g = 0) until the
// user sets a distance; kept while the program runs, never stored.
struct GuideSettings {
  double g = 0;               // m from each bend's corner point; 0: no guides
  double w = 0;               // N/m of pipe, contents and insulation; 0: no friction
  double mu = kSteelOnSteel;  // the supports' friction coefficient
  bool on() const { return g > 0; }
};

// The window's words for a guided run.
struct GuideTexts {
  Q_DECLARE_TR_FUNCTIONS(GuideTexts)

 public:
  // "guides 3 m from the bends"
  static QString name(double g, const std::string& decimal_point);
  // A result field's tooltip line: "with guides 3 m from the bends: 285.7 kgm".
  static QString tooltip(const Panel& panel, const GuidedRun& run, std::size_t index, double g,
                         const std::string& decimal_point);
};

}  // namespace quorvel::ui
