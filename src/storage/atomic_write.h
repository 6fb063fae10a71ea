#pragma once
// Writing a file so that a failed or interrupted write leaves the previous one whole.

#include <QByteArray>
#include <QString>

namespace vkp2::storage {

// Writes `content` to a temporary file beside `path` and puts it in place. In a folder that lets
// the file be changed but no file be added, no temporary file can be made; then the file is
// rewritten in place, which a crash can tear. Returns false when neither way wrote the file.
bool writeAtomically(const QString &path, const QByteArray &content);
// The same; when it fails, `problem` (where given) says "<path>: cannot be written".
bool writeAtomically(const QString &path, const QByteArray &content, QString *problem);

namespace detail {
// The in-place rewrite used when no temporary file can be made: truncate, write, flush, close,
// each step checked. Returns false at the first that fails.
bool writeInPlace(const QString &path, const QByteArray &content);
} // namespace detail

} // namespace vkp2::storage
