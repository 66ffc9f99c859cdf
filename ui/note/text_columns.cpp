#include "note/text_columns.h"

#include <algorithm>
#include <cstddef>

namespace quorvel::ui {

QString text_columns(const std::vector<QStringList>& rows, std::span<const bool> right) {
  std::vector<qsizetype> widths;
  for (const QStringList& row : rows)
    for (qsizetype i = 0; i < row.size(); ++i) {
      if (widths.size() <= static_cast<std::size_t>(i)) widths.push_back(0);
      widths[i] = std::max(widths[i], row[i].size());
    }
  QString text;
  for (const QStringList& row : rows) {
    QString line = "  ";
    for (qsizetype i = 0; i < row.size(); ++i) {
      const bool to_right = static_cast<std::size_t>(i) < right.size() && right[i];
      line += (to_right ? row[i].rightJustified(widths[i]) : row[i].leftJustified(widths[i])) + "  ";
    }
    text += line.trimmed().prepend("  ") + '\n';
  }
  return text;
}

}  // namespace quorvel::ui
