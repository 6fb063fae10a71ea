// The planned night in the planner window: bad typed values are framed and said while the
// pictures keep the last good setup; Saturn's rings drawn at the date's tilt; the Moon's mosaic
// drawn and exported as the engine plans it; the night's questions kept across a restart.

#include "calculator/core/numbers.h"
#include "night_setups.h"
#include "planner/advice.h"
#include "planner/ephemeris.h"
#include "planner/mosaic.h"
#include "support/calculator/recorded_message_boxes.h"
#include "support/widgets/private_home.h"
#include "widgets/planner_window/field_mark.h"
#include "widgets/planner_window/framing_view.h"
#include "widgets/planner_window/night_panel.h"
#include "widgets/planner_window/planner_state.h"
#include "widgets/planner_window/planner_window.h"
#include "widgets/planner_window/setup_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

using namespace vkp2;
using namespace vkp2::planner_window;

class TstPlannerWindowNight : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void badInputKeepsLastGoodFraming_data();
    void badInputKeepsLastGoodFraming();
    void saturnRingsAtTheDate_data();
    void saturnRingsAtTheDate();
    void moonMosaicIsTheEngines_data();
    void moonMosaicIsTheEngines();
    void mosaicCsvIsTheEngines_data();
    void mosaicCsvIsTheEngines();
    void typedBlurStartsInRange_data();
    void typedBlurStartsInRange();
    void savedNightOutOfRange_data();
    void savedNightOutOfRange();
    void nightStateRoundTrip_data();
    void nightStateRoundTrip();
    void stateFromBeforeFilters_data();
    void stateFromBeforeFilters();

private:
    void open(const PlannerInputs &in);
    static PlannerInputs moonAtLongFocus();
    test::PrivateHome home_;
    RecordedMessageBoxes messages_;
    std::unique_ptr<PlannerWindow> window_;
};

void TstPlannerWindowNight::initTestCase() { QVERIFY(home_.enter()); }

void TstPlannerWindowNight::cleanup()
{
    window_.reset();
    messages_.clear();
    QLocale::setDefault(QLocale::c());
}

void TstPlannerWindowNight::open(const PlannerInputs &in)
{
    window_ = std::make_unique<PlannerWindow>(messages_);
    window_->setupPanel()->setInputs(in);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

PlannerInputs TstPlannerWindowNight::moonAtLongFocus()
{
    PlannerInputs in = night_setups::moonMosaic();
    // Typed, so that every box of the night takes part.
    in.filter.clear();
    in.blur = {planner::Blur::Kind::Arcsec, 0.3};
    return in;
}

void TstPlannerWindowNight::badInputKeepsLastGoodFraming_data()
{
    QTest::addColumn<QString>("field"); // the box's accessible name
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("said"); // part of the problem line
    const QString years = planner::ephemerisYearsText();
    QTest::newRow("date: words") << "Date" << "tomorrow" << "is not a date";
    QTest::newRow("date: month 13") << "Date" << "2027-13-01" << "is not a date";
    QTest::newRow("date: before the ephemeris") << "Date" << "1850-06-01" << years;
    QTest::newRow("date: after the ephemeris") << "Date" << "2150-06-01T20:00Z" << years;
    QTest::newRow("overlap above 50") << "Overlap (%)" << "60" << "from 0 to 50";
    QTest::newRow("overlap below 0") << "Overlap (%)" << "-1" << "from 0 to 50";
    QTest::newRow("wavelength too short") << "Wavelength (nm)" << "250" << "from 300 to 1100";
    QTest::newRow("wavelength too long") << "Wavelength (nm)" << "1200" << "from 300 to 1100";
    QTest::newRow("blur 0") << "Blur (arcsec)" << "0" << "no blur above 0";
    QTest::newRow("blur below 0") << "Blur (arcsec)" << "-0.2" << "no blur above 0";
    QTest::newRow("blur: words") << "Blur (arcsec)" << "fine" << "no blur above 0";
    QTest::newRow("rotation: words") << "Rotation (°)" << "left" << "not an angle";
    // Past a double: no finite number, whatever the box would read it as.
    const QString huge(309, QLatin1Char('9'));
    QTest::newRow("blur: 309 digits") << "Blur (arcsec)" << huge << "no blur above 0";
    QTest::newRow("blur: inf") << "Blur (arcsec)" << "inf" << "no blur above 0";
    QTest::newRow("blur: nan") << "Blur (arcsec)" << "nan" << "no blur above 0";
    QTest::newRow("overlap: nan") << "Overlap (%)" << "nan" << "from 0 to 50";
    QTest::newRow("overlap: 309 digits") << "Overlap (%)" << huge << "from 0 to 50";
    QTest::newRow("rotation: inf") << "Rotation (°)" << "inf" << "not an angle";
    QTest::newRow("rotation: 309 digits") << "Rotation (°)" << huge << "not an angle";
}

void TstPlannerWindowNight::badInputKeepsLastGoodFraming()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, said);
    open(moonAtLongFocus());
    const Framing before = window_->framing()->framing();
    QVERIFY(before.onDate && before.mosaic);
    const FramingGeometry shapeBefore = window_->framing()->framingGeometry();
    const NightPanel::Widgets &n = window_->setupPanel()->widgets().night->widgets();
    QVERIFY(!n.problems->isVisibleTo(window_.get()));

    auto *edit = window_->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    QVERIFY(edit->isEnabled());
    // Pasted whole: typed key by key, "60" would pass through a good "6" first.
    edit->setFocus();
    edit->selectAll();
    QApplication::clipboard()->setText(text);
    edit->paste();
    QCOMPARE(edit->text(), text);

    QVERIFY(isMarkedInvalid(edit));
    QVERIFY(n.problems->isVisibleTo(window_.get()));
    QVERIFY2(n.problems->text().contains(said), qPrintable(n.problems->text()));
    QCOMPARE(n.problems->text().count(QLatin1Char('\n')), 0); // one line for one bad box
    const Framing after = window_->framing()->framing();
    QVERIFY(after.onDate && after.mosaic);
    QCOMPARE(after.onDate->moment, before.onDate->moment);
    QCOMPARE(after.mosaic->overlapPercent, before.mosaic->overlapPercent);
    QCOMPARE(after.mosaic->panes.size(), before.mosaic->panes.size());
    QCOMPARE(window_->framing()->framingGeometry().panes, shapeBefore.panes);
    QCOMPARE(window_->setupPanel()->inputs().dateText, QStringLiteral("2027-01-10T22:00Z"));

    // A good value takes the frame and the line away again.
    edit->selectAll();
    QTest::keyClicks(edit, field == "Date" ? "2027-02-10" : field == "Overlap (%)" ? "20" : "600");
    QVERIFY(!isMarkedInvalid(edit));
    QVERIFY(!n.problems->isVisibleTo(window_.get()));
}

