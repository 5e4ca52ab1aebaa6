// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QClipboard>

#include "app/WindowTestSupport.h"

namespace {

const QString kMissingEntry = "Please enter the number of students according to their grades";

QStringList Repeat(const QString& text, int times) {
    return QStringList(times, text);
}

class CalculateTest : public MainWindowTest {
  protected:
    // Puts a text into a box as a paste would, bypassing the keyboard.
    void Paste(QLineEdit* box, const QString& text) { box->setText(text); }

    void PressEnterIn(QLineEdit* box) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
    }

    void ExpectMissingEntryWarning() {
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, kMissingEntry);
        EXPECT_EQ(recorder.messages[0].title, "Warning");
        EXPECT_EQ(recorder.messages[0].icon, platform::MessageIcon::Warning);
    }

    void ExpectInvalidEntryWarning() {
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, "Invalid Entry");
        EXPECT_EQ(recorder.messages[0].title, "Warning");
        EXPECT_EQ(recorder.messages[0].icon, platform::MessageIcon::None);
    }

    void ExpectUntouchedWindow() {
        EXPECT_EQ(PercentTexts(), Repeat("", 10));
        EXPECT_EQ(Label("Capresult")->text(), "");
        EXPECT_EQ(Label("capStudents")->text(), "");
        EXPECT_EQ(Button("cmdcalculate")->text(), "C&alculate");
    }
};

TEST_F(CalculateTest, EnterInABoxShowsTheResultsAndFillsEmptyBoxes) {
    Type(Box("txtAplus"), "10");
    QTest::keyClick(Box("txtAplus"), Qt::Key_Return);

    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(Label("Capresult")->text(), "4");
    EXPECT_EQ(Label("capStudents")->text(), "10");
    EXPECT_EQ(PercentTexts(), QStringList({"100.00%"}) + Repeat("0.00%", 9));
    EXPECT_EQ(BoxTexts(), QStringList({"10"}) + Repeat("0", 9));
    EXPECT_EQ(Button("cmdcalculate")->text(), "Calculated");
}

TEST_F(CalculateTest, KeypadEnterAndEveryBoxRunIt) {
    for (QLineEdit* box : CountBoxes()) {
        Box("txtD")->setText("1");
        Box("txtF")->setText("1");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(Label("Capresult")->text(), "0.5") << box->objectName().toStdString();
        Label("Capresult")->clear();
    }
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(CalculateTest, ClickingTheButtonWorksLikeEnter) {
    Type(Box("txtD"), "1");
    Type(Box("txtF"), "1");
    QTest::mouseClick(Button("cmdcalculate"), Qt::LeftButton);
    EXPECT_EQ(Label("Capresult")->text(), "0.5");
    EXPECT_EQ(Label("capStudents")->text(), "2");
    EXPECT_EQ(Label("capD")->text(), "50.00%");
    EXPECT_EQ(Label("capF")->text(), "50.00%");
    EXPECT_EQ(Label("capIC")->text(), "0.00%");
}

TEST_F(CalculateTest, AltAPressesItOnlyWhileTheCaptionHasItsAccessKey) {
    // An access key presses its button after the button's short pressed-down animation.
    Type(Box("txtAplus"), "2");
    QTest::keyClick(Box("txtAplus"), Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Label("Capresult")->text() == "4"; }));
    EXPECT_EQ(Button("cmdcalculate")->text(), "Calculated");

    Label("Capresult")->clear();
    QTest::keyClick(Box("txtAplus"), Qt::Key_A, Qt::AltModifier);
    WaitPastTimersOf(200);  // the time an access key would take to press its button
    EXPECT_EQ(Label("Capresult")->text(), "");
}

