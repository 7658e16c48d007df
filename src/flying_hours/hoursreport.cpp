#include "flying_hours/hoursreport.h"

#include "listings/listingdocument.h"

namespace mirandel::hoursreport {

using namespace Qt::StringLiterals;

QString reportDate(const QDate& date, QChar separator)
{
    const auto number = [](int value, int width) {
        return QString::number(value).rightJustified(width, u'0');
    };
    return number(date.day(), 2) + separator + number(date.month(), 2) + separator +
           number(date.year(), 4);
}

QString pilotTitle(const Entries& entries)
{
    return u"Pilote "_s + entries.function + u" : "_s + entries.pilot + u"       Aéronef : "_s +
           entries.aircraft;
}

QString periodInfo(const Entries& entries)
{
    return u" Hours of flight "_s + entries.days + u" days  from "_s + entries.start + u" to "_s +
           entries.end;
}

QString totalColumn(const Entries& entries)
{
    return u"Total flight hours : "_s + entries.total;
}

QString averageColumn(const Entries& entries)
{
    return u"Average day : "_s + entries.average;
}

void write(ListingDocument& document, const Entries& entries, bool exportHeading)
{
    document.clear();
    if (exportHeading) {
        const QString blankLine(46, u' ');
        document.addLine(QString(22, u' ') + u"flight hours "_s);
        document.formatRange(1, 33, {.size = 18});
        document.addLine(pilotTitle(entries));
        document.addLine(blankLine);
        document.formatRange(34, 100, {.size = 12, .bold = true});
        document.addLine(u"Total flight hours : "_s + entries.total + u"    Average days : "_s +
                         entries.average);
        document.formatRange(100, 130, {.size = 8, .bold = false});
        document.addLine(blankLine);
        document.addLine(u" flight hours "_s + entries.days + u" day  from "_s + entries.start +
                         u" to "_s + entries.end);
    }
    for (const QString& line : entries.lines)
        document.addLine(line);
    document.addLine(QString(50, u'-'));
    for (const QString& line : entries.subtotals)
        document.addLine(line);
}

} // namespace mirandel::hoursreport
