#pragma once
// The user's kit as the commands read it: kit.json in the per-user data folder.

#include "storage/kit.h"

#include <QString>

namespace vkp2::cli {

struct UserKit {
    QString path;
    storage::Kit kit; // empty when the file is missing or has a problem
    QString problem;  // what is wrong with the file; the kit is then not used and never written
};

UserKit readUserKit();

} // namespace vkp2::cli
