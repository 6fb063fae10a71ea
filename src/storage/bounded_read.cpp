#include "storage/bounded_read.h"

#include "storage/kit_checks.h"
#include "storage/words.h"

#include <QFile>
#include <QFileInfo>

namespace vkp2::storage {

QString fileSizeProblem(qint64 bytes, const QString &what)
{
    if (bytes <= kit_limits::kMaxFileBytes)
        return {};
    return Words::tr("larger than %1 MiB, too large for %2").arg(kit_limits::kMaxFileBytes / (1024 * 1024)).arg(what);
}

BoundedRead readBounded(const QString &path, const QString &what)
{
    // A pipe or device would block the open or the read for as long as nothing writes to it.
    if (const QFileInfo info(path); info.exists() && !info.isFile())
        return {{}, Words::tr("not a regular file, so not %1").arg(what)};
    QFile file(path);
    const auto unreadable = [&file] { return BoundedRead{{}, Words::tr("cannot be read (%1)").arg(file.errorString())}; };
    if (const QString tooLarge = fileSizeProblem(file.size(), what); !tooLarge.isEmpty())
        return {{}, tooLarge};
    if (!file.open(QIODevice::ReadOnly))
        return unreadable();
    // One byte past the limit tells a file that grew since it was looked at.
    const QByteArray bytes = file.read(kit_limits::kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return unreadable();
    if (const QString tooLarge = fileSizeProblem(bytes.size(), what); !tooLarge.isEmpty())
        return {{}, tooLarge};
    return {bytes, {}};
}

} // namespace vkp2::storage
