// Choosing telescopes, oculars, cameras and binning modes, through the calculator's own handlers.

#include "calculator/catalog/binning_table.h"
#include "calculator/catalog/camera_table.h"
#include "calculator/core/numbers.h"
#include "support/calculator/headless_fixture.h"

#include <QtTest>

using namespace vkp2;
using test::chooseAsUser;

class TstCatalogChoices : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startUpDefaults();
    void telescopeFocalRatios_data();
    void telescopeFocalRatios();
    void userDefinedTelescopeKeepsPreviousValues();
    void typedFocalLengthSurvivesReselection();
    void primeFocusAndBack();
    void sameFocalLengthDifferentOculars();
    void cameraAndBinning_data();
    void cameraAndBinning();
    void binningKeepsChipWidthFov();
    void binningModeSurvivesCameraChanges();
    void userDefinedCameraKeepsPreviousValues_data();
    void userDefinedCameraKeepsPreviousValues();
    void catalogueCameraFollowsTelescopeChanges();
    void binningWithoutPositiveFocalLength();
    void nestedCameraRunsChangeNothing_data();
    void nestedCameraRunsChangeNothing();

    void everyTelescopeWithEveryOcular();
    void everyCameraInEveryMode();

private:
    QStringList cameraBoxes() const;
    QStringList cameraResults() const;
    QStringList shownTexts() const;
    std::unique_ptr<test::HeadlessFixture> f;
};

void TstCatalogChoices::init()
{
    QLocale::setDefault(QLocale::c());
    f = std::make_unique<test::HeadlessFixture>();
}

void TstCatalogChoices::cleanup() { f.reset(); }

QStringList TstCatalogChoices::cameraBoxes() const
{
    return {f->h[Box::Pixelsize_width].text(), f->h[Box::Pixelsize_height].text(),
            f->h[Box::Chipsize_width].text(), f->h[Box::Chipsize_height].text()};
}

QStringList TstCatalogChoices::cameraResults() const
{
    return {f->h[Box::Fov_width].text(), f->h[Box::Fov_height].text(),
            f->h[Box::Pixelscale_width].text(), f->h[Box::Pixelscale_height].text()};
}

QStringList TstCatalogChoices::shownTexts() const
{
    return f->shownTexts();
}

void TstCatalogChoices::startUpDefaults()
{
    auto &w = f->h;
    QCOMPARE(w[List::Telescope].count(), 20);
    QCOMPARE(w[List::Ocular].count(), 11);
    QCOMPARE(w[List::Ccd].count(), 77);
    QCOMPARE(w[List::Binning].count(), 3);
    QCOMPARE(test::indexOf(w[List::Telescope], w[List::Telescope].text()), 13);
    QCOMPARE(w[List::Telescope].text(), QString("DR-106"));
    QCOMPARE(w[List::Telescope].entries().at(0), QString("User-Defined"));
    QCOMPARE(test::indexOf(w[List::Ocular], w[List::Ocular].text()), 1);
    QCOMPARE(w[List::Ocular].entries().at(0), QString("No-VKP2"));
    QCOMPARE(w[List::Ccd].text(), QString("None or Film"));
    QCOMPARE(w[List::Ccd].entries().at(1), QString("User-Defined"));
    QCOMPARE(w[List::Binning].text(), QString("1x1"));
    QCOMPARE((QStringList{w[Box::Flength].text(), w[Box::Aperture].text(), w[Box::Fratio].text()}),
             (QStringList{"530", "106", "5"}));
    QVERIFY(!w[Box::Flength].isEnabled() && !w[Box::Aperture].isEnabled() && !w[Box::Fratio].isEnabled());
    QCOMPARE((QStringList{w[Box::Distance_tl].text(), w[Box::Distance_d].text()}), (QStringList{"5", "55"}));
    QCOMPARE(cameraBoxes(), (QStringList{"", "", "", ""}));
    QVERIFY(!w[Box::Pixelsize_width].isEnabled() && !w[Box::Chipsize_height].isEnabled());
    QVERIFY(!w[List::Binning].isEnabled());
    QCOMPARE(w[Box::efl].text(), QString("7960.6"));
    QCOMPARE(w[Box::efr].text(), QString("75.1"));
    QCOMPARE(cameraResults(), (QStringList{"0", "0", "0", "0"}));
    QVERIFY(f->messages.shown.isEmpty());
}

