// The calculation note and sheet of each panel's defaults, a ratio over 1, a
// failing input, a decimal comma and Chinese, then the window's keys and
// menus. The expectations are worked by hand: the default results are the
// panels' known results (the run over 1 from tests/reference/quorvel_ref.py),
// their SI values follow from 1 kg = 10 N and [S] = 80 MPa, the expansion
// from each panel's law, and the batch row from quorvel-batch's input format.
// Each note's row is fed to the real quorvel-batch, which must give the same
// results.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <set>

#ifdef QUORVEL_POPPLER_DIR
#include <windows.h>
#endif

#include "note/calculation_note.h"
#include "note/calculation_sheet.h"
#include "note/note_actions.h"
#include "note/text_columns.h"
#include "window/translation.h"
#include "window_fixture.h"

namespace quorvel::ui::testing {
namespace {

struct Row {
  QStringList cells;  // a line of the plain text, split at its blanks
  QString html;       // the same row of an HTML table
};

struct Case {
  const char* what;
  const char* key;
  QLocale locale;
  std::vector<std::string> inputs;
  std::vector<Row> rows;       // inputs and results
  std::vector<QString> lines;  // further whole lines of the plain text
  QString batch_output;        // quorvel-batch's row for the note's row
};

Row input(const char* symbol, const char* text, const char* unit) {
  return {{symbol, text, unit}, QString("<td>%1</td><td>%2</td><td>%3</td>").arg(symbol, text, unit)};
}
Row result(const char* symbol, const char* shown, const char* unit, const char* si, const char* si_unit) {
  QStringList cells{symbol, shown};
  if (*unit) cells << unit;
  cells << si << si_unit;
  return {cells, QString(R"(<td>%1</td><td align="right">%2</td><td>%3</td><td align="right">%4</td><td>%5</td>)")
                     .arg(symbol, shown, unit, si, si_unit)};
}

const QLocale kC = QLocale::c();
const QLocale kGerman(QLocale::German, QLocale::Germany);

const Case kCases[] = {
    {"bend defaults",
     "bend",
     kC,
     {"70", "377", "9", "20", "10", "90"},
     {input("T", "70", "℃"), input("D", "377", "mm"), input("α", "90", "°"),
      result("Mz1", "907.7", "kgm", "9.077", "kN·m"), result("Fx", "377", "kg", "3.770", "kN"),
      result("Fy", "115.2", "kg", "1.152", "kN"), result("S1/[S]", "0.12", "", "9.71", "MPa"),
      result("S2/[S]", "0.19", "", "14.94", "MPa"), result("S3/[S]", "0.32", "", "25.39", "MPa")},
     {"Configuration: Two-leg bend", "Governing ratio: S3/[S] = 0.317 at the far anchor",
      "Verdict: within the allowable stress (25.39 MPa ≤ [S] = 80 MPa)",
      "  Free expansion per metre of pipe, T in ℃: e = 0.005259·T²/10⁶ + 0.011182·T/1000.",
      "  Free expansion at T = 70 ℃: 0.8085091 mm/m.", "Input row for quorvel-batch:", "bend,70,377,9,20,10,90"},
     "bend,70,377,9,20,10,90,ok,907.7,377,115.2,0.12,0.19,0.32"},
    {"offset defaults",
     "offset",
     kC,
     {"70", "377", "9", "20", "10", "20", "40", "90"},
     {input("L3", "20", "m"), input("L", "40", "m"), result("Mz1", "1021.1", "kgm", "10.211", "kN·m"),
      result("Mz2", "-1021.1", "kgm", "-10.211", "kN·m"), result("Fx", "366.6", "kg", "3.666", "kN"),
      result("Fy", "142.7", "kg", "1.427", "kN"), result("S1/[S]", "0.14", "", "10.92", "MPa"),
      result("S2/[S]", "0.25", "", "19.60", "MPa"), result("S3/[S]", "0.25", "", "19.60", "MPa"),
      result("S4/[S]", "0.14", "", "10.92", "MPa")},
     {"Configuration: Z-shaped offset",
      "Governing ratio: S2/[S] = 0.245 at the bend between L1 and L2; S3/[S] = 0.245 at the bend between L2 and L3",
      "Verdict: within the allowable stress (19.60 MPa ≤ [S] = 80 MPa)", "offset,70,377,9,20,10,20,40,90"},
     "offset,70,377,9,20,10,20,40,90,ok,1021.1,-1021.1,366.6,142.7,0.14,0.25,0.25,0.14"},
    {"loop defaults",
     "loop",
     kC,
     {"70", "377", "9", "20", "10", "15", "10", "20", "50", "90", "90"},
     {input("L5", "20", "m"), input("β", "90", "°"), result("Mz1", "-349.1", "kgm", "-3.491", "kN·m"),
      result("Mz2", "-349.1", "kgm", "-3.491", "kN·m"), result("Fx", "-104.7", "kg", "-1.047", "kN"),
      result("Fy", "0", "kg", "0.000", "kN"), result("S1/[S]", "0.05", "", "3.73", "MPa"),
      result("S3/[S]", "0.09", "", "7.47", "MPa"), result("S6/[S]", "0.05", "", "3.73", "MPa")},
     {"Configuration: Raised loop",
      "Governing ratio: S3/[S] = 0.093 at the bend between L2 and L3; S4/[S] = 0.093 at the bend between L3 and L4",
      "Verdict: within the allowable stress (7.47 MPa ≤ [S] = 80 MPa) (warnings: L = 50 m: the legs put the anchors "
      "55 m apart; L sets the free expansion)",
      "  Free expansion per metre of pipe, T in ℃: e = 0.005259·T²/10⁶ + 0.011182·T/1000.",
      "  Free expansion at T = 70 ℃: 0.8085091 mm/m.", "Checks of the inputs",
      "  L = 50 m: the legs put the anchors 55 m apart; L sets the free expansion",
      "loop,70,377,9,20,10,15,10,20,50,90,90"},
     "loop,70,377,9,20,10,15,10,20,50,90,90,ok,-349.1,-349.1,-104.7,0,0.05,0.05,0.09,0.09,0.05,0.05"},
    {"a ratio over 1",
     "bend",
     kC,
     {"300", "377", "9", "20", "10", "90"},
     {},
     {"Governing ratio: S3/[S] = 1.503 at the far anchor",
      "Verdict: exceeds the allowable stress (120.21 MPa > [S] = 80 MPa)",
      "  Free expansion per metre of pipe, T in ℃: e = 0.005259·T²/10⁶ + 0.011182·T/1000.",
      "  Free expansion at T = 300 ℃: 3.82791 mm/m."},
     "bend,300,377,9,20,10,90,ok,4297.4,1785.1,545.4,0.57,0.88,1.5"},
    // A wall thicker than half of 219.1 mm: results, but no ratio or verdict.
    {"inputs that describe no pipe",
     "bend",
     kC,
     {"100", "219.1", "120", "10", "5", "90"},
     {input("t", "120", "mm")},
     {"Governing ratio: —",
      "Verdict: invalid: the inputs describe no pipe: t = 120 mm: a wall must be thinner than half the diameter "
      "(109.55 mm)",
      "  Verdict: invalid: the inputs describe no pipe: t = 120 mm: a wall must be thinner than half the diameter "
      "(109.55 mm)",
      "  ASME B31.3 319.4.1 screen: invalid, the inputs describe no pipe.",
      "  t = 120 mm: a wall must be thinner than half the diameter (109.55 mm)"},
     "bend,100,219.1,120,10,5,90,ok,1687.1,1401.6,428.3,0.2,0.31,0.53"},
    {"a text that is no number",
     "bend",
     kC,
     {"70", "1,5", "9", "20", "10", "90"},
     {input("D", "1,5", "mm"), input("L1", "20", "m")},
     {"Calculation failed: Type mismatch, field D: \"1,5\"", "bend,70,\"1,5\",9,20,10,90"},
     "bend,70,\"1,5\",9,20,10,90,type mismatch,,,,,,"},
    {"a decimal comma",
     "offset",
     kGerman,
     {"70", "377", "9", "20", "10,0", "20", "40", "90"},
     {input("L2", "10,0", "m"), result("Mz1", "1021,1", "kgm", "10,211", "kN·m"),
      result("Fx", "366,6", "kg", "3,666", "kN"), result("S1/[S]", "0,14", "", "10,92", "MPa")},
     {"Verdict: within the allowable stress (19,60 MPa ≤ [S] = 80 MPa)",
      "  Free expansion per metre of pipe, T in ℃: e = 0.005259·T²/10⁶ + 0.011182·T/1000.",
      "  Free expansion at T = 70 ℃: 0,8085091 mm/m.",
      "Input row for quorvel-batch --decimal-comma:", "offset;70;377;9;20;10,0;20;40;90"},
     "offset;70;377;9;20;10,0;20;40;90;ok;1021,1;-1021,1;366,6;142,7;0,14;0,25;0,25;0,14"},
};

// The checker's sections, worked by hand (tests/calc/validity_test.cpp): the
// default bend installed at 20 ℃ keeps 0.721 of its stresses; from 20 ℃ its
// bend point moves (e(70) − e(20))·L1 = 11.7 mm along L1 and −5.8 mm across,
// the screen is 116.8 × 0.721 = 84.2 (within 84.9) and the guided cantilever
// 0.448 × 0.721 = 0.323; at its own temperature nothing is left; at 0 ℃ there
// is no expansion to scale, but from 20 ℃ the run pulls: −e(20)·L1 = −4.5 mm.
// The title block's filled entries only.
TEST(CalculationNote, HoldsTheChecksOfTheRun) {
  const Panel& bend = *panel_by_key("bend");
  const QDateTime when(QDate(2026, 12, 7), QTime(16, 40));
  CalculationNote note = calculation_note(bend, default_inputs(bend), kC, when);
  note.title.project = "North header";
  note.title.checked_by = "L. Wang";
  const QString text = note.plain_text();
  const QStringList lines = text.split('\n');
  for (const QString& line :
       {QString("Installation (installed at 20 ℃)"),
        QString("  Factor (e(T) − e(T0)) / e(T) = (0.8085091 − 0.2257436) / 0.8085091 = 0.721, e in mm/m."),
        QString("  Governing ratio: S3/[S] = 0.229 at the far anchor"),
        QString("  Verdict: within the allowable stress (18.30 MPa ≤ [S] = 80 MPa)"), QString("  Point     2"),
        QString("  dx     11.7"), QString("  dy     -5.8"),
        QString("Movements of the bend points (mm, both anchors held) — installed at 20 ℃"),
        QString("Cross-check (hand methods) — installed at 20 ℃"),
        QString("Results (as shown, and in SI units) — from 0 ℃, as the panel's results"),
        QString("  Guided cantilever, S = 3·E·D·Δ/L² per leg: governing ratio 0.323; exact ÷ hand = 0.71."),
        QString("  Section: I = 17624.04 cm⁴, Z = 934.96 cm³, EI = 34543.123 kN·m²."), QString("Project: North header"),
        QString("Checked by: L. Wang")})
    EXPECT_TRUE(lines.contains(line)) << line.toStdString() << "\n" << text.toStdString();
  EXPECT_TRUE(text.contains("screen D·y/(L − U)² = 84.2: passes K1 = 208.3")) << text.toStdString();
  EXPECT_TRUE(text.contains("passes K1 = 208000·[S]/E = 84.9")) << text.toStdString();
  EXPECT_FALSE(text.contains("Prepared by"));
  EXPECT_TRUE(note.html().contains("<td>Project</td><td>North header</td>"));
  EXPECT_TRUE(note.html().contains(R"(<td align="right">11.7</td>)"));
  // The installed results: ratios as magnitudes with three decimals (S3: 0.229).
  EXPECT_TRUE(note.html().contains(R"(<td align="right">0.229</td>)"));
  EXPECT_FALSE(note.html().contains(R"(<td align="right">-0.)"));

  const auto installed_at = [&](double T0, const char* T = "70") {
    auto inputs = default_inputs(bend);
    inputs[0] = T;
    return calculation_note(bend, inputs, kC, when, {.installed_at = T0}).plain_text();
  };
  EXPECT_TRUE(installed_at(70).contains("S3/[S] = 0.000 at the far anchor"));
  EXPECT_TRUE(installed_at(-10.5).contains("Installation (installed at -10.5 ℃)"));
  EXPECT_TRUE(installed_at(20, "0").contains("Not defined: there is no free expansion"));
  EXPECT_TRUE(installed_at(20, "0").contains("  dx     -4.5\n"));
  // With guides 12 m from the bends the movements are the guided run's: the
  // bend point as its legs grow (as above), the guide on L1 at x = 8 m sliding
  // 8 × 0.5827655 = 4.7 mm along it, none on L2, 10 m long.
  const QString guided = calculation_note(bend, default_inputs(bend), kC, when, {.guides = {12}}).plain_text();
  EXPECT_TRUE(
      guided.contains("— installed at 20 ℃\n  Of the run with its guides 12 m from the bends; no guide on "
                      "L2.\n  x along the first leg"))
      << guided.toStdString();
  EXPECT_TRUE(
      guided.contains("along them they slide on L1 4.7 mm (+ towards the far anchor).\n  Point     2\n"
                      "  dx     11.7\n  dy     -5.8\n"))
      << guided.toStdString();

  // Another material reaches the note's assumptions, installation and
  // screen: e = 16·T/10⁶ leaves (1.12 − 0.32)/1.12 = 0.714 at 20 ℃, and the
  // screen from 20 ℃ is 377·(0.8·22.3607)/(30 − 22.3607)² = 115.6.
  constexpr MaterialRow rows[] = {{-100, 294e9, 40e6}, {500, 294e9, 40e6}};
  const Material other{"test steel", "this test", rows, 20, [](double T) { return 16e-6 * T; }, "e = 16·T/10⁶"};
  const QString with_other = calculation_note(bend, default_inputs(bend), kC, when, {.material = &other}).plain_text();
  for (const char* said :
       {"E = 294 GPa, [S] = 40 MPa.", "T in ℃: e = 16·T/10⁶.", "at T = 70 ℃: 1.12 mm/m.",
        "= (1.1200000 − 0.3200000) / 1.1200000 = 0.714,", "([S] = 40 MPa, E = 294 GPa)", "screen D·y/(L − U)² = 115.6"})
    EXPECT_TRUE(with_other.contains(QString::fromUtf8(said))) << said << "\n" << with_other.toStdString();
}

TEST(CalculationNote, HoldsTheRunAndReproducesItWithTheBatchTool) {
  const QDateTime when(QDate(2026, 12, 7), QTime(16, 40));
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const CalculationNote note = calculation_note(*panel_by_key(c.key), c.inputs, c.locale, when);
    const QString text = note.plain_text();
    const QStringList lines = text.split('\n');
    EXPECT_TRUE(lines.contains("Date: 2026-12-07 16:40"));
    EXPECT_TRUE(lines.contains("Program: " + program_name_and_version()));
    EXPECT_TRUE(program_name_and_version().startsWith("Quorvel "));
    for (const QString& line : c.lines)
      EXPECT_TRUE(lines.contains(line)) << line.toStdString() << "\n" << text.toStdString();
    std::vector<QStringList> split;
    for (const QString& line : lines) split.push_back(line.split(' ', Qt::SkipEmptyParts));
    const QString html = note.html();
    for (const Row& row : c.rows) {
      EXPECT_NE(std::find(split.begin(), split.end(), row.cells), split.end()) << row.cells.join(' ').toStdString();
      EXPECT_TRUE(html.contains("<tr>" + row.html + "</tr>")) << row.html.toStdString();
    }
    // The columns line up: in every row of a table each text starts, and each
    // number of the results ends, at the same place.
    for (const QString heading : {"Inputs", "Results (as shown, and in SI units) — from 0 ℃, as the panel's results"}) {
      std::set<std::vector<qsizetype>> edges;
      std::set<qsizetype> units;  // of the results that have one
      for (qsizetype i = lines.indexOf(heading) + 1; i > 0 && !lines[i].isEmpty(); ++i) {
        std::vector<qsizetype> s, e;
        for (auto cells = QRegularExpression("\\S+").globalMatch(lines[i]); cells.hasNext();) {
          const QRegularExpressionMatch cell = cells.next();
          s.push_back(cell.capturedStart());
          e.push_back(cell.capturedEnd());
        }
        const std::size_t n = s.size();
        edges.insert(heading == "Inputs" ? s : std::vector{s[0], e[1], e[n - 2], s[n - 1]});
        if (n == 5) units.insert(s[2]);
      }
      EXPECT_EQ(edges.size(), heading == "Inputs" || note.failure.isEmpty() ? 1u : 0u) << heading.toStdString();
      EXPECT_LE(units.size(), 1u);
    }
    // Every input is listed, also when the calculation failed.
    EXPECT_EQ(note.inputs.size(), c.inputs.size());
    // With the installation's and movements' tables; a run that describes no
    // pipe has no installed results to table.
    EXPECT_EQ(html.count("<table"), !note.failure.isEmpty() ? 2 : note.verdict.startsWith("invalid") ? 4 : 5);
    EXPECT_EQ(text.contains("Results"), note.failure.isEmpty());
    // The checks under their own heading, only where one fails.
    EXPECT_EQ(text.contains("Checks of the inputs"),
              c.key == std::string_view("loop") || c.what == std::string_view("inputs that describe no pipe"));
    for (const QString& check : note.input_checks) EXPECT_TRUE(html.contains("<li>" + check.toHtmlEscaped() + "</li>"));
    EXPECT_EQ(run_batch(note.batch_command, note.batch_row), c.batch_output);
  }
}

TEST(CalculationNote, InChineseWithAChineseLocale) {
  const auto translation = install_translation(QLocale(QLocale::Chinese, QLocale::China));
  ASSERT_FALSE(translation.empty());
  const QDateTime when(QDate(2026, 12, 7), QTime(16, 40));
  const Panel& bend = *panel_by_key("bend");
  QStringList lines = calculation_note(bend, default_inputs(bend), QLocale::c(), when).plain_text().split('\n');
  for (const char* line :
       {"管系形式：两臂弯管", "控制应力比：终点固定支座处 S3/[S] = 0.317",
        "结论：在许用应力以内（25.39 MPa ≤ [S] = 80 MPa）", "  T = 70 ℃ 时的自由膨胀量：0.8085091 mm/m。",
        "quorvel-batch 的输入行：", "bend,70,377,9,20,10,90", "弯头点位移（mm，两端固定支架不动）——按 20 ℃ 安装"})
    EXPECT_TRUE(lines.contains(line)) << line;
  const std::vector<std::string> bad = {"70", "377", "9", "abc", "10", "90"};
  lines = calculation_note(bend, bad, QLocale::c(), when).plain_text().split('\n');
  EXPECT_TRUE(lines.contains("计算失败：类型不匹配，字段 L1：“abc”"));

  // The code check's reasons and cautions too: A106 Gr. B's expansion is
  // tabulated from 70 °F (21.1 ℃), so from 20 ℃ there is no answer; with the user's values a 3 mm wall
  // gives D/t = 377/3 = 125.7 and, with long-radius elbows,
  // h = t·R/r² = 3·565.5/187² = 0.04851 and i = 0.9/h^(2/3) = 6.77 (Appendix D).
  NoteOptions options;
  options.code.emplace().material = code_material("a106b");
  lines = calculation_note(bend, default_inputs(bend), QLocale::c(), when, options).plain_text().split('\n');
  EXPECT_TRUE(lines.contains("无结果：a106b 的 膨胀量 在 20 ℃ 时超出其表的范围（21.1 至 704.4 ℃）"))
      << lines.join('\n').toStdString();
  options.code.emplace().user = {200e9, std::nullopt, 137.9e6, 137.9e6, 0.003, std::nullopt};
  const std::vector<std::string> thin = {"70", "377", "3", "20", "10", "90"};
  lines = calculation_note(bend, thin, QLocale::c(), when, options).plain_text().split('\n');
  EXPECT_TRUE(
      lines.contains("  注意：未选材料：所有数值均为给定值；D/t = 125.7 大于 100：附录 D 的系数仅验证至 "
                     "100（表 D300 注 1）；i = 6.77 不小于 5（319.4.1）"))
      << lines.join('\n').toStdString();
}

// The note's columns line up by characters, whatever their bytes: Greek
// symbols, ℃ and Chinese captions take one character each, a number column
// aligns right. Laid out by hand.
TEST(CalculationNote, ColumnsAlignByCharactersWithWideOnes) {
  const bool right[] = {false, true, false};
  EXPECT_EQ(text_columns({{"α", "90", "°"}, {"温度 T", "250", "℃"}, {"L1", "12.5", "m"}, {"β"}}, right).toStdString(),
            "  α       90  °\n"
            "  温度 T   250  ℃\n"
            "  L1    12.5  m\n"
            "  β\n");
  // A column empty in every row takes no room.
  const bool last[] = {false, false, true};
  EXPECT_EQ(text_columns({{"S1/[S]", "", "0.6"}, {"k", "", "11.0"}}, last).toStdString(),
            "  S1/[S]     0.6\n"
            "  k         11.0\n");
}

#ifdef QUORVEL_POPPLER_DIR
// A Windows path's Unix name, as Wine's kernel32 makes it.
QString unix_name(const QString& path) {
  using UnixName = char* (*)(const wchar_t*);
  static const auto to_unix = reinterpret_cast<UnixName>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!to_unix) return path;
  char* name = to_unix(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()));
  const QString unix = QString::fromUtf8(name);
  HeapFree(GetProcessHeap(), 0, name);
  return unix;
}

