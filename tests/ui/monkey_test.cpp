// A monkey at the window: thousands of random edits into random fields, input
// and result fields alike, each followed by a press of a random panel's
// Compute button by mouse, Space or Enter. After every press the window must
// have done what the calculation itself says for the same texts, told of a
// failure in exactly one message, and touched nothing but the pressed panel's
// result fields. The seed is fixed, so a failure names a step that comes back.
//
// The sanitizer build runs every window test under LeakSanitizer, each in a
// process of its own that ends after main() has ended the QApplication; the
// last test here is the plain case: open, compute every panel, close.
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "window/layout.h"
#include "window/translation.h"
#include "window_fixture.h"

namespace quorvel::ui::testing {
namespace {

// What a user may type, from the plausible to the absurd.
class TextSource {
 public:
  TextSource(std::uint64_t seed, std::string decimal_point) : rng_(seed), dp_(std::move(decimal_point)) {}

  std::size_t below(std::size_t n) { return rng_() % n; }
  bool chance(std::size_t percent) { return below(100) < percent; }

  // A text that reads as a number, mostly of everyday size.
  std::string number() {
    std::string s = chance(10) ? "-" : "";
    switch (below(5)) {
      case 0: return s + std::to_string(below(1000));
      case 1: return s + std::to_string(below(200)) + dp_ + digits(1 + below(3));
      case 2:
        return s + std::to_string(1 + below(9)) + dp_ + digits(below(4)) + "E" + std::to_string(int(below(9)) - 4);
      default: {
        const std::string odd[] = {"0",    "-0",    "0" + dp_ + "0", "1E-30",           "-1E-30", "1E-300",
                                   "1E30", "32767", "-32768",        "0" + dp_ + "001", "180"};
        return s + odd[below(std::size(odd))];
      }
    }
  }

  // One random edit.
  std::string text() {
    switch (below(24)) {
      case 0: return "";
      case 1: return pick({" ", "   ", "\t", " \t "});
      case 2: return " " + number() + (chance(50) ? "\t" : "  ");
      case 3:
        if (chance(20)) return pick({"1" + dp_ + dp_ + "2", "12" + dp_ + "5" + dp_ + "3", dp_, dp_ + "E1"});
        return pick({"abc", "20m", "e", "E5", "inf", "-inf", "nan", "NaN", "0x1A", "1e", "1E+", "--5", "+-5", "1 2",
                     "-", "+", "1'000", "(5)", "5-"});
      case 4:
        return pick({"1E39", "-1E39", "1E309", "-1E309", "3" + dp_ + "4028235E38", "3" + dp_ + "4028236E38",
                     "1" + dp_ + "7976931348623157E308", "1" + dp_ + "8E308", "32767" + dp_ + "5", "-32768" + dp_ + "5",
                     "40000", "-40000", "1E-39", "1E-46", "1E-400", "1E999999999999"});
      case 5: return long_digits();
      case 6:
        return with_inserted(pick(
            {"\x01", "\b", "\v", "\f", "\r", "\n", "\x1b", "\x7f", "\u0085", "\u00a0", "\u2028", "\u200b", "\ufeff"}));
      case 7: return pick({"٣٠", "۳۰", "עשרים", "عشرون", "\u200f20", "20\u200e", "\u202e02", "\u061c5", "2\u05d0"});
      case 8: return pick({"😀", "2😀0", "🔥🔥", "1️⃣", "20🌡", "\U0001d7d0"});  // the last: a mathematical bold 2
      case 9: return with_inserted(std::string(1, '\0'));
      case 10: {  // the other decimal separator than the window's
        std::string s = number();
        for (char& ch : s)
          if (ch == dp_[0]) ch = dp_ == "." ? ',' : '.';
        return s;
      }
      case 11:
        return pick({"２０", "\u22125", "20\u00b0", "1\u202f000"});  // full width, minus sign, degree, thin blank
      default: return number();
    }
  }

