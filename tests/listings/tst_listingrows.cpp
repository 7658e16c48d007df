// The rows and headings of the conversion, temperature and standard-atmosphere listings,
// written from plain inputs: texts to the character, heading attributes, row ranges, the
// listing document's capacity and the exported file's bytes.

#include "atmosphere/model.h"
#include "common/error.h"
#include "listings/exportbuffer.h"
#include "listings/listingdocument.h"
#include "listings/listingrows.h"

#include <QTest>

using namespace mirandel;
using namespace mirandel::listingrows;
using namespace Qt::StringLiterals;

namespace {

const PairFactors inchMm{25.4, 0.03937};
const PairFactors mass{0.4536, 2.2046};
const PairFactors keroseneAt1{0.5669962805043999, 1.76368};

ConversionInputs inchInputs(Range range, bool exportMode)
{
    ConversionInputs inputs;
    inputs.range = range;
    inputs.title = u"Conversion - inch <> mm"_s;
    inputs.imperialLabel = u"inch"_s;
    inputs.metricLabel = u"mm"_s;
    inputs.exportMode = exportMode;
    inputs.separator = u',';
    inputs.factors = [] { return inchMm; };
    return inputs;
}

QList<qint64> rowsOf(Range range)
{
    QList<qint64> rows;
    forEachRow(range, [&](qint64 n) { rows.append(n); });
    return rows;
}

// Lines written before the listing document refused one.
int linesBeforeOverflow(const std::function<void(ListingDocument&)>& write)
{
    ListingDocument document;
    try {
        write(document);
    } catch (const MirandelError& error) {
        if (error.message() != MirandelError::richEditInsert().message())
            qWarning() << error.message();
        return int(document.lines().size());
    }
    return -1;
}

} // namespace

class TestListingRows : public QObject
{
    Q_OBJECT

private slots:
    void rowRange_data();
    void rowRange();
    void conversionRows_data();
    void conversionRows();
    void temperatureRows_data();
    void temperatureRows();
    void exportHeadingsAndAttributes();
    void previewHasNoHeadings();
    void keroseneLines();
    void atmosphereExportLines_data();
    void atmosphereExportLines();
    void atmosphereDocumentLineAndHeader();
    void atmosphereFileBytes();
    void capacityStopsAtTheLineThatDoesNotFit_data();
    void capacityStopsAtTheLineThatDoesNotFit();
};

void TestListingRows::rowRange_data()
{
    QTest::addColumn<Range>("range");
    QTest::addColumn<QList<qint64>>("rows");
    QTest::newRow("1 to 3") << Range{1, 3, 1} << QList<qint64>{1, 2, 3};
    QTest::newRow("from above to") << Range{5, 1, 1} << QList<qint64>{5};
    QTest::newRow("to written when a row falls on it")
        << Range{2, 10, 4} << QList<qint64>{2, 6, 10};
    QTest::newRow("to not reached") << Range{2, 9, 4} << QList<qint64>{2, 6};
    QTest::newRow("step 0 does not hang") << Range{1, 10, 0} << QList<qint64>{1};
    QTest::newRow("negative step does not hang") << Range{1, 10, -3} << QList<qint64>{1};
    const qint64 top = std::numeric_limits<qint64>::max();
    QTest::newRow("step past the 64-bit range") << Range{top - 1, top, 5} << QList<qint64>{top - 1};
}

void TestListingRows::rowRange()
{
    QFETCH(Range, range);
    QFETCH(QList<qint64>, rows);
    QCOMPARE(rowsOf(range), rows);
}

