// Preview on page through the whole program: a listing written, saved and previewed on
// QuickRepTableau1 (the demo path), the preview window's face and commands, the PDF of
// "Save Report" and "Load Report", and the errors.

#include "common/error.h"
#include "listings/Tableau.h"
#include "report/printpreview.h"
#include "report/qrelements.h"
#include "report/quickrep.h"
#include "reportsupport.h"
#include "support/guitest.h"
#include "wrench/cleangl.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

struct Listing
{
    Running run;
    QTemporaryDir folder;
    TWinControlForm1& form = run.program->reports();

    // Writes `rows` rows the way a generator does and saves them as "conversion.rtf".
    explicit Listing(int rows)
    {
        run.platform.folder = folder.path();
        ListingDocument& document = run.program->cleDlg().listingDocument();
        form.empty(form.QuickRepTableau1);
        writeRows(document, rows);
        document.saveRichText(run.platform, u"conversion.rtf"_s);
        form.QRLabel1->setText(u"PANEL :Kg <>  Lb"_s);
        form.QRLabelInfo->setText(u"1 lb   = 0,4536 kg"_s);
        form.QRLabelCol1->setText(u"Conversion: Lb en Kg"_s);
        form.QRLabelCol2->setText(u"Conversion: Kg en Lb"_s);
        form.setFill(QColor(0xCFE7E7));
    }
    ~Listing() { QDir::setCurrent(QDir::tempPath()); }

    // Opens the preview, runs `check` on it, closes it with its "&Close" button.
    void preview(std::function<void(TPrintPreview*)> check)
    {
        bool checked = false;
        whenModalOpens([&](QWidget* modal) {
            auto* preview = qobject_cast<TPrintPreview*>(modal);
            if (preview) {
                check(preview);
                checked = true;
                QTest::mouseClick(preview->CloseButton, Qt::LeftButton);
            } else {
                modal->close();
            }
        });
        form.previewOnPage(form.QuickRepTableau1, u"conversion.rtf"_s);
        QVERIFY(checked);
    }
};

QStringList pdfPageTexts(const QString& path)
{
    QPdfDocument pdf;
    if (pdf.load(path) != QPdfDocument::Error::None)
        return {u"<unreadable>"_s};
    QStringList texts;
    for (int page = 0; page < pdf.pageCount(); ++page)
        texts << pdf.getAllText(page).text();
    return texts;
}

} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT

private slots:
    void demoListingPreviewsOnTableau1();
    void previewWindowFace();
    void enterPressesOnlyTheFocusedButton();
    void navigationAndZoom();
    void saveReportWritesTheSamePages_data();
    void saveReportWritesTheSamePages();
    void saveReportThroughItsFileDialog();
    void printAndPrinterSetupUseQtDialogs();
    void loadReportShowsASavedPdf_data();
    void loadReportShowsASavedPdf();
    void letterPaperFromPrinterSetup();
    void loadReportErrors();
    void previewShowsTheFileNotTheDocument();
    void missingFileShowsNoPreview();
    void captionsAndFillOfThePages();
};

void TestReportPreview::demoListingPreviewsOnTableau1()
{
    Listing listing(300);
    int pages = 0;
    listing.preview([&](TPrintPreview* preview) {
        pages = preview->pageCount();
        QCOMPARE(preview->findChild<QLabel*>(u"PageLabel"_s)->text(), u"Page 1 of %1"_s.arg(pages));
    });
    QVERIFY2(pages >= 3 && pages <= 5, qPrintable(QString::number(pages)));
    // The page's rich-text box holds the file's lines.
    QCOMPARE(listing.form.QRMemo1->content().text(),
             listing.run.program->cleDlg().listingDocument().text());
    QVERIFY(listing.run.platform.errors.isEmpty());
}

