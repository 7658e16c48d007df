// The kerosene panel driven as a user drives it: the product temperature slider and its
// two buttons, the correction factor they show, and the conversions that follow at once.

#include "support/guitest.h"

#include "panelsupport.h"

#include "widgets/gauge.h"
#include "widgets/trackbar.h"
#include "workbench/convers.h"
#include "workbench/kerosenepanel.h"
#include "workbench/valueentry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

// The correction table as published, from -12 °C to 40 °C.
const QStringList published{
    u"1.0249"_s, u"1.0240"_s, u"1.0231"_s, u"1.0221"_s, u"1.0212"_s, u"1.0203"_s, u"1.0194"_s,
    u"1.0185"_s, u"1.0176"_s, u"1.0166"_s, u"1.0157"_s, u"1.0148"_s, u"1.0139"_s, u"1.0130"_s,
    u"1.0120"_s, u"1.0111"_s, u"1.0102"_s, u"1.0093"_s, u"1.0083"_s, u"1.0074"_s, u"1.0065"_s,
    u"1.0056"_s, u"1.0046"_s, u"1.0037"_s, u"1.0028"_s, u"1.0019"_s, u"1.0009"_s, u"1.0000"_s,
    u"0.9991"_s, u"0.9981"_s, u"0.9972"_s, u"0.9963"_s, u"0.9953"_s, u"0.9944"_s, u"0.9935"_s,
    u"0.9926"_s, u"0.9916"_s, u"0.9907"_s, u"0.9898"_s, u"0.9888"_s, u"0.9879"_s, u"0.9869"_s,
    u"0.9860"_s, u"0.9851"_s, u"0.9841"_s, u"0.9832"_s, u"0.9823"_s, u"0.9813"_s, u"0.9804"_s,
    u"0.9794"_s, u"0.9785"_s, u"0.9776"_s, u"0.9766"_s};

// The factor in the written form the convention of the running program uses.
QString written(const QString& factor)
{
    return QString(factor).replace(u'.', expectedSeparator());
}

// The running program with the kerosene category chosen from the toolbar.
struct Bench
{
    Running run;
    TFrmConversion& main = run.program->conversion();
    TValueEntry& entry = main.entry();
    TKerosenePanel* panel = child<TKerosenePanel>(&main, u"PanelCorrection"_s);
    TTrackBar* slider = child<TTrackBar>(panel, u"TrackBar1"_s);
    QPushButton* minus = child<QPushButton>(panel, u"BitBtn1"_s);
    QPushButton* plus = child<QPushButton>(panel, u"BitBtn2"_s);
    QLabel* factor = child<QLabel>(panel, u"LabelFctCorrec"_s);
    QLabel* temperature = child<QLabel>(panel, u"LabelTempCorrec"_s);
    QLabel* bulb = child<QLabel>(panel, u"LabelTempCorrec2"_s);
    TGauge* gauge = child<TGauge>(panel, u"Gauge1"_s);

    Bench() { QTest::mouseClick(main.ToolButton4, Qt::LeftButton); }
    QWidget* focus() { return main.focusWidget(); }
    // Moves the product temperature with the slider's keys.
    void moveTo(int degrees)
    {
        QTest::keyClick(slider, Qt::Key_Home);
        for (int t = -12; t < degrees; ++t)
            QTest::keyClick(slider, Qt::Key_Right);
    }
};

} // namespace

class TestKerosenePanel : public QObject
{
    Q_OBJECT

private slots:
    void startsAtFifteenDegreesInTheConventionsForm();
    void convertsWithTheFactorOfTheProductTemperature_data();
    void convertsWithTheFactorOfTheProductTemperature();
    void everyDegreeShowsItsPublishedFactor();
    void movingTheTemperatureConvertsAgainAtOnce();
    void buttonsStopAtTheEndsOfTheTable();
    void mouseDragsOverTheWholeRange();
    void topFieldSourceGetsTheFocusBackAfterEachMove();
    void sourceTextThatDoesNotParseShowsTheErrorBox();
    void temperatureAndFactorLastWhileHidden();
    void tabDoesNotReachTheHiddenReferenceText();
    void layoutIsTidy();
};

