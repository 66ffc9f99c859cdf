#include "dialogs/note_forms.h"

#include <QDialog>
#include <QDialogButtonBox>
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
