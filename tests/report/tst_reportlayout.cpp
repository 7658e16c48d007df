// The report engine on the two report pages, under offscreen: pages of a one-row and of
// long listings, the title band on the first page only, the footer on every page, page
// breaks between text lines, the body's tabs, fonts, sizes and colours, and the pixels.

#include "listings/Tableau.h"
#include "listings/rtfreader.h"
#include "listings/rtfwriter.h"
#include "report/quickrep.h"
#include "report/richbody.h"
#include "reportsupport.h"
#include "support/guitest.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTest>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

// A page-sized image at 150 dpi that the engine can lay out for.
QImage pageImage()
{
    const int dpm = qRound(150 / 0.0254);
    QImage image(qRound(210 / 25.4 * 150), qRound(297 / 25.4 * 150), QImage::Format_RGB32);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(Qt::white);
    return image;
}

void load(TQRRichText* memo, int rows)
{
    ListingDocument document;
    writeRows(document, rows);
    memo->setContent(rtf::read(rtf::write(document.content())));
}

} // namespace

class TestReportLayout : public QObject
{
    Q_OBJECT

private slots:
    void pagesOfAListing_data();
    void pagesOfAListing();
    void tableau2PrintsItsBodyOnce();
    void emptyBodyStillPrintsOnePage();
    void bodyKeepsTabsFontsSizesAndColours();
    void fontsMapToInstalledFaces();
    void pixelsOfTheFirstAndLaterPages();
    void longCaptionsStayInTheirFrames();
};

void TestReportLayout::pagesOfAListing_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("printer");
    QTest::addColumn<int>("paper");
    QTest::addColumn<bool>("landscape");
    const int a4 = QPageSize::A4;
    QTest::newRow("tableau1 one row") << u"QuickRepTableau1"_s << 1 << true << a4 << false;
    QTest::newRow("tableau1 300 rows") << u"QuickRepTableau1"_s << 300 << true << a4 << false;
    QTest::newRow("tableau1 1300 rows") << u"QuickRepTableau1"_s << 1300 << true << a4 << false;
    QTest::newRow("tableau1 300 rows on screen")
        << u"QuickRepTableau1"_s << 300 << false << a4 << false;
    QTest::newRow("tableau2 one row") << u"QuickRepTableau2"_s << 1 << true << a4 << false;
    QTest::newRow("tableau2 600 rows") << u"QuickRepTableau2"_s << 600 << true << a4 << false;
    // Regression: the layout was fixed to 297 mm, so on shorter paper the footer fell off
    // the page and the frame ran off it.
    QTest::newRow("tableau1 300 rows on Letter")
        << u"QuickRepTableau1"_s << 300 << true << int(QPageSize::Letter) << false;
    QTest::newRow("tableau2 600 rows on A4 landscape")
        << u"QuickRepTableau2"_s << 600 << true << a4 << true;
    QTest::newRow("tableau1 300 rows on A5, drawn smaller")
        << u"QuickRepTableau1"_s << 300 << true << int(QPageSize::A5) << false;
}

