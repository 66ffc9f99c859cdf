#pragma once

#include <QLineEdit>
#include <QLocale>
#include <optional>

#include "quorvel/panels/panel.h"

namespace quorvel::ui {

// A result field: an ordinary editable text box of the fixed field size that
// shows its whole text wherever it can. A text too wide for the window's font
// is drawn in a narrow face, shrunk just as far as it needs, never below
// smallest_point_size; a text wider still shows its start and an ellipsis,
// with the whole text in the tooltip. The text itself (what selection,
// copying and screen readers get) is never shortened.
//
// After a run the field knows the value behind its text: a ratio whose
// unrounded value is above 1, a stress above the allowable one, is drawn in a
// warning colour and says so in its accessible description, also where it
// shows "1". Its tooltip explains the result. A result that no longer belongs
// to the panel's inputs (an input changed, or the last run failed) is drawn
// greyed and says so, until the next run. Text the user types into the field
// is no result: it drops the colour and the explanation and is greyed, saying
// it was typed, until the panel's next Compute. A result of inputs that
// describe no pipe is greyed too, never red or amber, and names the reason.
//
// Beside it, the same run with elbows (elbow_view.h) adds a line to the
// tooltip; a ratio at a bend that exceeds the allowable stress only with
// elbows is drawn in a second warning colour and says so.
class ResultEdit final : public QLineEdit {
  Q_OBJECT

 public:
  // `description` is the field's accessible description (its panel).
  ResultEdit(Display display, const QString& description, const QLocale& locale, QWidget* parent);

  static constexpr qreal smallest_point_size = 7;

  // What a run says of the text just written: for a ratio, its unrounded
  // value; `explanation` becomes the tooltip.
  void set_run(std::optional<double> ratio, const QString& explanation);
  void set_stale(bool stale);
  // The inputs of the run describe no pipe: "The inputs describe no pipe: t =
  // 120 mm: …"; empty when they do.
  void set_no_pipe(const QString& note);
  // A Compute of the panel: a typed text is no longer marked as typed.
  void set_computed();
  // The tooltip line of the run with elbows, and what joins the accessible
  // description when the ratio exceeds with elbows (empty: it does not).
  void set_elbows(const QString& line, const QString& exceeds_note);
  // The tooltip line of the guided run (guide_view.h); empty without guides.
  void set_guided(const QString& line);

  bool exceeds_allowable() const { return exceeds_; }
  bool stale() const { return stale_ || typed_; }
  bool typed() const { return typed_; }
  bool no_pipe() const { return !no_pipe_.isEmpty(); }
  bool exceeds_with_elbows() const { return !exceeds_ && !elbows_exceed_.isEmpty(); }
  bool elided() const { return elided_; }
  // The width that a text may take in the field, in device-independent pixels.
  int text_width() const;
  // The warning colour for a field drawn on `palette`: red, light enough on a
  // dark background.
  static QColor warning_colour(const QPalette& palette);
  // The second warning colour, for a ratio that exceeds only with elbows:
  // amber, as readable on either background.
  static QColor elbow_warning_colour(const QPalette& palette);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QRect text_rect() const;
  void fit_text();
  void update_look();
  std::optional<QColor> text_colour(const QPalette& palette) const;

  Display display_;
  QString description_;
  QLocale locale_;
  QString explanation_;
  QString elbows_, elbows_exceed_;
  QString guided_;
  QString no_pipe_;
  bool exceeds_ = false;
  bool stale_ = false;
  bool typed_ = false;  // edited by the user since the last Compute
  bool elided_ = false;
};

}  // namespace quorvel::ui
