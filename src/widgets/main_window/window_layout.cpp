// The main window's controls: captions, initial texts and states, positions, fonts, the names
// screen readers announce, and the focus order.

#include "widgets/main_window/clock_status_bar.h"
#include "widgets/main_window/dimension_drawing.h"
#include "widgets/main_window/main_window.h"

#include "calculator/toolkit/app_info.h"
#include "widgets/artwork/artwork.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace vkp2 {

namespace {

QString latin1(std::string_view name)
{
    return QLatin1String(name.data(), qsizetype(name.size()));
}

// Positions are designed in twips; at 96 dpi a pixel is 15 twips. Qt's device-independent
// pixels keep these proportions on high-DPI screens.
QRect twips(int left, int top, int width, int height)
{
    return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
                 qRound(height / 15.0));
}

enum class Weight { Regular, Bold };

// The fonts the window asks for, best first, leaving out those not installed: Qt searches for
// stand-ins for the first name it is given when that one is missing, a costly search at every
// start whose result the window never uses. Matching still takes the first installed one.
const QStringList &controlFamilies()
{
    static const QStringList families = [] {
        const QStringList wanted{QStringLiteral("MS Sans Serif"),
                                 QStringLiteral("Microsoft Sans Serif"),
                                 QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
        QStringList installed = QFontDatabase::families();
        for (QString &family : installed) // "Family [Foundry]" where several foundries have it
            family = family.section(QLatin1String(" ["), 0, 0);
        QStringList present;
        for (const QString &family : wanted)
            if (installed.contains(family, Qt::CaseInsensitive))
                present << family;
        return present.isEmpty() ? wanted : present;
    }();
    return families;
}

QFont controlFont(double points, Weight weight)
{
    QFont font;
    font.setFamilies(controlFamilies());
    font.setPointSizeF(points);
    font.setBold(weight == Weight::Bold);
    return font;
}

// The layout was designed for a narrow 8-point font. Where the font at hand is wider, a
// right-aligned label first grows to the left (its text keeps its place), and only then
// shrinks its text a little instead of being cut off.
void fitText(QLabel *label)
{
    // Each size is measured once: shaping the text is most of what this costs.
    const QString text = label->text();
    QFont font = label->font();
    qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    const qreal needed = advance + 2;
    if ((label->alignment() & Qt::AlignRight) && needed > label->width()) {
        QRect r = label->geometry();
        r.setLeft(qMax(4, r.right() + 1 - qCeil(needed)));
        label->setGeometry(r);
    }
    while (font.pointSizeF() > 6.0 && advance > label->width() - 1) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        advance = QFontMetricsF(font).horizontalAdvance(text);
    }
    label->setFont(font);
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, const QRect &rect)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    box->setFont(controlFont(8.25, Weight::Regular));
    return box;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &rect,
              Weight weight = Weight::Regular, Qt::Alignment align = Qt::AlignRight)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(rect);
    l->setFont(controlFont(8.25, weight));
    l->setAlignment(align | Qt::AlignVCenter);
    l->setTextFormat(Qt::PlainText);
    fitText(l);
    return l;
}

// What a screen reader announces for a control: its label without the trailing ":" or " =".
QString spokenName(const QLabel *label)
{
    QString text = label->text();
    if (text.endsWith(QLatin1String(" =")))
        text.chop(2);
    else if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

void name(QWidget *control, QLabel *by, const QString &suffix = {})
{
    control->setAccessibleName(spokenName(by) + suffix);
    if (!by->buddy())
        by->setBuddy(control);
}

QLineEdit *field(QWidget *parent, const QString &text, const QRect &rect, bool enabled,
                 double points = 8.25, Weight weight = Weight::Regular)
{
    // The text comes after the font, so that it is shaped once, in the font it is shown in.
    auto *e = new QLineEdit(parent);
    e->setGeometry(rect);
    e->setFont(controlFont(points, weight));
    e->setText(text);
    e->setEnabled(enabled);
    return e;
}

// Results are disabled so that no one types into them, but they must read as well as the
// inputs: their disabled text takes the normal text colour, again whenever the palette changes.
class ReadableWhenDisabled final : public QObject {
public:
    explicit ReadableWhenDisabled(QWidget *box) : QObject(box)
    {
        apply(box);
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
            apply(static_cast<QWidget *>(watched));
        return false;
    }

private:
    static void apply(QWidget *box)
    {
        QPalette palette = box->palette();
        const QColor text = palette.color(QPalette::Active, QPalette::Text);
        if (palette.color(QPalette::Disabled, QPalette::Text) == text)
            return; // also ends the PaletteChange that the change below sends
        palette.setColor(QPalette::Disabled, QPalette::Text, text);
        box->setPalette(palette);
    }
};

// A box as its registry row has it: name, first text and state; results in their bold face,
// and everything that is only shown takes no focus and reads as well as the inputs.
QLineEdit *box(Box id, QWidget *parent, const QRect &rect)
{
    const BoxInfo &info = infoOf(id);
    const bool result = info.role == BoxRole::Result;
    QLineEdit *e = field(parent, latin1(info.initialText), rect, info.initiallyEnabled,
                         result ? 9.75 : 8.25, result ? Weight::Bold : Weight::Regular);
    e->setObjectName(latin1(info.name));
    if (info.role != BoxRole::Input) {
        e->setFocusPolicy(Qt::NoFocus);
        new ReadableWhenDisabled(e);
    }
    return e;
}

// A closed list too narrow for its entry cuts it off mid-letter; this one ends it with "…"
// and gives the whole name as tooltip and to screen readers.
class ElidingComboBox final : public QComboBox {
public:
    explicit ElidingComboBox(QWidget *parent) : QComboBox(parent)
    {
        connect(this, &QComboBox::currentTextChanged, this, [this](const QString &text) {
            setToolTip(text);
            setAccessibleDescription(text);
        });
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect textRect = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, this);
        option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideRight,
                                                      textRect.width());
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }
};

