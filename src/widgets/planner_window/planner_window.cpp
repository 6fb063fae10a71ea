#include "widgets/planner_window/planner_window.h"

#include "calculator/core/numbers.h"
#include "calculator/core/optics.h"
#include "calculator/toolkit/app_info.h"
#include "calculator/toolkit/message_boxes.h"
#include "storage/setup_location.h"
#include "widgets/planner_window/exports.h"
#include "widgets/planner_window/focal_chart.h"
#include "widgets/planner_window/framing_view.h"
#include "widgets/planner_window/planner_icon.h"
#include "widgets/planner_window/setup_panel.h"
#include "widgets/planner_window/solve_table.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vkp2::planner_window {

namespace {

QSettings plannerSettings()
{
    return QSettings(QStringLiteral("VKP2"), kSettingsApplication);
}

} // namespace

PlannerWindow::PlannerWindow(MessageBoxes &messages, QWidget *parent)
    : QMainWindow(parent), messages_(messages)
{
    setWindowTitle(kPlannerTitle);
    setWindowIcon(plannerIcon());
    build();
    buildMenus();
    restoreState();
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

    auto *viewLabel = new QLabel(tr("C&hart shows:"));
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

    auto *framingBox = new QGroupBox(tr("Framing at the chosen ocular and D"));
    auto *framingLayout = new QHBoxLayout(framingBox);
    framingLayout->addWidget(framing_, 3);
    framingLayout->addWidget(framingText_, 2);

    auto *solveBox = new QGroupBox(tr("Solve for D"));
    auto *solveLayout = new QVBoxLayout(solveBox);
    solveLayout->addWidget(solve_);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(framingBox, 4);
    bottom->addWidget(solveBox, 5);
    auto *right = new QVBoxLayout;
    right->addWidget(chartBox, 3);
    right->addLayout(bottom, 2);
    auto *central = new QWidget;
    auto *layout = new QHBoxLayout(central);
    layout->addWidget(panel_, 0);
    layout->addLayout(right, 1);
    setCentralWidget(central);

    const auto &w = panel_->widgets();
    QWidget *order[] = {w.telescope, w.focalLength, w.aperture, w.ocular, w.tl, w.d, w.camera,
                        w.binning, w.pixelWidth, w.pixelHeight, w.chipWidth, w.chipHeight, w.seeing,
                        w.target, w.targetSize, w.colourSensor, w.wavelength, view_, chart_,
                        solve_->kindBox(), solve_->valueBox(), solve_->table()};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(panel_, &SetupPanel::inputsChanged, this, &PlannerWindow::inputsChanged);
    connect(chart_, &FocalChart::cursorMoved, cursorLabel_, &QLabel::setText);
    connect(chart_, &FocalChart::picked, panel_, &SetupPanel::pick);
    connect(solve_, &SolveTable::picked, panel_, &SetupPanel::pick);
    connect(view_, &QComboBox::currentIndexChanged, this, [this](int i) {
        chart_->setView(i == 1 ? FocalChart::View::PixelScale : FocalChart::View::FocalRatio);
    });
    resize(1240, 860);
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
    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About VKP-2 Planner"), this, &PlannerWindow::about);
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
    QSettings settings = plannerSettings();
    settings.beginGroup(QStringLiteral("Planner"));
    PlannerInputs in;
    // The kit follows the calculator; the planner's own copy serves when it has none.
    if (const auto calc = planner::setupFromFile(storage::userEquipmentFilePath(storage::FolderCreation::ReadOnly))) {
        in.setup = *calc;
        in.setup.binning = settings.value(QStringLiteral("Binning"), in.setup.binning).toString();
    } else if (settings.contains(QStringLiteral("Telescope"))) {
        planner::Setup &s = in.setup;
        auto text = [&](const char *key, const QString &fallback) {
            return settings.value(QLatin1String(key), fallback).toString();
        };
        s.telescope = text("Telescope", s.telescope);
        s.focalLength = text("FocalLength", s.focalLength);
        s.aperture = text("Aperture", s.aperture);
        s.ocular = text("Ocular", s.ocular);
        s.tl = text("TL", s.tl);
        s.d = text("D", s.d);
        s.camera = text("Camera", s.camera);
        s.pixelWidth = text("PixelWidth", s.pixelWidth);
        s.pixelHeight = text("PixelHeight", s.pixelHeight);
        s.chipWidth = text("ChipWidth", s.chipWidth);
        s.chipHeight = text("ChipHeight", s.chipHeight);
        s.binning = text("Binning", s.binning);
    }
    in.seeingArcsec = settings.value(QStringLiteral("Seeing"), in.seeingArcsec).toDouble();
    in.target = settings.value(QStringLiteral("Target"), in.target).toString();
    in.typedTargetArcsec = settings.value(QStringLiteral("TargetSize"), in.typedTargetArcsec).toDouble();
    in.colourSensor = settings.value(QStringLiteral("ColourSensor"), in.colourSensor).toBool();
    in.wavelengthNm = settings.value(QStringLiteral("Wavelength"), in.wavelengthNm).toDouble();
    view_->setCurrentIndex(settings.value(QStringLiteral("ChartView"), 0).toInt() == 1 ? 1 : 0);
    const auto kind = settings.value(QStringLiteral("GoalKind"), 0).toInt() == 1
                          ? SolveTable::GoalKind::PixelScale
                          : SolveTable::GoalKind::FocalRatio;
    if (settings.contains(QStringLiteral("GoalValue")))
        solve_->setGoal(kind, settings.value(QStringLiteral("GoalValue")).toDouble());
    if (settings.contains(QStringLiteral("Geometry")))
        restoreGeometry(settings.value(QStringLiteral("Geometry")).toByteArray());
    panel_->setInputs(in);
}

