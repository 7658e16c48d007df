// The listing document and the export text buffer: positions, attributes of each
// character, insertion attributes after each call, capacity and the saved files.

#include "common/error.h"
#include "common/numbertext.h"
#include "common/rounding.h"
#include "listings/exportbuffer.h"
#include "listings/listingdocument.h"
#include "listings/rtfreader.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

using namespace mirandel;
using namespace Qt::StringLiterals;

namespace {

const TextAttributes defaults{u"MS Sans Serif"_s, 8, 0x000000, false};

TextAttributes with(int size, QString font = u"MS Sans Serif"_s, QRgb colour = 0, bool bold = false)
{
    return {std::move(font), size, colour, bold};
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestListingDocument : public QObject
{
    Q_OBJECT

private slots:
    void startsWithItsNameAsOnlyLine();
    void lineBreaksCountTwoPositions();
    void clearGivesTheDefaultAttributes();
    void titleRangeCoversAllButTheFirstBlankAndSetsInsertion();
    void rangeOnEmptyDocumentSetsInsertionOnly();
    void rangePastTheEndSelectsNothing();
    void rangeEndingInsideLeavesInsertionAlone();
    void rangeChangesOnlyTheListedAttributes();
    void rangeEndingExactlyAtTheEndSetsInsertion();
    void negativeRangeIsHarmless();
    void rangeCanSplitALineBreak();
    void conversionExportHeading();
    void colouredLineKeepsBoldAndLasts();
    void capacityIsExactly65536Positions();
    void overflowStopsTheWriter_data();
    void overflowStopsTheWriter();
    void saveReplacesTheFileAndEntersTheFolder();
    void saveErrors();
    void openWithShellAsksForTheFileInTheProgramFolder();
    void exportBuffer();
};

void TestListingDocument::startsWithItsNameAsOnlyLine()
{
    ListingDocument doc;
    QCOMPARE(doc.lines(), QStringList{u"RichEdit1"_s});
    QCOMPARE(doc.length(), 11);
    ExportBuffer memo;
    QCOMPARE(memo.lines(), QStringList{u"Memo1"_s});
}

void TestListingDocument::lineBreaksCountTwoPositions()
{
    ListingDocument doc;
    doc.clear();
    doc.addLine(u"ab\tc"_s);
    doc.addLine(u""_s);
    doc.addLine(u"°é"_s);
    QCOMPARE(doc.text(), u"ab\tc\r\n\r\n°é\r\n"_s);
    QCOMPARE(doc.length(), 12);
    QCOMPARE(doc.lines(), (QStringList{u"ab\tc"_s, u""_s, u"°é"_s}));
}

void TestListingDocument::clearGivesTheDefaultAttributes()
{
    ListingDocument doc;
    doc.formatRange(0, 1000, {.font = u"Arial"_s, .size = 18, .colour = 0xFF0000, .bold = true});
    doc.clear();
    QCOMPARE(doc.length(), 0);
    QCOMPARE(doc.insertionAttributes(), defaults);
    doc.addLine(u"row"_s);
    for (int i = 0; i < doc.length(); ++i)
        QCOMPARE(doc.attributesAt(i), defaults);
}

void TestListingDocument::titleRangeCoversAllButTheFirstBlankAndSetsInsertion()
{
    ListingDocument doc;
    doc.clear();
    const QString title = u"                         Températures °F <> °C"_s;
    QCOMPARE(title.size(), 46);
    doc.addLine(title);
    QCOMPARE(doc.length(), 48);
    doc.formatRange(1, 100, {.size = 18});
    QCOMPARE(doc.attributesAt(0), defaults);
    for (int i = 1; i < 48; ++i)
        QCOMPARE(doc.attributesAt(i), with(18));
    QCOMPARE(doc.insertionAttributes(), with(18));
    doc.addLine(QString(22, u' '));
    QCOMPARE(doc.attributesAt(48), with(18));
    QCOMPARE(doc.attributesAt(doc.length() - 1), with(18));
}

void TestListingDocument::rangeOnEmptyDocumentSetsInsertionOnly()
{
    ListingDocument doc;
    doc.clear();
    doc.formatRange(250, 100, {.size = 8, .colour = 0x000000, .bold = false});
    doc.formatRange(0, 0, {.font = u"arial"_s, .colour = 0x000080});
    QCOMPARE(doc.length(), 0);
    doc.addLine(u"x"_s);
    QCOMPARE(doc.attributesAt(0), with(8, u"arial"_s, 0x000080));
}

void TestListingDocument::rangePastTheEndSelectsNothing()
{
    // A 189-position heading, then the range that prepares the table rows.
    ListingDocument doc;
    doc.clear();
    doc.addLine(QString(46, u'h'));
    doc.formatRange(1, 100, {.size = 18});
    doc.addLine(QString(22, u' '));
    doc.addLine(QString(88, u'c'));
    doc.formatRange(70, 300, {.font = u"arial"_s, .size = 10, .colour = 0x000080, .bold = true});
    doc.addLine(QString(25, u' '));
    QCOMPARE(doc.length(), 189);
    StyledText before = doc.content();
    doc.formatRange(400, 100, {.size = 8, .colour = 0x000000, .bold = false});
    QCOMPARE(doc.content(), before);
    doc.addLine(u"1°F = -17.22°C"_s);
    QCOMPARE(doc.attributesAt(189), with(8, u"arial"_s));
    QCOMPARE(doc.attributesAt(doc.length() - 1), with(8, u"arial"_s));
    // The heading kept what its ranges gave it.
    QCOMPARE(doc.attributesAt(0), defaults);
    QCOMPARE(doc.attributesAt(69), with(18));
    QCOMPARE(doc.attributesAt(70), with(10, u"arial"_s, 0x000080, true));
}

void TestListingDocument::rangeEndingInsideLeavesInsertionAlone()
{
    ListingDocument doc;
    doc.clear();
    doc.addLine(u"abcdef"_s);
    doc.formatRange(2, 3, {.bold = true});
    QCOMPARE(doc.attributesAt(1), defaults);
    QCOMPARE(doc.attributesAt(2), with(8, u"MS Sans Serif"_s, 0, true));
    QCOMPARE(doc.attributesAt(4), with(8, u"MS Sans Serif"_s, 0, true));
    QCOMPARE(doc.attributesAt(5), defaults);
    QCOMPARE(doc.insertionAttributes(), defaults);
    doc.addLine(u"g"_s);
    QCOMPARE(doc.attributesAt(8), defaults);
    QCOMPARE(doc.content().runs().size(), std::size_t(3));
}

void TestListingDocument::rangeChangesOnlyTheListedAttributes()
{
    ListingDocument doc;
    doc.clear();
    doc.formatRange(0, 1, {.font = u"Arial"_s, .colour = 0x00FF00, .bold = true});
    doc.addLine(u"abc"_s);
    doc.formatRange(0, 100, {.size = 18});
    QCOMPARE(doc.attributesAt(0), with(18, u"Arial"_s, 0x00FF00, true));
    QCOMPARE(doc.insertionAttributes(), with(18, u"Arial"_s, 0x00FF00, true));
}

void TestListingDocument::rangeEndingExactlyAtTheEndSetsInsertion()
{
    ListingDocument doc;
    doc.clear();
    doc.addLine(u"abc"_s); // 5 positions
    doc.formatRange(3, 2, {.size = 12});
    QCOMPARE(doc.insertionAttributes().size, 12);
    doc.formatRange(0, 4, {.size = 10});
    QCOMPARE(doc.insertionAttributes().size, 12);
    QCOMPARE(doc.attributesAt(4).size, 12);
}

void TestListingDocument::negativeRangeIsHarmless()
{
    ListingDocument doc;
    doc.clear();
    doc.addLine(u"abc"_s);
    doc.formatRange(-5, 6, {.size = 12});
    QCOMPARE(doc.attributesAt(0).size, 12);
    QCOMPARE(doc.attributesAt(1).size, 8);
    doc.formatRange(2, -3, {.size = 14});
    QCOMPARE(doc.attributesAt(2).size, 8);
    doc.formatRange(std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
                    {.size = 99999});
    QCOMPARE(doc.insertionAttributes().size, maximumPointSize);
}

void TestListingDocument::rangeCanSplitALineBreak()
{
    ListingDocument doc;
    doc.clear();
    doc.addLine(u"ab"_s); // a b CR LF
    doc.addLine(u"c"_s);
    doc.formatRange(0, 3, {.colour = 0xFF0000});
    QCOMPARE(doc.attributesAt(2).colour, QRgb(0xFF0000));
    QCOMPARE(doc.attributesAt(3).colour, QRgb(0));
}

void TestListingDocument::conversionExportHeading()
{
    // Line 2 keeps 18 points up to position 69; position 70 onwards takes the column
    // heading attributes, and the rows take "arial", 8 points, black, not bold.
    ListingDocument doc;
    doc.clear();
    doc.addLine(QString(25, u' ') + u"Conversion - Inch <> Mm");
    doc.formatRange(1, 100, {.size = 18});
    doc.addLine(QString(22, u' '));
    doc.addLine(u"Conversion: inch en mm\t\t\tConversion: mm en inch"_s);
    doc.formatRange(70, 154, {.font = u"arial"_s, .size = 12, .colour = 0x000080, .bold = true});
    doc.addLine(QString(25, u' '));
    doc.formatRange(250, 100, {.size = 8, .colour = 0x000000, .bold = false});
    const int firstRow = doc.length();
    doc.addLine(u"1 inch = 25.4 mm\t\t\t\t\t\t\t1 mm = 0.039 inch"_s);
    QCOMPARE(doc.attributesAt(0).size, 8);
    QCOMPARE(doc.attributesAt(50).size, 18);
    QCOMPARE(doc.attributesAt(69), with(18));
    QCOMPARE(doc.attributesAt(72), with(12, u"arial"_s, 0x000080, true));
    QCOMPARE(doc.attributesAt(firstRow), with(8, u"arial"_s));
}

void TestListingDocument::colouredLineKeepsBoldAndLasts()
{
    ListingDocument doc;
    doc.clear();
    doc.formatRange(0, 0, {.font = u"Arial"_s, .size = 14, .bold = true});
    doc.addColouredLine(u"red"_s, 0xFF0000);
    QCOMPARE(doc.attributesAt(0), with(8, u"MS Sans Serif"_s, 0xFF0000, true));
    doc.addLine(u"after"_s);
    QCOMPARE(doc.attributesAt(5), with(8, u"MS Sans Serif"_s, 0xFF0000, true));
}

void TestListingDocument::capacityIsExactly65536Positions()
{
    ListingDocument doc;
    doc.clear();
    const QString line(1022, u'x'); // 1024 positions with its line break
    for (int i = 0; i < 64; ++i)
        doc.addLine(line);
    QCOMPARE(doc.length(), ListingDocument::capacity);
    try {
        doc.addLine(u""_s);
        QFAIL("an empty line past the capacity was added");
    } catch (const MirandelError& error) {
        QCOMPARE(error.message(), u"Erreur d'insertion de ligne RichEdit"_s);
    }
    QCOMPARE(doc.length(), ListingDocument::capacity);
    QCOMPARE(doc.lines().size(), 64);
}

void TestListingDocument::overflowStopsTheWriter_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("failingRow");
    QTest::newRow("temperatures from 1 step 1") << u"temperature"_s << 1515;
    QTest::newRow("inch/mm from 1 step 1") << u"inch"_s << 1330;
}

void TestListingDocument::overflowStopsTheWriter()
{
    QFETCH(QString, table);
    QFETCH(int, failingRow);
    const QChar sep = u',';
    ListingDocument doc;
    doc.clear();
    doc.formatRange(250, 100, {.size = 8, .colour = 0x000000, .bold = false});
    int row = 0;
    try {
        for (int n = 1; n < 5000; ++n) {
            ++row;
            QString line;
            if (table == u"temperature") {
                const double c =
                    double(rounding::toInt64((long double)((n - 32) * 5) / 9 * 100)) / 100;
                const double f = double(rounding::toInt64((long double)(n * 1.8 + 32) * 100)) / 100;
                line = QString::number(n) + u"°F = " + numbertext::formatGeneral(c, sep) + u"°C" +
                       QString(6, u'\t') + u"   " + QString::number(n) + u"°C = " +
                       numbertext::formatGeneral(f, sep) + u"°F ";
            } else {
                line = QString::number(n) + u" inch = " +
                       numbertext::formatGeneral(rounding::toDecimals(n * 25.4L, 3), sep) + u" mm" +
                       QString(7, u'\t') + QString::number(n) + u" mm = " +
                       numbertext::formatGeneral(rounding::toDecimals(n * 0.03937L, 3), sep) +
                       u" inch";
            }
            doc.addLine(line);
        }
        QFAIL("the table never outgrew the document");
    } catch (const MirandelError& error) {
        QCOMPARE(error.message(), u"Erreur d'insertion de ligne RichEdit"_s);
    }
    QCOMPARE(row, failingRow);
    QCOMPARE(doc.lines().size(), failingRow - 1);
}

void TestListingDocument::saveReplacesTheFileAndEntersTheFolder()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString before = QDir::currentPath();
    ListingDocument doc;
    doc.clear();
    doc.addLine(u"first"_s);
    doc.saveRichText(folder.path(), u"conversion.rtf"_s);
    doc.clear();
    doc.addLine(u"second"_s);
    doc.saveRichText(folder.path(), u"conversion.rtf"_s);
    QCOMPARE(QDir::current().canonicalPath(), QDir(folder.path()).canonicalPath());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{u"conversion.rtf"_s});
    const StyledText back = rtf::read(fileBytes(folder.filePath(u"conversion.rtf"_s)));
    QCOMPARE(back.text(), u"second\r\n"_s);
    QDir::setCurrent(before);
}

