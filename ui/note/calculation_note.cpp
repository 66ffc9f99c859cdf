#include "note/calculation_note.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <utility>

#include "note/elbow_view.h"
#include "note/review_note.h"
#include "note/text_columns.h"
#include "note/verdict_texts.h"
#include "quorvel/analyses/elbows.h"
#include "quorvel/analyses/friction.h"
#include "quorvel/analyses/guides.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"
#include "quorvel/text/batch_row.h"
#include "quorvel/text/csv.h"
#include "quorvel/text/decimal.h"
#include "quorvel/version.h"
#include "window/translation.h"

namespace quorvel::ui {
namespace {

QString text_of(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A table row; numbers align right in the `right` columns.
QString cells(const QStringList& texts, const char* tag, std::span<const bool> right = {}) {
  QString row = "<tr>";
  for (qsizetype i = 0; i < texts.size(); ++i) {
    const bool to_right = static_cast<std::size_t>(i) < right.size() && right[i];
    row += QString("<%1%2>%3</%1>").arg(tag, to_right ? " align=\"right\"" : "", texts[i].toHtmlEscaped());
  }
  return row + "</tr>\n";
}

// Columns of the results: symbol, as shown, unit, SI, SI unit.
constexpr bool kNumbers[] = {false, true, false, true, false};

constexpr const char* kTable = R"(<table border="1" cellspacing="0" cellpadding="3">)";

// The section "With elbows of R = 1.5·D": the run with elbows beside the
// sharp corners, and how their verdicts differ; `invalid` (not empty) for
// both where the inputs describe no pipe.
CalculationNote::Elbows elbow_section(const Panel& panel, const std::optional<Values>& values, double times_D,
                                      const QString& basis, std::string_view dp, bool sharp_exceeds,
                                      const Material& material, const QString& invalid) {
  const std::string decimal_point(dp);
  const ElbowRun run = values ? with_elbows(panel, *values, times_D * values->D, 1, material) : ElbowRun{};
  const ElbowRunTexts texts = elbow_run_texts(panel, run, dp);
  const QString with = ElbowTexts::radius_name(times_D, decimal_point);
  CalculationNote::Elbows s{
      ReviewSections::headed(
          ElbowTexts::tr("With elbows of R = %1").arg(ElbowTexts::radius_text(times_D, decimal_point)), basis),
      {},
      {},
      {},
      {}};
  if (!invalid.isEmpty()) {
    s.before << ElbowTexts::tr("Verdict: %1").arg(invalid);
    return s;
  }
  if (run.status == ElbowStatus::does_not_fit) {
    s.before << ElbowTexts::tr("The elbows do not fit L%1: their tangent lengths exceed the leg.").arg(run.leg);
    return s;
  }
  if (run.status != ElbowStatus::solved) {
    s.before << ElbowTexts::tr("No answer with elbows for this geometry.");
    return s;
  }
  s.before << ElbowTexts::tr("Flexibility factor k = %1, stress intensification factor i = %2 (ASME B31.3 Appendix D).")
                  .arg(text_of(texts.k), text_of(texts.i));
  // Ratios with three decimals, as the governing one; forces and moments in
  // the panel's display; each also in SI units.
  for (std::size_t i = 0; i < panel.results.size(); ++i) {
    const ResultField& field = panel.results[i];
    const double r = run.results[i];
    const bool ratio = field.display == Display::ratio;
    s.results.push_back(
        {text_of(field.symbol), text_of(ratio ? ratio_text(r, dp) : texts.results[i]), text_of(field.unit),
         text_of(ratio ? fixed_text(std::fabs(r) * run.allowable, -6, 2, dp) : fixed_text(r, -3, 3, dp)),
         text_of(si_unit(field.display))});
  }
  s.after << ElbowTexts::tr("Governing ratio: %1").arg(VerdictTexts::governing(panel, run.verdict, dp));
  s.verdict = VerdictTexts::verdict(run.verdict, run.allowable, dp);
  s.after << ElbowTexts::tr("Verdict: %1").arg(s.verdict);
  if (run.verdict.exceeds && !sharp_exceeds)
    s.after
        << ElbowTexts::tr("The layout passes with sharp corners but exceeds the allowable stress with %1.").arg(with);
  if (!run.verdict.exceeds && sharp_exceeds)
    s.after
        << ElbowTexts::tr("The layout exceeds the allowable stress with sharp corners but passes with %1.").arg(with);
  return s;
}

// The section "With guides 3 m from the bends": the guided run (with the
// elbows when they are chosen), its guides, its verdict and, with a weight
// per metre, the anchors' loads with the supports' friction.
CalculationNote::Elbows guide_section(const Panel& panel, const std::optional<Values>& values, const GuidedRun& run,
                                      const NoteOptions& options, const QString& basis, std::string_view dp,
                                      const QString& invalid) {
  const std::string decimal_point(dp);
  const GuideSettings& guides = options.guides;
  const auto radius = options.elbows_times_D > 0 ? std::optional(ElbowRadius{options.elbows_times_D, 0}) : std::nullopt;
  QString title = GuideTexts::tr("With %1").arg(GuideTexts::name(guides.g, decimal_point));
  if (radius) title = GuideTexts::tr("%1 and %2").arg(title, ElbowTexts::radius_name(radius->times_D, decimal_point));
  CalculationNote::Elbows s{ReviewSections::headed(title, basis), {}, {}, {}, {}};
  if (!invalid.isEmpty()) {
    s.before << GuideTexts::tr("Verdict: %1").arg(invalid);
    return s;
  }
  if (run.status == ElbowStatus::does_not_fit) {
    s.before << GuideTexts::tr("The elbows do not fit L%1: their tangent lengths exceed the leg.").arg(run.leg);
    return s;
  }
  if (run.status != ElbowStatus::solved) {
    s.before << GuideTexts::tr("No answer with guides for this geometry.");
    return s;
  }
  const GuidedRunTexts texts = guided_run_texts(panel, run, dp);
  for (std::size_t i = 0; i < 2; ++i) {
    const Guide& guide = run.guides[i];
    if (guide.held)
      s.before << GuideTexts::tr("Guide on L%1: force across the leg %2 kg, ratio %3.")
                      .arg(guide.leg)
                      .arg(text_of(texts.forces[i]), text_of(ratio_text(guide.ratio, dp)));
    else
      s.before << GuideTexts::tr("No guide on L%1: the leg is not longer than g, or its elbow reaches past it.")
                      .arg(guide.leg);
  }
  const double allowable = with_material(*values, *options.material).allowable;
  for (std::size_t i = 0; i < panel.results.size(); ++i) {
    const ResultField& field = panel.results[i];
    const double r = run.results[i];
    const bool ratio = field.display == Display::ratio;
    s.results.push_back({text_of(field.symbol), text_of(ratio ? ratio_text(r, dp) : texts.results[i]),
                         text_of(field.unit),
                         text_of(ratio ? fixed_text(std::fabs(r) * allowable, -6, 2, dp) : fixed_text(r, -3, 3, dp)),
                         text_of(si_unit(field.display))});
  }
  const QString at_points = VerdictTexts::governing(panel, run.verdict, dp);
  s.after << GuideTexts::tr("Governing ratio: %1")
                 .arg(at_points.isEmpty() ? GuideTexts::tr("%1 at a guide").arg(text_of(texts.governing)) : at_points);
  s.verdict = VerdictTexts::verdict(run.verdict, allowable, dp);
  s.after << GuideTexts::tr("Verdict: %1").arg(s.verdict);
  if (guides.w > 0) {
    const AnchorLoads loads = anchor_loads(values->run, run.start_force, run.far_force, guides.w, guides.mu);
    s.after << GuideTexts::tr(
                   "Anchor loads along their legs with the supports' friction (w = %1 N/m, μ = %2): "
                   "point 1 %3 kN, point %4 %5 kN.")
                   .arg(text_of(number_text(guides.w, dp)), text_of(number_text(guides.mu, dp)),
                        text_of(fixed_text(loads.start, -3, 3, dp)))
                   .arg(panel.points)
                   .arg(text_of(fixed_text(loads.far, -3, 3, dp)));
  }
  return s;
}

}  // namespace

QString CalculationNote::stale_text() {
  return tr("The window shows results of other inputs: this note is computed from the inputs as they stand.");
}

QString program_name_and_version() {
  return QStringLiteral("Quorvel ") + QString::fromUtf8(kVersion);
}

CalculationNote calculation_note(const Panel& panel, std::span<const std::string> inputs, const QLocale& locale,
                                 const QDateTime& when, const NoteOptions& options) {
  const std::string decimal_point = locale.decimalPoint().toStdString();
  const Material& material = *options.material;
  CalculationNote note;
  note.configuration = panel_name(panel);
  note.date = when.toString("yyyy-MM-dd HH:mm");
  note.program = program_name_and_version();
  for (std::size_t i = 0; i < panel.inputs.size(); ++i) {
    const InputField& field = panel.inputs[i];
    note.inputs.push_back({text_of(field.symbol), QString::fromStdString(inputs[i]), text_of(field.unit), {}, {}});
  }

  const Outcome outcome = calculate(panel, inputs, decimal_point);
  const std::vector<InputCheck> input_checks = check_inputs(panel, inputs, decimal_point, material);
  const auto no_pipe = no_pipe_reason(panel, inputs, decimal_point);
  const QString invalid = no_pipe ? VerdictTexts::invalid(*no_pipe) : QString();
  if (const auto& failure = outcome.failure) {
    note.failure = error_text(failure->kind);
    if (failure->field)
      note.failure +=
          CalculationNote::tr(", field %1: \"%2\"")
              .arg(text_of(panel.inputs[*failure->field].symbol), QString::fromStdString(inputs[*failure->field]));
  } else {
    const Values& values = *outcome.values;
    for (std::size_t i = 0; i < panel.results.size(); ++i) {
      const ResultField& field = panel.results[i];
      note.results.push_back({text_of(field.symbol), QString::fromStdString(outcome.results[i]), text_of(field.unit),
                              QString::fromStdString(si_text(panel, values, i, decimal_point)),
                              text_of(si_unit(field.display))});
    }
    // The verdict from the unrounded stresses, with the warnings beside it;
    // none for inputs that describe no pipe.
    const Values judged = with_material(values, material);
    const Verdict verdict = judge(judged);
    note.exceeds = verdict.exceeds && !no_pipe;
    note.governing = no_pipe ? QStringLiteral("—") : VerdictTexts::governing(panel, verdict, decimal_point);
    note.verdict = no_pipe ? invalid
                           : VerdictTexts::with_warnings(
                                 VerdictTexts::verdict(verdict, judged.allowable, decimal_point), input_checks);
    // Everything beside the panel's own results counts from the installation.
    const auto basis = counted_from(panel, inputs, outcome, options.installed_at, decimal_point);
    note.checks =
        review_sections(panel, values, basis, options.installed_at, decimal_point, material, invalid, options.guides.g);
    if (options.code) {
      note.code = CodeSection::of(panel, values, *options.code, options.elbows_times_D, decimal_point);
      note.panel_check = CodeSection::panel_check(material, values.T, decimal_point);
    }
    if (options.elbows_times_D > 0)
      note.elbows = elbow_section(panel, basis, options.elbows_times_D,
                                  ReviewSections::installed_basis(options.installed_at, decimal_point), decimal_point,
                                  note.exceeds, material, invalid);
    // The verdicts beside the panel's, each named by its section's heading.
    if (const auto at_T0 = installed(values, options.installed_at, 1, material); at_T0 && !no_pipe)
      note.other_verdicts << CalculationNote::tr("%1: %2").arg(
          note.checks.sections.front().heading,
          VerdictTexts::verdict(at_T0->verdict, at_T0->values.allowable, decimal_point));
    // The guided run, from the installation as the elbows' (none without guides).
    const auto radius =
        options.elbows_times_D > 0 ? std::optional(ElbowRadius{options.elbows_times_D, 0}) : std::nullopt;
    const GuidedRun guided =
        options.guides.on() && basis ? with_guides(panel, *basis, options.guides.g, radius, 1, material) : GuidedRun{};
    if (options.guides.on()) {
      note.guides =
          guide_section(panel, basis, guided, options,
                        ReviewSections::installed_basis(options.installed_at, decimal_point), decimal_point, invalid);
    }
    for (const auto* section : {&note.elbows, &note.guides})
      if (*section && !(*section)->verdict.isEmpty())
        note.other_verdicts << CalculationNote::tr("%1: %2").arg((*section)->title, (*section)->verdict);
    const double R = options.elbows_times_D * values.D;
    note.drawing = run_drawing(panel, inputs, values, R,
                               R > 0 ? CalculationNote::tr("elbows R = %1 = %2 m")
                                           .arg(ElbowTexts::radius_text(options.elbows_times_D, decimal_point),
                                                text_of(fixed_text(R, 0, 3, decimal_point)))
                                     : QString());
    add_guides(*note.drawing, guided, decimal_point);
  }

  for (const InputCheck& check : input_checks) note.input_checks << check_text(check);
  const double T = outcome.values ? outcome.values->T : material.reference_T;
  note.assumptions << CalculationNote::tr("Plane frame, sharp bends, bending stress only, both ends clamped.")
                   << CalculationNote::tr("E = %1 GPa, [S] = %2 MPa.")
                          .arg(text_of(material.modulus_gpa_text(decimal_point)),
                               text_of(material.allowable_mpa_text(T, decimal_point)));
  note.assumptions
      << CalculationNote::tr("Free expansion per metre of pipe, T in ℃: %1.").arg(text_of(material.law_text));
  if (const auto temperature = input_index(panel, "T"); outcome.values && temperature)
    note.assumptions << CalculationNote::tr("Free expansion at T = %1 ℃: %2 mm/m.")
                            .arg(QString::fromStdString(inputs[*temperature]),
                                 QString::fromStdString(expansion_text(
                                     with_material(*outcome.values, material).expansion, decimal_point)));
  if (outcome.values && !outcome.failure)
    note.assumptions << section_assumptions(*outcome.values, decimal_point, material);

  // quorvel-batch reads a decimal comma with --decimal-comma.
  const auto dialect = csv::Dialect::for_decimal_point(decimal_point);
  std::vector<std::string> row{std::string(panel.key)};
  row.insert(row.end(), inputs.begin(), inputs.end());
  note.batch_row = QString::fromStdString(csv::write_line(row, dialect));
  note.batch_command =
      dialect.decimal_comma() ? QStringLiteral("quorvel-batch --decimal-comma") : QStringLiteral("quorvel-batch");
  // The guides and their friction, with the basis of the guided run where
  // no code check's options give it; then the code check's.
  if (const GuideSettings& g = options.guides; g.on()) {
    GuideOptions guides;
    guides.g = g.g;
    if (g.w > 0) guides.friction = Friction{g.w, g.mu};
    if (!options.code) {
      guides.installed = options.installed_at;
      guides.elbows = options.elbows_times_D;
    }
    note.batch_command += ' ' + QString::fromStdString(guide_options(guides));
  }
  if (options.code)
    note.batch_command += ' ' + QString::fromStdString(code_options({*options.code, options.elbows_times_D > 0}));
  return note;
}

std::optional<NoteOptions> note_options(const QString& text, const std::string& decimal_point) {
  const auto line = [](const QString& pattern) {
    return QRegularExpression('^' + pattern + '$', QRegularExpression::MultilineOption);
  };
  const QStringList around = ReviewSections::tr("Installation (installed at %1 ℃)").split("%1");
  if (around.size() != 2) return std::nullopt;
  const QRegularExpressionMatch installed =
      line(QRegularExpression::escape(around[0]) + "(.+)" + QRegularExpression::escape(around[1])).match(text);
  if (!installed.hasMatch()) return std::nullopt;
  const auto T0 = parse_decimal(installed.captured(1).toStdString(), decimal_point);
  if (!T0) return std::nullopt;
  NoteOptions options;
  options.installed_at = to_double(*T0);
  options.elbows_times_D = 0;
  for (const double times_D : ElbowChoice::kChoices) {
    const QString title = ElbowTexts::tr("With elbows of R = %1").arg(ElbowTexts::radius_text(times_D, decimal_point));
    // With the basis the note names since, or without it.
    const QString basis = QRegularExpression::escape(ReviewSections::headed(title, "BASIS")).replace("BASIS", ".*");
    if (times_D > 0 && line("(?:" + QRegularExpression::escape(title) + '|' + basis + ")").match(text).hasMatch())
      options.elbows_times_D = times_D;
  }
  return options;
}

QString CalculationNote::plain_text() const {
  QString text = tr("Calculation note") + '\n';
  text += tr("Configuration: %1").arg(configuration) + '\n';
  text += tr("Date: %1").arg(date) + '\n';
  text += tr("Program: %1").arg(program) + '\n' + title.plain_text() + '\n';
  if (stale) text += stale_text() + "\n\n";
  if (code) text += code->plain_text();

  // First what a checker signs: the verdicts and the checks of the inputs.
  if (!failure.isEmpty()) {
    text += tr("Calculation failed: %1").arg(failure) + "\n\n";
  } else {
    if (!panel_check.isEmpty()) text += panel_check + '\n';
    text += tr("Verdict: %1").arg(verdict) + '\n';
    text += tr("Governing ratio: %1").arg(governing) + '\n';
    for (const QString& line : other_verdicts) text += line + '\n';
    text += '\n';
  }
  if (!input_checks.isEmpty()) text += tr("Checks of the inputs") + "\n  " + input_checks.join("\n  ") + "\n\n";

  text += tr("Inputs") + '\n';
  std::vector<QStringList> rows;
  for (const Row& r : inputs) rows.push_back({r.symbol, r.text, r.unit});
  text += text_columns(rows, {}) + '\n';

  if (failure.isEmpty()) {
    text += ReviewSections::headed(tr("Results (as shown, and in SI units)"), ReviewSections::panel_basis()) + '\n';
    rows.clear();
    for (const Row& r : results) rows.push_back({r.symbol, r.text, r.unit, r.si, r.si_unit});
    text += text_columns(rows, kNumbers) + '\n';
    text += checks.plain_text();
  }
  for (const auto* section : {&elbows, &guides}) {
    if (!*section) continue;
    text += (*section)->title + '\n' + (*section)->before.join('\n') + '\n';
    rows.clear();
    for (const Row& r : (*section)->results) rows.push_back({r.symbol, r.text, r.unit, r.si, r.si_unit});
    text += text_columns(rows, kNumbers) + (*section)->after.join('\n') + "\n\n";
  }

  text += tr("Assumptions") + '\n';
  for (const QString& a : assumptions) text += "  " + a + '\n';
  text += '\n' + tr("Input row for %1:").arg(batch_command) + '\n' + batch_row + '\n';
  return text;
}

QString CalculationNote::html(HtmlFor use) const {
  QString heading, verdicts, in, out, support;
  heading += "<h3>" + tr("Calculation note").toHtmlEscaped() + "</h3>\n" + kTable + '\n';
  heading += cells({tr("Configuration"), configuration}, "td");
  heading += cells({tr("Date"), date}, "td");
  heading += cells({tr("Program"), program}, "td");
  for (const auto& [caption, value] : title.filled()) heading += cells({caption, value}, "td");
  heading += "</table>\n";

  // First what a checker signs: a chosen code's check, the verdicts and the
  // checks of the inputs.
  QString lead;
  if (stale) lead += "<p><b>" + stale_text().toHtmlEscaped() + "</b></p>\n";
  if (code) lead += code->html();
  if (!failure.isEmpty()) {
    verdicts += "<p><b>" + tr("Calculation failed: %1").arg(failure).toHtmlEscaped() + "</b></p>\n";
  } else {
    if (!panel_check.isEmpty()) verdicts += "<h4>" + panel_check.toHtmlEscaped() + "</h4>\n";
    verdicts += "<p><b>" + tr("Verdict: %1").arg(verdict).toHtmlEscaped() + "</b></p>\n";
    verdicts += "<p>" + tr("Governing ratio: %1").arg(governing).toHtmlEscaped() + "</p>\n";
    for (const QString& line : other_verdicts) verdicts += "<p>" + line.toHtmlEscaped() + "</p>\n";
  }
  if (!input_checks.isEmpty()) {
    verdicts += "<h4>" + tr("Checks of the inputs").toHtmlEscaped() + "</h4>\n<ul>\n";
    for (const QString& c : input_checks) verdicts += "<li>" + c.toHtmlEscaped() + "</li>\n";
    verdicts += "</ul>\n";
  }

  in += "<h4>" + tr("Inputs").toHtmlEscaped() + "</h4>\n" + kTable + '\n';
  in += cells({tr("Symbol"), tr("Value"), tr("Unit")}, "th");
  for (const Row& r : inputs) in += cells({r.symbol, r.text, r.unit}, "td");
  in += "</table>\n";
  if (failure.isEmpty()) {
    out += "<h4>" + ReviewSections::headed(tr("Results"), ReviewSections::panel_basis()).toHtmlEscaped() + "</h4>\n" +
           kTable + '\n';
    out += cells({tr("Symbol"), tr("As shown"), tr("Unit"), tr("SI"), tr("SI unit")}, "th");
    for (const Row& r : results) out += cells({r.symbol, r.text, r.unit, r.si, r.si_unit}, "td", kNumbers);
    out += "</table>\n";
    support += checks.html();
  }
  for (const auto& [section, column] : {std::pair{&elbows, tr("With elbows")}, std::pair{&guides, tr("With guides")}}) {
    if (!*section) continue;
    const Elbows& s = **section;
    support += "<h4>" + s.title.toHtmlEscaped() + "</h4>\n";
    for (const QString& line : s.before) support += "<p>" + line.toHtmlEscaped() + "</p>\n";
    if (!s.results.empty())
      support += kTable + cells({tr("Symbol"), column, tr("Unit"), tr("SI"), tr("SI unit")}, "th");
    for (const Row& r : s.results) support += cells({r.symbol, r.text, r.unit, r.si, r.si_unit}, "td", kNumbers);
    if (!s.results.empty()) support += "</table>\n";
    for (const QString& line : s.after) support += "<p>" + line.toHtmlEscaped() + "</p>\n";
  }
  support += "<h4>" + tr("Assumptions").toHtmlEscaped() + "</h4>\n<ul>\n";
  for (const QString& a : assumptions) support += "<li>" + a.toHtmlEscaped() + "</li>\n";
  support += "</ul>\n<p>" + tr("Input row for %1:").arg(batch_command).toHtmlEscaped() + "</p>\n";
  support += R"(<pre style="white-space: pre-wrap">)" + batch_row.toHtmlEscaped() + "</pre>\n";

  // The sheet sets the inputs beside the results over the page's width, the
  // clipboard one below the other, where a spreadsheet takes each table as it is.
  const QString body = use == HtmlFor::clipboard
                           ? heading + lead + verdicts + in + out + support
                           : lead + verdicts + R"(<table width="100%"><tr><td valign="top" width="34%">)" + in +
                                 R"(</td><td width="4%"></td><td valign="top" width="62%">)" + out +
                                 "</td></tr></table>\n" + support;
  return "<html><head><meta charset=\"utf-8\"></head><body>\n" + body + "</body></html>\n";
}

}  // namespace quorvel::ui
