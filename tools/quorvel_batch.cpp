// quorvel-batch: the panel calculations for a list of runs, CSV in, CSV out.

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <variant>
#include <vector>

#include "batch.h"
#include "command_line.h"
#include "plot.h"
#include "quorvel/text/csv.h"
#include "quorvel/version.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// Reports a bad option and gives the exit status for it.
int bad_option(const std::string& why) {
  std::cerr << "quorvel-batch: " << why << " (see --help)\n";
  return 2;
}

// Records in all inputs, blank lines and header rows not counted.
std::size_t record_count(const std::vector<std::string>& inputs, quorvel::csv::Dialect dialect) {
  std::size_t count = 0;
  for (const std::string& data : inputs) {
    quorvel::csv::Reader reader(data, dialect);
    for (bool first = true; auto record = reader.next(); first = false)
      count += first && quorvel::batch::is_header_row(record->cells) ? 0 : 1;
  }
  return count;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // The same bytes as on every system: no CR before each LF written, none
  // taken out and no Ctrl+Z ending what is read.
  for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
#endif
  const std::vector<std::string> args(argv + 1, argv + argc);
  // Answered before any other option is read, whatever else the line holds.
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::cout << quorvel::batch::help();
      return 0;
    }
    if (arg == "--materials") {
      std::cout << quorvel::batch::materials_text();
      return 0;
    }
    if (arg == "--version") {
      std::cout << "quorvel-batch " << quorvel::kVersion << "\n";
      return 0;
    }
  }
  std::ios::sync_with_stdio(false);
  auto parsed = quorvel::batch::parse_command_line(args);
  if (const auto* why = std::get_if<std::string>(&parsed)) return bad_option(*why);
  auto& [options, files, plot_file] = std::get<quorvel::batch::CommandLine>(parsed);
  const auto dialect = quorvel::csv::Dialect::with_decimal_comma(options.decimal_comma);

  // Every input is read before any row is processed, so that a missing file
  // or a plot of several rows stops the run before any output.
  std::vector<std::string> inputs, names;
  const auto read = [&](std::istream& in, const std::string& name) {
    inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    names.push_back(name);
  };
  if (files.empty()) read(std::cin, "<stdin>");
  for (const std::string& file : files) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::cerr << "quorvel-batch: cannot read " << file << "\n";
      return 2;
    }
    read(in, file);
  }
  quorvel::batch::Plot plot;
  if (!plot_file.empty()) {
    const std::size_t rows = record_count(inputs, dialect);
    if (rows != 1) return bad_option("--plot draws exactly one input row, the input has " + std::to_string(rows));
    options.plot = &plot;
  }

  bool rejected = false;
  const quorvel::Panel* last = nullptr;  // of the row written last, over all inputs
  for (std::size_t i = 0; i < inputs.size(); ++i)
    rejected |= !quorvel::batch::process(inputs[i], names[i], options, std::cout, std::cerr, &last);
  std::cout.flush();
  if (!plot.empty()) {
    std::ofstream svg(plot_file, std::ios::binary);
    svg << plot.svg(options.target, dialect.decimal_point);
    if (!svg.flush()) {
      std::cerr << "quorvel-batch: cannot write " << plot_file << "\n";
      return 2;
    }
  }
  return rejected ? 1 : 0;
}
