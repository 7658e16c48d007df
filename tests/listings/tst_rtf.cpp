// Rich Text Format: what the writer puts in the file, what the reader takes from our
// files and from word processors' files, and that no input crashes or hangs the reader.

#include "listings/listingdocument.h"
#include "listings/rtfreader.h"
#include "listings/rtfwriter.h"

#include <QRandomGenerator>
#include <QTest>

using namespace mirandel;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(mirandel::StyledText)

namespace {

// Per-character comparison with a readable failure.
bool sameContent(const StyledText& a, const StyledText& b, QString* why)
{
    if (a.text() != b.text()) {
        *why = u"text differs: "_s + a.text().left(80) + u" / "_s + b.text().left(80);
        return false;
    }
    for (int i = 0; i < a.length(); ++i) {
        const TextAttributes& x = a.attributesAt(i);
        const TextAttributes& y = b.attributesAt(i);
        if (x != y) {
            *why = u"attributes differ at %1: %2 %3 %4 %5 / %6 %7 %8 %9"_s.arg(i)
                       .arg(x.font)
                       .arg(x.size)
                       .arg(x.colour, 0, 16)
                       .arg(x.bold)
                       .arg(y.font)
                       .arg(y.size)
                       .arg(y.colour, 0, 16)
                       .arg(y.bold);
            return false;
        }
    }
    return true;
}

StyledText randomDocument(QRandomGenerator& random)
{
    static const QString fonts[] = {u"MS Sans Serif"_s, u"arial"_s,           u"Arial"_s,
                                    u"Courier New"_s,   u"Wéird; {font}\\"_s, u""_s};
    static const QString pieces[] = {u"abc"_s,  u" "_s,  u"\t"_s,         u"°"_s,   u"é€"_s,
                                     u"{}\\"_s, u"Ω"_s,  u"\U0001F600"_s, u"1,5"_s, u"\x01\x7F"_s,
                                     u"\r"_s,   u"\n"_s, u";"_s};
    ListingDocument doc;
    doc.clear();
    const int lines = random.bounded(1, 30);
    for (int l = 0; l < lines; ++l) {
        QString line;
        for (int p = random.bounded(0, 8); p > 0; --p)
            line += pieces[random.bounded(int(std::size(pieces)))];
        if (random.bounded(3) == 0)
            doc.addColouredLine(line, random.generate() & 0xFFFFFF);
        else
            doc.addLine(line);
        for (int f = random.bounded(0, 3); f > 0; --f) {
            AttributeChange change;
            if (random.bounded(2))
                change.font = fonts[random.bounded(int(std::size(fonts)))];
            if (random.bounded(2))
                change.size = random.bounded(1, 72);
            if (random.bounded(2))
                change.colour = random.generate() & 0xFFFFFF;
            if (random.bounded(2))
                change.bold = random.bounded(2) == 1;
            doc.formatRange(random.bounded(0, doc.length() + 20), random.bounded(0, 120), change);
        }
    }
    return doc.content();
}

} // namespace

class TestRtf : public QObject
{
    Q_OBJECT

private slots:
    void writerMarkup();
    void writerEscapes_data();
    void writerEscapes();
    void roundTrip_data();
    void roundTrip();
    void randomDocumentsRoundTrip();
    void readsWordProcessorFiles_data();
    void readsWordProcessorFiles();
    void readsPlainText();
    void readerNeverFailsOnDamagedInput();
};

void TestRtf::writerMarkup()
{
    ListingDocument doc;
    doc.clear();
    doc.addLine(u"a\tb"_s);
    doc.formatRange(0, 100, {.font = u"arial"_s, .size = 12, .colour = 0x000080, .bold = true});
    doc.addLine(u"c"_s);
    const QByteArray rtf = rtf::write(doc.content());
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl"));
    QVERIFY(rtf.contains("{\\f0\\fswiss\\fcharset0 arial;}"));
    QVERIFY(rtf.contains("{\\colortbl ;\\red0\\green0\\blue128;}"));
    // A4 with 10 mm margins, so a word processor neither falls back to Letter nor wraps
    // the report page's widest lines.
    QVERIFY(rtf.contains("\\paperw11906\\paperh16838\\margl567\\margr567\\margt567\\margb567"));
    QVERIFY2(rtf.contains("\\pard\\plain\\f0"), rtf.constData()); // no tab stops set
    QVERIFY2(rtf.contains("\\f0\\fs24\\cf1\\b a\\tab b\\par\r\nc\\par\r\n}"), rtf.constData());
    QVERIFY(rtf.endsWith("}\r\n"));
    for (char c : rtf)
        QVERIFY(static_cast<unsigned char>(c) < 0x80); // 7-bit file
}

