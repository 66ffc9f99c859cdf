// Start-up probe for bench/startup.sh. Starts like the program does and ends
// as soon as its window has been painted for the first time, so that the time
// from the command's start to its end is the time until the window shows.
// With the argument "empty" it shows an empty window of the same size instead.
#include <QApplication>
#include <QTimer>
#include <cstring>
#include <memory>

#include "main_window.h"

namespace {

class QuitAfterFirstPaint final : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The children are painted in the same pass, right after the window.
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  std::unique_ptr<QWidget> window;
  if (argc > 1 && std::strcmp(argv[1], "empty") == 0) {
    window = std::make_unique<QWidget>();
    window->resize(312, 213);
    window->setWindowState(Qt::WindowMaximized);
  } else {
    window = std::make_unique<quorvel::ui::MainWindow>();
  }
  QuitAfterFirstPaint probe;
  window->installEventFilter(&probe);
  window->show();
  return app.exec();
}