 private:
  std::string pick(std::initializer_list<std::string> texts) { return *(texts.begin() + below(texts.size())); }

  std::string digits(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += char('0' + below(10));
    return s;
  }

  // Thousands of digits: a huge whole number, a long fraction, or a tiny one.
  std::string long_digits() {
    const std::size_t n = 1000 + below(4000);
    switch (below(4)) {
      case 0: return std::to_string(1 + below(9)) + digits(n);
      case 1: {
        std::string s = digits(n);
        return s.insert(below(s.size()), dp_);
      }
      case 2: return "0" + dp_ + std::string(n, '0') + std::to_string(1 + below(9));
      default: return digits(n) + "E-" + std::to_string(n + below(400));
    }
  }

  // The character alone, or inside a number.
  std::string with_inserted(const std::string& odd) {
    if (chance(30)) return odd;
    std::string s = number();
    return s.insert(below(s.size() + 1), odd);
  }

  std::mt19937_64 rng_;
  std::string dp_;
};

// QString::fromUtf8 drops a leading byte order mark, which a user may well
// paste into a field; here it stays a character of the text.
QString to_qstring(const std::string& text) {
  constexpr std::string_view bom = "\xef\xbb\xbf";
  if (text.starts_with(bom)) return QChar(0xfeff) + to_qstring(text.substr(bom.size()));
  return QString::fromStdString(text);
}

// The window's texts in UTF-8, panel by panel.
struct Snapshot {
  std::vector<std::vector<std::string>> inputs, results;
};

// The name of a panel's Compute button.
std::string compute_button(std::size_t panel) {
  return std::string(panel_layouts()[panel].compute.name);
}

class Monkey : public WindowTest {
 protected:
  explicit Monkey(const QLocale& locale = QLocale::c())
      : WindowTest(locale),
        locale_(locale),
        number_shape_("^-?[0-9]+(" + QRegularExpression::escape(locale.decimalPoint()) + "[0-9]+)?(E\\+[0-9]+)?$") {}

  void SetUp() override {
    WindowTest::SetUp();
    for (std::size_t p = 0; p < panels().size(); ++p) {
      const PanelLayout& layout = panel_layouts()[p];
      for (std::size_t i = 0; i < layout.inputs.size(); ++i) {
        inputs_[p].push_back(field(std::string(layout.inputs[i].name).c_str()));
        typed_[p].emplace_back(panels()[p]->inputs[i].default_text);
      }
      for (const FieldPlace& f : layout.results) results_[p].push_back(field(std::string(f.name).c_str()));
    }
  }

  Snapshot snapshot() const {
    Snapshot s;
    for (std::size_t p = 0; p < panels().size(); ++p) {
      std::vector<std::string>& inputs = s.inputs.emplace_back();
      std::vector<std::string>& results = s.results.emplace_back();
      for (const QLineEdit* f : inputs_[p]) inputs.push_back(f->text().toStdString());
      for (const QLineEdit* f : results_[p]) results.push_back(f->text().toStdString());
    }
    return s;
  }

  // Puts `text` into a field as the user would: pasted whole, or typed over
  // the selected old text where it is short plain ASCII.
  void edit(QLineEdit* f, const std::string& text, TextSource& source) {
    const QString q = to_qstring(text);
    ASSERT_EQ(q.toStdString(), text);
    const bool typeable =
        text.size() < 40 && std::all_of(text.begin(), text.end(), [](char ch) { return ch >= ' ' && ch <= '~'; });
    if (typeable && source.chance(20)) {
      f->setFocus();
      f->selectAll();
      if (text.empty())
        QTest::keyClick(f, Qt::Key_Backspace);
      else
        QTest::keyClicks(f, q);
    } else {
      f->setText(q);
    }
    ASSERT_EQ(f->text().toStdString(), text) << "the edit itself did not land";
  }

