// The planner window driven as a user drives it: the chart's cursor by keys, picking points and
// rows, the framing picture against its words, exports, typed mistakes, and what it leaves on
// disk.

#include "support/widgets/private_home.h"
#include "calculator/core/numbers.h"
#include "calculator/core/optics.h"
#include "planner/solve.h"
#include "planner/targets.h"
#include "support/calculator/recorded_message_boxes.h"
#include "widgets/planner_window/focal_chart.h"
#include "widgets/planner_window/framing_view.h"
#include "widgets/planner_window/planner_window.h"
#include "widgets/planner_window/setup_panel.h"
#include "widgets/planner_window/solve_table.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

using namespace vkp2;
using namespace vkp2::planner_window;

namespace {

// Splits one CSV line, quotes included.
QStringList csvFields(const QString &line)
{
    QStringList out{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"')) {
            if (quoted && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"'))
                out.last() += c, ++i;
            else
                quoted = !quoted;
        } else if (c == QLatin1Char(',') && !quoted) {
            out << QString();
        } else {
            out.last() += c;
        }
    }
    return out;
}

} // namespace

class TstPlannerWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void cursorKeysShowTheCalculatorsNumbers_data();
    void cursorKeysShowTheCalculatorsNumbers();
    void framingTextMatchesTheDrawing_data();
    void framingTextMatchesTheDrawing();
    void solveRowPicksOcularAndD();
    void exportsParse_data();
    void exportsParse();
    void exportRefusesAnUnknownSuffix_data();
    void exportRefusesAnUnknownSuffix();
    void solveCsvMatchesTheCommandLine_data();
    void solveCsvMatchesTheCommandLine();
    void solveVerdictsFollowTheBand_data();
    void solveVerdictsFollowTheBand();
    void bandLabelAndItsAbsence_data();
    void bandLabelAndItsAbsence();
    void bandFollowsTheRule_data();
    void bandFollowsTheRule();
    void failedExportLeavesNoFileAndSaysSo();
    void typedMistakeIsMarkedInline();
    void neverWritesTheCalculatorsFile_data();
    void neverWritesTheCalculatorsFile();

private:
    void open(const planner::Setup &setup, const QString &target = QStringLiteral("Jupiter"));
    test::PrivateHome home_;
    RecordedMessageBoxes messages_;
    std::unique_ptr<PlannerWindow> window_;
};

void TstPlannerWindow::initTestCase()
{
    QVERIFY(home_.enter());
}

void TstPlannerWindow::cleanup()
{
    window_.reset();
    messages_.clear();
    QLocale::setDefault(QLocale::c());
}

