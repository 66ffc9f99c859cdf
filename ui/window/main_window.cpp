#include "window/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <limits>
#include <stdexcept>

#include "dialogs/code_check_window.h"
#include "dialogs/design_answers.h"
#include "note/explanation.h"
#include "note/note_actions.h"
#include "window/font_config.h"
#include "window/layout.h"
#include "window/panel_view.h"
#include "window/result_edit.h"
#include "window/schematic.h"
#include "window/text_of.h"
#include "window/translation.h"

namespace quorvel::ui {
namespace {

QRect pixels(int left, int top, int width, int height) {
  return {to_pixels(left), to_pixels(top), to_pixels(width), to_pixels(height)};
}

// A focused button is pressed by Enter as by Space. No button is a default
// button: Enter in an input field computes its panel (add_panel), in a result
// field it does nothing.
class Button final : public QPushButton {
 public:
  Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return QPushButton::keyPressEvent(event);
    if (!event->isAutoRepeat()) click();
  }
};

// Every text of the window's labels and buttons.
QStringList drawn_texts() {
  QStringList texts{QString("计算"), QString("退出")};
  for (const SymbolPlace& place : symbol_places()) texts += text_of(place.text);
  for (const Panel* panel : panels()) {
    for (const InputField& field : panel->inputs) texts << text_of(field.symbol) << text_of(field.unit);
    for (const ResultField& field : panel->results) texts << text_of(field.symbol) << text_of(field.unit);
  }
  texts.removeDuplicates();
  return texts;
}

// The Compute button's tooltip: what it does, and the keys of the button and,
// anywhere in the panel, of the note's actions, as the actions give them.
QString compute_tooltip(const QString& title, const QList<QAction*>& actions) {
  QString tip = MainWindow::tr("%1: computes the results from the inputs.\nSpace or Enter: compute").arg(title);
  for (const QAction* action : actions) {
    if (action->shortcut().isEmpty()) continue;  // a menu's entry only
    QString text = action->text();
    if (text.endsWith(QChar(0x2026))) text.chop(1);  // the "…" of an action that opens a dialog
    tip += '\n' + MainWindow::tr("%1: %2", "a key and its action")
                      .arg(action->shortcut().toString(QKeySequence::NativeText), text);
  }
  return tip;
}

}  // namespace

// A label never cuts its text short: where the font is wider than the layout
// assumed, the label reaches further right from its place, to its size hint.
// The labels show few different texts ("m", "kg", "L1"...) and every size
// hint lays its text out anew, so each text is measured once.
class MainWindow::LabelPlacer {
 public:
  void place(QLabel* label, const QRect& rect) {
    auto hint = hint_widths_.constFind(label->text());
    if (hint == hint_widths_.cend()) hint = hint_widths_.insert(label->text(), label->sizeHint().width());
    label->setGeometry(rect.x(), rect.y(), std::max(rect.width(), *hint), rect.height());
  }

 private:
  QHash<QString, int> hint_widths_;
};

MainWindow::MainWindow(const QLocale& locale, std::unique_ptr<MessageSink> sink)
    : locale_(locale),
      decimal_point_(locale.decimalPoint().toStdString()),
      sink_(sink ? std::move(sink) : std::make_unique<MessageBoxSink>()),
      calculation_([](const Panel& panel, std::span<const std::string> inputs, std::string_view decimal_point,
                      const Deliver& deliver) { return calculate(panel, inputs, decimal_point, deliver); }) {
  setObjectName("Quorvel");
  setWindowTitle("Quorvel");
  resize(to_pixels(client_width), to_pixels(client_height));
  setWindowState(Qt::WindowMaximized);
  // Before the children are made, which take the window's font.
  if (const QFont drawing = font_drawing(font(), drawn_texts()); drawing != font()) setFont(drawing);

  // Children stack in the order they are made: the drawing lies lowest.
  new Schematic(this);
  LabelPlacer labels;
  for (const SymbolPlace& place : symbol_places()) {
    auto* label = new QLabel(text_of(place.text), this);
    label->setObjectName(QString("Label1_%1").arg(place.member));
    labels.place(label, pixels(place.left, place.top, place.width, place.height));
  }
  const auto layouts = panel_layouts();
  if (layouts.size() != panels().size()) throw std::logic_error("every panel needs a layout");
  for (std::size_t i = 0; i < layouts.size(); ++i) panels_.push_back(add_panel(*panels()[i], layouts[i], labels));
  // Copying, saving and printing a calculation note; pasting or opening a
  // run and finding where a field passes.
  auto* notes = new NoteActions(this, locale, *sink_);
  auto* answers = new DesignAnswers(this, locale, *sink_, [this](PanelView& panel) { compute(panel); });
  auto* codes = new CodeChecks(this, locale, [this](PanelView& panel) { compute(panel); });
  for (PanelView* panel : panels_) {
    const QList<QAction*> actions = notes->add_panel(*panel, codes->add_panel(*panel) + answers->add_panel(*panel));
    panel->compute_button()->setToolTip(compute_tooltip(panel_name(panel->panel()), actions));
  }
  set_focus_order();
}

