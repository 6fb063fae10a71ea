#pragma once
// How box texts become numbers and numbers become box texts.
//  - Reading follows the user's locale (QLocale's default): a decimal comma in a German locale.
//    Only plain signed decimals count: no digit grouping, no exponent, nothing infinite.
//  - Showing uses general number form: up to 15 significant digits, no trailing zeros, no
//    decimal separator for whole numbers, no grouping, never an exponent.
//  - Shown results are rounded to 2 decimals, an exact tie going to the even digit.

#include <QString>

#include <optional>

namespace vkp2::numbers {

std::optional<double> parse(const QString &text);
inline bool isNumber(const QString &text) { return parse(text).has_value(); }

QString format(double value);

// Multiply by 100, round to the nearest whole number (ties to even), divide by 100.
double round2(double value);

// a / b, or nothing when either is missing or b is 0.
inline std::optional<double> quotient(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b || *b == 0)
        return std::nullopt;
    return *a / *b;
}

// A shown result: rounded and formatted, or empty when it cannot be computed.
QString resultText(std::optional<double> value);

} // namespace vkp2::numbers
