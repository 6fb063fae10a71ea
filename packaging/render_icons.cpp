// Writes a program's icon in the hicolor layout (scalable SVG plus fixed-size PNGs), painted by
// the same function as its window icon, so the installed icons never drift from the programs.

#include "widgets/artwork/artwork.h"
#include "widgets/planner_window/planner_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

using Paint = void (*)(QPainter &, const QRectF &);

bool writeSvg(const QString &path, const QString &title, Paint paint)
{
    constexpr int side = 256;
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setResolution(96); // so the SVG's own size is side x side CSS pixels
    generator.setSize(QSize(side, side));
    generator.setViewBox(QRect(0, 0, side, side));
    generator.setTitle(title);
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, QRectF(0, 0, side, side));
    return painter.end();
}

bool writePng(const QString &path, int side, Paint paint)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paint(painter, QRectF(0, 0, side, side));
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool planner = args.size() == 4 && args.at(3) == QLatin1String("planner");
    if (args.size() != 3 && !planner) {
        std::fputs("usage: render_icons OUTPUT_DIR ICON_NAME [planner]\n", stderr);
        return 2;
    }
    const QDir out(args.at(1));
    const QString name = args.at(2);
    const Paint paint = planner ? &vkp2::planner_window::paintPlannerIcon : &vkp2::artwork::paintAppIcon;
    const QString title = planner ? QStringLiteral("VKP-2 Planner") : QStringLiteral("VKP-2 Calculator");

    bool ok = out.mkpath(QStringLiteral("scalable/apps"))
              && writeSvg(out.filePath(QStringLiteral("scalable/apps/%1.svg").arg(name)),
                          title, paint);
    for (int side : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1x%1/apps").arg(side);
        ok = ok && out.mkpath(dir)
             && writePng(out.filePath(QStringLiteral("%1/%2.png").arg(dir, name)), side, paint);
    }
    if (!ok) {
        std::fprintf(stderr, "render_icons: could not write the icons into %s\n",
                     qPrintable(out.absolutePath()));
        return 1;
    }
    return 0;
}
