// What an equipment entry may hold, how names are compared and how kits are joined.

#include "storage/kit_checks.h"

#include <QtTest>

#include <limits>

using namespace vkp2::storage;

Q_DECLARE_METATYPE(KitTelescope)
Q_DECLARE_METATYPE(KitCamera)
Q_DECLARE_METATYPE(KitLens)
Q_DECLARE_METATYPE(KitEyepiece)

class TstKitChecks : public QObject {
    Q_OBJECT
private slots:
    void telescope_data();
    void telescope();
    void camera_data();
    void camera();
    void lens_data();
    void lens();
    void eyepiece_data();
    void eyepiece();
    void names_data();
    void names();
    void nameKeys_data();
    void nameKeys();
    void merging();
};

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

KitTelescope scope(double f, double d) { return {QStringLiteral("C8"), f, d}; }

KitCamera cameraOf(double pw, double ph, int w, int h, QList<int> binning = {1, 2})
{
    return {QStringLiteral("ASI462MC"), pw, ph, w, h, Colour::Colour, binning};
}

KitLens lensOf(double factor, std::optional<double> f = {}, std::optional<double> spacing = {})
{
    return {QStringLiteral("Barlow"), factor, f, spacing};
}

KitEyepiece eyepieceOf(double f, std::optional<double> afov = {}, std::optional<double> stop = {})
{
    return {QStringLiteral("Plössl"), f, afov, stop};
}

} // namespace

void TstKitChecks::telescope_data()
{
    QTest::addColumn<KitTelescope>("entry");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ordinary") << scope(2032, 203) << "";
    QTest::newRow("focal at least") << scope(1, 1) << "";
    QTest::newRow("focal at most") << scope(100000, 10000) << "";
    QTest::newRow("focal below") << scope(0.5, 100) << "focal length 0.5 mm is outside 1 to 100000 mm";
    QTest::newRow("focal above") << scope(100001, 100) << "focal length 100001 mm is outside 1 to 100000 mm";
    QTest::newRow("focal negative") << scope(-800, 100) << "focal length -800 mm is outside 1 to 100000 mm";
    QTest::newRow("focal NaN") << scope(kNaN, 100) << "focal length is not a finite number";
    QTest::newRow("focal inf") << scope(kInf, 100) << "focal length is not a finite number";
    QTest::newRow("aperture below") << scope(800, 0.9) << "aperture 0.9 mm is outside 1 to 10000 mm";
    QTest::newRow("aperture above") << scope(800, 10001) << "aperture 10001 mm is outside 1 to 10000 mm";
    QTest::newRow("aperture NaN") << scope(800, kNaN) << "aperture is not a finite number";
    QTest::newRow("aperture -inf") << scope(800, -kInf) << "aperture is not a finite number";
}

void TstKitChecks::telescope()
{
    QFETCH(KitTelescope, entry);
    QFETCH(QString, expected);
    QCOMPARE(problemOf(entry), expected);
}

