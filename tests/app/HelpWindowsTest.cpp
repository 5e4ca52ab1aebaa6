// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAction>

#include "app/WindowTestSupport.h"
#include "help/frmAbout.h"
#include "help/frmInst.h"
#include "platform/StandInRegistry.h"

namespace {

class HelpWindowsTest : public MainWindowTest {};

TEST_F(HelpWindowsTest, InstructionsTextIsTheFourSentencesWithTheirRunsOfSpaces) {
    const QString text = frmInst::InstructionsText();
    EXPECT_EQ(text.size(), 724);
    EXPECT_FALSE(text.contains('\n'));
    const QStringList starts{"1. Fill in", "2. It will assume \"0\"", "3.  Mouse OR Tab",
                             "4. Clear button"};
    qsizetype previous = -1;
    for (const QString& start : starts) {
        const qsizetype at = text.indexOf(start);
        ASSERT_GT(at, previous) << start.toStdString();
        previous = at;
    }
    EXPECT_TRUE(text.contains("Enter key." + QString(114, ' ') + "2."));
    EXPECT_TRUE(text.contains("unfilled boxes." + QString(113, ' ') + "3."));
    EXPECT_TRUE(text.contains("next box." + QString(109, ' ') + "4."));
    EXPECT_TRUE(text.endsWith("current GPA value."));
}

TEST_F(HelpWindowsTest, F5OpensOneInstructionsWindowAndOkUnloadsIt) {
    QTest::keyClick(Box("txtAplus"), Qt::Key_F5);
    QPointer<frmInst> first = OpenWindow<frmInst>("frmInst");
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), "How to use...");
    EXPECT_EQ(first->size(), QSize(6030 / 15, 1965 / 15));
    EXPECT_EQ(Find<QPushButton>(first, "OKButton")->geometry(), QRect(312, 96, 81, 25));
    EXPECT_EQ(Find<QLabel>(first, "lblInst")->geometry(), QRect(8, 0, 305, 129));
    EXPECT_EQ(first->parentWidget(), nullptr);

    window->activateWindow();
    QTest::keyClick(Box("txtAplus"), Qt::Key_F5);
    EXPECT_EQ(OpenWindow<frmInst>("frmInst"), first)
        << "a second F5 brings the same window forward";

    QTest::mouseClick(Find<QPushButton>(first, "OKButton"), Qt::LeftButton);
    DeleteClosedWindows();
    EXPECT_EQ(first, nullptr) << "OK unloads the window";
    Action("mnuHelpInst")->trigger();
    EXPECT_NE(OpenWindow<frmInst>("frmInst"), nullptr);
}

TEST_F(HelpWindowsTest, EscDoesNothingInTheInstructionsWindowButEnterCloses) {
    Action("mnuHelpInst")->trigger();
    QPointer<frmInst> inst = OpenWindow<frmInst>("frmInst");
    ASSERT_TRUE(QTest::qWaitForWindowActive(inst));
    QTest::keyClick(Find<QPushButton>(inst, "OKButton"), Qt::Key_Escape);
    DeleteClosedWindows();
    ASSERT_NE(inst, nullptr);
    EXPECT_TRUE(inst->isVisible());
    QTest::keyClick(Find<QPushButton>(inst, "OKButton"), Qt::Key_Return);
    DeleteClosedWindows();
    EXPECT_EQ(inst, nullptr);
}

TEST_F(HelpWindowsTest, AboutWindowShowsTitleVersionAndClosesWithEscOrEnter) {
    QTest::keyClick(Box("txtAplus"), Qt::Key_F6);
    QPointer<frmAbout> about = OpenWindow<frmAbout>("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About Vantrel");
    EXPECT_EQ(Find<QLabel>(about, "lblTitle")->text(), "Vantrel");
    EXPECT_EQ(Find<QLabel>(about, "lblVersion")->text(), "Version 1.0.1");
    EXPECT_TRUE(Find<QLabel>(about, "lblDescription")
                    ->text()
                    .startsWith("Vantrel made by Ketharin E-Mail: "));
    EXPECT_EQ(Find<QPushButton>(about, "cmdSysInfo")->text(), "&System Info...");
    EXPECT_EQ(about->size(), QSize(5550 / 15, 3480 / 15));
    EXPECT_EQ(Find<QPushButton>(about, "cmdOK")->geometry(), QRect(282, 176, 84, 23));
    EXPECT_EQ(Find<QPushButton>(about, "cmdSysInfo")->geometry(), QRect(284, 205, 83, 23));
    EXPECT_TRUE(Find<QPushButton>(about, "cmdOK")->isDefault());

    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    QTest::keyClick(Find<QPushButton>(about, "cmdOK"), Qt::Key_Escape);
    DeleteClosedWindows();
    EXPECT_EQ(about, nullptr);

    Action("mnuHelpAbout")->trigger();
    about = OpenWindow<frmAbout>("frmAbout");
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    EXPECT_EQ(about->windowTitle(), "About Vantrel");
    QTest::keyClick(Find<QPushButton>(about, "cmdOK"), Qt::Key_Return);
    DeleteClosedWindows();
    EXPECT_EQ(about, nullptr);
}

