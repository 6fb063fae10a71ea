#include "cli/messages.h"

#include "calculator/catalog/lookup.h"

#include <QStringList>

namespace vkp2::cli {

namespace {

// What the calculator did about a message, recovered from its wording: the one place that
// knows it, until messages carry what they fell back to.
QString fallbackOf(const Message &m, const planner::Shown &sh)
{
    const QString &t = m.text;
    if (t.startsWith(QLatin1String("Distance - D ")))
        return QStringLiteral("D falls back to %1").arg(sh.box("Distance_d"));
    if (t.startsWith(QLatin1String("Distance - TL ")))
        return QStringLiteral("TL falls back to %1").arg(sh.box("Distance_tl"));
    if (t.startsWith(QLatin1String("F-Length ")) || t.startsWith(QLatin1String("Aperture "))) {
        if (sh.telescope == entries::UserDefined)
            return QStringLiteral("the results stay empty");
        return QStringLiteral("the %1's values come back: focal length %2, aperture %3")
            .arg(sh.telescope, sh.box("Flength"), sh.box("Aperture"));
    }
    if (t == QLatin1String("Enter a number greater than 50."))
        return QStringLiteral("the box falls back to 50");
    if (t.contains(QLatin1String("does not support")))
        return QStringLiteral("binning falls back to %1").arg(sh.binning);
    return {};
}

} // namespace

QList<Message> distinctMessages(const QList<Message> &messages)
{
    QList<Message> out;
    for (const Message &m : messages) {
        if (out.isEmpty() || !(out.last() == m))
            out << m;
    }
    return out;
}

QString messageLine(const Message &m, const planner::Shown &sh)
{
    QString line = m.title + QStringLiteral(": ") + m.text;
    const QString fallback = fallbackOf(m, sh);
    if (!fallback.isEmpty())
        line += QStringLiteral(" (") + fallback + QLatin1Char(')');
    return line;
}

QString messagesText(const planner::Shown &sh)
{
    QStringList lines;
    for (const Message &m : distinctMessages(sh.messages))
        lines << messageLine(m, sh);
    return lines.join(QStringLiteral("; "));
}

} // namespace vkp2::cli
