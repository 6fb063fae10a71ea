#pragma once
// What the kit command's parts share: the kinds by the words the command line uses, and the
// kit as it is written back.

#include "cli/commands.h"
#include "cli/context.h"
#include "cli/user_kit.h"
#include "storage/kit.h"

#include <QStringList>

namespace vkp2::cli {

// "telescope(s)", "camera(s)", "barlow(s)", "eyepiece(s)"; a usage error for another word.
storage::KitKind kitKindNamed(const QString &word);
// "2 telescopes, 1 camera": how many of each kind `after` has more than `before`.
QString countsText(const storage::Kit &after, const storage::Kit &before = {});
// A usage error for any option given that is not one of `allowed`.
void onlyOptions(const Context &cx, const QStringList &allowed, const QString &what);

// Writes the kit back to kit.json; a failure as the command's result (status 1).
bool writeUserKit(const UserKit &user, const storage::Kit &kit, Result &out);

// kit add KIND NAME [values]: kit_edit.cpp.
Result runKitAdd(const Context &cx, const UserKit &user);

} // namespace vkp2::cli
