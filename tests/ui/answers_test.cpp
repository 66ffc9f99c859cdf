// Pasting a run back into its panel, and the pass finder of a field.

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <tuple>

#include "dialogs/design_answers.h"
#include "dialogs/pass_finder.h"
#include "note/elbow_view.h"
#include "note/note_actions.h"
#include "window/layout.h"
#include "window/panel_view.h"
#include "window/text_of.h"
#include "window_fixture.h"

namespace quorvel::ui::testing {
namespace {

QString name_of(const FieldPlace& place) {
  return QString::fromUtf8(place.name.data(), static_cast<qsizetype>(place.name.size()));
}

// The panel's inputs or results, in order, as the window shows them.
QStringList texts(QWidget& window, std::span<const FieldPlace> places) {
  QStringList out;
  for (const FieldPlace& place : places) out << window.findChild<QLineEdit*>(name_of(place))->text();
  return out;
}

void press(QWidget& window, const FieldPlace& place, Qt::Key key,
           Qt::KeyboardModifiers modifiers = Qt::ControlModifier | Qt::ShiftModifier) {
  if (!window.isActiveWindow()) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  auto* field = window.findChild<QLineEdit*>(name_of(place));
  field->setFocus();
  QTest::keyClick(field, key, modifiers);
}

// The texts with one locale's decimal separator put in another's place.
QStringList with_point(QStringList texts, const QLocale& from, const QLocale& to) {
  return texts.replaceInStrings(from.decimalPoint(), to.decimalPoint());
}

// Runs of each panel, with a decimal in them; '.' becomes the locale's.
const std::vector<std::vector<QString>> kRuns = {
    {"250", "323.9", "8", "12", "8.6", "90"},
    {"120", "377", "9", "20", "10.5", "20", "40", "90"},
    {"200", "377", "9", "20", "10", "15", "12.5", "20", "50", "90", "90"},
};

class PasteRoundTrip : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

// A note copied from one window and pasted into a fresh one gives the same
// inputs and results, for every panel, in both dialects and from one into
// the other, whose decimal separators the pasted inputs take; and the same
// guides and friction.
TEST_P(PasteRoundTrip, GivesTheSameResultsInAFreshWindow) {
  const QLocale from_locale(GetParam().first), to_locale(GetParam().second);
  const QString point = from_locale.decimalPoint();
  for (std::size_t p = 0; p < panels().size(); ++p) {
    const PanelLayout& layout = panel_layouts()[p];
    MainWindow from(from_locale, std::make_unique<RecordingSink>());
    for (std::size_t i = 0; i < layout.inputs.size(); ++i)
      from.findChild<QLineEdit*>(name_of(layout.inputs[i]))->setText(QString(kRuns[p][i]).replace(".", point));
    from.panel_views()[p]->set_guides({2.5, 1200, 0.25});
    from.compute(*from.panel_views()[p]);
    press(from, layout.inputs[0], Qt::Key_C);
    ASSERT_TRUE(QGuiApplication::clipboard()->text().contains(QString(kRuns[p][1]).replace(".", point)));

    auto sink = std::make_unique<RecordingSink>();
    RecordingSink& messages = *sink;
    MainWindow to(to_locale, std::move(sink));
    press(to, layout.inputs.back(), Qt::Key_V);
    EXPECT_EQ(texts(to, layout.inputs),
              with_point(QStringList(kRuns[p].begin(), kRuns[p].end()), QLocale::c(), to_locale))
        << p;
    EXPECT_EQ(texts(to, layout.results), with_point(texts(from, layout.results), from_locale, to_locale)) << p;
    EXPECT_FALSE(texts(to, layout.results).contains("")) << p;
    const GuideSettings& guides = to.panel_views()[p]->guides();
    EXPECT_EQ(std::tuple(guides.g, guides.w, guides.mu), std::tuple(2.5, 1200.0, 0.25)) << p;
    EXPECT_TRUE(messages.messages.empty()) << p;
  }
}

INSTANTIATE_TEST_SUITE_P(BothDialects, PasteRoundTrip,
                         ::testing::Values(std::pair{"C", "C"}, std::pair{"de_DE", "de_DE"}, std::pair{"de_DE", "C"},
                                           std::pair{"C", "de_DE"}));

// A row of either dialect computes in a window of either: its decimal
// separator becomes the window's, whatever else it holds stays as written.
TEST(PasteDialects, ARowOfEitherDialectComputesInAWindowOfEither) {
  struct Case {
    const char* locale;
    const char* row;
    std::vector<std::string> inputs;  // as the window's fields then hold them
  };
  for (const Case& c : std::vector<Case>{
           {"C", "bend;250;323,9;8;12;6;90", {"250", "323.9", "8", "12", "6", "90"}},
           {"C", "bend,250,323.9,8,12,6,90", {"250", "323.9", "8", "12", "6", "90"}},
           {"C", "bend;250;323.9;8;1,2E1;6;90\r\n", {"250", "323.9", "8", "1.2E1", "6", "90"}},
           {"de_DE", "bend,250,323.9,8,12,6,90", {"250", "323,9", "8", "12", "6", "90"}},
           {"de_DE", "bend;250;323,9;8;12;6;90", {"250", "323,9", "8", "12", "6", "90"}},
           {"de_DE", "bend,250,323.9,8,12,6,90,ok,1,2,3,4,5,6,7", {"250", "323,9", "8", "12", "6", "90"}},
       }) {
    const QLocale locale(c.locale);
    auto sink = std::make_unique<RecordingSink>();
    RecordingSink& messages = *sink;
    MainWindow window(locale, std::move(sink));
    QGuiApplication::clipboard()->setText(c.row);
    const PanelLayout& bend = panel_layouts()[0];
    press(window, bend.inputs[3], Qt::Key_V);
    const Outcome expected = calculate(*panels()[0], c.inputs, locale.decimalPoint().toStdString());
    ASSERT_FALSE(expected.failure) << c.row;
    QStringList inputs, results;
    for (const std::string& text : c.inputs) inputs << QString::fromStdString(text);
    for (const std::string& text : expected.results) results << QString::fromStdString(text);
    EXPECT_EQ(texts(window, bend.inputs), inputs) << c.locale << ' ' << c.row;
    EXPECT_EQ(texts(window, bend.results), results) << c.locale << ' ' << c.row;
    EXPECT_TRUE(messages.messages.empty()) << c.row;
  }
}

// Ctrl+S saves a panel's note as Copy gives it; Ctrl+O, in any panel, opens
// it into the panel it names with the note's installation temperature and
// elbows, and computes. A file that cannot be read or holds no run is
// refused with a message naming it; a cancelled dialog does nothing.
TEST(SaveAndOpen, BringsTheRunBackIntoItsPanelWithItsSettings) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath("offset.txt");
  const PanelLayout& bend = panel_layouts()[0];
  const PanelLayout& offset = panel_layouts()[1];

