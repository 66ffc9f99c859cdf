#include "guide_cells.h"

#include <cmath>

#include "quorvel/analyses/guides.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"
#include "quorvel/text/decimal.h"
#include "review_cells.h"

namespace quorvel::batch {
namespace {

// The guided run's reactions and ratios in the panel's order, the ratio and
// the force at each guide, the governing ratio, its verdict and the legs
// without a guide; all empty when the calculation failed, all but the last
// when the run has no answer (the last says why). Where the inputs describe
// no pipe the governing ratio is empty and the verdict invalid, answer or not.
void guided_cells(std::vector<std::string>& cells, const Panel& panel, const GuidedRun* run, std::string_view dp,
                  bool pipe) {
  const std::size_t count = panel.results.size() + 7;
  if (!run) {
    cells.resize(cells.size() + count);
    return;
  }
  const GuidedRunTexts texts = guided_run_texts(panel, *run, dp);
  if (!texts.unsolved.empty()) {
    const std::size_t verdict = cells.size() + count - 2;
    cells.resize(cells.size() + count - 1);
    if (!pipe) cells[verdict] = kInvalid;
    cells.push_back(texts.unsolved);
    return;
  }
  for (bool ratios : {false, true})
    for (std::size_t i = 0; i < panel.results.size(); ++i)
      if ((panel.results[i].display == Display::ratio) == ratios) cells.push_back(texts.results[i]);
  cells.insert(cells.end(), texts.ratios.begin(), texts.ratios.end());
  cells.insert(cells.end(), texts.forces.begin(), texts.forces.end());
  cells.push_back(pipe ? texts.governing : "");
  cells.emplace_back(pipe ? texts.verdict : kInvalid);
  cells.push_back(texts.unguided);
}

// Each anchor's load in kN: from the guided run, else the run with elbows,
// else the panel's own.
void friction_cells(std::vector<std::string>& cells, const Panel& panel, const Values* values, const GuidedRun* run,
                    const GuideCells& options, const std::optional<ElbowRadius>& elbows, double target,
                    std::string_view dp) {
  std::optional<std::pair<Point, Point>> forces;  // the start anchor's, the far one's
  const auto opposite = [&](double Fx, double Fy) {
    const Point start{panel.fx_sign * Fx, Fy};
    return std::pair{start, Point{-start.x, -start.y}};
  };
  if (run) {
    if (run->status == ElbowStatus::solved) forces = std::pair{run->start_force, run->far_force};
  } else if (values && elbows) {
    const ElbowRun bent = with_elbows(panel, *values, elbows->of(values->D), target);
    if (bent.status == ElbowStatus::solved) forces = opposite(bent.Fx, bent.Fy);
  } else if (values) {
    forces = opposite(values->Fx, values->Fy);
  }
  if (!forces || !values) {
    cells.insert(cells.end(), 2, "");
    return;
  }
  const AnchorLoads loads =
      anchor_loads(values->run, forces->first, forces->second, options.friction->w, options.friction->mu);
  for (double load : {loads.start, loads.far}) cells.push_back(fixed_text(load, -3, 3, dp));
}

}  // namespace

void append_guide_cells(std::vector<std::string>& cells, const Panel& panel, const Outcome& outcome,
                        const GuideCells& options, const std::optional<ElbowRadius>& elbows, double target,
                        std::string_view dp, bool pipe) {
  const Values* values = outcome.failure || !outcome.values ? nullptr : &*outcome.values;
  std::optional<GuidedRun> run;
  if (options.guides && values) run = with_guides(panel, *values, *options.guides, elbows, target);
  if (options.guides) guided_cells(cells, panel, run ? &*run : nullptr, dp, pipe);
  if (options.friction) friction_cells(cells, panel, values, run ? &*run : nullptr, options, elbows, target, dp);
}

void append_guide_names(std::vector<std::string>& names, const Panel& panel, const GuideCells& options) {
  // Appended, not "L" + …, which GCC 12 at -O3 flags with a false -Wrestrict.
  const std::string first = "L1", last = std::string("L").append(std::to_string(panel.points - 1));
  if (options.guides) {
    for (bool ratios : {false, true})
      for (const ResultField& result : panel.results)
        if ((result.display == Display::ratio) == ratios)
          names.push_back(cell_name(result.symbol, result.unit, "guides"));
    for (const std::string& leg : {first, last}) names.push_back(cell_name("S/[S] " + leg, "", "guides"));
    for (const std::string& leg : {first, last}) names.push_back(cell_name("F " + leg, "kg", "guides"));
    names.insert(names.end(), {cell_name("governing", "S/[S]", "guides"), cell_name("verdict", "", "guides"),
                               cell_name("unguided", "", "guides")});
  }
  if (options.friction)
    for (int point : {1, panel.points}) names.push_back(cell_name("anchor " + std::to_string(point), "kN", "friction"));
}

}  // namespace quorvel::batch
