// The listing range window and about box: its fields, keys, leave rules and "Apply".

#include "support/guitest.h"

#include "listings/pubfree.h"
#include "widgets/creditlabel.h"
#include "workbench/convers.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <limits>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

class TestPub : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rowCount_data();
    void rowCount();
    void aboutFaceOpensOnOkAndEnterCloses();
    void rangeFaceOpensOnFrom();
    void keyFiltersAndKeys();
    void leaveRules_data();
    void leaveRules();
    void applyOverCapacityWarnsAndCloses_data();
    void applyOverCapacityWarnsAndCloses();
    void applyWithBadTextKeepsTheWindowOpen();
    void exportFollowUps();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void siteLabelsOpenTheHomePageAndClose();

private:
    // Opens TPub as the conversion preview command does and runs `inside` while it is open.
    void withRangeWindow(const std::function<void(TPub&)>& inside);

    std::unique_ptr<Running> m_run;
    TPub* m_pub = nullptr;
};

void TestPub::init()
{
    m_run = std::make_unique<Running>();
    m_pub = &m_run->program->pub();
}

void TestPub::cleanup()
{
    m_run.reset();
}

void TestPub::withRangeWindow(const std::function<void(TPub&)>& inside)
{
    bool ran = false;
    whenModalOpens([&](QWidget*) {
        ran = true;
        inside(*m_pub);
        if (m_pub->isVisible())
            m_pub->reject();
    });
    QTest::mouseClick(m_run->program->conversion().ButtonTableau, Qt::LeftButton);
    QVERIFY(ran);
}

void TestPub::rowCount_data()
{
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::addColumn<qint64>("step");
    QTest::addColumn<qint64>("rows");
    QTest::newRow("1 to 100") << qint64(1) << qint64(100) << qint64(1) << qint64(100);
    QTest::newRow("1 to 3000") << qint64(1) << qint64(3000) << qint64(1) << qint64(3000);
    QTest::newRow("from above to") << qint64(5) << qint64(1) << qint64(1) << qint64(1);
    QTest::newRow("atmosphere defaults")
        << qint64(-305) << qint64(13716) << qint64(150) << qint64(94);
    QTest::newRow("2 to 10 by 4") << qint64(2) << qint64(10) << qint64(4) << qint64(3);
    QTest::newRow("2 to 9 by 4") << qint64(2) << qint64(9) << qint64(4) << qint64(2);
    // Regression: a step of 0 used to count forever.
    QTest::newRow("step 0 has no end") << qint64(1) << qint64(10) << qint64(0) << qint64(-1);
    QTest::newRow("negative step has no end")
        << qint64(1) << qint64(10) << qint64(-2) << qint64(-1);
    QTest::newRow("step 0 from above to") << qint64(11) << qint64(10) << qint64(0) << qint64(1);
    // Regression: To - From past the 64-bit range was undefined.
    QTest::newRow("-9e18 to 9e18, past 64 bits")
        << qint64(-9e18) << qint64(9e18) << qint64(1) << std::numeric_limits<qint64>::max();
    QTest::newRow("0 to the largest, one row too many for 64 bits")
        << qint64(0) << std::numeric_limits<qint64>::max() << qint64(1)
        << std::numeric_limits<qint64>::max();
}

void TestPub::rowCount()
{
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    QFETCH(qint64, step);
    QFETCH(qint64, rows);
    QCOMPARE(TPub::rowCount(from, to, step).value_or(-1), rows);
}

void TestPub::aboutFaceOpensOnOkAndEnterCloses()
{
    bool panel = true;
    QWidget* focus = nullptr;
    whenModalOpens([&](QWidget* modal) {
        panel = m_pub->PanelTableau->isVisible();
        focus = modal->focusWidget();
        QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
    });
    m_run->program->conversion().Label4Click();
    QVERIFY(!panel);
    QCOMPARE(focus, m_pub->OKButton);
    QVERIFY(!m_pub->isVisible());
    QVERIFY(m_pub->Label8->text().startsWith(u"Edition du "_s));
}

void TestPub::rangeFaceOpensOnFrom()
{
    withRangeWindow([&](TPub& pub) {
        QVERIFY(pub.PanelTableau->isVisible());
        QCOMPARE(pub.focusWidget(), pub.Edit1);
        QCOMPARE(pub.LabelTitre->text(), u"Conversion - Kg <>  Lb"_s);
    });
}