  auto from_sink = std::make_unique<RecordingSink>();
  RecordingSink& from_messages = *from_sink;
  MainWindow from(QLocale::c(), std::move(from_sink));
  std::vector<QString> suggested;
  from.findChild<NoteActions*>()->set_file_asker([&](QWidget*, const QString& name) {
    suggested.push_back(name);
    return suggested.size() == 1 ? QString() : path;  // the first is cancelled
  });
  for (std::size_t i = 0; i < offset.inputs.size(); ++i)
    from.findChild<QLineEdit*>(name_of(offset.inputs[i]))->setText(kRuns[1][i]);
  PanelView& source = *from.panel_views()[1];
  source.set_installed_at(35.5);
  source.elbows().set_times_D(3);
  source.set_guides({4, 0, 0.3});
  from.compute(source);
  press(from, offset.inputs[0], Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(QFile::exists(path));
  press(from, offset.inputs[0], Qt::Key_S, Qt::ControlModifier);
  press(from, offset.inputs[0], Qt::Key_C);
  EXPECT_EQ(suggested, (std::vector<QString>{"offset.txt", "offset.txt"}));
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly | QIODevice::Text));
  const QString text = QString::fromUtf8(saved.readAll());
  EXPECT_EQ(text, QGuiApplication::clipboard()->text());
  EXPECT_TRUE(text.contains("Installation (installed at 35.5 ℃)\n") &&
              text.contains("With elbows of R = 3·D — installed at 35.5 ℃\n"));
  EXPECT_TRUE(from_messages.messages.empty());

