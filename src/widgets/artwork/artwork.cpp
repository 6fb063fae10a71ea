#include "widgets/artwork/artwork.h"

#include <QFont>
#include <QIconEngine>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <functional>
#include <utility>
#include <numbers>

namespace vkp2::artwork {

namespace {

QPixmap render(int width, int height, qreal dpr, const QColor &background,
               const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(qRound(width * dpr), qRound(height * dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(background);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter);
    return pixmap;
}

QFont artFont(qreal pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // Pixel sizes keep the text the same size relative to the lines at every scale.
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    return font;
}

// ---- The dimension drawing ------------------------------------------------------------

// Everything hangs off one horizontal optical axis; x positions are the part boundaries.
constexpr qreal kAxis = 104;
constexpr qreal kSleeveStart = 42;   // front end of the adapter's sleeve, inside the drawtube
constexpr qreal kDrawtubeEnd = 58;
constexpr qreal kShoulder = 86;      // sleeve meets adapter body
constexpr qreal kEyeLens = 138;      // camera-side end of the eyepiece
constexpr qreal kAdapterEnd = 172;   // T-thread end of the adapter body
constexpr qreal kTubeEnd = 202;      // extension tube end / T-ring starts
constexpr qreal kFlange = 208;       // camera's lens mount flange
constexpr qreal kFilm = 263;         // film / sensor plane

const QColor kInk(30, 30, 30);
const QColor kDimInk(0, 0, 0);
const QColor kExtInk(110, 110, 110);
const QColor kMetal(212, 212, 212);
const QColor kDarkMetal(170, 170, 170);
const QColor kCaption(90, 90, 90);
const QColor kLight(60, 120, 220);

// A tube cut along its axis: only the two walls show, the bore stays open.
void sectionedTube(QPainter &p, qreal x1, qreal x2, qreal outerRadius, qreal innerRadius,
                   const QColor &fill)
{
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(fill);
    const qreal wall = outerRadius - innerRadius;
    p.drawRect(QRectF(x1, kAxis - outerRadius, x2 - x1, wall));
    p.drawRect(QRectF(x1, kAxis + innerRadius, x2 - x1, wall));
}

void arrowHead(QPainter &p, QPointF tip, qreal direction)
{
    // direction +1 points right, -1 points left
    const qreal length = 5.0;
    const qreal half = 1.8;
    QPolygonF head;
    head << tip << QPointF(tip.x() - direction * length, tip.y() - half)
         << QPointF(tip.x() - direction * length, tip.y() + half);
    p.setPen(Qt::NoPen);
    p.setBrush(kDimInk);
    p.drawPolygon(head);
}

void extensionLine(QPainter &p, qreal x, qreal fromY, qreal toY)
{
    p.setPen(QPen(kExtInk, 0.6));
    // runs a little past the dimension line, as drafting convention has it
    const qreal overshoot = toY < fromY ? -2.5 : 2.5;
    p.drawLine(QPointF(x, fromY), QPointF(x, toY + overshoot));
}

void centredText(QPainter &p, const QFont &font, const QColor &colour, qreal centreX,
                 qreal baseline, const QString &text)
{
    p.setFont(font);
    p.setPen(colour);
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    p.drawText(QPointF(centreX - width / 2, baseline), text);
}

// A horizontal dimension between x1 and x2 at height y, label above, optional note below.
void dimension(QPainter &p, qreal x1, qreal x2, qreal y, const QString &label,
               const QFont &labelFont, const QString &note = QString())
{
    p.setPen(QPen(kDimInk, 0.7));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    arrowHead(p, QPointF(x1, y), -1);
    arrowHead(p, QPointF(x2, y), +1);
    const qreal centre = (x1 + x2) / 2;
    centredText(p, labelFont, kDimInk, centre, y - 2.5, label);
    if (!note.isEmpty())
        centredText(p, artFont(7), kDimInk, centre, y + 8.5, note);
}

// A dimension too short for arrows inside: they point in from outside, label to the right.
void narrowDimension(QPainter &p, qreal x1, qreal x2, qreal y, const QString &label)
{
    p.setPen(QPen(kDimInk, 0.7));
    p.drawLine(QPointF(x1 - 9, y), QPointF(x2 + 9, y));
    arrowHead(p, QPointF(x1, y), +1);
    arrowHead(p, QPointF(x2, y), -1);
    p.setFont(artFont(8));
    p.setPen(kDimInk);
    p.drawText(QPointF(x2 + 11, y + 3), label);
}

// Drafting break line: the telescope goes on beyond the left edge.
void breakLine(QPainter &p, qreal x, qreal y1, qreal y2)
{
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(Qt::NoBrush);
    const qreal h = y2 - y1;
    QPainterPath wave;
    wave.moveTo(x, y1);
    wave.cubicTo(x - 3, y1 + h / 3, x + 3, y1 + 2 * h / 3, x, y2);
    p.drawPath(wave);
}

void drawTelescope(QPainter &p)
{
    // focuser housing, cut open to show the drawtube inside
    sectionedTube(p, 5, 28, 27, 19, kDarkMetal);
    // focus knob on its shaft below the housing
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kMetal);
    p.drawRect(QRectF(12, kAxis + 27, 4, 4));
    p.drawRoundedRect(QRectF(6, kAxis + 31, 16, 7), 1.5, 1.5);
    // drawtube
    sectionedTube(p, 5, kDrawtubeEnd, 18, 14, kMetal);
    // white out the straight cut ends and draw wavy breaks instead
    p.fillRect(QRectF(2, kAxis - 28, 3.4, 56), Qt::white);
    for (const auto &[outer, inner] : {std::pair<qreal, qreal>{27, 19}, {18, 14}}) {
        breakLine(p, 5, kAxis - outer, kAxis - inner);
        breakLine(p, 5, kAxis + inner, kAxis + outer);
    }
    // clamp screw that holds the adapter's sleeve
    p.setBrush(kDarkMetal);
    p.drawRect(QRectF(47, kAxis - 23, 6, 5));
    p.drawRect(QRectF(45, kAxis - 26, 10, 3));
}

void drawAdapter(QPainter &p)
{
    // sleeve, partly inside the drawtube
    sectionedTube(p, kSleeveStart, kShoulder, 13, 10, kMetal);
    // body: wider tube, threaded neck at the camera end
    sectionedTube(p, kShoulder, kAdapterEnd - 6, 23, 18, kMetal);
    sectionedTube(p, kAdapterEnd - 6, kAdapterEnd, 21, 17, kMetal);
    // thread marks on the neck
    p.setPen(QPen(kInk, 0.5));
    for (qreal x = kAdapterEnd - 5; x < kAdapterEnd; x += 1.5) {
        p.drawLine(QPointF(x, kAxis - 21), QPointF(x + 0.8, kAxis - 17));
        p.drawLine(QPointF(x, kAxis + 17), QPointF(x + 0.8, kAxis + 21));
    }
    // clamp screw for the eyepiece on the sleeve
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kDarkMetal);
    p.drawRect(QRectF(70, kAxis - 17, 5, 4));
    p.drawRect(QRectF(68, kAxis - 20, 9, 3));
}

void drawEyepiece(QPainter &p)
{
    p.setPen(QPen(kInk, 0.8));
    // chrome barrel in the sleeve
    p.setBrush(QColor(236, 236, 236));
    p.drawRect(QRectF(46, kAxis - 9, kShoulder - 46, 18));
    // body with rubber grip
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(kShoulder, kAxis - 16, kEyeLens - kShoulder, 32));
    p.setPen(QPen(QColor(90, 90, 90), 0.6));
    for (qreal x = kShoulder + 14; x < kEyeLens - 10; x += 4)
        p.drawLine(QPointF(x, kAxis - 15.5), QPointF(x, kAxis + 15.5));
    // eye lens, seen edge-on
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(190, 215, 245));
    p.drawEllipse(QRectF(kEyeLens - 3, kAxis - 11, 6, 22));
}

