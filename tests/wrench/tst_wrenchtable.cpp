// The US/UK wrench equivalence table and its listing, written into a listing document
// without any window: row texts, rounding of the halves, separators, lines and attributes.

#include "listings/listingdocument.h"
#include "wrench/wrenchtable.h"

#include <QTest>

using namespace mirandel;
using namespace Qt::StringLiterals;

namespace {

const QString tabs5 = QString(5, u'\t');

TextAttributes attributes(const QString& font, int size, QRgb colour, bool bold)
{
    return {font, size, colour, bold};
}

// Attributes of every position of line `line` (0-based), its line break included.
QList<TextAttributes> lineAttributes(const ListingDocument& document, int line)
{
    int start = 0;
    const QStringList lines = document.lines();
    for (int n = 0; n < line; ++n)
        start += int(lines.at(n).size()) + 2;
    QList<TextAttributes> result;
    for (int p = start; p < start + lines.at(line).size() + 2; ++p)
        result << document.attributesAt(p);
    return result;
}

bool allEqual(const QList<TextAttributes>& list, const TextAttributes& expected)
{
    return std::all_of(list.begin(), list.end(), [&](const auto& a) { return a == expected; });
}

} // namespace

class TestWrenchTable : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void everyRowHasItsTabsAndTwoBlanksAfterCable();
    void exportListingLines();
    void exportListingAttributes();
    void previewListingIsTheLast32LinesInTeal();
    void writingTwiceGivesTheSameDocument();
};

void TestWrenchTable::rows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");

    QTest::newRow("1/2") << 1 << QChar(u'.')
                         << u"wrench/câble  1/2 inch=12.7 mm"_s + tabs5 +
                                u"wrench/câble  1/2 inch=0.5 inch"_s;
    QTest::newRow("1/8 with a comma")
        << 4 << QChar(u',')
        << u"wrench/câble  1/8 inch=3,175 mm"_s + tabs5 + u"wrench/câble  1/8 inch=0,125 inch"_s;
    QTest::newRow("3/8 has six tabs") << 5 << QChar(u'.')
                                      << u"wrench/câble  3/8 inch=9.525 mm"_s + QString(6, u'\t') +
                                             u"wrench/câble  3/8 inch=0.375 inch"_s;
    QTest::newRow("1/16 inch half to even")
        << 8 << QChar(u'.')
        << u"wrench/câble  1/16 inch=1.588 mm"_s + tabs5 + u"wrench/câble  1/16 inch=0.062 inch"_s;
    QTest::newRow("3/16 mm half to even")
        << 9 << QChar(u'.')
        << u"wrench/câble  3/16 inch=4.762 mm"_s + tabs5 + u"wrench/câble  3/16 inch=0.188 inch"_s;
    QTest::newRow("11/16 half down") << 13 << QChar(u',')
                                     << u"wrench/câble  11/16 inch=17,462 mm"_s + tabs5 +
                                            u"wrench/câble  11/16 inch=0,688 inch"_s;
    QTest::newRow("1/32 quarters")
        << 16 << QChar(u'.')
        << u"wrench/câble  1/32 inch=0.794 mm"_s + tabs5 + u"wrench/câble  1/32 inch=0.031 inch"_s;
    QTest::newRow("3/32 plain cable")
        << 17 << QChar(u'.')
        << u"wrench/câble  3/32 inch=2.381 mm"_s + tabs5 + u"wrench/cable  3/32 inch=0.094 inch"_s;
    QTest::newRow("1 & 3/8 before 1 & 1/4") << 24 << QChar(u'.')
                                            << u"wrench/câble   1 & 3/8 inch=34.925 mm"_s + tabs5 +
                                                   u"wrench/câble   1 & 3/8 inch=1.375 inch"_s;
    QTest::newRow("1 & 1/4 last") << 25 << QChar(u',')
                                  << u"wrench/câble   1 & 1/4 inch=31,75 mm"_s + tabs5 +
                                         u"wrench/câble   1 & 1/4 inch=1,25 inch"_s;
}

void TestWrenchTable::rows()
{
    QFETCH(int, row);
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QCOMPARE(wrench::table().size(), 25);
    QCOMPARE(wrench::rowText(wrench::table().at(row - 1), separator), text);
}