// Under Wine the tools are the Linux programs (in QUORVEL_POPPLER_DIR). Wine
// starts a Linux program with neither a handle to wait for nor pipes to read,
// so a shell writes the output to a file, which appears whole once the tool
// has finished.
QString poppler(const QString& tool, QStringList args) {
  QString script = QString("'%1%2'").arg(QUORVEL_POPPLER_DIR, tool);
  for (QString& arg : args) script += " '" + (QFileInfo::exists(arg) ? unix_name(arg) : arg) + "'";
  QTemporaryDir dir;
  const QString out = unix_name(dir.path()) + "/out";
  script += QString(" >'%1.part' 2>&1; mv '%1.part' '%1'").arg(out);
  EXPECT_TRUE(QProcess::startDetached("Z:/bin/sh", {"-c", script})) << script.toStdString();
  QFile file(dir.filePath("out"));
  for (QDeadlineTimer deadline(20000); !file.exists() && !deadline.hasExpired();) QThread::msleep(10);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << script.toStdString();
  return QString::fromUtf8(file.readAll());
}
#else
// Runs a poppler tool on a file and gives its output.
QString poppler(const QString& tool, const QStringList& args) {
  QProcess process;
  process.start(tool, args);
  EXPECT_TRUE(process.waitForFinished(20000)) << tool.toStdString() << ": " << process.errorString().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}