void TstPlannerWindow::open(const planner::Setup &setup, const QString &target)
{
    window_ = std::make_unique<PlannerWindow>(messages_);
    PlannerInputs in = window_->setupPanel()->inputs();
    in.setup = setup;
    in.target = target;
    window_->setupPanel()->setInputs(in);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TstPlannerWindow::cursorKeysShowTheCalculatorsNumbers_data()
{
    QTest::addColumn<QString>("ocular");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("keys"); // R L: 1 mm; SR SL: 10 mm; PU PD: 100 mm; U D: curves
    QTest::addColumn<QString>("pickedOcular");
    QTest::addColumn<int>("pickedD");
    QTest::newRow("1 mm steps") << "WS 12.5mm" << "120" << "R R R" << "WS 12.5mm" << 123;
    QTest::newRow("10 mm steps") << "WS 12.5mm" << "120" << "SL SL R" << "WS 12.5mm" << 101;
    QTest::newRow("page and next curve") << "WS 12.5mm" << "120" << "PU D" << "WS 18mm" << 220;
    QTest::newRow("stops at D 0") << "PT 9mm" << "120" << "PD PD L" << "PT 9mm" << 0;
    QTest::newRow("stops at D 1000") << "PT 25mm" << "950" << "PU SR" << "PT 25mm" << 1000;
    QTest::newRow("no curve before the first") << "WS 5mm" << "40" << "U U R" << "WS 5mm" << 41;
    QTest::newRow("no curve after the last") << "PT 18mm" << "40" << "D D D" << "PT 25mm" << 40;
    QTest::newRow("decimal D rounds to the mm") << "WS 7.5mm" << "80.6" << "R" << "WS 7.5mm" << 82;
}

void TstPlannerWindow::cursorKeysShowTheCalculatorsNumbers()
{
    QFETCH(QString, ocular);
    QFETCH(QString, d);
    QFETCH(QString, keys);
    QFETCH(QString, pickedOcular);
    QFETCH(int, pickedD);
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    setup.chooseCamera("SBIG ST-237A");
    setup.ocular = ocular;
    setup.d = d;
    open(setup);
    FocalChart *chart = window_->chart();
    chart->setFocus();
    for (const QString &key : keys.split(' ')) {
        static const QHash<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> map{
            {"R", {Qt::Key_Right, Qt::NoModifier}},  {"L", {Qt::Key_Left, Qt::NoModifier}},
            {"SR", {Qt::Key_Right, Qt::ShiftModifier}}, {"SL", {Qt::Key_Left, Qt::ShiftModifier}},
            {"PU", {Qt::Key_PageUp, Qt::NoModifier}}, {"PD", {Qt::Key_PageDown, Qt::NoModifier}},
            {"U", {Qt::Key_Up, Qt::NoModifier}},      {"D", {Qt::Key_Down, Qt::NoModifier}}};
        QVERIFY2(map.contains(key), qPrintable(key));
        QTest::keyClick(chart, map[key].first, map[key].second);
    }
    QTest::keyClick(chart, Qt::Key_Return);

    // The setup panel took the point, and every number is the calculator's for it.
    const planner::Setup &now = window_->setupPanel()->inputs().setup;
    QCOMPARE(now.ocular, pickedOcular);
    QCOMPARE(now.d, QString::number(pickedD));
    QCOMPARE(window_->setupPanel()->widgets().ocular->currentText(), pickedOcular);
    planner::Setup expected = setup;
    expected.ocular = pickedOcular;
    expected.d = QString::number(pickedD);
    const planner::Shown shown = planner::show(expected);
    QCOMPARE(chart->cursorShown().boxes, shown.boxes);
    const QString text = window_->cursorLabel()->text();
    QCOMPARE(text, chart->cursorText());
    QCOMPARE(chart->accessibleDescription(), text);
    QVERIFY2(text.startsWith(QStringLiteral("%1, D %2 mm:").arg(pickedOcular).arg(pickedD)), qPrintable(text));
    for (Box box : {Box::efl, Box::efr, Box::Fov_width, Box::Fov_height, Box::Pixelscale_width, Box::Pixelscale_height}) {
        QVERIFY(!shown.box(box).isEmpty());
        QVERIFY2(text.contains(shown.box(box)), qPrintable(text + " lacks " + QString::fromLatin1(infoOf(box).name)));
    }
    QVERIFY(window_->framingText()->text().contains(QStringLiteral("EFL %1 mm").arg(shown.box(Box::efl))));
}

void TstPlannerWindow::framingTextMatchesTheDrawing_data()
{
    QTest::addColumn<QString>("camera");
    QTest::addColumn<QString>("ocular");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("fitsLargest");
    QTest::addColumn<QString>("locale");
    QTest::newRow("Jupiter fits") << "SBIG ST-237A" << "WS 12.5mm" << "120" << "Jupiter" << true << "C";
    QTest::newRow("Mars, non-square pixels") << "Astrovid 2000" << "WS 7.5mm" << "150" << "Mars" << true << "C";
    QTest::newRow("tall pixels, Jupiter") << "Cookbook 245" << "WS 12.5mm" << "60" << "Jupiter" << true << "C";
    QTest::newRow("Moon overflows") << "SBIG ST-237A" << "WS 24mm" << "40" << "Moon" << false << "C";
    QTest::newRow("Saturn's rings") << "Apogee KX4" << "PT 7mm" << "300" << "Saturn" << true << "C";
    QTest::newRow("German: Mars") << "Astrovid 2000" << "WS 7.5mm" << "150.5" << "Mars" << true << "de_DE";
    QTest::newRow("German: Moon") << "SBIG ST-237A" << "WS 24mm" << "40" << "Moon" << false << "de_DE";
}

void TstPlannerWindow::framingTextMatchesTheDrawing()
{
    QFETCH(QString, camera);
    QFETCH(QString, ocular);
    QFETCH(QString, d);
    QFETCH(QString, target);
    QFETCH(bool, fitsLargest);
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    QVERIFY(setup.chooseCamera(camera));
    setup.ocular = ocular;
    setup.d = QLocale().toString(d.toDouble(), 'g', 6);
    open(setup, target);

    // The scale follows the shown EFL, as the command line computes it.
    const planner::Shown shown = planner::show(setup);
    const double efl = shown.number(Box::efl).value();
    const double pw = shown.number(Box::Pixelsize_width).value(), ph = shown.number(Box::Pixelsize_height).value();
    const int cw = int(shown.number(Box::Chipsize_width).value()), ch = int(shown.number(Box::Chipsize_height).value());
    const auto t = planner::findTarget(target.toLower()).value();
    const auto small = planner::fitTarget(t.minArcsec, optics::pixelScaleArcsec(pw, efl),
                                          optics::pixelScaleArcsec(ph, efl), cw, ch).value();
    const auto large = planner::fitTarget(t.maxArcsec, optics::pixelScaleArcsec(pw, efl),
                                          optics::pixelScaleArcsec(ph, efl), cw, ch).value();
    QCOMPARE(large.fits, fitsLargest);
    // The engine's sentences, with the size's decimal in the locale's form.
    const auto inLocale = [](QString sentence) {
        const qsizetype to = sentence.indexOf(QChar(0x2033));
        for (qsizetype i = 0; i < to; ++i)
            if (sentence.at(i) == '.' && i > 0 && sentence.at(i - 1).isDigit())
                sentence[i] = QLocale().decimalPoint().at(0);
        return sentence;
    };
    const QString words = window_->framingText()->text();
    QVERIFY2(words.contains(inLocale(planner::fitSentence(t.name, t.minArcsec, small))), qPrintable(words));
    QVERIFY2(words.contains(inLocale(planner::fitSentence(t.name, t.maxArcsec, large))), qPrintable(words));
    if (locale != "C") {
        // Every number in the words and in the picture's description in the locale's form.
        static const QRegularExpression dotted(QStringLiteral("\\d\\.\\d"));
        QVERIFY2(!QString(words).remove(ocular).contains(dotted), qPrintable(words)); // "WS 7.5mm" is a name
        QVERIFY(!window_->framing()->accessibleDescription().isEmpty());
        QVERIFY2(!window_->framing()->accessibleDescription().contains(dotted),
                 qPrintable(window_->framing()->accessibleDescription()));
    }

    // Drawn in sky angles: the frame has the field's aspect, discs are round, and the disc's
    // share of the frame width is its size over the field width.
    const double fieldW = cw * optics::pixelScaleArcsec(pw, efl), fieldH = ch * optics::pixelScaleArcsec(ph, efl);
    const FramingGeometry g = window_->framing()->framingGeometry();
    QVERIFY(g.valid);
    QVERIFY(QRectF(window_->framing()->rect()).contains(g.frame));
    QCOMPARE(g.frame.width() / g.frame.height(), fieldW / fieldH);
    QCOMPARE(g.minRadiusX, g.minRadiusY);
    QCOMPARE(g.maxRadiusX, g.maxRadiusY);
    QCOMPARE(2 * g.minRadiusX / g.frame.width(), t.minArcsec / fieldW);
    QCOMPARE(2 * g.maxRadiusX / g.frame.width(), t.maxArcsec / fieldW);
}

void TstPlannerWindow::solveRowPicksOcularAndD()
{
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    setup.chooseCamera("SBIG ST-237A");
    open(setup);
    SolveTable *solve = window_->solveTable();
    solve->setGoal(SolveTable::GoalKind::FocalRatio, 20);
    QTableWidget *table = solve->table();
    const int row = int(planner::ocularEntries().indexOf("WS 18mm"));
    const planner::Projection p{1050, planner::OcularGeometry{27.4, 58, 18}, 5};
    const planner::Solution solution = planner::solveDistance(p, planner::Goal::focalRatio(20, 150));
    QVERIFY(solution.ok());
    const QString d = numbers::format(numbers::round2(solution.distanceMm));
    QCOMPARE(table->item(row, SolveTable::Distance)->text(), d);
    planner::Setup there = setup;
    there.ocular = "WS 18mm";
    there.d = d;
    const planner::Shown shown = planner::show(there);
    QCOMPARE(table->item(row, SolveTable::Efr)->text(), shown.box(Box::efr));
    QCOMPARE(table->item(row, SolveTable::Scale)->text(),
             shown.box(Box::Pixelscale_width) + " × " + shown.box(Box::Pixelscale_height));
    // An ocular that cannot reach f/20 says why, and so does prime focus.
    const int ws5 = int(planner::ocularEntries().indexOf("WS 5mm"));
    QVERIFY(table->item(ws5, SolveTable::Distance)->text().startsWith("needs D = "));
    QVERIFY(table->item(0, SolveTable::Distance)->text().contains("prime focus"));

    table->setFocus();
    table->setCurrentCell(row, 0);
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(window_->setupPanel()->inputs().setup.ocular, QString("WS 18mm"));
    QCOMPARE(window_->setupPanel()->widgets().d->text(), d);
    QCOMPARE(window_->chart()->cursorOcularName(), QString("WS 18mm"));
}

void TstPlannerWindow::exportsParse_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("locale");
    QTest::newRow("chart PNG") << "chart" << "chart.png" << "C";
    QTest::newRow("chart SVG") << "chart" << "chart.svg" << "C";
    QTest::newRow("chart BMP") << "chart" << "chart.bmp" << "C";
    QTest::newRow("framing PNG") << "framing" << "framing.png" << "C";
    QTest::newRow("framing SVG") << "framing" << "framing.svg" << "C";
    QTest::newRow("framing SVG, German") << "framing" << "framing.svg" << "de_DE";
    QTest::newRow("table CSV") << "table" << "solve.csv" << "C";
    QTest::newRow("table CSV, decimal comma") << "table" << "solve.csv" << "de_DE";
}

