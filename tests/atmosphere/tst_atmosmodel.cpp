// The standard atmosphere model: the displayed digits at the documented altitudes (every
// rounding step shows in them), metres from feet, and a sweep of every whole metre the
// window accepts checking what a wrong constant, layer test or rounding step would break.

#include "atmosphere/atmostext.h"
#include "atmosphere/model.h"
#include "common/error.h"
#include "listings/listingrows.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace mirandel;
using namespace mirandel::atmosphere;
using namespace Qt::StringLiterals;

class TestAtmosphereModel : public QObject
{
    Q_OBJECT

private slots:
    void displayedDigits_data();
    void displayedDigits();
    void halfHundredthTemperatures_data();
    void halfHundredthTemperatures();
    void commaSeparator();
    void metresFromFeet_data();
    void metresFromFeet();
    void sweepOfEveryWholeMetre();
    void extremeAltitudes();
};

namespace {

// Expected texts with "." as separator; an empty text is not checked.
struct Expected
{
    QString feet = {}, celsius = {}, fahrenheit = {}, kelvin = {}, pressure = {}, ratio = {},
            density = {}, relative = {}, root = {}, sound = {};
    int gauge = -1;
};

// Whole hundredths in the shortest written form: -62 gives "-0.62", 4730 "47.3".
QString hundredthsText(qint64 hundredths, QChar separator)
{
    const qint64 magnitude = hundredths < 0 ? -hundredths : hundredths;
    QString text = QString::number(magnitude / 100);
    if (magnitude % 100 != 0) {
        QString fraction = QString::number(magnitude % 100).rightJustified(2, u'0');
        if (fraction.endsWith(u'0'))
            fraction.chop(1);
        text += separator + fraction;
    }
    return hundredths < 0 ? u'-' + text : text;
}

} // namespace

Q_DECLARE_METATYPE(Expected)

void TestAtmosphereModel::displayedDigits_data()
{
    QTest::addColumn<int>("altitude");
    QTest::addColumn<Expected>("expected");
    QTest::newRow("sea level") << 0
                               << Expected{
                                      u"0 ft"_s,        u"15 °C"_s,     u"59 °F"_s,  u"288 °K"_s,
                                      u"1013.25 hPa"_s, u"1.0002"_s,    u"1.2259"_s, u"1.0007"_s,
                                      u"1.0003"_s,      u"661.85 Kt"_s, 1013};
    QTest::newRow("1000 m, °F from the rounded °C")
        << 1000
        << Expected{u"3280.8 ft"_s, u"8.5 °C"_s, u"47.3 °F"_s, u"281.5 °K"_s, u"898.75 hPa"_s,
                    u"0.8872"_s,    u"1.1124"_s, u"0.9081"_s,  u"0.9529"_s,   u"654.34 Kt"_s};
    QTest::newRow("10999 m is still troposphere")
        << 10999 << Expected{{}, u"-56.49 °C"_s, u"-69.68 °F"_s, {}, u"226.36 hPa"_s};
    QTest::newRow("11000 m is isothermal")
        << 11000
        << Expected{u"36088.8 ft"_s, u"-56.5 °C"_s, u"-69.7 °F"_s, u"216.5 °K"_s, u"226.31 hPa"_s,
                    u"0.2234"_s,     u"0.3642"_s,   u"0.2973"_s,   u"0.5453"_s,   u"573.84 Kt"_s};
    QTest::newRow("top of the slider")
        << 13716
        << Expected{u"44999.45 ft"_s, {},          {},          {},         u"147.47 hPa"_s,
                    u"0.1456"_s,      u"0.2373"_s, u"0.1937"_s, u"0.4401"_s};
    QTest::newRow("bottom of the slider")
        << -305 << Expected{u"-1000.64 ft"_s, u"16.98 °C"_s,  u"62.56 °F"_s, u"289.98 °K"_s,
                            u"1050.43 hPa"_s, u"1.0369"_s,    u"1.2622"_s,   u"1.0303"_s,
                            u"1.015"_s,       u"664.12 Kt"_s, 1050};
    QTest::newRow("2 m, ratio of exactly 1")
        << 2 << Expected{{}, {}, {}, {}, u"1013.01 hPa"_s, u"1"_s};
    QTest::newRow("°F held in the isothermal layer")
        << 13720 << Expected{{}, u"-56.5 °C"_s, u"-69.7 °F"_s, u"216.5 °K"_s};
    QTest::newRow("°F held just above the boundary")
        << 11001 << Expected{{}, u"-56.5 °C"_s, u"-69.7 °F"_s};
    // Regression: 32 added to the rounded 9/5 °C in binary left 15 digits.
    QTest::newRow("5095 m, not -0.619999999999997 °F")
        << 5095 << Expected{{}, u"-18.12 °C"_s, u"-0.62 °F"_s};
    QTest::newRow("5041 m, not 0.0100000000000016 °F")
        << 5041 << Expected{{}, u"-17.77 °C"_s, u"0.01 °F"_s};
}

