// The engine's and the storage layer's words in German while the translations are installed and
// English without them, while keys and parsed words stay as they are in every language.

#include "planner/filters.h"
#include "support/planner/catalogue_file.h"
#include "planner/language.h"
#include "planner/optical_train.h"
#include "planner/sampling.h"
#include "planner/setup_fields.h"
#include "planner/targets.h"
#include "planner/words.h"
#include "storage/kit_checks.h"
#include "storage/kit_file.h"

#include <QCoreApplication>
#include <QtTest>

#include <functional>
#include <memory>

using namespace vkp2;

namespace {

using Words = std::function<QString()>;

const QLocale kGerman(QLocale::German, QLocale::Germany);

planner::Train lensOfFactor(double factor)
{
    planner::Train t;
    t.lens = planner::Lens{planner::LensKind::Barlow, QString(), factor, 100.0, std::nullopt, std::nullopt};
    return t;
}

QString fit(double sizeArcsec)
{
    const auto f = planner::fitTarget(sizeArcsec, 0.1, 0.1, 640, 480);
    return f ? planner::fitSentence(QStringLiteral("Jupiter"), sizeArcsec, *f) : QString();
}

} // namespace

Q_DECLARE_METATYPE(Words)

class TstPlannerGerman : public QObject {
    Q_OBJECT
private slots:
    void wordsFollowTheLanguage_data();
    void wordsFollowTheLanguage();
    void keysStayEnglish();
    void catalogueIsTheOneBuilt();
};

void TstPlannerGerman::wordsFollowTheLanguage_data()
{
    QTest::addColumn<Words>("words");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    QTest::newRow("verdict") << Words([] { return planner::samplingWord(planner::Sampling::OverSampled); })
                             << "over-sampled" << "überabgetastet";
    QTest::newRow("target name") << Words([] { return planner::shownName(*planner::findTarget(u"moon")); })
                                 << "Moon" << "Mond";
    QTest::newRow("fit sentence") << Words([] { return fit(40); }) << "fits with" << "passt mit";
    QTest::newRow("does not fit") << Words([] { return fit(100); }) << "does not fit" << "passt nicht";
    QTest::newRow("train problem") << Words([] { return planner::problemOf(lensOfFactor(0.5))->what; })
                                   << "a Barlow's factor is 1 or more" << "Barlowlinse";
    QTest::newRow("kit problem") << Words([] { return storage::problemOf(storage::KitTelescope{QString(), 1000, 100}); })
                                 << "the name is empty" << "der Name ist leer";
    QTest::newRow("kit range") << Words([] { return storage::problemOf(storage::KitTelescope{QStringLiteral("T"), 1000, 0}); })
                               << "aperture 0 mm is outside" << "Öffnung 0 mm liegt außerhalb";
    QTest::newRow("kit file") << Words([] { return storage::kitFromJson("[]").problem; })
                              << "no JSON object" << "kein JSON-Objekt";
    QTest::newRow("field label") << Words([] {
        return planner::Words::tr(planner::setupField(planner::SetupField::FocalLength).label);
    }) << "Focal length (mm)" << "Brennweite (mm)";
}

void TstPlannerGerman::wordsFollowTheLanguage()
{
    QFETCH(Words, words);
    QFETCH(QString, english);
    QFETCH(QString, german);
    const QString before = words();
    QVERIFY2(before.contains(english), qPrintable(before));
    {
        const planner::Language de(kGerman, {planner::catalogues::kEngine});
        QCOMPARE(de.loaded(), QStringList{QString::fromLatin1(planner::catalogues::kEngine)});
        const QString shown = words();
        QVERIFY2(shown.contains(german), qPrintable(shown));
        QVERIFY2(!shown.contains(english), qPrintable(shown));
    }
    QCOMPARE(words(), before);
}

void TstPlannerGerman::keysStayEnglish()
{
    const QStringList targets = planner::targetKeys();
    const QStringList filters = planner::filterKeys();
    const QString kind = storage::kindWord(storage::KitKind::Telescope);
    const QByteArray json = storage::kitToJson({{{QStringLiteral("C8"), 2032, 203}}, {}, {}, {}});
    const planner::Language de(kGerman, {planner::catalogues::kEngine});
    QVERIFY(!de.loaded().isEmpty());
    QCOMPARE(planner::targetKeys(), targets);
    QVERIFY(targets.contains(QStringLiteral("moon")));
    QCOMPARE(planner::filterKeys(), filters);
    QVERIFY(planner::findFilter(u"halpha"));
    QCOMPARE(QLatin1String(planner::samplingRuleInfo(planner::SamplingRule::Nyquist).key), QLatin1String("nyquist"));
    QCOMPARE(storage::kindWord(storage::KitKind::Telescope), kind);
    QCOMPARE(storage::kitToJson({{{QStringLiteral("C8"), 2032, 203}}, {}, {}, {}}), json);
    QVERIFY(storage::kitFromJson(json).problem.isEmpty());
    QCOMPARE(QLatin1String(planner::setupField(planner::SetupField::FocalLength).key), QLatin1String("focal_length_mm"));
}

// Each German of the catalogue in the sources is what the program finds at run time: the built
// catalogue is not older than the sources, and every context there is one the code asks for.
void TstPlannerGerman::catalogueIsTheOneBuilt()
{
    const QList<test::CatalogueEntry> entries =
        test::readCatalogue(QStringLiteral(VKP2_TRANSLATIONS "/vkp2_planner_de.ts"));
    const planner::Language de(kGerman, {planner::catalogues::kEngine});
    QStringList wrong;
    int checked = 0;
    for (const test::CatalogueEntry &e : entries) {
        if (e.numerus)
            continue; // plurals are looked up with a count
        const QString german = e.forms.value(0);
        const QString found = QCoreApplication::translate(e.context.toUtf8().constData(), e.source.toUtf8().constData());
        if (found != german)
            wrong << QStringLiteral("%1|%2: %3").arg(e.context, e.source, found);
        ++checked;
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    QVERIFY(checked > 200);
}

QTEST_GUILESS_MAIN(TstPlannerGerman)
#include "tst_planner_german.moc"
