// The US/UK wrench listing through the whole program: the wrench dialog opened from the
// main window, a listing choice and "Apply"; the saved "cle_us_uk.rtf" read back, the
// report page's headings, the preview and the shell.

#include "listings/Tableau.h"
#include "listings/listingfile.h"
#include "listings/rtfreader.h"
#include "report/printpreview.h"
#include "report/qrelements.h"
#include "support/guitest.h"
#include "workbench/convers.h"
#include "wrench/cleangl.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>
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

} // namespace

class TestWrenchListing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void exportWritesTheFileAndOpensIt();
    void exportTwiceGivesTheSameFile();
    void previewShowsTheRowsUnderThePageHeadings();
    void failedSaveKeepsTheDialogOpen();

private:
    // Opens the wrench dialog from the toolbar, picks `choice` and presses "Apply"; runs
    // `inPreview` on the preview window if one opens, then closes it.
    void runListing(QRadioButton* TfrmcleDlg::*choice,
                    const std::function<void(TPrintPreview*)>& inPreview = {});
    QByteArray savedFile() const;

    std::unique_ptr<Running> m_run;
    std::unique_ptr<QTemporaryDir> m_folder;
    bool m_dialogOpenAfterApply = false;
    bool m_previewed = false;
};

void TestWrenchListing::init()
{
    m_run = std::make_unique<Running>();
    m_folder = std::make_unique<QTemporaryDir>();
    m_run->platform.folder = m_folder->path();
    m_previewed = false;
}

void TestWrenchListing::cleanup()
{
    m_run.reset();
    QDir::setCurrent(QDir::tempPath());
    m_folder.reset();
}

void TestWrenchListing::runListing(QRadioButton* TfrmcleDlg::*choice,
                                   const std::function<void(TPrintPreview*)>& inPreview)
{
    bool ran = false;
    whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmcleDlg*>(modal);
        QVERIFY(dialog);
        ran = true;
        QTest::mouseClick(dialog->*choice, Qt::LeftButton);
        QVERIFY((dialog->*choice)->isChecked());
        if (choice == &TfrmcleDlg::RadioButton2)
            whenModalOpens([&](QWidget* nested) {
                if (auto* preview = qobject_cast<TPrintPreview*>(nested)) {
                    m_previewed = true;
                    if (inPreview)
                        inPreview(preview);
                    QTest::mouseClick(preview->CloseButton, Qt::LeftButton);
                }
            });
        QTest::mouseClick(dialog->ButtonValide, Qt::LeftButton);
        m_dialogOpenAfterApply = dialog->isVisible();
        if (dialog->isVisible())
            dialog->reject();
    });
    QTest::mouseClick(m_run->program->conversion().ToolButton3, Qt::LeftButton);
    QVERIFY(ran);
}

QByteArray TestWrenchListing::savedFile() const
{
    return listingfile::read(m_folder->path(), u"cle_us_uk.rtf"_s);
}

