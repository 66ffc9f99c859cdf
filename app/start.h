#pragma once

#include <optional>

class QApplication;

namespace quorvel::app {

// Answers --help and --version (before any display is opened) with the exit
// status, or gives nothing when the window is to start.
std::optional<int> answer_options(int argc, char* argv[]);

// Gives the program its name (the window's WM_CLASS), version, desktop file
// id (Wayland's app id) and icon: the desktop's icon theme's, else the copy
// in the program's resources.
void identify(QApplication& app);

}  // namespace quorvel::app
