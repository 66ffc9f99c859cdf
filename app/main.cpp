#include <QApplication>

#include "main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  quorvel::ui::MainWindow window;  // opens maximized
  window.show();
  return app.exec();
}