void TestListingRows::conversionRows_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("imperial");
    QTest::addColumn<QString>("metric");
    QTest::addColumn<double>("toMetric");
    QTest::addColumn<double>("toImperial");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::newRow("inch 1") << qint64(1) << u"inch"_s << u"mm"_s << 25.4 << 0.03937
                            << u"1 inch = 25,4 mm"_s << u"1 mm = 0,039 inch"_s;
    QTest::newRow("inch 127, just below 5 written 5")
        << qint64(127) << u"inch"_s << u"mm"_s << 25.4 << 0.03937 << u"127 inch = 3225,8 mm"_s
        << u"127 mm = 5 inch"_s;
    QTest::newRow("kerosene F=1") << qint64(1000) << u"LbS"_s << u"Litres"_s << keroseneAt1.toMetric
                                  << keroseneAt1.toImperial << u"1000 LbS = 566,996 Litres"_s
                                  << u"1000 Litres = 1763,68 LbS"_s;
    QTest::newRow("mass 1") << qint64(1) << u"Lb"_s << u"Kg"_s << mass.toMetric << mass.toImperial
                            << u"1 Lb = 0,454 Kg"_s << u"1 Kg = 2,205 Lb"_s;
    QTest::newRow("square foot") << qint64(10) << u"sq.ft"_s << u"m2"_s << 0.092903 << 10.764
                                 << u"10 sq.ft = 0,929 m2"_s << u"10 m2 = 107,64 sq.ft"_s;
    QTest::newRow("cubic foot") << qint64(10) << u"cu.ft"_s << u"m3"_s << 0.0283 << 35.314
                                << u"10 cu.ft = 0,283 m3"_s << u"10 m3 = 353,14 cu.ft"_s;
    QTest::newRow("speed") << qint64(100) << u"MPH"_s << u"KmH"_s << 1.609344 << 0.6213712
                           << u"100 MPH = 160,934 KmH"_s << u"100 KmH = 62,137 MPH"_s;
    QTest::newRow("negative n") << qint64(-3) << u"inch"_s << u"mm"_s << 25.4 << 0.03937
                                << u"-3 inch = -76,2 mm"_s << u"-3 mm = -0,118 inch"_s;
}

void TestListingRows::conversionRows()
{
    QFETCH(qint64, n);
    QFETCH(QString, imperial);
    QFETCH(QString, metric);
    QFETCH(double, toMetric);
    QFETCH(double, toImperial);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QCOMPARE(conversionRow(n, imperial, metric, {toMetric, toImperial}, u','),
             left + u"\t\t\t\t\t\t\t"_s + right);
}

void TestListingRows::temperatureRows_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::newRow("1") << qint64(1) << u"1°F = -17,22°C"_s << u"1°C = 33,8°F "_s;
    QTest::newRow("-40") << qint64(-40) << u"-40°F = -40°C"_s << u"-40°C = -40°F "_s;
    QTest::newRow("100") << qint64(100) << u"100°F = 37,78°C"_s << u"100°C = 212°F "_s;
    QTest::newRow("-305") << qint64(-305) << u"-305°F = -187,22°C"_s << u"-305°C = -517°F "_s;
}

void TestListingRows::temperatureRows()
{
    QFETCH(qint64, n);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QCOMPARE(temperatureRow(n, u','), left + u"\t\t\t\t\t\t   "_s + right);
}

void TestListingRows::exportHeadingsAndAttributes()
{
    const TextAttributes sans18{u"MS Sans Serif"_s, 18, 0x000000, false};
    const TextAttributes sans8{u"MS Sans Serif"_s, 8, 0x000000, false};
    const TextAttributes heading12{u"arial"_s, 12, 0x000080, true};
    const TextAttributes heading10{u"arial"_s, 10, 0x000080, true};
    const TextAttributes rows{u"arial"_s, 8, 0x000000, false};

    ListingDocument document;
    writeConversion(document, inchInputs({1, 2, 1}, true));
    const QStringList lines = document.lines();
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0], QString(25, u' ') + u"Conversion - inch <> mm"_s);
    QCOMPARE(lines[1], QString(22, u' '));
    QCOMPARE(lines[2], u"Conversion: inch en mm\t\t\tConversion: mm en inch"_s);
    QCOMPARE(lines[3], QString(25, u' '));
    QCOMPARE(document.attributesAt(0), sans8);
    QCOMPARE(document.attributesAt(1), sans18);
    const int line2 = int(lines[0].size()) + 2;
    const int line3 = line2 + 24;
    QCOMPARE(document.attributesAt(line2), sans18);
    QCOMPARE(document.attributesAt(69), sans18);
    QCOMPARE(document.attributesAt(70), heading12);
    QVERIFY(70 < line3); // position 70 falls inside the blank second line
    QCOMPARE(document.attributesAt(line3), heading12);
    const int firstRow = int(document.text().indexOf(u"1 inch"_s));
    QCOMPARE(document.attributesAt(firstRow - 3), heading12); // line 4
    QCOMPARE(document.attributesAt(firstRow), rows);
    QCOMPARE(document.attributesAt(document.length() - 3), rows);

    writeTemperature(document, {1, 1, 1}, true, u',');
    const QStringList temperature = document.lines();
    QCOMPARE(temperature.size(), 5);
    QCOMPARE(temperature[0], u"                         Températures °F <> °C"_s);
    QCOMPARE(temperature[0].size(), 46);
    QCOMPARE(temperature[2],
             u"Conversion: °F > °C"_s + QString(48, u' ') + u"Conversion: C° en F° "_s);
    QCOMPARE(temperature[2].size(), 88);
    QCOMPARE(document.attributesAt(1), sans18);
    QCOMPARE(document.attributesAt(70), heading10);
    const int tempRow = int(document.text().indexOf(u"1°F"_s));
    QCOMPARE(document.attributesAt(tempRow - 3), heading10);
    QCOMPARE(document.attributesAt(tempRow), rows);
}

