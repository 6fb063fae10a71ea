// KStars' user database: every kind taken from its tables, bad rows and files refused, and the
// file left exactly as it was.

#include "storage/kit_import.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vkp2::storage;

namespace {

const QStringList kTables = {
    "CREATE TABLE telescope (id INTEGER PRIMARY KEY AUTOINCREMENT, Vendor TEXT, Aperture REAL, Model TEXT, "
    "Driver TEXT, Type TEXT, FocalLength REAL)",
    "CREATE TABLE eyepiece (id INTEGER PRIMARY KEY AUTOINCREMENT, Vendor TEXT, Model TEXT, FocalLength REAL, "
    "ApparentFOV REAL, FOVUnit TEXT)",
    "CREATE TABLE lens (id INTEGER PRIMARY KEY AUTOINCREMENT, Vendor TEXT, Model TEXT, Factor REAL)",
    "CREATE TABLE dslr (id INTEGER PRIMARY KEY AUTOINCREMENT, Model TEXT, Width INTEGER, Height INTEGER, "
    "PixelW REAL, PixelH REAL)",
};

// A database made with these statements, closed again; empty when SQLite refused one.
QString makeDatabase(const QString &path, const QStringList &statements)
{
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("maker"));
        db.setDatabaseName(path);
        if (!db.open())
            failure = db.lastError().text();
        for (const QString &statement : statements) {
            QSqlQuery query(db);
            if (failure.isEmpty() && !query.exec(statement))
                failure = statement + QStringLiteral(": ") + query.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("maker"));
    if (!failure.isEmpty())
        qWarning("%s", qPrintable(failure));
    return failure.isEmpty() ? path : QString();
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList allKinds()
{
    return kTables + QStringList{
        "INSERT INTO telescope (Vendor, Aperture, Model, Driver, Type, FocalLength) "
        "VALUES ('Celestron', 203.2, 'C8 EdgeHD', 'None', 'Schmidt-Cassegrain', 2032)",
        "INSERT INTO telescope (Vendor, Aperture, Model, FocalLength) VALUES ('', 127, 'Mak 127', 1500)",
        "INSERT INTO eyepiece (Vendor, Model, FocalLength, ApparentFOV, FOVUnit) VALUES ('TeleVue', 'Nagler 13', 13, 82, 'degrees')",
        "INSERT INTO lens (Vendor, Model, Factor) VALUES ('TeleVue', 'Powermate 2.5x', 2.5)",
        "INSERT INTO lens (Vendor, Model, Factor) VALUES ('Celestron', 'Reducer', 0.63)",
        "INSERT INTO dslr (Model, Width, Height, PixelW, PixelH) VALUES ('Canon EOS 600D', 5184, 3456, 4.3, 4.31)",
    };
}

} // namespace

class TestImportKStars : public QObject {
    Q_OBJECT

private slots:
    // Each case in a folder of its own, so that what a case leaves behind is its own doing.
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    // Without the driver the import says what is missing; it must not crash. First of all,
    // before anything has loaded the driver.
    void withoutTheDriver()
    {
        const QString path = dir_->filePath(QStringLiteral("nodriver.sqlite"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.write(QByteArray("SQLite format 3", 16) + QByteArray(4080, '\0')) > 0);
        }
        const QStringList paths = QCoreApplication::libraryPaths();
        QCoreApplication::setLibraryPaths({dir_->path()});
        const bool hidden = !QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"));
        const KitImport result = importKStars(path);
        QCoreApplication::setLibraryPaths(paths);
        QVERIFY(QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")));
        if (!hidden)
            QSKIP("the SQLite driver could not be hidden");
        QVERIFY2(result.problem.contains(QLatin1String("libqt6sql6-sqlite")), qPrintable(result.problem));
        QVERIFY(result.kit.isEmpty());
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    }

    void takesEveryKind()
    {
        const QString path = makeDatabase(dir_->filePath(QStringLiteral("userdb.sqlite")), allKinds());
        QVERIFY(!path.isEmpty());
        const QByteArray before = contentOf(path);

        const KitImport result = importKStars(path);
        QVERIFY2(result.ok(), qPrintable(result.problem + result.errors.join(QLatin1Char('\n'))));
        QCOMPARE(result.format, KitFormat::KStars);
        QVERIFY(result.skipped.isEmpty());

        Kit expected;
        expected.telescopes = {{QStringLiteral("Celestron C8 EdgeHD"), 2032, 203.2},
                               {QStringLiteral("Mak 127"), 1500, 127}};
        expected.eyepieces = {{QStringLiteral("TeleVue Nagler 13"), 13, 82.0, {}}};
        expected.lenses = {{QStringLiteral("TeleVue Powermate 2.5x"), 2.5, {}, {}},
                           {QStringLiteral("Celestron Reducer"), 0.63, {}, {}}};
        expected.cameras = {{QStringLiteral("Canon EOS 600D"), 4.3, 4.31, 5184, 3456, Colour::Unknown, {1}}};
        QVERIFY(result.kit == expected);

        QCOMPARE(contentOf(path), before);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{QStringLiteral("userdb.sqlite")});
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    }

