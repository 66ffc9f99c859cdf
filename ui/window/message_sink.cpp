#include "window/message_sink.h"

#include <QMessageBox>

namespace quorvel::ui {

void MessageBoxSink::show_error(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace quorvel::ui
