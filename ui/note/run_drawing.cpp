#include "note/run_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "note/guide_view.h"
#include "quorvel/panels/display.h"
#include "quorvel/panels/panels.h"
#include "window/text_of.h"

namespace quorvel::ui {
namespace {

// Where each panel's angle fields are the angle between two legs: the bend's
// and the offset's α at the bends of the slanting leg (parallel legs, so the
// same at both), the loop's α at point 3 and β at point 4, inside the loop.
struct AngleAt {
  std::string_view panel, symbol;
  int point;
};
constexpr AngleAt kAngles[] = {
    {"bend", "α", 2}, {"offset", "α", 2}, {"offset", "α", 3}, {"loop", "α", 3}, {"loop", "β", 4}};

// The drawing's scales: 1:N with N one of 1, 1.25, 1.5, 2, 2.5, 3, 4, 5, 7.5 times a power of ten.
double scale_denominator(double at_least) {
  constexpr double kSteps[] = {1, 1.25, 1.5, 2, 2.5, 3, 4, 5, 7.5, 10};
  const double decade = std::pow(10, std::floor(std::log10(at_least)));
  for (double step : kSteps)
    if (step * decade >= at_least * (1 - 1e-12)) return step * decade;
  return 10 * decade;
}

QPointF unit(QPointF v) {
  const double l = std::hypot(v.x(), v.y());
  return l > 0 ? v / l : QPointF();
}

// The angle of a direction on the page as QPainter's arcs take it: degrees,
// counterclockwise as seen, the page's y pointing down.
double seen_angle(QPointF v) {
  return std::atan2(-v.y(), v.x()) * 180 / std::numbers::pi;
}

// The boxes of the labels drawn so far, which a new label keeps clear of.
using Placed = std::vector<QRectF>;

// The box of a text centred at `at`, moved along `away` until it clears `at` by `gap`.
QRectF label_box(const QPainter& painter, QPointF at, QPointF away, double gap, const QString& text) {
  const QSizeF size = QFontMetricsF(painter.font()).size(Qt::TextSingleLine, text);
  const QPointF u = unit(away);
  const double reach = std::fabs(u.x()) * size.width() / 2 + std::fabs(u.y()) * size.height() / 2;
  return QRectF(at + u * (gap + reach) - QPointF(size.width(), size.height()) / 2, size);
}

bool overlaps(const QRectF& box, const Placed& placed) {
  return std::any_of(placed.begin(), placed.end(), [&](const QRectF& other) { return other.intersects(box); });
}

// A text centred at `at`, moved along `away` until its box clears `at` by
// `gap`, and further until it clears the labels already placed.
void label(QPainter& painter, QPointF at, QPointF away, double gap, const QString& text, Placed& placed) {
  QRectF box = label_box(painter, at, away, gap, text);
  const QPointF u = unit(away);
  for (int step = 0; step < 40 && overlaps(box, placed); ++step) box.translate(u * box.height() / 4);
  placed.push_back(box);
  painter.drawText(box, Qt::AlignCenter, text);
}

void arrow(QPainter& painter, QPointF from, QPointF to, double head) {
  painter.drawLine(from, to);
  const QPointF back = unit(from - to) * head, side(-back.y() * 0.4, back.x() * 0.4);
  painter.drawPolygon(QPolygonF({to, to + back + side, to + back - side}));
}

// A moment's positive sense, from x towards y (counterclockwise as drawn),
// as an arc around `at` with its head at the end.
void moment_arrow(QPainter& painter, QPointF at, double radius, double from_deg, double head, const QString& name,
                  Placed& placed) {
  const QRectF circle(at - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
  constexpr double kSweep = 240;
  QPainterPath arc;
  arc.arcMoveTo(circle, from_deg);
  arc.arcTo(circle, from_deg, kSweep);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(arc);
  painter.setBrush(painter.pen().color());
  const double end = (from_deg + kSweep) * std::numbers::pi / 180;
  const QPointF tip = at + QPointF(std::cos(end), -std::sin(end)) * radius;
  const QPointF along(-std::sin(end), -std::cos(end));  // the sense of travel at the end, as seen
  arrow(painter, tip - along * head, tip, head);
  const double middle = (from_deg + kSweep / 2) * std::numbers::pi / 180;
  label(painter, at + QPointF(std::cos(middle), -std::sin(middle)) * radius,
        QPointF(std::cos(middle), -std::sin(middle)), head / 2, name, placed);
}

// An anchor: a bar across the leg's end with hatching on its far side.
void anchor(QPainter& painter, QPointF at, QPointF outward, double per_mm) {
  const QPointF o = unit(outward), across(-o.y(), o.x());
  const double half = 4 * per_mm;
  painter.drawLine(at - across * half, at + across * half);
  for (int k = -2; k <= 2; ++k) {
    const QPointF foot = at + across * (k * half / 2.5);
    painter.drawLine(foot, foot + (o + across * 0.6) * 2.5 * per_mm);
  }
}

// A guide: two short bars beside the pipe, along it, either side of `at`.
void guide_mark(QPainter& painter, QPointF at, QPointF along, double per_mm) {
  const QPointF u = unit(along), across(-u.y(), u.x());
  for (const double side : {-1.0, 1.0}) {
    const QPointF middle = at + across * (side * 1.6 * per_mm);
    painter.drawLine(middle - u * 2.5 * per_mm, middle + u * 2.5 * per_mm);
  }
}

}  // namespace

void add_guides(RunDrawing& d, const GuidedRun& run, const std::string& dp) {
  if (run.status != ElbowStatus::solved) return;
  d.guide_legend = RunDrawing::tr("%1 (two bars beside the pipe)").arg(GuideTexts::name(run.g, dp));
  for (const Guide& guide : run.guides) {
    if (!guide.held) {
      d.guide_legend += RunDrawing::tr("; no guide on L%1").arg(guide.leg);
      continue;
    }
    // The guide on the first leg is measured from point 2, the one on the last from the point before the far anchor.
    const auto corner = static_cast<std::size_t>(guide.leg == 1 ? 1 : guide.leg - 1);
    if (corner >= d.points.size()) continue;
    d.guides.push_back({QPointF(guide.at.x, guide.at.y), d.points[corner]});
  }
  d.guide_label = RunDrawing::tr("g = %1 m").arg(QString::fromStdString(number_text(run.g, dp)));
}

bool RunDrawing::drawable() const {
  if (points.size() < 2) return false;
  double extent = 0;
  for (const QPointF& p : points) {
    if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return false;
    extent = std::max({extent, std::fabs(p.x() - points[0].x()), std::fabs(p.y() - points[0].y())});
  }
  return extent > 0 && extent < 1e6;
}

RunDrawing run_drawing(const Panel& panel, std::span<const std::string> inputs, const Values& run, double elbow_radius,
                       const QString& elbow_text) {
  RunDrawing d;
  for (const Point& p : run.run) d.points.emplace_back(p.x, p.y);
  // "L1 = 20 m", "α = 90°": the field's symbol, its text as entered and its unit.
  const auto field_text = [&](std::string_view symbol) {
    const auto index = input_index(panel, symbol);
    if (!index) return QString();
    const InputField& field = panel.inputs[*index];
    const QString unit = text_of(field.unit);
    return QString("%1 = %2%3%4")
        .arg(text_of(field.symbol), QString::fromStdString(inputs[*index]), unit == "°" ? "" : " ", unit);
  };
  // Appended, not "L" + …, which GCC 12 at -O3 flags with a false -Wrestrict.
  for (std::size_t leg = 1; leg < d.points.size(); ++leg)
    d.legs << field_text(std::string("L").append(std::to_string(leg)));
  d.angles = QStringList(static_cast<qsizetype>(d.points.size()));
  for (const AngleAt& a : kAngles)
    if (a.panel == panel.key && static_cast<std::size_t>(a.point) <= d.points.size())
      d.angles[a.point - 1] = field_text(a.symbol);
  d.overall = field_text("L");
  d.elbow_radius = elbow_radius;
  d.elbow_label = elbow_text;
  d.far_moment = std::any_of(panel.results.begin(), panel.results.end(), [&](const ResultField& r) {
    return r.display == Display::moment && r.point == panel.points;
  });
  return d;
}

void draw_run(QPainter& painter, const QRectF& box, const RunDrawing& d, double per_mm) {
  painter.save();
  const QFontMetricsF metrics(painter.font());
  const double line = metrics.height();
  // Room for the labels around the run, and a line of text above and below.
  const QRectF inner = box.adjusted(22 * per_mm, 10 * per_mm + line, -22 * per_mm,
                                    -17 * per_mm - line * (d.guide_legend.isEmpty() ? 1 : 2));
  double min_x = 0, max_x = 0, min_y = 0, max_y = 0;
  for (const QPointF& p : d.points) {
    min_x = std::min(min_x, p.x());
    max_x = std::max(max_x, p.x());
    min_y = std::min(min_y, p.y());
    max_y = std::max(max_y, p.y());
  }
  // Metres to device units, the page's y pointing down, at a scale 1:N.
  const double fit = std::min(max_x > min_x ? inner.width() / (max_x - min_x) : 1e300,
                              max_y > min_y ? inner.height() / (max_y - min_y) : 1e300);
  const double N = scale_denominator(1000 * per_mm / fit);
  const double s = 1000 * per_mm / N;
  const QPointF centre((min_x + max_x) / 2, (min_y + max_y) / 2);
  const auto page = [&](QPointF p) {
    return inner.center() + QPointF((p.x() - centre.x()) * s, -(p.y() - centre.y()) * s);
  };
  std::vector<QPointF> at;
  for (const QPointF& p : d.points) at.push_back(page(p));
  QPointF middle;
  Placed placed;
  for (const QPointF& p : at) middle += p / static_cast<double>(at.size());

  painter.setPen(QPen(Qt::black, 0.2 * per_mm));
  painter.drawText(box.adjusted(2 * per_mm, 1.5 * per_mm, -2 * per_mm, 0), Qt::AlignLeft | Qt::AlignTop,
                   RunDrawing::tr("This run to scale 1:%1, from its own geometry; dimensions as entered")
                       .arg(QString::number(N, 'g', 12)));

  // The pipe's centreline, with its elbows where they fit.
  QPainterPath pipe(at.front());
  for (std::size_t k = 1; k + 1 < at.size(); ++k) {
    const QPointF a = unit(at[k - 1] - at[k]), b = unit(at[k + 1] - at[k]);
    const double inside = std::acos(std::clamp(a.x() * b.x() + a.y() * b.y(), -1.0, 1.0));
    const double tangent = d.elbow_radius * s / std::tan(inside / 2);
    const double room = std::min(std::hypot(at[k - 1].x() - at[k].x(), at[k - 1].y() - at[k].y()),
                                 std::hypot(at[k + 1].x() - at[k].x(), at[k + 1].y() - at[k].y())) /
                        2;
    if (d.elbow_radius > 0 && inside > 1e-6 && tangent < room) {
      pipe.lineTo(at[k] + a * tangent);
      pipe.quadTo(at[k], at[k] + b * tangent);
    } else {
      pipe.lineTo(at[k]);
    }
  }
  pipe.lineTo(at.back());
  painter.setPen(QPen(Qt::black, 0.7 * per_mm, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(pipe);

  painter.setPen(QPen(Qt::black, 0.25 * per_mm));
  anchor(painter, at.front(), at.front() - at[1], per_mm);
  anchor(painter, at.back(), at.back() - at[at.size() - 2], per_mm);

  // The guides' marks, which the labels keep clear of.
  const auto side_of = [&](const RunDrawing::GuideMark& guide) {
    const QPointF g = page(guide.at), along = unit(page(guide.corner) - g);
    QPointF side(-along.y(), along.x());
    return (g - middle).x() * side.x() + (g - middle).y() * side.y() > 0 ? -side : side;
  };
  painter.setPen(QPen(Qt::black, 0.5 * per_mm));
  for (const RunDrawing::GuideMark& guide : d.guides) {
    const QPointF g = page(guide.at);
    guide_mark(painter, g, page(guide.corner) - g, per_mm);
    placed.emplace_back(g - QPointF(2.5 * per_mm, 2.5 * per_mm), QSizeF(5 * per_mm, 5 * per_mm));
  }
  painter.setPen(QPen(Qt::black, 0.25 * per_mm));

  // Leg lengths beside each leg, on the side away from the run's middle.
  for (std::size_t k = 0; k + 1 < at.size() && k < static_cast<std::size_t>(d.legs.size()); ++k) {
    const QPointF mid = (at[k] + at[k + 1]) / 2, along = unit(at[k + 1] - at[k]);
    QPointF normal(-along.y(), along.x());
    if ((mid - middle).x() * normal.x() + (mid - middle).y() * normal.y() < 0) normal = -normal;
    if (std::hypot(normal.x(), normal.y()) == 0) normal = QPointF(0, 1);
    label(painter, mid, normal, 1.5 * per_mm, d.legs[static_cast<qsizetype>(k)], placed);
  }
  // The point numbers, circled, away from the run; the named angles inside
  // their bends with an arc.
  for (std::size_t k = 0; k < at.size(); ++k) {
    const QPointF prev = k > 0 ? unit(at[k - 1] - at[k]) : QPointF(),
                  next = k + 1 < at.size() ? unit(at[k + 1] - at[k]) : QPointF();
    QPointF out = -(prev + next);
    if (std::hypot(out.x(), out.y()) < 1e-9) out = QPointF(next.y(), -next.x()) + QPointF(prev.y(), -prev.x());
    if (k == 0 || k + 1 == at.size()) out = QPointF(-(prev + next).y(), (prev + next).x());  // beside the anchor
    if ((at[k] - middle).x() * out.x() + (at[k] - middle).y() * out.y() < 0 && k > 0 && k + 1 < at.size()) out = -out;
    const QString number = QString::number(k + 1);
    const double r = line * 0.62;
    const QPointF c = at[k] + unit(out) * (3 * per_mm + r);
    placed.emplace_back(c - QPointF(r, r), QSizeF(2 * r, 2 * r));
    painter.setBrush(Qt::white);
    painter.drawEllipse(c, r, r);
    painter.drawText(QRectF(c - QPointF(r, r), QSizeF(2 * r, 2 * r)), Qt::AlignCenter, number);
    painter.setBrush(Qt::NoBrush);
    if (k == 0 || k + 1 == at.size() || d.angles.value(static_cast<qsizetype>(k)).isEmpty()) continue;
    const double radius = 6 * per_mm, from = seen_angle(prev);
    double sweep = seen_angle(next) - from;
    while (sweep > 180) sweep -= 360;
    while (sweep <= -180) sweep += 360;
    QPainterPath arc;
    const QRectF circle(at[k] - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    arc.arcMoveTo(circle, from);
    arc.arcTo(circle, from, sweep);
    painter.drawPath(arc);
    label(painter, at[k], prev + next, radius + 1 * per_mm, d.angles[static_cast<qsizetype>(k)], placed);
  }
  // Each guide's distance from its bend's corner point beside its mark, on
  // the side of the run's middle or else the other, clear of the legs'
  // lengths and the points; where both are taken, moved along the leg
  // towards its anchor.
  for (const RunDrawing::GuideMark& guide : d.guides) {
    const QPointF g = page(guide.at), towards_anchor = unit(g - page(guide.corner)), side = side_of(guide);
    const double width = QFontMetricsF(painter.font()).horizontalAdvance(d.guide_label);
    std::optional<QRectF> clear;
    for (const double shift : {0.0, 0.5, 0.75})
      for (const QPointF away : {side, -side})
        if (const QRectF box =
                label_box(painter, g + towards_anchor * shift * width, away, 2.6 * per_mm, d.guide_label);
            !clear && !overlaps(box, placed))
          clear = box;
    if (!clear) {
      label(painter, g, side, 2.6 * per_mm, d.guide_label, placed);
      continue;
    }
    placed.push_back(*clear);
    painter.drawText(*clear, Qt::AlignCenter, d.guide_label);
  }

  // The overall length between the anchors, under the run.
  if (!d.overall.isEmpty()) {
    const double y = std::max(at.front().y(), at.back().y()) + 9 * per_mm;
    const QPointF a(at.front().x(), y), b(at.back().x(), y);
    painter.drawLine(at.front() + QPointF(0, 5 * per_mm), a + QPointF(0, 1.5 * per_mm));
    painter.drawLine(at.back() + QPointF(0, 5 * per_mm), b + QPointF(0, 1.5 * per_mm));
    painter.setBrush(Qt::black);
    arrow(painter, (a + b) / 2, a, 1.8 * per_mm);
    arrow(painter, (a + b) / 2, b, 1.8 * per_mm);
    painter.setBrush(Qt::white);
    label(painter, (a + b) / 2, QPointF(0, 1), 0.8 * per_mm, d.overall, placed);
  }

  // The reactions' positive senses at the anchors (x along L1, y across it).
  const QColor blue(0, 60, 160);
  painter.setPen(QPen(blue, 0.3 * per_mm));
  painter.setBrush(blue);
  const double head = 1.8 * per_mm;
  // Up and to the left of point 1, where every panel's run leaves room; the
  // axes point the same ways.
  const QPointF p1 = at.front(), base = p1 + QPointF(-15 * per_mm, -9 * per_mm);
  arrow(painter, base, base + QPointF(9 * per_mm, 0), head);
  label(painter, base + QPointF(9 * per_mm, 0), QPointF(1, 0), 0.8 * per_mm, RunDrawing::tr("Fx, x"), placed);
  arrow(painter, base, base + QPointF(0, -9 * per_mm), head);
  label(painter, base + QPointF(0, -9 * per_mm), QPointF(0, -1), 0.8 * per_mm, RunDrawing::tr("Fy, y"), placed);
  moment_arrow(painter, p1, 11 * per_mm, 150, head, "Mz1", placed);
  if (d.far_moment) moment_arrow(painter, at.back(), 11 * per_mm, -70, head, "Mz2", placed);

  // The legend.
  painter.setPen(QPen(Qt::black, 0.25 * per_mm));
  QString legend = RunDrawing::tr("x along L1 from point 1, y across it; arrows: positive Fx, Fy and Mz");
  if (!d.elbow_label.isEmpty()) legend += RunDrawing::tr("; %1").arg(d.elbow_label);
  if (!d.guide_legend.isEmpty()) legend += RunDrawing::tr("; %1").arg(d.guide_legend);
  painter.drawText(box.adjusted(2 * per_mm, 0, -2 * per_mm, -1.5 * per_mm),
                   Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, legend);
  painter.restore();
}

}  // namespace quorvel::ui
