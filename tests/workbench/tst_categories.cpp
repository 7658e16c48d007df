// Choosing a category and a pair: the list pick, the pair pick and the category actions.

#include "support/guitest.h"

#include "widgets/closeupcombo.h"
#include "workbench/convers.h"
#include "workbench/kerosenepanel.h"
#include "workbench/temperaturepanel.h"
#include "workbench/valueentry.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

class TestCategories : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listPickSetsUpPairZero_data();
    void listPickSetsUpPairZero();
    void pairPick_data();
    void pairPick();
    void pairPickOnTheSamePairResetsTheFields();
    void pairChosenInTheBoxIsSetUp_data();
    void pairChosenInTheBoxIsSetUp();
    void conversions_data();
    void conversions();
    void massLabelsDependOnTheRoute();
    void categoryActions_data();
    void categoryActions();
    void temperaturesLeaveThePairListEmpty();
    void settingSelectionsFromCodeRunsNoPick();
    void noSelectedPairGivesNoResult();

private:
    std::unique_ptr<Running> m_run;
    TFrmConversion* m_main = nullptr;
    TValueEntry* m_entry = nullptr;
};

void TestCategories::init()
{
    m_run = std::make_unique<Running>();
    m_main = &m_run->program->conversion();
    m_entry = &m_main->entry();
}

void TestCategories::cleanup()
{
    m_run.reset();
}

void TestCategories::listPickSetsUpPairZero_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QStringList>("pairs");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("bottom");
    QTest::addColumn<QString>("reference");
    QTest::newRow("lengths") << 0 << QStringList{u"inch <> mm"_s, u" ft  <> m"_s, u" NM  <> Km"_s}
                             << u"inch"_s << u"mm"_s << u"1 inch=25,4mm  1mm=0,03937 inch"_s;
    QTest::newRow("volumes") << 2 << QStringList{u"cu.in <> cm3"_s, u"cu.ft<> m3"_s} << u"cu.in"_s
                             << u"cm3"_s << u"1cu.in=16,387 cm3  1cm3=0,061cu.in"_s;
    QTest::newRow("mass") << 4 << QStringList{u"Kg <>  Lb"_s} << u"Lbs"_s << u"Kg"_s
                          << u"1lb   = 0,4536 kg  1Kg= 2,2046 lbs  1lb=16 oz "_s;
    QTest::newRow("flow") << 9 << QStringList{u"cu.ft/min<> litres/mn"_s} << u"cu.ft/min"_s
                          << u"l/mn"_s << u"1cu.ft/min=28,33l/mn 1l/mn=0,0353cu.ft/mn"_s;
    QTest::newRow("kerosene") << 10 << QStringList{u"Litres <>  Lbs"_s} << u"LbS"_s << u"Litres"_s
                              << u"1litre = 1,76368 Lbs    1Lb = 0.56699 litre       à 15°c  "_s;
    QTest::newRow("speed") << 11 << QStringList{u"MPH <>  KmH"_s} << u"MPH"_s << u"KmH"_s
                           << u"1MPH = 1,609Km/h   1Km/h = 0.621371 MPH  "_s;
}

void TestCategories::listPickSetsUpPairZero()
{
    QFETCH(int, category);
    QFETCH(QStringList, pairs);
    QTest::keyClicks(m_entry->EditAnglo, u"3"_s);
    pick(m_main->ComboBoxUniteDe, category);
    QStringList items;
    for (int i = 0; i < m_main->ComboBoxConverse->count(); ++i)
        items << m_main->ComboBoxConverse->itemText(i);
    QCOMPARE(items, pairs);
    QCOMPARE(m_main->ComboBoxConverse->currentIndex(), 0);
    QTEST(m_main->LabelSaisieAnglo->text(), "top");
    QTEST(m_main->LabelsaisieMet->text(), "bottom");
    QTEST(m_main->Memo1->toPlainText(), "reference");
    QCOMPARE(m_entry->EditAnglo->text(), QString());
    QCOMPARE(m_entry->LabelFenetreEdition->text(), u"bas"_s);
    QCOMPARE(m_entry->EditAnglo->palette().color(QPalette::Base), QColor(0xD7D7D7));
    QCOMPARE(m_entry->EditMetrique->palette().color(QPalette::Base), QColor(0xFFFFFF));
    QCOMPARE(m_main->focusWidget(), m_entry->EditMetrique);
    QCOMPARE(m_main->PanelCorrection->isVisible(), category == 10);
}

