#pragma once

#include <QObject>
#include <QString>
#include <span>
#include <string>
#include <vector>

#include "note/guide_view.h"
#include "quorvel/analyses/code_check.h"
#include "quorvel/analyses/installation.h"
#include "quorvel/analyses/validity.h"
#include "quorvel/panels/panels.h"

class QLineEdit;
class QLocale;
class QPushButton;

namespace quorvel::ui {

class ElbowChoice;
class InputMarks;
class ResultEdit;
struct PanelLayout;

// One panel of the window: its fields and buttons, which the window makes and
// places; its last run; and its settings, which its results, notes and
// design answers follow. The window's other parts (note_actions.h,
// design_answers.h, pass_finder.h) take the panel as this object.
class PanelView final : public QObject {
  Q_OBJECT

 public:
  struct Controls {
    std::vector<QLineEdit*> inputs;    // in the panel's read order
    std::vector<ResultEdit*> results;  // in its write order
    QPushButton* compute;
    QPushButton* exit;
  };

  // The input fields' own tooltips and descriptions are set (input_marks.h).
  PanelView(const Panel& panel, const PanelLayout& layout, Controls controls, const QLocale& locale, QObject* parent);

  const Panel& panel() const { return panel_; }
  const PanelLayout& layout() const { return layout_; }
  std::span<QLineEdit* const> inputs() const { return controls_.inputs; }
  QLineEdit* input(std::size_t index) const { return controls_.inputs.at(index); }
  std::span<ResultEdit* const> results() const { return controls_.results; }
  QPushButton* compute_button() const { return controls_.compute; }
  QPushButton* exit_button() const { return controls_.exit; }

  // What the input fields hold, in read order.
  std::vector<std::string> input_texts() const;
  // Whether a shown result no longer belongs to the inputs.
  bool stale() const;

  // A run, step by step: the checks of its input texts, marked on the
  // fields; each result text as the calculation delivers it; the outcome,
  // greyed with the reason where the checks say the inputs describe no pipe.
  std::vector<InputCheck> check(std::span<const std::string> texts);
  void deliver(std::size_t index, const std::string& text);
  void show(const Outcome& outcome);
  // The values of the last run when it ran through; null before the first
  // run and after a failed one.
  const Values* values() const;

  // The settings, kept while the program runs, never stored; a new one joins
  // them here. The temperature at which the pipe is anchored, for the notes.
  double installed_at() const { return installed_at_; }
  void set_installed_at(double T0);
  // The elbows of the results' tooltips, the notes and the pass finder.
  ElbowChoice& elbows() const { return *elbows_; }
  double elbows_times_D() const;  // 0: sharp corners only
  // The guides and the supports' friction of the tooltips and the notes.
  const GuideSettings& guides() const { return guides_; }
  void set_guides(const GuideSettings& guides);

  // The code check (code_check_window.h): off until a code is chosen. Its
  // installation temperature is installed_at(), its elbows the panel's,
  // long-radius ones under sharp corners only, and its frame has the panel's
  // guides when they are on: code_settings() fills them in.
  struct CodeChoice {
    bool on = false;
    CodeSettings settings;
  };
  const CodeChoice& code() const { return code_; }
  void set_code(const CodeChoice& code);
  CodeSettings code_settings() const;

 signals:
  void computed();          // show() took a run
  void settings_changed();  // installed_at, the elbows, the guides or the code check

 private:
  // The runs with elbows of the chosen radius and with the guides beside the
  // shown results.
  void show_elbows();

  const Panel& panel_;
  const PanelLayout& layout_;
  const Controls controls_;
  const std::string decimal_point_;
  InputMarks* marks_;
  Outcome last_;
  QString no_pipe_;  // of the inputs last checked: the results' note, empty for a pipe
  double installed_at_ = kInstalledAt;
  ElbowChoice* elbows_;
  CodeChoice code_;
  GuideSettings guides_;
};

}  // namespace quorvel::ui
