// The report dialog's two handlers that reach the rest of the program: the day count after
// a calendar pick, and the report itself.

#include "flying_hours/hrsdlg.h"

#include "app/program.h"
#include "flying_hours/calculhrs.h"
#include "flying_hours/hoursreport.h"
#include "listings/Tableau.h"
#include "listings/listingdocument.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "wrench/cleangl.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace mirandel {

using namespace Qt::StringLiterals;

void TfrmhrsatDlg::DateTimePickerdebutCloseUp()
{
    StaticTextnjour->setText(
        QString::number(dayCount(DateTimePickerdebut->date(), DateTimePickerfin->date())));
    m_program.calculhrs().recompute();
}

void TfrmhrsatDlg::ButtonValideClick()
{
    if (guarded(m_program.platform(), this, [this] { writeReport(); }))
        accept();
}

void TfrmhrsatDlg::writeReport()
{
    static const QString fileName = u"hrsvol.rtf"_s;
    Platform& platform = m_program.platform();
    Tfrmcalculhrs& calculator = m_program.calculhrs();
    hoursreport::Entries entries;
    entries.total = calculator.Labeltotal->text();
    entries.average = StaticTextmoyenne->text();
    entries.days = StaticTextnjour->text();
    entries.start = hoursreport::reportDate(DateTimePickerdebut->date(), platform.dateSeparator());
    entries.end = hoursreport::reportDate(DateTimePickerfin->date(), platform.dateSeparator());
    entries.function = Fonction->currentText();
    entries.pilot = Editpilote->text();
    entries.aircraft = Editaeronef->text();
    entries.lines = calculator.displayLines();
    entries.subtotals = {calculator.VFR->text(), calculator.IFR->text(), calculator.NUIT->text()};

    TWinControlForm1& reports = m_program.reports();
    TWinControlForm1::setCaption(reports.QRLabelCol1, hoursreport::totalColumn(entries));
    TWinControlForm1::setCaption(reports.QRLabelCol2, hoursreport::averageColumn(entries));
    TWinControlForm1::setCaption(reports.QRLabelInfo, hoursreport::periodInfo(entries));
    TWinControlForm1::setCaption(reports.QRLabel1, hoursreport::pilotTitle(entries));
    reports.setFill(QColor::fromRgb(hoursreport::pageFill));

    reports.empty(reports.QuickRepTableau1);
    ListingDocument& document = m_program.cleDlg().listingDocument();
    const bool exporting = RadioButton2->isChecked();
    hoursreport::write(document, entries, exporting);
    document.saveRichText(platform, fileName);
    if (RadioButton1->isChecked())
        reports.previewOnPage(reports.QuickRepTableau1, fileName);
    if (exporting)
        ListingDocument::openWithShell(platform, fileName);
}

} // namespace mirandel
