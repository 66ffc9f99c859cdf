#include "dialogs/pass_finder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "note/elbow_view.h"
#include "note/review_note.h"
#include "quorvel/analyses/code_check.h"
#include "quorvel/analyses/elbows.h"
#include "quorvel/analyses/judged.h"
#include "quorvel/analyses/validity.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"
#include "window/panel_view.h"
#include "window/text_of.h"
#include "window/translation.h"

namespace quorvel::ui {
namespace {

// The most values a range of the window walks: a few tenths of a second; and
// the places of its numbers, which every value is written with.
constexpr double kMostValues = 50'000;
constexpr std::int64_t kMostPlaces = 30;

// Whether a number written plainly reaches beyond kMostPlaces on either side
// of the decimal point.
bool too_long(const Decimal& d) {
  return d.exponent < -kMostPlaces || d.exponent + static_cast<std::int64_t>(d.digits.size()) > kMostPlaces;
}

}  // namespace

RatioChart::RatioChart(const QLocale& locale, QWidget* parent) : QWidget(parent), locale_(locale) {
  setMinimumSize(380, 170);
}

void RatioChart::set(std::vector<double> values, std::vector<double> ratios, std::vector<double> with_elbows,
                     double current) {
  values_ = std::move(values);
  ratios_ = std::move(ratios);
  with_elbows_ = std::move(with_elbows);
  current_ = current;
  update();
}

void RatioChart::set_names(const QString& sharp, const QString& elbows) {
  sharp_name_ = sharp;
  elbows_name_ = elbows;
}

void RatioChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().base());
  if (values_.size() < 2) return;
  const int scale_width = p.fontMetrics().horizontalAdvance(locale_.toString(4.5)) + 8;
  const QRectF plot = QRectF(rect()).adjusted(8 + scale_width, 8, -8, -8);
  double top = 1.5;  // the limit always shows, some way below the top
  for (const auto* series : {&ratios_, &with_elbows_})
    for (double r : *series)
      if (std::isfinite(r)) top = std::max(top, std::min(r, 4.0));
  const double low = values_.front(), high = values_.back();
  const auto x = [&](double v) { return plot.left() + (v - low) / (high - low) * plot.width(); };
  const auto y = [&](double r) { return plot.bottom() - std::min(r, top) / top * plot.height(); };
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(plot);
  // The scale of ratios, every half up to 2, every whole above, and the ends
  // of the range, in the window's numbers.
  const double tick = top <= 2 ? 0.5 : 1;
  for (double r = 0; r <= top + 1e-9; r += tick) {
    p.drawLine(QPointF(plot.left() - 3, y(r)), QPointF(plot.left(), y(r)));
    p.drawText(QRectF(0, y(r) - 8, scale_width + 4, 16), Qt::AlignRight | Qt::AlignVCenter, locale_.toString(r));
  }
  p.drawText(plot.adjusted(3, 0, -3, -2), Qt::AlignLeft | Qt::AlignBottom, locale_.toString(low));
  p.drawText(plot.adjusted(3, 0, -3, -2), Qt::AlignRight | Qt::AlignBottom, locale_.toString(high));
  p.setPen(QPen(Qt::red, 1, Qt::DashLine));
  p.drawLine(QPointF(plot.left(), y(1)), QPointF(plot.right(), y(1)));
  if (std::isfinite(current_) && (current_ - low) * (current_ - high) <= 0) {
    p.setPen(QPen(Qt::blue, 1));
    p.drawLine(QPointF(x(current_), plot.top()), QPointF(x(current_), plot.bottom()));
  }
  p.setRenderHint(QPainter::Antialiasing);
  const auto pen = [&](const std::vector<double>* series) {
    return QPen(palette().color(QPalette::Text), 1.5, series == &ratios_ ? Qt::SolidLine : Qt::DashDotLine);
  };
  double legend_y = plot.top() + 12;
  for (const auto* series : {&ratios_, &with_elbows_}) {
    if (series->empty()) continue;
    QPainterPath line;
    bool drawing = false;
    for (std::size_t i = 0; i < values_.size() && i < series->size(); ++i) {
      if (!std::isfinite((*series)[i])) {
        drawing = false;
        continue;
      }
      const QPointF point(x(values_[i]), y((*series)[i]));
      drawing ? line.lineTo(point) : line.moveTo(point);
      drawing = true;
    }
    p.setPen(pen(series));
    p.drawPath(line);
    // The legend, at the top right: a piece of the line and its name.
    const QString& name = series == &ratios_ ? sharp_name_ : elbows_name_;
    const double name_x = plot.right() - 6 - p.fontMetrics().horizontalAdvance(name);
    p.drawLine(QPointF(name_x - 30, legend_y), QPointF(name_x - 6, legend_y));
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QPointF(name_x, legend_y + 4), name);
    legend_y += 16;
  }
}