void drawExtensionAndRing(QPainter &p)
{
    sectionedTube(p, kAdapterEnd, kTubeEnd, 20, 17, QColor(226, 226, 226));
    // T-ring, then the camera's bayonet in front of the body
    sectionedTube(p, kTubeEnd, kFlange, 25, 17, kDarkMetal);
    sectionedTube(p, kFlange, kFlange + 6, 27, 21, kMetal);
}

void drawCamera(QPainter &p)
{
    const qreal front = kFlange + 6;
    const qreal back = 300;
    const qreal top = kAxis - 34;
    const qreal bottom = kAxis + 48;
    QPainterPath body;
    body.moveTo(front, top);
    body.lineTo(232, top);
    body.lineTo(243, top - 20); // prism housing
    body.lineTo(273, top - 20);
    body.lineTo(284, top);
    body.lineTo(back, top);
    body.lineTo(back, bottom);
    body.lineTo(front, bottom);
    body.closeSubpath();
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(QColor(222, 222, 222));
    p.drawPath(body);
    // shutter button and viewfinder eyepiece
    p.setBrush(kDarkMetal);
    p.drawRect(QRectF(287, top - 4, 8, 4));
    p.drawRect(QRectF(back, top - 15, 5, 11));
    // opened up from the mount to the film so the light path shows
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(front, kAxis - 21, kFilm - front, 42));
    // film / sensor
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(kFilm, kAxis - 24, 3, 48));
}

