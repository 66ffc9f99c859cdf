#pragma once

#include <QFont>
#include <QStringList>
#include <thread>

namespace quorvel::ui {

// Reads the system's font configuration (several milliseconds of parsing) on
// a second thread while the application connects to the display, instead of
// at the window's first text measurement. Start it before the QApplication
// and wait for it before the window is made: Qt reads the same configuration
// and would otherwise read it a second time.
class FontConfigPreload {
 public:
  FontConfigPreload();
  ~FontConfigPreload();
  FontConfigPreload(const FontConfigPreload&) = delete;
  FontConfigPreload& operator=(const FontConfigPreload&) = delete;

  void wait();

 private:
  std::thread thread_;
};

// `font`, or where it leaves one of `texts`' characters blank, `font` with a
// face that draws them placed before or after its own. Some faces claim a
// glyph they draw empty (WenQuanYi Micro Hei, the default face of a Chinese
// locale, has a blank ℃), so Qt would never fall back for it.
QFont font_drawing(const QFont& font, const QStringList& texts);

}  // namespace quorvel::ui
