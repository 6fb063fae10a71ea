// The calculator window's wording of its messages, rendered from what they say as data.

#include "calculator/procedures/message_text.h"

#include "calculator/core/limits.h"

namespace vkp2 {

namespace {

QString between(const char *what, double lowest, double highest)
{
    return QStringLiteral("%1 must be between %2 and %3")
        .arg(QLatin1String(what), QString::number(lowest), QString::number(highest));
}

} // namespace

MessageText render(const CalculatorMessage &m)
{
    const QString error = QStringLiteral("Error");
    const QString inputError = QStringLiteral("Input Error");
    switch (m.id) {
    case MessageId::NotANumber:
        return {QStringLiteral("Value out of range - Only enter numbers."), inputError,
                MessageIcon::Critical};
    case MessageId::PixelWidthNotANumber:
        // This wording names a bound of 100 that no box applies; users know it as it is.
        return {QStringLiteral("Value out of range - Only enter numbers < 100"), inputError,
                MessageIcon::Critical};
    case MessageId::TelescopeValueZero:
        return {QStringLiteral("Enter a number greater than %1.")
                    .arg(QString::number(limits::kTelescopeZeroReplacement)),
                error, MessageIcon::Critical};
    case MessageId::FocalLengthRange:
        return {between("F-Length", limits::kTelescopeLowest, limits::kTelescopeHighest), error,
                MessageIcon::Critical};
    case MessageId::ApertureRange:
        return {between("Aperture", limits::kTelescopeLowest, limits::kTelescopeHighest), error,
                MessageIcon::Critical};
    case MessageId::DistanceDRange:
        return {between("Distance - D", limits::kDistanceDLowest, limits::kDistanceDHighest),
                error, MessageIcon::Critical};
    case MessageId::DistanceTlRange:
        return {between("Distance - TL", limits::kDistanceTlLowest, limits::kDistanceTlHighest),
                error, MessageIcon::Critical};
    case MessageId::BinningUnsupported:
        return {QStringLiteral("This camera does not support %1 Binning").arg(m.parameter),
                QStringLiteral("Note"), MessageIcon::Information};
    }
    return {};
}

} // namespace vkp2
