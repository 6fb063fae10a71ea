#include "ui/main_window/main_window.h"

#include "storage/user_equipment_file.h"
#include "ui/about/about_dialog.h"
#include "ui/artwork/artwork.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>

#include <array>

namespace vkp2 {

namespace {

// A rectangle whose title bar lies on no screen would leave the window out of reach: move it
// back onto the primary screen, and keep its size within what the screens can show.
QRect keepOnScreen(QRect outer)
{
    const storage::Placement defaults;
    const QRect fallback = storage::toPixels(defaults);
    if (outer.width() < 1)
        outer.setWidth(fallback.width());
    if (outer.height() < 1)
        outer.setHeight(fallback.height());

    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return outer;
    const QRect desktop = primary->virtualGeometry();
    const QRect available = primary->availableGeometry();
    if (outer.width() > desktop.width() || outer.height() > desktop.height())
        outer.setSize(outer.size().boundedTo(available.size()));

    const QRect titleBar(outer.left(), outer.top(), outer.width(), 24);
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(titleBar))
            return outer;
    }
    outer.moveTopLeft(available.topLeft() + fallback.topLeft());
    if (!available.contains(outer.topLeft()))
        outer.moveTopLeft(available.topLeft());
    return outer;
}

} // namespace

MainWindow::MainWindow(MessageBoxes &messages, QWidget *parent)
    : QMainWindow(parent), messages_(messages)
{
    buildControls();

    const Controls controls{
        adapt(w_.Flength, &Calculator::Flength_Change),
        adapt(w_.Aperture, &Calculator::Aperture_Change),
        adapt(w_.Fratio, nullptr),
        adapt(w_.Distance_tl, &Calculator::Distance_tl_Change),
        adapt(w_.Distance_d, &Calculator::Distance_d_Change),
        adapt(w_.efl, nullptr),
        adapt(w_.efr, nullptr),
        adapt(w_.Pixelsize_width, &Calculator::Pixelsize_width_Change),
        adapt(w_.Pixelsize_height, &Calculator::Pixelsize_height_Change),
        adapt(w_.Chipsize_width, &Calculator::Chipsize_width_Change),
        adapt(w_.Chipsize_height, &Calculator::Chipsize_height_Change),
        adapt(w_.Fov_width, nullptr),
        adapt(w_.Fov_height, nullptr),
        adapt(w_.Pixelscale_width, nullptr),
        adapt(w_.Pixelscale_height, nullptr),
        adapt(w_.Telescope, &Calculator::Telescope_Click),
        adapt(w_.Ocular, &Calculator::Ocular_Click),
        adapt(w_.Ccd, &Calculator::Ccd_Click),
        adapt(w_.Binning, &Calculator::Binning_Click),
    };
    calculator_ = std::make_unique<Calculator>(controls, messages);

    // The menu bar's only entry opens the About window directly (no drop-down menu).
    auto *about = menuBar()->addAction(QStringLiteral("&About "));
    about->setObjectName(QStringLiteral("mnuHelpAbout"));
    connect(about, &QAction::triggered, this, &MainWindow::mnuHelpAbout_Click);

    // A session that ends without closing the window still saves the setup.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] {
        SaveUserData();
        savePlacement();
    });

    Form_Load();
}

MainWindow::~MainWindow() = default;

LineEditField &MainWindow::adapt(QLineEdit *edit, void (Calculator::*handler)())
{
    auto field = std::make_unique<LineEditField>(edit);
    if (handler)
        field->onChange([this, handler] { (calculator_.get()->*handler)(); });
    auto &ref = *field;
    fields_.push_back(std::move(field));
    return ref;
}

ComboList &MainWindow::adapt(QComboBox *combo, void (Calculator::*handler)())
{
    auto list = std::make_unique<ComboList>(combo);
    list->onChoose([this, handler] { (calculator_.get()->*handler)(); });
    auto &ref = *list;
    lists_.push_back(std::move(list));
    return ref;
}

// Runs once, before the window is first shown: every list selects its entry and runs its
// handler, so the window is fully calculated when it appears.
void MainWindow::Form_Load()
{
    {
        const auto settings = storage::openSettings();
        applyPlacement(storage::readPlacement(*settings));
    }
    Calculator &calc = *calculator_;
    w_.efl->setText(QString());
    w_.efr->setText(QString());
    calc.state.OcularFocalLength = 5.0;
    calc.state.UserData = storage::readUserEquipmentFile(storage::kUserEquipmentFileName);
    calc.FillTelescopeList();
    calc.FillOcularList();
    calc.FillCameraList();
    calc.FillBinningList();
}

void MainWindow::Form_Unload()
{
    SaveUserData();

    // Close the other windows, the most recently opened first.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it != this && (*it)->isVisible())
            (*it)->close();
    }
    savePlacement();
}

void MainWindow::SaveUserData()
{
    // A file that cannot be written (a read-only folder, a full disk) is left as it was.
    storage::writeUserEquipmentFile(
        storage::kUserEquipmentFileName,
        {w_.Telescope->currentText(), w_.Ocular->currentText(), w_.Ccd->currentText(),
         w_.Flength->text(), w_.Aperture->text(), w_.Distance_tl->text(), w_.Distance_d->text(),
         w_.Pixelsize_width->text(), w_.Pixelsize_height->text(), w_.Chipsize_width->text(),
         w_.Chipsize_height->text()});
}

void MainWindow::savePlacement()
{
    // A minimized window keeps the placement of the last close that was not minimized.
    if (isMinimized())
        return;
    const auto settings = storage::openSettings();
    storage::writePlacement(*settings, storage::fromPixels(outerRect()));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // The stored rectangle includes the frame, which is known only now.
    const QSize frame = frameGeometry().size() - geometry().size();
    if (wantedOuter_ && !frame.isEmpty())
        resize(wantedOuter_->size() - frame);
    // Focus starts in the first enabled control of the tab order (the list is always enabled).
    const std::array<QWidget *, 5> firstInTabOrder{w_.Distance_tl, w_.Distance_d, w_.Flength,
                                                   w_.Aperture, w_.Telescope};
    for (QWidget *w : firstInTabOrder) {
        if (w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

QRect MainWindow::outerRect() const { return frameGeometry(); }

void MainWindow::applyPlacement(const storage::Placement &placement)
{
    const QRect outer = keepOnScreen(storage::toPixels(placement));
    wantedOuter_ = outer;
    move(outer.topLeft());
    const QSize frame = frameGeometry().size() - geometry().size();
    resize((outer.size() - frame).expandedTo(QSize(1, 1)));
}

void MainWindow::mnuHelpAbout_Click() { showAboutDialog(this, messages_); }

} // namespace vkp2
