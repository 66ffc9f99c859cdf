#include "font_config.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace quorvel::ui {

// FcInit makes the configuration fontconfig's current one. If no thread can be
// started or FcInit fails, Qt reads the configuration itself as it otherwise
// does.
FontConfigPreload::FontConfigPreload() {
  try {
    thread_ = std::thread([] { FcInit(); });
  } catch (const std::system_error&) {
  }
}

FontConfigPreload::~FontConfigPreload() {
  wait();
}

void FontConfigPreload::wait() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace quorvel::ui
