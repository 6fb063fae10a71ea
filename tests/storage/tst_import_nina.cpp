// A N.I.N.A. profile: the telescope and camera it names, and the files that are refused.

#include "storage/kit_checks.h"
#include "storage/kit_import.h"

#include <QtTest>

using namespace vkp2::storage;

Q_DECLARE_METATYPE(vkp2::storage::Kit)

namespace {

// A profile as N.I.N.A. serialises it, trimmed to a few sections; %1 to %6 are the parts the
// cases change. Filters carry names of their own, before the profile's.
QByteArray profile(const QString &cameraId = QStringLiteral("<Id>ZWO ASI294MC Pro</Id>"),
                   const QString &pixelSize = QStringLiteral("<PixelSize>4.63</PixelSize>"),
                   const QString &frame = QStringLiteral("<CameraHeight>2822</CameraHeight><CameraWidth>4144</CameraWidth>"),
                   const QString &telescopeName = QStringLiteral("<Name>EdgeHD 8</Name>"),
                   const QString &focal = QStringLiteral("<FocalLength>1400</FocalLength><FocalRatio>7</FocalRatio>"),
                   const QString &profileName = QStringLiteral("<Name>Backyard</Name>"))
{
    // Written out line by line: moc misreads a raw string holding "//".
    return QString::fromUtf8(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<Profile xmlns=\"http://schemas.datacontract.org/2004/07/NINA.Profile\" xmlns:i=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
        "  <ApplicationSettings><Culture>en-GB</Culture><DevicePollingInterval>2</DevicePollingInterval></ApplicationSettings>\n"
        "  <CameraSettings><BitDepth>16</BitDepth><BulbMode>Native</BulbMode>%1%2<Temperature i:nil=\"true\"/></CameraSettings>\n"
        "  <FilterWheelSettings><FilterWheelFilters xmlns:a=\"http://schemas.datacontract.org/2004/07/NINA.Core.Model.Equipment\">\n"
        "    <a:FilterInfo><a:Name>Luminance</a:Name><a:Position>0</a:Position></a:FilterInfo>\n"
        "  </FilterWheelFilters><Id>No_Device</Id></FilterWheelSettings>\n"
        "  <FramingAssistantSettings>%3<FieldOfView>3</FieldOfView></FramingAssistantSettings>\n"
        "  <Id>3d9f4b9e-8f0c-4a3e-9a55-cc29f2a4b1d7</Id>\n"
        "  <LastUsed>2024-03-01T21:14:05.1234567+01:00</LastUsed>\n"
        "  %6\n"
        "  <TelescopeSettings>%5<Id>No_Device</Id>%4<SettleTime>5</SettleTime></TelescopeSettings>\n"
        "</Profile>\n")
        .arg(cameraId, pixelSize, frame, telescopeName, focal, profileName)
        .toUtf8();
}

KitTelescope telescope(const QString &name, double f, double d) { return {name, f, d}; }

KitCamera camera(const QString &name, double pixel, int w, int h)
{
    KitCamera c;
    c.name = name;
    c.pixelWidth = c.pixelHeight = pixel;
    c.width = w;
    c.height = h;
    return c;
}

} // namespace

class TstImportNina : public QObject {
    Q_OBJECT
private slots:
    void profiles_data();
    void profiles();
    void refused_data();
    void refused();
};