void TestReportPreview::previewWindowFace()
{
    Listing listing(10);
    listing.preview([](TPrintPreview* preview) {
        QCOMPARE(preview->windowTitle(), u"Print Preview"_s);
        QVERIFY(preview->isModal());
        QVERIFY(preview->windowState() & Qt::WindowMaximized);
        QVERIFY(preview->windowFlags() & Qt::WindowStaysOnTopHint);
        QStringList hints;
        for (QAction* action : preview->findChild<QToolBar*>()->actions())
            if (!action->isSeparator() && !action->toolTip().isEmpty() &&
                !qobject_cast<QWidgetAction*>(action))
                hints << action->toolTip();
        hints.removeAll(u"&Close"_s);
        QCOMPARE(hints,
                 (QStringList{u"Zoom to fit"_s, u"100%"_s, u"Zoom to width"_s, u"First page"_s,
                              u"Previous page"_s, u"Next page"_s, u"Last page"_s, u"Go to page"_s,
                              u"Printer setup"_s, u"Print"_s, u"Save Report"_s, u"Load Report"_s}));
        QCOMPARE(preview->CloseButton->text(), u"&Close"_s);
        QCOMPARE(preview->findChild<QLabel*>(u"ZoomLabel"_s)->text(), u"100%"_s);
        QCOMPARE(preview->pageCount(), 1);
        QCOMPARE(preview->findChild<QLabel*>(u"PageLabel"_s)->text(), u"Page 1 of 1"_s);
    });
}

void TestReportPreview::enterPressesOnlyTheFocusedButton()
{
    Listing listing(10);
    bool openAfterEnterOnThePages = false;
    bool closedByEnterOnClose = false;
    whenModalOpens([&](QWidget* modal) {
        auto* preview = qobject_cast<TPrintPreview*>(modal);
        if (!preview) {
            modal->close();
            return;
        }
        QTest::keyClick(preview->focusWidget() ? preview->focusWidget() : preview, Qt::Key_Return);
        openAfterEnterOnThePages = preview->isVisible();
        // Regression: Enter on the focused "Close" button did nothing.
        preview->CloseButton->setFocus();
        QTest::keyClick(preview->CloseButton, Qt::Key_Return);
        closedByEnterOnClose = !preview->isVisible();
        if (preview->isVisible())
            preview->reject();
    });
    listing.form.previewOnPage(listing.form.QuickRepTableau1, u"conversion.rtf"_s);
    QVERIFY(openAfterEnterOnThePages);
    QVERIFY(closedByEnterOnClose);
}

void TestReportPreview::navigationAndZoom()
{
    Listing listing(400);
    listing.preview([](TPrintPreview* preview) {
        auto* status = preview->findChild<QLabel*>(u"PageLabel"_s);
        const int pages = preview->pageCount();
        QVERIFY(pages >= 4);
        preview->NextPage->trigger();
        QCOMPARE(status->text(), u"Page 2 of %1"_s.arg(pages));
        preview->LastPage->trigger();
        QCOMPARE(status->text(), u"Page %1 of %1"_s.arg(pages));
        preview->NextPage->trigger(); // stays on the last page
        QCOMPARE(preview->currentPage(), pages);
        preview->PreviousPage->trigger();
        QCOMPARE(preview->currentPage(), pages - 1);
        preview->FirstPage->trigger();
        QCOMPARE(status->text(), u"Page 1 of %1"_s.arg(pages));
        whenModalOpens([](QWidget* modal) {
            auto* ask = qobject_cast<QInputDialog*>(modal);
            QVERIFY(ask);
            ask->setIntValue(3);
            ask->accept();
        });
        preview->GoToPage->trigger();
        QCOMPARE(status->text(), u"Page 3 of %1"_s.arg(pages));
        auto* zoom = preview->findChild<QLabel*>(u"ZoomLabel"_s);
        preview->ZoomToWidth->trigger();
        QVERIFY(zoom->text().endsWith(u'%'));
        preview->Zoom100->trigger();
        QCOMPARE(zoom->text(), u"100%"_s);
        preview->ZoomToFit->trigger();
        QCOMPARE(preview->preview()->zoomMode(), QPrintPreviewWidget::FitInView);
        // Keyboard: Home, Page Down and End move through the pages.
        preview->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(preview));
        QWidget* focus = preview->focusWidget() ? preview->focusWidget() : preview;
        QTest::keyClick(focus, Qt::Key_Home);
        QTest::keyClick(focus, Qt::Key_PageDown);
        QCOMPARE(preview->currentPage(), 2);
        QTest::keyClick(focus, Qt::Key_End);
        QCOMPARE(preview->currentPage(), pages);
    });
}

void TestReportPreview::saveReportWritesTheSamePages_data()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("one row") << 1;
    QTest::newRow("hundreds of rows") << 500;
}

