// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QClipboard>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include "app/WindowTestSupport.h"

namespace {

// Notes the text that an input method commits to a widget.
class CommitSpy : public QObject {
  public:
    explicit CommitSpy(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::InputMethod) {
            const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
            if (!commit.isEmpty()) {
                commits << commit;
            }
        }
        return false;
    }
    QStringList commits;
};

// Notes each release of F12, a key that does nothing in the program.
class SentinelSpy : public QObject {
  public:
    SentinelSpy() { qApp->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F12) {
            ++releases;
        }
        return false;
    }
    int releases = 0;
};

// Real key presses through the X server (XTEST), as a keyboard makes them.
class RealKeysTest : public MainWindowTest {
  protected:
    // The keys, then F12: the X server delivers events in order, so once F12 is back every
    // earlier key and keyboard change has been handled.
    void Keys(const QStringList& keys) {
        const int before = sentinel.releases;
        ASSERT_EQ(QProcess::execute(
                      "xdotool", QStringList{"key", "--delay", "40"} + keys + QStringList{"F12"}),
                  0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return sentinel.releases > before; }, 30'000));
    }

    void MapKey(const QString& mapping) {
        ASSERT_EQ(QProcess::execute("xmodmap", {"-e", mapping}), 0);
        Keys({});
    }

    CountBox* BoxWith(const QString& text) {
        CountBox* box = Box("txtC");
        box->setText(text);
        box->setFocus();
        EXPECT_TRUE(QTest::qWaitFor([box] { return box->hasFocus(); }));
        return box;
    }

    SentinelSpy sentinel;

    std::size_t InvalidEntryWarnings() const {
        std::size_t count = 0;
        for (const platform::Message& message : recorder.messages) {
            count += message.text == "Invalid Entry" ? 1 : 0;
        }
        EXPECT_EQ(count, recorder.messages.size()) << "another message was shown";
        return count;
    }
};

TEST_F(RealKeysTest, DigitsPassAndOtherCharactersAreRefused) {
    CountBox* box = BoxWith("");
    Keys({"1", "a", "minus", "0", "period", "space", "plus", "5"});
    EXPECT_EQ(box->text(), "105");
    EXPECT_EQ(InvalidEntryWarnings(), 5u);
}

TEST_F(RealKeysTest, CtrlVPastesNothing) {
    QApplication::clipboard()->setText("99");
    CountBox* box = BoxWith("1");
    Keys({"ctrl+v"});
    EXPECT_EQ(box->text(), "1");
    EXPECT_EQ(InvalidEntryWarnings(), 1u);
}

TEST_F(RealKeysTest, CtrlCCopiesNothingAndCtrlASelectsNothing) {
    QApplication::clipboard()->setText("99");
    CountBox* box = BoxWith("123");
    box->setSelection(0, 2);
    Keys({"ctrl+c", "ctrl+a"});
    EXPECT_EQ(QApplication::clipboard()->text(), "99");
    EXPECT_EQ(box->selectedText(), "12");
    EXPECT_EQ(box->text(), "123");
    EXPECT_EQ(InvalidEntryWarnings(), 2u);
}

TEST_F(RealKeysTest, DeleteAndBackspaceErase) {
    CountBox* box = BoxWith("1234");
    Keys({"Home", "Delete", "End", "BackSpace"});
    EXPECT_EQ(box->text(), "23");
    EXPECT_EQ(InvalidEntryWarnings(), 0u);
}

TEST_F(RealKeysTest, ShiftInsertPastesAsItComes) {
    QApplication::clipboard()->setText("x7");
    CountBox* box = BoxWith("1");
    Keys({"shift+Insert"});
    EXPECT_EQ(box->text(), "1x7");
    EXPECT_EQ(InvalidEntryWarnings(), 0u);
}

TEST_F(RealKeysTest, EnterCalculatesEscClearsTabMoves) {
    Box("txtAplus")->setFocus();
    Keys({"3", "Tab", "Tab", "Tab", "1", "Return"});
    EXPECT_EQ(Box("txtB")->text(), "1");
    EXPECT_EQ(Label("Capresult")->text(), "3.75");  // (3 x 4 + 3) / 4
    EXPECT_EQ(Button("cmdcalculate")->text(), "Calculated");
    Keys({"Escape"});
    EXPECT_EQ(BoxTexts(), QStringList(10, QString()));
    EXPECT_EQ(QApplication::focusWidget(), Box("txtAplus"));
    EXPECT_EQ(InvalidEntryWarnings(), 0u);
}

TEST_F(RealKeysTest, AltAAfterACalculationInsertsNothing) {
    Box("txtAplus")->setFocus();
    Keys({"2", "Return", "alt+a"});
    EXPECT_EQ(Button("cmdcalculate")->text(), "Calculated");
    EXPECT_EQ(Box("txtAplus")->text(), "2");
    EXPECT_EQ(InvalidEntryWarnings(), 0u);
}

TEST_F(RealKeysTest, DeadKeyAccentIsRefused) {
    CountBox* box = BoxWith("4");
    MapKey("keycode 251 = dead_acute");
    CommitSpy spy(box);
    Keys({"dead_acute", "e"});
    EXPECT_EQ(spy.commits, QStringList{QStringLiteral("\u00e9")}) << "the accent was composed";
    EXPECT_EQ(box->text(), "4");
    EXPECT_EQ(InvalidEntryWarnings(), 1u);
}

TEST_F(RealKeysTest, FullWidthDigitIsRefused) {
    CountBox* box = BoxWith("4");
    // A keyboard with the key on it: a spare key code carries the full-width digit one.
    MapKey("keycode 250 = UFF11");
    Keys({"UFF11"});
    EXPECT_EQ(box->text(), "4");
    EXPECT_EQ(InvalidEntryWarnings(), 1u);
}

// With the real message box: it appears over the window, Enter closes it, and the focus is back
// in the box.
TEST(RealMessageBox, InvalidEntryIsDismissedWithEnter) {
    frmMain window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, 30'000));
    QLineEdit* txtD = Find<QLineEdit>(&window, "txtD");
    txtD->setFocus();

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box->isActiveWindow() && title.isEmpty()) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            QProcess::startDetached("xdotool", {"key", "Return"});
        }
    });
    poll.start(50);
    QProcess::execute("xdotool", {"key", "x"});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !title.isEmpty() && QApplication::activeModalWidget() == nullptr; }, 30'000));

    EXPECT_EQ(title, "Warning");
    EXPECT_EQ(text, "Invalid Entry");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // The window manager gives the window back its activation, and with it the box its focus.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == txtD; }, 30'000));
    EXPECT_EQ(txtD->text(), "");
}

}  // namespace
