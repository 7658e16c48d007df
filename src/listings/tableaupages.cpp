// The two report pages of TWinControlForm1, element by element. Positions are in
// millimetres from the top-left corner of each band; all texts are in Arial.

#include "listings/Tableau.h"

#include "report/quickrep.h"

using namespace Qt::StringLiterals;

namespace mirandel {

namespace {

using Style = TQRLabel::Style;
using Kind = TQRBand::Kind;

const QColor windowText = Qt::black;
const QColor paleYellow(0xFF, 0xFF, 0xD5);

Style text(int pointSize, bool bold = false)
{
    Style style;
    style.pointSize = pointSize;
    style.bold = bold;
    return style;
}

Style centred(Style style)
{
    style.centred = true;
    return style;
}

Style wrapped(Style style)
{
    style.wordWrap = true;
    return style;
}

Style autoSized(Style style, bool whiteBackground = false)
{
    style.autoSize = true;
    style.transparent = !whiteBackground;
    return style;
}

// "n / m", centred in the room between the date field and the maker's credit label,
// clear of both whatever the short date's length.
TQRSysData* addPageNumber(TQRBand* footer, const QString& name)
{
    return footer->add<TQRSysData>(name, QRectF(102.0, 1.3, 25.0, 4.0), centred(text(8)),
                                   TQRSysData::Data::PageNumber);
}

} // namespace

void TWinControlForm1::buildTableau1()
{
    auto* page = new TQuickRep(u"QuickRepTableau1"_s, this);
    QuickRepTableau1 = page;

    TQRBand* title = page->addBand(u"TitleBand1"_s, Kind::Title, 22.0);
    title->setBottomLine(true);
    QRShapeclient = title->add<TQRShape>(u"QRShapeclient"_s, QRectF(0.3, 0.0, 189.4, 16.7),
                                         TQRShape::Kind::Rectangle, paleYellow);
    Style column = centred(wrapped(text(10, true)));
    Style leftColumn = column;
    leftColumn.rightFrame = true;
    QRLabelCol1 =
        title->add<TQRLabel>(u"QRLabelCol1"_s, QRectF(0.5, 16.7, 92.9, 4.5), QString(), leftColumn);
    Style heading = wrapped(text(10, true));
    heading.italic = true;
    heading.colour = windowText;
    QRLabel1 =
        title->add<TQRLabel>(u"QRLabel1"_s, QRectF(48.7, 1.3, 123.0, 5.3), QString(), heading);
    QRLabelCol2 =
        title->add<TQRLabel>(u"QRLabelCol2"_s, QRectF(95.2, 16.7, 93.4, 4.5), QString(), column);
    QRLabelInfo = title->add<TQRLabel>(u"QRLabelInfo"_s, QRectF(56.1, 8.2, 132.3, 4.0), QString(),
                                       text(8, true));
    QRShape2 = title->add<TQRShape>(u"QRShape2"_s, QRectF(1.1, 0.8, 37.6, 14.8),
                                    TQRShape::Kind::Ellipse, Qt::white);
    QRImage1 = title->add<TQRImage>(u"QRImage1"_s, QRectF(6.3, 3.4, 26.2, 9.8),
                                    u":/pictures/report_logo.svg"_s);

    QRSubDetail5 = page->addBand(u"QRSubDetail5"_s, Kind::Detail, 122.8);
    QRMemo1 = QRSubDetail5->add<TQRRichText>(u"QRMemo1"_s, QRectF(2.1, 0.0, 186.5, 120.9));

    TQRBand* footer = page->addBand(u"PageFooterBand1"_s, Kind::PageFooter, 7.1);
    footer->setBottomLine(true);
    QRLabel2 = footer->add<TQRLabel>(u"QRLabel2"_s, QRectF(2.1, 1.6, 0, 0), makerSite(),
                                     autoSized(text(8), true));
    QRLabel9 = footer->add<TQRLabel>(u"QRLabel9"_s, QRectF(73.0, 1.3, 0, 0), u"Edition du"_s,
                                     autoSized(text(8)));
    QRSysData5 =
        footer->add<TQRSysData>(u"QRSysData5"_s, QRectF(86.0, 1.3, 0, 0), autoSized(text(8)));
    // Drawn in their order across the page, so that a PDF's text reads them in it.
    QRPageNumber1 = addPageNumber(footer, u"QRPageNumber1"_s);
    QRLabel3 = footer->add<TQRLabel>(u"QRLabel3"_s, QRectF(129.1, 1.3, 0, 0), makerCredit(),
                                     autoSized(text(8), true));
}

void TWinControlForm1::buildTableau2()
{
    auto* page = new TQuickRep(u"QuickRepTableau2"_s, this);
    QuickRepTableau2 = page;

    TQRBand* title = page->addBand(u"TitleBand2"_s, Kind::Title, 17.7);
    title->setBottomLine(true);
    QRShape1 = title->add<TQRShape>(u"QRShape1"_s, QRectF(0.3, -0.3, 189.4, 13.2),
                                    TQRShape::Kind::Rectangle, paleYellow);
    Style altitude = centred(text(10, true));
    altitude.rightFrame = true;
    QRLabel5 = title->add<TQRLabel>(u"QRLabel5"_s, QRectF(0.5, 13.2, 80.2, 4.5),
                                    u"Altitude                          Température"_s, altitude);
    QRSysData1 =
        title->add<TQRSysData>(u"QRSysData1"_s, QRectF(164.6, 1.1, 0, 0), autoSized(text(8, true)));
    QRLabel6 = title->add<TQRLabel>(u"QRLabel6"_s, QRectF(148.7, 1.3, 0, 0), u"Edition du"_s,
                                    autoSized(text(8, true)));
    Style heading = text(12, true);
    heading.italic = true;
    heading.colour = windowText;
    QRLabel7 = title->add<TQRLabel>(u"QRLabel7"_s, QRectF(68.5, 1.3, 65.1, 5.3),
                                    u"Listing standard atmosphére "_s, heading);
    const Style column = centred(text(8, true));
    QRLabel10 = title->add<TQRLabel>(u"QRLabel10"_s, QRectF(138.4, 13.2, 50.0, 4.5),
                                     u"Racine         Density      Spd/sound  "_s, column);
    QRLabel11 = title->add<TQRLabel>(
        u"QRLabel11"_s, QRectF(55.0, 8.2, 131.5, 4.0),
        u"Standard sea level  :           Pression  1013,25  hPa      /    Temperature  15°C    "_s,
        column);
    QRLabel16 =
        title->add<TQRLabel>(u"QRLabel16"_s, QRectF(102.7, 13.2, 16.1, 4.5), u"Ratio"_s, column);
    QRLabel17 =
        title->add<TQRLabel>(u"QRLabel17"_s, QRectF(83.6, 13.2, 20.4, 4.5), u"Pression "_s, column);
    QRLabel18 =
        title->add<TQRLabel>(u"QRLabel18"_s, QRectF(121.2, 13.2, 11.9, 4.5), u"Masse"_s, column);
    QRImage2 = title->add<TQRImage>(u"QRImage2"_s, QRectF(5.6, 1.3, 23.5, 9.5),
                                    u":/pictures/atmosphere_logo.svg"_s);

    QRBand3 = page->addBand(u"QRBand3"_s, Kind::Detail, 207.4);
    QRMemo2 = QRBand3->add<TQRRichText>(u"QRMemo2"_s, QRectF(0.5, 2.4, 188.6, 205.3));

    TQRBand* footer = page->addBand(u"PageFooterBand2"_s, Kind::PageFooter, 6.1);
    footer->setBottomLine(true);
    QRLabel13 = footer->add<TQRLabel>(u"QRLabel13"_s, QRectF(2.1, 1.6, 0, 0), makerSite(),
                                      autoSized(text(8)));
    QRLabel15 = footer->add<TQRLabel>(u"QRLabel15"_s, QRectF(73.0, 1.3, 0, 0), u"Edition du"_s,
                                      autoSized(text(8)));
    QRSysData2 =
        footer->add<TQRSysData>(u"QRSysData2"_s, QRectF(86.0, 1.3, 0, 0), autoSized(text(8)));
    QRPageNumber2 = addPageNumber(footer, u"QRPageNumber2"_s);
    QRLabel14 = footer->add<TQRLabel>(u"QRLabel14"_s, QRectF(129.1, 1.3, 0, 0), makerCredit(),
                                      autoSized(text(8)));
}

} // namespace mirandel
