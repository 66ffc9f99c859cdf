#include "quorvel/panels.h"

#include <stdexcept>

#include "panel_calculations.h"

namespace quorvel {
namespace {

constexpr FieldInfo kBendInputs[] = {
    {"nTem", "T", "℃", "70"}, {"nD", "D", "mm", "377"}, {"nTubeThick", "t", "mm", "9"},
    {"nL1", "L1", "m", "20"}, {"nL2", "L2", "m", "10"}, {"nAlpha", "α", "°", "90"},
};
constexpr FieldInfo kBendResults[] = {
    {"nMz1", "Mz1", "kgm", ""}, {"nFx", "Fx", "kg", ""},   {"nFy", "Fy", "kg", ""},
    {"nS1", "S1/[S]", "", ""},  {"nS2", "S2/[S]", "", ""}, {"nS3", "S3/[S]", "", ""},
};

constexpr FieldInfo kOffsetInputs[] = {
    {"nTem1", "T", "℃", "70"}, {"nD1", "D", "mm", "377"}, {"nTubeThick1", "t", "mm", "9"}, {"nL11", "L1", "m", "20"},
    {"nL21", "L2", "m", "10"}, {"nL31", "L3", "m", "20"}, {"nL01", "L", "m", "40"},        {"nAlpha1", "α", "°", "90"},
};
constexpr FieldInfo kOffsetResults[] = {
    {"nMz11", "Mz1", "kgm", ""}, {"nMz21", "Mz2", "kgm", ""}, {"nFx1", "Fx", "kg", ""},   {"nFy1", "Fy", "kg", ""},
    {"nS11", "S1/[S]", "", ""},  {"nS21", "S2/[S]", "", ""},  {"nS31", "S3/[S]", "", ""}, {"nS41", "S4/[S]", "", ""},
};

constexpr FieldInfo kLoopInputs[] = {
    {"nTem2", "T", "℃", "70"}, {"nD2", "D", "mm", "377"},   {"nTubeThick2", "t", "mm", "9"}, {"nL12", "L1", "m", "20"},
    {"nL22", "L2", "m", "10"}, {"nL32", "L3", "m", "15"},   {"nL42", "L4", "m", "10"},       {"nL52", "L5", "m", "20"},
    {"nL02", "L", "m", "50"},  {"nAlpha2", "α", "°", "90"}, {"nBeta2", "β", "°", "90"},
};
constexpr FieldInfo kLoopResults[] = {
    {"nMz12", "Mz1", "kgm", ""}, {"nMz22", "Mz2", "kgm", ""}, {"nFx2", "Fx", "kg", ""},   {"nFy2", "Fy", "kg", ""},
    {"nS12", "S1/[S]", "", ""},  {"nS22", "S2/[S]", "", ""},  {"nS32", "S3/[S]", "", ""}, {"nS42", "S4/[S]", "", ""},
    {"nS52", "S5/[S]", "", ""},  {"nS62", "S6/[S]", "", ""},
};

constexpr PanelInfo kPanels[] = {
    {"bend", kBendInputs, kBendResults},
    {"offset", kOffsetInputs, kOffsetResults},
    {"loop", kLoopInputs, kLoopResults},
};

void check_count(Panel panel, std::span<const std::string> inputs) {
  if (inputs.size() != panel_info(panel).inputs.size())
    throw std::invalid_argument("wrong number of input texts for this panel");
}

}  // namespace

std::string_view message(ErrorKind kind) noexcept {
  switch (kind) {
    case ErrorKind::type_mismatch: return "Type mismatch";
    case ErrorKind::overflow: return "Overflow";
    case ErrorKind::division_by_zero: return "Division by zero";
  }
  return "Error";
}

const PanelInfo& panel_info(Panel panel) noexcept {
  return kPanels[static_cast<int>(panel)];
}

std::optional<Panel> panel_by_key(std::string_view key) noexcept {
  for (Panel p : all_panels)
    if (panel_info(p).key == key) return p;
  return std::nullopt;
}

std::vector<std::string> default_inputs(Panel panel) {
  std::vector<std::string> texts;
  for (const FieldInfo& f : panel_info(panel).inputs) texts.emplace_back(f.default_text);
  return texts;
}

std::optional<Failure> calculate(Panel panel, std::span<const std::string> inputs, std::string_view decimal_point,
                                 const Deliver& deliver) {
  check_count(panel, inputs);
  detail::ResultWriter out(decimal_point, deliver);
  try {
    switch (panel) {
      case Panel::bend: detail::write_bend(inputs, decimal_point, out); break;
      case Panel::offset: detail::write_offset(inputs, decimal_point, out); break;
      case Panel::loop: detail::write_loop(inputs, decimal_point, out); break;
    }
  } catch (const StepError& e) {
    return Failure{e.kind(), e.field(), out.delivered()};
  }
  return std::nullopt;
}

Outcome calculate(Panel panel, std::span<const std::string> inputs, std::string_view decimal_point) {
  Outcome outcome;
  outcome.failure = calculate(panel, inputs, decimal_point,
                              [&](std::size_t, const std::string& text) { outcome.results.push_back(text); });
  return outcome;
}

std::variant<Solution, Failure> solve(Panel panel, std::span<const std::string> inputs,
                                      std::string_view decimal_point) {
  check_count(panel, inputs);
  try {
    switch (panel) {
      case Panel::bend: return detail::solve_bend(inputs, decimal_point);
      case Panel::offset: return detail::solve_offset(inputs, decimal_point);
      case Panel::loop: return detail::solve_loop(inputs, decimal_point);
    }
  } catch (const StepError& e) {
    return Failure{e.kind(), e.field(), 0};
  }
  throw std::invalid_argument("unknown panel");
}

}  // namespace quorvel
