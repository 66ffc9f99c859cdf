#include "dialogs/pass_finder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "note/elbow_view.h"
#include "quorvel/analyses/elbows.h"
#include "quorvel/analyses/validity.h"
#include "quorvel/analyses/verdict.h"
#include "window/panel_view.h"
#include "window/text_of.h"
#include "window/translation.h"

namespace quorvel::ui {

RatioChart::RatioChart(const QLocale& locale, QWidget* parent) : QWidget(parent), locale_(locale) {
  setMinimumSize(360, 150);
}

void RatioChart::set(std::vector<double> values, std::vector<double> ratios, std::vector<double> with_elbows,
                     double current) {
  values_ = std::move(values);
  ratios_ = std::move(ratios);
  with_elbows_ = std::move(with_elbows);
  current_ = current;
  update();
}

void RatioChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().base());
  if (values_.size() < 2) return;
  const QRectF plot = QRectF(rect()).adjusted(8, 8, -8, -8);
  double top = 1.5;  // the limit always shows, some way below the top
  for (const auto* series : {&ratios_, &with_elbows_})
    for (double r : *series)
      if (std::isfinite(r)) top = std::max(top, std::min(r, 4.0));
  const double low = values_.front(), high = values_.back();
  const auto x = [&](double v) { return plot.left() + (v - low) / (high - low) * plot.width(); };
  const auto y = [&](double r) { return plot.bottom() - std::min(r, top) / top * plot.height(); };
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(plot);
  // The ends of the range and the limit, in the window's numbers.
  p.drawText(plot.adjusted(3, 0, -3, -2), Qt::AlignLeft | Qt::AlignBottom, locale_.toString(low));
  p.drawText(plot.adjusted(3, 0, -3, -2), Qt::AlignRight | Qt::AlignBottom, locale_.toString(high));
  p.drawText(QPointF(plot.left() + 3, y(1) - 3), "1");
  p.setPen(QPen(Qt::red, 1, Qt::DashLine));
  p.drawLine(QPointF(plot.left(), y(1)), QPointF(plot.right(), y(1)));
  if (std::isfinite(current_) && (current_ - low) * (current_ - high) <= 0) {
    p.setPen(QPen(Qt::blue, 1));
    p.drawLine(QPointF(x(current_), plot.top()), QPointF(x(current_), plot.bottom()));
  }
  p.setRenderHint(QPainter::Antialiasing);
  for (const auto* series : {&ratios_, &with_elbows_}) {
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
    p.setPen(QPen(palette().color(QPalette::Text), 1.5, series == &ratios_ ? Qt::SolidLine : Qt::DashDotLine));
    p.drawPath(line);
  }
}

PassFinder::PassFinder(QWidget* window, const PanelView& panel, std::size_t field, const QLocale& locale, Take take)
    : QDialog(window),
      panel_(panel),
      field_(field),
      decimal_point_(locale.decimalPoint().toStdString()),
      take_value_(std::move(take)) {
  const QString symbol = text_of(panel.panel().inputs[field].symbol);
  setObjectName(QString("PassFinder_%1_%2").arg(text_of(panel.panel().key), symbol));
  setWindowTitle(tr("Where %1 passes – %2").arg(symbol, panel_name(panel.panel())));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  range_ = new QLabel(this);
  stretches_ = new QLabel(this);
  with_elbows_ = new QLabel(this);
  nearest_ = new QLabel(this);
  take_ = new QPushButton(this);
  take_->setAutoDefault(false);
  chart_ = new RatioChart(locale, this);
  for (QWidget* w : std::initializer_list<QWidget*>{range_, stretches_, with_elbows_, nearest_, take_, chart_})
    layout->addWidget(w);
  connect(take_, &QPushButton::clicked, this, [this] { take_value_(nearest_text_); });
  later_.setSingleShot(true);
  connect(&later_, &QTimer::timeout, this, &PassFinder::refresh);
  for (QLineEdit* input : panel_.inputs())
    connect(input, &QLineEdit::textChanged, this, [this] {
      if (isVisible()) later_.start(100);
    });
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
  const InputField& f = panel_.panel().inputs[field_];
  return QString::fromStdString(plain_text(value, decimal_point_)) + (f.unit == "°" ? "" : " ") + text_of(f.unit);
}

void PassFinder::refresh() {
  const Panel& panel = panel_.panel();
  const std::vector<std::string> texts = panel_.input_texts();
  const Walk walk = search_walk(panel, texts, field_, decimal_point_);
  const QString symbol = text_of(walk.symbol);
  range_->setText(tr("%1 from %2 to %3 by %4, with the panel's other inputs:")
                      .arg(symbol, with_unit(walk.from), with_unit(walk.to), with_unit(walk.step)));

  // The answer with sharp corners and, from the same runs, with elbows.
  const double times_D = panel_.elbows_times_D();
  Stretches stretches, elbow_stretches;
  std::vector<double> values, ratios, elbow_ratios;
  // A value at which the inputs describe no pipe neither passes nor is drawn.
  std::vector<std::string> walked = texts;
  walk_field(panel, texts, field_, walk, decimal_point_, [&](const Decimal& value, const Outcome& outcome) {
    walked[field_] = plain_text(value, decimal_point_);
    const bool pipe = describes_a_pipe(panel, walked, decimal_point_);
    stretches.add(value, pipe && passes(outcome));
    values.push_back(to_double(value));
    ratios.push_back(pipe ? governing_ratio(outcome) : std::nan(""));  // NaN where the run failed
    if (times_D > 0) {
      const ElbowRun run = with_elbows(panel, outcome, ElbowRadius{times_D});
      elbow_stretches.add(value, pipe && passes(run));
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
  with_elbows_->setVisible(times_D > 0);
  if (times_D > 0)
    with_elbows_->setText(tr("With %1:").arg(ElbowTexts::radius_name(times_D, decimal_point_)) + '\n' +
                          stretch_lines(elbow_stretches));

  const auto current = parse_decimal(texts[field_], decimal_point_);
  const auto nearest = current ? nearest_passing(stretches.found(), *current) : std::nullopt;
  nearest_text_ = nearest ? QString::fromStdString(plain_text(*nearest, decimal_point_)) : QString();
  if (!nearest)
    nearest_->setText(tr("No passing value to go to."));
  else if (compare(*nearest, *current) == 0)
    nearest_->setText(tr("The current value, %1, lies within a passing stretch.").arg(with_unit(*current)));
  else
    nearest_->setText(tr("The passing value nearest to the current one: %1").arg(with_unit(*nearest)));
  take_->setText(nearest ? tr("Set %1 = %2 and compute").arg(symbol, nearest_text_) : tr("Set and compute"));
  take_->setEnabled(nearest && compare(*nearest, *current) != 0);
  chart_->set(std::move(values), std::move(ratios), std::move(elbow_ratios),
              current ? to_double(*current) : std::nan(""));
  resize(size().expandedTo(sizeHint()));  // longer texts than before
}

}  // namespace quorvel::ui
