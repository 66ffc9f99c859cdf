#include "dialogs/note_forms.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <vector>

#include "note/calculation_note.h"

namespace quorvel::ui {

std::optional<double> ask_installed_at(QWidget* parent, const QString& configuration, double current) {
  bool ok = false;
  const double T0 = QInputDialog::getDouble(parent, ReviewSections::tr("Installed at – %1").arg(configuration),
                                            ReviewSections::tr("Temperature at which the pipe is anchored (℃):"),
                                            current, -273, 2000, 1, &ok);
  return ok ? std::optional(T0) : std::nullopt;
}

std::optional<GuideSettings> ask_guides(QWidget* parent, const QString& configuration, const GuideSettings& current) {
  QDialog dialog(parent);
  dialog.setWindowTitle(GuideTexts::tr("Guides – %1").arg(configuration));
  auto* form = new QFormLayout(&dialog);
  auto* on = new QCheckBox(GuideTexts::tr("A guide on each leg from an anchor to a bend"), &dialog);
  on->setChecked(current.on());
  const auto number = [&](double value, double top, int decimals) {
    auto* box = new QDoubleSpinBox(&dialog);
    box->setRange(0, top);
    box->setDecimals(decimals);
    box->setValue(value);
    return box;
  };
  QDoubleSpinBox* g = number(current.on() ? current.g : 3, 1000, 2);
  g->setMinimum(0.01);
  QDoubleSpinBox* w = number(current.w, 1e6, 1);
  QDoubleSpinBox* mu = number(current.mu, 1, 2);
  form->addRow(on);
  form->addRow(GuideTexts::tr("Distance g from the bend's corner point (m):"), g);
  form->addRow(GuideTexts::tr("Weight per metre w, pipe, contents and insulation (N/m; 0: no friction):"), w);
  form->addRow(GuideTexts::tr("Friction coefficient μ of the supports:"), mu);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  form->addRow(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return GuideSettings{on->isChecked() ? g->value() : 0, w->value(), mu->value()};
}

std::optional<TitleBlock> ask_title_block(QWidget* parent, const TitleBlock& last) {
  QDialog dialog(parent);
  dialog.setWindowTitle(TitleBlock::tr("Title block"));
  auto* form = new QFormLayout(&dialog);
  TitleBlock entered = last;
  std::vector<std::pair<QLineEdit*, QString*>> fields;
  for (const auto& [caption, value] : entered.entries()) {
    auto* edit = new QLineEdit(*value, &dialog);
    edit->setMinimumWidth(280);
    form->addRow(caption, edit);
    fields.emplace_back(edit, value);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  form->addRow(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  for (const auto& [edit, value] : fields) *value = edit->text();
  return entered;
}

QString ask_save_file(QWidget* parent, const QString& suggested) {
  return QFileDialog::getSaveFileName(parent, CalculationNote::tr("Save calculation"), suggested,
                                      CalculationNote::tr("Text files (*.txt);;All files (*)"));
}

QString ask_open_file(QWidget* parent) {
  return QFileDialog::getOpenFileName(parent, CalculationNote::tr("Open calculation"), {},
                                      CalculationNote::tr("Text files (*.txt);;All files (*)"));
}

}  // namespace quorvel::ui
