// Reading and showing numbers, and the rounding of shown results.

#include "calculator/core/numbers.h"
#include "support/calculator/locale_scope.h"
#include "support/calculator/numbers_oracle.h"

#include <QRandomGenerator>
#include <QtTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

using namespace vkp2;

class TstNumbers : public QObject {
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void round2_data();
    void round2();
    void parse_data();
    void parse();
    void germanLocaleShowsDecimalComma();
    void resultTextOfUncomputable();
    void parseAgreesWithReference_data();
    void parseAgreesWithReference();
    void parseAgreesInEveryLocale_data();
    void parseAgreesInEveryLocale();
    void formatAgreesWithReference_data();
    void formatAgreesWithReference();
    void randomTextsAgreeWithReference_data();
    void randomTextsAgreeWithReference();
    void randomValuesAgreeWithReference_data();
    void randomValuesAgreeWithReference();
};

namespace {

// Locales that read differently: the C point, the German comma, Arabic digits with a two-char
// minus and U+066B as point, and the Swedish U+2212 minus.
QList<QLocale> comparedLocales()
{
    return {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
            QLocale(QLocale::Arabic, QLocale::Egypt), QLocale(QLocale::Swedish, QLocale::Sweden)};
}

// A shape in the locale: 'P' stands for its decimal point, 'M' for its minus sign.
QString inLocale(const QString &shape, const QLocale &locale)
{
    QString out;
    for (const QChar c : shape) {
        if (c == QLatin1Char('P'))
            out += locale.decimalPoint();
        else if (c == QLatin1Char('M'))
            out += locale.negativeSign();
        else
            out += c;
    }
    return out;
}

// The same reading, to the bit (so -0 and 0 differ), or a message saying how it differs.
QString parseDifference(const QString &text)
{
    const auto quick = numbers::parse(text);
    const auto reference = test::oracle::parse(text);
    if (quick.has_value() == reference.has_value()
        && (!quick || std::bit_cast<std::uint64_t>(*quick) == std::bit_cast<std::uint64_t>(*reference)))
        return {};
    const auto shown = [](const std::optional<double> &v) {
        return v ? QString::number(*v, 'g', 17) : QStringLiteral("no number");
    };
    return QStringLiteral("%1: \"%2\" read as %3, reference %4")
        .arg(QLocale().name(), text.left(80), shown(quick), shown(reference));
}

QString formatDifference(double value)
{
    const QString quick = numbers::format(value);
    const QString reference = test::oracle::format(value);
    if (quick == reference)
        return {};
    return QStringLiteral("%1: %2 shown as \"%3\", reference \"%4\"")
        .arg(QLocale().name(), QString::number(value, 'g', 17), quick, reference);
}

} // namespace

void TstNumbers::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole") << 530.0 << "530";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("one decimal") << 6.4 << "6.4";
    QTest::newRow("no trailing zero") << 11.89 << "11.89";
    QTest::newRow("negative") << -2.5 << "-2.5";
    QTest::newRow("binary noise hidden by 15 digits") << 0.1 + 0.2 << "0.3";
    QTest::newRow("just below whole") << 2225.9999999999995 << "2226";
    QTest::newRow("15 significant digits") << 123456.789012345678 << "123456.789012346";
    QTest::newRow("no exponent for large") << 1e15 << "1000000000000000";
    QTest::newRow("large keeps 15 digits") << 123456789012345678.0 << "123456789012346000";
    QTest::newRow("no exponent for small") << 0.0000001 << "0.0000001";
    QTest::newRow("no grouping") << 1234567.0 << "1234567";
    QTest::newRow("table decimal 6.8") << 6.8 << "6.8";
}

void TstNumbers::format()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    test::LocaleScope c(QLocale::c());
    QCOMPARE(numbers::format(value), shown);
}

void TstNumbers::round2_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("tie to even down 8.125") << 1040.0 / 128.0 << 8.12;
    QTest::newRow("tie to even up 0.375") << 0.375 << 0.38;
    QTest::newRow("tie to even down 0.125") << 0.125 << 0.12;
    QTest::newRow("487/76") << 487.0 / 76.0 << 6.41;
    QTest::newRow("1700/150") << 1700.0 / 150.0 << 11.33;
    QTest::newRow("below whole") << 2225.9999999999995 << 2226.0;
    QTest::newRow("11.885184") << 11.885184 << 11.89;
    QTest::newRow("negative tie") << -0.125 << -0.12;
    QTest::newRow("whole stays") << 8.0 << 8.0;
}

