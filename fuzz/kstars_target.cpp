// libFuzzer: any bytes as KStars' user database, written to a file and imported from it.
// Beyond what every import must hold, the file is left as it was, with nothing beside it, and
// no connection outlives the import.

#include "import_checks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTemporaryDir>

using namespace vkp2::storage;

namespace {

const char *const kTarget = "fuzz_kstars";
QString databasePath;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir dir;
    if (!dir.isValid())
        fuzz::broken(kTarget, "no temporary folder");
    databasePath = dir.filePath(QStringLiteral("userdb.sqlite"));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        fuzz::broken(kTarget, "Qt's SQLite driver is missing; install libqt6sql6-sqlite");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(databasePath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            fuzz::broken(kTarget, "cannot write the input file");
    }

    const KitImport result = importKStars(databasePath);
    fuzz::checkImport(kTarget, result, KitFormat::KStars);
    if (!QSqlDatabase::connectionNames().isEmpty())
        fuzz::broken(kTarget, "a database connection outlived the import");
    QFile file(databasePath);
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != bytes)
        fuzz::broken(kTarget, "the import changed the database file");
    if (QDir(QFileInfo(databasePath).path()).entryList(QDir::Files).size() != 1)
        fuzz::broken(kTarget, "the import left a file beside the database");
    return 0;
}
