#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The instructions window: four numbered sentences and OK. Esc does nothing here.
class frmInst : public QDialog {
    Q_OBJECT

  public:
    explicit frmInst(QWidget* parent = nullptr);

    static QString InstructionsText();

    QPushButton* OKButton = nullptr;
    QLabel* lblInst = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private slots:
    void OKButton_Click();
};
