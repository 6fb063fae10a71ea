// The planner window against what a user meets besides the pictures: values the calculator
// replaces, setups saved under another locale or by the calculator later, the keyboard, screen
// readers and small screens.

#include "support/widgets/private_home.h"
#include "calculator/core/numbers.h"
#include "planner/setup.h"
#include "support/calculator/recorded_message_boxes.h"
#include "widgets/planner_window/focal_chart.h"
#include "widgets/planner_window/framing_view.h"
#include "widgets/planner_window/planner_window.h"
#include "widgets/planner_window/setup_panel.h"
#include "widgets/planner_window/solve_table.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace vkp2;
using namespace vkp2::planner_window;

namespace {

QChar mnemonicOf(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == '&') {
            if (text.at(i + 1) != '&')
                return text.at(i + 1).toLower();
            ++i;
        }
    }
    return {};
}

} // namespace

class TstPlannerWindowUse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void replacedValueShowsTheCalculatorsMessage_data();
    void replacedValueShowsTheCalculatorsMessage();
    void ownNumbersReadInAnotherLocale_data();
    void ownNumbersReadInAnotherLocale();
    void calculatorsFileInAnotherLocaleSaysSo();
    void newerSetupWins_data();
    void newerSetupWins();
    void tabLeavesTheSolveTable();
    void germanNumbersInTableAndBand();
    void mnemonicsAreUnique();
    void textsReachScreenReaders();
    void windowFitsTheScreen_data();
    void windowFitsTheScreen();

private:
    void open();
    void setInputs(const planner::Setup &setup);
    void writeCalculatorFile(const planner::Setup &setup);
    QString calculatorFile() const { return QDir::current().filePath("vkp2user.dat"); }
    test::PrivateHome home_;
    RecordedMessageBoxes messages_;
    std::unique_ptr<PlannerWindow> window_;
};

void TstPlannerWindowUse::initTestCase()
{
    QVERIFY(home_.enter());
}

void TstPlannerWindowUse::init()
{
    QFile::remove(calculatorFile());
    QSettings("VKP2", kSettingsApplication).clear();
}

void TstPlannerWindowUse::cleanup()
{
    window_.reset();
    messages_.clear();
    QLocale::setDefault(QLocale::c());
}

