// The built-in equipment database: what it holds against its checked-in files, how its names are
// searched, and the CSV reading under it.

#include "planner/csv_field.h"
#include "planner/csv_reader.h"
#include "planner/equipment_database.h"

#include <QFile>
#include <QtTest>

using namespace vkp2;
using namespace vkp2::planner;

Q_DECLARE_METATYPE(vkp2::planner::EquipmentKind)

namespace {

QString value(double v) { return QString::number(v, 'g', 10); }
QString value(const std::optional<double> &v) { return v ? value(*v) : QStringLiteral("-"); }
QString field(const QString &text) { return text.isEmpty() ? QStringLiteral("-") : value(text.toDouble()); }

// Each entry as one line, so that a list comparison names the first entry that differs.
QStringList described(const storage::Kit &kit, EquipmentKind kind)
{
    QStringList lines;
    switch (kind) {
    case EquipmentKind::Telescope:
        for (const auto &t : kit.telescopes)
            lines << t.name + " | " + value(t.focalLength) + " | " + value(t.aperture);
        break;
    case EquipmentKind::Camera:
        for (const auto &c : kit.cameras) {
            const QString colour = c.colour == storage::Colour::Colour ? "colour"
                                   : c.colour == storage::Colour::Mono ? "mono"
                                                                        : "";
            QStringList binning;
            for (int b : c.binning)
                binning << QString::number(b);
            lines << c.name + " | " + value(c.pixelWidth) + " x " + value(c.pixelHeight) + " | "
                         + QString::number(c.width) + " x " + QString::number(c.height) + " | " + colour
                         + " | bin " + binning.join(',');
        }
        break;
    case EquipmentKind::Eyepiece:
        for (const auto &e : kit.eyepieces)
            lines << e.name + " | " + value(e.focalLength) + " | " + value(e.apparentField) + " | "
                         + value(e.fieldStop);
        break;
    case EquipmentKind::Barlow:
        for (const auto &l : kit.lenses)
            lines << l.name + " | " + value(l.factor) + " | " + value(l.focalLength) + " | "
                         + value(l.designSpacing);
        break;
    }
    return lines;
}

// The same lines made straight from a checked-in file, by its column names.
QStringList describedFile(const QString &file, EquipmentKind kind, QStringList *names)
{
    QFile in(QStringLiteral(VKP2_EQUIPMENT_DATA) + '/' + file);
    if (!in.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot open ") + in.fileName()};
    QList<QStringList> rows = csvRows(QString::fromUtf8(in.readAll()));
    const QStringList header = rows.takeFirst();
    QStringList lines;
    for (const QStringList &row : rows) {
        const auto at = [&](const char *column) { return row.value(header.indexOf(QLatin1String(column))); };
        const QString name = at("maker") + ' ' + at("model");
        *names << name;
        switch (kind) {
        case EquipmentKind::Telescope:
            lines << name + " | " + field(at("focal_length_mm")) + " | " + field(at("aperture_mm"));
            break;
        case EquipmentKind::Camera:
            lines << name + " | " + field(at("pixel_width_um")) + " x " + field(at("pixel_height_um")) + " | "
                         + at("width_px") + " x " + at("height_px") + " | " + at("colour") + " | bin 1";
            break;
        case EquipmentKind::Eyepiece:
            lines << name + " | " + field(at("focal_length_mm")) + " | " + field(at("apparent_fov_deg")) + " | "
                         + field(at("field_stop_mm"));
            break;
        case EquipmentKind::Barlow:
            lines << name + " | " + field(at("factor")) + " | - | -";
            break;
        }
    }
    return lines;
}

} // namespace

class TstEquipmentDatabase : public QObject {
    Q_OBJECT
private slots:
    void holdsTheCheckedInFiles_data();
    void holdsTheCheckedInFiles();
    void curatedEntries_data();
    void curatedEntries();
    void leftOut_data();
    void leftOut();
    void search_data();
    void search();
    void ranking_data();
    void ranking();
    void kindWords_data();
    void kindWords();
    void kindWordsRoundTrip();
    void csvRowsRead_data();
    void csvRowsRead();
    void csvFieldsReadBack_data();
    void csvFieldsReadBack();
};

void TstEquipmentDatabase::holdsTheCheckedInFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<EquipmentKind>("kind");
    QTest::addColumn<int>("atLeast"); // a file cut short must not pass as a match
    QTest::newRow("telescopes") << "telescopes.csv" << EquipmentKind::Telescope << 800;
    QTest::newRow("cameras") << "cameras.csv" << EquipmentKind::Camera << 700;
    QTest::newRow("eyepieces") << "eyepieces.csv" << EquipmentKind::Eyepiece << 1000;
    QTest::newRow("barlows") << "barlows.csv" << EquipmentKind::Barlow << 90;
}

