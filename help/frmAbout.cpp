#include "help/frmAbout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/AppIcon.h"
#include "app/AppInfo.h"
#include "help/HelpWindowStyle.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"

namespace {

using platform::TwipsRect;
using platform::TwipsToPixels;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                  bool black) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(rect);
    if (black) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& rect) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(rect);
    return button;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    help::ApplyHelpWindowStyle(this, 5550, 3480);
    setWindowTitle(QStringLiteral("About ..."));

    cmdOK = MakeButton(this, "cmdOK", QStringLiteral("OK"), TwipsRect(4230, 2640, 1260, 345));
    cmdOK->setDefault(true);
    cmdSysInfo = MakeButton(this, "cmdSysInfo", QStringLiteral("&System Info..."),
                            TwipsRect(4260, 3075, 1245, 345));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipsRect(210, 210, 540, 555));
    Picture1->setPixmap(AppIcon().pixmap(32, 32));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setFocusPolicy(Qt::TabFocus);  // a picture box is a tab stop

    lblTitle = MakeLabel(this, "lblTitle", QString::fromUtf8(appinfo::kTitle),
                         TwipsRect(1050, 240, 3885, 480), true);
    lblVersion = MakeLabel(this, "lblVersion", QString(), TwipsRect(1050, 780, 3885, 225), false);
    lblDescription =
        MakeLabel(this, "lblDescription",
                  QStringLiteral("Vantrel made by Ketharin E-Mail: ketharin@example.org") +
                      QString(13, ' ') + QStringLiteral("URL: https://vantrel.example.org/"),
                  TwipsRect(1050, 1125, 3045, 690), true);
    lblDisclaimer = MakeLabel(
        this, "lblDisclaimer",
        QStringLiteral("Warning: this program is protected by copyright, (c) Ketharin 2025-2026. "
                       "It is free for individuals. THE AUTHOR GIVES NO WARRANTY AS TO THE "
                       "ACCURACY OF THIS SOFTWARE. ANY USE OF IT IS AT YOUR OWN RISK. IT IS "
                       "PROVIDED AS IS, WITHOUT WARRANTY OF ANY KIND."),
        TwipsRect(120, 2280, 3990, 1185), true);

    setTabOrder(cmdOK, cmdSysInfo);
    setTabOrder(cmdSysInfo, Picture1);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    services_ = help::PlatformSysInfoServices([this](const std::string& text) {
        platform::ShowMessage(
            this, {QString::fromStdString(text), QString(), platform::MessageIcon::None});
    });
    cmdOK->setFocus();
    Form_Load();
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(appinfo::kTitle));
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(appinfo::kVersionMajor)
                            .arg(appinfo::kVersionMinor)
                            .arg(appinfo::kVersionRevision));
    lblTitle->setText(QString::fromUtf8(appinfo::kTitle));
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // OK is the cancel button too.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
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

bool frmAbout::GetKeyValue(std::int32_t& KeyRoot, std::string& KeyName, std::string& SubKeyRef,
                           std::string& KeyVal) {
    return help::GetKeyValue(services_, KeyRoot, KeyName, SubKeyRef, KeyVal);
}
