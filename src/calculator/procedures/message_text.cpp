// The calculator window's wording of its messages, rendered from what they say as data.

#include "calculator/procedures/message_text.h"

#include "calculator/core/limits.h"

#include <QtGlobal>

namespace vkp2 {

namespace {

// The words are marked for the planner programs' translation; the calculator shows them as written.
class Wording {
public:
    explicit Wording(MessageWords words) : words_(words) {}
    QString operator()(const char *text) const
    {
        return words_ ? words_("CalculatorMessage", text, nullptr, -1) : QString::fromUtf8(text);
    }

private:
    MessageWords words_;
};

QString between(const Wording &w, const char *what, double lowest, double highest)
{
    return w(QT_TRANSLATE_NOOP("CalculatorMessage", "%1 must be between %2 and %3"))
        .arg(w(what), QString::number(lowest), QString::number(highest));
}

} // namespace

MessageText render(const CalculatorMessage &m, MessageWords words)
{
    const Wording w(words);
    const QString error = w(QT_TRANSLATE_NOOP("CalculatorMessage", "Error"));
    const QString inputError = w(QT_TRANSLATE_NOOP("CalculatorMessage", "Input Error"));
    switch (m.id) {
    case MessageId::NotANumber:
        return {w(QT_TRANSLATE_NOOP("CalculatorMessage", "Value out of range - Only enter numbers.")), inputError,
                MessageIcon::Critical};
    case MessageId::PixelWidthNotANumber:
        // This wording names a bound of 100 that no box applies; users know it as it is.
        return {w(QT_TRANSLATE_NOOP("CalculatorMessage", "Value out of range - Only enter numbers < 100")), inputError,
                MessageIcon::Critical};
    case MessageId::TelescopeValueZero:
        return {w(QT_TRANSLATE_NOOP("CalculatorMessage", "Enter a number greater than %1."))
                    .arg(QString::number(limits::kTelescopeZeroReplacement)),
                error, MessageIcon::Critical};
    case MessageId::FocalLengthRange:
        return {between(w, QT_TRANSLATE_NOOP("CalculatorMessage", "F-Length"), limits::kTelescopeLowest, limits::kTelescopeHighest), error,
                MessageIcon::Critical};
    case MessageId::ApertureRange:
        return {between(w, QT_TRANSLATE_NOOP("CalculatorMessage", "Aperture"), limits::kTelescopeLowest, limits::kTelescopeHighest), error,
                MessageIcon::Critical};
    case MessageId::DistanceDRange:
        return {between(w, QT_TRANSLATE_NOOP("CalculatorMessage", "Distance - D"), limits::kDistanceDLowest, limits::kDistanceDHighest),
                error, MessageIcon::Critical};
    case MessageId::DistanceTlRange:
        return {between(w, QT_TRANSLATE_NOOP("CalculatorMessage", "Distance - TL"), limits::kDistanceTlLowest, limits::kDistanceTlHighest),
                error, MessageIcon::Critical};
    case MessageId::BinningUnsupported:
        return {w(QT_TRANSLATE_NOOP("CalculatorMessage", "This camera does not support %1 Binning")).arg(m.parameter),
                w(QT_TRANSLATE_NOOP("CalculatorMessage", "Note")), MessageIcon::Information};
    }
    return {};
}

} // namespace vkp2
