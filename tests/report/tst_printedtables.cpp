// Every listing kind as a reader gets it on paper, through the real windows: the pages of
// the preview's "Save Report" (its own file dialog) and each RTF file the listing writes,
// printed by LibreOffice, read back word by word (pdftotext). Each row stands once, on one
// line; each column starts at the same place on every row and keeps 2 pt clear of the
// next; the atmosphere's columns stand under their headings; every page carries "n / m"
// in its footer, clear of the footer's other texts; LibreOffice lays the files on A4.
//
// MIRANDEL_PICTURES=<folder> also keeps a picture of each preview's first page at 100 %
// and the PDF files read.

#include "calculatorfixture.h"
#include "pdfwords.h"

#include "atmosphere/atmos.h"
#include "flying_hours/calculhrs.h"
#include "flying_hours/hrsdlg.h"
#include "listings/Tableau.h"
#include "listings/listingfile.h"
#include "listings/pubfree.h"
#include "listings/rtfreader.h"
#include "report/printpreview.h"
#include "report/qrelements.h"
#include "support/guitest.h"
#include "workbench/convers.h"
#include "workbench/temperaturepanel.h"
#include "wrench/cleangl.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

QStringList linesOf(const StyledText& text)
{
    QStringList lines = text.text().split(u"\r\n"_s);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// One listing kind: the lines its preview showed and its saved pages, and its RTF file
// with the number of heading lines above the table.
struct Listing
{
    QStringList previewLines;
    QString pdf;
    QString rtf;
    int rtfHeading = 0;
};

} // namespace

class TestPrintedTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void savedReport_data();
    void savedReport();
    void rtfInLibreOffice_data();
    void rtfInLibreOffice();

private:
    void produce();
    // Runs `command` (which opens the listing range window), fills in the range, picks the
    // mode and presses "Apply"; a preview that opens is saved as the listing `name`.
    void rangeListing(const QString& name, const std::function<void()>& command,
                      const QString& from, const QString& to, const QString& step, bool exportMode);
    // Arms the next modal window: if it is the preview, its pages are saved through
    // "Save Report" and the preview is closed with its button.
    void whenPreviewOpens(const QString& name, TQRRichText* memo);
    // Keeps the file the listing just wrote as the listing's RTF.
    void keepRtf(const QString& name, const QString& file, int heading);

    std::unique_ptr<Running> m_run;
    QTemporaryDir m_folder;
    QMap<QString, Listing> m_listings;
    QString m_libreOfficeError;
};

void TestPrintedTables::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_run = std::make_unique<Running>();
    m_run->platform.folder = m_folder.path();
    produce();
    QVERIFY(m_run->platform.errors.isEmpty());

    // LibreOffice prints every RTF file in one run, in a profile of its own.
    const QString soffice = QStandardPaths::findExecutable(u"soffice"_s);
    if (soffice.isEmpty()) {
        m_libreOfficeError = u"soffice is not installed (Debian package "
                             u"libreoffice-writer-nogui, which scripts/test.sh installs)"_s;
        return;
    }
    QTemporaryDir home;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home.path());
    process.setProcessEnvironment(environment);
    QStringList arguments{u"--headless"_s, u"--convert-to"_s, u"pdf"_s, u"--outdir"_s,
                          m_folder.filePath(u"office"_s)};
    for (const Listing& listing : std::as_const(m_listings))
        arguments << listing.rtf;
    process.start(soffice, arguments);
    if (!process.waitForFinished(600000))
        m_libreOfficeError = u"soffice did not finish: "_s + process.errorString();
}

void TestPrintedTables::cleanupTestCase()
{
    // The pictures' folder also gets the saved and the LibreOffice pages.
    const QString pictures = qEnvironmentVariable("MIRANDEL_PICTURES");
    for (const QString& folder : {u""_s, u"office/"_s})
        for (const QString& pdf : QDir(m_folder.filePath(folder)).entryList({u"*.pdf"_s}))
            if (!pictures.isEmpty())
                QFile::copy(
                    m_folder.filePath(folder + pdf),
                    QDir(pictures).filePath((folder.isEmpty() ? u"saved "_s : u"office "_s) + pdf));
    m_run.reset();
    QDir::setCurrent(QDir::tempPath());
}