#endif

// The default offset at 200 ℃ passes with sharp corners (S2 = 0.74) and
// exceeds with long-radius elbows (k = 11.0, i = 3.18 worked by hand in
// tests/frame/elbows_test.cpp; its bends about 1.06): the note says so in its
// own section (installed at 0 ℃, the panel's own basis), and the sheet prints it.
TEST(CalculationNote, GivesTheRunWithElbowsBesideTheSharpCorners) {
  const QDateTime when(QDate(2026, 12, 7), QTime(16, 40));
  const Panel& offset = *panel_by_key("offset");
  std::vector<std::string> inputs = default_inputs(offset);
  inputs[0] = "200";
  const CalculationNote sharp = calculation_note(offset, inputs, QLocale::c(), when);
  EXPECT_FALSE(sharp.plain_text().contains("elbows"));
  const CalculationNote note =
      calculation_note(offset, inputs, QLocale::c(), when, {.installed_at = 0, .elbows_times_D = 1.5});
  const QStringList lines = note.plain_text().split('\n');
  for (const char* line :
       {"With elbows of R = 1.5·D — installed at 0 ℃",
        "Flexibility factor k = 11.0, stress intensification factor i = 3.18 (ASME B31.3 Appendix D).",
        "The layout passes with sharp corners but exceeds the allowable stress with long-radius elbows."})
    EXPECT_TRUE(lines.contains(line)) << line << "\n" << note.plain_text().toStdString();
  // With three decimals, as the governing ratio, and in MPa (about 1.06 × 80).
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const QString& l) {
    return l.simplified().contains(QRegularExpression(R"(^S2/\[S\] 1\.06\d 8[45]\.\d\d MPa$)"));
  })) << note.plain_text().toStdString();
  EXPECT_EQ(note.html().count("<table"), sharp.html().count("<table") + 1);  // the results with elbows
  // With L = 0 the inputs describe no pipe: no verdict, none compared.
  std::vector<std::string> no_pipe = inputs;
  no_pipe[6] = "0";
  const QString invalid = calculation_note(offset, no_pipe, QLocale::c(), when, {.elbows_times_D = 1.5}).plain_text();
  EXPECT_TRUE(invalid.contains(
      "With elbows of R = 1.5·D — installed at 20 ℃\nVerdict: invalid: the inputs describe no pipe: L = 0 m: the "
      "overall length must be above 0\n"))
      << invalid.toStdString();
  EXPECT_FALSE(invalid.contains("The layout"));

  QTemporaryDir dir;
  const QString pdf = dir.filePath("elbows.pdf");
  ASSERT_EQ(CalculationSheet(offset, note).print(nullptr, pdf), QString());
  EXPECT_TRUE(poppler("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +[12]\n")));
  EXPECT_TRUE(
      poppler("pdftotext", {pdf, "-"}).simplified().contains("exceeds the allowable stress with long-radius elbows"));

  inputs[4] = "1.1";  // L2: two tangents of 0.5655 m
  EXPECT_TRUE(calculation_note(offset, inputs, QLocale::c(), when, {.elbows_times_D = 1.5})
                  .plain_text()
                  .contains("The elbows do not fit L2: their tangent lengths exceed the leg."));
}

