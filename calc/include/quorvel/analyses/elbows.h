#pragma once

// The same run with real elbows: every bend of the run a circular arc of
// radius R tangent to both legs, k times as flexible in bending as straight
// pipe, its bending stress raised by i (ASME B31.3 Appendix D; GB 50316 gives
// the same table). An analysis beside the panels' calculation, in plain
// doubles from the run's values: it never changes a shown result.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/material.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/panel.h"

namespace quorvel {

// A bend's characteristic h = t·R/r² (r = (D − t)/2, the mean radius), its
// flexibility factor k = 1.65/h and its stress intensification factor
// i = 0.9/h^(2/3) in the plane of the bend, neither below 1, and out of its
// plane i_out = 0.75/h^(2/3) (at least 1). D, t and R in metres.
struct ElbowFactors {
  double h = 0, k = 1, i = 1, i_out = 1;
};
ElbowFactors elbow_factors(double D, double t, double R);

enum class ElbowStatus : unsigned char {
  solved,
  does_not_fit,   // the elbows at the ends of a leg need more than its length
  not_available,  // values that are not finite, or a geometry with no bend to put an elbow in
};

struct ElbowRun {
  ElbowStatus status = ElbowStatus::not_available;
  int leg = 0;  // does_not_fit: the first leg overrun, 1 for L1
  double R = 0;
  ElbowFactors factors;
  double M1 = 0, Fx = 0, Fy = 0;  // the reactions at point 1 in the panel's sign convention, N·m and N
  // At every point, point 1 first: at an anchor the moment there; at a bend
  // the moment of largest magnitude anywhere on its arc.
  std::vector<double> moments;
  // The magnitude of the force along the pipe at the section of each moment, N.
  std::vector<double> axial;
  // At an anchor |M|/Z/[S], at a bend i·|M|max/Z/[S].
  std::vector<double> ratios;
  // Each of the panel's results with elbows, as Values::results holds them.
  std::vector<double> results;
  Verdict verdict;       // from `ratios`
  double allowable = 0;  // [S] the ratios are taken to, Pa
};

// The elbows' radius as a multiple of D, or in metres.
struct ElbowRadius {
  double times_D = 0, metres = 0;
  double of(double D) const { return times_D > 0 ? times_D * D : metres; }
};

// The run of `values` with elbows of radius R (metres), k and i from the
// section; judged against `target` as quorvel/analyses/verdict.h judges; E·I, the
// growth and [S] are the material's (with_material).
ElbowRun with_elbows(const Panel& panel, const Values& values, double R, double target = 1,
                     const Material& material = carbon_steel());
// The same with the factors given, for the comparisons with other models.
ElbowRun with_elbows(const Panel& panel, const Values& values, double R, const ElbowFactors& factors, double target = 1,
                     const Material& material = carbon_steel());

// The run of an outcome with elbows; not available where the calculation failed.
ElbowRun with_elbows(const Panel& panel, const Outcome& outcome, const ElbowRadius& radius, double target = 1,
                     const Material& material = carbon_steel());
// Solved, and no ratio with elbows above the target.
bool passes(const ElbowRun& run) noexcept;
// For a chart: the governing ratio with elbows, NaN unless solved.
double governing_ratio(const ElbowRun& run) noexcept;

// Result `index` with elbows in the display of the panel's result (tenths,
// or the ratio display); empty unless the run was solved.
std::string elbow_text(const Panel& panel, const ElbowRun& run, std::size_t index, std::string_view decimal_point);

// A run with elbows as the note, the tooltips and quorvel-batch write it.
struct ElbowRunTexts {
  std::string k, i;                  // three significant digits: 11.0, 3.18
  std::string k_cell, i_cell;        // two decimals, quorvel-batch's cells
  std::vector<std::string> results;  // elbow_text of each of the panel's results
  std::string governing;             // the governing ratio, three decimals
  std::string_view verdict;          // "passes" or "exceeds"
  std::string unsolved;              // "does not fit L2" or "not available"; empty when solved
};
ElbowRunTexts elbow_run_texts(const Panel& panel, const ElbowRun& run, std::string_view decimal_point);

}  // namespace quorvel
