#pragma once

// quorvel-batch's command line: one table of options, from which both the
// parsing and --help are made. A new option is a new row.

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "batch.h"

namespace quorvel::batch {

// The command line after the program name, without --help.
struct CommandLine {
  Options options;
  std::vector<std::string> files;
  std::string plot_file;  // --plot
};

struct Option {
  std::string_view name;   // "--solve"
  std::string_view value;  // what follows it, as --help names it: "F=FROM:TO[:STEP]"; empty for a switch
  std::string help;
  // What the option does with its value; gives the reason, on one line, when
  // it cannot be used. None for --help and --version, which the program
  // answers before it reads any other option.
  std::string (*apply)(CommandLine& command, const std::string& value);
};

// Every option, in the order --help lists them.
std::span<const Option> options();

// Reads "--opt VALUE" and "--opt=VALUE", switches and file names. Gives the
// reason, on one line, when an option cannot be used.
std::variant<CommandLine, std::string> parse_command_line(std::span<const std::string> args);

// The text of --help, which is also the manual page quorvel-batch(1).
std::string help();

}  // namespace quorvel::batch
