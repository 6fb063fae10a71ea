#include "calculator/procedures/calculator.h"

namespace vkp2 {

Calculator::Calculator(const Controls &controls, MessageBoxes &messages)
    : c_(controls), messages_(messages)
{
}

} // namespace vkp2