void TstEquipmentDatabase::holdsTheCheckedInFiles()
{
    QFETCH(QString, file);
    QFETCH(EquipmentKind, kind);
    QFETCH(int, atLeast);
    QStringList names;
    const QStringList expected = describedFile(file, kind, &names);
    QVERIFY2(expected.size() >= atLeast, qPrintable(expected.value(0)));
    QCOMPARE(described(equipmentDatabase(), kind), expected);
    QCOMPARE(equipmentNames(equipmentDatabase(), kind), names);
}

void TstEquipmentDatabase::curatedEntries_data()
{
    QTest::addColumn<EquipmentKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("line");
    QTest::newRow("ZWO ASI462MC") << EquipmentKind::Camera << "ZWO ASI462MC"
                                  << "ZWO ASI462MC | 2.9 x 2.9 | 1936 x 1096 | colour | bin 1";
    // Fixed to the sensor its name states (IMX568); the source had 5.86 µm.
    QTest::newRow("sensor named in the model") << EquipmentKind::Camera << "QHY QHY5III568M"
                                               << "QHY QHY5III568M | 2.74 x 2.74 | 2472 x 2064 | mono | bin 1";
    QTest::newRow("no colour known") << EquipmentKind::Camera << "FLI ML50100"
                                     << "FLI ML50100 | 6 x 6 | 8176 x 6132 |  | bin 1";
    QTest::newRow("inch marks in the name") << EquipmentKind::Telescope << "Celestron RASA 8\""
                                            << "Celestron RASA 8\" | 400 | 203.2";
    QTest::newRow("aperture fixed from inches") << EquipmentKind::Telescope << "Meade 14\" LX600 ACF"
                                                << "Meade 14\" LX600 ACF | 2845 | 355.6";
    QTest::newRow("apparent field from the name") << EquipmentKind::Eyepiece << "William Optics XWA 7mm 110°"
                                                  << "William Optics XWA 7mm 110° | 7 | 110 | -";
    QTest::newRow("disputed apparent field unknown") << EquipmentKind::Eyepiece << "Lunt H-alpha 12mm"
                                                     << "Lunt H-alpha 12mm | 12 | - | -";
    QTest::newRow("barlow") << EquipmentKind::Barlow << "TeleVue Powermate 2.5x (1.25\")"
                            << "TeleVue Powermate 2.5x (1.25\") | 2.5 | - | -";
}

void TstEquipmentDatabase::curatedEntries()
{
    QFETCH(EquipmentKind, kind);
    QFETCH(QString, name);
    QFETCH(QString, line);
    const qsizetype at = equipmentNames(equipmentDatabase(), kind).indexOf(name);
    QVERIFY2(at >= 0, qPrintable(name));
    QCOMPARE(described(equipmentDatabase(), kind).at(at), line);
}

void TstEquipmentDatabase::leftOut_data()
{
    QTest::addColumn<EquipmentKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::newRow("no sensor data") << EquipmentKind::Camera << "ZWO ASI035MC";
    QTest::newRow("unknown series") << EquipmentKind::Camera << "Player One Athena-C Pro";
    QTest::newRow("v2 copy") << EquipmentKind::Camera << "SVBony SV405CC v2";
    QTest::newRow("no values") << EquipmentKind::Telescope << "Orion Optics UK ODK 12\"";
    QTest::newRow("an eyepiece in the telescope list") << EquipmentKind::Telescope << "TeleVue Panoptic";
    QTest::newRow("zoom") << EquipmentKind::Eyepiece << "Baader Hyperion Mark IV 8-24mm Zoom";
}

