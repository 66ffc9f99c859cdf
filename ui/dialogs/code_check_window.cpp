#include "dialogs/code_check_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <optional>

#include "note/code_note.h"
#include "note/elbow_view.h"
#include "quorvel/panels/display.h"
#include "quorvel/text/decimal.h"
#include "window/panel_view.h"
#include "window/text_of.h"
#include "window/translation.h"

namespace quorvel::ui {
namespace {

// The settings typed as numbers: the field's object name, its label and unit,
// and the SI value per unit.
struct NumberField {
  const char* name;
  const char* label;  // translated in the window's context
  const char* unit;
  double si;
};
constexpr NumberField kNumbers[] = {
    {"T0", QT_TRANSLATE_NOOP("quorvel::ui::CodeCheckWindow", "Installed at T0"), "℃", 1},
    {"Tmin", QT_TRANSLATE_NOOP("quorvel::ui::CodeCheckWindow", "Lowest temperature Tmin"), "℃", 1},
    {"N", QT_TRANSLATE_NOOP("quorvel::ui::CodeCheckWindow", "Equivalent full cycles N"), "", 1},
    {"SL", QT_TRANSLATE_NOOP("quorvel::ui::CodeCheckWindow", "Sustained stress SL"), "MPa", 1e6},
    {"C", QT_TRANSLATE_NOOP("quorvel::ui::CodeCheckWindow", "Cold-spring factor C"), "", 1},
    {"Ea", QT_TRANSLATE_NOOP("quorvel::ui::CodeCheckWindow", "Ea at 21 ℃"), "GPa", 1e9},
    {"Eh", QT_TRANSLATE_NOOP("quorvel::ui::CodeCheckWindow", "Eh at T"), "GPa", 1e9},
    {"Sc", QT_TRANSLATE_NOOP("quorvel::ui::CodeCheckWindow", "Sc, coldest"), "MPa", 1e6},
    {"Sh", QT_TRANSLATE_NOOP("quorvel::ui::CodeCheckWindow", "Sh, hottest"), "MPa", 1e6},
    {"growth", QT_TRANSLATE_NOOP("quorvel::ui::CodeCheckWindow", "Expansion over the range"), "mm/m", 1e-3},
    {"SMTS", QT_TRANSLATE_NOOP("quorvel::ui::CodeCheckWindow", "Specified minimum tensile strength"), "MPa", 1e6},
};

// Where each field's value is kept in the panel's settings.
std::optional<double>* optional_of(CodeSettings& s, std::string_view name) {
  if (name == "Tmin") return &s.lowest;
  if (name == "SL") return &s.sustained;
  if (name == "Ea") return &s.user.Ea;
  if (name == "Eh") return &s.user.Eh;
  if (name == "Sc") return &s.user.Sc;
  if (name == "Sh") return &s.user.Sh;
  if (name == "growth") return &s.user.growth;
  if (name == "SMTS") return &s.user.tensile_strength;
  return nullptr;
}

}  // namespace

CodeCheckWindow::CodeCheckWindow(QWidget* window, PanelView& panel, const QLocale& locale, Compute compute)
    : QDialog(window),
      panel_(panel),
      locale_(locale),
      decimal_point_(locale.decimalPoint().toStdString()),
      compute_(std::move(compute)) {
  setObjectName(QString("CodeCheck_%1").arg(text_of(panel.panel().key)));
  setWindowTitle(tr("Code check – %1").arg(panel_name(panel.panel())));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);

