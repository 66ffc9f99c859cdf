#pragma once

// Reading and writing CSV as RFC 4180 has it: cells split by a separator,
// records by CRLF or LF, cells that hold the separator, a quote or a line
// break written in double quotes with inner quotes doubled. quorvel-batch
// reads and writes its rows so, and the window writes them for it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::csv {

// The two ways rows are written: '.' in numbers and ',' between cells, or,
// as spreadsheets write CSV where numbers take a decimal comma, ',' in
// numbers and ';' between cells.
struct Dialect {
  char separator;                  // between cells
  std::string_view decimal_point;  // in numbers

  static constexpr Dialect with_decimal_comma(bool comma) noexcept {
    return comma ? Dialect{';', ","} : Dialect{',', "."};
  }
  // The dialect of numbers written with this separator: ',' gives the
  // decimal-comma dialect, any other the decimal-point one.
  static constexpr Dialect for_decimal_point(std::string_view point) noexcept {
    return with_decimal_comma(point == ",");
  }
  constexpr bool decimal_comma() const noexcept { return decimal_point == ","; }
};

struct Record {
  std::vector<std::string> cells;
  std::size_t line = 0;       // line on which the record starts, from 1
  bool unterminated = false;  // a quoted cell ran to the end of the input
};

class Reader {
 public:
  Reader(std::string_view data, Dialect dialect);
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
std::string write_record(const std::vector<std::string>& cells, Dialect dialect);
// The same without the line end: a row to show or paste.
std::string write_line(const std::vector<std::string>& cells, Dialect dialect);
// The cells of text that holds exactly one record (a pasted row, say, with
// or without its line end); nothing when it holds none, more than one, or a
// quoted cell left open.
std::optional<std::vector<std::string>> read_line(std::string_view text, Dialect dialect);

}  // namespace quorvel::csv
