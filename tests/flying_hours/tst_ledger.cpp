// The flight-time ledger's arithmetic and texts, without any window.

#include "common/error.h"
#include "flying_hours/ledger.h"

#include <QTest>

#include <limits>

using namespace mirandel;
using namespace mirandel::ledger;
using namespace Qt::StringLiterals;

namespace {

Row plusRow(const QString& hours, const QString& minutes, const QString& landings,
            const QString& category = vfr())
{
    return {plus(), hours, minutes, landings, category};
}

Row minusRow(const QString& hours, const QString& minutes, const QString& landings,
             const QString& category = vfr())
{
    return {minus(), hours, minutes, landings, category};
}

} // namespace

Q_DECLARE_METATYPE(QList<mirandel::ledger::Row>)

class TestLedger : public QObject
{
    Q_OBJECT

private slots:
    void zeroFilling_data();
    void zeroFilling();
    void displayLines_data();
    void displayLines();
    void fixedLines();
    void totals_data();
    void totals();
    void subtotalsFollowTheCategory();
    void subtotalLinePrefixes();
    void average_data();
    void average();
    void dayCountZeroHasNoAverage();
    void numberThatDoesNotParseIsRefused_data();
    void numberThatDoesNotParseIsRefused();
    void totalsBeyond32Bits();
    void totalsBeyond64BitsAreRefused();
};

void TestLedger::zeroFilling_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("filled");
    QTest::newRow("empty") << u""_s << 6 << u"000000"_s;
    QTest::newRow("one digit") << u"5"_s << 6 << u"000005"_s;
    QTest::newRow("leading zero kept") << u"05"_s << 6 << u"000005"_s;
    QTest::newRow("full width") << u"123456"_s << 6 << u"123456"_s;
    QTest::newRow("longer than the width is unchanged") << u"1234567"_s << 6 << u"1234567"_s;
    QTest::newRow("minutes") << u"5"_s << 2 << u"05"_s;
}

void TestLedger::zeroFilling()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, filled);
    QCOMPARE(zeroFilled(text, width), filled);
}

void TestLedger::displayLines_data()
{
    QTest::addColumn<Row>("row");
    QTest::addColumn<QString>("line");
    QTest::newRow("initial row formatted")
        << plusRow(u"0"_s, u"0"_s, u"0"_s) << u"+000000 Hrs 00 mn 000000 lndg   ==> VFR"_s;
    QTest::newRow("example") << plusRow(u"12"_s, u"5"_s, u"1"_s, ifr())
                             << u"+000012 Hrs 05 mn 000001 lndg   ==> IFR"_s;
    QTest::newRow("empty fields count as zeros")
        << plusRow(u""_s, u""_s, u""_s) << u"+000000 Hrs 00 mn 000000 lndg   ==> VFR"_s;
    QTest::newRow("minus row, empty, night")
        << minusRow(u""_s, u""_s, u""_s, night()) << u"-000000 Hrs 00 mn 000000 lndg   ==> NIGHT"_s;
    QTest::newRow("six-digit hours get no zeros") << plusRow(u"123456"_s, u"59"_s, u"999999"_s)
                                                  << u"+123456 Hrs 59 mn 999999 lndg   ==> VFR"_s;
    QTest::newRow("typed zeros are kept")
        << plusRow(u"000005"_s, u"05"_s, u"05"_s) << u"+000005 Hrs 05 mn 000005 lndg   ==> VFR"_s;
}

void TestLedger::displayLines()
{
    QFETCH(Row, row);
    QFETCH(QString, line);
    QCOMPARE(displayLine(row), line);
}

void TestLedger::fixedLines()
{
    // Two blanks before "==>" at start, three after a reset, lower-case "hrs" until formatted.
    QCOMPARE(initialLine(), u"+ 000000 hrs 00 mn 000000 lndg  ==> VFR"_s);
    QCOMPARE(unformattedLine(plus(), vfr()), u"+ 000000 hrs 00 mn 000000 lndg   ==> VFR"_s);
    QCOMPARE(unformattedLine(minus(), ifr()), u"- 000000 hrs 00 mn 000000 lndg   ==> IFR"_s);
    QCOMPARE(initialTotalText(), u"000000 hrs 00 mn 000000 lndg"_s);
}

