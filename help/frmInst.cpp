#include "help/frmInst.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "help/HelpWindowStyle.h"
#include "platform/Twips.h"

frmInst::frmInst(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInst"));
    help::ApplyHelpWindowStyle(this, 6030, 1965);
    setWindowTitle(QStringLiteral("How to use..."));

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(platform::TwipsRect(4680, 1440, 1215, 375));

    lblInst = new QLabel(InstructionsText(), this);
    lblInst->setObjectName(QStringLiteral("lblInst"));
    lblInst->setTextFormat(Qt::PlainText);
    lblInst->setWordWrap(true);
    lblInst->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblInst->setGeometry(platform::TwipsRect(120, 0, 4575, 1935));

    connect(OKButton, &QPushButton::clicked, this, &frmInst::OKButton_Click);
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

void frmInst::keyPressEvent(QKeyEvent* event) {
    // The window has no cancel button.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmInst::OKButton_Click() {
    close();
}
