// The binning list. (The binning table arrives with the equipment catalogues.)

#include "core/calculator.h"

namespace vkp2 {

void Calculator::FillBinningList() {}

void Calculator::Binning_Click() { CalcFovAndScale(); }

} // namespace vkp2
