#pragma once

// The sheet's drawing of one run, made from the run's own geometry and drawn
// to scale: the legs with their lengths, the point numbers, the angles the
// panel names, the anchors, the elbows and the guides when the note has
// them, the x and y axes and the positive senses of the reactions at the
// anchors.

#include <QCoreApplication>
#include <QPointF>
#include <QString>
#include <span>
#include <string>
#include <vector>

#include "quorvel/analyses/guides.h"
#include "quorvel/panels/panel.h"

class QPainter;
class QRectF;

namespace quorvel::ui {

struct RunDrawing {
  Q_DECLARE_TR_FUNCTIONS(RunDrawing)

 public:
  std::vector<QPointF> points;  // the run's points in the panel's axes, m; point 1 at the origin
  QStringList legs;             // "L1 = 20 m", one a leg
  QStringList angles;           // at each point, "α = 90°" where the panel names the angle there, else empty
  QString overall;              // "L = 40 m" for a panel with an overall length, else empty
  double elbow_radius = 0;      // m; 0 for sharp corners
  QString elbow_label;          // "Elbows R = 1.5·D = 0.566 m"
  bool far_moment = false;      // the panel gives the moment at the far anchor (Mz2)
  // Each guide that holds its leg: where, in the panel's axes, m, and the
  // corner point it is measured from; with its label "g = 3 m".
  struct GuideMark {
    QPointF at, corner;
  };
  std::vector<GuideMark> guides;
  QString guide_label;   // "g = 3 m"
  QString guide_legend;  // "guides 3 m from the bends (two bars …); no guide on L5"; empty without guides

  // Whether the geometry can be drawn: at least two points, all finite, not
  // all in one place.
  bool drawable() const;
};

// The drawing of a run with these input texts (as entered) and values, with
// elbows of `elbow_radius` metres (0: none) named `elbow_text`.
RunDrawing run_drawing(const Panel& panel, std::span<const std::string> inputs, const Values& run, double elbow_radius,
                       const QString& elbow_text);

// The guides of a solved guided run into the drawing, g metres from the
// bends; the legs without one named in its legend.
void add_guides(RunDrawing& drawing, const GuidedRun& run, const std::string& decimal_point);

// Draws the run into `box`, to scale, with its labels in the painter's font;
// `per_mm` device units to the millimetre.
void draw_run(QPainter& painter, const QRectF& box, const RunDrawing& drawing, double per_mm);

}  // namespace quorvel::ui
