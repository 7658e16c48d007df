#include "common/error.h"
#include "common/rounding.h"

#include <QTest>

#include <cmath>

using namespace mirandel;

class TestRounding : public QObject
{
    Q_OBJECT

private slots:
    void halvesGoToEven_data();
    void halvesGoToEven();
    void toDecimals_data();
    void toDecimals();
    void overflowIsAnInvalidOperation_data();
    void overflowIsAnInvalidOperation();
};

void TestRounding::halvesGoToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("rounded");
    QTest::newRow("0.5") << 0.5 << qint64(0);
    QTest::newRow("1.5") << 1.5 << qint64(2);
    QTest::newRow("2.5") << 2.5 << qint64(2);
    QTest::newRow("-2.5") << -2.5 << qint64(-2);
    QTest::newRow("-3.5") << -3.5 << qint64(-4);
    QTest::newRow("2.51") << 2.51 << qint64(3);
}

void TestRounding::halvesGoToEven()
{
    QFETCH(double, value);
    QFETCH(qint64, rounded);
    QCOMPARE(rounding::toInt64(value), rounded);
}

void TestRounding::toDecimals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("factor");
    QTest::addColumn<double>("result");
    QTest::newRow("0.12345 in to mm") << 0.12345 << 25.4 << 3.1356;
    QTest::newRow("12 lb to kg") << 12.0 << 0.4536 << 5.4432;
    QTest::newRow("speed 100 km/h") << 100.0 << 0.6213712 << 62.1371;
    QTest::newRow("kerosene 1 l") << 1.0 << 1.76368 << 1.7637;
    QTest::newRow("kerosene 1 lb") << 1.0 << 0.5669962805043999 << 0.567;
    QTest::newRow("10 mm to in") << 10.0 << 0.03937 << 0.3937;
}

void TestRounding::toDecimals()
{
    QFETCH(double, value);
    QFETCH(double, factor);
    QFETCH(double, result);
    QCOMPARE(rounding::toDecimals(static_cast<long double>(value) * factor, 4), result);
}

void TestRounding::overflowIsAnInvalidOperation_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("m3 to cu.ft at 2e14") << 2e14 * 35.314;
    QTest::newRow("nan") << std::nan("");
    QTest::newRow("infinity") << HUGE_VAL;
}

void TestRounding::overflowIsAnInvalidOperation()
{
    QFETCH(double, value);
    try {
        rounding::toDecimals(value, 4);
        QFAIL("no error");
    } catch (const MirandelError& error) {
        QCOMPARE(error.message(), QStringLiteral("Opération en virgule flottante incorrecte"));
    }
}

QTEST_GUILESS_MAIN(TestRounding)
#include "tst_rounding.moc"
