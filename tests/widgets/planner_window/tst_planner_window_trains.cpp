// The planner window with an optical train beside the VKP-2: a typed Barlow or reducer gives its
// focal length in the results, typed numbers the engine refuses are marked where they are typed
// and draw nothing, the kit's lenses and eyepieces are curves of the chart and rows of the solve
// table that set the train when picked, and the train outlives a restart.

#include "support/widgets/private_home.h"
#include "planner/setup.h"
#include "planner/train_setup.h"
#include "storage/kit_file.h"
#include "storage/setup_location.h"
#include "support/calculator/recorded_message_boxes.h"
#include "widgets/planner_window/element_panel.h"
#include "widgets/planner_window/field_mark.h"
#include "widgets/planner_window/focal_chart.h"
#include "widgets/planner_window/kit_fixture.h"
#include "widgets/planner_window/planner_window.h"
#include "widgets/planner_window/setup_panel.h"
#include "widgets/planner_window/solve_table.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace vkp2;
using namespace vkp2::planner_window;

namespace {

bool chooseAsUser(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
}

// The whole text at once, as a paste.
void pasteInto(QLineEdit *e, const QString &text)
{
    e->setFocus();
    e->selectAll();
    e->insert(text);
}

void typeInto(QLineEdit *e, const QString &text)
{
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, text);
}

} // namespace

class TstPlannerWindowTrains : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void typedLensGivesItsFocalLength_data();
    void typedLensGivesItsFocalLength();
    void refusedNumbersAreMarkedAndDrawNothing_data();
    void refusedNumbersAreMarkedAndDrawNothing();
    void chartDrawsTheKitsTrains();
    void pickingALensCurveSetsTheTrain();
    void solveTableSolvesTheKitBarlow_data();
    void solveTableSolvesTheKitBarlow();
    void trainOutlivesARestart_data();
    void trainOutlivesARestart();

private:
    void open();
    // F 2000 mm, A 200 mm, the lens alone at prime focus.
    void typeTelescopeAtPrimeFocus();
    // The element as a user sets it, typed values for a lens.
    void typeLens(const QString &kind, const QString &factor, const QString &design, const QString &spacing);
    const ElementPanel::Widgets &element() const { return window_->setupPanel()->widgets().element->widgets(); }
    test::PrivateHome home_;
    RecordedMessageBoxes messages_;
    std::unique_ptr<PlannerWindow> window_;
};

void TstPlannerWindowTrains::initTestCase()
{
    QVERIFY(home_.enter());
    QLocale::setDefault(QLocale::c());
}

void TstPlannerWindowTrains::init()
{
    QFile::remove(storage::kitFilePath(storage::FolderCreation::Create));
    QFile::remove(storage::userEquipmentFilePath(storage::FolderCreation::Create));
    QSettings("VKP2", kSettingsApplication).clear();
}

void TstPlannerWindowTrains::cleanup()
{
    window_.reset();
    messages_.clear();
}