PassFinder::PassFinder(QWidget* window, const PanelView& panel, std::string symbol, const QLocale& locale, Take take)
    : QDialog(window),
      panel_(panel),
      symbol_(std::move(symbol)),
      walked_(walked(panel.panel(), symbol_).value()),
      decimal_point_(locale.decimalPoint().toStdString()),
      take_value_(std::move(take)) {
  const QString symbol_text = text_of(symbol_);
  const QString what = symbol_ == kLoopHeight  ? tr("the loop's height %1").arg(symbol_text)
                       : symbol_ == kLoopWidth ? tr("the loop's width %1").arg(symbol_text)
                                               : symbol_text;
  setObjectName(QString("PassFinder_%1_%2").arg(text_of(panel.panel().key), symbol_text));
  setWindowTitle(tr("Where %1 passes – %2").arg(what, panel_name(panel.panel())));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  if (walked_.changes.size() > 1) {
    auto* how = new QLabel(symbol_ == kLoopHeight
                               ? tr("H sets L2 and L4; L1 and L5 each give up half of what the loop gains along the "
                                    "level legs, so that the anchors stay where they are.")
                               : tr("W sets L3; L1 and L5 each give up half of what the loop gains along the level "
                                    "legs, so that the anchors stay where they are."),
                           this);
    how->setWordWrap(true);
    layout->addWidget(how);
  }
  // The range: FROM, TO and STEP, each editable.
  auto* range_row = new QHBoxLayout;
  const QString labels[] = {tr("From"), tr("to"), tr("by")};
  for (std::size_t i = 0; i < range_edits_.size(); ++i) {
    range_row->addWidget(new QLabel(labels[i], this));
    range_edits_[i] = new QLineEdit(this);
    range_edits_[i]->setObjectName(QStringList{"from", "to", "step"}[static_cast<qsizetype>(i)]);
    range_row->addWidget(range_edits_[i]);
    connect(range_edits_[i], &QLineEdit::textEdited, this, [this] {
      range_edited_ = true;
      later_.start(300);
    });
  }
  range_row->addWidget(new QLabel(text_of(walked_.unit), this));
  layout->addLayout(range_row);
  range_ = new QLabel(this);
  stretches_ = new QLabel(this);
  negative_ = new QLabel(this);
  with_elbows_ = new QLabel(this);
  nearest_ = new QLabel(this);
  take_ = new QPushButton(this);
  take_->setAutoDefault(false);
  take_elbows_ = new QPushButton(this);
  take_elbows_->setAutoDefault(false);
  chart_ = new RatioChart(locale, this);
  for (QWidget* w : std::initializer_list<QWidget*>{range_, stretches_, negative_, with_elbows_, nearest_, take_,
                                                    take_elbows_, chart_})
    layout->addWidget(w);
  connect(take_, &QPushButton::clicked, this, [this] {
    if (nearest_value_) take_value_(inputs_at(*nearest_value_));
  });
  connect(take_elbows_, &QPushButton::clicked, this, [this] {
    if (elbows_value_) take_value_(inputs_at(*elbows_value_));
  });
  later_.setSingleShot(true);
  connect(&later_, &QTimer::timeout, this, &PassFinder::refresh);
  for (QLineEdit* input : panel_.inputs())
    connect(input, &QLineEdit::textChanged, this, [this] {
      if (isVisible()) later_.start(100);
    });
  connect(&panel_, &PanelView::settings_changed, this, [this] {
    if (isVisible()) later_.start(100);
  });
}

QString PassFinder::range_text() const {
  return range_->text();
}

QString PassFinder::stretches_text() const {
  return stretches_->text();
}

QString PassFinder::elbows_text() const {
  return with_elbows_->isHidden() ? QString() : with_elbows_->text();
}

void PassFinder::showEvent(QShowEvent* event) {
  refresh();
  QDialog::showEvent(event);
}

