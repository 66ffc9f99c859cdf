#pragma once

#include <QAction>
#include <QList>
#include <QLocale>
#include <QObject>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "window/message_sink.h"

namespace quorvel::ui {

class PanelView;
class PassFinder;

// The window's answers to design questions about a panel: "Paste
// calculation" (Ctrl+Shift+V) takes a run from the clipboard into the panel,
// "Open calculation…" (Ctrl+O) one from a file into the panel it names, and
// each input field's menu, Qt's standard one, has "Find where F passes…";
// the loop's legs also "Find where the loop's height passes…" (L2, L4) and
// "…width passes…" (L1, L3, L5).
class DesignAnswers final : public QObject {
  Q_OBJECT

 public:
  using Compute = std::function<void(PanelView&)>;  // MainWindow::compute
  // The file to open: the platform's file dialog (note_forms.h) unless a
  // test puts another in its place; empty when cancelled.
  using AskOpenFile = std::function<QString(QWidget* window)>;

  DesignAnswers(QWidget* window, const QLocale& locale, MessageSink& sink, Compute compute);

  // Adds the input fields' menus; gives the panel's paste and open actions,
  // whose keys and place in the panel's other menus the caller provides.
  QList<QAction*> add_panel(PanelView& panel);
  void set_file_asker(AskOpenFile ask) { ask_open_file_ = std::move(ask); }

  // The clipboard's run into the panel: a quorvel-batch row of it or a
  // calculation note, in either dialect; anything else is refused with one
  // message.
  void paste(PanelView& panel);
  // A file's run, a saved calculation note or a row, into the panel it
  // names, with the settings the note was taken with.
  void open_file();
  // The pass finder of a field or of the loop's H or W (quorvel::walked),
  // made on first use and then reused.
  PassFinder& finder(PanelView& panel, const std::string& symbol);

 private:
  QWidget* window_;
  QLocale locale_;
  MessageSink& sink_;
  Compute compute_;
  AskOpenFile ask_open_file_;
  std::vector<PanelView*> panels_;
  std::map<std::pair<const PanelView*, std::string>, PassFinder*> finders_;
};

}  // namespace quorvel::ui
