#pragma once
// What every importer does with the entries it reads: checks each one, refuses names a file
// holds twice and files with more entries than any kit holds, and says where each problem is.

#include "storage/kit_import.h"

#include <QSet>

namespace vkp2::storage {

class ImportCollector {
public:
    explicit ImportCollector(KitFormat format);

    // `where` names the entry in the file's own terms ("[ccd] entry 3", "scope \"s1\"").
    void add(const KitTelescope &t, const QString &where);
    void add(const KitCamera &c, const QString &where);
    void add(const KitLens &l, const QString &where);
    void add(const KitEyepiece &e, const QString &where);
    // The entry as read, or the problem reading it found instead.
    template <typename Entry>
    void add(const Entry &entry, const QString &where, const QString &readProblem)
    {
        if (readProblem.isEmpty())
            add(entry, where);
        else
            error(where, readProblem);
    }
    void skip(const QString &where, const QString &why);
    void error(const QString &where, const QString &why);
    // The file as a whole cannot be read: everything collected so far is dropped.
    void fail(const QString &problem);
    bool failed() const { return !result_.problem.isEmpty(); }

    // A file that held no entry at all, not even one skipped or wrong, is a problem.
    KitImport result() const;

private:
    template <typename Entry>
    void take(QList<Entry> &list, const Entry &entry, KitKind kind, const QString &where);

    KitImport result_;
    QSet<QString> seen_[4]; // name keys taken so far, per kind
};

} // namespace vkp2::storage
