// Pasting a run back into its panel, and the pass finder of a field.

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>

#include "dialogs/design_answers.h"
#include "dialogs/pass_finder.h"
#include "note/elbow_view.h"
#include "window/layout.h"
#include "window/panel_view.h"
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

void press(QWidget& window, const FieldPlace& place, Qt::Key key) {
  if (!window.isActiveWindow()) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  auto* field = window.findChild<QLineEdit*>(name_of(place));
  field->setFocus();
  QTest::keyClick(field, key, Qt::ControlModifier | Qt::ShiftModifier);
}

// Runs of each panel, with a decimal in them; '.' becomes the locale's.
const std::vector<std::vector<QString>> kRuns = {
    {"250", "323.9", "8", "12", "8.6", "90"},
    {"120", "377", "9", "20", "10.5", "20", "40", "90"},
    {"200", "377", "9", "20", "10", "15", "12.5", "20", "50", "90", "90"},
};

class PasteRoundTrip : public ::testing::TestWithParam<const char*> {};

// A note copied from one window and pasted into a fresh one gives the same
// inputs and results, for every panel and in both dialects.
TEST_P(PasteRoundTrip, GivesTheSameResultsInAFreshWindow) {
  const QLocale locale(GetParam());
  const QString point = locale.decimalPoint();
  for (std::size_t p = 0; p < panels().size(); ++p) {
    const PanelLayout& layout = panel_layouts()[p];
    MainWindow from(locale, std::make_unique<RecordingSink>());
    for (std::size_t i = 0; i < layout.inputs.size(); ++i)
      from.findChild<QLineEdit*>(name_of(layout.inputs[i]))->setText(QString(kRuns[p][i]).replace(".", point));
    from.compute(*from.panel_views()[p]);
    press(from, layout.inputs[0], Qt::Key_C);
    ASSERT_TRUE(QGuiApplication::clipboard()->text().contains(QString(kRuns[p][1]).replace(".", point)));

    auto sink = std::make_unique<RecordingSink>();
    RecordingSink& messages = *sink;
    MainWindow to(locale, std::move(sink));
    press(to, layout.inputs.back(), Qt::Key_V);
    EXPECT_EQ(texts(to, layout.inputs), texts(from, layout.inputs)) << p;
    EXPECT_EQ(texts(to, layout.results), texts(from, layout.results)) << p;
    EXPECT_FALSE(texts(to, layout.results).contains("")) << p;
    EXPECT_TRUE(messages.messages.empty()) << p;
  }
}

INSTANTIATE_TEST_SUITE_P(BothDialects, PasteRoundTrip, ::testing::Values("C", "de_DE"));

class Answers : public WindowTest {
 protected:
  const PanelLayout& bend = panel_layouts()[0];
  const PanelLayout& offset = panel_layouts()[1];
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
  for (const QString& clipboard : {QString("bend,250,323.9,8,12,10,90"), QString("Hello"), QString()}) {
    messages().clear();
    QGuiApplication::clipboard()->setText(clipboard);
    press(window(), offset.inputs[0], Qt::Key_V);
    ASSERT_EQ(messages().size(), 1u) << clipboard.toStdString();
    EXPECT_TRUE(messages()[0].text.contains("nothing was pasted")) << messages()[0].text.toStdString();
    EXPECT_EQ(messages()[0].text.contains("Two-leg bend"), !clipboard.isEmpty() && clipboard != "Hello");
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
  PassFinder& finder = window().findChild<DesignAnswers*>()->finder(bend, 4);
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
  bend.elbows().set_times_D(0);  // sharp corners only
  field("nTem")->setText("71");
  QTest::qWait(300);
  EXPECT_EQ(finder.elbows_text(), "");
  QTest::keyClick(&finder, Qt::Key_Escape);
  EXPECT_FALSE(finder.isVisible());
  EXPECT_EQ(&window().findChild<DesignAnswers*>()->finder(bend, 4), &finder);
}

}  // namespace
}  // namespace quorvel::ui::testing