void TestAtmosphereModel::displayedDigits()
{
    QFETCH(int, altitude);
    QFETCH(Expected, expected);
    const TAtmosphereValues values = calculatmosphere(altitude);
    QCOMPARE(values.altitude, altitude);
    const TAtmosphereTexts texts = atmosphereTexts(values, u'.');
    const std::pair<QString, QString> pairs[] = {
        {texts.feet, expected.feet},
        {texts.temperatureC, expected.celsius},
        {texts.temperatureF, expected.fahrenheit},
        {texts.temperatureK, expected.kelvin},
        {texts.pression, expected.pressure},
        {texts.rapport, expected.ratio},
        {texts.masse, expected.density},
        {texts.densite, expected.relative},
        {texts.racinede, expected.root},
        {texts.vitesse, expected.sound},
    };
    for (const auto& [actual, wanted] : pairs) {
        if (!wanted.isEmpty())
            QCOMPARE(actual, wanted);
    }
    QCOMPARE(texts.metres, QString::number(altitude) + u" m"_s);
    if (expected.gauge >= 0)
        QCOMPARE(pressureGaugeValue(values), expected.gauge);
}

void TestAtmosphereModel::halfHundredthTemperatures_data()
{
    QTest::addColumn<int>("altitude");
    QTest::addColumn<QString>("celsius");
    // Exactly the half in extended precision: the even neighbour.
    QTest::newRow("30 m, not 14.81") << 30 << u"14.8 °C"_s;
    QTest::newRow("10 m") << 10 << u"14.94 °C"_s;
    QTest::newRow("150 m") << 150 << u"14.02 °C"_s;
    QTest::newRow("10990 m") << 10990 << u"-56.44 °C"_s;
    // Not exactly the half: the side of the extended value.
    QTest::newRow("1010 m, not 8.44") << 1010 << u"8.43 °C"_s;
}

void TestAtmosphereModel::halfHundredthTemperatures()
{
    QFETCH(int, altitude);
    QFETCH(QString, celsius);
    QCOMPARE(atmosphereTexts(calculatmosphere(altitude), u'.').temperatureC, celsius);
}

void TestAtmosphereModel::commaSeparator()
{
    const TAtmosphereTexts sea = atmosphereTexts(calculatmosphere(0), u',');
    QCOMPARE(sea.pression, u"1013,25 hPa"_s);
    QCOMPARE(sea.rapport, u"1,0002"_s);
    QCOMPARE(sea.vitesse, u"661,85 Kt"_s);
    const TAtmosphereTexts low = atmosphereTexts(calculatmosphere(-305), u',');
    QCOMPARE(low.feet, u"-1000,64 ft"_s);
    QCOMPARE(low.temperatureK, u"289,98 °K"_s);
    QCOMPARE(low.metres, u"-305 m"_s);
    const TAtmosphereTexts high = atmosphereTexts(calculatmosphere(11000), u',');
    QCOMPARE(high.temperatureC, u"-56,5 °C"_s);
    QCOMPARE(high.temperatureF, u"-69,7 °F"_s);
}

void TestAtmosphereModel::metresFromFeet_data()
{
    QTest::addColumn<double>("feet");
    QTest::addColumn<int>("metres");
    QTest::newRow("1000 ft") << 1000.0 << 305;
    QTest::newRow("-900 ft") << -900.0 << -274;
    QTest::newRow("44000 ft") << 44000.0 << 13411;
    QTest::newRow("-1000 ft") << -1000.0 << -305;
    QTest::newRow("0 ft") << 0.0 << 0;
    QTest::newRow("1 ft") << 1.0 << 0;
    QTest::newRow("2 ft") << 2.0 << 1;
}