void TstEquipmentDatabase::leftOut()
{
    QFETCH(EquipmentKind, kind);
    QFETCH(QString, name);
    QVERIFY2(!equipmentNames(equipmentDatabase(), kind).contains(name), qPrintable(name));
}

void TstEquipmentDatabase::search_data()
{
    QTest::addColumn<EquipmentKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first"); // empty: nothing found
    QTest::addColumn<QStringList>("found");
    const auto camera = EquipmentKind::Camera;
    QTest::newRow("asi462") << camera << "asi462" << "ZWO ASI462MC" << QStringList{"ZWO ASI462MM"};
    QTest::newRow("ASI 462 MC") << camera << "ASI 462 MC" << "ZWO ASI462MC" << QStringList{};
    QTest::newRow("zwo 462mc") << camera << "zwo 462mc" << "ZWO ASI462MC" << QStringList{};
    QTest::newRow("punctuation ignored") << camera << "ZWO ASI-462-MC" << "ZWO ASI462MC" << QStringList{};
    QTest::newRow("accents ignored in the text") << camera << "ZWÖ ÁSI462MC" << "ZWO ASI462MC" << QStringList{};
    QTest::newRow("accents ignored in the name") << EquipmentKind::Eyepiece << "celestron plossl 13"
                                                 << "Celestron Plössl 13mm" << QStringList{};
    QTest::newRow("exact name first") << EquipmentKind::Telescope << "sky-watcher skymax 127"
                                      << "Sky-Watcher SkyMax 127" << QStringList{"Sky-Watcher SkyMax 127 AZ-GTi"};
    QTest::newRow("matching nothing") << camera << "asi462 nikon" << "" << QStringList{};
    QTest::newRow("empty text") << camera << "" << "" << QStringList{};
    QTest::newRow("spaces only") << camera << "   " << "" << QStringList{};
    QTest::newRow("punctuation only") << camera << "- /" << "" << QStringList{};
}

void TstEquipmentDatabase::search()
{
    QFETCH(EquipmentKind, kind);
    QFETCH(QString, text);
    QFETCH(QString, first);
    QFETCH(QStringList, found);
    const QStringList names = equipmentNames(equipmentDatabase(), kind);
    QStringList ranked;
    for (qsizetype at : rankMatches(names, text))
        ranked << names.at(at);
    if (first.isEmpty()) {
        QCOMPARE(ranked, QStringList{});
        return;
    }
    QVERIFY(!ranked.isEmpty());
    QCOMPARE(ranked.first(), first);
    for (const QString &name : found)
        QVERIFY2(ranked.contains(name), qPrintable(name));
    for (const QString &name : ranked)
        QVERIFY2(nameMatches(name, text), qPrintable(name));
}

void TstEquipmentDatabase::ranking_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<qsizetype>>("order");
    QTest::newRow("whole name before a longer one") << QStringList{"ZWO ASI462MC Pro", "ZWO ASI462MC"}
                                                    << "zwo asi462mc" << QList<qsizetype>{1, 0};
    QTest::newRow("start before shorter elsewhere")
        << QStringList{"GSO 2x Barlow", "Barlow 2x (2\") Deluxe", "Barlow 2x"} << "barlow 2x" << QList<qsizetype>{2, 1, 0};
    QTest::newRow("shorter first") << QStringList{"TS-Optics ED Barlow 2.5x", "GSO 2x Barlow"} << "barlow"
                                   << QList<qsizetype>{1, 0};
    QTest::newRow("ties keep list order") << QStringList{"GSO Barlow 2x", "APM Barlow 2x"} << "barlow"
                                          << QList<qsizetype>{0, 1};
    QTest::newRow("words in any order") << QStringList{"Meade LX90", "TeleVue Barlow 2x"} << "2x barlow"
                                        << QList<qsizetype>{1};
    QTest::newRow("every word must match") << QStringList{"Celestron C8", "Celestron C11"} << "celestron c8"
                                           << QList<qsizetype>{0};
    QTest::newRow("accented name") << QStringList{"Café Optics 80", "Cafe Optics 8"} << "CAFE optics 8"
                                   << QList<qsizetype>{1, 0};
    QTest::newRow("nothing") << QStringList{"Meade LX90"} << "lx200" << QList<qsizetype>{};
}

