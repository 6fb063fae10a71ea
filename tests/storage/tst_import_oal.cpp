// OAL observation logs: what is taken from their equipment lists, what is skipped or refused,
// and that an exported kit reads back as it was.

#include "storage/kit_import.h"
#include "storage/kit_checks.h"

#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>
#include <numbers>

using namespace vkp2::storage;

Q_DECLARE_METATYPE(Kit)

namespace vkp2::storage {
// What QCOMPARE prints when two kits differ.
char *toString(const Kit &kit)
{
    QStringList out;
    for (const KitTelescope &t : kit.telescopes)
        out << QStringLiteral("telescope %1 f=%2 D=%3").arg(t.name).arg(t.focalLength, 0, 'g', 17).arg(t.aperture, 0, 'g', 17);
    for (const KitEyepiece &e : kit.eyepieces)
        out << QStringLiteral("eyepiece %1 f=%2 afov=%3").arg(e.name).arg(e.focalLength, 0, 'g', 17)
                   .arg(e.apparentField ? QString::number(*e.apparentField, 'g', 17) : QStringLiteral("-"));
    for (const KitLens &l : kit.lenses)
        out << QStringLiteral("lens %1 x%2").arg(l.name).arg(l.factor, 0, 'g', 17);
    for (const KitCamera &c : kit.cameras) {
        QStringList binning;
        for (int b : c.binning)
            binning << QString::number(b);
        out << QStringLiteral("camera %1 %2x%3 px %4x%5 um bin %6 colour %7").arg(c.name).arg(c.width).arg(c.height)
                   .arg(c.pixelWidth, 0, 'g', 17).arg(c.pixelHeight, 0, 'g', 17).arg(binning.join(QLatin1Char(',')))
                   .arg(int(c.colour));
    }
    return qstrdup(qPrintable(out.join(QStringLiteral("; "))));
}
} // namespace vkp2::storage

namespace {

const char *const kHead = "<?xml version='1.0' encoding='UTF-8'?>" "\n"
        "<oal:observations xmlns:oal='http://groups.google.com/group/openastronomylog'" "\n"
        "    xmlns:xsi='http://www.w3.org/2001/XMLSchema-instance' version='2.1'>" "\n"
        "  <observers/><sites/><sessions/><targets/>" "\n"
       ;

QByteArray log(const QByteArray &lists)
{
    return QByteArray(kHead) + lists + "\n</oal:observations>\n";
}

QByteArray scope(const QByteArray &fields, const QByteArray &attributes = "id='s1' xsi:type='oal:scopeType'")
{
    return "<scopes><scope " + attributes + ">" + fields + "</scope></scopes>";
}

QByteArray eyepiece(const QByteArray &fields)
{
    return "<eyepieces><eyepiece id='e1'>" + fields + "</eyepiece></eyepieces>";
}

QByteArray lens(const QByteArray &fields)
{
    return "<lenses><lens id='l1'>" + fields + "</lens></lenses>";
}

QByteArray imager(const QByteArray &fields, const QByteArray &type = "oal:ccdCameraType")
{
    return "<imagers><imager id='i1' xsi:type='" + type + "'>" + fields + "</imager></imagers>";
}

const QByteArray kCamera = "<model>ASI462MC</model><vendor>ZWO</vendor><pixelsX>1936</pixelsX>"
                           "<pixelsY>1096</pixelsY><pixelXSize>2.9</pixelXSize><pixelYSize>2.9</pixelYSize>";

// Why an import that should have gone through did not.
QByteArray whyNot(const KitImport &result)
{
    return (result.problem + result.errors.join(QLatin1Char('\n'))).toUtf8();
}

void expectNothingTaken(const KitImport &result)
{
    QVERIFY(!result.ok());
    QVERIFY(result.kit.isEmpty());
}

} // namespace

