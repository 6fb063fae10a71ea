// The command line's words: commands, options, stray words, "--", and the help made from the
// command table. Run in-process.

#include "cli/command_table.h"
#include "cli/options.h"
#include "cli_runs.h"

#include <QTest>

using namespace cli_runs;

class TstCliArguments : public QObject {
    Q_OBJECT

    Sandbox sandbox_;

private slots:
    void initTestCase() { QVERIFY(sandbox_.isValid()); }

    void refused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("line");
        QTest::newRow("single-dash option") << QStringList{"show", "-telescope", "AR-50"}
                                            << "vkp2plan: -telescope: unknown option; did you mean \"--telescope\"?";
        QTest::newRow("mistyped option") << QStringList{"show", "--telescop", "AR-50"}
                                         << "vkp2plan: --telescop: unknown option; did you mean \"--telescope\"?";
        QTest::newRow("stray word in show") << QStringList{"show", "extra"}
                                            << "vkp2plan: \"extra\": show takes no such word, only options";
        QTest::newRow("stray word in table") << QStringList{"table", "foo"}
                                             << "vkp2plan: \"foo\": table takes no such word, only options";
        QTest::newRow("stray word before a goal") << QStringList{"solve", "bar", "--focal-ratio", "30"}
                                                  << "vkp2plan: \"bar\": solve takes no such word, only options";
        QTest::newRow("second word of list") << QStringList{"list", "cameras", "oculars"}
                                             << "vkp2plan: \"oculars\": list takes no such word";
        QTest::newRow("mistyped command") << QStringList{"shwo"}
                                          << "vkp2plan: unknown command \"shwo\"; did you mean \"show\"?";
        QTest::newRow("unknown command") << QStringList{"frobnicate"}
                                         << "vkp2plan: unknown command \"frobnicate\"; one of list, show, table, solve, find, kit, help";
        QTest::newRow("option before the command") << QStringList{"--d", "5", "show"}
                                                   << "vkp2plan: --d: the command comes first (list, show, table, solve, find, kit, help)";
        QTest::newRow("no option after --") << QStringList{"show", "--", "--d", "5"}
                                            << "vkp2plan: \"--d\": show takes no such word, only options";
        QTest::newRow("option of another command") << QStringList{"show", "--d-step", "5"}
                                                   << "vkp2plan: --d-step: not an option of show";
        QTest::newRow("goal given twice") << QStringList{"solve", "--efl", "1", "--efl", "2"}
                                                              << "vkp2plan: --efl: given more than once";
        QTest::newRow("flag with a value") << QStringList{"show", "--colour=yes"}
                                           << "vkp2plan: --colour: takes no value";
        QTest::newRow("missing value") << QStringList{"show", "--camera"} << "vkp2plan: --camera: needs a value";
        QTest::newRow("no command") << QStringList{} << "vkp2plan: no command; try \"vkp2plan --help\"";
        QTest::newRow("help for no command") << QStringList{"help", "stars"}
                                             << "vkp2plan: help: no command \"stars\"; one of list, show, table, solve, find, kit, help";
    }

    void refused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, line);
        const vkp2::cli::Result r = run(args);
        QCOMPARE(r.status, vkp2::cli::kExitUsage);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(err(r), line + "\n");
    }

    // Words that are no options: a negative number is a value, and after "--" a name is one.
    void wordsThatAreValues()
    {
        QCOMPARE(showJson({"--d", "-0"}).value("d_mm").toDouble(), 0.0);
        const vkp2::cli::Result r = run({"list", "--", "oculars"});
        QCOMPARE(r.status, 0);
        QVERIFY(out(r).startsWith("Ocular"));
    }

    // Every option the help names is one the parser knows, and every command's options are
    // in its own help: the help is made from the same tables.
    void helpFollowsTheTables()
    {
        const QString all = out(run({"--help"}));
        for (const auto &o : vkp2::cli::allOptions())
            QVERIFY2(all.contains(QLatin1String(o.name)), o.name);
        for (const auto &c : vkp2::cli::commandTable()) {
            QVERIFY2(all.contains(QStringLiteral("  %1 ").arg(QLatin1String(c.name))), c.name);
            const vkp2::cli::Result r = run({QLatin1String(c.name), "--help"});
            QCOMPARE(r.status, 0);
            QCOMPARE(out(r), out(run({"help", QLatin1String(c.name)})));
            for (const QString &o : c.options)
                QVERIFY2(out(r).contains("  " + o + " ") || out(r).contains("  " + o + "\n"),
                         qPrintable(QLatin1String(c.name) + o));
        }
        QVERIFY(out(run({"help", "solve"})).contains("--efl MM"));
        QVERIFY(!out(run({"help", "show"})).contains("--d-step"));
    }
};

QTEST_GUILESS_MAIN(TstCliArguments)
#include "tst_cli_arguments.moc"