void TstPlannerWindowNight::saturnRingsAtTheDate_data()
{
    QTest::addColumn<QString>("date");
    QTest::newRow("2027, rings nearly open") << "2027-01-10T22:00Z";
    QTest::newRow("2025, rings edge on") << "2025-03-23T12:00Z";
    QTest::newRow("2032, southern face") << "2032-06-01";
}

void TstPlannerWindowNight::saturnRingsAtTheDate()
{
    QFETCH(QString, date);
    PlannerInputs in;
    in.setup.chooseTelescope("CR-150");
    in.setup.chooseCamera("SBIG ST-237A");
    in.setup.chooseOcular("No-VKP2");
    in.target = "Saturn";
    in.dateText = date;
    open(in);
    const auto moment = planner::parseMoment(date);
    QVERIFY(moment);
    const auto view = planner::viewAt(planner::Body::Saturn, *moment);
    QVERIFY(view && view->subEarthLatitudeDeg && view->ringMajorArcsec);
    const double sinB = std::abs(std::sin(*view->subEarthLatitudeDeg * M_PI / 180));

    const FramingGeometry g = window_->framing()->framingGeometry();
    QVERIFY(g.valid && g.onDate);
    QVERIFY(g.ringRadiusX > g.dateRadiusX);
    QVERIFY(std::abs(g.ringRadiusY - g.ringRadiusX * sinB) < 1e-9 * g.ringRadiusX);
    // The globe at its apparent flattening, to the same scale as the rings.
    QVERIFY(qFuzzyCompare(g.dateRadiusY / g.dateRadiusX, view->polarArcsec / view->equatorialArcsec));
    QVERIFY(qFuzzyCompare(g.ringRadiusX / g.dateRadiusX, *view->ringMajorArcsec / view->equatorialArcsec));
    const QString words = window_->framingText()->text();
    QVERIFY2(words.contains(QStringLiteral("opening B %1°").arg(QLocale().toString(*view->subEarthLatitudeDeg, 'f', 1))),
             qPrintable(words));
    QVERIFY2(words.contains(QStringLiteral("Saturn on %1").arg(planner::momentText(*moment))), qPrintable(words));
    QVERIFY2(words.contains("Longest capture before rotation blurs by 1 px"), qPrintable(words));
    QVERIFY2(words.contains(planner::seeingLongExposureText()), qPrintable(words));
}

