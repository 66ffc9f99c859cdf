#pragma once

// The small forms of the checker's sections: the installation temperature
// of a panel, the title block before the print dialog, and the files a note
// is saved to and opened from. All block until answered; NoteActions and
// DesignAnswers let tests put others in their place.

#include <optional>

#include "note/guide_view.h"
#include "note/review_note.h"

class QWidget;

namespace quorvel::ui {

// The temperature at which the panel's pipe is anchored; none when cancelled.
std::optional<double> ask_installed_at(QWidget* parent, const QString& configuration, double current);

// A panel's guides and its supports' friction, prefilled with `current`;
// none when cancelled.
std::optional<GuideSettings> ask_guides(QWidget* parent, const QString& configuration, const GuideSettings& current);

// The title block's entries, all optional, prefilled with `last`; none when
// cancelled.
std::optional<TitleBlock> ask_title_block(QWidget* parent, const TitleBlock& last);

// The file to save a calculation note to, proposing `suggested`, and the
// file to open one from; empty when cancelled.
QString ask_save_file(QWidget* parent, const QString& suggested);
QString ask_open_file(QWidget* parent);

}  // namespace quorvel::ui
