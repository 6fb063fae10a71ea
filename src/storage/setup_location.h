#pragma once
// Where the user equipment file and the per-user data folder are.

#include <QString>

namespace vkp2::storage {

// The user equipment file to read and write, as an absolute path: vkp2user.dat in the current
// folder when that file is there, else vkp2user.dat in the per-user data folder (on Linux
// $XDG_DATA_HOME/VKP2, by default ~/.local/share/VKP2), which is created when missing. When it
// cannot be created, the current folder's vkp2user.dat all the same, so the program still runs.
// Ask once at start-up and keep the answer: it follows the current folder.
// Programs that only read the setup (the planners) pass ReadOnly: the data folder is then not
// created, and a missing one gives the current folder's name (where no file is either).
enum class FolderCreation { Create, ReadOnly };
QString userEquipmentFilePath(FolderCreation creation = FolderCreation::Create);

// The per-user data folder itself, absolute; with Create it is made when missing. Empty when the
// system names none or it cannot be made. With ReadOnly it may not exist yet.
QString dataFolderPath(FolderCreation creation);

} // namespace vkp2::storage