void TstPlannerWindowNight::moonMosaicIsTheEngines_data()
{
    QTest::addColumn<double>("overlap");
    QTest::addColumn<double>("rotation");
    QTest::addColumn<double>("drawnDeg"); // the turn the panes are drawn at, in -180 to 180
    QTest::addColumn<bool>("paneAtCentre"); // the grid odd both ways
    QTest::newRow("15 %, square to the sky") << 15.0 << 0.0 << 0.0 << false;
    QTest::newRow("30 %, turned 30°") << 30.0 << 30.0 << 30.0 << false;
    QTest::newRow("40 %, turned 30°: 11 x 15") << 40.0 << 30.0 << 30.0 << true;
    QTest::newRow("no overlap, turned 90°") << 0.0 << 90.0 << 90.0 << false;
    // 10^20 is 280 more than a whole number of turns.
    QTest::newRow("40 %, turned 1e20°") << 40.0 << 1e20 << -80.0 << true;
}

void TstPlannerWindowNight::moonMosaicIsTheEngines()
{
    QFETCH(double, overlap);
    QFETCH(double, rotation);
    QFETCH(double, drawnDeg);
    QFETCH(bool, paneAtCentre);
    PlannerInputs in = moonAtLongFocus();
    in.overlapPercent = overlap;
    in.rotationDeg = rotation;
    open(in);
    const PlannerInputs &used = window_->setupPanel()->inputs();
    QCOMPARE(used.overlapPercent, overlap);
    QCOMPARE(used.rotationDeg, rotation);
    const planner::Advice advice = planner::adviseOn(planner::show(used.setup), adviceOptions(used));
    QVERIFY(advice.mosaic);
    QVERIFY(advice.mosaic->panes.size() > 4);

    const FramingGeometry g = window_->framing()->framingGeometry();
    QVERIFY(g.valid);
    QCOMPARE(g.panes.size(), advice.mosaic->panes.size());
    // Every pane and the camera frame are the frame's size, turned by the rotation (widget y
    // points down).
    const double turn = drawnDeg * M_PI / 180;
    QList<QPolygonF> drawn = g.panes;
    drawn << g.frameDrawn;
    for (const QPolygonF &pane : std::as_const(drawn)) {
        QCOMPARE(pane.size(), 4);
        const QPointF side = pane.at(1) - pane.at(0);
        QVERIFY(std::abs(std::hypot(side.x(), side.y()) - g.frame.width()) < 1e-6 * g.frame.width());
        QVERIFY2(std::abs(std::atan2(-side.y(), side.x()) - turn) < 1e-9,
                 qPrintable(QString::number(std::atan2(-side.y(), side.x()) * 180 / M_PI)));
        const QPointF up = pane.at(2) - pane.at(1);
        QVERIFY(std::abs(std::hypot(up.x(), up.y()) - g.frame.height()) < 1e-6 * g.frame.height());
    }
    // A grid odd both ways has a pane at the disc's centre: the camera frame lies on it.
    const auto centred = std::find_if(advice.mosaic->panes.cbegin(), advice.mosaic->panes.cend(),
                                      [](const planner::MosaicPane &p) { return p.xArcsec == 0 && p.yArcsec == 0; });
    QCOMPARE(centred != advice.mosaic->panes.cend(), paneAtCentre);
    if (centred != advice.mosaic->panes.cend()) {
        const QPolygonF &pane = g.panes.at(centred - advice.mosaic->panes.cbegin());
        for (int i = 0; i < 4; ++i) {
            const QPointF off = pane.at(i) - g.frameDrawn.at(i);
            QVERIFY(std::hypot(off.x(), off.y()) < 1e-6 * g.frame.width());
        }
    }
    QVERIFY(window_->exportPanesAction()->isEnabled());
    const QString words = window_->framingText()->text();
    const QString summary = QStringLiteral("Mosaic: %1 × %2 grid, %3 panes")
                                .arg(advice.mosaic->columns)
                                .arg(advice.mosaic->rows)
                                .arg(advice.mosaic->panes.size());
    QVERIFY2(words.contains(summary), qPrintable(words + "\nlacks: " + summary));

    // Jupiter takes no mosaic: the box is off and nothing is drawn or exported.
    QCheckBox *mosaic = window_->setupPanel()->widgets().night->widgets().mosaic;
    QVERIFY(mosaic->isEnabled());
    PlannerInputs jupiter = used;
    jupiter.target = "Jupiter";
    window_->setupPanel()->setInputs(jupiter);
    QVERIFY(!mosaic->isEnabled());
    QVERIFY(window_->framing()->framingGeometry().panes.isEmpty());
    QVERIFY(!window_->exportPanesAction()->isEnabled());
    QVERIFY(!window_->framingText()->text().contains("Mosaic"));
}

