// A panel's code-check window: made on first use, following the panel's
// Compute, leading the note once a code is chosen, restored by Paste.

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRegularExpression>

#include "dialogs/code_check_window.h"
#include "dialogs/design_answers.h"
#include "dialogs/pass_finder.h"
#include "note/elbow_view.h"
#include "window/panel_view.h"
#include "window_fixture.h"

namespace quorvel::ui::testing {
namespace {

class CodeCheck : public WindowTest {
 protected:
  PanelView& bend() { return *window().panel_views()[0]; }
  CodeChecks& checks() { return *window().findChild<CodeChecks*>("CodeChecks"); }
  // The bend's window, opened as its menu entry opens it.
  CodeCheckWindow& open() {
    const QList<QAction*> entries = checks().findChildren<QAction*>();
    EXPECT_EQ(entries.size(), 3);  // one for each panel
    entries.front()->trigger();
    return checks().window_of(bend());
  }
  // B31.3 with the user's values only: Sc = Sh, the rest as given.
  CodeCheckWindow& with_my_values(const char* S, const char* N, const char* smts = "") {
    CodeCheckWindow& w = open();
    w.choice("code")->setCurrentIndex(1);
    w.choice("material")->setCurrentIndex(w.choice("material")->count() - 1);  // my values
    for (const auto& [name, text] : std::initializer_list<std::pair<const char*, const char*>>{
             {"Ea", "203.4"}, {"growth", "2.5"}, {"Sc", S}, {"Sh", S}, {"N", N}, {"SMTS", smts}})
      w.setting(name)->setText(text);
    button("计算")->click();
    return w;
  }
};

TEST_F(CodeCheck, IsMadeOnFirstUseForItsPanelOnly) {
  EXPECT_TRUE(window().findChildren<CodeCheckWindow*>().isEmpty());
  for (PanelView* panel : window().panel_views()) EXPECT_FALSE(checks().made(*panel));
  CodeCheckWindow& w = open();
  EXPECT_TRUE(w.isVisible());
  EXPECT_FALSE(w.isModal());
  EXPECT_EQ(window().findChildren<CodeCheckWindow*>().size(), 1);
  EXPECT_FALSE(checks().made(*window().panel_views()[1]));
  EXPECT_EQ(w.choice("code")->currentText(), "off");  // the default
  EXPECT_TRUE(w.choice("code")->toolTip().contains("GB 50316 is not built"));
}

// SA = f(1.25·Sc + 0.25·Sh) (1a) with Sc = Sh = 137.9 MPa: f = 6.0·N^−0.2,
// at most fm, which is 1.0 with the user's values unless a tensile strength
// of at most 517 MPa makes it 1.2. 7000^0.2 = e^(0.2·8.853665) = 5.875157, so
// 6·7000^−0.2 = 1.021249 and SA = 1.021249·206.85 = 211.245; 6·100000^−0.2 =
// 0.6. With SL = 50 MPa below Sh, (1b) f[1.25(Sc + Sh) − SL] = 294.75 is the
// larger. The screen's K1 = 208 000·SA/Ea with Ea = 203 400 MPa.
TEST_F(CodeCheck, AllowableRangeFromTheUsersValues) {
  struct Case {
    const char *N, *smts, *SL, *f, *SA, *K1;
  };
  for (const Case& c : {Case{"7000", "", "", "1.000", "206.85 MPa (1a)", "211.5"},
                        Case{"100000", "", "", "0.600", "124.11 MPa (1a)", "126.9"},
                        Case{"7000", "413", "", "1.021", "211.25 MPa (1a)", "216.0"},
                        Case{"7000", "", "50", "1.000", "294.75 MPa (1b)", "301.4"}}) {
    CodeCheckWindow& w = open();
    w.setting("SL")->setText(c.SL);
    const QString shown = with_my_values("137.9", c.N, c.smts).results_text();
    const QString SA = QString(c.SA).section(' ', 0, 0);
    EXPECT_TRUE(shown.contains(QString("f = %1 (302.3.5(d))").arg(c.f))) << c.N << c.smts << shown.toStdString();
    EXPECT_TRUE(shown.contains(QString(" = %1.").arg(c.SA))) << c.N << c.smts << shown.toStdString();
    EXPECT_TRUE(shown.contains(QString(" | %1 | ").arg(SA))) << shown.toStdString();  // each point's SA
    EXPECT_TRUE(shown.contains(QString("K1 = 208 000·SA/Ea = %1: ").arg(c.K1))) << shown.toStdString();
  }
}

// The governing ratio follows the panel's Compute and goes stale with an
// edited input of the panel or of the window. Halving Sc = Sh halves SA
// (f = 1) and doubles every SE/SA; a large enough ratio fails.
TEST_F(CodeCheck, FollowsComputeAndGoesStale) {
  CodeCheckWindow& w = with_my_values("137.9", "7000");
  const double at_137 = w.governing_text().toDouble();
  // The largest SE/SA of the points, and where it is.
  QString place;
  double largest = 0;
  for (const QString& line : w.results_text().split('\n'))
    if (const QStringList row = line.split(" | "); row.size() == 6 && row[5].toDouble() > largest) {
      largest = row[5].toDouble();
      place = row[0];
    }
  EXPECT_EQ(at_137, largest);
  EXPECT_TRUE(w.verdict_text().startsWith("SE/SA at " + place + ": ")) << w.verdict_text().toStdString();
  EXPECT_FALSE(w.stale());
  EXPECT_TRUE(w.verdict_text().endsWith(at_137 <= 1 ? "passes the code check" : "fails the code check"));
  field("nL1")->setText("21");
  EXPECT_TRUE(w.stale());
  field("nL1")->setText("20");
  button("计算")->click();
  EXPECT_FALSE(w.stale());
  w.setting("Sc")->setText("68.95");
  w.setting("Sh")->setText("68.95");
  EXPECT_TRUE(w.stale());
  button("计算")->click();
  EXPECT_NEAR(w.governing_text().toDouble(), 2 * at_137, 0.0015);
  w.setting("Sc")->setText("1");
  w.setting("Sh")->setText("1");
  button("计算")->click();
  EXPECT_TRUE(w.verdict_text().endsWith("fails the code check")) << w.verdict_text().toStdString();
}

// 319.5.1 with Eh = Ea: the hot loads are R(1 − 2C/3), the cold ones, opposite,
// C·R where C1 = 1 − Sh/SE is below C (Sh = 137.9 MPa above every SE here:
// C1 = 0). C = 0.3 gives 0.8·R hot and 0.3·R cold.
TEST_F(CodeCheck, AnchorLoadsWithColdSpring) {
  const auto loads = [](const QString& text) {
    std::vector<double> found;
    for (auto m = QRegularExpression(" = (-?[0-9.]+) kN").globalMatch(text); m.hasNext();)
      found.push_back(m.next().captured(1).toDouble());
    return found;
  };
  CodeCheckWindow& w = with_my_values("137.9", "7000");
  const QStringList plain = w.results_text().split('\n').filter("anchor loads");
  ASSERT_EQ(plain.size(), 2);
  const std::vector<double> R = loads(plain[0]);
  ASSERT_EQ(R.size(), 3u);  // Mz1, Fx, Fy
  EXPECT_EQ(loads(plain[1]), std::vector<double>(3, 0.0));
  w.setting("C")->setText("0.3");
  button("计算")->click();
  const QStringList sprung = w.results_text().split('\n').filter("anchor loads");
  ASSERT_EQ(sprung.size(), 2);
  for (std::size_t k = 0; k < R.size(); ++k) {
    EXPECT_NEAR(loads(sprung[0])[k], 0.8 * R[k], 0.0011) << k;
    EXPECT_NEAR(loads(sprung[1])[k], -0.3 * R[k], 0.0011) << k;
  }
}

// Once a code is chosen, "Find where L2 passes…" judges by it: with
// Sc = Sh = 1 MPa (SA = 1.5 MPa) no length passes. With the panel's guides
// it judges the guided frame and says so.
TEST_F(CodeCheck, ThePassFinderJudgesByTheCode) {
  PassFinder& finder = window().findChild<DesignAnswers*>()->finder(bend(), "L2");
  finder.show();
  EXPECT_TRUE(finder.stretches_text().startsWith("L2 passes from ")) << finder.stretches_text().toStdString();
  with_my_values("1", "7000");
  QTest::qWait(300);  // one refresh after a burst of edits
  EXPECT_EQ(finder.stretches_text(), "L2 passes nowhere in this range.");
  with_my_values("137.9", "7000");
  QTest::qWait(300);
  EXPECT_TRUE(finder.stretches_text().startsWith("L2 passes from ")) << finder.stretches_text().toStdString();
  bend().set_guides({3, 0, 0.3});  // the code check's frame gains them
  QTest::qWait(300);
  EXPECT_TRUE(finder.range_text().endsWith(
      "\nJudged by the code check, ASME B31.3-2018, on the guided frame (guides 3 m from the bends):"))
      << finder.range_text().toStdString();
  finder.close();
}

// Installed at… and the Elbows menu are the window's T0 and elbows; under
// sharp corners only the check takes long-radius elbows and says so.
TEST_F(CodeCheck, SharesTheInstallationAndTheElbowsWithThePanel) {
  CodeCheckWindow& w = with_my_values("137.9", "7000");
  const QString long_radius = w.governing_text();
  bend().set_installed_at(35);
  EXPECT_EQ(w.setting("T0")->text(), "35");
  w.setting("T0")->setText("-5");
  EXPECT_EQ(bend().installed_at(), -5);
  w.choice("elbows")->setCurrentIndex(4);  // sharp corners only
  EXPECT_EQ(bend().elbows_times_D(), 0);
  button("计算")->click();
  EXPECT_TRUE(w.results_text().contains("takes long-radius elbows (R = 1.5·D)")) << w.results_text().toStdString();
  EXPECT_TRUE(w.results_text().contains("Installed at -5 ℃")) << w.results_text().toStdString();
  EXPECT_EQ(w.governing_text(), long_radius);  // the user's growth: T0 changes the range, not the frame
  bend().elbows().set_times_D(3);
  EXPECT_EQ(w.choice("elbows")->currentIndex(), 2);
}

// Once a code is chosen the note leads with it, and its batch row carries
// the settings; Paste of such a note restores them with the inputs.
TEST_F(CodeCheck, LeadsTheNoteAndComesBackWithPaste) {
  CodeCheckWindow& w = open();
  const auto copied = [&] {
    field("nL1")->setFocus();
    QTest::keyClick(field("nL1"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    return QGuiApplication::clipboard()->text();
  };
  EXPECT_FALSE(copied().contains("Code check"));
  w.choice("code")->setCurrentIndex(1);
  w.setting("N")->setText("100000");
  const QString note = copied();
  const qsizetype code = note.indexOf("Code check: ASME B31.3-2018"), inputs = note.indexOf("\nInputs\n"),
                  panel = note.indexOf("The panel's check: [S] = 80 MPa, sharp corners, growth from 0 ℃"),
                  results = note.indexOf("Results (as shown");
  EXPECT_TRUE(code > 0 && code < panel && panel < inputs && inputs < results) << note.toStdString();
  // A106 Gr. B's expansion is tabulated from 70 °F (21.1 ℃): from 20 ℃ none.
  const QString outside = "No answer: the expansion of a106b at 20 ℃: outside its table, 21.1 to 704.4 ℃";
  EXPECT_TRUE(note.contains(outside)) << note.toStdString();
  button("计算")->click();
  // The window, not the note, says what to do about it.
  const QString hint = "Type the value in its field above";
  EXPECT_TRUE(w.results_text().startsWith(outside + "\n" + hint)) << w.results_text().toStdString();
  EXPECT_FALSE(note.contains(hint));
  EXPECT_TRUE(w.governing_text().isEmpty());
  EXPECT_TRUE(
      note.contains("quorvel-batch --code b31.3 --material a106b --installed 20 --elbows 1.5D --cycles "
                    "100000:\nbend,"))
      << note.toStdString();

  // Into a fresh panel state: the settings come back with the inputs.
  w.choice("code")->setCurrentIndex(0);
  bend().set_installed_at(0);
  bend().elbows().set_times_D(0);
  QGuiApplication::clipboard()->setText(QString(note).replace("--installed 20", "--installed 40"));
  field("nL1")->setFocus();
  QTest::keyClick(field("nL1"), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(bend().code().on);
  EXPECT_EQ(bend().code().settings.cycles, 100000);
  EXPECT_EQ(bend().installed_at(), 40);
  EXPECT_EQ(bend().elbows_times_D(), 1.5);
  EXPECT_EQ(w.choice("code")->currentIndex(), 1);
  EXPECT_EQ(w.setting("T0")->text(), "40");
  EXPECT_FALSE(w.stale());  // Paste computes
  EXPECT_FALSE(w.governing_text().isEmpty()) << w.results_text().toStdString();
  EXPECT_FALSE(w.results_text().contains(hint));
}

// With the panel's guides the window checks the guided frame: a row for the
// guide on L1 (L1 = 20 m is longer than g = 12 m) and none on L2 (10 m),
// whose SE and governing ratio are quorvel-batch's --code --guides cells for
// the same row (the note's); without guides again, no guide rows.
TEST_F(CodeCheck, ChecksTheGuidedFrameWithThePanelsGuides) {
  CodeCheckWindow& w = with_my_values("137.9", "7000");
  bend().set_guides({12, 0, 0.3});
  EXPECT_TRUE(w.stale());
  button("计算")->click();
  const QString shown = w.results_text();
  EXPECT_TRUE(shown.contains("The guided frame is checked: guides 12 m from the bends, SE at each guide (i = 1)."))
      << shown.toStdString();
  const QStringList guided = shown.split('\n').filter(QRegularExpression("^guide on L1 \\| "));
  ASSERT_EQ(guided.size(), 1) << shown.toStdString();
  EXPECT_TRUE(shown.contains("\nno guide on L2 |  |  |  |  | \n")) << shown.toStdString();

  field("nL1")->setFocus();
  QTest::keyClick(field("nL1"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  const QStringList note = QGuiApplication::clipboard()->text().split('\n');
  const qsizetype command =
      note.indexOf(QRegularExpression("^Input row for quorvel-batch .*--guides 12 .*--code b31\\.3.*:$"));
  ASSERT_GT(command, 0) << note.join('\n').toStdString();
  // The code check's last cells: SE at each guide, the governing ratio, the
  // verdict, three hot and three cold loads and the cautions.
  const QStringList cells = run_batch(note[command].section(' ', 3).chopped(1), note[command + 1]).split(',');
  ASSERT_GT(cells.size(), 12) << cells.join(',').toStdString();
  const qsizetype verdict = cells.size() - 8;
  EXPECT_EQ(cells[verdict], w.governing_text().toDouble() <= 1 ? "passes" : "fails");
  EXPECT_EQ(cells[verdict - 1], w.governing_text());
  EXPECT_EQ(cells[verdict - 2], "");  // no guide on L2
  EXPECT_NEAR(guided[0].split(" | ")[3].toDouble(), cells[verdict - 3].toDouble(), 0.05 + 1e-9);

  bend().set_guides({});
  button("计算")->click();
  EXPECT_FALSE(w.results_text().contains("guide")) << w.results_text().toStdString();
}

}  // namespace
}  // namespace quorvel::ui::testing
