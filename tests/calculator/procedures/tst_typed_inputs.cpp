// Typing into the boxes key by key, through the calculator's own handlers.

#include "calculator/core/numbers.h"
#include "support/calculator/headless_fixture.h"

#include <QtTest>

using namespace vkp2;
using test::chooseAsUser;

class TstTypedInputs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void distanceRecalculatesOnEveryKeystroke_data();
    void distanceRecalculatesOnEveryKeystroke();
    void negativeDistanceStartsWithLoneMinus_data();
    void negativeDistanceStartsWithLoneMinus();
    void zeroFocalLengthOrApertureBecomes50_data();
    void zeroFocalLengthOrApertureBecomes50();
    void userDefinedTelescopeRecalculates();
    void lockedTelescopeBoxIgnoresProgramWrites();
    void notANumberWarnsAndStays_data();
    void notANumberWarnsAndStays();
    void clearingABoxChangesNothing_data();
    void clearingABoxChangesNothing();
    void cameraValuesAreTakenOver_data();
    void cameraValuesAreTakenOver();
    void cameraSignOrSeparatorFirst_data();
    void cameraSignOrSeparatorFirst();

private:
    HeadlessField &box(const QString &name) const { return f->box(name.toStdString()); }
    QStringList results() const;
    std::unique_ptr<test::HeadlessFixture> f;
};

// The extended focal length of DR-106 with WS 5mm, computed here independently.
static QString eflFor(double d, double tl = 5, double focal = 530)
{
    const double projection = 58 + tl + 3 + d - 40.9;
    return numbers::resultText((projection / 5 - 1) * focal);
}

void TstTypedInputs::init()
{
    QLocale::setDefault(QLocale::c());
    f = std::make_unique<test::HeadlessFixture>();
}

void TstTypedInputs::cleanup() { f.reset(); }

QStringList TstTypedInputs::results() const
{
    QStringList out;
    for (const char *name : {"efl", "efr", "Fov_width", "Fov_height", "Pixelscale_width",
                             "Pixelscale_height", "Fratio"})
        out << box(name).text();
    return out;
}

void TstTypedInputs::distanceRecalculatesOnEveryKeystroke_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reset");
    QTest::newRow("D 2000") << "Distance_d" << "2000" << "Distance - D must be between 0 and 1000" << "55";
    QTest::newRow("TL 31") << "Distance_tl" << "31" << "Distance - TL must be between 0 and 30" << "5";
    QTest::newRow("D 1000 accepted") << "Distance_d" << "1000" << "" << "";
}

void TstTypedInputs::distanceRecalculatesOnEveryKeystroke()
{
    QFETCH(QString, boxName);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, reset);
    const bool isD = boxName == "Distance_d";
    HeadlessField &edit = box(boxName);
    test::retype(edit, QString());
    QCOMPARE(box("efl").text(), eflFor(55)); // an emptied box changes nothing
    for (int i = 1; i <= typed.size(); ++i) {
        test::type(edit, typed.at(i - 1));
        const double value = typed.left(i).toDouble();
        const bool last = i == typed.size();
        if (last && !message.isEmpty())
            break;
        QCOMPARE(box("efl").text(), isD ? eflFor(value) : eflFor(55, value));
        QVERIFY(f->messages.shown.isEmpty());
    }
    if (message.isEmpty())
        return;
    QCOMPARE(f->messages.shown.size(), 1);
    QCOMPARE(f->messages.shown.first(), (ShownMessage{message, "Error", MessageIcon::Critical}));
    QCOMPARE(edit.text(), reset);
    QCOMPARE(box("efl").text(), eflFor(55));
}

void TstTypedInputs::negativeDistanceStartsWithLoneMinus_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reset");
    QTest::newRow("D") << "Distance_d" << "Distance - D must be between 0 and 1000" << "55";
    QTest::newRow("TL") << "Distance_tl" << "Distance - TL must be between 0 and 30" << "5";
}

void TstTypedInputs::negativeDistanceStartsWithLoneMinus()
{
    QFETCH(QString, boxName);
    QFETCH(QString, message);
    QFETCH(QString, reset);
    HeadlessField &edit = box(boxName);
    const QStringList before = results();
    test::retype(edit, "-");
    QCOMPARE(edit.text(), QString("-"));
    QCOMPARE(f->messages.shown.size(), 1);
    QCOMPARE(f->messages.shown.first(),
             (ShownMessage{"Value out of range - Only enter numbers.", "Input Error", MessageIcon::Critical}));
    QCOMPARE(results(), before);
    test::type(edit, "5");
    QCOMPARE(f->messages.shown.size(), 2);
    QCOMPARE(f->messages.shown.last(), (ShownMessage{message, "Error", MessageIcon::Critical}));
    QCOMPARE(edit.text(), reset);
    QCOMPARE(results(), before);
}