void TestPub::keyFiltersAndKeys()
{
    withRangeWindow([&](TPub& pub) {
        pub.Edit1->clear();
        QTest::keyClicks(pub.Edit1, u"-12a.,34567"_s);
        QCOMPARE(pub.Edit1->text(), u"-123456"_s); // seven characters at most
        QCOMPARE(m_run->platform.beeps, 3);
        QTest::keyClick(pub.Edit1, Qt::Key_Return);
        QCOMPARE(pub.focusWidget(), pub.Edit2);
        QTest::keyClick(pub.Edit2, Qt::Key_Delete);
        QCOMPARE(pub.Edit2->text(), QString());
        QTest::keyClicks(pub.Edit2, u"-99999999"_s);
        QCOMPARE(pub.Edit2->text(), u"9999999"_s);
        QCOMPARE(m_run->platform.beeps, 4);
        QTest::keyClick(pub.Edit2, Qt::Key_Return);
        QCOMPARE(pub.focusWidget(), pub.Edit3);
        QTest::keyClick(pub.Edit3, Qt::Key_Delete);
        QTest::keyClicks(pub.Edit3, u"123456"_s);
        QCOMPARE(pub.Edit3->text(), u"1234"_s);
        QTest::keyClick(pub.Edit3, Qt::Key_Return);
        QCOMPARE(pub.focusWidget(), pub.Button2);

        // "--" typed in an empty From empties it.
        pub.Edit1->setFocus();
        QTest::keyClick(pub.Edit1, Qt::Key_Delete);
        QTest::keyClicks(pub.Edit1, u"--"_s);
        QCOMPARE(pub.Edit1->text(), QString());
        QTest::keyClick(pub.Edit1, Qt::Key_Escape);
        QVERIFY(!pub.isVisible());
    });
}

void TestPub::leaveRules_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("From 0") << 1 << u"0"_s << u"1"_s;
    QTest::newRow("From -") << 1 << u"-"_s << u"1"_s;
    QTest::newRow("From empty") << 1 << QString() << u"1"_s;
    QTest::newRow("From -0 stays") << 1 << u"-0"_s << u"-0"_s;
    QTest::newRow("To 0") << 2 << u"0"_s << u"100"_s;
    QTest::newRow("To empty") << 2 << QString() << u"100"_s;
    QTest::newRow("To 00 stays") << 2 << u"00"_s << u"00"_s;
    QTest::newRow("Step 0") << 3 << u"0"_s << u"1"_s;
    QTest::newRow("Step 00") << 3 << u"00"_s << u"1"_s;
    QTest::newRow("Step empty") << 3 << QString() << u"1"_s;
    QTest::newRow("Step 10 stays") << 3 << u"10"_s << u"10"_s;
}

void TestPub::leaveRules()
{
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    withRangeWindow([&](TPub& pub) {
        QLineEdit* edit = field == 1 ? pub.Edit1 : field == 2 ? pub.Edit2 : pub.Edit3;
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(edit->text(), after);
    });
}

void TestPub::applyOverCapacityWarnsAndCloses_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("warned");
    QTest::newRow("3000 rows") << u"1"_s << u"3000"_s << u"1"_s << false;
    QTest::newRow("3001 rows") << u"1"_s << u"3001"_s << u"1"_s << true;
    QTest::newRow("step written as 0 by a caller") << u"1"_s << u"10"_s << u"0"_s << true;
    QTest::newRow("-9e18 to 9e18, once a count past 64 bits")
        << u"-9e18"_s << u"9e18"_s << u"1"_s << true;
}

void TestPub::applyOverCapacityWarnsAndCloses()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, step);
    QFETCH(bool, warned);
    withRangeWindow([&](TPub& pub) {
        pub.setListingRange(from, to, step);
        pub.Button2->setFocus(); // no field leave rule runs
        QTest::keyClick(pub.Button2, Qt::Key_Space);
        // 3000 rows pass the count; the conversion listing then outgrows the listing
        // document and its error keeps the window open.
        QCOMPARE(pub.isVisible(), !warned);
    });
    const QStringList expected{
        u"MIRANDEL|out of capacity\nlisting over 3000 lines over 33 pages"_s};
    QCOMPARE(m_run->platform.messages, warned ? expected : QStringList());
    QCOMPARE(m_run->platform.errors,
             warned ? QStringList() : QStringList{u"Erreur d'insertion de ligne RichEdit"_s});
}

void TestPub::applyWithBadTextKeepsTheWindowOpen()
{
    withRangeWindow([&](TPub& pub) {
        pub.Edit1->setFocus();
        QTest::keyClick(pub.Edit1, Qt::Key_Delete);
        QTest::keyClicks(pub.Edit1, u"5-"_s);
        QTest::mouseClick(pub.Button2, Qt::LeftButton);
        QVERIFY(pub.isVisible());
        QCOMPARE(m_run->platform.errors,
                 QStringList{u"'5-' n'est pas une valeur en virgule flottante correcte"_s});
    });
}

