#include "batch.h"

#include <cmath>
#include <limits>
#include <span>
#include <utility>
#include <vector>

#include "plot.h"
#include "quorvel/analyses/code_check.h"
#include "quorvel/analyses/elbows.h"
#include "quorvel/analyses/guides.h"
#include "quorvel/analyses/installation.h"
#include "quorvel/analyses/judged.h"
#include "quorvel/analyses/validity.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"
#include "quorvel/panels/panels.h"
#include "quorvel/text/advice.h"
#include "quorvel/text/csv.h"
#include "quorvel/text/text.h"

namespace quorvel::batch {
namespace {

std::string status_text(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::type_mismatch: return "type mismatch";
    case ErrorKind::overflow: return "overflow";
    case ErrorKind::division_by_zero: return "division by zero";
  }
  return "error";
}

std::string status_text(const std::optional<Failure>& failure) {
  return failure ? status_text(failure->kind) : "ok";
}

// What standard error says of a row that failed: its status and what to type
// into the field that caused it, or what the checks of the inputs say about a
// failed step of the formulas (t = 0: a zero section), as the window does.
std::string failure_text(const Panel& panel, std::span<const std::string> inputs, const Failure& failure,
                         std::string_view decimal_point) {
  std::string text = status_text(failure.kind);
  if (const auto advice = advise(panel, inputs, failure, decimal_point)) return text + ": " + advice->text();
  const char* separator = ": ";
  for (const InputCheck& check : check_inputs(panel, inputs, decimal_point)) {
    text += separator + check.text();
    separator = "; ";
  }
  return text;
}

// --elbows: k and i, the panel's reactions and ratios with elbows, the
// governing ratio and its verdict; all empty when the calculation failed,
// all but the last when the elbows do not fit (the last names the leg) or
// the run has no answer with elbows. Where the inputs describe no pipe the
// governing ratio is empty and the last cell "invalid", fitting or not.
void append_elbows(std::vector<std::string>& cells, const Panel& panel, const Outcome& outcome, const Options& options,
                   std::string_view decimal_point, bool pipe) {
  const std::size_t count = panel.results.size() + 4;
  if (outcome.failure || !outcome.values) {
    cells.resize(cells.size() + count);
    return;
  }
  const ElbowRunTexts run =
      elbow_run_texts(panel, with_elbows(panel, outcome, *options.elbows, to_double(options.target)), decimal_point);
  if (!run.unsolved.empty()) {
    cells.resize(cells.size() + count - 1);
    cells.push_back(pipe ? run.unsolved : std::string(kInvalid));
    return;
  }
  cells.push_back(run.k_cell);
  cells.push_back(run.i_cell);
  for (bool ratios : {false, true})
    for (std::size_t i = 0; i < panel.results.size(); ++i)
      if ((panel.results[i].display == Display::ratio) == ratios) cells.push_back(run.results[i]);
  cells.push_back(pipe ? run.governing : "");
  cells.emplace_back(pipe ? run.verdict : kInvalid);
}

// The outcome the analyses beside the panel take: with --installed T0 the
// run counted from T0 (no values where that is not defined), else the run.
Outcome basis(const Panel& panel, const Outcome& outcome, const Options& options, std::string_view decimal_point,
              std::span<const std::string> inputs) {
  if (!options.review.installed) return outcome;
  Outcome based{{}, outcome.failure, {}};
  based.values = counted_from(panel, inputs, outcome, *options.review.installed, decimal_point);
  return based;
}

// --check: the checks of the inputs as "SYMBOL: text" joined by "; ".
std::string checks_cell(const Panel& panel, std::span<const std::string> inputs, std::string_view decimal_point) {
  std::string cell;
  for (const InputCheck& check : check_inputs(panel, inputs, decimal_point))
    cell += (cell.empty() ? "" : "; ") + std::string(check.symbol) + ": " + check.text();
  return cell;
}

// Appends the results, padded to the panel's count; with --si the same
// results in SI units from their unrounded values, with --verdict the
// governing ratio and whether it passes (empty when the calculation failed,
// "invalid" without the ratio where the inputs describe no pipe), with
// --check last the checks of the inputs the run took.
void append_results(std::vector<std::string>& cells, const Panel& panel, const Outcome& outcome, const Options& options,
                    std::string_view decimal_point, std::span<const std::string> inputs) {
  std::vector<std::string> results = outcome.results;
  results.resize(panel.results.size());
  cells.insert(cells.end(), results.begin(), results.end());
  if (options.si)
    for (std::size_t i = 0; i < results.size(); ++i)
      cells.push_back(outcome.values ? si_text(panel, *outcome.values, i, decimal_point) : "");
  const bool pipe = describes_a_pipe(panel, inputs, decimal_point);
  if (options.verdict) {
    if (outcome.failure || !outcome.values) {
      cells.insert(cells.end(), 2, "");
    } else if (!pipe) {
      cells.insert(cells.end(), {"", std::string(kInvalid)});
    } else {
      const Verdict verdict = judge(*outcome.values, to_double(options.target));
      cells.push_back(ratio_text(verdict.governing, decimal_point));
      cells.emplace_back(verdict_word(verdict));
    }
  }
  const Outcome based = basis(panel, outcome, options, decimal_point, inputs);
  if (options.elbows) append_elbows(cells, panel, based, options, decimal_point, pipe);
  append_review_cells(cells, panel, outcome, based, options.review, to_double(options.target), decimal_point, pipe);
  append_guide_cells(cells, panel, based, options.guided, options.elbows, to_double(options.target), decimal_point,
                     pipe);
  if (options.code.on)
    append_code_cells(cells, panel, outcome, options.code, to_double(options.target), decimal_point, pipe);
  if (options.check) cells.push_back(checks_cell(panel, inputs, decimal_point));
}

// The names of the cells append_results writes, in its order.
void append_result_names(std::vector<std::string>& names, const Panel& panel, const Options& options) {
  for (const ResultField& result : panel.results) names.push_back(cell_name(result.symbol, result.unit));
  if (options.si)  // a stress, not its ratio: "S2 MPa"
    for (const ResultField& result : panel.results)
      names.push_back(
          cell_name(result.display == Display::ratio ? result.symbol.substr(0, result.symbol.find('/')) : result.symbol,
                    si_unit(result.display)));
  if (options.verdict) names.insert(names.end(), {cell_name("governing", "S/[S]"), "verdict"});
  if (options.elbows) {
    names.insert(names.end(), {cell_name("k", "", "elbows"), cell_name("i", "", "elbows")});
    for (bool ratios : {false, true})
      for (const ResultField& result : panel.results)
        if ((result.display == Display::ratio) == ratios)
          names.push_back(cell_name(result.symbol, result.unit, "elbows"));
    names.insert(names.end(), {cell_name("governing", "S/[S]", "elbows"), cell_name("verdict", "", "elbows")});
  }
  append_review_names(names, panel, options.review);
  append_guide_names(names, panel, options.guided);
  if (options.code.on) append_code_names(names, panel, options.guided.guides.has_value());
  if (options.check) names.emplace_back("check");
}

// What a walk judges by: --code, else --guides (with --elbows), else
// --elbows, else the panel's ratios; with --installed counted from T0.
Judging judging(const Options& options) {
  return {options.code.on ? std::optional(options.code.settings) : std::nullopt, options.review.installed,
          options.guided.guides, options.elbows, to_double(options.target)};
}

// What judges a walk when not the panel's own ratios from 0 ℃, for the chart:
// "the code check (ASME B31.3-2018)" with its series "SE/SA, the code check
// (ASME B31.3-2018)"; nothing without --code, --guides, --elbows and
// --installed.
Judged judged_by(const Options& options, std::string_view decimal_point) {
  const JudgedBy by = quorvel::judged_by(judging(options));
  if (by == JudgedBy::code) {
    const std::string what = "the code check (" + std::string(kCodeEdition) + ")";
    return {what, "SE/SA, " + what, ", and the code's SE/SA"};
  }
  if (by == JudgedBy::panel) return {};
  const auto metres = [&](double m) { return number_text(m, decimal_point) + " m"; };
  std::string series;
  if (options.guided.guides) series = "guided run, g = " + metres(*options.guided.guides);
  if (options.elbows) {
    const ElbowRadius& r = *options.elbows;
    series += (series.empty() ? "" : ", ") + std::string("with elbows R = ") +
              (r.times_D > 0 ? number_text(r.times_D, decimal_point) + "D" : metres(r.metres));
  }
  const std::string installed =
      options.review.installed ? "installed at " + celsius_text(*options.review.installed, decimal_point) + " ℃" : "";
  if (!installed.empty()) series += (series.empty() ? "" : ", ") + installed;
  const std::string what = by == JudgedBy::guides   ? "the guided run"
                           : by == JudgedBy::elbows ? "the run with elbows"
                                                    : "the run " + installed;
  return {what, series, {}};
}

// A value of the loop's H or W walk that leaves L1 or L5 below 0: "L1 below 0".
std::string negative_text(std::string_view leg) {
  return std::string(leg) + " below 0";
}

// What a walk of a row found: its passing stretches (only the first unless
// all are wanted), the run's inputs and outcome at the first passing value,
// and the status: ok, "no solution", or the kind of failure every value
// failed with. When no value passes and a value of H or W left L1 or L5 below
// 0, "no solution" says from which value on: "no solution: L1 below 0 from
// 8.01".
struct Found {
  Stretches stretches;
  std::vector<std::string> inputs;
  Outcome first;
  std::string status = "ok";
};

Found walk_row(const Panel& panel, const std::vector<std::string>& cells, const Options& options,
               std::string_view decimal_point, bool every_stretch) {
  Found found;
  const Judging judge = judging(options);
  std::optional<ErrorKind> common;  // the kind every value so far failed with
  bool all_failed_alike = true;
  std::string negative;  // where a leg first went below 0
  const std::vector<std::string> texts(cells.begin() + 1, cells.end());
  walk_run(panel, texts, *options.walk, decimal_point, [&](const WalkStep& step) {
    const Outcome& outcome = step.outcome;
    // A value that leaves L1 or L5 below 0 has no run and does not pass.
    const bool pass =
        step.negative_leg.empty() && judged_ratio(panel, step.inputs, outcome, judge, decimal_point) <= judge.target;
    if (pass && found.stretches.found().empty()) {
      found.first = outcome;
      found.inputs = step.inputs;
    }
    found.stretches.add(step.value, pass);
    if (!outcome.failure || (common && *common != outcome.failure->kind)) all_failed_alike = false;
    if (outcome.failure) common = outcome.failure->kind;
    if (!step.negative_leg.empty() && negative.empty())
      negative = negative_text(step.negative_leg) + " from " + plain_text(step.value, decimal_point);
    return every_stretch || !found.stretches.closed();
  });
  if (found.stretches.found().empty())
    found.status = all_failed_alike && common ? status_text(*common)
                   : negative.empty()         ? "no solution"
                                              : "no solution: " + negative;
  return found;
}

// --solve: the input cells, the status, the first value that passes, the
// last one before the run stops passing again, and the results at the first
// (the checks of the row as it came when no value passes).
std::vector<std::string> solve_row(const Panel& panel, std::vector<std::string> cells, const Options& options,
                                   std::string_view decimal_point) {
  const Found found = walk_row(panel, cells, options, decimal_point, false);
  std::vector<std::string> texts(cells.begin() + 1, cells.end());
  cells.push_back(found.status);
  if (found.stretches.found().empty()) {
    cells.insert(cells.end(), 2, "");
  } else {
    texts = found.inputs;
    cells.push_back(plain_text(found.stretches.found().front().from, decimal_point));
    cells.push_back(plain_text(found.stretches.found().front().to, decimal_point));
  }
  append_results(cells, panel, found.first, options, decimal_point, texts);
  return cells;
}

// --ranges: the input cells, the status, then each passing stretch as
// "FROM..TO".
std::vector<std::string> ranges_row(const Panel& panel, std::vector<std::string> cells, const Options& options,
                                    std::string_view decimal_point) {
  const Found found = walk_row(panel, cells, options, decimal_point, true);
  cells.push_back(found.status);
  for (const Stretch& s : found.stretches.found())
    cells.push_back(plain_text(s.from, decimal_point) + ".." + plain_text(s.to, decimal_point));
  return cells;
}

// --sweep: one output row per value, the value in F's cell (with H and W the
// loop's changed legs in theirs); a value that leaves L1 or L5 below 0 says
// so in the status cell ("L1 below 0"), its results empty.
void sweep_rows(const Panel& panel, const std::vector<std::string>& cells, const Walked& moved, const Options& options,
                csv::Dialect dialect, std::ostream& out) {
  const std::string_view decimal_point = dialect.decimal_point;
  const std::vector<std::string> texts(cells.begin() + 1, cells.end());
  const Judged judged = options.plot ? judged_by(options, decimal_point) : Judged{};
  const Judging judge = judging(options);
  if (options.plot) options.plot->start(panel, texts, *options.walk, moved, judged);
  walk_run(panel, texts, *options.walk, decimal_point, [&](const WalkStep& step) {
    // A value that leaves L1 or L5 below 0 has no run to judge.
    if (options.plot)
      options.plot->add(step.value, step.outcome,
                        judged.what.empty() || !step.negative_leg.empty()
                            ? std::numeric_limits<double>::quiet_NaN()
                            : judged_ratio(panel, step.inputs, step.outcome, judge, decimal_point));
    std::vector<std::string> row = cells;
    for (std::size_t i : moved.changes) row[i + 1] = step.inputs[i];
    row.push_back(step.negative_leg.empty() ? status_text(step.outcome.failure) : negative_text(step.negative_leg));
    append_results(row, panel, step.outcome, options, decimal_point, step.inputs);
    out << csv::write_record(row, dialect);
    return true;
  });
}

// ASCII letters in lower case: the panel keys and "panel" in any case.
std::string lowercase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// "bend, offset or loop"
std::string panel_keys() {
  std::string keys;
  const auto all = panels();
  for (std::size_t i = 0; i < all.size(); ++i)
    keys += (i == 0 ? "" : i + 1 == all.size() ? " or " : ", ") + std::string(all[i]->key);
  return keys;
}

}  // namespace

