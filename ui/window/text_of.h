#pragma once

#include <QString>
#include <string_view>

namespace quorvel::ui {

// A text of the calculation core (a symbol, a unit, a name: UTF-8) as Qt's.
inline QString text_of(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace quorvel::ui
