#include "window/panel_view.h"

#include <QLineEdit>
#include <QLocale>
#include <algorithm>

#include "note/elbow_view.h"
#include "note/explanation.h"
#include "quorvel/analyses/elbows.h"
#include "window/input_marks.h"
#include "window/result_edit.h"
#include "window/text_of.h"
#include "window/translation.h"

namespace quorvel::ui {

PanelView::PanelView(const Panel& panel, const PanelLayout& layout, Controls controls, const QLocale& locale,
                     QObject* parent)
    : QObject(parent),
      panel_(panel),
      layout_(layout),
      controls_(std::move(controls)),
      decimal_point_(locale.decimalPoint().toStdString()),
      marks_(new InputMarks(panel, controls_.inputs, this)),
      elbows_(new ElbowChoice(decimal_point_, this)) {
  // Results written before an input changes no longer belong to the inputs.
  for (QLineEdit* input : controls_.inputs)
    connect(input, &QLineEdit::textChanged, this, [this] {
      for (ResultEdit* result : controls_.results)
        if (!result->text().isEmpty()) result->set_stale(true);
    });
  connect(elbows_, &ElbowChoice::changed, this, &PanelView::show_elbows);
  connect(elbows_, &ElbowChoice::changed, this, &PanelView::settings_changed);
  code_.settings.material = &code_materials().front();  // the first grade until another is chosen
}

std::vector<std::string> PanelView::input_texts() const {
  std::vector<std::string> texts;
  for (const QLineEdit* field : controls_.inputs) texts.push_back(field->text().toStdString());
  return texts;
}

bool PanelView::stale() const {
  return std::any_of(controls_.results.begin(), controls_.results.end(),
                     [](const ResultEdit* r) { return r->stale(); });
}

std::vector<InputCheck> PanelView::check(std::span<const std::string> texts) {
  const auto no_pipe = no_pipe_reason(panel_, texts, decimal_point_);
  no_pipe_ = no_pipe ? tr("The inputs describe no pipe: %1").arg(check_text(*no_pipe)) : QString();
  return marks_->show(texts, decimal_point_);
}

void PanelView::deliver(std::size_t index, const std::string& text) {
  ResultEdit* field = controls_.results.at(index);
  field->setText(QString::fromStdString(text));
  field->setCursorPosition(0);  // a number too long for the field shows its leading digits
}

void PanelView::show(const Outcome& outcome) {
  const std::vector<ResultEdit*>& results = controls_.results;
  const QString decimal_point = text_of(decimal_point_);
  for (std::size_t i = 0; i < results.size(); ++i) {
    if (i >= outcome.results.size() || !outcome.values || i >= outcome.values->results.size()) continue;
    results[i]->set_run(outcome.values->results[i], Explanation::of_result(panel_, i, *outcome.values, decimal_point));
  }
  // A failed run leaves texts of an earlier one, or no complete set.
  for (ResultEdit* result : results) {
    result->set_computed();
    result->set_stale(outcome.failure.has_value() && !result->text().isEmpty());
    result->set_no_pipe(outcome.failure ? QString() : no_pipe_);  // a failed run's texts are an earlier run's
  }
  last_ = outcome;
  show_elbows();
  emit computed();
}

const Values* PanelView::values() const {
  return last_.failure || !last_.values ? nullptr : &*last_.values;
}

double PanelView::elbows_times_D() const {
  return elbows_->times_D();
}

void PanelView::set_installed_at(double T0) {
  if (T0 == installed_at_) return;
  installed_at_ = T0;
  emit settings_changed();
}

void PanelView::set_code(const CodeChoice& code) {
  code_ = code;
  emit settings_changed();
}

CodeSettings PanelView::code_settings() const {
  CodeSettings settings = code_.settings;
  settings.installed = installed_at_;
  const double times_D = elbows_times_D();
  settings.elbows = ElbowRadius{times_D > 0 ? times_D : ElbowChoice::kDefault, 0};
  if (guides_.on()) settings.guides = guides_.g;
  return settings;
}

void PanelView::set_guides(const GuideSettings& guides) {
  guides_ = guides;
  show_elbows();
  emit settings_changed();
}

void PanelView::show_elbows() {
  const Values* values = this->values();
  const double times_D = elbows_times_D();
  const auto radius = times_D > 0 ? std::optional(ElbowRadius{times_D, 0}) : std::nullopt;
  const GuidedRun guided = values && guides_.on() ? with_guides(panel_, *values, guides_.g, radius) : GuidedRun{};
  for (std::size_t i = 0; i < controls_.results.size(); ++i)
    controls_.results[i]->set_guided(
        values && guides_.on() ? GuideTexts::tooltip(panel_, guided, i, guides_.g, decimal_point_) : QString());
  if (!values || times_D == 0) {
    for (ResultEdit* result : controls_.results) result->set_elbows({}, {});
    return;
  }
  const ElbowRun run = with_elbows(panel_, *values, times_D * values->D);
  for (std::size_t i = 0; i < controls_.results.size(); ++i) {
    controls_.results[i]->set_elbows(
        ElbowTexts::tooltip(panel_, run, i, times_D, decimal_point_),
        ElbowTexts::exceeds_at_bend(panel_, run, i) ? ElbowTexts::exceeds(times_D, decimal_point_) : QString());
  }
}

}  // namespace quorvel::ui
