#pragma once
// The calculator's messages as the command line reports them: each distinct one once, with
// the value the calculator fell back to.

#include "planner/setup.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vkp2::cli {

// Consecutive repeats of one message (a nested run meeting the same value again) collapse.
QList<Message> distinctMessages(const QList<Message> &messages);

// "Error: Distance - D must be between 0 and 1000 (D falls back to 55)".
QString messageLine(const Message &message, const planner::Shown &shown);
// The distinct messages' lines, joined by "; ".
QString messagesText(const planner::Shown &shown);

} // namespace vkp2::cli

namespace vkp2::cli {

// One line on standard error: "vkp2plan: TEXT".
QByteArray diagnostic(const QString &text);
// The line when standard output could not be written.
QByteArray outputFailed();

// What the commands that use or change the user's kit say.
namespace kit_messages {
// The kit file could not be read: the commands go on with the presets and the database.
QString kitNotUsed(const QString &path, const QString &problem);
// ... and so it is not changed.
QString kitNotChanged(const QString &path, const QString &problem);
QString emptyKit();
QString alreadyInKit(const QString &kind, const QString &name);
QString notInKit(const QString &kind, const QString &name, const QStringList &closest);
QString added(const QString &kind, const QString &name);
QString removed(const QString &kind, const QString &name);
QString nothingImported(qsizetype wrong);
QString importOnly(const QString &format);
QString noMatch(const QString &kind, const QString &text);
QString quotedList(const QStringList &names); // "\"a\", \"b\""
// A kind of entry as the commands name it ("telescope", "cameras"), in the user's language.
QString kindNoun(const QString &kind);
} // namespace kit_messages

} // namespace vkp2::cli
