#pragma once

// The two small forms of the checker's sections: the installation
// temperature of a panel, and the title block before the print dialog. Both
// block until answered; NoteActions lets tests put others in their place.

#include <optional>

#include "note/review_note.h"

class QWidget;

namespace quorvel::ui {

// The temperature at which the panel's pipe is anchored; none when cancelled.
std::optional<double> ask_installed_at(QWidget* parent, const QString& configuration, double current);

// The title block's entries, all optional, prefilled with `last`; none when
// cancelled.
std::optional<TitleBlock> ask_title_block(QWidget* parent, const TitleBlock& last);

}  // namespace quorvel::ui
