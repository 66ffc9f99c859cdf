#include "quorvel/panels/panels.h"

#include <stdexcept>

#include "panels/calculation.h"
#include "panels/reader.h"
#include "panels/writer.h"
#include "quorvel/panels/unchecked.h"

namespace quorvel {
namespace detail {
extern const Panel bend, offset, loop;  // each beside its calculation
}  // namespace detail

namespace {

constexpr const Panel* kPanels[] = {&detail::bend, &detail::offset, &detail::loop};

void check_count(const Panel& panel, std::span<const std::string> inputs) {
  if (inputs.size() != panel.inputs.size()) throw std::invalid_argument("wrong number of input texts for this panel");
}

}  // namespace

std::string_view message(ErrorKind kind) noexcept {
  constexpr std::string_view kMessages[] = {"Error", "Type mismatch", "Overflow", "Division by zero"};
  const auto index = static_cast<std::size_t>(kind);  // ErrorKind counts from 1
  return index < std::size(kMessages) ? kMessages[index] : kMessages[0];
}

std::span<const Panel* const> panels() noexcept {
  return kPanels;
}

const Panel* panel_by_key(std::string_view key) noexcept {
  for (const Panel* p : kPanels)
    if (p->key == key) return p;
  return nullptr;
}

std::vector<std::string> default_inputs(const Panel& panel) {
  std::vector<std::string> texts;
  for (const InputField& f : panel.inputs) texts.emplace_back(f.default_text);
  return texts;
}

std::optional<std::size_t> input_index(const Panel& panel, std::string_view symbol) noexcept {
  for (std::size_t i = 0; i < panel.inputs.size(); ++i)
    if (panel.inputs[i].symbol == symbol) return i;
  return std::nullopt;
}

Outcome calculate(const Panel& panel, std::span<const std::string> inputs, std::string_view decimal_point,
                  const Deliver& deliver) {
  check_count(panel, inputs);
  Outcome outcome;
  const Deliver collect = [&](std::size_t index, const std::string& text) {
    outcome.results.push_back(text);
    if (deliver) deliver(index, text);
  };
  detail::FieldReader<detail::Checked> in(panel.inputs, inputs, decimal_point);
  detail::ResultWriter<detail::Checked> out(panel.results, decimal_point, collect);
  try {
    panel.calculation->write(in, out);
  } catch (const StepError& e) {
    outcome.failure = Failure{e.kind(), e.field(), out.delivered()};
  }
  outcome.values = std::move(out.values());
  return outcome;
}

std::vector<std::string> detail::calculate_unchecked(const Panel& panel, std::span<const std::string> inputs,
                                                     std::string_view decimal_point) {
  check_count(panel, inputs);
  std::vector<std::string> results;
  const Deliver deliver = [&](std::size_t, const std::string& text) { results.push_back(text); };
  FieldReader<Unchecked> in(panel.inputs, inputs, decimal_point);
  ResultWriter<Unchecked> out(panel.results, decimal_point, deliver);
  panel.calculation->write_unchecked(in, out);
  return results;
}

}  // namespace quorvel
