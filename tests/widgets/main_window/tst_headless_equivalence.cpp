// The headless calculator against the real window: for the same events both must end with the
// same texts in all fifteen boxes, the same enabled states and the same messages, quirks
// included. The calculator's own suites run headless; this is what lets them.

#include "calculator/catalog/camera_table.h"
#include "calculator/catalog/ocular_table.h"
#include "calculator/catalog/telescope_table.h"
#include "support/calculator/headless_fixture.h"
#include "support/widgets/window_fixture.h"

#include <QtTest>

using namespace vkp2;

class TstHeadlessEquivalence : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void everyTelescopeWithEveryOcular();
    void everyCameraInEveryBinningMode();
    void typing_data();
    void typing();
    void startFromSavedSetup_data();
    void startFromSavedSetup();

private:
    // Both sides choose the entry, then must agree.
    void choose(const char *list, const QString &entry);
    // Both sides retype a box key by key (select all, delete, then one key at a time).
    void retype(const char *box, const QString &text);
    void compareBoth(const QString &after);

    std::unique_ptr<test::WindowFixture> f;
    std::unique_ptr<test::HeadlessFixture> h;
};

void TstHeadlessEquivalence::init()
{
    QLocale::setDefault(QLocale::c());
    f = std::make_unique<test::WindowFixture>();
    h = std::make_unique<test::HeadlessFixture>();
    compareBoth(QStringLiteral("start-up"));
}

void TstHeadlessEquivalence::cleanup()
{
    f.reset();
    h.reset();
}

void TstHeadlessEquivalence::compareBoth(const QString &after)
{
    const BoxTexts window = boxTexts(f->calc().controls());
    const BoxTexts headless = h->h.boxTexts();
    for (const BoxInfo &info : kBoxes) {
        const std::size_t i = indexOf(info.id);
        if (window[i] != headless[i]) {
            QFAIL(qPrintable(QStringLiteral("after %1: %2 shows \"%3\" in the window but \"%4\" headless")
                                 .arg(after, QLatin1String(info.name.data(), qsizetype(info.name.size())),
                                      window[i], headless[i])));
        }
    }
    // Text, title, icon and order of every message.
    QCOMPARE(h->messages.shown, f->messages.shown);
    // The enabled states follow the same rules on both sides, and the lists show the same entries.
    for (const BoxInfo &info : kBoxes) {
        const QString name = QLatin1String(info.name.data(), qsizetype(info.name.size()));
        const auto *edit = f->window->findChild<QLineEdit *>(name);
        QVERIFY(edit);
        QVERIFY2(h->h[info.id].isEnabled() == edit->isEnabled(),
                 qPrintable(QStringLiteral("after %1: %2 enabled differs").arg(after, name)));
    }
    for (const std::string_view name : kListNames) {
        const auto *combo = f->window->findChild<QComboBox *>(QLatin1String(name.data(), qsizetype(name.size())));
        QVERIFY(combo);
        QCOMPARE(h->list(name).isEnabled(), combo->isEnabled());
        QCOMPARE(h->list(name).text(), combo->currentText());
        QCOMPARE(h->list(name).count(), combo->count());
    }
}

void TstHeadlessEquivalence::choose(const char *list, const QString &entry)
{
    auto *combo = f->window->findChild<QComboBox *>(QLatin1String(list));
    QVERIFY(combo);
    QVERIFY(test::chooseAsUser(combo, entry));
    QVERIFY(test::chooseAsUser(h->list(list), entry));
}

void TstHeadlessEquivalence::retype(const char *box, const QString &text)
{
    auto *edit = f->window->findChild<QLineEdit *>(QLatin1String(box));
    QVERIFY(edit);
    test::retype(edit, text);
    test::retype(h->box(box), text);
}

void TstHeadlessEquivalence::everyTelescopeWithEveryOcular()
{
    QStringList telescopes{entries::UserDefined};
    for (const auto &row : catalog::kTelescopes)
        telescopes << QLatin1String(row.name);
    QStringList oculars{entries::NoVkp2};
    for (const auto &row : catalog::kOculars)
        oculars << QLatin1String(row.name);
    choose("Ccd", QStringLiteral("FLI IMG1401E")); // a binning camera, so every result is live
    for (const QString &telescope : telescopes) {
        choose("Telescope", telescope);
        for (const QString &ocular : oculars) {
            choose("Ocular", ocular);
            compareBoth(telescope + " with " + ocular);
            if (QTest::currentTestFailed())
                return;
        }
        // "No-VKP2" leaves the distances at 0; give them back for the next telescope.
        retype("Distance_d", QStringLiteral("55"));
    }
}

