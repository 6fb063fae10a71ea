// The planner window's advice is the engine's: the solve table's verdicts, the chart's band and
// the framing's sentences equal planner::adviseOn for the setup each shows, so the window and
// vkp2plan cannot disagree. Values the calculator replaces are found from its messages' data.
// The night's words tell the engine's numbers in the user's locale.

#include "support/widgets/private_home.h"
#include "calculator/core/numbers.h"
#include "planner/advice.h"
#include "planner/mosaic.h"
#include "planner/setup.h"
#include "support/calculator/recorded_message_boxes.h"
#include "widgets/planner_window/focal_chart.h"
#include "widgets/planner_window/night_words.h"
#include "widgets/planner_window/planner_window.h"
#include "widgets/planner_window/setup_panel.h"
#include "widgets/planner_window/solve_table.h"

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace vkp2;
using namespace vkp2::planner_window;

class TstPlannerWindowAdvice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void verdictsAndBandAreTheEngines_data();
    void verdictsAndBandAreTheEngines();
    void fitSentencesAreTheEngines_data();
    void fitSentencesAreTheEngines();
    void restoredTelescopeValueIsMarked();
    void durationWords_data();
    void durationWords();
    void nightWordsInLocale_data();
    void nightWordsInLocale();

private:
    void open(const PlannerInputs &in);
    test::PrivateHome home_;
    RecordedMessageBoxes messages_;
    std::unique_ptr<PlannerWindow> window_;
};

void TstPlannerWindowAdvice::initTestCase()
{
    QVERIFY(home_.enter());
}

void TstPlannerWindowAdvice::cleanup()
{
    window_.reset();
    messages_.clear();
    QLocale::setDefault(QLocale::c());
}

