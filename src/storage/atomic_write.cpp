#include "storage/atomic_write.h"

#include "storage/words.h"
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace vkp2::storage {

namespace detail {

bool writeInPlace(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    // The write only fills QFile's buffer; the flush is what tells whether the disk took it all.
    if (file.write(content) != content.size() || !file.flush())
        return false;
    file.close();
    return file.error() == QFileDevice::NoError;
}

} // namespace detail

bool writeAtomically(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // No temporary file could be made beside it. Not QSaveFile::setDirectWriteFallback: it
        // steps in only on EACCES and only on Unix, so an immutable folder (EPERM) or Windows
        // would still lose the save. Where the file itself cannot be written this fails too.
        return detail::writeInPlace(path, content);
    }
    // commit() would not notice a buffered write that a full disk cut short, and would put
    // the truncated file in place of the old one: flush and check first.
    if (file.write(content) != content.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeAtomically(const QString &path, const QByteArray &content, QString *problem)
{
    if (writeAtomically(path, content))
        return true;
    if (problem)
        *problem = Words::tr("%1: cannot be written").arg(QDir::toNativeSeparators(path));
    return false;
}

} // namespace vkp2::storage