void TstNumbers::round2()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(numbers::round2(value), rounded);
}

void TstNumbers::parse_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    const QLocale c = QLocale::c();
    const QLocale de(QLocale::German, QLocale::Germany);
    QTest::newRow("C whole") << c << "530" << true << 530.0;
    QTest::newRow("C trailing zero") << c << "530.0" << true << 530.0;
    QTest::newRow("C point") << c << "5.5" << true << 5.5;
    QTest::newRow("C comma is no number") << c << "5,5" << false << 0.0;
    QTest::newRow("C grouping refused") << c << "1,000" << false << 0.0;
    QTest::newRow("C negative") << c << "-5" << true << -5.0;
    QTest::newRow("C plus") << c << "+5" << true << 5.0;
    QTest::newRow("C lone minus") << c << "-" << false << 0.0;
    QTest::newRow("C lone point") << c << "." << false << 0.0;
    QTest::newRow("C empty") << c << "" << false << 0.0;
    QTest::newRow("C spaces around") << c << " 5 " << true << 5.0;
    QTest::newRow("C letters") << c << "abc" << false << 0.0;
    QTest::newRow("C inf") << c << "inf" << false << 0.0;
    QTest::newRow("C nan") << c << "nan" << false << 0.0;
    QTest::newRow("C exponent") << c << "1e3" << false << 0.0;
    QTest::newRow("C overflow") << c << QString(400, QLatin1Char('9')) << false << 0.0;
    QTest::newRow("de comma") << de << "5,5" << true << 5.5;
    QTest::newRow("de point is no number") << de << "5.5" << false << 0.0;
    QTest::newRow("de grouping refused") << de << "1.000" << false << 0.0;
    QTest::newRow("de negative") << de << "-0,5" << true << -0.5;
    QTest::newRow("de whole") << de << "1000" << true << 1000.0;
}

void TstNumbers::parse()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    test::LocaleScope scope(locale);
    const auto parsed = numbers::parse(text);
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*parsed, value);
}

void TstNumbers::germanLocaleShowsDecimalComma()
{
    test::LocaleScope de(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(numbers::format(5964.27), QString("5964,27"));
    QCOMPARE(numbers::format(-0.5), QString("-0,5"));
    QCOMPARE(numbers::format(1234567.0), QString("1234567"));
    QCOMPARE(numbers::resultText(1040.0 / 128.0), QString("8,12"));
}

void TstNumbers::resultTextOfUncomputable()
{
    QCOMPARE(numbers::resultText(std::nullopt), QString());
    QCOMPARE(numbers::resultText(std::numeric_limits<double>::infinity()), QString());
    QCOMPARE(numbers::resultText(std::nan("")), QString());
    // Finite, but too large to be multiplied by 100.
    QCOMPARE(numbers::resultText(1.7e307), QString());
}

void TstNumbers::parseAgreesWithReference_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    const QStringList shapes = {
        "5P", "P5", "MP5", "M", "P", "MP", "", "00", "M0", "007", "M007P50", "0P", "M0P", "M0P0",
        "5PP", "1P2P3", "MM5", "5M", "PM5", "-5", "5.", ".5", "-.5", "5,5", "1,000", "1.000",
        "+5", " 5", "5 ", " ", "1e3", "1E3", "inf", "nan", QStringView(u"\u22125").toString(), QStringView(u"\u2212").toString(),
        QStringView(u"\u0661\u0662").toString(), QStringView(u"\u0661\u066B\u0665").toString(), "12345678901234567890P5",
        QString(63, QLatin1Char('7')) + "P", QString(64, QLatin1Char('7')),
        QString(65, QLatin1Char('7')), "M" + QString(64, QLatin1Char('7')),
        QString(400, QLatin1Char('9')), "1" + QString(308, QLatin1Char('0')),
        "1" + QString(309, QLatin1Char('0')), "0P" + QString(320, QLatin1Char('0')) + "1",
        "0P" + QString(400, QLatin1Char('0')) + "1", "M0P" + QString(400, QLatin1Char('0')),
        "0P" + QString(2000, QLatin1Char('3')), "0P" + QString(62, QLatin1Char('0')) + "1",
        "9007199254740993", "0P1000000000000000055511151231257827",
    };
    for (const QLocale &locale : comparedLocales()) {
        for (const QString &shape : shapes) {
            QTest::addRow("%s \"%s\"", qPrintable(locale.name()), qPrintable(shape.left(24)))
                << locale << inLocale(shape, locale);
        }
    }
}

