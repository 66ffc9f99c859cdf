#pragma once

#include <optional>

class QWidget;

namespace quorvel::app {

// Answers --help and --version (before any display is opened) with the exit
// status, or gives nothing when the window is to start.
std::optional<int> answer_options(int argc, char* argv[]);

// Gives the program its name (the window's WM_CLASS), version and desktop
// file id (Wayland's app id).
void identify();

// Gives the program its icon, the desktop's icon theme's, else the copy in
// the program's resources, right after `window` is first painted.
void give_icon_once_painted(QWidget& window);

}  // namespace quorvel::app
