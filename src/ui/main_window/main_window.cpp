#include "ui/main_window/main_window.h"

#include "ui/about/about_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace vkp2 {

namespace {

// Positions are designed in twips; at 96 dpi a pixel is 15 twips. Qt's device-independent
// pixels keep these proportions on high-DPI screens.
QRect twips(int left, int top, int width, int height)
{
    return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
                 qRound(height / 15.0));
}

enum class Weight { Regular, Bold };

QFont controlFont(double points, Weight weight)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(weight == Weight::Bold);
    return font;
}

QGroupBox *frame(QWidget *parent, const QString &caption, const QRect &rect)
{
    auto *box = new QGroupBox(caption, parent);
    box->setGeometry(rect);
    box->setFont(controlFont(8.25, Weight::Regular));
    return box;
}

QLabel *label(QWidget *parent, const QString &text, const QRect &rect,
              Weight weight = Weight::Regular, Qt::Alignment align = Qt::AlignRight)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(rect);
    l->setFont(controlFont(8.25, weight));
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

QLineEdit *field(QWidget *parent, const QString &text, const QRect &rect, bool enabled,
                 double points = 8.25, Weight weight = Weight::Regular)
{
    auto *e = new QLineEdit(text, parent);
    e->setGeometry(rect);
    e->setFont(controlFont(points, weight));
    e->setEnabled(enabled);
    return e;
}

QLineEdit *result(QWidget *parent, const QRect &rect)
{
    return field(parent, QString(), rect, false, 9.75, Weight::Bold);
}

QComboBox *list(QWidget *parent, const QRect &rect)
{
    auto *c = new QComboBox(parent);
    c->setEditable(false);
    c->setGeometry(rect);
    c->setFont(controlFont(8.25, Weight::Regular));
    return c;
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

    Form_Load();
}

void MainWindow::mnuHelpAbout_Click() { showAboutDialog(this, messages_); }

