#include "widgets/toolkit/night_look.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace vkp2::night {

namespace {

QColor shade(int r) { return QColor(r, 0, 0); }

// Rec. 601 luma: what the eye takes for a colour's brightness.
int luma(int r, int g, int b) { return qRound(0.299 * r + 0.587 * g + 0.114 * b); }

} // namespace

QKeySequence shortcut() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N); }

QPalette palette()
{
    // Every role of every group is set: a role left to the style would keep its grey.
    QPalette p;
    const QColor black = shade(0);
    const QColor text = shade(210);
    const QColor dim = shade(110);
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Window, black);
        p.setColor(g, QPalette::Base, shade(12));
        p.setColor(g, QPalette::AlternateBase, shade(24));
        p.setColor(g, QPalette::Button, shade(30));
        p.setColor(g, QPalette::WindowText, text);
        p.setColor(g, QPalette::Text, text);
        p.setColor(g, QPalette::ButtonText, text);
        p.setColor(g, QPalette::BrightText, shade(255));
        p.setColor(g, QPalette::Highlight, shade(120));
        p.setColor(g, QPalette::HighlightedText, shade(0));
        p.setColor(g, QPalette::ToolTipBase, shade(30));
        p.setColor(g, QPalette::ToolTipText, text);
        p.setColor(g, QPalette::PlaceholderText, dim);
        p.setColor(g, QPalette::Link, shade(255));
        p.setColor(g, QPalette::LinkVisited, shade(170));
        p.setColor(g, QPalette::Light, shade(70));
        p.setColor(g, QPalette::Midlight, shade(50));
        p.setColor(g, QPalette::Mid, shade(40));
        p.setColor(g, QPalette::Dark, shade(20));
        p.setColor(g, QPalette::Shadow, black);
    }
    p.setColor(QPalette::Disabled, QPalette::Window, black);
    p.setColor(QPalette::Disabled, QPalette::Base, shade(6));
    p.setColor(QPalette::Disabled, QPalette::Button, shade(20));
    for (const QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                        QPalette::HighlightedText, QPalette::PlaceholderText})
        p.setColor(QPalette::Disabled, r, dim);
    p.setColor(QPalette::Disabled, QPalette::Highlight, shade(60));
    p.setColor(QPalette::Disabled, QPalette::Light, shade(50));
    p.setColor(QPalette::Disabled, QPalette::Mid, shade(30));
    p.setColor(QPalette::Disabled, QPalette::Dark, shade(15));
    p.setColor(QPalette::Disabled, QPalette::Shadow, black);
    return p;
}

QColor red(const QColor &day)
{
    const QColor rgb = day.toRgb();
    QColor out(luma(rgb.red(), rgb.green(), rgb.blue()), 0, 0);
    out.setAlpha(rgb.alpha());
    return out;
}

namespace {

// Every pixel of an image to red at a brightness worked from its luma, alpha kept.
template <typename ToRed> QImage inReds(const QImage &day, ToRed toRed)
{
    QImage out = day.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(toRed(luma(qRed(p), qGreen(p), qBlue(p))), 0, 0, qAlpha(p));
        }
    }
    out.setDevicePixelRatio(day.devicePixelRatio());
    return out;
}

} // namespace

QImage redImage(const QImage &day)
{
    return inReds(day, [](int y) { return y; });
}

QImage negativeRedImage(const QImage &day)
{
    return inReds(day, [](int y) { return 255 - y; });
}

QCursor cursor()
{
    QPixmap arrow(20, 20);
    arrow.fill(Qt::transparent);
    QPainter p(&arrow);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(1, 1);
    path.lineTo(1, 16);
    path.lineTo(5, 12);
    path.lineTo(8, 19);
    path.lineTo(11, 18);
    path.lineTo(8, 11);
    path.lineTo(14, 11);
    path.closeSubpath();
    p.fillPath(path, shade(150));
    p.setPen(QPen(shade(40), 1));
    p.drawPath(path);
    p.end();
    return QCursor(arrow, 1, 1);
}

void apply(QWidget *window, bool on)
{
    // The whole program: dialogs and widgets made later follow too. Fusion draws every part
    // from the palette, where other styles keep greys of their own.
    static const QString dayStyle = QApplication::style()->name();
    static const QPalette dayPalette = QApplication::palette();
    if (on) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(palette());
        window->setCursor(cursor());
    } else {
        QApplication::setStyle(QStyleFactory::create(dayStyle));
        QApplication::setPalette(dayPalette);
        window->unsetCursor();
    }
}

} // namespace vkp2::night