void TstPlannerWindowTrains::open()
{
    window_ = std::make_unique<PlannerWindow>(messages_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TstPlannerWindowTrains::typeTelescopeAtPrimeFocus()
{
    planner::Setup setup;
    setup.typeTelescope("2000", "200");
    setup.chooseOcular(entries::NoVkp2);
    PlannerInputs in = window_->setupPanel()->inputs();
    in.setup = setup;
    window_->setupPanel()->setInputs(in);
}

void TstPlannerWindowTrains::typeLens(const QString &kind, const QString &factor, const QString &design,
                                      const QString &spacing)
{
    QVERIFY(chooseAsUser(element().kind, kind));
    QVERIFY(chooseAsUser(element().entry, "Typed values"));
    typeInto(element().factor, factor);
    typeInto(element().designSpacing, design);
    typeInto(element().spacing, spacing);
}

void TstPlannerWindowTrains::typedLensGivesItsFocalLength_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QString>("design");
    QTest::addColumn<QString>("spacing");
    QTest::addColumn<QString>("results");
    // f = s0 / (1 - A0), A = 1 - s / f, EFL = A x 2000, N = EFL / 200.
    // f = 100 / (1 - 2) = -100; A = 1 + 150 / 100 = 2.5.
    QTest::newRow("Barlow beyond its design spacing") << "Barlow" << "2" << "100" << "150"
                                                      << "EFL 5000 mm, focal ratio 25.";
    // At the design spacing the nominal factor holds.
    QTest::newRow("Barlow at its design spacing") << "Barlow" << "2" << "100" << "" << "EFL 4000 mm, focal ratio 20.";
    // f = 100 / 0.5 = 200; A = 1 - 50 / 200 = 0.75.
    QTest::newRow("reducer closer in") << "Reducer" << "0.5" << "100" << "50" << "EFL 1500 mm, focal ratio 7.5.";
    // No design spacing: a fixed factor of 3.
    QTest::newRow("fixed factor") << "Barlow" << "3" << "" << "" << "EFL 6000 mm, focal ratio 30.";
}

void TstPlannerWindowTrains::typedLensGivesItsFocalLength()
{
    QFETCH(QString, kind);
    QFETCH(QString, factor);
    QFETCH(QString, design);
    QFETCH(QString, spacing);
    QFETCH(QString, results);
    open();
    typeTelescopeAtPrimeFocus();
    typeLens(kind, factor, design, spacing);
    QVERIFY(!window_->setupPanel()->trainHasProblem());
    const QString text = window_->framingText()->text();
    QVERIFY2(text.contains(results), qPrintable(text));
    QVERIFY(window_->setupPanel()->inputs().setup.train.lens);
}

void TstPlannerWindowTrains::refusedNumbersAreMarkedAndDrawNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QString>("design");
    QTest::addColumn<QString>("spacing");
    QTest::addColumn<QString>("marked"); // the box's object name
    QTest::addColumn<QString>("says");
    QTest::newRow("factor 0") << "Barlow" << "0" << "100" << "" << "element_factor_nominal" << "factor must be";
    QTest::newRow("factor -1") << "Barlow" << "-1" << "100" << "" << "element_factor_nominal" << "factor must be";
    QTest::newRow("Barlow below 1") << "Barlow" << "0.5" << "100" << "" << "element_factor_nominal" << "is a reducer's";
    QTest::newRow("design spacing 0") << "Barlow" << "2" << "0" << "" << "design_spacing_mm" << "design spacing must be";
    // f = 100 / (1 - 0.63) = 270.27 mm: a spacing of 300 mm is past it.
    QTest::newRow("reducer past its focal length") << "Reducer" << "0.63" << "100" << "300" << "spacing_mm"
                                                   << "forms no image";
    QTest::newRow("no number") << "Barlow" << "two" << "100" << "" << "element_factor_nominal" << "is not a number";
}

void TstPlannerWindowTrains::refusedNumbersAreMarkedAndDrawNothing()
{
    QFETCH(QString, kind);
    QFETCH(QString, factor);
    QFETCH(QString, design);
    QFETCH(QString, spacing);
    QFETCH(QString, marked);
    QFETCH(QString, says);
    open();
    typeTelescopeAtPrimeFocus();
    // A sound typed lens first, which stays in use.
    typeLens("Barlow", "2", "100", "150");
    QVERIFY(window_->chart()->curveNames().contains("Barlow 2x (typed)"));
    QVERIFY(chooseAsUser(element().kind, kind));
    QVERIFY(!window_->setupPanel()->trainHasProblem());
    const QString before = window_->framingText()->text();
    pasteInto(element().factor, factor);
    pasteInto(element().designSpacing, design);
    pasteInto(element().spacing, spacing);

    QVERIFY(window_->setupPanel()->trainHasProblem());
    auto *box = window_->findChild<QLineEdit *>(marked);
    QVERIFY(box);
    QVERIFY(isMarkedInvalid(box));
    for (QLineEdit *other : {element().factor, element().designSpacing, element().spacing})
        QCOMPARE(isMarkedInvalid(other), other == box);
    QVERIFY(element().problem->isVisible());
    QVERIFY2(element().problem->text().contains(says), qPrintable(element().problem->text()));
    QCOMPARE(box->toolTip(), element().problem->text());
    // No curve for the typed element; the framing keeps the last sound train.
    for (const QString &name : window_->chart()->curveNames())
        QVERIFY2(!name.contains("typed"), qPrintable(name));
    QCOMPARE(window_->framingText()->text(), before);
    for (int r = 0; r < window_->solveTable()->table()->rowCount(); ++r)
        QVERIFY(!window_->solveTable()->table()->item(r, 0)->text().contains("typed"));
}

