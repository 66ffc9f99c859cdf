#include <QApplication>
#include <cstdio>

#include "start.h"
#include "window/font_config.h"
#include "window/main_window.h"
#include "window/translation.h"

int main(int argc, char* argv[]) {
  if (const auto status = quorvel::app::answer_options(argc, argv)) return *status;
  quorvel::ui::FontConfigPreload font_config;  // while Qt connects to the display
  QApplication app(argc, argv);                // takes Qt's own options out of argv
  if (argc > 1) {
    std::fprintf(stderr, "quorvel: unknown argument %s (see --help)\n", argv[1]);
    return 2;
  }
  quorvel::app::identify();
  const auto translation = quorvel::ui::install_translation();  // Chinese texts for a Chinese locale
  font_config.wait();
  quorvel::ui::MainWindow window;  // opens maximized
  quorvel::app::give_icon_once_painted(window);
  window.show();
  return app.exec();
}
