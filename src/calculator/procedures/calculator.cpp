#include "calculator/procedures/calculator.h"

namespace vkp2 {

Calculator::Calculator(const Controls &controls, MessageBoxes &messages)
    : c_(controls), messages_(messages)
{
}

void Calculator::showError(const QString &text)
{
    messages_.show(text, QStringLiteral("Error"), MessageIcon::Critical);
}

void Calculator::showInputError(const QString &text)
{
    messages_.show(text, QStringLiteral("Input Error"), MessageIcon::Critical);
}

} // namespace vkp2
