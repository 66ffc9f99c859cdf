#include "start.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>

#include "quorvel/version.h"

namespace quorvel::app {

namespace {

constexpr const char* kHelp = R"(Usage: quorvel [--help] [--version]

Opens the Quorvel window: thermal expansion checks of a two-leg bend, a
Z-shaped offset and a raised loop of steel pipe held by anchors at both ends.
Each panel's 计算 (Compute) button computes its anchor reactions and stress
ratios from the texts of its fields; 退出 (Exit) ends the program.
The manual page quorvel(1) explains the fields; quorvel-batch(1) computes
many runs from a CSV file.

Options:
  --help     show this text and exit
  --version  show the version and exit

Qt's own options, such as -platform or -display, are taken as by every
Qt program.
)";

}  // namespace

std::optional<int> answer_options(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("quorvel %s\n", kVersion);
      return 0;
    }
  }
  return std::nullopt;
}

void identify() {
  QApplication::setApplicationName("quorvel");  // WM_CLASS, as StartupWMClass says
  QApplication::setApplicationVersion(kVersion);
  QApplication::setDesktopFileName(QUORVEL_APP_ID);
}

// Finding and decoding the icon's sizes for the window manager takes about as
// long as building the whole window, so it waits until the window is painted.
void give_icon_once_painted(QWidget& window) {
  class IconAfterPaint final : public QObject {
   public:
    using QObject::QObject;

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Paint) {
        QTimer::singleShot(0, qApp, [] {
          QIcon resource;
          for (const QFileInfo& png : QDir(":/icons").entryInfoList()) resource.addFile(png.filePath());
          QApplication::setWindowIcon(QIcon::fromTheme(QUORVEL_APP_ID, resource));
        });
        deleteLater();
      }
      return QObject::eventFilter(watched, event);
    }
  };
  window.installEventFilter(new IconAfterPaint(&window));
}

}  // namespace quorvel::app
