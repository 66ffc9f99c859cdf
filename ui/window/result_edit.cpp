#include "window/result_edit.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionFrame>
#include <cmath>

namespace quorvel::ui {
namespace {

// QLineEdit keeps this much space between its contents rectangle and its
// text on either side.
constexpr int kLineEditMargin = 2;

// A face with narrow digits: the first of these that is installed (Debian's
// fonts-urw-base35, which comes with Ghostscript, and fonts-liberation have
// one), or none.
const QString& narrow_family() {
  static const QString family = [] {
    for (const char* name : {"Nimbus Sans Narrow", "Liberation Sans Narrow", "Arial Narrow"})
      if (QFontDatabase::hasFamily(name)) return QString(name);
    return QString();
  }();
  return family;
}

}  // namespace

ResultEdit::ResultEdit(Display display, const QString& description, const QLocale& locale, QWidget* parent)
    : QLineEdit(parent), display_(display), description_(description), locale_(locale) {
  locale_.setNumberOptions(QLocale::RejectGroupSeparator);
  setAccessibleDescription(description_);
  connect(this, &QLineEdit::textChanged, this, &ResultEdit::fit_text);
  connect(this, &QLineEdit::textEdited, this, [this] {
    typed_ = true;
    no_pipe_.clear();
    set_elbows({}, {});
    set_run(std::nullopt, {});
  });
}

void ResultEdit::set_run(std::optional<double> ratio, const QString& explanation) {
  exceeds_ = display_ == Display::ratio && ratio && !(std::fabs(*ratio) <= 1);
  explanation_ = explanation;
  update_look();
}

void ResultEdit::set_elbows(const QString& line, const QString& exceeds_note) {
  elbows_ = line;
  elbows_exceed_ = display_ == Display::ratio ? exceeds_note : QString();
  update_look();
}

void ResultEdit::set_guided(const QString& line) {
  guided_ = line;
  update_look();
}

void ResultEdit::set_stale(bool stale) {
  if (stale == stale_) return;
  stale_ = stale;
  update_look();
}

void ResultEdit::set_no_pipe(const QString& note) {
  if (note == no_pipe_) return;
  no_pipe_ = note;
  update_look();
}

void ResultEdit::set_computed() {
  if (!typed_) return;
  typed_ = false;
  update_look();
}

QColor ResultEdit::warning_colour(const QPalette& palette) {
  return palette.color(QPalette::Base).lightness() < 128 ? QColor(255, 115, 115) : QColor(200, 0, 0);
}

QColor ResultEdit::elbow_warning_colour(const QPalette& palette) {
  return palette.color(QPalette::Base).lightness() < 128 ? QColor(255, 184, 77) : QColor(168, 84, 0);
}

QRect ResultEdit::text_rect() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  return contents.marginsRemoved(textMargins()).adjusted(kLineEditMargin, 0, -kLineEditMargin, 0);
}

int ResultEdit::text_width() const {
  return text_rect().width();
}

// Only a text that does not fit in the window's font and margins changes
// the field's font and margins, so short results look as they always did.
void ResultEdit::fit_text() {
  const QString shown = text();
  const QFont base = parentWidget() ? parentWidget()->font() : font();
  // QLineEdit scrolls a text that takes more than its room less one pixel.
  auto fits = [&](const QFont& font) {
    return std::ceil(QFontMetricsF(font, this).horizontalAdvance(shown)) + 1 <= text_width();
  };
  setTextMargins({});
  QFont chosen = base;
  elided_ = false;
  if (!fits(base)) {
    // A pixel more on each side: the text may reach the inner edge of the frame.
    setTextMargins(-1, 0, -1, 0);
    // Without a narrow face, the window's face condensed: Qt squeezes a face
    // that has no condensed style.
    if (narrow_family().isEmpty())
      chosen.setStretch(QFont::Condensed);
    else
      chosen.setFamilies(QStringList(narrow_family()) + base.families() + QStringList(base.family()));
    const qreal largest = base.pointSizeF() > 0 ? base.pointSizeF() : 9;
    qreal size = largest;
    // Quarter points down to the smallest legible size.
    for (; size > smallest_point_size; size -= 0.25) {
      chosen.setPointSizeF(size);
      if (fits(chosen)) break;
    }
    if (size <= smallest_point_size) {
      chosen.setPointSizeF(smallest_point_size);
      elided_ = !fits(chosen);
    }
  }
  if (chosen == base)
    setFont(QFont());  // back to the window's font
  else if (chosen != font())
    setFont(chosen);
  update_look();
}

// Greyed while stale, typed or of no pipe, else red while the stress exceeds,
// amber while it exceeds only with elbows; the window's own colour otherwise.
std::optional<QColor> ResultEdit::text_colour(const QPalette& palette) const {
  // The window's own greyed text: this field's palette may carry the red.
  if (stale_ || typed_ || no_pipe())
    return (parentWidget() ? parentWidget()->palette() : palette).color(QPalette::Disabled, QPalette::Text);
  if (exceeds_) return warning_colour(palette);
  if (exceeds_with_elbows()) return elbow_warning_colour(palette);
  return std::nullopt;
}

void ResultEdit::update_look() {
  QString description = description_;
  // A stress of no pipe exceeds nothing.
  if (exceeds_ && !no_pipe()) description = tr("%1; the stress exceeds the allowable stress").arg(description);
  if (exceeds_with_elbows() && !no_pipe()) description += "; " + elbows_exceed_;
  if (no_pipe()) description += "; " + no_pipe_;
  // A typed text is stale too, for a reason of its own.
  const QString stale_note = typed_   ? tr("This text was typed, not computed: press Compute.")
                             : stale_ ? tr("This result does not belong to the current inputs: press Compute.")
                                      : QString();
  if (!stale_note.isEmpty()) description += "; " + stale_note;
  setAccessibleDescription(description);

  QStringList tip;
  if (elided_) tip << text();
  if (!stale_note.isEmpty()) tip << stale_note;
  if (no_pipe()) tip << no_pipe_;
  if (!explanation_.isEmpty()) tip << explanation_;
  if (!elbows_.isEmpty()) tip << elbows_;
  if (!guided_.isEmpty()) tip << guided_;
  setToolTip(tip.join('\n'));

  const std::optional<QColor> colour = text_colour(palette());
  if (colour && palette().color(QPalette::Text) != *colour) {
    QPalette marked = palette();
    marked.setColor(QPalette::Text, *colour);
    setPalette(marked);
  } else if (!colour && testAttribute(Qt::WA_SetPalette)) {
    setPalette(QPalette());  // back to the window's colours
  }
}

void ResultEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  // A new theme may need a lighter or darker colour; setting it causes one
  // more change event, which then finds the colour right.
  if (event->type() == QEvent::PaletteChange) {
    const std::optional<QColor> wanted = text_colour(palette());
    if (wanted && palette().color(QPalette::Text) != *wanted) {
      QPalette marked = palette();
      marked.setColor(QPalette::Text, *wanted);
      setPalette(marked);
    }
  }
}

// While the field has the focus it is edited as any text box; otherwise a
// text that does not fit even at the smallest size is drawn cut short with an
// ellipsis.
void ResultEdit::paintEvent(QPaintEvent* event) {
  if (!elided_ || hasFocus()) return QLineEdit::paintEvent(event);
  QPainter painter(this);
  QStyleOptionFrame option;
  initStyleOption(&option);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
  const QRect rect = text_rect();
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                   fontMetrics().elidedText(text(), Qt::ElideRight, rect.width()));
}

}  // namespace quorvel::ui