void TstKitChecks::camera_data()
{
    QTest::addColumn<KitCamera>("entry");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ordinary") << cameraOf(2.9, 2.9, 1936, 1096) << "";
    QTest::newRow("pixel at least") << cameraOf(0.5, 0.5, 1, 1, {1}) << "";
    QTest::newRow("pixel at most") << cameraOf(50, 50, 100000, 100000, {1, 16}) << "";
    QTest::newRow("pixel width below") << cameraOf(0.01, 2.9, 1936, 1096) << "pixel width 0.01 µm is outside 0.5 to 50 µm";
    QTest::newRow("pixel width above") << cameraOf(50.5, 2.9, 1936, 1096) << "pixel width 50.5 µm is outside 0.5 to 50 µm";
    QTest::newRow("pixel width NaN") << cameraOf(kNaN, 2.9, 1936, 1096) << "pixel width is not a finite number";
    QTest::newRow("pixel height below") << cameraOf(2.9, 0.4, 1936, 1096) << "pixel height 0.4 µm is outside 0.5 to 50 µm";
    QTest::newRow("pixel height inf") << cameraOf(2.9, kInf, 1936, 1096) << "pixel height is not a finite number";
    QTest::newRow("width zero") << cameraOf(2.9, 2.9, 0, 1096) << "width 0 px is outside 1 to 100000 px";
    QTest::newRow("width above") << cameraOf(2.9, 2.9, 100001, 1096) << "width 100001 px is outside 1 to 100000 px";
    QTest::newRow("height negative") << cameraOf(2.9, 2.9, 1936, -1) << "height -1 px is outside 1 to 100000 px";
    QTest::newRow("height above") << cameraOf(2.9, 2.9, 1936, 100001) << "height 100001 px is outside 1 to 100000 px";
    QTest::newRow("binning empty") << cameraOf(2.9, 2.9, 1936, 1096, {}) << "the binning list is empty";
    QTest::newRow("binning not from 1") << cameraOf(2.9, 2.9, 1936, 1096, {2, 4}) << "the binning list starts with 2, not 1";
    QTest::newRow("binning 0 first") << cameraOf(2.9, 2.9, 1936, 1096, {0, 1}) << "the binning list starts with 0, not 1";
    QTest::newRow("binning repeated") << cameraOf(2.9, 2.9, 1936, 1096, {1, 2, 2}) << "binning 2 after 2 is not ascending";
    QTest::newRow("binning descending") << cameraOf(2.9, 2.9, 1936, 1096, {1, 3, 2}) << "binning 2 after 3 is not ascending";
    QTest::newRow("binning above") << cameraOf(2.9, 2.9, 1936, 1096, {1, 17}) << "binning 17 is outside 1 to 16";
    QTest::newRow("binning skips") << cameraOf(2.9, 2.9, 1936, 1096, {1, 3, 16}) << "";
    QTest::newRow("binning as wide as the chip") << cameraOf(2.9, 2.9, 16, 20, {1, 16}) << "";
    QTest::newRow("binning wider than the chip") << cameraOf(2.9, 2.9, 10, 10, {1, 16})
                                                 << "binning 16 is larger than the chip's 10 px side";
    QTest::newRow("binning taller than the chip") << cameraOf(2.9, 2.9, 1936, 3, {1, 2, 4})
                                                  << "binning 4 is larger than the chip's 3 px side";
}

void TstKitChecks::camera()
{
    QFETCH(KitCamera, entry);
    QFETCH(QString, expected);
    QCOMPARE(problemOf(entry), expected);
}

void TstKitChecks::lens_data()
{
    QTest::addColumn<KitLens>("entry");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Barlow") << lensOf(2, -100, 100) << "";
    QTest::newRow("reducer") << lensOf(0.63, 230, 105) << "";
    QTest::newRow("flattener, no optional values") << lensOf(1) << "";
    QTest::newRow("factor at least") << lensOf(0.1) << "";
    QTest::newRow("factor at most") << lensOf(10) << "";
    QTest::newRow("factor below") << lensOf(0.09) << "factor 0.09 is outside 0.1 to 10";
    QTest::newRow("factor above") << lensOf(10.5) << "factor 10.5 is outside 0.1 to 10";
    QTest::newRow("factor NaN") << lensOf(kNaN) << "factor is not a finite number";
    QTest::newRow("focal at least in size") << lensOf(2, -1) << "";
    QTest::newRow("focal at most in size") << lensOf(0.5, 10000) << "";
    QTest::newRow("focal too short") << lensOf(2, -0.5) << "focal length -0.5 mm is outside 1 to 10000 mm in size";
    QTest::newRow("focal too long") << lensOf(0.5, 10001) << "focal length 10001 mm is outside 1 to 10000 mm in size";
    QTest::newRow("focal NaN") << lensOf(2, kNaN) << "focal length is not a finite number";
    QTest::newRow("Barlow with positive focal") << lensOf(2, 100) << "focal length 100 mm is positive, but a Barlow's is negative";
    QTest::newRow("reducer with negative focal") << lensOf(0.5, -100) << "focal length -100 mm is negative, but a reducer's is positive";
    QTest::newRow("spacing below") << lensOf(2, {}, 0.5) << "design spacing 0.5 mm is outside 1 to 1000 mm";
    QTest::newRow("spacing above") << lensOf(2, {}, 1001) << "design spacing 1001 mm is outside 1 to 1000 mm";
    QTest::newRow("spacing inf") << lensOf(2, {}, kInf) << "design spacing is not a finite number";
}

