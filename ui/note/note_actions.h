#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QRect>
#include <functional>
#include <optional>
#include <vector>

#include "note/calculation_note.h"
#include "quorvel/panels/panels.h"
#include "window/message_sink.h"

class QAction;

namespace quorvel::ui {

class CalculationSheet;
class PanelView;

// Takes a calculation away from the window: Ctrl+Shift+C copies a panel's
// calculation note (plain text and HTML), Ctrl+S saves its plain text to a
// file the user picks, Ctrl+P prints its calculation sheet after asking for
// its title block, all while the focus is in one of the panel's fields or
// buttons, and all are in the context menus of the
// panel's drawing and result fields, with the panel's choice of elbows
// (elbow_view.h), which the note follows, "Installed at…", which sets the
// panel's installation temperature for its notes until the program ends, and
// "Guides…", which sets its guides and friction (guide_view.h) for its
// tooltips and notes likewise; the panel (PanelView) keeps them.
// Input fields keep their own menus, and Ctrl+C in any field still copies
// its selection.
class NoteActions final : public QObject {
  Q_OBJECT

 public:
  // Prints a sheet: the platform's print dialog, unless a test puts another
  // in its place.
  using Printer = std::function<void(QWidget* window, const CalculationSheet& sheet)>;
  // Ask for an installation temperature and for a title block (check_forms.h
  // unless a test puts others in their place); none when cancelled.
  using AskInstalledAt =
      std::function<std::optional<double>(QWidget* window, const QString& configuration, double current)>;
  using AskTitleBlock = std::function<std::optional<TitleBlock>(QWidget* window, const TitleBlock& last)>;
  // Asks for the panel's guides and friction ("Guides…"); none when cancelled.
  using AskGuides = std::function<std::optional<GuideSettings>(QWidget* window, const QString& configuration,
                                                               const GuideSettings& current)>;
  // The file to save a note to (note_forms.h unless a test puts another in
  // its place); empty when cancelled.
  using AskSaveFile = std::function<QString(QWidget* window, const QString& suggested)>;

  NoteActions(QWidget* window, const QLocale& locale, MessageSink& sink);

  // Gives the panel's actions, which own their keys; `more` actions join the
  // menus and keys after them.
  QList<QAction*> add_panel(PanelView& panel, const QList<QAction*>& more = {});
  void set_printer(Printer printer);
  void set_askers(AskInstalledAt installed_at, AskTitleBlock title_block);
  void set_file_asker(AskSaveFile ask) { ask_save_file_ = std::move(ask); }
  void set_guides_asker(AskGuides ask) { ask_guides_ = std::move(ask); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;  // the drawings' context menu

 private:
  // The drawing of a panel and the menu it opens.
  struct DrawingMenu {
    PanelView* panel;
    QRect drawing;  // in the window, in pixels
    QList<QAction*> actions;
  };
  CalculationNote note_of(const PanelView& panel) const;
  void copy_note(const PanelView& panel) const;
  void save_note(const PanelView& panel) const;
  void print_sheet(const PanelView& panel) const;
  void ask_installed_at(PanelView& panel);
  void ask_guides(PanelView& panel);

  QWidget* window_;
  QLocale locale_;
  MessageSink& sink_;
  Printer printer_;
  AskInstalledAt ask_installed_at_;
  AskTitleBlock ask_title_block_;
  AskSaveFile ask_save_file_;
  AskGuides ask_guides_;
  mutable TitleBlock last_title_;  // what was entered last, for the next sheet
  std::vector<DrawingMenu> drawings_;
};

}  // namespace quorvel::ui