void drawLight(QPainter &p)
{
    // converging beam from the objective, then the projected cone from the eye lens
    p.setPen(QPen(kLight, 0.6));
    p.setBrush(QColor(kLight.red(), kLight.green(), kLight.blue(), 40));
    QPolygonF incoming;
    incoming << QPointF(6, kAxis - 13) << QPointF(46, kAxis - 1.5) << QPointF(46, kAxis + 1.5)
             << QPointF(6, kAxis + 13);
    p.drawPolygon(incoming);
    QPolygonF projected;
    projected << QPointF(kEyeLens + 2, kAxis - 6) << QPointF(kFilm, kAxis - 19)
              << QPointF(kFilm, kAxis + 19) << QPointF(kEyeLens + 2, kAxis + 6);
    p.drawPolygon(projected);
}

void drawDimensions(QPainter &p)
{
    const QFont plain = artFont(8);
    const QFont strong = artFont(10, true);

    // above: the adapter, the eyepiece in it and the fixed T-ring gap
    const qreal rowTop = kAxis - 70;
    const qreal rowEyepiece = kAxis - 48;
    extensionLine(p, kSleeveStart, kAxis - 14, rowTop);
    extensionLine(p, kShoulder, kAxis - 24, rowTop);
    extensionLine(p, kAdapterEnd, kAxis - 22, rowTop);
    extensionLine(p, kEyeLens, kAxis - 24, rowEyepiece);
    dimension(p, kSleeveStart, kShoulder, rowTop, QStringLiteral("SL"), plain);
    dimension(p, kShoulder, kAdapterEnd, rowTop, QStringLiteral("AL"), plain);
    dimension(p, kShoulder, kEyeLens, rowEyepiece, QStringLiteral("EL"), plain);
    extensionLine(p, kTubeEnd, kAxis - 26, rowTop);
    extensionLine(p, kFlange, kAxis - 28, rowTop);
    narrowDimension(p, kTubeEnd, kFlange, rowTop, QStringLiteral("3 mm"));

    // below, set apart: the two distances the user types
    const qreal rowUser = kAxis + 70;
    extensionLine(p, kAdapterEnd, kAxis + 22, rowUser);
    extensionLine(p, kTubeEnd, kAxis + 26, rowUser);
    extensionLine(p, kFlange, kAxis + 28, rowUser);
    extensionLine(p, kFilm, kAxis + 49, rowUser);
    dimension(p, kAdapterEnd, kTubeEnd, rowUser, QStringLiteral("TL"), strong,
              QStringLiteral("0\u201330 mm"));
    dimension(p, kFlange, kFilm, rowUser, QStringLiteral("D"), strong, QStringLiteral("55 mm"));
}

