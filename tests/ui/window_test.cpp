// What the user does with the window: start, focus order, compute, errors
// and exit. Expected result texts are the worked results of the default
// inputs, confirmed with the independent Python reference
// (tests/reference/quorvel_ref.py).
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <array>

#include "expected_layout.h"
#include "window_fixture.h"

namespace quorvel::ui::testing {
namespace {

const std::array<std::vector<const char*>, 3> kResultFields = {{
    {"nMz1", "nFx", "nFy", "nS1", "nS2", "nS3"},
    {"nMz11", "nMz21", "nFx1", "nFy1", "nS11", "nS21", "nS31", "nS41"},
    {"nMz12", "nMz22", "nFx2", "nFy2", "nS12", "nS22", "nS32", "nS42", "nS52", "nS62"},
}};
const std::array<std::vector<const char*>, 3> kDefaultResults = {{
    {"907.7", "377", "115.2", "0.12", "0.19", "0.32"},
    {"1021.1", "-1021.1", "366.6", "142.7", "0.14", "0.25", "0.25", "0.14"},
    {"-621.9", "-621.9", "-186.6", "0", "0.08", "0.08", "0.17", "0.17", "0.08", "0.08"},
}};
const char* const kComputeButtons[] = {"计算", "计算1", "计算2"};

class Window : public WindowTest {
 protected:
  using WindowTest::WindowTest;
  std::vector<QString> results(int panel) {
    std::vector<QString> texts;
    for (const char* name : kResultFields[panel]) texts.push_back(field(name)->text());
    return texts;
  }
  static std::vector<QString> texts(const std::vector<const char*>& list) { return {list.begin(), list.end()}; }
  void fill_results(const QString& text) {
    for (const auto& names : kResultFields)
      for (const char* name : names) field(name)->setText(text);
  }
};

TEST_F(Window, StartsMaximizedWithDefaultsAndFocusOnCompute) {
  EXPECT_EQ(window().objectName(), "Quorvel");
  EXPECT_EQ(window().windowTitle(), "Quorvel");
  EXPECT_TRUE(window().isMaximized());
  EXPECT_EQ(window().frameGeometry(), window().screen()->availableGeometry());
  EXPECT_EQ(window().normalGeometry().size(), QSize(312, 213));  // restored: 4680 x 3195 twips
  for (const ExpectedField& expected : kFields)
    EXPECT_EQ(field(expected.name)->text(), QString::fromUtf8(expected.default_text)) << expected.name;
  EXPECT_EQ(QApplication::focusWidget(), button("计算"));
}

TEST_F(Window, TabAndShiftTabWalkTheFocusOrderBothWays) {
  const int n = std::size(kFocusOrder);
  for (int i = 1; i <= n; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QString::fromUtf8(kFocusOrder[i % n])) << "Tab " << i;
  }
  for (int i = n - 1; i >= 0; --i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QString::fromUtf8(kFocusOrder[i])) << "Shift+Tab to " << i;
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "退出2");
}

TEST_F(Window, EnterOrSpaceOnComputeFillsPanelZeroOnly) {
  for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
    fill_results("");
    ASSERT_EQ(QApplication::focusWidget(), button("计算"));
    QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(results(0), texts(kDefaultResults[0])) << key;
    EXPECT_EQ(results(1), std::vector<QString>(8)) << key;
    EXPECT_EQ(results(2), std::vector<QString>(10)) << key;
  }
  EXPECT_TRUE(messages().empty());
}

TEST_F(Window, EnterInAFieldPressesNothing) {
  for (const char* name : {"nL1", "nS2", "nBeta2"}) {
    field(name)->setFocus();
    QTest::keyClick(field(name), Qt::Key_Return);
    QTest::keyClick(field(name), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), field(name));
  }
  for (int panel = 0; panel < 3; ++panel) EXPECT_EQ(results(panel), std::vector<QString>(kResultFields[panel].size()));
  EXPECT_TRUE(QApplication::topLevelWidgets().contains(&window()));
  EXPECT_TRUE(window().isVisible());
}

TEST_F(Window, EachComputeButtonWritesOnlyItsPanel) {
  for (int panel = 0; panel < 3; ++panel) {
    fill_results("typed");
    // Its own result fields are never read: text there changes nothing.
    field(kResultFields[panel][0])->setText("abc");
    QTest::mouseClick(button(kComputeButtons[panel]), Qt::LeftButton);
    for (int other = 0; other < 3; ++other) {
      const auto expected =
          other == panel ? texts(kDefaultResults[panel]) : std::vector<QString>(kResultFields[other].size(), "typed");
      EXPECT_EQ(results(other), expected) << "after " << kComputeButtons[panel];
    }
    // "-1021.1" is wider than its field: the sign and leading digits show.
    for (const char* name : kResultFields[panel]) EXPECT_EQ(field(name)->cursorPosition(), 0) << name;
  }
  for (const ExpectedField& expected : kFields) {
    if (expected.input) {
      EXPECT_EQ(field(expected.name)->text(), QString::fromUtf8(expected.default_text));
    }
  }
  EXPECT_TRUE(messages().empty());
}

struct BadInput {
  int panel;
  const char* field;
  const char* text;
  const char* message;
};

