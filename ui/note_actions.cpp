#include "note_actions.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <algorithm>
#include <memory>

#include "calculation_sheet.h"
#include "check_forms.h"
#include "elbow_view.h"
#include "layout.h"
#include "result_edit.h"
#include "schematic.h"
#include "text_of.h"
#include "translation.h"

namespace quorvel::ui {

NoteActions::NoteActions(QWidget* window, const QLocale& locale, ElbowChoice& elbows)
    : QObject(window),
      window_(window),
      locale_(locale),
      elbows_(elbows),
      ask_installed_at_(quorvel::ui::ask_installed_at),
      ask_title_block_(quorvel::ui::ask_title_block) {
  setObjectName("NoteActions");
  window->installEventFilter(this);
}

QList<QAction*> NoteActions::add_panel(const Panel& panel, const PanelLayout& layout,
                                       std::span<QLineEdit* const> inputs, std::span<ResultEdit* const> results,
                                       const QList<QAction*>& more) {
  const QRect extent = schematic_extent(layout);
  auto* copy = new QAction(tr("Copy calculation note"), this);
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  auto* print = new QAction(tr("Print calculation sheet…"), this);
  print->setShortcut(QKeySequence::Print);
  auto* installed = new QAction(tr("Installed at…"), this);
  panels_.push_back(
      {&panel,
       {inputs.begin(), inputs.end()},
       {results.begin(), results.end()},
       QRect(to_pixels(extent.x()), to_pixels(extent.y()), to_pixels(extent.width()), to_pixels(extent.height())),
       copy,
       print,
       installed,
       more});
  const std::size_t index = panels_.size() - 1;
  connect(copy, &QAction::triggered, this, [this, index] { copy_note(panels_[index]); });
  connect(print, &QAction::triggered, this, [this, index] { print_sheet(panels_[index]); });
  connect(installed, &QAction::triggered, this, [this, index] { ask_installed_at(panels_[index]); });

  // The keys work while the focus is in one of the panel's fields or buttons.
  std::vector<QWidget*> widgets(inputs.begin(), inputs.end());
  widgets.insert(widgets.end(), results.begin(), results.end());
  for (std::string_view name : {layout.compute.name, layout.exit.name})
    widgets.push_back(window_->findChild<QWidget*>(text_of(name), Qt::FindDirectChildrenOnly));
  const QList<QAction*> all = QList<QAction*>{copy, print} + more;
  for (QAction* action : all) {
    action->setShortcutContext(Qt::WidgetShortcut);
    for (QWidget* widget : widgets) widget->addAction(action);
  }

  // A result field's menu is the standard one with both actions added.
  for (ResultEdit* field : results) {
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(field, &QWidget::customContextMenuRequested, this,
            [this, &panel, field, copy, print, installed, more](const QPoint& pos) {
              const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
              menu->addSeparator();
              menu->addActions(QList<QAction*>{copy, print, installed} + more);
              elbows_.add_menu(*menu, panel);
              menu->exec(field->mapToGlobal(pos));
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

void NoteActions::ask_installed_at(PanelActions& panel) {
  if (const auto T0 = ask_installed_at_(window_, panel_name(*panel.panel), panel.installed_at))
    panel.installed_at = *T0;
}

bool NoteActions::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_ || event->type() != QEvent::ContextMenu) return false;
  const auto* request = static_cast<QContextMenuEvent*>(event);
  for (const PanelActions& panel : panels_) {
    if (!panel.drawing.contains(request->pos())) continue;
    QMenu menu;
    menu.addActions(QList<QAction*>{panel.copy, panel.print, panel.installed} + panel.more);
    elbows_.add_menu(menu, *panel.panel);
    menu.exec(request->globalPos());
    return true;
  }
  return false;
}

CalculationNote NoteActions::note_of(const PanelActions& panel) const {
  std::vector<std::string> texts;
  for (const QLineEdit* field : panel.inputs) texts.push_back(field->text().toStdString());
  CalculationNote note = calculation_note(*panel.panel, texts, locale_, QDateTime::currentDateTime(),
                                          {panel.installed_at, elbows_.times_D(*panel.panel)});
  note.stale = std::any_of(panel.results.begin(), panel.results.end(), [](const ResultEdit* r) { return r->stale(); });
  return note;
}

void NoteActions::copy_note(const PanelActions& panel) const {
  const CalculationNote note = note_of(panel);
  auto* data = new QMimeData;
  data->setText(note.plain_text());
  data->setHtml(note.html());
  QGuiApplication::clipboard()->setMimeData(data);
}

void NoteActions::print_sheet(const PanelActions& panel) const {
  const auto title = ask_title_block_(window_, last_title_);
  if (!title) return;
  last_title_ = *title;
  CalculationNote note = note_of(panel);
  note.title = *title;
  const CalculationSheet sheet(*panel.panel, std::move(note));
  if (printer_) return printer_(window_, sheet);
  if (const QString error = sheet.print(window_); !error.isEmpty())
    QMessageBox::warning(window_, window_->windowTitle(), error);
}

}  // namespace quorvel::ui