void TestPub::exportFollowUps()
{
    withRangeWindow([&](TPub& pub) {
        QTest::mouseClick(pub.RadioButton2, Qt::LeftButton);
        QTest::mouseClick(pub.Button2, Qt::LeftButton);
    });
    QCOMPARE(m_run->platform.shellOpened.size(), 1);
    QVERIFY(m_run->platform.shellOpened[0].endsWith(u"/conversion.rtf"_s));
    QVERIFY(m_run->platform.messages.isEmpty());

    // The atmosphere listing names the folder in an information box and opens nothing.
    m_pub->setTitle(TPub::atmosphereTitle());
    m_pub->showRangePanel(true);
    m_pub->setListingRange(u"-305"_s, u"13716"_s, u"150"_s);
    whenModalOpens([&](QWidget*) { QTest::mouseClick(m_pub->Button2, Qt::LeftButton); });
    m_pub->exec();
    QCOMPARE(m_run->platform.shellOpened.size(), 1);
    QCOMPARE(m_run->platform.messages.size(), 1);
    const QString message = m_run->platform.messages[0];
    QVERIFY(message.startsWith(
        u"MIRANDEL|Le Format exporté [atmospheres.csv] a été copié \n dans Le répertoire "_s));
    QVERIFY(message.endsWith(u"/atmospheres.csv"_s));
    QVERIFY(message.contains(m_run->platform.folder));

    // Regression: with no program for the file the export said nothing.
    m_run->platform.shellFails = true;
    m_pub->setTitle(u"Conversion - Kg <>  Lb"_s);
    whenModalOpens([&](QWidget*) { QTest::mouseClick(m_pub->Button2, Qt::LeftButton); });
    m_pub->exec();
    QCOMPARE(m_run->platform.shellOpened.size(), 2);
    QCOMPARE(m_run->platform.messages.size(), 2);
    QCOMPARE(m_run->platform.messages[1],
             u"MIRANDEL|Aucun programme n'a pu ouvrir le fichier exporté [conversion.rtf].\n"
             u"Il se trouve dans le répertoire "_s +
                 QDir::toNativeSeparators(m_run->platform.folder));
}

void TestPub::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<bool>("preview");
    QTest::addColumn<int>("tabs");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("listings");
    // Regression: Enter on "Apply" went to the OK button of the about face, under the range
    // panel, which closed the window without a listing.
    QTest::newRow("Apply after Enter in Step") << false << 0 << u"Button2"_s << true << 1;
    QTest::newRow("Cancel") << false << 1 << u"Button1"_s << true << 0;
    // Regression: so did Enter on either choice, and Tab reached that OK button.
    QTest::newRow("Export choice presses Apply") << false << 2 << u"RadioButton2"_s << true << 1;
    QTest::newRow("Preview choice presses Apply") << true << 2 << u"RadioButton1"_s << true << 1;
    QTest::newRow("Tab passes by OK under the panel") << false << 3 << u"Edit1"_s << false << 0;
}

void TestPub::enterPressesTheFocusedButton()
{
    QFETCH(bool, preview);
    QFETCH(int, tabs);
    QFETCH(int, listings);
    QString focused;
    bool closed = false;
    int made = 0;
    withRangeWindow([&](TPub& pub) {
        QTest::mouseClick(preview ? pub.RadioButton1 : pub.RadioButton2, Qt::LeftButton);
        pub.Edit1->setFocus();
        QTest::keyClick(pub.Edit1, Qt::Key_Return);
        QTest::keyClick(pub.Edit2, Qt::Key_Return);
        QTest::keyClick(pub.Edit3, Qt::Key_Return);
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(pub.focusWidget(), Qt::Key_Tab);
        focused = pub.focusWidget()->objectName();
        if (preview)
            whenModalOpens([&](QWidget* page) {
                ++made;
                page->close();
            });
        QTest::keyClick(pub.focusWidget(), Qt::Key_Return);
        closed = !pub.isVisible();
    });
    QTEST(focused, "focused");
    QTEST(closed, "closes");
    QCOMPARE(made + int(m_run->platform.shellOpened.size()), listings);
    QVERIFY(m_run->platform.errors.isEmpty());
}

void TestPub::siteLabelsOpenTheHomePageAndClose()
{
    for (const char* name : {"Label6", "Label9"}) {
        whenModalOpens([&](QWidget*) {
            QTest::mouseClick(m_pub->findChild<TCreditLabel*>(QString::fromLatin1(name)),
                              Qt::LeftButton);
        });
        m_run->program->conversion().Label4Click();
        QVERIFY(!m_pub->isVisible());
    }
    QCOMPARE(m_run->platform.shellOpened, QStringList(2, m_run->program->homePage()));
}

QTEST_MAIN(TestPub)
#include "tst_pub.moc"