  // Opened from the bend panel of a fresh window, in the decimal-comma dialect.
  auto sink = std::make_unique<RecordingSink>();
  RecordingSink& messages = *sink;
  MainWindow to(QLocale("de_DE"), std::move(sink));
  QString chosen;  // what the open dialog answers
  to.findChild<DesignAnswers*>()->set_file_asker([&](QWidget*) { return chosen; });
  press(to, bend.inputs[0], Qt::Key_O, Qt::ControlModifier);  // cancelled
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(texts(to, offset.results), QStringList(offset.results.size(), ""));
  chosen = path;
  press(to, bend.inputs[0], Qt::Key_O, Qt::ControlModifier);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(texts(to, offset.inputs),
            with_point(QStringList(kRuns[1].begin(), kRuns[1].end()), QLocale::c(), QLocale("de_DE")));
  EXPECT_EQ(texts(to, offset.results), with_point(texts(from, offset.results), QLocale::c(), QLocale("de_DE")));
  const PanelView& opened = *to.panel_views()[1];
  EXPECT_EQ(opened.installed_at(), 35.5);
  EXPECT_EQ(opened.elbows_times_D(), 3);
  EXPECT_EQ(std::pair(opened.guides().g, opened.guides().w), std::pair(4.0, 0.0));
  const PanelView& untouched = *to.panel_views()[0];
  EXPECT_EQ(untouched.installed_at(), 20);
  EXPECT_EQ(untouched.elbows_times_D(), 1.5);
  EXPECT_EQ(texts(to, bend.results), QStringList(bend.results.size(), ""));

