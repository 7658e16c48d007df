// The listing commands and the three listings through the real windows: the report page
// headings each command sets, Apply in preview and export modes, the files written, the
// preview opened and closed, and the errors that keep the listing range window open.

#include "support/guitest.h"

#include "atmosphere/atmos.h"
#include "listings/Tableau.h"
#include "listings/listingdocument.h"
#include "listings/pubfree.h"
#include "report/printpreview.h"
#include "report/qrelements.h"
#include "widgets/closeupcombo.h"
#include "workbench/convers.h"
#include "workbench/kerosenepanel.h"
#include "workbench/temperaturepanel.h"
#include "wrench/cleangl.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

struct Outcome
{
    bool opened = false;     // the listing range window opened
    bool previewed = false;  // a preview opened (and was closed with its button)
    bool stayedOpen = false; // the listing range window was still open after Apply
    QString from;            // the From field after Apply
    QString title;           // the listing range window's title
};

QString tabs7()
{
    return u"\t\t\t\t\t\t\t"_s;
}

// Text as a rich-text file holds it: a character past ASCII (the separator U+066B) as \uN?.
QByteArray rtfBytes(const QString& text)
{
    QByteArray bytes;
    for (QChar c : text)
        bytes += c.unicode() < 0x80 ? QByteArray(1, char(c.unicode()))
                                    : "\\u" + QByteArray::number(c.unicode()) + '?';
    return bytes;
}

// A number as a listing file writes it: with the system separator, which the exported
// text takes as a point where its code page has none.
QString numberInFile(const QString& number, bool exported)
{
    const QChar separator = expectedSeparator();
    if (!exported)
        return QString::fromLatin1(rtfBytes(local(number)));
    return separator == u',' || separator == u'.' ? local(number) : number;
}

} // namespace

class TestListingCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void conversionHeadingsAndPreview();
    void conversionExportOpensTheFile();
    void conversionRowsFollowThePairFactors_data();
    void conversionRowsFollowThePairFactors();
    void keroseneHeadingsAndCorrectionLine();
    void temperatureFromTheMenuClampsFrom();
    void temperatureExportAndBadWholeNumber();
    void atmosphereDefaultsExportTheCsv();
    void atmospherePreviewOnItsPage();
    void atmosphereFahrenheitHasTwoDecimals_data();
    void atmosphereFahrenheitHasTwoDecimals();
    void capacityErrorKeepsTheWindowOpen();
    void noPairSelectedIsRefused();

private:
    // Runs `command` (which opens the listing range window), writes the range, picks the
    // mode and clicks "Apply"; a preview that opens is closed with its "Close" button.
    Outcome apply(const std::function<void()>& command, const QString& from, const QString& to,
                  const QString& step, bool exportMode);
    QByteArray file(const QString& name) const;
    QStringList documentLines() const;

    std::unique_ptr<Running> m_run;
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestListingCommands::init()
{
    m_run = std::make_unique<Running>();
    m_folder = std::make_unique<QTemporaryDir>();
    m_run->platform.folder = m_folder->path();
}

void TestListingCommands::cleanup()
{
    m_run.reset();
    m_folder.reset();
}

Outcome TestListingCommands::apply(const std::function<void()>& command, const QString& from,
                                   const QString& to, const QString& step, bool exportMode)
{
    Outcome outcome;
    TPub& pub = m_run->program->pub();
    whenModalOpens([&](QWidget* modal) {
        if (modal != &pub)
            return;
        outcome.opened = true;
        outcome.title = pub.title();
        pub.setListingRange(from, to, step);
        QTest::mouseClick(exportMode ? pub.RadioButton2 : pub.RadioButton1, Qt::LeftButton);
        if (!exportMode)
            whenModalOpens([&](QWidget* preview) {
                auto* page = qobject_cast<TPrintPreview*>(preview);
                if (!page) {
                    preview->close();
                    return;
                }
                outcome.previewed = true;
                QTest::mouseClick(page->CloseButton, Qt::LeftButton);
            });
        QTest::mouseClick(pub.Button2, Qt::LeftButton);
        outcome.stayedOpen = pub.isVisible();
        outcome.from = pub.Edit1->text();
        if (pub.isVisible())
            pub.reject();
    });
    command();
    return outcome;
}

