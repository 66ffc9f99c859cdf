#include "note/review_note.h"

#include "note/text_columns.h"

#include <algorithm>
#include <cmath>

#include "note/guide_view.h"
#include "note/verdict_texts.h"
#include "quorvel/analyses/hand_methods.h"
#include "quorvel/analyses/installation.h"
#include "quorvel/analyses/movements.h"
#include "quorvel/analyses/section.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"

namespace quorvel::ui {
namespace {

// Every column after the first holds numbers.
constexpr bool kNumbersAfterTheFirst[] = {false, true, true, true, true, true, true, true};

using Section = ReviewSections::Section;

// Where e(T) = 0 the run has nothing to scale: no installed run, and no run
// counted from T0 where the same frame could not be computed at another T.
Section undefined(const QString& heading) {
  return {heading,
          {ReviewSections::tr("Not defined: there is no free expansion at the temperature entered (e(T) = 0).")},
          {}};
}

Section installation(const Panel& panel, const Values& run, double T0, std::string_view dp, const Material& material,
                     const QString& invalid) {
  Section s{
      ReviewSections::tr("Installation (installed at %1 ℃)").arg(QString::fromStdString(temperature_text(T0, dp))),
      {},
      {}};
  const auto installed = quorvel::installed(run, T0, 1, material);
  if (!installed) return undefined(s.heading);
  const InstalledTexts texts = installed_texts(panel, *installed, dp);
  s.lines << ReviewSections::tr("Factor (e(T) − e(T0)) / e(T) = (%1 − %2) / %1 = %3, e in mm/m.")
                 .arg(QString::fromStdString(texts.expansion_at_T), QString::fromStdString(texts.expansion_at_T0),
                      QString::fromStdString(texts.factor));
  if (!invalid.isEmpty()) {
    s.lines << ReviewSections::tr("Verdict: %1").arg(invalid);
    return s;
  }
  s.lines << ReviewSections::tr("Governing ratio: %1").arg(VerdictTexts::governing(panel, installed->verdict, dp))
          << ReviewSections::tr("Verdict: %1")
                 .arg(VerdictTexts::verdict(installed->verdict, installed->values.allowable, dp));
  // The results installed, across: ratios with three decimals as the
  // governing one, forces and moments in the panel's display.
  s.table = {{ReviewSections::tr("Result")}, {ReviewSections::tr("Installed")}, {ReviewSections::tr("Unit")}};
  for (std::size_t i = 0; i < panel.results.size() && i < installed->values.results.size(); ++i) {
    const ResultField& field = panel.results[i];
    const bool ratio = field.display == Display::ratio;
    s.table[0] << QString::fromUtf8(field.symbol.data(), static_cast<qsizetype>(field.symbol.size()));
    s.table[1] << QString::fromStdString(ratio ? ratio_text(std::fabs(installed->values.results[i]), dp)
                                               : texts.results[i]);
    s.table[2] << QString::fromUtf8(field.unit.data(), static_cast<qsizetype>(field.unit.size()));
  }
  return s;
}

QString movements_heading() {
  return ReviewSections::tr("Movements of the bend points (mm, both anchors held)");
}

// With guides (g > 0), of the guided run, and where each guide slides.
Section movements(const Panel& panel, const std::optional<Values>& run, const QString& basis, double g,
                  std::string_view dp, const Material& material) {
  Section s{ReviewSections::headed(movements_heading(), basis), {}, {}};
  if (!run) return undefined(s.heading);
  const std::vector<Point> free = quorvel::movements(*run, material);
  if (free.empty()) {
    s.lines << ReviewSections::tr("Not defined for a run on one straight line.");
    return s;
  }
  const GuidedMovements guided = g > 0 ? quorvel::movements(panel, *run, g, material) : GuidedMovements{};
  if (g > 0) {
    const std::string decimal_point(dp);
    QStringList without;
    for (const GuideMovement& guide : guided.guides)
      if (!guide.held) without << QString("L%1").arg(guide.leg);
    const QString name = GuideTexts::name(g, decimal_point);
    s.lines << (without.isEmpty() ? ReviewSections::tr("Of the run with its %1.").arg(name)
                                  : ReviewSections::tr("Of the run with its %1; no guide on %2.")
                                        .arg(name, without.join(ReviewSections::tr(", "))));
    if (guided.points.empty()) {
      s.lines << GuideTexts::tr("No answer with guides for this geometry.");
      return s;
    }
  }
  s.lines << ReviewSections::tr(
      "x along the first leg away from the start anchor, y across it as the drawing "
      "shows; free thermal growth plus bending of the sharp-corner frame.");
  QStringList slides;
  for (const GuideMovement& guide : guided.guides)
    if (guide.held)
      slides << ReviewSections::tr("on L%1 %2 mm")
                    .arg(guide.leg)
                    .arg(QString::fromStdString(fixed_text(guide.along, 3, 1, dp)));
  if (!slides.isEmpty())
    s.lines << ReviewSections::tr(
                   "The guides hold their points across their legs; along them they slide %1 "
                   "(+ towards the far anchor).")
                   .arg(slides.join(ReviewSections::tr(", ")));
  // The points across, so that the table stays three rows high.
  const std::vector<MovementTexts> moved = bend_point_texts(g > 0 ? guided.points : free, dp);
  s.table = {{ReviewSections::tr("Point")}, {"dx"}, {"dy"}};
  for (std::size_t k = 0; k < moved.size(); ++k) {
    s.table[0] << QString::number(k + 2);
    s.table[1] << QString::fromStdString(moved[k].dx);
    s.table[2] << QString::fromStdString(moved[k].dy);
  }
  return s;
}

Section cross_check(const std::optional<Values>& basis, const QString& basis_name, std::string_view dp,
                    const Material& material, bool pipe) {
  Section s{ReviewSections::headed(ReviewSections::tr("Cross-check (hand methods)"), basis_name), {}, {}};
  if (!basis) return undefined(s.heading);
  const Values& run = *basis;
  const auto verdict = [](bool passes) { return passes ? ReviewSections::tr("passes") : ReviewSections::tr("fails"); };
  const HandMethodTexts hand = hand_method_texts(run, dp, material);
  if (!pipe) {
    s.lines << ReviewSections::tr("ASME B31.3 319.4.1 screen: invalid, the inputs describe no pipe.");
  } else if (hand.screen) {
    s.lines << ReviewSections::tr(
                   "ASME B31.3 319.4.1 (GB 50316) screen D·y/(L − U)² = %1: %2 K1 = 208.3 (the "
                   "code's allowable stress range, about 200 MPa for carbon steel); %3 "
                   "K1 = 208000·[S]/E = %4 ([S] = %5 MPa, E = %6 GPa).")
                   .arg(QString::fromStdString(*hand.screen), verdict(hand.within_K1),
                        verdict(hand.within_panels_limit), QString::fromStdString(hand.panels_limit))
                   .arg(QString::fromStdString(material.allowable_mpa_text(run.T, dp)))
                   .arg(QString::fromStdString(material.modulus_gpa_text(dp)));
  } else {
    s.lines << ReviewSections::tr("ASME B31.3 319.4.1 screen: not defined for a run on one straight line.");
  }
  if (hand.cantilever) {
    QString line = ReviewSections::tr("Guided cantilever, S = 3·E·D·Δ/L² per leg: governing ratio %1")
                       .arg(QString::fromStdString(*hand.cantilever));
    if (!hand.exact_over_hand.empty())
      line += ReviewSections::tr("; exact ÷ hand = %1").arg(QString::fromStdString(hand.exact_over_hand));
    s.lines << line + '.';
  }
  return s;
}

}  // namespace

std::vector<std::pair<QString, QString*>> TitleBlock::entries() {
  return {{tr("Project"), &project},
          {tr("Line"), &line},
          {tr("Calculation no."), &calculation_no},
          {tr("Revision"), &revision},
          {tr("Prepared by"), &prepared_by},
          {tr("Checked by"), &checked_by},
          {tr("Approved by"), &approved_by}};
}

std::vector<std::pair<QString, QString>> TitleBlock::all() const {
  std::vector<std::pair<QString, QString>> out;
  for (const auto& [caption, value] : const_cast<TitleBlock*>(this)->entries()) out.emplace_back(caption, *value);
  return out;
}

std::vector<std::pair<QString, QString>> TitleBlock::filled() const {
  std::vector<std::pair<QString, QString>> out = all();
  std::erase_if(out, [](const auto& entry) { return entry.second.trimmed().isEmpty(); });
  return out;
}

QString TitleBlock::plain_text() const {
  QString text;
  for (const auto& [caption, value] : filled()) text += tr("%1: %2").arg(caption, value) + '\n';
  return text;
}

QString ReviewSections::plain_text() const {
  QString text;
  for (const Section& s : sections) {
    text += s.heading + '\n';
    for (const QString& line : s.lines) text += "  " + line + '\n';
    text += text_columns(s.table, kNumbersAfterTheFirst) + '\n';
  }
  return text;
}

QString ReviewSections::html() const {
  QString html;
  for (const Section& s : sections) {
    html += "<h4>" + s.heading.toHtmlEscaped() + "</h4>\n";
    for (const QString& line : s.lines) html += "<p>" + line.toHtmlEscaped() + "</p>\n";
    if (s.table.empty()) continue;
    html += R"(<table border="1" cellspacing="0" cellpadding="3">)"
            "\n";
    for (std::size_t r = 0; r < s.table.size(); ++r) {
      html += "<tr>";
      for (const QString& cell : s.table[r])
        html += QString(r == 0 || &cell == &s.table[r].front() ? "<th>%1</th>" : R"(<td align="right">%1</td>)")
                    .arg(cell.toHtmlEscaped());
      html += "</tr>\n";
    }
    html += "</table>\n";
  }
  return html;
}

QString ReviewSections::panel_basis() {
  return tr("from 0 ℃, as the panel's results");
}

QString ReviewSections::installed_basis(double T0, std::string_view decimal_point) {
  return tr("installed at %1 ℃").arg(QString::fromStdString(temperature_text(T0, decimal_point)));
}

QString ReviewSections::headed(const QString& heading, const QString& basis) {
  return tr("%1 — %2").arg(heading, basis);
}

ReviewSections review_sections(const Panel& panel, const Values& run, const std::optional<Values>& basis,
                               double installed_at, std::string_view decimal_point, const Material& material,
                               const QString& invalid, double guides) {
  const QString from = ReviewSections::installed_basis(installed_at, decimal_point);
  return {{installation(panel, run, installed_at, decimal_point, material, invalid),
           movements(panel, basis, from, guides, decimal_point, material),
           cross_check(basis, from, decimal_point, material, invalid.isEmpty())}};
}

QStringList section_assumptions(const Values& run, std::string_view dp, const Material& material) {
  const SectionTexts s = section_texts(section_data(run, material), dp);
  return {ReviewSections::tr("Section: I = %1 cm⁴, Z = %2 cm³, EI = %3 kN·m².")
              .arg(QString::fromStdString(s.I), QString::fromStdString(s.Z), QString::fromStdString(s.EI)),
          ReviewSections::tr("Free growth from 0 ℃ the anchors hold back: %1 mm across the run, %2 mm along it; the "
                             "anchors %3 m apart from the legs, %4 m of pipe along them.")
              .arg(QString::fromStdString(s.across), QString::fromStdString(s.along), QString::fromStdString(s.anchors),
                   QString::fromStdString(s.developed))};
}

}  // namespace quorvel::ui
