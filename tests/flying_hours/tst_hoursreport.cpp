// The flying-hours report written into a listing document without any window: the export
// heading and the attributes its three ranges leave, the rows, dashes and subtotals, the
// page captions and the dates.

#include "flying_hours/hoursreport.h"
#include "listings/listingdocument.h"

#include <QTest>

using namespace mirandel;
using namespace Qt::StringLiterals;

namespace {

hoursreport::Entries defaults()
{
    hoursreport::Entries entries;
    entries.total = u"2 hrs 10 mn 0 lndg"_s;
    entries.average = u"0 hrs 4 mn 0 lndg"_s;
    entries.days = u"30"_s;
    entries.start = u"05/01/2011"_s;
    entries.end = u"04/02/2011"_s;
    entries.function = u"CDB"_s;
    entries.pilot = u"NC"_s;
    entries.aircraft = u"NC"_s;
    entries.lines = {u"+000001 Hrs 40 mn 000000 lndg   ==> VFR"_s,
                     u"+000000 Hrs 30 mn 000000 lndg   ==> VFR"_s};
    entries.subtotals = {u"VFR  : 2 hrs 10 mn 0 lndg"_s, u"IFR   : 0 hrs 0 mn 0lndg"_s,
                         u"Night : 0 hrs 0 mn 0 lndg"_s};
    return entries;
}

// The attributes of positions [from, to).
bool span(const ListingDocument& document, int from, int to, const TextAttributes& expected)
{
    for (int p = from; p < to; ++p)
        if (document.attributesAt(p) != expected) {
            qWarning("position %d differs", p);
            return false;
        }
    return true;
}

const TextAttributes plain8{u"MS Sans Serif"_s, 8, 0, false};
const TextAttributes plain18{u"MS Sans Serif"_s, 18, 0, false};
const TextAttributes bold12{u"MS Sans Serif"_s, 12, 0, true};

} // namespace

class TestHoursReport : public QObject
{
    Q_OBJECT

private slots:
    void dates_data();
    void dates();
    void captions();
    void exportLines();
    void exportHeadingAttributes();
    void longEntriesShiftTheLinesAgainstTheRanges();
    void previewHoldsOnlyRowsDashesAndSubtotals();
};

void TestHoursReport::dates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");
    QTest::newRow("two-digit day and month") << QDate(2011, 1, 5) << QChar(u'/') << u"05/01/2011"_s;
    QTest::newRow("other separator") << QDate(2011, 2, 4) << QChar(u'.') << u"04.02.2011"_s;
    QTest::newRow("end of year") << QDate(2010, 12, 31) << QChar(u'-') << u"31-12-2010"_s;
}

void TestHoursReport::dates()
{
    QFETCH(QDate, date);
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QCOMPARE(hoursreport::reportDate(date, separator), text);
}

void TestHoursReport::captions()
{
    const hoursreport::Entries entries = defaults();
    QCOMPARE(hoursreport::pilotTitle(entries), u"Pilote CDB : NC       Aéronef : NC"_s);
    QCOMPARE(hoursreport::periodInfo(entries),
             u" Hours of flight 30 days  from 05/01/2011 to 04/02/2011"_s);
    QCOMPARE(hoursreport::totalColumn(entries), u"Total flight hours : 2 hrs 10 mn 0 lndg"_s);
    QCOMPARE(hoursreport::averageColumn(entries), u"Average day : 0 hrs 4 mn 0 lndg"_s);
}

void TestHoursReport::exportLines()
{
    ListingDocument document;
    hoursreport::write(document, defaults(), true);
    QCOMPARE(document.lines(),
             (QStringList{
                 QString(22, u' ') + u"flight hours "_s, u"Pilote CDB : NC       Aéronef : NC"_s,
                 QString(46, u' '),
                 u"Total flight hours : 2 hrs 10 mn 0 lndg    Average days : 0 hrs 4 mn 0 lndg"_s,
                 QString(46, u' '), u" flight hours 30 day  from 05/01/2011 to 04/02/2011"_s,
                 u"+000001 Hrs 40 mn 000000 lndg   ==> VFR"_s,
                 u"+000000 Hrs 30 mn 000000 lndg   ==> VFR"_s, QString(50, u'-'),
                 u"VFR  : 2 hrs 10 mn 0 lndg"_s, u"IFR   : 0 hrs 0 mn 0lndg"_s,
                 u"Night : 0 hrs 0 mn 0 lndg"_s}));
}

void TestHoursReport::exportHeadingAttributes()
{
    ListingDocument document;
    hoursreport::write(document, defaults(), true);
    // Title line: positions 0..36 (35 characters and the line break).
    QVERIFY(span(document, 0, 1, plain8));
    QVERIFY(span(document, 1, 34, plain18)); // the blanks and "flight hours"
    QVERIFY(span(document, 34, 37, bold12)); // the last blank and its line break
    // The pilot line (37..72) and the first blank line (73..120) bold 12 points.
    QVERIFY(span(document, 37, 100, bold12));
    // From inside the blank line on: 8 points, not bold, up to the end.
    QVERIFY(span(document, 100, document.length(), plain8));
    QCOMPARE(document.insertionAttributes(), plain8);
}

void TestHoursReport::longEntriesShiftTheLinesAgainstTheRanges()
{
    hoursreport::Entries entries = defaults();
    entries.pilot = u"JEAN-PIERRE DUPONT-LEFEBVRE"_s;
    entries.aircraft = u"F-GABC ROBIN DR400"_s;
    ListingDocument document;
    hoursreport::write(document, entries, true);
    // The ranges stay at their fixed positions: position 100 is now inside the pilot line,
    // and neither of the last two ranges reaches the end, so the insertion stays 8 points.
    const int pilotStart = 37;
    const int pilotLength = int(hoursreport::pilotTitle(entries).size());
    QVERIFY(pilotStart + pilotLength > 100);
    QVERIFY(span(document, pilotStart, 100, bold12));
    QVERIFY(span(document, 100, document.length(), plain8));
    QCOMPARE(document.insertionAttributes(), plain8);
}

void TestHoursReport::previewHoldsOnlyRowsDashesAndSubtotals()
{
    ListingDocument document;
    hoursreport::write(document, defaults(), false);
    QCOMPARE(document.lines().size(), 6);
    QCOMPARE(document.lines().first(), u"+000001 Hrs 40 mn 000000 lndg   ==> VFR"_s);
    QCOMPARE(document.lines().at(2), QString(50, u'-'));
    QCOMPARE(document.lines().last(), u"Night : 0 hrs 0 mn 0 lndg"_s);
    QVERIFY(span(document, 0, document.length(), plain8));
}

QTEST_GUILESS_MAIN(TestHoursReport)
#include "tst_hoursreport.moc"
