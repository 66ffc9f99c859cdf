#include "review_cells.h"

#include "quorvel/panels/display.h"
#include "quorvel/analyses/hand_methods.h"
#include "quorvel/analyses/installation.h"
#include "quorvel/analyses/movements.h"
#include "quorvel/analyses/verdict.h"

namespace quorvel::batch {
namespace {

constexpr std::string_view kNotDefined = "not defined";

std::string passes(bool passes) {
  return passes ? "passes" : "fails";
}

// The factor, the scaled results in the panel's displays, the governing
// ratio and its verdict.
void installed_cells(std::vector<std::string>& cells, const Panel& panel, const Values* run, double T0, double target,
                     std::string_view dp) {
  const std::size_t count = 3 + panel.results.size();
  const auto scaled = run ? installed(*run, T0, target) : std::nullopt;
  if (!scaled) {
    cells.push_back(run ? std::string(kNotDefined) : "");
    cells.insert(cells.end(), count - 1, "");
    return;
  }
  cells.push_back(fixed_text(scaled->factor, 0, 3, dp));
  std::vector<std::string> results = result_texts(panel, scaled->values, dp);
  results.resize(panel.results.size());
  cells.insert(cells.end(), results.begin(), results.end());
  cells.push_back(ratio_text(scaled->verdict.governing, dp));
  cells.push_back(scaled->verdict.exceeds ? "exceeds" : "passes");
}

// dx and dy of every bend point, mm with one decimal.
void movement_cells(std::vector<std::string>& cells, const Panel& panel, const Values* run, std::string_view dp) {
  const std::vector<Point> moved = run ? movements(*run) : std::vector<Point>{};
  for (int k = 1; k + 1 < panel.points; ++k) {
    const bool known = static_cast<std::size_t>(k) < moved.size();
    cells.push_back(known ? fixed_text(moved[k].x, 3, 1, dp) : "");
    cells.push_back(known ? fixed_text(moved[k].y, 3, 1, dp) : "");
  }
}

// The screen against both limits, the guided cantilever's governing ratio
// and the exact one over it.
void crosscheck_cells(std::vector<std::string>& cells, const Values* run, std::string_view dp) {
  if (!run) {
    cells.insert(cells.end(), 5, "");
    return;
  }
  if (const auto screen = b31_screen(*run)) {
    cells.push_back(fixed_text(*screen, 0, 1, dp));
    cells.push_back(passes(*screen <= kScreenK1));
    cells.push_back(passes(*screen <= panels_screen_limit(*run)));
  } else {
    cells.insert(cells.end(), {std::string(kNotDefined), "", ""});
  }
  if (const auto hand = guided_cantilever(*run)) {
    cells.push_back(ratio_text(hand->governing, dp));
    cells.push_back(hand->exact_over_hand ? fixed_text(*hand->exact_over_hand, 0, 2, dp) : "");
  } else {
    cells.insert(cells.end(), {std::string(kNotDefined), ""});
  }
}

}  // namespace

void append_checker_cells(std::vector<std::string>& cells, const Panel& panel, const Outcome& outcome,
                          const CheckerCells& checks, double target, std::string_view decimal_point) {
  const Values* run = outcome.failure || !outcome.values ? nullptr : &*outcome.values;
  if (checks.installed) installed_cells(cells, panel, run, *checks.installed, target, decimal_point);
  if (checks.movements) movement_cells(cells, panel, run, decimal_point);
  if (checks.crosscheck) crosscheck_cells(cells, run, decimal_point);
}

}  // namespace quorvel::batch
