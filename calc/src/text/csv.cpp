#include "quorvel/text/csv.h"

#include <utility>

namespace quorvel::csv {

Reader::Reader(std::string_view data, Dialect dialect) : data_(data), separator_(dialect.separator) {
  if (data_.starts_with("\xEF\xBB\xBF")) pos_ = 3;  // byte-order mark of spreadsheet exports
}

// LF, CRLF (counted at its LF) and a lone CR each end one line.
bool Reader::ends_line(std::size_t at) const {
  return data_[at] == '\n' || (data_[at] == '\r' && (at + 1 == data_.size() || data_[at + 1] != '\n'));
}

std::optional<Record> Reader::next() {
  // Skip blank lines.
  while (pos_ < data_.size() && (data_[pos_] == '\n' || data_[pos_] == '\r')) {
    if (ends_line(pos_)) ++line_;
    ++pos_;
  }
  if (pos_ >= data_.size()) return std::nullopt;

  Record record;
  record.line = line_;
  std::string cell;
  bool quoted = false;
  while (pos_ < data_.size()) {
    const char ch = data_[pos_++];
    if (quoted) {
      if (ch == '"') {
        if (pos_ < data_.size() && data_[pos_] == '"') {
          cell.push_back('"');
          ++pos_;
        } else {
          quoted = false;
        }
      } else {
        if (ends_line(pos_ - 1)) ++line_;
        cell.push_back(ch);
      }
    } else if (ch == '"' && cell.empty()) {
      quoted = true;
    } else if (ch == separator_) {
      record.cells.push_back(std::move(cell));
      cell.clear();
    } else if (ch == '\n' || ch == '\r') {
      if (ch == '\r' && pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
      ++line_;
      break;
    } else {
      cell.push_back(ch);
    }
  }
  record.unterminated = quoted;
  record.cells.push_back(std::move(cell));
  return record;
}

std::string write_line(const std::vector<std::string>& cells, Dialect dialect) {
  const char separator = dialect.separator;
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line.push_back(separator);
    const std::string& cell = cells[i];
    if (cell.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) {
      line += cell;
      continue;
    }
    line.push_back('"');
    for (char ch : cell) {
      if (ch == '"') line.push_back('"');
      line.push_back(ch);
    }
    line.push_back('"');
  }
  return line;
}

std::string write_record(const std::vector<std::string>& cells, Dialect dialect) {
  std::string line = write_line(cells, dialect);
  line += "\r\n";
  return line;
}

std::optional<std::vector<std::string>> read_line(std::string_view text, Dialect dialect) {
  Reader reader(text, dialect);
  std::optional<Record> record = reader.next();
  if (!record || record->unterminated || reader.next()) return std::nullopt;
  return std::move(record->cells);
}

}  // namespace quorvel::csv
