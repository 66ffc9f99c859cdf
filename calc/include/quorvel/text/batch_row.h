#pragma once

// A run given back as text: a quorvel-batch row pasted into the window, or a
// calculation note that holds one.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/code_check.h"
#include "quorvel/analyses/friction.h"
#include "quorvel/panels/panel.h"
#include "quorvel/text/csv.h"

namespace quorvel {

// The code check's settings as quorvel-batch's options give them.
struct CodeOptions {
  CodeSettings settings;
  bool elbows_given = false;  // --elbows: the run with elbows beside the sharp corners
};

// The guides and the supports' friction as quorvel-batch's options give
// them, with the installation temperature and the elbows of the guided run
// where no code check's options carry them.
struct GuideOptions {
  double g = 0;                      // --guides G, m from the bends
  std::optional<Friction> friction;  // --friction W,MU
  std::optional<double> installed;   // --installed T0
  double elbows = 0;                 // --elbows R in pipe diameters; 0: none given, sharp corners
};

struct BatchRow {
  const Panel* panel;
  std::vector<std::string> inputs;  // the panel's input texts, exactly as the row has them
  csv::Dialect dialect;
  std::optional<CodeOptions> code = std::nullopt;     // of a "quorvel-batch … --code b31.3 …" line in the text
  std::optional<GuideOptions> guides = std::nullopt;  // of a "quorvel-batch … --guides G …" line
};

// "--code b31.3 --material a106b --installed 20 --elbows 1.5D --cycles 7000":
// the options that give quorvel-batch these settings, numbers with a decimal
// point; --elbows only where given, the defaults of --cycles and
// --cold-spring left out.
std::string code_options(const CodeOptions& code);
// The settings of the first line of `text` with "--code b31.3", read from
// its options (--opt VALUE or --opt=VALUE); none without such a line or when
// one of its code check's options cannot be read.
std::optional<CodeOptions> code_options_in(std::string_view text);

// "--elbows 1.5D --installed 20 --guides 3 --friction 900,0.3": --elbows,
// --installed and --friction only where given, numbers with a decimal point.
std::string guide_options(const GuideOptions& guides);
// The guides of the first line of `text` with "--guides", read from its
// options as code_options_in reads them; none without such a line or when
// one of the options above cannot be read.
std::optional<GuideOptions> guide_options_in(std::string_view text);

// The first row of a panel in `text`, in either dialect: the whole text as
// one row, else the first of its lines that is one. A row is a panel's key
// and exactly its input texts, or an output row of quorvel-batch: the input
// texts, the status and at least the results. Nothing when no row is there.
std::optional<BatchRow> find_batch_row(std::string_view text);

// The row's input texts for a reader of numbers with `decimal_point`: in a
// row of the other dialect its decimal separator becomes that one ("323,9"
// becomes "323.9"); any other character stays as written.
std::vector<std::string> inputs_for(const BatchRow& row, std::string_view decimal_point);

}  // namespace quorvel
