#include "dialogs/design_answers.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>
#include <memory>

#include "dialogs/note_forms.h"
#include "dialogs/pass_finder.h"
#include "note/calculation_note.h"
#include "note/elbow_view.h"
#include "quorvel/text/batch_row.h"
#include "window/panel_view.h"
#include "window/text_of.h"
#include "window/translation.h"

namespace quorvel::ui {
namespace {

// The row a panel's run is written as, in the window's dialect: "bend,T,D,…".
QString row_pattern(const Panel& panel, const QLocale& locale) {
  const auto dialect = csv::Dialect::for_decimal_point(locale.decimalPoint().toStdString());
  QString row = text_of(panel.key);
  for (const InputField& field : panel.inputs) row += dialect.separator + text_of(field.symbol);
  return row;
}

// Whether the loop's menu of `leg` walks the loop whole by `symbol`: its
// height from the legs it sets, its width also from the level legs that give way.
bool walks_whole_loop(std::string_view symbol, std::string_view leg) {
  if (symbol == kLoopHeight) return leg == "L2" || leg == "L4";
  return leg == "L1" || leg == "L3" || leg == "L5";
}

// The row's inputs, in the window's dialect, into the panel, and the
// guides' and the code check's settings where the text gives them (their T0
// and elbows are the panel's).
void fill(PanelView& panel, const BatchRow& row, const QLocale& locale) {
  const std::vector<std::string> texts = inputs_for(row, locale.decimalPoint().toStdString());
  for (std::size_t i = 0; i < panel.inputs().size(); ++i) panel.input(i)->setText(QString::fromStdString(texts[i]));
  if (const std::optional<GuideOptions>& guides = row.guides) {
    const Friction friction = guides->friction.value_or(Friction{});
    panel.set_guides({guides->g, friction.w, friction.mu});
    if (!row.code) {
      if (guides->installed) panel.set_installed_at(*guides->installed);
      panel.elbows().set_times_D(guides->elbows);
    }
  }
  if (!row.code) return;
  panel.set_installed_at(row.code->settings.installed);
  panel.elbows().set_times_D(row.code->elbows_given ? row.code->settings.elbows.times_D : 0);
  panel.set_code({true, row.code->settings});
}

}  // namespace

DesignAnswers::DesignAnswers(QWidget* window, const QLocale& locale, MessageSink& sink, Compute compute)
    : QObject(window),
      window_(window),
      locale_(locale),
      sink_(sink),
      compute_(std::move(compute)),
      ask_open_file_(ask_open_file) {
  setObjectName("DesignAnswers");
}

QList<QAction*> DesignAnswers::add_panel(PanelView& panel) {
  panels_.push_back(&panel);
  auto* paste_action = new QAction(tr("Paste calculation"), this);
  paste_action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
  connect(paste_action, &QAction::triggered, this, [this, &panel] { paste(panel); });
  auto* open_action = new QAction(tr("Open calculation…"), this);
  open_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  connect(open_action, &QAction::triggered, this, &DesignAnswers::open_file);
  for (std::size_t i = 0; i < panel.inputs().size(); ++i) {
    QLineEdit* field = panel.input(i);
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(field, &QWidget::customContextMenuRequested, this,
            [this, &panel, i, field, paste_action, open_action](QPoint pos) {
              const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
              menu->addSeparator();
              const std::string_view symbol = panel.panel().inputs[i].symbol;
              const auto open = [this, &panel](std::string_view walked) {
                PassFinder& f = finder(panel, std::string(walked));
                f.show();
                f.raise();
                f.activateWindow();
              };
              menu->addAction(tr("Find where %1 passes…").arg(text_of(symbol)), this, [open, symbol] { open(symbol); });
              for (std::string_view whole : {kLoopHeight, kLoopWidth})
                if (walked(panel.panel(), whole) && walks_whole_loop(whole, symbol))
                  menu->addAction(whole == kLoopHeight ? tr("Find where the loop's height passes…")
                                                       : tr("Find where the loop's width passes…"),
                                  this, [open, whole] { open(whole); });
              menu->addAction(paste_action);
              menu->addAction(open_action);
              menu->exec(field->mapToGlobal(pos));
            });
  }
  return {paste_action, open_action};
}

void DesignAnswers::paste(PanelView& panel) {
  const auto row = find_batch_row(QGuiApplication::clipboard()->text().toStdString());
  if (!row || row->panel != &panel.panel()) {
    const QString why = row ? tr("The clipboard holds a run of the %1 panel, not of the %2 panel: nothing was pasted.")
                                  .arg(panel_name(*row->panel), panel_name(panel.panel()))
                            : tr("The clipboard holds no run of the %1 panel: nothing was pasted. Expected a "
                                 "quorvel-batch row %2 (decimal point and ',' between cells, or decimal comma and "
                                 "';') or a calculation note copied from that panel.")
                                  .arg(panel_name(panel.panel()), row_pattern(panel.panel(), locale_));
    return sink_.show_error(window_, window_->windowTitle(), why);
  }
  fill(panel, *row, locale_);
  compute_(panel);
}

void DesignAnswers::open_file() {
  const QString path = ask_open_file_(window_);
  if (path.isEmpty()) return;
  const QString name = QDir::toNativeSeparators(path);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    return sink_.show_error(window_, window_->windowTitle(),
                            tr("Could not read %1: %2. Nothing was opened.").arg(name, file.errorString()));
  const QString text = QString::fromUtf8(file.readAll());
  const auto row = find_batch_row(text.toStdString());
  const auto panel = std::find_if(panels_.begin(), panels_.end(),
                                  [&](const PanelView* p) { return row && &p->panel() == row->panel; });
  if (panel == panels_.end())
    return sink_.show_error(window_, window_->windowTitle(),
                            tr("%1 is not a calculation note: it holds no quorvel-batch row of a panel, such as "
                               "%2. Nothing was opened.")
                                .arg(name, row_pattern(panels_.front()->panel(), locale_)));
  if (const auto options = note_options(text, std::string(row->dialect.decimal_point))) {
    (*panel)->set_installed_at(options->installed_at);
    (*panel)->elbows().set_times_D(options->elbows_times_D);
  }
  fill(**panel, *row, locale_);
  compute_(**panel);
}

PassFinder& DesignAnswers::finder(PanelView& panel, const std::string& symbol) {
  PassFinder*& f = finders_[{&panel, symbol}];
  if (!f) {
    f = new PassFinder(window_, panel, symbol, locale_, [this, &panel](const std::vector<std::string>& inputs) {
      for (std::size_t i = 0; i < inputs.size(); ++i)
        if (panel.input(i)->text().toStdString() != inputs[i])
          panel.input(i)->setText(QString::fromStdString(inputs[i]));
      compute_(panel);
    });
  }
  return *f;
}

}  // namespace quorvel::ui
