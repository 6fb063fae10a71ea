#pragma once
// A kit or import file read whole, never more than kit_limits::kMaxFileBytes of it.

#include <QByteArray>
#include <QString>

namespace vkp2::storage {

// The file's bytes; or, when it is larger than the limit, not a regular file (after links) or
// cannot be read, `problem` saying so ("larger than 16 MiB, too large for <what>"), without
// the path. Nothing that is not a regular file is opened.
struct BoundedRead {
    QByteArray bytes;
    QString problem;
};
BoundedRead readBounded(const QString &path, const QString &what);

// Why `bytes` bytes of <what> are not read at all, or empty when they are within the limit.
QString fileSizeProblem(qint64 bytes, const QString &what);

} // namespace vkp2::storage
