#pragma once

// The rows and headings of the three range listings, built from plain inputs so that the
// windows only gather what the user chose and deliver the result:
//
//   range (whole From, To, Step) -> one row per n = From, From + Step, ... up to To
//   -> conversion / temperature rows into the listing document (headings in export mode)
//   -> atmosphere rows into the listing document and the export text buffer
//
// The first row is always written, even when From is above To. A step that does not
// advance (0 or negative) writes that first row only, so no caller can make a run endless.
// Every writer stops with the listing document's own error at the first line that does
// not fit.

#include "atmosphere/model.h"

#include <QChar>
#include <QString>

#include <functional>

namespace mirandel {

class ExportBuffer;
class ListingDocument;

namespace listingrows {

struct Range
{
    qint64 from = 0;
    qint64 to = 0;
    qint64 step = 1;
};

// Calls `row` for each n of the range, in order.
void forEachRow(const Range& range, const std::function<void(qint64 n)>& row);

// ---- Conversion listing ---------------------------------------------------------------

// The two factors of a pair: imperial to metric (B) and metric to imperial (A).
struct PairFactors
{
    double toMetric = 0.0;
    double toImperial = 0.0;
};

struct ConversionInputs
{
    Range range;
    QString title;         // the listing range window's title
    QString imperialLabel; // U
    QString metricLabel;   // M
    bool exportMode = false;
    QChar separator = u'.';
    // Asked before each row (the kerosene factor is refreshed there); may throw.
    std::function<PairFactors()> factors;
    // The kerosene correction line, or empty for every other pair.
    QString correctionLine;
};

// n × factor to 3 decimals, halves to even.
double roundedTo3(qint64 n, double factor);
// "n U = vB M", seven tabs, "n M = vA U".
QString conversionRow(qint64 n, const QString& imperial, const QString& metric,
                      const PairFactors& factors, QChar separator);
// "Correction factor 15°C (T° product) following tables  ASTM=1,0000  Norme ISO N91/1   "
QString correctionLine(const QString& productTemperature, const QString& factor);
// Clears the document and writes the whole listing.
void writeConversion(ListingDocument& document, const ConversionInputs& inputs);

// ---- Temperature listing --------------------------------------------------------------

// The lowest From of the temperature listing; a lower one is raised to it.
inline constexpr qint64 lowestFahrenheit = -305;

// "n°F = c°C", six tabs and three blanks, "n°C = f°F ".
QString temperatureRow(qint64 n, QChar separator);
void writeTemperature(ListingDocument& document, const Range& range, bool exportMode,
                      QChar separator);

// ---- Standard-atmosphere listing ------------------------------------------------------

// The header line of the exported file (144 characters).
QString atmosphereHeader();

// The eleven field texts of one row, in column order.
struct AtmosphereFields
{
    QString fields[11];
};
AtmosphereFields atmosphereFields(const TAtmosphereValues& values, QChar separator);
// The tab-separated form (listing document) and the semicolon form (exported file).
QString atmosphereDocumentLine(const AtmosphereFields& row);
QString atmosphereExportLine(const AtmosphereFields& row);
// Clears both and writes the header and the rows; the export text buffer takes a point
// for a separator its code page cannot hold. Altitudes outside the 32-bit range are an
// invalid floating-point operation.
void writeAtmosphere(ListingDocument& document, ExportBuffer& buffer, const Range& range,
                     QChar separator);

} // namespace listingrows
} // namespace mirandel