TEST_F(Window, BadInputIsReportedAndLeavesTheResults) {
  const BadInput cases[] = {
      {0, "nL1", "20m", "Type mismatch\nField L1: \"20m\""},
      {0, "nD", "1E39", "Overflow\nField D: \"1E39\""},
      {0, "nTem", "", "Type mismatch\nField T: \"\""},
      {0, "nL2", "1\x01\t2", "Type mismatch\nField L2: \"1\uFFFD\uFFFD2\""},  // control characters stay on one line
      {1, "nTem1", "40000", "Overflow\nField T: \"40000\""},
      {1, "nAlpha1", "abc", "Type mismatch\nField α: \"abc\""},
      {2, "nL32", "abc", "Type mismatch\nField L3: \"abc\""},  // a double field fails at its first use
      {2, "nTem2", "32767.5", "Overflow\nField T: \"32767.5\""},
  };
  for (const BadInput& c : cases) {
    fill_results("before");
    QLineEdit* bad = field(c.field);
    const QString good = bad->text();
    bad->setText(QString::fromUtf8(c.text));
    button(kComputeButtons[c.panel])->setFocus();
    QTest::keyClick(button(kComputeButtons[c.panel]), Qt::Key_Space);

    ASSERT_EQ(messages().size(), 1u) << c.field;
    EXPECT_EQ(messages().back().title, "Quorvel");
    EXPECT_EQ(messages().back().text, QString::fromUtf8(c.message));
    for (int panel = 0; panel < 3; ++panel)
      EXPECT_EQ(results(panel), std::vector<QString>(kResultFields[panel].size(), "before")) << c.field;
    EXPECT_EQ(QApplication::focusWidget(), bad) << c.field;
    EXPECT_EQ(bad->selectedText(), bad->text()) << c.field;
    EXPECT_EQ(bad->text(), QString::fromUtf8(c.text));
    bad->setText(good);
    messages().clear();
  }
}

TEST_F(Window, FailedStepNamesNoField) {
  struct Case {
    const char* l1;
    const char* l2;
    const char* message;
  };
  // L1 = 1E-30 leaves a non-zero value over a zero one; zero legs leave 0/0.
  for (const Case& c : {Case{"1E-30", "10", "Division by zero"}, Case{"0", "0", "Overflow"}}) {
    const auto before = messages().size();
    field("nL1")->setText(c.l1);
    field("nL2")->setText(c.l2);
    button("计算")->setFocus();
    QTest::keyClick(button("计算"), Qt::Key_Return);
    ASSERT_EQ(messages().size(), before + 1);
    EXPECT_EQ(messages().back().text, c.message);
    EXPECT_EQ(QApplication::focusWidget(), button("计算"));
    EXPECT_EQ(results(0), std::vector<QString>(6));
  }
}

TEST_F(Window, LongFieldTextIsCutShortInTheMessage) {
  field("nL2")->setText(QString(5000, 'x'));
  button("计算")->click();
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages().back().text, "Type mismatch\nField L2: \"" + QString(40, 'x') + QChar(0x2026) + '"');
  EXPECT_EQ(field("nL2")->text().size(), 5000);
}

TEST_F(Window, FailureWhileWritingKeepsTheTextsAlreadyWritten) {
  // Ordinary inputs cannot fail after the first result, so a stand-in
  // calculation delivers two texts and then overflows.
  window().set_calculation(
      [](const Panel&, std::span<const std::string> inputs, std::string_view, const Deliver& deliver) {
        EXPECT_EQ(inputs.size(), 11u);
        deliver(0, "1");
        deliver(1, "2");
        return std::optional<Failure>(Failure{ErrorKind::overflow, std::nullopt, 2});
      });
  fill_results("before");
  button("计算2")->click();
  std::vector<QString> expected(10, "before");
  expected[0] = "1";
  expected[1] = "2";
  EXPECT_EQ(results(2), expected);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages().back().text, "Overflow");
}

// Runs the event loop until something ends it; false if it is still running
// after two seconds.
bool event_loop_ends(const std::function<void()>& action) {
  QTimer watchdog;
  watchdog.setSingleShot(true);
  bool timed_out = false;
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    timed_out = true;
    QApplication::exit(1);
  });
  watchdog.start(2000);
  QTimer::singleShot(0, action);
  const int code = QApplication::exec();
  return !timed_out && code == 0;
}

TEST_F(Window, ExitButtonsEndTheProgram) {
  for (const char* name : {"退出", "退出1", "退出2"}) {
    window().show();
    EXPECT_TRUE(event_loop_ends([&] { QTest::mouseClick(button(name), Qt::LeftButton); })) << name;
  }
  window().show();
  EXPECT_TRUE(event_loop_ends([&] { window().close(); })) << "close box";
  EXPECT_TRUE(messages().empty());
}

class CommaLocale : public Window {
 protected:
  CommaLocale() : Window(QLocale(QLocale::German, QLocale::Germany)) {}
};

TEST_F(CommaLocale, ReadsAndWritesCommas) {
  field("nTubeThick")->setText("0,5");
  button("计算")->click();
  EXPECT_EQ(results(0), texts({"54", "22,4", "6,8", "0,12", "0,19", "0,32"}));
  field("nTubeThick")->setText("9");
  field("nD")->setText("70,5");
  button("计算")->click();
  EXPECT_EQ(results(0), texts({"4,3", "1,8", "0,5", "0,02", "0,03", "0,06"}));
  EXPECT_TRUE(messages().empty());
}

TEST(MessageBox, IsModalTitledQuorvelAndClosable) {
  QWidget parent;
  parent.show();
  QString title, text;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      title = box->windowTitle();
      text = box->text();
      box->accept();
    }
  });
  closer.start(10);
  MessageBoxSink().show_error(&parent, "Quorvel", "Overflow\nField T: \"40000\"");
  EXPECT_EQ(title, "Quorvel");
  EXPECT_EQ(text, "Overflow\nField T: \"40000\"");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace quorvel::ui::testing
