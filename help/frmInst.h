// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

// The instructions window: four numbered sentences and OK. Esc does nothing here.
class frmInst : public QDialog {
    Q_OBJECT

  public:
    explicit frmInst(QWidget* parent = nullptr);

    static QString InstructionsText();

  private slots:
    void OKButton_Click();
};