void TstPlannerWindowNight::mosaicCsvIsTheEngines_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << "C";
    QTest::newRow("German") << "de_DE";
}

// The same file as the command line writes: the engine's, full precision, a dot for decimals.
void TstPlannerWindowNight::mosaicCsvIsTheEngines()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    PlannerInputs in = moonAtLongFocus();
    in.rotationDeg = 20;
    open(in);
    const PlannerInputs &used = window_->setupPanel()->inputs();
    const auto mosaic = planner::adviseOn(planner::show(used.setup), adviceOptions(used)).mosaic;
    QVERIFY(mosaic);
    const QString path = home_.filePath("panes.csv");
    QVERIFY(window_->exportMosaicPanes(path));
    QVERIFY(messages_.shown.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes, planner::mosaicPanesCsv(*mosaic));
    const QStringList lines = QString::fromUtf8(bytes).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), mosaic->panes.size() + 1);
    QCOMPARE(lines.first(), QStringLiteral("pane,column,row,x_arcsec,y_arcsec"));
    for (qsizetype i = 0; i < mosaic->panes.size(); ++i) {
        const QStringList cells = lines.at(i + 1).split(',');
        QCOMPARE(cells.size(), 5);
        const planner::MosaicPane &p = mosaic->panes.at(i);
        QCOMPARE(cells.at(0).toInt(), int(i + 1));
        QCOMPARE(cells.at(1).toInt(), p.column);
        QCOMPARE(cells.at(2).toInt(), p.row);
        QVERIFY(std::abs(cells.at(3).toDouble() - p.xArcsec) <= 1e-9 * std::max(1.0, std::abs(p.xArcsec)));
        QVERIFY(std::abs(cells.at(4).toDouble() - p.yArcsec) <= 1e-9 * std::max(1.0, std::abs(p.yArcsec)));
    }
}

void TstPlannerWindowNight::typedBlurStartsInRange_data()
{
    QTest::addColumn<double>("held");
    QTest::addColumn<double>("shown");
    const double start = planner::derotation_limits::kTypedBlurDefaultArcsec;
    QTest::newRow("a typed 0.3") << 0.3 << 0.3;
    QTest::newRow("none typed yet") << 0.0 << start;
    QTest::newRow("below 0") << -1.0 << start;
    QTest::newRow("infinite") << qInf() << start;
    QTest::newRow("not a number") << qQNaN() << start;
}

// The typed blur's box starts from a blur the engine takes.
void TstPlannerWindowNight::typedBlurStartsInRange()
{
    QFETCH(double, held);
    QFETCH(double, shown);
    NightPanel panel;
    PlannerInputs in;
    in.blur = {planner::Blur::Kind::Arcsec, held};
    panel.show(in);
    QCOMPARE(panel.widgets().blurArcsec->text(), numbers::format(shown));
    QVERIFY(panel.check());
}

void TstPlannerWindowNight::savedNightOutOfRange_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<double>("read");
    using namespace planner;
    QTest::newRow("overlap 22.5 kept") << "Overlap" << "22.5" << 22.5;
    QTest::newRow("overlap 80") << "Overlap" << "80" << mosaic_limits::kOverlapDefaultPercent;
    QTest::newRow("overlap -5") << "Overlap" << "-5" << mosaic_limits::kOverlapDefaultPercent;
    QTest::newRow("overlap nan") << "Overlap" << "nan" << mosaic_limits::kOverlapDefaultPercent;
    QTest::newRow("blur 0.35 kept") << "BlurArcsec" << "0.35" << 0.35;
    QTest::newRow("blur -1") << "BlurArcsec" << "-1" << derotation_limits::kTypedBlurDefaultArcsec;
    QTest::newRow("blur inf") << "BlurArcsec" << "inf" << derotation_limits::kTypedBlurDefaultArcsec;
    QTest::newRow("rotation 400 kept") << "Rotation" << "400" << 400.0;
    QTest::newRow("rotation nan") << "Rotation" << "nan" << mosaic_limits::kRotationDefaultDeg;
    QTest::newRow("rotation -inf") << "Rotation" << "-inf" << mosaic_limits::kRotationDefaultDeg;
}

