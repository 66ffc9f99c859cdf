#pragma once

// The work of quorvel-batch on one input: every valid row calculated and
// written out, every invalid one reported.

#include <ostream>
#include <string>
#include <string_view>

namespace quorvel::batch {

struct Options {
  bool decimal_comma = false;  // ',' in numbers, ';' between cells
};

// Returns false when a row was rejected.
bool process(std::string_view data, const std::string& source, const Options& options, std::ostream& out,
             std::ostream& err);

}  // namespace quorvel::batch