QByteArray TestListingCommands::file(const QString& name) const
{
    QFile f(QDir(m_folder->path()).filePath(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList TestListingCommands::documentLines() const
{
    return m_run->program->cleDlg().listingDocument().lines();
}

void TestListingCommands::conversionHeadingsAndPreview()
{
    TFrmConversion& main = m_run->program->conversion();
    TWinControlForm1& reports = m_run->program->reports();
    QTest::mouseClick(static_cast<QWidget*>(main.ToolButton8), Qt::LeftButton); // weight: Lb / Kg
    const Outcome outcome = apply([&] { QTest::mouseClick(main.ButtonTableau, Qt::LeftButton); },
                                  u"1"_s, u"3"_s, u"1"_s, false);
    QVERIFY(outcome.opened);
    QCOMPARE(outcome.title, u"Conversion - Kg <>  Lb"_s);
    QCOMPARE(reports.QRLabelCol1->text(), u"Conversion: Lb en Kg"_s);
    QCOMPARE(reports.QRLabelCol2->text(), u"Conversion: Kg en Lb"_s);
    QCOMPARE(reports.QRLabel1->text(), u"PANEL :Kg <>  Lb"_s);
    QCOMPARE(reports.QRLabelInfo->text(), main.Memo1->toPlainText());
    QCOMPARE(reports.QRShapeclient->color(), QColor(0xCF, 0xE7, 0xE7));
    QVERIFY(outcome.previewed);
    QVERIFY(!outcome.stayedOpen);
    const QStringList lines = documentLines();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], local(u"1 Lb = 0.454 Kg"_s) + tabs7() + local(u"1 Kg = 2.205 Lb"_s));
    QVERIFY(file(u"conversion.rtf"_s).startsWith("{\\rtf"));
    QVERIFY(m_run->platform.errors.isEmpty());
}

void TestListingCommands::conversionExportOpensTheFile()
{
    TFrmConversion& main = m_run->program->conversion();
    QTest::mouseClick(static_cast<QWidget*>(main.ToolButton5),
                      Qt::LeftButton); // lengths: inch / mm
    const Outcome outcome = apply([&] { QTest::mouseClick(main.ButtonTableau, Qt::LeftButton); },
                                  u"127"_s, u"100"_s, u"1"_s, true);
    QVERIFY(!outcome.previewed);
    QVERIFY(!outcome.stayedOpen);
    const QStringList lines = documentLines();
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QString(25, u' ') + outcome.title);
    QCOMPARE(lines[2], u"Conversion: inch en mm\t\t\tConversion: mm en inch"_s);
    QCOMPARE(lines[4], local(u"127 inch = 3225.8 mm"_s) + tabs7() + u"127 mm = 5 inch"_s);
    QCOMPARE(m_run->platform.shellOpened,
             QStringList{QDir(m_folder->path()).filePath(u"conversion.rtf"_s)});
    const QByteArray rtf = file(u"conversion.rtf"_s);
    QVERIFY(rtf.contains("arial"));
    QVERIFY(rtf.contains("\\fs36")); // the 18-point title
}

void TestListingCommands::conversionRowsFollowThePairFactors_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("pair");
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("reference");
    QTest::newRow("square feet, 10.764 sq.ft per m2")
        << 1 << 1 << u"10"_s << u"10 sq.ft = 0.929 m2"_s << u"10 m2 = 107.64 sq.ft"_s
        << u"1sq.foot=0,092903 m2  1m2=10,764 sq.feet"_s;
    QTest::newRow("cubic feet, 35.314 cu.ft per m3")
        << 2 << 1 << u"10"_s << u"10 cu.ft = 0.283 m3"_s << u"10 m3 = 353.14 cu.ft"_s
        << u"1cu.ft=0,0283 m3 \n1m3=35,314 cu.ft "_s;
    QTest::newRow("miles per hour, 1.609344 km/h")
        << 11 << 0 << u"100"_s << u"100 MPH = 160.934 KmH"_s << u"100 KmH = 62.137 MPH"_s
        << u"1MPH = 1,609Km/h   1Km/h = 0.621371 MPH  "_s;
}

