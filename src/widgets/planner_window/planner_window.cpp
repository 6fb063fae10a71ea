#include "widgets/planner_window/planner_window.h"

#include "calculator/toolkit/app_info.h"
#include "calculator/toolkit/message_boxes.h"
#include "planner/mosaic.h"
#include "planner/mosaic_targets.h"
#include "storage/kit_file.h"
#include "storage/night_mode.h"
#include "storage/setup_location.h"
#include "widgets/planner_window/announce.h"
#include "widgets/planner_window/exports.h"
#include "widgets/planner_window/field_mark.h"
#include "widgets/planner_window/focal_chart.h"
#include "widgets/planner_window/framing_view.h"
#include "widgets/planner_window/kit_dialog.h"
#include "widgets/toolkit/night_filter.h"
#include "widgets/planner_window/night_panel.h"
#include "widgets/planner_window/night_words.h"
#include "widgets/planner_window/open_in_calculator.h"
#include "widgets/planner_window/planner_icon.h"
#include "widgets/planner_window/setup_panel.h"
#include "widgets/planner_window/solve_table.h"
#include "widgets/planner_window/train_choices.h"
#include "widgets/toolkit/night_look.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace vkp2::planner_window {

namespace {

QString calculatorFile() { return storage::userEquipmentFilePath(storage::FolderCreation::ReadOnly); }

} // namespace

PlannerWindow::PlannerWindow(MessageBoxes &messages, QWidget *parent)
    : QMainWindow(parent), messages_(messages)
{
    // Taken before night mode can change it: the exports' colours.
    dayPalette_ = QApplication::palette();
    setWindowTitle(kPlannerTitle);
    setWindowIcon(plannerIcon());
    build();
    buildMenus();
    loadKit();
    restoreState();
    if (storage::readNightMode())
        night_->setChecked(true);
}

PlannerWindow::~PlannerWindow() = default;

