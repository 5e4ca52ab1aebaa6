#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

#include "help/SysInfoLauncher.h"

class QLabel;
class QPushButton;

// The About window: title, version, description, disclaimer, OK and System Info.
class frmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* Picture1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

    // Starts the system-information tool, or says that it is unavailable.
    void StartSysInfo();
    // Reads one registry value as text; see help::GetKeyValue.
    bool GetKeyValue(std::int32_t& KeyRoot, std::string& KeyName, std::string& SubKeyRef,
                     std::string& KeyVal);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private slots:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

  private:
    help::SysInfoServices services_;
};
