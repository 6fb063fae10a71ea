#include "storage/import/import_fields.h"

#include "storage/kit_checks.h"
#include "storage/words.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vkp2::storage {

QString missingField(const QString &field) { return Words::tr("no %1").arg(field); }

QString noNumber(const QString &field, const QString &text)
{
    return Words::tr("%1 \"%2\" is no number").arg(field, text.left(40));
}

QString noWholeNumber(const QString &field, const QString &text)
{
    return Words::tr("%1 \"%2\" is no whole number").arg(field, text.left(40));
}

QString numberText(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }

bool isWholeCount(double value)
{
    return value == std::floor(value) && value >= std::numeric_limits<int>::min()
           && value <= std::numeric_limits<int>::max();
}

BinningModes binningUpTo(int highest)
{
    BinningModes binning{{}, binningModeProblem(highest)};
    for (int n = 1; n <= std::min(highest, kit_limits::kBinningMax); ++n)
        binning.modes << n;
    return binning;
}

int highestBinning(const KitCamera &camera)
{
    return camera.binning.isEmpty() ? 1 : *std::max_element(camera.binning.cbegin(), camera.binning.cend());
}

FieldNumber readNumber(const QString &field, const std::optional<QString> &text)
{
    if (!text)
        return {0, missingField(field)};
    bool ok = false;
    // QString::toDouble reads the C locale whatever the user's is, as these files are written.
    const double value = text->trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return {0, noNumber(field, *text)};
    return {value, {}};
}

FieldNumber readWholeNumber(const QString &field, const std::optional<QString> &text)
{
    FieldNumber number = readNumber(field, text);
    if (!number.ok())
        return number;
    if (!isWholeCount(number.value))
        return {0, noWholeNumber(field, *text)};
    return number;
}

} // namespace vkp2::storage
