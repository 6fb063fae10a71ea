#include "widgets/about/system_info.h"

#include "calculator/toolkit/controls.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <array>

namespace vkp2 {

bool DetachedLauncher::startDetached(const QString &path)
{
    return QProcess::startDetached(path);
}

bool DirectoryListing::fileExists(const QString &path)
{
    return QFileInfo(QDir::fromNativeSeparators(path)).isFile();
}

SystemInfo::SystemInfo(Registry &registry, ProgramLauncher &launcher, FileListing &files,
                       MessageBoxes &messages)
    : registry_(registry), launcher_(launcher), files_(files), messages_(messages)
{
}

void SystemInfo::StartSysInfo()
{
    QString path;
    QString KeyVal;
    if (GetKeyValue(reg::kLocalMachine, kSysInfoPathKey, kSysInfoPathValue, KeyVal)) {
        // The registered full path is trusted as it is; only the folder form is checked.
        path = KeyVal;
    } else if (GetKeyValue(reg::kLocalMachine, kSysInfoFolderKey, kSysInfoFolderValue, KeyVal)
               && !KeyVal.isEmpty()) {
        // An empty folder would make "\MSINFO32.EXE" on the current drive's root: not ours.
        const QString candidate = KeyVal + kSysInfoProgram;
        if (files_.fileExists(candidate))
            path = candidate;
    }
    // A value of another type leaves no path; starting "" could only fail.
    if (!path.isEmpty() && launcher_.startDetached(path))
        return;
    messages_.show(kSysInfoUnavailable, QString(), MessageIcon::None);
}

bool SystemInfo::GetKeyValue(std::uint32_t KeyRoot, const std::string &KeyName,
                             const std::string &SubKeyRef, QString &KeyVal)
{
    Registry::KeyHandle key = 0;
    // Read access only: a standard user may read HKEY_LOCAL_MACHINE but not write it.
    if (registry_.openKey(KeyRoot, KeyName, reg::kKeyRead, key) != reg::kSuccess) {
        KeyVal.clear();
        return false; // nothing was opened, so nothing is closed
    }

    std::array<std::uint8_t, kValueBufferSize> buffer{};
    std::uint32_t byteCount = static_cast<std::uint32_t>(buffer.size());
    std::uint32_t type = 0;
    const bool found =
        registry_.queryValue(key, SubKeyRef, type, buffer.data(), byteCount) == reg::kSuccess;
    if (!found) {
        KeyVal.clear();
    } else if (type == reg::kTypeString) {
        const auto end = std::find(buffer.begin(), buffer.end(), std::uint8_t{0});
        KeyVal = QString::fromLocal8Bit(reinterpret_cast<const char *>(buffer.data()),
                                        end - buffer.begin());
    } else if (type == reg::kTypeDword) {
        // Decoded from all four bytes, not cut at a NUL: 256 is 00 01 00 00.
        const std::uint32_t number = std::uint32_t{buffer[0]} | std::uint32_t{buffer[1]} << 8
                                     | std::uint32_t{buffer[2]} << 16
                                     | std::uint32_t{buffer[3]} << 24;
        KeyVal = QString::number(number);
    }
    registry_.closeKey(key);
    return found;
}

} // namespace vkp2
