// One panel calculation on arbitrary input texts. Data: the first line picks
// the decimal separator, each further line is one input text in read order;
// inputs past the last line keep their default text.

#include <cstdint>
#include <string>
#include <vector>

#include "checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
#define QUORVEL_KEY(key) #key
#define QUORVEL_PANEL_KEY(key) QUORVEL_KEY(key)
  const quorvel::Panel& kPanel = *quorvel::panel_by_key(QUORVEL_PANEL_KEY(QUORVEL_FUZZ_PANEL));
  const quorvel::fuzz::Lines lines = quorvel::fuzz::split_lines(data, size);
  std::vector<std::string> inputs = quorvel::default_inputs(kPanel);
  for (std::size_t i = 0; i < inputs.size() && i < lines.texts.size(); ++i) inputs[i] = lines.texts[i];
  quorvel::fuzz::check_panel(kPanel, inputs, lines.decimal_point);
  return 0;
}
