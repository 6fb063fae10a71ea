#pragma once
// Equipment brought in from the files other astronomy programs keep, and written out for them.
// An import reads the whole file and checks every entry before anything is used; the caller
// adds the result to the kit only when it is ok() (or, asked to, takes the good entries and
// reports the rest).

#include "storage/kit.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace vkp2::storage {

enum class KitFormat {
    Json,      // this program's kit.json
    OcularIni, // Stellarium's Oculars plugin, ocular.ini
    Oal,       // an OAL 2.x observation log
    KStars,    // KStars' user database (SQLite)
    Nina,      // a N.I.N.A. profile
};

// "json", "ocular-ini", "oal", "kstars", "nina"; formatNamed reads them back.
QString formatName(KitFormat format);
std::optional<KitFormat> formatNamed(const QString &name);
// The formats a kit can be exported to (json, ocular-ini, oal).
bool canExport(KitFormat format);

struct KitImport {
    KitFormat format = KitFormat::Json;
    Kit kit;             // the entries that may be taken
    QStringList skipped; // entries left out on purpose, each "where: why" (binoculars, ...)
    QStringList errors;  // entries that are wrong, each "where: why" (not in `kit`)
    QString problem;     // the file as a whole could not be read; then everything else is empty
    bool ok() const { return problem.isEmpty() && errors.isEmpty(); }
};

// A file of any of the formats, told by its content (not its name). Files larger than
// kit_limits::kMaxFileBytes, empty or of no known format get a problem.
KitImport importKitFile(const QString &path);

// One format each; the byte readers also serve the fuzzers.
KitImport importOcularIni(const QByteArray &ini);
KitImport importOal(const QByteArray &xml);
KitImport importNina(const QByteArray &xml);
KitImport importKStars(const QString &path); // the database file; opened read-only
KitImport importKitJson(const QByteArray &json);

// The kit as a file of an exportable format; writeExport writes it atomically. It refuses,
// leaving what is there, when the text could not be made or `path` is the kit file itself.
QByteArray exportKit(const Kit &kit, KitFormat format);
bool writeExport(const QString &path, const Kit &kit, KitFormat format, QString *problem = nullptr);

namespace detail {
// The writers behind exportKit, one file each with their reader.
QByteArray ocularIniOf(const Kit &kit);
QByteArray oalOf(const Kit &kit);
} // namespace detail

} // namespace vkp2::storage