void TstCatalogChoices::telescopeFocalRatios_data()
{
    // The printed list: entry, focal length, aperture, and the F-ratio it shows.
    QTest::addColumn<QString>("telescope");
    QTest::addColumn<QString>("focal");
    QTest::addColumn<QString>("aperture");
    QTest::addColumn<QString>("ratio");
    const char *rows[][4] = {
        {"AR-50", "400", "50", "8"},         {"AR-60", "500", "60", "8.33"},
        {"BR-60X", "355", "60", "5.92"},     {"CR-65", "320", "65", "4.92"},
        {"AR-65", "500", "65", "7.69"},      {"CR-76", "487", "76", "6.41"},
        {"AR-76", "600", "76", "7.89"},      {"BR-78", "630", "78", "8.08"},
        {"CR-100", "640", "100", "6.4"},     {"AR-100", "800", "100", "8"},
        {"AR-100L", "1000", "100", "10"},    {"BR-102", "820", "102", "8.04"},
        {"DR-106", "530", "106", "5"},       {"CR-125", "705", "125", "5.64"},
        {"CR-125L", "1000", "125", "8"},     {"BR-128", "1040", "128", "8.12"},
        {"CR-150", "1050", "150", "7"},      {"AR-150", "1700", "150", "11.33"},
        {"BR-152", "1216", "152", "8"},
    };
    for (const auto &r : rows)
        QTest::newRow(r[0]) << r[0] << r[1] << r[2] << r[3];
}

void TstCatalogChoices::telescopeFocalRatios()
{
    QFETCH(QString, telescope);
    QFETCH(QString, focal);
    QFETCH(QString, aperture);
    QFETCH(QString, ratio);
    QVERIFY(chooseAsUser(f->h[List::Ccd], "Audine"));
    QVERIFY(chooseAsUser(f->h[List::Telescope], "User-Defined")); // unlocked first
    QVERIFY(chooseAsUser(f->h[List::Telescope], telescope));
    QCOMPARE(f->h[Box::Flength].text(), focal);
    QCOMPARE(f->h[Box::Aperture].text(), aperture);
    QCOMPARE(f->h[Box::Fratio].text(), ratio);
    QVERIFY(!f->h[Box::Flength].isEnabled() && !f->h[Box::Aperture].isEnabled());
    // The camera results follow the new extended focal length (WS 5mm: 15.02 times).
    const double efl = numbers::round2(15.02 * focal.toDouble());
    QCOMPARE(f->h[Box::efl].text(), numbers::format(efl));
    QCOMPARE(f->h[Box::Fov_width].text(), numbers::resultText(3439 * (6.912 / efl)));
}

void TstCatalogChoices::userDefinedTelescopeKeepsPreviousValues()
{
    QVERIFY(chooseAsUser(f->h[List::Telescope], "CR-100"));
    QVERIFY(chooseAsUser(f->h[List::Telescope], "User-Defined"));
    QCOMPARE(f->h[Box::Flength].text(), QString("640"));
    QCOMPARE(f->h[Box::Aperture].text(), QString("100"));
    QCOMPARE(f->h[Box::Fratio].text(), QString("6.4"));
    QVERIFY(f->h[Box::Flength].isEnabled() && f->h[Box::Aperture].isEnabled());
    QVERIFY(!f->h[Box::Fratio].isEnabled());
    QVERIFY(chooseAsUser(f->h[List::Telescope], "CR-100"));
    QVERIFY(!f->h[Box::Flength].isEnabled() && !f->h[Box::Aperture].isEnabled());
}