void TstKitChecks::lens()
{
    QFETCH(KitLens, entry);
    QFETCH(QString, expected);
    QCOMPARE(problemOf(entry), expected);
}

void TstKitChecks::eyepiece_data()
{
    QTest::addColumn<KitEyepiece>("entry");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ordinary") << eyepieceOf(10, 52, 9) << "";
    QTest::newRow("no optional values") << eyepieceOf(25) << "";
    QTest::newRow("focal at least") << eyepieceOf(1, 10, 0.5) << "";
    QTest::newRow("focal at most") << eyepieceOf(200, 150, 100) << "";
    QTest::newRow("focal below") << eyepieceOf(0.9) << "focal length 0.9 mm is outside 1 to 200 mm";
    QTest::newRow("focal above") << eyepieceOf(201) << "focal length 201 mm is outside 1 to 200 mm";
    QTest::newRow("focal NaN") << eyepieceOf(kNaN) << "focal length is not a finite number";
    QTest::newRow("field below") << eyepieceOf(10, 9) << "apparent field 9° is outside 10 to 150°";
    QTest::newRow("field above") << eyepieceOf(10, 151) << "apparent field 151° is outside 10 to 150°";
    QTest::newRow("field NaN") << eyepieceOf(10, kNaN) << "apparent field is not a finite number";
    QTest::newRow("stop below") << eyepieceOf(10, {}, 0.4) << "field stop 0.4 mm is outside 0.5 to 100 mm";
    QTest::newRow("stop above") << eyepieceOf(10, {}, 101) << "field stop 101 mm is outside 0.5 to 100 mm";
    QTest::newRow("stop -inf") << eyepieceOf(10, {}, -kInf) << "field stop is not a finite number";
}

void TstKitChecks::eyepiece()
{
    QFETCH(KitEyepiece, entry);
    QFETCH(QString, expected);
    QCOMPARE(problemOf(entry), expected);
}

void TstKitChecks::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Celestron C8" << "";
    QTest::newRow("Unicode") << "Télévue Plössl 望遠鏡 🔭" << "";
    QTest::newRow("longest") << QString(kit_limits::kNameMaxLength, QLatin1Char('a')) << "";
    QTest::newRow("empty") << "" << "the name is empty";
    QTest::newRow("blanks only") << "  \u00a0 " << "the name is empty";
    QTest::newRow("too long") << QString(kit_limits::kNameMaxLength + 1, QLatin1Char('a'))
                              << "the name is longer than 200 characters";
    QTest::newRow("line break") << "C8\nEdge" << "the name holds a control character (U+000A)";
    QTest::newRow("tab") << "C8\tEdge" << "the name holds a control character (U+0009)";
    QTest::newRow("NUL") << QString(QStringLiteral("C8") + QChar(0)) << "the name holds a control character (U+0000)";
    QTest::newRow("DEL") << "C8\x7f" << "the name holds a control character (U+007F)";
    QTest::newRow("line separator") << "C8\u2028" << "the name holds a control character (U+2028)";
    QTest::newRow("punctuation only") << "***" << "the name holds no letter or digit";
    QTest::newRow("dashes and dots") << "- . -" << "the name holds no letter or digit";
    QTest::newRow("one digit") << "#1" << "";
    QTest::newRow("lone surrogate") << QString(QStringLiteral("C8") + QChar(0xd800))
                                    << "the name holds a broken character (U+D800)";
}

