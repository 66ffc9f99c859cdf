#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QRect>
#include <functional>
#include <span>
#include <vector>

#include "calculation_note.h"
#include "quorvel/panels.h"

class QAction;
class QLineEdit;

namespace quorvel::ui {

class CalculationSheet;
class ResultEdit;
struct PanelLayout;

// Takes a calculation away from the window: Ctrl+Shift+C copies a panel's
// calculation note (plain text and HTML), Ctrl+P prints its calculation
// sheet, both while the focus is in one of the panel's fields or buttons, and
// both are in the context menus of the panel's drawing and result fields.
// Input fields keep their own menus, and Ctrl+C in any field still copies
// its selection.
class NoteActions final : public QObject {
  Q_OBJECT

 public:
  // Prints a sheet: the platform's print dialog, unless a test puts another
  // in its place.
  using Printer = std::function<void(QWidget* window, const CalculationSheet& sheet)>;

  NoteActions(QWidget* window, const QLocale& locale);

  // Gives the panel's actions, which own their keys; `more` actions join the
  // menus and keys after them.
  QList<QAction*> add_panel(const Panel& panel, const PanelLayout& layout, std::span<QLineEdit* const> inputs,
                            std::span<ResultEdit* const> results, const QList<QAction*>& more = {});
  void set_printer(Printer printer);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;  // the drawings' context menu

 private:
  struct PanelActions {
    const Panel* panel;
    std::vector<QLineEdit*> inputs;
    std::vector<ResultEdit*> results;
    QRect drawing;  // in the window, in pixels
    QAction* copy;
    QAction* print;
    QList<QAction*> more;
  };
  CalculationNote note_of(const PanelActions& panel) const;
  void copy_note(const PanelActions& panel) const;
  void print_sheet(const PanelActions& panel) const;

  QWidget* window_;
  QLocale locale_;
  Printer printer_;
  std::vector<PanelActions> panels_;
};

}  // namespace quorvel::ui
