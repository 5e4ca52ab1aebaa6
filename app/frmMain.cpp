// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmMain.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <limits>

#include "app/CountBox.h"
#include "app/MainWindowDesign.h"
#include "app/ResultLabel.h"
#include "help/frmAbout.h"
#include "help/frmInst.h"
#include "platform/AppIcon.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Identity.h"
#include "platform/Twips.h"
#include "platform/WindowDescription.h"

namespace {

using namespace main_window_design;
using platform::Font;
using platform::kArialFamily;
using platform::kDialogFontFamily;
using platform::TwipsRect;

QRect Place(const LabelDesign& design) {
    return TwipsRect(design.left, design.top, design.width, design.height);
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An initially empty, left-aligned label that shows a result. Its caption takes it as buddy,
// which screen readers take as the caption labelling it; no caption has an access key.
QLabel* AddResultLabel(QWidget* parent, const char* name, const QRect& rect, QLabel* caption,
                       const QString& accessibleDescription) {
    auto* label = new ResultLabel(accessibleDescription, parent);
    caption->setBuddy(label);
    return platform::PlaceLabel(label, name, rect);
}

// A fixed caption; one of no width in the design is as wide as its text.
QLabel* AddCaption(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                   const QFont& font) {
    auto* label = platform::AddLabel(parent, name, text, rect, Qt::AlignHCenter);
    label->setFont(font);
    if (rect.width() == 0) {
        label->resize(label->sizeHint().width(), label->height());
    }
    return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, const char* caption, const QRect& rect,
                       const QFont& font, const char* toolTip) {
    QPushButton* button = platform::AddButton(parent, name, QString::fromUtf8(caption), rect);
    button->setFont(font);
    button->setToolTip(QString::fromUtf8(toolTip));
    return button;
}

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(identity::kTitle));
    setWindowIcon(platform::AppIcon());
    setSizeGripEnabled(false);

    // The window font; the menu bar shows in it too, which spares loading a second face.
    setFont(Font(kArialFamily, 8.25));
    BuildMenus();
    clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    clientArea->setGeometry(0, menuBar->height(), platform::TwipsToPixels(kClientWidth),
                            platform::TwipsToPixels(kClientHeight));
    platform::DescribeWindow(this, clientArea);
    BuildGradeColumns();
    BuildResultsAndButtons();
    SetTabOrder();
    platform::SetCancelButton(this, CmdClear);
    setFixedSize(clientArea->width(), menuBar->height() + clientArea->height());
    columns.front().box->setFocus();
}

// The help windows have no owner, so that they outlive a closed main window; they go when the
// program does.
frmMain::~frmMain() {
    delete instructionsWindow;
    delete aboutWindow;
}

void frmMain::BuildMenus() {
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setNativeMenuBar(false);  // it is part of the window's fixed layout

    auto addMenu = [this](const char* name, const char* caption) {
        QMenu* menu = menuBar->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QString::fromUtf8(name));
        return menu;
    };
    auto addItem = [this](QMenu* menu, const char* name, const char* caption, Qt::Key key,
                          void (frmMain::*handler)()) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromUtf8(name));
        action->setShortcut(QKeySequence(key));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);  // the shortcut works while the menu is closed
        connect(action, &QAction::triggered, this, handler);
    };
    QMenu* mnuFile = addMenu("mnuFile", "&File");
    addItem(mnuFile, "mnuFileNew", "&New", Qt::Key_F1, &frmMain::mnuFileNew_Click);
    addItem(mnuFile, "mnuFilePrint", "&Print", Qt::Key_F2, &frmMain::mnuFilePrint_Click);
    addItem(mnuFile, "mnuFileExit", "E&xit", Qt::Key_F9, &frmMain::mnuFileExit_Click);
    QMenu* mnuHelp = addMenu("mnuHelp", "&Help");
    addItem(mnuHelp, "mnuHelpInst", "&How to use...", Qt::Key_F5, &frmMain::mnuHelpInst_Click);
    addItem(mnuHelp, "mnuHelpAbout", "&About", Qt::Key_F6, &frmMain::mnuHelpAbout_Click);

    menuBar->setGeometry(0, 0, platform::TwipsToPixels(kClientWidth), menuBar->sizeHint().height());
}