void TestReportPreview::saveReportWritesTheSamePages()
{
    QFETCH(int, rows);
    Listing listing(rows);
    const QString pdf = listing.folder.filePath(u"report.pdf"_s);
    int pages = 0;
    listing.preview([&](TPrintPreview* preview) {
        pages = preview->pageCount();
        QVERIFY(preview->saveReport(pdf));
    });
    const QStringList texts = pdfPageTexts(pdf);
    QCOMPARE(texts.size(), pages);
    const QString date = TQRSysData::dateText(listing.run.platform.today());
    for (int page = 0; page < texts.size(); ++page) {
        QVERIFY2(texts[page].contains(u"Edition du"_s), qPrintable(texts[page].right(200)));
        QVERIFY2(texts[page].contains(date), qPrintable(date));
        QCOMPARE(texts[page].contains(u"PANEL :Kg"_s), page == 0);
        QCOMPARE(texts[page].contains(u"Conversion: Lb en Kg"_s), page == 0);
    }
    QVERIFY(texts.front().contains(u"1 Lb = 0.454 Kg"_s));
    QVERIFY(texts.back().contains(u"%1 Kg = "_s.arg(rows)));
    // Page numbers, and each row once: the rows either side of a page break used to be
    // drawn on both pages, clipped out of sight, so a search found them twice.
    const QString all = texts.join(u'\n');
    for (int page = 0; page < texts.size(); ++page)
        QVERIFY2(texts[page].contains(TQRSysData::pageText(page + 1, pages)),
                 qPrintable(texts[page].right(120)));
    for (int n = 1; n <= rows; ++n)
        QCOMPARE(all.count(QRegularExpression(u"(?<![0-9])%1 Lb = "_s.arg(n))), 1);
    if (qEnvironmentVariableIsSet("MIRANDEL_KEEP_REPORT"))
        QFile::copy(pdf, qEnvironmentVariable("MIRANDEL_KEEP_REPORT"));
}

void TestReportPreview::saveReportThroughItsFileDialog()
{
    Listing listing(120);
    const QString pdf = listing.folder.filePath(u"chosen.pdf"_s);
    int pages = 0;
    listing.preview([&](TPrintPreview* preview) {
        pages = preview->pageCount();
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->objectName(), u"SaveReportDialog"_s);
            QCOMPARE(QDir(dialog->directory()).canonicalPath(),
                     QDir(listing.folder.path()).canonicalPath());
            // The user types the file name and presses Enter.
            auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
            QVERIFY(name);
            name->setFocus();
            name->selectAll();
            QTest::keyClicks(name, pdf);
            QTest::keyClick(name, Qt::Key_Return);
        });
        preview->SaveReport->trigger();
    });
    QCOMPARE(pdfPageTexts(pdf).size(), pages);
}

void TestReportPreview::printAndPrinterSetupUseQtDialogs()
{
    Listing listing(5);
    QStringList opened;
    listing.preview([&](TPrintPreview* preview) {
        for (QAction* action : {preview->Print, preview->PrinterSetup}) {
            whenModalOpens([&](QWidget* modal) {
                opened << QString::fromLatin1(modal->metaObject()->className());
                qobject_cast<QDialog*>(modal)->reject();
            });
            action->trigger();
        }
        QCOMPARE(preview->pageCount(), 1);
    });
    QCOMPARE(opened, (QStringList{u"QPrintDialog"_s, u"QPageSetupDialog"_s}));
}

void TestReportPreview::loadReportShowsASavedPdf_data()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("pages full of rows") << 250;
    // Regression: the margins and the room above the footer, where a saved page is
    // transparent, were shown (and printed) in solid black.
    QTest::newRow("one row, mostly blank paper") << 1;
}

void TestReportPreview::loadReportShowsASavedPdf()
{
    QFETCH(int, rows);
    Listing listing(rows);
    const QString pdf = listing.folder.filePath(u"saved.pdf"_s);
    listing.preview([&](TPrintPreview* preview) {
        const int pages = preview->pageCount();
        QVERIFY(preview->saveReport(pdf));
        QVERIFY(preview->loadReport(pdf));
        QVERIFY(preview->showsLoadedReport());
        QCOMPARE(preview->pageCount(), pages);
        QCOMPARE(preview->pageText(), u"Page 1 of %1"_s.arg(pages));
        // What the view shows: paper with text and lines on it, nowhere a black area.
        preview->ZoomToFit->trigger();
        QApplication::processEvents();
        const QImage shown = preview->preview()->grab().toImage();
        qsizetype dark = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                dark += QColor(shown.pixel(x, y)).lightness() < 50;
        QVERIFY2(
            dark < shown.width() * shown.height() / 20,
            qPrintable(u"%1 of %2 pixels dark"_s.arg(dark).arg(shown.width() * shown.height())));
        const QString pictures = qEnvironmentVariable("MIRANDEL_PICTURES");
        if (!pictures.isEmpty() && rows == 1)
            shown.save(QDir(pictures).filePath(u"load-report.png"_s));
    });
    QVERIFY(listing.run.platform.errors.isEmpty());
}

