// Printing through the desktop's print system: a private CUPS server with a cups-pdf
// virtual printer, a two-page listing printed from the preview's "Print" command as a user
// does it (the queue picked in the print dialog), and the PDF that arrives compared with
// the "Save Report" PDF of the same preview.

#include "listings/Tableau.h"
#include "printqueue.h"
#include "report/printpreview.h"
#include "report/qrelements.h"
#include "reportsupport.h"
#include "support/guitest.h"
#include "wrench/cleangl.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QPdfDocument>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

// A text without its blanks, which the two PDFs, written by different programs, place
// differently between words and columns.
QString compact(QString text)
{
    static const QRegularExpression blanks(u"\\s+"_s);
    return text.remove(blanks);
}

struct Page
{
    QSizeF size; // points
    QString text;
    QList<int> rows;
};

// Each page of a PDF: its size, where the listing's `rows` (compact) stand in its text, in
// order of appearance, and its compact text with the rows taken out (headings, footer).
QList<Page> readPdf(const QString& path, const QStringList& rows)
{
    QPdfDocument pdf;
    QList<Page> pages;
    if (pdf.load(path) != QPdfDocument::Error::None)
        return pages;
    for (int index = 0; index < pdf.pageCount(); ++index) {
        Page page{pdf.pagePointSize(index), compact(pdf.getAllText(index).text()), {}};
        QMap<qsizetype, int> found;
        QString rest = page.text;
        for (int row = 0; row < rows.size(); ++row) {
            const QRegularExpression alone(u"(?<![\\d.])"_s +
                                           QRegularExpression::escape(rows[row]));
            for (const QRegularExpressionMatch& match : alone.globalMatch(page.text))
                found.insert(match.capturedStart(), row);
            rest.replace(alone, QString());
        }
        page.rows = found.values();
        page.text = rest;
        pages << page;
    }
    return pages;
}

} // namespace

class TestReportQueue : public QObject
{
    Q_OBJECT

private slots:
    void printedPagesArriveAsSaved();
};

void TestReportQueue::printedPagesArriveAsSaved()
{
    PrintQueue queue;
    QVERIFY2(queue.error().isEmpty(), qPrintable(u"no private CUPS server: "_s + queue.error()));
    // Qt's CUPS print plugin sees the private queue, and only through it can the job go.
    QVERIFY2(
        QPrinterInfo::availablePrinterNames().contains(QString::fromLatin1(queue.printerName)),
        qPrintable(u"Qt's printers: "_s + QPrinterInfo::availablePrinterNames().join(u", "_s)));

    Running run;
    QTemporaryDir folder;
    run.platform.folder = folder.path();
    TWinControlForm1& form = run.program->reports();
    const int listed = 150;
    form.empty(form.QuickRepTableau1);
    writeRows(run.program->cleDlg().listingDocument(), listed);
    run.program->cleDlg().listingDocument().saveRichText(run.platform, u"conversion.rtf"_s);
    form.QRLabel1->setText(u"PANEL :Kg <>  Lb"_s);
    form.QRLabelCol1->setText(u"Conversion: Lb en Kg"_s);
    form.QRLabelCol2->setText(u"Conversion: Kg en Lb"_s);

    const QString saved = folder.filePath(u"saved.pdf"_s);
    int previewPages = 0;
    bool savedReport = false;
    QString shown;
    QString chosen;
    bool printed = false;
    whenModalOpens([&](QWidget* modal) {
        auto* preview = qobject_cast<TPrintPreview*>(modal);
        if (!preview) {
            modal->close();
            return;
        }
        previewPages = preview->pageCount();
        savedReport = preview->saveReport(saved);
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QPrintDialog*>(modal);
            auto* printers = dialog ? dialog->findChild<QComboBox*>(u"printers"_s) : nullptr;
            auto* buttons = dialog ? dialog->findChild<QDialogButtonBox*>() : nullptr;
            if (!printers || !buttons) {
                modal->close();
                return;
            }
            // The user picks the cups-pdf queue and presses "Print".
            shown = printers->currentText();
            pick(printers, printers->findText(QString::fromLatin1(queue.printerName)));
            chosen = printers->currentText();
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
            printed = !dialog->isVisible();
            if (!printed)
                dialog->reject();
        });
        preview->Print->trigger();
        QTest::mouseClick(preview->CloseButton, Qt::LeftButton);
    });
    form.previewOnPage(form.QuickRepTableau1, u"conversion.rtf"_s);
    QVERIFY(savedReport);
    // The dialog opens on the server's default queue, which throws jobs away.
    QCOMPARE(shown, QString::fromLatin1(queue.defaultName));
    QCOMPARE(chosen, QString::fromLatin1(queue.printerName));
    QVERIFY(printed);
    QVERIFY(run.platform.errors.isEmpty());

    const QString arrived = queue.takePrintedPdf(90);
    QVERIFY2(!arrived.isEmpty(), qPrintable(queue.error()));
    if (qEnvironmentVariableIsSet("MIRANDEL_KEEP_REPORT")) {
        QFile::copy(saved, qEnvironmentVariable("MIRANDEL_KEEP_REPORT") + u".saved.pdf"_s);
        QFile::copy(arrived, qEnvironmentVariable("MIRANDEL_KEEP_REPORT") + u".printed.pdf"_s);
    }
    QStringList rows;
    for (const QString& line : run.program->cleDlg().listingDocument().text().split(u'\n'))
        if (!compact(line).isEmpty())
            rows << compact(line);
    QCOMPARE(rows.size(), listed);
    const QList<Page> want = readPdf(saved, rows);
    const QList<Page> got = readPdf(arrived, rows);
    QCOMPARE(want.size(), 2);
    QCOMPARE(previewPages, 2);
    QCOMPARE(got.size(), want.size());
    int next = 0;
    for (int page = 0; page < want.size(); ++page) {
        const QSizeF difference = got[page].size - want[page].size;
        QVERIFY2(qAbs(difference.width()) < 1 && qAbs(difference.height()) < 1,
                 qPrintable(u"page %1: printed %2 x %3 pt, saved %4 x %5 pt"_s.arg(page + 1)
                                .arg(got[page].size.width())
                                .arg(got[page].size.height())
                                .arg(want[page].size.width())
                                .arg(want[page].size.height())));
        // Headings, footer, date and page numbers.
        QCOMPARE(got[page].text, want[page].text);
        // The paper holds every row once, in order, each on the page where "Save Report"
        // puts it.
        QVERIFY2(!got[page].rows.isEmpty(), qPrintable(u"no row on page %1"_s.arg(page + 1)));
        for (int row : got[page].rows) {
            QVERIFY2(row == next,
                     qPrintable(u"page %1 prints \"%2\" where \"%3\" was due"_s.arg(page + 1).arg(
                         rows[row], rows.value(next))));
            QVERIFY2(want[page].rows.contains(row),
                     qPrintable(u"\"%1\" printed on page %2"_s.arg(rows[row]).arg(page + 1)));
            ++next;
        }
    }
    QCOMPARE(next, listed);
}

QTEST_MAIN(TestReportQueue)
#include "tst_reportqueue.moc"