void TestReportLayout::pagesOfAListing()
{
    QFETCH(QString, page);
    QFETCH(int, rows);
    QFETCH(bool, printer);
    QFETCH(int, paper);
    QFETCH(bool, landscape);
    Running run;
    TWinControlForm1& form = run.program->reports();
    TQuickRep* report = form.findChild<TQuickRep*>(page);
    QVERIFY(report);
    TQRRichText* memo = report == form.QuickRepTableau1 ? form.QRMemo1 : form.QRMemo2;
    load(memo, rows);

    QPrinter pdf(QPrinter::HighResolution);
    TQuickRep::setUpPrinter(pdf);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
    pdf.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QImage image = pageImage();
    QPaintDevice& device = printer ? static_cast<QPaintDevice&>(pdf) : image;
    const TQuickRep::Layout layout = report->layOut(device);
    const qreal dpmm = layout.dotsPerMm;
    const int pages = int(layout.pages.size());

    // The paper in millimetres, and what a millimetre of it is in layout units.
    QSizeF sheet = QPageSize(QPageSize::PageSizeId(paper)).size(QPageSize::Millimeter);
    if (landscape)
        sheet.transpose();
    const qreal unitsPerMm = dpmm / layout.scale;
    // The 190 mm bands fit between 10 mm margins, centred, full size whenever they can.
    QCOMPARE(layout.scale <= 1.0, true);
    QCOMPARE(qFuzzyCompare(layout.scale, 1.0), sheet.width() >= 210 && sheet.height() >= 120);
    QVERIFY(190 * layout.scale <= sheet.width() - 20 + 0.01);
    QVERIFY(qAbs(layout.area.left() / unitsPerMm - (sheet.width() - 190 * layout.scale) / 2) <
            0.01);
    const qreal top = 10 * unitsPerMm;
    const qreal bottom = (sheet.height() - 10) * unitsPerMm;

    const auto& lines = layout.bodies.front()->lines();
    QCOMPARE(int(lines.size()), rows);
    const qreal lineHeight = lines.front().bottom - lines.front().top;
    const qreal pageLines = (bottom - top - report->bands().last()->height() * dpmm) / lineHeight;
    QVERIFY2(pages >= 1 + int((rows - 1) / pageLines), qPrintable(QString::number(pages)));
    QVERIFY(pages <= 1 + int(rows / (pageLines - 80 * dpmm / lineHeight)) + 1);
    if (rows == 1)
        QCOMPARE(pages, 1);

    int nextLine = 0;
    const qreal footerTop = bottom - report->bands().last()->height() * dpmm;
    for (int p = 0; p < pages; ++p) {
        const auto& placed = layout.pages[std::size_t(p)];
        // Title band on the first page only, at the top of the printable area.
        const bool hasTitle = std::any_of(placed.begin(), placed.end(), [](const auto& b) {
            return b.band->kind() == TQRBand::Kind::Title;
        });
        QCOMPARE(hasTitle, p == 0);
        if (p == 0)
            QVERIFY(qAbs(placed.front().top - top) < 0.01);
        // The footer on every page, at the bottom of the printable area.
        QCOMPARE(placed.back().band->kind(), TQRBand::Kind::PageFooter);
        QVERIFY(qAbs(placed.back().top + placed.back().height - bottom) < 0.01);
        // The body: whole lines only, in order, above the footer.
        const auto body =
            std::find_if(placed.begin(), placed.end(), [](const auto& b) { return b.body >= 0; });
        QVERIFY(body != placed.end());
        QCOMPARE(body->continued, p > 0);
        QCOMPARE(body->slice.firstLine, nextLine);
        if (body->slice.endLine > body->slice.firstLine) {
            QCOMPARE(body->slice.top, p == 0 ? 0.0 : lines[std::size_t(nextLine)].top);
            QCOMPARE(body->slice.bottom, lines[std::size_t(body->slice.endLine - 1)].bottom);
        }
        QVERIFY(body->textTop + (body->slice.bottom - body->slice.top) <= footerTop + 0.01);
        if (p > 0)
            QVERIFY(qAbs(body->textTop - top) < 0.01);
        nextLine = body->slice.endLine;
        // A later page is full: its next line would not have fitted.
        if (p + 1 < pages)
            QVERIFY(body->textTop + lines[std::size_t(nextLine)].bottom - body->slice.top >
                    footerTop);
    }
    QCOMPARE(nextLine, rows);
}

void TestReportLayout::tableau2PrintsItsBodyOnce()
{
    Running run;
    TWinControlForm1& form = run.program->reports();
    load(form.QRMemo2, 400);
    int asked = 0;
    auto handler = form.QuickRepTableau2->needData;
    form.QuickRepTableau2->needData = [&](QObject* sender, bool& more) {
        ++asked;
        const bool before = more;
        handler(sender, more);
        QCOMPARE(more, before); // the handler changes nothing
    };
    QImage image = pageImage();
    const TQuickRep::Layout layout = form.QuickRepTableau2->layOut(image);
    QCOMPARE(asked, 2);
    int bodies = 0;
    for (const auto& page : layout.pages)
        for (const auto& placed : page)
            bodies += placed.band == form.QRBand3 && !placed.continued;
    QCOMPARE(bodies, 1);
    QVERIFY(layout.pages.size() > 1);
}