void TestCategories::pairPick_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("pair");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("bottom");
    QTest::addColumn<QString>("reference");
    QTest::newRow("feet") << 0 << 1 << u"ft"_s << u"m"_s << u"1 ft=0,3048 m  1m=3,2808 ft"_s;
    QTest::newRow("nautical miles")
        << 0 << 2 << u"NM"_s << u"Km"_s << u"1 NM=1,852Km  1Km=0,54 NM"_s;
    QTest::newRow("cubic inches as lines")
        << 2 << 0 << u"cu.in"_s << u"cm3"_s << u"1cm3=0,061cu.in\n1cu.in=16,387 cm3 "_s;
    QTest::newRow("square feet") << 1 << 1 << u"sq.ft"_s << u"m2"_s
                                 << u"1sq.foot=0,092903 m2  1m2=10,764 sq.feet"_s;
    QTest::newRow("cubic feet") << 2 << 1 << u"cu.ft"_s << u"m3"_s
                                << u"1cu.ft=0,0283 m3 \n1m3=35,314 cu.ft "_s;
    QTest::newRow("gallons") << 3 << 1 << u"US gal"_s << u"litre"_s
                             << u"1 US gallon=3,78l    1l=0,26US gallon"_s;
    QTest::newRow("inch pounds") << 6 << 1 << u"in.lbf"_s << u"m.daN"_s
                                 << u"1in.lbf=0,0113m.daN  1m.daN=88,51in.lbf"_s;
}

void TestCategories::pairPick()
{
    QFETCH(int, category);
    QFETCH(int, pair);
    pick(m_main->ComboBoxUniteDe, category);
    pick(m_main->ComboBoxConverse, pair);
    QTEST(m_main->LabelSaisieAnglo->text(), "top");
    QTEST(m_main->LabelsaisieMet->text(), "bottom");
    QTEST(m_main->Memo1->toPlainText(), "reference");
}

void TestCategories::pairPickOnTheSamePairResetsTheFields()
{
    QTest::keyClicks(m_entry->EditAnglo, u"8"_s);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"3.6288 kg"_s));
    const QString reference = m_main->Memo1->toPlainText();
    pick(m_main->ComboBoxConverse, 0);
    QCOMPARE(m_entry->EditAnglo->text(), QString());
    QCOMPARE(m_entry->EditMetrique->text(), QString());
    QCOMPARE(m_entry->LabelFenetreEdition->text(), u"bas"_s);
    QCOMPARE(m_main->focusWidget(), m_entry->EditMetrique);
    // Mass has one pair: labels and reference text stay.
    QCOMPARE(m_main->Memo1->toPlainText(), reference);
    QCOMPARE(m_main->LabelSaisieAnglo->text(), u"Lb"_s);
}

void TestCategories::pairChosenInTheBoxIsSetUp_data()
{
    QTest::addColumn<int>("key");
    // Regression: the pair box moved to a pair without its set-up, so the conversion gave
    // feet beside the label "mm" and the reference text of the inch.
    QTest::newRow("caption typed, Enter") << int(Qt::Key_Return);
    QTest::newRow("caption typed, Tab") << int(Qt::Key_Tab);
    QTest::newRow("Down in the box") << int(Qt::Key_Down);
}

void TestCategories::pairChosenInTheBoxIsSetUp()
{
    QFETCH(int, key);
    pick(m_main->ComboBoxUniteDe, 0);
    // Active again after the drop-down, as under a window manager: leaving the box with
    // Tab needs the focus events.
    m_main->activateWindow();
    QTRY_VERIFY(m_main->isActiveWindow());
    QTest::keyClicks(m_entry->EditMetrique, u"7"_s);
    QTest::mouseClick(m_main->ComboBoxConverse->lineEdit(), Qt::LeftButton);
    QWidget* box = m_main->focusWidget();
    QCOMPARE(box, m_main->ComboBoxConverse);
    if (key != Qt::Key_Down) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, u" ft  <> m"_s);
    }
    QTest::keyClick(box, Qt::Key(key));
    QTRY_COMPARE(m_main->LabelSaisieAnglo->text(), u"ft"_s);
    QCOMPARE(m_main->ComboBoxConverse->currentText(), u" ft  <> m"_s);
    QCOMPARE(m_main->LabelsaisieMet->text(), u"m"_s);
    QCOMPARE(m_main->Memo1->toPlainText(), u"1 ft=0,3048 m  1m=3,2808 ft"_s);
    QCOMPARE(m_entry->EditAnglo->text(), QString());
    QCOMPARE(m_entry->LabelFenetreEdition->text(), u"bas"_s);
    QCOMPARE(m_main->focusWidget(), m_entry->EditMetrique);
    QTest::keyClicks(m_entry->EditMetrique, u"1"_s);
    QCOMPARE(m_entry->EditAnglo->text(), local(u"3.2808 ft"_s));
}