void TestReportPreview::letterPaperFromPrinterSetup()
{
    Listing listing(250);
    const QString pdf = listing.folder.filePath(u"letter.pdf"_s);
    int a4Pages = 0, pages = 0;
    listing.preview([&](TPrintPreview* preview) {
        a4Pages = preview->pageCount();
        whenModalOpens([](QWidget* modal) {
            auto* dialog = qobject_cast<QPageSetupDialog*>(modal);
            QVERIFY(dialog);
            auto* paper = dialog->findChild<QComboBox*>(u"pageSizeCombo"_s);
            QVERIFY(paper);
            const int letter = paper->findText(u"Letter"_s, Qt::MatchStartsWith);
            QVERIFY(letter >= 0);
            pick(paper, letter);
            dialog->accept();
        });
        preview->PrinterSetup->trigger();
        pages = preview->pageCount();
        QVERIFY(preview->saveReport(pdf));
    });
    QVERIFY2(pages >= a4Pages, qPrintable(u"%1 Letter pages, %2 A4"_s.arg(pages).arg(a4Pages)));
    QPdfDocument saved;
    QCOMPARE(saved.load(pdf), QPdfDocument::Error::None);
    QCOMPARE(saved.pageCount(), pages);
    const qreal margin = 10 / 25.4 * 72; // 10 mm in points
    for (int page = 0; page < pages; ++page) {
        QCOMPARE(saved.pagePointSize(page).toSize(), QSize(612, 792));
        // Every text inside the margins, the footer's too.
        const QPdfSelection text = saved.getAllText(page);
        QVERIFY(text.text().contains(u"Edition du"_s));
        QVERIFY(text.text().contains(TQRSysData::pageText(page + 1, pages)));
        const QRectF inked = text.boundingRectangle();
        QVERIFY2(inked.top() >= margin - 0.5 && inked.bottom() <= 792 - margin + 0.5 &&
                     inked.left() >= margin && inked.right() <= 612 - margin,
                 qPrintable(u"page %1: text from %2 to %3 pt"_s.arg(page + 1)
                                .arg(inked.top())
                                .arg(inked.bottom())));
    }
    // The footer's bottom line and the frame's sides on the paper, centred; blank below.
    const QImage last = saved.render(pages - 1, QSize(612 * 2, 792 * 2));
    // Ink within half a point of (x, y): a thin line falls between pixels.
    const auto ink = [&last](qreal xPt, qreal yPt) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const QColor colour =
                    QColor::fromRgba(last.pixel(qRound(xPt * 2) + dx, qRound(yPt * 2) + dy));
                if (colour.alpha() > 128 && colour.lightness() < 160)
                    return true;
            }
        return false;
    };
    const qreal side = (612 - 190 / 25.4 * 72) / 2;
    QVERIFY(ink(306, 792 - margin));
    QVERIFY(ink(side, 400) && ink(612 - side, 400));
    for (qreal x = 1; x < 611; x += 3)
        QVERIFY(!ink(x, 792 - margin + 3));
    const QString pictures = qEnvironmentVariable("MIRANDEL_PICTURES");
    if (!pictures.isEmpty()) {
        QImage first = saved.render(0, QSize(612 * 2, 792 * 2));
        first.fill(Qt::white);
        QPainter(&first).drawImage(0, 0, saved.render(0, QSize(612 * 2, 792 * 2)));
        first.save(QDir(pictures).filePath(u"letter-page.png"_s));
    }
}

void TestReportPreview::loadReportErrors()
{
    Listing listing(5);
    QFile junk(listing.folder.filePath(u"junk.pdf"_s));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a pdf");
    junk.close();
    listing.preview([&](TPrintPreview* preview) {
        QVERIFY(!preview->loadReport(listing.folder.filePath(u"missing.pdf"_s)));
        QVERIFY(!preview->loadReport(junk.fileName()));
        QVERIFY(!preview->showsLoadedReport());
        QCOMPARE(preview->pageCount(), 1);
        QVERIFY(!preview->saveReport(listing.folder.filePath(u"no/such/folder/x.pdf"_s)));
    });
    const QStringList& errors = listing.run.platform.errors;
    QCOMPARE(errors.size(), 3);
    QVERIFY(errors[0].startsWith(u"Impossible d'ouvrir le fichier \"missing.pdf\". "_s));
    QVERIFY(errors[1].startsWith(u"Impossible d'ouvrir le fichier \"junk.pdf\". "_s));
    QVERIFY(errors[2].startsWith(u"Impossible de créer le fichier \"x.pdf\". "_s));
}

