#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <vector>

namespace quorvel::ui {

// Rows of a plain-text table as columns padded to their widest cell, each
// line indented by two spaces; the `right` columns align right, the others
// left.
QString text_columns(const std::vector<QStringList>& rows, std::span<const bool> right);

}  // namespace quorvel::ui