void TstPlannerWindowTrains::chartDrawsTheKitsTrains()
{
    storage::Kit kit = test::sampleKit();
    kit.lenses << storage::KitLens{QStringLiteral("Extender 1.4x"), 1.4, std::nullopt, std::nullopt};
    QVERIFY(test::writeKit(kit));
    open();
    const FocalChart *chart = window_->chart();
    const QStringList names = chart->curveNames();
    const qsizetype barlow = names.indexOf("Barlow 2x");
    QVERIFY2(barlow > 0, qPrintable(names.join(", ")));
    QVERIFY(!chart->isFixedCurve(int(barlow)));
    // Spacing from 50 to 300 mm in 5 mm steps, both ends included.
    QCOMPARE(chart->pointCount(int(barlow)), 51);
    QVERIFY(names.contains("Plössl 10 in projection"));
    const qsizetype fixed = names.indexOf("Extender 1.4x (fixed, at 0 mm)");
    QVERIFY2(fixed > 0, qPrintable(names.join(", ")));
    QVERIFY(chart->isFixedCurve(int(fixed)));
    QCOMPARE(chart->pointCount(int(fixed)), 0); // a marker, no line
    QCOMPARE(chart->axisTitle(), QStringLiteral("D, spacing or projection distance (mm)"));
}

void TstPlannerWindowTrains::pickingALensCurveSetsTheTrain()
{
    QVERIFY(test::writeKit(test::sampleKit()));
    open();
    planner::Setup setup;
    setup.chooseTelescope("CR-150"); // F 1050 mm, A 150 mm
    PlannerInputs in = window_->setupPanel()->inputs();
    in.setup = setup;
    window_->setupPanel()->setInputs(in);
    FocalChart *chart = window_->chart();
    const int barlow = int(chart->curveNames().indexOf("Barlow 2x"));
    chart->setCursorOn(barlow, 150);
    // A = 1 + 150 / 100 = 2.5: EFL 2625 mm, N = 17.5.
    QVERIFY2(chart->cursorText().startsWith("Barlow 2x, spacing 150 mm: EFL 2625 mm, focal ratio 17.5"),
             qPrintable(chart->cursorText()));
    // Below its usable spacing the cursor stops at 50 mm.
    chart->setCursorOn(barlow, 10);
    QCOMPARE(chart->cursorDistance(), 50);
    chart->setCursorOn(barlow, 150);
    chart->setFocus();
    QTest::keyClick(chart, Qt::Key_Return);
    const planner::Setup now = window_->setupPanel()->inputs().setup;
    QCOMPARE(now.ocular, QString(entries::NoVkp2));
    QVERIFY(now.train.lens);
    QCOMPARE(now.train.lens->name, QStringLiteral("Barlow 2x"));
    QCOMPARE(now.train.lens->spacingMm, std::optional(150.0));
    QCOMPARE(element().kind->currentText(), QStringLiteral("Barlow"));
    QCOMPARE(element().entry->currentText(), QStringLiteral("Barlow 2x"));
    QCOMPARE(element().spacing->text(), QStringLiteral("150"));
    QVERIFY(window_->framingText()->text().contains("EFL 2625 mm, focal ratio 17.5."));
    // The cursor stays on the curve it picked.
    QCOMPARE(chart->cursorCurve(), barlow);
}

