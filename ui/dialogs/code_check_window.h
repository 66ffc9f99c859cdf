#pragma once

#include <QAction>
#include <QDialog>
#include <QList>
#include <QLocale>
#include <QObject>
#include <functional>
#include <map>
#include <string>

#include "quorvel/analyses/code_check.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace quorvel::ui {

class PanelView;

// "Code check…" of a panel: the code's own check of the displacement stress
// range (quorvel/analyses/code_check.h) beside the panel's specified one.
// Its settings are the panel's (PanelView::code, installed_at, elbows), kept
// until the program ends: the code, the material or the user's own values,
// T0, Tmin, N, SL, C and the elbow radius. Below them, per point the moment,
// i, SE, SA and SE/SA, the governing ratio with the verdict, the anchor
// loads, the 319.4.1 screen and the cautions, all of the panel's last
// Compute; an edited input of the panel or of this window marks them as
// stale until the next one. Not modal; Esc closes it.
class CodeCheckWindow final : public QDialog {
  Q_OBJECT

 public:
  using Compute = std::function<void(PanelView&)>;  // MainWindow::compute

  CodeCheckWindow(QWidget* window, PanelView& panel, const QLocale& locale, Compute compute);

  // What the window shows, for the tests and the screen readers alike.
  QString governing_text() const;
  QString verdict_text() const;
  QString results_text() const;  // the table, the loads, the screen and the cautions
  bool stale() const { return stale_; }

  // The field of a setting by its object name ("Ea", "T0", "N"…), the code and
  // material choices and the elbows' by theirs ("code", "material", "elbows").
  QLineEdit* setting(const char* name) const;
  QComboBox* choice(const char* name) const;

 private:
  void show_settings();  // the panel's settings into the fields
  void take_settings();  // the fields into the panel's settings
  void refresh();        // the panel's last run, checked
  void set_stale(bool stale);
  void show_problems();  // the fields not taken, or why there is nothing to check

  PanelView& panel_;
  QLocale locale_;
  std::string decimal_point_;
  Compute compute_;
  bool showing_ = false;  // show_settings() is writing the fields
  bool stale_ = false;
  QComboBox *code_, *material_, *elbows_;
  std::map<std::string, QLineEdit*> fields_;
  QLabel* problems_;
  QString not_taken_;
  QWidget* answer_;
  QLabel *basis_, *governing_, *verdict_, *loads_, *screen_, *cautions_, *stale_note_;
  QTableWidget* points_;
};

// Makes each panel's "Code check…" action; the window of a panel is made the
// first time it is asked for, and then reused.
class CodeChecks final : public QObject {
  Q_OBJECT

 public:
  CodeChecks(QWidget* window, const QLocale& locale, CodeCheckWindow::Compute compute);

  QList<QAction*> add_panel(PanelView& panel);
  CodeCheckWindow& window_of(PanelView& panel);
  bool made(const PanelView& panel) const { return windows_.contains(&panel); }

 private:
  QWidget* window_;
  QLocale locale_;
  CodeCheckWindow::Compute compute_;
  std::map<const PanelView*, CodeCheckWindow*> windows_;
};

}  // namespace quorvel::ui