void TstCatalogChoices::typedFocalLengthSurvivesReselection()
{
    QVERIFY(chooseAsUser(f->h[List::Telescope], "User-Defined"));
    test::retype(f->h[Box::Flength], "700.0");
    QVERIFY(chooseAsUser(f->h[List::Telescope], "User-Defined"));
    QCOMPARE(f->h[Box::Flength].text(), QString("700.0"));
    QCOMPARE(f->h[Box::efl].text(), QString("10514")); // 700 x 15.02
    QCOMPARE(f->h[Box::Fratio].text(), QString("6.6"));
    QVERIFY(f->messages.shown.isEmpty());
    // A catalogue choice replaces the typed values.
    QVERIFY(chooseAsUser(f->h[List::Telescope], "DR-106"));
    QCOMPARE(f->h[Box::Flength].text(), QString("530"));
}

void TstCatalogChoices::primeFocusAndBack()
{
    QVERIFY(chooseAsUser(f->h[List::Ocular], "No-VKP2"));
    QCOMPARE(f->h[Box::efl].text(), QString("530"));
    QCOMPARE(f->h[Box::efr].text(), QString("5"));
    QCOMPARE(f->h[Box::Distance_d].text(), QString("0"));
    QCOMPARE(f->h[Box::Distance_tl].text(), QString("0"));
    QVERIFY(!f->h[Box::Distance_d].isEnabled() && !f->h[Box::Distance_tl].isEnabled());
    QCOMPARE(*f->state().OcularFocalLength.number(), 0.0);

    QVERIFY(chooseAsUser(f->h[List::Ocular], "WS 5mm"));
    QVERIFY(f->h[Box::Distance_d].isEnabled() && f->h[Box::Distance_tl].isEnabled());
    QCOMPARE(f->h[Box::Distance_d].text(), QString("0"));
    QCOMPARE(*f->state().ProjectionDistance.number(), 58 + 0 + 3 + 0 - 40.9);
    QCOMPARE(f->h[Box::efl].text(), QString("1600.6"));
    QCOMPARE(f->h[Box::efr].text(), QString("15.1"));
    QVERIFY(f->messages.shown.isEmpty());
}

void TstCatalogChoices::sameFocalLengthDifferentOculars()
{
    QStringList efl;
    for (const char *ocular : {"WS 5mm", "PT 5mm", "WS 18mm", "PT 18mm"}) {
        QVERIFY(chooseAsUser(f->h[List::Ocular], ocular));
        efl << f->h[Box::efl].text();
    }
    QCOMPARE(efl, (QStringList{"7960.6", "11641.98", "2226", "2367.92"}));
}

void TstCatalogChoices::cameraAndBinning_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("camera");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("binning");
    QTest::newRow("IMG261E 2x2") << "2x2" << "FLI IMG261E" << QStringList{"40", "40", "256", "256"} << true;
    QTest::newRow("IMG1401E 3x3") << "3x3" << "FLI IMG1401E" << QStringList{"20.4", "20.4", "446", "345"} << true;
    QTest::newRow("IMG1024S 1x1") << "1x1" << "FLI IMG1024S" << QStringList{"24", "24", "1024", "1024"} << true;
    QTest::newRow("IMG1302E 3x3") << "3x3" << "FLI IMG1302E" << QStringList{"48", "48", "426", "341"} << true;
    QTest::newRow("ST-9E 1x1") << "1x1" << "SBIG ST-9E" << QStringList{"20", "20", "512", "512"} << true;
    QTest::newRow("CM10 2x2") << "2x2" << "FLI MaxCam CM10" << QStringList{"13.6", "13.6", "1092", "736"} << true;
    QTest::newRow("LISSA") << "3x3" << "Apogee LISSA" << QStringList{"7.4", "7.4", "659", "494"} << false;
    QTest::newRow("LISSA Megapixel") << "1x1" << "Apogee LISSA Megapixel" << QStringList{"6.7", "6.7", "1300", "1030"} << false;
    QTest::newRow("Cookbook 211") << "2x2" << "Cookbook 211" << QStringList{"13.75", "16", "192", "165"} << false;
    QTest::newRow("SBIG ST-4") << "1x1" << "SBIG ST-4" << QStringList{"13.75", "16", "192", "164"} << false;
    QTest::newRow("ST-1001E has no binning") << "2x2" << "SBIG ST-1001E" << QStringList{"24", "24", "1024", "1024"} << false;
}