void TstHeadlessEquivalence::everyCameraInEveryBinningMode()
{
    QStringList cameras{entries::NoneOrFilm, entries::UserDefined};
    for (const auto &row : catalog::kCameras)
        cameras << QLatin1String(row.name);
    for (const char *mode : {"1x1", "2x2", "3x3"}) {
        for (const QString &camera : cameras) {
            choose("Ccd", camera);
            if (h->h[List::Binning].isEnabled())
                choose("Binning", QLatin1String(mode));
            compareBoth(camera + " in " + mode);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void TstHeadlessEquivalence::typing_data()
{
    QTest::addColumn<QString>("telescope");
    QTest::addColumn<QString>("camera");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("D past its range") << "DR-106" << "SBIG ST-7E" << "Distance_d" << "2000";
    QTest::newRow("TL past its range") << "DR-106" << "SBIG ST-7E" << "Distance_tl" << "31";
    QTest::newRow("negative D") << "DR-106" << "SBIG ST-7E" << "Distance_d" << "-5";
    QTest::newRow("letters in D") << "DR-106" << "None or Film" << "Distance_d" << "5a";
    QTest::newRow("user focal length") << "User-Defined" << "SBIG ST-7E" << "Flength" << "800";
    QTest::newRow("user focal past range") << "User-Defined" << "SBIG ST-7E" << "Flength" << "20000";
    QTest::newRow("user aperture 0") << "User-Defined" << "SBIG ST-7E" << "Aperture" << "0";
    QTest::newRow("user pixel width") << "AR-150" << "User-Defined" << "Pixelsize_width" << "7.4";
    QTest::newRow("user chip letters") << "AR-150" << "User-Defined" << "Chipsize_height" << "1x0";
    // A lone sign or separator warns at its first key and is a number at the next.
    QTest::newRow("lone minus in TL") << "DR-106" << "SBIG ST-7E" << "Distance_tl" << "-5";
    QTest::newRow("pixel height from a point") << "AR-150" << "User-Defined" << "Pixelsize_height" << ".5";
    QTest::newRow("user focal length 0") << "User-Defined" << "SBIG ST-7E" << "Flength" << "0";
    // Typed into a locked box: neither side takes the keys.
    QTest::newRow("catalogue focal length") << "DR-106" << "SBIG ST-7E" << "Flength" << "800";
}

void TstHeadlessEquivalence::typing()
{
    QFETCH(QString, telescope);
    QFETCH(QString, camera);
    QFETCH(QString, box);
    QFETCH(QString, text);
    choose("Telescope", telescope);
    choose("Ccd", camera);
    retype(qPrintable(box), text);
    compareBoth(QStringLiteral("typing ") + text);
}

void TstHeadlessEquivalence::startFromSavedSetup_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("user telescope out of range")
        << QStringList{"User-Defined", "WS 5mm", "None or Film", "20000", "106", "5", "55"};
    QTest::newRow("user camera")
        << QStringList{"BR-128", "PT 9mm", "User-Defined", "1040", "128", "5", "55", "5.6", "5.6", "1000", "800"};
    QTest::newRow("binning camera, no ocular")
        << QStringList{"CR-150", "No-VKP2", "Starlight Express HX916", "1050", "150", "0", "0", "", "", "", ""};
    QTest::newRow("D out of range, unknown ocular")
        << QStringList{"AR-50", "XX 3mm", "SBIG ST-9E", "400", "50", "5", "1200"};
}

void TstHeadlessEquivalence::startFromSavedSetup()
{
    QFETCH(QStringList, lines);
    QFile file(f->sandbox.file("vkp2user.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write((lines.join("\r\n") + "\r\n").toUtf8());
    file.close();
    f->window.reset();
    f->messages.clear();
    f->window = test::WindowFixture::start(f->messages);
    UserData userData;
    for (int i = 0; i < lines.size(); ++i)
        userData[i + 1] = lines[i];
    h = std::make_unique<test::HeadlessFixture>(userData);
    compareBoth(QStringLiteral("start-up"));
}

QTEST_MAIN(TstHeadlessEquivalence)
#include "tst_headless_equivalence.moc"
