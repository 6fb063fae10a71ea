// vkp2plan in German: help, option lines, usage errors and text labels follow the installed
// language, nothing of the command line's own words stays English, and CSV and JSON keys and
// enumeration values do not move. English again once the language is gone.

#include "cli/command_table.h"
#include "cli/options.h"
#include "cli_runs.h"
#include "planner/language.h"
#include "program_run.h"
#include "support/planner/catalogue_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <memory>

using namespace vkp2;
using namespace cli_runs;
using cli::Result;

namespace {

using Run = cli_runs::ProgramRun;

const QLocale kGerman(QLocale::German, QLocale::Germany);

std::unique_ptr<planner::Language> german()
{
    return std::make_unique<planner::Language>(
        kGerman, std::initializer_list<const char *>{planner::catalogues::kEngine,
                                                     planner::catalogues::kCommandLine});
}

struct Entry {
    QString source, translation;
    bool finished = true;
};

// The catalogue as kept in the sources; the program has its compiled form.
QList<Entry> catalogue(const char *path = VKP2_CLI_TS)
{
    QList<Entry> out;
    // A plural's forms run together: enough for the placeholder and quote checks.
    for (const test::CatalogueEntry &e : test::readCatalogue(QString::fromUtf8(path)))
        out << Entry{e.source, e.forms.join(QString()), e.type.isEmpty()};
    return out;
}

// Words German writes as English does: names, units and abbreviations.
const QSet<QString> kSameInBoth{
    QStringLiteral("Element"), QStringLiteral("Binning"), QStringLiteral("TL (mm)"),
    QStringLiteral("D (mm)"),  QStringLiteral("Filter"),  QStringLiteral("Sensor"),
    QStringLiteral("mono"),
};

QSet<QString> placeholders(const QString &text)
{
    QSet<QString> out;
    static const QRegularExpression mark(QStringLiteral("%(\\d+|n)"));
    for (auto it = mark.globalMatch(text); it.hasNext();)
        out << it.next().captured();
    return out;
}

QStringList keysOf(const QJsonValue &v)
{
    const QJsonObject o = v.isArray() ? v.toArray().first().toObject() : v.toObject();
    return o.keys();
}

// The values scripts match on: verdicts, rule, filter. Each "key=value", row by row.
bool isEnumeration(const QString &key)
{
    return key == QLatin1String("sampling") || key.startsWith(QLatin1String("focal_ratio_sampling"))
           || key == QLatin1String("sampling_rule") || key == QLatin1String("filter");
}

QStringList enumerationsOf(const QByteArray &out, bool json)
{
    QStringList found;
    if (json) {
        const QJsonDocument doc = QJsonDocument::fromJson(out);
        const QJsonArray rows = doc.isArray() ? doc.array() : QJsonArray{doc.object()};
        for (const QJsonValue &row : rows) {
            const QJsonObject o = row.toObject();
            for (auto it = o.begin(); it != o.end(); ++it) {
                if (isEnumeration(it.key()))
                    found << it.key() + QLatin1Char('=') + it.value().toString();
            }
        }
        return found;
    }
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(out));
    for (qsizetype r = 1; r < rows.size(); ++r) {
        for (qsizetype c = 0; c < rows.first().size() && c < rows.at(r).size(); ++c) {
            if (isEnumeration(rows.first().at(c)))
                found << rows.first().at(c) + QLatin1Char('=') + rows.at(r).at(c);
        }
    }
    return found;
}

} // namespace

class TstCliGerman : public QObject {
    Q_OBJECT

    Sandbox sandbox_;