void drawCaptions(QPainter &p)
{
    const QFont font = artFont(7);
    centredText(p, font, kCaption, 30, kAxis + 52, QStringLiteral("telescope"));
    centredText(p, font, kCaption, 129, kAxis + 36, QStringLiteral("VKP-2 adapter"));
    centredText(p, font, kCaption, 129, kAxis + 45, QStringLiteral("with eyepiece"));
    centredText(p, font, kCaption, 187, kAxis + 32, QStringLiteral("tube"));
    centredText(p, font, kCaption, 258, kAxis - 58, QStringLiteral("camera"));
    // the film plane continues as a centre line down to its dimension
    p.setPen(QPen(kCaption, 0.6, Qt::DashDotLine));
    p.drawLine(QPointF(kFilm + 1.5, kAxis + 24), QPointF(kFilm + 1.5, kAxis + 48));
    centredText(p, font, kCaption, kFilm + 22, kAxis + 58, QStringLiteral("film / sensor"));
}

// ---- The icon -------------------------------------------------------------------------

const QColor kIconSky(18, 30, 96);
const QColor kIconTube(245, 245, 245);
const QColor kIconEyepiece(150, 150, 160);
const QColor kIconLight(255, 210, 40);
const QColor kIconSensor(220, 40, 40);

} // namespace

void paintAdapterDrawing(QPainter &painter)
{
    painter.save();
    // Clipped to its own bounds wherever it is painted: Qt rasterizes the thin lines a little
    // differently with a clip than without, and the window always paints it clipped, so the
    // rendering made at build time must be clipped as well to match it pixel for pixel.
    painter.setClipRect(QRectF(0, 0, kDrawingWidth, kDrawingHeight), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, kDrawingWidth, kDrawingHeight), Qt::white);
    drawLight(painter);
    drawTelescope(painter);
    drawAdapter(painter);
    drawEyepiece(painter);
    drawExtensionAndRing(painter);
    drawCamera(painter);
    // the projected cone again, over the opened camera
    painter.setPen(QPen(kLight, 0.6));
    painter.setBrush(QColor(kLight.red(), kLight.green(), kLight.blue(), 40));
    QPolygonF cone;
    cone << QPointF(kFlange + 6, kAxis - 15.5) << QPointF(kFilm, kAxis - 19)
         << QPointF(kFilm, kAxis + 19) << QPointF(kFlange + 6, kAxis + 15.5);
    painter.drawPolygon(cone);
    drawDimensions(painter);
    drawCaptions(painter);
    painter.restore();
}

QPixmap adapterDrawing(qreal devicePixelRatio)
{
    return render(kDrawingWidth, kDrawingHeight, devicePixelRatio, Qt::white,
                  paintAdapterDrawing);
}