TEST_F(HelpWindowsTest, MainWindowWorksWhileBothHelpWindowsAreOpen) {
    Action("mnuHelpInst")->trigger();
    Action("mnuHelpAbout")->trigger();
    ASSERT_NE(OpenWindow<frmInst>("frmInst"), nullptr);
    ASSERT_NE(OpenWindow<frmAbout>("frmAbout"), nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Type(Box("txtAplus"), "3");
    QTest::keyClick(Box("txtAplus"), Qt::Key_Return);
    EXPECT_EQ(Label("Capresult")->text(), "4");
}

TEST_F(HelpWindowsTest, AboutControlsStandWhereTheDesignPutsThemAndTabInOrder) {
    Action("mnuHelpAbout")->trigger();
    frmAbout* about = OpenWindow<frmAbout>("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(Find<QLabel>(about, "Picture1")->geometry(), QRect(14, 14, 36, 37));
    EXPECT_EQ(Find<QLabel>(about, "lblTitle")->geometry(), QRect(70, 16, 259, 32));
    EXPECT_EQ(Find<QLabel>(about, "lblVersion")->geometry(), QRect(70, 52, 259, 15));
    EXPECT_EQ(Find<QLabel>(about, "lblDescription")->geometry(), QRect(70, 75, 203, 46));
    EXPECT_EQ(Find<QLabel>(about, "lblDisclaimer")->geometry(), QRect(8, 152, 266, 79));
    EXPECT_FALSE(Find<QLabel>(about, "Picture1")->pixmap().isNull());

    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    EXPECT_EQ(QApplication::focusWidget(), Find<QPushButton>(about, "cmdOK"));
    for (const char* next : {"cmdSysInfo", "Picture1", "cmdOK"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Find(about, next)) << next;
    }
}

class SystemInfoButtonTest : public HelpWindowsTest {
  protected:
    void SetUp() override {
        HelpWindowsTest::SetUp();
        platform::registry::SetStandInContent({});  // no system-information tool anywhere
        Action("mnuHelpAbout")->trigger();
        about = OpenWindow<frmAbout>("frmAbout");
        ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    }
    void TearDown() override { platform::registry::RestoreDesktopRegistry(); }

    void ExpectUnavailableMessages(std::size_t count) {
        ASSERT_EQ(recorder.messages.size(), count);
        for (const platform::Message& message : recorder.messages) {
            EXPECT_EQ(message.text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(message.title, "Vantrel");
            EXPECT_EQ(message.icon, platform::MessageIcon::None);
        }
        ASSERT_NE(about, nullptr) << "the About window stays open";
        EXPECT_TRUE(about->isVisible());
    }

    QPointer<frmAbout> about;
};

TEST_F(SystemInfoButtonTest, ClickWithNoToolSaysItIsUnavailable) {
    QTest::mouseClick(Find<QPushButton>(about, "cmdSysInfo"), Qt::LeftButton);
    ExpectUnavailableMessages(1);
}

TEST_F(SystemInfoButtonTest, EnterPressesSystemInfoWhileItHasTheFocus) {
    Find<QPushButton>(about, "cmdSysInfo")->setFocus();
    QTest::keyClick(Find<QPushButton>(about, "cmdSysInfo"), Qt::Key_Return);
    ExpectUnavailableMessages(1);
}

TEST_F(SystemInfoButtonTest, AltSPressesSystemInfo) {
    QTest::keyClick(Find<QPushButton>(about, "cmdOK"), Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.messages.empty(); }));
    ExpectUnavailableMessages(1);
}

}  // namespace