bool is_header_row(const std::vector<std::string>& cells) {
  return lowercase(cells.front()) == "panel";
}

std::vector<std::string> header_row(const Panel& panel, const Options& options) {
  std::vector<std::string> names{"panel"};
  for (const InputField& field : panel.inputs) names.emplace_back(field.symbol);
  names.emplace_back("status");
  const auto moved = options.walk ? walked(panel, options.walk->symbol) : std::nullopt;
  if (moved && options.mode == WalkMode::ranges) {
    names.push_back(cell_name(options.walk->symbol, moved->unit, "ranges"));
    return names;
  }
  if (moved && options.mode == WalkMode::solve)
    names.insert(names.end(), {cell_name(options.walk->symbol, moved->unit, "solve"),
                               cell_name(options.walk->symbol, moved->unit, "solve end")});
  append_result_names(names, panel, options);
  return names;
}

std::optional<ElbowRadius> parse_elbow_radius(std::string_view text) {
  for (const auto& [name, times] : {std::pair{"1D", 1.0}, {"1.5D", 1.5}, {"3D", 3.0}, {"5D", 5.0}})
    if (text == name) return ElbowRadius{times, 0};
  if (!text.ends_with('m')) return std::nullopt;
  const auto metres = parse_decimal(text.substr(0, text.size() - 1), ".");
  if (!metres || compare(*metres, {}) <= 0 || !std::isfinite(to_double(*metres))) return std::nullopt;
  return ElbowRadius{0, to_double(*metres)};
}