void TestListingDocument::saveErrors()
{
    QTemporaryDir folder;
    const QString before = QDir::currentPath();
    ListingDocument doc;
    // The folder cannot be made current: the file cannot be created there, and why.
    try {
        doc.saveRichText(folder.filePath(u"missing"_s), u"conversion.rtf"_s);
        QFAIL("saved into a missing folder");
    } catch (const MirandelError& error) {
#ifdef Q_OS_WIN
        // Windows words the reason itself: the folder is not found (ERROR_FILE_NOT_FOUND,
        // the number of ENOENT).
        QCOMPARE(error.message(), u"Impossible de créer le fichier \"conversion.rtf\". "_s +
                                      qt_error_string(ENOENT));
#else
        QCOMPARE(error.message(), u"Impossible de créer le fichier \"conversion.rtf\". "_s +
                                      QString::fromLocal8Bit(std::strerror(ENOENT)));
#endif
    }
    // The name is taken by a folder: the file cannot be created; nothing is left behind.
    QVERIFY(QDir(folder.path()).mkdir(u"hrsvol.rtf"_s));
    try {
        doc.saveRichText(folder.path(), u"hrsvol.rtf"_s);
        QFAIL("saved over a folder");
    } catch (const MirandelError& error) {
        QVERIFY2(error.message().startsWith(u"Impossible de créer le fichier \"hrsvol.rtf\". "_s),
                 qPrintable(error.message()));
        QVERIFY(error.message().size() > 45); // with the system's reason
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    ExportBuffer memo;
    QVERIFY_THROWS_EXCEPTION(MirandelError, memo.saveText(folder.path(), u"hrsvol.rtf"_s));
    QDir::setCurrent(before);
}

void TestListingDocument::openWithShellAsksForTheFileInTheProgramFolder()
{
    test::FakePlatform platform;
    platform.folder = u"/opt/mirandel"_s;
    ListingDocument::openWithShell(platform, u"cle_us_uk.rtf"_s);
    QCOMPARE(platform.shellOpened, QStringList{u"/opt/mirandel/cle_us_uk.rtf"_s});
}

void TestListingDocument::exportBuffer()
{
    QTemporaryDir folder;
    const QString before = QDir::currentPath();
    test::FakePlatform platform;
    platform.folder = folder.path();
    ExportBuffer memo;
    memo.clear();
    memo.addLine(u"a"_s);
    memo.addLine(u"b"_s);
    memo.saveText(platform, u"atmospheres.csv"_s);
    QCOMPARE(fileBytes(folder.filePath(u"atmospheres.csv"_s)), QByteArray("a\r\nb\r\n"));
    memo.clear();
    memo.addLine(u"15°C;é;€;Ω;\U0001F600"_s);
    memo.addLine(QString());
    QCOMPARE(memo.bytes(), QByteArray("15\xB0"
                                      "C;\xE9;\x80;?;?\r\n\r\n"));
    memo.clear();
    QCOMPARE(memo.bytes(), QByteArray());
    QDir::setCurrent(before);
}

QTEST_GUILESS_MAIN(TestListingDocument)
#include "tst_listingdocument.moc"
