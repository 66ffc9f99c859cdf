#pragma once

// Reading and writing CSV as RFC 4180 has it: cells split by a separator,
// records by CRLF or LF, cells that hold the separator, a quote or a line
// break written in double quotes with inner quotes doubled.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::csv {

struct Record {
  std::vector<std::string> cells;
  std::size_t line = 0;       // line on which the record starts, from 1
  bool unterminated = false;  // a quoted cell ran to the end of the input
};

class Reader {
 public:
  Reader(std::string_view data, char separator);
  // The next record; blank lines are skipped. Empty at the end of the input.
  std::optional<Record> next();

 private:
  bool ends_line(std::size_t at) const;

  std::string_view data_;
  char separator_;
  std::size_t pos_ = 0;
  std::size_t line_ = 1;
};

// One record as a line, ending in CRLF.
std::string write_record(const std::vector<std::string>& cells, char separator);

}  // namespace quorvel::csv
