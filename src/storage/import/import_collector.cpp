#include "storage/import/import_collector.h"

#include "storage/kit_checks.h"
#include "storage/words.h"

namespace vkp2::storage {

ImportCollector::ImportCollector(KitFormat format) { result_.format = format; }

template <typename Entry>
void ImportCollector::take(QList<Entry> &list, const Entry &entry, KitKind kind,
                           const QString &where)
{
    if (failed())
        return;
    const QString problem = problemOf(entry);
    if (!problem.isEmpty()) {
        error(where, problem);
        return;
    }
    QSet<QString> &seen = seen_[int(kind)];
    const QString key = nameKey(entry.name);
    if (seen.contains(key)) {
        error(where, Words::tr("a second %1 named \"%2\"").arg(kindText(kind), entry.name));
        return;
    }
    if (list.size() >= kit_limits::kMaxEntriesPerKind) {
        fail(tooManyEntriesProblem());
        return;
    }
    seen.insert(key);
    list << entry;
}

void ImportCollector::add(const KitTelescope &t, const QString &where)
{
    take(result_.kit.telescopes, t, KitKind::Telescope, where);
}

void ImportCollector::add(const KitCamera &c, const QString &where)
{
    take(result_.kit.cameras, c, KitKind::Camera, where);
}

void ImportCollector::add(const KitLens &l, const QString &where)
{
    take(result_.kit.lenses, l, KitKind::Lens, where);
}

void ImportCollector::add(const KitEyepiece &e, const QString &where)
{
    take(result_.kit.eyepieces, e, KitKind::Eyepiece, where);
}

void ImportCollector::skip(const QString &where, const QString &why)
{
    if (!failed())
        result_.skipped << where + QStringLiteral(": ") + why;
}

void ImportCollector::error(const QString &where, const QString &why)
{
    if (!failed())
        result_.errors << where + QStringLiteral(": ") + why;
}

void ImportCollector::fail(const QString &problem)
{
    const KitFormat format = result_.format;
    result_ = KitImport();
    result_.format = format;
    result_.problem = problem;
}

KitImport ImportCollector::result() const
{
    // Sections or tables with nothing in them: the file was taken for the wrong one.
    if (!failed() && result_.kit.isEmpty() && result_.skipped.isEmpty() && result_.errors.isEmpty()) {
        KitImport empty;
        empty.format = result_.format;
        empty.problem = Words::tr("the file holds no equipment");
        return empty;
    }
    return result_;
}

} // namespace vkp2::storage
