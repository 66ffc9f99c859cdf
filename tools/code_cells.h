#pragma once

// The cells of --code: the code's own check of the displacement stress
// range (quorvel/analyses/code_check.h), after every other option's cells but
// --check's; and the text of --materials.

#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/code_check.h"
#include "quorvel/panels/panel.h"

namespace quorvel::batch {

struct CodeOptions {
  bool on = false;  // --code b31.3
  CodeSettings settings{};
  std::string given{};  // the first option of the check given, refused without --code
};

// SA, SE at each point in the order of the panel's ratio results, with
// guides (code.settings.guides) SE at the guide on the first leg and at the
// one on the last (empty where a leg has none), the governing SE/SA, passes or fails, the hot and the cold anchor
// loads, the cautions. All empty when the calculation failed; all but the last, which says why, when the check has no
// answer. Where the inputs describe no pipe the governing SE/SA is empty and the verdict invalid.
void append_code_cells(std::vector<std::string>& cells, const Panel& panel, const Outcome& outcome,
                       const CodeOptions& code, double target, std::string_view decimal_point, bool pipe);
void append_code_names(std::vector<std::string>& names, const Panel& panel, bool guides);

// --materials: every grade with its key, standards, the temperature range of
// each of its tables and their sources, and what the user gives instead.
std::string materials_text();

}  // namespace quorvel::batch
