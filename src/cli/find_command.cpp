// find: the entries of the user's kit and of the equipment database a text matches, best
// first, the kit's before the database's.

#include "cli/command_table.h"
#include "cli/equipment_columns.h"
#include "cli/messages.h"
#include "cli/user_kit.h"
#include "cli/words.h"
#include "planner/equipment_database.h"
#include "planner/name_pick.h"
#include "storage/kit_checks.h"

namespace vkp2::cli {

namespace {

using planner::EquipmentKind;

template <typename Entry>
QList<Listed<Entry>> ranked(const QList<Entry> &entries, const QString &text, const QString &source)
{
    QList<Listed<Entry>> out;
    for (const qsizetype i : planner::rankMatches(planner::namesOf(entries), text))
        out.append({entries[i], source});
    return out;
}

// Where an entry is from: a value scripts read in CSV and JSON, a word in text.
QString sourceWord(const Context &cx, const char *source)
{
    return cx.format == Format::Text ? Words::tr(source) : QLatin1String(source);
}

template <typename Entry>
Result found(const Context &cx, QList<Entry> storage::Kit::*kind, const UserKit &user,
             const QString &text, const QString &kindWord)
{
    const QList<Listed<Entry>> rows =
        ranked(user.kit.*kind, text, sourceWord(cx, QT_TRANSLATE_NOOP("vkp2plan", "kit")))
        + ranked(planner::equipmentDatabase().*kind, text,
                 sourceWord(cx, QT_TRANSLATE_NOOP("vkp2plan", "database")));
    Result out;
    if (!user.problem.isEmpty())
        out.err += diagnostic(kit_messages::kitNotUsed(user.path, user.problem));
    if (rows.isEmpty()) {
        out.status = kExitFailed;
        out.err += diagnostic(kit_messages::noMatch(kindWord, text));
        return out;
    }
    out.out = writeTable(equipmentTable(cx, rows, true), cx.format);
    return out;
}

} // namespace

Result runFind(const Context &cx)
{
    const QStringList &words = cx.args.positional;
    const QString kinds = QStringLiteral("cameras, telescopes, eyepieces, barlows");
    if (words.isEmpty())
        fail(QStringLiteral("find"), Words::tr("give one of %1, then the text to look for").arg(kinds));
    const auto kind = planner::equipmentKindNamed(words.first());
    if (!kind)
        fail(QStringLiteral("find"), Words::tr("\"%1\" is none of %2").arg(words.first(), kinds));
    const QString text = words.mid(1).join(QLatin1Char(' ')).trimmed();
    if (text.isEmpty())
        fail(QStringLiteral("find"), Words::tr("give the text to look for after \"%1\"").arg(words.first()));
    // Names are matched on their letters and digits; a text with none would match nothing.
    if (storage::nameKey(text).isEmpty())
        fail(QStringLiteral("find"), Words::tr("\"%1\" holds no letter or digit").arg(text));
    const UserKit user = readUserKit();
    const QString word = planner::equipmentKindWord(*kind, false);
    switch (*kind) {
    case EquipmentKind::Telescope:
        return found(cx, &storage::Kit::telescopes, user, text, word);
    case EquipmentKind::Camera:
        return found(cx, &storage::Kit::cameras, user, text, word);
    case EquipmentKind::Eyepiece:
        return found(cx, &storage::Kit::eyepieces, user, text, word);
    case EquipmentKind::Barlow:
        break;
    }
    return found(cx, &storage::Kit::lenses, user, text, word);
}

} // namespace vkp2::cli