void TstPlannerWindowAdvice::open(const PlannerInputs &in)
{
    window_ = std::make_unique<PlannerWindow>(messages_);
    window_->setupPanel()->setInputs(in);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TstPlannerWindowAdvice::verdictsAndBandAreTheEngines_data()
{
    QTest::addColumn<QString>("camera");
    QTest::addColumn<QString>("binning");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<double>("wavelength");
    QTest::addColumn<double>("seeing");
    QTest::addColumn<double>("goal"); // focal ratio
    QTest::newRow("square pixels") << "SBIG ST-237A" << "1x1" << false << 550.0 << 2.0 << 30.0;
    // By the width alone N would be 30.9 and f/60 over-sampled; the larger side gives 71.6.
    QTest::newRow("tall pixels") << "Cookbook 245" << "1x1" << false << 550.0 << 2.0 << 60.0;
    QTest::newRow("wide pixels") << "Astrovid 2000" << "1x1" << false << 550.0 << 1.5 << 40.0;
    QTest::newRow("colour sensor") << "SBIG ST-237A" << "1x1" << true << 550.0 << 2.0 << 50.0;
    QTest::newRow("H-alpha") << "SBIG ST-237A" << "1x1" << false << 656.0 << 3.0 << 30.0;
    QTest::newRow("colour, tall pixels, blue") << "Cookbook 245" << "1x1" << true << 450.0 << 2.0 << 150.0;
    QTest::newRow("binned 2x2") << "Starlight Express HX916" << "2x2" << false << 550.0 << 2.0 << 45.0;
}

void TstPlannerWindowAdvice::verdictsAndBandAreTheEngines()
{
    QFETCH(QString, camera);
    QFETCH(QString, binning);
    QFETCH(bool, colour);
    QFETCH(double, wavelength);
    QFETCH(double, seeing);
    QFETCH(double, goal);
    PlannerInputs in;
    in.setup.chooseTelescope("CR-150");
    QVERIFY(in.setup.chooseCamera(camera));
    in.setup.binning = binning;
    in.colourSensor = colour;
    in.wavelengthNm = wavelength;
    in.seeingArcsec = seeing;
    open(in);
    QCOMPARE(window_->setupPanel()->inputs().wavelengthNm, wavelength);
    QCOMPARE(window_->setupPanel()->inputs().colourSensor, colour);

    planner::AdviceOptions options;
    options.colourSensor = colour;
    options.wavelengthNm = wavelength;
    options.seeingArcsec = seeing;

    SolveTable *solve = window_->solveTable();
    solve->setGoal(SolveTable::GoalKind::FocalRatio, goal);
    QTableWidget *table = solve->table();
    int solved = 0;
    for (int r = 0; r < table->rowCount(); ++r) {
        if (!table->item(r, SolveTable::RatioVerdict))
            continue;
        ++solved;
        planner::Setup at = in.setup;
        at.d = table->item(r, SolveTable::Distance)->text();
        QVERIFY(at.chooseOcular(table->item(r, SolveTable::Ocular)->text()));
        const planner::Advice advice = planner::adviseOn(planner::show(at), options);
        QVERIFY(advice.focalRatioVerdict && advice.seeing.width && advice.seeing.height);
        QCOMPARE(table->item(r, SolveTable::RatioVerdict)->text(), planner::samplingWord(*advice.focalRatioVerdict));
        const QString seeingWords = table->item(r, SolveTable::SeeingVerdict)->text();
        if (*advice.seeing.width == *advice.seeing.height) {
            QCOMPARE(seeingWords, planner::samplingWord(*advice.seeing.width));
        } else {
            QCOMPARE(seeingWords, QStringLiteral("%1 (width), %2 (height)")
                                      .arg(planner::samplingWord(*advice.seeing.width),
                                           planner::samplingWord(*advice.seeing.height)));
        }
    }
    QVERIFY(solved > 3);

    // The chart's band is the engine's, N to 1.5 N, at the setup the panel shows.
    const planner::Advice advice = planner::adviseOn(planner::show(window_->setupPanel()->inputs().setup), options);
    QVERIFY(advice.criticalFocalRatio && advice.focalRatioBand);
    QCOMPARE(advice.focalRatioBand->low, *advice.criticalFocalRatio);
    const QString label = window_->chart()->bandLabel();
    QVERIFY2(label.contains(numbers::format(numbers::round2(advice.focalRatioBand->low))), qPrintable(label));
    QVERIFY2(label.contains(numbers::format(numbers::round2(advice.focalRatioBand->high))), qPrintable(label));
}

void TstPlannerWindowAdvice::fitSentencesAreTheEngines_data()
{
    QTest::addColumn<QString>("camera");
    QTest::addColumn<QString>("target");
    QTest::addColumn<double>("typedSize");
    QTest::addColumn<QString>("locale");
    QTest::newRow("Jupiter") << "SBIG ST-237A" << "Jupiter" << 0.0 << "C";
    QTest::newRow("Saturn, tall pixels") << "Cookbook 245" << "Saturn" << 0.0 << "C";
    QTest::newRow("typed size") << "SBIG ST-237A" << "Typed size" << 95.5 << "C";
    QTest::newRow("typed size, German") << "Astrovid 2000" << "Typed size" << 95.5 << "de_DE";
    QTest::newRow("Moon, German") << "SBIG ST-237A" << "Moon" << 0.0 << "de_DE";
}

void TstPlannerWindowAdvice::fitSentencesAreTheEngines()
{
    QFETCH(QString, camera);
    QFETCH(QString, target);
    QFETCH(double, typedSize);
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    PlannerInputs in;
    in.setup.chooseTelescope("CR-150");
    QVERIFY(in.setup.chooseCamera(camera));
    in.setup.ocular = "WS 12.5mm";
    in.setup.d = "80";
    in.target = target;
    in.typedTargetArcsec = typedSize;
    open(in);

    planner::AdviceOptions options;
    const bool typed = target == kTypedTarget;
    if (typed)
        options.target = planner::Target{"typed", "typed", typedSize, typedSize, 0, std::nullopt};
    else
        options.target = planner::findTarget(target.toLower());
    QVERIFY(options.target);
    const planner::Advice advice = planner::adviseOn(planner::show(in.setup), options);
    QCOMPARE(advice.fits.size(), typed ? 1 : 2);
    const QString words = window_->framingText()->text();
    for (const planner::FitAt &at : advice.fits) {
        QVERIFY(at.fit);
        const QString sentence = planner::fitSentence(typed ? QStringLiteral("Target") : target, at.sizeArcsec,
                                                      *at.fit, QLocale());
        QVERIFY2(words.contains(sentence), qPrintable(words + "\nlacks: " + sentence));
    }
}

void TstPlannerWindowAdvice::restoredTelescopeValueIsMarked()
{
    // A catalogue telescope's focal length out of range: the calculator brings the telescope's
    // own values back and says so; the box is framed and the pictures use the restored value.
    PlannerInputs in;
    in.setup.chooseTelescope("CR-150");
    const QString own = in.setup.focalLength;
    in.setup.focalLength = "20000";
    open(in);
    const SetupPanel::Widgets &w = window_->setupPanel()->widgets();
    QVERIFY(SetupPanel::isMarkedInvalid(w.focalLength));
    QVERIFY(!SetupPanel::isMarkedInvalid(w.aperture));
    QVERIFY2(w.problems->text().contains("F-Length must be between"), qPrintable(w.problems->text()));
    QCOMPARE(window_->setupPanel()->inputs().setup.focalLength, own);
    QCOMPARE(window_->chart()->cursorShown().box(Box::Flength), own);
}

void TstPlannerWindowAdvice::durationWords_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("said");
    QTest::newRow("under a minute") << 44.6 << "45 s";
    QTest::newRow("minutes") << 118.0 << "1 min 58 s";
    QTest::newRow("hours") << 7500.0 << "2 h 5 min";
    // Far past what a whole number of seconds holds: told in hours, never wrapped round.
    QTest::newRow("1e300 s") << 1e300 << "2.78e+296 h";
    QTest::newRow("infinite") << qInf() << "no limit";
    QTest::newRow("not a number") << qQNaN() << "";
}