  code_ = new QComboBox(this);
  code_->setObjectName("code");
  code_->addItems({tr("off"), text_of(kCodeEdition)});
  code_->setToolTip(tr("GB 50316 is not built: its formulas could not be confirmed from a public copy."));
  form->addRow(tr("Code"), code_);
  material_ = new QComboBox(this);
  material_->setObjectName("material");
  for (const CodeMaterial& m : code_materials()) material_->addItem(text_of(m.grade) + " (" + text_of(m.key) + ")");
  material_->addItem(tr("my values"));
  material_->setToolTip(
      tr("The values typed below replace the material's; with \"my values\" Ea, Sc, Sh and the "
         "expansion are needed."));
  form->addRow(tr("Material"), material_);
  for (const NumberField& f : kNumbers) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(f.name);
    const std::string_view name = f.name;
    if (name == "Tmin" || name == "SL")
      edit->setPlaceholderText(tr("none"));
    else if (name != "T0" && name != "N" && name != "C")
      edit->setPlaceholderText(tr("the material's"));
    const QString unit = text_of(f.unit);
    form->addRow(tr(f.label) + (unit.isEmpty() ? QString() : ", " + unit), edit);
    fields_[f.name] = edit;
    connect(edit, &QLineEdit::textChanged, this, &CodeCheckWindow::take_settings);
  }
  elbows_ = new QComboBox(this);
  elbows_->setObjectName("elbows");
  for (const double times_D : ElbowChoice::kChoices) elbows_->addItem(ElbowTexts::menu_entry(times_D, decimal_point_));
  elbows_->setToolTip(tr("The panel's elbows. Under sharp corners only the code check takes long-radius elbows."));
  form->addRow(tr("Elbows"), elbows_);
  for (QComboBox* box : {code_, material_, elbows_})
    connect(box, &QComboBox::currentIndexChanged, this, &CodeCheckWindow::take_settings);
  problems_ = new QLabel(this);
  layout->addWidget(problems_);
  auto* compute_button = new QPushButton(tr("Compute the panel"), this);
  compute_button->setAutoDefault(false);
  connect(compute_button, &QPushButton::clicked, this, [this] { compute_(panel_); });
  layout->addWidget(compute_button);

  // The answer: its basis, the points, the governing ratio large, the rest.
  answer_ = new QWidget(this);
  auto* answer = new QVBoxLayout(answer_);
  answer->setContentsMargins(0, 0, 0, 0);
  stale_note_ = new QLabel(this);
  stale_note_->setWordWrap(true);
  basis_ = new QLabel(answer_);
  governing_ = new QLabel(answer_);
  QFont large = governing_->font();
  large.setPointSizeF(large.pointSizeF() * 2);
  large.setBold(true);
  governing_->setFont(large);
  verdict_ = new QLabel(answer_);
  points_ = new QTableWidget(answer_);
  points_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  points_->verticalHeader()->hide();
  loads_ = new QLabel(answer_);
  screen_ = new QLabel(answer_);
  cautions_ = new QLabel(answer_);
  for (QLabel* label : {basis_, verdict_, loads_, screen_, cautions_}) {
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{basis_, governing_, verdict_, points_, loads_, screen_, cautions_})
    answer->addWidget(w);
  layout->addWidget(stale_note_);
  layout->addWidget(answer_);

  connect(&panel_, &PanelView::computed, this, &CodeCheckWindow::refresh);
  connect(&panel_, &PanelView::settings_changed, this, [this] {
    if (showing_) return;
    show_settings();
    set_stale(true);
  });
  for (QLineEdit* input : panel_.inputs()) connect(input, &QLineEdit::textChanged, this, [this] { set_stale(true); });
  show_settings();
  refresh();
}

QLineEdit* CodeCheckWindow::setting(const char* name) const {
  return fields_.at(name);
}

QComboBox* CodeCheckWindow::choice(const char* name) const {
  return findChild<QComboBox*>(name);
}

QString CodeCheckWindow::governing_text() const {
  return governing_->text();
}

QString CodeCheckWindow::verdict_text() const {
  return verdict_->text();
}

QString CodeCheckWindow::results_text() const {
  QStringList lines{basis_->text()};
  for (int r = 0; r < points_->rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < points_->columnCount(); ++c) cells << points_->item(r, c)->text();
    lines << cells.join(" | ");
  }
  return (lines + QStringList{loads_->text(), screen_->text(), cautions_->text()}).join('\n');
}

void CodeCheckWindow::show_settings() {
  showing_ = true;
  const PanelView::CodeChoice& choice = panel_.code();
  CodeSettings s = panel_.code_settings();
  code_->setCurrentIndex(choice.on ? 1 : 0);
  const auto grades = code_materials();
  int m = static_cast<int>(grades.size());
  for (std::size_t k = 0; k < grades.size(); ++k)
    if (&grades[k] == s.material) m = static_cast<int>(k);
  material_->setCurrentIndex(m);
  const auto number = [&](double v, double si) { return QString::fromStdString(number_text(v / si, decimal_point_)); };
  for (const NumberField& f : kNumbers) {
    QString text;
    if (const std::optional<double>* v = optional_of(s, f.name))
      text = *v ? number(**v, f.si) : QString();
    else
      text = number(f.name == std::string_view("T0")  ? s.installed
                    : f.name == std::string_view("N") ? s.cycles
                                                      : s.cold_spring,
                    f.si);
    QLineEdit* edit = fields_.at(f.name);
    // A field being typed keeps its text while it says the same.
    const auto typed = parse_decimal(edit->text().toStdString(), decimal_point_);
    if (!(typed && number(to_double(*typed), 1) == text)) edit->setText(text);
  }
  const double times_D = panel_.elbows_times_D();
  for (int k = 0; k < elbows_->count(); ++k)
    if (ElbowChoice::kChoices[k] == times_D) elbows_->setCurrentIndex(k);
  showing_ = false;
}

