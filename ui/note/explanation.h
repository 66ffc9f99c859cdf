#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>

#include "quorvel/panels/panel.h"

namespace quorvel::ui {

// The tooltips that say what a field is: an input's quantity and unit
// ("T: temperature, ℃"), a result's quantity and place with its unrounded
// value in SI units ("S3/[S]: bending stress at the far anchor, 25.39 MPa =
// 0.317 [S]").
struct Explanation {
  Q_DECLARE_TR_FUNCTIONS(Explanation)

 public:
  static QString of_input(const InputField& field);
  static QString of_result(const Panel& panel, std::size_t index, const Values& values, const QString& decimal_point);
};

}  // namespace quorvel::ui
