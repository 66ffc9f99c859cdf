#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "window/main_window.h"

namespace quorvel::ui::testing {

// What quorvel-batch writes for one input row, run as `command` (a note's
// "quorvel-batch --opt …") says.
inline QString run_batch(const QString& command, const QString& row) {
  QProcess batch;
  QStringList args = command.split(' ');
  args.removeFirst();
  batch.start(QUORVEL_BATCH_PROGRAM, args);
  batch.write((row + '\n').toUtf8());
  batch.closeWriteChannel();
  EXPECT_TRUE(batch.waitForFinished(10000));
  return QString::fromUtf8(batch.readAllStandardOutput()).trimmed();
}

// Records the messages the window would show in a box.
struct RecordingSink final : MessageSink {
  struct Message {
    QString title, text;
  };
  std::vector<Message> messages;
  void show_error(QWidget*, const QString& title, const QString& text) override { messages.push_back({title, text}); }
};

// A shown, active window with a recording sink. A real modal dialog would
// block a headless run: the guard closes any that appears and fails the test.
class WindowTest : public ::testing::Test {
 protected:
  explicit WindowTest(const QLocale& locale = QLocale::c()) {
    auto sink = std::make_unique<RecordingSink>();
    messages_ = sink.get();
    window_ = std::make_unique<MainWindow>(locale, std::move(sink));
    guard_.setInterval(20);
    QObject::connect(&guard_, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "a modal dialog appeared: " << modal->windowTitle().toStdString();
        modal->close();
      }
    });
    guard_.start();
  }

  void SetUp() override {
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  MainWindow& window() { return *window_; }
  std::vector<RecordingSink::Message>& messages() { return messages_->messages; }

  QLineEdit* field(const char* name) {
    auto* edit = window_->findChild<QLineEdit*>(name);
    EXPECT_NE(edit, nullptr) << name;
    return edit;
  }
  QPushButton* button(const char* name) {
    auto* b = window_->findChild<QPushButton*>(name);
    EXPECT_NE(b, nullptr) << name;
    return b;
  }

 private:
  std::unique_ptr<MainWindow> window_;
  RecordingSink* messages_ = nullptr;
  QTimer guard_;
};

}  // namespace quorvel::ui::testing