class TestImportOal : public QObject {
    Q_OBJECT

private slots:
    void takesEveryKind()
    {
        const QByteArray xml = log("" "\n"
        "  <scopes>" "\n"
        "    <scope id='s1' xsi:type='oal:scopeType'>" "\n"
        "      <model>C8 EdgeHD</model><type>SCT</type><vendor>Celestron</vendor>" "\n"
        "      <aperture>203.2</aperture><lightGrasp>0.9</lightGrasp><focalLength>2032</focalLength>" "\n"
        "    </scope>" "\n"
        "    <scope id='s2' xsi:type='oal:scopeType'><model>Mak 127</model><aperture>127</aperture><focalLength>1500</focalLength></scope>" "\n"
        "  </scopes>" "\n"
        "  <eyepieces>" "\n"
        "    <eyepiece id='e1'><model>Nagler 13</model><vendor>TeleVue</vendor><focalLength>13</focalLength>" "\n"
        "      <apparentFOV unit='deg'>82</apparentFOV></eyepiece>" "\n"
        "    <eyepiece id='e2'><model>Plössl 25</model><focalLength>25</focalLength></eyepiece>" "\n"
        "  </eyepieces>" "\n"
        "  <lenses>" "\n"
        "    <lens id='l1'><model>Powermate 2.5x</model><vendor>TeleVue</vendor><factor>2.5</factor></lens>" "\n"
        "    <lens id='l2'><model>Reducer</model><factor>0.63</factor></lens>" "\n"
        "  </lenses>" "\n"
        "  <filters><filter id='f1'><model>UHC</model><type>narrow band</type></filter></filters>" "\n"
        "  <imagers>" "\n"
        "    <imager id='i1' xsi:type='oal:ccdCameraType'>" + kCamera + "<binning>2</binning></imager>" "\n"
        "    <imager id='i2' xsi:type='oal:ccdCameraType'><model>Atik 314L</model><pixelsX>1392</pixelsX>" "\n"
        "      <pixelsY>1040</pixelsY><pixelXSize>6.45</pixelXSize><pixelYSize>6.5</pixelYSize></imager>" "\n"
        "  </imagers>" "\n"
        "  <observation id='o1'><observer>x</observer><target>t</target><begin>2024-01-01T20:00:00</begin></observation>");

        const KitImport result = importOal(xml);
        QVERIFY2(result.ok(), whyNot(result).constData());
        QCOMPARE(result.format, KitFormat::Oal);
        QVERIFY(result.skipped.isEmpty());

        Kit expected;
        expected.telescopes = {{QStringLiteral("Celestron C8 EdgeHD"), 2032, 203.2},
                               {QStringLiteral("Mak 127"), 1500, 127}};
        expected.eyepieces = {{QStringLiteral("TeleVue Nagler 13"), 13, 82.0, {}},
                              {QStringLiteral("Plössl 25"), 25, std::nullopt, {}}};
        expected.lenses = {{QStringLiteral("TeleVue Powermate 2.5x"), 2.5, {}, {}},
                           {QStringLiteral("Reducer"), 0.63, {}, {}}};
        KitCamera asi{QStringLiteral("ZWO ASI462MC"), 2.9, 2.9, 1936, 1096, Colour::Unknown, {1, 2}};
        KitCamera atik{QStringLiteral("Atik 314L"), 6.45, 6.5, 1392, 1040, Colour::Unknown, {1}};
        expected.cameras = {asi, atik};
        QCOMPARE(result.kit, expected);
    }

    void apparentFieldUnits_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<double>("degrees"); // NaN: refused