void TestPrintedTables::whenPreviewOpens(const QString& name, TQRRichText* memo)
{
    whenModalOpens([this, name, memo](QWidget* modal) {
        auto* preview = qobject_cast<TPrintPreview*>(modal);
        if (!preview) {
            modal->close();
            return;
        }
        Listing& listing = m_listings[name];
        listing.previewLines = linesOf(memo->content());
        listing.pdf = m_folder.filePath(name + u".pdf"_s);
        const QString pictures = qEnvironmentVariable("MIRANDEL_PICTURES");
        if (!pictures.isEmpty()) {
            preview->setWindowState(Qt::WindowNoState);
            preview->resize(880, 1260);
            preview->Zoom100->trigger();
            QApplication::processEvents();
            preview->grab().save(QDir(pictures).filePath(name + u".png"_s));
        }
        whenModalOpens([&listing](QWidget* dialogWindow) {
            auto* dialog = qobject_cast<QFileDialog*>(dialogWindow);
            QVERIFY(dialog);
            auto* fileName = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
            QVERIFY(fileName);
            fileName->setFocus();
            fileName->selectAll();
            QTest::keyClicks(fileName, listing.pdf);
            QTest::keyClick(fileName, Qt::Key_Return);
        });
        preview->SaveReport->trigger();
        QTest::mouseClick(preview->CloseButton, Qt::LeftButton);
    });
}

void TestPrintedTables::keepRtf(const QString& name, const QString& file, int heading)
{
    Listing& listing = m_listings[name];
    QDir(m_folder.path()).mkpath(u"files"_s);
    listing.rtf = m_folder.filePath(u"files/"_s + name + u".rtf"_s);
    listing.rtfHeading = heading;
    QFile::remove(listing.rtf);
    QVERIFY2(QFile::copy(m_folder.filePath(file), listing.rtf), qPrintable(file));
}

void TestPrintedTables::rangeListing(const QString& name, const std::function<void()>& command,
                                     const QString& from, const QString& to, const QString& step,
                                     bool exportMode)
{
    TPub& pub = m_run->program->pub();
    TWinControlForm1& reports = m_run->program->reports();
    whenModalOpens([&](QWidget* modal) {
        QCOMPARE(modal, &pub);
        pub.setListingRange(from, to, step);
        QTest::mouseClick(exportMode ? pub.RadioButton2 : pub.RadioButton1, Qt::LeftButton);
        if (!exportMode)
            whenPreviewOpens(name, name == u"atmosphere"_s ? reports.QRMemo2 : reports.QRMemo1);
        QTest::mouseClick(pub.Button2, Qt::LeftButton);
        if (pub.isVisible())
            pub.reject();
    });
    command();
}