void TstKitChecks::names()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    // The same rule for every kind, each entry otherwise fine.
    QCOMPARE(problemOf(KitTelescope{name, 800, 100}), expected);
    QCOMPARE(problemOf(KitCamera{name, 3.76, 3.76, 6248, 4176, Colour::Mono, {1}}), expected);
    QCOMPARE(problemOf(KitLens{name, 2, {}, {}}), expected);
    QCOMPARE(problemOf(KitEyepiece{name, 10, {}, {}}), expected);
}

void TstKitChecks::nameKeys_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("case, spaces, dash") << "ZWO ASI-462 MC" << "zwo asi462mc" << true;
    QTest::newRow("accents") << "Plössl 10" << "plossl10" << true;
    QTest::newRow("full-width digits") << "ASI２９４" << "asi294" << true;
    QTest::newRow("ligature") << "ﬁeld" << "Field" << true;
    QTest::newRow("sharp s") << "Straße" << "STRASSE" << true;
    QTest::newRow("capital sharp s") << "STRAẞE" << "strasse" << true;
    QTest::newRow("punctuation only differs") << "C-8 (Edge)" << "c8 edge" << true;
    QTest::newRow("decimal point kept") << "TOE 2.5mm" << "TOE 25mm" << false;
    QTest::newRow("decimal comma is a point") << "Okular 2,5 mm" << "okular 2.5mm" << true;
    QTest::newRow("dot after a word drops") << "Vixen SLV. 5mm" << "vixen slv 5mm" << true;
    QTest::newRow("different digits") << "ASI462" << "ASI482" << false;
    QTest::newRow("digit order") << "C11" << "C 1 1 x" << false;
    QTest::newRow("other script kept") << "望遠鏡" << "望远镜" << false;
}

void TstKitChecks::nameKeys()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(nameKey(a) == nameKey(b), same);
    QVERIFY(!nameKey(a).isEmpty());
}

void TstKitChecks::merging()
{
    Kit into;
    into.telescopes = {{QStringLiteral("Celestron C8"), 2032, 203}};
    into.cameras = {{QStringLiteral("ZWO ASI462MC"), 2.9, 2.9, 1936, 1096, Colour::Colour, {1, 2}}};
    Kit incoming;
    incoming.telescopes = {{QStringLiteral("celestron-c8"), 2000, 200},
                           {QStringLiteral("Newton 150/750"), 750, 150}};
    incoming.cameras = {{QStringLiteral("ASI 294MM"), 4.63, 4.63, 4144, 2822, Colour::Mono, {1}},
                        {QStringLiteral("asi294mm"), 2.3, 2.3, 8288, 5644, Colour::Mono, {1}}};
    incoming.lenses = {{QStringLiteral("Barlow 2x"), 2, {}, {}}};
    incoming.eyepieces = {{QStringLiteral("Plössl 10"), 10, 52, {}}};

    const KitMerge merge = mergeKits(into, incoming);

    Kit expected = into;
    expected.telescopes << incoming.telescopes[1];
    expected.cameras << incoming.cameras[0];
    expected.lenses = incoming.lenses;
    expected.eyepieces = incoming.eyepieces;
    QCOMPARE(merge.kit, expected);
    QCOMPARE(merge.notes, QStringList({
        QStringLiteral("telescope \"celestron-c8\" is already in the kit; left out"),
        QStringLiteral("camera \"asi294mm\" comes twice; the second left out"),
    }));

    // Kinds are apart: a lens may share an eyepiece's name.
    Kit other;
    other.lenses = {{QStringLiteral("Plössl 10"), 0.5, {}, {}}};
    const KitMerge apart = mergeKits(expected, other);
    QVERIFY(apart.notes.isEmpty());
    QCOMPARE(apart.kit.lenses.size(), 2);
}

QTEST_GUILESS_MAIN(TstKitChecks)
#include "tst_kit_checks.moc"