// Every text element of an SVG, in document order.
static QStringList svgTexts(const QByteArray &bytes)
{
    QStringList out;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            out << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
    }
    return xml.hasError() ? QStringList{"XML error: " + xml.errorString()} : out;
}

void TstPlannerWindow::exportsParse()
{
    QFETCH(QString, what);
    QFETCH(QString, file);
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    setup.chooseCamera("SBIG ST-237A");
    setup.ocular = "WS 12.5mm";
    setup.d = "120";
    open(setup);
    QTemporaryDir out;
    const QString path = out.filePath(file);
    const bool ok = what == "chart" ? window_->exportChart(path)
                    : what == "framing" ? window_->exportFraming(path)
                                        : window_->exportSolveTable(path);
    QVERIFY(ok);
    QVERIFY(messages_.shown.isEmpty());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QWidget *widget = what == "chart" ? static_cast<QWidget *>(window_->chart()) : window_->framing();
    if (file.endsWith(".png") || file.endsWith(".bmp")) {
        // Written in the format its name says, at twice the size, with the caption below.
        const QByteArray format = QFileInfo(file).suffix().toUpper().toLatin1();
        QVERIFY(bytes.startsWith(format == "PNG" ? QByteArray("\x89PNG") : QByteArray("BM")));
        const QImage image = QImage::fromData(bytes, format.constData());
        QVERIFY(!image.isNull());
        QCOMPARE(image.width(), widget->width() * 2);
        QVERIFY(image.height() > widget->height() * 2);
    } else if (file.endsWith(".svg")) {
        QXmlStreamReader xml(bytes);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name().toString(), QString("svg"));
        const QString texts = svgTexts(bytes).join('\n');
        QVERIFY2(!texts.startsWith("XML error"), qPrintable(texts));
        // The caption names the whole setup, as text.
        for (const char *part : {"CR-150", "WS 12.5mm", "TL 5 mm", "D 120 mm", "SBIG ST-237A", "binning 1x1"})
            QVERIFY2(texts.contains(QLatin1String(part)), qPrintable(texts + " lacks " + part));
        if (what == "framing") {
            for (const QString &line : window_->framingText()->text().split('\n'))
                QVERIFY2(texts.contains(line.simplified()), qPrintable(texts + " lacks " + line));
        }
    } else {
        const QStringList lines = QString::fromUtf8(bytes).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + planner::ocularEntries().size());
        const QStringList header = csvFields(lines.first());
        QCOMPARE(header.mid(0, 3), (QStringList{"ocular", "tl_mm", "d_mm"}));
        QVERIFY(header.contains("scale_width_arcsec_per_px"));
        const int row = int(planner::ocularEntries().indexOf("WS 18mm"));
        const QStringList ws18 = csvFields(lines.at(1 + row));
        QCOMPARE(ws18.size(), header.size());
        QCOMPARE(ws18.at(0), QString("WS 18mm"));
        // Dot decimals whatever the locale, equal to what the table shows.
        bool isNumber = false;
        const double d = ws18.at(header.indexOf("d_mm")).toDouble(&isNumber);
        QVERIFY2(isNumber, qPrintable(ws18.at(2)));
        QCOMPARE(numbers::format(d), window_->solveTable()->table()->item(row, SolveTable::Distance)->text());
        QVERIFY(!ws18.at(header.indexOf("sampling")).isEmpty());
        QVERIFY(!ws18.at(header.indexOf("focal_ratio_sampling")).isEmpty());
        const QStringList prime = csvFields(lines.at(1));
        QCOMPARE(prime.size(), header.size());
        QVERIFY(!prime.at(header.indexOf("reason")).isEmpty()); // why prime focus has no D
    }
}

