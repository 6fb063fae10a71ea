// The planner window with the user's kit: kit entries first in the telescope and camera lists,
// choosing one fills the boxes, the lists follow the Kit dialog, a kit file it cannot read is
// said in a line, and "Open in the calculator" writes the calculator's file only when no
// calculator runs. No calculator is started: the starter is the test's own.

#include "support/widgets/private_home.h"
#include "calculator/core/numbers.h"
#include "planner/setup.h"
#include "storage/calculator_instance.h"
#include "storage/kit_file.h"
#include "storage/setup_location.h"
#include "support/calculator/recorded_message_boxes.h"
#include "widgets/planner_window/field_mark.h"
#include "widgets/planner_window/kit_dialog.h"
#include "widgets/planner_window/kit_fixture.h"
#include "widgets/planner_window/open_in_calculator.h"
#include "widgets/planner_window/planner_window.h"
#include "widgets/planner_window/setup_panel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace vkp2;
using namespace vkp2::planner_window;

namespace {

QStringList itemsOf(const QComboBox *c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}

bool chooseAsUser(QComboBox *combo, int index)
{
    if (index < 0 || index >= combo->count())
        return false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstPlannerWindowKit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void kitEntriesComeFirst();
    void choosingAKitTelescopeFillsTheBoxes();
    void choosingAKitCameraOffersItsBinning_data();
    void choosingAKitCameraOffersItsBinning();
    void kitEntryNamedLikeAPresetIsNotThePreset();
    void kitChoiceOutlivesARestart();
    void listsFollowTheKitDialog();
    void unreadableKitIsSaidAndPresetsStay();
    void openInTheCalculatorWritesTheSetup_data();
    void openInTheCalculatorWritesTheSetup();
    void failedStartIsSaid();
    void runningCalculatorMeansNothingIsWritten();

private:
    void open();
    QString calculatorFile() const
    {
        return storage::userEquipmentFilePath(storage::FolderCreation::Create);
    }
    test::PrivateHome home_;
    RecordedMessageBoxes messages_;
    std::unique_ptr<PlannerWindow> window_;
};

void TstPlannerWindowKit::initTestCase()
{
    QVERIFY(home_.enter());
    QLocale::setDefault(QLocale::c());
}

void TstPlannerWindowKit::init()
{
    QFile::remove(storage::kitFilePath(storage::FolderCreation::Create));
    QFile::remove(calculatorFile());
    QSettings("VKP2", kSettingsApplication).clear();
}

void TstPlannerWindowKit::cleanup()
{
    window_.reset();
    messages_.clear();
}

void TstPlannerWindowKit::open()
{
    window_ = std::make_unique<PlannerWindow>(messages_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TstPlannerWindowKit::kitEntriesComeFirst()
{
    QVERIFY(test::writeKit(test::sampleKit()));
    open();
    const SetupPanel::Widgets &w = window_->setupPanel()->widgets();
    // The kit's names, a separator, then every preset in its own order.
    QCOMPARE(itemsOf(w.telescope), QStringList({"My C8", "Little refractor", ""}) + planner::telescopeEntries());
    QCOMPARE(itemsOf(w.camera), QStringList({"Planet cam", "Guide cam", ""}) + planner::cameraEntries());
    QVERIFY(!w.kitProblem->isVisible());
}

void TstPlannerWindowKit::choosingAKitTelescopeFillsTheBoxes()
{
    QVERIFY(test::writeKit(test::sampleKit()));
    open();
    const SetupPanel::Widgets &w = window_->setupPanel()->widgets();
    QVERIFY(chooseAsUser(w.telescope, 1));
    QCOMPARE(w.focalLength->text(), QStringLiteral("400"));
    QCOMPARE(w.aperture->text(), QStringLiteral("70"));
    // The kit's values, not to be typed over here.
    QVERIFY(w.focalLength->isReadOnly());
    const planner::Setup &s = window_->setupPanel()->inputs().setup;
    QCOMPARE(s.telescope, QStringLiteral("User-Defined"));
    QCOMPARE(s.telescopeLabel, QStringLiteral("Little refractor"));
    QCOMPARE(s.focalLength, QStringLiteral("400"));
    QCOMPARE(planner::show(s).box(Box::Flength), QStringLiteral("400"));

    // A preset after it is the preset again, with no kit name left over.
    QVERIFY(chooseAsUser(w.telescope, w.telescope->findText("DR-106")));
    QCOMPARE(window_->setupPanel()->inputs().setup.telescope, QStringLiteral("DR-106"));
    QCOMPARE(window_->setupPanel()->inputs().setup.telescopeLabel, QString());
    QCOMPARE(w.focalLength->text(), QStringLiteral("530"));
}

void TstPlannerWindowKit::choosingAKitCameraOffersItsBinning_data()
{
    QTest::addColumn<int>("camera");
    QTest::addColumn<QStringList>("modes");
    QTest::addColumn<int>("bin");
    QTest::addColumn<QStringList>("boxes"); // pixel width, height, chip width, height
    QTest::newRow("planet cam 1x1") << 0 << QStringList{"1x1", "2x2"} << 1 << QStringList{"2.9", "2.9", "1936", "1096"};
    QTest::newRow("planet cam 2x2") << 0 << QStringList{"1x1", "2x2"} << 2 << QStringList{"5.8", "5.8", "968", "548"};
    QTest::newRow("guide cam") << 1 << QStringList{"1x1"} << 1 << QStringList{"3.75", "3.75", "1280", "960"};
}

void TstPlannerWindowKit::choosingAKitCameraOffersItsBinning()
{
    QFETCH(int, camera);
    QFETCH(QStringList, modes);
    QFETCH(int, bin);
    QFETCH(QStringList, boxes);
    QVERIFY(test::writeKit(test::sampleKit()));
    open();
    const SetupPanel::Widgets &w = window_->setupPanel()->widgets();
    QVERIFY(chooseAsUser(w.camera, camera));
    QCOMPARE(itemsOf(w.binning), modes);
    QCOMPARE(w.binning->isEnabled(), modes.size() > 1);
    QVERIFY(chooseAsUser(w.binning, modes.indexOf(QStringLiteral("%1x%1").arg(bin))));
    QCOMPARE((QStringList{w.pixelWidth->text(), w.pixelHeight->text(), w.chipWidth->text(), w.chipHeight->text()}),
             boxes);
    const planner::Setup &s = window_->setupPanel()->inputs().setup;
    planner::Setup taken;
    taken.takeCamera(test::sampleKit().cameras.at(camera), bin);
    QCOMPARE(s.camera, QStringLiteral("User-Defined"));
    QCOMPARE(s.cameraLabel, taken.cameraLabel);
    QCOMPARE(s.pixelWidth, boxes.at(0));
    QCOMPARE(s.chipHeight, boxes.at(3));
    QCOMPARE(planner::show(s).box(Box::Chipsize_width), boxes.at(2));

    // Back to a preset camera: the calculator's binning modes again.
    QVERIFY(chooseAsUser(w.camera, w.camera->findText("None or Film")));
    QCOMPARE(itemsOf(w.binning), planner::binningModes());
}

void TstPlannerWindowKit::kitEntryNamedLikeAPresetIsNotThePreset()
{
    storage::Kit kit;
    kit.telescopes = {{"CR-150", 999, 99}};
    QVERIFY(test::writeKit(kit));
    open();
    const SetupPanel::Widgets &w = window_->setupPanel()->widgets();
    PlannerInputs in = window_->setupPanel()->inputs();
    QVERIFY(in.setup.chooseTelescope("CR-150"));
    window_->setupPanel()->setInputs(in);
    // The preset is chosen, with its own values.
    QVERIFY(w.telescope->currentIndex() > 1);
    QCOMPARE(w.focalLength->text(), QStringLiteral("1050"));
    QVERIFY(chooseAsUser(w.telescope, 0));
    QCOMPARE(w.focalLength->text(), QStringLiteral("999"));
    QCOMPARE(window_->setupPanel()->inputs().setup.telescope, QStringLiteral("User-Defined"));
    // Past the kit entry and the separator.
    QVERIFY(chooseAsUser(w.telescope, 2 + int(planner::telescopeEntries().indexOf("CR-150"))));
    QCOMPARE(window_->setupPanel()->inputs().setup.telescope, QStringLiteral("CR-150"));
    QCOMPARE(w.focalLength->text(), QStringLiteral("1050"));
}

void TstPlannerWindowKit::kitChoiceOutlivesARestart()
{
    QVERIFY(test::writeKit(test::sampleKit()));
    open();
    const SetupPanel::Widgets *w = &window_->setupPanel()->widgets();
    QVERIFY(chooseAsUser(w->telescope, 0));
    QVERIFY(chooseAsUser(w->camera, 0));
    QVERIFY(chooseAsUser(w->binning, 1));
    window_->close();
    window_.reset();
    open();
    w = &window_->setupPanel()->widgets();
    QCOMPARE(w->telescope->currentText(), QStringLiteral("My C8"));
    QCOMPARE(w->camera->currentText(), QStringLiteral("Planet cam"));
    QCOMPARE(w->binning->currentText(), QStringLiteral("2x2"));
    QCOMPARE(w->pixelWidth->text(), QStringLiteral("5.8"));
}

void TstPlannerWindowKit::listsFollowTheKitDialog()
{
    QVERIFY(test::writeKit(test::sampleKit()));
    open();
    const SetupPanel::Widgets &w = window_->setupPanel()->widgets();
    QVERIFY(chooseAsUser(w.telescope, 0));
    window_->findChild<QAction *>("KitDialog")->trigger();
    auto *dialog = test::openDialog<KitDialog>(window_.get());
    QVERIFY(dialog);
    // The chosen telescope changes, another is added, a camera goes.
    storage::Kit kit = dialog->kit();
    QVERIFY(dialog->addEntry(storage::KitTelescope{"Dob 300", 1500, 300}));
    dialog->tabs()->setCurrentIndex(0);
    dialog->table(storage::KitKind::Telescope)->selectRow(0);
    dialog->findChild<QPushButton *>("KitEdit")->click();
    auto *form = test::openDialog<QDialog>(dialog);
    QVERIFY(form);
    auto *focal = form->findChild<QLineEdit *>("FocalLength");
    QVERIFY(focal);
    focal->selectAll();
    QTest::keyClicks(focal, "2000");
    form->accept();
    dialog->tabs()->setCurrentIndex(1);
    dialog->table(storage::KitKind::Camera)->selectRow(1);
    dialog->findChild<QPushButton *>("KitRemove")->click();
    // Nothing changes in the window before OK.
    QCOMPARE(w.telescope->itemText(2), QString());
    dialog->buttons()->button(QDialogButtonBox::Ok)->click();

    QCOMPARE(itemsOf(w.telescope).mid(0, 4), QStringList({"My C8", "Little refractor", "Dob 300", ""}));
    QCOMPARE(itemsOf(w.camera).mid(0, 2), QStringList({"Planet cam", ""}));
    // The chosen entry shows its new values.
    QCOMPARE(w.telescope->currentText(), QStringLiteral("My C8"));
    QCOMPARE(w.focalLength->text(), QStringLiteral("2000"));
    QCOMPARE(window_->setupPanel()->inputs().setup.focalLength, QStringLiteral("2000"));
}

void TstPlannerWindowKit::unreadableKitIsSaidAndPresetsStay()
{
    const QByteArray bad("{ \"format\": \"vkp2-kit\", \"version\": 1, \"telescopes\": [ { \"name\": ");
    QVERIFY(test::writeRaw(bad));
    open();
    const SetupPanel::Widgets &w = window_->setupPanel()->widgets();
    QVERIFY(w.kitProblem->isVisible());
    QVERIFY2(w.kitProblem->text().contains(storage::readKitFile(storage::kitFilePath()).problem),
             qPrintable(w.kitProblem->text()));
    QCOMPARE(itemsOf(w.telescope), planner::telescopeEntries());
    QCOMPARE(itemsOf(w.camera), planner::cameraEntries());
    QVERIFY(messages_.shown.isEmpty());

    // The Kit dialog opened and closed with OK leaves the file as it was.
    window_->openKitDialog();
    auto *dialog = test::openDialog<KitDialog>(window_.get());
    QVERIFY(dialog);
    dialog->buttons()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(test::kitBytes(), bad);
    QVERIFY(w.kitProblem->isVisible());
}

void TstPlannerWindowKit::openInTheCalculatorWritesTheSetup_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("kit telescope, kit camera binned")
        << "kit" << QStringList{"User-Defined", "WS 12.5mm", "User-Defined", "2032", "203", "5", "120",
                                "5.8", "5.8", "968", "548"};
    QTest::newRow("presets") << "presets" << QStringList{"CR-150", "WS 12.5mm", "SBIG ST-237A", "1050", "150", "5", "120",
                                                         "7.4", "7.4", "657", "495"};
    QTest::newRow("prime focus, no camera")
        << "prime" << QStringList{"DR-106", "No-VKP2", "None or Film", "530", "106", "0", "0", "", "", "", ""};
}

void TstPlannerWindowKit::openInTheCalculatorWritesTheSetup()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, lines);
    const storage::Kit kit = test::sampleKit();
    planner::Setup s;
    s.ocular = "WS 12.5mm";
    s.d = "120";
    if (setup == "kit") {
        s.takeTelescope(kit.telescopes.at(0));
        s.takeCamera(kit.cameras.at(0), 2);
    } else if (setup == "presets") {
        QVERIFY(s.chooseTelescope("CR-150"));
        QVERIFY(s.chooseCamera("SBIG ST-237A"));
    } else {
        QVERIFY(s.chooseOcular("No-VKP2"));
    }
    QVERIFY(!storage::calculatorRunning());
    int starts = 0;
    const OpenedInCalculator opened = openInCalculator(s, [&](QString *) {
        ++starts;
        return true;
    });
    QVERIFY(opened.written);
    QVERIFY(opened.started);
    QCOMPARE(starts, 1);
    QCOMPARE(fileBytes(calculatorFile()), (lines.join("\r\n") + "\r\n").toUtf8());
    QVERIFY2(opened.message.contains(QDir::toNativeSeparators(calculatorFile())), qPrintable(opened.message));
    // The calculator reads it back as this setup.
    const auto back = planner::setupFromFile(calculatorFile());
    QVERIFY(back);
    QCOMPARE(back->focalLength, lines.at(3));
    QCOMPARE(back->chipWidth, lines.at(9));
}

