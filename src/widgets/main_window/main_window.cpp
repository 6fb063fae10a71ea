#include "widgets/main_window/main_window.h"

#include "storage/night_mode.h"
#include "storage/setup_location.h"
#include "storage/user_equipment_file.h"
#include "widgets/about/about_dialog.h"
#include "widgets/artwork/artwork.h"
#include "widgets/main_window/dimension_drawing.h"
#include "widgets/toolkit/night_filter.h"
#include "widgets/toolkit/night_look.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QSettings>

#include <algorithm>
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
    const QRect available = primary->availableGeometry();
    // A maximized close stores the whole work area; larger than that fits no screen, so the
    // window is shrunk to it and moved fully onto it.
    const QRect work = primary->availableVirtualGeometry();
    if (outer.width() > work.width() || outer.height() > work.height()) {
        outer.setSize(outer.size().boundedTo(work.size()));
        if (work.intersects(outer))
            outer.moveTopLeft(QPoint(std::clamp(outer.left(), work.left(), work.right() - outer.width() + 1),
                                     std::clamp(outer.top(), work.top(), work.bottom() - outer.height() + 1)));
    }

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

MainWindow::MainWindow(MessageBoxes &messages, HandlerDecorator decorate, QWidget *parent)
    : QMainWindow(parent), messages_(messages), decorate_(std::move(decorate))
{
    buildControls();

    Controls controls{};
    for (const BoxInfo &info : kBoxes) {
        const std::size_t i = indexOf(info.id);
        auto field = std::make_unique<LineEditField>(w_.boxes[i]);
        field->onChange(handlerFor(info.name));
        controls.boxes[i] = field.get();
        fields_.push_back(std::move(field));
    }
    for (std::size_t i = 0; i < kListCount; ++i) {
        auto list = std::make_unique<ComboList>(w_.lists[i]);
        list->onChoose(handlerFor(kListNames[i]));
        controls.lists[i] = list.get();
        lists_.push_back(std::move(list));
    }
    calculator_ = std::make_unique<Calculator>(controls, messages);

    // The menu bar's only entry opens the About window directly (no drop-down menu).
    auto *about = menuBar()->addAction(QStringLiteral("&About "));
    about->setObjectName(QStringLiteral("mnuHelpAbout"));
    connect(about, &QAction::triggered, this, &MainWindow::mnuHelpAbout_Click);

    // On the window, not in the menu bar, whose one entry stays the About window.
    auto *nightToggle = new QAction(this);
    nightToggle->setObjectName(QStringLiteral("nightMode"));
    nightToggle->setShortcut(night::shortcut());
    nightToggle->setShortcutContext(Qt::WindowShortcut);
    addAction(nightToggle);
    connect(nightToggle, &QAction::triggered, this, &MainWindow::toggleNight);

    // A session that ends without closing the window still saves the setup.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] {
        SaveUserData();
        savePlacement();
    });

    Form_Load();
    // Day is the style the window starts in anyway: only night has anything to change.
    if (storage::readNightMode())
        setNight(true);
}

MainWindow::~MainWindow() = default;

Handler MainWindow::handlerFor(std::string_view control)
{
    const auto procedure = Calculator::handlerOf(control);
    if (!procedure)
        return {};
    Handler handler = [this, procedure] { (calculator_.get()->*procedure)(); };
    return decorate_ ? decorate_(control, std::move(handler)) : handler;
}

// Runs once, before the window is first shown: every list selects its entry and runs its
// handler, so the window is fully calculated when it appears.
void MainWindow::Form_Load()
{
    {
        const auto settings = storage::openSettings();
        applyPlacement(storage::readPlacement(*settings));
    }
    // Asked once: the answer follows the current folder, which may change or vanish later.
    setupPath_ = storage::userEquipmentFilePath();
    storage::removeStaleTemporaryFiles(setupPath_);
    calculator_->Start(storage::readUserEquipmentFile(setupPath_));
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
    storage::writeUserEquipmentFile(setupPath_, calculator_->SetupTexts());
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
    fitFrame();
    // Focus starts in the first enabled control of the tab order (the list is always enabled).
    const std::array<QWidget *, 5> firstInTabOrder{w_[Box::Distance_tl], w_[Box::Distance_d], w_[Box::Flength],
                                                   w_[Box::Aperture], w_[List::Telescope]};
    for (QWidget *w : firstInTabOrder) {
        if (w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

bool MainWindow::event(QEvent *event)
{
    const bool done = QMainWindow::event(event);
    // A window manager frames the window after it is shown, and tells so by a move or resize.
    if (wantedOuter_ && shown_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        fitFrame();
    return done;
}

// The stored rectangle includes the frame, but the start sizes the inside: once the frame is
// known, take it off the inside, or every start would grow the window by one frame.
void MainWindow::fitFrame()
{
    if (!wantedOuter_ || frameGeometry() == geometry())
        return; // not framed (yet), or no frame at all: inside and outside are one
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        wantedOuter_.reset(); // the window manager sizes it
        return;
    }
    const QRect wanted = *wantedOuter_;
    wantedOuter_.reset();
    const QSize frame = frameGeometry().size() - geometry().size();
    resize((wanted.size() - frame).expandedTo(QSize(1, 1)));
    if (frameGeometry().topLeft() != wanted.topLeft())
        move(wanted.topLeft());
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

void MainWindow::setNight(bool on)
{
    night_ = on;
    night::apply(this, on);
    drawing_->setNight(on);
    filterNightParts(this, on);
}

void MainWindow::toggleNight()
{
    setNight(!night_);
    storage::writeNightMode(night_);
}

} // namespace vkp2
