#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <string>

namespace quorvel::ui {
namespace {

// The calculation core knows nothing of Qt, so its English texts (Panel::name
// and message(ErrorKind)) are listed here for lupdate. A test checks that each
// of them has a translation, so a renamed text cannot slip through.
constexpr char kContext[] = "quorvel";
[[maybe_unused]] constexpr const char* kCoreTexts[] = {
    QT_TRANSLATE_NOOP("quorvel", "Two-leg bend"), QT_TRANSLATE_NOOP("quorvel", "Z-shaped offset"),
    QT_TRANSLATE_NOOP("quorvel", "Raised loop"),  QT_TRANSLATE_NOOP("quorvel", "Type mismatch"),
    QT_TRANSLATE_NOOP("quorvel", "Overflow"),     QT_TRANSLATE_NOOP("quorvel", "Division by zero"),
};

QString translated(std::string_view english) {
  return QCoreApplication::translate(kContext, std::string(english).c_str());
}

}  // namespace

std::vector<std::unique_ptr<QTranslator>> install_translation(const QLocale& locale) {
  std::vector<std::unique_ptr<QTranslator>> installed;
  auto install = [&](const QString& name, const QString& directory) {
    auto translator = std::make_unique<QTranslator>();
    // Looks for NAME_zh_CN.qm, NAME_zh.qm... in the directory.
    if (!translator->load(locale, name, "_", directory) || !QCoreApplication::installTranslator(translator.get()))
      return false;
    installed.push_back(std::move(translator));
    return true;
  };
  if (install("quorvel", ":/i18n")) install("qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return installed;
}

QString panel_name(const Panel& panel) {
  return translated(panel.name);
}

QString error_text(ErrorKind kind) {
  return translated(message(kind));
}

}  // namespace quorvel::ui
