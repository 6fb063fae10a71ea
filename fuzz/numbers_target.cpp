// libFuzzer: any text read as a number, and any double shown as text, in the C and a German
// locale. Reading must accept only plain signed decimals; showing must read back. Both must
// agree, to the bit, with the QLocale-only way kept in tests/support/calculator/numbers_oracle.h.

#include "calculator/core/numbers.h"
#include "calculator/core/working_value.h"
#include "support/calculator/numbers_oracle.h"

#include <QLocale>
#include <QRegularExpression>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace vkp2;

namespace {

[[noreturn]] void broken(const char *what, const QString &text)
{
    std::fprintf(stderr, "fuzz_numbers (%s): %s: \"%s\"\n", qPrintable(QLocale().name()), what,
                 text.toUtf8().toPercentEncoding(" +-.,").constData());
    std::abort();
}

QString escaped(const QString &s) { return QRegularExpression::escape(s); }

// A plain signed decimal in the locale, blanks around it allowed. The typographic minus sign
// (U+2212) is a sign like "-" to every locale.
bool plainDecimal(const QString &text)
{
    const QLocale locale;
    const QString pattern = QStringLiteral("^[%1%2+\\-\u2212]?([0-9]+(%3[0-9]*)?|%3[0-9]+)$")
                                .arg(escaped(locale.negativeSign()), escaped(locale.positiveSign()),
                                     escaped(locale.decimalPoint()));
    static QHash<QString, QRegularExpression> cache;
    auto it = cache.find(pattern);
    if (it == cache.end())
        it = cache.insert(pattern, QRegularExpression(pattern));
    return it->match(text.trimmed()).hasMatch();
}

// A shown number: no exponent, at most 15 significant digits, no trailing zeros.
bool shownForm(const QString &text)
{
    const QLocale locale;
    const QRegularExpression re(QStringLiteral("^%1?(0|[1-9][0-9]*)(%2[0-9]*[1-9])?$")
                                    .arg(escaped(locale.negativeSign()), escaped(locale.decimalPoint())));
    if (!re.match(text).hasMatch())
        return false;
    QString digits;
    for (const QChar c : text) {
        if (c.isDigit())
            digits += c;
    }
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return digits.size() <= 15;
}

void roundTrip(double value)
{
    const QString text = numbers::format(value);
    if (text != test::oracle::format(value))
        broken("a number is shown unlike the reference",
               QString::number(value, 'g', 17) + " -> " + text);
    const QString asText = QString::number(value, 'g', 17);
    if (!std::isfinite(value)) {
        if (!text.isEmpty())
            broken("a value that is not finite is shown", text);
        return;
    }
    if (!shownForm(text))
        broken("a number is shown in a form that is not plain", text);
    const auto back = numbers::parse(text);
    // 15 digits of a value this close to the largest double round past it: such a text cannot
    // read back. No result comes near (those past 1.8e306 are not shown at all).
    if (!back && std::fabs(value) >= 1.797693134862315e308)
        return;
    if (!back)
        broken("a shown number does not read back", text);
    if (std::fabs(*back - value) > std::fabs(value) * 1e-14)
        broken("a shown number reads back as another value", asText + " -> " + text);
    if (numbers::format(*back) != text)
        broken("showing what was read back changes the text", text);

    // Results: two decimals at most, within half a hundredth of the value.
    const QString result = numbers::resultText(value);
    const double hundredths = std::nearbyint(value * 100);
    if (!std::isfinite(hundredths / 100)) {
        if (!result.isEmpty())
            broken("a result too large to round is shown", result);
        return;
    }
    if (!shownForm(result))
        broken("a result is shown in a form that is not plain", result);
    const qsizetype point = result.indexOf(QLocale().decimalPoint());
    if (point >= 0 && result.size() - point - 1 > 2)
        broken("a result with more than two decimals", result);
    const auto r = numbers::parse(result);
    if (!r || std::fabs(*r - hundredths / 100) > std::fabs(hundredths / 100) * 1e-14)
        broken("a result is not the value rounded to hundredths", asText + " -> " + result);
}

void oneLocale(const QString &text, const uint8_t *data, size_t size)
{
    const auto value = numbers::parse(text);
    const auto reference = test::oracle::parse(text);
    if (value.has_value() != reference.has_value()
        || (value && std::bit_cast<std::uint64_t>(*value) != std::bit_cast<std::uint64_t>(*reference)))
        broken("a text reads unlike the reference", text);
    if (value) {
        if (!std::isfinite(*value))
            broken("a text reads as a value that is not finite", text);
        if (!plainDecimal(text))
            broken("a text that is no plain decimal reads as a number", text);
        roundTrip(*value);
    }
    const auto held = WorkingValue::fromText(text);
    if (held.number() != value || held.display() != text)
        broken("a held text counts differently from the text", text);
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        roundTrip(raw);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)};
    for (const QLocale &locale : locales) {
        QLocale::setDefault(locale);
        oneLocale(text, data, size);
    }
    return 0;
}