// With a code chosen the note and the sheet lead with the code's check; the
// specified check follows, named as such; the note's batch row runs the same
// check with quorvel-batch, whose governing ratio and verdict it gives.
TEST(CalculationNote, LeadsWithTheCodeCheckOnceOneIsChosen) {
  const QDateTime when(QDate(2026, 12, 7), QTime(16, 40));
  const Panel& bend = *panel_by_key("bend");
  CodeSettings code;
  code.material = code_material("a106b");
  code.installed = 40;
  const CalculationNote note =
      calculation_note(bend, default_inputs(bend), kC, when, {.installed_at = 40, .elbows_times_D = 1.5, .code = code});
  ASSERT_TRUE(note.code && !note.code->governing.isEmpty());
  const QString text = note.plain_text();
  EXPECT_LT(text.indexOf("Code check: ASME B31.3-2018\nGoverning SE/SA: "), text.indexOf("\nInputs\n"))
      << text.toStdString();
  EXPECT_GT(text.indexOf("The panel's check: [S] = 80 MPa, sharp corners, growth from 0 ℃\nVerdict: "), 0);
  EXPECT_TRUE(note.html(CalculationNote::HtmlFor::sheet).contains("<body>\n<h4>Code check: ASME B31.3-2018</h4>"));
  // Table A-1's 20.0 ksi (137.90 MPa) up to 400 °F, with its source.
  EXPECT_TRUE(text.contains("Sc = 137.90 MPa at 40 ℃, Sh = 137.90 MPa at 70 ℃ (ASME B31.3-2002 Table A-1"));
  EXPECT_EQ(note.batch_command, "quorvel-batch --code b31.3 --material a106b --installed 40 --elbows 1.5D");
  QTemporaryDir dir;
  const QString pdf = dir.filePath("code.pdf");
  ASSERT_EQ(CalculationSheet(bend, note).print(nullptr, pdf), QString());
  EXPECT_TRUE(poppler("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +[12]\n")));
  EXPECT_TRUE(poppler("pdftotext", {pdf, "-"}).simplified().contains("Code check: ASME B31.3-2018"));
  const QStringList cells = run_batch(note.batch_command, note.batch_row).split(',');
  const qsizetype verdict = cells.indexOf(note.code->passes ? "passes" : "fails", cells.size() - 10);
  ASSERT_GT(verdict, 0) << cells.join(',').toStdString();
  EXPECT_EQ(cells[verdict - 1], note.code->governing);
}