void TestRtf::writerEscapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("markup");
    QTest::newRow("degree") << u"15°C"_s << QByteArray(" 15\\'b0C\\par");
    QTest::newRow("e acute") << u"Aéronef"_s << QByteArray(" A\\'e9ronef\\par");
    QTest::newRow("euro in 1252") << u"€"_s << QByteArray(" \\'80\\par");
    QTest::newRow("omega outside 1252") << u"Ω"_s << QByteArray(" \\u937?\\par");
    QTest::newRow("high unit is negative") << u"\uFFFD"_s << QByteArray(" \\u-3?\\par");
    QTest::newRow("braces and backslash") << u"{x}\\"_s << QByteArray(" \\{x\\}\\\\\\par");
    QTest::newRow("digit after tab") << u"\t1"_s << QByteArray("\\tab 1\\par");
}

void TestRtf::writerEscapes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, markup);
    ListingDocument doc;
    doc.clear();
    doc.addLine(text);
    const QByteArray rtf = rtf::write(doc.content());
    QVERIFY2(rtf.contains(markup), rtf.constData());
}

void TestRtf::roundTrip_data()
{
    QTest::addColumn<StyledText>("content");
    ListingDocument doc;
    doc.clear();
    QTest::newRow("empty") << doc.content();
    doc.addLine(u"1 Lb = 0,454 Kg\t\t\t\t\t\t\t1 Kg = 2,205 Lb"_s);
    QTest::newRow("one row") << doc.content();
    doc.setTabStops({5280, 5274, 822, 821, 5275});
    QTest::newRow("tab stops of the columns") << doc.content();
    doc.clear();
    doc.addLine(u"                         Températures °F <> °C"_s);
    doc.formatRange(1, 100, {.size = 18});
    doc.addLine(QString(22, u' '));
    doc.addLine(QString(u"Conversion: °F > °C" + QString(48, u' ') + u"Conversion: C° en F° "));
    doc.formatRange(70, 300, {.font = u"arial"_s, .size = 10, .colour = 0x000080, .bold = true});
    doc.addLine(QString(25, u' '));
    doc.formatRange(400, 100, {.size = 8, .colour = 0x000000, .bold = false});
    doc.addLine(u"-40°F = -40°C\t\t\t\t\t\t   -40°C = -40°F "_s);
    QTest::newRow("temperature heading") << doc.content();
    doc.clear();
    doc.addLine(u"ab"_s);
    doc.formatRange(0, 3, {.colour = 0xFF0000});
    QTest::newRow("line break split by a range") << doc.content();
    doc.clear();
    doc.addColouredLine(u"1/4\"\t6,35 mm"_s, 0x0000FF);
    doc.addColouredLine(u"5/16\"\t7,94 mm"_s, 0x008000);
    QTest::newRow("coloured lines") << doc.content();
    doc.clear();
    doc.addLine(u"x"_s);
    doc.formatRange(0, 3, {.font = u"Ωmega 明朝"_s});
    QTest::newRow("font name outside the code page") << doc.content();
}

void TestRtf::roundTrip()
{
    QFETCH(StyledText, content);
    const StyledText back = rtf::read(rtf::write(content));
    QString why;
    QVERIFY2(sameContent(content, back, &why), qPrintable(why));
    QCOMPARE(back.defaultTab(), 720);
    QCOMPARE(back.tabStops(), content.tabStops());
}

void TestRtf::randomDocumentsRoundTrip()
{
    QRandomGenerator random(7);
    for (int i = 0; i < 400; ++i) {
        const StyledText content = randomDocument(random);
        const StyledText back = rtf::read(rtf::write(content));
        QString why;
        QVERIFY2(sameContent(content, back, &why), qPrintable(u"document %1: "_s.arg(i) + why));
    }
}

