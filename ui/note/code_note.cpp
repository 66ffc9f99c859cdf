#include "note/code_note.h"

#include <algorithm>

#include "note/elbow_view.h"
#include "note/guide_view.h"
#include "note/text_columns.h"
#include "quorvel/analyses/verdict.h"
#include "quorvel/panels/display.h"
#include "window/text_of.h"
#include "window/translation.h"

namespace quorvel::ui {
namespace {

QString fixed(double v, int shift, int places, const std::string& dp) {
  return QString::fromStdString(fixed_text(v, shift, places, dp));
}
QString mpa(double v, const std::string& dp) {
  return fixed(v, -6, 2, dp);
}

// "(given)", or the table the value comes from.
QString source_of(bool given, const CodeMaterial* material, std::string_view source) {
  if (given || !material) return CodeSection::tr("given");
  return text_of(source);
}

// "Mz1 = 4.788 kN·m, Fx = −1.234 kN": the loads in the order of the panel's
// moment and force results.
QString loads_text(const Panel& panel, const std::vector<std::string>& loads) {
  QStringList parts;
  std::size_t k = 0;
  for (const ResultField& field : panel.results)
    if (field.display != Display::ratio && k < loads.size())
      parts << text_of(field.symbol) + " = " + QString::fromStdString(loads[k++]) + ' ' +
                   text_of(si_unit(field.display));
  return parts.join(", ");
}

// The leg of the guide on the first leg (k = 0) or on the last (k = 1).
int guide_leg(const Panel& panel, std::size_t k) {
  return k == 0 ? 1 : panel.points - 1;
}

// Where the governing ratio is: a point, or past the last point a guide.
QString place_of(const Panel& panel, int place) {
  if (place <= panel.points) return place_name(panel, place);
  return CodeSection::tr("the guide on L%1").arg(guide_leg(panel, static_cast<std::size_t>(place - panel.points - 1)));
}

QString quantity_text(CodeQuantity quantity) {
  return quantity == CodeQuantity::expansion ? CodeSection::tr("the expansion") : text_of(quantity_name(quantity));
}

// Why the check has no answer, or a caution, in the window's language: what
// remark_text (code_check.h) writes for quorvel-batch.
QString remark_text(const CodeRemark& r, const std::string& dp) {
  const auto celsius = [&](double T) { return text_of(celsius_text(T, dp)); };
  const auto given = [&](const QString& text) {
    return r.given ? CodeSection::tr("%1, the value given is used").arg(text) : text;
  };
  switch (r.kind) {
    case CodeRemarkKind::calculation_failed: return CodeSection::tr("the calculation failed");
    case CodeRemarkKind::outside_table:
      return given(CodeSection::tr("%1 of %2 at %3 ℃: outside its table, %4 to %5 ℃")
                       .arg(quantity_text(r.quantities.front()), text_of(r.material->key), celsius(r.T),
                            celsius(r.table->coldest()), celsius(r.table->hottest())));
    case CodeRemarkKind::no_table:
      return given(CodeSection::tr("%1 of %2: no confirmed table, give it")
                       .arg(quantity_text(r.quantities.front()), text_of(r.material->key)));
    case CodeRemarkKind::not_given: {
      QStringList quantities;
      for (const CodeQuantity q : r.quantities) quantities << quantity_text(q);
      return CodeSection::tr("no material: give %1").arg(quantities.join(CodeSection::tr(", ")));
    }
    case CodeRemarkKind::elbows_do_not_fit: return CodeSection::tr("the elbows do not fit L%1").arg(r.leg);
    case CodeRemarkKind::no_elbow_frame: return CodeSection::tr("no frame with elbows for these inputs");
    case CodeRemarkKind::no_guided_frame: return CodeSection::tr("no frame with guides for these inputs");
    case CodeRemarkKind::user_values: return CodeSection::tr("no material: every value is the one given");
    case CodeRemarkKind::capped: return CodeSection::tr("Sc and Sh limited to 138 MPa as f > 1 (302.3.5(d))");
    case CodeRemarkKind::thin_wall:
      return CodeSection::tr("D/t = %1 above 100: Appendix D's factors are validated up to 100 (Table D300, Note 1)")
          .arg(fixed(r.value, 0, 1, dp));
    case CodeRemarkKind::large_i: return CodeSection::tr("i = %1 is 5 or more (319.4.1)").arg(fixed(r.value, 0, 2, dp));
    case CodeRemarkKind::long_run:
      return CodeSection::tr("L/U = %1 above 2.5: the 319.4.1 screen does not apply").arg(fixed(r.value, 0, 2, dp));
  }
  return {};
}

QString remarks_text(const std::vector<CodeRemark>& remarks, const std::string& dp) {
  QStringList texts;
  for (const CodeRemark& r : remarks) texts << remark_text(r, dp);
  return texts.join(CodeSection::tr("; "));
}

}  // namespace

QStringList CodeSection::point_headings() {
  return {tr("Place"), tr("M, kN·m"), "i", tr("SE, MPa"), tr("SA, MPa"), "SE/SA"};
}

QString CodeSection::panel_check(const Material& material, double T, const std::string& dp) {
  return tr("The panel's check: [S] = %1 MPa, sharp corners, growth from 0 ℃")
      .arg(text_of(material.allowable_mpa_text(T, dp)));
}

CodeSection CodeSection::of(const Panel& panel, const Values& run, const CodeSettings& settings, double panel_times_D,
                            const std::string& dp) {
  CodeSection s;
  s.title = tr("Code check: %1").arg(text_of(kCodeEdition));
  const CodeCheck check = code_check(panel, run, settings);
  const CodeTexts texts = code_texts(panel, check, dp);
  const CodeMaterial* m = settings.material;
  const CodeUserValues& user = settings.user;

  const QString elbows = panel_times_D > 0
                             ? tr("elbows as the panel's: %1").arg(ElbowTexts::radius_name(panel_times_D, dp))
                             : tr("the panel has sharp corners only: the code check takes long-radius elbows "
                                  "(R = 1.5·D)");
  s.basis << tr("Installed at %1 ℃; the displacement range from %2 to %3 ℃; %4.")
                 .arg(text_of(celsius_text(settings.installed, dp)), text_of(celsius_text(check.coldest, dp)),
                      text_of(celsius_text(check.hottest, dp)), elbows);
  if (settings.guides)
    s.basis
        << tr("The guided frame is checked: %1, SE at each guide (i = 1).").arg(GuideTexts::name(*settings.guides, dp));
  if (!check.unavailable.empty()) {
    s.unavailable = tr("No answer: %1").arg(remarks_text(check.unavailable, dp));
    s.missing_value = std::any_of(check.unavailable.begin(), check.unavailable.end(), [](const CodeRemark& r) {
      return r.kind == CodeRemarkKind::outside_table || r.kind == CodeRemarkKind::no_table ||
             r.kind == CodeRemarkKind::not_given;
    });
    if (!check.cautions.empty()) s.cautions = tr("Cautions: %1").arg(remarks_text(check.cautions, dp));
    return s;
  }

  s.basis << tr("Material: %1.").arg(m ? text_of(m->grade) + " (" + text_of(m->standards) + ")" : tr("my values"));
  s.basis << tr("Ea = %1 GPa (%2), Eh = %3 GPa (%4).")
                 .arg(fixed(check.Ea, -9, 1, dp), source_of(user.Ea.has_value(), m, m ? m->E.source : ""),
                      fixed(check.Em, -9, 1, dp), source_of(user.Eh.has_value(), m, m ? m->E.source : ""));
  s.basis << tr("Sc = %1 MPa at %2 ℃, Sh = %3 MPa at %4 ℃ (%5).")
                 .arg(mpa(check.Sc, dp), text_of(celsius_text(check.coldest, dp)), mpa(check.Sh, dp),
                      text_of(celsius_text(check.hottest, dp)),
                      source_of(user.Sc.has_value() || user.Sh.has_value(), m, m ? m->S.source : ""));
  s.basis << tr("Free growth over the range: %1 mm/m (%2).")
                 .arg(fixed(check.growth, 3, 3, dp),
                      source_of(user.growth.has_value(), m, m ? m->expansion.source : ""));
  s.basis << tr("f = 6.0·N^−0.2 = 6.0·%1^−0.2, at most fm = %2 and at least 0.15: f = %3 (302.3.5(d)).")
                 .arg(QString::fromStdString(number_text(settings.cycles, dp)), fixed(check.fm, 0, 1, dp),
                      fixed(check.f, 0, 3, dp));
  // The stresses as (1a) and (1b) take them: at most 138 MPa when f > 1.
  const double Sc = check.f > 1 ? std::min(check.Sc, 138e6) : check.Sc;
  const double Sh = check.f > 1 ? std::min(check.Sh, 138e6) : check.Sh;
  const double a = check.f * (1.25 * Sc + 0.25 * Sh);
  if (check.SA > a)
    s.basis << tr("SA = f[1.25(Sc + Sh) − SL] = %1·[1.25(%2 + %3) − %4] = %5 MPa (1b).")
                   .arg(fixed(check.f, 0, 3, dp), mpa(Sc, dp), mpa(Sh, dp), mpa(settings.sustained.value_or(0), dp),
                        mpa(check.SA, dp));
  else
    s.basis << tr("SA = f(1.25·Sc + 0.25·Sh) = %1·(1.25·%2 + 0.25·%3) = %4 MPa (1a).")
                   .arg(fixed(check.f, 0, 3, dp), mpa(Sc, dp), mpa(Sh, dp), mpa(check.SA, dp));

  for (std::size_t j = 0; j < check.points.size(); ++j) {
    const CodePoint& p = check.points[j];
    s.points.push_back({place_name(panel, static_cast<int>(j) + 1), fixed(p.M, -3, 3, dp), fixed(p.i, 0, 2, dp),
                        mpa(p.SE, dp), mpa(check.SA, dp), QString::fromStdString(ratio_text(p.SE / check.SA, dp))});
  }
  // With guides, a row for each anchor leg: its guide's, or that it has none.
  for (std::size_t k = 0; settings.guides && k < check.guides.size(); ++k) {
    const int leg = guide_leg(panel, k);
    if (const std::optional<CodePoint>& g = check.guides[k])
      s.points.push_back({tr("guide on L%1").arg(leg), fixed(g->M, -3, 3, dp), fixed(g->i, 0, 2, dp), mpa(g->SE, dp),
                          mpa(check.SA, dp), QString::fromStdString(ratio_text(g->SE / check.SA, dp))});
    else
      s.points.push_back({tr("no guide on L%1").arg(leg), {}, {}, {}, {}, {}});
  }
  s.governing = QString::fromStdString(texts.governing);
  s.place = place_of(panel, check.place);
  s.passes = check.passes;
  s.verdict = check.passes ? tr("passes the code check") : tr("fails the code check");

  s.loads << tr("Hot anchor loads, Rm = R(1 − 2C/3)·Em/Ea (319.5.1): %1.").arg(loads_text(panel, texts.hot));
  s.loads << tr("Cold anchor loads, the greater of C·R and C1·R with C1 = %1 (319.5.1): %2.")
                 .arg(fixed(check.C1, 0, 3, dp), loads_text(panel, texts.cold));
  if (check.screen)
    s.screen =
        tr("319.4.1: D·y/(L − U)² = %1 against K1 = 208 000·SA/Ea = %2: %3.")
            .arg(fixed(*check.screen, 0, 1, dp), fixed(check.K1, 0, 1, dp),
                 *check.screen <= check.K1 ? tr("no formal analysis needed") : tr("a formal analysis is needed"));
  else
    s.screen = tr("319.4.1: no screen for a run in one line.");
  if (!check.cautions.empty()) s.cautions = tr("Cautions: %1").arg(remarks_text(check.cautions, dp));
  return s;
}

QString CodeSection::plain_text() const {
  QString text = title + '\n';
  if (!unavailable.isEmpty()) text += unavailable + '\n';
  if (!governing.isEmpty()) text += tr("Governing SE/SA: %1 at %2: %3").arg(governing, place, verdict) + '\n';
  for (const QString& line : basis) text += "  " + line + '\n';
  if (!points.empty()) {
    std::vector<QStringList> rows{point_headings()};
    rows.insert(rows.end(), points.begin(), points.end());
    constexpr bool kRight[] = {false, true, true, true, true, true};
    text += text_columns(rows, kRight);
  }
  for (const QString& line : loads + QStringList{screen, cautions})
    if (!line.isEmpty()) text += "  " + line + '\n';
  return text + '\n';
}

QString CodeSection::html() const {
  QString html = "<h4>" + title.toHtmlEscaped() + "</h4>\n";
  if (!unavailable.isEmpty()) html += "<p><b>" + unavailable.toHtmlEscaped() + "</b></p>\n";
  if (!governing.isEmpty())
    html +=
        "<p><b>" + tr("Governing SE/SA: %1 at %2: %3").arg(governing, place, verdict).toHtmlEscaped() + "</b></p>\n";
  for (const QString& line : basis) html += "<p>" + line.toHtmlEscaped() + "</p>\n";
  if (!points.empty()) {
    html += R"(<table border="1" cellspacing="0" cellpadding="3">)"
            "\n<tr>";
    for (const QString& h : point_headings()) html += "<th>" + h.toHtmlEscaped() + "</th>";
    html += "</tr>\n";
    for (const QStringList& row : points) {
      html += "<tr>";
      for (qsizetype i = 0; i < row.size(); ++i)
        html += QString("<td%1>%2</td>").arg(i ? " align=\"right\"" : "", row[i].toHtmlEscaped());
      html += "</tr>\n";
    }
    html += "</table>\n";
  }
  for (const QString& line : loads + QStringList{screen, cautions})
    if (!line.isEmpty()) html += "<p>" + line.toHtmlEscaped() + "</p>\n";
  return html;
}

}  // namespace quorvel::ui
