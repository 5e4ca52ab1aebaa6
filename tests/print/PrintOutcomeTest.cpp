// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// File > Print against a real CUPS server: what the user is told when the window is printed,
// when the printer refuses the job and when the print module cannot be loaded.
#include <gtest/gtest.h>

#include <QProcess>

#include "app/WindowTestSupport.h"

namespace {

class PrintOutcomeTest : public MainWindowTest {
  protected:
    static void Queue(const char* command) {
        const QString printer = qEnvironmentVariable("VANTREL_TEST_PRINTER");
        ASSERT_FALSE(printer.isEmpty()) << "run under with-cups.sh";
        ASSERT_EQ(QProcess::execute(QString::fromUtf8(command), {printer}), 0);
    }

    void Print() { QTest::keyClick(Box("txtAplus"), Qt::Key_F2); }

    void ExpectOneFailure(const QString& reasonPart) {
        ASSERT_EQ(recorder.messages.size(), 1u);
        const platform::Message& message = recorder.messages[0];
        EXPECT_TRUE(message.text.startsWith("The window could not be printed.\n\n"))
            << message.text.toStdString();
        EXPECT_TRUE(message.text.contains(reasonPart)) << message.text.toStdString();
        EXPECT_EQ(message.title, "Vantrel");
        EXPECT_EQ(message.icon, platform::MessageIcon::Warning);
    }
};

TEST_F(PrintOutcomeTest, APrintedWindowNeedsNoMessage) {
    Print();
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(PrintOutcomeTest, APrinterThatRefusesJobsIsNotCalledMissing) {
    Queue("cupsreject");
    Print();
    Queue("cupsaccept");
    ExpectOneFailure("not accepting jobs");
}

TEST_F(PrintOutcomeTest, WithoutTheModuleThePrintFailsAndSaysWhy) {
    Print();
    ExpectOneFailure("libvantrel_print");
}

}  // namespace
