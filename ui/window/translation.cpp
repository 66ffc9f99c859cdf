#include "window/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <string>

#include "window/text_of.h"

namespace quorvel::ui {
namespace {

// The calculation core knows nothing of Qt, so its English texts (Panel::name
// and message(ErrorKind)) are listed here for lupdate. A test checks that each
// of them has a translation, so a renamed text cannot slip through.
constexpr char kContext[] = "quorvel";
[[maybe_unused]] constexpr const char* kCoreTexts[] = {
    QT_TRANSLATE_NOOP("quorvel", "Two-leg bend"),
    QT_TRANSLATE_NOOP("quorvel", "Z-shaped offset"),
    QT_TRANSLATE_NOOP("quorvel", "Raised loop"),
    QT_TRANSLATE_NOOP("quorvel", "Type mismatch"),
    QT_TRANSLATE_NOOP("quorvel", "Overflow"),
    QT_TRANSLATE_NOOP("quorvel", "Division by zero"),
    QT_TRANSLATE_NOOP("quorvel", "temperature"),
    QT_TRANSLATE_NOOP("quorvel", "outer diameter of the pipe"),
    QT_TRANSLATE_NOOP("quorvel", "wall thickness"),
    QT_TRANSLATE_NOOP("quorvel", "leg from the start anchor to the bend"),
    QT_TRANSLATE_NOOP("quorvel", "leg from the bend to the far anchor"),
    QT_TRANSLATE_NOOP("quorvel", "angle between L1 and L2 at the bend"),
    QT_TRANSLATE_NOOP("quorvel", "leg from the start anchor to the bend with L2"),
    QT_TRANSLATE_NOOP("quorvel", "middle leg between the bends"),
    QT_TRANSLATE_NOOP("quorvel", "leg from the bend with L2 to the far anchor"),
    QT_TRANSLATE_NOOP("quorvel", "overall length between the anchors, along L1 and L3"),
    QT_TRANSLATE_NOOP("quorvel", "angle between L1 and L2"),
    QT_TRANSLATE_NOOP("quorvel", "level leg from the start anchor"),
    QT_TRANSLATE_NOOP("quorvel", "inclined leg up to the top leg"),
    QT_TRANSLATE_NOOP("quorvel", "level top leg"),
    QT_TRANSLATE_NOOP("quorvel", "inclined leg down from the top leg"),
    QT_TRANSLATE_NOOP("quorvel", "level leg to the far anchor"),
    QT_TRANSLATE_NOOP("quorvel", "overall length between the anchors, along the level legs"),
    QT_TRANSLATE_NOOP("quorvel", "angle between L2 and L3, inside the loop"),
    QT_TRANSLATE_NOOP("quorvel", "angle between L3 and L4, inside the loop"),
    QT_TRANSLATE_NOOP("quorvel", "bending moment"),
    QT_TRANSLATE_NOOP("quorvel", "bending stress"),
    QT_TRANSLATE_NOOP("quorvel", "force along L1"),
    QT_TRANSLATE_NOOP("quorvel", "force across L1"),
    QT_TRANSLATE_NOOP("quorvel", "force along L1 and L3"),
    QT_TRANSLATE_NOOP("quorvel", "force across L1 and L3"),
    QT_TRANSLATE_NOOP("quorvel", "force along the level legs"),
    QT_TRANSLATE_NOOP("quorvel", "force across the level legs"),
    // check_reasons()
    QT_TRANSLATE_NOOP("quorvel",
                      "below %1 carbon steel turns brittle, which the fixed E = %2 and [S] = %3 do not describe"),
    QT_TRANSLATE_NOOP("quorvel", "above %1 carbon steel creeps, which the fixed E = %2 and [S] = %3 do not describe"),
    QT_TRANSLATE_NOOP("quorvel", "read as the whole number %1"),
    QT_TRANSLATE_NOOP("quorvel", "the outer diameter must be above 0"),
    QT_TRANSLATE_NOOP("quorvel", "a wall must be thicker than 0"),
    QT_TRANSLATE_NOOP("quorvel", "a wall must be thinner than half the diameter (%1)"),
    QT_TRANSLATE_NOOP("quorvel", "a leg cannot be shorter than 0"),
    QT_TRANSLATE_NOOP("quorvel", "every leg is 0 long, so there is no pipe run"),
    QT_TRANSLATE_NOOP("quorvel",
                      "an angle must lie strictly between 0° and 180°; at 0° and 180° the legs lie in "
                      "line, which bending cannot carry"),
    QT_TRANSLATE_NOOP("quorvel", "the overall length must be above 0"),
    QT_TRANSLATE_NOOP("quorvel", "the legs put the anchors %1 apart; L sets the free expansion"),
    // advice_sentences() and unit_name()
    QT_TRANSLATE_NOOP(
        "quorvel", "Field %1: \"%2\" is not a number. Enter the %3 in %4, for example %5 (decimal separator \"%6\")"),
    QT_TRANSLATE_NOOP("quorvel",
                      "Field %1: \"%2\" is out of range. Enter the %3 in %4 as a whole number from -32768 to 32767, "
                      "for example %5 (decimal separator \"%6\")"),
    QT_TRANSLATE_NOOP("quorvel",
                      "Field %1: \"%2\" is too large. Enter the %3 in %4, for example %5 (decimal separator \"%6\")"),
    QT_TRANSLATE_NOOP("quorvel", "degrees Celsius"),
    QT_TRANSLATE_NOOP("quorvel", "millimetres"),
    QT_TRANSLATE_NOOP("quorvel", "metres"),
    QT_TRANSLATE_NOOP("quorvel", "degrees"),
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

QString quantity_text(std::string_view quantity) {
  return translated(quantity);
}

QString check_text(const InputCheck& check) {
  QString reason = translated(check.reason);
  for (const std::string& number : check.numbers) reason = reason.arg(QString::fromStdString(number));
  return QCoreApplication::translate("quorvel", "%1 = %2: %3")
      .arg(text_of(check.symbol), QString::fromStdString(check.entered), reason);
}

// One arg() for all parts, so that a typed "%2" stays as it is.
QString advice_text(const FieldAdvice& advice) {
  return translated(advice.sentence)
      .arg(text_of(advice.symbol), QString::fromStdString(advice.typed), quantity_text(advice.quantity),
           translated(advice.unit), QString::fromStdString(advice.example), text_of(advice.decimal_point));
}

// Leg Lk runs from point k to point k + 1.
QString place_name(const Panel& panel, int point) {
  if (point == 1) return QCoreApplication::translate("quorvel", "the start anchor");
  if (point == panel.points) return QCoreApplication::translate("quorvel", "the far anchor");
  return QCoreApplication::translate("quorvel", "the bend between L%1 and L%2").arg(point - 1).arg(point);
}

}  // namespace quorvel::ui
