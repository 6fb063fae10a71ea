// Inputs that once broke the program, found by the event storm and the fuzzers; each stays here
// so the fault cannot come back unseen.

#include "calculator/core/numbers.h"
#include "storage/user_equipment_file.h"
#include "support/widgets/window_fixture.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace vkp2;
using test::chooseAsUser;
using test::retype;

class TstRegressions : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void pastedLineBreakKeepsTheSetup_data();
    void pastedLineBreakKeepsTheSetup();
    void savedFilesComeBack_data();
    void savedFilesComeBack();
    void typographicMinusIsASign_data();
    void typographicMinusIsASign();
    void largestDoublesShowWithoutExponent_data();
    void largestDoublesShowWithoutExponent();
};

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// A single-line field still takes a pasted line break; written as it stands, it split its line of
// the user equipment file and shifted every later value into the wrong field at the next start.
void TstRegressions::pastedLineBreakKeepsTheSetup_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("restored");
    QTest::newRow("LF after a distance") << "Distance_d" << "5\n" << "5 ";
    QTest::newRow("CR LF inside a focal length") << "Flength" << "8\r\n00" << "8 00";
    QTest::newRow("lone CR in an aperture, kept") << "Aperture" << "1\r00" << "1\r00";
    QTest::newRow("lines in a pixel width") << "Pixelsize_width" << "\n7\n.\n4\n" << " 7 . 4 ";
}

void TstRegressions::pastedLineBreakKeepsTheSetup()
{
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, restored);

    test::Sandbox sandbox;
    QStringList before;
    {
        RecordedMessageBoxes messages;
        MainWindow window(messages);
        const auto &w = window.widgets();
        QVERIFY(chooseAsUser(w[List::Telescope], "User-Defined"));
        QVERIFY(chooseAsUser(w[List::Ccd], "User-Defined"));
        retype(w[Box::Flength], "800");
        retype(w[Box::Aperture], "100");
        retype(w[Box::Pixelsize_width], "7.4");
        retype(w[Box::Pixelsize_height], "6.2");
        retype(w[Box::Chipsize_width], "659");
        retype(w[Box::Chipsize_height], "494");
        auto *edit = window.findChild<QLineEdit *>(field);
        QVERIFY(edit);
        edit->selectAll();
        edit->insert(pasted); // what Ctrl+V does with the clipboard's text
        QCOMPARE(edit->text(), pasted);
        for (QLineEdit *e : {w[Box::Flength], w[Box::Aperture], w[Box::Distance_tl], w[Box::Distance_d], w[Box::Pixelsize_width],
                             w[Box::Pixelsize_height], w[Box::Chipsize_width], w[Box::Chipsize_height]})
            before << (e == edit ? restored : e->text());
        window.close();
    }
    const QByteArray file = readBytes(sandbox.setupFile());
    QCOMPARE(file.count('\n'), 11);
    QVERIFY(file.endsWith("\r\n"));

    RecordedMessageBoxes messages;
    MainWindow window(messages);
    const auto &w = window.widgets();
    QCOMPARE(w[List::Telescope]->currentText(), QString("User-Defined"));
    QCOMPARE(w[List::Ccd]->currentText(), QString("User-Defined"));
    QStringList after;
    for (QLineEdit *e : {w[Box::Flength], w[Box::Aperture], w[Box::Distance_tl], w[Box::Distance_d], w[Box::Pixelsize_width],
                         w[Box::Pixelsize_height], w[Box::Chipsize_width], w[Box::Chipsize_height]})
        after << e->text();
    QCOMPARE(after, before);
}

// User equipment files from fuzz/corpus/user_file/ that once failed: whatever start-up made of
// them, a close saves it and the next start shows the same setup.
void TstRegressions::savedFilesComeBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("setup"); // lists, then the eight input fields
    QTest::addColumn<QStringList>("results"); // efl, efr at the first start
    // empty_distance_restart.dat: an unknown telescope, an empty TL and a D out of range. The empty
    // TL left the first start without results; the second start computes before it applies the
    // empty TL, as an emptied box changes nothing. Only the results may differ, not the setup.
    QTest::newRow("empty TL, D out of range")
        << QByteArray("UserQDock-Defined\r\nPT 18mm\r\nUser-Defined\r\n800\r\n100\r\n\n-524.5\r\n80\r\n94\r\n")
        << QStringList{"DR-106", "PT 18mm", "User-Defined", "530", "106", "", "55", "80", "94", "", ""}
        << QStringList{"", ""};
}

void TstRegressions::savedFilesComeBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, setup);
    QFETCH(QStringList, results);

    test::Sandbox sandbox;
    {
        QFile out(sandbox.file("vkp2user.dat"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(file), file.size());
    }
    const auto shown = [](const MainWindow &window) {
        const auto &w = window.widgets();
        QStringList out{w[List::Telescope]->currentText(), w[List::Ocular]->currentText(), w[List::Ccd]->currentText()};
        for (QLineEdit *e : {w[Box::Flength], w[Box::Aperture], w[Box::Distance_tl], w[Box::Distance_d], w[Box::Pixelsize_width],
                             w[Box::Pixelsize_height], w[Box::Chipsize_width], w[Box::Chipsize_height]})
            out << e->text();
        return out;
    };
    {
        RecordedMessageBoxes messages;
        MainWindow window(messages);
        QCOMPARE(shown(window), setup);
        QCOMPARE((QStringList{window.widgets()[Box::efl]->text(), window.widgets()[Box::efr]->text()}), results);
        window.close();
    }
    RecordedMessageBoxes messages;
    MainWindow window(messages);
    QCOMPARE(shown(window), setup);
}

// fuzz/corpus/numbers/unicode_minus: the locale reading takes U+2212 MINUS SIGN for "-" in every
// locale. It is a sign, so the text is a plain signed decimal and reads as its negative value.
void TstRegressions::typographicMinusIsASign_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("C, no whole part") << "C" << QString::fromUtf8("\u2212.0") << -0.0;
    QTest::newRow("C") << "C" << QString::fromUtf8("\u22127.5") << -7.5;
    QTest::newRow("German") << "de_DE" << QString::fromUtf8("\u22127,5") << -7.5;
}

void TstRegressions::typographicMinusIsASign()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, value);
    test::LocaleScope scope{QLocale(locale)};
    const auto read = numbers::parse(text);
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
    QCOMPARE(numbers::parse(numbers::format(*read)), read);
}

// fuzz/corpus/numbers/near_largest_double: fifteen digits of -DBL_MAX round past the largest
// double, so that text alone cannot read back; it is still shown plainly, and a result that large
// is not shown at all (value * 100 overflows).
void TstRegressions::largestDoublesShowWithoutExponent_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("largest") << std::numeric_limits<double>::max();
    QTest::newRow("most negative") << -std::numeric_limits<double>::max();
    QTest::newRow("just under it") << std::nextafter(std::numeric_limits<double>::max(), 0.0);
}

void TstRegressions::largestDoublesShowWithoutExponent()
{
    QFETCH(double, value);
    const QString shown = numbers::format(value);
    QVERIFY2(QRegularExpression("^-?179769313486232[0]{294}$").match(shown).hasMatch(), qPrintable(shown));
    QCOMPARE(numbers::resultText(value), QString());
    QCOMPARE(numbers::resultText(value / 10), QString());
    QCOMPARE(numbers::resultText(1.7e306), numbers::format(1.7e306));
}

QTEST_MAIN(TstRegressions)
#include "tst_regressions.moc"
