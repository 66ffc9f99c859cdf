#pragma once

// The words of a verdict, the same for the run as the panel computed it and
// for the run installed elsewhere or with elbows.

#include <QCoreApplication>
#include <QString>
#include <span>
#include <string_view>

#include "quorvel/analyses/validity.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/panel.h"

namespace quorvel::ui {

struct VerdictTexts {
  Q_DECLARE_TR_FUNCTIONS(VerdictTexts)

 public:
  // "S3/[S] = 0.317 at the far anchor": the governing ratio where it occurs.
  static QString governing(const Panel& panel, const Verdict& verdict, std::string_view decimal_point);
  // "within the allowable stress (25.39 MPa ≤ [S] = 80 MPa)", [S] (`allowable`) in Pa.
  static QString verdict(const Verdict& verdict, double allowable, std::string_view decimal_point);
  // Every verdict of a run whose inputs describe no pipe: "invalid: the inputs
  // describe no pipe: t = 120 mm: …".
  static QString invalid(const InputCheck& no_pipe);
  // A verdict with the warnings of its inputs beside it, which do not change it.
  static QString with_warnings(const QString& verdict, std::span<const InputCheck> checks);
};

}  // namespace quorvel::ui