QComboBox *list(List id, QWidget *parent, const QRect &rect)
{
    auto *c = new ElidingComboBox(parent);
    c->setObjectName(latin1(nameOf(id)));
    c->setEditable(false);
    c->setGeometry(rect);
    c->setFont(controlFont(8.25, Weight::Regular));
    c->setMaxVisibleItems(20);
    // Long camera names stay readable in the open list even where the closed list is narrow.
    c->view()->setTextElideMode(Qt::ElideNone);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

} // namespace

void MainWindow::buildControls()
{
    setWindowTitle(QStringLiteral("VKP-2 Calculator"));
    setWindowIcon(artwork::appIcon());
    setFont(controlFont(8.25, Weight::Regular));

    // Controls sit at fixed positions; resizing the window moves only the status bar.
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    setStatusBar(new ClockStatusBar(this));

    auto *telescope = frame(client, "Frame2", QStringLiteral("Telescope Properties"), twips(120, 120, 3135, 2055));
    auto *label5 = label(telescope, "Label5", QStringLiteral("Telescope:"), twips(120, 390, 855, 255));
    w_.lists[std::size_t(List::Telescope)] = list(List::Telescope, telescope, twips(1200, 360, 1695, 315));
    auto *label6 = label(telescope, "Label6", QStringLiteral("Focal Length (mm):"), twips(360, 855, 1455, 255));
    w_.boxes[indexOf(Box::Flength)] = box(Box::Flength, telescope, twips(2040, 840, 855, 285));
    auto *label10 = label(telescope, "Label10", QStringLiteral("Aperture (mm):"), twips(720, 1215, 1095, 255));
    w_.boxes[indexOf(Box::Aperture)] = box(Box::Aperture, telescope, twips(2040, 1200, 855, 285));
    auto *label11 = label(telescope, "Label11", QStringLiteral("F-Ratio:"), twips(1200, 1575, 615, 255));
    w_.boxes[indexOf(Box::Fratio)] = box(Box::Fratio, telescope, twips(2040, 1560, 855, 285));

    auto *ocular = frame(client, "Frame4", QStringLiteral("Ocular Factor"), twips(120, 2280, 3135, 855));
    auto *label1 = label(ocular, "Label1", QStringLiteral("Ocular in VKP-2:"), twips(120, 390, 1215, 255));
    w_.lists[std::size_t(List::Ocular)] = list(List::Ocular, ocular, twips(1560, 360, 1335, 315));

    auto *projection = frame(client, "Frame1", QStringLiteral("Projection Distance"), twips(120, 3360, 3135, 1215));
    auto *label8 = label(projection, "Label8", QStringLiteral("Distance TL (0-30mm):"), twips(480, 375, 1695, 255));
    w_.boxes[indexOf(Box::Distance_tl)] = box(Box::Distance_tl, projection, twips(2400, 360, 495, 285));
    auto *label9 = label(projection, "Label9", QStringLiteral("Cam. Focal Distance D (mm):"), twips(120, 735, 2055, 255));
    w_.boxes[indexOf(Box::Distance_d)] = box(Box::Distance_d, projection, twips(2400, 720, 495, 285));

    auto *results = frame(client, "Frame3", QStringLiteral("Results"), twips(3480, 3360, 4815, 1215));
    auto *label3 = label(results, "Label3", QStringLiteral("Extended Focal Length (mm) ="), twips(600, 300, 2640, 255), Weight::Bold);
    w_.boxes[indexOf(Box::efl)] = box(Box::efl, results, twips(3360, 240, 1215, 360));
    auto *label4 = label(results, "Label4", QStringLiteral("Extended Focal Ratio ="), twips(1080, 720, 2175, 255), Weight::Bold);
    w_.boxes[indexOf(Box::efr)] = box(Box::efr, results, twips(3360, 660, 1215, 360));

    auto *camera = frame(client, "Frame5", QStringLiteral("CCD Camera Field of View and Pixel Scale"),
                         twips(120, 4680, 8175, 2655));
    auto *label2 = label(camera, "Label2", QStringLiteral("CCD Camera:"), twips(600, 390, 975, 255));
    w_.lists[std::size_t(List::Ccd)] = list(List::Ccd, camera, twips(1800, 360, 2055, 315));
    auto *label20 = label(camera, "Label20", QStringLiteral("Binning:"), twips(960, 870, 615, 255));
    w_.lists[std::size_t(List::Binning)] = list(List::Binning, camera, twips(1800, 840, 2055, 315));
    label(camera, "Label16", QStringLiteral("Width"), twips(1800, 1440, 975, 255), Weight::Regular, Qt::AlignHCenter);
    label(camera, "Label17", QStringLiteral("Height"), twips(2880, 1440, 975, 255), Weight::Regular, Qt::AlignHCenter);
    auto *label14 = label(camera, "Label14", QStringLiteral("Pixel Size (microns):"), twips(120, 1680, 1455, 255));
    w_.boxes[indexOf(Box::Pixelsize_width)] = box(Box::Pixelsize_width, camera, twips(1800, 1680, 975, 285));
    w_.boxes[indexOf(Box::Pixelsize_height)] = box(Box::Pixelsize_height, camera, twips(2880, 1680, 975, 285));
    auto *label15 = label(camera, "Label15", QStringLiteral("Chip Size (pixels):"), twips(240, 2040, 1335, 255));
    w_.boxes[indexOf(Box::Chipsize_width)] = box(Box::Chipsize_width, camera, twips(1800, 2040, 975, 285));
    w_.boxes[indexOf(Box::Chipsize_height)] = box(Box::Chipsize_height, camera, twips(2880, 2040, 975, 285));
    auto *label7 = label(camera, "Label7", QStringLiteral("FOV Width (arcmin) ="), twips(4680, 360, 1935, 255), Weight::Bold);
    w_.boxes[indexOf(Box::Fov_width)] = box(Box::Fov_width, camera, twips(6720, 315, 1215, 330));
    auto *label12 = label(camera, "Label12", QStringLiteral("FOV Height (arcmin) ="), twips(4560, 840, 2055, 255), Weight::Bold);
    w_.boxes[indexOf(Box::Fov_height)] = box(Box::Fov_height, camera, twips(6720, 795, 1215, 330));
    auto *label13 = label(camera, "Label13", QStringLiteral("Scale W (arcsec/pixel) ="), twips(4440, 1320, 2175, 255), Weight::Bold);
    w_.boxes[indexOf(Box::Pixelscale_width)] = box(Box::Pixelscale_width, camera, twips(6720, 1275, 1215, 330));
    auto *label18 = label(camera, "Label18", QStringLiteral("Scale H (arcsec/pixel) ="), twips(4440, 1800, 2175, 255), Weight::Bold);
    w_.boxes[indexOf(Box::Pixelscale_height)] = box(Box::Pixelscale_height, camera, twips(6720, 1755, 1215, 330));
    label(camera, "Label19", QStringLiteral("%1 for updates.").arg(QLatin1String(app_info::kWebSite)), twips(5400, 2280, 2535, 255));

    drawing_ = new DimensionDrawing(client);
    drawing_->setObjectName(QStringLiteral("Image1"));
    drawing_->setGeometry(twips(3480, 0, 4860, 3165));

    name(w_[List::Telescope], label5);
    name(w_[Box::Flength], label6);
    name(w_[Box::Aperture], label10);
    name(w_[Box::Fratio], label11);
    name(w_[List::Ocular], label1);
    name(w_[Box::Distance_tl], label8);
    name(w_[Box::Distance_d], label9);
    name(w_[Box::efl], label3);
    name(w_[Box::efr], label4);
    name(w_[List::Ccd], label2);
    name(w_[List::Binning], label20);
    name(w_[Box::Pixelsize_width], label14, QStringLiteral(" Width"));
    name(w_[Box::Pixelsize_height], label14, QStringLiteral(" Height"));
    name(w_[Box::Chipsize_width], label15, QStringLiteral(" Width"));
    name(w_[Box::Chipsize_height], label15, QStringLiteral(" Height"));
    name(w_[Box::Fov_width], label7);
    name(w_[Box::Fov_height], label12);
    name(w_[Box::Pixelscale_width], label13);
    name(w_[Box::Pixelscale_height], label18);

    const QWidget *tabOrder[] = {w_[Box::Distance_tl], w_[Box::Distance_d], w_[Box::Flength], w_[Box::Aperture],
                                 w_[List::Telescope], w_[List::Ocular], w_[List::Ccd], w_[Box::Pixelsize_width],
                                 w_[Box::Pixelsize_height], w_[Box::Chipsize_width], w_[Box::Chipsize_height],
                                 w_[List::Binning]};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(const_cast<QWidget *>(tabOrder[i - 1]), const_cast<QWidget *>(tabOrder[i]));
}

} // namespace vkp2
