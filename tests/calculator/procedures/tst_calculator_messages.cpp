// What the calculator's messages say as data, and the wording the window renders from it. The
// command line and the planner window read the data; the window must keep its exact texts.

#include "calculator/procedures/headless_calculator.h"

#include <QtTest>

using namespace vkp2;

Q_DECLARE_METATYPE(vkp2::MessageId)
Q_DECLARE_METATYPE(vkp2::Fallback)
Q_DECLARE_METATYPE(vkp2::MessageIcon)
Q_DECLARE_METATYPE(std::optional<vkp2::Box>)

class TstCalculatorMessages : public QObject {
    Q_OBJECT
private slots:
    void eventReports_data();
    void eventReports();
    void restartFromFileReportsOnce_data();
    void restartFromFileReportsOnce();
    void registryIsConsistent();
};

namespace {

// One step of a user's: "List=Entry" chooses, "Box:text" types.
void act(HeadlessCalculator &h, const QString &step)
{
    const qsizetype choose = step.indexOf('=');
    if (choose > 0) {
        HeadlessList *list = h.list(step.left(choose).toStdString());
        QVERIFY2(list && list->setText(step.mid(choose + 1)), qPrintable(step));
        return;
    }
    const qsizetype colon = step.indexOf(':');
    HeadlessField *field = h.field(step.left(colon).toStdString());
    QVERIFY2(field, qPrintable(step));
    field->setText(step.mid(colon + 1));
}

} // namespace

void TstCalculatorMessages::eventReports_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<MessageId>("id");
    QTest::addColumn<std::optional<Box>>("box");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<Fallback>("fallback");
    QTest::addColumn<QString>("fallbackText");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<QString>("boxAfter"); // the reported box's text afterwards

    const QString input = "Input Error", error = "Error";
    const QString numbers = "Value out of range - Only enter numbers.";
    QTest::newRow("D not a number") << QStringList{"Distance_d:5x"} << MessageId::NotANumber
        << std::optional(Box::Distance_d) << "" << Fallback::None << "" << numbers << input
        << MessageIcon::Critical << "5x";
    QTest::newRow("TL not a number") << QStringList{"Distance_tl:-"} << MessageId::NotANumber
        << std::optional(Box::Distance_tl) << "" << Fallback::None << "" << numbers << input
        << MessageIcon::Critical << "-";
    QTest::newRow("D above 1000") << QStringList{"Distance_d:1200"} << MessageId::DistanceDRange
        << std::optional(Box::Distance_d) << "" << Fallback::BoxValue << "55"
        << "Distance - D must be between 0 and 1000" << error << MessageIcon::Critical << "55";
    QTest::newRow("D below 0") << QStringList{"Distance_d:-5"} << MessageId::DistanceDRange
        << std::optional(Box::Distance_d) << "" << Fallback::BoxValue << "55"
        << "Distance - D must be between 0 and 1000" << error << MessageIcon::Critical << "55";
    QTest::newRow("TL above 30") << QStringList{"Distance_tl:50"} << MessageId::DistanceTlRange
        << std::optional(Box::Distance_tl) << "" << Fallback::BoxValue << "5"
        << "Distance - TL must be between 0 and 30" << error << MessageIcon::Critical << "5";
    QTest::newRow("focal length 0") << QStringList{"Telescope=User-Defined", "Flength:0"}
        << MessageId::TelescopeValueZero << std::optional(Box::Flength) << "" << Fallback::BoxValue
        << "50" << "Enter a number greater than 50." << error << MessageIcon::Critical << "50";
    QTest::newRow("aperture 0") << QStringList{"Telescope=User-Defined", "Aperture:0"}
        << MessageId::TelescopeValueZero << std::optional(Box::Aperture) << "" << Fallback::BoxValue
        << "50" << "Enter a number greater than 50." << error << MessageIcon::Critical << "50";
    QTest::newRow("focal length letters") << QStringList{"Telescope=User-Defined", "Flength:f"}
        << MessageId::NotANumber << std::optional(Box::Flength) << "" << Fallback::None << ""
        << numbers << input << MessageIcon::Critical << "f";
    QTest::newRow("typed focal length too long")
        << QStringList{"Telescope=User-Defined", "Flength:12000"} << MessageId::FocalLengthRange
        << std::optional(Box::Flength) << "" << Fallback::ResultsEmptied << ""
        << "F-Length must be between 0 and 10000" << error << MessageIcon::Critical << "12000";
    QTest::newRow("typed aperture too wide")
        << QStringList{"Telescope=User-Defined", "Aperture:20000"} << MessageId::ApertureRange
        << std::optional(Box::Aperture) << "" << Fallback::ResultsEmptied << ""
        << "Aperture must be between 0 and 10000" << error << MessageIcon::Critical << "20000";
    QTest::newRow("pixel width letters") << QStringList{"Ccd=User-Defined", "Pixelsize_width:a"}
        << MessageId::PixelWidthNotANumber << std::optional(Box::Pixelsize_width) << ""
        << Fallback::None << "" << "Value out of range - Only enter numbers < 100" << input
        << MessageIcon::Critical << "a";
    QTest::newRow("chip height letters") << QStringList{"Ccd=User-Defined", "Chipsize_height:b"}
        << MessageId::NotANumber << std::optional(Box::Chipsize_height) << "" << Fallback::None
        << "" << numbers << input << MessageIcon::Critical << "b";
    QTest::newRow("refused binning")
        << QStringList{"Ccd=Starlight Express HX916", "Binning=3x3"} << MessageId::BinningUnsupported
        << std::optional<Box>() << "3x3" << Fallback::BinningMode << "2x2"
        << "This camera does not support 3x3 Binning" << "Note" << MessageIcon::Information << "";
}