bool process(std::string_view data, const std::string& source, const Options& options, std::ostream& out,
             std::ostream& err, const Panel** last) {
  const auto dialect = csv::Dialect::with_decimal_comma(options.decimal_comma);
  const std::string_view decimal_point = dialect.decimal_point;
  bool all_valid = true;
  const Panel* last_here = nullptr;
  if (!last) last = &last_here;
  csv::Reader reader(data, dialect);
  for (bool first = true; auto record = reader.next(); first = false) {
    std::vector<std::string>& cells = record->cells;
    if (first && !record->unterminated && is_header_row(cells)) continue;
    const auto reject = [&](const std::string& why) {
      err << source << ":" << record->line << ": " << why << "\n";
      all_valid = false;
    };
    if (record->unterminated) {
      reject("a quoted cell is not closed");
      continue;
    }
    const Panel* panel = panel_by_key(lowercase(cells.front()));
    if (!panel) {
      reject("unknown panel '" + one_line(cells.front(), 40) + "' (expected " + panel_keys() + ")");
      continue;
    }
    // Spreadsheets pad every row to the widest one.
    while (cells.size() > panel->inputs.size() + 1 && cells.back().empty()) cells.pop_back();
    if (cells.size() != panel->inputs.size() + 1) {
      reject(std::string(panel->key) + " takes " + std::to_string(panel->inputs.size()) + " input texts, the row has " +
             std::to_string(cells.size() - 1));
      continue;
    }
    const auto name_columns = [&] {
      if (options.header && panel != *last) out << csv::write_record(header_row(*panel, options), dialect);
      *last = panel;
    };
    if (!options.walk) {
      name_columns();
      const std::vector<std::string> texts(cells.begin() + 1, cells.end());
      Outcome outcome = calculate(*panel, texts, decimal_point);
      if (outcome.failure)
        err << source << ":" << record->line << ": " << failure_text(*panel, texts, *outcome.failure, decimal_point)
            << "\n";
      cells.push_back(status_text(outcome.failure));
      append_results(cells, *panel, outcome, options, decimal_point, texts);
      out << csv::write_record(cells, dialect);
      continue;
    }
    const auto moved = walked(*panel, options.walk->symbol);
    if (!moved) {
      const bool whole_loop = options.walk->symbol == kLoopHeight || options.walk->symbol == kLoopWidth;
      reject(whole_loop ? options.walk->symbol + " walks a loop's " +
                              (options.walk->symbol == kLoopHeight ? "height" : "width") + ", a " +
                              std::string(panel->key) + " row has none"
                        : std::string(panel->key) + " has no field " + typed_symbol(options.walk->symbol));
      continue;
    }
    name_columns();
    if (options.mode == WalkMode::solve)
      out << csv::write_record(solve_row(*panel, std::move(cells), options, decimal_point), dialect);
    else if (options.mode == WalkMode::ranges)
      out << csv::write_record(ranges_row(*panel, std::move(cells), options, decimal_point), dialect);
    else
      sweep_rows(*panel, cells, *moved, options, dialect, out);
  }
  return all_valid;
}

}  // namespace quorvel::batch