void TstCatalogChoices::cameraAndBinning()
{
    QFETCH(QString, mode);
    QFETCH(QString, camera);
    QFETCH(QStringList, boxes);
    QFETCH(bool, binning);
    QVERIFY(chooseAsUser(f->h[List::Ccd], "FLI IMG261E"));
    QVERIFY(chooseAsUser(f->h[List::Binning], mode));
    QVERIFY(chooseAsUser(f->h[List::Ccd], camera));
    QCOMPARE(cameraBoxes(), boxes);
    QCOMPARE(f->h[List::Binning].isEnabled(), binning);
    QCOMPARE(f->h[List::Binning].text(), mode);
    QVERIFY(!f->h[Box::Pixelsize_width].isEnabled());
    QVERIFY(f->messages.shown.isEmpty());
}

void TstCatalogChoices::binningKeepsChipWidthFov()
{
    QVERIFY(chooseAsUser(f->h[List::Ccd], "FLI IMG261E"));
    const QString fov1 = f->h[Box::Fov_width].text();
    QVERIFY(chooseAsUser(f->h[List::Binning], "2x2"));
    QCOMPARE(f->h[Box::Fov_width].text(), fov1); // 10.24 mm either way
    QVERIFY(f->h[Box::Pixelscale_width].text() != cameraResults()[0]);
    QVERIFY(chooseAsUser(f->h[List::Binning], "3x3"));
    QVERIFY(f->h[Box::Fov_width].text().toDouble() < fov1.toDouble()); // 170 x 60 um = 10.2 mm
    QCOMPARE(f->h[Box::Fov_width].text(), numbers::resultText(3439 * (10.2 / 7960.6)));
}

void TstCatalogChoices::binningModeSurvivesCameraChanges()
{
    QVERIFY(chooseAsUser(f->h[List::Ccd], "FLI IMG261E"));
    QVERIFY(chooseAsUser(f->h[List::Binning], "3x3"));
    QVERIFY(chooseAsUser(f->h[List::Ccd], "Audine"));
    QVERIFY(!f->h[List::Binning].isEnabled());
    QCOMPARE(f->h[List::Binning].text(), QString("3x3"));
    QCOMPARE(cameraBoxes(), (QStringList{"9", "9", "768", "512"}));
    // Back on a binning camera, the shown mode applies again.
    QVERIFY(chooseAsUser(f->h[List::Ccd], "FLI MaxCam CM9"));
    QCOMPARE(cameraBoxes(), (QStringList{"60", "60", "170", "170"}));

    // The refused pair, reached by a camera choice: the note once, then "2x2".
    QVERIFY(chooseAsUser(f->h[List::Ccd], "Starlight Express HX916"));
    QCOMPARE(f->messages.shown.size(), 1);
    QCOMPARE(f->messages.shown.first(),
             (ShownMessage{"This camera does not support 3x3 Binning", "Note", MessageIcon::Information}));
    QCOMPARE(f->h[List::Binning].text(), QString("2x2"));
    QCOMPARE(cameraBoxes(), (QStringList{"13.4", "13.4", "650", "515"}));
    QCOMPARE(*f->state().PixelWidth.number(), 13.4);
    QCOMPARE(*f->state().ChipHeightPx.number(), 515.0);

    // ...and reached by a mode choice.
    f->messages.clear();
    QVERIFY(chooseAsUser(f->h[List::Binning], "3x3"));
    QCOMPARE(f->messages.shown.size(), 1);
    QCOMPARE(f->h[List::Binning].text(), QString("2x2"));
    QCOMPARE(cameraBoxes(), (QStringList{"13.4", "13.4", "650", "515"}));
}