// Untranslated, the note words why the code check has no answer and its
// cautions as quorvel-batch's last cell does, kind by kind.
TEST(CalculationNote, CodeRemarksAsTheBatchToolWordsThem) {
  const Panel& bend = *panel_by_key("bend");
  const CodeUserValues mine{200e9, std::nullopt, 150e6, 150e6, 0.003, 400e6};
  const CodeUserValues sc{std::nullopt, std::nullopt, 100e6, std::nullopt, std::nullopt, std::nullopt};
  struct Case {
    std::vector<std::string> inputs;
    const char* material;
    CodeUserValues user;
  };
  for (const Case& c : {
           Case{{"70", "377", "9", "20", "10", "90"}, "a106b", {}},     // outside the tables
           Case{{"70", "377", "9", "20", "10", "90"}, "a106b", sc},     // given outside, and not
           Case{{"300", "377", "9", "20", "10", "90"}, "s30408", {}},   // no confirmed table
           Case{{"70", "377", "9", "20", "10", "90"}, nullptr, sc},     // no material: give …
           Case{{"70", "377", "3", "20", "10", "90"}, nullptr, mine},   // D/t, i, Sc and Sh capped
           Case{{"70", "377", "9", "20", "0.1", "90"}, nullptr, mine},  // the elbows do not fit
           Case{{"70", "377", "9", "20", "18", "30"}, nullptr, mine},   // L/U above 2.5
       }) {
    CodeSettings settings;
    settings.material = c.material ? code_material(c.material) : nullptr;
    settings.user = c.user;
    const Outcome outcome = calculate(bend, c.inputs, ".");
    ASSERT_TRUE(outcome.values);
    const CodeSection s = CodeSection::of(bend, *outcome.values, settings, 1.5, ".");
    QStringList remarks;
    if (!s.unavailable.isEmpty()) remarks << s.unavailable.section("No answer: ", 1);
    if (!s.cautions.isEmpty()) remarks << s.cautions.section("Cautions: ", 1);
    const std::string batch = code_texts(bend, code_check(bend, outcome, settings), ".").cautions;
    EXPECT_FALSE(batch.empty()) << c.inputs[0];
    EXPECT_EQ(remarks.join("; ").toStdString(), batch);
  }
}

