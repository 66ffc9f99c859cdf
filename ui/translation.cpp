#include "translation.h"

#include <QCoreApplication>
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

std::unique_ptr<QTranslator> install_translation(const QLocale& locale) {
  auto translator = std::make_unique<QTranslator>();
  // Looks for quorvel_zh_CN.qm, quorvel_zh.qm... among the embedded resources.
  if (!translator->load(locale, "quorvel", "_", ":/i18n") || !QCoreApplication::installTranslator(translator.get()))
    return nullptr;
  return translator;
}

QString panel_name(const Panel& panel) {
  return translated(panel.name);
}

QString error_text(ErrorKind kind) {
  return translated(message(kind));
}

}  // namespace quorvel::ui
