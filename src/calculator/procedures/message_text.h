#pragma once
// The calculator window's own wording, title and icon for each of its messages. The window and
// the tests show exactly this; the command line prints it beside its account of the fallback.

#include "calculator/toolkit/calculator_message.h"

namespace vkp2 {

MessageText render(const CalculatorMessage &message);

} // namespace vkp2