TEST(CalculationSheet, PrintsA4PagesWithTheDrawingInputsResultsAndVerdict) {
  QTemporaryDir dir;
  const QDateTime when(QDate(2026, 12, 7), QTime(16, 40));
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const Panel& panel = *panel_by_key(c.key);
    const CalculationSheet sheet(panel, calculation_note(panel, c.inputs, c.locale, when));
    const QString pdf = dir.filePath(QString(c.key) + ".pdf");
    ASSERT_EQ(sheet.print(nullptr, pdf), QString());
    const QString info = poppler("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages: +[12]\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("(A4)")) << info.toStdString();
    // Compatibility forms on both sides undo the typeface's ligatures ("ﬁ").
    const auto plain = [](const QString& s) { return s.normalized(QString::NormalizationForm_KC).simplified(); };
    const QString text = plain(poppler("pdftotext", {"-layout", pdf, "-"}));
    for (const QString& title :
         {QString("Calculation sheet"), program_name_and_version(), QString("2026-12-07 16:40"), QString("Project"),
          QString("Prepared by"), QString("Checked by"), QString("Approved by")})
      EXPECT_TRUE(text.contains(title)) << title.toStdString();
    for (const Row& row : c.rows)
      EXPECT_TRUE(text.contains(plain(row.cells.join(' ')))) << row.cells.join(' ').toStdString();
    for (const QString& line : c.lines)
      if (!line.startsWith("Configuration:")) {
        EXPECT_TRUE(text.contains(plain(line))) << line.toStdString();
      }
  }
  // A filled title block, and the checker's sections on the sheet.
  const Panel& offset = *panel_by_key("offset");
  CalculationNote note = calculation_note(offset, default_inputs(offset), kC, when);
  note.title = {"North header", "L-104", "C-2026-018", "B", "J. Li", "L. Wang", "M. Chen"};
  const QString filled = dir.filePath("filled.pdf");
  ASSERT_EQ(CalculationSheet(offset, note).print(nullptr, filled), QString());
  const QString text = poppler("pdftotext", {"-layout", filled, "-"}).simplified();
  for (const char* expected :
       {"North header", "L-104", "C-2026-018", "J. Li", "L. Wang", "M. Chen", "Revision", "Line", "Calculation no.",
        "Installation (installed at 20 ℃)", "Cross-check", "Section: I = 17624.04 cm", "Movements of the bend points"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();

  // Very long texts break across the page's width, never past its edge.
  const Panel& bend = *panel_by_key("bend");
  const std::vector<std::string> long_texts(bend.inputs.size(), std::string(3000, '9'));
  const QString pdf = dir.filePath("long.pdf");
  ASSERT_EQ(CalculationSheet(bend, calculation_note(bend, long_texts, kC, when)).print(nullptr, pdf), QString());
  EXPECT_TRUE(poppler("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +\\d+\n")));
  const QString on_page = poppler("pdftotext", {"-x", "0", "-y", "0", "-W", "595", "-H", "842", pdf, "-"});
  EXPECT_TRUE(on_page.contains("Plane frame") && on_page.contains("Calculation failed")) << on_page.toStdString();
}

// Each panel's sheet, as pdftotext -bbox sees it: every word at least 10 pt
// tall (8 pt type and more), text in the right half of the page, and the
// drawing's labels of this run: its legs with their entered lengths, its
// named angles, its point numbers, the axes and the reactions' senses.
// QUORVEL_SHEET_DIR keeps the PDFs there, to look at.
TEST(CalculationSheet, IsReadAtArmsLengthWithItsOwnDrawing) {
  const QTemporaryDir temporary;
  const QString dir =
      qEnvironmentVariableIsSet("QUORVEL_SHEET_DIR") ? qEnvironmentVariable("QUORVEL_SHEET_DIR") : temporary.path();
  const struct {
    const char* key;
    std::vector<std::string> inputs;
    QStringList labels;
    double g = 0;  // guides that far from the bends
  } sheets[] = {
      {"bend", {"70", "377", "9", "20", "10", "90"}, {"L1 = 20 m", "L2 = 10 m", "α = 90°", "1", "2", "3"}},
      {"offset",
       {"70", "377", "9", "20", "10", "20", "40", "120"},
       {"L1 = 20 m", "L2 = 10 m", "L3 = 20 m", "L = 40 m", "α = 120°", "4", "Mz2"}},
      {"loop",
       {"70", "377", "9", "20", "10", "15", "10", "20", "55", "90", "90"},
       {"L1 = 20 m", "L3 = 15 m", "L5 = 20 m", "L = 55 m", "α = 90°", "β = 90°", "6", "Mz2"}},
      // Guides: a mark and its distance on each leg longer than g, the legend naming the one without.
      {"bend",
       {"70", "377", "9", "20", "10", "90"},
       {"L1 = 20 m", "g = 12 m", "guides 12 m from the bends (two bars beside the pipe); no guide on L2"},
       12},
      {"loop",
       {"70", "377", "9", "20", "10", "15", "10", "20", "55", "90", "90"},
       {"L1 = 20 m", "g = 4 m", "guides 4 m from the bends (two bars beside the pipe)"},
       4},
  };
  for (const auto& sheet : sheets) {
    const Panel& panel = *panel_by_key(sheet.key);
    const QString pdf = dir + "/" + sheet.key + (sheet.g > 0 ? "-guided" : "") + ".pdf";
    const CalculationNote note = calculation_note(panel, sheet.inputs, kC, QDateTime(QDate(2026, 12, 7), QTime(16, 40)),
                                                  {.elbows_times_D = 1.5, .guides = {sheet.g}});
    ASSERT_EQ(CalculationSheet(panel, note).print(nullptr, pdf), QString());
    const QString boxes = poppler("pdftotext", {"-bbox", pdf, "-"});
    double lowest = 1e9, rightmost = 0;
    QStringList words;
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto found = word.globalMatch(boxes); found.hasNext();) {
      const auto w = found.next();
      lowest = std::min(lowest, w.captured(4).toDouble() - w.captured(2).toDouble());
      rightmost = std::max(rightmost, w.captured(1).toDouble());
      words << w.captured(5);
    }
    EXPECT_GE(lowest, 10) << sheet.key;
    EXPECT_GT(rightmost, 595 / 2.0) << sheet.key;
    const QString text = words.join(' ');
    for (const QString& label : sheet.labels + QStringList{"Fx", "Fy", "Mz1", "x", "y", "1:"})
      EXPECT_TRUE(text.contains(label.toHtmlEscaped())) << sheet.key << ": " << label.toStdString();
  }
}

