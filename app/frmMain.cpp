#include "app/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <limits>
#include <string>

#include "app/AppIcon.h"
#include "app/AppInfo.h"
#include "app/CountBox.h"
#include "app/ResultLabel.h"
#include "app/Warnings.h"
#include "grades/ClassStatistics.h"
#include "grades/ParseCount.h"
#include "help/frmAbout.h"
#include "help/frmInst.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Printing.h"
#include "platform/Twips.h"

namespace {

using platform::Font;
using platform::kArialFamily;
using platform::kDialogFontFamily;
using platform::TwipsRect;

constexpr int kClientWidth = 6135;
constexpr int kClientHeight = 3195;

// Where each grade's column stands, in twips, in scale order.
struct ColumnDesign {
    int captionLeft;
    int captionWidth;
    int boxLeft;
    int percentLeft;
};
constexpr std::array<ColumnDesign, grades::kCategoryCount> kColumns{{
    {180, 345, 135, 120},
    {840, 180, 720, 720},
    {1425, 300, 1320, 1320},
    {2040, 165, 1920, 1920},
    {2625, 315, 2520, 2520},
    {3240, 180, 3120, 3120},
    {3825, 315, 3720, 3720},
    {4440, 180, 4320, 4320},
    {5040, 150, 4920, 4920},
    {5640, 270, 5520, 5520},
}};
constexpr int kCaptionTop = 600, kCaptionHeight = 270;
constexpr int kBoxTop = 1080, kBoxSize = 495;
constexpr int kPercentTop = 1680, kPercentWidth = 615, kPercentHeight = 255;

QLabel* frmMain::*const kCaptionMembers[] = {
    &frmMain::Aplus,  &frmMain::Label2, &frmMain::Label3, &frmMain::Label4, &frmMain::Label5,
    &frmMain::Label6, &frmMain::Label7, &frmMain::Label8, &frmMain::Label9, &frmMain::Label20};
CountBox* frmMain::*const kBoxMembers[] = {
    &frmMain::txtAplus, &frmMain::txtA,     &frmMain::txtBplus, &frmMain::txtB, &frmMain::txtCplus,
    &frmMain::txtC,     &frmMain::txtDplus, &frmMain::txtD,     &frmMain::txtF, &frmMain::txtIC};
QLabel* frmMain::*const kPercentMembers[] = {
    &frmMain::capAplus, &frmMain::capA,     &frmMain::capBplus, &frmMain::capB, &frmMain::capCplus,
    &frmMain::capC,     &frmMain::capDplus, &frmMain::capD,     &frmMain::capF, &frmMain::capIC};

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* PlaceLabel(QLabel* label, std::string_view name, const QRect& rect,
                   Qt::Alignment alignment) {
    label->setObjectName(Text(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(rect);
    return label;
}

QLabel* MakeLabel(QWidget* parent, std::string_view name, const QString& text, const QRect& rect,
                  Qt::Alignment alignment) {
    return PlaceLabel(new QLabel(text, parent), name, rect, alignment);
}

// An initially empty, left-aligned label that shows a result.
QLabel* MakeResultLabel(QWidget* parent, std::string_view name, const QRect& rect,
                        const QString& accessibleName, const QString& accessibleDescription) {
    return PlaceLabel(new ResultLabel(accessibleName, accessibleDescription, parent), name, rect,
                      Qt::AlignLeft);
}

// A fixed caption whose width follows its text.
QLabel* MakeSizedLabel(QWidget* parent, std::string_view name, const QString& text, int left,
                       int top, int height, const QFont& font) {
    auto* label = MakeLabel(parent, name, text, TwipsRect(left, top, 0, height), Qt::AlignHCenter);
    label->setFont(font);
    label->resize(label->sizeHint().width(), label->height());
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const QRect& rect,
                        const QFont& font, const char* toolTip) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(rect);
    button->setFont(font);
    button->setToolTip(QString::fromUtf8(toolTip));
    return button;
}

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(appinfo::kTitle));
    setWindowIcon(AppIcon());
    setSizeGripEnabled(false);

    // The window font; the menu bar shows in it too, which spares loading a second face.
    setFont(Font(kArialFamily, 8.25));
    BuildMenus();
    clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    clientArea->setGeometry(0, menuBar->height(), platform::TwipsToPixels(kClientWidth),
                            platform::TwipsToPixels(kClientHeight));
    BuildGradeColumns();
    BuildResultsAndButtons();
    SetTabOrder();
    setFixedSize(clientArea->width(), menuBar->height() + clientArea->height());
    txtAplus->setFocus();
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

