// The setup's round trip through the real window: the window reads the user equipment file at
// start-up and writes it back when it closes, where it found it.

#include "storage/user_equipment_file.h"
#include "support/widgets/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

using namespace vkp2;
using test::chooseAsUser;

class TstSetupRoundTrip : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void firstStartWritesDefaults();
    void restores_data();
    void restores();
    void closeWithUnwritableFileKeepsRunning();
    void setupKeptWhereFound_data();
    void setupKeptWhereFound();
};

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Closes the window started in the sandbox and returns the file it wrote.
QByteArray closeAndRead(test::WindowFixture &f)
{
    f.window->close();
    return readBytes(f.sandbox.setupFile());
}

} // namespace

void TstSetupRoundTrip::firstStartWritesDefaults()
{
    test::WindowFixture f;
    QCOMPARE(closeAndRead(f), QByteArray("DR-106\r\nWS 5mm\r\nNone or Film\r\n530\r\n106\r\n5\r\n55\r\n"
                                         "\r\n\r\n\r\n\r\n"));
}

void TstSetupRoundTrip::restores_data()
{
    QTest::addColumn<QString>("telescope");
    QTest::addColumn<QString>("camera");
    QTest::addColumn<QStringList>("typed"); // Flength, Aperture, then four camera values
    QTest::newRow("user telescope and camera")
        << "User-Defined" << "User-Defined" << QStringList{"800", "100", "5.6", "5.6", "1000", "800"};
    QTest::newRow("typed with trailing zero") << "User-Defined" << "Audine"
                                              << QStringList{"530.0", "106", "", "", "", ""};
    QTest::newRow("preset camera") << "CR-125" << "SBIG ST-7E" << QStringList{"", "", "", "", "", ""};
}

void TstSetupRoundTrip::restores()
{
    QFETCH(QString, telescope);
    QFETCH(QString, camera);
    QFETCH(QStringList, typed);
    test::Sandbox sandbox;
    QStringList shownBefore;
    {
        RecordedMessageBoxes messages;
        MainWindow window(messages);
        const auto &w = window.widgets();
        QVERIFY(chooseAsUser(w[List::Telescope], telescope));
        QVERIFY(chooseAsUser(w[List::Ocular], "PT 9mm"));
        QVERIFY(chooseAsUser(w[List::Ccd], camera));
        const QList<QLineEdit *> boxes{w[Box::Flength], w[Box::Aperture], w[Box::Pixelsize_width],
                                       w[Box::Pixelsize_height], w[Box::Chipsize_width], w[Box::Chipsize_height]};
        for (int i = 0; i < boxes.size(); ++i) {
            if (!typed[i].isEmpty())
                test::retype(boxes[i], typed[i]);
        }
        test::retype(w[Box::Distance_d], "70");
        test::retype(w[Box::Distance_tl], "12.5");
        for (const QLineEdit *e : window.findChildren<QLineEdit *>())
            shownBefore << e->objectName() + "=" + e->text() + (e->isEnabled() ? "" : " (off)");
        QVERIFY(messages.shown.isEmpty());
        window.close();
    }
    RecordedMessageBoxes messages;
    MainWindow window(messages);
    QCOMPARE(window.widgets()[List::Telescope]->currentText(), telescope);
    QCOMPARE(window.widgets()[List::Ocular]->currentText(), QString("PT 9mm"));
    QCOMPARE(window.widgets()[List::Ccd]->currentText(), camera);
    QStringList shownAfter;
    for (const QLineEdit *e : window.findChildren<QLineEdit *>())
        shownAfter << e->objectName() + "=" + e->text() + (e->isEnabled() ? "" : " (off)");
    QCOMPARE(shownAfter, shownBefore);
    QVERIFY(messages.shown.isEmpty());
}

void TstSetupRoundTrip::closeWithUnwritableFileKeepsRunning()
{
    test::WindowFixture f;
    // The file's name in the data folder is taken by a folder: the write fails, the close goes on.
    QVERIFY(QDir().mkpath(f.sandbox.dataFile()));
    QVERIFY(f.window->close());
    QVERIFY(QFileInfo(f.sandbox.dataFile()).isDir());
    QVERIFY(QFile::exists(f.sandbox.file("settings/VKP2/VKP2.conf")));
}

void TstSetupRoundTrip::setupKeptWhereFound_data()
{
    QTest::addColumn<bool>("fileHere"); // a vkp2user.dat in the current folder before the start
    QTest::newRow("none here: the data folder's") << false;
    QTest::newRow("one here: that one") << true;
}

void TstSetupRoundTrip::setupKeptWhereFound()
{
    QFETCH(bool, fileHere);
    test::Sandbox sandbox;
    const QString here = sandbox.file("vkp2user.dat");
    if (fileHere)
        writeBytes(here, "CR-125\r\nPT 9mm\r\nNone or Film\r\n");
    if (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) != sandbox.file("data"))
        QSKIP("this system does not take its data folder from XDG_DATA_HOME");
    {
        RecordedMessageBoxes messages;
        MainWindow window(messages);
        QCOMPARE(window.widgets()[List::Telescope]->currentText(), fileHere ? QString("CR-125") : QString("DR-106"));
        QVERIFY(chooseAsUser(window.widgets()[List::Telescope], "CR-150"));
        QVERIFY(window.close());
    }
    const QString used = fileHere ? here : sandbox.dataFile();
    QVERIFY(readBytes(used).startsWith("CR-150\r\n"));
    QCOMPARE(QFileInfo::exists(here), fileHere);
    QCOMPARE(QFileInfo::exists(sandbox.dataFile()), !fileHere);

    RecordedMessageBoxes messages;
    MainWindow window(messages);
    QCOMPARE(window.widgets()[List::Telescope]->currentText(), QString("CR-150"));
}

QTEST_MAIN(TstSetupRoundTrip)
#include "tst_setup_round_trip.moc"