        QTest::newRow("degrees") << QByteArray("<apparentFOV unit='deg'>68</apparentFOV>") << 68.0;
        QTest::newRow("arcminutes") << QByteArray("<apparentFOV unit='arcmin'>4080</apparentFOV>") << 68.0;
        QTest::newRow("arcseconds") << QByteArray("<apparentFOV unit='arcsec'>244800</apparentFOV>") << 68.0;
        QTest::newRow("radians") << QByteArray("<apparentFOV unit='rad'>1.1868238913561442</apparentFOV>") << 68.0;
        QTest::newRow("radians read as degrees would be too small")
            << QByteArray("<apparentFOV unit='rad'>0.5</apparentFOV>") << 0.5 * 180 / std::numbers::pi;
        QTest::newRow("no unit") << QByteArray("<apparentFOV>68</apparentFOV>") << qQNaN();
        QTest::newRow("unknown unit") << QByteArray("<apparentFOV unit='grad'>75</apparentFOV>") << qQNaN();
        QTest::newRow("arcseconds too small a field")
            << QByteArray("<apparentFOV unit='arcsec'>68</apparentFOV>") << qQNaN();
    }

    void apparentFieldUnits()
    {
        QFETCH(QByteArray, field);
        QFETCH(double, degrees);
        const KitImport result = importOal(log(eyepiece("<model>Morpheus 9</model><focalLength>9</focalLength>" + field)));
        if (std::isnan(degrees)) {
            expectNothingTaken(result);
            QCOMPARE(result.errors.size(), 1);
            QVERIFY2(result.errors.first().startsWith(QLatin1String("eyepiece \"e1\" \"Morpheus 9\": ")),
                     qPrintable(result.errors.first()));
            return;
        }
        QVERIFY2(result.ok(), whyNot(result).constData());
        QCOMPARE(result.kit.eyepieces.size(), 1);
        QVERIFY(result.kit.eyepieces.first().apparentField.has_value());
        QCOMPARE(*result.kit.eyepieces.first().apparentField, degrees);
    }

    // Entries the import leaves out on purpose: a note, no error, nothing taken.
    void skipped_data()
    {
        QTest::addColumn<QByteArray>("lists");
        QTest::addColumn<QString>("where");

        QTest::newRow("binoculars") << scope("<model>SkyMaster 15x70</model><vendor>Celestron</vendor><aperture>70</aperture>"
                                             "<magnification>15</magnification><trueField unit=\"deg\">4.4</trueField>",
                                             "id='b1' xsi:type='oal:fixedMagnificationOpticsType'")
                                    << QStringLiteral("scope \"b1\" \"Celestron SkyMaster 15x70\"");
        QTest::newRow("binoculars under another prefix")
            << QByteArray("<scopes xmlns:o='http://groups.google.com/group/openastronomylog'>"
                          "<scope id='b2' xsi:type='o:fixedMagnificationOpticsType'><model>10x50</model>"
                          "<aperture>50</aperture><magnification>10</magnification></scope></scopes>")
            << QStringLiteral("scope \"b2\" \"10x50\"");
        QTest::newRow("camera without pixel sizes")
            << imager("<model>EOS 600D</model><vendor>Canon</vendor><pixelsX>5184</pixelsX><pixelsY>3456</pixelsY>")
            << QStringLiteral("imager \"i1\" \"Canon EOS 600D\"");
        QTest::newRow("camera without pixel counts")
            << imager("<model>EOS 600D</model><pixelXSize>4.3</pixelXSize><pixelYSize>4.3</pixelYSize>")
            << QStringLiteral("imager \"i1\" \"EOS 600D\"");
        QTest::newRow("imager of no camera type") << imager(kCamera, "oal:imagerType")
                                                  << QStringLiteral("imager \"i1\" \"ZWO ASI462MC\"");
    }

    void skipped()
    {
        QFETCH(QByteArray, lists);
        QFETCH(QString, where);
        const KitImport result = importOal(log(lists));
        QVERIFY2(result.ok(), whyNot(result).constData());
        QVERIFY(result.kit.isEmpty());
        QCOMPARE(result.skipped.size(), 1);
        QVERIFY2(result.skipped.first().startsWith(where + QStringLiteral(": ")), qPrintable(result.skipped.first()));
    }

    // Ways of writing a log the schema allows, or that other programs write.
    void readsVariants_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("focalLength");

        const QByteArray body = "<model>ED80</model><vendor>Sky-Watcher</vendor><aperture>80</aperture><focalLength>600</focalLength>";
        QTest::newRow("plain") << log(scope(body)) << QStringLiteral("Sky-Watcher ED80") << 600.0;
        QTest::newRow("other root prefix")
            << QByteArray("<o:observations xmlns:o='http://groups.google.com/group/openastronomylog' "
                          "xmlns:xsi='http://www.w3.org/2001/XMLSchema-instance' version='2.0'>"
                          + scope(body) + "</o:observations>")
            << QStringLiteral("Sky-Watcher ED80") << 600.0;
        QTest::newRow("children in the namespace")
            << QByteArray("<oal:observations xmlns:oal='http://groups.google.com/group/openastronomylog' version='2.1'>"
                          "<oal:scopes><oal:scope id=\"s1\"><oal:model>ED80</oal:model><oal:aperture>80</oal:aperture>"
                          "<oal:focalLength>600</oal:focalLength></oal:scope></oal:scopes></oal:observations>")
            << QStringLiteral("ED80") << 600.0;
        QTest::newRow("spaces around values")
            << log(scope("<model>\n  ED80 </model><aperture> 80 </aperture><focalLength>\n600\n</focalLength>"))
            << QStringLiteral("ED80") << 600.0;
    }

    void readsVariants()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, name);
        QFETCH(double, focalLength);
        const KitImport result = importOal(xml);
        QVERIFY2(result.ok(), whyNot(result).constData());
        QCOMPARE(result.kit.telescopes.size(), 1);
        QCOMPARE(result.kit.telescopes.first().name, name);
        QCOMPARE(result.kit.telescopes.first().focalLength, focalLength);
    }

    void zoomEyepieceAtItsShortEnd()
    {
        const KitImport result = importOal(log(eyepiece(
            "<model>Zoom 8-24</model><vendor>Baader</vendor><focalLength>8</focalLength>"
            "<maxFocalLength>24</maxFocalLength><apparentFOV unit=\"deg\">68</apparentFOV>")));
        QVERIFY(result.ok());
        QCOMPARE(result.kit.eyepieces.size(), 1);
        QCOMPARE(result.kit.eyepieces.first().focalLength, 8.0);
    }

    // Entries with a wrong field: an error naming the entry and the field, nothing taken.
    void badEntries_data()
    {
        QTest::addColumn<QByteArray>("lists");
        QTest::addColumn<QString>("error"); // the start of the one error
        // A word the error must hold; none where the range checks word the problem.
        QTest::addColumn<QString>("field");

        const QString c8 = QStringLiteral("scope \"s1\" \"C8\": ");
        const auto c8Scope = [](const QByteArray &fields) { return scope("<model>C8</model>" + fields); };
        const QByteArray aperture = "<aperture>203</aperture>";
        const QByteArray focalLength = "<focalLength>2032</focalLength>";
        const auto c8Focal = [&](const QByteArray &value) {
            return c8Scope(aperture + "<focalLength>" + value + "</focalLength>");
        };
        QTest::newRow("focal length no number") << c8Focal("x") << c8 << "focalLength \"x\" is no number";
        QTest::newRow("focal length missing") << c8Scope(aperture) << c8 << "focalLength";
        QTest::newRow("aperture missing") << c8Scope(focalLength) << c8 << "aperture";
        QTest::newRow("aperture with a comma") << c8Scope("<aperture>203,2</aperture>" + focalLength) << c8
                                               << "aperture";
        QTest::newRow("focal length empty") << c8Scope(aperture + "<focalLength/>") << c8 << "focalLength";
        QTest::newRow("focal length infinite") << c8Focal("inf") << c8 << "focalLength";
        QTest::newRow("focal length not a number") << c8Focal("nan") << c8 << "focalLength";
        QTest::newRow("negative focal length") << c8Focal("-2032") << c8 << QString();
        QTest::newRow("zero aperture") << c8Scope("<aperture>0</aperture>" + focalLength) << c8 << QString();
        QTest::newRow("absurd focal length") << c8Focal("1e12") << c8 << QString();
        QTest::newRow("field given twice") << c8Scope(aperture + focalLength + "<focalLength>1000</focalLength>") << c8
                                           << "focalLength";
        QTest::newRow("no model") << scope("<vendor>Celestron</vendor>" + aperture + focalLength)
                                  << "scope \"s1\" \"Celestron\": " << "model";
        QTest::newRow("entry without id named by place")
            << scope("<model>C8</model>" + aperture, "xsi:type=\"oal:scopeType\"") << "scope 1 \"C8\": "
            << "focalLength";

        const QString e1 = QStringLiteral("eyepiece \"e1\" \"Pan 24\": ");
        const auto pan24 = [](const QByteArray &fields) { return eyepiece("<model>Pan 24</model>" + fields); };
        const QByteArray focal24 = "<focalLength>24</focalLength>";
        QTest::newRow("eyepiece focal length missing") << pan24({}) << e1 << "focalLength";
        QTest::newRow("eyepiece zero focal length") << pan24("<focalLength>0</focalLength>") << e1 << QString();
        QTest::newRow("eyepiece field no number")
            << pan24(focal24 + "<apparentFOV unit=\"deg\">wide</apparentFOV>") << e1 << "apparentFOV";
        QTest::newRow("eyepiece field absurd")
            << pan24(focal24 + "<apparentFOV unit=\"rad\">68</apparentFOV>") << e1 << QString();

        const QString l1 = QStringLiteral("lens \"l1\" \"Barlow\": ");
        const auto barlow = [](const QByteArray &fields) { return lens("<model>Barlow</model>" + fields); };
        QTest::newRow("lens factor missing") << barlow({}) << l1 << "factor";
        QTest::newRow("lens factor no number") << barlow("<factor>2x</factor>") << l1 << "factor";
        QTest::newRow("lens factor negative") << barlow("<factor>-2</factor>") << l1 << QString();
        QTest::newRow("lens factor zero") << barlow("<factor>0</factor>") << l1 << QString();

        const QString i1 = QStringLiteral("imager \"i1\" \"ZWO ASI462MC\": ");
        const auto camera = [](const char *replace, const char *with) {
            return imager(QByteArray(kCamera).replace(replace, with));
        };
        QTest::newRow("pixel count no number") << camera("<pixelsX>1936", "<pixelsX>many") << i1 << "pixelsX";
        QTest::newRow("pixel count fractional") << camera("<pixelsY>1096", "<pixelsY>1096.5") << i1 << "pixelsY";
        QTest::newRow("pixel count zero") << camera("<pixelsY>1096", "<pixelsY>0") << i1 << QString();
        QTest::newRow("pixel count huge") << camera("<pixelsX>1936", "<pixelsX>1e15") << i1 << "pixelsX";
        QTest::newRow("pixel size no number") << camera("<pixelXSize>2.9", "<pixelXSize>2.9um") << i1 << "pixelXSize";
        QTest::newRow("pixel size negative") << camera("<pixelYSize>2.9", "<pixelYSize>-2.9") << i1 << QString();
        QTest::newRow("pixel size absurd") << camera("<pixelXSize>2.9", "<pixelXSize>2900") << i1 << QString();
        QTest::newRow("binning zero") << imager(kCamera + "<binning>0</binning>") << i1 << "binning";
        QTest::newRow("binning too high") << imager(kCamera + "<binning>1000000</binning>") << i1 << "binning";
        QTest::newRow("binning no number") << imager(kCamera + "<binning>2x2</binning>") << i1 << "binning";
    }

    void badEntries()
    {
        QFETCH(QByteArray, lists);
        QFETCH(QString, error);
        QFETCH(QString, field);
        const KitImport result = importOal(log(lists));
        expectNothingTaken(result);
        QVERIFY(result.problem.isEmpty());
        QCOMPARE(result.errors.size(), 1);
        QVERIFY2(result.errors.first().startsWith(error), qPrintable(result.errors.first()));
        QVERIFY2(result.errors.first().mid(error.size()).contains(field, Qt::CaseInsensitive),
                 qPrintable(result.errors.first()));
    }

    // A name the log holds twice: the first is kept, the second is an error.
    void duplicatedNames_data()
    {
        QTest::addColumn<QByteArray>("lists");
        QTest::addColumn<QString>("second");

        QTest::newRow("scopes") << QByteArray("<scopes>" "\n"
        "            <scope id='a' xsi:type='oal:scopeType'><model>C8</model><vendor>Celestron</vendor><aperture>203</aperture><focalLength>2032</focalLength></scope>" "\n"
        "            <scope id='b' xsi:type='oal:scopeType'><model>c-8</model><vendor>CELESTRON</vendor><aperture>200</aperture><focalLength>2000</focalLength></scope>" "\n"
        "            </scopes>") << QStringLiteral("scope \"b\" \"CELESTRON c-8\": ");
        QTest::newRow("eyepieces") << QByteArray("<eyepieces>" "\n"
        "            <eyepiece id='a'><model>Plossl 10</model><focalLength>10</focalLength></eyepiece>" "\n"
        "            <eyepiece id='b'><model>Plossl 10</model><focalLength>10</focalLength></eyepiece>" "\n"
        "            </eyepieces>") << QStringLiteral("eyepiece \"b\" \"Plossl 10\": ");
        QTest::newRow("cameras") << QByteArray("<imagers><imager id=\"a\" xsi:type=\"oal:ccdCameraType\">" + kCamera
                                               + "</imager><imager id=\"b\" xsi:type=\"oal:ccdCameraType\">" + kCamera
                                               + "</imager></imagers>")
                                 << QStringLiteral("imager \"b\" \"ZWO ASI462MC\": ");
    }

    void duplicatedNames()
    {
        QFETCH(QByteArray, lists);
        QFETCH(QString, second);
        const KitImport result = importOal(log(lists));
        QVERIFY(!result.ok());
        QCOMPARE(result.kit.size(), 1);
        QCOMPARE(result.errors.size(), 1);
        QVERIFY2(result.errors.first().startsWith(second), qPrintable(result.errors.first()));
    }

    // Files that are no observation log, or a broken one: a problem and nothing else.
    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem"); // a word the problem must hold

        const QByteArray good = log(scope("<model>C8</model><aperture>203</aperture><focalLength>2032</focalLength>"));
        QTest::newRow("empty") << QByteArray() << QStringLiteral("not an OAL");
        QTest::newRow("json") << QByteArray("{\"telescopes\": [{\"name\": \"C8\"}]}") << QStringLiteral("not an OAL");
        QTest::newRow("ini") << QByteArray("[telescope]\nname=C8\n") << QStringLiteral("not an OAL");
        QTest::newRow("other XML") << QByteArray("<?xml version=\"1.0\"?><profile><scopes/></profile>")
                                   << QStringLiteral("profile");
        QTest::newRow("right name, no namespace")
            << QByteArray("<observations version=\"2.1\"><scopes/></observations>") << QStringLiteral("not an OAL");
        QTest::newRow("right name, other namespace")
            << QByteArray("<x:observations xmlns:x=\"urn:other\" version=\"2.1\"/>") << QStringLiteral("not an OAL");
        QTest::newRow("version 1") << QByteArray(good).replace("version='2.1'", "version='1.7'")
                                   << QStringLiteral("1.7");
        QTest::newRow("cut in the middle") << good.left(good.indexOf("<aperture>") + 5) << QStringLiteral("breaks off");
        QTest::newRow("cut before the end tag") << good.left(good.lastIndexOf("</oal:")) << QStringLiteral("breaks off");
        QTest::newRow("mismatched tags") << QByteArray(good).replace("</aperture>", "</apertur>")
                                         << QStringLiteral("line");
        QTest::newRow("doctype") << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE oal:observations>\n")
                                        + good.mid(good.indexOf("<oal:observations"))
                                 << QStringLiteral("DOCTYPE");
        QTest::newRow("entity expansion") << QByteArray("<?xml version='1.0'?>" "\n"
        "<!DOCTYPE lolz [<!ENTITY lol 'lol'><!ENTITY lol2 '&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;'>]>" "\n"
        "<oal:observations xmlns:oal='http://groups.google.com/group/openastronomylog'><scopes><scope id='s'><model>&lol2;</model></scope></scopes></oal:observations>")
                                          << QStringLiteral("DOCTYPE");
        QTest::newRow("too large") << log(QByteArray(kit_limits::kMaxFileBytes, ' ')) << QStringLiteral("MiB");
        QTest::newRow("lists of nothing") << log("<scopes/><eyepieces/><lenses/><imagers/>")
                                          << QStringLiteral("the file holds no equipment");
        QTest::newRow("an empty kit's export") << detail::oalOf(Kit()) << QStringLiteral("the file holds no equipment");
    }

    void badFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const KitImport result = importOal(bytes);
        QVERIFY(!result.ok());
        QVERIFY2(result.problem.contains(problem), qPrintable(result.problem));
        QVERIFY(result.kit.isEmpty());
        QVERIFY(result.errors.isEmpty());
        QVERIFY(result.skipped.isEmpty());
    }

    void roundTrip_data()
    {
        QTest::addColumn<Kit>("kit");

        Kit full;
        full.telescopes = {{QStringLiteral("Celestron C8 EdgeHD"), 2032, 203.2},
                           {QStringLiteral("Sky-Watcher 80ED <doublet> & \"pro\""), 600, 80},
                           {QStringLiteral("Rohr 0.1"), 1234.5678901234567, 98.76}};
        full.eyepieces = {{QStringLiteral("Nagler 13 T6"), 13, 82.0, {}},
                          {QStringLiteral("Orthoskopisch 6 mm"), 6, std::nullopt, {}},
                          {QStringLiteral("Ultraweit 4,7"), 4.7, 1.0 / 3 * 300, {}}};
        full.lenses = {{QStringLiteral("Powermate 2.5x"), 2.5, {}, {}}, {QStringLiteral("Reducer 0.63"), 0.63, {}, {}}};
        full.cameras = {{QStringLiteral("ZWO ASI462MC"), 2.9, 2.9, 1936, 1096, Colour::Unknown, {1, 2, 3, 4}},
                        {QStringLiteral("Atik 314L+"), 6.45, 6.5, 1392, 1040, Colour::Unknown, {1}}};
        QTest::newRow("every kind") << full;
        Kit camerasOnly;
        camerasOnly.cameras = {{QStringLiteral("QHY 600M"), 3.76, 3.76, 9576, 6388, Colour::Unknown,
                                {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}}};
        QTest::newRow("cameras only, every binning") << camerasOnly;
    }

    void roundTrip()
    {
        QFETCH(Kit, kit);
        const QByteArray xml = detail::oalOf(kit);
        const KitImport back = importOal(xml);
        QVERIFY2(back.ok(), (whyNot(back) + '\n' + xml).constData());
        QVERIFY(back.skipped.isEmpty());
        QCOMPARE(back.kit, kit);
    }

    // The written log is what the schema asks: the root, its version, every list in order and
    // ids no two elements share.
    void exportIsValidOal()
    {
        Kit kit;
        kit.telescopes = {{QStringLiteral("A"), 1000, 100}, {QStringLiteral("B"), 500, 50}};
        kit.eyepieces = {{QStringLiteral("E"), 10, 60.0, {}}};
        kit.lenses = {{QStringLiteral("L"), 2, {}, {}}};
        kit.cameras = {{QStringLiteral("C"), 3.8, 3.8, 100, 100, Colour::Unknown, {1, 2}}};
        QXmlStreamReader xml(detail::oalOf(kit));
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.namespaceUri().toString(), QStringLiteral("http://groups.google.com/group/openastronomylog"));
        QCOMPARE(xml.qualifiedName().toString(), QStringLiteral("oal:observations"));
        QCOMPARE(xml.attributes().value(QStringLiteral("version")).toString(), QStringLiteral("2.1"));

        QStringList lists;
        QSet<QString> ids;
        int entries = 0;
        QStringList types;
        while (xml.readNextStartElement()) {
            lists << xml.name().toString();
            QVERIFY(xml.namespaceUri().isEmpty());
            while (xml.readNextStartElement()) {
                ++entries;
                const QString id = xml.attributes().value(QStringLiteral("id")).toString();
                QVERIFY(!id.isEmpty());
                QVERIFY2(!ids.contains(id), qPrintable(id));
                ids.insert(id);
                const auto type = xml.attributes().value(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"),
                                                         QStringLiteral("type"));
                if (!type.isEmpty())
                    types << type.toString();
                xml.skipCurrentElement();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(lists, QStringList({"observers", "sites", "sessions", "targets", "scopes", "eyepieces", "lenses",
                                     "filters", "imagers"}));
        QCOMPARE(entries, 5);
        QCOMPARE(types, QStringList({"oal:scopeType", "oal:scopeType", "oal:ccdCameraType"}));
    }
};

QTEST_GUILESS_MAIN(TestImportOal)
#include "tst_import_oal.moc"
