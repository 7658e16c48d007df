// The flying-hours report dialog through the whole program: opened by the calculator's
// "Preview", driven by keys, mouse and the date pickers' calendars; "OK" previews or
// exports "hrsvol.rtf" with the report page's headings.

#include "calculatorfixture.h"

#include "flying_hours/calculhrs.h"
#include "flying_hours/hoursreport.h"
#include "flying_hours/hrsdlg.h"
#include "listings/Tableau.h"
#include "listings/listingfile.h"
#include "listings/rtfreader.h"
#include "platform/windowkit.h"
#include "report/printpreview.h"
#include "report/qrelements.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

const QColor cream(0xFF, 0xFB, 0xF0);
const QColor silver(0xC0, 0xC0, 0xC0);

// "05/01/2011 to 04/02/2011" with the regional date separator.
QString period(QChar sep)
{
    return u"05"_s + sep + u"01"_s + sep + u"2011 to 04"_s + sep + u"02"_s + sep + u"2011"_s;
}

QStringList linesOf(const StyledText& text)
{
    QStringList lines = text.text().split(u"\r\n"_s);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// Picks `date` in a picker's drop-down calendar as a user does: a click on the picker's
// arrow opens it, the month is turned to the date's and the day is clicked.
void pickInCalendar(QDateEdit* picker, const QDate& date)
{
    QTest::mouseClick(picker, Qt::LeftButton, {},
                      QPoint(picker->width() - 6, picker->height() / 2));
    QCalendarWidget* calendar = picker->calendarWidget();
    QVERIFY(QTest::qWaitFor([calendar] { return calendar->isVisible(); }));
    calendar->setCurrentPage(date.year(), date.month());
    auto* view = calendar->findChild<QTableView*>(u"qt_calendar_calendarview"_s);
    QVERIFY(view);
    const QString day = QString::number(date.day());
    QModelIndex cell;
    for (int row = 1; row < view->model()->rowCount() && !cell.isValid(); ++row)
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            const QModelIndex index = view->model()->index(row, column);
            // Days of the neighbouring months are shown too: the first days of the month
            // are in the first rows, the last days in the last rows.
            const bool rightWeek = date.day() < 15 ? row <= 2 : row >= 4;
            if (rightWeek && index.data().toString() == day) {
                cell = index;
                break;
            }
        }
    QVERIFY(cell.isValid());
    const QPoint centre = view->visualRect(cell).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    if (calendar->isVisible()) // the click selected the day; Enter picks it
        QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([calendar] { return !calendar->isVisible(); }));
    QCoreApplication::processEvents();
}

} // namespace

class TestHrsDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void upperCaseEnterAndFocusColours();
    void escapeCloses_data();
    void escapeCloses();
    void calendarPickUpdatesDaysAndAverage();
    void dateChangedWithoutTheCalendarUpdatesTheReport_data();
    void dateChangedWithoutTheCalendarUpdatesTheReport();
    void secondReportAfterReopeningAgreesWithItsRows();
    void previewWithDefaultEntries();
    void exportWritesTheHeadingAndOpensTheFile();
    void failedSaveKeepsTheDialogOpen();
    void longTitleFitsItsFrame_data();
    void longTitleFitsItsFrame();

private:
    // Opens the calculator, types `hours` into its hours field, opens the report dialog
    // with "Preview" and runs `steps` in it; closes what is left open.
    void withReport(const QString& hours, const std::function<void(TfrmhrsatDlg&)>& steps);

    std::unique_ptr<Running> m_run;
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestHrsDlg::init()
{
    m_run = std::make_unique<Running>();
    m_folder = std::make_unique<QTemporaryDir>();
    m_run->platform.folder = m_folder->path();
}

void TestHrsDlg::cleanup()
{
    m_run.reset();
    QDir::setCurrent(QDir::tempPath());
    m_folder.reset();
}

void TestHrsDlg::withReport(const QString& hours, const std::function<void(TfrmhrsatDlg&)>& steps)
{
    TfrmhrsatDlg& report = m_run->program->hrsDlg();
    bool ran = false;
    QVERIFY(withCalculator(*m_run, [&](Tfrmcalculhrs& calculator) {
        type(&calculator, hours);
        whenShown(&report, [&] {
            reactivate(&report);
            ran = true;
            steps(report);
            if (report.isVisible())
                report.reject();
        });
        click(calculator.Button1);
    }));
    QVERIFY(ran);
}