void TestPrintedTables::produce()
{
    TFrmConversion& main = m_run->program->conversion();
    const auto preview = [&main] { QTest::mouseClick(main.ButtonTableau, Qt::LeftButton); };

    // inch and mm past row 40, where the right half used to jump a stop; over two pages.
    QTest::mouseClick(static_cast<QWidget*>(main.ToolButton5), Qt::LeftButton);
    rangeListing(u"conversion"_s, preview, u"1"_s, u"150"_s, u"1"_s, false);
    rangeListing(u"conversion"_s, preview, u"1"_s, u"150"_s, u"1"_s, true);
    keepRtf(u"conversion"_s, u"conversion.rtf"_s, 4);

    QTest::mouseClick(static_cast<QWidget*>(main.ToolButton4), Qt::LeftButton);
    rangeListing(u"kerosene"_s, preview, u"1000"_s, u"1300"_s, u"10"_s, false);
    rangeListing(u"kerosene"_s, preview, u"1000"_s, u"1300"_s, u"10"_s, true);
    keepRtf(u"kerosene"_s, u"conversion.rtf"_s, 4);

    QTest::mouseClick(static_cast<QWidget*>(main.ToolButton6), Qt::LeftButton);
    const auto temperature = [&main] {
        QTest::mouseClick(main.Paneltemp->ButtonTemperature, Qt::LeftButton);
    };
    rangeListing(u"temperature"_s, temperature, u"-40"_s, u"400"_s, u"5"_s, false);
    rangeListing(u"temperature"_s, temperature, u"-40"_s, u"400"_s, u"5"_s, true);
    keepRtf(u"temperature"_s, u"conversion.rtf"_s, 4);

    // The atmosphere window's defaults, over both layers; the file is written for the
    // preview only.
    TFrmAtmosphere& atmosphere = m_run->program->atmosphere();
    whenModalOpens([&](QWidget*) {
        rangeListing(
            u"atmosphere"_s,
            [&] { QTest::mouseClick(atmosphere.ButtonTemperature, Qt::LeftButton); }, u"-305"_s,
            u"13716"_s, u"150"_s, false);
        atmosphere.close();
    });
    main.abledamospherestandard1Click();
    keepRtf(u"atmosphere"_s, u"atmospheres.rtf"_s, 0);

    // A ledger of added and taken-off time, previewed and exported.
    TfrmhrsatDlg& report = m_run->program->hrsDlg();
    QVERIFY(withCalculator(*m_run, [&](Tfrmcalculhrs& calculator) {
        type(&calculator, u"12.30+2.15-1.5+25.45"_s);
        QCOMPARE(calculator.displayLines().size(), 4);
        for (bool exportMode : {false, true}) {
            whenShown(&report, [&] {
                reactivate(&report);
                QTest::mouseClick(exportMode ? report.RadioButton2 : report.RadioButton1,
                                  Qt::LeftButton);
                if (!exportMode)
                    whenPreviewOpens(u"flying hours"_s, m_run->program->reports().QRMemo1);
                click(report.ButtonValide);
                if (report.isVisible())
                    report.reject();
            });
            click(calculator.Button1);
            reactivate(&calculator);
        }
    }));
    keepRtf(u"flying hours"_s, u"hrsvol.rtf"_s, 6);

    TfrmcleDlg& wrench = m_run->program->cleDlg();
    for (QRadioButton* choice : {wrench.RadioButton2, wrench.RadioButton3}) {
        whenModalOpens([&](QWidget* modal) {
            QCOMPARE(modal, &wrench);
            QTest::mouseClick(choice, Qt::LeftButton);
            if (choice == wrench.RadioButton2)
                whenPreviewOpens(u"wrench"_s, m_run->program->reports().QRMemo1);
            QTest::mouseClick(wrench.ButtonValide, Qt::LeftButton);
            if (wrench.isVisible())
                wrench.reject();
        });
        QTest::mouseClick(main.ToolButton3, Qt::LeftButton);
    }
    keepRtf(u"wrench"_s, u"cle_us_uk.rtf"_s, 4);
}

void TestPrintedTables::savedReport_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pages");
    QTest::newRow("conversion") << u"conversion"_s << 2;
    QTest::newRow("kerosene") << u"kerosene"_s << 1;
    QTest::newRow("temperature") << u"temperature"_s << 2;
    QTest::newRow("atmosphere") << u"atmosphere"_s << 2;
    QTest::newRow("flying hours") << u"flying hours"_s << 1;
    QTest::newRow("wrench") << u"wrench"_s << 1;
}

