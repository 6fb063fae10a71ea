#include "storage/user_equipment_file.h"

#include "storage/atomic_write.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace vkp2::storage {

std::array<QString, 13> readUserEquipmentFile(const QString &path)
{
    std::array<QString, 13> userData;
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return userData;

    // The file is a dozen short lines; anything far larger is not ours to load whole.
    const QByteArray bytes = file.read(kMaxReadBytes);
    qsizetype start = 0;
    for (std::size_t slot = 1; slot < userData.size() && start < bytes.size(); ++slot) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool lineEnded = end >= 0;
        if (!lineEnded)
            end = bytes.size();
        QByteArray line = bytes.mid(start, end - start);
        if (lineEnded && line.endsWith('\r'))
            line.chop(1);
        userData[slot] = QString::fromUtf8(line);
        start = end + 1;
    }
    return userData;
}

bool writeUserEquipmentFile(const QString &path, const QStringList &lines)
{
    QByteArray content;
    for (const QString &line : lines) {
        // A field can hold a pasted line break; written as is, it would split its line and
        // shift every later value into the wrong field at the next start.
        QString text = line;
        text.replace(QLatin1String("\r\n"), QLatin1String(" "));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        content += text.toUtf8() + "\r\n";
    }

    return writeAtomically(path, content);
}

int removeStaleTemporaryFiles(const QString &path)
{
    const QFileInfo target(path);
    // Qt 6 fills the six X of "<name>.XXXXXX" with A-Z and a-z only.
    const QRegularExpression leftover(QStringLiteral("\\A") + QRegularExpression::escape(target.fileName())
                                      + QStringLiteral("\\.[A-Za-z]{6}\\z"));
    // A save holds its temporary file for milliseconds, but another instance may be saving into
    // this folder right now, a network share can stall it for long, and a file server's clock
    // can run minutes off ours. Ten minutes stays clear of all that; a leftover does no harm
    // while it waits for a later start.
    const QDateTime cutoff = QDateTime::currentDateTimeUtc().addSecs(-kStaleTemporaryFileSeconds);
    int removed = 0;
    const QFileInfoList entries =
        target.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &entry : entries) {
        if (!leftover.match(entry.fileName()).hasMatch() || entry.lastModified() >= cutoff)
            continue;
#ifdef Q_OS_UNIX
        // In a shared folder, another user's save is theirs to clean up.
        if (entry.ownerId() != ::geteuid())
            continue;
#endif
        if (QFile::remove(entry.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

} // namespace vkp2::storage