void TestKerosenePanel::startsAtFifteenDegreesInTheConventionsForm()
{
    Bench bench;
    QVERIFY(bench.panel->isVisible());
    QCOMPARE(bench.panel->geometry(), QRect(10, 167, 241, 164));
    QCOMPARE(bench.factor->text(), written(u"1.0000"_s));
    QCOMPARE(bench.temperature->text(), u"15"_s);
    QCOMPARE(bench.bulb->text(), u"15"_s);
    QCOMPARE(child<QLabel>(bench.panel, u"Label16"_s)->text(), u"°c"_s);
    QCOMPARE(child<QLabel>(bench.panel, u"Label13"_s)->text(), u"°C"_s);
    QCOMPARE(child<QLabel>(bench.panel, u"Label9"_s)->text(),
             u"1litre = 1,76368 Lbs          1Lb = 0.56699 litre à 15°c  "_s);
    QCOMPARE(child<QLabel>(bench.panel, u"Label12"_s)->text(), u"  Norme ISO N91/1   "_s);
    QCOMPARE(child<QLabel>(bench.panel, u"Label15"_s)->text(), u"following tables ASTM ="_s);
    QCOMPARE(bench.minus->text(), u"-T°"_s);
    QCOMPARE(bench.plus->text(), u"+T°"_s);
    QCOMPARE(bench.slider->minimum(), -12);
    QCOMPARE(bench.slider->maximum(), 40);
    QCOMPARE(bench.slider->value(), 15);
    QVERIFY(bench.slider->tickPosition() != QSlider::NoTicks);
    QCOMPARE(bench.slider->selStart(), 15);
    QCOMPARE(bench.slider->selEnd(), -12);
    QCOMPARE(bench.gauge->minimum(), -12);
    QCOMPARE(bench.gauge->maximum(), 45);
    QCOMPARE(bench.gauge->progress(), 15);
    // The table is held in both written forms.
    QCOMPARE(bench.panel->ComboBoxCoefCorrection2, published);
    QCOMPARE(bench.panel->ComboBoxCoefCorrection,
             QStringList(published).replaceInStrings(u"."_s, u","_s));
}

void TestKerosenePanel::convertsWithTheFactorOfTheProductTemperature_data()
{
    QTest::addColumn<int>("degrees");
    QTest::addColumn<QString>("field"); // where the value is typed
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("1 l at 15 °C") << 15 << u"EditMetrique"_s << u"1"_s << u"1.7637 lbs"_s;
    QTest::newRow("1 lb at 15 °C") << 15 << u"EditAnglo"_s << u"1"_s << u"0.567 l"_s;
    QTest::newRow("1 l at 40 °C") << 40 << u"EditMetrique"_s << u"1"_s << u"1.7224 lbs"_s;
    QTest::newRow("1 l at -12 °C") << -12 << u"EditMetrique"_s << u"1"_s << u"1.8076 lbs"_s;
    QTest::newRow("10 l at 20 °C") << 20 << u"EditMetrique"_s << u"10"_s << u"17.5539 lbs"_s;
    QTest::newRow("100 lb at 40 °C") << 40 << u"EditAnglo"_s << u"100"_s << u"58.0582 l"_s;
    QTest::newRow("2.5 l at 0 °C") << 0 << u"EditMetrique"_s << u"2.5"_s << u"4.4705 lbs"_s;
}

void TestKerosenePanel::convertsWithTheFactorOfTheProductTemperature()
{
    QFETCH(int, degrees);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    Bench bench;
    bench.moveTo(degrees);
    QCOMPARE(bench.temperature->text(), QString::number(degrees));
    auto* source = child<QLineEdit>(&bench.main, field);
    QLineEdit* target =
        source == bench.entry.EditAnglo ? bench.entry.EditMetrique : bench.entry.EditAnglo;
    QTest::mouseClick(source, Qt::LeftButton);
    QTest::keyClicks(source, typed);
    QCOMPARE(target->text(), local(result));
    QVERIFY(bench.run.platform.errors.isEmpty());
}

void TestKerosenePanel::everyDegreeShowsItsPublishedFactor()
{
    Bench bench;
    QTest::keyClick(bench.slider, Qt::Key_Home);
    for (int degrees = -12; degrees <= 40; ++degrees) {
        const QString at = QString::number(degrees);
        QCOMPARE(bench.slider->value(), degrees);
        QCOMPARE(bench.factor->text(), written(published.at(degrees + 12)));
        QCOMPARE(bench.temperature->text(), at);
        QCOMPARE(bench.bulb->text(), at);
        QCOMPARE(bench.gauge->progress(), degrees);
        QCOMPARE(bench.slider->selStart(), degrees);
        QTest::keyClick(bench.slider, Qt::Key_Right);
    }
    QCOMPARE(bench.slider->value(), 40);
    // The thermometer reaches 45 °C: at the hottest product its bar is not full.
    QCOMPARE(bench.gauge->percent(), 91);
    QVERIFY(bench.run.platform.errors.isEmpty());
}

