// A setup of the kit run through the headless calculator: the window's digits and messages.

#include "planner/csv_field.h"
#include "planner/setup.h"
#include "planner/solve_setup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vkp2;
using namespace vkp2::planner;

class TstPlannerSetup : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void shows_data();
    void shows();
    void presetsFillTheirValues();
    void walkShowsWhatAStartShows_data();
    void walkShowsWhatAStartShows();
    void lastSetupIsReadNotWritten();
    void solvesEveryOcular_data();
    void solvesEveryOcular();
    void csvFields_data();
    void csvFields();
};

void TstPlannerSetup::shows_data()
{
    QTest::addColumn<QString>("ocular");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("camera");
    QTest::addColumn<QStringList>("expected"); // box=text pairs
    QTest::addColumn<QStringList>("messages");
    // DR-106 at D 55, TL 5: projection 58 + 5 + 3 + 55 - 40.9 = 80.1 mm; (80.1/5 - 1) × 530.
    QTest::newRow("WS 5mm") << "WS 5mm" << "55" << "None or Film"
                            << QStringList{"efl=7960.6", "efr=75.1", "Fov_width=0"} << QStringList{};
    // Prime focus copies the telescope; 20 µm × 512 px at 530 mm: 3439 × 10.24 / 530 = 66.44.
    QTest::newRow("prime focus") << "No-VKP2" << "55" << "FLI IMG261E"
                                 << QStringList{"efl=530", "efr=5", "Fov_width=66.44", "Pixelscale_height=7.78",
                                                "Distance_d=0", "Distance_tl=0"}
                                 << QStringList{};
    QTest::newRow("D out of range falls back to 55")
        << "WS 18mm" << "2000" << "None or Film" << QStringList{"Distance_d=55", "efl=2226", "efr=21"}
        << QStringList{"Error: Distance - D must be between 0 and 1000"};
}

void TstPlannerSetup::shows()
{
    QFETCH(QString, ocular);
    QFETCH(QString, d);
    QFETCH(QString, camera);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, messages);
    Setup setup;
    setup.d = d;
    QVERIFY(setup.chooseOcular(ocular));
    QVERIFY(setup.chooseCamera(camera));
    const Shown shown = show(setup);
    for (const QString &pair : expected) {
        const QString name = pair.section('=', 0, 0);
        const auto box = boxNamed(name.toStdString());
        QVERIFY2(box, qPrintable(name));
        QCOMPARE(shown.box(*box), pair.section('=', 1));
    }
    QStringList seen;
    for (const Message &m : shown.messages)
        seen << m.title + ": " + m.text;
    QCOMPARE(seen, messages);
}

void TstPlannerSetup::presetsFillTheirValues()
{
    Setup setup;
    QVERIFY(setup.chooseTelescope("BR-128"));
    QCOMPARE(setup.focalLength, QString("1040"));
    QCOMPARE(setup.aperture, QString("128"));
    QCOMPARE(show(setup).box(vkp2::Box::Fratio), QString("8.12")); // 8.125, the tie to the even digit
    QVERIFY(!setup.chooseTelescope("BR-129"));
    QCOMPARE(setup.telescope, QString("BR-128"));
    QVERIFY(setup.chooseCamera("SBIG ST-9E"));
    // The binning table's 1x1 row and the catalogue agree on the sensor's 20 µm.
    QCOMPARE(show(setup).box(vkp2::Box::Pixelsize_width), QString("20"));
    QVERIFY(setup.chooseCamera("FLI IMG261E"));
    setup.binning = "2x2";
    const Shown binned = show(setup);
    QCOMPARE(binned.binning, QString("2x2"));
    QCOMPARE(binned.box(vkp2::Box::Pixelsize_width), QString("40"));
    QCOMPARE(binned.box(vkp2::Box::Chipsize_height), QString("256"));
    QVERIFY(!setup.chooseCamera("SBIG ST9E"));
    QVERIFY(!setup.chooseOcular("WS 6mm"));
    QCOMPARE(setup.ocular, QString("WS 5mm"));
}

void TstPlannerSetup::walkShowsWhatAStartShows_data()
{
    QTest::addColumn<QString>("telescope");
    QTest::addColumn<QString>("tl");
    QTest::addColumn<QString>("d");
    QTest::newRow("DR-106") << "DR-106" << "5" << "55";
    QTest::newRow("AR-150, far") << "AR-150" << "30" << "1000";
    QTest::newRow("CR-65, close") << "CR-65" << "0" << "0";
}