void TestCategories::conversions_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("pair");
    QTest::addColumn<bool>("fromTop");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("volumes m3 to cu.ft") << 2 << 1 << false << u"1"_s << u"35.314 cu.ft"_s;
    QTest::newRow("area m2 to sq.ft") << 1 << 1 << false << u"1"_s << u"10.764 sq.ft"_s;
    QTest::newRow("speed MPH to KmH") << 11 << 0 << true << u"100"_s << u"160.9344 KmH"_s;
    QTest::newRow("speed KmH to MPH") << 11 << 0 << false << u"100"_s << u"62.1371 MPH"_s;
    QTest::newRow("kerosene litres to pounds") << 10 << 0 << false << u"1"_s << u"1.7637 lbs"_s;
    QTest::newRow("kerosene pounds to litres") << 10 << 0 << true << u"1"_s << u"0.567 l"_s;
    QTest::newRow("flow") << 9 << 0 << true << u"2"_s << u"56.666 l/mn"_s;
    QTest::newRow("torque ft.lbf") << 6 << 0 << true << u"10"_s << u"1.356 m.daN"_s;
    QTest::newRow("pressure") << 7 << 0 << false << u"2.5"_s << u"36.25 psi"_s;
    QTest::newRow("force") << 5 << 0 << true << u"1000"_s << u"444.8 daN"_s;
    QTest::newRow("nautical miles") << 0 << 2 << true << u"3"_s << u"5.556 km"_s;
    QTest::newRow("pints") << 3 << 0 << false << u"3"_s << u"6.33 US pint"_s;
}

void TestCategories::conversions()
{
    QFETCH(int, category);
    QFETCH(int, pair);
    QFETCH(bool, fromTop);
    QFETCH(QString, typed);
    pick(m_main->ComboBoxUniteDe, category);
    if (pair != 0)
        pick(m_main->ComboBoxConverse, pair);
    QLineEdit* source = fromTop ? m_entry->EditAnglo : m_entry->EditMetrique;
    QLineEdit* target = fromTop ? m_entry->EditMetrique : m_entry->EditAnglo;
    QTest::mouseClick(source, Qt::LeftButton);
    QTest::keyClicks(source, typed);
    QFETCH(QString, result);
    QCOMPARE(target->text(), local(result));
    QVERIFY(m_run->platform.errors.isEmpty());
}

void TestCategories::massLabelsDependOnTheRoute()
{
    pick(m_main->ComboBoxUniteDe, 4);
    QCOMPARE(m_main->LabelSaisieAnglo->text(), u"Lbs"_s);
    QTest::mouseClick(m_main->ToolButton8, Qt::LeftButton);
    QCOMPARE(m_main->LabelSaisieAnglo->text(), u"Lb"_s);
    QCOMPARE(m_main->Memo1->toPlainText(), u"1lb = 0,4536 kg \n1Kg= 2,2046 lbs \n1lb=16 oz "_s);
}

void TestCategories::categoryActions_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("pairs");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("bottom");
    QTest::addColumn<QColor>("topColour");
    QTest::addColumn<QString>("reference");
    const QColor beige(0xDCD7B6), grey(0xD7D7D7);
    QTest::newRow("lengths button") << u"ToolButton5"_s << 0 << 3 << u"inch"_s << u"mm"_s << beige
                                    << u"1 inch=25,4mm\n1mm=0,03937 inch"_s;
    QTest::newRow("lengths menu") << u"Lengths1"_s << 0 << 3 << u"inch"_s << u"mm"_s << beige
                                  << u"1 inch=25,4mm\n1mm=0,03937 inch"_s;
    QTest::newRow("weight menu") << u"Weight1"_s << 4 << 1 << u"Lb"_s << u"Kg"_s << beige
                                 << u"1lb = 0,4536 kg \n1Kg= 2,2046 lbs \n1lb=16 oz "_s;
    QTest::newRow("pressure button") << u"ToolButton9"_s << 7 << 1 << u"psi"_s << u"bar"_s << beige
                                     << u"1psi=68,95mb     1bar=14,5psi"_s;
    QTest::newRow("volumes menu picks capacity")
        << u"Volumes1"_s << 3 << 2 << u"US pint"_s << u"litres"_s << grey
        << u"1 US pint=0,47 l    1l=2,11US pint"_s;
    QTest::newRow("kerosene button")
        << u"ToolButton4"_s << 10 << 1 << u"LbS"_s << u"Litres"_s << beige
        << u"1litre = 1,76368 Lbs    1Lb = 0.56699 litre       à 15°c  "_s;
    QTest::newRow("kerosene menu")
        << u"Massevolumekrosne1"_s << 10 << 1 << u"LbS"_s << u"Litres"_s << beige
        << u"1litre = 1,76368 Lbs    1Lb = 0.56699 litre       à 15°c  "_s;
}