QString PassFinder::with_unit(const Decimal& value) const {
  return QString::fromStdString(plain_text(value, decimal_point_)) + (walked_.unit == "°" ? "" : " ") +
         text_of(walked_.unit);
}

std::optional<Walk> PassFinder::edited_walk() const {
  std::array<Decimal, 3> numbers;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const auto number = parse_decimal(range_edits_[i]->text().toStdString(), decimal_point_);
    if (!number || too_long(*number)) return std::nullopt;
    numbers[i] = *number;
  }
  const auto& [from, to, step] = numbers;
  if (compare(step, Decimal{}) <= 0 || std::fabs(to_double(add(to, negated(from)))) / to_double(step) >= kMostValues)
    return std::nullopt;
  return Walk{symbol_, from, to, step};
}

std::vector<std::string> PassFinder::inputs_at(const Decimal& value) const {
  std::vector<std::string> inputs = panel_.input_texts();
  walk_run(panel_.panel(), inputs, {symbol_, value, value, step_}, decimal_point_, [&](const WalkStep& step) {
    inputs = step.inputs;
    return false;
  });
  return inputs;
}

void PassFinder::refresh() {
  const Panel& panel = panel_.panel();
  const std::vector<std::string> texts = panel_.input_texts();
  if (!range_edited_) {
    const Walk search = search_walk(panel, texts, walked_.field, decimal_point_);
    for (std::size_t i = 0; const Decimal* d : {&search.from, &search.to, &search.step})
      range_edits_[i++]->setText(QString::fromStdString(plain_text(*d, decimal_point_)));
  }
  const std::optional<Walk> walk = edited_walk();
  const QString symbol = text_of(symbol_);
  const double times_D = panel_.elbows_times_D();
  nearest_value_ = elbows_value_ = std::nullopt;
  take_->setEnabled(false);
  take_elbows_->setVisible(times_D > 0);
  take_elbows_->setEnabled(false);
  negative_->hide();
  if (!walk) {
    range_->setText(tr("The range needs three numbers of at most %L1 digits, the step above 0, and at most %L2 values.")
                        .arg(static_cast<int>(kMostPlaces))
                        .arg(static_cast<int>(kMostValues)));
    stretches_->clear();
    with_elbows_->hide();
    nearest_->clear();
    chart_->set({}, {}, {}, 0);
    return;
  }
  step_ = walk->step;
  range_->setText(tr("%1 from %2 to %3 by %4, with the panel's other inputs:")
                      .arg(symbol, with_unit(walk->from), with_unit(walk->to), with_unit(walk->step)));

  // The answer as quorvel-batch's walks judge (quorvel/analyses/judged.h):
  // by the code check once a code is chosen, else by the run with the
  // panel's guides (and elbows) from its installation when guides are set,
  // else with sharp corners; and, from the same runs, with elbows.
  const GuideSettings& guides = panel_.guides();
  const std::optional<ElbowRadius> radius_of_run = times_D > 0 ? std::optional(ElbowRadius{times_D, 0}) : std::nullopt;
  Judging judging;
  if (panel_.code().on) {
    judging.code = panel_.code_settings();
  } else if (guides.on()) {
    judging.installed = panel_.installed_at();
    judging.guides = guides.g;
    judging.elbows = radius_of_run;
  }
  const JudgedBy by = judged_by(judging);
  const QString guides_name = GuideTexts::name(guides.g, decimal_point_);
  if (by == JudgedBy::code)
    range_->setText(
        range_->text() + '\n' +
        (guides.on()
             ? tr("Judged by the code check, %1, on the guided frame (%2):").arg(text_of(kCodeEdition), guides_name)
             : tr("Judged by the code check, %1:").arg(text_of(kCodeEdition))));
  if (by == JudgedBy::guides) {
    const QString run =
        times_D > 0 ? tr("%1 and %2").arg(guides_name, ElbowTexts::radius_name(times_D, decimal_point_)) : guides_name;
    range_->setText(range_->text() + '\n' +
                    tr("Judged by the run with %1, %2:")
                        .arg(run, ReviewSections::installed_basis(panel_.installed_at(), decimal_point_)));
  }
  Stretches stretches, elbow_stretches;
  std::vector<double> values, ratios, elbow_ratios;
  std::optional<std::pair<Decimal, std::string_view>> negative;  // where a leg first goes below 0
  // A value at which the inputs describe no pipe neither passes nor is drawn.
  walk_run(panel, texts, *walk, decimal_point_, [&](const WalkStep& step) {
    if (!step.negative_leg.empty() && !negative) negative.emplace(step.value, step.negative_leg);
    values.push_back(to_double(step.value));
    const double ratio = judged_ratio(panel, step.inputs, step.outcome, judging, decimal_point_);
    stretches.add(step.value, ratio <= judging.target);  // a NaN, where the run has no answer, never passes
    ratios.push_back(ratio);
    if (times_D > 0) {
      const bool pipe = describes_a_pipe(panel, step.inputs, decimal_point_);
      const ElbowRun run = with_elbows(panel, step.outcome, ElbowRadius{times_D});
      elbow_stretches.add(step.value, pipe && passes(run));
      elbow_ratios.push_back(pipe ? governing_ratio(run) : std::nan(""));  // NaN unless solved
    }
    return true;
  });

  const auto stretch_lines = [&](const Stretches& found) {
    QStringList lines;
    for (const Stretch& s : found.found())
      lines << (compare(s.from, s.to) == 0
                    ? tr("%1 passes at %2").arg(symbol, with_unit(s.from))
                    : tr("%1 passes from %2 to %3").arg(symbol, with_unit(s.from), with_unit(s.to)));
    if (lines.isEmpty()) lines << tr("%1 passes nowhere in this range.").arg(symbol);
    return lines.join('\n');
  };
  stretches_->setText(stretch_lines(stretches));
  if (negative) {
    negative_->setText(tr("From %1 = %2 on, %3 would be shorter than 0: such a loop is not run and does not pass.")
                           .arg(symbol, with_unit(negative->first), text_of(negative->second)));
    negative_->show();
  }
  const QString radius = times_D > 0 ? ElbowTexts::radius_name(times_D, decimal_point_) : QString();
  with_elbows_->setVisible(times_D > 0);
  // The run with elbows beside is the panel's own, without the guides.
  if (times_D > 0)
    with_elbows_->setText((guides.on() ? tr("With %1, without the guides:") : tr("With %1:")).arg(radius) + '\n' +
                          stretch_lines(elbow_stretches));
  chart_->set_names(by == JudgedBy::code ? tr("the code check")
                    : by == JudgedBy::guides
                        ? tr("guided run, g = %1 m").arg(QString::fromStdString(number_text(guides.g, decimal_point_)))
                        : tr("sharp corners"),
                    guides.on() && times_D > 0 ? tr("%1, no guides").arg(radius) : radius);

  const auto current = parse_decimal(texts[walked_.field], decimal_point_);
  nearest_value_ = current ? nearest_passing(stretches.found(), *current) : std::nullopt;
  const QString nearest_text =
      nearest_value_ ? QString::fromStdString(plain_text(*nearest_value_, decimal_point_)) : QString();
  if (!nearest_value_)
    nearest_->setText(tr("No passing value to go to."));
  else if (compare(*nearest_value_, *current) == 0)
    nearest_->setText(tr("The current value, %1, lies within a passing stretch.").arg(with_unit(*current)));
  else
    nearest_->setText(tr("The passing value nearest to the current one: %1").arg(with_unit(*nearest_value_)));
  take_->setText(nearest_value_ ? tr("Set %1 = %2 and compute").arg(symbol, nearest_text) : tr("Set and compute"));
  take_->setEnabled(nearest_value_ && compare(*nearest_value_, *current) != 0);
  if (times_D > 0) {
    elbows_value_ = current ? nearest_passing(elbow_stretches.found(), *current) : std::nullopt;
    take_elbows_->setText(
        elbows_value_ ? tr("Set %1 = %2, the answer with %3, and compute")
                            .arg(symbol, QString::fromStdString(plain_text(*elbows_value_, decimal_point_)), radius)
                      : tr("No passing value with %1").arg(radius));
    take_elbows_->setEnabled(elbows_value_ && compare(*elbows_value_, *current) != 0);
  }
  chart_->set(std::move(values), std::move(ratios), std::move(elbow_ratios),
              current ? to_double(*current) : std::nan(""));
  resize(size().expandedTo(sizeHint()));  // longer texts than before
}

}  // namespace quorvel::ui