// The keys and menus of the window.
class NoteKeys : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window().findChild<NoteActions*>()->set_printer([this](QWidget*, const CalculationSheet& sheet) {
      printed_.push_back(sheet.title());
      sheets_.push_back(sheet.note().title);
    });
    window().findChild<NoteActions*>()->set_askers(
        [this](QWidget*, const QString& configuration, double current) {
          asked_.push_back(configuration + " " + QString::number(current));
          return installed_at_;
        },
        [this](QWidget*, const TitleBlock& last) {
          prefilled_.push_back(last);
          return title_;
        });
    QGuiApplication::clipboard()->clear();
  }

  static QString clipboard_text() { return QGuiApplication::clipboard()->text(); }

  // The texts of the context menu that `target` opens at `pos`; the menu is
  // closed, then its action `choose` triggered.
  static QStringList menu(QWidget* target, QPoint pos, const QString& choose = {}) {
    QStringList texts;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      QAction* chosen = nullptr;
      for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        texts << action->text();
        if (action->text() == choose) chosen = action;
      }
      menu->close();
      if (chosen) chosen->trigger();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
    QApplication::processEvents();
    return texts;
  }

  std::vector<QString> printed_;
  std::vector<TitleBlock> sheets_, prefilled_;  // the sheets' title blocks, and the forms' prefills
  std::vector<QString> asked_;                  // "configuration current" of each question
  std::optional<double> installed_at_ = 40;     // what the questions answer
  std::optional<TitleBlock> title_ = TitleBlock{"P", "L-1", "", "A", "", "", ""};
};

const QString kCopy = "Copy calculation note";
const QString kPrint = "Print calculation sheet…";
const QString kElbows = "Elbows";
const QString kInstalled = "Installed at…";
const QString kCodeCheck = "Code check…";
const QString kGuides = "Guides…";
const QString kPaste = "Paste calculation";
const QString kSave = "Save calculation…";
const QString kOpen = "Open calculation…";

TEST_F(NoteKeys, CtrlShiftCCopiesTheNoteOfTheFocusedPanelFromItsInputs) {
  field("nMz11")->setText("999");  // a stale result is never read
  const std::pair<const char*, const char*> cases[] = {
      {"nL21", "Z-shaped offset"}, {"nS3", "Two-leg bend"}, {"计算2", "Raised loop"}, {"退出1", "Z-shaped offset"}};
  for (const auto& [name, configuration] : cases) {
    QGuiApplication::clipboard()->clear();
    auto* widget = window().findChild<QWidget*>(name);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(clipboard_text().contains(QString("Configuration: ") + configuration)) << name;
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->html().contains("<table")) << name;
  }
  EXPECT_TRUE(clipboard_text().contains(QRegularExpression("\\n *Mz1 +1021.1 +kgm +10.211 +kN·m\\n")));
  EXPECT_EQ(field("nMz11")->text(), "999");
  EXPECT_EQ(field("nMz21")->text(), "");

  // Results of other inputs on the screen: the note says so in one line.
  const auto copied = [&] {
    field("nL1")->setFocus();
    QTest::keyClick(field("nL1"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    return clipboard_text();
  };
  button("计算")->click();
  EXPECT_FALSE(copied().contains(CalculationNote::stale_text()));
  field("nL1")->setText("21");
  EXPECT_TRUE(copied().contains(CalculationNote::stale_text()));
  button("计算")->click();
  EXPECT_FALSE(copied().contains(CalculationNote::stale_text()));
}

TEST_F(NoteKeys, CtrlCInAFieldStillCopiesItsSelection) {
  field("nL21")->setFocus();
  field("nL21")->selectAll();
  QTest::keyClick(field("nL21"), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard_text(), "10");
}

TEST_F(NoteKeys, CtrlPPrintsTheSheetOfTheFocusedPanel) {
  for (const char* name : {"nAlpha2", "计算", "nS41"}) {
    auto* widget = window().findChild<QWidget*>(name);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_P, Qt::ControlModifier);
  }
  EXPECT_EQ(printed_, (std::vector<QString>{"Calculation sheet – Raised loop", "Calculation sheet – Two-leg bend",
                                            "Calculation sheet – Z-shaped offset"}));
}

TEST_F(NoteKeys, ResultFieldsAndDrawingsOfferTheNoteInTheirMenus) {
  // A result field: the standard menu, then both actions and the elbows.
  QStringList texts = menu(field("nS21"), {5, 5}, kCopy);
  ASSERT_GT(texts.size(), 8);
  EXPECT_EQ(texts.mid(texts.size() - 9),
            (QStringList{kCopy, kSave, kPrint, kInstalled, kGuides, kCodeCheck, kPaste, kOpen, kElbows}));
  EXPECT_TRUE(clipboard_text().contains("Configuration: Z-shaped offset"));
  // An input field keeps its own menu.
  texts = menu(field("nL21"), {5, 5});
  EXPECT_FALSE(texts.isEmpty());
  EXPECT_FALSE(texts.contains(kCopy));
  // The drawings, on a symbol and between the lines.
  EXPECT_EQ(menu(window().findChild<QWidget*>("Label1_12"), {3, 3}, kPrint),
            (QStringList{kCopy, kSave, kPrint, kInstalled, kGuides, kCodeCheck, kPaste, kOpen, kElbows}));
  EXPECT_EQ(menu(&window(), {5000 / 15, 1400 / 15}, kPrint),
            (QStringList{kCopy, kSave, kPrint, kInstalled, kGuides, kCodeCheck, kPaste, kOpen, kElbows}));
  EXPECT_EQ(printed_, (std::vector<QString>{"Calculation sheet – Raised loop", "Calculation sheet – Z-shaped offset"}));
  EXPECT_TRUE(menu(&window(), {5000 / 15, 7000 / 15}).isEmpty());  // below the drawings
}

