#pragma once
// The user equipment file, "vkp2user.dat": the last setup, one text per CR LF-ended line
// (telescope, ocular, camera, focal length, aperture, TL, D, pixel width, pixel height,
// chip width, chip height). Read at start-up into twelve slots, written at shut-down.

#include "storage/atomic_write.h"

#include <QString>
#include <QStringList>

#include <array>

namespace vkp2::storage {

inline const QString kUserEquipmentFileName = QStringLiteral("vkp2user.dat");

// Slots 1..12 (index 0 unused). A missing or unreadable file leaves every slot empty.
// Only a CR right before an LF is dropped; a last line without a line end is kept. Lines past
// the twelfth are ignored, and no more than kMaxReadBytes are ever read.
inline constexpr qint64 kMaxReadBytes = 64 * 1024;
std::array<QString, 13> readUserEquipmentFile(const QString &path);

// Writes each text followed by CR LF, a line break inside a text as a space, atomically: a
// failed or interrupted write leaves the previous file whole. In a folder that lets the file be
// changed but no file be added, no temporary file can be made beside it; then the file is
// rewritten in place, which a crash can tear. Returns false when neither way wrote the file.
bool writeUserEquipmentFile(const QString &path, const QStringList &lines);

// Removes what saves cut off by a kill or a power cut left beside the file at `path`: names of
// the form "<file name>.XXXXXX", six ASCII letters, as QSaveFile makes them. Only regular
// files (no links) of this user that are older than kStaleTemporaryFileSeconds go; the rest is
// left alone. Meant for once at start-up, before reading. Returns how many were removed.
inline constexpr int kStaleTemporaryFileSeconds = 10 * 60;
int removeStaleTemporaryFiles(const QString &path);

} // namespace vkp2::storage
