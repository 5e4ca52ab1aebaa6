// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QClipboard>
#include <QInputMethodEvent>

#include "app/CountBoxKeyFilter.h"
#include "app/WindowTestSupport.h"

namespace {

// Every character there is, and past the last one: a character outside the 16-bit range must
// not pass as the digit it would wrap to.
TEST(CountBoxKeyFilter, TakesOnlyBackspaceAndTheTenDigits) {
    for (char32_t character = 0; character <= 0x11FFFF; ++character) {
        const bool taken = character == 8 || (character >= U'0' && character <= U'9');
        ASSERT_EQ(CountBoxKeyFilter(character), taken)
            << "U+" << std::hex << static_cast<std::uint32_t>(character);
    }
}

class KeyFilterTest : public MainWindowTest {
  protected:
    std::size_t Warnings() const {
        for (const platform::Message& message : recorder.messages) {
            EXPECT_EQ(message.text, "Invalid Entry");
            EXPECT_EQ(message.title, "Warning");
            EXPECT_EQ(message.icon, platform::MessageIcon::None);
        }
        return recorder.messages.size();
    }

    // Puts text into a box with the caret at its end, as typing would leave it.
    CountBox* BoxWith(const QString& text) {
        Box("txtB")->setText(text);
        Box("txtB")->setFocus();
        return Box("txtB");
    }
};

TEST_F(KeyFilterTest, DigitsAreTypedInEveryBox) {
    for (CountBox* box : CountBoxes()) {
        Type(box, "105");
        EXPECT_EQ(box->text(), "105") << box->objectName().toStdString();
    }
    Type(Box("txtF"), "007");
    EXPECT_EQ(Box("txtF")->text(), "105007");
    EXPECT_EQ(Warnings(), 0u);
}

TEST_F(KeyFilterTest, EveryBoxRefusesOtherCharactersOnceEach) {
    const QString refused = "-+. a,xE";
    for (CountBox* box : CountBoxes()) {
        recorder.messages.clear();
        Type(box, "1" + refused + "2");
        EXPECT_EQ(box->text(), "12") << box->objectName().toStdString();
        EXPECT_EQ(Warnings(), static_cast<std::size_t>(refused.size()));
        EXPECT_EQ(QApplication::focusWidget(), box);
    }
}

TEST_F(KeyFilterTest, ARefusedKeyKeepsTheSelectionAndCaret) {
    CountBox* box = BoxWith("12345");
    box->setSelection(1, 3);
    QTest::keyClick(box, Qt::Key_Minus, Qt::NoModifier);
    EXPECT_EQ(box->text(), "12345");
    EXPECT_EQ(box->selectionStart(), 1);
    EXPECT_EQ(box->selectedText(), "234");
    EXPECT_EQ(box->cursorPosition(), 4);
    EXPECT_EQ(Warnings(), 1u);

    QTest::keyClick(box, Qt::Key_9);  // a digit replaces the selection as usual
    EXPECT_EQ(box->text(), "195");
}

struct ControlKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};
void PrintTo(const ControlKey& k, std::ostream* out) {
    *out << k.name;
}

class ControlLetter : public KeyFilterTest, public ::testing::WithParamInterface<ControlKey> {};

// Qt's line edit treats these as copy, paste, cut, select-all, undo and delete-word; in a count
// box they are typed control characters and are refused.
TEST_P(ControlLetter, IsARefusedCharacterAndDoesNothingElse) {
    QApplication::clipboard()->setText("99");
    CountBox* box = BoxWith("");
    QTest::keyClicks(box, "12");  // leaves something for undo
    box->setSelection(0, 1);
    QTest::keyClick(box, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(box->text(), "12");
    EXPECT_EQ(box->selectedText(), "1");
    EXPECT_EQ(QApplication::clipboard()->text(), "99");
    EXPECT_EQ(Warnings(), 1u);
}
INSTANTIATE_TEST_SUITE_P(
    Keys, ControlLetter,
    ::testing::Values(ControlKey{Qt::Key_V, Qt::ControlModifier, "CtrlV"},
                      ControlKey{Qt::Key_C, Qt::ControlModifier, "CtrlC"},
                      ControlKey{Qt::Key_X, Qt::ControlModifier, "CtrlX"},
                      ControlKey{Qt::Key_A, Qt::ControlModifier, "CtrlA"},
                      ControlKey{Qt::Key_Z, Qt::ControlModifier, "CtrlZ"},
                      ControlKey{Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "CtrlShiftZ"},
                      ControlKey{Qt::Key_Y, Qt::ControlModifier, "CtrlY"},
                      ControlKey{Qt::Key_Backspace, Qt::ControlModifier, "CtrlBackspace"}),
    [](const ::testing::TestParamInfo<ControlKey>& info) { return std::string(info.param.name); });

TEST_F(KeyFilterTest, RealKeyboardControlCodesAreRefusedToo) {
    CountBox* box = BoxWith("12");
    QApplication::clipboard()->setText("99");
    // Under X, Ctrl+V arrives with the control code as its text.
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
    EXPECT_EQ(box->text(), "12");
    EXPECT_EQ(Warnings(), 1u);
}

TEST_F(KeyFilterTest, KeysThatMakeNoCharacterAreNotExamined) {
    CountBox* box = BoxWith("1234");
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text(), "234");
    // Under X, Delete carries the code 0x7f; it still only deletes.
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
    EXPECT_EQ(box->text(), "34");
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "3");
    QTest::keyClick(box, Qt::Key_H, Qt::ControlModifier);  // Ctrl+H types a Backspace
    EXPECT_EQ(box->text(), "");
    QTest::keyClick(box, Qt::Key_F3);
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(Warnings(), 0u);
}

