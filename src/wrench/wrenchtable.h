#pragma once

// The US/UK wrench equivalence listing: 25 fixed inch sizes, each with its value in
// millimetres and in decimal inches, written into the listing document.
//
//   table() -> rowText (thousandths rounded half to even, / 1000, general format)
//   writeListing: [export heading + its Format ranges] -> insertion black 8 pt
//     -> teal subtitle (Add coloured line) -> separator -> rows and their separators

#include <QChar>
#include <QList>
#include <QRgb>
#include <QString>

namespace mirandel {
class ListingDocument;
}

namespace mirandel::wrench {

struct TableRow
{
    QString label;               // "wrench/câble  1/2 inch="
    long double mmThousandths;   // millimetres × 1000, exact
    long double inchThousandths; // inches × 1000, exact
    int tabs = 5;                // tab characters between the two halves
    QString secondLabel;         // the label again before the inch value
    bool separatorAfter = false; // a line of hyphens follows the row
};

// The 25 rows, in the order they are written.
const QList<TableRow>& table();

// A thousandths value rounded to the nearest integer (halves to even), divided by 1000 and
// written in general format with `separator`: 4762.5 -> "4.762".
QString shownValue(long double thousandths, QChar separator);

// label + mm + " mm" + tabs + second label + inch + " inch".
QString rowText(const TableRow& row, QChar separator);

// 70 hyphens.
QString separatorLine();
// "wrench /câble  1 inch=25,4 mm:"
QString subtitle();
inline constexpr QRgb subtitleColour = 0x008080; // teal

// The captions of the report page for this listing.
QString pageTitle();      // "PANEL : wrench /câbles"
QString pageInfo();       // "wrench/cable  1 inch=25,4 mm"
QString pageColumnMm();   // "Conversion:    mm"
QString pageColumnInch(); // "Conversion:    inch "
inline constexpr QRgb pageFill = 0xFFFFD5;

// Clears `document` and writes the listing; `exportHeading` adds the heading lines that a
// word processor shows above the table (the report page has its own headings).
void writeListing(ListingDocument& document, bool exportHeading, QChar separator);

} // namespace mirandel::wrench