void TstNumbers::parseAgreesWithReference()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    test::LocaleScope scope(locale);
    const QString difference = parseDifference(text);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TstNumbers::parseAgreesInEveryLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    const QList<QLocale> all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (qsizetype i = 0; i < all.size(); ++i)
        QTest::addRow("%lld %s", qlonglong(i), qPrintable(all[i].name())) << all[i];
}

void TstNumbers::parseAgreesInEveryLocale()
{
    QFETCH(QLocale, locale);
    test::LocaleScope scope(locale);
    for (const char *shape : {"555", "M5", "5P25", "007", "MP5", "5P", "-5", "5.5", "5,5", ""}) {
        const QString difference = parseDifference(inLocale(QString::fromLatin1(shape), locale));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
}

void TstNumbers::formatAgreesWithReference_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    // The ties are exact: 16 significant digits, the last a 5, where rounding to 15 digits can
    // go either way.
    const QList<QPair<const char *, double>> values = {
        {"tie below odd", 123456789012344.5},
        {"tie below even", 123456789012345.5},
        {"negative tie", -123456789012344.5},
        {"whole tie", 1234567890123445.0},
        {"tie of hundredths", 12345678901234.25},
        {"tie times ten", 10000000000000050.0},
        {"tie carrying", 999999999999999.5},
        {"small tie", 3.0 / 4194304.0},
        {"small tie even", 1.0 / 4194304.0},
        {"not a tie", 1.000000000000005},
        {"whole", 530.0},
        {"zero", 0.0},
        {"negative zero", -0.0},
        {"negative", -2.5},
        {"binary noise", 0.1 + 0.2},
        {"below whole", 2225.9999999999995},
        {"rounds up to a power of ten", 9.9999999999999995e22},
        {"large", 123456789012345678.0},
        {"largest", std::numeric_limits<double>::max()},
        {"smallest normal", std::numeric_limits<double>::min()},
        {"smallest", std::numeric_limits<double>::denorm_min()},
        {"negative small", -0.0000001},
        {"infinity", std::numeric_limits<double>::infinity()},
        {"nan", std::numeric_limits<double>::quiet_NaN()},
    };
    for (const QLocale &locale : comparedLocales()) {
        for (const auto &[name, value] : values)
            QTest::addRow("%s %s", qPrintable(locale.name()), name) << locale << value;
    }
}

void TstNumbers::formatAgreesWithReference()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    test::LocaleScope scope(locale);
    const QString difference = formatDifference(value);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TstNumbers::randomTextsAgreeWithReference_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
}

void TstNumbers::randomTextsAgreeWithReference()
{
    QFETCH(QLocale, locale);
    test::LocaleScope scope(locale);
    static const QString alphabet = QStringLiteral("0123456789.,-+ e");
    QRandomGenerator random(20261209);
    for (int i = 0; i < 200000; ++i) {
        QString text;
        // Mostly short texts; a few long enough to pass the quick reading's length limit.
        const int length = random.bounded(10) == 0 ? random.bounded(90) : random.bounded(9);
        for (int j = 0; j < length; ++j)
            text += alphabet[random.bounded(qsizetype(alphabet.size()))];
        const QString difference = parseDifference(text);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
}

void TstNumbers::randomValuesAgreeWithReference_data()
{
    randomTextsAgreeWithReference_data();
}

void TstNumbers::randomValuesAgreeWithReference()
{
    QFETCH(QLocale, locale);
    test::LocaleScope scope(locale);
    QRandomGenerator random(20261210);
    for (int i = 0; i < 200000; ++i) {
        double value = 0;
        switch (i % 4) {
        case 0: // any bit pattern: every exponent, denormals, infinities, NaNs
            value = std::bit_cast<double>(random.generate64());
            break;
        case 1: // results as shown: hundredths
            value = double(qint64(random.generate64() % 2000000000000000) - 1000000000000000) / 100;
            break;
        case 2: // box-sized values
            value = (random.generateDouble() - 0.5) * std::pow(10.0, random.bounded(-8, 9));
            break;
        default: // exact halves and quarters near 15 digits, where ties are
            value = double(qint64(random.generate64() % 4000000000000000)) / 4;
            break;
        }
        const QString difference = formatDifference(value);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
}

QTEST_GUILESS_MAIN(TstNumbers)
#include "tst_numbers.moc"