void TstPlannerWindow::exportRefusesAnUnknownSuffix_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("not a picture") << "chart.txt";
    QTest::newRow("made-up suffix") << "chart.xyz";
}

void TstPlannerWindow::exportRefusesAnUnknownSuffix()
{
    QFETCH(QString, file);
    open(planner::Setup());
    QTemporaryDir out;
    const QString path = out.filePath(file);
    QVERIFY(!window_->exportChart(path));
    QVERIFY(!window_->exportFraming(path));
    QCOMPARE(messages_.shown.size(), 2);
    QVERIFY2(messages_.shown.first().text.contains(QFileInfo(file).suffix()), qPrintable(messages_.shown.first().text));
    QVERIFY(!QFile::exists(path));
}

void TstPlannerWindow::solveCsvMatchesTheCommandLine_data()
{
    QTest::addColumn<QString>("camera");
    QTest::addColumn<QString>("goal");
    QTest::addColumn<double>("value");
    QTest::newRow("f/20") << "SBIG ST-237A" << "--focal-ratio" << 20.0;
    QTest::newRow("f/60, tall pixels") << "Cookbook 245" << "--focal-ratio" << 60.0;
    QTest::newRow("0.25 arcsec/px") << "SBIG ST-237A" << "--pixel-scale" << 0.25;
}