void TestHrsDlg::startState()
{
    withReport(u"15"_s, [&](TfrmhrsatDlg& report) {
        QCOMPARE(report.windowTitle(), u"Prévisualiser / Imprimer"_s);
        QCOMPARE(report.StaticTextnjour->text(), u"30"_s);
        QCOMPARE(report.DateTimePickerdebut->date(), QDate(2011, 1, 5));
        QCOMPARE(report.DateTimePickerfin->date(), QDate(2011, 2, 4));
        QVERIFY(report.DateTimePickerdebut->calendarPopup());
        QCOMPARE(report.Labeltotal2->text(), u"15 hrs 0 mn 0 lndg"_s);
        QCOMPARE(report.StaticTextmoyenne->text(), u"0 hrs 30 mn 0 lndg"_s);
        QCOMPARE(report.Editpilote->text(), u"NC"_s);
        QCOMPARE(report.Editaeronef->text(), u"NC"_s);
        QCOMPARE(report.Fonction->currentText(), u"CDB"_s);
        QCOMPARE(report.Fonction->count(), 3);
        QCOMPARE(report.Fonction->itemText(1), u"COPIL"_s);
        QCOMPARE(report.Fonction->itemText(2), u"ELEVE"_s);
        QVERIFY(report.Fonction->isEditable());
        QCOMPARE(report.Fonction->lineEdit()->maxLength(), 6);
        QVERIFY(!(report.Fonction->focusPolicy() & Qt::TabFocus));
        QVERIFY(report.RadioButton1->isChecked());
        QCOMPARE(report.RadioButton1->text(), u"Preview"_s);
        QCOMPARE(report.RadioButton2->text(), u"Export"_s);
        QCOMPARE(report.ButtonValide->text(), u"OK"_s);
        QCOMPARE(report.CancelBtn->text(), u"EXIT"_s);
        QCOMPARE(report.ButtonValide->geometry(), QRect(88, 257, 77, 23));
        QCOMPARE(report.DateTimePickerdebut->geometry(), QRect(80, 179, 79, 22));
        QCOMPARE(report.Editpilote->geometry(), QRect(65, 149, 140, 22));
        QCOMPARE(report.focusWidget(), report.Editpilote);
        QCOMPARE(windowkit::background(report.Editpilote), cream);
        QCOMPARE(windowkit::background(report.Editaeronef), silver);
        // Tab order: pilot, aircraft, start, end, OK, EXIT, output choice.
        QStringList order;
        for (int n = 0; n < 6; ++n) {
            press(&report, Qt::Key_Tab);
            order << report.focusWidget()->objectName();
        }
        QCOMPARE(order,
                 (QStringList{u"Editaeronef"_s, u"DateTimePickerdebut"_s, u"DateTimePickerfin"_s,
                              u"ButtonValide"_s, u"CancelBtn"_s, u"RadioButton1"_s}));
    });
}

void TestHrsDlg::upperCaseEnterAndFocusColours()
{
    withReport(u"1"_s, [&](TfrmhrsatDlg& report) {
        report.Editpilote->selectAll();
        type(&report, u"abc"_s);
        QCOMPARE(report.Editpilote->text(), u"ABC"_s);
        press(&report, Qt::Key_Return);
        QCOMPARE(report.focusWidget(), report.Editaeronef);
        QCOMPARE(windowkit::background(report.Editaeronef), cream);
        QCOMPARE(windowkit::background(report.Editpilote), silver);
        report.Editaeronef->selectAll();
        type(&report, u"f-gx"_s);
        QCOMPARE(report.Editaeronef->text(), u"F-GX"_s);
        press(&report, Qt::Key_Enter);
        QCOMPARE(report.focusWidget(), report.DateTimePickerdebut);
        QCOMPARE(windowkit::background(report.DateTimePickerdebut), cream);
        press(&report, Qt::Key_Return);
        QCOMPARE(report.focusWidget(), report.DateTimePickerfin);
        QCOMPARE(windowkit::background(report.DateTimePickerdebut), silver);
        press(&report, Qt::Key_Return);
        QCOMPARE(report.focusWidget(), report.ButtonValide);
        QCOMPARE(windowkit::background(report.DateTimePickerfin), silver);
        QVERIFY(report.isVisible()); // no report yet
    });
    // The entries are kept for the next showing.
    withReport(u"1"_s, [&](TfrmhrsatDlg& report) {
        QCOMPARE(report.Editpilote->text(), u"ABC"_s);
        QCOMPARE(report.Editaeronef->text(), u"F-GX"_s);
    });
    QVERIFY(m_run->platform.shellOpened.isEmpty());
    QVERIFY(!QFile::exists(QDir(m_folder->path()).filePath(u"hrsvol.rtf"_s)));
}