  // Sharp corners only, saved and opened again.
  source.elbows().set_times_D(0);
  press(from, offset.inputs[0], Qt::Key_S, Qt::ControlModifier);
  press(to, bend.inputs[0], Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(opened.elbows_times_D(), 0);
  EXPECT_EQ(opened.installed_at(), 35.5);

  // Refused, naming the file.
  const QString other = folder.filePath("other.txt");
  const std::pair<const char*, const char*> refusals[] = {
      {nullptr, "Could not read "}, {"Calculation note\nConfiguration: Two-leg bend\n", " is not a calculation note"}};
  for (const auto& [contents, why] : refusals) {
    messages.messages.clear();
    if (contents) {
      QFile file(other);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(contents);
    }
    chosen = other;
    press(to, bend.inputs[0], Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(messages.messages.size(), 1u) << why;
    const QString& message = messages.messages[0].text;
    EXPECT_TRUE(message.contains(why) && message.contains(QDir::toNativeSeparators(other)) &&
                message.endsWith("Nothing was opened."))
        << message.toStdString();
  }
  EXPECT_EQ(texts(to, bend.results), QStringList(bend.results.size(), ""));

  // A file that cannot be written is named too.
  from.findChild<NoteActions*>()->set_file_asker(
      [&](QWidget*, const QString&) { return folder.filePath("none/x.txt"); });
  press(from, offset.inputs[0], Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(from_messages.messages.size(), 1u);
  EXPECT_TRUE(from_messages.messages[0].text.contains(QDir::toNativeSeparators(folder.filePath("none/x.txt"))));
}

class Answers : public WindowTest {
 protected:
  const PanelLayout& bend = panel_layouts()[0];
  const PanelLayout& offset = panel_layouts()[1];
  const PanelLayout& loop = panel_layouts()[2];

  // The texts of the menu a field opens.
  QStringList menu_of(QLineEdit* input) {
    QStringList items;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      for (QAction* action : menu->actions()) items << action->text();
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, input->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(input, &event);
    return items;
  }
};

TEST_F(Answers, PastesABatchRowIntoItsPanelAndComputes) {
  QGuiApplication::clipboard()->setText("offset,120,377,9,20,10,20,40,90\n");
  press(window(), offset.inputs[2], Qt::Key_V);
  const std::vector<std::string> row = {"120", "377", "9", "20", "10", "20", "40", "90"};
  EXPECT_EQ(texts(window(), offset.inputs), (QStringList{"120", "377", "9", "20", "10", "20", "40", "90"}));
  const Outcome batch = calculate(*panels()[1], row, ".");
  QStringList expected;
  for (const std::string& text : batch.results) expected << QString::fromStdString(text);
  EXPECT_EQ(texts(window(), offset.results), expected);
  EXPECT_TRUE(messages().empty());
}

TEST_F(Answers, RefusesWhatHoldsNoRunOfThePanel) {
  const QStringList before = texts(window(), offset.inputs);
  for (const QString& clipboard :
       {QString("bend,250,323.9,8,12,10,90"), QString("Hello"), QString(), QString("offset;120;377;9;20;10,5;20;40")}) {
    messages().clear();
    QGuiApplication::clipboard()->setText(clipboard);
    press(window(), offset.inputs[0], Qt::Key_V);
    ASSERT_EQ(messages().size(), 1u) << clipboard.toStdString();
    EXPECT_TRUE(messages()[0].text.contains("nothing was pasted")) << messages()[0].text.toStdString();
    EXPECT_EQ(messages()[0].text.contains("Two-leg bend"), clipboard.startsWith("bend"));
    // A text with no row names what was expected.
    EXPECT_EQ(messages()[0].text.contains("quorvel-batch row offset,T,D,t,L1,L2,L3,L,α (decimal point and ',' "
                                          "between cells, or decimal comma and ';') or a calculation note"),
              clipboard != "bend,250,323.9,8,12,10,90")
        << messages()[0].text.toStdString();
    EXPECT_EQ(texts(window(), offset.inputs), before);
    EXPECT_EQ(texts(window(), offset.results), QStringList(offset.results.size(), ""));
  }
}

// The DN300 bend passes for L2 from 8.6 m (S3 = 0.985 [S]; 1.0023 at 8.5 m)
// to 28.7 m (S1 = 0.998; 1.0005 at 28.8 m), as quorvel-batch --ranges gives.
TEST_F(Answers, FindsWhereAFieldPassesAndTakesTheNearestValue) {
  // At 8.5 m S3 shows 1 but exceeds; the nearest value that passes is 8.6 m.
  const QStringList run = {"250", "323.9", "8", "12", "8.5", "90"};
  for (qsizetype i = 0; i < run.size(); ++i) field(name_of(bend.inputs[i]).toUtf8())->setText(run[i]);
  // The field's own menu offers it, with the field's symbol.
  QStringList items;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    for (QAction* action : menu->actions()) items << action->text();
    menu->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, field("nL2")->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(field("nL2"), &event);
  EXPECT_TRUE(items.contains("Find where L2 passes…")) << items.join('|').toStdString();
  EXPECT_TRUE(items.contains("Paste calculation"));
  EXPECT_EQ(window().findChildren<PassFinder*>().size(), 0);  // nothing made before it is used

  PanelView& bend = *window().panel_views()[0];
  PassFinder& finder = window().findChild<DesignAnswers*>()->finder(bend, "L2");
  finder.show();
  EXPECT_FALSE(finder.isModal());
  EXPECT_EQ(finder.stretches_text(), "L2 passes from 8.6 m to 28.7 m");
  finder.take_button()->click();
  EXPECT_EQ(field("nL2")->text(), "8.6");
  EXPECT_EQ(field("nS3")->text(), "0.98");
  QTest::qWait(300);                                // one refresh after a burst of edits
  EXPECT_FALSE(finder.take_button()->isEnabled());  // 8.6 passes

  // It follows the panel's inputs: at 70 ℃ the stretch reaches the end of the range.
  field("nTem")->setText("70");
  QTest::qWait(300);                                                   // one refresh after a burst of edits
  EXPECT_EQ(finder.stretches_text(), "L2 passes from 3.9 m to 48 m");  // to four times L1 = 12 m

  // Beside it the answer with the panel's elbows, long radius by default:
  // the code stress at the bend is higher, so the stretch is narrower.
  const QStringList elbows = finder.elbows_text().split('\n');
  ASSERT_EQ(elbows.size(), 2) << finder.elbows_text().toStdString();
  EXPECT_EQ(elbows[0], "With long-radius elbows:");
  EXPECT_TRUE(elbows[1].startsWith("L2 passes from ")) << elbows[1].toStdString();
  EXPECT_NE(elbows[1], finder.stretches_text());
  // A wall of more than half of D = 323.9 mm: no value describes a pipe.
  field("nTubeThick")->setText("200");
  QTest::qWait(300);
  EXPECT_EQ(finder.stretches_text(), "L2 passes nowhere in this range.");
  EXPECT_EQ(finder.elbows_text(), "With long-radius elbows:\nL2 passes nowhere in this range.");
  field("nTubeThick")->setText("8");
  bend.elbows().set_times_D(0);  // sharp corners only
  field("nTem")->setText("71");
  QTest::qWait(300);
  EXPECT_EQ(finder.elbows_text(), "");
  QTest::keyClick(&finder, Qt::Key_Escape);
  EXPECT_FALSE(finder.isVisible());
  EXPECT_EQ(&window().findChild<DesignAnswers*>()->finder(bend, "L2"), &finder);
}

// With guides and no code the finder judges by the guided run, with the
// panel's long-radius elbows and from its installation at 20 ℃: the first
// stretch of a walk up from a length that fails is what quorvel-batch's
// --solve finds for the same row under the same options (a stretch that
// ends, and differs from the one without guides, with sharp corners or from
// 0 ℃).
TEST_F(Answers, JudgesByTheGuidedRunAsQuorvelBatchDoes) {
  const QStringList run = {"50", "219.1", "6.35", "30", "2", "90"};
  for (qsizetype i = 0; i < run.size(); ++i) field(name_of(bend.inputs[i]).toUtf8())->setText(run[i]);
  PanelView& view = *window().panel_views()[0];
  view.set_guides({3, 0, 0.3});
  PassFinder& finder = window().findChild<DesignAnswers*>()->finder(view, "L2");
  finder.show();
  for (const auto& [edit, text] :
       {std::pair{finder.range_edits()[0], "2"}, {finder.range_edits()[1], "40"}, {finder.range_edits()[2], "0.1"}}) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  QTest::qWait(500);
  const QStringList solved =
      run_batch("quorvel-batch --installed 20 --elbows 1.5D --guides 3 --solve L2=2:40:0.1", "bend," + run.join(','))
          .split(',');
  ASSERT_GT(solved.size(), 9) << solved.join(',').toStdString();
  EXPECT_EQ(solved[7], "ok");
  EXPECT_TRUE(finder.stretches_text().startsWith(QString("L2 passes from %1 m to %2 m").arg(solved[8], solved[9])))
      << finder.stretches_text().toStdString() << " | " << solved.join(',').toStdString();
  EXPECT_EQ(finder.take_button()->text(), QString("Set L2 = %1 and compute").arg(solved[8]));
  EXPECT_TRUE(finder.range_text().endsWith(
      "\nJudged by the run with guides 3 m from the bends and long-radius elbows, installed at 20 ℃:"))
      << finder.range_text().toStdString();
  EXPECT_TRUE(finder.elbows_text().startsWith("With long-radius elbows, without the guides:\n"));
  QTest::keyClick(&finder, Qt::Key_Escape);
}

// The loop walked whole from its legs' menus: its height from L2 and L4, its
// width from L1, L3 and L5. The DN200 loop 6 m wide between anchors 60 m apart
// 3 m high first passes at a height of 4.13 m, with long-radius elbows at
// 5.82 m (both walked by hand, L2 and L4 together, in steps of 0.01 m).
TEST_F(Answers, FindsWhereTheLoopsHeightPasses) {
  const QStringList run = {"180", "219.1", "6.35", "27", "3", "6", "3", "27", "60", "90", "90"};
  for (qsizetype i = 0; i < run.size(); ++i) field(name_of(loop.inputs[i]).toUtf8())->setText(run[i]);
  const QString height = "Find where the loop's height passes…", width = "Find where the loop's width passes…";
  for (std::size_t i = 0; i < loop.inputs.size(); ++i) {
    const QStringList items = menu_of(field(name_of(loop.inputs[i]).toUtf8()));
    const QString symbol = text_of(quorvel::panel_by_key("loop")->inputs[i].symbol);
    EXPECT_EQ(items.contains(height), symbol == "L2" || symbol == "L4") << symbol.toStdString();
    EXPECT_EQ(items.contains(width), symbol == "L1" || symbol == "L3" || symbol == "L5") << symbol.toStdString();
  }
  EXPECT_FALSE(menu_of(field("nL2")).contains(height));  // the bend has no loop
  EXPECT_EQ(window().findChildren<PassFinder*>().size(), 0);

  PassFinder& finder = window().findChild<DesignAnswers*>()->finder(*window().panel_views()[2], "H");
  finder.show();
  // The range is the user's to set: 2 to 10 by 0.01, typed.
  for (const auto& [edit, text] :
       {std::pair{finder.range_edits()[0], "2"}, {finder.range_edits()[1], "10"}, {finder.range_edits()[2], "0.01"}}) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  QTest::qWait(500);
  EXPECT_EQ(finder.stretches_text(), "H passes from 4.13 m to 10 m");
  EXPECT_EQ(finder.elbows_text(), "With long-radius elbows:\nH passes from 5.82 m to 10 m");
  EXPECT_EQ(finder.take_button()->text(), "Set H = 4.13 and compute");
  finder.take_elbows_button()->click();
  EXPECT_EQ(texts(window(), loop.inputs),
            (QStringList{"180", "219.1", "6.35", "27", "5.82", "6", "5.82", "27", "60", "90", "90"}));
  QTest::qWait(300);  // it follows the panel and keeps the range
  EXPECT_EQ(finder.range_edits()[0]->text(), "2");
  EXPECT_FALSE(finder.take_elbows_button()->isEnabled());  // 5.82 passes with elbows
  EXPECT_FALSE(finder.take_button()->isEnabled());         // and with sharp corners
  finder.range_edits()[2]->selectAll();
  QTest::keyClicks(finder.range_edits()[2], "0");
  QTest::qWait(500);
  EXPECT_EQ(finder.stretches_text(), "");  // a step of 0 walks nothing
  QTest::keyClick(&finder, Qt::Key_Escape);
}

}  // namespace
}  // namespace quorvel::ui::testing