void TstPlannerSetup::walkShowsWhatAStartShows()
{
    // The walk chooses entries one after another on one calculator; each step must show what a
    // fresh start from the same setup shows.
    QFETCH(QString, telescope);
    QFETCH(QString, tl);
    QFETCH(QString, d);
    Setup base;
    base.tl = tl;
    base.d = d;
    KitWalk walk(base);
    walk.chooseTelescope(telescope);
    const QStringList cameras{"Starlight Express HX916", "SBIG ST-7E", "Meade Pictor 416XT", "FLI IMG1401E"};
    for (const QString &ocular : ocularEntries()) {
        walk.chooseOcular(ocular, tl, d);
        for (const QString &camera : cameras) {
            walk.chooseCamera(camera);
            for (const QString &mode : binningModes()) {
                walk.calculator().clearMessages();
                walk.chooseBinning(mode);
                Setup setup = base;
                QVERIFY(setup.chooseTelescope(telescope));
                QVERIFY(setup.chooseOcular(ocular));
                QVERIFY(setup.chooseCamera(camera));
                setup.binning = mode;
                const Shown started = show(setup);
                const Shown walked = walk.shown();
                QVERIFY2(walked.boxes == started.boxes,
                         qPrintable(ocular + ", " + camera + ", " + mode + ":\n  "
                                    + QStringList(walked.boxes.begin(), walked.boxes.end()).join('|') + "\n  " + QStringList(started.boxes.begin(), started.boxes.end()).join('|')));
                // Without binning modes the list keeps showing the last mode, disabled.
                if (!cameraHasBinning(camera))
                    break;
                QCOMPARE(walked.binning, started.binning);
            }
        }
    }
}

void TstPlannerSetup::lastSetupIsReadNotWritten()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const QByteArray saved = "User-Defined\r\nPT 9mm\r\nUser-Defined\r\n800\r\n100\r\n5\r\n120\r\n5.6\r\n5.6\r\n1000\r\n800\r\n";
    {
        QFile file("vkp2user.dat");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(saved);
    }
    const Setup setup = lastSetup();
    const Shown shown = show(setup);
    QFile file("vkp2user.dat");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    QDir::setCurrent(previous);
    QCOMPARE(setup.focalLength, QString("800"));
    QCOMPARE(setup.d, QString("120"));
    QCOMPARE(shown.telescope, QString("User-Defined"));
    QCOMPARE(shown.box(vkp2::Box::Fratio), QString("8"));
    QCOMPARE(shown.box(vkp2::Box::Chipsize_width), QString("1000"));
    QCOMPARE(after, saved);
}


void TstPlannerSetup::solvesEveryOcular_data()
{
    QTest::addColumn<QString>("focal"); // empty: the DR-106 preset
    QTest::addColumn<QString>("camera");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("ocular");
    QTest::addColumn<QString>("d");        // typed D; empty when not solved
    QTest::addColumn<QString>("reasonHas");
    const int ratio = int(Goal::Kind::FocalRatio), scale = int(Goal::Kind::PixelScale);
    // 75.1 x 106 = 7960.6 mm, which WS 5mm reaches at D 55 (see "WS 5mm" above).
    QTest::newRow("focal ratio") << "" << "None or Film" << ratio << 75.1 << "WS 5mm" << "55" << "";
    QTest::newRow("rejected focal length") << "20000" << "None or Film" << ratio << 30.0 << "WS 5mm"
                                           << "" << "accepts no such telescope";
    QTest::newRow("no camera") << "" << "None or Film" << scale << 1.0 << "WS 5mm" << ""
                               << "no camera pixel size";
    QTest::newRow("prime focus") << "" << "FLI IMG261E" << scale << 1.0 << "No-VKP2" << ""
                                 << "at prime focus";
}

void TstPlannerSetup::solvesEveryOcular()
{
    QFETCH(QString, focal);
    QFETCH(QString, camera);
    QFETCH(int, kind);
    QFETCH(double, value);
    QFETCH(QString, ocular);
    QFETCH(QString, d);
    QFETCH(QString, reasonHas);
    Setup setup;
    if (!focal.isEmpty())
        setup.typeTelescope(focal, "100");
    QVERIFY(setup.chooseCamera(camera));
    const auto rows = solveEveryOcular(setup, Goal::Kind(kind), value, {ocular});
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].dText, d);
    QVERIFY2(rows[0].solution.reason.contains(reasonHas), qPrintable(rows[0].solution.reason));
    if (!d.isEmpty())
        QCOMPARE(rows[0].shown.box(vkp2::Box::Distance_d), d);
}

void TstPlannerSetup::csvFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain") << "WS 5mm" << "WS 5mm";
    QTest::newRow("comma") << "a,b" << "\"a,b\"";
    QTest::newRow("quote") << "5\" x" << "\"5\"\" x\"";
    QTest::newRow("LF") << "a\nb" << "\"a\nb\"";
    QTest::newRow("CR") << "a\rb" << "\"a\rb\"";
}

void TstPlannerSetup::csvFields()
{
    QFETCH(QString, field);
    QFETCH(QString, written);
    QCOMPARE(csvField(field), written);
}

QTEST_GUILESS_MAIN(TstPlannerSetup)
#include "tst_planner_setup.moc"