void TestLedger::totals_data()
{
    QTest::addColumn<QList<Row>>("rows");
    QTest::addColumn<QString>("total");

    QTest::newRow("initial row") << QList<Row>{plusRow(u"0"_s, u"0"_s, u"0"_s)}
                                 << u"0 hrs 0 mn 0 lndg"_s;
    QTest::newRow("minutes carried")
        << QList<Row>{plusRow(u"1"_s, u"40"_s, u""_s), plusRow(u"0"_s, u"30"_s, u""_s)}
        << u"2 hrs 10 mn 0 lndg"_s;
    QTest::newRow("minus row borrows an hour")
        << QList<Row>{plusRow(u"0"_s, u"0"_s, u"0"_s), minusRow(u"2"_s, u"30"_s, u"1"_s)}
        << u"-3 hrs 30 mn -1 lndg"_s;
    QTest::newRow("minutes past 59 carried in full (read 1 hrs 65 mn)")
        << QList<Row>{plusRow(u"0"_s, u"50"_s, u"0"_s), plusRow(u"0"_s, u"75"_s, u"0"_s)}
        << u"2 hrs 5 mn 0 lndg"_s;
    QTest::newRow("a zero row after them changes nothing")
        << QList<Row>{plusRow(u"0"_s, u"50"_s, u"0"_s), plusRow(u"0"_s, u"75"_s, u"0"_s),
                      plusRow(u"0"_s, u"0"_s, u"0"_s)}
        << u"2 hrs 5 mn 0 lndg"_s;
    QTest::newRow("minus row of 75 minutes borrows two hours")
        << QList<Row>{plusRow(u"0"_s, u"0"_s, u"0"_s), minusRow(u"0"_s, u"75"_s, u"0"_s)}
        << u"-2 hrs 45 mn 0 lndg"_s;
    QTest::newRow("two minus rows of 99 minutes")
        << QList<Row>{minusRow(u""_s, u"99"_s, u""_s), minusRow(u"1"_s, u"99"_s, u"1"_s)}
        << u"-5 hrs 42 mn -1 lndg"_s;
    QTest::newRow("empty fields count as zero")
        << QList<Row>{plusRow(u""_s, u""_s, u""_s), plusRow(u"3"_s, u""_s, u"2"_s)}
        << u"3 hrs 0 mn 2 lndg"_s;
    QTest::newRow("typed leading zeros")
        << QList<Row>{plusRow(u"000012"_s, u"05"_s, u"000001"_s)} << u"12 hrs 5 mn 1 lndg"_s;
    QTest::newRow("flights less time off")
        << QList<Row>{plusRow(u"10"_s, u"15"_s, u"4"_s), plusRow(u"2"_s, u"50"_s, u"2"_s),
                      minusRow(u"1"_s, u"20"_s, u"1"_s)}
        << u"11 hrs 45 mn 5 lndg"_s;
    QTest::newRow("an unknown sign counts nothing")
        << QList<Row>{plusRow(u"1"_s, u"0"_s, u"0"_s), Row{u"*"_s, u"5"_s, u"5"_s, u"5"_s, vfr()}}
        << u"1 hrs 0 mn 0 lndg"_s;
    QTest::newRow("no row") << QList<Row>{} << u"0 hrs 0 mn 0 lndg"_s;
}

void TestLedger::totals()
{
    QFETCH(QList<Row>, rows);
    QFETCH(QString, total);
    QCOMPARE(totalText(ledger::totals(rows).all), total);
}

void TestLedger::subtotalsFollowTheCategory()
{
    const QList<Row> rows = {
        plusRow(u"1"_s, u"40"_s, u"1"_s, vfr()),   plusRow(u"2"_s, u"30"_s, u"2"_s, ifr()),
        plusRow(u"3"_s, u"45"_s, u"3"_s, night()), minusRow(u"0"_s, u"50"_s, u"1"_s, ifr()),
        plusRow(u"0"_s, u"30"_s, u"0"_s, vfr()),
    };
    const Totals result = ledger::totals(rows);
    QCOMPARE(result.vfr, (Total{2, 10, 1}));
    QCOMPARE(result.ifr, (Total{1, 40, 1}));
    QCOMPARE(result.night, (Total{3, 45, 3}));
    QCOMPARE(result.all, (Total{7, 35, 5}));
    // A row of no known category counts in the grand total only.
    const Totals odd = ledger::totals({plusRow(u"1"_s, u"0"_s, u"0"_s, u"vfr"_s)});
    QCOMPARE(odd.all, (Total{1, 0, 0}));
    QCOMPARE(odd.vfr, Total{});
}

void TestLedger::subtotalLinePrefixes()
{
    const QList<Row> rows = {plusRow(u"1"_s, u"40"_s, u""_s), plusRow(u"0"_s, u"30"_s, u""_s)};
    const Totals result = ledger::totals(rows);
    QCOMPARE(vfrText(result.vfr), u"VFR  : 2 hrs 10 mn 0 lndg"_s);
    QCOMPARE(ifrText(result.ifr), u"IFR   : 0 hrs 0 mn 0lndg"_s);
    QCOMPARE(nightText(result.night), u"Night : 0 hrs 0 mn 0 lndg"_s);
    QCOMPARE(totalText(Total{-3, 30, -1}), u"-3 hrs 30 mn -1 lndg"_s);
}

