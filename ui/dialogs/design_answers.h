#pragma once

#include <QAction>
#include <QLocale>
#include <QObject>
#include <functional>
#include <map>
#include <utility>

#include "window/message_sink.h"

namespace quorvel::ui {

class PanelView;
class PassFinder;

// The window's answers to design questions about a panel: "Paste
// calculation" (Ctrl+Shift+V) takes a run from the clipboard into the panel,
// and each input field's menu, Qt's standard one, has "Find where F passes…".
class DesignAnswers final : public QObject {
  Q_OBJECT

 public:
  using Compute = std::function<void(PanelView&)>;  // MainWindow::compute

  DesignAnswers(QWidget* window, const QLocale& locale, MessageSink& sink, Compute compute);

  // Adds the input fields' menus; gives the panel's paste action, whose key
  // and place in the panel's other menus the caller provides.
  QAction* add_panel(PanelView& panel);

  // The clipboard's run into the panel: a quorvel-batch row of it or a
  // calculation note; anything else is refused with one message.
  void paste(PanelView& panel);
  // The pass finder of a field, made on first use and then reused.
  PassFinder& finder(PanelView& panel, std::size_t field);

 private:
  QWidget* window_;
  QLocale locale_;
  MessageSink& sink_;
  Compute compute_;
  std::map<std::pair<const PanelView*, std::size_t>, PassFinder*> finders_;
};

}  // namespace quorvel::ui
