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
