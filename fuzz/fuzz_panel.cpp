// One panel calculation on arbitrary input texts, for every panel. Data: the
// first line names the panel by its key; then a line that picks the decimal
// separator and one input text per line in read order, as for the field
// target; inputs past the last line keep their default text.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const std::size_t newline = all.find('\n');
  if (newline == std::string_view::npos) return 0;
  const quorvel::Panel* panel = quorvel::panel_by_key(all.substr(0, newline));
  if (!panel) return 0;
  const quorvel::fuzz::Lines lines = quorvel::fuzz::split_lines(all.substr(newline + 1));
  std::vector<std::string> inputs = quorvel::default_inputs(*panel);
  for (std::size_t i = 0; i < inputs.size() && i < lines.texts.size(); ++i) inputs[i] = lines.texts[i];
  quorvel::fuzz::check_panel(*panel, inputs, lines.decimal_point);
  return 0;
}