MainWindow::~MainWindow() = default;

PanelView* MainWindow::add_panel(const Panel& panel, const PanelLayout& layout, LabelPlacer& labels) {
  if (layout.inputs.size() != panel.inputs.size() || layout.results.size() != panel.results.size())
    throw std::logic_error("a panel's layout places other fields than its table lists");
  const QString title = panel_name(panel);
  auto add_label = [this, &labels](std::string_view text, const LabelPlace& place) {
    auto* label = new QLabel(text_of(text), this);
    label->setObjectName(QString("Label2_%1").arg(next_label_++));
    labels.place(label, pixels(place.left, place.top, place.width, label_height));
  };
  // The symbol label comes first so that the field covers it where an
  // "S2/[S]" reaches under the field's left edge.
  auto add_field = [&](std::string_view symbol, std::string_view unit, QLineEdit* edit, const FieldPlace& place) {
    edit->setObjectName(text_of(place.name));
    edit->setGeometry(pixels(place.left, place.top, field_width, field_height));
    edit->setMaxLength(std::numeric_limits<int>::max());  // before the text, which is then laid out once
    edit->setAccessibleName(unit.empty() ? text_of(symbol) : text_of(symbol) + ", " + text_of(unit));
    if (!unit.empty()) add_label(unit, place.unit);
    return edit;
  };
  PanelView::Controls controls{};
  for (std::size_t i = 0; i < panel.inputs.size(); ++i) {
    const InputField& field = panel.inputs[i];
    add_label(field.symbol, layout.inputs[i].symbol);
    auto* edit = new QLineEdit(this);
    edit->setAccessibleDescription(title);
    edit->setToolTip(Explanation::of_input(field));
    controls.inputs.push_back(add_field(field.symbol, field.unit, edit, layout.inputs[i]));
    edit->setText(text_of(field.default_text));
  }
  for (std::size_t i = 0; i < panel.results.size(); ++i) {
    const ResultField& field = panel.results[i];
    add_label(field.symbol, layout.results[i].symbol);
    auto* edit = new ResultEdit(field.display, title, locale_, this);
    add_field(field.symbol, field.unit, edit, layout.results[i]);
    controls.results.push_back(edit);
  }

  auto add_button = [&](const ButtonPlace& place, const QString& caption, const QString& name) {
    auto* button = new Button(caption, this);
    button->setObjectName(text_of(place.name));
    button->setGeometry(pixels(place.left, place.top, place.width, button_height));
    button->setAccessibleName(name);
    button->setAccessibleDescription(tr("%1 panel").arg(title));
    return button;
  };
  controls.compute = add_button(layout.compute, QString("计算"), tr("Compute (%1)").arg(title));
  controls.exit = add_button(layout.exit, QString("退出"), tr("Exit (%1)").arg(title));
  auto* view = new PanelView(panel, layout, std::move(controls), locale_, this);
  connect(view->compute_button(), &QPushButton::clicked, this, [this, view] { compute(*view); });
  for (QLineEdit* input : view->inputs())  // Return and the keypad's Enter alike
    connect(input, &QLineEdit::returnPressed, this, [this, view] { compute(*view); });
  connect(view->exit_button(), &QPushButton::clicked, this, &QCoreApplication::quit);
  return view;
}

void MainWindow::set_focus_order() {
  std::vector<QWidget*> chain;
  for (std::string_view name : focus_order()) {
    auto* widget = findChild<QWidget*>(text_of(name), Qt::FindDirectChildrenOnly);
    if (!widget) throw std::logic_error("no control named " + std::string(name));
    chain.push_back(widget);
  }
  // Qt's focus chain is a ring, so the last control leads back to the first.
  for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
  chain.front()->setFocus();
}

void MainWindow::set_calculation(Calculation calculation) {
  calculation_ = std::move(calculation);
}

void MainWindow::compute(PanelView& view) {
  const Panel& panel = view.panel();
  const std::vector<std::string> texts = view.input_texts();
  const std::vector<InputCheck> checks = view.check(texts);
  const Outcome outcome = calculation_(panel, texts, decimal_point_,
                                       [&view](std::size_t i, const std::string& text) { view.deliver(i, text); });
  view.show(outcome);
  if (!outcome.failure) return;
  const std::optional<Failure>& failure = outcome.failure;

  // The kind of error, then what to type into the field that caused it.
  QString text = error_text(failure->kind);
  const std::optional<FieldAdvice> advice = advise(panel, texts, *failure, decimal_point_);
  QLineEdit* culprit = advice ? view.input(advice->field) : nullptr;
  if (advice) text += '\n' + advice_text(*advice);
  // A failed step names no field; what the checks say may be why (t = 0: a
  // zero section), and the focus goes to the first field they name.
  if (!culprit && !checks.empty()) {
    for (const InputCheck& check : checks) text += '\n' + check_text(check);
    culprit = view.input(checks.front().field);
  }
  sink_->show_error(this, windowTitle(), text);
  if (culprit) {
    culprit->setFocus();
    culprit->selectAll();
  }
}

}  // namespace quorvel::ui
