#pragma once

// The flying-hours report as it goes into the listing document and onto the report page:
//
//   entries (totals, day count, dates, function, pilot, aircraft, ledger lines, subtotals)
//     -> page captions (pilotTitle, periodInfo, "Total flight hours : ", "Average day : ")
//     -> write: [export heading with its three Format ranges] -> display lines
//        -> 50 dashes -> VFR, IFR and Night subtotals
//
// Dates are written day, month, year ("05/01/2011") with the regional date separator.

#include <QChar>
#include <QDate>
#include <QRgb>
#include <QString>
#include <QStringList>

namespace mirandel {
class ListingDocument;
}

namespace mirandel::hoursreport {

struct Entries
{
    QString total;   // the calculator's grand total
    QString average; // the per-day average
    QString days;    // the day count as shown
    QString start;   // reportDate of the first day
    QString end;     // reportDate of the last day
    QString function;
    QString pilot;
    QString aircraft;
    QStringList lines;     // the ledger's display lines, first to last
    QStringList subtotals; // VFR, IFR and Night, in this order
};

// Two-digit day, two-digit month, four-digit year with `separator` between them.
QString reportDate(const QDate& date, QChar separator);

// "Pilote CDB : NC       Aéronef : NC"
QString pilotTitle(const Entries& entries);
// " Hours of flight 30 days  from 05/01/2011 to 04/02/2011"
QString periodInfo(const Entries& entries);
// "Total flight hours : " + total
QString totalColumn(const Entries& entries);
// "Average day : " + average
QString averageColumn(const Entries& entries);
inline constexpr QRgb pageFill = 0xFFFFD5;

// Clears `document` and writes the report; `exportHeading` puts the title, pilot, totals
// and period lines above the rows, as a word processor shows them (the report page has
// its own headings).
void write(ListingDocument& document, const Entries& entries, bool exportHeading);

} // namespace mirandel::hoursreport
