#pragma once
// The calculator's messages as the command line reports them: each distinct one once, with
// the value the calculator fell back to.

#include "planner/setup.h"

#include <QList>
#include <QString>

namespace vkp2::cli {

// Consecutive repeats of one message (a nested run meeting the same value again) collapse.
QList<Message> distinctMessages(const QList<Message> &messages);

// "Error: Distance - D must be between 0 and 1000 (D falls back to 55)".
QString messageLine(const Message &message, const planner::Shown &shown);
// The distinct messages' lines, joined by "; ".
QString messagesText(const planner::Shown &shown);

} // namespace vkp2::cli