void TestKerosenePanel::movingTheTemperatureConvertsAgainAtOnce()
{
    Bench bench;
    QTest::keyClicks(bench.entry.EditMetrique, u"10"_s);
    QCOMPARE(bench.entry.EditAnglo->text(), local(u"17.6368 lbs"_s));
    const QStringList expected{u"17.6209 lbs"_s, u"17.6033 lbs"_s, u"17.5874 lbs"_s,
                               u"17.5715 lbs"_s, u"17.5539 lbs"_s};
    for (const QString& result : expected) {
        QTest::mouseClick(bench.plus, Qt::LeftButton);
        QCOMPARE(bench.entry.EditAnglo->text(), local(result));
    }
    QCOMPARE(bench.factor->text(), written(u"0.9953"_s));
    QCOMPARE(bench.temperature->text(), u"20"_s);
    // Direction "bas": the focus stays on what the user clicked.
    QCOMPARE(bench.focus(), static_cast<QWidget*>(bench.plus));
    QTest::mouseClick(bench.minus, Qt::LeftButton);
    QCOMPARE(bench.entry.EditAnglo->text(), local(u"17.5715 lbs"_s));
}

void TestKerosenePanel::buttonsStopAtTheEndsOfTheTable()
{
    Bench bench;
    QTest::keyClick(bench.slider, Qt::Key_End);
    QCOMPARE(bench.slider->value(), 40);
    QTest::mouseClick(bench.plus, Qt::LeftButton);
    QCOMPARE(bench.slider->value(), 40);
    QCOMPARE(bench.factor->text(), written(u"0.9766"_s));
    QTest::keyClick(bench.slider, Qt::Key_Home);
    QCOMPARE(bench.slider->value(), -12);
    QTest::mouseClick(bench.minus, Qt::LeftButton);
    QCOMPARE(bench.slider->value(), -12);
    QCOMPARE(bench.factor->text(), written(u"1.0249"_s));
    QCOMPARE(bench.gauge->percent(), 0);
    QTest::mouseClick(bench.plus, Qt::LeftButton);
    QCOMPARE(bench.slider->value(), -11);
    QCOMPARE(bench.factor->text(), written(u"1.0240"_s));
}

void TestKerosenePanel::mouseDragsOverTheWholeRange()
{
    Bench bench;
    QTest::keyClicks(bench.entry.EditMetrique, u"1"_s);
    dragToEnd(bench.slider, true);
    QCOMPARE(bench.slider->value(), 40);
    QCOMPARE(bench.factor->text(), written(u"0.9766"_s));
    QCOMPARE(bench.entry.EditAnglo->text(), local(u"1.7224 lbs"_s));
    dragToEnd(bench.slider, false);
    QCOMPARE(bench.slider->value(), -12);
    QCOMPARE(bench.factor->text(), written(u"1.0249"_s));
    QCOMPARE(bench.entry.EditAnglo->text(), local(u"1.8076 lbs"_s));
    QCOMPARE(bench.gauge->progress(), -12);
    QVERIFY(bench.run.platform.errors.isEmpty());
}

void TestKerosenePanel::topFieldSourceGetsTheFocusBackAfterEachMove()
{
    Bench bench;
    QTest::mouseClick(bench.entry.EditAnglo, Qt::LeftButton);
    QTest::keyClicks(bench.entry.EditAnglo, u"100"_s);
    QCOMPARE(bench.entry.EditMetrique->text(), local(u"56.6996 l"_s));
    QTest::mouseClick(bench.plus, Qt::LeftButton);
    QCOMPARE(bench.focus(), bench.entry.EditAnglo);
    QCOMPARE(bench.entry.EditMetrique->text(), local(u"56.7507 l"_s));
    bench.slider->setFocus();
    QTest::keyClick(bench.slider, Qt::Key_End);
    QCOMPARE(bench.focus(), bench.entry.EditAnglo);
    QCOMPARE(bench.entry.EditMetrique->text(), local(u"58.0582 l"_s));
    QCOMPARE(bench.entry.EditAnglo->text(), u"100"_s);
}