void TstPlannerWindow::solveCsvMatchesTheCommandLine()
{
    QFETCH(QString, camera);
    QFETCH(QString, goal);
    QFETCH(double, value);
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    setup.chooseCamera(camera);
    open(setup);
    window_->solveTable()->setGoal(goal == "--pixel-scale" ? SolveTable::GoalKind::PixelScale
                                                           : SolveTable::GoalKind::FocalRatio, value);
    const QStringList ours = QString::fromUtf8(window_->solveTable()->csv()).split('\n', Qt::SkipEmptyParts);

    QTemporaryDir cwd;
    QProcess plan;
    plan.setWorkingDirectory(cwd.path());
    plan.start(QStringLiteral(VKP2PLAN_PATH), {"solve", "--telescope", "CR-150", "--camera", camera, goal,
                                              QString::number(value), "--format", "csv"});
    QVERIFY(plan.waitForFinished(30000));
    const QStringList theirs = QString::fromUtf8(plan.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(theirs.size(), ours.size());
    // The command line's columns come first, under its names, with its values.
    const QStringList theirHeader = csvFields(theirs.first());
    QCOMPARE(csvFields(ours.first()).mid(0, theirHeader.size()), theirHeader);
    const qsizetype note = theirHeader.indexOf("note");
    for (qsizetype i = 1; i < theirs.size(); ++i)
        QCOMPARE(csvFields(ours.at(i)).mid(0, note), csvFields(theirs.at(i)).mid(0, note));
}

void TstPlannerWindow::solveVerdictsFollowTheBand_data()
{
    QTest::addColumn<QString>("camera");
    QTest::addColumn<double>("goal");
    QTest::addColumn<QString>("verdict");
    // N = 2 p / 550 nm with p the larger pixel: 7.4 µm gives 26.9, 8.5 × 19.7 µm gives 71.6.
    QTest::newRow("f/25 below the band") << "SBIG ST-237A" << 25.0 << "under-sampled";
    QTest::newRow("f/32 in the band") << "SBIG ST-237A" << 32.0 << "well sampled";
    QTest::newRow("f/60 over it") << "SBIG ST-237A" << 60.0 << "over-sampled";
    QTest::newRow("tall pixels: f/60 below") << "Cookbook 245" << 60.0 << "under-sampled";
    QTest::newRow("tall pixels: f/100 in") << "Cookbook 245" << 100.0 << "well sampled";
}

void TstPlannerWindow::solveVerdictsFollowTheBand()
{
    QFETCH(QString, camera);
    QFETCH(double, goal);
    QFETCH(QString, verdict);
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    setup.chooseCamera(camera);
    open(setup);
    SolveTable *solve = window_->solveTable();
    solve->setGoal(SolveTable::GoalKind::FocalRatio, goal);
    QTableWidget *table = solve->table();
    // Jupiter, the start's target: the seeing's verdict holds for long exposures only.
    QCOMPARE(table->horizontalHeaderItem(SolveTable::SeeingVerdict)->text(),
             QString("Sampling of the seeing (long exposures)"));
    QCOMPARE(table->horizontalHeaderItem(SolveTable::RatioVerdict)->text(), QString("Sampling by focal ratio"));
    int solved = 0;
    for (int r = 0; r < table->rowCount(); ++r) {
        if (!table->item(r, SolveTable::RatioVerdict))
            continue;
        ++solved;
        QCOMPARE(table->item(r, SolveTable::RatioVerdict)->text(), verdict);
        QVERIFY(!table->item(r, SolveTable::SeeingVerdict)->text().isEmpty());
    }
    QVERIFY(solved > 3);
    PlannerInputs typed = window_->setupPanel()->inputs();
    typed.target = kTypedTarget;
    window_->setupPanel()->setInputs(typed);
    QCOMPARE(table->horizontalHeaderItem(SolveTable::SeeingVerdict)->text(), QString("Sampling of the seeing"));
    // The chart's band is the same one, and its label says where it lies.
    const planner::Shown shown = planner::show(setup);
    const double pitch = std::max(shown.number(Box::Pixelsize_width).value(), shown.number(Box::Pixelsize_height).value());
    const double n = 2 * pitch / 0.55;
    QVERIFY2(window_->chart()->bandLabel().contains(numbers::format(numbers::round2(n))),
             qPrintable(window_->chart()->bandLabel()));
    QVERIFY2(window_->chart()->bandLabel().contains(numbers::format(numbers::round2(1.5 * n))),
             qPrintable(window_->chart()->bandLabel()));
}

// The band and its label are the chosen rule's, at the chosen colour factor.
void TstPlannerWindow::bandFollowsTheRule_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<QString>("label");
    // 7.4 µm: Nyquist 2 × 7400 / 550 = 26.91; the rule of thumb 5 × 7.4 = 37 to 7 × 7.4 = 51.8.
    QTest::newRow("Nyquist") << int(planner::SamplingRule::Nyquist) << false << "N = 26.91 to 1.5 N = 40.36";
    QTest::newRow("5 × pixel") << int(planner::SamplingRule::PixelTimes5) << false << "N = 37 to 1.4 N = 51.8";
    QTest::newRow("5 × pixel, colour 1.5")
        << int(planner::SamplingRule::PixelTimes5) << true << "N = 55.5 to 1.4 N = 77.7";
}

