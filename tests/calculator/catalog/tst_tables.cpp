// Checks that catch a transcription error in the preset tables without restating them.

#include "calculator/catalog/binning_table.h"
#include "calculator/catalog/camera_table.h"
#include "calculator/catalog/ocular_table.h"
#include "calculator/catalog/telescope_table.h"
#include "calculator/core/numbers.h"

#include <QSet>
#include <QtTest>

#include <cmath>

using namespace vkp2;
using namespace vkp2::catalog;

class TstTables : public QObject {
    Q_OBJECT
private slots:
    void namesAreUnique();
    void binningRowsFollowTheRule_data();
    void binningRowsFollowTheRule();
    void binningCamerasAreTheMarkedOnes();
    void binningOneByOneMatchesCatalogue();
    void ocularFamilies();
};

namespace {

template <typename Rows>
QStringList names(const Rows &rows)
{
    QStringList out;
    for (const auto &row : rows)
        out << QLatin1String(row.name);
    return out;
}

const BinningRow *binning(const QString &camera, const QString &mode)
{
    for (const auto &row : kBinning) {
        if (camera == QLatin1String(row.camera) && mode == QLatin1String(row.mode))
            return &row;
    }
    return nullptr;
}

} // namespace

void TstTables::namesAreUnique()
{
    for (const QStringList &list : {names(kTelescopes), names(kOculars), names(kCameras)}) {
        QCOMPARE(QSet<QString>(list.begin(), list.end()).size(), list.size());
        for (const QString &name : list)
            QCOMPARE(name.trimmed(), name);
    }
}

void TstTables::binningRowsFollowTheRule_data()
{
    QTest::addColumn<QString>("camera");
    QTest::addColumn<QString>("mode");
    for (const auto &row : kBinning) {
        const QString name = QStringLiteral("%1 %2").arg(row.camera, row.mode);
        QTest::newRow(qPrintable(name)) << QString(row.camera) << QString(row.mode);
    }
}

void TstTables::binningRowsFollowTheRule()
{
    // n x n binning: the pixel is n times larger (as the decimal the table lists) and the chip
    // n times smaller, rounded down. Two listed departures from the rule.
    QFETCH(QString, camera);
    QFETCH(QString, mode);
    const int n = mode.left(1).toInt();
    const BinningRow *row = binning(camera, mode);
    const BinningRow *base = binning(camera, "1x1");
    QVERIFY(row && base);
    QCOMPARE(row->pixelWidth, row->pixelHeight);
    QCOMPARE(row->chipWidth, std::floor(base->chipWidth / n));
    QCOMPARE(row->chipHeight, std::floor(base->chipHeight / n));
    const double expectedPixel = base->pixelWidth * n;
    // The table holds the decimal value, which is the double nearest to it, not the product.
    QCOMPARE(numbers::format(row->pixelWidth), numbers::format(numbers::round2(expectedPixel)));
    QCOMPARE(row->pixelWidth, numbers::parse(numbers::format(row->pixelWidth)).value());
}

void TstTables::binningCamerasAreTheMarkedOnes()
{
    QSet<QString> marked;
    for (const auto &row : kCameras) {
        if (row.binning)
            marked << QLatin1String(row.name);
    }
    QSet<QString> inTable;
    for (const auto &row : kBinning)
        inTable << QLatin1String(row.camera);
    QCOMPARE(marked.size(), 20);
    QCOMPARE(inTable, marked);

    // Every binning camera has all three modes, except where a refusal names the missing one.
    for (const QString &camera : marked) {
        for (const char *mode : kBinningModes) {
            bool refused = false;
            for (const auto &r : kRefusedBinning)
                refused |= camera == QLatin1String(r.camera) && QLatin1String(mode) == r.mode;
            QCOMPARE(binning(camera, mode) == nullptr, refused);
        }
    }
    for (const auto &r : kRefusedBinning)
        QVERIFY(binning(r.camera, r.fallback));
}

void TstTables::binningOneByOneMatchesCatalogue()
{
    // Mode 1x1 repeats the catalogue row: the sensor is the same whichever list names it.
    for (const auto &camera : kCameras) {
        if (!camera.binning)
            continue;
        const BinningRow *row = binning(camera.name, "1x1");
        QVERIFY(row);
        QCOMPARE(row->chipWidth, camera.chipWidth);
        QCOMPARE(row->chipHeight, camera.chipHeight);
        QCOMPARE(row->pixelWidth, camera.pixelWidth);
        QCOMPARE(row->pixelHeight, camera.pixelHeight);
    }
}

void TstTables::ocularFamilies()
{
    // The "WS" family shares a length of 58 mm, the "PT" family 54 mm; each name carries the
    // ocular's focal length.
    for (const auto &row : kOculars) {
        const QString name = QLatin1String(row.name);
        QCOMPARE(row.length, name.startsWith("WS ") ? 58.0 : 54.0);
        QVERIFY(name.startsWith("WS ") || name.startsWith("PT "));
        QCOMPARE(name.mid(3).chopped(2).toDouble(), row.focalLength);
        // Even with D = 0 and TL = 0 the projection exceeds the focal length: no negative result.
        QVERIFY(row.length + 3 - row.offset > row.focalLength);
    }
}

QTEST_GUILESS_MAIN(TstTables)
#include "tst_tables.moc"