void TstTypedInputs::zeroFocalLengthOrApertureBecomes50_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("efl");
    QTest::newRow("Flength") << "Flength" << "0.47" << eflFor(55, 5, 50);
    QTest::newRow("Aperture") << "Aperture" << "10.6" << eflFor(55);
}

void TstTypedInputs::zeroFocalLengthOrApertureBecomes50()
{
    QFETCH(QString, boxName);
    QFETCH(QString, ratio);
    QFETCH(QString, efl);
    QVERIFY(chooseAsUser(f->h[List::Telescope], "User-Defined"));
    test::retype(box(boxName), "0");
    QCOMPARE(f->messages.shown.size(), 1);
    QCOMPARE(f->messages.shown.first(),
             (ShownMessage{"Enter a number greater than 50.", "Error", MessageIcon::Critical}));
    QCOMPARE(box(boxName).text(), QString("50"));
    QCOMPARE(f->h[Box::Fratio].text(), ratio);
    QCOMPARE(f->h[Box::efl].text(), efl);
    // Only a bare "0" is refused: other small values are numbers like any other.
    test::retype(box(boxName), "1");
    test::type(box(boxName), ".5");
    QCOMPARE(box(boxName).text(), QString("1.5"));
    QCOMPARE(f->messages.shown.size(), 1);
}

void TstTypedInputs::userDefinedTelescopeRecalculates()
{
    QVERIFY(chooseAsUser(f->h[List::Telescope], "User-Defined"));
    test::retype(f->h[Box::Aperture], "100");
    test::retype(f->h[Box::Flength], "800");
    QCOMPARE(f->h[Box::Fratio].text(), QString("8"));
    QCOMPARE(f->h[Box::efl].text(), eflFor(55, 5, 800));
    QCOMPARE(f->h[Box::efr].text(), numbers::resultText(numbers::round2((80.1 / 5 - 1) * 800) / 100));
    QVERIFY(f->messages.shown.isEmpty());
    QCOMPARE(f->h[Box::Fov_width].text(), QString("0"));
    // Typing past the limit: one message, and no results: those of 8000 fit nothing shown.
    test::type(f->h[Box::Flength], "00");
    QCOMPARE(f->h[Box::Flength].text(), QString("80000"));
    QCOMPARE(f->messages.shown.size(), 1);
    QCOMPARE(f->messages.shown.first().text, QString("F-Length must be between 0 and 10000"));
    QCOMPARE(f->h[Box::efl].text(), QString());
    QCOMPARE(f->h[Box::efr].text(), QString());
    QCOMPARE(f->h[Box::Fov_width].text(), QString());
    QCOMPARE(f->h[Box::Pixelscale_height].text(), QString());
    // Back in range, everything is computed again.
    test::backspace(f->h[Box::Flength]);
    QCOMPARE(f->h[Box::efl].text(), eflFor(55, 5, 8000));
    QCOMPARE(f->h[Box::Fov_width].text(), QString("0"));
}

void TstTypedInputs::lockedTelescopeBoxIgnoresProgramWrites()
{
    QCOMPARE(f->h[List::Telescope].text(), QString("DR-106"));
    const QStringList before = results();
    f->h[Box::Flength].setText("800");
    QCOMPARE(results(), before);
    QCOMPARE(*f->state().FocalLength.number(), 530.0);
    QVERIFY(f->messages.shown.isEmpty());
}

void TstTypedInputs::notANumberWarnsAndStays_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("message");
    const QString plain = "Value out of range - Only enter numbers.";
    QTest::newRow("Flength") << "Flength" << plain;
    QTest::newRow("Aperture") << "Aperture" << plain;
    QTest::newRow("Distance_tl") << "Distance_tl" << plain;
    QTest::newRow("Distance_d") << "Distance_d" << plain;
    QTest::newRow("Pixelsize_width") << "Pixelsize_width" << "Value out of range - Only enter numbers < 100";
    QTest::newRow("Pixelsize_height") << "Pixelsize_height" << plain;
    QTest::newRow("Chipsize_width") << "Chipsize_width" << plain;
    QTest::newRow("Chipsize_height") << "Chipsize_height" << plain;
}

void TstTypedInputs::notANumberWarnsAndStays()
{
    QFETCH(QString, boxName);
    QFETCH(QString, message);
    QVERIFY(chooseAsUser(f->h[List::Telescope], "User-Defined"));
    QVERIFY(chooseAsUser(f->h[List::Ccd], "Audine"));
    QVERIFY(chooseAsUser(f->h[List::Ccd], "User-Defined"));
    const QStringList before = results();
    HeadlessField &edit = box(boxName);
    test::type(edit, "x");
    QCOMPARE(f->messages.shown.size(), 1);
    QCOMPARE(f->messages.shown.first(), (ShownMessage{message, "Input Error", MessageIcon::Critical}));
    QVERIFY(edit.text().endsWith('x'));
    QCOMPARE(results(), before);
    // Every further change that still leaves no number warns again.
    test::type(edit, "y");
    QCOMPARE(f->messages.shown.size(), 2);
}

