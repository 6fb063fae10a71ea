#include "cli/messages.h"

#include "calculator/procedures/message_text.h"

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
    const MessageText t = m.detail ? render(*m.detail) : MessageText{m.text, m.title, m.icon};
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
