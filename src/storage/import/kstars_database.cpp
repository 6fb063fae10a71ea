// KStars' user database (SQLite): its telescope, eyepiece, lens and dslr tables. The file is
// opened read-only, nothing is made beside it, and the connection is gone again before the
// import returns.

#include "storage/import/format_marks.h"
#include "storage/import/import_collector.h"
#include "storage/import/import_fields.h"
#include "storage/words.h"

#include <QAtomicInteger>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <cmath>

namespace vkp2::storage {

namespace {

const QString kDriver = QStringLiteral("QSQLITE");

// One row's values, read by column name; the first problem stops it.
class RowReader : public FirstProblem {
public:
    explicit RowReader(const QSqlQuery &query) : query_(query) {}

    QString text(const QString &column)
    {
        const QVariant v = query_.value(column);
        if (v.isNull())
            return {};
        if (v.metaType().id() == QMetaType::QByteArray) {
            note(Words::tr("%1 is no text").arg(column));
            return {};
        }
        return v.toString().simplified();
    }

    double number(const QString &column)
    {
        const QVariant v = query_.value(column);
        if (v.isNull()) {
            note(missingField(column));
            return 0;
        }
        bool ok = false;
        double value = 0;
        switch (v.metaType().id()) {
        case QMetaType::Double:
        case QMetaType::LongLong:
        case QMetaType::Int:
            value = v.toDouble(&ok);
            break;
        case QMetaType::QString:
            // A column declared without a type keeps numbers typed as text.
            value = QLocale::c().toDouble(v.toString().trimmed(), &ok);
            break;
        default:
            break;
        }
        if (!ok || !std::isfinite(value)) {
            note(noNumber(column, v.metaType().id() == QMetaType::QString ? v.toString() : Words::tr("(binary)")));
            return 0;
        }
        return value;
    }

    int count(const QString &column)
    {
        const double value = number(column);
        if (problem().isEmpty() && !isWholeCount(value)) {
            note(noWholeNumber(column, QString::number(value)));
            return 0;
        }
        return int(value);
    }

private:
    const QSqlQuery &query_;
};

QString nameOf(RowReader &row, bool hasVendor)
{
    const QString model = row.text(QStringLiteral("Model"));
    const QString vendor = hasVendor ? row.text(QStringLiteral("Vendor")) : QString();
    return vendor.isEmpty() ? model : model.isEmpty() ? vendor : vendor + QLatin1Char(' ') + model;
}

class KStarsReader {
public:
    KStarsReader(QSqlDatabase &db, ImportCollector &in) : db_(db), in_(in) {}