    // A database that holds only some of the tables gives the kinds it has.
    void someTables_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<int>("telescopes");
        QTest::addColumn<int>("cameras");

        QTest::newRow("telescopes only") << QStringList{kTables[0], "INSERT INTO telescope (Model, Aperture, FocalLength) "
                                                                    "VALUES ('ED80', 80, 600)"}
                                         << 1 << 0;
        QTest::newRow("cameras only, other tables beside")
            << QStringList{"CREATE TABLE profile (id INTEGER PRIMARY KEY, name TEXT)", kTables[3],
                           "INSERT INTO dslr (Model, Width, Height, PixelW, PixelH) VALUES ('Nikon D5300', 6000, 4000, 3.9, 3.9)",
                           "INSERT INTO dslr (Model, Width, Height, PixelW, PixelH) VALUES ('Sony A7S', 4240, 2832, 8.4, 8.4)"}
            << 0 << 2;
    }

    void someTables()
    {
        QFETCH(QStringList, statements);
        QFETCH(int, telescopes);
        QFETCH(int, cameras);
        const QString path = makeDatabase(dir_->filePath(QStringLiteral("some.sqlite")), statements);
        QVERIFY(!path.isEmpty());
        const KitImport result = importKStars(path);
        QVERIFY2(result.ok(), qPrintable(result.problem + result.errors.join(QLatin1Char('\n'))));
        QCOMPARE(result.kit.telescopes.size(), telescopes);
        QCOMPARE(result.kit.cameras.size(), cameras);
        QCOMPARE(result.kit.size(), telescopes + cameras);
    }

    // Rows whose values are of the wrong type or out of range: an error naming the row, the
    // entry not taken, the file unchanged.
    void badRows_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("column"); // the error holds it; none where the range checks word it

        const QString c8 = QStringLiteral("telescope row 1 \"Celestron C8\": ");
        const auto telescope = [](const char *aperture, const char *focalLength) {
            return QStringList{kTables[0], QStringLiteral("INSERT INTO telescope (Vendor, Model, Aperture, FocalLength) "
                                                          "VALUES ('Celestron', 'C8', %1, %2)")
                                               .arg(QLatin1String(aperture), QLatin1String(focalLength))};
        };
        QTest::newRow("aperture as text") << telescope("'eight inch'", "2032") << c8 << QStringLiteral("Aperture");
        QTest::newRow("focal length missing") << telescope("203", "NULL") << c8 << QStringLiteral("FocalLength");
        QTest::newRow("focal length as a blob") << telescope("203", "X'0102'") << c8 << QStringLiteral("FocalLength");
        QTest::newRow("negative aperture") << telescope("-203", "2032") << c8 << QString();
        QTest::newRow("zero focal length") << telescope("203", "0") << c8 << QString();
        QTest::newRow("absurd focal length") << telescope("203", "1e300") << c8 << QString();
        QTest::newRow("untyped column, text no number")
            << QStringList{"CREATE TABLE telescope (Vendor, Model, Aperture, FocalLength)",
                           "INSERT INTO telescope VALUES ('Celestron', 'C8', '203mm', 2032)"}
            << c8 << QStringLiteral("Aperture");
        QTest::newRow("a column missing")
            << QStringList{"CREATE TABLE telescope (Vendor TEXT, Model TEXT, Aperture REAL)",
                           "INSERT INTO telescope VALUES ('Celestron', 'C8', 203)"}
            << QStringLiteral("table telescope: ") << QStringLiteral("FocalLength");
        QTest::newRow("model as a blob")
            << QStringList{kTables[0], "INSERT INTO telescope (Vendor, Model, Aperture, FocalLength) "
                                       "VALUES ('Celestron', X'00ff', 203, 2032)"}
            << QStringLiteral("telescope row 1 \"Celestron\": ") << QStringLiteral("Model");
        QTest::newRow("no name") << QStringList{kTables[2], "INSERT INTO lens (Factor) VALUES (2)"}
                                 << QStringLiteral("lens row 1: ") << QString();

        const QString pan = QStringLiteral("eyepiece row 1 \"Pan 24\": ");
        QTest::newRow("field as text")
            << QStringList{kTables[1], "INSERT INTO eyepiece (Model, FocalLength, ApparentFOV) VALUES ('Pan 24', 24, 'wide')"}
            << pan << QStringLiteral("ApparentFOV");
        QTest::newRow("field absurd")
            << QStringList{kTables[1], "INSERT INTO eyepiece (Model, FocalLength, ApparentFOV) VALUES ('Pan 24', 24, 680)"}
            << pan << QString();
        QTest::newRow("lens factor as text")
            << QStringList{kTables[2], "INSERT INTO lens (Vendor, Model, Factor) VALUES ('', 'Barlow', '2x')"}
            << QStringLiteral("lens row 1 \"Barlow\": ") << QStringLiteral("Factor");

        const QString d600 = QStringLiteral("dslr row 1 \"EOS 600D\": ");
        const auto dslr = [](const char *width, const char *pixelW) {
            return QStringList{kTables[3], QStringLiteral("INSERT INTO dslr (Model, Width, Height, PixelW, PixelH) "
                                                          "VALUES ('EOS 600D', %1, 3456, %2, 4.3)")
                                               .arg(QLatin1String(width), QLatin1String(pixelW))};
        };
        QTest::newRow("width fractional") << dslr("5184.5", "4.3") << d600 << QStringLiteral("Width");
        QTest::newRow("width as text") << dslr("'wide'", "4.3") << d600 << QStringLiteral("Width");
        QTest::newRow("width zero") << dslr("0", "4.3") << d600 << QString();
        QTest::newRow("width huge") << dslr("1e12", "4.3") << d600 << QStringLiteral("Width");
        QTest::newRow("pixel width missing") << dslr("5184", "NULL") << d600 << QStringLiteral("PixelW");
        QTest::newRow("pixel width absurd") << dslr("5184", "4300") << d600 << QString();
    }

    void badRows()
    {
        QFETCH(QStringList, statements);
        QFETCH(QString, where);
        QFETCH(QString, column);
        const QString path = makeDatabase(dir_->filePath(QStringLiteral("bad.sqlite")), statements);
        QVERIFY(!path.isEmpty());
        const QByteArray before = contentOf(path);

        const KitImport result = importKStars(path);
        QVERIFY(!result.ok());
        QVERIFY2(result.problem.isEmpty(), qPrintable(result.problem));
        QVERIFY(result.kit.isEmpty());
        QCOMPARE(result.errors.size(), 1);
        QVERIFY2(result.errors.first().startsWith(where), qPrintable(result.errors.first()));
        QVERIFY2(result.errors.first().mid(where.size()).contains(column), qPrintable(result.errors.first()));
        QCOMPARE(contentOf(path), before);
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    }

    void duplicatedNames()
    {
        const QString path = makeDatabase(
            dir_->filePath(QStringLiteral("twice.sqlite")),
            {kTables[3], "INSERT INTO dslr (Model, Width, Height, PixelW, PixelH) VALUES ('ZWO ASI462MC', 1936, 1096, 2.9, 2.9)",
             "INSERT INTO dslr (Model, Width, Height, PixelW, PixelH) VALUES ('zwo asi-462 mc', 1936, 1096, 2.9, 2.9)"});
        QVERIFY(!path.isEmpty());
        const KitImport result = importKStars(path);
        QVERIFY(!result.ok());
        QCOMPARE(result.kit.cameras.size(), 1);
        QCOMPARE(result.errors.size(), 1);
        QVERIFY2(result.errors.first().startsWith(QLatin1String("dslr row 2 \"zwo asi-462 mc\": ")),
                 qPrintable(result.errors.first()));
    }

    // Files that are no KStars database: a problem and nothing else, the file unchanged.
    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem"); // a word the problem must hold

        const QTemporaryDir made;
        const QString good = makeDatabase(made.filePath(QStringLiteral("good.sqlite")), allKinds());
        QVERIFY(!good.isEmpty());
        const QByteArray database = contentOf(good);
        QVERIFY(database.size() > 4096);
        const QString other = makeDatabase(made.filePath(QStringLiteral("other.sqlite")),
                                           {"CREATE TABLE profile (id INTEGER, name TEXT)",
                                            "INSERT INTO profile VALUES (1, 'Simulators')"});
        QVERIFY(!other.isEmpty());
        const QString noRows = makeDatabase(made.filePath(QStringLiteral("norows.sqlite")), kTables);
        QVERIFY(!noRows.isEmpty());

        QTest::newRow("text file") << QByteArray("[telescope]\nname=C8\nfocal=2032\n") << QStringLiteral("no SQLite");
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("no SQLite");
        QTest::newRow("header only") << database.left(16) << QStringLiteral("SQLite");
        QTest::newRow("first page only") << database.left(4096) << QStringLiteral("cannot be read");
        QTest::newRow("cut in half") << database.left(database.size() / 2) << QStringLiteral("cannot be read");
        QTest::newRow("pages overwritten") << database.left(4096) + QByteArray(database.size() - 4096, '\x5a')
                                           << QStringLiteral("cannot be read");
        QTest::newRow("none of the tables") << contentOf(other) << QStringLiteral("not KStars");
        QTest::newRow("every table, no rows") << contentOf(noRows) << QStringLiteral("the file holds no equipment");
    }

    void badFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const QString path = dir_->filePath(QStringLiteral("file.sqlite"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(file.write(bytes), bytes.size());
        }
        const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);

        const KitImport result = importKStars(path);
        QVERIFY(!result.ok());
        QVERIFY2(result.problem.contains(problem), qPrintable(result.problem));
        QVERIFY(result.kit.isEmpty());
        QVERIFY(result.errors.isEmpty());
        QVERIFY(result.skipped.isEmpty());
        QCOMPARE(QCryptographicHash::hash(contentOf(path), QCryptographicHash::Sha256), hash);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
        QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    }

    void noFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << QStringLiteral("absent.sqlite");
        QTest::newRow("a folder") << QStringLiteral("folder.sqlite");
    }

    void noFile()
    {
        QFETCH(QString, name);
        QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("folder.sqlite")));
        const QString path = dir_->filePath(name);
        const KitImport result = importKStars(path);
        QVERIFY(!result.problem.isEmpty());
        QVERIFY(result.kit.isEmpty());
        QCOMPARE(QFile::exists(path), name == QLatin1String("folder.sqlite"));
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    }

    // Wherever the file lies and however the database keeps its journal, it is read and nothing
    // is made beside it.
    void placesAndJournals_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("journal");

        QTest::newRow("plain") << QStringLiteral("kstars") << QStringLiteral("DELETE");
        QTest::newRow("odd characters in the path")
            << QStringLiteral("K Stars #1 ?50% Ü") << QStringLiteral("DELETE");
        QTest::newRow("write-ahead log") << QStringLiteral("kstars") << QStringLiteral("WAL");
    }

    void placesAndJournals()
    {
        QFETCH(QString, folder);
        QFETCH(QString, journal);
        QVERIFY(QDir(dir_->path()).mkpath(folder));
        const QString path = dir_->filePath(folder + QStringLiteral("/userdb.sqlite"));
        QVERIFY(!makeDatabase(path, QStringList{"PRAGMA journal_mode=" + journal} + allKinds()).isEmpty());
        const QByteArray before = contentOf(path);
        QCOMPARE(before.at(18) == 2, journal == QLatin1String("WAL"));

        const KitImport result = importKStars(path);
        QVERIFY2(result.ok(), qPrintable(result.problem + result.errors.join(QLatin1Char('\n'))));
        QCOMPARE(result.kit.size(), 6);
        QCOMPARE(contentOf(path), before);
        QCOMPARE(QDir(dir_->filePath(folder)).entryList(QDir::Files), QStringList{QStringLiteral("userdb.sqlite")});
    }

    // A database another program holds open for writing is still read, and not changed.
    void lockedByAnotherProgram()
    {
        const QString path = makeDatabase(dir_->filePath(QStringLiteral("open.sqlite")), allKinds());
        QVERIFY(!path.isEmpty());
        const QByteArray before = contentOf(path);
        KitImport result;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("kstars"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM telescope")));
            result = importKStars(path);
            query.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("kstars"));
        QVERIFY2(result.ok(), qPrintable(result.problem));
        QCOMPARE(result.kit.size(), 6);
        QCOMPARE(contentOf(path), before);
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_GUILESS_MAIN(TestImportKStars)
#include "tst_import_kstars.moc"