    auto addItem = [this](QMenu* menu, const char* name, const char* caption, Qt::Key key) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromUtf8(name));
        action->setShortcut(QKeySequence(key));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);  // the shortcut works while the menu is closed
        return action;
    };
    mnuFile = menuBar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNew = addItem(mnuFile, "mnuFileNew", "&New", Qt::Key_F1);
    mnuFilePrint = addItem(mnuFile, "mnuFilePrint", "&Print", Qt::Key_F2);
    mnuFileExit = addItem(mnuFile, "mnuFileExit", "E&xit", Qt::Key_F9);
    mnuHelp = menuBar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpInst = addItem(mnuHelp, "mnuHelpInst", "&How to use...", Qt::Key_F5);
    mnuHelpAbout = addItem(mnuHelp, "mnuHelpAbout", "&About", Qt::Key_F6);

    menuBar->setGeometry(0, 0, platform::TwipsToPixels(kClientWidth), menuBar->sizeHint().height());

    connect(mnuFileNew, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    connect(mnuFilePrint, &QAction::triggered, this, &frmMain::mnuFilePrint_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(mnuHelpInst, &QAction::triggered, this, &frmMain::mnuHelpInst_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
}

void frmMain::BuildGradeColumns() {
    const QFont captionFont = Font(kArialFamily, 12, true, true);
    const QFont boxFont = Font(kDialogFontFamily, 12);
    for (std::size_t i = 0; i < grades::kCategoryCount; ++i) {
        const grades::GradeCategory& category = grades::kGradeScale[i];
        const ColumnDesign& column = kColumns[i];

        QLabel* caption = MakeLabel(
            clientArea, category.captionLabel, Text(category.grade),
            TwipsRect(column.captionLeft, kCaptionTop, column.captionWidth, kCaptionHeight),
            Qt::AlignHCenter);
        caption->setFont(captionFont);
        this->*kCaptionMembers[i] = caption;

        auto* box = new CountBox(clientArea);
        box->setObjectName(Text(category.countBox));
        box->setGeometry(TwipsRect(column.boxLeft, kBoxTop, kBoxSize, kBoxSize));
        box->setFont(boxFont);
        box->setMaxLength(std::numeric_limits<int>::max());  // no limit on the text's length
        box->setToolTip(
            QStringLiteral("Enter the number of %1 students").arg(Text(category.grade)));
        box->setAccessibleName(QStringLiteral("%1 students").arg(Text(category.grade)));
        this->*kBoxMembers[i] = box;

        this->*kPercentMembers[i] = MakeResultLabel(
            clientArea, category.percentLabel,
            TwipsRect(column.percentLeft, kPercentTop, kPercentWidth, kPercentHeight),
            QStringLiteral("Share of %1 students").arg(Text(category.grade)),
            QStringLiteral("Percentage of the class with grade %1").arg(Text(category.grade)));
    }
}

void frmMain::BuildResultsAndButtons() {
    const QFont large = Font(kArialFamily, 12, true, true);
    const QFont small = Font(kArialFamily, 8.25, true, true);

    heading = MakeSizedLabel(clientArea, "heading", QString::fromUtf8(appinfo::kTitle), 1800, 120,
                             360, Font(kArialFamily, 15.75, true, true));
    Label11 = MakeSizedLabel(clientArea, "Label11", QStringLiteral("Total Students"), 2040, 2160,
                             270, large);
    Label11->resize(TwipsRect(0, 0, 1665, 0).width(), Label11->height());
    capStudents = MakeResultLabel(clientArea, "capStudents", TwipsRect(3840, 2160, 975, 270),
                                  QStringLiteral("Total Students"),
                                  QStringLiteral("Number of students in the class"));
    capStudents->setFont(large);
    Label10 =
        MakeSizedLabel(clientArea, "Label10", QStringLiteral("GPA is"), 2880, 2640, 270, large);
    Label10->resize(TwipsRect(0, 0, 795, 0).width(), Label10->height());
    Capresult =
        MakeResultLabel(clientArea, "Capresult", TwipsRect(3720, 2640, 975, 270),
                        QStringLiteral("GPA"), QStringLiteral("Grade point average of the class"));
    Capresult->setFont(large);
    complements =
        MakeSizedLabel(clientArea, "complements", QStringLiteral("With the complements of"), 45,
                       3000, 210, Font(kArialFamily, 8.25, false, true));
    complements->resize(TwipsRect(0, 0, 1845, 0).width(), complements->height());
    Label1 =
        MakeSizedLabel(clientArea, "Label1", QStringLiteral("Ketharin"), 1920, 3000, 195, small);

    cmdcalculate = MakeButton(clientArea, "cmdcalculate", "C&alculate",
                              TwipsRect(120, 2280, 1695, 495), large, "Click to calculate GPA");
    cmdcalculate->setDefault(true);
    CmdClear = MakeButton(clientArea, "CmdClear", "&Clear", TwipsRect(5400, 2280, 615, 375), small,
                          "Click to clear all the entries");
    CmdExit = MakeButton(clientArea, "CmdExit", "E&xit", TwipsRect(5400, 2760, 615, 375), small,
                         "Click to exit the Vantrel");

    connect(cmdcalculate, &QPushButton::clicked, this, &frmMain::cmdcalculate_Click);
    connect(CmdClear, &QPushButton::clicked, this, &frmMain::CmdClear_Click);
    connect(CmdExit, &QPushButton::clicked, this, &frmMain::CmdExit_Click);
}

void frmMain::SetTabOrder() {
    QWidget* previous = nullptr;
    for (QWidget* next :
         std::initializer_list<QWidget*>{txtAplus, txtA, txtBplus, txtB, txtCplus, txtC, txtDplus,
                                         txtD, txtF, txtIC, cmdcalculate, CmdClear, CmdExit}) {
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
}

std::array<CountBox*, grades::kCategoryCount> frmMain::countBoxes() const {
    std::array<CountBox*, grades::kCategoryCount> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = this->*kBoxMembers[i];
    }
    return boxes;
}

std::array<QLabel*, grades::kCategoryCount> frmMain::percentLabels() const {
    std::array<QLabel*, grades::kCategoryCount> labels{};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i] = this->*kPercentMembers[i];
    }
    return labels;
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    // Esc presses Clear, the window's cancel button, wherever the focus is.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CmdClear->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmMain::cmdcalculate_Click() {
    std::array<std::string, grades::kCategoryCount> texts;
    const auto boxes = countBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        texts[i] = boxes[i]->text().toStdString();
    }
    if (grades::CountsAreMissing(texts)) {
        ShowMissingEntryWarning(this);
        return;
    }
    grades::GradeCounts counts{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        counts[i] = grades::ParseCount(texts[i]);
    }
    // Counts that give no sound figures leave the window exactly as it was.
    switch (grades::CheckCounts(counts)) {
        case grades::CountsVerdict::NoGradedStudents:
            ShowMissingEntryWarning(this);
            return;
        case grades::CountsVerdict::Invalid:
            ShowInvalidEntryWarning(this);
            return;
        case grades::CountsVerdict::Usable:
            break;
    }

    cmdcalculate->setText(QStringLiteral("Calculated"));
    const grades::ClassStatistics stats = grades::ComputeClassStatistics(counts);
    Capresult->setText(Text(stats.gpaText));
    capStudents->setText(Text(stats.totalText));
    const auto labels = percentLabels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i]->setText(Text(stats.percentTexts[i]));
    }
    // Show every count that went into the result: an empty box counted as 0.
    for (QLineEdit* box : boxes) {
        if (box->text().isEmpty()) {
            box->setText(QStringLiteral("0"));
        }
    }
}

void frmMain::ResetWindow(bool keepTotal) {
    for (QLineEdit* box : countBoxes()) {
        box->clear();
    }
    Capresult->clear();
    if (!keepTotal) {
        capStudents->clear();
    }
    for (QLabel* label : percentLabels()) {
        label->clear();
    }
    cmdcalculate->setText(QStringLiteral("Calculate"));
    txtAplus->setFocus();
}

void frmMain::CmdClear_Click() {
    ResetWindow(false);
}

void frmMain::mnuFileNew_Click() {
    ResetWindow(true);
}

void frmMain::mnuFilePrint_Click() {
    if (!platform::PrintWidgetImage(clientArea)) {
        platform::ShowMessage(this, {QStringLiteral("The window could not be printed because no "
                                                    "printer is available."),
                                     QString(), platform::MessageIcon::Warning});
    }
}

void frmMain::CmdExit_Click() {
    QApplication::exit(0);
}

void frmMain::mnuFileExit_Click() {
    QApplication::exit(0);
}

namespace {

// Shows a modeless help window, bringing it to the front if it is open already.
void ShowToFront(QDialog* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

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