void TestCategories::categoryActions()
{
    QFETCH(QString, action);
    QTest::keyClicks(m_entry->EditAnglo, u"3."_s);
    if (auto* button = m_main->findChild<QToolButton*>(action))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        m_main->findChild<QAction*>(action)->trigger();
    QTEST(m_main->ComboBoxUniteDe->currentIndex(), "category");
    QTEST(int(m_main->ComboBoxConverse->count()), "pairs");
    QCOMPARE(m_main->ComboBoxConverse->currentIndex(), 0);
    QTEST(m_main->LabelSaisieAnglo->text(), "top");
    QTEST(m_main->LabelsaisieMet->text(), "bottom");
    QTEST(m_entry->EditAnglo->palette().color(QPalette::Base), "topColour");
    QCOMPARE(m_entry->EditMetrique->palette().color(QPalette::Base), QColor(0xFFFFFF));
    QTEST(m_main->Memo1->toPlainText(), "reference");
    QCOMPARE(m_entry->EditAnglo->text(), QString());
    QCOMPARE(m_entry->LabelFenetreEdition->text(), u"bas"_s);
    QVERIFY(m_entry->ToolButtonPA->isEnabled());
    QCOMPARE(m_main->focusWidget(), m_entry->EditMetrique);
}

void TestCategories::temperaturesLeaveThePairListEmpty()
{
    const QString reference = m_main->Memo1->toPlainText();
    pick(m_main->ComboBoxUniteDe, 8);
    QCOMPARE(m_main->ComboBoxConverse->count(), 0);
    QVERIFY(m_main->Paneltemp->isVisible());
    QCOMPARE(m_main->Memo1->toPlainText(), reference);
    QCOMPARE(m_main->LabelSaisieAnglo->text(), u"Lb"_s);
    QTest::mouseClick(m_main->ToolButton9, Qt::LeftButton);
    QVERIFY(!m_main->Paneltemp->isVisible());
    QCOMPARE(m_main->ComboBoxConverse->count(), 1);
    pick(m_main->ComboBoxUniteDe, 8);
    pick(m_main->ComboBoxUniteDe, 1);
    QCOMPARE(m_main->ComboBoxConverse->count(), 2);
    QVERIFY(!m_main->Paneltemp->isVisible());
}

void TestCategories::settingSelectionsFromCodeRunsNoPick()
{
    // The weight action selects Mass in the list; the list pick would have set "Lbs".
    QTest::mouseClick(m_main->ToolButton8, Qt::LeftButton);
    QCOMPARE(m_main->ComboBoxUniteDe->currentIndex(), 4);
    QCOMPARE(m_main->LabelSaisieAnglo->text(), u"Lb"_s);
    // The temperature action selects Temperatures but keeps the pair list.
    QTest::mouseClick(m_main->ToolButton6, Qt::LeftButton);
    QCOMPARE(m_main->ComboBoxUniteDe->currentIndex(), 8);
    QCOMPARE(m_main->ComboBoxConverse->count(), 1);
    QVERIFY(m_main->Paneltemp->isVisible());
}

void TestCategories::noSelectedPairGivesNoResult()
{
    // Regression: with the pair text edited by hand no pair applies, and the conversion
    // used to show "0" for any entry.
    pick(m_main->ComboBoxUniteDe, 0);
    m_main->ComboBoxConverse->lineEdit()->setText(u"inch"_s);
    QTest::keyClicks(m_entry->EditMetrique, u"25"_s);
    QCOMPARE(m_entry->EditAnglo->text(), QString());
    QVERIFY(m_run->platform.errors.isEmpty());
    // Picking a pair again brings the conversion back.
    pick(m_main->ComboBoxConverse, 0);
    QTest::keyClicks(m_entry->EditMetrique, u"25"_s);
    QCOMPARE(m_entry->EditAnglo->text(), local(u"0.9843 in"_s));
}

QTEST_MAIN(TestCategories)
#include "tst_categories.moc"