void TestKerosenePanel::sourceTextThatDoesNotParseShowsTheErrorBox()
{
    Bench bench;
    QTest::keyClicks(bench.entry.EditMetrique, u"1"_s);
    QCOMPARE(bench.entry.EditAnglo->text(), local(u"1.7637 lbs"_s));
    // Pasted text passes the key filter; the key release absorbs its parse error.
    QGuiApplication::clipboard()->setText(u"abc"_s);
    QTest::keyClick(bench.entry.EditMetrique, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(bench.entry.EditMetrique, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(bench.entry.EditMetrique->text(), u"abc"_s);
    QVERIFY(bench.run.platform.errors.isEmpty());
    QTest::mouseClick(bench.plus, Qt::LeftButton);
    QCOMPARE(bench.run.platform.errors,
             QStringList{u"'abc' n'est pas une valeur en virgule flottante correcte"_s});
    QCOMPARE(bench.entry.EditAnglo->text(), local(u"1.7637 lbs"_s));
    // The move itself happened.
    QCOMPARE(bench.temperature->text(), u"16"_s);
    QCOMPARE(bench.factor->text(), written(u"0.9991"_s));
}

void TestKerosenePanel::temperatureAndFactorLastWhileHidden()
{
    Bench bench;
    bench.moveTo(30);
    QTest::mouseClick(bench.main.ToolButton8, Qt::LeftButton);
    QVERIFY(!bench.panel->isVisible());
    pickCategory(bench.main, catalogue::Kerosene);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(bench.panel->isVisible());
    QCOMPARE(bench.slider->value(), 30);
    QCOMPARE(bench.factor->text(), written(u"0.9860"_s));
    QTest::keyClicks(bench.entry.EditMetrique, u"1"_s);
    QCOMPARE(bench.entry.EditAnglo->text(), local(u"1.739 lbs"_s));
}

void TestKerosenePanel::tabDoesNotReachTheHiddenReferenceText()
{
    Bench bench;
    QPlainTextEdit* memo = bench.main.Memo1;
    QVERIFY(bench.panel->covers(memo));
    bench.main.ComboBoxUniteDe->setFocus();
    const QList<QWidget*> reached = tabWalk(&bench.main, 30);
    QVERIFY(reached.contains(bench.slider));
    QVERIFY(reached.contains(bench.entry.EditAnglo));
    QVERIFY(!reached.contains(memo));
    QTest::mouseClick(bench.main.ToolButton5, Qt::LeftButton);
    QCOMPARE(memo->focusPolicy(), Qt::StrongFocus);
    bench.main.ComboBoxUniteDe->setFocus();
    QVERIFY(tabWalk(&bench.main, 30).contains(memo));
}

void TestKerosenePanel::layoutIsTidy()
{
    Bench bench;
    const QStringList captions{u"Label7"_s,  u"LabelTempCorrec"_s,  u"Label13"_s, u"Label14"_s,
                               u"Label15"_s, u"LabelFctCorrec"_s,   u"Label12"_s, u"BitBtn1"_s,
                               u"BitBtn2"_s, u"LabelTempCorrec2"_s, u"Label16"_s};
    bench.moveTo(-12);
    QCOMPARE(cutCaptions(bench.panel, captions), QStringList());
    const QStringList controls{u"Label9"_s,         u"Label7"_s,  u"LabelTempCorrec"_s,
                               u"Label13"_s,        u"BitBtn1"_s, u"TrackBar1"_s,
                               u"BitBtn2"_s,        u"Label14"_s, u"Label15"_s,
                               u"LabelFctCorrec"_s, u"Label12"_s, u"Thermometer1"_s};
    QCOMPARE(overlaps(bench.panel, controls), QStringList());
    // The reference text wraps onto two whole lines: litres, then pounds.
    auto* reference = child<QLabel>(bench.panel, u"Label9"_s);
    const int lineHeight = reference->fontMetrics().lineSpacing();
    QVERIFY(reference->heightForWidth(reference->width()) <= 2 * lineHeight + 2);
    QVERIFY(reference->heightForWidth(reference->width()) <= reference->height());
    for (QWidget* widget : bench.panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(bench.panel->rect().contains(widget->geometry()),
                 qPrintable(widget->objectName()));
}

QTEST_MAIN(TestKerosenePanel)
#include "tst_kerosenepanel.moc"
