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

// Real key presses through the X server (XTEST), as a keyboard makes them.
class RealKeysTest : public MainWindowTest {
  protected:
    void Keys(const QStringList& keys) {
        ASSERT_EQ(QProcess::execute("xdotool", QStringList{"key", "--delay", "40"} + keys), 0);
        QTest::qWait(250);  // let the events arrive and be handled
    }

    CountBox* BoxWith(const QString& text) {
        window->txtC->setText(text);
        window->txtC->setFocus();
        QTest::qWait(50);
        return window->txtC;
    }

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
    window->txtAplus->setFocus();
    Keys({"3", "Tab", "Tab", "Tab", "1", "Return"});
    EXPECT_EQ(window->txtB->text(), "1");
    EXPECT_EQ(window->Capresult->text(), "3.75");  // (3 x 4 + 3) / 4
    EXPECT_EQ(window->cmdcalculate->text(), "Calculated");
    Keys({"Escape"});
    EXPECT_EQ(BoxTexts(), QStringList(10, QString()));
    EXPECT_EQ(QApplication::focusWidget(), window->txtAplus);
    EXPECT_EQ(InvalidEntryWarnings(), 0u);
}

TEST_F(RealKeysTest, AltAAfterACalculationInsertsNothing) {
    window->txtAplus->setFocus();
    Keys({"2", "Return", "alt+a"});
    EXPECT_EQ(window->cmdcalculate->text(), "Calculated");
    EXPECT_EQ(window->txtAplus->text(), "2");
    EXPECT_EQ(InvalidEntryWarnings(), 0u);
}

TEST_F(RealKeysTest, DeadKeyAccentIsRefused) {
    CountBox* box = BoxWith("4");
    ASSERT_EQ(QProcess::execute("xmodmap", {"-e", "keycode 251 = dead_acute"}), 0);
    QTest::qWait(300);
    CommitSpy spy(box);
    Keys({"dead_acute", "e"});
    EXPECT_EQ(spy.commits, QStringList{QStringLiteral("\u00e9")}) << "the accent was composed";
    EXPECT_EQ(box->text(), "4");
    EXPECT_EQ(InvalidEntryWarnings(), 1u);
}

TEST_F(RealKeysTest, FullWidthDigitIsRefused) {
    CountBox* box = BoxWith("4");
    // A keyboard with the key on it: a spare key code carries the full-width digit one.
    ASSERT_EQ(QProcess::execute("xmodmap", {"-e", "keycode 250 = UFF11"}), 0);
    QTest::qWait(300);
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
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.txtD->setFocus();

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
    QTest::qWait(1000);

    EXPECT_EQ(title, "Warning");
    EXPECT_EQ(text, "Invalid Entry");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), window.txtD);
    EXPECT_EQ(window.txtD->text(), "");
}

}  // namespace