void CodeCheckWindow::take_settings() {
  if (showing_) return;
  PanelView::CodeChoice choice = panel_.code();
  CodeSettings& s = choice.settings;
  choice.on = code_->currentIndex() == 1;
  const auto grades = code_materials();
  const auto m = static_cast<std::size_t>(material_->currentIndex());
  s.material = m < grades.size() ? &grades[m] : nullptr;
  QStringList bad;
  std::optional<double> T0;
  for (const NumberField& f : kNumbers) {
    const QString text = fields_.at(f.name)->text().trimmed();
    const auto d = parse_decimal(text.toStdString(), decimal_point_);
    std::optional<double> v = d ? std::optional(to_double(*d) * f.si) : std::nullopt;
    const std::string_view name = f.name;
    if (std::optional<double>* kept = optional_of(s, name)) {
      if (text.isEmpty() || (v && *v >= 0))
        *kept = v;
      else
        bad << tr(f.label);
    } else if (!v || (name == "N" && !(*v > 0)) || (name == "C" && !(*v >= 0 && *v <= 1))) {
      bad << tr(f.label);
    } else if (name == "T0") {
      T0 = v;
    } else {
      (name == "N" ? s.cycles : s.cold_spring) = *v;
    }
  }
  not_taken_ =
      bad.isEmpty() ? QString() : tr("Not taken, expected a number (C from 0 to 1, N above 0): %1").arg(bad.join(", "));
  showing_ = true;  // the panel's signals come from these changes
  if (T0) panel_.set_installed_at(*T0);
  panel_.elbows().set_times_D(ElbowChoice::kChoices[elbows_->currentIndex()]);
  panel_.set_code(choice);
  showing_ = false;
  set_stale(true);
}

void CodeCheckWindow::show_problems() {
  QStringList lines{not_taken_};
  if (!panel_.code().on)
    lines << tr("Choose a code to check the panel's run.");
  else if (!panel_.values())
    lines << tr("No run of the panel to check: press Compute.");
  lines.removeAll(QString());
  problems_->setText(lines.join('\n'));
}

void CodeCheckWindow::set_stale(bool stale) {
  stale_ = stale;
  show_problems();
  stale_note_->setText(stale ? tr("These results do not belong to the current inputs: press Compute.") : QString());
  answer_->setEnabled(!stale);
}

void CodeCheckWindow::refresh() {
  const Values* run = panel_.values();
  const bool on = panel_.code().on;
  answer_->setVisible(on && run);
  show_problems();
  set_stale(false);
  if (!on || !run) return;
  const CodeSection s =
      CodeSection::of(panel_.panel(), *run, panel_.code_settings(), panel_.elbows_times_D(), decimal_point_);
  QStringList why;
  if (!s.unavailable.isEmpty()) why << s.unavailable;
  // What the user can do about a value the tables do not give.
  if (s.missing_value)
    why << tr(
        "Type the value in its field above, from the code edition of the project, or choose temperatures "
        "within the table.");
  basis_->setText((why + s.basis).join('\n'));
  governing_->setText(s.governing);
  verdict_->setText(s.governing.isEmpty() ? QString() : tr("SE/SA at %1: %2").arg(s.place, s.verdict));
  const QStringList headings = CodeSection::point_headings();
  points_->clear();
  points_->setColumnCount(static_cast<int>(headings.size()));
  points_->setHorizontalHeaderLabels(headings);
  points_->setRowCount(static_cast<int>(s.points.size()));
  for (std::size_t r = 0; r < s.points.size(); ++r)
    for (qsizetype c = 0; c < s.points[r].size(); ++c) {
      auto* item = new QTableWidgetItem(s.points[r][c]);
      if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      points_->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  points_->resizeColumnsToContents();
  // As high as its rows, no empty space below them.
  int height = points_->horizontalHeader()->height() + 2 * points_->frameWidth();
  for (int r = 0; r < points_->rowCount(); ++r) height += points_->rowHeight(r);
  points_->setFixedHeight(height);
  points_->setVisible(!s.points.empty());
  loads_->setText(s.loads.join('\n'));
  screen_->setText(s.screen);
  cautions_->setText(s.cautions);
  resize(size().expandedTo(sizeHint()));
}

CodeChecks::CodeChecks(QWidget* window, const QLocale& locale, CodeCheckWindow::Compute compute)
    : QObject(window), window_(window), locale_(locale), compute_(std::move(compute)) {
  setObjectName("CodeChecks");
}

QList<QAction*> CodeChecks::add_panel(PanelView& panel) {
  auto* action = new QAction(tr("Code check…"), this);
  connect(action, &QAction::triggered, this, [this, &panel] {
    CodeCheckWindow& w = window_of(panel);
    w.show();
    w.raise();
    w.activateWindow();
  });
  return {action};
}

CodeCheckWindow& CodeChecks::window_of(PanelView& panel) {
  CodeCheckWindow*& w = windows_[&panel];
  if (!w) w = new CodeCheckWindow(window_, panel, locale_, compute_);
  return *w;
}

}  // namespace quorvel::ui
