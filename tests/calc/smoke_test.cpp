#include <gtest/gtest.h>

#include "quorvel/panels.h"

namespace {

using quorvel::Panel;

TEST(PanelDefaults, GiveTheWorkedResults) {
  const std::vector<std::pair<Panel, std::vector<std::string>>> cases = {
      {Panel::bend, {"907.7", "377", "115.2", "0.12", "0.19", "0.32"}},
      {Panel::offset, {"1021.1", "-1021.1", "366.6", "142.7", "0.14", "0.25", "0.25", "0.14"}},
      {Panel::loop, {"-621.9", "-621.9", "-186.6", "0", "0.08", "0.08", "0.17", "0.17", "0.08", "0.08"}},
  };
  for (const auto& [panel, expected] : cases) {
    const auto outcome = quorvel::calculate(panel, quorvel::default_inputs(panel), ".");
    EXPECT_FALSE(outcome.failure);
    EXPECT_EQ(outcome.results, expected) << quorvel::panel_info(panel).key;
  }
}

}  // namespace