    void read()
    {
        // Opening never reads the file; the first query tells whether it is a database at all.
        QSqlQuery probe(db_);
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
            in_.fail(Words::tr("the file cannot be read as an SQLite database: %1")
                         .arg(probe.lastError().databaseText()));
            return;
        }
        const QStringList tables = db_.tables();
        const auto has = [&](const QString &table) { return tables.contains(table, Qt::CaseInsensitive); };
        if (!has(QStringLiteral("telescope")) && !has(QStringLiteral("eyepiece"))
            && !has(QStringLiteral("lens")) && !has(QStringLiteral("dslr"))) {
            in_.fail(Words::tr("no telescope, eyepiece, lens or dslr table: not KStars' user database"));
            return;
        }
        if (has(QStringLiteral("telescope")))
            table(QStringLiteral("telescope"), {"Vendor", "Model", "Aperture", "FocalLength"}, &KStarsReader::telescope);
        if (has(QStringLiteral("eyepiece")))
            table(QStringLiteral("eyepiece"), {"Vendor", "Model", "FocalLength", "ApparentFOV"}, &KStarsReader::eyepiece);
        if (has(QStringLiteral("lens")))
            table(QStringLiteral("lens"), {"Vendor", "Model", "Factor"}, &KStarsReader::lens);
        if (has(QStringLiteral("dslr")))
            table(QStringLiteral("dslr"), {"Model", "Width", "Height", "PixelW", "PixelH"}, &KStarsReader::camera);
    }

private:
    void table(const QString &name, const QStringList &columns,
               void (KStarsReader::*take)(RowReader &, const QString &where))
    {
        const QSqlRecord record = db_.record(name);
        for (const QString &column : columns) {
            if (!record.contains(column)) {
                in_.error(Words::tr("table %1").arg(name), Words::tr("no column %1").arg(column));
                return;
            }
        }
        QSqlQuery query(db_);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QLatin1Char(',')), name))) {
            in_.fail(Words::tr("the %1 table cannot be read: %2").arg(name, query.lastError().databaseText()));
            return;
        }
        for (int number = 1; query.next() && !in_.failed(); ++number) {
            RowReader row(query);
            QString where = Words::tr("%1 row %2").arg(name).arg(number);
            const QString entry = nameOf(row, columns.first() == QLatin1String("Vendor"));
            if (!entry.isEmpty())
                where += QStringLiteral(" \"%1\"").arg(entry.left(60));
            (this->*take)(row, where);
        }
        // A file cut short can fail halfway through a table.
        if (query.lastError().isValid())
            in_.fail(Words::tr("the %1 table cannot be read: %2").arg(name, query.lastError().databaseText()));
    }

    void telescope(RowReader &row, const QString &where)
    {
        KitTelescope t;
        t.name = nameOf(row, true);
        t.aperture = row.number(QStringLiteral("Aperture"));
        t.focalLength = row.number(QStringLiteral("FocalLength"));
        in_.add(t, where, row.problem());
    }

    void eyepiece(RowReader &row, const QString &where)
    {
        KitEyepiece e;
        e.name = nameOf(row, true);
        e.focalLength = row.number(QStringLiteral("FocalLength"));
        e.apparentField = row.number(QStringLiteral("ApparentFOV"));
        in_.add(e, where, row.problem());
    }

    void lens(RowReader &row, const QString &where)
    {
        KitLens l;
        l.name = nameOf(row, true);
        l.factor = row.number(QStringLiteral("Factor"));
        in_.add(l, where, row.problem());
    }

    void camera(RowReader &row, const QString &where)
    {
        KitCamera c;
        c.name = nameOf(row, false);
        c.width = row.count(QStringLiteral("Width"));
        c.height = row.count(QStringLiteral("Height"));
        c.pixelWidth = row.number(QStringLiteral("PixelW"));
        c.pixelHeight = row.number(QStringLiteral("PixelH"));
        in_.add(c, where, row.problem());
    }

    QSqlDatabase &db_;
    ImportCollector &in_;
};

// The file's first bytes say whether SQLite can make anything of it at all.
QString problemOfFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return Words::tr("there is no file %1").arg(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return Words::tr("%1 cannot be read").arg(path);
    if (file.read(kSqliteHeader.size()) != kSqliteHeader)
        return Words::tr("%1 is no SQLite database").arg(QFileInfo(path).fileName());
    return {};
}

} // namespace

KitImport importKStars(const QString &path)
{
    ImportCollector in(KitFormat::KStars);
    if (const QString problem = problemOfFile(path); !problem.isEmpty()) {
        in.fail(problem);
        return in.result();
    }
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        in.fail(Words::tr("Qt's SQLite driver is not installed (on Debian: libqt6sql6-sqlite); "
                               "KStars' database cannot be read without it"));
        return in.result();
    }
    static QAtomicInteger<quint64> opened;
    const QString connection = QStringLiteral("vkp2-kstars-import-%1").arg(opened.fetchAndAddRelaxed(1));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, connection);
        // Immutable as well: a database in WAL mode would otherwise get its -wal and -shm files
        // made beside it, and left there, by a connection that may not remove them.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        uri.setQuery(QStringLiteral("immutable=1"));
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        if (!db.open()) {
            in.fail(Words::tr("the database cannot be opened: %1").arg(db.lastError().text()));
        } else {
            KStarsReader(db, in).read();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return in.result();
}

} // namespace vkp2::storage