void paintAppIcon(QPainter &painter, const QRectF &bounds)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Laid out on a 16 x 16 grid so the small sizes land on whole pixels.
    painter.translate(bounds.topLeft());
    painter.scale(bounds.width() / 16.0, bounds.height() / 16.0);
    const bool detailed = qMin(bounds.width(), bounds.height()) >= 48;

    painter.setPen(Qt::NoPen);
    painter.setBrush(kIconSky);
    painter.drawRoundedRect(QRectF(0, 0, 16, 16), 3.5, 3.5); // leaves the 16 px corner pixels clear

    // a star: whole-pixel cross when small, a sparkle when there is room
    painter.setBrush(kIconLight);
    if (detailed) {
        QPolygonF star;
        const QPointF c(3.5, 3.5);
        for (int i = 0; i < 8; ++i) {
            const qreal r = (i % 2 == 0) ? 2.5 : 0.7;
            const qreal a = i * std::numbers::pi / 4;
            star << QPointF(c.x() + r * std::sin(a), c.y() - r * std::cos(a));
        }
        painter.drawPolygon(star);
    } else {
        painter.drawRect(QRectF(3, 1, 1, 5));
        painter.drawRect(QRectF(1, 3, 5, 1));
    }

    // projected light cone from the eyepiece onto the sensor
    QPolygonF cone;
    cone << QPointF(9, 8) << QPointF(13, 4) << QPointF(13, 14) << QPointF(9, 10);
    painter.drawPolygon(cone);

    // telescope tube and eyepiece
    painter.setBrush(kIconTube);
    painter.drawRect(QRectF(0, 6, 6, 6));
    painter.setBrush(kIconEyepiece);
    painter.drawRect(QRectF(4, 6, 1, 6)); // a ring, so the bar reads as a tube
    painter.drawRect(QRectF(6, 7, 3, 4));

    // sensor
    painter.setBrush(kIconSensor);
    painter.drawRect(QRectF(13, 3, 2, 12));

    if (detailed) {
        // finer touches that would only blur the small sizes
        painter.setBrush(QColor(200, 200, 210));
        painter.drawRect(QRectF(0, 11.4, 4, 0.6));
        painter.drawRect(QRectF(6, 10.4, 3, 0.6));
        painter.setBrush(QColor(255, 240, 150));
        QPolygonF core;
        core << QPointF(9, 8.6) << QPointF(13, 6.5) << QPointF(13, 11.5) << QPointF(9, 9.4);
        painter.drawPolygon(core);
        painter.setBrush(QColor(255, 120, 120));
        painter.drawRect(QRectF(13, 3, 0.6, 12));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(11.5, 2.5), 0.35, 0.35);
        painter.drawEllipse(QPointF(7, 2), 0.25, 0.25);
    }
    painter.restore();
}

namespace {

// Paints the icon at the size asked for, when asked: a platform that shows no window icon
// (offscreen, or Wayland, which takes it from the launcher) then paints none at start-up.
class AppIconEngine final : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        paintAppIcon(*painter, QRectF(rect));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }
    QIconEngine *clone() const override { return new AppIconEngine; }
};

} // namespace

QIcon appIcon() { return QIcon(new AppIconEngine); }

QRectF logoIconBounds()
{
    return QRectF(8, 11.5, 52, 52);
}

void paintLogo(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, kLogoWidth, kLogoHeight), kLogoBackground);
    paintAppIcon(painter, logoIconBounds());

    const qreal textLeft = logoIconBounds().right() + 8;
    const qreal textWidth = kLogoWidth - textLeft - 6;
    QFont name = artFont(22, true);
    while (QFontMetricsF(name).horizontalAdvance(QStringLiteral("VKP-2")) > textWidth
           && name.pixelSize() > 8)
        name.setPixelSize(name.pixelSize() - 1);
    painter.setFont(name);
    painter.setPen(kIconSky);
    painter.drawText(QPointF(textLeft, 40), QStringLiteral("VKP-2"));

    QFont sub = artFont(10);
    while (QFontMetricsF(sub).horizontalAdvance(QStringLiteral("Calculator")) > textWidth
           && sub.pixelSize() > 6)
        sub.setPixelSize(sub.pixelSize() - 1);
    painter.setFont(sub);
    painter.setPen(QColor(40, 40, 40));
    painter.drawText(QPointF(textLeft + 1, 56), QStringLiteral("Calculator"));
    painter.restore();
}

QPixmap logo(qreal devicePixelRatio)
{
    return render(kLogoWidth, kLogoHeight, devicePixelRatio, kLogoBackground, paintLogo);
}

} // namespace vkp2::artwork
