#pragma once
// What the window must show, worked out here from the shown inputs and the preset tables alone.
// Nothing in this file calls the program's own number reading, formatting or calculations, so a
// fault there cannot hide behind the same fault here.

#include "calculator/catalog/binning_table.h"
#include "calculator/catalog/camera_table.h"
#include "calculator/catalog/ocular_table.h"
#include "calculator/catalog/telescope_table.h"

#include <QRegularExpression>
#include <QString>

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace vkp2::test::oracle {

// A plain signed decimal with digits on both sides of the separator, spaces around allowed.
// Forms the reading is less sure about (".5", "5.", other blanks) count as "not valid" here, which
// only means that no result is predicted for them.
inline std::optional<double> plainNumber(const QString &text, QChar point)
{
    static const QString pattern = QStringLiteral("^ *([+-]?)([0-9]+)(?:%1([0-9]+))? *$");
    const QRegularExpression re(pattern.arg(QRegularExpression::escape(QString(point))));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    std::string s = m.captured(1) == QLatin1String("-") ? "-" : "";
    s += m.captured(2).toStdString();
    if (m.hasCaptured(3))
        s += "." + m.captured(3).toStdString();
    double value = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), value);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The text of a result: value * 100 rounded to a whole number (ties to even), shown as hundredths
// without trailing zeros. Nothing when the hundredths have more than 15 digits.
inline std::optional<QString> resultText(double value, QChar point)
{
    const double hundredths = std::nearbyint(value * 100);
    if (!std::isfinite(hundredths) || std::fabs(hundredths) >= 1e15)
        return std::nullopt;
    const long long n = static_cast<long long>(hundredths);
    const long long a = n < 0 ? -n : n;
    QString s = QString::number(a / 100);
    const int cents = static_cast<int>(a % 100);
    if (cents != 0) {
        s += point;
        s += QChar(u'0' + cents / 10);
        if (cents % 10 != 0)
            s += QChar(u'0' + cents % 10);
    }
    if (n < 0)
        s.prepend(QLatin1Char('-'));
    return s;
}

// A result shown as a number of at most 15 significant digits, no exponent, no trailing zeros.
inline bool looksLikeResult(const QString &text, QChar point)
{
    static const QString pattern = QStringLiteral("^-?(0|[1-9][0-9]*)(%1[0-9]*[1-9])?$");
    const QRegularExpression re(pattern.arg(QRegularExpression::escape(QString(point))));
    if (!re.match(text).hasMatch() || text == QLatin1String("-0"))
        return false;
    QString digits = text;
    digits.remove(QLatin1Char('-')).remove(point);
    while (digits.startsWith(QLatin1Char('0')) && digits.size() > 1)
        digits.remove(0, 1);
    while (digits.endsWith(QLatin1Char('0')) && digits.size() > 1)
        digits.chop(1);
    return digits.size() <= 15;
}

template <typename Rows>
auto row(const Rows &rows, const QString &name) -> decltype(&*rows.begin())
{
    for (const auto &r : rows) {
        if (QLatin1String(r.name) == name)
            return &r;
    }
    return nullptr;
}

inline const catalog::BinningRow *binningRow(const QString &camera, const QString &mode)
{
    for (const auto &r : catalog::kBinning) {
        if (QLatin1String(r.camera) == camera && QLatin1String(r.mode) == mode)
            return &r;
    }
    return nullptr;
}

} // namespace vkp2::test::oracle