void TstTypedInputs::clearingABoxChangesNothing_data()
{
    QTest::addColumn<QString>("boxName");
    for (const char *name : {"Flength", "Aperture", "Distance_tl", "Distance_d", "Pixelsize_width",
                             "Pixelsize_height", "Chipsize_width", "Chipsize_height"})
        QTest::newRow(name) << QString(name);
}

void TstTypedInputs::clearingABoxChangesNothing()
{
    QFETCH(QString, boxName);
    QVERIFY(chooseAsUser(f->h[List::Telescope], "User-Defined"));
    QVERIFY(chooseAsUser(f->h[List::Ccd], "SBIG ST-6B"));
    QVERIFY(chooseAsUser(f->h[List::Ccd], "User-Defined"));
    const QStringList before = results();
    const double pixelWidth = *f->state().PixelWidth.number();
    const double distance = *f->state().DistanceD.number();
    HeadlessField &edit = box(boxName);
    test::retype(edit, QString());
    QCOMPARE(edit.text(), QString());
    QCOMPARE(results(), before);
    QCOMPARE(*f->state().PixelWidth.number(), pixelWidth);
    QCOMPARE(*f->state().DistanceD.number(), distance);
    QVERIFY(f->messages.shown.isEmpty());
}

void TstTypedInputs::cameraValuesAreTakenOver_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("results"); // FOV W, FOV H, scale W, scale H
    // From SBIG ST-6B (23 x 27 um, 375 x 241) at 7960.6 mm.
    const auto fov = [](double um, double px) { return numbers::resultText(3439 * ((um / 1000 * px) / 7960.6)); };
    const auto scale = [](double um) { return numbers::resultText(206265 * ((um / 1000) / 7960.6)); };
    QTest::newRow("pixel width 7.4") << "Pixelsize_width" << "7.4"
                                     << QStringList{fov(7.4, 375), fov(27, 241), scale(7.4), scale(27)};
    QTest::newRow("pixel width 150, no bound") << "Pixelsize_width" << "150"
                                               << QStringList{fov(150, 375), fov(27, 241), scale(150), scale(27)};
    QTest::newRow("chip height 1000") << "Chipsize_height" << "1000"
                                      << QStringList{fov(23, 375), fov(27, 1000), scale(23), scale(27)};
    QTest::newRow("0.5 is a number") << "Pixelsize_height" << "0.5"
                                     << QStringList{fov(23, 375), fov(0.5, 241), scale(23), scale(0.5)};
    QTest::newRow("bare 0 passed over") << "Chipsize_width" << "0"
                                        << QStringList{fov(23, 375), fov(27, 241), scale(23), scale(27)};
    QTest::newRow("00 is a number") << "Chipsize_width" << "00"
                                    << QStringList{"0", fov(27, 241), scale(23), scale(27)};
}

void TstTypedInputs::cameraValuesAreTakenOver()
{
    QFETCH(QString, boxName);
    QFETCH(QString, typed);
    QFETCH(QStringList, results);
    QVERIFY(chooseAsUser(f->h[List::Ccd], "SBIG ST-6B"));
    QVERIFY(chooseAsUser(f->h[List::Ccd], "User-Defined"));
    test::retype(box(boxName), typed);
    QCOMPARE(box(boxName).text(), typed);
    QCOMPARE((QStringList{f->h[Box::Fov_width].text(), f->h[Box::Fov_height].text(),
                          f->h[Box::Pixelscale_width].text(), f->h[Box::Pixelscale_height].text()}),
             results);
    QVERIFY(f->messages.shown.isEmpty());
}

void TstTypedInputs::cameraSignOrSeparatorFirst_data()
{
    QTest::addColumn<QString>("first");
    QTest::newRow("minus") << "-";
    QTest::newRow("decimal point") << ".";
}

void TstTypedInputs::cameraSignOrSeparatorFirst()
{
    QFETCH(QString, first);
    QVERIFY(chooseAsUser(f->h[List::Ccd], "User-Defined"));
    test::retype(f->h[Box::Pixelsize_height], first);
    QCOMPARE(f->messages.shown.size(), 1);
    test::type(f->h[Box::Pixelsize_height], "5");
    QCOMPARE(f->messages.shown.size(), 1);
    QCOMPARE(*f->state().PixelHeight.number(), (first + "5").toDouble());
}

QTEST_GUILESS_MAIN(TstTypedInputs)
#include "tst_typed_inputs.moc"
