// Reading and showing numbers, and the rounding of shown results.

#include "calculator/core/numbers.h"
#include "support/window_fixture.h"

#include <QtTest>

#include <cmath>
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
};

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

QTEST_MAIN(TstNumbers)
#include "tst_numbers.moc"