void TstPlannerWindowTrains::solveTableSolvesTheKitBarlow_data()
{
    QTest::addColumn<double>("goal");
    QTest::addColumn<QString>("cell");
    // CR-150: N 20 is EFL 3000 mm, A = 3000 / 1050; s = -100 (1 - A) = 185.71 mm.
    QTest::newRow("reached") << 20.0 << "185.71";
    // N 100 is EFL 15000 mm, A = 14.29: s = 1328.57 mm, 1228.57 beyond the design 100.
    QTest::newRow("beyond its spacings")
        << 100.0 << "needs a spacing of 1328.57 mm, 1228.57 mm beyond the design 100 mm; Barlow 2x is usable from 50 to 300 mm";
}

void TstPlannerWindowTrains::solveTableSolvesTheKitBarlow()
{
    QFETCH(double, goal);
    QFETCH(QString, cell);
    QVERIFY(test::writeKit(test::sampleKit()));
    open();
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    PlannerInputs in = window_->setupPanel()->inputs();
    in.setup = setup;
    window_->setupPanel()->setInputs(in);
    SolveTable *solve = window_->solveTable();
    solve->setGoal(SolveTable::GoalKind::FocalRatio, goal);
    QTableWidget *table = solve->table();
    int row = -1;
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, SolveTable::Ocular)->text() == "Barlow 2x (spacing)")
            row = r;
    QVERIFY(row >= 0);
    QCOMPARE(table->item(row, SolveTable::Distance)->text(), cell);
    if (cell.contains("needs"))
        return;
    emit table->cellDoubleClicked(row, 0);
    const planner::Setup now = window_->setupPanel()->inputs().setup;
    QVERIFY(now.train.lens);
    QCOMPARE(now.train.lens->spacingMm, std::optional(185.71));
    QCOMPARE(element().spacing->text(), QStringLiteral("185.71"));
    QCOMPARE(table->item(row, SolveTable::Efr)->text(), QStringLiteral("20"));
}

void TstPlannerWindowTrains::trainOutlivesARestart_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("typed"); // the shown number boxes, in order
    QTest::newRow("typed Barlow") << "Barlow" << "Typed values" << QStringList{"2", "100", "150"};
    QTest::newRow("kit Barlow") << "Barlow" << "Barlow 2x" << QStringList{"2", "100", "120"};
    QTest::newRow("kit eyepiece in projection") << "Eyepiece projection" << "Plössl 10" << QStringList{"10", "60"};
    QTest::newRow("afocal") << "Afocal" << "Typed values" << QStringList{"25", "50"};
}

void TstPlannerWindowTrains::trainOutlivesARestart()
{
    QFETCH(QString, kind);
    QFETCH(QString, entry);
    QFETCH(QStringList, typed);
    QVERIFY(test::writeKit(test::sampleKit()));
    open();
    QVERIFY(chooseAsUser(element().kind, kind));
    QVERIFY(chooseAsUser(element().entry, entry));
    const auto shownBoxes = [this] {
        QList<QLineEdit *> out;
        for (QLineEdit *e : {element().factor, element().designSpacing, element().spacing, element().eyepiece,
                             element().distance, element().cameraLens})
            if (e->isVisibleTo(window_.get()))
                out << e;
        return out;
    };
    QList<QLineEdit *> shown = shownBoxes();
    QCOMPARE(shown.size(), typed.size());
    for (int i = 0; i < shown.size(); ++i)
        if (!shown.at(i)->isReadOnly())
            typeInto(shown.at(i), typed.at(i));
    QVERIFY(!window_->setupPanel()->trainHasProblem());
    const QString before = planner::trainText(window_->setupPanel()->inputs().setup.train);
    QVERIFY(!before.isEmpty());
    window_->close();
    window_.reset();
    open();
    QCOMPARE(planner::trainText(window_->setupPanel()->inputs().setup.train), before);
    QCOMPARE(element().kind->currentText(), kind);
    QCOMPARE(element().entry->currentText(), entry);
    shown = shownBoxes();
    QCOMPARE(shown.size(), typed.size());
    for (int i = 0; i < shown.size(); ++i)
        QCOMPARE(shown.at(i)->text(), typed.at(i));
}

QTEST_MAIN(TstPlannerWindowTrains)
#include "tst_planner_window_trains.moc"
