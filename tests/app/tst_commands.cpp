// The main window's menus, toolbar side tools, listing commands and credit labels.

#include "support/guitest.h"

#include "listings/pubfree.h"
#include "widgets/closeupcombo.h"
#include "widgets/creditlabel.h"
#include "widgets/trackbar.h"
#include "workbench/convers.h"
#include "workbench/kerosenepanel.h"
#include "workbench/temperaturepanel.h"
#include "workbench/valueentry.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sideWindowsOpenModallyAndClose_data();
    void sideWindowsOpenModallyAndClose();
    void flyingHoursMinimisesTheMainWindowMeanwhile();
    void wrenchSetsUpLengthsAndGivesTheFocusToTheReferenceText();
    void enterInTheReferenceTextOpensTheWrenchOnlyForLengths();
    void calculatorIsLaunched();
    void elseDropsTheCategoryListDown();
    void separatorItemDoesNothing();
    void previewAndAboutPrepareTheListingWindow();
    void enterPressesTheFocusedButton();
    void creditLabelsOpenTheSiteAndFollowTheMouse();

private:
    QString openAndClose(const std::function<void()>& command, bool* minimised = nullptr);

    std::unique_ptr<Running> m_run;
    TFrmConversion* m_main = nullptr;
};

void TestCommands::init()
{
    m_run = std::make_unique<Running>();
    m_main = &m_run->program->conversion();
}

void TestCommands::cleanup()
{
    m_run.reset();
}

QString TestCommands::openAndClose(const std::function<void()>& command, bool* minimised)
{
    QString opened;
    whenModalOpens([&](QWidget* modal) {
        opened = modal->objectName();
        if (minimised)
            *minimised = m_main->isMinimized();
        QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Escape);
        if (modal->isVisible()) {
            opened += u" (Escape did not close it)"_s;
            modal->close();
        }
    });
    command();
    return opened;
}

void TestCommands::sideWindowsOpenModallyAndClose_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::newRow("standard atmosphere") << u"abledamospherestandard1"_s << u"TFrmAtmosphere"_s;
    QTest::newRow("flying hours menu") << u"CalculetteHrsmin1"_s << u"Tfrmcalculhrs"_s;
    QTest::newRow("wrench menu") << u"ClsDiamcable1"_s << u"TfrmcleDlg"_s;
    QTest::newRow("about") << u"Apropos1"_s << u"TPub"_s;
    QTest::newRow("preview") << u"Editiondetableau1"_s << u"TPub"_s;
}

