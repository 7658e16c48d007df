// °F/°C arithmetic of the temperature panel and the reading of a temperature field.

#include "common/error.h"
#include "workbench/temperature.h"

#include <QTest>

using namespace mirandel;
using namespace Qt::StringLiterals;

class TestTemperature : public QObject
{
    Q_OBJECT

private slots:
    void conversionsAndWholePositions_data();
    void conversionsAndWholePositions();
    void readField_data();
    void readField();
    void badFieldTextNamesItself_data();
    void badFieldTextNamesItself();
};

void TestTemperature::conversionsAndWholePositions_data()
{
    QTest::addColumn<int>("celsius");
    QTest::addColumn<double>("fahrenheit");
    QTest::addColumn<int>("fahrenheitPosition");
    QTest::newRow("freezing") << 0 << 32.0 << 32;
    QTest::newRow("set-up value") << 21 << 69.8 << 70;
    QTest::newRow("one decimal kept") << 23 << 73.4 << 73;
    QTest::newRow("crossing") << -40 << -40.0 << -40;
    QTest::newRow("boiling") << 100 << 212.0 << 212;
    QTest::newRow("top of the Fahrenheit slider") << 1204 << 2199.2 << 2199;
    QTest::newRow("bottom of the Celsius slider") << -400 << -688.0 << -688;
    QTest::newRow("rounds down below a half") << 999 << 1830.2 << 1830;
    QTest::newRow("rounds up above a half") << -39 << -38.2 << -38;
}

void TestTemperature::conversionsAndWholePositions()
{
    QFETCH(int, celsius);
    QFETCH(double, fahrenheit);
    QFETCH(int, fahrenheitPosition);
    QCOMPARE(temperature::fahrenheitOf(celsius), fahrenheit);
    QCOMPARE(temperature::wholePosition(temperature::fahrenheitOf(celsius)), fahrenheitPosition);
}

void TestTemperature::readField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("position"); // INT_MIN: nothing to convert
    const int none = std::numeric_limits<int>::min();
    QTest::newRow("empty") << u""_s << u""_s << none;
    QTest::newRow("lone minus waits") << u"-"_s << u"-"_s << none;
    QTest::newRow("double minus empties") << u"--"_s << u""_s << none;
    QTest::newRow("whole number") << u"98"_s << u"98"_s << 98;
    QTest::newRow("negative") << u"-40"_s << u"-40"_s << -40;
    QTest::newRow("highest kept") << u"2000"_s << u"2000"_s << 2000;
    QTest::newRow("held at 2000") << u"2500"_s << u"2000"_s << 2000;
    QTest::newRow("lowest kept") << u"-273"_s << u"-273"_s << -273;
    QTest::newRow("held at -273") << u"-300"_s << u"-273"_s << -273;
    QTest::newRow("zero") << u"0"_s << u"0"_s << 0;
}

void TestTemperature::readField()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, position);
    const temperature::FieldReading reading = temperature::readField(typed);
    QCOMPARE(reading.text, shown);
    QCOMPARE(reading.position.value_or(std::numeric_limits<int>::min()), position);
}

void TestTemperature::badFieldTextNamesItself_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("minus after a digit") << u"5-"_s;
    QTest::newRow("minus inside") << u"1-2"_s;
    QTest::newRow("triple minus") << u"---"_s;
    QTest::newRow("beyond 32 bits, pasted") << u"99999999999"_s;
}

void TestTemperature::badFieldTextNamesItself()
{
    QFETCH(QString, typed);
    try {
        temperature::readField(typed);
        QFAIL("no error");
    } catch (const MirandelError& error) {
        QCOMPARE(error.message(), u"'"_s + typed + u"' n'est pas une valeur entière correcte"_s);
    }
}

QTEST_GUILESS_MAIN(TestTemperature)
#include "tst_temperature.moc"