void TstPlannerWindowUse::open()
{
    window_ = std::make_unique<PlannerWindow>(messages_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TstPlannerWindowUse::setInputs(const planner::Setup &setup)
{
    PlannerInputs in = window_->setupPanel()->inputs();
    in.setup = setup;
    window_->setupPanel()->setInputs(in);
}

void TstPlannerWindowUse::writeCalculatorFile(const planner::Setup &setup)
{
    QStringList lines;
    for (const QString &line : setup.toUserData())
        lines << line;
    QFile f(calculatorFile());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(lines.mid(1).join("\r\n").toLatin1() + "\r\n");
}

void TstPlannerWindowUse::replacedValueShowsTheCalculatorsMessage_data()
{
    QTest::addColumn<QString>("box");   // the panel's box
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Box>("shownBox");
    QTest::addColumn<QString>("used");
    QTest::newRow("D 1200") << "D" << "1200" << "Distance - D must be between 0 and 1000" << Box::Distance_d << "55";
    QTest::newRow("D -5") << "D" << "-5" << "Distance - D must be between 0 and 1000" << Box::Distance_d << "55";
    QTest::newRow("TL 50") << "TL" << "50" << "Distance - TL must be between 0 and 30" << Box::Distance_tl << "5";
    QTest::newRow("focal length 0") << "F" << "0" << "Enter a number greater than 50." << Box::Flength << "50";
    QTest::newRow("aperture 0") << "A" << "0" << "Enter a number greater than 50." << Box::Aperture << "50";
}

void TstPlannerWindowUse::replacedValueShowsTheCalculatorsMessage()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(Box, shownBox);
    QFETCH(QString, used);
    open();
    planner::Setup setup;
    setup.typeTelescope("800", "100");
    setup.chooseCamera("SBIG ST-237A");
    setup.ocular = "WS 12.5mm";
    setup.d = "120";
    setInputs(setup);
    const SetupPanel::Widgets &w = window_->setupPanel()->widgets();
    QLineEdit *edit = box == "D" ? w.d : box == "TL" ? w.tl : box == "F" ? w.focalLength : w.aperture;
    QVERIFY(!w.problems->isVisible());
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);

    // The box keeps what was typed, framed, and the calculator's message is in the line.
    QCOMPARE(edit->text(), typed);
    QVERIFY(SetupPanel::isMarkedInvalid(edit));
    QVERIFY(w.problems->isVisible());
    QVERIFY2(w.problems->text().contains(message), qPrintable(w.problems->text()));
    QCOMPARE(w.problems->text().count(message), 1);
    QVERIFY(messages_.shown.isEmpty());

    // Everything else shows the one value the calculator uses.
    planner::Setup typedSetup = setup;
    (box == "D" ? typedSetup.d : box == "TL" ? typedSetup.tl : box == "F" ? typedSetup.focalLength
                                                                           : typedSetup.aperture) = typed;
    const planner::Shown calculator = planner::show(typedSetup);
    QCOMPARE(calculator.box(shownBox), used);
    QCOMPARE(window_->chart()->cursorShown().box(shownBox), used);
    QCOMPARE(window_->chart()->cursorShown().box(Box::efl), calculator.box(Box::efl));
    const QString words = window_->framingText()->text();
    QVERIFY2(words.contains(QStringLiteral("at D %1 mm: EFL %2 mm").arg(calculator.box(Box::Distance_d), calculator.box(Box::efl))),
             qPrintable(words));
    if (box == "D")
        QCOMPARE(window_->chart()->cursorDistance(), 55);
    const QStringList csv = QString::fromUtf8(window_->solveTable()->csv()).split('\n');
    QVERIFY2(csv.at(1).contains(QStringLiteral(",%1,").arg(calculator.box(Box::Distance_tl))), qPrintable(csv.at(1)));

    // A value in range takes the frame and the line away.
    edit->selectAll();
    QTest::keyClicks(edit, box == "TL" ? "6" : "100");
    QVERIFY(!SetupPanel::isMarkedInvalid(edit));
    QVERIFY(!w.problems->isVisible());
}

void TstPlannerWindowUse::ownNumbersReadInAnotherLocale_data()
{
    QTest::addColumn<QString>("saved"); // how the state came to be
    QTest::newRow("saved by the planner in English") << "planner";
    QTest::newRow("older state with dots") << "dots";
}

void TstPlannerWindowUse::ownNumbersReadInAnotherLocale()
{
    QFETCH(QString, saved);
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    setup.typeCamera("7.4", "7.4", "657", "495");
    setup.ocular = "WS 12.5mm";
    setup.d = "120.5";
    if (saved == "planner") {
        open();
        setInputs(setup);
        window_->close();
        window_.reset();
        // Kept as typed, with a dot: no digits the user never typed.
        QSettings s("VKP2", kSettingsApplication);
        s.beginGroup("Planner");
        QCOMPARE(s.value("PixelWidth").toString(), QString("7.4"));
        QCOMPARE(s.value("D").toString(), QString("120.5"));
    } else {
        QSettings s("VKP2", kSettingsApplication);
        s.beginGroup("Planner");
        for (const auto &[key, value] : {std::pair{"Telescope", setup.telescope}, {"FocalLength", setup.focalLength},
                                         {"Aperture", setup.aperture}, {"Ocular", setup.ocular}, {"TL", setup.tl},
                                         {"D", setup.d}, {"Camera", setup.camera}, {"PixelWidth", setup.pixelWidth},
                                         {"PixelHeight", setup.pixelHeight}, {"ChipWidth", setup.chipWidth},
                                         {"ChipHeight", setup.chipHeight}, {"Binning", setup.binning}})
            s.setValue(QLatin1String(key), value);
    }
    QLocale::setDefault(QLocale("de_DE"));
    open();
    const SetupPanel::Widgets &w = window_->setupPanel()->widgets();
    QCOMPARE(w.pixelWidth->text(), QString("7,4"));
    QCOMPARE(w.d->text(), QString("120,5"));
    QVERIFY(!w.problems->isVisible());
    QVERIFY(!window_->chart()->bandLabel().isEmpty());
    QVERIFY(window_->framing()->framingGeometry().valid);
    QCOMPARE(window_->chart()->cursorShown().box(Box::Pixelsize_width), QString("7,4"));
}

