#include "wrench/wrenchtable.h"

#include "common/numbertext.h"
#include "common/rounding.h"
#include "listings/listingdocument.h"
#include "listings/tabcolumns.h"

namespace mirandel::wrench {

using namespace Qt::StringLiterals;

namespace {

TableRow row(const QString& size, long double mm, long double inch, bool separatorAfter = false)
{
    const QString label = u"wrench/câble  "_s + size + u" inch="_s;
    return {label, mm, inch, 5, label, separatorAfter};
}

QList<TableRow> buildTable()
{
    QList<TableRow> rows = {
        row(u"1/2"_s, 12700, 500, true),
        row(u"1/4"_s, 6350, 250),
        row(u"3/4"_s, 19050, 750, true),
        row(u"1/8"_s, 3175, 125),
        row(u"3/8"_s, 9525, 375),
        row(u"5/8"_s, 15875, 625),
        row(u"7/8"_s, 22225, 875, true),
        row(u"1/16"_s, 1587.5L, 62.5L),
        row(u"3/16"_s, 4762.5L, 187.5L),
        row(u"5/16"_s, 7937.5L, 312.5L),
        row(u"7/16"_s, 11112.5L, 437.5L),
        row(u"9/16"_s, 14287.5L, 562.5L),
        row(u"11/16"_s, 17462.5L, 687.5L),
        row(u"13/16"_s, 20637.5L, 812.5L),
        row(u"15/16"_s, 23812.5L, 937.5L, true),
        row(u"1/32"_s, 793.75L, 31.25L),
        row(u"3/32"_s, 2381.25L, 93.75L),
        row(u"5/32"_s, 3968.75L, 156.25L),
        row(u"7/32"_s, 5556.25L, 218.75L),
        row(u"9/32"_s, 7143.75L, 281.25L),
        row(u"11/32"_s, 8731.25L, 343.75L),
        row(u"13/32"_s, 10318.75L, 406.25L),
        row(u"15/32"_s, 11906.25L, 468.75L, true),
        row(u" 1 & 3/8"_s, 34925, 1375),
        row(u" 1 & 1/4"_s, 31750, 1250),
    };
    rows[4].tabs = 6;
    rows[16].secondLabel = u"wrench/cable  3/32 inch="_s;
    return rows;
}

} // namespace

const QList<TableRow>& table()
{
    static const QList<TableRow> rows = buildTable();
    return rows;
}

QString shownValue(long double thousandths, QChar separator)
{
    const qint64 whole = rounding::toInt64(thousandths);
    return numbertext::formatGeneral(double(static_cast<long double>(whole) / 1000.0L), separator);
}

QString rowText(const TableRow& row, QChar separator)
{
    return row.label + shownValue(row.mmThousandths, separator) + u" mm"_s +
           QString(row.tabs, u'\t') + row.secondLabel + shownValue(row.inchThousandths, separator) +
           u" inch"_s;
}

QString separatorLine()
{
    return QString(70, u'-');
}

QString subtitle()
{
    return u"wrench /câble  1 inch=25,4 mm:"_s;
}

QString pageTitle()
{
    return u"PANEL : wrench /câbles"_s;
}

QString pageInfo()
{
    return u"wrench/cable  1 inch=25,4 mm"_s;
}

QString pageColumnMm()
{
    return u"Conversion:    mm"_s;
}

QString pageColumnInch()
{
    return u"Conversion:    inch "_s;
}

void writeListing(ListingDocument& document, bool exportHeading, QChar separator)
{
    document.clear();
    // The inch half under the right column heading, after five tabs or six (row 5); the
    // export heading's four tabs land there too.
    document.setTabStops(tabcolumns::stops({{tabcolumns::rightHalf, 6}}));
    if (exportHeading) {
        document.addLine(QString(15, u' ') + pageTitle());
        document.formatRange(1, 100, {.size = 18});
        document.addLine(QString(22, u' '));
        document.addLine(pageColumnMm() + u" "_s + QString(4, u'\t') + u"Conversion:    inch"_s);
        document.formatRange(70, 154,
                             {.font = u"arial"_s, .size = 12, .colour = 0x000080, .bold = true});
        document.addLine(QString(25, u' '));
    }
    document.formatRange(250, 100, {.size = 8, .colour = 0x000000, .bold = false});
    document.addColouredLine(subtitle(), subtitleColour);
    document.addLine(separatorLine());
    for (const TableRow& row : table()) {
        document.addLine(rowText(row, separator));
        if (row.separatorAfter)
            document.addLine(separatorLine());
    }
}

} // namespace mirandel::wrench
