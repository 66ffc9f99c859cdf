#pragma once

#include <QString>

class QWidget;

namespace quorvel::ui {

// Where the window reports a failed calculation. The window uses a modal
// message box; tests install a recorder so that nothing blocks.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void show_error(QWidget* parent, const QString& title, const QString& text) = 0;
};

class MessageBoxSink final : public MessageSink {
 public:
  void show_error(QWidget* parent, const QString& title, const QString& text) override;
};

}  // namespace quorvel::ui