void PlannerWindow::build()
{
    panel_ = new SetupPanel;
    chart_ = new FocalChart;
    view_ = new QComboBox;
    view_->addItems({tr("Focal ratio"), tr("Pixel scale")});
    view_->setAccessibleName(tr("Chart shows"));
    view_->setObjectName(QStringLiteral("ChartView"));
    cursorLabel_ = new QLabel;
    cursorLabel_->setObjectName(QStringLiteral("CursorValues"));
    cursorLabel_->setAccessibleName(tr("Values at the chart's cursor"));
    cursorLabel_->setWordWrap(true);
    cursorLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    framing_ = new FramingView;
    framingText_ = new QLabel;
    framingText_->setObjectName(QStringLiteral("FramingText"));
    framingText_->setAccessibleName(tr("Framing in words"));
    framingText_->setWordWrap(true);
    framingText_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    framingText_->setMinimumWidth(220);
    solve_ = new SolveTable;

    auto *viewLabel = new QLabel(tr("&Chart shows:"));
    viewLabel->setBuddy(view_);
    auto *viewRow = new QHBoxLayout;
    viewRow->addWidget(viewLabel);
    viewRow->addWidget(view_);
    viewRow->addStretch(1);
    auto *hint = new QLabel(tr("Arrow keys move the cursor, Enter picks the point."));
    viewRow->addWidget(hint);

    auto *chartBox = new QGroupBox(tr("Chart"));
    auto *chartLayout = new QVBoxLayout(chartBox);
    chartLayout->addLayout(viewRow);
    chartLayout->addWidget(chart_, 1);
    chartLayout->addWidget(cursorLabel_);

    auto *framingBox = new QGroupBox(tr("Framing at the chosen element and distance"));
    auto *framingLayout = new QHBoxLayout(framingBox);
    framingLayout->addWidget(framing_, 3);
    // The words scroll rather than squeeze the chart above.
    auto *wordsScroll = new QScrollArea;
    wordsScroll->setWidget(framingText_);
    wordsScroll->setWidgetResizable(true);
    wordsScroll->setFrameShape(QFrame::NoFrame);
    wordsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Room for the words' narrowest width beside the scroll bar, so no line is cut off.
    wordsScroll->setMinimumWidth(framingText_->minimumWidth()
                                 + wordsScroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                                 + 2 * wordsScroll->frameWidth());
    wordsScroll->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    framingLayout->addWidget(wordsScroll, 2);

    auto *solveBox = new QGroupBox(tr("Solve for the distance"));
    auto *solveLayout = new QVBoxLayout(solveBox);
    solveLayout->addWidget(solve_);

    // Splitters and a scroll area let the window shrink to any screen at any scale; what does
    // not fit scrolls instead of pushing the window off the screen.
    auto *bottom = new QSplitter(Qt::Horizontal);
    bottom->addWidget(framingBox);
    bottom->addWidget(solveBox);
    bottom->setStretchFactor(0, 4);
    bottom->setStretchFactor(1, 5);
    auto *right = new QSplitter(Qt::Vertical);
    right->addWidget(chartBox);
    right->addWidget(bottom);
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 2);
    auto *panelScroll = new QScrollArea;
    panelScroll->setWidget(panel_);
    panelScroll->setWidgetResizable(true);
    panelScroll->setFrameShape(QFrame::NoFrame);
    panelScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panelScroll->setMinimumWidth(panel_->minimumSizeHint().width() + 20);
    auto *split = new QSplitter(Qt::Horizontal);
    split->addWidget(panelScroll);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setCollapsible(0, false);
    split->setCollapsible(1, false);
    auto *content = new QWidget;
    auto *layout = new QHBoxLayout(content);
    layout->addWidget(split);
    auto *scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setObjectName(QStringLiteral("WindowScroll"));
    setCentralWidget(scroll);

    const auto &w = panel_->widgets();
    const auto &n = w.night->widgets();
    QWidget *order[] = {w.telescope, w.focalLength, w.aperture, w.ocular, w.tl, w.d, w.camera,
                        w.binning, w.pixelWidth, w.pixelHeight, w.chipWidth, w.chipHeight, w.seeing,
                        w.target, w.targetSize, w.colourSensor, n.date, n.now, n.filter, n.wavelength, n.rule,
                        n.colourFactor, n.blur, n.blurArcsec, n.mosaic, n.overlap, n.rotation, view_, chart_,
                        solve_->kindBox(), solve_->valueBox(), solve_->table()};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(panel_, &SetupPanel::inputsChanged, this, &PlannerWindow::inputsChanged);
    connect(chart_, &FocalChart::cursorMoved, this, [this](const QString &text) {
        cursorLabel_->setText(text);
        announce(cursorLabel_, text);
    });
    connect(chart_, &FocalChart::picked, panel_, &SetupPanel::pick);
    connect(chart_, &FocalChart::pickedTrain, panel_, &SetupPanel::pickSetup);
    connect(solve_, &SolveTable::picked, panel_, &SetupPanel::pick);
    connect(solve_, &SolveTable::pickedTrain, panel_, &SetupPanel::pickSetup);
    connect(view_, &QComboBox::currentIndexChanged, this, [this](int i) {
        chart_->setView(i == 1 ? FocalChart::View::PixelScale : FocalChart::View::FocalRatio);
    });
    resize(1240, 860);
}

void PlannerWindow::fitToScreen()
{
    // The window and its frame inside the screen's free area, at any scale.
    const QScreen *sc = screen();
    if (!sc)
        return;
    const QRect free = sc->availableGeometry();
    QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                   frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
    // Before the window manager has framed the window, leave room for a title bar and borders.
    if (frame.isNull())
        frame = QMargins(4, 32, 4, 4);
    const QRect room = free.marginsRemoved(frame);
    QRect g = geometry();
    g.setSize(g.size().boundedTo(room.size()));
    g.moveLeft(std::clamp(g.left(), room.left(), std::max(room.left(), room.right() - g.width() + 1)));
    g.moveTop(std::clamp(g.top(), room.top(), std::max(room.top(), room.bottom() - g.height() + 1)));
    setGeometry(g);
}

void PlannerWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("Export &chart…"), this, [this] {
        askAndExport(tr("Export chart"), tr("PNG image (*.png);;SVG drawing (*.svg)"),
                     QStringLiteral("vkp2-chart.png"), &PlannerWindow::exportChart);
    });
    file->addAction(tr("Export &framing…"), this, [this] {
        askAndExport(tr("Export framing"), tr("PNG image (*.png);;SVG drawing (*.svg)"),
                     QStringLiteral("vkp2-framing.png"), &PlannerWindow::exportFraming);
    });
    file->addAction(tr("Export &solve table…"), this, [this] {
        askAndExport(tr("Export solve table"), tr("CSV table (*.csv)"),
                     QStringLiteral("vkp2-solve.csv"), &PlannerWindow::exportSolveTable);
    });
    exportPanes_ = file->addAction(tr("Export &mosaic panes (CSV)…"), this, [this] {
        askAndExport(tr("Export mosaic panes"), tr("CSV table (*.csv)"), QStringLiteral("vkp2-mosaic.csv"),
                     &PlannerWindow::exportMosaicPanes);
    });
    exportPanes_->setObjectName(QStringLiteral("ExportMosaicPanes"));
    exportPanes_->setEnabled(false);
    file->addSeparator();
    QAction *take = file->addAction(tr("&Take the calculator's setup"), this, &PlannerWindow::takeCalculatorSetup);
    take->setObjectName(QStringLiteral("TakeCalculatorSetup"));
    QAction *open = file->addAction(tr("&Open in the calculator"), this, &PlannerWindow::openInCalculator);
    open->setObjectName(QStringLiteral("OpenInCalculator"));
    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    QMenu *kit = menuBar()->addMenu(tr("&Kit"));
    QAction *kitDialog = kit->addAction(tr("&Kit…"), this, &PlannerWindow::openKitDialog);
    kitDialog->setObjectName(QStringLiteral("KitDialog"));
    kitDialog->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    // No mnemonic: every letter of "View" is taken by a box; Ctrl+Shift+N is the way in.
    QMenu *view = menuBar()->addMenu(tr("View"));
    night_ = view->addAction(tr("&Night mode"));
    night_->setObjectName(QStringLiteral("NightMode"));
    night_->setCheckable(true);
    night_->setShortcut(night::shortcut());
    connect(night_, &QAction::toggled, this, [this](bool on) {
        setNight(on);
        storage::writeNightMode(on);
    });
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About VKP-2 Planner"), this, &PlannerWindow::about);
}

void PlannerWindow::setNight(bool on)
{
    // Tool tips keep a palette of their own.
    static const QPalette dayTips = QToolTip::palette();
    night::apply(this, on);
    QToolTip::setPalette(on ? night::palette() : dayTips);
    chart_->setNight(on);
    setMarksNight(this, on);
    // The title bar and task bar show the icon too.
    setWindowIcon(on ? QIcon(QPixmap::fromImage(night::redImage(plannerIcon().pixmap(64).toImage()))) : plannerIcon());
    {
        const QSignalBlocker quiet(night_);
        night_->setChecked(on);
    }
    filterNightParts(this, night_->isChecked());
}

void PlannerWindow::about()
{
    messages_.show(tr("%1\nVersion %2.%3.%4\n\nPlans eyepiece projection through the VKP-2 "
                      "adapter: focal ratio and pixel scale against D, framing and sampling.\n%5")
                       .arg(kPlannerTitle)
                       .arg(app_info::kMajor)
                       .arg(app_info::kMinor)
                       .arg(app_info::kRevision)
                       .arg(QLatin1String(app_info::kWebSite)),
                   tr("About %1").arg(kPlannerTitle), MessageIcon::Information);
}

void PlannerWindow::restoreState()
{
    const PlannerState own = readPlannerState();
    const QString calcPath = calculatorFile();
    const auto calc = planner::setupFromFile(calcPath);
    view_->setCurrentIndex(own.chartView);
    const auto kind = own.goalKind == 1 ? SolveTable::GoalKind::PixelScale : SolveTable::GoalKind::FocalRatio;
    if (own.goalValue)
        solve_->setGoal(kind, *own.goalValue);
    if (!own.geometry.isEmpty())
        restoreGeometry(own.geometry);
    fitToScreen();
    panel_->setInputs(startingInputs(own, calc, QFileInfo(calcPath).lastModified()));
}