void TstPlannerWindowUse::calculatorsFileInAnotherLocaleSaysSo()
{
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    setup.typeCamera("7.4", "7.4", "657", "495");
    writeCalculatorFile(setup);
    QLocale::setDefault(QLocale("de_DE"));
    open();
    const SetupPanel::Widgets &w = window_->setupPanel()->widgets();
    QCOMPARE(w.pixelWidth->text(), QString("7.4")); // as the calculator would show it
    QVERIFY(SetupPanel::isMarkedInvalid(w.pixelWidth));
    QVERIFY(w.problems->isVisible());
    QVERIFY2(w.problems->text().contains("“7.4” is not a number"), qPrintable(w.problems->text()));
    // The pictures show what the calculator makes of it.
    QCOMPARE(window_->chart()->cursorShown().boxes, planner::show(window_->setupPanel()->inputs().setup).boxes);
}

void TstPlannerWindowUse::newerSetupWins_data()
{
    QTest::addColumn<bool>("calculatorNewer");
    QTest::newRow("the calculator saved later") << true;
    QTest::newRow("the planner saved later") << false;
}

void TstPlannerWindowUse::newerSetupWins()
{
    QFETCH(bool, calculatorNewer);
    planner::Setup calc;
    calc.chooseTelescope("BR-128");
    calc.ocular = "PT 9mm";
    calc.d = "77";
    writeCalculatorFile(calc);
    {
        QFile f(calculatorFile());
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(calculatorNewer ? 3600 : -3600),
                              QFileDevice::FileModificationTime));
    }
    open();
    window_->setupPanel()->pick("WS 24mm", "300");
    window_->close();
    window_.reset();

    open();
    const planner::Setup &now = window_->setupPanel()->inputs().setup;
    QCOMPARE(now.d, QString(calculatorNewer ? "77" : "300"));
    QCOMPARE(now.ocular, QString(calculatorNewer ? "PT 9mm" : "WS 24mm"));
    QCOMPARE(window_->setupPanel()->widgets().d->text(), now.d);

    // The File menu takes the calculator's setup on request.
    QAction *take = window_->findChild<QAction *>("TakeCalculatorSetup");
    QVERIFY(take);
    take->trigger();
    QCOMPARE(window_->setupPanel()->inputs().setup.d, QString("77"));
    QCOMPARE(window_->setupPanel()->inputs().setup.telescope, QString("BR-128"));
    QCOMPARE(window_->chart()->cursorShown().box(Box::Distance_d), QString("77"));
    QVERIFY(messages_.shown.isEmpty());
}

void TstPlannerWindowUse::tabLeavesTheSolveTable()
{
    open();
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    setup.chooseCamera("SBIG ST-237A");
    setInputs(setup);
    QTableWidget *table = window_->solveTable()->table();
    table->setFocus();
    QVERIFY(QTest::qWaitFor([&] { return table->hasFocus(); }));
    table->setCurrentCell(3, 0);
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(table->currentRow(), 4);
    QTest::keyClick(table, Qt::Key_Right);
    QCOMPARE(table->currentColumn(), 1);
    QVERIFY(table->hasFocus());
    QTest::keyClick(table, Qt::Key_Tab);
    QVERIFY(!table->hasFocus());
    QCOMPARE(table->currentRow(), 4);
}

