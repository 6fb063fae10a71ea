// The binning list: for the twenty binning cameras, the chosen mode decides the pixel and chip
// sizes that take effect.

#include "calculator/catalog/binning_table.h"
#include "calculator/procedures/calculator.h"

namespace vkp2 {

namespace {

const catalog::BinningRow *findBinning(const QString &camera, const QString &mode)
{
    for (const auto &row : catalog::kBinning) {
        if (QLatin1String(row.camera) == camera && QLatin1String(row.mode) == mode)
            return &row;
    }
    return nullptr;
}

const catalog::RefusedBinning *findRefusal(const QString &camera, const QString &mode)
{
    for (const auto &refusal : catalog::kRefusedBinning) {
        if (QLatin1String(refusal.camera) == camera && QLatin1String(refusal.mode) == mode)
            return &refusal;
    }
    return nullptr;
}

} // namespace

void Calculator::FillBinningList()
{
    for (const char *mode : catalog::kBinningModes)
        c_[List::Binning].addItem(QLatin1String(mode));
    c_[List::Binning].setText(QLatin1String(catalog::kBinningModes[0]));
}

void Calculator::applyBinningRow(const QString &camera, const QString &mode)
{
    const auto *row = findBinning(camera, mode);
    if (!row)
        return;
    state.PixelWidth = row->pixelWidth;
    state.PixelHeight = row->pixelHeight;
    state.ChipWidthPx = row->chipWidth;
    state.ChipHeightPx = row->chipHeight;
    CalcChipSize();
}

void Calculator::Binning_Click()
{
    const QString mode = c_[List::Binning].text();
    const QString camera = c_[List::Ccd].text();
    applyBinningRow(camera, mode);
    if (const auto *refusal = findRefusal(camera, mode)) {
        const QString fallback = QLatin1String(refusal->fallback);
        report({MessageId::BinningUnsupported, std::nullopt, mode, Fallback::BinningMode, fallback});
        c_[List::Binning].setText(fallback); // runs this handler again, which applies the fallback
        applyBinningRow(camera, fallback);
    }
    CalcFovAndScale();
}

} // namespace vkp2
