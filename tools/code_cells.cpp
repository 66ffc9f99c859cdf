#include "code_cells.h"

#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"
#include "review_cells.h"

namespace quorvel::batch {
namespace {

std::size_t count_of(const Panel& panel, bool ratios) {
  std::size_t n = 0;
  for (const ResultField& field : panel.results) n += (field.display == Display::ratio) == ratios ? 1 : 0;
  return n;
}

// "-198.3 to 593.3 ℃ (source)", or what to give where the grade has no table.
std::string table_line(const CodeTable& table, std::string_view give) {
  if (table.empty()) return "none, give " + std::string(give);
  return celsius_text(table.coldest()) + " to " + celsius_text(table.hottest()) + " ℃ (" + std::string(table.source) +
         ")";
}

}  // namespace

void append_code_cells(std::vector<std::string>& cells, const Panel& panel, const Outcome& outcome,
                       const CodeOptions& code, double target, std::string_view dp, bool pipe) {
  // With guides, SE at each guide after the points'.
  const std::size_t guides = code.settings.guides ? 2 : 0;
  const std::size_t count = 4 + count_of(panel, true) + guides + 2 * count_of(panel, false);
  if (outcome.failure || !outcome.values) {
    cells.resize(cells.size() + count);
    return;
  }
  const CodeTexts t = code_texts(panel, code_check(panel, outcome, code.settings, target), dp);
  if (t.SA.empty()) {  // no answer; a run that describes no pipe is invalid all the same
    const std::size_t verdict = cells.size() + 2 + count_of(panel, true) + guides;
    cells.resize(cells.size() + count - 1);
    if (!pipe) cells[verdict] = kInvalid;
    cells.push_back(t.cautions);
    return;
  }
  cells.push_back(t.SA);
  cells.insert(cells.end(), t.SE.begin(), t.SE.end());
  if (guides) cells.insert(cells.end(), t.guide_SE.begin(), t.guide_SE.end());
  cells.push_back(pipe ? t.governing : "");
  cells.emplace_back(pipe ? t.verdict : kInvalid);
  cells.insert(cells.end(), t.hot.begin(), t.hot.end());
  cells.insert(cells.end(), t.cold.begin(), t.cold.end());
  cells.push_back(t.cautions);
}

void append_code_names(std::vector<std::string>& names, const Panel& panel, bool guides) {
  names.push_back(cell_name("SA", "MPa", "code"));
  for (const ResultField& field : panel.results)
    if (field.display == Display::ratio) names.push_back(cell_name("SE" + std::to_string(field.point), "MPa", "code"));
  if (guides)
    for (int leg : {1, panel.points - 1}) names.push_back(cell_name("SE L" + std::to_string(leg), "MPa", "code"));
  names.insert(names.end(), {cell_name("governing", "SE/SA", "code"), cell_name("verdict", "", "code")});
  for (std::string_view load : {"code hot", "code cold"})
    for (const ResultField& field : panel.results)
      if (field.display != Display::ratio) names.push_back(cell_name(field.symbol, si_unit(field.display), load));
  names.push_back(cell_name("cautions", "", "code"));
}

std::string materials_text() {
  std::string s = "Code b31.3: " + std::string(kCodeEdition) +
                  ", 302.3.5(d), 319.3 to 319.5 and Appendix D (from B31.3-2020 on, ASME B31J replaces Appendix D). "
                  "GB 50316 is not built: its formulas could not be confirmed from a public copy.\n"
                  "Each value is the table's, straight between its rows; outside a table there is none, and the "
                  "check has no answer unless the value is given (--ea, --eh, --sc, --sh, --growth, --smts).\n";
  for (const CodeMaterial& m : code_materials()) {
    s += "\n" + std::string(m.key) + ": " + std::string(m.grade) + ", " + std::string(m.standards) + "\n";
    s += "  E, Ea at 21.1 ℃ and Eh at T: " + table_line(m.E, "--ea and --eh") + "\n";
    s += "  expansion, from the table's mean coefficient: " + table_line(m.expansion, "--growth") + "\n";
    s += "  S, Sc and Sh: " + table_line(m.S, "--sc and --sh") + "\n";
    s += "  specified minimum tensile strength: " +
         (m.tensile_strength
              ? fixed_text(*m.tensile_strength, -6, 0, ".") + " MPa (" + std::string(m.tensile_source) + ")"
              : std::string("none, give --smts (else fm = 1.0)")) +
         "\n";
  }
  return s;
}

}  // namespace quorvel::batch