TEST_F(CalculateTest, EnterOnAnotherButtonPressesThatButton) {
    Type(Box("txtAplus"), "3");
    Button("CmdClear")->setFocus();
    QTest::keyClick(Button("CmdClear"), Qt::Key_Return);
    EXPECT_EQ(Label("Capresult")->text(), "");
    EXPECT_EQ(Box("txtAplus")->text(), "") << "Clear ran";
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(CalculateTest, AllBoxesEmptyIsAMissingEntry) {
    PressEnterIn(Box("txtB"));
    ExpectMissingEntryWarning();
    EXPECT_EQ(BoxTexts(), Repeat("", 10));
    ExpectUntouchedWindow();
}

TEST_F(CalculateTest, NineZerosAreAMissingEntryWhateverIcHolds) {
    const auto boxes = CountBoxes();
    for (std::size_t i = 0; i < 9; ++i) {
        Type(boxes[i], "0");
    }
    Type(Box("txtIC"), "3");
    PressEnterIn(Box("txtIC"));
    ExpectMissingEntryWarning();
    EXPECT_EQ(BoxTexts(), Repeat("0", 9) + QStringList{"3"});
    ExpectUntouchedWindow();
}

TEST_F(CalculateTest, IcAloneIsAMissingEntry) {
    Type(Box("txtIC"), "7");
    PressEnterIn(Box("txtIC"));
    ExpectMissingEntryWarning();
    EXPECT_EQ(BoxTexts(), Repeat("", 9) + QStringList{"7"});
}

TEST_F(CalculateTest, NoGradedStudentIsTreatedAsAMissingEntry) {
    Type(Box("txtAplus"), "0");
    Type(Box("txtIC"), "4");
    PressEnterIn(Box("txtIC"));
    ExpectMissingEntryWarning();
    EXPECT_EQ(BoxTexts(), QStringList{"0"} + Repeat("", 8) + QStringList{"4"});
    ExpectUntouchedWindow();
}

TEST_F(CalculateTest, AWarningAfterAResultLeavesTheResultOnDisplay) {
    Type(Box("txtAplus"), "4");
    Type(Box("txtB"), "3");
    Type(Box("txtF"), "1");
    PressEnterIn(Box("txtF"));
    ASSERT_EQ(Label("Capresult")->text(), "3.12");
    const QStringList percents = PercentTexts();

    for (QLineEdit* box : CountBoxes()) {
        box->clear();
    }
    PressEnterIn(Box("txtAplus"));
    ExpectMissingEntryWarning();
    EXPECT_EQ(Label("Capresult")->text(), "3.12");
    EXPECT_EQ(Label("capStudents")->text(), "8");
    EXPECT_EQ(PercentTexts(), percents);
    EXPECT_EQ(Button("cmdcalculate")->text(), "Calculated");
}

TEST_F(CalculateTest, RunningTwiceGivesTheSameTexts) {
    Type(Box("txtAplus"), "1");
    Type(Box("txtCplus"), "31");
    PressEnterIn(Box("txtCplus"));
    const QStringList first = PercentTexts()
                              << Label("Capresult")->text() << Label("capStudents")->text();
    PressEnterIn(Box("txtCplus"));
    EXPECT_EQ(PercentTexts() << Label("Capresult")->text() << Label("capStudents")->text(), first);
    EXPECT_EQ(Label("capAplus")->text(), "3.13%");
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(CalculateTest, LeadingZerosStayInTheBox) {
    Type(Box("txtAplus"), "007");
    PressEnterIn(Box("txtAplus"));
    EXPECT_EQ(Box("txtAplus")->text(), "007");
    EXPECT_EQ(Label("capStudents")->text(), "7");
}

TEST_F(CalculateTest, PastedNegativeCountIsRefusedAndChangesNothing) {
    Paste(Box("txtAplus"), "5");
    Paste(Box("txtF"), "-1");
    PressEnterIn(Box("txtAplus"));
    ExpectInvalidEntryWarning();
    EXPECT_EQ(BoxTexts(), QStringList({"5"}) + Repeat("", 7) + QStringList({"-1", ""}));
    ExpectUntouchedWindow();
}

TEST_F(CalculateTest, CountTooLargeForADoubleIsRefused) {
    Paste(Box("txtB"), QString(400, '9'));
    PressEnterIn(Box("txtB"));
    ExpectInvalidEntryWarning();
    ExpectUntouchedWindow();
}

TEST_F(CalculateTest, PastedTextIsReadLeniently) {
    Paste(Box("txtAplus"), " 1 2abc");
    Paste(Box("txtA"), "&H4");
    PressEnterIn(Box("txtAplus"));
    EXPECT_EQ(Label("capStudents")->text(), "16");
    EXPECT_EQ(Box("txtAplus")->text(), " 1 2abc");
    EXPECT_EQ(Label("Capresult")->text(), "3.94");  // (48 + 15) / 16 = 3.9375
}

// Only an empty box is filled with 0; one with any text, even spaces alone, keeps it.
TEST_F(CalculateTest, ABoxOfSpacesCountsNoneAndKeepsItsText) {
    Paste(Box("txtAplus"), "2");
    Paste(Box("txtB"), "   ");
    PressEnterIn(Box("txtAplus"));
    EXPECT_EQ(Label("capStudents")->text(), "2");
    EXPECT_EQ(BoxTexts(), QStringList({"2", "0", "0", "   "}) + Repeat("0", 6));
}

TEST_F(CalculateTest, AMegabyteBoxIsReadWhole) {
    const QString digits(1 << 20, '0');
    Paste(Box("txtC"), digits + "5");
    ASSERT_EQ(Box("txtC")->text().size(), digits.size() + 1);
    PressEnterIn(Box("txtC"));
    EXPECT_EQ(Label("capStudents")->text(), "5");
    EXPECT_EQ(Label("Capresult")->text(), "2");
}

// A megabyte pasted with Shift+Insert, then Enter: read whole, never a crash.
TEST_F(CalculateTest, PastedMegabytesGiveTheRightAnswer) {
    struct PasteCase {
        QString pasted;
        QString gpa;  // empty: refused with "Invalid Entry"
    };
    const QString megabyte(1 << 20, '7');
    const PasteCase cases[] = {
        {megabyte, ""},                                                    // too large for a double
        {"12abc" + QString(1 << 20, 'x'), "4"},                            // mixed text stops early
        {QString(1 << 20, '0') + "3", "4"},                                // leading zeros
        {"1" + QString(1 << 19, ' ') + "2" + megabyte.left(1 << 19), ""},  // spaced digits
    };
    for (const PasteCase& c : cases) {
        recorder.messages.clear();
        Box("txtAplus")->clear();
        QApplication::clipboard()->setText(c.pasted);
        Box("txtAplus")->setFocus();
        QTest::keyClick(Box("txtAplus"), Qt::Key_Insert, Qt::ShiftModifier);
        ASSERT_EQ(Box("txtAplus")->text().size(), c.pasted.size());
        QTest::keyClick(Box("txtAplus"), Qt::Key_Return);
        if (c.gpa.isEmpty()) {
            ExpectInvalidEntryWarning();
        } else {
            EXPECT_TRUE(recorder.messages.empty());
            EXPECT_EQ(Label("Capresult")->text(), c.gpa);
        }
    }
}

TEST_F(CalculateTest, EscInABoxClearsEverything) {
    Type(Box("txtAplus"), "4");
    PressEnterIn(Box("txtAplus"));
    Box("txtD")->setFocus();
    QTest::keyClick(Box("txtD"), Qt::Key_Escape);
    EXPECT_EQ(BoxTexts(), Repeat("", 10));
    EXPECT_EQ(Label("Capresult")->text(), "");
    EXPECT_EQ(Label("capStudents")->text(), "");
    EXPECT_EQ(Button("cmdcalculate")->text(), "Calculate");
    EXPECT_EQ(QApplication::focusWidget(), Box("txtAplus"));
    EXPECT_TRUE(recorder.messages.empty());
}

}  // namespace