void TestListingCommands::conversionRowsFollowThePairFactors()
{
    QFETCH(int, category);
    QFETCH(int, pair);
    QFETCH(QString, n);
    QFETCH(QString, left);
    QFETCH(QString, right);
    TFrmConversion& main = m_run->program->conversion();
    pick(main.ComboBoxUniteDe, category);
    if (pair != 0)
        pick(main.ComboBoxConverse, pair);
    const Outcome outcome =
        apply([&] { QTest::mouseClick(main.ButtonTableau, Qt::LeftButton); }, n, n, u"1"_s, false);
    QVERIFY(outcome.previewed);
    QCOMPARE(documentLines(), QStringList{local(left) + tabs7() + local(right)});
    QTEST(m_run->program->reports().QRLabelInfo->text(), "reference");
    const QByteArray rtf = file(u"conversion.rtf"_s);
    QVERIFY(rtf.contains(QByteArray(rtfBytes(local(left)) + "\\tab\\tab")));
    QVERIFY(rtf.contains(rtfBytes(local(right))));
    QVERIFY(m_run->platform.errors.isEmpty());
}

void TestListingCommands::keroseneHeadingsAndCorrectionLine()
{
    TFrmConversion& main = m_run->program->conversion();
    TWinControlForm1& reports = m_run->program->reports();
    QTest::mouseClick(static_cast<QWidget*>(main.ToolButton4), Qt::LeftButton);
    const Outcome outcome = apply([&] { QTest::mouseClick(main.ButtonTableau, Qt::LeftButton); },
                                  u"1000"_s, u"1000"_s, u"1"_s, false);
    QVERIFY(outcome.previewed);
    QCOMPARE(reports.QRLabel1->text(), u" Litre/Lbs kerosene:Litres <>  Lbs  à  15 °C ."_s);
    const QString factor = main.PanelCorrection->factorText();
    QCOMPARE(reports.QRLabelInfo->text(),
             u"Correction factor 15°C (T° product) following tables  ASTM="_s + factor +
                 u"  Norme ISO N91/1   "_s);
    const QStringList lines = documentLines();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QString(25, u' '));
    QCOMPARE(lines[2], local(u"1000 LbS = 566.996 Litres"_s) + tabs7() +
                           local(u"1000 Litres = 1763.68 LbS"_s));
}

void TestListingCommands::temperatureFromTheMenuClampsFrom()
{
    TFrmConversion& main = m_run->program->conversion();
    TWinControlForm1& reports = m_run->program->reports();
    QTest::mouseClick(static_cast<QWidget*>(main.ToolButton6),
                      Qt::LeftButton); // the temperature panel
    QVERIFY(main.Paneltemp->isVisible());
    auto* menu = main.findChild<QAction*>(u"Editiondetableau1"_s);
    QVERIFY(menu);
    const Outcome outcome = apply([&] { menu->trigger(); }, u"-400"_s, u"-300"_s, u"5"_s, false);
    QCOMPARE(outcome.title, u"TEMPERATURES °F<>°C"_s);
    QCOMPARE(reports.QRLabelCol1->text(), u"Conversion: °F en °C "_s);
    QCOMPARE(reports.QRLabelCol2->text(), u"Conversion: C° en F° "_s);
    QCOMPARE(reports.QRLabelInfo->text(), u"TEMPERATURES °F<>°C"_s);
    QCOMPARE(reports.QRLabel1->text(), QString());
    QCOMPARE(reports.QRShapeclient->color(), QColor(0xFF, 0xB7, 0xB7));
    QVERIFY(outcome.previewed);
    QCOMPARE(outcome.from, u"-305"_s);
    const QStringList lines = documentLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], local(u"-305°F = -187.22°C"_s) + u"\t\t\t\t\t\t   -305°C = -517°F "_s);
}

