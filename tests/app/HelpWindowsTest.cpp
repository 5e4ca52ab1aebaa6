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
    QTest::keyClick(window->txtAplus, Qt::Key_F5);
    QPointer<frmInst> first = window->instructionsWindow;
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), "How to use...");
    EXPECT_EQ(first->size(), QSize(6030 / 15, 1965 / 15));
    EXPECT_EQ(first->OKButton->geometry(), QRect(312, 96, 81, 25));
    EXPECT_EQ(first->lblInst->geometry(), QRect(8, 0, 305, 129));
    EXPECT_EQ(first->parentWidget(), nullptr);

    window->activateWindow();
    QTest::keyClick(window->txtAplus, Qt::Key_F5);
    EXPECT_EQ(window->instructionsWindow, first) << "a second F5 brings the same window forward";

    QTest::mouseClick(first->OKButton, Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_EQ(first, nullptr) << "OK unloads the window";
    window->mnuHelpInst->trigger();
    EXPECT_NE(window->instructionsWindow, nullptr);
}

TEST_F(HelpWindowsTest, EscDoesNothingInTheInstructionsWindowButEnterCloses) {
    window->mnuHelpInst->trigger();
    QPointer<frmInst> inst = window->instructionsWindow;
    ASSERT_TRUE(QTest::qWaitForWindowActive(inst));
    QTest::keyClick(inst->OKButton, Qt::Key_Escape);
    QTest::qWait(50);
    ASSERT_NE(inst, nullptr);
    EXPECT_TRUE(inst->isVisible());
    QTest::keyClick(inst->OKButton, Qt::Key_Return);
    QTest::qWait(50);
    EXPECT_EQ(inst, nullptr);
}

TEST_F(HelpWindowsTest, AboutWindowShowsTitleVersionAndClosesWithEscOrEnter) {
    QTest::keyClick(window->txtAplus, Qt::Key_F6);
    QPointer<frmAbout> about = window->aboutWindow;
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About Vantrel");
    EXPECT_EQ(about->lblTitle->text(), "Vantrel");
    EXPECT_EQ(about->lblVersion->text(), "Version 1.0.1");
    EXPECT_TRUE(about->lblDescription->text().startsWith("Vantrel made by Ketharin E-Mail: "));
    EXPECT_EQ(about->cmdSysInfo->text(), "&System Info...");
    EXPECT_EQ(about->size(), QSize(5550 / 15, 3480 / 15));
    EXPECT_EQ(about->cmdOK->geometry(), QRect(282, 176, 84, 23));
    EXPECT_EQ(about->cmdSysInfo->geometry(), QRect(284, 205, 83, 23));
    EXPECT_TRUE(about->cmdOK->isDefault());

    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about->cmdOK, Qt::Key_Escape);
    QTest::qWait(50);
    EXPECT_EQ(about, nullptr);

    window->mnuHelpAbout->trigger();
    about = window->aboutWindow;
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    EXPECT_EQ(about->windowTitle(), "About Vantrel");
    QTest::keyClick(about->cmdOK, Qt::Key_Return);
    QTest::qWait(50);
    EXPECT_EQ(about, nullptr);
}

TEST_F(HelpWindowsTest, MainWindowWorksWhileBothHelpWindowsAreOpen) {
    window->mnuHelpInst->trigger();
    window->mnuHelpAbout->trigger();
    ASSERT_NE(window->instructionsWindow, nullptr);
    ASSERT_NE(window->aboutWindow, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Type(window->txtAplus, "3");
    QTest::keyClick(window->txtAplus, Qt::Key_Return);
    EXPECT_EQ(window->Capresult->text(), "4");
}

TEST_F(HelpWindowsTest, AboutControlsStandWhereTheDesignPutsThemAndTabInOrder) {
    window->mnuHelpAbout->trigger();
    frmAbout* about = window->aboutWindow;
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->Picture1->geometry(), QRect(14, 14, 36, 37));
    EXPECT_EQ(about->lblTitle->geometry(), QRect(70, 16, 259, 32));
    EXPECT_EQ(about->lblVersion->geometry(), QRect(70, 52, 259, 15));
    EXPECT_EQ(about->lblDescription->geometry(), QRect(70, 75, 203, 46));
    EXPECT_EQ(about->lblDisclaimer->geometry(), QRect(8, 152, 266, 79));
    EXPECT_FALSE(about->Picture1->pixmap().isNull());

    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    EXPECT_EQ(QApplication::focusWidget(), about->cmdOK);
    for (QWidget* next :
         {static_cast<QWidget*>(about->cmdSysInfo), static_cast<QWidget*>(about->Picture1),
          static_cast<QWidget*>(about->cmdOK)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
}

class SystemInfoButtonTest : public HelpWindowsTest {
  protected:
    void SetUp() override {
        HelpWindowsTest::SetUp();
        platform::registry::SetStandInContent({});  // no system-information tool anywhere
        window->mnuHelpAbout->trigger();
        about = window->aboutWindow;
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
    QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);
    ExpectUnavailableMessages(1);
}

TEST_F(SystemInfoButtonTest, EnterPressesSystemInfoWhileItHasTheFocus) {
    about->cmdSysInfo->setFocus();
    QTest::keyClick(about->cmdSysInfo, Qt::Key_Return);
    ExpectUnavailableMessages(1);
}

TEST_F(SystemInfoButtonTest, AltSPressesSystemInfo) {
    QTest::keyClick(about->cmdOK, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.messages.empty(); }));
    ExpectUnavailableMessages(1);
}

TEST_F(SystemInfoButtonTest, GetKeyValueIsPublicAndReadsTheRegistry) {
    platform::registry::SetStandInContent(
        {{"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
          {{"PATH", platform::registry::TextValue("/opt/info")}}}});
    std::int32_t root = help::kLocalMachine;
    std::string key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", value = "PATH", keyVal;
    EXPECT_TRUE(about->GetKeyValue(root, key, value, keyVal));
    EXPECT_EQ(keyVal, "/opt/info");
}

}  // namespace