void TstPlannerWindowAdvice::durationWords()
{
    QFETCH(double, seconds);
    QFETCH(QString, said);
    QCOMPARE(durationText(seconds), said);
}

void TstPlannerWindowAdvice::nightWordsInLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("wavelength");
    QTest::addColumn<QString>("said");
    QTest::newRow("Ca-K, C") << "C" << 393.4 << "Rayleigh limit at 393.4 nm: ";
    QTest::newRow("Ca-K, German") << "de_DE" << 393.4 << "Rayleigh limit at 393,4 nm: ";
    QTest::newRow("luminance") << "C" << 550.0 << "Rayleigh limit at 550 nm: ";
}

void TstPlannerWindowAdvice::nightWordsInLocale()
{
    QFETCH(QString, locale);
    QFETCH(double, wavelength);
    QFETCH(QString, said);
    QLocale::setDefault(QLocale(locale));
    planner::Advice advice;
    advice.rayleighAtWavelengthArcsec = 0.25;
    planner::AdviceOptions options;
    options.wavelengthNm = wavelength;
    // A mosaic asked for that the engine could not plan.
    const QStringList lines = nightLines(advice, options, QStringLiteral("Moon"), true);
    const auto rayleigh = std::find_if(lines.cbegin(), lines.cend(),
                                       [](const QString &l) { return l.startsWith(QLatin1String("Rayleigh")); });
    QVERIFY(rayleigh != lines.cend());
    QVERIFY2(rayleigh->startsWith(said), qPrintable(*rayleigh));
    // Its reason, as the engine words it.
    QVERIFY2(lines.contains(QStringLiteral("Mosaic: none; %1").arg(planner::noMosaicText())),
             qPrintable(lines.join('\n')));
}

QTEST_MAIN(TstPlannerWindowAdvice)
#include "tst_planner_window_advice.moc"