  void press(std::size_t panel, TextSource& source) {
    QPushButton* b = button(compute_button(panel).c_str());
    const std::size_t how = source.below(10);
    if (how < 6) return QTest::mouseClick(b, Qt::LeftButton);
    b->setFocus();
    QTest::keyClick(b, how < 8 ? Qt::Key_Space : how == 8 ? Qt::Key_Return : Qt::Key_Enter);
  }

  // Forces and moments with one decimal at most, ratios with two, and the
  // exponent form for huge magnitudes; the locale reads each back.
  bool is_number(const std::string& text) const {
    const QString q = QString::fromStdString(text);
    bool ok = false;
    const double value = locale_.toDouble(q, &ok);
    return number_shape_.match(q).hasMatch() && ok && std::isfinite(value);
  }

  // Runs `steps` edits and presses; returns how often each outcome came.
  std::map<std::string, int> run(std::uint64_t seed, int steps) {
    const std::string dp = locale_.decimalPoint().toStdString();
    TextSource source(seed, dp);
    std::map<std::string, int> outcomes;
    for (int step = 0; step < steps && !HasFailure(); ++step) {
      // Now and then the user starts a panel over from its defaults, so that
      // presses succeed often enough to exercise the writing of results.
      if (source.chance(40)) {
        const std::size_t p = source.below(panels().size());
        for (std::size_t i = 0; i < inputs_[p].size(); ++i) {
          typed_[p][i] = panels()[p]->inputs[i].default_text;
          inputs_[p][i]->setText(to_qstring(typed_[p][i]));
        }
      }
      const std::size_t edited_panel = source.below(panels().size());
      const std::string text = source.text();
      const bool into_input = source.chance(75);
      auto& targets = into_input ? inputs_[edited_panel] : results_[edited_panel];
      const std::size_t edited_field = source.below(targets.size());
      const std::size_t p = source.below(panels().size());
      const Panel& panel = *panels()[p];
      SCOPED_TRACE(::testing::Message() << "step " << step << ": \"" << text.substr(0, 60)
                                        << (text.size() > 60 ? "…" : "") << "\" into "
                                        << targets[edited_field]->objectName().toStdString() << ", then "
                                        << compute_button(p));
      edit(targets[edited_field], text, source);
      if (HasFailure()) break;
      if (into_input) typed_[edited_panel][edited_field] = text;

      const Outcome expected = calculate(panel, typed_[p], dp);
      const Snapshot before = snapshot();
      const std::size_t messages_before = messages().size();
      press(p, source);
      const Snapshot after = snapshot();

      EXPECT_EQ(after.inputs, typed_) << "an input field was changed";
      for (std::size_t other = 0; other < panels().size(); ++other) {
        if (other != p) {
          EXPECT_EQ(after.results[other], before.results[other]) << "panel " << other << " touched";
        }
      }
      // The texts the calculation delivered, in order; the rest as they were.
      std::vector<std::string> results = before.results[p];
      std::copy(expected.results.begin(), expected.results.end(), results.begin());
      EXPECT_EQ(after.results[p], results);

      if (!expected.failure) {
        EXPECT_EQ(messages().size(), messages_before) << "a message after success";
        for (const std::string& r : after.results[p]) EXPECT_TRUE(is_number(r)) << r;
        ++outcomes["success"];
      } else {
        ++outcomes[std::string(message(expected.failure->kind))];
        if (expected.failure->delivered > 0) ++outcomes["failure while writing"];
        EXPECT_EQ(messages().size(), messages_before + 1) << "one message per failure";
        if (messages().size() == messages_before + 1)
          check_message(panel, typed_[p], dp, *expected.failure, messages().back());
      }
      // Let the window paint the odd texts now and then.
      if (step % 16 == 0) QCoreApplication::processEvents();
    }
    return outcomes;
  }

