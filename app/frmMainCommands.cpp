// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the main window's buttons and menu items do.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "app/CountBox.h"
#include "app/Warnings.h"
#include "app/frmMain.h"
#include "grades/ClassStatistics.h"
#include "help/frmAbout.h"
#include "help/frmInst.h"
#include "platform/Announcement.h"
#include "platform/MessageBox.h"
#include "platform/Printing.h"
#include "platform/ShowAndQuit.h"
#include "platform/WindowDescription.h"

namespace {

// Shows a modeless help window, bringing it to the front if it is open already.
void ShowToFront(QDialog* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void frmMain::cmdcalculate_Click() {
    std::array<std::string, grades::kCategoryCount> texts;
    grades::BoxTexts views;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        texts[i] = columns[i].box->text().toStdString();
        views[i] = texts[i];
    }
    // Counts that give no sound figures leave the window exactly as it was.
    const grades::Evaluation evaluation = grades::EvaluateClass(views);
    switch (evaluation.outcome) {
        case grades::Outcome::MissingEntry:
        case grades::Outcome::NoGradedStudents:
            ShowMissingEntryWarning(this);
            return;
        case grades::Outcome::InvalidEntry:
            ShowInvalidEntryWarning(this);
            return;
        case grades::Outcome::Calculated:
            break;
    }

    const grades::ClassStatistics& stats = evaluation.statistics;
    cmdcalculate->setText(QStringLiteral("Calculated"));
    Capresult->setText(QString::fromStdString(stats.gpaText));
    capStudents->setText(QString::fromStdString(stats.totalText));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        columns[i].percent->setText(QString::fromStdString(stats.percentTexts[i]));
        // Show every count that went into the result: an empty box counted as 0.
        if (columns[i].box->text().isEmpty()) {
            columns[i].box->setText(QStringLiteral("0"));
        }
    }
    // The focus stays in the box, so a screen reader would otherwise say nothing of the result.
    platform::Announce(this, platform::ReadWithCaption(Capresult) + QStringLiteral(", ") +
                                 platform::ReadWithCaption(capStudents));
}

void frmMain::ResetWindow(bool keepTotal) {
    // Labels are emptied with setText: QLabel::clear() does not tell screen readers that the
    // text is gone, and they would go on reading the old result.
    for (const GradeColumn& column : columns) {
        column.box->clear();
        column.percent->setText(QString());
    }
    Capresult->setText(QString());
    if (!keepTotal) {
        capStudents->setText(QString());
    }
    cmdcalculate->setText(QStringLiteral("Calculate"));
    columns.front().box->setFocus();
}

void frmMain::CmdClear_Click() {
    ResetWindow(false);
}

void frmMain::mnuFileNew_Click() {
    ResetWindow(true);
}

void frmMain::mnuFilePrint_Click() {
    const platform::PrintResult result = platform::PrintWidgetImage(clientArea);
    QString text;
    switch (result.outcome) {
        case platform::PrintOutcome::Printed:
            return;
        case platform::PrintOutcome::NoPrinter:
            text = QStringLiteral(
                "The window could not be printed because no printer is "
                "available.");
            break;
        case platform::PrintOutcome::Failed:
            text = QStringLiteral("The window could not be printed.");
            if (!result.reason.isEmpty()) {
                text += QStringLiteral("\n\n") + result.reason;
            }
            break;
    }
    platform::ShowMessage(this, {text, QString(), platform::MessageIcon::Warning});
}

void frmMain::EndProgram() {
    platform::QuitProgram(0);
}

void frmMain::CmdExit_Click() {
    EndProgram();
}

void frmMain::mnuFileExit_Click() {
    EndProgram();
}

void frmMain::mnuHelpInst_Click() {
    if (instructionsWindow == nullptr) {
        instructionsWindow = new frmInst();
    }
    ShowToFront(instructionsWindow);
}

void frmMain::mnuHelpAbout_Click() {
    if (aboutWindow == nullptr) {
        aboutWindow = new frmAbout();
    }
    ShowToFront(aboutWindow);
}