void TstPlannerWindowUse::germanNumbersInTableAndBand()
{
    QLocale::setDefault(QLocale("de_DE"));
    open();
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    setup.chooseCamera("SBIG ST-237A");
    setInputs(setup);
    window_->solveTable()->setGoal(SolveTable::GoalKind::FocalRatio, 25);
    static const QRegularExpression dotted(QStringLiteral("\\d\\.\\d"));
    QTableWidget *table = window_->solveTable()->table();
    int reasons = 0, withComma = 0;
    for (int r = 0; r < table->rowCount(); ++r) {
        const QString text = table->item(r, SolveTable::Distance)->text();
        if (text.startsWith("needs D = ")) {
            ++reasons;
            withComma += text.contains(',');
            QVERIFY2(!text.contains(dotted), qPrintable(text));
        }
    }
    QVERIFY(reasons > 0 && withComma > 0);
    QVERIFY2(!window_->chart()->bandLabel().contains(dotted), qPrintable(window_->chart()->bandLabel()));
    // The CSV keeps dots.
    QVERIFY(QString::fromUtf8(window_->solveTable()->csv()).contains(QRegularExpression("needs D = -?\\d+\\.\\d")));
}

void TstPlannerWindowUse::mnemonicsAreUnique()
{
    open();
    QHash<QChar, QString> seen;
    QStringList clashes;
    auto take = [&](const QString &text) {
        const QChar m = mnemonicOf(text);
        if (m.isNull())
            return;
        if (seen.contains(m))
            clashes << QStringLiteral("%1: %2 and %3").arg(m, seen.value(m), text);
        seen.insert(m, text);
    };
    for (QAction *a : window_->menuBar()->actions())
        take(a->text());
    for (QLabel *l : window_->findChildren<QLabel *>())
        if (l->buddy())
            take(l->text());
    for (QAbstractButton *b : window_->findChildren<QAbstractButton *>())
        take(b->text());
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join("; ")));
    QVERIFY(seen.size() > 15);
}

void TstPlannerWindowUse::textsReachScreenReaders()
{
    open();
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    setup.chooseCamera("SBIG ST-237A");
    setup.ocular = "WS 12.5mm";
    setup.d = "120";
    setInputs(setup);
    QLabel *labels[] = {window_->framingText(), window_->setupPanel()->widgets().problems, window_->cursorLabel()};
    QLineEdit *d = window_->setupPanel()->widgets().d;
    // Each text, as it changes, is what a screen reader reads under the label's fixed name.
    for (const char *typed : {"1200", "x", "140"}) {
        d->setFocus();
        d->selectAll();
        QTest::keyClicks(d, QLatin1String(typed));
        for (QLabel *label : labels) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
            QVERIFY(iface);
            QVERIFY(!iface->text(QAccessible::Name).isEmpty());
            QCOMPARE(iface->text(QAccessible::Description), label->text());
        }
        QVERIFY(window_->setupPanel()->widgets().problems->text().isEmpty() == (QByteArray(typed) == "140"));
    }
}

void TstPlannerWindowUse::windowFitsTheScreen_data()
{
    QTest::addColumn<QSize>("saved"); // a size kept from a larger screen; empty for none
    QTest::newRow("first start") << QSize();
    QTest::newRow("kept from a larger screen") << QSize(2480, 1720);
}

void TstPlannerWindowUse::windowFitsTheScreen()
{
    QFETCH(QSize, saved);
    if (saved.isValid()) {
        QWidget big;
        big.resize(saved);
        QSettings("VKP2", kSettingsApplication).setValue("Planner/Geometry", big.saveGeometry());
    }
    open();
    const QRect free = window_->screen()->availableGeometry();
    QVERIFY2(free.contains(window_->frameGeometry()),
             qPrintable(QStringLiteral("%1 x %2 on %3 x %4")
                            .arg(window_->frameGeometry().width()).arg(window_->frameGeometry().height())
                            .arg(free.width()).arg(free.height())));
    // It can be made smaller still, down to a fraction of the screen.
    const QSize least = window_->minimumSizeHint().expandedTo(window_->minimumSize());
    QVERIFY2(least.width() <= free.width() / 2 && least.height() <= free.height() / 2,
             qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
}

QTEST_MAIN(TstPlannerWindowUse)
#include "tst_planner_window_use.moc"
