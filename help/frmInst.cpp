// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/frmInst.h"

#include <QLabel>
#include <QPushButton>

#include "help/HelpWindowStyle.h"
#include "platform/Controls.h"
#include "platform/Twips.h"

frmInst::frmInst(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInst"));
    help::ApplyHelpWindowStyle(this, 6030, 1965);
    setWindowTitle(QStringLiteral("How to use..."));

    auto* OKButton = platform::AddButton(this, "OKButton", QStringLiteral("OK"),
                                         platform::TwipsRect(4680, 1440, 1215, 375));
    QLabel* lblInst = platform::AddLabel(this, "lblInst", InstructionsText(),
                                         platform::TwipsRect(120, 0, 4575, 1935));
    lblInst->setWordWrap(true);

    connect(OKButton, &QPushButton::clicked, this, &frmInst::OKButton_Click);
    platform::SetCancelButton(this, nullptr);  // the window has none
    OKButton->setFocus();
}

QString frmInst::InstructionsText() {
    // The runs of spaces make the word wrap start each instruction on a line of its own.
    return QStringLiteral(
               "1. Fill in the number of students according to their grades in the "
               "respective boxes. Press Calculate button OR Enter key.") +
           QString(114, ' ') +
           QStringLiteral(
               "2. It will assume \"0\" for any one or more unfilled boxes, but not "
               "for all. An error message will appear for all unfilled boxes.") +
           QString(113, ' ') +
           QStringLiteral("3.  Mouse OR Tab key can be used to select the next box.") +
           QString(109, ' ') +
           QStringLiteral(
               "4. Clear button OR Esc key can be used to clear all the boxes and "
               "current GPA value.");
}

void frmInst::OKButton_Click() {
    close();
}
