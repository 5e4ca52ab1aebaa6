// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAction>
#include <QTimer>

#include "app/WindowTestSupport.h"

namespace {

class ResetCommandsTest : public MainWindowTest {
  protected:
    void CalculateTwelveStudents() {
        Type(Box("txtAplus"), "4");
        Type(Box("txtB"), "8");
        QTest::keyClick(Box("txtB"), Qt::Key_Return);
        ASSERT_EQ(Label("capStudents")->text(), "12");
    }

    void ExpectEmptyExceptTotal(const QString& total) {
        EXPECT_EQ(BoxTexts(), QStringList(10, QString()));
        EXPECT_EQ(PercentTexts(), QStringList(10, QString()));
        EXPECT_EQ(Label("Capresult")->text(), "");
        EXPECT_EQ(Label("capStudents")->text(), total);
        EXPECT_EQ(Button("cmdcalculate")->text(), "Calculate");
        EXPECT_EQ(QApplication::focusWidget(), Box("txtAplus"));
    }
};

TEST_F(ResetCommandsTest, ClearOnAFreshWindowOnlyDropsTheAccessKey) {
    Button("CmdClear")->setFocus();
    QTest::mouseClick(Button("CmdClear"), Qt::LeftButton);
    ExpectEmptyExceptTotal("");
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ResetCommandsTest, ClearButtonAndAltCEmptyEverything) {
    CalculateTwelveStudents();
    QTest::mouseClick(Button("CmdClear"), Qt::LeftButton);
    ExpectEmptyExceptTotal("");

    CalculateTwelveStudents();
    QTest::keyClick(Box("txtB"), Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Label("capStudents")->text().isEmpty(); }));
    ExpectEmptyExceptTotal("");
}

TEST_F(ResetCommandsTest, EscFromAButtonClearsToo) {
    CalculateTwelveStudents();
    Button("CmdExit")->setFocus();
    QTest::keyClick(Button("CmdExit"), Qt::Key_Escape);
    ExpectEmptyExceptTotal("");
}

TEST_F(ResetCommandsTest, NewKeepsTheTotalUntilTheNextClear) {
    CalculateTwelveStudents();
    QTest::keyClick(Box("txtB"), Qt::Key_F1);
    ExpectEmptyExceptTotal("12");

    // An empty entry now warns, and the old total still stands.
    QTest::keyClick(Box("txtAplus"), Qt::Key_Return);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(Label("capStudents")->text(), "12");

    Action("mnuFileNew")->trigger();
    ExpectEmptyExceptTotal("12");
    QTest::keyClick(Box("txtAplus"), Qt::Key_Escape);
    ExpectEmptyExceptTotal("");
}

TEST_F(ResetCommandsTest, AfterClearAltAIsDeadButEnterStillCalculates) {
    QTest::keyClick(Box("txtAplus"), Qt::Key_Escape);
    Type(Box("txtAplus"), "3");
    QTest::keyClick(Box("txtAplus"), Qt::Key_A, Qt::AltModifier);
    WaitPastTimersOf(200);  // the time an access key would take to press its button
    EXPECT_EQ(Label("Capresult")->text(), "");
    QTest::keyClick(Box("txtAplus"), Qt::Key_Return);
    EXPECT_EQ(Label("Capresult")->text(), "4");
}

TEST_F(ResetCommandsTest, PrintWithNoPrinterSaysSoAndChangesNothing) {
    CalculateTwelveStudents();
    QTest::keyClick(Box("txtB"), Qt::Key_F2);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text,
              "The window could not be printed because no printer is available.");
    EXPECT_EQ(recorder.messages[0].title, "Vantrel");
    EXPECT_EQ(recorder.messages[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(Label("capStudents")->text(), "12");
}

// Each way of exiting ends the event loop at once; a stuck one fails after two seconds.
class ExitCommand : public MainWindowTest,
                    public ::testing::WithParamInterface<std::function<void(frmMain&)>> {};

TEST_P(ExitCommand, EndsTheProgram) {
    QTimer::singleShot(0, window.get(), [this] { GetParam()(*window); });
    QTimer::singleShot(2000, [] { QApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
}

std::string ExitName(const ::testing::TestParamInfo<ExitCommand::ParamType>& info) {
    static const char* const names[] = {"ExitButton", "AltX", "F9", "FileExit"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ExitCommand,
    ::testing::Values(
        [](frmMain& w) { QTest::mouseClick(Find<QPushButton>(&w, "CmdExit"), Qt::LeftButton); },
        [](frmMain& w) { QTest::keyClick(Find(&w, "txtC"), Qt::Key_X, Qt::AltModifier); },
        [](frmMain& w) { QTest::keyClick(Find(&w, "txtC"), Qt::Key_F9); },
        [](frmMain& w) { Find<QAction>(&w, "mnuFileExit")->trigger(); }),
    ExitName);

}  // namespace