void TstCalculatorMessages::eventReports()
{
    QFETCH(QStringList, steps);
    QFETCH(MessageId, id);
    QFETCH(std::optional<Box>, box);
    QFETCH(QString, parameter);
    QFETCH(Fallback, fallback);
    QFETCH(QString, fallbackText);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(MessageIcon, icon);
    QFETCH(QString, boxAfter);

    HeadlessCalculator h;
    h.start();
    QVERIFY(h.messages().isEmpty());
    for (const QString &step : steps) {
        act(h, step);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(h.messages().size(), 1);
    const Message &m = h.messages().first();
    QVERIFY(m.detail);
    QCOMPARE(m.detail->id, id);
    QCOMPARE(m.detail->box, box);
    QCOMPARE(m.detail->parameter, parameter);
    QCOMPARE(m.detail->fallback, fallback);
    QCOMPARE(m.detail->fallbackText, fallbackText);
    QCOMPARE(m.text, text);
    QCOMPARE(m.title, title);
    QCOMPARE(m.icon, icon);
    // A fallback written into a box is what the box then shows.
    if (box)
        QCOMPARE(h[*box].text(), boxAfter);
    if (fallback == Fallback::BinningMode)
        QCOMPARE(h[List::Binning].text(), fallbackText);
    if (fallback == Fallback::ResultsEmptied) {
        QCOMPARE(h[Box::efl].text(), QString());
        QCOMPARE(h[Box::efr].text(), QString());
    }
}

void TstCalculatorMessages::restartFromFileReportsOnce_data()
{
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QList<MessageId>>("ids");
    QTest::newRow("D and TL both out of range")
        << QStringList{"DR-106", "WS 5mm", "None or Film", "530", "106", "40", "1500"}
        << QList<MessageId>{MessageId::DistanceTlRange, MessageId::DistanceDRange}; // file order
    QTest::newRow("in range") << QStringList{"DR-106", "WS 5mm", "None or Film", "530", "106", "5", "55"}
                              << QList<MessageId>{};
}

void TstCalculatorMessages::restartFromFileReportsOnce()
{
    QFETCH(QStringList, file);
    QFETCH(QList<MessageId>, ids);
    UserData data;
    for (qsizetype i = 0; i < file.size(); ++i)
        data[std::size_t(i + 1)] = file[i];
    HeadlessCalculator h;
    h.start(data);
    // Start-up chooses four lists and writes the saved distances one by one; each distance is
    // put right by the calculation its own write runs, so each message comes once.
    QList<MessageId> seen;
    for (const Message &m : h.messages()) {
        QVERIFY(m.detail);
        seen << m.detail->id;
    }
    QCOMPARE(seen, ids);
}

void TstCalculatorMessages::registryIsConsistent()
{
    QSet<QString> names, keys, labels;
    for (const BoxInfo &info : kBoxes) {
        const QString name = QString::fromLatin1(info.name.data(), qsizetype(info.name.size()));
        names << name;
        keys << QString::fromLatin1(info.key.data(), qsizetype(info.key.size()));
        labels << QString::fromLatin1(info.label.data(), qsizetype(info.label.size()));
        QCOMPARE(boxNamed(info.name), std::optional(info.id));
        // Exactly the typed boxes have a change handler.
        QCOMPARE(Calculator::handlerOf(info.name) != nullptr, info.role == BoxRole::Input);
        // What start-up finds in a box before it writes anything is the registry's.
        HeadlessCalculator h;
        QCOMPARE(h[info.id].text(), QString::fromLatin1(info.initialText.data(),
                                                       qsizetype(info.initialText.size())));
        QCOMPARE(h[info.id].isEnabled(), info.initiallyEnabled);
        QCOMPARE(h.field(info.name), &h[info.id]);
    }
    QCOMPARE(names.size(), qsizetype(kBoxCount));
    QCOMPARE(keys.size(), qsizetype(kBoxCount));
    QCOMPARE(labels.size(), qsizetype(kBoxCount));
    QVERIFY(!boxNamed("Telescope"));
    for (std::size_t i = 0; i < kListCount; ++i)
        QVERIFY(Calculator::handlerOf(kListNames[i]));
}

QTEST_GUILESS_MAIN(TstCalculatorMessages)
#include "tst_calculator_messages.moc"