void TestCommands::sideWindowsOpenModallyAndClose()
{
    QFETCH(QString, action);
    QAction* command = m_main->findChild<QAction*>(action);
    QVERIFY(command);
    QTEST(openAndClose([command] { command->trigger(); }), "window");
    QVERIFY(m_main->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestCommands::flyingHoursMinimisesTheMainWindowMeanwhile()
{
    bool minimised = false;
    const QString opened = openAndClose(
        [this] { QTest::mouseClick(m_main->ToolButton2, Qt::LeftButton); }, &minimised);
    QCOMPARE(opened, u"Tfrmcalculhrs"_s);
    QVERIFY(minimised);
    QVERIFY(!m_main->isMinimized());
}

void TestCommands::wrenchSetsUpLengthsAndGivesTheFocusToTheReferenceText()
{
    const QString opened =
        openAndClose([this] { QTest::mouseClick(m_main->ToolButton3, Qt::LeftButton); });
    QCOMPARE(opened, u"TfrmcleDlg"_s);
    QCOMPARE(m_main->ComboBoxUniteDe->currentIndex(), 0);
    QCOMPARE(m_main->LabelSaisieAnglo->text(), u"inch"_s);
    QCOMPARE(m_main->focusWidget(), m_main->Memo1);
}

void TestCommands::enterInTheReferenceTextOpensTheWrenchOnlyForLengths()
{
    m_main->Memo1->setFocus();
    QTest::keyClick(m_main->Memo1, Qt::Key_Return); // Mass: nothing opens
    QVERIFY(!QApplication::activeModalWidget());

    QTest::mouseClick(m_main->ToolButton5, Qt::LeftButton);
    m_main->Memo1->setFocus();
    const QString opened = openAndClose([this] { QTest::keyClick(m_main->Memo1, Qt::Key_Return); });
    QCOMPARE(opened, u"TfrmcleDlg"_s);
    QCOMPARE(m_main->focusWidget(), m_main->Memo1);
}

void TestCommands::calculatorIsLaunched()
{
    QTest::mouseClick(m_main->ToolButton7, Qt::LeftButton);
    QCOMPARE(m_run->platform.calculatorLaunches, 1);
    QCOMPARE(m_main->ToolButton7->toolTip(), u"Computer"_s);
}

void TestCommands::elseDropsTheCategoryListDown()
{
    m_main->findChild<QAction*>(u"Units1"_s)->trigger();
    QTRY_VERIFY(m_main->ComboBoxUniteDe->view()->isVisible());
    QTest::keyClick(m_main->ComboBoxUniteDe->view(), Qt::Key_Escape);
    // Closing without a pick changes nothing.
    QCOMPARE(m_main->ComboBoxUniteDe->currentIndex(), 4);
}

void TestCommands::separatorItemDoesNothing()
{
    QTest::keyClicks(m_main->entry().EditAnglo, u"5"_s);
    QAction* item = m_main->findChild<QAction*>(u"N2"_s);
    QCOMPARE(item->text(), u"------------"_s);
    item->trigger();
    QCOMPARE(m_main->entry().EditAnglo->text(), u"5"_s);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestCommands::previewAndAboutPrepareTheListingWindow()
{
    TPub& pub = m_run->program->pub();
    bool panelShown = false;
    whenModalOpens([&](QWidget* modal) {
        panelShown = pub.PanelTableau->isVisible();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::mouseClick(m_main->ButtonTableau, Qt::LeftButton);
    QVERIFY(panelShown);
    QCOMPARE(pub.LabelTitre->text(), u"Conversion - Kg <>  Lb"_s);

    whenModalOpens([&](QWidget* modal) {
        panelShown = pub.PanelTableau->isVisible();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    m_main->findChild<QAction*>(u"Apropos1"_s)->trigger();
    QVERIFY(!panelShown);
}

void TestCommands::enterPressesTheFocusedButton()
{
    // Regression: the main window's buttons ignored Enter.
    m_main->ButtonTableau->setFocus();
    QCOMPARE(openAndClose([this] { QTest::keyClick(m_main->ButtonTableau, Qt::Key_Return); }),
             u"TPub"_s);

    QTest::mouseClick(m_main->ToolButton6, Qt::LeftButton);
    TTemperaturePanel& temperatures = *m_main->Paneltemp;
    temperatures.Button4->setFocus();
    QTest::keyClick(temperatures.Button4, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(temperatures.TrackBarDegCel->value(), 22);

    QTest::mouseClick(m_main->ToolButton4, Qt::LeftButton);
    TKerosenePanel& kerosene = *m_main->PanelCorrection;
    kerosene.BitBtn2->setFocus();
    QTest::keyClick(kerosene.BitBtn2, Qt::Key_Return);
    QCOMPARE(kerosene.TrackBar1->value(), 16);

    // Enter in an entry field presses no button.
    m_main->entry().EditMetrique->setFocus();
    QTest::keyClick(m_main->entry().EditMetrique, Qt::Key_Return);
    QCOMPARE(kerosene.TrackBar1->value(), 16);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestCommands::creditLabelsOpenTheSiteAndFollowTheMouse()
{
    QTest::mouseClick(m_main->Label4, Qt::LeftButton);
    QTest::mouseClick(m_main->Label10, Qt::LeftButton);
    QCOMPARE(m_run->platform.shellOpened.size(), 2);
    const QString home = m_run->platform.shellOpened[0];
    QVERIFY(home.startsWith(u"file://"_s));
    QVERIFY(home.endsWith(u"/site/index.html"_s));
    QCOMPARE(m_run->platform.shellOpened[1], home + u"#sponsor"_s);
    QCOMPARE(m_main->Label10->text(), u"Application offered by TALMORE"_s);
    QCOMPARE(m_main->Label10->toolTip(), u"A propos"_s);

    for (TCreditLabel* label : {m_main->Label4, m_main->Label10}) {
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0x808080));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(label, &enter);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(label, &leave);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0x808080));
    }
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
