#include "window/font_config.h"

#ifndef _WIN32
#include <fontconfig/fontconfig.h>
#endif

#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

#include <system_error>

namespace quorvel::ui {

// FcInit makes the configuration fontconfig's current one. If no thread can be
// started or FcInit fails, Qt reads the configuration itself as it otherwise
// does. Windows has no fontconfig: Qt asks the system for its fonts, and
// there is nothing to read ahead.
FontConfigPreload::FontConfigPreload() {
#ifndef _WIN32
  try {
    thread_ = std::thread([] { FcInit(); });
  } catch (const std::system_error&) {
  }
#endif
}

FontConfigPreload::~FontConfigPreload() {
  wait();
}

void FontConfigPreload::wait() {
  if (thread_.joinable()) thread_.join();
}

namespace {

// Whether every character of the texts but blanks gets a glyph with an
// outline, laid out as a label lays it out: Qt picks faces per run of text.
bool draws(const QFont& font, const QStringList& texts) {
  for (const QString& text : texts) {
    QString visible;
    for (QChar c : text)
      if (!c.isSpace()) visible += c;
    QTextLayout layout(visible, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
      const QRawFont face = run.rawFont();
      for (quint32 glyph : run.glyphIndexes())
        if (glyph == 0 || face.pathForGlyph(glyph).isEmpty()) return false;
    }
  }
  return true;
}

}  // namespace

QFont font_drawing(const QFont& font, const QStringList& texts) {
  if (draws(font, texts)) return font;
  // DejaVu Sans, which the package depends on, draws the window's symbols.
  // After the font's own faces it only fills in what they lack; before them
  // it also takes the place of their blank glyphs.
  const QStringList own = font.families().isEmpty() ? QStringList(font.family()) : font.families();
  for (const QStringList& families : {own + QStringList("DejaVu Sans"), QStringList("DejaVu Sans") + own}) {
    QFont drawing = font;
    drawing.setFamilies(families);
    if (draws(drawing, texts)) return drawing;
  }
  return font;
}

}  // namespace quorvel::ui