void TstPlannerWindowKit::failedStartIsSaid()
{
    planner::Setup s;
    const OpenedInCalculator opened = openInCalculator(s, [](QString *problem) {
        *problem = QStringLiteral("no such program here");
        return false;
    });
    QVERIFY(opened.written);
    QVERIFY(!opened.started);
    QVERIFY2(opened.message.contains("no such program here"), qPrintable(opened.message));
    QVERIFY(QFile::exists(calculatorFile()));
}

void TstPlannerWindowKit::runningCalculatorMeansNothingIsWritten()
{
    const storage::CalculatorInstance running;
    QVERIFY(running.held());
    QVERIFY(storage::calculatorRunning());
    open();
    // No file: none is made.
    window_->findChild<QAction *>("OpenInCalculator")->trigger();
    QVERIFY(!QFile::exists(calculatorFile()));
    const QString said = window_->statusBar()->currentMessage();
    QVERIFY2(said.contains("running"), qPrintable(said));
    QVERIFY(messages_.shown.isEmpty());

    // A file the calculator has is left byte for byte, and no starter is asked.
    QFile f(calculatorFile());
    QVERIFY(f.open(QIODevice::WriteOnly));
    const QByteArray theirs("CR-150\r\nWS 5mm\r\nNone or Film\r\n1200\r\n150\r\n5\r\n55\r\n\r\n\r\n\r\n\r\n");
    f.write(theirs);
    f.close();
    int starts = 0;
    const OpenedInCalculator opened = openInCalculator(window_->setupPanel()->inputs().setup, [&](QString *) {
        ++starts;
        return true;
    });
    QVERIFY(!opened.written);
    QCOMPARE(starts, 0);
    QCOMPARE(fileBytes(calculatorFile()), theirs);
}

QTEST_MAIN(TstPlannerWindowKit)
#include "tst_planner_window_kit.moc"
