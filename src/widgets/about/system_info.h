#pragma once
// Starting the operating system's system-information tool from the About window.
// The registry, the start of a program and the file-existence test are seams, so tests
// can drive every branch without Windows.

#include "widgets/about/registry.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

namespace vkp2 {

class MessageBoxes;

// Starts a program from its full path without waiting for it.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual bool startDetached(const QString &path) = 0;
};

// Whether a directory listing of `path` finds a file (a folder does not count).
class FileListing {
public:
    virtual ~FileListing() = default;
    virtual bool fileExists(const QString &path) = 0;
};

class DetachedLauncher final : public ProgramLauncher {
public:
    bool startDetached(const QString &path) override;
};

class DirectoryListing final : public FileListing {
public:
    bool fileExists(const QString &path) override;
};

inline const QString kSysInfoUnavailable =
    QStringLiteral("System Information Is Unavailable At This Time");

// Where the tool is registered, both under HKEY_LOCAL_MACHINE: first its full path, then
// the folder that holds kSysInfoProgram.
inline const std::string kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline const std::string kSysInfoPathValue = "PATH";
inline const std::string kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline const std::string kSysInfoFolderValue = "MSINFO";
inline const QString kSysInfoProgram = QStringLiteral("\\MSINFO32.EXE");

// Size of the buffer a registry value is read into; a longer value fails the read.
inline constexpr std::size_t kValueBufferSize = 1024;

class SystemInfo {
public:
    SystemInfo(Registry &registry, ProgramLauncher &launcher, FileListing &files,
               MessageBoxes &messages);

    // Starts the tool, or shows the one failure message.
    void StartSysInfo();

    // Reads value `SubKeyRef` of key `KeyName` under `KeyRoot` into `KeyVal`: a string as its
    // text up to the first NUL, a 32-bit number as unsigned decimal text; other types leave
    // `KeyVal` unchanged but still succeed. On failure `KeyVal` becomes empty.
    bool GetKeyValue(std::uint32_t KeyRoot, const std::string &KeyName,
                     const std::string &SubKeyRef, QString &KeyVal);

private:
    Registry &registry_;
    ProgramLauncher &launcher_;
    FileListing &files_;
    MessageBoxes &messages_;
};

} // namespace vkp2