void TstCatalogChoices::userDefinedCameraKeepsPreviousValues_data()
{
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("after SBIG ST-6B") << "SBIG ST-6B" << QStringList{"23", "27", "375", "241"};
    QTest::newRow("after None or Film") << "None or Film" << QStringList{"", "", "", ""};
    QTest::newRow("after HX916 in 1x1") << "Starlight Express HX916" << QStringList{"6.7", "6.7", "1300", "1030"};
}

void TstCatalogChoices::userDefinedCameraKeepsPreviousValues()
{
    QFETCH(QString, previous);
    QFETCH(QStringList, boxes);
    QVERIFY(chooseAsUser(f->h[List::Ccd], previous));
    const QStringList results = cameraResults();
    QVERIFY(chooseAsUser(f->h[List::Ccd], "User-Defined"));
    QCOMPARE(cameraBoxes(), boxes);
    QCOMPARE(cameraResults(), results);
    QVERIFY(f->h[Box::Pixelsize_width].isEnabled() && f->h[Box::Pixelsize_height].isEnabled());
    QVERIFY(f->h[Box::Chipsize_width].isEnabled() && f->h[Box::Chipsize_height].isEnabled());
    QVERIFY(!f->h[List::Binning].isEnabled());
}

void TstCatalogChoices::catalogueCameraFollowsTelescopeChanges()
{
    QVERIFY(chooseAsUser(f->h[List::Ccd], "Meade Pictor 416XT"));
    const QString before = f->h[Box::Fov_width].text();
    QVERIFY(chooseAsUser(f->h[List::Telescope], "AR-150"));
    QVERIFY(chooseAsUser(f->h[List::Ocular], "PT 9mm"));
    f->h[Box::Distance_d].setText("100");
    QCOMPARE(cameraBoxes(), (QStringList{"9", "9", "768", "512"}));
    const double efl = f->h[Box::efl].text().toDouble();
    QCOMPARE(f->h[Box::Fov_width].text(), numbers::resultText(3439 * (6.912 / efl)));
    QCOMPARE(f->h[Box::Pixelscale_height].text(), numbers::resultText(206265 * (0.009 / efl)));
    QVERIFY(f->h[Box::Fov_width].text() != before);
}

void TstCatalogChoices::binningWithoutPositiveFocalLength()
{
    QVERIFY(chooseAsUser(f->h[List::Ccd], "FLI IMG261E"));
    QVERIFY(chooseAsUser(f->h[List::Telescope], "User-Defined"));
    f->h[Box::Flength].setText("0.0"); // a number, so it is taken; the extended focal length is 0
    QCOMPARE(f->h[Box::efl].text(), QString("0"));
    const QStringList results = cameraResults();
    QVERIFY(chooseAsUser(f->h[List::Binning], "2x2"));
    QCOMPARE(cameraBoxes(), (QStringList{"40", "40", "256", "256"}));
    QCOMPARE(cameraResults(), results);
}

void TstCatalogChoices::nestedCameraRunsChangeNothing_data()
{
    QTest::addColumn<QString>("camera");
    for (const char *c : {"None or Film", "User-Defined", "Apogee AP1E", "SBIG ST-6B",
                          "FLI IMG1401E", "Starlight Express HX916", "Starlight Express SXL8"})
        QTest::newRow(c) << QString(c);
}