void TestReportLayout::emptyBodyStillPrintsOnePage()
{
    Running run;
    TWinControlForm1& form = run.program->reports();
    load(form.QRMemo1, 20);
    form.empty(form.QuickRepTableau1);
    QVERIFY(form.QRMemo1->isEmpty());
    QImage image = pageImage();
    const TQuickRep::Layout layout = form.QuickRepTableau1->layOut(image);
    QCOMPARE(layout.pages.size(), std::size_t(1));
    // The body band keeps its design height.
    const auto& body = layout.pages[0][1];
    QCOMPARE(body.band, form.QRSubDetail5);
    QVERIFY(qAbs(body.height - 122.8 * layout.dotsPerMm) < 0.01);
}

void TestReportLayout::bodyKeepsTabsFontsSizesAndColours()
{
    ListingDocument document;
    document.clear();
    document.addLine(u" Titre"_s);
    document.formatRange(1, 100, {.size = 18});
    document.addLine(u""_s);
    document.addLine(u"a\tb"_s);
    document.formatRange(10, 100,
                         {.font = u"arial"_s, .size = 12, .colour = 0x000080, .bold = true});
    document.addColouredLine(u"red"_s, 0xFF0000);
    const StyledText content = rtf::read(rtf::write(document.content()));
    QImage image = pageImage();
    const auto body = richbody::build(content, image, 186.5 * 150 / 25.4);
    QCOMPARE(body->paragraphCount(), 4); // no empty paragraph after the last line
    QStringList texts;
    for (int p = 0; p < body->paragraphCount(); ++p)
        texts << body->paragraphText(p);
    QCOMPARE(texts, (QStringList{u" Titre"_s, QString(), u"a\tb"_s, u"red"_s}));

    QCOMPARE(body->formatAt(0, 0).fontPointSize(), 8.0);
    // Each font in the face it prints in.
    const auto face = [](const QTextCharFormat& format) {
        return format.fontFamilies().toStringList().join(u',').toLower();
    };
    QCOMPARE(face(body->formatAt(0, 0)), u"liberation sans"_s);
    QCOMPARE(body->formatAt(0, 1).fontPointSize(), 18.0);
    // The empty line keeps the height of its 18-point line break.
    const auto height = [&body](int line) {
        return body->lines()[std::size_t(line)].bottom - body->lines()[std::size_t(line)].top;
    };
    QCOMPARE(body->lines().size(), std::size_t(4));
    QCOMPARE(height(1), height(0));
    QVERIFY(height(1) > height(3) * 2);
    const QTextCharFormat column = body->formatAt(2, 2);
    QCOMPARE(face(column), u"liberation sans"_s);
    QCOMPARE(column.fontPointSize(), 12.0);
    QCOMPARE(column.fontWeight(), int(QFont::Bold));
    QCOMPARE(column.foreground().color(), QColor(0x000080));
    const QTextCharFormat red = body->formatAt(3, 0);
    QCOMPARE(red.foreground().color(), QColor(0xFF0000));
    QCOMPARE(red.fontPointSize(), 8.0);
    QCOMPARE(red.fontWeight(), int(QFont::Bold));
    // The tab falls on the first default stop, half an inch from the left edge.
    QCOMPARE(body->xOf(2, 2), 0.5 * image.logicalDpiX());
    // The file's tab stops come first: the tab after "a" ends on the stop an inch in; after
    // a text past that stop, each of two tabs takes the next stop.
    StyledText withStops = content;
    withStops.setTabStops({1440, 2880, 2881});
    const auto columns = richbody::build(withStops, image, 186.5 * 150 / 25.4);
    QCOMPARE(columns->xOf(2, 2), 1.0 * image.logicalDpiX());
    ListingDocument runs;
    runs.clear();
    runs.setTabStops({1440, 2880, 2881});
    runs.addLine(u"a first cell an inch long\t\tb"_s);
    runs.addLine(u"\t\t"_s);
    const auto twoTabs = richbody::build(runs.content(), image, 186.5 * 150 / 25.4);
    QVERIFY(twoTabs->xOf(0, 25) > 1.0 * image.logicalDpiX());
    QVERIFY(qAbs(twoTabs->xOf(0, 27) - 2881 / 1440.0 * image.logicalDpiX()) < 1.0 / 32);
    // A line of tabs only is as tall as a line of text.
    const auto& tabLines = twoTabs->lines();
    QCOMPARE(tabLines[1].bottom - tabLines[1].top, tabLines[0].bottom - tabLines[0].top);
}

