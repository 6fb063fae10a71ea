#include "storage/bounded_read.h"

#include "storage/kit_checks.h"

#include <QFile>

namespace vkp2::storage {

BoundedRead readBounded(const QString &path, const QString &what)
{
    const QString tooLarge = QStringLiteral("larger than %1 MiB, too large for %2")
                                 .arg(kit_limits::kMaxFileBytes / (1024 * 1024))
                                 .arg(what);
    QFile file(path);
    if (file.size() > kit_limits::kMaxFileBytes)
        return {{}, tooLarge};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("cannot be read (%1)").arg(file.errorString())};
    // One byte past the limit tells a file that grew since it was looked at.
    const QByteArray bytes = file.read(kit_limits::kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, QStringLiteral("cannot be read (%1)").arg(file.errorString())};
    if (bytes.size() > kit_limits::kMaxFileBytes)
        return {{}, tooLarge};
    return {bytes, {}};
}

} // namespace vkp2::storage
