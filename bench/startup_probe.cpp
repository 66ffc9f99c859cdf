// Start-up probe for bench/startup.sh. Starts like the program does
// (app/main.cpp), and once its window has been painted for the first time
// prints the microseconds since START_NS (the command's start, nanoseconds
// since the epoch) and ends.
//
//   quorvel_startup_probe [empty] START_NS
//
// With "empty" it shows an empty window of the same size instead.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "start.h"
#include "window/font_config.h"
#include "window/main_window.h"
#include "window/translation.h"

namespace {

class ReportFirstPaint final : public QObject {
 public:
  explicit ReportFirstPaint(long long start_ns) : start_ns_(start_ns) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // The children are painted and the window flushed in the same pass.
      QTimer::singleShot(0, qApp, [this] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
        std::printf("%lld\n", (ns - start_ns_) / 1000);
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  long long start_ns_;
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quorvel_startup_probe [empty] START_NS\n");
    return 2;
  }
  const bool empty = argc > 2 && std::strcmp(argv[1], "empty") == 0;
  std::optional<quorvel::ui::FontConfigPreload> font_config;  // as app/main.cpp does
  if (!empty) font_config.emplace();
  QApplication app(argc, argv);
  std::vector<std::unique_ptr<QTranslator>> translation;
  std::unique_ptr<QWidget> window;
  if (empty) {
    window = std::make_unique<QWidget>();
    window->resize(312, 213);
    window->setWindowState(Qt::WindowMaximized);
  } else {
    quorvel::app::identify();
    font_config->wait();
    translation = quorvel::ui::install_translation();
    window = std::make_unique<quorvel::ui::MainWindow>();
    quorvel::app::give_icon_once_painted(*window);
  }
  ReportFirstPaint probe(std::atoll(argv[argc - 1]));
  window->installEventFilter(&probe);
  window->show();
  return app.exec();
}