void TestReportLayout::fontsMapToInstalledFaces()
{
    Running run;
    for (const QString& name : {u"MS Sans Serif"_s, u"Arial"_s, u"arial"_s}) {
        QFont font(name);
        QCOMPARE(QFontInfo(font).family(), u"Liberation Sans"_s);
    }
}

void TestReportLayout::pixelsOfTheFirstAndLaterPages()
{
    Running run;
    TWinControlForm1& form = run.program->reports();
    form.setFill(QColor(0xCFE7E7));
    TWinControlForm1::setCaption(form.QRLabel1, u"PANEL :Kg <>  Lb"_s);
    load(form.QRMemo1, 300);
    QImage first = pageImage();
    const TQuickRep::Layout layout = form.QuickRepTableau1->layOut(first);
    QVERIFY(layout.pages.size() >= 3);
    QImage second = first;
    for (auto [image, page] : {std::pair{&first, 0}, std::pair{&second, 1}}) {
        QPainter painter(image);
        form.QuickRepTableau1->paintPage(painter, layout, page, run.platform.today());
    }
    const qreal dpmm = layout.dotsPerMm;
    const auto pixel = [dpmm](const QImage& image, qreal x, qreal y) {
        return QColor(image.pixel(qRound(x * dpmm), qRound(y * dpmm)));
    };
    // Inside the heading rectangle, right of the logo: the fill on page 1 only.
    QCOMPARE(pixel(first, 180, 12), QColor(0xCFE7E7));
    QCOMPARE(pixel(second, 180, 12), QColor(Qt::white));
    // The frame lines: top and left edge of the printable area on both pages.
    QCOMPARE(pixel(second, 100, 10), QColor(Qt::black));
    QCOMPARE(pixel(second, 10, 150), QColor(Qt::black));
    QCOMPARE(pixel(second, 200, 150), QColor(Qt::black));
    // The footer's bottom line at the bottom of the printable area.
    QCOMPARE(pixel(second, 100, 287 - 0.05), QColor(Qt::black));
    // Page 2's text starts right under the top frame line.
    bool inked = false;
    for (qreal y = 10.5; y < 14 && !inked; y += 0.1)
        for (qreal x = 13; x < 40 && !inked; x += 0.2)
            inked = pixel(second, x, y).lightness() < 128;
    QVERIFY(inked);
}

void TestReportLayout::longCaptionsStayInTheirFrames()
{
    Running run;
    TWinControlForm1& form = run.program->reports();
    form.setFill(Qt::white);
    TWinControlForm1::setCaption(
        form.QRLabel1, u"Pilote Commandant de bord : Jean-Baptiste Delacroix-Montfort       "
                       u"Aéronef : F-GXYZ Robin DR400"_s);
    TWinControlForm1::setCaption(form.QRLabelInfo, QString(300, u'W'));
    load(form.QRMemo1, 1);
    QImage image = pageImage();
    const TQuickRep::Layout layout = form.QuickRepTableau1->layOut(image);
    {
        QPainter painter(&image);
        form.QuickRepTableau1->paintPage(painter, layout, 0, run.platform.today());
    }
    const qreal dpmm = layout.dotsPerMm;
    const auto inked = [&](QRectF mm) {
        for (qreal y = mm.top(); y < mm.bottom(); y += 0.1)
            for (qreal x = mm.left(); x < mm.right(); x += 0.1)
                if (QColor(image.pixel(qRound(x * dpmm), qRound(y * dpmm))).lightness() < 160)
                    return true;
        return false;
    };
    // The title's first line is printed; its second line, which the frame cannot hold,
    // is not printed in half between the title and the information line.
    QVERIFY(inked({60, 11.5, 40, 3}));
    QVERIFY(!inked({60, 15.6, 5, 2.4}));
    // The over-long information line ends inside its frame (band 56.1 + 132.3 mm).
    QVERIFY(inked({70, 18.5, 40, 3}));
    QVERIFY(!inked({198.5, 18.3, 0.7, 3.8})); // up to the heading rectangle's outline
}

QTEST_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"
