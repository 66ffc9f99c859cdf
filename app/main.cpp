#include <QApplication>

#include "font_config.h"
#include "main_window.h"

int main(int argc, char* argv[]) {
  quorvel::ui::FontConfigPreload font_config;  // while Qt connects to the display
  QApplication app(argc, argv);
  font_config.wait();
  quorvel::ui::MainWindow window;  // opens maximized
  window.show();
  return app.exec();
}