void TstEquipmentDatabase::ranking()
{
    QFETCH(QStringList, names);
    QFETCH(QString, text);
    QFETCH(QList<qsizetype>, order);
    QCOMPARE(rankMatches(names, text), order);
}

void TstEquipmentDatabase::kindWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("kind"); // -1: no kind
    QTest::newRow("telescopes") << "telescopes" << int(EquipmentKind::Telescope);
    QTest::newRow("telescope") << "telescope" << int(EquipmentKind::Telescope);
    QTest::newRow("cameras") << "cameras" << int(EquipmentKind::Camera);
    QTest::newRow("Camera") << "Camera" << int(EquipmentKind::Camera);
    QTest::newRow("eyepiece") << "eyepiece" << int(EquipmentKind::Eyepiece);
    QTest::newRow("barlows") << "barlows" << int(EquipmentKind::Barlow);
    QTest::newRow("lenses") << "lenses" << -1;
    QTest::newRow("plural twice") << "telescopess" << -1;
    QTest::newRow("part of a word") << "camer" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TstEquipmentDatabase::kindWords()
{
    QFETCH(QString, word);
    QFETCH(int, kind);
    const std::optional<EquipmentKind> named = equipmentKindNamed(word);
    QCOMPARE(named ? int(*named) : -1, kind);
}

void TstEquipmentDatabase::kindWordsRoundTrip()
{
    QSet<QString> words;
    for (EquipmentKind kind :
         {EquipmentKind::Telescope, EquipmentKind::Camera, EquipmentKind::Eyepiece, EquipmentKind::Barlow}) {
        for (bool plural : {false, true}) {
            const QString word = equipmentKindWord(kind, plural);
            QCOMPARE(equipmentKindNamed(word), std::optional(kind));
            words << word;
        }
    }
    QCOMPARE(words.size(), 8);
    QCOMPARE(equipmentKindWord(EquipmentKind::Barlow, false), QString("barlow"));
    QCOMPARE(equipmentKindWord(EquipmentKind::Eyepiece), QString("eyepieces"));
}

void TstEquipmentDatabase::csvRowsRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QStringList>>("rows");
    using Rows = QList<QStringList>;
    QTest::newRow("plain") << "a,b,c\n" << Rows{{"a", "b", "c"}};
    QTest::newRow("comma in quotes") << "\"Vixen, Japan\",ED\n" << Rows{{"Vixen, Japan", "ED"}};
    QTest::newRow("inch marks") << "Celestron,\"RASA 8\"\"\",400\n" << Rows{{"Celestron", "RASA 8\"", "400"}};
    QTest::newRow("quotes only") << "\"\"\"\"\"\"\n" << Rows{{"\"\""}};
    QTest::newRow("empty fields") << ",,\n" << Rows{{"", "", ""}};
    QTest::newRow("empty quoted field") << "\"\",x\n" << Rows{{"", "x"}};
    QTest::newRow("CRLF") << "a,b\r\nc,d\r\n" << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("no last line break") << "a\nb" << Rows{{"a"}, {"b"}};
    QTest::newRow("line break in quotes") << "\"two\nlines\",x\n" << Rows{{"two\nlines", "x"}};
    QTest::newRow("carriage return alone is text") << "a\rb\n" << Rows{{"a\rb"}};
    QTest::newRow("empty text") << "" << Rows{};
}

void TstEquipmentDatabase::csvRowsRead()
{
    QFETCH(QString, text);
    QFETCH(QList<QStringList>, rows);
    QCOMPARE(csvRows(text), rows);
}

void TstEquipmentDatabase::csvFieldsReadBack_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("inches and commas") << QStringList{"14\" f/8, ACF", "2845", ""};
    QTest::newRow("quotes at the ends") << QStringList{"\"", "\"x\"", "a\"\"b"};
    QTest::newRow("line breaks") << QStringList{"one\ntwo", "three\r\nfour"};
}

void TstEquipmentDatabase::csvFieldsReadBack()
{
    QFETCH(QStringList, fields);
    QStringList written;
    for (const QString &f : fields)
        written << csvField(f);
    QCOMPARE(csvRows(written.join(',') + '\n'), QList<QStringList>{fields});
}

QTEST_GUILESS_MAIN(TstEquipmentDatabase)
#include "tst_equipment_database.moc"
