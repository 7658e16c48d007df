#pragma once

// The hidden form that holds the two report pages: QuickRepTableau1, the general listing
// page whose headings and heading fill the caller sets, and QuickRepTableau2, the
// atmosphere page with fixed headings. The form is created at start-up and never shown.
//
// A listing writer: Empty(page) and Clear the listing document -> add its lines -> Save
// rich text -> previewOnPage(page, file): the page reads the file from the program's
// folder into its rich-text box, is laid out over as many pages as the text needs (A4
// until another paper is chosen in the preview) and shown in the print preview; the call
// returns when the preview closes. Every page's footer carries its number, "n / m".

#include <QColor>
#include <QWidget>

namespace mirandel {

class Program;
class TQuickRep;
class TQRBand;
class TQRImage;
class TQRLabel;
class TQRRichText;
class TQRShape;
class TQRSysData;

class TWinControlForm1 : public QWidget
{
    Q_OBJECT

public:
    TWinControlForm1(Program& program, QWidget* parent);

    // Set caption: the text of QRLabel1, QRLabelInfo, QRLabelCol1 or QRLabelCol2, used the
    // next time the page is laid out.
    static void setCaption(TQRLabel* element, const QString& text);
    // Set fill: the fill colour of QRShapeclient.
    void setFill(const QColor& colour);
    // Empty: removes all content from the page's rich-text box.
    void empty(TQuickRep* page);
    // Preview on page: loads the rich-text file `fileName` of the program's folder into
    // the page's rich-text box, lays the page out and shows the preview until the user
    // closes it. A file that cannot be read throws 'Impossible d'ouvrir le fichier "%s".
    // %s' (and nothing is shown).
    void previewOnPage(TQuickRep* page, const QString& fileName);

    // The report engine asks this before each print of QuickRepTableau2's body band;
    // it leaves the flag as the engine set it, so the body prints once.
    void QuickRepTableau2NeedData(QObject* sender, bool& moreData);

    TQuickRep* QuickRepTableau1;
    TQRShape* QRShapeclient;
    TQRLabel* QRLabelCol1;
    TQRLabel* QRLabel1;
    TQRLabel* QRLabelCol2;
    TQRLabel* QRLabelInfo;
    TQRShape* QRShape2;
    TQRImage* QRImage1;
    TQRBand* QRSubDetail5;
    TQRRichText* QRMemo1;
    TQRLabel* QRLabel2;
    TQRLabel* QRLabel9;
    TQRSysData* QRSysData5;
    TQRLabel* QRLabel3;
    TQRSysData* QRPageNumber1; // "n / m" in the footer

    TQuickRep* QuickRepTableau2;
    TQRShape* QRShape1;
    TQRLabel* QRLabel5;
    TQRSysData* QRSysData1;
    TQRLabel* QRLabel6;
    TQRLabel* QRLabel7;
    TQRLabel* QRLabel10;
    TQRLabel* QRLabel11;
    TQRLabel* QRLabel16;
    TQRLabel* QRLabel17;
    TQRLabel* QRLabel18;
    TQRImage* QRImage2;
    TQRBand* QRBand3;
    TQRRichText* QRMemo2;
    TQRLabel* QRLabel13;
    TQRLabel* QRLabel15;
    TQRSysData* QRSysData2;
    TQRLabel* QRLabel14;
    TQRSysData* QRPageNumber2;

    // The maker's web site and credit shown in the page footers.
    static QString makerSite();
    static QString makerCredit();

private:
    void buildTableau1();
    void buildTableau2();
    TQRRichText* richTextOf(TQuickRep* page) const;

    Program& m_program;
};

} // namespace mirandel
