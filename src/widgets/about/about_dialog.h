#pragma once
// The About window, frmAbout: title, version, description, web site, legal warning, logo,
// and a button that starts the system-information tool.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace vkp2 {

class MessageBoxes;
class SystemInfo;

// "Version 1.3.12" from the version numbers.
QString versionLine(int major, int minor, int revision);

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // `systemInfo` starts the tool for cmdSysInfo and must outlive the dialog.
    AboutDialog(SystemInfo &systemInfo, QWidget *owner = nullptr);

private:
    void buildControls();
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    SystemInfo &systemInfo_;
    QLabel *lblTitle_ = nullptr;
    QLabel *lblVersion_ = nullptr;
    QPushButton *cmdOK_ = nullptr;
    QPushButton *cmdSysInfo_ = nullptr;
};

// Builds the About window anew, centred over `owner`, and shows it modally until it is closed.
void showAboutDialog(QWidget *owner, MessageBoxes &messages);

} // namespace vkp2
