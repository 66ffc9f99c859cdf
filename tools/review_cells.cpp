#include "review_cells.h"

#include "quorvel/analyses/hand_methods.h"
#include "quorvel/analyses/installation.h"
#include "quorvel/analyses/movements.h"
#include "quorvel/analyses/verdict.h"

namespace quorvel::batch {
namespace {

// The factor, the scaled results in the panel's displays, the governing
// ratio and its verdict; without the ratio and "invalid" where the inputs
// describe no pipe, defined or not.
void installed_cells(std::vector<std::string>& cells, const Panel& panel, const Values* run, double T0, double target,
                     std::string_view dp, bool pipe) {
  const std::size_t count = 3 + panel.results.size();
  const auto scaled = run ? installed(*run, T0, target) : std::nullopt;
  if (!scaled) {
    cells.push_back(run ? std::string(kNotDefined) : "");
    cells.insert(cells.end(), count - 2, "");
    cells.push_back(run && !pipe ? std::string(kInvalid) : "");
    return;
  }
  const InstalledTexts texts = installed_texts(panel, *scaled, dp);
  cells.push_back(texts.factor);
  cells.insert(cells.end(), texts.results.begin(), texts.results.end());
  cells.push_back(pipe ? texts.governing : "");
  cells.emplace_back(pipe ? texts.verdict : kInvalid);
}

// dx and dy of every bend point, mm with one decimal.
void movement_cells(std::vector<std::string>& cells, const Panel& panel, const Values* run, std::string_view dp) {
  const auto moved = bend_point_texts(run ? movements(*run) : std::vector<Point>{}, dp);
  for (std::size_t k = 0; k + 2 < static_cast<std::size_t>(panel.points); ++k) {
    cells.push_back(k < moved.size() ? moved[k].dx : "");
    cells.push_back(k < moved.size() ? moved[k].dy : "");
  }
}

// The screen against both limits, the guided cantilever's governing ratio
// and the exact one over it. Where the inputs describe no pipe the screen's
// value is empty and both its verdicts "invalid", defined or not.
void crosscheck_cells(std::vector<std::string>& cells, const Values* run, std::string_view dp, bool pipe) {
  if (!run) {
    cells.insert(cells.end(), 5, "");
    return;
  }
  const HandMethodTexts hand = hand_method_texts(*run, dp);
  if (!pipe)
    cells.insert(cells.end(), {"", std::string(kInvalid), std::string(kInvalid)});
  else if (hand.screen)
    cells.insert(cells.end(), {*hand.screen, std::string(screen_word(hand.within_K1)),
                               std::string(screen_word(hand.within_panels_limit))});
  else
    cells.insert(cells.end(), {std::string(kNotDefined), "", ""});
  if (hand.cantilever)
    cells.insert(cells.end(), {*hand.cantilever, hand.exact_over_hand});
  else
    cells.insert(cells.end(), {std::string(kNotDefined), ""});
}

}  // namespace

std::string cell_name(std::string_view symbol, std::string_view unit, std::string_view option) {
  std::string name(symbol);
  for (std::string_view word : {unit, option})
    if (!word.empty()) name.append(" ").append(word);
  return name;
}

void append_review_names(std::vector<std::string>& names, const Panel& panel, const ReviewCells& checks) {
  if (checks.installed) {
    names.push_back(cell_name("factor", "", "installed"));
    for (const ResultField& result : panel.results) names.push_back(cell_name(result.symbol, result.unit, "installed"));
    names.push_back(cell_name("governing", "S/[S]", "installed"));
    names.push_back(cell_name("verdict", "", "installed"));
  }
  if (checks.movements)
    for (int point = 2; point < panel.points; ++point)
      for (std::string_view axis : {"dx", "dy"})
        names.push_back(cell_name(std::string(axis) + std::to_string(point), "mm", "movements"));
  if (checks.crosscheck)
    for (std::string_view what : {"screen", "screen K1", "screen 208000·[S]/E", "cantilever S/[S]", "exact/cantilever"})
      names.push_back(cell_name(what, "", "crosscheck"));
}

void append_review_cells(std::vector<std::string>& cells, const Panel& panel, const Outcome& outcome,
                         const Outcome& based, const ReviewCells& checks, double target, std::string_view decimal_point,
                         bool pipe) {
  const auto values = [](const Outcome& o) { return o.failure || !o.values ? nullptr : &*o.values; };
  if (checks.installed) installed_cells(cells, panel, values(outcome), *checks.installed, target, decimal_point, pipe);
  if (checks.movements) movement_cells(cells, panel, values(based), decimal_point);
  if (checks.crosscheck) crosscheck_cells(cells, values(based), decimal_point, pipe);
}

}  // namespace quorvel::batch
