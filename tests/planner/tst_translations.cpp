// The planner programs' German catalogues: every word the sources mark is translated, the
// translations keep their placeholders and mnemonics, and the built programs carry them.

#include "planner/language.h"
#include "support/planner/catalogue_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

using vkp2::test::CatalogueEntry;
using vkp2::test::readCatalogue;

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    found.removeDuplicates();
    return found;
}

// The keyboard mnemonics of a caption ("&&" is a literal ampersand).
int mnemonics(QString text)
{
    text.remove(QStringLiteral("&&"));
    return int(text.count(QLatin1Char('&')));
}

const QString kFolder = QStringLiteral(VKP2_TRANSLATIONS_DIR);
const QString kSourceLists = QStringLiteral(VKP2_TRANSLATION_SOURCES);

} // namespace

class TstTranslations : public QObject {
    Q_OBJECT

    void catalogues()
    {
        QTest::addColumn<QString>("ts");
        QTest::addColumn<QString>("sources");
        QTest::newRow("engine") << "vkp2_planner_de.ts" << "ENGINE.sources";
        QTest::newRow("command line") << "vkp2plan_de.ts" << "CLI.sources";
        QTest::newRow("window") << "vkp2_planner_window_de.ts" << "WINDOW.sources";
    }

private slots:
    void everyWordTranslated_data() { catalogues(); }
    void everyWordTranslated()
    {
        QFETCH(QString, ts);
        QString problem;
        const QList<CatalogueEntry> entries = readCatalogue(QDir(kFolder).filePath(ts), &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(!entries.isEmpty());
        QStringList missing;
        for (const CatalogueEntry &e : entries) {
            const bool empty = e.forms.isEmpty()
                               || std::any_of(e.forms.cbegin(), e.forms.cend(),
                                              [](const QString &f) { return f.isEmpty(); });
            // German has two numerus forms.
            if (!e.type.isEmpty() || empty || (e.numerus && e.forms.size() != 2))
                missing << e.key();
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not translated: ") + missing.join(QStringLiteral("; "))));
    }

    void translationsKeepPlaceholdersAndMnemonics_data() { catalogues(); }
    void translationsKeepPlaceholdersAndMnemonics()
    {
        QFETCH(QString, ts);
        QString problem;
        const QList<CatalogueEntry> entries = readCatalogue(QDir(kFolder).filePath(ts), &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QStringList wrong;
        for (const CatalogueEntry &e : entries) {
            for (const QString &form : e.forms) {
                if (form.isEmpty()) // everyWordTranslated reports it
                    continue;
                QStringList want = placeholders(e.source);
                // A singular form may spell the number out ("ein Bild").
                if (e.numerus && &form == &e.forms.first())
                    want.removeAll(QStringLiteral("%n"));
                QStringList have = placeholders(form);
                if (e.numerus && &form == &e.forms.first())
                    have.removeAll(QStringLiteral("%n"));
                if (have != want || (mnemonics(e.source) > 0) != (mnemonics(form) == 1)
                    || mnemonics(form) > 1)
                    wrong << e.key() + QStringLiteral(" -> ") + form;
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }

    // lupdate over today's sources finds no word the catalogue lacks, and none it has is gone.
    void catalogueMatchesTheSources_data() { catalogues(); }
    void catalogueMatchesTheSources()
    {
        QFETCH(QString, ts);
        QFETCH(QString, sources);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fresh = dir.filePath(ts);
        QVERIFY(QFile::copy(QDir(kFolder).filePath(ts), fresh));
        QFile::setPermissions(fresh, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(VKP2_LUPDATE),
                      {QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-no-obsolete"), QStringLiteral("-silent"),
                       QLatin1Char('@') + QDir(kSourceLists).filePath(sources),
                       QStringLiteral("-ts"), fresh});
        QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

        QString problem;
        const QList<CatalogueEntry> kept = readCatalogue(QDir(kFolder).filePath(ts), &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        const QList<CatalogueEntry> found = readCatalogue(fresh, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QSet<QString> keptKeys, foundKeys;
        for (const CatalogueEntry &e : kept)
            keptKeys << e.key();
        for (const CatalogueEntry &e : found)
            foundKeys << e.key();
        const QStringList added = QSet<QString>(foundKeys).subtract(keptKeys).values();
        const QStringList gone = QSet<QString>(keptKeys).subtract(foundKeys).values();
        QVERIFY2(added.isEmpty(),
                 qPrintable(QStringLiteral("new words, run the update_translations target and "
                                           "translate them: ")
                            + added.join(QStringLiteral("; "))));
        QVERIFY2(gone.isEmpty(), qPrintable(QStringLiteral("words no longer in the sources: ")
                                            + gone.join(QStringLiteral("; "))));
    }

    // The engine's catalogue is built into the library; German finds it, English keeps the
    // source words.
    void engineCatalogueIsBuiltIn_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("title");
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "Fehler";
        QTest::newRow("Austrian German") << QLocale(QLocale::German, QLocale::Austria) << "Fehler";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "Error";
        QTest::newRow("French, untranslated") << QLocale(QLocale::French, QLocale::France) << "Error";
    }
    void engineCatalogueIsBuiltIn()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, title);
        {
            const vkp2::planner::Language language(locale, {vkp2::planner::catalogues::kEngine});
            QCOMPARE(QCoreApplication::translate("CalculatorMessage", "Error"), title);
            QCOMPARE(language.loaded().isEmpty(), title == QLatin1String("Error"));
        }
        // Gone with the Language.
        QCOMPARE(QCoreApplication::translate("CalculatorMessage", "Error"), QStringLiteral("Error"));
    }
};

QTEST_GUILESS_MAIN(TstTranslations)
#include "tst_translations.moc"
