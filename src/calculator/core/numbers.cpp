#include "calculator/core/numbers.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace vkp2::numbers {

namespace {

std::optional<double> parseInLocale(const QString &text)
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

// Longest text the quick reading takes: 64 digits can neither overflow nor underflow a double,
// and the copy fits on the stack.
constexpr qsizetype kQuickLength = 64;

bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isJust(const QString &s, char16_t c) { return s.size() == 1 && s.at(0).unicode() == c; }

// The default locale's zero, sign and decimal point, read once for each default locale: a system
// locale answers every one of them through a query that costs more than reading a box text.
struct Symbols {
    QLocale locale;
    bool asciiZero = false;
    QString minus;
    QString point;
};

const Symbols &symbols()
{
    thread_local Symbols cached{QLocale::c(), true, QStringLiteral("-"), QStringLiteral(".")};
    const QLocale now;
    if (!(now == cached.locale))
        cached = {now, isJust(now.zeroDigit(), u'0'), now.negativeSign(), now.decimalPoint()};
    return cached;
}

// What QLocale::toDouble gives for the usual shape of a box text ("-" digits, one decimal point,
// digits), read with from_chars, which rounds correctly as Qt does. Anything else is left to
// QLocale (returns false), so both ways always agree.
bool readPlain(const QString &text, std::optional<double> &out)
{
    const qsizetype n = text.size();
    if (n == 0) {
        out = std::nullopt;
        return true;
    }
    if (n > kQuickLength)
        return false;

    const Symbols &locale = symbols();
    if (!locale.asciiZero)
        return false;
    std::array<char, kQuickLength> ascii;
    const char16_t *s = reinterpret_cast<const char16_t *>(text.constData());
    qsizetype i = 0;
    if (s[0] == u'-' && isJust(locale.minus, u'-')) {
        ascii[0] = '-';
        i = 1;
    }
    const QString &point = locale.point;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < n; ++i) {
        const char16_t c = s[i];
        if (isAsciiDigit(c)) {
            ascii[std::size_t(i)] = char(c);
            seenDigit = true;
            continue;
        }
        if (seenPoint)
            return false;
        // A point that is itself a digit or a sign would make the shape ambiguous.
        if (point.size() != 1 || isJust(point, u'-') || point.at(0).unicode() >= 0x80
            || isAsciiDigit(point.at(0).unicode()) || point.at(0).isLetter())
            return false;
        if (c != point.at(0).unicode())
            return false;
        ascii[std::size_t(i)] = '.';
        seenPoint = true;
    }
    if (!seenDigit)
        return false;

    double value = 0;
    const char *end = ascii.data() + n;
    const auto [ptr, ec] = std::from_chars(ascii.data(), end, value, std::chars_format::fixed);
    if (ec != std::errc{} || ptr != end || !std::isfinite(value))
        return false;
    out = value;
    return true;
}

constexpr std::array<std::uint64_t, 23> kPowersOf5 = [] {
    std::array<std::uint64_t, 23> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 5;
    return p;
}();

// A magnitude whose exact decimal value has 16 significant digits, the last a 5: then it is N *
// 10^k with N of 16 digits. Qt rounds such a tie at the 15th digit away from zero, to_chars to
// the even digit, so these few values are rounded here.
bool exactTie(double magnitude, std::uint64_t &n, int &k)
{
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int field = int(bits >> 52);
    std::uint64_t m = bits & ((std::uint64_t(1) << 52) - 1);
    int e = -1074;
    if (field != 0) {
        m |= std::uint64_t(1) << 52;
        e = field - 1075;
    }
    const int zeros = std::countr_zero(m);
    m >>= zeros;
    e += zeros; // magnitude = m * 2^e with m odd; N odd then forces k = e
    constexpr std::uint64_t lo = 1'000'000'000'000'000; // 10^15
    constexpr std::uint64_t hi = 10 * lo;
    if (e >= 0) {
        if (e >= int(kPowersOf5.size()) || m % kPowersOf5[std::size_t(e)] != 0)
            return false;
        n = m / kPowersOf5[std::size_t(e)];
    } else {
        if (-e >= int(kPowersOf5.size()) || m > (hi - 1) / kPowersOf5[std::size_t(-e)])
            return false;
        n = m * kPowersOf5[std::size_t(-e)];
    }
    k = e;
    return n >= lo && n < hi && n % 10 == 5;
}

} // namespace

std::optional<double> parse(const QString &text)
{
    std::optional<double> value;
    if (readPlain(text, value))
        return value;
    return parseInLocale(text);
}

QString format(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return QStringLiteral("0"); // also for -0

    // 15 correctly rounded significant digits and the exponent; the decimal point is then
    // placed by hand so no exponent is ever shown.
    const double magnitude = std::fabs(value);
    char digits[32];
    int exponent = 0;
    int count = 15;
    std::uint64_t tie = 0;
    int tieExponent = 0;
    if (exactTie(magnitude, tie, tieExponent)) {
        std::uint64_t up = tie / 10 + 1;
        exponent = 15 + tieExponent;
        if (up == 1'000'000'000'000'000) { // 999...9|5 carries into a new digit
            up /= 10;
            ++exponent;
        }
        std::to_chars(digits, digits + sizeof digits, up);
    } else {
        char sci[32]; // d.dddddddddddddde±XXX
        const auto r = std::to_chars(sci, sci + sizeof sci, magnitude,
                                     std::chars_format::scientific, 14);
        digits[0] = sci[0];
        for (int i = 1; i < 15; ++i)
            digits[i] = sci[i + 1];
        const char *e = sci + 17; // after "e"
        const bool negative = *e == '-';
        std::from_chars(e + 1, r.ptr, exponent);
        if (negative)
            exponent = -exponent;
    }
    while (count > 1 && digits[count - 1] == '0')
        --count;

    // Digits before the point (padded with zeros), zeros after it, and the digits after it.
    int wholeDigits, pad, leadZeros, fractionDigits;
    if (exponent >= 0) {
        wholeDigits = std::min(count, exponent + 1);
        pad = exponent + 1 - wholeDigits;
        leadZeros = 0;
        fractionDigits = count - wholeDigits;
    } else {
        wholeDigits = 0; // a single "0"
        pad = 1;
        leadZeros = -exponent - 1;
        fractionDigits = count;
    }

    const Symbols &locale = symbols();
    const QString minus = value < 0 ? locale.minus : QString();
    const bool hasFraction = leadZeros + fractionDigits > 0;
    const QString point = hasFraction ? locale.point : QString();
    QString out(minus.size() + wholeDigits + pad + point.size() + leadZeros + fractionDigits,
                Qt::Uninitialized);
    QChar *p = out.data();
    p = std::copy(minus.cbegin(), minus.cend(), p);
    for (int i = 0; i < wholeDigits; ++i)
        *p++ = QLatin1Char(digits[i]);
    p = std::fill_n(p, pad, QLatin1Char('0'));
    p = std::copy(point.cbegin(), point.cend(), p);
    p = std::fill_n(p, leadZeros, QLatin1Char('0'));
    for (int i = 0; i < fractionDigits; ++i)
        *p++ = QLatin1Char(digits[wholeDigits + i]);
    return out;
}

double round2(double value)
{
    return std::nearbyint(value * 100.0) / 100.0;
}

QString resultText(std::optional<double> value)
{
    if (!value || !std::isfinite(*value))
        return {};
    return format(round2(*value)); // format() turns an overflow to infinity into ""
}

} // namespace vkp2::numbers