void PlannerWindow::saveState() const
{
    QSettings settings = plannerSettings();
    settings.beginGroup(QStringLiteral("Planner"));
    const PlannerInputs &in = panel_->inputs();
    const planner::Setup &s = in.setup;
    const std::pair<const char *, QString> texts[] = {
        {"Telescope", s.telescope}, {"FocalLength", s.focalLength}, {"Aperture", s.aperture},
        {"Ocular", s.ocular},       {"TL", s.tl},                   {"D", s.d},
        {"Camera", s.camera},       {"PixelWidth", s.pixelWidth},   {"PixelHeight", s.pixelHeight},
        {"ChipWidth", s.chipWidth}, {"ChipHeight", s.chipHeight},   {"Binning", s.binning},
        {"Target", in.target}};
    for (const auto &[key, value] : texts)
        settings.setValue(QLatin1String(key), value);
    settings.setValue(QStringLiteral("Seeing"), in.seeingArcsec);
    settings.setValue(QStringLiteral("TargetSize"), in.typedTargetArcsec);
    settings.setValue(QStringLiteral("ColourSensor"), in.colourSensor);
    settings.setValue(QStringLiteral("Wavelength"), in.wavelengthNm);
    settings.setValue(QStringLiteral("ChartView"), view_->currentIndex());
    settings.setValue(QStringLiteral("GoalKind"), solve_->goalKind() == SolveTable::GoalKind::PixelScale ? 1 : 0);
    settings.setValue(QStringLiteral("GoalValue"), solve_->goalValue());
    settings.setValue(QStringLiteral("Geometry"), saveGeometry());
}

void PlannerWindow::closeEvent(QCloseEvent *event)
{
    saveState();
    event->accept();
}

void PlannerWindow::inputsChanged()
{
    const PlannerInputs &in = panel_->inputs();
    chart_->setInputs(in);
    solve_->setInputs(in);
    updateFraming();
}

void PlannerWindow::updateFraming()
{
    const PlannerInputs &in = panel_->inputs();
    const planner::Shown shown = planner::show(in.setup);
    const Sensor sensor = sensorOf(shown);
    Framing f;
    f.target = in.target == kTypedTarget ? tr("Target") : in.target;
    f.minArcsec = in.targetMinArcsec();
    f.maxArcsec = in.targetMaxArcsec();
    f.rings = in.target == QLatin1String("Saturn");
    if (const auto efl = shown.number("efl"); efl && *efl > 0) {
        f.scaleWidth = optics::pixelScaleArcsec(sensor.pixelWidthUm, *efl);
        f.scaleHeight = optics::pixelScaleArcsec(sensor.pixelHeightUm, *efl);
    }
    f.chipWidthPx = sensor.chipWidthPx;
    f.chipHeightPx = sensor.chipHeightPx;
    framing_->setFraming(f);
    QStringList lines{tr("%1 at D %2 mm: EFL %3 mm, focal ratio %4.")
                          .arg(shown.ocular, shown.box("Distance_d"), shown.box("efl"), shown.box("efr"))};
    const QStringList sentences = f.sentences();
    if (sentences.isEmpty()) {
        lines << tr("No frame to fit the target into.");
    } else {
        lines << sentences;
        lines << (sentences.size() > 1 ? tr("Filled: smallest size; dashed outline: largest.")
                                       : tr("Filled: the target; dashed outline: the same size."));
    }
    framingText_->setText(lines.join(QLatin1Char('\n')));
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

bool PlannerWindow::exportPicture(const QString &path, const QString &what,
                                  const std::function<void(QPainter &, const QSizeF &)> &paint,
                                  const QSizeF &size)
{
    const bool svg = QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    return reportWrite(path, what, svg ? svgOf(paint, size, kPlannerTitle + QStringLiteral(" – ") + what)
                                       : pngOf(paint, size, 2));
}

bool PlannerWindow::exportChart(const QString &path)
{
    return exportPicture(path, tr("chart"), [this](QPainter &p, const QSizeF &s) { chart_->paintChart(p, s); },
                         chart_->size());
}

bool PlannerWindow::exportFraming(const QString &path)
{
    return exportPicture(path, tr("framing picture"),
                         [this](QPainter &p, const QSizeF &s) { framing_->paintFraming(p, s); },
                         framing_->size());
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