void TstImportNina::profiles_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<Kit>("expected");
    QTest::addColumn<QString>("error"); // the one error expected, or empty

    const KitTelescope edge = telescope(QStringLiteral("EdgeHD 8"), 1400, 200);
    const KitCamera asi = camera(QStringLiteral("ZWO ASI294MC Pro"), 4.63, 4144, 2822);
    Kit both;
    both.telescopes = {edge};
    both.cameras = {asi};
    QTest::newRow("a profile") << profile() << both << QString();

    QByteArray prefixed = profile();
    prefixed.replace("<Profile xmlns=\"http://schemas.datacontract.org/2004/07/NINA.Profile\"",
                     "<p:Profile xmlns:p=\"http://schemas.datacontract.org/2004/07/NINA.Profile\"");
    prefixed.replace("</Profile>", "</p:Profile>");
    for (const char *element : {"TelescopeSettings", "FocalLength", "FocalRatio"}) {
        prefixed.replace(QByteArray("<") + element + ">", QByteArray("<p:") + element + ">");
        prefixed.replace(QByteArray("</") + element + ">", QByteArray("</p:") + element + ">");
    }
    QTest::newRow("prefixed elements") << prefixed << both << QString();

    Kit named;
    named.telescopes = {telescope(QStringLiteral("Backyard"), 1400, 200)};
    named.cameras = {camera(QStringLiteral("Backyard camera"), 4.63, 4144, 2822)};
    QTest::newRow("names from the profile")
        << profile(QStringLiteral("<Id>No_Device</Id>"), QStringLiteral("<PixelSize>4.63</PixelSize>"),
                   QStringLiteral("<CameraHeight>2822</CameraHeight><CameraWidth>4144</CameraWidth>"), QStringLiteral("<Name/>"))
        << named << QString();
    QTest::newRow("no camera id, no telescope name")
        << profile(QString(), QStringLiteral("<PixelSize>4.63</PixelSize>"),
                   QStringLiteral("<CameraHeight>2822</CameraHeight><CameraWidth>4144</CameraWidth>"), QString())
        << named << QString();

    Kit cameraOnly;
    cameraOnly.cameras = {asi};
    QTest::newRow("focal ratio missing")
        << profile(QStringLiteral("<Id>ZWO ASI294MC Pro</Id>"), QStringLiteral("<PixelSize>4.63</PixelSize>"),
                   QStringLiteral("<CameraHeight>2822</CameraHeight><CameraWidth>4144</CameraWidth>"),
                   QStringLiteral("<Name>EdgeHD 8</Name>"), QStringLiteral("<FocalLength>1400</FocalLength>"))
        << cameraOnly << QStringLiteral("telescope \"EdgeHD 8\": no FocalRatio");
    QTest::newRow("focal ratio NaN")
        << profile(QStringLiteral("<Id>ZWO ASI294MC Pro</Id>"), QStringLiteral("<PixelSize>4.63</PixelSize>"),
                   QStringLiteral("<CameraHeight>2822</CameraHeight><CameraWidth>4144</CameraWidth>"),
                   QStringLiteral("<Name>EdgeHD 8</Name>"), QStringLiteral("<FocalLength>1400</FocalLength><FocalRatio>NaN</FocalRatio>"))
        << cameraOnly << QStringLiteral("telescope \"EdgeHD 8\": FocalRatio \"NaN\" is no number");
    QTest::newRow("focal ratio 0")
        << profile(QStringLiteral("<Id>ZWO ASI294MC Pro</Id>"), QStringLiteral("<PixelSize>4.63</PixelSize>"),
                   QStringLiteral("<CameraHeight>2822</CameraHeight><CameraWidth>4144</CameraWidth>"),
                   QStringLiteral("<Name>EdgeHD 8</Name>"), QStringLiteral("<FocalLength>1400</FocalLength><FocalRatio>0</FocalRatio>"))
        << cameraOnly << QStringLiteral("telescope \"EdgeHD 8\": ");

    Kit telescopeOnly;
    telescopeOnly.telescopes = {edge};
    QTest::newRow("no camera width")
        << profile(QStringLiteral("<Id>ZWO ASI294MC Pro</Id>"), QStringLiteral("<PixelSize>4.63</PixelSize>"),
                   QStringLiteral("<CameraHeight>2822</CameraHeight>"))
        << telescopeOnly << QStringLiteral("camera \"ZWO ASI294MC Pro\": no CameraWidth");
    QTest::newRow("pixel size no number")
        << profile(QStringLiteral("<Id>ZWO ASI294MC Pro</Id>"), QStringLiteral("<PixelSize>4,63</PixelSize>"))
        << telescopeOnly << QStringLiteral("camera \"ZWO ASI294MC Pro\": PixelSize \"4,63\" is no number");
    QTest::newRow("pixel size 0.01 um")
        << profile(QStringLiteral("<Id>ZWO ASI294MC Pro</Id>"), QStringLiteral("<PixelSize>0.01</PixelSize>"))
        << telescopeOnly << QStringLiteral("camera \"ZWO ASI294MC Pro\": ");
    QTest::newRow("camera height not whole")
        << profile(QStringLiteral("<Id>ZWO ASI294MC Pro</Id>"), QStringLiteral("<PixelSize>4.63</PixelSize>"),
                   QStringLiteral("<CameraHeight>2822.5</CameraHeight><CameraWidth>4144</CameraWidth>"))
        << telescopeOnly << QStringLiteral("camera \"ZWO ASI294MC Pro\": CameraHeight \"2822.5\" is no whole number");
}

void TstImportNina::profiles()
{
    QFETCH(QByteArray, xml);
    QFETCH(Kit, expected);
    QFETCH(QString, error);
    const KitImport read = importNina(xml);
    QVERIFY2(read.problem.isEmpty(), qPrintable(read.problem));
    QCOMPARE(read.format, KitFormat::Nina);
    QCOMPARE(read.kit, expected);
    QVERIFY(read.skipped.isEmpty());
    if (error.isEmpty()) {
        QVERIFY2(read.ok(), qPrintable(read.errors.join(QLatin1Char('\n'))));
    } else {
        QCOMPARE(read.errors.size(), 1);
        QVERIFY2(read.errors[0].startsWith(error), qPrintable(read.errors[0]));
    }
}

void TstImportNina::refused_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("problem");

    QTest::newRow("not XML") << QByteArray("[telescope]\n1\\name=C8\n") << "not XML";
    QTest::newRow("empty") << QByteArray() << "not XML";
    QTest::newRow("truncated") << profile().left(600) << "not XML";
    QTest::newRow("two roots") << profile() + "<Profile/>" << "not XML";
    QTest::newRow("another document") << QByteArray("<?xml version=\"1.0\"?><observers><Name>x</Name></observers>") << "not a N.I.N.A. profile";
    QTest::newRow("undeclared entity") << profile().replace("EdgeHD 8", "&lol;") << "not XML";
    QTest::newRow("DOCTYPE with entities")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE Profile [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]>\n"
                      "<Profile><Name>&b;</Name></Profile>\n")
        << "document type";
    QTest::newRow("DOCTYPE with an outside file")
        << profile().replace("<Profile ", "<!DOCTYPE Profile SYSTEM \"file:///etc/passwd\">\n<Profile ") << "document type";
    QByteArray huge = profile();
    huge.append(kit_limits::kMaxFileBytes + 1 - huge.size(), ' ');
    QTest::newRow("over the size limit") << huge << "larger than 16 MiB";
}

void TstImportNina::refused()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, problem);
    const KitImport read = importNina(xml);
    QVERIFY2(read.problem.contains(problem), qPrintable(read.problem));
    QVERIFY(!read.ok());
    QVERIFY(read.kit.isEmpty() && read.errors.isEmpty() && read.skipped.isEmpty());
}

QTEST_GUILESS_MAIN(TstImportNina)
#include "tst_import_nina.moc"