void TstCatalogChoices::nestedCameraRunsChangeNothing()
{
    // A camera choice writes the camera boxes, whose handlers run the camera choice again,
    // nested. The nesting must stay shallow, and a further run must show nothing new.
    QFETCH(QString, camera);
    QVERIFY(chooseAsUser(f->h[List::Ccd], "SBIG ST-10E"));
    QVERIFY(chooseAsUser(f->h[List::Binning], "2x2"));
    handlerStats().reset();
    QVERIFY(chooseAsUser(f->h[List::Ccd], camera));
    QVERIFY2(handlerStats().deepest <= 6, qPrintable(QString::number(handlerStats().deepest)));
    const QStringList after = shownTexts();
    f->calc().Ccd_Click();
    QCOMPARE(shownTexts(), after);
}

void TstCatalogChoices::everyTelescopeWithEveryOcular()
{
    auto &w = f->h;
    for (int t = 0; t < w[List::Telescope].count(); ++t) {
        for (int o = 0; o < w[List::Ocular].count(); ++o) {
            const QString telescope = w[List::Telescope].entries().at(t);
            const QString ocular = w[List::Ocular].entries().at(o);
            QVERIFY(chooseAsUser(w[List::Telescope], telescope));
            QVERIFY(chooseAsUser(w[List::Ocular], ocular));
            const QString where = telescope + " / " + ocular;
            for (const HeadlessField *result : {&w[Box::efl], &w[Box::efr], &w[Box::Fratio]}) {
                QVERIFY2(numbers::isNumber(result->text()), qPrintable(where));
                QVERIFY2(numbers::parse(result->text()).value() > 0, qPrintable(where));
            }
            QCOMPARE(w[Box::Flength].isEnabled(), t == 0);
            QCOMPARE(w[Box::Aperture].isEnabled(), t == 0);
            QCOMPARE(w[Box::Distance_d].isEnabled(), o != 0);
            QCOMPARE(w[Box::Distance_tl].isEnabled(), o != 0);
            QCOMPARE(w[Box::efl].text() == w[Box::Flength].text(), o == 0);
        }
    }
    QVERIFY(f->messages.shown.isEmpty());
}

void TstCatalogChoices::everyCameraInEveryMode()
{
    auto &w = f->h;
    for (const char *mode : catalog::kBinningModes) {
        for (int c = 0; c < w[List::Ccd].count(); ++c) {
            const QString camera = w[List::Ccd].entries().at(c);
            // Show the mode without choosing it: the camera choice is what applies it.
            f->showQuietly("Binning", QLatin1String(mode));
            f->messages.clear();
            QVERIFY(chooseAsUser(w[List::Ccd], camera));
            const QString where = camera + " in " + mode;

            const catalog::CameraRow *row = nullptr;
            for (const auto &r : catalog::kCameras)
                row = QLatin1String(r.name) == camera ? &r : row;
            const bool refused = camera == "Starlight Express HX916" && QLatin1String(mode) == "3x3";
            QCOMPARE(f->messages.shown.size(), refused ? 1 : 0);
            for (const QString &result : cameraResults())
                QVERIFY2(numbers::isNumber(result), qPrintable(where + ": " + result));
            QCOMPARE(w[Box::Pixelsize_width].isEnabled(), camera == "User-Defined");
            QCOMPARE(w[Box::Chipsize_height].isEnabled(), camera == "User-Defined");
            QCOMPARE(w[List::Binning].isEnabled(), row && row->binning);
            if (row && row->binning) {
                const QString applied = refused ? QString("2x2") : QString(mode);
                for (const auto &b : catalog::kBinning) {
                    if (camera == QLatin1String(b.camera) && applied == QLatin1String(b.mode))
                        QCOMPARE(cameraBoxes(), (QStringList{numbers::format(b.pixelWidth),
                                                             numbers::format(b.pixelHeight),
                                                             numbers::format(b.chipWidth),
                                                             numbers::format(b.chipHeight)}));
                }
            } else if (row) {
                QCOMPARE(cameraBoxes(), (QStringList{numbers::format(row->pixelWidth),
                                                     numbers::format(row->pixelHeight),
                                                     numbers::format(row->chipWidth),
                                                     numbers::format(row->chipHeight)}));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TstCatalogChoices)
#include "tst_catalog_choices.moc"
