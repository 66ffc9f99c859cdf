#include "dialogs/design_answers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <memory>

#include "dialogs/pass_finder.h"
#include "quorvel/text/batch_row.h"
#include "window/panel_view.h"
#include "window/text_of.h"
#include "window/translation.h"

namespace quorvel::ui {

DesignAnswers::DesignAnswers(QWidget* window, const QLocale& locale, MessageSink& sink, Compute compute)
    : QObject(window), window_(window), locale_(locale), sink_(sink), compute_(std::move(compute)) {
  setObjectName("DesignAnswers");
}

QAction* DesignAnswers::add_panel(PanelView& panel) {
  auto* paste_action = new QAction(tr("Paste calculation"), this);
  paste_action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
  connect(paste_action, &QAction::triggered, this, [this, &panel] { paste(panel); });
  for (std::size_t i = 0; i < panel.inputs().size(); ++i) {
    QLineEdit* field = panel.input(i);
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(field, &QWidget::customContextMenuRequested, this, [this, &panel, i, field, paste_action](QPoint pos) {
      const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
      menu->addSeparator();
      const QString symbol = text_of(panel.panel().inputs[i].symbol);
      menu->addAction(tr("Find where %1 passes…").arg(symbol), this, [this, &panel, i] {
        PassFinder& f = finder(panel, i);
        f.show();
        f.raise();
        f.activateWindow();
      });
      menu->addAction(paste_action);
      menu->exec(field->mapToGlobal(pos));
    });
  }
  return paste_action;
}

void DesignAnswers::paste(PanelView& panel) {
  const auto row = find_batch_row(QGuiApplication::clipboard()->text().toStdString());
  if (!row || row->panel != &panel.panel()) {
    const QString why = row ? tr("The clipboard holds a run of the %1 panel, not of the %2 panel: nothing was pasted.")
                                  .arg(panel_name(*row->panel), panel_name(panel.panel()))
                            : tr("The clipboard holds no quorvel-batch row and no calculation note of the %1 "
                                 "panel: nothing was pasted.")
                                  .arg(panel_name(panel.panel()));
    return sink_.show_error(window_, window_->windowTitle(), why);
  }
  for (std::size_t i = 0; i < panel.inputs().size(); ++i)
    panel.input(i)->setText(QString::fromStdString(row->inputs[i]));
  compute_(panel);
}

PassFinder& DesignAnswers::finder(PanelView& panel, std::size_t field) {
  PassFinder*& f = finders_[{&panel, field}];
  if (!f) {
    f = new PassFinder(window_, panel, field, locale_, [this, &panel, field](const QString& text) {
      panel.input(field)->setText(text);
      compute_(panel);
    });
  }
  return *f;
}

}  // namespace quorvel::ui
