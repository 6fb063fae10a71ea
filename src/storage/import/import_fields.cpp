#include "storage/import/import_fields.h"

#include "storage/kit_checks.h"

#include <cmath>
#include <limits>

namespace vkp2::storage {

QString missingField(const QString &field) { return QStringLiteral("no ") + field; }

QString fileSizeProblem(qint64 bytes)
{
    if (bytes <= kit_limits::kMaxFileBytes)
        return {};
    return QStringLiteral("the file is larger than %1 MiB; no equipment file is that large").arg(kit_limits::kMaxFileBytes >> 20);
}

FieldNumber readNumber(const QString &field, const std::optional<QString> &text)
{
    if (!text)
        return {0, missingField(field)};
    bool ok = false;
    // QString::toDouble reads the C locale whatever the user's is, as these files are written.
    const double value = text->trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return {0, QStringLiteral("%1 \"%2\" is no number").arg(field, text->left(40))};
    return {value, {}};
}

FieldNumber readWholeNumber(const QString &field, const std::optional<QString> &text)
{
    FieldNumber number = readNumber(field, text);
    if (!number.ok())
        return number;
    if (number.value != std::floor(number.value) || number.value < std::numeric_limits<int>::min()
        || number.value > std::numeric_limits<int>::max())
        return {0, QStringLiteral("%1 \"%2\" is no whole number").arg(field, text->left(40))};
    return number;
}

} // namespace vkp2::storage
