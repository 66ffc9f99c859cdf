#pragma once

#include <QAction>
#include <QLocale>
#include <QObject>
#include <functional>
#include <map>
#include <span>
#include <utility>
#include <vector>

#include "message_sink.h"
#include "quorvel/panels.h"

class QLineEdit;

namespace quorvel::ui {

class ElbowChoice;
class PassFinder;

// The window's answers to design questions about a panel: "Paste
// calculation" (Ctrl+Shift+V) takes a run from the clipboard into the panel,
// and each input field's menu, Qt's standard one, has "Find where F passes…".
class DesignAnswers final : public QObject {
  Q_OBJECT

 public:
  using Compute = std::function<void(const Panel&)>;  // MainWindow::compute

  DesignAnswers(QWidget* window, const QLocale& locale, MessageSink& sink, ElbowChoice& elbows, Compute compute);

  // Adds the input fields' menus; gives the panel's paste action, whose key
  // and place in the panel's other menus the caller provides.
  QAction* add_panel(const Panel& panel, std::span<QLineEdit* const> inputs);

  // The clipboard's run into the panel: a quorvel-batch row of it or a
  // calculation note; anything else is refused with one message.
  void paste(const Panel& panel);
  // The pass finder of a field, made on first use and then reused.
  PassFinder& finder(const Panel& panel, std::size_t field);

 private:
  struct PanelFields {
    const Panel* panel;
    std::vector<QLineEdit*> inputs;
  };
  const PanelFields& fields_of(const Panel& panel) const;

  QWidget* window_;
  QLocale locale_;
  MessageSink& sink_;
  ElbowChoice& elbows_;
  Compute compute_;
  std::vector<PanelFields> panels_;
  std::map<std::pair<const Panel*, std::size_t>, PassFinder*> finders_;
};

}  // namespace quorvel::ui
