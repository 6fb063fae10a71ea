// What a change of setup costs the planner's pictures: the chart and the framing picture
// brought up to date and painted into an image of the window's size, next to the floor of
// filling that image, and against the 16 ms of one frame at 60 Hz; then the same with a kit of
// ten trains beside the VKP-2 oculars, and with the Moon on a date under a mosaic. Ratios are printed; nothing here fails on time.

#include "storage/kit.h"
#include "support/calculator/recorded_message_boxes.h"
#include "widgets/planner_window/focal_chart.h"
#include "widgets/planner_window/framing_view.h"
#include "widgets/planner_window/planner_window.h"
#include "widgets/planner_window/setup_panel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vkp2::planner_window;

namespace {

template <typename F>
double medianMs(int runs, F &&body)
{
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        body(i);
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::nth_element(ms.begin(), ms.begin() + ms.size() / 2, ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path()); // no calculator's setup, no settings of the user's
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("settings"));
    const int runs = qEnvironmentVariableIsSet("VKP2_BENCH_QUICK") ? 5 : 200;

    vkp2::RecordedMessageBoxes messages;
    PlannerWindow window(messages);
    window.show();
    app.processEvents();
    const QSize size = window.size();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);

    const QStringList telescopes{"CR-150", "BR-128", "AR-100", "DR-106"};
    const QStringList cameras{"SBIG ST-237A", "Apogee KX4", "Astrovid 2000", "SBIG ST-7E"};
    auto change = [&](int i) {
        PlannerInputs in = window.setupPanel()->inputs();
        in.setup.chooseTelescope(telescopes.at(i % telescopes.size()));
        in.setup.chooseCamera(cameras.at(i % cameras.size()));
        window.setupPanel()->setInputs(in);
    };
    auto paintBoth = [&] {
        QPainter painter(&image);
        window.chart()->paintChart(painter, size);
        window.framing()->paintFraming(painter, size);
    };

    const double floor = medianMs(runs, [&](int) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        painter.fillRect(image.rect(), Qt::black);
    });
    const double paintOnly = medianMs(runs, [&](int) { paintBoth(); });
    const double redraw = medianMs(runs, [&](int i) {
        change(i);
        paintBoth();
    });
    // Ten trains: five lenses at prime focus and five eyepieces in projection.
    vkp2::storage::Kit kit;
    for (const double factor : {1.5, 2.0, 2.5, 3.0, 0.63})
        kit.lenses << vkp2::storage::KitLens{QStringLiteral("Lens %1x").arg(factor), factor, std::nullopt, 100.0};
    for (const double fe : {6.0, 9.0, 12.0, 18.0, 25.0})
        kit.eyepieces << vkp2::storage::KitEyepiece{QStringLiteral("Eyepiece %1 mm").arg(fe), fe, std::nullopt, std::nullopt};
    window.setupPanel()->setKit(kit);
    const double chartOnly = medianMs(runs, [&](int) {
        QPainter painter(&image);
        window.chart()->paintChart(painter, size);
    });
    const double trainsRedraw = medianMs(runs, [&](int i) {
        change(i);
        paintBoth();
    });

    // The night: the Moon on a date, a full-disc mosaic over it, with the same ten trains.
    {
        PlannerInputs in = window.setupPanel()->inputs();
        in.target = QStringLiteral("Moon");
        in.dateText = QStringLiteral("2027-01-10T22:00Z");
        in.mosaic = true;
        window.setupPanel()->setInputs(in);
    }
    const double nightRedraw = medianMs(runs, [&](int i) {
        change(i);
        paintBoth();
    });

    std::printf("planner pictures, %d x %d image, median of %d\n", size.width(), size.height(), runs);
    std::printf("  floor (fill the image twice):        %8.3f ms\n", floor);
    std::printf("  paint chart + framing:               %8.3f ms  (%.1f x floor)\n", paintOnly,
                paintOnly / floor);
    std::printf("  change of setup, then paint both:    %8.3f ms  (%.1f x floor, %.2f of the 16 ms "
                "frame budget)\n",
                redraw, redraw / floor, redraw / 16.0);
    std::printf("  with ten trains of the kit (%d curves):\n", int(window.chart()->curveNames().size()));
    std::printf("  paint the chart:                     %8.3f ms  (%.1f x floor)\n", chartOnly,
                chartOnly / floor);
    std::printf("  change of setup, then paint both:    %8.3f ms  (%.1f x floor, %.2f of the 16 ms "
                "frame budget)\n",
                trainsRedraw, trainsRedraw / floor, trainsRedraw / 16.0);
    std::printf("  the Moon on a date with a mosaic:    %8.3f ms  (%.1f x floor, %.2f of the 16 ms "
                "frame budget)\n",
                nightRedraw, nightRedraw / floor, nightRedraw / 16.0);
    return 0;
}