void TestPrintedTables::savedReport()
{
    QFETCH(QString, name);
    QFETCH(int, pages);
    const Listing listing = m_listings.value(name);
    QVERIFY2(!listing.previewLines.isEmpty(), "the listing was not previewed");
    const PdfWords pdf = readWords(listing.pdf);
    QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
    QCOMPARE(pdf.pages.size(), pages);

    QStringList faults;
    const QList<PrintedRow> rows = findRows(pdf, listing.previewLines, faults);
    faults << columnFaults(rows);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    QVERIFY(rows.size() >= 3);

    // "n / m" on every page, on the footer's line and clear of its other texts.
    const QList<QList<Word>> lines = printedLines(pdf.words);
    for (int page = 0; page < pages; ++page) {
        int found = 0;
        for (const QList<Word>& line : lines) {
            for (qsizetype w = 0; w + 2 < line.size(); ++w) {
                if (line[w].page != page || line[w].text != QString::number(page + 1) ||
                    line[w + 1].text != u"/"_s || line[w + 2].text != QString::number(pages))
                    continue;
                ++found;
                QVERIFY(line[w].top > pdf.pages[page].height() - 60); // in the footer
                QVERIFY(line.size() > 3);
                if (w > 0)
                    QVERIFY2(line[w].left - line[w - 1].right >= 2, qPrintable(line[w - 1].text));
                if (w + 3 < line.size())
                    QVERIFY2(line[w + 3].left - line[w + 2].right >= 2,
                             qPrintable(line[w + 3].text));
            }
        }
        QVERIFY2(found == 1,
                 qPrintable(u"page %1: \"n / m\" found %2 times"_s.arg(page + 1).arg(found)));
    }

    if (name != u"atmosphere"_s)
        return;
    // The data columns under their headings: each heading's middle lies within the
    // columns it names, from the leftmost start to the rightmost end.
    const QList<std::pair<QString, QList<int>>> headings = {
        {u"Altitude"_s, {0, 1}}, {u"Température"_s, {2, 3}}, {u"Pression"_s, {4}},
        {u"Ratio"_s, {5}},       {u"Masse"_s, {6}},          {u"Racine"_s, {7}},
        {u"Density"_s, {8}},     {u"Spd/sound"_s, {9}}};
    for (const auto& [heading, columns] : headings) {
        // On the headings' line, the lowest of the title band ("Pression" is also in the
        // sea-level line above it).
        const Word* word = nullptr;
        for (const Word& w : pdf.words)
            if (w.page == 0 && w.text == heading && w.top < rows.front().top &&
                (!word || w.top > word->top))
                word = &w;
        QVERIFY2(word, qPrintable(heading));
        qreal left = 1e9, right = -1e9;
        for (const PrintedRow& row : rows) {
            QCOMPARE(row.starts.size(), 10);
            for (int c : columns) {
                left = std::min(left, row.starts[c]);
                right = std::max(right, row.ends[c]);
            }
        }
        const qreal middle = (word->left + word->right) / 2;
        QVERIFY2(middle >= left && middle <= right,
                 qPrintable(u"%1 at %2 pt, its columns from %3 to %4 pt"_s.arg(heading)
                                .arg(middle)
                                .arg(left)
                                .arg(right)));
    }
}

void TestPrintedTables::rtfInLibreOffice_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"conversion", "kerosene", "temperature", "atmosphere", "flying hours", "wrench"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestPrintedTables::rtfInLibreOffice()
{
    QFETCH(QString, name);
    QVERIFY2(m_libreOfficeError.isEmpty(), qPrintable(m_libreOfficeError));
    const Listing listing = m_listings.value(name);
    const QString printed = m_folder.filePath(u"office/"_s + name + u".pdf"_s);
    // soffice's exit code says nothing: only the file does.
    QVERIFY2(QFile::exists(printed), qPrintable(u"LibreOffice printed nothing for "_s + name));
    const PdfWords pdf = readWords(printed);
    QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
    for (const QSizeF& page : pdf.pages) // A4, as the file declares
        QVERIFY2(qAbs(page.width() - 595.3) < 1 && qAbs(page.height() - 841.9) < 1,
                 qPrintable(u"%1 x %2 pt"_s.arg(page.width()).arg(page.height())));

    const QStringList table =
        linesOf(rtf::read(listingfile::read(m_folder.filePath(u"files"_s), name + u".rtf"_s)))
            .mid(listing.rtfHeading);
    QStringList faults;
    const QList<PrintedRow> rows = findRows(pdf, table, faults);
    faults << columnFaults(rows);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    QVERIFY(rows.size() >= 3);
}

QTEST_MAIN(TestPrintedTables)
#include "tst_printedtables.moc"
