// Night mode in the planner window: every pixel of the window in reds, the chosen mode
// remembered, the day look back when it is switched off, and exports always in day colours.

#include "night_setups.h"
#include "storage/night_mode.h"
#include "support/calculator/recorded_message_boxes.h"
#include "support/widgets/private_home.h"
#include "widgets/planner_window/field_mark.h"
#include "widgets/planner_window/focal_chart.h"
#include "widgets/planner_window/planner_window.h"
#include "widgets/planner_window/setup_panel.h"
#include "widgets/toolkit/night_look.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using namespace vkp2;
using namespace vkp2::planner_window;

namespace {

// The first pixel that breaks the night rule, as "x,y #rrggbb", or empty when none does.
QString firstOffender(const QImage &shot)
{
    const QImage img = shot.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (!night::keepsRule(line[x]))
                return QStringLiteral("%1,%2 %3").arg(x).arg(y).arg(QColor(line[x]).name());
    }
    return {};
}

int offenders(const QImage &shot)
{
    const QImage img = shot.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += night::keepsRule(img.pixel(x, y)) ? 0 : 1;
    return n;
}

} // namespace

class TstPlannerWindowNightMode : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void everyPixelRed_data();
    void everyPixelRed();
    void remembered_data();
    void remembered();
    void offRestoresTheDay();
    void exportsInDayColours_data();
    void exportsInDayColours();

private:
    void open(const PlannerInputs &in);
    void setNight(bool on);
    void pasteInto(const QString &field, const QString &text);
    static PlannerInputs saturnOnADate();
    test::PrivateHome home_;
    RecordedMessageBoxes messages_;
    std::unique_ptr<PlannerWindow> window_;
};

void TstPlannerWindowNightMode::initTestCase() { QVERIFY(home_.enter()); }

void TstPlannerWindowNightMode::cleanup()
{
    if (window_ && window_->nightAction()->isChecked())
        window_->nightAction()->trigger();
    window_.reset();
    messages_.clear();
}

void TstPlannerWindowNightMode::open(const PlannerInputs &in)
{
    window_ = std::make_unique<PlannerWindow>(messages_);
    window_->setupPanel()->setInputs(in);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TstPlannerWindowNightMode::setNight(bool on)
{
    QAction *night = window_->nightAction();
    QVERIFY(night->isCheckable());
    QCOMPARE(night->shortcut(), night::shortcut());
    if (night->isChecked() != on)
        night->trigger();
    QCOMPARE(night->isChecked(), on);
    QCoreApplication::processEvents();
}

void TstPlannerWindowNightMode::pasteInto(const QString &field, const QString &text)
{
    auto *edit = window_->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    edit->setFocus();
    edit->selectAll();
    QApplication::clipboard()->setText(text);
    edit->paste();
    QVERIFY(isMarkedInvalid(edit));
}

PlannerInputs TstPlannerWindowNightMode::saturnOnADate()
{
    PlannerInputs in;
    in.setup.chooseTelescope("CR-150");
    in.setup.chooseCamera("SBIG ST-237A");
    in.setup.chooseOcular("No-VKP2");
    in.target = "Saturn";
    in.dateText = "2027-01-10T22:00Z";
    return in;
}


void TstPlannerWindowNightMode::everyPixelRed_data()
{
    QTest::addColumn<bool>("moon");
    QTest::addColumn<QString>("badBefore"); // a box marked bad before night mode starts
    QTest::addColumn<QString>("badAfter");  // and one marked after
    QTest::newRow("Saturn on a date") << false << QString() << QString();
    QTest::newRow("Moon mosaic") << true << QString() << QString();
    QTest::newRow("Moon mosaic, marked by day") << true << "Overlap (%)" << QString();
    QTest::newRow("Moon mosaic, marked at night") << true << QString() << "Rotation (°)";
}

void TstPlannerWindowNightMode::everyPixelRed()
{
    QFETCH(bool, moon);
    QFETCH(QString, badBefore);
    QFETCH(QString, badAfter);
    open(moon ? night_setups::moonMosaic() : saturnOnADate());
    if (!badBefore.isEmpty())
        pasteInto(badBefore, QStringLiteral("nan"));
    QVERIFY(!firstOffender(window_->grab().toImage()).isEmpty()); // the day has colours
    setNight(true);
    if (!badAfter.isEmpty())
        pasteInto(badAfter, QStringLiteral("nan"));
    QVERIFY(window_->chart()->isNight());
    if (moon)
        QVERIFY(window_->exportPanesAction()->isEnabled()); // the mosaic is drawn
    const QImage shot = window_->grab().toImage();
    QVERIFY(shot.width() > 600 && shot.height() > 400);
    const QString offender = firstOffender(shot);
    // Kept past the test's private home, to look at.
    const QString kept = QDir::temp().filePath(QStringLiteral("planner-night-offender.png"));
    if (!offender.isEmpty())
        shot.save(kept);
    QVERIFY2(offender.isEmpty(), qPrintable(QStringLiteral("not red: %1 (shot in %2)").arg(offender, kept)));
    const QString iconOffender = firstOffender(window_->windowIcon().pixmap(32).toImage());
    QVERIFY2(iconOffender.isEmpty(), qPrintable(QStringLiteral("icon not red: %1").arg(iconOffender)));
}

void TstPlannerWindowNightMode::remembered_data()
{
    QTest::addColumn<bool>("on");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void TstPlannerWindowNightMode::remembered()
{
    QFETCH(bool, on);
    open(saturnOnADate());
    setNight(!on);
    setNight(on);
    QCOMPARE(storage::readNightMode(), on);
    // A new window starts as the last one left it.
    window_.reset();
    open(saturnOnADate());
    QCOMPARE(window_->nightAction()->isChecked(), on);
    QCOMPARE(window_->chart()->isNight(), on);
    QCOMPARE(firstOffender(window_->grab().toImage()).isEmpty(), on);
}

void TstPlannerWindowNightMode::offRestoresTheDay()
{
    const QPalette day = QApplication::palette();
    open(night_setups::moonMosaic());
    const QImage dayShot = window_->grab().toImage();
    setNight(true);
    QVERIFY(QApplication::palette().color(QPalette::Window) != day.color(QPalette::Window));
    setNight(false);
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text,
                                           QPalette::Button, QPalette::Highlight, QPalette::ToolTipBase})
        QCOMPARE(QApplication::palette().color(role), day.color(role));
    QVERIFY(!window_->chart()->isNight());
    QVERIFY(!storage::readNightMode());
    QCOMPARE(window_->grab().toImage(), dayShot);
}

void TstPlannerWindowNightMode::exportsInDayColours_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("chart") << "chart";
    QTest::newRow("framing") << "framing";
}

void TstPlannerWindowNightMode::exportsInDayColours()
{
    QFETCH(QString, what);
    open(night_setups::moonMosaic());
    const auto exportTo = [&](const QString &name) {
        const QString path = home_.filePath(name);
        const bool written = what == QLatin1String("chart") ? window_->exportChart(path) : window_->exportFraming(path);
        return written ? QImage(path) : QImage();
    };
    const QImage byDay = exportTo(what + QStringLiteral("-day.png"));
    setNight(true);
    const QImage atNight = exportTo(what + QStringLiteral("-night.png"));
    QVERIFY(!byDay.isNull() && !atNight.isNull());
    QVERIFY(messages_.shown.isEmpty());
    // The same picture the day gives, colours and all, while the window is red.
    QVERIFY(offenders(atNight) > 1000);
    QCOMPARE(atNight, byDay);
}

QTEST_MAIN(TstPlannerWindowNightMode)
#include "tst_planner_window_night_mode.moc"
