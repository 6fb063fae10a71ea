#include "planner/closest_names.h"

#include <QList>

#include <algorithm>

namespace vkp2::planner {

int editDistance(const QString &a, const QString &b)
{
    const QString x = a.toCaseFolded();
    const QString y = b.toCaseFolded();
    QList<int> prev(y.size() + 1), cur(y.size() + 1);
    for (int j = 0; j <= y.size(); ++j)
        prev[j] = j;
    for (int i = 1; i <= x.size(); ++i) {
        cur[0] = i;
        for (int j = 1; j <= y.size(); ++j) {
            const int change = prev[j - 1] + (x[i - 1] == y[j - 1] ? 0 : 1);
            cur[j] = std::min({prev[j] + 1, cur[j - 1] + 1, change});
        }
        std::swap(prev, cur);
    }
    return prev[y.size()];
}

namespace {

QString lettersAndDigits(const QString &s)
{
    QString out;
    for (const QChar c : s.toCaseFolded()) {
        if (c.isLetterOrNumber())
            out += c;
    }
    return out;
}

} // namespace

QStringList closestEntries(const QString &typed, const QStringList &entries)
{
    struct Scored {
        int distance;
        qsizetype order;
        QString entry;
    };
    QList<Scored> containing, all;
    const QString key = lettersAndDigits(typed);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Scored s{editDistance(typed, entries[i]), i, entries[i]};
        all.append(s);
        if (!key.isEmpty() && lettersAndDigits(entries[i]).contains(key))
            containing.append(s);
    }
    const auto byDistance = [](const Scored &l, const Scored &r) {
        return l.distance != r.distance ? l.distance < r.distance : l.order < r.order;
    };
    QList<Scored> picked;
    if (!containing.isEmpty()) {
        picked = containing;
        std::sort(picked.begin(), picked.end(), byDistance);
    } else if (!all.isEmpty()) {
        std::sort(all.begin(), all.end(), byDistance);
        // A name more than about half wrong is no typo of any entry.
        const int allowed = std::max<int>(2, int(typed.size() / 2));
        for (const auto &s : all) {
            if (s.distance > allowed || s.distance > all.first().distance)
                break;
            picked.append(s);
        }
    }
    QStringList out;
    for (const auto &s : picked.mid(0, 3))
        out << s.entry;
    return out;
}

} // namespace vkp2::planner
