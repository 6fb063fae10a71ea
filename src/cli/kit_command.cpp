// kit: the user's own equipment in kit.json: list, add (kit_edit.cpp), remove, import, export.

#include "cli/command_table.h"
#include "cli/equipment_columns.h"
#include "cli/kit_edit.h"
#include "cli/messages.h"
#include "cli/words.h"
#include "planner/closest_names.h"
#include "planner/equipment_database.h"
#include "planner/name_pick.h"
#include "storage/kit_checks.h"
#include "storage/kit_file.h"
#include "storage/kit_import.h"

namespace vkp2::cli {

namespace {

using storage::KitKind;

constexpr KitKind kKinds[] = {KitKind::Telescope, KitKind::Camera, KitKind::Lens, KitKind::Eyepiece};

qsizetype countOf(const storage::Kit &kit, KitKind kind)
{
    switch (kind) {
    case KitKind::Telescope:
        return kit.telescopes.size();
    case KitKind::Camera:
        return kit.cameras.size();
    case KitKind::Lens:
        return kit.lenses.size();
    case KitKind::Eyepiece:
        break;
    }
    return kit.eyepieces.size();
}

QString plural(KitKind kind) { return storage::kindWord(kind) + QLatin1Char('s'); }

void words(const Context &cx, qsizetype count, const QString &usage)
{
    if (cx.args.positional.size() != count)
        fail(QStringLiteral("kit ") + cx.args.positional.first(), Words::tr("usage: vkp2plan kit %1").arg(usage));
}

template <typename Entry>
QList<Listed<Entry>> listed(const QList<Entry> &entries)
{
    QList<Listed<Entry>> out;
    for (const Entry &e : entries)
        out.append({e, QString()});
    return out;
}

Result runList(const Context &cx, const UserKit &user)
{
    onlyOptions(cx, {QStringLiteral("--format")}, QStringLiteral("kit list"));
    words(cx, 1, QStringLiteral("list [--format text|csv|json]"));
    if (!user.problem.isEmpty())
        return {kExitFailed, {}, diagnostic(kit_messages::kitNotUsed(user.path, user.problem))};
    const storage::Kit &k = user.kit;
    const QList<std::pair<QString, Table>> tables{
        {storage::kindWord(KitKind::Telescope), equipmentTable(cx, listed(k.telescopes), false)},
        {storage::kindWord(KitKind::Camera), equipmentTable(cx, listed(k.cameras), false)},
        {storage::kindWord(KitKind::Lens), equipmentTable(cx, listed(k.lenses), false)},
        {storage::kindWord(KitKind::Eyepiece), equipmentTable(cx, listed(k.eyepieces), false)},
    };
    if (cx.format != Format::Text)
        return {kExitOk, writeTable(joinedTables(tables), cx.format), {}};
    if (k.isEmpty())
        return {kExitOk, (kit_messages::emptyKit() + QLatin1Char('\n')).toUtf8(), {}};
    QByteArray out;
    for (const auto &[kind, table] : tables) {
        if (table.rows.isEmpty())
            continue;
        if (!out.isEmpty())
            out += '\n';
        out += writeTable(table, Format::Text);
    }
    return {kExitOk, out, {}};
}

template <typename Entry>
Result removed(const UserKit &user, QList<Entry> storage::Kit::*list, KitKind kind, const QString &name)
{
    const QStringList names = planner::namesOf(user.kit.*list);
    const QString word = storage::kindWord(kind);
    const auto at = planner::sameName(names, name);
    if (!at)
        return {kExitFailed, {},
                diagnostic(kit_messages::notInKit(word, name, planner::closestEntries(name, names)))};
    storage::Kit kit = user.kit;
    (kit.*list).removeAt(*at);
    Result out;
    if (writeUserKit(user, kit, out))
        out.out = (kit_messages::removed(word, names[*at]) + QLatin1Char('\n')).toUtf8();
    return out;
}

Result runRemove(const Context &cx, const UserKit &user)
{
    onlyOptions(cx, {}, QStringLiteral("kit remove"));
    const QStringList &w = cx.args.positional;
    if (w.size() < 3)
        words(cx, 3, QStringLiteral("remove telescope|camera|barlow|eyepiece NAME"));
    const KitKind kind = kitKindNamed(w[1]);
    const QString name = w.mid(2).join(QLatin1Char(' ')).trimmed();
    if (!user.problem.isEmpty())
        return {kExitFailed, {}, diagnostic(kit_messages::kitNotChanged(user.path, user.problem))};
    switch (kind) {
    case KitKind::Telescope:
        return removed(user, &storage::Kit::telescopes, kind, name);
    case KitKind::Camera:
        return removed(user, &storage::Kit::cameras, kind, name);
    case KitKind::Lens:
        return removed(user, &storage::Kit::lenses, kind, name);
    case KitKind::Eyepiece:
        break;
    }
    return removed(user, &storage::Kit::eyepieces, kind, name);
}

Result runImport(const Context &cx, const UserKit &user)
{
    onlyOptions(cx, {QStringLiteral("--partial")}, QStringLiteral("kit import"));
    words(cx, 2, QStringLiteral("import FILE [--partial]"));
    const storage::KitImport imported = storage::importKitFile(cx.args.positional[1]);
    if (!imported.problem.isEmpty())
        return {kExitFailed, {}, diagnostic(imported.problem)};
    if (!user.problem.isEmpty())
        return {kExitFailed, {}, diagnostic(kit_messages::kitNotChanged(user.path, user.problem))};
    QString report;
    for (const QString &s : imported.skipped)
        report += Words::tr("skipped: ") + s + QLatin1Char('\n');
    for (const QString &e : imported.errors)
        report += Words::tr("wrong: ") + e + QLatin1Char('\n');
    Result out;
    if (!imported.errors.isEmpty() && !cx.args.has(QStringLiteral("--partial"))) {
        // Nothing was imported: what was wrong is the failure's own account.
        out.status = kExitFailed;
        out.err = report.toUtf8() + diagnostic(kit_messages::nothingImported(imported.errors.size()));
        return out;
    }
    const storage::KitMerge merged = storage::mergeKits(user.kit, imported.kit);
    for (const QString &n : merged.notes)
        report += Words::tr("left out: ") + n + QLatin1Char('\n');
    const QString taken = countsText(merged.kit, user.kit);
    report += taken.isEmpty() ? Words::tr("imported nothing new\n")
                              : Words::tr("imported %1\n").arg(taken);
    if (!taken.isEmpty() && !writeUserKit(user, merged.kit, out))
        return out;
    out.out = report.toUtf8();
    return out;
}

Result runExport(const Context &cx, const UserKit &user)
{
    onlyOptions(cx, {QStringLiteral("--format")}, QStringLiteral("kit export"));
    words(cx, 2, QStringLiteral("export [--format json|ocular-ini|oal] FILE"));
    const QString option = QStringLiteral("--format");
    const QString name = cx.args.has(option) ? cx.args.value(option)
                                             : storage::formatName(storage::KitFormat::Json);
    const auto format = storage::formatNamed(name);
    if (!format)
        fail(option, Words::tr("\"%1\" is none of json, ocular-ini, oal").arg(name));
    if (!storage::canExport(*format))
        fail(option, kit_messages::importOnly(name));
    if (!user.problem.isEmpty())
        return {kExitFailed, {}, diagnostic(kit_messages::kitNotUsed(user.path, user.problem))};
    if (user.kit.isEmpty())
        return {kExitFailed, {}, diagnostic(kit_messages::emptyKit())};
    const QString path = cx.args.positional[1];
    QString problem;
    if (!storage::writeExport(path, user.kit, *format, &problem))
        return {kExitFailed, {}, diagnostic(problem)};
    return {kExitOk, Words::tr("exported %1 to %2\n").arg(countsText(user.kit), path).toUtf8(), {}};
}

} // namespace

storage::KitKind kitKindNamed(const QString &word)
{
    for (const KitKind k : kKinds) {
        if (word == storage::kindWord(k) || word == plural(k))
            return k;
    }
    fail(QStringLiteral("kit"), QCoreApplication::translate("vkp2plan", "\"%1\" is none of telescope, camera, barlow, eyepiece").arg(word));
}

QString countsText(const storage::Kit &after, const storage::Kit &before)
{
    QStringList parts;
    for (const KitKind k : kKinds) {
        const qsizetype n = countOf(after, k) - countOf(before, k);
        if (n > 0)
            parts << QStringLiteral("%1 %2").arg(n).arg(kit_messages::kindNoun(n == 1 ? storage::kindWord(k) : plural(k)));
    }
    return parts.join(QStringLiteral(", "));
}

void onlyOptions(const Context &cx, const QStringList &allowed, const QString &what)
{
    for (const auto &o : cx.args.options) {
        if (!allowed.contains(o.first))
            fail(o.first, Words::tr("not an option of %1").arg(what));
    }
}

bool writeUserKit(const UserKit &user, const storage::Kit &kit, Result &out)
{
    QString problem;
    if (storage::writeKitFile(user.path, kit, &problem))
        return true;
    out.status = kExitFailed;
    out.out.clear();
    out.err += diagnostic(kit_messages::kitNotChanged(user.path, problem));
    return false;
}

Result runKit(const Context &cx)
{
    const QStringList &w = cx.args.positional;
    const QString actions = QStringLiteral("list, add, remove, import, export");
    if (w.isEmpty())
        fail(QStringLiteral("kit"), Words::tr("give one of %1").arg(actions));
    using Action = Result (*)(const Context &, const UserKit &);
    const std::pair<const char *, Action> table[] = {
        {"list", &runList}, {"add", &runKitAdd}, {"remove", &runRemove},
        {"import", &runImport}, {"export", &runExport},
    };
    for (const auto &[name, action] : table) {
        if (w.first() == QLatin1String(name))
            return action(cx, readUserKit());
    }
    fail(QStringLiteral("kit"), Words::tr("\"%1\" is none of %2").arg(w.first(), actions));
}

} // namespace vkp2::cli
