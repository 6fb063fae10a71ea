#pragma once
// The calculator window's own wording, title and icon for each of its messages. The window and
// the tests show exactly this; the command line prints it beside its account of the fallback.

#include "calculator/toolkit/calculator_message.h"

namespace vkp2 {

// How a message's words reach the reader: the calculator window takes them as written; the
// planner programs pass a translation (QCoreApplication::translate).
using MessageWords = QString (*)(const char *context, const char *text, const char *disambiguation,
                                 int n);

MessageText render(const CalculatorMessage &message, MessageWords words = nullptr);

} // namespace vkp2