void TestListingCommands::temperatureExportAndBadWholeNumber()
{
    TFrmConversion& main = m_run->program->conversion();
    QTest::mouseClick(static_cast<QWidget*>(main.ToolButton6), Qt::LeftButton);
    const auto command = [&] {
        QTest::mouseClick(main.Paneltemp->ButtonTemperature, Qt::LeftButton);
    };
    Outcome outcome = apply(command, u"100"_s, u"100"_s, u"1"_s, true);
    QVERIFY(!outcome.stayedOpen);
    QCOMPARE(documentLines().size(), 5);
    QCOMPARE(documentLines()[4],
             local(u"100°F = 37.78°C"_s) + u"\t\t\t\t\t\t   "_s + u"100°C = 212°F "_s);
    QCOMPARE(m_run->platform.shellOpened.size(), 1);

    // The main window may leave a decimal From: the temperature listing wants whole ones.
    QFile::remove(QDir(m_folder->path()).filePath(u"conversion.rtf"_s));
    outcome = apply(command, local(u"12.5"_s), u"100"_s, u"1"_s, true);
    QVERIFY(outcome.stayedOpen);
    QCOMPARE(m_run->platform.errors,
             QStringList{u"'"_s + local(u"12.5"_s) + u"' n'est pas une valeur entière correcte"_s});
    QVERIFY(file(u"conversion.rtf"_s).isEmpty());
    QCOMPARE(m_run->platform.shellOpened.size(), 1);
}

void TestListingCommands::atmosphereDefaultsExportTheCsv()
{
    TFrmConversion& main = m_run->program->conversion();
    TFrmAtmosphere& atmosphere = m_run->program->atmosphere();
    QFile earlier(QDir(m_folder->path()).filePath(u"atmospheres.rtf"_s));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();

    Outcome outcome;
    whenModalOpens([&](QWidget*) {
        outcome = apply(
            [&] {
                QTest::mouseClick(child<QPushButton>(&atmosphere, u"ButtonTemperature"_s),
                                  Qt::LeftButton);
            },
            u"-305"_s, u"13716"_s, u"150"_s, true);
        atmosphere.close();
    });
    main.abledamospherestandard1Click();
    QCOMPARE(outcome.title, u"Listing standard atmosphere"_s);
    QVERIFY(!outcome.stayedOpen);
    QVERIFY(!outcome.previewed);
    const QByteArray csv = file(u"atmospheres.csv"_s);
    const QList<QByteArray> lines = csv.split('\n');
    QCOMPARE(lines.size(), 96); // header, 94 rows, nothing after the last CRLF
    QCOMPARE(lines[0],
             QByteArray("ALTITUDE (m); ALTITUDE (feet) ;Temperature C\xB0;Temperature K\xB0;"
                        "Temperature F\xB0;Pression Hpa);Rapport;  Mass  ;  Racine ;  DENSITY  "
                        ";  Speed sound  \r"));
    // The code page holds "," and "."; any other separator is written as a point.
    const QByteArray sep = expectedSeparator() == u',' ? "," : ".";
    QByteArray row = "-305 m;-1000 ft;16,98 \xB0"
                     "C;289,98 \xB0K;62,56 \xB0"
                     "F;1050,4 hPa;"
                     "1,0369;1,2622;1,0150;1,0303;664,12 Kt\r";
    row.replace(',', sep);
    QCOMPARE(lines[1], row);
    QVERIFY(lines[94].startsWith("13645 m;"));
    QVERIFY(csv.endsWith("\r\n"));
    QCOMPARE(file(u"atmospheres.rtf"_s), QByteArray("earlier"));
    QCOMPARE(m_run->platform.messages.size(), 1);
    QVERIFY(m_run->platform.messages[0].endsWith(u"atmospheres.csv"_s));
}

void TestListingCommands::atmospherePreviewOnItsPage()
{
    TFrmConversion& main = m_run->program->conversion();
    TFrmAtmosphere& atmosphere = m_run->program->atmosphere();
    QFile earlier(QDir(m_folder->path()).filePath(u"atmospheres.csv"_s));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    Outcome outcome;
    whenModalOpens([&](QWidget*) {
        outcome = apply(
            [&] {
                QTest::mouseClick(child<QPushButton>(&atmosphere, u"ButtonTemperature"_s),
                                  Qt::LeftButton);
            },
            u"1000"_s, u"11000"_s, u"10000"_s, false);
        atmosphere.close();
    });
    main.abledamospherestandard1Click();
    QVERIFY(outcome.previewed);
    const QStringList lines = documentLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], u"1000 m\t3280"_s + expectedSeparator() +
                           local(u" ft\t\t8.5 °C\t281.5 °K 47.3 °F\t     898.75 hPa\t"
                                 u"0.8872\t1.1124\t     0.9529\t0.9081\t    654.34 Kt"_s));
    QVERIFY(lines[1].startsWith(u"11000 m\t36088 ft\t\t"_s));
    QVERIFY(file(u"atmospheres.rtf"_s).startsWith("{\\rtf"));
    // The file keeps the system separator, escaped where the code page has none.
    QVERIFY(file(u"atmospheres.rtf"_s).contains(QByteArray(rtfBytes(local(u"8.5 "_s)) + "\\'b0C")));
    QCOMPARE(file(u"atmospheres.csv"_s), QByteArray("earlier"));
}