void TstPlannerWindow::bandFollowsTheRule()
{
    QFETCH(int, rule);
    QFETCH(bool, colour);
    QFETCH(QString, label);
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    setup.chooseCamera("SBIG ST-237A");
    open(setup);
    PlannerInputs in = window_->setupPanel()->inputs();
    in.rule = planner::SamplingRule(rule);
    in.colourSensor = colour;
    in.colourFactor = 1.5;
    window_->setupPanel()->setInputs(in);
    QVERIFY2(window_->chart()->bandLabel().contains(label), qPrintable(window_->chart()->bandLabel()));
}

void TstPlannerWindow::bandLabelAndItsAbsence_data()
{
    QTest::addColumn<QString>("camera");
    QTest::addColumn<bool>("pixelScale");
    QTest::addColumn<QString>("label"); // empty: no band
    QTest::newRow("focal ratio") << "SBIG ST-237A" << false << "N = 26.91 to 1.5 N = 40.36";
    QTest::newRow("pixel scale") << "SBIG ST-237A" << true << "seeing/3 = 0.67 to seeing/2 = 1";
    QTest::newRow("no camera") << "None or Film" << false << "";
    QTest::newRow("no camera, pixel scale") << "None or Film" << true << "";
}

void TstPlannerWindow::bandLabelAndItsAbsence()
{
    QFETCH(QString, camera);
    QFETCH(bool, pixelScale);
    QFETCH(QString, label);
    planner::Setup setup;
    setup.chooseTelescope("CR-150");
    setup.chooseCamera(camera);
    open(setup);
    window_->viewBox()->setCurrentIndex(pixelScale ? 1 : 0);
    FocalChart *chart = window_->chart();
    if (label.isEmpty()) {
        QVERIFY(chart->bandLabel().isEmpty());
        QVERIFY(chart->bandLabelRect(chart->size()).isEmpty());
        if (!pixelScale) // the pixel-scale view says why it has no curves at all
            QVERIFY2(chart->noBandNote().contains("None or Film"), qPrintable(chart->noBandNote()));
        return;
    }
    QVERIFY2(chart->bandLabel().contains(label), qPrintable(chart->bandLabel()));
    QVERIFY(chart->noBandNote().isEmpty());
    // Nothing crosses the label: its margin is plain ground from top to bottom.
    QImage image(chart->size(), QImage::Format_ARGB32);
    {
        QPainter painter(&image);
        chart->paintChart(painter, chart->size());
    }
    const QRect box = chart->bandLabelRect(chart->size()).toAlignedRect();
    QVERIFY(QRect(QPoint(0, 0), chart->size()).contains(box));
    const QRgb ground = chart->palette().color(QPalette::Base).rgb();
    for (int y = box.top() + 3; y <= box.bottom() - 3; ++y) {
        for (int x : {box.left() + 3, box.right() - 3})
            QVERIFY2(image.pixel(x, y) == ground, qPrintable(QString("at %1, %2").arg(x).arg(y)));
    }
}

