#include "cli/messages.h"

#include "calculator/procedures/message_text.h"

#include <QCoreApplication>
#include <QStringList>

namespace vkp2::cli {

namespace {

QString nameOf(Box box)
{
    switch (box) {
    case Box::Distance_d:
        return QStringLiteral("D");
    case Box::Distance_tl:
        return QStringLiteral("TL");
    default:
        return QStringLiteral("the box");
    }
}

// What the calculator did instead of taking the value, from what the message says as data.
QString fallbackOf(const Message &m, const planner::Shown &sh)
{
    if (!m.detail)
        return {};
    const CalculatorMessage &d = *m.detail;
    switch (d.fallback) {
    case Fallback::None:
        return {};
    case Fallback::BoxValue:
        return QStringLiteral("%1 falls back to %2").arg(nameOf(d.box.value_or(Box::Flength)), d.fallbackText);
    case Fallback::TelescopeRestored:
        return QStringLiteral("the %1's values come back: focal length %2, aperture %3")
            .arg(sh.telescope, sh.box(Box::Flength), sh.box(Box::Aperture));
    case Fallback::ResultsEmptied:
        return QStringLiteral("the results stay empty");
    case Fallback::BinningMode:
        return QStringLiteral("binning falls back to %1").arg(d.fallbackText);
    }
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
    // The calculator's own wording, rendered here from the message's data.
    const MessageText t = m.detail ? render(*m.detail, &QCoreApplication::translate) : MessageText{m.text, m.title, m.icon};
    QString line = t.title + QStringLiteral(": ") + t.text;
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

namespace vkp2::cli {

QByteArray diagnostic(const QString &text)
{
    return (QStringLiteral("vkp2plan: ") + text + QLatin1Char('\n')).toUtf8();
}

namespace kit_messages {

namespace {

QString withPath(const QString &path, const QString &problem)
{
    return problem.contains(path) ? problem : QStringLiteral("%1: %2").arg(path, problem);
}

} // namespace

QString quotedList(const QStringList &names)
{
    QStringList quoted;
    for (const QString &n : names)
        quoted << QLatin1Char('"') + n + QLatin1Char('"');
    return quoted.join(QStringLiteral(", "));
}

QString kitNotUsed(const QString &path, const QString &problem)
{
    return QStringLiteral("the kit is not used: %1").arg(withPath(path, problem));
}

QString kitNotChanged(const QString &path, const QString &problem)
{
    return QStringLiteral("the kit is left as it is: %1").arg(withPath(path, problem));
}

QString emptyKit()
{
    return QStringLiteral("the kit is empty; add to it with \"vkp2plan kit add\" or "
                          "\"vkp2plan kit import FILE\"");
}

QString alreadyInKit(const QString &kind, const QString &name)
{
    return QStringLiteral("the kit already has a %1 \"%2\"").arg(kind, name);
}

QString notInKit(const QString &kind, const QString &name, const QStringList &closest)
{
    QString out = QStringLiteral("the kit has no %1 \"%2\"").arg(kind, name);
    if (!closest.isEmpty())
        out += QStringLiteral("; did you mean %1?").arg(quotedList(closest));
    return out;
}

QString added(const QString &kind, const QString &name)
{
    return QStringLiteral("added the %1 \"%2\"").arg(kind, name);
}

QString removed(const QString &kind, const QString &name)
{
    return QStringLiteral("removed the %1 \"%2\"").arg(kind, name);
}

QString nothingImported(qsizetype wrong)
{
    return QStringLiteral("nothing imported: %1 %2 wrong; --partial takes the others")
        .arg(wrong)
        .arg(wrong == 1 ? QStringLiteral("entry is") : QStringLiteral("entries are"));
}

QString importOnly(const QString &format)
{
    return QStringLiteral("\"%1\" files are read by \"kit import\", not written; export to "
                          "json, ocular-ini or oal")
        .arg(format);
}

QString noMatch(const QString &kind, const QString &text)
{
    return QStringLiteral("no %1 matches \"%2\"").arg(kind, text);
}

} // namespace kit_messages

} // namespace vkp2::cli
