#include "note/calculation_note.h"

#include <QRegularExpression>
#include <algorithm>

#include "note/elbow_view.h"
#include "note/review_note.h"
#include "note/text_columns.h"
#include "note/verdict_texts.h"
#include "quorvel/analyses/elbows.h"
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
// sharp corners, and how their verdicts differ.
CalculationNote::Elbows elbow_section(const Panel& panel, const Values& values, double times_D, std::string_view dp,
                                      bool sharp_exceeds, const Material& material) {
  const std::string decimal_point(dp);
  const ElbowRun run = with_elbows(panel, values, times_D * values.D, 1, material);
  const ElbowRunTexts texts = elbow_run_texts(panel, run, dp);
  const QString with = ElbowTexts::radius_name(times_D, decimal_point);
  CalculationNote::Elbows s{
      ElbowTexts::tr("With elbows of R = %1").arg(ElbowTexts::radius_text(times_D, decimal_point)), {}, {}, {}};
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
  for (std::size_t i = 0; i < panel.results.size(); ++i)
    s.results.push_back(
        {text_of(panel.results[i].symbol), text_of(texts.results[i]), text_of(panel.results[i].unit), {}, {}});
  s.after << ElbowTexts::tr("Governing ratio: %1").arg(VerdictTexts::governing(panel, run.verdict, dp));
  s.after << ElbowTexts::tr("Verdict: %1").arg(VerdictTexts::verdict(run.verdict, run.allowable, dp));
  if (run.verdict.exceeds && !sharp_exceeds)
    s.after
        << ElbowTexts::tr("The layout passes with sharp corners but exceeds the allowable stress with %1.").arg(with);
  if (!run.verdict.exceeds && sharp_exceeds)
    s.after
        << ElbowTexts::tr("The layout exceeds the allowable stress with sharp corners but passes with %1.").arg(with);
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
    // The verdict from the unrounded stresses.
    const Values judged = with_material(values, material);
    const Verdict verdict = judge(judged);
    note.exceeds = verdict.exceeds;
    note.governing = VerdictTexts::governing(panel, verdict, decimal_point);
    note.verdict = VerdictTexts::verdict(verdict, judged.allowable, decimal_point);
    note.checks = review_sections(panel, values, options.installed_at, decimal_point, material);
    if (options.code) {
      note.code = CodeSection::of(panel, values, *options.code, options.elbows_times_D, decimal_point);
      note.panel_check = CodeSection::panel_check(material, values.T, decimal_point);
    }
    if (options.elbows_times_D > 0)
      note.elbows = elbow_section(panel, values, options.elbows_times_D, decimal_point, note.exceeds, material);
  }

  for (const InputCheck& check : check_inputs(panel, inputs, decimal_point, material))
    note.input_checks << check_text(check);
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
    if (times_D > 0 && line(QRegularExpression::escape(title)).match(text).hasMatch()) options.elbows_times_D = times_D;
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

  text += tr("Inputs") + '\n';
  std::vector<QStringList> rows;
  for (const Row& r : inputs) rows.push_back({r.symbol, r.text, r.unit});
  text += text_columns(rows, {}) + '\n';

  if (!failure.isEmpty()) {
    text += tr("Calculation failed: %1").arg(failure) + "\n\n";
  } else {
    if (!panel_check.isEmpty()) text += panel_check + '\n';
    text += tr("Results (as shown, and in SI units)") + '\n';
    rows.clear();
    for (const Row& r : results) rows.push_back({r.symbol, r.text, r.unit, r.si, r.si_unit});
    text += text_columns(rows, kNumbers) + '\n';
    text += tr("Governing ratio: %1").arg(governing) + '\n';
    text += tr("Verdict: %1").arg(verdict) + "\n\n";
    text += checks.plain_text();
  }
  if (elbows) {
    text += elbows->title + '\n' + elbows->before.join('\n') + '\n';
    rows.clear();
    for (const Row& r : elbows->results) rows.push_back({r.symbol, r.text, r.unit});
    text += text_columns(rows, kNumbers) + elbows->after.join('\n') + "\n\n";
  }
  if (!input_checks.isEmpty()) text += tr("Checks of the inputs") + "\n  " + input_checks.join("\n  ") + "\n\n";

  text += tr("Assumptions") + '\n';
  for (const QString& a : assumptions) text += "  " + a + '\n';
  text += '\n' + tr("Input row for %1:").arg(batch_command) + '\n' + batch_row + '\n';
  return text;
}

