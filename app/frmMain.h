#pragma once

#include <QDialog>
#include <QPointer>
#include <array>

#include "app/CountBox.h"
#include "grades/GradeScale.h"

class QAction;
class frmAbout;
class frmInst;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

// The main window: ten count boxes, the results, Calculate, Clear, Exit and the menus.
// A dialog-style window, so that Enter presses the default button and Esc the cancel button.
class frmMain : public QDialog {
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The help windows while they are open; each exists at most once.
    QPointer<frmInst> instructionsWindow;
    QPointer<frmAbout> aboutWindow;

    // The controls under their design names.
    QMenuBar* menuBar = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpInst = nullptr;
    QAction* mnuHelpAbout = nullptr;

    QWidget* clientArea = nullptr;  // everything below the menu bar
    QLabel* heading = nullptr;
    QLabel* Aplus = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label20 = nullptr;
    CountBox* txtAplus = nullptr;
    CountBox* txtA = nullptr;
    CountBox* txtBplus = nullptr;
    CountBox* txtB = nullptr;
    CountBox* txtCplus = nullptr;
    CountBox* txtC = nullptr;
    CountBox* txtDplus = nullptr;
    CountBox* txtD = nullptr;
    CountBox* txtF = nullptr;
    CountBox* txtIC = nullptr;
    QLabel* capAplus = nullptr;
    QLabel* capA = nullptr;
    QLabel* capBplus = nullptr;
    QLabel* capB = nullptr;
    QLabel* capCplus = nullptr;
    QLabel* capC = nullptr;
    QLabel* capDplus = nullptr;
    QLabel* capD = nullptr;
    QLabel* capF = nullptr;
    QLabel* capIC = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* capStudents = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Capresult = nullptr;
    QPushButton* cmdcalculate = nullptr;
    QPushButton* CmdClear = nullptr;
    QPushButton* CmdExit = nullptr;
    QLabel* complements = nullptr;
    QLabel* Label1 = nullptr;

    // The boxes and their percentage labels in the order of the grade scale.
    std::array<CountBox*, grades::kCategoryCount> countBoxes() const;
    std::array<QLabel*, grades::kCategoryCount> percentLabels() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private slots:
    void cmdcalculate_Click();
    void CmdClear_Click();
    void CmdExit_Click();
    void mnuFileNew_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void mnuHelpInst_Click();
    void mnuHelpAbout_Click();

  private:
    void BuildMenus();
    void BuildGradeColumns();
    void BuildResultsAndButtons();
    void SetTabOrder();
    void ResetWindow(bool keepTotal);
};
