#include "widgets/about/about_dialog.h"

#include "calculator/toolkit/app_info.h"
#include "widgets/about/system_info.h"
#include "widgets/artwork/artwork.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace vkp2 {

namespace {

// Designed in twips; at 96 dpi a pixel is 15 twips.
QRect twips(int left, int top, int width, int height)
{
    return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
                 qRound(height / 15.0));
}

QFont dialogFont(double points)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    return font;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &rect,
              double points, bool wraps)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(dialogFont(points));
    l->setGeometry(rect);
    l->setWordWrap(wraps);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setAccessibleName(text);
    return l;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption,
                    const QString &accessibleName, const QString &description, const QRect &rect)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(dialogFont(8.25));
    b->setGeometry(rect);
    b->setAccessibleName(accessibleName);
    b->setAccessibleDescription(description);
    return b;
}

const QString kDescription = QStringLiteral(
    "Calculate the resulting focal lengths and ratios when using the VKP-2 for eyepiece "
    "projection photography.");
const QString kWebSite = QString::fromLatin1(app_info::kWebSite);
const QString kDisclaimer = QStringLiteral(
    "Warning: This program is protected by copyright law. Unauthorized reproduction or "
    "distribution of this program, or any part of it, is prohibited.");

} // namespace

QString versionLine(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

AboutDialog::AboutDialog(SystemInfo &systemInfo, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                         | Qt::MSWindowsFixedSizeDialogHint),
      systemInfo_(systemInfo)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About VKP-2"));
    setFont(dialogFont(8.25));
    setFixedSize(twips(0, 0, 6195, 3015).size());
    buildControls();
    Form_Load();
}

void AboutDialog::buildControls()
{
    lblTitle_ = label(this, "lblTitle", QString(), twips(240, 120, 660, 435), 18, false);
    lblVersion_ = label(this, "lblVersion", QString(), twips(1680, 360, 930, 195), 8.25, false);
    label(this, "lblDescription", kDescription, twips(240, 720, 3255, 765), 9.75, true);

    // The logo at its natural size inside a 2-pixel sunken border, on light grey.
    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twips(3720, 120, 2310, 1185));
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette grey = picIcon->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    picIcon->setPalette(grey);
    picIcon->setAutoFillBackground(true);
    picIcon->setPixmap(artwork::logo(devicePixelRatioF()));
    picIcon->setAccessibleName(QStringLiteral("VKP2 logo"));

    label(this, "Label1", kWebSite, twips(3990, 1320, 1815, 255), 8.25, false);

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    const QRect from = twips(240, 1680, 0, 0);
    const QRect to = twips(6000, 1680, 0, 0);
    line->setGeometry(from.left(), from.top() - 1, to.left() - from.left() + 1, 2);

    label(this, "lblDisclaimer", kDisclaimer, twips(255, 1800, 4110, 975), 8.25, true);

    cmdOK_ = button(this, "cmdOK", QStringLiteral("OK"), QStringLiteral("OK"),
                    QStringLiteral("Close this window"), twips(4560, 1920, 1400, 345));
    cmdSysInfo_ = button(this, "cmdSysInfo", QStringLiteral("&System Info..."),
                         QStringLiteral("System Info..."),
                         QStringLiteral("Start the system information tool"),
                         twips(4560, 2400, 1400, 345));
    // Enter presses OK; Esc closes the dialog as QDialog's cancel.
    cmdOK_->setDefault(true);
    setTabOrder(cmdOK_, cmdSysInfo_);
    cmdOK_->setFocus();

    connect(cmdOK_, &QPushButton::clicked, this, &AboutDialog::cmdOK_Click);
    connect(cmdSysInfo_, &QPushButton::clicked, this, &AboutDialog::cmdSysInfo_Click);
}

void AboutDialog::Form_Load()
{
    lblVersion_->setText(versionLine(app_info::kMajor, app_info::kMinor, app_info::kRevision));
    lblVersion_->setAccessibleName(lblVersion_->text());
    lblVersion_->adjustSize();
    lblTitle_->setText(QString::fromLatin1(app_info::kTitle));
    lblTitle_->setAccessibleName(lblTitle_->text());
    lblTitle_->adjustSize();
}

void AboutDialog::cmdOK_Click() { accept(); }

void AboutDialog::cmdSysInfo_Click() { systemInfo_.StartSysInfo(); }

void showAboutDialog(QWidget *owner, MessageBoxes &messages)
{
    const auto registry = makeSystemRegistry();
    DetachedLauncher launcher;
    DirectoryListing files;
    SystemInfo systemInfo(*registry, launcher, files, messages);
    // A new dialog per opening: nothing survives from one to the next. With an owner, Qt
    // centres it over the owner; exec() makes it application-modal.
    AboutDialog dialog(systemInfo, owner);
    dialog.exec();
}

} // namespace vkp2