  static void check_message(const Panel& panel, const std::vector<std::string>& inputs, const std::string& dp,
                            const Failure& failure, const RecordingSink::Message& m) {
    static const std::map<ErrorKind, std::string> first_lines = {{ErrorKind::type_mismatch, "Type mismatch"},
                                                                 {ErrorKind::overflow, "Overflow"},
                                                                 {ErrorKind::division_by_zero, "Division by zero"}};
    const std::string text = m.text.toStdString();
    EXPECT_EQ(m.title.toStdString(), "Quorvel");
    EXPECT_EQ(text.substr(0, text.find('\n')), first_lines.at(failure.kind));
    // A failure that a field caused names that field and the separator to
    // type; the quoted field text may hold anything, so only the ends are checked.
    if (failure.field) {
      const std::string symbol(panel.inputs[*failure.field].symbol);
      EXPECT_TRUE(text.starts_with(first_lines.at(failure.kind) + "\nField " + symbol + ": \"")) << text;
      EXPECT_TRUE(text.ends_with("(decimal separator \"" + dp + "\")")) << text;  // the window's own
    } else {  // a failed step: then the checks of the inputs, if any
      QString checks;
      for (const InputCheck& check : check_inputs(panel, inputs, dp)) checks += '\n' + check_text(check);
      EXPECT_EQ(m.text.mid(m.text.indexOf('\n') < 0 ? m.text.size() : m.text.indexOf('\n')), checks) << text;
    }
  }

  QLocale locale_;
  QRegularExpression number_shape_;
  using PerPanel = std::vector<std::vector<QLineEdit*>>;
  PerPanel inputs_ = PerPanel(panels().size()), results_ = PerPanel(panels().size());
  // What the user put into each input field.
  std::vector<std::vector<std::string>> typed_ = std::vector<std::vector<std::string>>(panels().size());
};

// The run means little unless every outcome comes often enough; division by
// zero needs a rare leg length, such as 1E-30 or 1E30 where the defaults stand.
void expect_every_outcome(const std::map<std::string, int>& outcomes, int steps) {
  const std::pair<const char*, int> least[] = {
      {"success", steps / 5}, {"Type mismatch", steps / 10}, {"Overflow", steps / 50}, {"Division by zero", 3}};
  for (const auto& [kind, n] : least)
    EXPECT_GE(outcomes.count(kind) ? outcomes.at(kind) : 0, n) << kind << " too rare for the run to mean much";
}

TEST_F(Monkey, DotDecimals) {
  expect_every_outcome(run(20240601, 4000), 4000);
}

class CommaMonkey : public Monkey {
 protected:
  CommaMonkey() : Monkey(QLocale(QLocale::German, QLocale::Germany)) {}
};

TEST_F(CommaMonkey, CommaDecimals) {
  expect_every_outcome(run(77, 2500), 2500);
}

// Under LeakSanitizer this test's process reports anything the window or a
// calculation left allocated once the window is gone and QApplication ended.
// A widget left behind escapes it: the application lists every widget until
// its end, so the test counts them itself.
TEST(WindowMemory, OpenComputeEveryPanelAndClose) {
  const auto widgets_before = QApplication::allWidgets().size();
  auto sink = std::make_unique<RecordingSink>();
  RecordingSink* recorded = sink.get();
  auto window = std::make_unique<MainWindow>(QLocale::c(), std::move(sink));
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  for (std::size_t p = 0; p < panels().size(); ++p)
    QTest::mouseClick(window->findChild<QPushButton*>(compute_button(p).c_str()), Qt::LeftButton);
  for (const char* name : {"nMz1", "nFx1", "nS62"}) EXPECT_FALSE(window->findChild<QLineEdit*>(name)->text().isEmpty());
  // A failure takes the message path too.
  window->findChild<QLineEdit*>("nD1")->setText("1E39");
  QTest::mouseClick(window->findChild<QPushButton*>("计算1"), Qt::LeftButton);
  EXPECT_EQ(recorded->messages.size(), 1u);
  window->close();
  window.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(QApplication::allWidgets().size(), widgets_before);
}

}  // namespace
}  // namespace quorvel::ui::testing