void TestRtf::readsWordProcessorFiles_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("firstFont");
    QTest::addColumn<int>("firstSize");
    QTest::addColumn<QRgb>("lastColour");
    QTest::addColumn<bool>("lastBold");
    QTest::addColumn<QList<int>>("tabStops");

    QTest::newRow("office style")
        << QByteArray("{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\deff0{\\fonttbl"
                      "{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}"
                      "Times New Roman{\\*\\falt Liberation Serif};}"
                      "{\\f1\\fswiss\\fcharset0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                      "{\\stylesheet{\\ql \\f0\\fs24 Normal;}}{\\info{\\author X}{\\title T}}"
                      "{\\*\\rsidtbl \\rsid1}\\paperw11906\\paperh16838"
                      "\\pard\\plain\\f1\\fs20 Caf\\'e9\\tab {\\b\\cf1 bold red}\\par "
                      "\\pard {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}"
                      "\\u8364\\'80 {\\cf1\\b end}}")
        << u"Café\tbold red\r\nlink€ end"_s << u"Arial"_s << 10 << QRgb(0xFF0000) << true
        << QList<int>{};
    QTest::newRow("groups restore state")
        << QByteArray("{\\rtf1{\\fonttbl\\f0 A;\\f1 B;}\\f0\\fs16 x{\\f1\\fs40\\b y}z}") << u"xyz"_s
        << u"A"_s << 8 << QRgb(0) << false << QList<int>{};
    QTest::newRow("unicode skip count")
        << QByteArray("{\\rtf1\\uc2 \\u945\\'3f\\'3fa{\\uc0\\u946 b}\\u947??c}") << u"αaβbγc"_s
        << u"Arial"_s << 12 << QRgb(0) << false << QList<int>{};
    QTest::newRow("binary picture data skipped")
        << QByteArray("{\\rtf1 a{\\pict\\bin4 }}{}b}c}") << u"ac"_s << u"Arial"_s << 12 << QRgb(0)
        << false << QList<int>{};
    QTest::newRow("unknown words and symbols")
        << QByteArray("{\\rtf1 \\foo123 a\\-b\\~c\\zzz-4 d\\emdash\\line e\\\r\nf}")
        << u"ab\u00A0cd\u2014\r\ne\r\nf"_s << u"Arial"_s << 12 << QRgb(0) << false << QList<int>{};
    QTest::newRow("colour index past the table is black")
        << QByteArray("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf9 a\\cf1 b}") << u"ab"_s
        << u"Arial"_s << 12 << QRgb(0x010203) << false << QList<int>{};
    QTest::newRow("table cells become tabs")
        << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000 a\\cell b\\cell\\row}")
        << u"a\tb\t\r\n"_s << u"Arial"_s << 12 << QRgb(0) << false << QList<int>{};
    QTest::newRow("tab stops of the first paragraph")
        << QByteArray("{\\rtf1{\\tx99 a}\\pard\\tqr\\tx1000\\tx500\\tx500\\tx0 b\\tab c\\par"
                      "\\pard\\tx3000 d\\par}")
        << u"ab\tc\r\nd\r\n"_s << u"Arial"_s << 12 << QRgb(0) << false << QList<int>{500, 1000};
    QTest::newRow("tab stops of a text without paragraph marks")
        << QByteArray("{\\rtf1\\pard\\tx2000\\tx40000 a}") << u"a"_s << u"Arial"_s << 12 << QRgb(0)
        << false << QList<int>{2000};
}

void TestRtf::readsWordProcessorFiles()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QFETCH(QString, firstFont);
    QFETCH(int, firstSize);
    QFETCH(QRgb, lastColour);
    QFETCH(bool, lastBold);
    QFETCH(QList<int>, tabStops);
    const StyledText content = rtf::read(rtf);
    QCOMPARE(content.text(), text);
    QCOMPARE(content.attributesAt(0).font, firstFont);
    QCOMPARE(content.attributesAt(0).size, firstSize);
    QCOMPARE(content.attributesAt(content.length() - 1).colour, lastColour);
    QCOMPARE(content.attributesAt(content.length() - 1).bold, lastBold);
    QCOMPARE(content.tabStops(), tabStops);
}

void TestRtf::readsPlainText()
{
    const StyledText content = rtf::read(QByteArray("a\tb\nc\r\n\xB0\r"));
    QCOMPARE(content.text(), u"a\tb\r\nc\r\n°\r\n"_s);
    QCOMPARE(content.attributesAt(0).font, u"Arial"_s);
}

void TestRtf::readerNeverFailsOnDamagedInput()
{
    // Mutations of a real listing file and plain random bytes; the reader must return
    // (ctest's timeout catches a hang) with runs that cover the text.
    QRandomGenerator random(11);
    ListingDocument doc;
    doc.clear();
    for (int i = 0; i < 40; ++i) {
        doc.addLine(u"%1 inch = %2 mm\t\t\t\t\t\t\t°é€Ω"_s.arg(i).arg(i * 25.4));
        doc.formatRange(random.bounded(doc.length()), 30,
                        {.font = u"arial"_s, .size = 1 + i, .colour = 0x123456, .bold = true});
    }
    const QByteArray seed = rtf::write(doc.content());
    static const char tokens[][16] = {
        "{",      "}",      "\\",        "\\'",        "\\u",
        "\\bin",  "\\*",    "\\fonttbl", "\\colortbl", "\\f99999999999",
        "\\fs-7", "\\uc99", "\\par",     ";",          "\\mirandellf",
        "\\'zz",  "\\bin-5"};
    for (int round = 0; round < 3000; ++round) {
        QByteArray input = round % 10 == 0 ? QByteArray("{\\rtf1") : seed;
        const int edits = random.bounded(1, 20);
        for (int e = 0; e < edits; ++e) {
            const int at = random.bounded(int(input.size()) + 1);
            switch (random.bounded(4)) {
            case 0:
                input.insert(at, tokens[random.bounded(int(std::size(tokens)))]);
                break;
            case 1:
                input.insert(at, char(random.bounded(256)));
                break;
            case 2:
                input.remove(at, random.bounded(1, 40));
                break;
            default:
                input.insert(at, input.mid(random.bounded(int(input.size()) + 1), 60));
                break;
            }
        }
        const StyledText content = rtf::read(input);
        if (!content.isEmpty()) {
            QCOMPARE(content.runs().front().start, 0);
            QVERIFY(content.runs().back().start < content.length());
        }
        QVERIFY(content.length() <= input.size() * 2);
    }
}

QTEST_GUILESS_MAIN(TestRtf)
#include "tst_rtf.moc"
