// vkp2plan as a user runs it: the built program in a fresh folder with its own home, so no
// user's setup is ever read. What reaches which stream, the exit statuses, the locale from
// the environment and the last setup; the commands' contents are the in-process suites'.

#include "calculator/core/numbers.h"
#include "planner/setup.h"
#include "program_run.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace vkp2;

namespace {

using Run = cli_runs::ProgramRun;

} // namespace

class TstVkp2plan : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    Run run(const QStringList &args, const QString &locale = QStringLiteral("C"),
            const QString &stdoutFile = QString())
    {
        return cli_runs::runProgram(home_.path(), args, locale, stdoutFile);
    }

private slots:
    void initTestCase() { QVERIFY(home_.isValid()); }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("version") << QStringList{"--version"} << 0 << QString();
        QTest::newRow("help") << QStringList{"--help"} << 0 << QString();
        QTest::newRow("plain show") << QStringList{"show"} << 0 << QString();
        QTest::newRow("D out of range") << QStringList{"show", "--d", "1200"} << 1
                                        << "Error: Distance - D must be between 0 and 1000 (D falls back to 55)\n";
        QTest::newRow("TL out of range") << QStringList{"show", "--tl", "31"} << 1
                                         << "Error: Distance - TL must be between 0 and 30 (TL falls back to 5)\n";
        QTest::newRow("focal length 0") << QStringList{"show", "--focal-length", "0"} << 1
                                        << "Error: Enter a number greater than 50. (the box falls back to 50)\n";
        QTest::newRow("refused binning") << QStringList{"show", "--camera", "Starlight Express HX916", "--binning", "3x3"}
                                         << 1 << "Note: This camera does not support 3x3 Binning (binning falls back to 2x2)\n";
        QTest::newRow("refused binning in a table")
            << QStringList{"table", "--camera", "Starlight Express HX916", "--binning", "3x3", "--d", "55"} << 1
            << "vkp2plan: the calculator showed messages for some rows; see their note\n";
        QTest::newRow("no command") << QStringList{} << 2 << "vkp2plan: no command; try \"vkp2plan --help\"\n";
        QTest::newRow("bad number") << QStringList{"show", "--d", "abc"} << 2
                                    << "vkp2plan: --d: \"abc\" is not a number\n";
        QTest::newRow("camera typo") << QStringList{"show", "--camera", "SBIG ST7"} << 2
                                     << "vkp2plan: --camera: no camera \"SBIG ST7\"; did you mean \"SBIG ST-7E\", \"SBIG ST-7XME\"?\n";
        QTest::newRow("stray word") << QStringList{"show", "extra"} << 2
                                    << "vkp2plan: \"extra\": show takes no such word, only options\n";
        QTest::newRow("missing setup file") << QStringList{"show", "--setup", "nowhere.dat"} << 2
                                            << "vkp2plan: --setup: cannot read \"nowhere.dat\"\n";
    }

    void exitStatus()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, err);
        const Run r = run(args);
        QCOMPARE(r.status, status);
        QCOMPARE(QString::fromUtf8(r.err), err);
        QCOMPARE(r.out.isEmpty(), status == 2); // bad input leaves nothing half-written
    }

    void unwritableOutput()
    {
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        const Run r = run({"list", "cameras"}, QStringLiteral("C"), QStringLiteral("/dev/full"));
        QCOMPARE(r.status, 3);
        QCOMPARE(r.err, QByteArray("vkp2plan: cannot write the output\n"));
    }

    // Text follows the locale of the environment as the window does; CSV keeps a dot.
    void locale()
    {
        const Run german = run({"show", "--d", "55,0", "--camera", "SBIG ST-7E", "--target", "jupiter"},
                               "de_DE.UTF-8");
        QCOMPARE(german.status, 0);
        QVERIFY2(german.out.contains("Verlängerte Brennweite (mm) = 7960,6\n"), german.out.constData());
        QVERIFY(german.out.contains("Jupiter, 29,8″"));
        const Run csv = run({"show", "--format", "csv", "--d", "55.5"}, "de_DE.UTF-8");
        QCOMPARE(csv.status, 0);
        QVERIFY(csv.out.contains(",55.5,"));
    }

    // The last setup is the base, options change parts of it, and its file is left as it was.
    void lastSetupIsReadNotWritten()
    {
        const QString path = home_.filePath("vkp2user.dat");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray before =
            "AR-100\r\nPT 7mm\r\nSBIG ST-9E\r\n800\r\n100\r\n10\r\n200\r\n20\r\n20\r\n512\r\n512\r\n";
        file.write(before);
        file.close();
        const Run r = run({"show", "--format", "json", "--d", "150"});
        QCOMPARE(r.status, 0);
        const QJsonObject json = QJsonDocument::fromJson(r.out).object();
        planner::Setup expected;
        expected.chooseTelescope("AR-100");
        expected.ocular = "PT 7mm";
        expected.tl = "10";
        expected.d = "150";
        expected.chooseCamera("SBIG ST-9E");
        const planner::Shown shown = planner::show(expected);
        QCOMPARE(json.value("telescope").toString(), QString("AR-100"));
        QCOMPARE(json.value("efl_mm").toDouble(), *numbers::parse(shown.box(vkp2::Box::efl)));
        QCOMPARE(json.value("fov_width_arcmin").toDouble(), *numbers::parse(shown.box(vkp2::Box::Fov_width)));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        f.close();
        QFile::remove(path);
    }
};

QTEST_GUILESS_MAIN(TstVkp2plan)
#include "tst_vkp2plan.moc"
