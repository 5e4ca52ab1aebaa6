// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/frmAbout.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "help/HelpWindowStyle.h"
#include "platform/AppIcon.h"
#include "platform/Controls.h"
#include "platform/Identity.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"

namespace {

using platform::TwipsRect;
using platform::TwipsToPixels;

// A word-wrapped label; the texts that the design draws in black stay black in any theme.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                 bool black) {
    QLabel* label = platform::AddLabel(parent, name, text, rect);
    label->setWordWrap(true);
    if (black) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
    return label;
}

QString Description() {
    return QStringLiteral("%1 made by %2 E-Mail: %3")
               .arg(QString::fromUtf8(identity::kTitle), QString::fromUtf8(identity::kAuthor),
                    QString::fromUtf8(identity::kEmail)) +
           QString(13, ' ') + QStringLiteral("URL: ") + QString::fromUtf8(identity::kHomepage);
}

QString Disclaimer() {
    return QStringLiteral(
               "Warning: this program is protected by copyright, (c) %1 %2. "
               "It is free for individuals. THE AUTHOR GIVES NO WARRANTY AS TO THE "
               "ACCURACY OF THIS SOFTWARE. ANY USE OF IT IS AT YOUR OWN RISK. IT IS "
               "PROVIDED AS IS, WITHOUT WARRANTY OF ANY KIND.")
        .arg(QString::fromUtf8(identity::kAuthor), QString::fromUtf8(identity::kCopyrightYears));
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    help::ApplyHelpWindowStyle(this, 5550, 3480);
    setWindowTitle(QStringLiteral("About ..."));

    cmdOK =
        platform::AddButton(this, "cmdOK", QStringLiteral("OK"), TwipsRect(4230, 2640, 1260, 345));
    cmdOK->setDefault(true);
    auto* cmdSysInfo = platform::AddButton(this, "cmdSysInfo", QStringLiteral("&System Info..."),
                                           TwipsRect(4260, 3075, 1245, 345));

    auto* Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipsRect(210, 210, 540, 555));
    Picture1->setPixmap(platform::AppIcon().pixmap(32, 32));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setFocusPolicy(Qt::TabFocus);  // a picture box is a tab stop

    lblTitle = AddLabel(this, "lblTitle", QString::fromUtf8(identity::kTitle),
                        TwipsRect(1050, 240, 3885, 480), true);
    lblVersion = AddLabel(this, "lblVersion", QString(), TwipsRect(1050, 780, 3885, 225), false);
    AddLabel(this, "lblDescription", Description(), TwipsRect(1050, 1125, 3045, 690), true);
    AddLabel(this, "lblDisclaimer", Disclaimer(), TwipsRect(120, 2280, 3990, 1185), true);

    setTabOrder(cmdOK, cmdSysInfo);
    setTabOrder(cmdSysInfo, Picture1);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    services_ = help::PlatformSysInfoServices([this](const std::string& text) {
        platform::ShowMessage(
            this, {QString::fromStdString(text), QString(), platform::MessageIcon::None});
    });
    platform::SetCancelButton(this, cmdOK);  // OK is the cancel button too
    cmdOK->setFocus();
    Form_Load();
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(identity::kTitle));
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(identity::kVersionMajor)
                            .arg(identity::kVersionMinor)
                            .arg(identity::kVersionRevision));
    lblTitle->setText(QString::fromUtf8(identity::kTitle));
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The etched rule between the description and the disclaimer: the grey line first, then
    // the white one over it.
    QPainter painter(this);
    const int y = TwipsToPixels(2160);
    painter.fillRect(QRect(0, y, TwipsToPixels(5564) + 1, 1), QColor(0x80, 0x80, 0x80));
    painter.fillRect(QRect(0, y, TwipsToPixels(5549) + 1, 2), Qt::white);
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    help::StartSysInfo(services_);
}
