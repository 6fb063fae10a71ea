// Shows the planner window for screenshots: a chosen kit, and with --dark the Fusion style
// under a dark palette, as a dark desktop would hand it over; with --night in night mode, as
// View > Night mode turns it on. Not part of the product.
//   planner_screenshot_host [--dark] [--night] [--telescope NAME] [--camera NAME] [--ocular NAME] [--d MM]
//                           [--focal MM] [--aperture MM] [--target NAME] [--date ISO]
//                           [--mosaic] [--overlap PERCENT] [--rotation DEG] [--pixel-scale]
//                           [--kit] [--kit-barlow MM] [--keys STEPS] [--grab FILE]
// --focal and --aperture type a User-Defined telescope's values; --date plans for that night;
// --mosaic asks for a full-disc mosaic of the Moon or the Sun.
// --kit writes a sample kit.json first (run it in a private home); --kit-barlow puts its Barlow
// in front of the ocular at a spacing of MM. --keys drives the window by
// Qt's own keyboard, once it is shown: STEPS is a comma-separated list of "ctrl+X", "alt+X",
// "tab", "enter", "escape", "down" or "type:TEXT", each sent to the widget with the focus.
// The words follow the locale of the environment, e.g. LC_ALL=de_DE.UTF-8.
// --grab saves the whole screen (window manager's frame included) to FILE after a moment, then
// quits, for machines without ImageMagick's import.

#include "planner/language.h"
#include "planner/train_setup.h"
#include "support/calculator/recorded_message_boxes.h"
#include "widgets/planner_window/kit_fixture.h"
#include "widgets/planner_window/planner_window.h"
#include "widgets/planner_window/setup_panel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QStyleFactory>
#include <QtTest>

namespace {

QPalette darkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 38), text(230, 230, 230);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, QColor(70, 70, 76));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Mid, QColor(85, 85, 90));
    p.setColor(QPalette::Dark, QColor(25, 25, 25));
    p.setColor(QPalette::Light, QColor(90, 90, 90));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
    return p;
}

void press(const QString &step)
{
    QWidget *to = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    if (!to)
        return;
    if (step.startsWith(QLatin1String("type:")))
        return QTest::keyClicks(to, step.mid(5));
    if (step.startsWith(QLatin1String("alt+")) || step.startsWith(QLatin1String("ctrl+"))) {
        const Qt::KeyboardModifier modifier = step.startsWith(QLatin1Char('a')) ? Qt::AltModifier : Qt::ControlModifier;
        return QTest::keyClick(to, step.back().toUpper().toLatin1(), modifier);
    }
    const Qt::Key key = step == QLatin1String("tab")      ? Qt::Key_Tab
                        : step == QLatin1String("enter")  ? Qt::Key_Return
                        : step == QLatin1String("escape") ? Qt::Key_Escape
                        : step == QLatin1String("down")   ? Qt::Key_Down
                                                          : Qt::Key_unknown;
    QTest::keyClick(to, key);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The user's language from the environment (LANG, LC_ALL), as the planner program takes it.
    namespace catalogues = vkp2::planner::catalogues;
    const vkp2::planner::Language language(QLocale::system(),
                                           {catalogues::kEngine, catalogues::kWindow, catalogues::kQt});
    const QStringList args = app.arguments();
    auto option = [&](const QString &name) {
        const qsizetype i = args.lastIndexOf(name); // HOST_ARGS come last and win
        return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : QString();
    };
    if (args.contains(QStringLiteral("--dark"))) {
        app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        app.setPalette(darkPalette());
    }
    if (args.contains(QStringLiteral("--kit")) && !vkp2::test::writeKit(vkp2::test::sampleKit()))
        return 2;
    vkp2::RecordedMessageBoxes messages;
    vkp2::planner_window::PlannerWindow window(messages);
    auto in = window.setupPanel()->inputs();
    if (!option("--telescope").isEmpty())
        in.setup.chooseTelescope(option("--telescope"));
    if (!option("--camera").isEmpty())
        in.setup.chooseCamera(option("--camera"));
    if (!option("--focal").isEmpty())
        in.setup.focalLength = option("--focal");
    if (!option("--aperture").isEmpty())
        in.setup.aperture = option("--aperture");
    if (!option("--date").isEmpty())
        in.dateText = option("--date");
    if (args.contains(QStringLiteral("--mosaic")))
        in.mosaic = true;
    if (!option("--overlap").isEmpty())
        in.overlapPercent = option("--overlap").toDouble();
    if (!option("--rotation").isEmpty())
        in.rotationDeg = option("--rotation").toDouble();
    if (!option("--ocular").isEmpty())
        in.setup.ocular = option("--ocular");
    if (!option("--d").isEmpty())
        in.setup.d = option("--d");
    if (!option("--target").isEmpty())
        in.target = option("--target");
    if (!option("--kit-barlow").isEmpty()) {
        in.setup.train.lens = vkp2::planner::lensOf(vkp2::test::sampleKit().lenses.value(0));
        in.setup.train.lens->spacingMm = option("--kit-barlow").toDouble();
    }
    window.setupPanel()->setInputs(in);
    if (args.contains(QStringLiteral("--pixel-scale")))
        window.viewBox()->setCurrentIndex(1);
    if (args.contains(QStringLiteral("--night")))
        window.nightAction()->setChecked(true);
    window.show();
    const QStringList steps = option("--keys").split(QLatin1Char(','), Qt::SkipEmptyParts);
    QTimer::singleShot(800, &app, [&] {
        for (const QString &step : steps) {
            press(step);
            QTest::qWait(300);
        }
    });
    if (const QString grab = option("--grab"); !grab.isEmpty()) {
        QTimer::singleShot(2000, &app, [&] {
            const bool saved = window.screen()->grabWindow(0).save(grab, "PNG");
            app.exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
