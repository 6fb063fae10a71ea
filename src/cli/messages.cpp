#include "cli/messages.h"
#include "cli/words.h"

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
        return Words::tr("the box");
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
        return Words::tr("%1 falls back to %2").arg(nameOf(d.box.value_or(Box::Flength)), d.fallbackText);
    case Fallback::TelescopeRestored:
        return Words::tr("the %1's values come back: focal length %2, aperture %3")
            .arg(sh.telescope, sh.box(Box::Flength), sh.box(Box::Aperture));
    case Fallback::ResultsEmptied:
        return Words::tr("the results stay empty");
    case Fallback::BinningMode:
        return Words::tr("binning falls back to %1").arg(d.fallbackText);
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

QByteArray outputFailed() { return diagnostic(Words::tr("cannot write the output")); }

namespace kit_messages {

namespace {

QString withPath(const QString &path, const QString &problem)
{
    return problem.contains(path) ? problem : QStringLiteral("%1: %2").arg(path, problem);
}

} // namespace

QString kindNoun(const QString &kind)
{
    // The words the commands take and say, English in the sources.
    static const char *const nouns[] = {
        QT_TRANSLATE_NOOP("vkp2plan", "telescope"), QT_TRANSLATE_NOOP("vkp2plan", "camera"),
        QT_TRANSLATE_NOOP("vkp2plan", "barlow"),    QT_TRANSLATE_NOOP("vkp2plan", "eyepiece"),
        QT_TRANSLATE_NOOP("vkp2plan", "ocular"),    QT_TRANSLATE_NOOP("vkp2plan", "binning mode"),
        QT_TRANSLATE_NOOP("vkp2plan", "Barlow or reducer"),
        QT_TRANSLATE_NOOP("vkp2plan", "telescopes"), QT_TRANSLATE_NOOP("vkp2plan", "cameras"),
        QT_TRANSLATE_NOOP("vkp2plan", "barlows"),    QT_TRANSLATE_NOOP("vkp2plan", "eyepieces"),
    };
    for (const char *n : nouns) {
        if (kind == QLatin1String(n))
            return Words::tr(n);
    }
    return kind;
}

QString quotedList(const QStringList &names)
{
    QStringList quoted;
    for (const QString &n : names)
        quoted << QLatin1Char('"') + n + QLatin1Char('"');
    return quoted.join(QStringLiteral(", "));
}

QString kitNotUsed(const QString &path, const QString &problem)
{
    return Words::tr("the kit is not used: %1").arg(withPath(path, problem));
}

QString kitNotChanged(const QString &path, const QString &problem)
{
    return Words::tr("the kit is left as it is: %1").arg(withPath(path, problem));
}

QString emptyKit()
{
    return Words::tr("the kit is empty; add to it with \"vkp2plan kit add\" or "
                          "\"vkp2plan kit import FILE\"");
}

QString alreadyInKit(const QString &kind, const QString &name)
{
    return Words::tr("the kit already has a %1 \"%2\"").arg(kindNoun(kind), name);
}

QString notInKit(const QString &kind, const QString &name, const QStringList &closest)
{
    QString out = Words::tr("the kit has no %1 \"%2\"").arg(kindNoun(kind), name);
    if (!closest.isEmpty())
        out += Words::tr("; did you mean %1?").arg(quotedList(closest));
    return out;
}

QString added(const QString &kind, const QString &name)
{
    return Words::tr("added the %1 \"%2\"").arg(kindNoun(kind), name);
}

QString removed(const QString &kind, const QString &name)
{
    return Words::tr("removed the %1 \"%2\"").arg(kindNoun(kind), name);
}

QString nothingImported(qsizetype wrong)
{
    return wrong == 1 ? Words::tr("nothing imported: 1 entry is wrong; --partial takes the others")
                      : Words::tr("nothing imported: %1 entries are wrong; --partial takes the others")
                            .arg(wrong);
}

QString importOnly(const QString &format)
{
    return Words::tr("\"%1\" files are read by \"kit import\", not written; export to "
                          "json, ocular-ini or oal")
        .arg(format);
}

QString noMatch(const QString &kind, const QString &text)
{
    return Words::tr("no %1 matches \"%2\"").arg(kindNoun(kind), text);
}

} // namespace kit_messages

} // namespace vkp2::cli
