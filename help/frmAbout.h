// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include "help/SysInfoLauncher.h"

class QLabel;
class QPushButton;

// The About window: title, version, description, disclaimer, OK and System Info. Its controls
// carry their design names as object names.
class frmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private slots:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

  private:
    // Starts the system-information tool, or says that it is unavailable.
    void StartSysInfo();

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* cmdOK = nullptr;
    help::SysInfoServices services_;
};
