#pragma once

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

}  // namespace quorvel::ui