// Runs once, before the window is first shown: every list selects its entry and runs its
// handler, so the window is fully calculated when it appears.
void MainWindow::Form_Load()
{
    Calculator &calc = *calculator_;
    w_.efl->setText(QString());
    w_.efr->setText(QString());
    calc.state.OcularFocalLength = 5.0;
    calc.FillTelescopeList();
    calc.FillOcularList();
    calc.FillCameraList();
    calc.FillBinningList();
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

void MainWindow::buildControls()
{
    setWindowTitle(QStringLiteral("VKP-2 Calculator"));
    auto *client = new QWidget(this);
    client->setFixedSize(twips(0, 0, 8520, 7515).size());
    setCentralWidget(client);

    auto *telescope = frame(client, QStringLiteral("Telescope Properties"), twips(120, 120, 3135, 2055));
    label(telescope, QStringLiteral("Telescope:"), twips(120, 390, 855, 255));
    w_.Telescope = list(telescope, twips(1200, 360, 1695, 315));
    label(telescope, QStringLiteral("Focal Length (mm):"), twips(360, 855, 1455, 255));
    w_.Flength = field(telescope, QStringLiteral("530"), twips(2040, 840, 855, 285), false);
    label(telescope, QStringLiteral("Aperture (mm):"), twips(720, 1215, 1095, 255));
    w_.Aperture = field(telescope, QStringLiteral("106"), twips(2040, 1200, 855, 285), false);
    label(telescope, QStringLiteral("F-Ratio:"), twips(1200, 1575, 615, 255));
    w_.Fratio = field(telescope, QStringLiteral("5"), twips(2040, 1560, 855, 285), false);

    auto *ocular = frame(client, QStringLiteral("Ocular Factor"), twips(120, 2280, 3135, 855));
    label(ocular, QStringLiteral("Ocular in VKP-2:"), twips(120, 390, 1215, 255));
    w_.Ocular = list(ocular, twips(1560, 360, 1335, 315));

    auto *projection = frame(client, QStringLiteral("Projection Distance"), twips(120, 3360, 3135, 1215));
    label(projection, QStringLiteral("Distance TL (0-30mm):"), twips(480, 375, 1695, 255));
    w_.Distance_tl = field(projection, QStringLiteral("5"), twips(2400, 360, 495, 285), true);
    label(projection, QStringLiteral("Cam. Focal Distance D (mm):"), twips(120, 735, 2055, 255));
    w_.Distance_d = field(projection, QStringLiteral("55"), twips(2400, 720, 495, 285), true);

    auto *results = frame(client, QStringLiteral("Results"), twips(3480, 3360, 4815, 1215));
    label(results, QStringLiteral("Extended Focal Length (mm) ="), twips(600, 300, 2640, 255), Weight::Bold);
    w_.efl = result(results, twips(3360, 240, 1215, 360));
    label(results, QStringLiteral("Extended Focal Ratio ="), twips(1080, 720, 2175, 255), Weight::Bold);
    w_.efr = result(results, twips(3360, 660, 1215, 360));

    auto *camera = frame(client, QStringLiteral("CCD Camera Field of View and Pixel Scale"),
                         twips(120, 4680, 8175, 2655));
    label(camera, QStringLiteral("CCD Camera:"), twips(600, 390, 975, 255));
    w_.Ccd = list(camera, twips(1800, 360, 2055, 315));
    label(camera, QStringLiteral("Binning:"), twips(960, 870, 615, 255));
    w_.Binning = list(camera, twips(1800, 840, 2055, 315));
    label(camera, QStringLiteral("Width"), twips(1800, 1440, 975, 255), Weight::Regular, Qt::AlignHCenter);
    label(camera, QStringLiteral("Height"), twips(2880, 1440, 975, 255), Weight::Regular, Qt::AlignHCenter);
    label(camera, QStringLiteral("Pixel Size (microns):"), twips(120, 1680, 1455, 255));
    w_.Pixelsize_width = field(camera, QString(), twips(1800, 1680, 975, 285), false);
    w_.Pixelsize_height = field(camera, QString(), twips(2880, 1680, 975, 285), false);
    label(camera, QStringLiteral("Chip Size (pixels):"), twips(240, 2040, 1335, 255));
    w_.Chipsize_width = field(camera, QString(), twips(1800, 2040, 975, 285), false);
    w_.Chipsize_height = field(camera, QString(), twips(2880, 2040, 975, 285), false);
    label(camera, QStringLiteral("FOV Width (arcmin) ="), twips(4680, 360, 1935, 255), Weight::Bold);
    w_.Fov_width = result(camera, twips(6720, 315, 1215, 330));
    label(camera, QStringLiteral("FOV Height (arcmin) ="), twips(4560, 840, 2055, 255), Weight::Bold);
    w_.Fov_height = result(camera, twips(6720, 795, 1215, 330));
    label(camera, QStringLiteral("Scale W (arcsec/pixel) ="), twips(4440, 1320, 2175, 255), Weight::Bold);
    w_.Pixelscale_width = result(camera, twips(6720, 1275, 1215, 330));
    label(camera, QStringLiteral("Scale H (arcsec/pixel) ="), twips(4440, 1800, 2175, 255), Weight::Bold);
    w_.Pixelscale_height = result(camera, twips(6720, 1755, 1215, 330));

    const std::pair<QWidget *, const char *> names[] = {
        {w_.Telescope, "Telescope"}, {w_.Ocular, "Ocular"}, {w_.Ccd, "Ccd"},
        {w_.Binning, "Binning"}, {w_.Flength, "Flength"}, {w_.Aperture, "Aperture"},
        {w_.Fratio, "Fratio"}, {w_.Distance_tl, "Distance_tl"}, {w_.Distance_d, "Distance_d"},
        {w_.efl, "efl"}, {w_.efr, "efr"}, {w_.Pixelsize_width, "Pixelsize_width"},
        {w_.Pixelsize_height, "Pixelsize_height"}, {w_.Chipsize_width, "Chipsize_width"},
        {w_.Chipsize_height, "Chipsize_height"}, {w_.Fov_width, "Fov_width"},
        {w_.Fov_height, "Fov_height"}, {w_.Pixelscale_width, "Pixelscale_width"},
        {w_.Pixelscale_height, "Pixelscale_height"},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QLatin1String(name));
}

} // namespace vkp2
