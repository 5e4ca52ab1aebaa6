// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QPointer>
#include <array>

#include "grades/GradeScale.h"

class CountBox;
class frmAbout;
class frmInst;
class QLabel;
class QMenuBar;
class QPushButton;

// The main window: ten count boxes, the results, Calculate, Clear, Exit and the menus.
// A dialog-style window, so that Enter presses the default button and Esc the cancel button.
// Its controls carry their design names as object names.
class frmMain : public QDialog {
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

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
    struct GradeColumn {
        QLabel* caption = nullptr;
        CountBox* box = nullptr;
        QLabel* percent = nullptr;
    };

    void BuildMenus();
    void BuildGradeColumns();
    void BuildResultsAndButtons();
    void SetTabOrder();
    void ResetWindow(bool keepTotal);
    void EndProgram();

    QMenuBar* menuBar = nullptr;
    QWidget* clientArea = nullptr;  // everything below the menu bar, and what is printed
    std::array<GradeColumn, grades::kCategoryCount> columns;
    QLabel* capStudents = nullptr;
    QLabel* Capresult = nullptr;
    QPushButton* cmdcalculate = nullptr;
    QPushButton* CmdClear = nullptr;
    QPushButton* CmdExit = nullptr;

    // The help windows while they are open; each exists at most once.
    QPointer<frmInst> instructionsWindow;
    QPointer<frmAbout> aboutWindow;
};