void TestHrsDlg::escapeCloses_data()
{
    QTest::addColumn<QString>("field");
    for (const char* name : {"Editpilote", "Editaeronef", "DateTimePickerdebut",
                             "DateTimePickerfin", "ButtonValide", "CancelBtn"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestHrsDlg::escapeCloses()
{
    QFETCH(QString, field);
    bool closed = false;
    withReport(u"1"_s, [&](TfrmhrsatDlg& report) {
        report.findChild<QWidget*>(field)->setFocus();
        press(&report, Qt::Key_Escape);
        closed = !report.isVisible();
        QCOMPARE(report.result(), int(QDialog::Rejected));
    });
    QVERIFY(closed);
    QVERIFY(m_run->platform.shellOpened.isEmpty());
}

void TestHrsDlg::calendarPickUpdatesDaysAndAverage()
{
    withReport(u"15"_s, [&](TfrmhrsatDlg& report) {
        pickInCalendar(report.DateTimePickerdebut, QDate(2011, 3, 1));
        QCOMPARE(report.DateTimePickerdebut->date(), QDate(2011, 3, 1));
        QTRY_COMPARE(report.StaticTextnjour->text(), u"-25"_s);
        QCOMPARE(report.StaticTextmoyenne->text(), u"0 hrs -36 mn 0 lndg"_s);
        pickInCalendar(report.DateTimePickerfin, QDate(2011, 3, 31));
        QCOMPARE(report.DateTimePickerfin->date(), QDate(2011, 3, 31));
        QTRY_COMPARE(report.StaticTextnjour->text(), u"30"_s);
        QCOMPARE(report.StaticTextmoyenne->text(), u"0 hrs 30 mn 0 lndg"_s);
        // The same day at both ends: no day between them, and no average.
        pickInCalendar(report.DateTimePickerdebut, QDate(2011, 3, 31));
        QTRY_COMPARE(report.StaticTextnjour->text(), u"0"_s);
        QVERIFY(m_run->platform.errors.isEmpty());
    });
}

void TestHrsDlg::dateChangedWithoutTheCalendarUpdatesTheReport_data()
{
    // Keys into a picker whose day is selected ("v": the down arrow), the dates after them.
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("average");
    const QDate start(2011, 1, 5);
    const QDate end(2011, 2, 4);
    QTest::newRow("typed start date kept the old day count")
        << u"DateTimePickerdebut"_s << u"01012011"_s << QDate(2011, 1, 1) << end << u"34"_s
        << u"0 hrs 26 mn 0 lndg"_s;
    QTest::newRow("arrow down in the end date")
        << u"DateTimePickerfin"_s << u"v"_s << start << QDate(2011, 2, 3) << u"29"_s
        << u"0 hrs 31 mn 0 lndg"_s;
    QTest::newRow("end typed before the start")
        << u"DateTimePickerfin"_s << u"01012011"_s << start << QDate(2011, 1, 1) << u"-4"_s
        << u"-3 hrs -45 mn 0 lndg"_s;
}

void TestHrsDlg::dateChangedWithoutTheCalendarUpdatesTheReport()
{
    QFETCH(QString, picker);
    QFETCH(QString, keys);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, days);
    QFETCH(QString, average);
    withReport(u"15"_s, [&](TfrmhrsatDlg& report) {
        report.findChild<QWidget*>(picker)->setFocus();
        if (keys == u"v"_s)
            press(&report, Qt::Key_Down);
        else
            type(&report, keys);
        QCOMPARE(report.DateTimePickerdebut->date(), start);
        QCOMPARE(report.DateTimePickerfin->date(), end);
        QCOMPARE(report.StaticTextnjour->text(), days);
        QCOMPARE(report.StaticTextmoyenne->text(), average);
        QTest::mouseClick(report.RadioButton2, Qt::LeftButton);
        click(report.ButtonValide);
    });
    // The exported totals line and period line agree with the dates.
    const QChar sep = m_run->platform.dateSep;
    const QStringList lines =
        linesOf(rtf::read(listingfile::read(m_folder->path(), u"hrsvol.rtf"_s)));
    QCOMPARE(lines.value(3),
             u"Total flight hours : 15 hrs 0 mn 0 lndg    Average days : "_s + average);
    QCOMPARE(lines.value(5), u" flight hours "_s + days + u" day  from "_s +
                                 hoursreport::reportDate(start, sep) + u" to "_s +
                                 hoursreport::reportDate(end, sep));
}

void TestHrsDlg::secondReportAfterReopeningAgreesWithItsRows()
{
    // Rows of 50 and 75 minutes (3 landings) exported; the calculator closed, reopened and
    // its reset ledger exported: the second report used to carry the first one's subtotals
    // and average beside a total of zero.
    const QStringList reports[] = {
        {u"Total flight hours : 2 hrs 5 mn 3 lndg    Average days : 0 hrs 4 mn 0 lndg"_s,
         u"+000000 Hrs 50 mn 000000 lndg   ==> VFR"_s, u"+000000 Hrs 75 mn 000003 lndg   ==> VFR"_s,
         QString(50, u'-'), u"VFR  : 2 hrs 5 mn 3 lndg"_s, u"IFR   : 0 hrs 0 mn 0lndg"_s,
         u"Night : 0 hrs 0 mn 0 lndg"_s},
        {u"Total flight hours : 000000 hrs 00 mn 000000 lndg    Average days : 00 hrs 00mn  "_s,
         u"+ 000000 hrs 00 mn 000000 lndg   ==> VFR"_s, QString(50, u'-'), u"VFR"_s, u"IFR"_s,
         u"NIGHT"_s}};
    for (const auto& [keys, expected] :
         {std::pair{u"0.50+.75\r3"_s, reports[0]}, std::pair{QString(), reports[1]}}) {
        withReport(keys, [&](TfrmhrsatDlg& report) {
            QTest::mouseClick(report.RadioButton2, Qt::LeftButton);
            click(report.ButtonValide);
        });
        QStringList lines =
            linesOf(rtf::read(listingfile::read(m_folder->path(), u"hrsvol.rtf"_s)));
        lines.remove(4, 2); // the blank line and the period line
        QCOMPARE(lines.mid(3), expected);
    }
    QCOMPARE(m_run->platform.questions.size(), 1);
}

void TestHrsDlg::previewWithDefaultEntries()
{
    TWinControlForm1& reports = m_run->program->reports();
    QStringList memo;
    bool previewed = false;
    withReport(u"15"_s, [&](TfrmhrsatDlg& report) {
        whenModalOpens([&](QWidget* modal) {
            auto* preview = qobject_cast<TPrintPreview*>(modal);
            QVERIFY(preview);
            previewed = true;
            memo = linesOf(reports.QRMemo1->content());
            QTest::mouseClick(preview->CloseButton, Qt::LeftButton);
        });
        click(report.ButtonValide);
        QVERIFY(!report.isVisible());
        QCOMPARE(report.result(), int(QDialog::Accepted));
    });
    QVERIFY(previewed);
    const QChar sep = m_run->platform.dateSep;
    QCOMPARE(reports.QRLabel1->text(), u"Pilote CDB : NC       Aéronef : NC"_s);
    QCOMPARE(reports.QRLabelInfo->text(), u" Hours of flight 30 days  from "_s + period(sep));
    QCOMPARE(reports.QRLabelCol1->text(), u"Total flight hours : 15 hrs 0 mn 0 lndg"_s);
    QCOMPARE(reports.QRLabelCol2->text(), u"Average day : 0 hrs 30 mn 0 lndg"_s);
    QCOMPARE(reports.QRShapeclient->color(), QColor(0xFF, 0xFF, 0xD5));
    const QStringList expected = {u"+000015 Hrs 00 mn 000000 lndg   ==> VFR"_s, QString(50, u'-'),
                                  u"VFR  : 15 hrs 0 mn 0 lndg"_s, u"IFR   : 0 hrs 0 mn 0lndg"_s,
                                  u"Night : 0 hrs 0 mn 0 lndg"_s};
    QCOMPARE(memo, expected);
    QCOMPARE(linesOf(rtf::read(listingfile::read(m_folder->path(), u"hrsvol.rtf"_s))), expected);
    QVERIFY(m_run->platform.shellOpened.isEmpty());
    QVERIFY(m_run->platform.errors.isEmpty());
}

void TestHrsDlg::exportWritesTheHeadingAndOpensTheFile()
{
    bool closed = false;
    withReport(u"15"_s, [&](TfrmhrsatDlg& report) {
        report.Editpilote->selectAll();
        type(&report, u"abc"_s);
        QTest::mouseClick(report.RadioButton2, Qt::LeftButton);
        QVERIFY(report.RadioButton2->isChecked());
        report.ButtonValide->setFocus();
        press(&report, Qt::Key_Return);
        closed = !report.isVisible();
    });
    QVERIFY(closed);
    const QString path = QDir(m_folder->path()).filePath(u"hrsvol.rtf"_s);
    QCOMPARE(m_run->platform.shellOpened, QStringList{path});
    const StyledText file = rtf::read(listingfile::read(m_folder->path(), u"hrsvol.rtf"_s));
    // The regional date separator, one a reader sees: ar_EG's short date format puts an
    // invisible right-to-left mark before its "/" (the period read "05‏01‏2011").
    const QChar sep = m_run->platform.dateSep;
    QVERIFY(sep.isPrint() && !sep.isSpace() && sep.category() != QChar::Other_Format);
    if (expectedSeparator() == QChar(0x066B))
        QCOMPARE(sep, u'/');
    QCOMPARE(linesOf(file),
             (QStringList{
                 QString(22, u' ') + u"flight hours "_s, u"Pilote CDB : ABC       Aéronef : NC"_s,
                 QString(46, u' '),
                 u"Total flight hours : 15 hrs 0 mn 0 lndg    Average days : 0 hrs 30 mn 0 lndg"_s,
                 QString(46, u' '), u" flight hours 30 day  from "_s + period(sep),
                 u"+000015 Hrs 00 mn 000000 lndg   ==> VFR"_s, QString(50, u'-'),
                 u"VFR  : 15 hrs 0 mn 0 lndg"_s, u"IFR   : 0 hrs 0 mn 0lndg"_s,
                 u"Night : 0 hrs 0 mn 0 lndg"_s}));
    QCOMPARE(file.attributesAt(10).size, 18);
    QCOMPARE(file.attributesAt(40).size, 12);
    QVERIFY(file.attributesAt(40).bold);
    QCOMPARE(file.attributesAt(file.length() - 3).size, 8);
    QCOMPARE(m_run->program->reports().QRLabel1->text(), u"Pilote CDB : ABC       Aéronef : NC"_s);
}

void TestHrsDlg::failedSaveKeepsTheDialogOpen()
{
    const QString blocker = QDir(m_folder->path()).filePath(u"not-a-folder"_s);
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_run->platform.folder = blocker;
    bool open = false;
    withReport(u"1"_s, [&](TfrmhrsatDlg& report) {
        QTest::mouseClick(report.RadioButton2, Qt::LeftButton);
        click(report.ButtonValide);
        open = report.isVisible();
    });
    QVERIFY(open);
    QCOMPARE(m_run->platform.errors.size(), 1);
    QVERIFY(m_run->platform.shellOpened.isEmpty());
}

void TestHrsDlg::longTitleFitsItsFrame_data()
{
    QTest::addColumn<QString>("pilot");
    QTest::addColumn<QString>("aircraft");
    QTest::addColumn<bool>("smaller");
    QTest::newRow("defaults stay 10 points") << u"NC"_s << u"NC"_s << false;
    QTest::newRow("long names lost the aircraft at 10 points")
        << u"JEAN-PIERRE DUPONT-LEFEBVRE"_s << u"F-GABC ROBIN DR400"_s << true;
}

void TestHrsDlg::longTitleFitsItsFrame()
{
    QFETCH(QString, pilot);
    QFETCH(QString, aircraft);
    QFETCH(bool, smaller);
    TQRLabel* title = m_run->program->reports().QRLabel1;
    const QString text = u"Pilote COPIL : "_s + pilot + u"       Aéronef : "_s + aircraft;
    QImage page(10, 10, QImage::Format_RGB32);
    page.setDotsPerMeterX(23622); // 600 dots per inch
    page.setDotsPerMeterY(23622);
    const qreal dotsPerMm = 23.622;
    const QRectF frame(0, 0, title->geometry().width() * dotsPerMm,
                       title->geometry().height() * dotsPerMm);
    const QFont font = title->fittedFont(&page, text, frame);
    QCOMPARE(font.pointSizeF() < 10, smaller);
    QVERIFY(font.pointSizeF() >= 6);
    // Every word is inside the frame's whole lines.
    const QFontMetricsF metrics(font, &page);
    const qreal lines = std::floor(frame.height() / metrics.lineSpacing());
    QVERIFY(lines >= 1);
    const QRectF needed =
        metrics.boundingRect(QRectF(0, 0, frame.width(), 1e9), Qt::TextWordWrap, text);
    QVERIFY(needed.height() <= lines * metrics.lineSpacing());
}

QTEST_MAIN(TestHrsDlg)
#include "tst_hrsdlg.moc"
