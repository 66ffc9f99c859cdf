#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <cstddef>
#include <string>

#include "quorvel/analyses/elbows.h"
#include "quorvel/panels/panel.h"

class QMenu;

namespace quorvel::ui {

// Each panel's elbow radius as a multiple of D, long radius (1.5·D) until
// the user picks another in the panel's "Elbows" menu; kept while the
// program runs, never stored. 0: sharp corners only, no comparison.
class ElbowChoice final : public QObject {
  Q_OBJECT

 public:
  static constexpr double kChoices[] = {1, 1.5, 3, 5, 0};
  static constexpr double kDefault = 1.5;

  ElbowChoice(const std::string& decimal_point, QObject* parent) : QObject(parent), decimal_point_(decimal_point) {}

  double times_D() const { return chosen_; }
  void set_times_D(double times_D);
  // Adds the "Elbows" submenu, its choice checked, to `menu`.
  void add_menu(QMenu& menu);

 signals:
  void changed();

 private:
  std::string decimal_point_;
  double chosen_ = kDefault;
};

// The window's words for a run with elbows (quorvel/analyses/elbows.h).
struct ElbowTexts {
  Q_DECLARE_TR_FUNCTIONS(ElbowTexts)

 public:
  static QString menu_entry(double times_D, const std::string& decimal_point);
  static QString radius_text(double times_D, const std::string& decimal_point);  // "1.5·D"
  static QString radius_name(double times_D, const std::string& decimal_point);  // "long-radius elbows"
  // A result field's tooltip line: "with long-radius elbows: 0.29; k = 11.0, i = 3.18".
  static QString tooltip(const Panel& panel, const ElbowRun& run, std::size_t index, double times_D,
                         const std::string& decimal_point);
  // Joins the accessible description of a ratio that exceeds only with elbows.
  static QString exceeds(double times_D, const std::string& decimal_point);
  // Whether result `index` is a ratio at a bend above 1 with elbows.
  static bool exceeds_at_bend(const Panel& panel, const ElbowRun& run, std::size_t index);
};

}  // namespace quorvel::ui
