#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <memory>
#include <string_view>
#include <vector>

#include "quorvel/analyses/validity.h"
#include "quorvel/panels/panels.h"
#include "quorvel/text/advice.h"

namespace quorvel::ui {

// Installs the window's texts in the language of `locale` (Simplified
// Chinese for a Chinese locale; English, the source language, otherwise), and
// with them Qt's own texts ("OK" in the message box) where Debian's
// qt6-translations-l10n has them. Returns the installed translators, none
// when English is wanted; destroying them brings back the English texts. The
// captions of the window itself ("计算", "kgm", "S1/[S]") are never translated.
std::vector<std::unique_ptr<QTranslator>> install_translation(const QLocale& locale = QLocale::system());

// The calculation core's English texts in the user's language.
QString panel_name(const Panel& panel);
QString error_text(ErrorKind kind);
QString quantity_text(std::string_view quantity);  // InputField::quantity, ResultField::quantity

// "t = 200 mm: a wall must be thinner than half the diameter (161.95 mm)"
QString check_text(const InputCheck& check);

// "Field L1: "10 m" is not a number. Enter the leg from the start anchor to
// the bend in metres, for example 20 (decimal separator ".")"
QString advice_text(const FieldAdvice& advice);

// Where along the run a point lies: "the start anchor", "the bend between L1
// and L2", "the far anchor".
QString place_name(const Panel& panel, int point);

}  // namespace quorvel::ui
