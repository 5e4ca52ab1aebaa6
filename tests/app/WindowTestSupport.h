#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <ostream>
#include <vector>

#include "app/frmMain.h"
#include "platform/MessageBox.h"

// Lets test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '"' << texts.join("\", \"").toStdString() << '"';
}

// Records the message boxes that would have been shown, instead of blocking on them.
class MessageRecorder {
  public:
    MessageRecorder() {
        previous_ = platform::SetMessageHandler(
            [this](QWidget*, const platform::Message& message) { messages.push_back(message); });
    }
    ~MessageRecorder() { platform::SetMessageHandler(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<platform::Message> messages;

  private:
    platform::MessageHandler previous_;
};

// A shown, active main window with its messages recorded.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<frmMain>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Types into a box as a person does: click into it, then the keys.
    void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        QTest::keyClicks(box, text);
    }

    QStringList BoxTexts() const {
        QStringList texts;
        for (QLineEdit* box : window->countBoxes()) {
            texts << box->text();
        }
        return texts;
    }

    QStringList PercentTexts() const {
        QStringList texts;
        for (QLabel* label : window->percentLabels()) {
            texts << label->text();
        }
        return texts;
    }

    MessageRecorder recorder;
    std::unique_ptr<frmMain> window;
};
