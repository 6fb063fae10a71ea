#pragma once
// The earlier way of reading and showing numbers, all through QLocale and QString::number, kept
// unchanged as the reference the quicker code must agree with.

#include <QLocale>
#include <QString>

#include <cmath>
#include <optional>

namespace vkp2::test::oracle {

inline std::optional<double> parse(const QString &text)
{
    // QLocale would also take "inf", "nan" and exponents; none of them is a length a user means.
    for (const QChar c : text) {
        if (c.isLetter())
            return std::nullopt;
    }
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

inline QString format(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return QStringLiteral("0"); // also for -0

    // Scientific form with 15 significant digits gives the correctly rounded digits and the
    // exponent; the decimal point is then placed by hand so no exponent is ever shown.
    const QString sci = QString::number(std::fabs(value), 'e', 14); // d.dddddddddddddde±XX
    const qsizetype ePos = sci.indexOf(QLatin1Char('e'));
    QString digits = sci.left(ePos);
    digits.remove(QLatin1Char('.'));
    const int exponent = sci.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    QString whole;
    QString fraction;
    if (exponent >= 0) {
        whole = digits.left(exponent + 1);
        whole += QString(qMax<qsizetype>(0, exponent + 1 - digits.size()), QLatin1Char('0'));
        fraction = digits.mid(exponent + 1);
    } else {
        whole = QStringLiteral("0");
        fraction = QString(-exponent - 1, QLatin1Char('0')) + digits;
    }

    const QLocale locale;
    QString out = value < 0 ? locale.negativeSign() : QString();
    out += whole;
    if (!fraction.isEmpty())
        out += locale.decimalPoint() + fraction;
    return out;
}

} // namespace vkp2::test::oracle
