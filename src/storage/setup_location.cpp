#include "storage/setup_location.h"

#include "storage/user_equipment_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vkp2::storage {

QString dataFolderPath(FolderCreation creation)
{
    // Not AppDataLocation: it is made of the organisation and application names, which nothing
    // sets, and setting them would tie the path to whether that ran first. "VKP2" is the
    // settings store's name too.
    const QString shared = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (shared.isEmpty())
        return {};
    const QDir folder(shared + QStringLiteral("/VKP2"));
    if (creation == FolderCreation::Create && !folder.mkpath(QStringLiteral(".")))
        return {};
    return folder.absolutePath();
}

QString userEquipmentFilePath(FolderCreation creation)
{
    const QString here = QDir::current().absoluteFilePath(kUserEquipmentFileName);
    // Users who keep a setup per folder and start the program from there rely on this one. A
    // folder of that name is no setup, and no save could ever replace it.
    if (QFileInfo(here).isFile())
        return here;

    const QString folder = dataFolderPath(creation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return here;
    return QDir(folder).absoluteFilePath(kUserEquipmentFileName);
}

} // namespace vkp2::storage