// "Installed at…" sets the panel's installation temperature for its notes
// until the program ends; a cancelled question keeps it.
TEST_F(NoteKeys, InstalledAtSetsThePanelsTemperatureForItsNotes) {
  const auto note_of = [&](const char* name) {
    menu(field(name), {5, 5}, kCopy);
    return clipboard_text();
  };
  EXPECT_TRUE(note_of("nS1").contains("Installation (installed at 20 ℃)"));
  menu(field("nS1"), {5, 5}, kInstalled);
  EXPECT_EQ(asked_, (std::vector<QString>{"Two-leg bend 20"}));
  EXPECT_TRUE(note_of("nS1").contains("Installation (installed at 40 ℃)"));
  EXPECT_TRUE(note_of("nS21").contains("Installation (installed at 20 ℃)"));  // the offset's own
  installed_at_.reset();
  menu(field("nS1"), {5, 5}, kInstalled);
  EXPECT_EQ(asked_.back(), "Two-leg bend 40");
  EXPECT_TRUE(note_of("nS1").contains("Installation (installed at 40 ℃)"));
}

// "Guides…" sets the panel's guides (off at start) for its tooltips and
// notes; a cancelled question keeps them.
TEST_F(NoteKeys, GuidesSetThePanelsGuidesForItsTooltipsAndNotes) {
  std::vector<QString> asked;
  std::optional<GuideSettings> answer = GuideSettings{3, 900, 0.3};
  window().findChild<NoteActions*>()->set_guides_asker(
      [&](QWidget*, const QString& configuration, const GuideSettings& current) {
        asked.push_back(configuration + " " + QString::number(current.g));
        return answer;
      });
  const auto note_of = [&](const char* name) {
    menu(field(name), {5, 5}, kCopy);
    return clipboard_text();
  };
  button("计算")->click();
  EXPECT_FALSE(note_of("nS1").contains("With guides"));
  EXPECT_FALSE(field("nMz1")->toolTip().contains("with guides"));
  menu(field("nS1"), {5, 5}, kGuides);
  EXPECT_EQ(asked, (std::vector<QString>{"Two-leg bend 0"}));
  const QString note = note_of("nS1");
  EXPECT_TRUE(note.contains("With guides 3 m from the bends and long-radius elbows")) << note.toStdString();
  EXPECT_TRUE(note.contains("Guide on L1: force across the leg")) << note.toStdString();
  EXPECT_TRUE(note.contains("(w = 900 N/m, μ = 0.3): point 1 ")) << note.toStdString();
  EXPECT_TRUE(field("nMz1")->toolTip().contains("with guides 3 m from the bends: "))
      << field("nMz1")->toolTip().toStdString();
  // The movements are the guided run's, with sharp corners: the bend point
  // moves as its legs grow from 20 ℃, (e(70) − e(20))·(20, −10) m, the guide on
  // L1 at x = 17 m slides 17 × 0.5827655 = 9.9 mm, the one on L2, 7 m from the
  // far anchor, −7 × 0.5827655 = −4.1 mm.
  EXPECT_TRUE(note.contains("— installed at 20 ℃\n  Of the run with its guides 3 m from the bends.\n"))
      << note.toStdString();
  EXPECT_TRUE(
      note.contains("they slide on L1 9.9 mm, on L2 -4.1 mm (+ towards the far anchor).\n  Point     2\n"
                    "  dx     11.7\n  dy     -5.8\n"))
      << note.toStdString();
  // The row runs the guided section again: quorvel-batch's governing ratio
  // and verdict of the guided run, then the anchors' loads with friction.
  const QStringList lines = note.split('\n');
  const qsizetype command =
      lines.indexOf("Input row for quorvel-batch --elbows 1.5D --installed 20 --guides 3 --friction 900,0.3:");
  ASSERT_GT(command, 0) << note.toStdString();
  const QStringList cells = run_batch(lines[command].section(' ', 3).chopped(1), lines[command + 1]).split(',');
  ASSERT_GT(cells.size(), 5);
  const QString governing = cells[cells.size() - 5], verdict = cells[cells.size() - 4];
  EXPECT_EQ(verdict, "exceeds");
  EXPECT_TRUE(note.contains(QRegularExpression("\nGoverning ratio: \\S+ = " + QRegularExpression::escape(governing) +
                                               " at [^\n]+\nVerdict: exceeds the allowable stress \\(")))
      << governing.toStdString() << "\n"
      << note.toStdString();
  EXPECT_TRUE(note.contains(QString("point 1 %1 kN, point 3 %2 kN.").arg(cells[cells.size() - 2], cells.back())))
      << cells.join(',').toStdString();
  EXPECT_FALSE(note_of("nS21").contains("With guides"));  // the offset's own
  answer.reset();
  menu(field("nS1"), {5, 5}, kGuides);
  EXPECT_EQ(asked.back(), "Two-leg bend 3");
  EXPECT_TRUE(note_of("nS1").contains("With guides 3 m"));
}

// The title block is asked before printing, prefilled with what was entered
// last; cancelled, nothing is printed.
TEST_F(NoteKeys, PrintingAsksForTheTitleBlockFirst) {
  field("nL1")->setFocus();
  QTest::keyClick(field("nL1"), Qt::Key_P, Qt::ControlModifier);
  title_->checked_by = "L. Wang";
  QTest::keyClick(field("nL1"), Qt::Key_P, Qt::ControlModifier);
  title_.reset();
  QTest::keyClick(field("nL1"), Qt::Key_P, Qt::ControlModifier);
  ASSERT_EQ(prefilled_.size(), 3u);
  EXPECT_EQ(prefilled_[0].project, "");
  EXPECT_EQ(prefilled_[1].project, "P");
  EXPECT_EQ(prefilled_[2].checked_by, "L. Wang");
  ASSERT_EQ(sheets_.size(), 2u);
  EXPECT_EQ(sheets_[0].line, "L-1");
  EXPECT_EQ(sheets_[1].checked_by, "L. Wang");
}

}  // namespace
}  // namespace quorvel::ui::testing
