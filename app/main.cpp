#include <QApplication>

#include "font_config.h"
#include "main_window.h"
#include "translation.h"

int main(int argc, char* argv[]) {
  quorvel::ui::FontConfigPreload font_config;  // while Qt connects to the display
  QApplication app(argc, argv);
  const auto translation = quorvel::ui::install_translation();  // Chinese texts for a Chinese locale
  font_config.wait();
  quorvel::ui::MainWindow window;  // opens maximized
  window.show();
  return app.exec();
}