void TstPlannerWindow::failedExportLeavesNoFileAndSaysSo()
{
    open(planner::Setup());
    QTemporaryDir out;
    const QString path = out.filePath("missing-folder/chart.png");
    QVERIFY(!window_->exportChart(path));
    QCOMPARE(messages_.shown.size(), 1);
    QCOMPARE(messages_.shown.first().icon, MessageIcon::Critical);
    QVERIFY(messages_.shown.first().text.contains("chart.png"));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(out.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TstPlannerWindow::typedMistakeIsMarkedInline()
{
    planner::Setup setup;
    setup.typeTelescope("800", "100");
    open(setup);
    QLineEdit *focal = window_->setupPanel()->widgets().focalLength;
    QLabel *problems = window_->setupPanel()->widgets().problems;
    focal->setFocus();
    focal->selectAll();
    QTest::keyClicks(focal, "x");
    QVERIFY(SetupPanel::isMarkedInvalid(focal));
    QVERIFY(problems->isVisible());
    QVERIFY(problems->text().contains("“x” is not a number"));
    QCOMPARE(window_->setupPanel()->inputs().setup.focalLength, QString("800")); // kept
    QVERIFY(messages_.shown.isEmpty());
    focal->selectAll();
    QTest::keyClicks(focal, "900");
    QVERIFY(!SetupPanel::isMarkedInvalid(focal));
    QVERIFY(!problems->isVisible());
    QCOMPARE(window_->setupPanel()->inputs().setup.focalLength, QString("900"));
    QCOMPARE(window_->chart()->cursorShown().box(Box::Flength), QString("900"));
    QVERIFY(messages_.shown.isEmpty());
}

void TstPlannerWindow::neverWritesTheCalculatorsFile_data()
{
    QTest::addColumn<bool>("calculatorFileThere");
    QTest::newRow("calculator's setup there") << true;
    QTest::newRow("no calculator's setup") << false;
}

void TstPlannerWindow::neverWritesTheCalculatorsFile()
{
    QFETCH(bool, calculatorFileThere);
    const QString calcFile = QDir::current().filePath("vkp2user.dat");
    const QString dataFile = home_.filePath("data/VKP2/vkp2user.dat");
    QFile::remove(calcFile);
    QFile::remove(dataFile);
    QDir(home_.filePath("settings")).removeRecursively();
    QByteArray before;
    if (calculatorFileThere) {
        planner::Setup calc;
        calc.chooseTelescope("BR-128");
        calc.ocular = "PT 9mm";
        calc.d = "77";
        QStringList lines;
        for (const QString &line : calc.toUserData())
            lines << line;
        before = lines.mid(1).join("\r\n").toLatin1() + "\r\n";
        QFile f(calcFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    window_ = std::make_unique<PlannerWindow>(messages_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    if (calculatorFileThere) {
        QCOMPARE(window_->setupPanel()->inputs().setup.telescope, QString("BR-128"));
        QCOMPARE(window_->setupPanel()->inputs().setup.d, QString("77"));
    }
    window_->setupPanel()->pick("WS 24mm", "300");
    window_->close();
    window_.reset();

    if (calculatorFileThere) {
        QFile f(calcFile);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    } else {
        QVERIFY(!QFile::exists(calcFile));
    }
    QVERIFY(!QFile::exists(dataFile));
    // Its own state, under its own name only.
    QSettings own("VKP2", kSettingsApplication);
    QCOMPARE(own.value("Planner/Ocular").toString(), QString("WS 24mm"));
    QCOMPARE(own.value("Planner/D").toString(), QString("300"));
    QVERIFY(QSettings("VKP2", "VKP2").allKeys().isEmpty());
}

QTEST_MAIN(TstPlannerWindow)
#include "tst_planner_window.moc"
