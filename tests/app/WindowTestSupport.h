// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/CountBox.h"
#include "app/frmMain.h"
#include "platform/MessageBox.h"

// Lets test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '"' << texts.join("\", \"").toStdString() << '"';
}

// A control of a window by its name in the design, as a screen reader or a test tool finds it;
// the test fails when there is none.
template <typename Control = QWidget>
Control* Find(const QObject* window, const char* name) {
    auto* found = window->findChild<Control*>(QString::fromUtf8(name));
    if (found == nullptr) {
        throw std::runtime_error(std::string("no control named ") + name);
    }
    return found;
}

// The open top-level window of that name, or null.
template <typename Window = QWidget>
QPointer<Window> OpenWindow(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible()) {
            return qobject_cast<Window*>(widget);
        }
    }
    return nullptr;
}

// Waits until a timer started now has fired. Whatever the events handled so far started with a
// shorter delay (an access key presses its button after a 100 ms animation) has happened by then.
inline void WaitPastTimersOf(int milliseconds) {
    bool fired = false;
    QTimer::singleShot(milliseconds, [&fired] { fired = true; });
    if (!QTest::qWaitFor([&fired] { return fired; }, 60'000)) {
        throw std::runtime_error("the event loop did not run the timer");
    }
}

// Deletes the windows that closed with deleteLater, as the event loop would next.
inline void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline const char* const kBoxNames[] = {"txtAplus", "txtA",     "txtBplus", "txtB", "txtCplus",
                                        "txtC",     "txtDplus", "txtD",     "txtF", "txtIC"};
inline const char* const kPercentNames[] = {"capAplus", "capA",     "capBplus", "capB", "capCplus",
                                            "capC",     "capDplus", "capD",     "capF", "capIC"};

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
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get(), 30'000));
    }

    CountBox* Box(const char* name) const { return Find<CountBox>(window.get(), name); }
    QLabel* Label(const char* name) const { return Find<QLabel>(window.get(), name); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(window.get(), name); }
    QAction* Action(const char* name) const { return Find<QAction>(window.get(), name); }
    QMenu* Menu(const char* name) const { return Find<QMenu>(window.get(), name); }
    QWidget* ClientArea() const { return Find(window.get(), "clientArea"); }

    // The boxes and their percentage labels from A+ to IC.
    std::vector<CountBox*> CountBoxes() const {
        std::vector<CountBox*> boxes;
        for (const char* name : kBoxNames) {
            boxes.push_back(Box(name));
        }
        return boxes;
    }
    std::vector<QLabel*> PercentLabels() const {
        std::vector<QLabel*> labels;
        for (const char* name : kPercentNames) {
            labels.push_back(Label(name));
        }
        return labels;
    }

    // Types into a box as a person does: click into it, then the keys.
    void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        QTest::keyClicks(box, text);
    }

    QStringList BoxTexts() const {
        QStringList texts;
        for (QLineEdit* box : CountBoxes()) {
            texts << box->text();
        }
        return texts;
    }

    QStringList PercentTexts() const {
        QStringList texts;
        for (QLabel* label : PercentLabels()) {
            texts << label->text();
        }
        return texts;
    }

    MessageRecorder recorder;
    std::unique_ptr<frmMain> window;
};
