#include "common/error.h"
#include "common/numbertext.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace mirandel;
using namespace Qt::StringLiterals;

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void parseErrorCarriesFrenchMessage();
    void parseInt32_data();
    void parseInt32();
    void format_data();
    void format();
};

void TestNumberText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");

    QTest::newRow("digits") << u"12"_s << QChar(u'.') << true << 12.0;
    QTest::newRow("blanks both ends") << u"  12.5 "_s << QChar(u'.') << true << 12.5;
    QTest::newRow("comma system") << u"9,6"_s << QChar(u',') << true << 9.6;
    QTest::newRow("trailing separator") << u"9,"_s << QChar(u',') << true << 9.0;
    QTest::newRow("trailing comma on a point system") << u"9,"_s << QChar(u'.') << false << 0.0;
    QTest::newRow("lone separator reads 0") << u"."_s << QChar(u'.') << true << 0.0;
    QTest::newRow("leading separator") << u".5"_s << QChar(u'.') << true << 0.5;
    QTest::newRow("sign") << u"-3"_s << QChar(u'.') << true << -3.0;
    QTest::newRow("plus sign") << u"+3"_s << QChar(u'.') << true << 3.0;
    QTest::newRow("exponent") << u"1.5E3"_s << QChar(u'.') << true << 1500.0;
    QTest::newRow("lower exponent with sign") << u"25e-1"_s << QChar(u'.') << true << 2.5;
    QTest::newRow("exponent without digits") << u"1E"_s << QChar(u'.') << false << 0.0;
    QTest::newRow("empty") << u""_s << QChar(u'.') << false << 0.0;
    QTest::newRow("blanks only") << u"   "_s << QChar(u'.') << false << 0.0;
    QTest::newRow("sign only") << u"-"_s << QChar(u'.') << false << 0.0;
    QTest::newRow("result with suffix") << u"0.4536 kg"_s << QChar(u'.') << false << 0.0;
    QTest::newRow("two separators") << u"1.2.3"_s << QChar(u'.') << false << 0.0;
    QTest::newRow("point on a comma system") << u"1.5"_s << QChar(u',') << false << 0.0;
    QTest::newRow("beyond the double range") << u"1E400"_s << QChar(u'.') << false << 0.0;
    QTest::newRow("underflow reads 0") << u"1E-400"_s << QChar(u'.') << true << 0.0;
    // Past even the extended range, a negative exponent once read as underflow and a
    // positive one as overflow, whatever the digits said.
    QTest::newRow("long mantissa with negative exponent overflows")
        << QString(u"1"_s + QString(5000, u'0') + u"e-1"_s) << QChar(u'.') << false << 0.0;
    QTest::newRow("long fraction with positive exponent underflows")
        << QString(u"0,"_s + QString(5000, u'0') + u"1e10"_s) << QChar(u',') << true << 0.0;
    QTest::newRow("thirteen digits from the keypad")
        << u"1234567890123"_s << QChar(u'.') << true << 1234567890123.0;
}

void TestNumberText::parse()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const auto parsed = numbertext::tryParseFloat(text, separator);
    QCOMPARE(parsed.has_value(), ok);
    if (ok)
        QCOMPARE(*parsed, value);
}

void TestNumberText::parseErrorCarriesFrenchMessage()
{
    try {
        numbertext::parseFloat(u"9,"_s, u'.');
        QFAIL("no error");
    } catch (const MirandelError& error) {
        QCOMPARE(error.message(), u"'9,' n'est pas une valeur en virgule flottante correcte"_s);
    }
    try {
        numbertext::parseInt32(u"5-"_s);
        QFAIL("no error");
    } catch (const MirandelError& error) {
        QCOMPARE(error.message(), u"'5-' n'est pas une valeur entière correcte"_s);
    }
}

void TestNumberText::parseInt32_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << u"1500"_s << true << 1500;
    QTest::newRow("negative") << u"-273"_s << true << -273;
    QTest::newRow("leading blanks") << u"  7"_s << true << 7;
    QTest::newRow("minus after digits") << u"5-"_s << false << 0;
    QTest::newRow("second minus") << u"1-2"_s << false << 0;
    QTest::newRow("double minus") << u"--"_s << false << 0;
    QTest::newRow("minus alone") << u"-"_s << false << 0;
    QTest::newRow("empty") << u""_s << false << 0;
    QTest::newRow("decimal") << u"12,5"_s << false << 0;
    QTest::newRow("largest") << u"2147483647"_s << true << 2147483647;
    QTest::newRow("smallest") << u"-2147483648"_s << true << std::numeric_limits<int>::min();
    QTest::newRow("one past the largest") << u"2147483648"_s << false << 0;
    QTest::newRow("many digits") << u"99999999999999999999"_s << false << 0;
}

void TestNumberText::parseInt32()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const auto parsed = numbertext::tryParseInt32(text);
    QCOMPARE(parsed.has_value(), ok);
    if (ok)
        QCOMPARE(*parsed, value);
}

void TestNumberText::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << u"0"_s;
    QTest::newRow("negative zero") << -0.0 << u"0"_s;
    QTest::newRow("whole") << 1012.0 << u"1012"_s;
    QTest::newRow("four decimals") << 0.4536 << u"0.4536"_s;
    QTest::newRow("trailing zeros go") << 101.6 << u"101.6"_s;
    QTest::newRow("negative") << -56.5 << u"-56.5"_s;
    QTest::newRow("fifteen digits") << 123456789012345.0 << u"123456789012345"_s;
    QTest::newRow("ten to the fifteen") << 1e15 << u"1E15"_s;
    QTest::newRow("beyond fifteen digits") << 1234567890123456.0 << u"1.23456789012346E15"_s;
    QTest::newRow("rounded to fifteen") << 1.0 / 3.0 << u"0.333333333333333"_s;
    QTest::newRow("wrench third") << 25.4 / 3.0 << u"8.46666666666667"_s;
    QTest::newRow("small fixed") << 0.0001 << u"0.0001"_s;
    QTest::newRow("small scientific") << 0.00001 << u"1E-5"_s;
    QTest::newRow("small scientific with digits") << 0.0000125 << u"1.25E-5"_s;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << u"INF"_s;
}

void TestNumberText::format()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numbertext::formatGeneral(value, u'.'), text);
    QString comma = text;
    comma.replace(u'.', u',');
    QCOMPARE(numbertext::formatGeneral(value, u','), comma);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