    Run program(const QStringList &args, const QString &locale)
    {
        return runProgram(sandbox_.path(), args, locale);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox_.isValid());
        const auto de = german();
        QCOMPARE(de->loaded(), (QStringList{"vkp2_planner", "vkp2plan"}));
    }

    // Every word of the catalogue has its German, with the placeholders of its source, and the
    // compiled catalogue gives it.
    void catalogueComplete()
    {
        const QList<Entry> entries = catalogue();
        QVERIFY(entries.size() > 100);
        const auto de = german();
        for (const Entry &e : entries) {
            QVERIFY2(e.finished && !e.translation.isEmpty(), qPrintable(e.source));
            QCOMPARE(placeholders(e.translation), placeholders(e.source));
            if (placeholders(e.source).contains(QStringLiteral("%n")))
                continue; // numerus forms: looked up with a count below
            const QString shown = QCoreApplication::translate("vkp2plan", e.source.toUtf8().constData());
            QCOMPARE(shown, e.translation);
            if (!kSameInBoth.contains(e.source))
                QVERIFY2(shown != e.source, qPrintable(e.source));
        }
        // German keeps the typographic quotes; no straight quote pair is left.
        for (const Entry &e : entries)
            QVERIFY2(!e.translation.contains(QStringLiteral("\"%1\"")), qPrintable(e.translation));
    }

    void help_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("deutsch");
        QTest::newRow("whole") << QStringList{"--help"} << "Exit status:" << "Rückgabewert:";
        QTest::newRow("help") << QStringList{"help"} << "\nCommands:\n" << "\nBefehle:\n";
        QTest::newRow("show") << QStringList{"show", "--help"} << "\nOptions:\n" << "\nOptionen:\n";
        QTest::newRow("kit forms") << QStringList{"help", "kit"} << "(no values: the database's entry)"
                                   << "(ohne Werte:";
        QTest::newRow("find forms") << QStringList{"help", "find"} << "Case, accents" << "Satzzeichen";
        QTest::newRow("tables") << QStringList{"table", "--help"} << "one row per ocular and D"
                                << "eine Zeile je Okular";
    }

    void help()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, english);
        QFETCH(QString, deutsch);
        QString inGerman;
        {
            const auto de = german();
            inGerman = out(run(args));
        }
        const QString inEnglish = out(run(args));
        QVERIFY2(inGerman.contains(deutsch), qPrintable(inGerman));
        QVERIFY(!inGerman.contains(english));
        QVERIFY2(inEnglish.contains(english), qPrintable(inEnglish));
        QVERIFY(!inEnglish.contains(deutsch));
        // Option names and their value placeholders are the same in both.
        static const QRegularExpression option(QStringLiteral("^  (--[a-z-]+)( \\S+)?"),
                                               QRegularExpression::MultilineOption);
        QStringList heads[2];
        for (int i = 0; i < 2; ++i) {
            for (auto it = option.globalMatch(i ? inEnglish : inGerman); it.hasNext();)
                heads[i] << it.next().captured();
        }
        QCOMPARE(heads[0], heads[1]);
    }

    // Each option's help line, group heading and command summary has its German.
    void optionLines_data()
    {
        QTest::addColumn<QString>("name");
        for (const cli::OptionInfo &o : cli::allOptions())
            QTest::newRow(o.name) << QString::fromLatin1(o.name);
    }

    void optionLines()
    {
        QFETCH(QString, name);
        const cli::OptionInfo *o = cli::findOption(name);
        QVERIFY(o);
        const QString english = o->help();
        QString deutsch;
        {
            const auto de = german();
            deutsch = o->help();
        }
        QVERIFY(!english.isEmpty());
        QVERIFY2(deutsch != english, qPrintable(english));
        QCOMPARE(o->help(), english); // the language gone, English again
        QCOMPARE(placeholders(deutsch), placeholders(english));
    }

    void headingsAndSummaries()
    {
        const auto de = german();
        for (const cli::OptionGroup g :
             {cli::OptionGroup::Setup, cli::OptionGroup::Train, cli::OptionGroup::Advice,
              cli::OptionGroup::Night, cli::OptionGroup::Solve, cli::OptionGroup::Kit,
              cli::OptionGroup::Output}) {
            QVERIFY(!cli::groupHeading(g).isEmpty());
            QVERIFY2(!cli::groupHeading(g).contains(QStringLiteral("every command"))
                         && !cli::groupHeading(g).contains(QStringLiteral("one goal")),
                     qPrintable(cli::groupHeading(g)));
        }
        for (const cli::Command &c : cli::commandTable())
            QVERIFY2(cli::summaryOf(c) != QLatin1String(c.summary), c.name);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("deutsch");
        QTest::newRow("no command") << QStringList{} << "kein Befehl";
        QTest::newRow("unknown option") << QStringList{"show", "--dd", "5"} << "--dd: unbekannte Option";
        QTest::newRow("not a number") << QStringList{"show", "--d", "abc"} << "--d: „abc“ ist keine Zahl";
        QTest::newRow("unknown command") << QStringList{"shwo"} << "unbekannter Befehl „shwo“";
        QTest::newRow("camera typo") << QStringList{"show", "--camera", "SBIG ST7"}
                                     << "--camera: Kamera „SBIG ST7“";
        QTest::newRow("no goal") << QStringList{"solve"} << "braucht ein Ziel";
        QTest::newRow("kit kind") << QStringList{"kit", "add", "mirror", "X"} << "„mirror“ ist keins von";
        QTest::newRow("blur") << QStringList{"show", "--blur", "fast"} << "--blur: „fast“";
        QTest::newRow("filter") << QStringList{"show", "--filter", "xyz"} << "kein Filter „xyz“";
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, deutsch);
        Result r;
        {
            const auto de = german();
            r = run(args, kGerman);
        }
        const Result english = run(args);
        QCOMPARE(r.status, int(cli::kExitUsage));
        QCOMPARE(english.status, int(cli::kExitUsage));
        QVERIFY2(err(r).startsWith(QStringLiteral("vkp2plan: ")), qPrintable(err(r)));
        QVERIFY2(err(r).contains(deutsch), qPrintable(err(r)));
        QVERIFY(!err(english).contains(deutsch));
        QVERIFY(err(r) != err(english));
    }

    // No label or column heading of a text output is one of the catalogue's English words.
    void textLabels_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("show") << QStringList{"show", "--camera", "SBIG ST-7E", "--target", "jupiter",
                                             "--date", "2027-01-10T22:00Z", "--colour"};
        QTest::newRow("show with a train") << QStringList{"show", "--barlow", "2", "--target", "saturn"};
        QTest::newRow("table") << QStringList{"table", "--camera", "SBIG ST-7E", "--d-step", "500",
                                              "--filters", "all"};
        QTest::newRow("solve") << QStringList{"solve", "--focal-ratio", "20", "--camera", "SBIG ST-7E"};
        QTest::newRow("telescopes") << QStringList{"list", "telescopes"};
        QTest::newRow("oculars") << QStringList{"list", "oculars"};
        QTest::newRow("cameras") << QStringList{"list", "cameras"};
        QTest::newRow("find") << QStringList{"find", "cameras", "ST-7"};
    }

    void textLabels()
    {
        QFETCH(QStringList, args);
        // The engine's catalogue holds the calculator's box labels and the field tables'.
        QSet<QString> english;
        for (const Entry &e : catalogue() + catalogue(VKP2_ENGINE_TS)) {
            if (e.translation != e.source)
                english << e.source;
        }
        QString text;
        {
            const auto de = german();
            text = out(run(args, kGerman));
        }
        QVERIFY(!text.isEmpty());
        QStringList labels;
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            if (const qsizetype eq = line.indexOf(QStringLiteral(" = ")); eq > 0)
                labels << line.left(eq);
            else if (const qsizetype colon = line.indexOf(QStringLiteral(": ")); colon > 0)
                labels << line.left(colon);
            else
                labels << line.split(QRegularExpression(QStringLiteral("\\s{2,}")), Qt::SkipEmptyParts);
        }
        QVERIFY(!labels.isEmpty());
        for (const QString &l : labels)
            QVERIFY2(!english.contains(l.trimmed()), qPrintable(l + QStringLiteral("\n") + text));
        // The labels of the record came from the catalogue: some are there.
        QVERIFY2(text.contains(QStringLiteral("Okular")) || text.contains(QStringLiteral("Teleskop"))
                     || text.contains(QStringLiteral("Kamera")),
                 qPrintable(text));
    }

    // Sentences and words of the text output, plural forms among them.
    void textWords_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("deutsch");
        const QStringList mosaic{"show", "--target", "moon", "--mosaic", "--camera", "SBIG ST-7E",
                                 "--date", "2027-01-10T22:00Z"};
        QTest::newRow("mosaic panes") << mosaic << " panes (" << " Felder (";
        QTest::newRow("mosaic pane") << mosaic << "  Pane 1 (column" << "  Feld 1 (Spalte";
        QTest::newRow("found in the database") << QStringList{"find", "cameras", "ST-7"}
                                               << "  database  " << "  Datenbank  ";
        QTest::newRow("empty kit") << QStringList{"kit", "list"} << "the kit is empty"
                                   << "die Ausrüstung ist leer";
        QTest::newRow("fallback") << QStringList{"show", "--tl", "31"} << "(TL falls back to 5)"
                                  << "(TL fällt zurück auf 5)";
        QTest::newRow("kit table, empty kit") << QStringList{"table", "--kit"} << "vkp2plan: the kit is empty"
                                              << "vkp2plan: die Ausrüstung ist leer";
    }

    void textWords()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, english);
        QFETCH(QString, deutsch);
        removeKit();
        Result r;
        {
            const auto de = german();
            r = run(args, kGerman);
        }
        const Result e = run(args);
        const QString inGerman = out(r) + err(r), inEnglish = out(e) + err(e);
        QVERIFY2(inGerman.contains(deutsch), qPrintable(inGerman.left(2000)));
        QVERIFY2(inEnglish.contains(english), qPrintable(inEnglish.left(2000)));
        QVERIFY(!inGerman.contains(english));
        QCOMPARE(r.status, e.status);
    }

    // Keys and enumeration values are data: the same under German and C.
    void dataUnchanged_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("whole"); // no prose in it: every byte the same
        QTest::addColumn<bool>("verdicts"); // sampling verdicts among the values
        QTest::newRow("show") << QStringList{"show", "--target", "jupiter", "--camera", "SBIG ST-7E",
                                             "--date", "2027-01-10T22:00Z", "--rule", "nyquist"}
                              << false << true;
        QTest::newRow("show mosaic") << QStringList{"show", "--target", "moon", "--mosaic", "--camera",
                                                    "SBIG ST-7E", "--date", "2027-01-10T22:00Z"}
                                     << false << false;
        QTest::newRow("table") << QStringList{"table", "--d-step", "500", "--filters", "all",
                                              "--camera", "SBIG ST-7E", "--target", "saturn"}
                               << false << true;
        QTest::newRow("solve") << QStringList{"solve", "--efl", "3000"} << false << false;
        QTest::newRow("cameras") << QStringList{"list", "cameras"} << true << false;
        QTest::newRow("find") << QStringList{"find", "cameras", "ST-7"} << true << false;
    }

    void dataUnchanged()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, whole);
        QFETCH(bool, verdicts);
        for (const QString &format : {QStringLiteral("json"), QStringLiteral("csv")}) {
            const QStringList withFormat = args + QStringList{"--format", format};
            Result deutsch;
            {
                const auto de = german();
                deutsch = run(withFormat, kGerman);
            }
            const Result c = run(withFormat);
            QCOMPARE(deutsch.status, c.status);
            QVERIFY(!c.out.isEmpty());
            const QStringList values = enumerationsOf(c.out, format == QLatin1String("json"));
            QCOMPARE(enumerationsOf(deutsch.out, format == QLatin1String("json")), values);
            if (verdicts)
                QVERIFY2(values.join(QLatin1Char(' ')).contains(QLatin1String("sampled")),
                         qPrintable(values.join(QLatin1Char(' '))));
            if (whole) {
                QCOMPARE(deutsch.out, c.out);
            } else if (format == QLatin1String("json")) {
                const QJsonDocument a = QJsonDocument::fromJson(deutsch.out);
                const QJsonDocument b = QJsonDocument::fromJson(c.out);
                QVERIFY(!a.isNull());
                QCOMPARE(keysOf(a.isArray() ? QJsonValue(a.array()) : QJsonValue(a.object())),
                         keysOf(b.isArray() ? QJsonValue(b.array()) : QJsonValue(b.object())));
            } else {
                QCOMPARE(deutsch.out.left(deutsch.out.indexOf('\n')), c.out.left(c.out.indexOf('\n')));
            }
        }
    }

    // Both manual pages name every option, and the German one keeps the English one's build:
    // as many sections and the same examples.
    void manualPages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("English") << QStringLiteral("vkp2plan.1");
        QTest::newRow("German") << QStringLiteral("vkp2plan.de.1");
    }

    void manualPages()
    {
        QFETCH(QString, page);
        const auto read = [](const QString &name) {
            QFile f(QStringLiteral(VKP2_PACKAGING "/") + name);
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        const QString text = read(page);
        const QString english = read(QStringLiteral("vkp2plan.1"));
        QVERIFY(!text.isEmpty() && !english.isEmpty());
        for (const cli::OptionInfo &o : cli::allOptions()) {
            const QString roff = QString::fromLatin1(o.name).replace(QLatin1Char('-'), QStringLiteral("\\-"));
            QVERIFY2(text.contains(roff), o.name);
        }
        const auto sections = [](const QString &t) { return t.count(QStringLiteral("\n.SH ")); };
        QCOMPARE(sections(text), sections(english));
        const auto examples = [](const QString &t) {
            const qsizetype from = t.lastIndexOf(QStringLiteral(".nf\n"));
            return t.mid(from, t.indexOf(QStringLiteral(".fi\n"), from) - from);
        };
        QCOMPARE(examples(text), examples(english));
    }

    // The built program takes the language from the environment, as a user runs it.
    void program_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("stream");
        QTest::addColumn<QString>("expected");
        QTest::newRow("range, German") << QStringList{"show", "--d", "1200"} << "de_DE.UTF-8" << 1
                                       << "err" << "Abstand - D muss zwischen 0 und 1000 liegen";
        QTest::newRow("range, C") << QStringList{"show", "--d", "1200"} << "C" << 1 << "err"
                                  << "Distance - D must be between 0 and 1000";
        QTest::newRow("help, German") << QStringList{"--help"} << "de_DE.UTF-8" << 0 << "out"
                                      << "Aufruf: vkp2plan COMMAND [OPTIONS]\n";
        QTest::newRow("help, C") << QStringList{"--help"} << "C" << 0 << "out"
                                 << "Usage: vkp2plan COMMAND [OPTIONS]\n";
        QTest::newRow("bad number, German") << QStringList{"show", "--d", "x"} << "de_DE.UTF-8" << 2
                                            << "err" << "vkp2plan: --d: „x“ ist keine Zahl\n";
    }

    void program()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, locale);
        QFETCH(int, status);
        QFETCH(QString, stream);
        QFETCH(QString, expected);
        const Run r = program(args, locale);
        QCOMPARE(r.status, status);
        const QString text = QString::fromUtf8(stream == QLatin1String("err") ? r.err : r.out);
        QVERIFY2(text.contains(expected), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TstCliGerman)
#include "tst_cli_german.moc"
