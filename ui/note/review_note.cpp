#include "note/review_note.h"

#include "note/text_columns.h"

#include <algorithm>

#include "note/calculation_note.h"
#include "quorvel/panels/display.h"
#include "quorvel/analyses/hand_methods.h"
#include "quorvel/analyses/installation.h"
#include "quorvel/analyses/movements.h"
#include "quorvel/analyses/section.h"

namespace quorvel::ui {
namespace {

// Every column after the first holds numbers.
constexpr bool kNumbersAfterTheFirst[] = {false, true, true, true, true, true, true, true};

using Section = CheckerSections::Section;

// v·10^shift with `places` decimals, as every value of these sections.
QString fixed(double v, int shift, int places, std::string_view dp) {
  return QString::fromStdString(fixed_text(v, shift, places, dp));
}

QString temperature(double T, std::string_view dp) {
  QString text = fixed(T, 0, 2, dp);
  while (text.endsWith('0')) text.chop(1);  // 20 ℃, 20.5 ℃
  if (text.endsWith(QString::fromUtf8(dp.data(), static_cast<qsizetype>(dp.size())))) text.chop(1);
  return text;
}

Section installation(const Panel& panel, const Values& run, double T0, std::string_view dp) {
  Section s{CheckerSections::tr("Installation (installed at %1 ℃)").arg(temperature(T0, dp)), {}, {}};
  const auto installed = quorvel::installed(run, T0);
  if (!installed) {
    s.lines << CheckerSections::tr("Not defined: there is no free expansion at the temperature entered (e(T) = 0).");
    return s;
  }
  s.lines << CheckerSections::tr("Factor (e(T) − e(T0)) / e(T) = (%1 − %2) / %1 = %3, e in mm/m.")
                 .arg(fixed(run.expansion, 3, 7, dp), fixed(free_expansion(T0), 3, 7, dp),
                      fixed(installed->factor, 0, 3, dp))
          << CheckerSections::tr("Governing ratio: %1").arg(governing_text(panel, installed->verdict, dp))
          << CheckerSections::tr("Verdict: %1").arg(verdict_text(installed->verdict, installed->values, dp));
  return s;
}

Section movements(const Values& run, std::string_view dp) {
  Section s{CheckerSections::tr("Movements of the bend points (mm, both anchors held)"), {}, {}};
  const std::vector<Point> moved = quorvel::movements(run);
  if (moved.size() < 3) {
    s.lines << CheckerSections::tr("Not defined for a run on one straight line.");
    return s;
  }
  s.lines << CheckerSections::tr(
      "x along the first leg away from the start anchor, y across it as the drawing "
      "shows; free thermal growth plus bending of the sharp-corner frame.");
  // The points across, so that the table stays three rows high.
  s.table = {{CheckerSections::tr("Point")}, {"dx"}, {"dy"}};
  for (std::size_t k = 1; k + 1 < moved.size(); ++k) {
    s.table[0] << QString::number(k + 1);
    s.table[1] << fixed(moved[k].x, 3, 1, dp);
    s.table[2] << fixed(moved[k].y, 3, 1, dp);
  }
  return s;
}

Section cross_check(const Values& run, std::string_view dp) {
  Section s{CheckerSections::tr("Cross-check (hand methods)"), {}, {}};
  const auto verdict = [](bool passes) {
    return passes ? CheckerSections::tr("passes") : CheckerSections::tr("fails");
  };
  if (const auto screen = b31_screen(run)) {
    s.lines << CheckerSections::tr(
                   "ASME B31.3 319.4.1 (GB 50316) screen D·y/(L − U)² = %1: %2 K1 = 208.3 (the "
                   "code's allowable stress range, about 200 MPa for carbon steel); %3 "
                   "K1 = 208000·[S]/E = %4 ([S] = %5 MPa, E = %6 GPa).")
                   .arg(fixed(*screen, 0, 1, dp), verdict(*screen <= kScreenK1),
                        verdict(*screen <= panels_screen_limit(run)), fixed(panels_screen_limit(run), 0, 1, dp))
                   .arg(allowable_stress_mpa)
                   .arg(elastic_modulus_gpa);
  } else {
    s.lines << CheckerSections::tr("ASME B31.3 319.4.1 screen: not defined for a run on one straight line.");
  }
  if (const auto hand = guided_cantilever(run)) {
    QString line = CheckerSections::tr("Guided cantilever, S = 3·E·D·Δ/L² per leg: governing ratio %1")
                       .arg(QString::fromStdString(ratio_text(hand->governing, dp)));
    if (hand->exact_over_hand)
      line += CheckerSections::tr("; exact ÷ hand = %1").arg(fixed(*hand->exact_over_hand, 0, 2, dp));
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

QString CheckerSections::plain_text() const {
  QString text;
  for (const Section& s : sections) {
    text += s.heading + '\n';
    for (const QString& line : s.lines) text += "  " + line + '\n';
    text += text_columns(s.table, kNumbersAfterTheFirst) + '\n';
  }
  return text;
}

QString CheckerSections::html() const {
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

CheckerSections checker_sections(const Panel& panel, const Values& run, double installed_at,
                                 std::string_view decimal_point) {
  return {{installation(panel, run, installed_at, decimal_point), movements(run, decimal_point),
           cross_check(run, decimal_point)}};
}

QStringList section_assumptions(const Values& run, std::string_view dp) {
  const SectionData s = section_data(run);
  return {CheckerSections::tr("Section: I = %1 cm⁴, Z = %2 cm³, EI = %3 kN·m².")
              .arg(fixed(s.I, 8, 2, dp), fixed(s.Z, 6, 2, dp), fixed(s.EI, -3, 3, dp)),
          CheckerSections::tr("Free growth the anchors hold back: %1 mm across the run, %2 mm along it; the anchors "
                              "%3 m apart from the legs, %4 m of pipe along them.")
              .arg(fixed(s.across, 3, 1, dp), fixed(s.along, 3, 1, dp), fixed(s.anchors, 0, 3, dp),
                   fixed(s.developed, 0, 3, dp))};
}

}  // namespace quorvel::ui