void TestWrenchListing::exportWritesTheFileAndOpensIt()
{
    runListing(&TfrmcleDlg::RadioButton3);
    QVERIFY(!m_dialogOpenAfterApply);
    QVERIFY(!m_previewed);
    QVERIFY(m_run->platform.errors.isEmpty());
    QCOMPARE(m_run->platform.shellOpened,
             QStringList{QDir(m_folder->path()).filePath(u"cle_us_uk.rtf"_s)});

    const StyledText file = rtf::read(savedFile());
    const QStringList lines = linesOf(file);
    QCOMPARE(lines.size(), 36);
    QCOMPARE(lines.at(0), QString(15, u' ') + u"PANEL : wrench /câbles"_s);
    QCOMPARE(lines.at(4), u"wrench /câble  1 inch=25,4 mm:"_s);
    QCOMPARE(lines.at(11), local(u"wrench/câble  1/8 inch=3.175 mm"_s) + QString(5, u'\t') +
                               local(u"wrench/câble  1/8 inch=0.125 inch"_s));
    // The column heading: "Convers" black 18-point, the rest navy bold 12-point arial.
    const int heading = int(lines.at(0).size() + lines.at(1).size()) + 4;
    const TextAttributes convers = file.attributesAt(heading + 6);
    QCOMPARE(convers.size, 18);
    QCOMPARE(convers.colour, QRgb(0x000000));
    const TextAttributes rest = file.attributesAt(heading + 7);
    QCOMPARE(rest.font.toLower(), u"arial"_s);
    QCOMPARE(rest.size, 12);
    QCOMPARE(rest.colour, QRgb(0x000080));
    QVERIFY(rest.bold);
    // The rows are teal, 8 points, not bold.
    const TextAttributes row = file.attributesAt(file.length() - 3);
    QCOMPARE(row.colour, QRgb(0x008080));
    QCOMPARE(row.size, 8);
    QVERIFY(!row.bold);

    // The report page carries the listing's headings whatever the output.
    TWinControlForm1& reports = m_run->program->reports();
    QCOMPARE(reports.QRLabel1->text(), u"PANEL : wrench /câbles"_s);
    QCOMPARE(reports.QRLabelInfo->text(), u"wrench/cable  1 inch=25,4 mm"_s);
    QCOMPARE(reports.QRLabelCol1->text(), u"Conversion:    mm"_s);
    QCOMPARE(reports.QRLabelCol2->text(), u"Conversion:    inch "_s);
    QCOMPARE(reports.QRShapeclient->color(), QColor(0xFF, 0xFF, 0xD5));
}

void TestWrenchListing::exportTwiceGivesTheSameFile()
{
    runListing(&TfrmcleDlg::RadioButton3);
    const QByteArray first = savedFile();
    runListing(&TfrmcleDlg::RadioButton3);
    QCOMPARE(savedFile(), first);
    QCOMPARE(m_run->platform.shellOpened.size(), 2);
}

void TestWrenchListing::previewShowsTheRowsUnderThePageHeadings()
{
    TWinControlForm1& reports = m_run->program->reports();
    reports.setFill(QColor(0xCFE7E7)); // left by an earlier conversion listing
    int pages = 0;
    runListing(&TfrmcleDlg::RadioButton2, [&](TPrintPreview* preview) {
        pages = preview->pageCount();
        QCOMPARE(linesOf(reports.QRMemo1->content()).size(), 32);
    });
    QVERIFY(m_previewed);
    QCOMPARE(pages, 1);
    QVERIFY(!m_dialogOpenAfterApply);
    QVERIFY(m_run->platform.shellOpened.isEmpty());
    QCOMPARE(reports.QRShapeclient->color(), QColor(0xFF, 0xFF, 0xD5));
    const QStringList lines = linesOf(rtf::read(savedFile()));
    QCOMPARE(lines.size(), 32);
    QCOMPARE(lines.first(), u"wrench /câble  1 inch=25,4 mm:"_s);
    QCOMPARE(lines.at(7), local(u"wrench/câble  1/8 inch=3.175 mm"_s) + QString(5, u'\t') +
                              local(u"wrench/câble  1/8 inch=0.125 inch"_s));
}

void TestWrenchListing::failedSaveKeepsTheDialogOpen()
{
    // A folder that is a file: the listing cannot be saved.
    const QString blocker = QDir(m_folder->path()).filePath(u"not-a-folder"_s);
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_run->platform.folder = blocker;
    runListing(&TfrmcleDlg::RadioButton3);
    QCOMPARE(m_run->platform.errors.size(), 1);
    QVERIFY(m_dialogOpenAfterApply);
    QVERIFY(m_run->platform.shellOpened.isEmpty());
    QVERIFY(!m_previewed);
}

QTEST_MAIN(TestWrenchListing)
#include "tst_wrenchlisting.moc"
