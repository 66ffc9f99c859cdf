#include "note/note_actions.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSaveFile>
#include <memory>

#include "dialogs/note_forms.h"
#include "note/calculation_sheet.h"
#include "note/elbow_view.h"
#include "window/layout.h"
#include "window/panel_view.h"
#include "window/result_edit.h"
#include "window/schematic.h"
#include "window/text_of.h"
#include "window/translation.h"

namespace quorvel::ui {
namespace {

// What the panel's drawing and result fields add to a menu: the actions and
// the panel's choice of elbows.
void add_panel_entries(QMenu& menu, const QList<QAction*>& actions, const PanelView& panel) {
  menu.addActions(actions);
  panel.elbows().add_menu(menu);
}

}  // namespace

NoteActions::NoteActions(QWidget* window, const QLocale& locale, MessageSink& sink)
    : QObject(window),
      window_(window),
      locale_(locale),
      sink_(sink),
      ask_installed_at_(quorvel::ui::ask_installed_at),
      ask_title_block_(quorvel::ui::ask_title_block),
      ask_save_file_(quorvel::ui::ask_save_file),
      ask_guides_(quorvel::ui::ask_guides) {
  setObjectName("NoteActions");
  window->installEventFilter(this);
}

QList<QAction*> NoteActions::add_panel(PanelView& panel, const QList<QAction*>& more) {
  const QRect extent = schematic_extent(panel.layout());
  auto* copy = new QAction(tr("Copy calculation note"), this);
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  auto* save = new QAction(tr("Save calculation…"), this);
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  auto* print = new QAction(tr("Print calculation sheet…"), this);
  print->setShortcut(QKeySequence::Print);
  auto* installed = new QAction(tr("Installed at…"), this);
  auto* guides = new QAction(tr("Guides…"), this);
  const QList<QAction*> menu = QList<QAction*>{copy, save, print, installed, guides} + more;
  drawings_.push_back(
      {&panel,
       QRect(to_pixels(extent.x()), to_pixels(extent.y()), to_pixels(extent.width()), to_pixels(extent.height())),
       menu});
  connect(copy, &QAction::triggered, this, [this, &panel] { copy_note(panel); });
  connect(save, &QAction::triggered, this, [this, &panel] { save_note(panel); });
  connect(print, &QAction::triggered, this, [this, &panel] { print_sheet(panel); });
  connect(installed, &QAction::triggered, this, [this, &panel] { ask_installed_at(panel); });
  connect(guides, &QAction::triggered, this, [this, &panel] { ask_guides(panel); });

  // The keys work while the focus is in one of the panel's fields or buttons.
  std::vector<QWidget*> widgets(panel.inputs().begin(), panel.inputs().end());
  widgets.insert(widgets.end(), panel.results().begin(), panel.results().end());
  widgets.push_back(panel.compute_button());
  widgets.push_back(panel.exit_button());
  const QList<QAction*> all = QList<QAction*>{copy, save, print} + more;
  for (QAction* action : all) {
    action->setShortcutContext(Qt::WidgetShortcut);
    for (QWidget* widget : widgets) widget->addAction(action);
  }

  // A result field's menu is the standard one with both actions added.
  for (ResultEdit* field : panel.results()) {
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(field, &QWidget::customContextMenuRequested, this, [&panel, field, menu](const QPoint& pos) {
      const std::unique_ptr<QMenu> standard(field->createStandardContextMenu());
      standard->addSeparator();
      add_panel_entries(*standard, menu, panel);
      standard->exec(field->mapToGlobal(pos));
    });
  }
  return all;
}

void NoteActions::set_printer(Printer printer) {
  printer_ = std::move(printer);
}

void NoteActions::set_askers(AskInstalledAt installed_at, AskTitleBlock title_block) {
  ask_installed_at_ = std::move(installed_at);
  ask_title_block_ = std::move(title_block);
}

void NoteActions::ask_installed_at(PanelView& panel) {
  if (const auto T0 = ask_installed_at_(window_, panel_name(panel.panel()), panel.installed_at()))
    panel.set_installed_at(*T0);
}

void NoteActions::ask_guides(PanelView& panel) {
  if (const auto guides = ask_guides_(window_, panel_name(panel.panel()), panel.guides())) panel.set_guides(*guides);
}

bool NoteActions::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_ || event->type() != QEvent::ContextMenu) return false;
  const auto* request = static_cast<QContextMenuEvent*>(event);
  for (const DrawingMenu& drawing : drawings_) {
    if (!drawing.drawing.contains(request->pos())) continue;
    QMenu menu;
    add_panel_entries(menu, drawing.actions, *drawing.panel);
    menu.exec(request->globalPos());
    return true;
  }
  return false;
}

CalculationNote NoteActions::note_of(const PanelView& panel) const {
  NoteOptions options{panel.installed_at(), panel.elbows_times_D()};
  if (panel.code().on) options.code = panel.code_settings();
  options.guides = panel.guides();
  CalculationNote note =
      calculation_note(panel.panel(), panel.input_texts(), locale_, QDateTime::currentDateTime(), options);
  note.stale = panel.stale();
  return note;
}

void NoteActions::copy_note(const PanelView& panel) const {
  const CalculationNote note = note_of(panel);
  auto* data = new QMimeData;
  data->setText(note.plain_text());
  data->setHtml(note.html());
  QGuiApplication::clipboard()->setMimeData(data);
}

void NoteActions::save_note(const PanelView& panel) const {
  const QString path = ask_save_file_(window_, text_of(panel.panel().key) + ".txt");
  if (path.isEmpty()) return;
  QSaveFile file(path);  // a failed write leaves an existing file as it was
  const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Text) &&
                     file.write(note_of(panel).plain_text().toUtf8()) >= 0 && file.commit();
  if (!saved)
    sink_.show_error(
        window_, window_->windowTitle(),
        tr("Could not save the calculation note to %1: %2.").arg(QDir::toNativeSeparators(path), file.errorString()));
}

void NoteActions::print_sheet(const PanelView& panel) const {
  const auto title = ask_title_block_(window_, last_title_);
  if (!title) return;
  last_title_ = *title;
  CalculationNote note = note_of(panel);
  note.title = *title;
  const CalculationSheet sheet(panel.panel(), std::move(note));
  if (printer_) return printer_(window_, sheet);
  if (const QString error = sheet.print(window_); !error.isEmpty())
    QMessageBox::warning(window_, window_->windowTitle(), error);
}

}  // namespace quorvel::ui