TEST_F(KeyFilterTest, PastingWithShiftInsertIsNotExamined) {
    QApplication::clipboard()->setText("abc");
    CountBox* box = BoxWith("1");
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), "1abc");
    EXPECT_EQ(Warnings(), 0u);
}

TEST_F(KeyFilterTest, AltLetterWithNoAccessKeyInsertsNothing) {
    Type(Box("txtAplus"), "5");
    QTest::keyClick(Box("txtAplus"), Qt::Key_Return);
    ASSERT_EQ(Button("cmdcalculate")->text(), "Calculated");
    QTest::keyClick(Box("txtAplus"), Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(Box("txtAplus"), Qt::Key_Q, Qt::AltModifier);
    WaitPastTimersOf(200);  // the time an access key would take to press its button
    EXPECT_EQ(Box("txtAplus")->text(), "5");
    EXPECT_EQ(Warnings(), 0u);
}

TEST_F(KeyFilterTest, FullWidthDigitIsRefused) {
    CountBox* box = BoxWith("1");
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_1, QString(QChar(0xFF11)), Qt::NoModifier);
    EXPECT_EQ(box->text(), "1");
    EXPECT_EQ(Warnings(), 1u);
}

TEST_F(KeyFilterTest, InputMethodTextIsFilteredLikeTypedText) {
    CountBox* box = BoxWith("1");
    QInputMethodEvent accent;
    accent.setCommitString(QStringLiteral("\u00e9"));  // a dead key and e
    QApplication::sendEvent(box, &accent);
    EXPECT_EQ(box->text(), "1");
    EXPECT_EQ(Warnings(), 1u);

    QInputMethodEvent digit;
    digit.setCommitString(QStringLiteral("2"));
    QApplication::sendEvent(box, &digit);
    EXPECT_EQ(box->text(), "12");
    EXPECT_EQ(Warnings(), 1u);
}

TEST_F(KeyFilterTest, ACharacterBeyondSixteenBitsIsOneCharacter) {
    CountBox* box = BoxWith("1");
    QInputMethodEvent emoji;
    emoji.setCommitString(QString::fromUcs4(U"\U0001F600"));
    QApplication::sendEvent(box, &emoji);
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key(0x10030), QString::fromUcs4(U"\U00010030"),
                        Qt::NoModifier);  // wraps to "0" in 16 bits
    EXPECT_EQ(box->text(), "1");
    EXPECT_EQ(Warnings(), 2u);
}

TEST_F(KeyFilterTest, AnInputMethodCommitIsJudgedCharacterByCharacter) {
    CountBox* box = BoxWith("1");
    QInputMethodEvent mixed;
    mixed.setCommitString(QStringLiteral("2a3\u00e94"));
    QApplication::sendEvent(box, &mixed);
    EXPECT_EQ(box->text(), "1234");
    EXPECT_EQ(Warnings(), 2u);
}

// The filter lets Backspace through, but in a commit it is no text: it must not stand in the box.
TEST_F(KeyFilterTest, AnInputMethodCommitPutsInItsDigitsAlone) {
    CountBox* box = BoxWith("1");
    for (const QString& commit :
         {QStringLiteral("\b"), QStringLiteral("2\b"), QStringLiteral("3\bx")}) {
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(box, &event);
    }
    EXPECT_EQ(box->text(), "123");
    EXPECT_EQ(Warnings(), 1u);
}

TEST_F(KeyFilterTest, EnterAndEscNeverWarn) {
    for (CountBox* box : CountBoxes()) {
        Box("txtF")->setText("1");
        Type(box, "2");
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(Button("cmdcalculate")->text(), "Calculated");
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_EQ(Box("txtF")->text(), "");
    }
    EXPECT_EQ(Warnings(), 0u);
}

TEST_F(KeyFilterTest, ABoxTakesTextOfAnyLength) {
    CountBox* box = BoxWith(QString(100'000, '1'));
    QTest::keyClick(box, Qt::Key_2);
    EXPECT_EQ(box->text().size(), 100'001);
}

}  // namespace
