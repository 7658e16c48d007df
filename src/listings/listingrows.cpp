#include "listings/listingrows.h"

#include "atmosphere/atmostext.h"
#include "common/error.h"
#include "common/numbertext.h"
#include "common/rounding.h"
#include "listings/codepage1252.h"
#include "listings/exportbuffer.h"
#include "listings/listingdocument.h"
#include "listings/tabcolumns.h"

#include <algorithm>
#include <limits>

namespace mirandel::listingrows {

using namespace Qt::StringLiterals;

namespace {

constexpr QRgb navy = 0x000080;
constexpr QRgb black = 0x000000;

QString blanks(int count)
{
    return QString(count, u' ');
}

QString tabs(int count)
{
    return QString(count, u'\t');
}

QString number(double value, QChar separator)
{
    return numbertext::formatGeneral(value, separator);
}

// value × 100 kept as a 64-bit float, then to the nearest whole number (halves to even)
// and back to hundredths.
double roundedTo2(long double value)
{
    const auto scaled = static_cast<double>(value * 100.0L);
    return static_cast<double>(static_cast<long double>(rounding::toInt64(scaled)) / 100.0L);
}

// The rows are written in the attributes this range leaves as insertion attributes.
void rowAttributes(ListingDocument& document, int start)
{
    document.formatRange(start, 100, {.size = 8, .colour = black, .bold = false});
}

// First `k` characters of a text (all of it when shorter).
QString cut(const QString& text, int k)
{
    return text.left(k);
}

} // namespace

void forEachRow(const Range& range, const std::function<void(qint64 n)>& row)
{
    qint64 n = range.from;
    for (;;) {
        row(n);
        if (range.step <= 0)
            return; // a step that does not advance: the first row only
        qint64 next = 0;
        if (__builtin_add_overflow(n, range.step, &next) || next > range.to)
            return;
        n = next;
    }
}

// ---- Conversion listing ---------------------------------------------------------------

double roundedTo3(qint64 n, double factor)
{
    return rounding::toDecimals(static_cast<long double>(n) * factor, 3);
}

QString conversionRow(qint64 n, const QString& imperial, const QString& metric,
                      const PairFactors& factors, QChar separator)
{
    const QString whole = QString::number(n);
    return whole + u' ' + imperial + u" = "_s + number(roundedTo3(n, factors.toMetric), separator) +
           u' ' + metric + tabs(7) + whole + u' ' + metric + u" = "_s +
           number(roundedTo3(n, factors.toImperial), separator) + u' ' + imperial;
}

QString correctionLine(const QString& productTemperature, const QString& factor)
{
    return u"Correction factor "_s + productTemperature +
           u"°C (T° product) following tables  ASTM="_s + factor + u"  Norme ISO N91/1   "_s;
}

void writeConversion(ListingDocument& document, const ConversionInputs& inputs)
{
    document.clear();
    // The right half of every row under the right column heading; the export heading's
    // three tabs land there too.
    document.setTabStops(tabcolumns::stops({{tabcolumns::rightHalf, 7}}));
    if (inputs.exportMode) {
        document.addLine(blanks(25) + inputs.title);
        document.formatRange(1, 100, {.size = 18});
        document.addLine(blanks(22));
        document.addLine(u"Conversion: "_s + inputs.imperialLabel + u" en "_s + inputs.metricLabel +
                         tabs(3) + u"Conversion: "_s + inputs.metricLabel + u" en "_s +
                         inputs.imperialLabel);
        document.formatRange(70, 154,
                             {.font = u"arial"_s, .size = 12, .colour = navy, .bold = true});
        document.addLine(blanks(25));
    }
    rowAttributes(document, 250);
    if (!inputs.correctionLine.isEmpty()) {
        if (inputs.exportMode)
            document.addLine(inputs.correctionLine);
        document.addLine(blanks(25));
        document.addLine(blanks(25));
    }
    forEachRow(inputs.range, [&](qint64 n) {
        const PairFactors factors = inputs.factors();
        document.addLine(
            conversionRow(n, inputs.imperialLabel, inputs.metricLabel, factors, inputs.separator));
    });
}

// ---- Temperature listing --------------------------------------------------------------

QString temperatureRow(qint64 n, QChar separator)
{
    const long double celsius = static_cast<long double>((n - 32) * 5) / 9.0L;
    const long double fahrenheit = static_cast<long double>(n) * 1.8L + 32.0L;
    const QString whole = QString::number(n);
    return whole + u"°F = "_s + number(roundedTo2(celsius), separator) + u"°C"_s + tabs(6) +
           blanks(3) + whole + u"°C = "_s + number(roundedTo2(fahrenheit), separator) + u"°F "_s;
}

void writeTemperature(ListingDocument& document, const Range& range, bool exportMode,
                      QChar separator)
{
    document.clear();
    document.setTabStops(tabcolumns::stops({{tabcolumns::rightHalf, 6}}));
    if (exportMode) {
        document.addLine(blanks(25) + u"Températures °F <> °C"_s);
        document.formatRange(1, 100, {.size = 18});
        document.addLine(blanks(22));
        document.addLine(u"Conversion: °F > °C"_s + blanks(48) + u"Conversion: C° en F° "_s);
        document.formatRange(70, 300,
                             {.font = u"arial"_s, .size = 10, .colour = navy, .bold = true});
        document.addLine(blanks(25));
        rowAttributes(document, 400);
    }
    Range clamped = range;
    clamped.from = std::max(range.from, lowestFahrenheit);
    forEachRow(clamped, [&](qint64 n) { document.addLine(temperatureRow(n, separator)); });
}

// ---- Standard-atmosphere listing ------------------------------------------------------

QString atmosphereHeader()
{
    return u"ALTITUDE (m); ALTITUDE (feet) ;Temperature C°;Temperature K°;Temperature F°;"
           u"Pression Hpa);Rapport;  Mass  ;  Racine ;  DENSITY  ;  Speed sound  "_s;
}

namespace {

// A four-decimal value padded with "000" and kept to six characters. A whole value (a
// ratio of exactly 1) takes its decimal separator before the zeros and keeps the width
// "000" gave it, so it reads "1,00" and never as a thousand times its worth.
QString sixCharacters(double value, QChar separator)
{
    const QString text = number(value, separator);
    if (text.contains(separator))
        return cut(text + u"000"_s, 6);
    return cut(text + separator + u"000"_s, std::min(6, int(text.size()) + 3));
}

} // namespace

AtmosphereFields atmosphereFields(const TAtmosphereValues& values, QChar separator)
{
    AtmosphereFields row;
    QString* f = row.fields;
    f[0] = atmosphere::metresText(values.altitude);
    f[1] = cut(number(values.altitudepied, separator), 5) + u" ft"_s;
    f[2] = number(values.temperatureC, separator) + u" °C"_s;
    f[3] = atmosphere::valueText(atmosphere::kelvin(values), separator) + u" °K"_s;
    f[4] = number(values.temperatureF, separator) + u" °F"_s;
    f[5] = cut(number(values.pression, separator) + u".000"_s, 6) + u" hPa"_s;
    f[6] = sixCharacters(values.rapport, separator);
    f[7] = sixCharacters(values.masse, separator);
    f[8] = sixCharacters(values.racinede, separator);
    f[9] = sixCharacters(values.densite, separator);
    f[10] = cut(number(values.vitesse, separator) + u".000"_s, 6) + u" Kt"_s;
    return row;
}

QString atmosphereDocumentLine(const AtmosphereFields& row)
{
    const QString* f = row.fields;
    return f[0] + u'\t' + f[1] + u"\t\t"_s + f[2] + u'\t' + f[3] + u' ' + f[4] + u'\t' + blanks(5) +
           f[5] + u'\t' + f[6] + u'\t' + f[7] + u'\t' + blanks(5) + f[8] + u'\t' + f[9] + u'\t' +
           blanks(4) + f[10];
}

QString atmosphereExportLine(const AtmosphereFields& row)
{
    QStringList parts;
    for (const QString& field : row.fields)
        parts.append(field);
    return parts.join(u';');
}

namespace {

// The atmosphere page's data columns, each under its heading on the page (millimetres
// from the left edge of the band, whose rich-text box starts 0.5 mm in), wide enough for
// the widest value in the page's Arial and in the broader sans serif faces a word
// processor may show "MS Sans Serif" in. The altitude in metres starts the line; the
// cells that begin with blanks are placed so that their values stand under the heading.
QList<int> atmosphereStops()
{
    const auto at = [](double bandMm, int run = 1) {
        return tabcolumns::Column{tabcolumns::fromMm(bandMm - 0.5), run};
    };
    return tabcolumns::stops({
        at(15.0),    // feet, under "Altitude" with the metres
        at(37.5, 2), // °C, under "Température", after two tabs
        at(53.5),    // kelvin and °F
        at(82.0),    // pressure, under "Pression"
        at(106.3),   // ratio, under "Ratio"
        at(122.7),   // density, under "Masse"
        at(135.3),   // square root of sigma, under "Racine"
        at(156.4),   // sigma, under "Density"
        at(168.9),   // speed of sound, under "Spd/sound"
    });
}

} // namespace

void writeAtmosphere(ListingDocument& document, ExportBuffer& buffer, const Range& range,
                     QChar separator)
{
    document.clear();
    document.setTabStops(atmosphereStops());
    buffer.clear();
    buffer.addLine(atmosphereHeader());
    // The exported file is in the Western European code page: a separator it cannot hold
    // (U+066B) is written there as a point, never as "?". The document keeps the real one.
    const QChar exported = cp1252::encode(separator.unicode()) ? separator : QChar(u'.');
    forEachRow(range, [&](qint64 h) {
        if (h < std::numeric_limits<qint32>::min() || h > std::numeric_limits<qint32>::max())
            throw MirandelError::invalidFloatOperation();
        const TAtmosphereValues values = calculatmosphere(static_cast<qint32>(h));
        const AtmosphereFields row = atmosphereFields(values, separator);
        document.addLine(atmosphereDocumentLine(row));
        buffer.addLine(
            atmosphereExportLine(exported == separator ? row : atmosphereFields(values, exported)));
    });
}

} // namespace mirandel::listingrows