QString CalculationNote::html(HtmlFor use) const {
  QString heading, in, out, closing;
  heading += "<h3>" + tr("Calculation note").toHtmlEscaped() + "</h3>\n" + kTable + '\n';
  heading += cells({tr("Configuration"), configuration}, "td");
  heading += cells({tr("Date"), date}, "td");
  heading += cells({tr("Program"), program}, "td");
  for (const auto& [caption, value] : title.filled()) heading += cells({caption, value}, "td");
  heading += "</table>\n";

  if (stale) in += "<p><b>" + stale_text().toHtmlEscaped() + "</b></p>\n";
  const QString lead = code ? code->html() : QString();
  in += "<h4>" + tr("Inputs").toHtmlEscaped() + "</h4>\n" + kTable + '\n';
  in += cells({tr("Symbol"), tr("Value"), tr("Unit")}, "th");
  for (const Row& r : inputs) in += cells({r.symbol, r.text, r.unit}, "td");
  in += "</table>\n";

  if (!failure.isEmpty()) {
    out += "<p><b>" + tr("Calculation failed: %1").arg(failure).toHtmlEscaped() + "</b></p>\n";
  } else {
    if (!panel_check.isEmpty()) out += "<h4>" + panel_check.toHtmlEscaped() + "</h4>\n";
    out += "<h4>" + tr("Results").toHtmlEscaped() + "</h4>\n" + kTable + '\n';
    out += cells({tr("Symbol"), tr("As shown"), tr("Unit"), tr("SI"), tr("SI unit")}, "th");
    for (const Row& r : results) out += cells({r.symbol, r.text, r.unit, r.si, r.si_unit}, "td", kNumbers);
    out += "</table>\n";
    closing += "<p>" + tr("Governing ratio: %1").arg(governing).toHtmlEscaped() + "</p>\n";
    closing += "<p><b>" + tr("Verdict: %1").arg(verdict).toHtmlEscaped() + "</b></p>\n";
    closing += checks.html();
  }
  if (elbows) {
    closing += "<h4>" + elbows->title.toHtmlEscaped() + "</h4>\n";
    for (const QString& line : elbows->before) closing += "<p>" + line.toHtmlEscaped() + "</p>\n";
    if (!elbows->results.empty()) closing += kTable + cells({tr("Symbol"), tr("With elbows"), tr("Unit")}, "th");
    for (const Row& r : elbows->results) closing += cells({r.symbol, r.text, r.unit}, "td", kNumbers);
    if (!elbows->results.empty()) closing += "</table>\n";
    for (const QString& line : elbows->after) closing += "<p>" + line.toHtmlEscaped() + "</p>\n";
  }

  if (!input_checks.isEmpty()) {
    closing += "<h4>" + tr("Checks of the inputs").toHtmlEscaped() + "</h4>\n<ul>\n";
    for (const QString& c : input_checks) closing += "<li>" + c.toHtmlEscaped() + "</li>\n";
    closing += "</ul>\n";
  }
  closing += "<h4>" + tr("Assumptions").toHtmlEscaped() + "</h4>\n<ul>\n";
  for (const QString& a : assumptions) closing += "<li>" + a.toHtmlEscaped() + "</li>\n";
  closing += "</ul>\n<p>" + tr("Input row for %1:").arg(batch_command).toHtmlEscaped() + "</p>\n";
  closing += R"(<pre style="white-space: pre-wrap">)" + batch_row.toHtmlEscaped() + "</pre>\n";

  // The sheet sets the inputs beside the results, the clipboard one below the
  // other, where a spreadsheet takes each table as it is.
  const QString body = use == HtmlFor::clipboard ? heading + lead + in + out + closing
                                                 : lead + R"(<table width="100%"><tr><td valign="top">)" + in +
                                                       R"(</td><td width="5%"></td><td valign="top" width="60%">)" +
                                                       out + "</td></tr></table>\n" + closing;
  return "<html><head><meta charset=\"utf-8\"></head><body>\n" + body + "</body></html>\n";
}

}  // namespace quorvel::ui