void TestListingCommands::atmosphereFahrenheitHasTwoDecimals_data()
{
    QTest::addColumn<bool>("exportMode");
    QTest::newRow("atmospheres.csv") << true;
    QTest::newRow("atmospheres.rtf") << false;
}

void TestListingCommands::atmosphereFahrenheitHasTwoDecimals()
{
    // Regression: from 4958 m to 5128 m, 32 added in binary wrote "-0.619999999999997 °F"
    // and its like; the printed row wrapped.
    QFETCH(bool, exportMode);
    TFrmConversion& main = m_run->program->conversion();
    TFrmAtmosphere& atmosphere = m_run->program->atmosphere();
    Outcome outcome;
    whenModalOpens([&](QWidget*) {
        outcome = apply(
            [&] {
                QTest::mouseClick(child<QPushButton>(&atmosphere, u"ButtonTemperature"_s),
                                  Qt::LeftButton);
            },
            u"4950"_s, u"5130"_s, u"1"_s, exportMode);
        atmosphere.close();
    });
    main.abledamospherestandard1Click();
    QVERIFY(!outcome.stayedOpen);
    // Every °F text of the file: digits, at most two decimals, the degree sign (\'b0 in
    // rich text, byte B0 in the exported text).
    const QByteArray bytes = file(exportMode ? u"atmospheres.csv"_s : u"atmospheres.rtf"_s);
    static const QRegularExpression fahrenheit(
        uR"((-?\d+(?:(?:[.,]|\\u1643\?)(\d+))?) (?:\\'b0|\x{B0})F)"_s);
    QStringList texts;
    for (const QRegularExpressionMatch& match :
         fahrenheit.globalMatch(QString::fromLatin1(bytes))) {
        QVERIFY2(match.capturedLength(2) <= 2, qPrintable(match.captured(0)));
        texts << match.captured(1);
    }
    QCOMPARE(texts.size(), 181);
    QCOMPARE(texts[5095 - 4950], numberInFile(u"-0.62"_s, exportMode));
    QCOMPARE(texts[5041 - 4950], numberInFile(u"0.01"_s, exportMode));
}

void TestListingCommands::noPairSelectedIsRefused()
{
    // A pair caption edited by hand selects no pair: there is nothing to list.
    TFrmConversion& main = m_run->program->conversion();
    pick(main.ComboBoxUniteDe, 0);
    main.ComboBoxConverse->lineEdit()->setText(u"inch"_s);
    const Outcome outcome = apply([&] { QTest::mouseClick(main.ButtonTableau, Qt::LeftButton); },
                                  u"1"_s, u"3"_s, u"1"_s, true);
    QVERIFY(outcome.opened);
    QVERIFY(outcome.stayedOpen);
    QCOMPARE(m_run->platform.errors.size(), 1);
    QVERIFY(m_run->platform.errors[0].startsWith(u"Aucune conversion choisie"_s));
    QVERIFY(file(u"conversion.rtf"_s).isEmpty());
    QVERIFY(m_run->platform.shellOpened.isEmpty());
}

void TestListingCommands::capacityErrorKeepsTheWindowOpen()
{
    TFrmConversion& main = m_run->program->conversion();
    QTest::mouseClick(static_cast<QWidget*>(main.ToolButton6), Qt::LeftButton);
    const Outcome outcome =
        apply([&] { QTest::mouseClick(main.Paneltemp->ButtonTemperature, Qt::LeftButton); }, u"1"_s,
              u"3000"_s, u"1"_s, false);
    QVERIFY(outcome.stayedOpen);
    QVERIFY(!outcome.previewed);
    QCOMPARE(m_run->platform.errors, QStringList{u"Erreur d'insertion de ligne RichEdit"_s});
    QCOMPARE(documentLines().size(), 1514);
    QVERIFY(file(u"conversion.rtf"_s).isEmpty());
}

QTEST_MAIN(TestListingCommands)
#include "tst_listingcommands.moc"