bool PlannerWindow::takeCalculatorSetup()
{
    const QString path = calculatorFile();
    const auto calc = planner::setupFromFile(path);
    if (!calc) {
        messages_.show(tr("The calculator has no saved setup to take (%1).").arg(QDir::toNativeSeparators(path)),
                       kPlannerTitle, MessageIcon::Information);
        return false;
    }
    panel_->setInputs(withCalculatorSetup(panel_->inputs(), *calc));
    return true;
}

void PlannerWindow::loadKit()
{
    const storage::KitFile file = storage::readKitFile(storage::kitFilePath());
    panel_->setKit(file.kit, file.problem);
}

KitDialog *PlannerWindow::openKitDialog()
{
    if (auto *open = findChild<KitDialog *>())
        return open;
    auto *dialog = new KitDialog(storage::kitFilePath(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &KitDialog::saved, panel_, [this](const storage::Kit &kit) { panel_->setKit(kit); });
    dialog->open();
    return dialog;
}

void PlannerWindow::openInCalculator()
{
    const OpenedInCalculator opened = planner_window::openInCalculator(panel_->inputs().setup, startCalculator);
    statusBar()->showMessage(opened.message);
    filterNightParts(this, night_->isChecked());
    announce(statusBar(), opened.message);
}

void PlannerWindow::saveState() const
{
    PlannerState st;
    st.inputs = panel_->inputs();
    st.hasOwnSetup = true;
    st.savedAt = QDateTime::currentDateTimeUtc();
    st.chartView = view_->currentIndex();
    st.goalKind = solve_->goalKind() == SolveTable::GoalKind::PixelScale ? 1 : 0;
    st.goalValue = solve_->goalValue();
    st.geometry = saveGeometry();
    writePlannerState(st);
}

void PlannerWindow::closeEvent(QCloseEvent *event)
{
    saveState();
    event->accept();
}

void PlannerWindow::inputsChanged()
{
    const PlannerInputs &in = panel_->inputs();
    chart_->setInputs(in, panel_->kit(), !panel_->trainHasProblem());
    solve_->setInputs(in, panel_->kit(), !panel_->trainHasProblem());
    updateFraming();
}

void PlannerWindow::updateFraming()
{
    const PlannerInputs &in = panel_->inputs();
    const planner::Shown shown = planner::show(in.setup);
    const planner::AdviceOptions options = adviceOptions(in);
    const planner::Advice advice = planner::adviseOn(shown, options);
    const planner::Target target = in.targetInfo();
    const Sensor sensor = sensorOf(shown);
    Framing f;
    f.target = in.target == kTypedTarget ? tr("Target") : planner::shownName(target);
    f.minArcsec = target.minArcsec;
    f.maxArcsec = target.maxArcsec;
    f.rings = target.hasRings();
    f.scaleWidth = advice.scaleWidth.value_or(0);
    f.scaleHeight = advice.scaleHeight.value_or(0);
    f.chipWidthPx = sensor.chipWidthPx;
    f.chipHeightPx = sensor.chipHeightPx;
    f.fits = advice.fits;
    f.onDate = advice.onDate;
    f.mosaic = advice.mosaic;
    framing_->setFraming(f);
    if (exportPanes_)
        exportPanes_->setEnabled(f.mosaic.has_value());
    const QString at = in.setup.train.isPlainVkp2() ? tr("%1 at D %2 mm").arg(shown.ocular, shown.box(Box::Distance_d))
                                                    : elementText(in.setup);
    QStringList lines{tr("%1: EFL %2 mm, focal ratio %3.").arg(at, shown.box(Box::efl), shown.box(Box::efr))};
    const QStringList sentences = f.sentences();
    if (sentences.isEmpty()) {
        lines << tr("No frame to fit the target into.");
    } else {
        lines << sentences;
        lines << (target.singleSize() ? tr("Filled: the target; dashed outline: the same size.")
                  : f.onDate ? tr("Filled: smallest size; dashed outline: largest; bold: on the date.")
                             : tr("Filled: smallest size; dashed outline: largest."));
    }
    lines << nightLines(advice, options, f.target, options.mosaic && planner::takesMosaic(target));
    const QString text = lines.join(QLatin1Char('\n'));
    framingText_->setText(text);
    announce(framingText_, text);
}

bool PlannerWindow::reportWrite(const QString &path, const QString &what, const QByteArray &bytes)
{
    const QString why = writeWhole(path, bytes);
    if (why.isEmpty())
        return true;
    messages_.show(tr("The %1 could not be written to %2:\n%3").arg(what, QDir::toNativeSeparators(path), why),
                   tr("Export failed"), MessageIcon::Critical);
    return false;
}

QStringList PlannerWindow::setupCaption() const
{
    const planner::Shown shown = planner::show(panel_->inputs().setup);
    const planner::Setup &setup = panel_->inputs().setup;
    QString element = elementText(setup);
    if (setup.train.isPlainVkp2() && shown.ocular != entries::NoVkp2)
        element = tr("%1, TL %2 mm, D %3 mm").arg(shown.ocular, shown.box(Box::Distance_tl), shown.box(Box::Distance_d));
    return {tr("%1: %2 (%3 mm, %4 mm), %5; camera %6, binning %7")
                .arg(kPlannerTitle, shown.telescope, shown.box(Box::Flength), shown.box(Box::Aperture), element,
                     shown.camera, shown.binning)};
}

bool PlannerWindow::exportPicture(const QString &path, const QString &what, const PaintFunction &paint,
                                  const QSizeF &size, const QStringList &caption)
{
    const QByteArray format = pictureFormatOf(path);
    if (format.isEmpty()) {
        messages_.show(tr("The %1 could not be written to %2:\nthe name ends in “.%3”, which is no picture "
                          "format the planner writes. Use .png or .svg.")
                           .arg(what, QDir::toNativeSeparators(path), QFileInfo(path).suffix()),
                       tr("Export failed"), MessageIcon::Critical);
        return false;
    }
    QSizeF whole;
    const PaintFunction captioned = withCaption(paint, size, caption, font(), exportLook().palette, &whole);
    return reportWrite(path, what, format == "svg" ? svgOf(captioned, whole, kPlannerTitle + QStringLiteral(" – ") + what)
                                                   : imageOf(captioned, whole, 2, format));
}

PaintLook PlannerWindow::exportLook() const { return {night_->isChecked() ? dayPalette_ : palette(), false}; }

bool PlannerWindow::exportChart(const QString &path)
{
    return exportPicture(path, tr("chart"), [this](QPainter &p, const QSizeF &s) { chart_->paintChart(p, s, exportLook()); },
                         chart_->size(), setupCaption());
}

bool PlannerWindow::exportFraming(const QString &path)
{
    // The words go with the picture, as text.
    return exportPicture(path, tr("framing picture"),
                         [this](QPainter &p, const QSizeF &s) { framing_->paintFraming(p, s, exportLook()); },
                         framing_->size(), setupCaption() + framingText_->text().split(QLatin1Char('\n')));
}

bool PlannerWindow::exportMosaicPanes(const QString &path)
{
    const auto &mosaic = framing_->framing().mosaic;
    return reportWrite(path, tr("mosaic panes"), mosaic ? planner::mosaicPanesCsv(*mosaic) : QByteArray());
}

bool PlannerWindow::exportSolveTable(const QString &path)
{
    return reportWrite(path, tr("solve table"), solve_->csv());
}

void PlannerWindow::askAndExport(const QString &what, const QString &filters, const QString &defaultName,
                                 bool (PlannerWindow::*exporter)(const QString &))
{
    // The dialog adds the filter's suffix itself, so its overwrite question is about the file
    // that will really be written.
    QFileDialog dialog(this, what, defaultName, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto suffixOf = [](const QString &filter) {
        return filter.contains(QLatin1String("*.svg")) ? QStringLiteral("svg")
               : filter.contains(QLatin1String("*.csv")) ? QStringLiteral("csv")
                                                          : QStringLiteral("png");
    };
    dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&](const QString &filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    (this->*exporter)(dialog.selectedFiles().constFirst());
}

} // namespace vkp2::planner_window