void TestLedger::average_data()
{
    QTest::addColumn<Total>("total");
    QTest::addColumn<qint64>("days");
    QTest::addColumn<QString>("text");
    QTest::newRow("example") << Total{10, 30, 6} << qint64(30) << u"0 hrs 21 mn 0 lndg"_s;
    QTest::newRow("15 hours") << Total{15, 0, 0} << qint64(30) << u"0 hrs 30 mn 0 lndg"_s;
    QTest::newRow("45 hours 40 landings")
        << Total{45, 0, 40} << qint64(30) << u"1 hrs 30 mn 1 lndg"_s;
    QTest::newRow("20 minutes") << Total{0, 20, 0} << qint64(30) << u"0 hrs 0 mn 0 lndg"_s;
    QTest::newRow("dates reversed") << Total{45, 0, 0} << qint64(-30) << u"-1 hrs -30 mn 0 lndg"_s;
    QTest::newRow("negative total truncates toward zero")
        << Total{-3, 30, -1} << qint64(30) << u"0 hrs -5 mn 0 lndg"_s;
    QTest::newRow("one day") << Total{7, 45, 3} << qint64(1) << u"7 hrs 45 mn 3 lndg"_s;
}

void TestLedger::average()
{
    QFETCH(Total, total);
    QFETCH(qint64, days);
    QFETCH(QString, text);
    QCOMPARE(averageText(ledger::average(total, days)), text);
}

void TestLedger::dayCountZeroHasNoAverage()
{
    // Both report dates on the same day: no division, an average that says so.
    QCOMPARE(ledger::average(Total{10, 30, 6}, 0), std::nullopt);
    QCOMPARE(averageText(ledger::average(Total{10, 30, 6}, 0)), u"-- hrs -- mn -- lndg"_s);
}

void TestLedger::numberThatDoesNotParseIsRefused_data()
{
    QTest::addColumn<Row>("row");
    QTest::addColumn<QString>("message");
    QTest::newRow("letters in the hours")
        << plusRow(u"1a"_s, u"0"_s, u"0"_s) << u"'1a' n'est pas une valeur entière correcte"_s;
    QTest::newRow("time in the minutes")
        << plusRow(u"1"_s, u"1:3"_s, u"0"_s) << u"'1:3' n'est pas une valeur entière correcte"_s;
    QTest::newRow("beyond 32 bits in the landings")
        << minusRow(u"1"_s, u"0"_s, u"99999999999"_s)
        << u"'99999999999' n'est pas une valeur entière correcte"_s;
}

void TestLedger::numberThatDoesNotParseIsRefused()
{
    QFETCH(Row, row);
    QFETCH(QString, message);
    try {
        ledger::totals({plusRow(u"1"_s, u"0"_s, u"0"_s), row});
        QFAIL("no error");
    } catch (const MirandelError& error) {
        QCOMPARE(error.message(), message);
    }
}

void TestLedger::totalsBeyond32Bits()
{
    // 2200 rows of 999999 hours: past the 32-bit range, still exact.
    QList<Row> rows(2200, plusRow(u"999999"_s, u"30"_s, u"999999"_s, night()));
    const Totals result = ledger::totals(rows);
    QCOMPARE(totalText(result.all), u"2199998900 hrs 0 mn 2199997800 lndg"_s);
    QCOMPARE(result.night, result.all);
    QCOMPARE(averageText(ledger::average(result.all, 30)), u"73333296 hrs 40 mn 73333260 lndg"_s);
    rows.fill(minusRow(u"999999"_s, u"30"_s, u"999999"_s));
    QCOMPARE(totalText(ledger::totals(rows).all), u"-2199998900 hrs 0 mn -2199997800 lndg"_s);
}

void TestLedger::totalsBeyond64BitsAreRefused()
{
    const qint64 max = std::numeric_limits<qint64>::max();
    const qint64 min = std::numeric_limits<qint64>::min();
    struct Case
    {
        Total start;
        QString sign;
        qint64 hours, minutes, landings;
    };
    const Case cases[] = {
        {{max, 0, 0}, plus(), 1, 0, 0},    {{max, 50, 0}, plus(), 0, 10, 0},
        {{0, 0, max}, plus(), 0, 0, 1},    {{min, 0, 0}, minus(), 1, 0, 0},
        {{min, 10, 0}, minus(), 0, 20, 0}, {{0, 0, min}, minus(), 0, 0, 1},
    };
    for (const Case& c : cases) {
        Total total = c.start;
        QVERIFY_THROWS_EXCEPTION(MirandelError,
                                 accumulate(total, c.sign, c.hours, c.minutes, c.landings));
    }
    try {
        ledger::average(Total{max / 2, 0, 0}, 30);
        QFAIL("no error");
    } catch (const MirandelError& error) {
        QCOMPARE(error.message(), u"Opération en virgule flottante incorrecte"_s);
    }
    QVERIFY_THROWS_EXCEPTION(MirandelError, ledger::average(Total{0, 0, min}, -1));
    // Just inside the range.
    Total edge{max - 1, 59, 0};
    accumulate(edge, plus(), 0, 1, 0);
    QCOMPARE(edge, (Total{max, 0, 0}));
}

QTEST_GUILESS_MAIN(TestLedger)
#include "tst_ledger.moc"