void frmMain::BuildGradeColumns() {
    const QFont captionFont = Font(kArialFamily, 12, true, true);
    const QFont boxFont = Font(kDialogFontFamily, 12);
    for (std::size_t i = 0; i < grades::kCategoryCount; ++i) {
        const QString grade = Text(grades::kGradeScale[i].grade);
        const ColumnDesign& design = kGradeColumns[i];
        auto& [caption, box, percent] = columns[i];

        caption = platform::AddLabel(
            clientArea, design.captionName, grade,
            TwipsRect(design.captionLeft, kCaptionTop, design.captionWidth, kCaptionHeight),
            Qt::AlignHCenter);
        caption->setFont(captionFont);

        box = new CountBox(clientArea);
        box->setObjectName(QString::fromUtf8(design.boxName));
        box->setGeometry(TwipsRect(design.boxLeft, kBoxTop, kBoxSize, kBoxSize));
        box->setFont(boxFont);
        box->setMaxLength(std::numeric_limits<int>::max());  // no limit on the text's length
        box->setToolTip(QStringLiteral("Enter the number of %1 students").arg(grade));
        box->setAccessibleName(QStringLiteral("%1 students").arg(grade));

        percent = AddResultLabel(
            clientArea, design.percentName,
            TwipsRect(design.percentLeft, kPercentTop, kPercentWidth, kPercentHeight), caption,
            QStringLiteral("Percentage of the class with grade %1").arg(grade));
    }
}

void frmMain::BuildResultsAndButtons() {
    const QFont large = Font(kArialFamily, 12, true, true);
    const QFont small = Font(kArialFamily, 8.25, true, true);

    AddCaption(clientArea, "heading", QString::fromUtf8(identity::kTitle), Place(kHeading),
               Font(kArialFamily, 15.75, true, true));
    QLabel* totalCaption = AddCaption(clientArea, "Label11", QStringLiteral("Total Students"),
                                      Place(kTotalCaption), large);
    capStudents = AddResultLabel(clientArea, "capStudents", Place(kTotal), totalCaption,
                                 QStringLiteral("Number of students in the class"));
    capStudents->setFont(large);
    QLabel* gpaCaption =
        AddCaption(clientArea, "Label10", QStringLiteral("GPA is"), Place(kGpaCaption), large);
    Capresult = AddResultLabel(clientArea, "Capresult", Place(kGpa), gpaCaption,
                               QStringLiteral("Grade point average of the class"));
    Capresult->setFont(large);
    // The credit line is read as one: its start captions the author's name.
    QLabel* credit =
        AddCaption(clientArea, "complements", QStringLiteral("With the complements of"),
                   TwipsRect(45, 3000, 1845, 210), Font(kArialFamily, 8.25, false, true));
    credit->setBuddy(AddCaption(clientArea, "Label1", QString::fromUtf8(identity::kAuthor),
                                TwipsRect(1920, 3000, 0, 195), small));

    cmdcalculate = AddButton(clientArea, "cmdcalculate", "C&alculate",
                             TwipsRect(120, 2280, 1695, 495), large, "Click to calculate GPA");
    cmdcalculate->setDefault(true);
    CmdClear = AddButton(clientArea, "CmdClear", "&Clear", TwipsRect(5400, 2280, 615, 375), small,
                         "Click to clear all the entries");
    CmdExit = AddButton(clientArea, "CmdExit", "E&xit", TwipsRect(5400, 2760, 615, 375), small,
                        "Click to exit the Vantrel");

    connect(cmdcalculate, &QPushButton::clicked, this, &frmMain::cmdcalculate_Click);
    connect(CmdClear, &QPushButton::clicked, this, &frmMain::CmdClear_Click);
    connect(CmdExit, &QPushButton::clicked, this, &frmMain::CmdExit_Click);
}

void frmMain::SetTabOrder() {
    QWidget* previous = nullptr;
    auto append = [&](QWidget* next) {
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    };
    for (const GradeColumn& column : columns) {
        append(column.box);
    }
    for (QWidget* button : {cmdcalculate, CmdClear, CmdExit}) {
        append(button);
    }
}
