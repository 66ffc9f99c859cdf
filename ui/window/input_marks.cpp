#include "window/input_marks.h"

#include <QLineEdit>
#include <QPainter>

#include "window/translation.h"

namespace quorvel::ui {
namespace {

// A frame drawn over a field's edges, letting the field show through.
class CheckFrame final : public QWidget {
 public:
  explicit CheckFrame(QLineEdit* field) : QWidget(field) {
    setObjectName("check_frame");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(field->rect());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(InputMarks::colour(parentWidget()->palette()), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
};

}  // namespace

InputMarks::InputMarks(const Panel& panel, std::span<QLineEdit* const> inputs, QObject* parent)
    : QObject(parent), panel_(panel), inputs_(inputs), frames_(inputs_.size(), nullptr) {
  for (const QLineEdit* field : inputs_) {
    tooltips_.push_back(field->toolTip());
    descriptions_.push_back(field->accessibleDescription());
  }
}

std::vector<InputCheck> InputMarks::show(std::span<const std::string> texts, std::string_view decimal_point) {
  std::vector<InputCheck> checks = check_inputs(panel_, texts, decimal_point);
  std::vector<QString> said(inputs_.size());
  for (const InputCheck& check : checks) said.at(check.field) = check_text(check);
  for (std::size_t i = 0; i < inputs_.size(); ++i) mark(i, said[i]);
  return checks;
}

bool InputMarks::marked(std::size_t field) const {
  return frames_.at(field) && !frames_[field]->isHidden();
}

QColor InputMarks::colour(const QPalette& palette) {
  return palette.color(QPalette::Base).lightness() < 128 ? QColor(255, 190, 60) : QColor(200, 115, 0);
}

void InputMarks::mark(std::size_t field, const QString& text) {
  QLineEdit* edit = inputs_[field];
  QWidget*& frame = frames_[field];
  if (text.isEmpty()) {
    if (!frame || frame->isHidden()) return;
    frame->hide();
    edit->setToolTip(tooltips_[field]);
    edit->setAccessibleDescription(descriptions_[field]);
    return;
  }
  if (!frame) frame = new CheckFrame(edit);
  frame->show();
  edit->setToolTip(text + '\n' + tooltips_[field]);
  edit->setAccessibleDescription(text);
}

}  // namespace quorvel::ui