void TestListingRows::previewHasNoHeadings()
{
    const TextAttributes sans8{u"MS Sans Serif"_s, 8, 0x000000, false};
    ListingDocument document;
    writeConversion(document, inchInputs({1, 3, 1}, false));
    QCOMPARE(document.lines().size(), 3);
    QCOMPARE(document.lines()[0], u"1 inch = 25,4 mm\t\t\t\t\t\t\t1 mm = 0,039 inch"_s);
    for (int p = 0; p < document.length(); ++p)
        QCOMPARE(document.attributesAt(p), sans8);

    writeTemperature(document, {-400, -300, 5}, false, u'.');
    QCOMPARE(document.lines().size(), 2); // From raised to -305
    QVERIFY(document.lines()[0].startsWith(u"-305°F = -187.22°C"_s));
    QVERIFY(document.lines()[1].startsWith(u"-300°F"_s));
    QCOMPARE(document.attributesAt(0), sans8);
}

void TestListingRows::keroseneLines()
{
    const QString line = correctionLine(u"15"_s, u"1,0000"_s);
    QCOMPARE(line, u"Correction factor 15°C (T° product) following tables  ASTM=1,0000  Norme "
                   u"ISO N91/1   "_s);
    for (const bool exportMode : {false, true}) {
        ConversionInputs inputs = inchInputs({1000, 1000, 1}, exportMode);
        inputs.imperialLabel = u"LbS"_s;
        inputs.metricLabel = u"Litres"_s;
        inputs.correctionLine = line;
        int asked = 0;
        inputs.factors = [&] {
            ++asked;
            return keroseneAt1;
        };
        ListingDocument document;
        writeConversion(document, inputs);
        const QStringList lines = document.lines();
        const qsizetype first = exportMode ? 4 : 0;
        QCOMPARE(lines.size(), first + (exportMode ? 4 : 3));
        if (exportMode)
            QCOMPARE(lines[first], line);
        const qsizetype blank = first + (exportMode ? 1 : 0);
        QCOMPARE(lines[blank], QString(25, u' '));
        QCOMPARE(lines[blank + 1], QString(25, u' '));
        QCOMPARE(lines.last(),
                 u"1000 LbS = 566,996 Litres\t\t\t\t\t\t\t1000 Litres = 1763,68 LbS"_s);
        QCOMPARE(asked, 1);
    }
}

void TestListingRows::atmosphereExportLines_data()
{
    QTest::addColumn<qint32>("h");
    QTest::addColumn<QString>("line");
    QTest::newRow("0") << 0
                       << u"0 m;0 ft;15 °C;288 °K;59 °F;1013,2 hPa;1,0002;1,2259;1,0003;1,0007;"
                          u"661,85 Kt"_s;
    QTest::newRow("1000") << 1000
                          << u"1000 m;3280, ft;8,5 °C;281,5 °K;47,3 °F;898,75 hPa;0,8872;1,1124;"
                             u"0,9529;0,9081;654,34 Kt"_s;
    QTest::newRow("11000") << 11000
                           << u"11000 m;36088 ft;-56,5 °C;216,5 °K;-69,7 °F;226,31 hPa;0,2234;"
                              u"0,3642;0,5453;0,2973;573,84 Kt"_s;
    QTest::newRow("-305") << -305
                          << u"-305 m;-1000 ft;16,98 °C;289,98 °K;62,56 °F;1050,4 hPa;1,0369;"
                             u"1,2622;1,0150;1,0303;664,12 Kt"_s;
}