void TestAtmosphereModel::metresFromFeet()
{
    QFETCH(double, feet);
    QFETCH(int, metres);
    QCOMPARE(atmosphere::metresFromFeet(feet), metres);
}

void TestAtmosphereModel::sweepOfEveryWholeMetre()
{
    TAtmosphereValues previous = calculatmosphere(lowestAltitude - 1);
    for (qint32 h = lowestAltitude; h <= highestTypedAltitude; ++h) {
        const TAtmosphereValues v = calculatmosphere(h);
        const QByteArray where = QByteArray::number(h) + " m";
        for (double value : {v.altitudepied, v.temperatureC, v.temperatureF, v.pression, v.rapport,
                             v.masse, v.densite, v.racinede, v.vitesse})
            QVERIFY2(std::isfinite(value), where);

        // Feet go back to the same whole metre.
        QVERIFY2(atmosphere::metresFromFeet(v.altitudepied) == h, where);
        // The pressure falls with every metre, across the layer boundary too.
        QVERIFY2(v.pression < previous.pression, where);
        QVERIFY2(v.pression > 147.0 && v.pression < 1051.0, where);

        const qint64 celsius = std::llround(v.temperatureC * 100.0);
        qint64 fahrenheit = -6970;
        if (h >= layerBoundary) {
            QVERIFY2(v.temperatureC == -56.5 && v.temperatureF == -69.7, where);
        } else {
            // 15 − 0.0065 h is (150000 − 65 h) / 10000: in hundredths, a remainder of
            // exactly 50 is a half, which may go either way; anything else rounds plainly.
            const qint64 tenThousandths = 150000 - 65LL * h;
            const qint64 below =
                static_cast<qint64>(std::floor(static_cast<long double>(tenThousandths) / 100.0L));
            const qint64 remainder = tenThousandths - below * 100;
            if (remainder == 50)
                QVERIFY2(celsius == below || celsius == below + 1, where);
            else
                QVERIFY2(celsius == (remainder > 50 ? below + 1 : below), where);
            QVERIFY2(v.temperatureC > -56.5, where);
            // °F from the rounded °C: 9c/5 hundredths never falls on a half.
            fahrenheit = std::llround(celsius * 9.0 / 5.0) + 3200;
            QVERIFY2(std::llround(v.temperatureF * 100.0) == fahrenheit, where);
        }
        // The window and both listings write °F with two decimals at most.
        for (const QChar separator : {u'.', u','}) {
            const QString written = hundredthsText(fahrenheit, separator) + u" °F"_s;
            QVERIFY2(atmosphereTexts(v, separator).temperatureF == written, where);
            QVERIFY2(listingrows::atmosphereFields(v, separator).fields[4] == written, where);
        }
        // The later quantities follow from the rounded ones.
        QVERIFY2(std::abs(v.rapport - v.pression / 1013.0) <= 0.00005 + 1e-12, where);
        const double q = v.pression * 100.0 / ((v.temperatureC + 273.0) * 287.0);
        QVERIFY2(std::abs(v.masse - q) <= 0.00005 + 1e-12, where);
        QVERIFY2(std::abs(v.densite - q / 1.225) <= 0.00005 + 1e-12, where);
        QVERIFY2(std::abs(v.racinede - std::sqrt(v.densite)) <= 0.00005 + 1e-12, where);
        QVERIFY2(std::abs(v.vitesse - 39.0 * std::sqrt(v.temperatureC + 273.0)) <= 0.005 + 1e-9,
                 where);
        previous = v;
    }
}

void TestAtmosphereModel::extremeAltitudes()
{
    // A listing may ask for any whole number: far up everything stays finite...
    const TAtmosphereValues top = calculatmosphere(std::numeric_limits<qint32>::max());
    QCOMPARE(top.pression, 0.0);
    QCOMPARE(top.densite, 0.0);
    QVERIFY(std::isfinite(top.altitudepied));
    // ...and far down the pressure leaves the range of the rounding: an error, not garbage.
    QVERIFY_THROWS_EXCEPTION(MirandelError, calculatmosphere(std::numeric_limits<qint32>::min()));
}

QTEST_GUILESS_MAIN(TestAtmosphereModel)
#include "tst_atmosmodel.moc"