void TestWrenchTable::everyRowHasItsTabsAndTwoBlanksAfterCable()
{
    QStringList separated;
    for (int n = 0; n < 25; ++n) {
        const wrench::TableRow& row = wrench::table().at(n);
        const QString text = wrench::rowText(row, u'.');
        QCOMPARE(text.count(u'\t'), n == 4 ? 6 : 5);
        QVERIFY(text.contains(u" mm"_s + QString(n == 4 ? 6 : 5, u'\t') + u"wrench/c"_s));
        QVERIFY2(text.startsWith(n >= 23 ? u"wrench/câble   1 & "_s : u"wrench/câble  "_s),
                 qPrintable(text));
        QVERIFY(text.endsWith(u" inch"_s));
        if (row.separatorAfter)
            separated << QString::number(n + 1);
    }
    QCOMPARE(separated, (QStringList{u"1"_s, u"3"_s, u"7"_s, u"15"_s, u"23"_s}));
}

void TestWrenchTable::exportListingLines()
{
    ListingDocument document;
    wrench::writeListing(document, true, u'.');
    const QStringList lines = document.lines();
    QCOMPARE(lines.size(), 36);
    QCOMPARE(lines.at(0), QString(15, u' ') + u"PANEL : wrench /câbles"_s);
    QCOMPARE(lines.at(1), QString(22, u' '));
    QCOMPARE(lines.at(2), u"Conversion:    mm \t\t\t\tConversion:    inch"_s);
    QCOMPARE(lines.at(3), QString(25, u' '));
    QCOMPARE(lines.at(4), u"wrench /câble  1 inch=25,4 mm:"_s);
    const QString dashes(70, u'-');
    // Separators after the subtitle and rows 1, 3, 7, 15, 23.
    for (int line : {5, 7, 10, 15, 24, 33})
        QCOMPARE(lines.at(line), dashes);
    QCOMPARE(lines.count(dashes), 6);
    QVERIFY(lines.at(6).startsWith(u"wrench/câble  1/2 inch=12.7 mm"_s));
    QVERIFY(lines.at(11).startsWith(u"wrench/câble  1/8 inch=3.175 mm"_s));
    QVERIFY(lines.at(35).startsWith(u"wrench/câble   1 & 1/4 inch=31.75 mm"_s));
}

void TestWrenchTable::exportListingAttributes()
{
    ListingDocument document;
    wrench::writeListing(document, true, u'.');
    const TextAttributes sans8 = attributes(u"MS Sans Serif"_s, 8, 0, false);
    const TextAttributes sans18 = attributes(u"MS Sans Serif"_s, 18, 0, false);
    const TextAttributes navy = attributes(u"arial"_s, 12, 0x000080, true);
    const TextAttributes teal = attributes(u"MS Sans Serif"_s, 8, 0x008080, false);

    const QList<TextAttributes> title = lineAttributes(document, 0);
    QCOMPARE(title.first(), sans8);
    QVERIFY(allEqual(title.mid(1), sans18));
    QVERIFY(allEqual(lineAttributes(document, 1), sans18));
    const QList<TextAttributes> heading = lineAttributes(document, 2);
    QVERIFY(allEqual(heading.mid(0, 7), sans18)); // "Convers"
    QVERIFY(allEqual(heading.mid(7), navy));
    QVERIFY(allEqual(lineAttributes(document, 3), navy));
    for (int line = 4; line < 36; ++line)
        QVERIFY2(allEqual(lineAttributes(document, line), teal), qPrintable(QString::number(line)));
}

void TestWrenchTable::previewListingIsTheLast32LinesInTeal()
{
    ListingDocument exported;
    wrench::writeListing(exported, true, u',');
    ListingDocument previewed;
    wrench::writeListing(previewed, false, u',');
    QCOMPARE(previewed.lines(), exported.lines().mid(4));
    const TextAttributes teal = attributes(u"MS Sans Serif"_s, 8, 0x008080, false);
    for (int p = 0; p < previewed.length(); ++p)
        QCOMPARE(previewed.attributesAt(p), teal);
}

void TestWrenchTable::writingTwiceGivesTheSameDocument()
{
    ListingDocument once;
    wrench::writeListing(once, true, u'.');
    ListingDocument twice;
    wrench::writeListing(twice, false, u'.');
    wrench::writeListing(twice, true, u'.');
    QCOMPARE(twice.content(), once.content());
    QCOMPARE(twice.insertionAttributes(), once.insertionAttributes());
}

QTEST_GUILESS_MAIN(TestWrenchTable)
#include "tst_wrenchtable.moc"