// A saved value the engine refuses starts as the default: the window never opens on a night
// it cannot plan.
void TstPlannerWindowNight::savedNightOutOfRange()
{
    QFETCH(QString, key);
    QFETCH(QString, saved);
    QFETCH(double, read);
    PlannerState st;
    st.inputs = moonAtLongFocus();
    writePlannerState(st);
    {
        QSettings raw(QStringLiteral("VKP2"), kSettingsApplication);
        raw.setValue(QStringLiteral("Planner/") + key, saved);
    }
    const PlannerInputs in = readPlannerState().inputs;
    const double value = key == "Overlap" ? in.overlapPercent : key == "Rotation" ? in.rotationDeg : in.blur.arcsec;
    QCOMPARE(value, read);

    window_ = std::make_unique<PlannerWindow>(messages_);
    const NightPanel::Widgets &n = window_->setupPanel()->widgets().night->widgets();
    QVERIFY2(n.problems->text().isEmpty(), qPrintable(n.problems->text()));
    QVERIFY(window_->framing()->framing().mosaic);
}

void TstPlannerWindowNight::nightStateRoundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << "C";
    QTest::newRow("German") << "de_DE";
}

void TstPlannerWindowNight::nightStateRoundTrip()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    PlannerInputs in = moonAtLongFocus();
    in.filter = "H-alpha";
    in.wavelengthNm = 656.3;
    in.rule = planner::SamplingRule::PixelTimes5;
    in.colourSensor = true;
    in.colourFactor = 1.5;
    in.blur = {planner::Blur::Kind::Arcsec, 0.35};
    in.overlapPercent = 22.5;
    in.rotationDeg = 12.5;
    open(in);
    window_->saveState();
    {
        QSettings raw(QStringLiteral("VKP2"), kSettingsApplication);
        QCOMPARE(raw.value("Planner/Overlap").toString(), QStringLiteral("22.5"));
        QCOMPARE(raw.value("Planner/BlurArcsec").toString(), QStringLiteral("0.35"));
    }
    window_.reset();
    window_ = std::make_unique<PlannerWindow>(messages_);
    const PlannerInputs &back = window_->setupPanel()->inputs();
    QCOMPARE(back.dateText, in.dateText);
    QCOMPARE(back.filter, in.filter);
    QCOMPARE(back.wavelengthNm, in.wavelengthNm);
    QCOMPARE(back.rule, in.rule);
    QCOMPARE(back.colourFactor, in.colourFactor);
    QCOMPARE(back.blur.kind, in.blur.kind);
    QCOMPARE(back.blur.arcsec, in.blur.arcsec);
    QCOMPARE(back.mosaic, true);
    QCOMPARE(back.overlapPercent, in.overlapPercent);
    QCOMPARE(back.rotationDeg, in.rotationDeg);
    const NightPanel::Widgets &n = window_->setupPanel()->widgets().night->widgets();
    QCOMPARE(n.overlap->text(), numbers::format(22.5));
    QVERIFY(!n.wavelength->isEnabled()); // a preset's wavelength is not typed

    // "Now" is kept as now: a start plans for its own moment.
    PlannerInputs now = back;
    now.dateText.clear();
    window_->setupPanel()->setInputs(now);
    window_->saveState();
    window_.reset();
    window_ = std::make_unique<PlannerWindow>(messages_);
    QVERIFY(window_->setupPanel()->inputs().dateText.isEmpty());
    const auto moment = window_->setupPanel()->inputs().moment();
    QVERIFY(moment);
    QVERIFY(std::abs(moment->secsTo(QDateTime::currentDateTimeUtc())) < 60);
}

// A state saved before filters were offered keeps its wavelength, shown as the preset that
// has it or as typed.
void TstPlannerWindowNight::stateFromBeforeFilters_data()
{
    QTest::addColumn<QString>("wavelength");
    QTest::addColumn<QString>("filter");
    QTest::newRow("550 nm is luminance") << "550" << "L";
    QTest::newRow("656.3 nm is H-alpha") << "656.3" << "H-alpha";
    QTest::newRow("600 nm is typed") << "600" << "";
}

void TstPlannerWindowNight::stateFromBeforeFilters()
{
    QFETCH(QString, wavelength);
    QFETCH(QString, filter);
    writePlannerState(PlannerState{});
    {
        QSettings raw(QStringLiteral("VKP2"), kSettingsApplication);
        raw.remove(QStringLiteral("Planner/Filter"));
        raw.setValue(QStringLiteral("Planner/Wavelength"), wavelength);
    }
    const PlannerState state = readPlannerState();
    QCOMPARE(state.inputs.filter, filter);
    QCOMPARE(state.inputs.wavelengthNm, wavelength.toDouble());
}

QTEST_MAIN(TstPlannerWindowNight)
#include "tst_planner_window_night.moc"
