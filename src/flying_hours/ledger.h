#pragma once

// The flight-time ledger: rows of signed hours, minutes and landings in three flight
// categories, as the calculator window holds them in its six columns. Everything here is
// plain functions over the rows' texts, recomputed from scratch at each call:
//
//   row texts -> displayLine (zero-filled, "Hrs", the category)
//   all rows  -> totals (grand total + VFR/IFR/NIGHT, every whole hour of the minutes
//                carried into the hours: minutes 0 to 59, the hours carrying the sign)
//             -> totalText / vfrText / ifrText / nightText
//   grand total + day count -> average -> averageText
//
// Numbers are kept as the text that was typed and parsed at every recomputation; an empty
// text counts as zero. A text that does not parse raises MirandelError::notAnInteger. The
// accumulators are 64-bit and every step is checked: a sum past that range raises
// MirandelError::invalidFloatOperation instead of wrapping.

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace mirandel::ledger {

inline constexpr int hoursWidth = 6;
inline constexpr int minutesWidth = 2;
inline constexpr int landingsWidth = 6;

QString plus();
QString minus();
QString vfr();
QString ifr();
QString night();

struct Row
{
    QString sign;     // "+" (time added) or "-" (time taken off)
    QString hours;    // as typed: up to 6 digits, possibly empty
    QString minutes;  // up to 2 digits, possibly empty
    QString landings; // up to 6 digits, possibly empty
    QString category; // "VFR", "IFR" or "NIGHT"
};

// One set of hours, minutes and landings accumulators.
struct Total
{
    qint64 hours = 0;
    qint64 minutes = 0;
    qint64 landings = 0;
    bool operator==(const Total&) const = default;
};

struct Totals
{
    Total all;
    Total vfr;
    Total ifr;
    Total night;
};

struct Average
{
    qint64 hours = 0;
    qint64 minutes = 0;
    qint64 landings = 0;
    bool operator==(const Average&) const = default;
};

// Puts zeros in front of `text` up to `width` characters; a longer text is unchanged.
QString zeroFilled(const QString& text, int width);

// The line of a formatted row: "+000012 Hrs 05 mn 000001 lndg   ==> IFR".
QString displayLine(const QString& sign, const QString& hours, const QString& minutes,
                    const QString& landings, const QString& category);
QString displayLine(const Row& row);

// The line of the row the calculator starts with: "+ 000000 hrs 00 mn 000000 lndg  ==> VFR".
QString initialLine();
// The line of a row not formatted yet (a new row, the row after a reset):
// "+ 000000 hrs 00 mn 000000 lndg   ==> " followed by the category.
QString unformattedLine(const QString& sign, const QString& category);
// The total label before any recomputation: "000000 hrs 00 mn 000000 lndg".
QString initialTotalText();

// The value of a stored number: empty is 0; otherwise a 32-bit decimal integer.
// Throws MirandelError::notAnInteger.
qint64 count(const QString& text);

// Adds (sign "+") or takes off (sign "-") one row's values, then carries every whole hour
// of the minutes into the hours (a row of 75 minutes is 1 hour 15 minutes), so the minutes
// end between 0 and 59. Another sign changes nothing. Throws
// MirandelError::invalidFloatOperation when a sum leaves the 64-bit range.
void accumulate(Total& total, const QString& sign, qint64 hours, qint64 minutes, qint64 landings);

// The grand total and the three category subtotals of all rows, first to last.
Totals totals(const QList<Row>& rows);

// True when the ledger holds nothing a user would lose: a single row whose hours, minutes
// and landings are zero or empty, whatever its sign and category. Any other text counts
// as something held (it is not parsed).
bool holdsNothing(const QList<Row>& rows);

// "12 hrs 5 mn 3 lndg"
QString totalText(const Total& total);
// "VFR  : 12 hrs 5 mn 3 lndg"
QString vfrText(const Total& total);
// "IFR   : 12 hrs 5 mn 3lndg" (no blank before "lndg" on this line)
QString ifrText(const Total& total);
// "Night : 12 hrs 5 mn 3 lndg"
QString nightText(const Total& total);

// The per-day average of a total over `days`, each quotient truncated toward zero.
// A day count of 0 has no average: nullopt.
std::optional<Average> average(const Total& total, qint64 days);
// "0 hrs 21 mn 0 lndg"; without an average "-- hrs -- mn -- lndg".
QString averageText(const std::optional<Average>& average);

} // namespace mirandel::ledger