void TestReportPreview::previewShowsTheFileNotTheDocument()
{
    Listing listing(3);
    ListingDocument& document = listing.run.program->cleDlg().listingDocument();
    const QString saved = document.text();
    document.addLine(u"never saved"_s);
    listing.preview([](TPrintPreview*) {});
    QCOMPARE(listing.form.QRMemo1->content().text(), saved);
}

void TestReportPreview::missingFileShowsNoPreview()
{
    Listing listing(3);
    bool opened = false;
    whenModalOpens([&](QWidget* modal) {
        opened = true;
        modal->close();
    });
    try {
        listing.form.previewOnPage(listing.form.QuickRepTableau1, u"hrsvol.rtf"_s);
        QFAIL("previewed a missing file");
    } catch (const MirandelError& error) {
        QVERIFY2(error.message().startsWith(u"Impossible d'ouvrir le fichier \"hrsvol.rtf\". "_s),
                 qPrintable(error.message()));
    }
    QTest::qWait(50);
    QVERIFY(!opened);
    QApplication::processEvents();
}

void TestReportPreview::captionsAndFillOfThePages()
{
    Running run;
    TWinControlForm1& form = run.program->reports();
    QVERIFY(!form.isVisible());
    const auto text = [&form](const char* name) {
        QObject* element = form.findChild<QObject*>(QString::fromLatin1(name));
        return element ? element->property("text").toString() : u"<missing>"_s;
    };
    QCOMPARE(form.findChild<QObject*>(u"QRShapeclient"_s)->property("color").value<QColor>(),
             QColor(0xFFFFD5));
    QCOMPARE(text("QRLabel9"), u"Edition du"_s);
    QCOMPARE(text("QRLabel7"), u"Listing standard atmosphére "_s);
    QCOMPARE(text("QRLabel5"), u"Altitude                          Température"_s);
    QCOMPARE(
        text("QRLabel11"),
        u"Standard sea level  :           Pression  1013,25  hPa      /    Temperature  15°C    "_s);
    QCOMPARE(text("QRLabel10"), u"Racine         Density      Spd/sound  "_s);
    QCOMPARE(text("QRLabel17"), u"Pression "_s);
    QVERIFY(text("QRLabel2").startsWith(u"  "_s));
    for (const char* name :
         {"QRSubDetail5", "QRMemo1", "QRImage1", "QRShape2", "QRBand3", "QRMemo2", "QRImage2",
          "QRShape1", "QRSysData1", "QRSysData2", "QRSysData5", "QRLabel13", "QRLabel14",
          "QRLabel15", "QRLabel16", "QRLabel18", "QRLabel3", "QRLabel6"})
        QVERIFY2(form.findChild<QObject*>(QString::fromLatin1(name)), name);

    // Temperature after conversion: nothing of the conversion headings remains.
    for (auto [title, info, col1, col2, fill] :
         {std::tuple{u"PANEL :Kg <>  Lb"_s, u"1 lb   = 0,4536 kg"_s, u"Conversion: Lb en Kg"_s,
                     u"Conversion: Kg en Lb"_s, QColor(0xCFE7E7)},
          std::tuple{QString(), u"TEMPERATURES °F<>°C"_s, u"Conversion: °F en °C "_s,
                     u"Conversion: C° en F° "_s, QColor(0xFFB7B7)}}) {
        TWinControlForm1::setCaption(form.QRLabel1, title);
        TWinControlForm1::setCaption(form.QRLabelInfo, info);
        TWinControlForm1::setCaption(form.QRLabelCol1, col1);
        TWinControlForm1::setCaption(form.QRLabelCol2, col2);
        form.setFill(fill);
    }
    QCOMPARE(text("QRLabel1"), QString());
    QCOMPARE(text("QRLabelInfo"), u"TEMPERATURES °F<>°C"_s);
    QCOMPARE(text("QRLabelCol1"), u"Conversion: °F en °C "_s);
    QCOMPARE(form.QRShapeclient->property("fill").value<QColor>(), QColor(0xFFB7B7));
}

QTEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
