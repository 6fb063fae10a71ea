#pragma once
// What tells the other programs' files apart, for the importers and for telling formats apart.

#include <QByteArray>
#include <QString>

namespace vkp2::storage {

// An SQLite database's first 16 bytes, the closing NUL included.
inline const QByteArray kSqliteHeader("SQLite format 3\0", 16);

// An OAL observation log's root element and its namespace.
inline const QString kOalRoot = QStringLiteral("observations");
inline const QString kOalNamespace = QStringLiteral("http://groups.google.com/group/openastronomylog");

// A N.I.N.A. profile's root element; its namespace names NINA.
inline const QString kNinaRoot = QStringLiteral("Profile");

// The sections of Stellarium's ocular.ini that hold equipment, in lower case.
inline const QString kOcularTelescope = QStringLiteral("telescope");
inline const QString kOcularCcd = QStringLiteral("ccd");
inline const QString kOcularLens = QStringLiteral("lens");
inline const QString kOcularEyepiece = QStringLiteral("ocular");

} // namespace vkp2::storage
