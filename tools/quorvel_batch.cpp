// quorvel-batch: the panel calculations for a list of runs, CSV in, CSV out.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "batch.h"

namespace {

constexpr const char* kHelp = R"(Usage: quorvel-batch [--decimal-comma] [FILE...]

Checks many pipe runs at once with the calculations of the Quorvel window.
Reads CSV (RFC 4180) from each FILE in turn, or from standard input when no
FILE is given, and writes CSV to standard output.

Each input row is a panel followed by exactly that panel's input texts:
  bend,T,D,t,L1,L2,α                 two-leg bend (6 texts)
  offset,T,D,t,L1,L2,L3,L,α          Z-shaped offset (8 texts)
  loop,T,D,t,L1,L2,L3,L4,L5,L,α,β    raised loop (11 texts)
with T in ℃, D and t in mm, lengths in m and angles in degrees. The texts
are read exactly as the window reads its fields.

Each output row repeats the input row's cells, then the status (ok,
type mismatch, overflow or division by zero), then the panel's results:
  bend:   Mz1,Fx,Fy,S1/[S],S2/[S],S3/[S]
  offset: Mz1,Mz2,Fx,Fy,S1/[S],S2/[S],S3/[S],S4/[S]
  loop:   Mz1,Mz2,Fx,Fy,S1/[S],S2/[S],S3/[S],S4/[S],S5/[S],S6/[S]
Moments in kgm and forces in kg (tens of newton-metres and newtons), stresses
as ratios to the allowable stress. A result not reached before a failure is
an empty cell.

Options:
  --decimal-comma  numbers use ',' as decimal separator and cells are
                   separated by ';', as spreadsheets in such locales write CSV
  --help           this text

A row with an unknown panel or a wrong number of cells is reported on
standard error with its line number and gives no output row; the other rows
are still processed. Exit status: 0 when every row was processed, 1 when a
row was rejected, 2 when an option or a file could not be used.
)";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  quorvel::batch::Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kHelp;
      return 0;
    }
    if (arg == "--decimal-comma") {
      options.decimal_comma = true;
    } else if (arg.starts_with("--")) {
      std::cerr << "quorvel-batch: unknown option " << arg << " (see --help)\n";
      return 2;
    } else {
      files.push_back(arg);
    }
  }

  std::ios::sync_with_stdio(false);
  bool rejected = false;
  const auto run = [&](std::istream& in, const std::string& name) {
    const std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    rejected |= !quorvel::batch::process(data, name, options, std::cout, std::cerr);
  };
  if (files.empty()) {
    run(std::cin, "<stdin>");
  } else {
    for (const std::string& file : files) {
      std::ifstream in(file, std::ios::binary);
      if (!in) {
        std::cerr << "quorvel-batch: cannot read " << file << "\n";
        return 2;
      }
      run(in, file);
    }
  }
  std::cout.flush();
  return rejected ? 1 : 0;
}
