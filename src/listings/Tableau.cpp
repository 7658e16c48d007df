#include "listings/Tableau.h"

#include "app/program.h"
#include "listings/listingfile.h"
#include "listings/rtfreader.h"
#include "platform/platform.h"
#include "platform/windowkit.h"
#include "report/printpreview.h"
#include "report/quickrep.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace mirandel {

TWinControlForm1::TWinControlForm1(Program& program, QWidget* parent)
    : QWidget(parent, Qt::Window), m_program(program)
{
    setObjectName(u"TWinControlForm1"_s);
    setWindowTitle(u"WinControlForm1"_s);
    // The report pages' default font.
    setFont(windowkit::arial(10));
    buildTableau1();
    buildTableau2();
    QuickRepTableau2->needData = [this](QObject* sender, bool& moreData) {
        QuickRepTableau2NeedData(sender, moreData);
    };
}

QString TWinControlForm1::makerSite()
{
    return u"  www.belvane-production.example"_s;
}

QString TWinControlForm1::makerCredit()
{
    return u"MIRANDEL  -  BELVANE PRODUCTION"_s;
}

void TWinControlForm1::setCaption(TQRLabel* element, const QString& text)
{
    element->setText(text);
}

void TWinControlForm1::setFill(const QColor& colour)
{
    QRShapeclient->setColor(colour);
}

TQRRichText* TWinControlForm1::richTextOf(TQuickRep* page) const
{
    return page == QuickRepTableau2 ? QRMemo2 : QRMemo1;
}

void TWinControlForm1::empty(TQuickRep* page)
{
    richTextOf(page)->clear();
}

void TWinControlForm1::previewOnPage(TQuickRep* page, const QString& fileName)
{
    Platform& platform = m_program.platform();
    TQRRichText* memo = richTextOf(page);
    memo->setContent(rtf::read(listingfile::read(platform.programFolder(), fileName)));
    QWidget* opener = QApplication::activeModalWidget();
    if (!opener)
        opener = parentWidget();
    TPrintPreview preview(*page, platform.today(), platform, opener);
    preview.exec();
}

void TWinControlForm1::QuickRepTableau2NeedData(QObject* sender, bool& moreData)
{
    Q_UNUSED(sender);
    Q_UNUSED(moreData);
}

} // namespace mirandel
