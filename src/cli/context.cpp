#include "cli/context.h"

#include "calculator/core/numbers.h"
#include "cli/night_options.h"
#include "cli/words.h"
#include "planner/targets.h"

#include <cmath>

namespace vkp2::cli {

namespace {

// Plain signed decimals, as the calculator takes them, in the given locale.
std::optional<double> parseIn(const QLocale &base, const QString &text)
{
    for (const QChar c : text) {
        if (c.isLetter())
            return std::nullopt;
    }
    QLocale locale = base;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// Whether a text is already a plain decimal: an optional minus, digits, and a dot with digits.
bool isPlainDecimal(const QString &text)
{
    qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype digitsFrom = i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    if (i == digitsFrom)
        return false;
    if (i == text.size())
        return true;
    if (text[i] != QLatin1Char('.') || ++i == text.size())
        return false;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    return i == text.size();
}

bool sameNumberForm(const QLocale &a, const QLocale &b)
{
    return a.decimalPoint() == b.decimalPoint() && a.negativeSign() == b.negativeSign()
           && a.zeroDigit() == b.zeroDigit();
}

double positiveOption(const Context &cx, const QString &option, double fallback)
{
    if (!cx.args.has(option))
        return fallback;
    const double v = cx.number(option);
    if (!(v > 0))
        fail(option, Words::tr("must be greater than 0"));
    return v;
}

Format formatOf(const Arguments &a)
{
    // kit export's --format names the file's format; kit_command.cpp reads it.
    const bool fileFormat = a.command == QLatin1String("kit")
                            && a.positional.value(0) == QLatin1String("export");
    if (fileFormat || !a.has(QStringLiteral("--format")))
        return Format::Text;
    const QString f = a.value(QStringLiteral("--format"));
    if (f == QLatin1String("text"))
        return Format::Text;
    if (f == QLatin1String("csv"))
        return Format::Csv;
    if (f == QLatin1String("json"))
        return Format::Json;
    fail(QStringLiteral("--format"), Words::tr("\"%1\" is none of text, csv, json").arg(f));
}

} // namespace

void fail(const QString &option, const QString &what)
{
    throw UsageError{option + QStringLiteral(": ") + what};
}

Context::Context(const Arguments &a, const QLocale &locale)
    : args(a), format(formatOf(a)), textLocale(locale)
{
    sameForm_ = sameNumberForm(QLocale(), outputLocale());
    advice.seeingArcsec = positiveOption(*this, QStringLiteral("--seeing"), advice.seeingArcsec);
    advice.colourSensor = a.has(QStringLiteral("--colour"));
    focalRatioAsked = advice.colourSensor;
    for (const char *o : {"--wavelength", "--filter", "--rule", "--colour-factor"})
        focalRatioAsked = focalRatioAsked || a.has(QLatin1String(o));
    if (a.has(QStringLiteral("--target")) && a.has(QStringLiteral("--size")))
        fail(QStringLiteral("--size"), Words::tr("give either --target or --size"));
    if (a.has(QStringLiteral("--target"))) {
        const QString key = a.value(QStringLiteral("--target"));
        advice.target = planner::findTarget(key);
        if (!advice.target)
            fail(QStringLiteral("--target"),
                 Words::tr("no target \"%1\"; one of %2")
                     .arg(key, planner::targetKeys().join(QStringLiteral(", "))));
        focalRatioAsked = focalRatioAsked || advice.target->planetary();
    } else if (a.has(QStringLiteral("--size"))) {
        const double size = positiveOption(*this, QStringLiteral("--size"), 0);
        advice.target = planner::Target{"size", "Target", size, size, 0, std::nullopt};
    }
    readNightOptions(*this, advice);
}

QLocale Context::outputLocale() const
{
    return format == Format::Text ? textLocale : QLocale::c();
}

std::optional<double> Context::numberIn(const QString &text) const
{
    if (auto v = parseIn(QLocale::c(), text))
        return v;
    if (format == Format::Text)
        return parseIn(textLocale, text);
    return std::nullopt;
}

double Context::number(const QString &option, const QString &text) const
{
    if (const auto v = numberIn(text))
        return *v;
    fail(option, Words::tr("\"%1\" is not a number").arg(text));
}

QString Context::boxText(const QString &option, const QString &text) const
{
    return numbers::format(number(option, text));
}

QString Context::relocalised(const QString &calculatorText) const
{
    if (sameForm_)
        return calculatorText;
    // The calculator's general number form holds a sign, digits and a decimal point only.
    const QLocale from;
    const QLocale to = outputLocale();
    const QString fromPoint = from.decimalPoint(), fromMinus = from.negativeSign();
    const QString fromZero = from.zeroDigit(), toZero = to.zeroDigit();
    QString out;
    for (const QChar c : calculatorText) {
        if (QString(c) == fromPoint)
            out += to.decimalPoint();
        else if (QString(c) == fromMinus)
            out += to.negativeSign();
        else if (fromZero.size() == 1 && toZero.size() == 1 && c >= fromZero[0]
                 && c.unicode() <= fromZero[0].unicode() + 9)
            out += QChar(toZero[0].unicode() + (c.unicode() - fromZero[0].unicode()));
        else
            out += c;
    }
    return out;
}

Cell Context::box(const QString &calculatorText) const
{
    // Boxes in the output's own form are passed on as they are, digit for digit.
    if (sameForm_ && (format == Format::Text || isPlainDecimal(calculatorText)))
        return Cell::num(calculatorText);
    const auto v = numbers::parse(calculatorText);
    if (!v)
        return Cell::str(calculatorText);
    return Cell::num(relocalised(numbers::format(*v)));
}

Cell Context::result(std::optional<double> value) const
{
    return Cell::num(relocalised(numbers::resultText(value)));
}

Cell Context::plain(double value) const { return Cell::num(numberText(value)); }

QString Context::numberText(double value) const { return relocalised(numbers::format(value)); }

} // namespace vkp2::cli