void TestListingRows::atmosphereExportLines()
{
    QFETCH(qint32, h);
    QFETCH(QString, line);
    QCOMPARE(atmosphereExportLine(atmosphereFields(calculatmosphere(h), u',')), line);
}

void TestListingRows::atmosphereDocumentLineAndHeader()
{
    QCOMPARE(atmosphereHeader().size(), 144);
    QCOMPARE(atmosphereDocumentLine(atmosphereFields(calculatmosphere(0), u'.')),
             u"0 m\t0 ft\t\t15 °C\t288 °K 59 °F\t     1013.2 hPa\t1.0002\t1.2259\t     "
             u"1.0003\t1.0007\t    661.85 Kt"_s);
    const AtmosphereFields feet = atmosphereFields(calculatmosphere(13716), u',');
    QCOMPARE(feet.fields[1], u"44999 ft"_s);
    // Regression: a pressure ratio of exactly 1 was written as "1" + "000", a thousand;
    // it keeps the width that text had.
    const TAtmosphereValues at2 = calculatmosphere(2);
    QCOMPARE(at2.rapport, 1.0);
    QCOMPARE(atmosphereFields(at2, u',').fields[6], u"1,00"_s);
    QCOMPARE(atmosphereFields(at2, u'.').fields[6], u"1.00"_s);
    QCOMPARE(atmosphereFields(at2, u',').fields[5], u"1013,0 hPa"_s);
}

void TestListingRows::atmosphereFileBytes()
{
    ListingDocument document;
    ExportBuffer buffer;
    writeAtmosphere(document, buffer, {-305, 13716, 150}, u',');
    QCOMPARE(document.lines().size(), 94);
    QCOMPARE(buffer.lines().size(), 95);
    QVERIFY(buffer.lines().last().startsWith(u"13645 m;"_s));
    QVERIFY(document.lines().last().startsWith(u"13645 m\t"_s));

    writeAtmosphere(document, buffer, {5, 1, 1}, u',');
    QCOMPARE(buffer.lines().size(), 2);
    const QByteArray bytes = buffer.bytes();
    QVERIFY(bytes.startsWith("ALTITUDE (m); ALTITUDE (feet) ;Temperature C\xB0;"));
    QVERIFY(bytes.contains("\r\n5 m;16,4 ft;14,97 \xB0"
                           "C;"));
    QVERIFY(bytes.endsWith(" Kt\r\n"));
    QCOMPARE(bytes.indexOf("\r\n"), 144);
}

void TestListingRows::capacityStopsAtTheLineThatDoesNotFit_data()
{
    QTest::addColumn<QString>("listing");
    QTest::addColumn<int>("failingRow");
    QTest::newRow("atmosphere from -305 step 1") << u"atmosphere"_s << 609;
    QTest::newRow("temperature from 1 step 1, preview") << u"temperature"_s << 1515;
    QTest::newRow("inch/mm from 1 step 1, preview") << u"inch"_s << 1330;
}

void TestListingRows::capacityStopsAtTheLineThatDoesNotFit()
{
    QFETCH(QString, listing);
    QFETCH(int, failingRow);
    const int written = linesBeforeOverflow([&](ListingDocument& document) {
        if (listing == u"atmosphere"_s) {
            ExportBuffer buffer;
            writeAtmosphere(document, buffer, {-305, 3000, 1}, u',');
        } else if (listing == u"temperature"_s) {
            writeTemperature(document, {1, 3000, 1}, false, u',');
        } else {
            writeConversion(document, inchInputs({1, 3000, 1}, false));
        }
    });
    QCOMPARE(written, failingRow - 1);
}

QTEST_GUILESS_MAIN(TestListingRows)
#include "tst_listingrows.moc"
