// The temperature panel driven as a user drives it: the two set-up routes, the coupled
// sliders, the step buttons, typing in the two fields, the keys, the thermometers, the
// preview button and the credits.

#include "support/guitest.h"

#include "panelsupport.h"

#include "listings/pubfree.h"
#include "widgets/closeupcombo.h"
#include "widgets/creditlabel.h"
#include "widgets/gauge.h"
#include "workbench/convers.h"
#include "workbench/temperaturepanel.h"
#include "workbench/valueentry.h"

#include <QAction>
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

namespace {

const QString setUpTitle = u"TEMPERATURES °F<>°C"_s;

QString formula(int blanks)
{
    return u"°C=(°F-32)5/9"_s + QString(blanks, u' ') + u"°F=32+(9/5)°C"_s;
}

QColor base(const QLineEdit* field)
{
    return field->palette().color(QPalette::Base);
}

// The running program with its temperature panel's controls at hand.
struct Bench
{
    Running run;
    TFrmConversion& main = run.program->conversion();
    TTemperaturePanel* panel = child<TTemperaturePanel>(&main, u"Paneltemp"_s);
    QSlider* far = child<QSlider>(panel, u"TrackBarDegFaar"_s);
    QSlider* cel = child<QSlider>(panel, u"TrackBarDegCel"_s);
    QLineEdit* editFar = child<QLineEdit>(panel, u"EditFar"_s);
    QLineEdit* editCel = child<QLineEdit>(panel, u"EditCelsius"_s);
    QLabel* valueFar = child<QLabel>(panel, u"LabelvaleurFar"_s);
    QLabel* valueCel = child<QLabel>(panel, u"Labelvaleurcel"_s);
    TGauge* gaugeFar = child<TGauge>(panel, u"GaugeFar"_s);
    TGauge* gaugeCen = child<TGauge>(panel, u"GaugeCen"_s);
    TPub& pub = run.program->pub();

    QPushButton* button(const char* name)
    {
        return child<QPushButton>(panel, QString::fromLatin1(name));
    }
    QWidget* focus() { return main.focusWidget(); }
    void fromToolbar() { QTest::mouseClick(main.ToolButton6, Qt::LeftButton); }
    QStringList listingRange() { return {pub.Edit1->text(), pub.Edit2->text(), pub.Edit3->text()}; }
};

} // namespace

class TestTemperaturePanel : public QObject
{
    Q_OBJECT

private slots:
    void captionsBeforeAnySetUp();
    void everySetUpEndsAtSeventyAndTwentyOne_data();
    void everySetUpEndsAtSeventyAndTwentyOne();
    void stepButtonsAndSlidersSettleAsTheTableSays_data();
    void stepButtonsAndSlidersSettleAsTheTableSays();
    void typedValuesMoveTheirSlider_data();
    void typedValuesMoveTheirSlider();
    void textThatIsNotAWholeNumberShowsTheErrorBox_data();
    void textThatIsNotAWholeNumberShowsTheErrorBox();
    void keyFilterRefusesWithABeep_data();
    void keyFilterRefusesWithABeep();
    void typingStopsAtFourCharacters();
    void fieldsColourAndEmptyOnEnterAndExit();
    void deleteUpAndDownInTheFields();
    void escapeInATemperatureFieldEndsTheProgram_data();
    void escapeInATemperatureFieldEndsTheProgram();
    void sliderKeysMoveAndEnterGoesToTheCelsiusField();
    void thermometersFollowWithinTheirRange();
    void mouseDragsSettleAtTheEnds_data();
    void mouseDragsSettleAtTheEnds();
    void listRouteLeavesNoKeysForTheHiddenFields();
    void tabStaysOnWhatTheUserSees();
    void previewOpensTheListingRangeWindow();
    void creditLabelsOpenTheirPages();
    void layoutIsTidy();
};

void TestTemperaturePanel::captionsBeforeAnySetUp()
{
    Bench bench;
    QVERIFY(!bench.panel->isVisible());
    QCOMPARE(child<QLabel>(bench.panel, u"LabelTitre"_s)->text(), u"TEMPERATURES"_s);
    QCOMPARE(child<QLabel>(bench.panel, u"LabelFormule"_s)->text(), formula(48));
    QCOMPARE(child<QLabel>(bench.panel, u"LabelUnite1"_s)->text(), u"Degree Fahrenheit"_s);
    QCOMPARE(child<QLabel>(bench.panel, u"LabelUnite2"_s)->text(), u"Degree Celsius"_s);
    QCOMPARE(child<QLabel>(bench.panel, u"LabelUnite1Bis"_s)->text(), u"°F"_s);
    QCOMPARE(child<QLabel>(bench.panel, u"LabelUnite2Bis"_s)->text(), u"°C"_s);
    QCOMPARE(bench.valueFar->text(), u"0"_s);
    QCOMPARE(bench.valueCel->text(), u"0"_s);
    QCOMPARE(bench.far->value(), 0);
    QCOMPARE(bench.cel->value(), 0);
    QCOMPARE(bench.gaugeFar->progress(), 15);
    QCOMPARE(bench.gaugeCen->progress(), 15);
    QCOMPARE(base(bench.editCel), TTemperaturePanel::silver());
    QCOMPARE(base(bench.editFar), TTemperaturePanel::inactiveBorder());
    QCOMPARE(child<QLabel>(bench.panel, u"Label18"_s)->text(),
             u"Application offerte par  TALMORE"_s);
}

void TestTemperaturePanel::everySetUpEndsAtSeventyAndTwentyOne_data()
{
    QTest::addColumn<QStringList>("routes"); // run in this order
    QTest::newRow("toolbar") << QStringList{u"toolbar"_s};
    QTest::newRow("menu") << QStringList{u"menu"_s};
    QTest::newRow("list") << QStringList{u"list"_s};
    QTest::newRow("toolbar after the sliders moved") << QStringList{u"moved"_s, u"toolbar"_s};
    QTest::newRow("list after the sliders moved") << QStringList{u"moved"_s, u"list"_s};
    QTest::newRow("list after toolbar") << QStringList{u"toolbar"_s, u"list"_s};
    QTest::newRow("toolbar after list") << QStringList{u"list"_s, u"toolbar"_s};
}

void TestTemperaturePanel::everySetUpEndsAtSeventyAndTwentyOne()
{
    QFETCH(QStringList, routes);
    Bench bench;
    TValueEntry& entry = bench.main.entry();
    // Something typed on the main window first: only the list route empties it.
    QTest::keyClicks(entry.EditAnglo, u"12"_s);
    QCOMPARE(entry.EditMetrique->text(), local(u"5.4432 kg"_s));
    bool toolbarSeen = false;
    for (const QString& route : routes) {
        if (route == u"toolbar"_s) {
            bench.fromToolbar();
            toolbarSeen = true;
        } else if (route == u"menu"_s) {
            child<QAction>(&bench.main, u"Temperature1"_s)->trigger();
            toolbarSeen = true;
        } else if (route == u"list"_s) {
            pickCategory(bench.main, catalogue::Temperatures);
            if (QTest::currentTestFailed())
                return;
        } else {
            bench.fromToolbar();
            toolbarSeen = true;
            QTest::keyClick(bench.cel, Qt::Key_End);
            QTest::keyClick(bench.far, Qt::Key_PageDown);
            QVERIFY(bench.far->value() != 70);
        }
    }
    const QString last = routes.last();
    QVERIFY(bench.panel->isVisible());
    QCOMPARE(bench.far->value(), 70);
    QCOMPARE(bench.cel->value(), 21);
    QCOMPARE(bench.valueFar->text(), u"70"_s);
    QCOMPARE(bench.valueCel->text(), u"21"_s);
    QCOMPARE(bench.editFar->text(), u"70"_s);
    QCOMPARE(bench.editCel->text(), u"21"_s);
    QCOMPARE(bench.gaugeFar->progress(), 70);
    QCOMPARE(bench.gaugeCen->progress(), 21);
    QCOMPARE(bench.listingRange(), (QStringList{u"21"_s, u"1021"_s, u"10"_s}));
    QCOMPARE(child<QLabel>(bench.panel, u"LabelTitre"_s)->text(), setUpTitle);
    QCOMPARE(bench.main.ComboBoxUniteDe->currentIndex(), int(catalogue::Temperatures));
    QCOMPARE(bench.focus(), bench.cel);
    // The formula and unit names are the toolbar route's once it has run.
    QCOMPARE(child<QLabel>(bench.panel, u"LabelFormule"_s)->text(), formula(toolbarSeen ? 52 : 48));
    QCOMPARE(child<QLabel>(bench.panel, u"LabelUnite2"_s)->text(),
             toolbarSeen ? u"Degrés Celsius"_s : u"Degree Celsius"_s);
    QCOMPARE(child<QLabel>(bench.panel, u"LabelUnite1"_s)->text(),
             toolbarSeen ? u"Degrés Fahrenheit"_s : u"Degree Fahrenheit"_s);
    if (last == u"list"_s) {
        QCOMPARE(bench.main.ComboBoxConverse->count(), 0);
        QCOMPARE(entry.EditAnglo->text(), QString());
        QCOMPARE(entry.LabelFenetreEdition->text(), u"bas"_s);
    } else if (!routes.contains(u"list"_s)) {
        // The toolbar route leaves the pair list and the main fields as they were.
        QCOMPARE(bench.main.ComboBoxConverse->currentText(), u"Kg <>  Lb"_s);
        QCOMPARE(entry.EditAnglo->text(), u"12"_s);
        QCOMPARE(entry.EditMetrique->text(), local(u"5.4432 kg"_s));
    }
    QVERIFY(bench.run.platform.errors.isEmpty());
}

void TestTemperaturePanel::stepButtonsAndSlidersSettleAsTheTableSays_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("fahrenheit");
    QTest::addColumn<int>("celsius");
    QTest::addColumn<QString>("labelFar");
    QTest::addColumn<QString>("labelCel");
    QTest::newRow("+ °F") << QStringList{u"Button1"_s} << 72 << 22 << u"72"_s << u"22"_s;
    QTest::newRow("+ °F again: the exact value shows")
        << QStringList{u"Button1"_s, u"Button1"_s} << 73 << 23 << u"73.4"_s << u"23"_s;
    QTest::newRow("+ °F a third time")
        << QStringList{u"Button1"_s, u"Button1"_s, u"Button1"_s} << 74 << 23 << u"74"_s << u"23"_s;
    QTest::newRow("+ °C") << QStringList{u"Button4"_s} << 72 << 22 << u"72"_s << u"22"_s;
    QTest::newRow("- °F: 69 °F is still 21 °C")
        << QStringList{u"Button2"_s} << 69 << 21 << u"69"_s << u"21"_s;
    QTest::newRow("- °C") << QStringList{u"Button3"_s} << 68 << 20 << u"68"_s << u"20"_s;
    QTest::newRow("Fahrenheit slider to -40")
        << QStringList{u"F=-40"_s} << -40 << -40 << u"-40"_s << u"-40"_s;
    QTest::newRow("Celsius slider to 100")
        << QStringList{u"C=100"_s} << 212 << 100 << u"212"_s << u"100"_s;
    QTest::newRow("Celsius slider to 1500 (End key) comes back to 1204")
        << QStringList{u"C End"_s} << 2199 << 1204 << u"2199"_s << u"1204"_s;
    QTest::newRow("Celsius slider to -400 (Home key) comes back to -240")
        << QStringList{u"C Home"_s} << -400 << -240 << u"-400"_s << u"-240"_s;
    QTest::newRow("Fahrenheit slider to 2200 (End key) settles at 2199")
        << QStringList{u"F End"_s} << 2199 << 1204 << u"2199"_s << u"1204"_s;
    QTest::newRow("+ °F up to 2200 °F, still 1204 °C")
        << QStringList{u"C End"_s, u"Button1"_s} << 2200 << 1204 << u"2200"_s << u"1204"_s;
    // Regression: with the Fahrenheit slider held at an end, the Celsius slider walked on
    // past 1204 °C or below -240 °C (down to -400 °C, colder than absolute zero).
    QTest::newRow("+ °C past a Fahrenheit slider held at 2200 comes back to 1204")
        << QStringList{u"C End"_s, u"Button1"_s, u"Button4"_s} << 2199 << 1204 << u"2199"_s
        << u"1204"_s;
    QTest::newRow("- °C below -240 comes back to -240")
        << QStringList{u"C Home"_s, u"Button3"_s, u"Button3"_s} << -400 << -240 << u"-400"_s
        << u"-240"_s;
    QTest::newRow("Home key after -240 stays at -240")
        << QStringList{u"C Home"_s, u"C Home"_s} << -400 << -240 << u"-400"_s << u"-240"_s;
    QTest::newRow("+ °C from 1204 °C comes back")
        << QStringList{u"C End"_s, u"Button4"_s} << 2199 << 1204 << u"2199"_s << u"1204"_s;
    QTest::newRow("- °F at -400 is held")
        << QStringList{u"C Home"_s, u"Button2"_s} << -400 << -240 << u"-400"_s << u"-240"_s;
}

void TestTemperaturePanel::stepButtonsAndSlidersSettleAsTheTableSays()
{
    QFETCH(QStringList, actions);
    QFETCH(int, fahrenheit);
    QFETCH(int, celsius);
    QFETCH(QString, labelFar);
    QFETCH(QString, labelCel);
    Bench bench;
    bench.fromToolbar();
    for (const QString& action : actions) {
        if (action.startsWith(u"Button"_s)) {
            QTest::mouseClick(bench.button(action.toLatin1().constData()), Qt::LeftButton);
        } else {
            QSlider* slider = action.front() == u'F' ? bench.far : bench.cel;
            if (action.mid(1, 1) == u"="_s)
                slider->setValue(action.mid(2).toInt());
            else
                QTest::keyClick(slider, action.endsWith(u"End"_s) ? Qt::Key_End : Qt::Key_Home);
        }
    }
    QCOMPARE(bench.far->value(), fahrenheit);
    QCOMPARE(bench.cel->value(), celsius);
    QCOMPARE(bench.valueFar->text(), local(labelFar));
    QCOMPARE(bench.valueCel->text(), labelCel);
    // Neither field is being typed in: both show the labels.
    QCOMPARE(bench.editFar->text(), local(labelFar));
    QCOMPARE(bench.editCel->text(), labelCel);
    QCOMPARE(bench.listingRange(),
             (QStringList{labelCel, QString::number(celsius + 1000), u"10"_s}));
}

void TestTemperaturePanel::typedValuesMoveTheirSlider_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<QString>("otherText");
    QTest::addColumn<int>("fahrenheit");
    QTest::addColumn<int>("celsius");
    QTest::newRow("2500 °F is held at 2000, settles at 1999")
        << u"EditFar"_s << u"2500"_s << u"2000"_s << u"1093"_s << 1999 << 1093;
    QTest::newRow("-300 °C is held at -273, settles at -240")
        << u"EditCelsius"_s << u"-300"_s << u"-273"_s << u"-400"_s << -400 << -240;
    QTest::newRow("98 °F: slider at 99, 37 °C")
        << u"EditFar"_s << u"98"_s << u"98"_s << u"37"_s << 99 << 37;
    QTest::newRow("37 °C shows the whole Fahrenheit position")
        << u"EditCelsius"_s << u"37"_s << u"37"_s << u"99"_s << 99 << 37;
    QTest::newRow("-40 °C") << u"EditCelsius"_s << u"-40"_s << u"-40"_s << u"-40"_s << -40 << -40;
    QTest::newRow("lone minus changes nothing")
        << u"EditFar"_s << u"-"_s << u"-"_s << u""_s << 70 << 21;
    QTest::newRow("double minus empties the field")
        << u"EditCelsius"_s << u"--"_s << u""_s << u""_s << 70 << 21;
    QTest::newRow("minus then digits") << u"EditFar"_s << u"--32"_s << u"32"_s << u"0"_s << 32 << 0;
}

void TestTemperaturePanel::typedValuesMoveTheirSlider()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, fieldText);
    QFETCH(QString, otherText);
    QFETCH(int, fahrenheit);
    QFETCH(int, celsius);
    Bench bench;
    bench.fromToolbar();
    QLineEdit* edit = child<QLineEdit>(bench.panel, field);
    QLineEdit* other = edit == bench.editFar ? bench.editCel : bench.editFar;
    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(bench.focus(), edit);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), fieldText);
    QCOMPARE(other->text(), otherText);
    QCOMPARE(bench.far->value(), fahrenheit);
    QCOMPARE(bench.cel->value(), celsius);
    QCOMPARE(bench.focus(), edit);
    QVERIFY(bench.run.platform.errors.isEmpty());
    QCOMPARE(bench.run.platform.beeps, 0);
}

void TestTemperaturePanel::textThatIsNotAWholeNumberShowsTheErrorBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<int>("fahrenheit"); // where the last good value left the sliders
    QTest::addColumn<int>("celsius");
    QTest::newRow("5-") << u"5-"_s << QStringList{u"'5-' n'est pas une valeur entière correcte"_s}
                        << 5 << -15;
    QTest::newRow("1-2") << u"1-2"_s
                         << QStringList{u"'1-' n'est pas une valeur entière correcte"_s,
                                        u"'1-2' n'est pas une valeur entière correcte"_s}
                         << 1 << -17;
}

void TestTemperaturePanel::textThatIsNotAWholeNumberShowsTheErrorBox()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, errors);
    QFETCH(int, fahrenheit);
    QFETCH(int, celsius);
    Bench bench;
    bench.fromToolbar();
    QTest::mouseClick(bench.editFar, Qt::LeftButton);
    QTest::keyClicks(bench.editFar, typed);
    QCOMPARE(bench.run.platform.errors, errors);
    // Regression: the Enter or Escape that closed the box came back to the field as a
    // release and brought the box straight back.
    QTest::keyRelease(bench.editFar, Qt::Key_Return);
    QTest::keyRelease(bench.editFar, Qt::Key_Escape);
    QCOMPARE(bench.run.platform.errors, errors);
    QCOMPARE(bench.editFar->text(), typed);
    QCOMPARE(bench.far->value(), fahrenheit);
    QCOMPARE(bench.cel->value(), celsius);
    // The program carries on: the field emptied with Delete converts again.
    QTest::keyClick(bench.editFar, Qt::Key_Delete);
    QTest::keyClicks(bench.editFar, u"212"_s);
    QCOMPARE(bench.cel->value(), 100);
    QCOMPARE(bench.run.platform.errors, errors);
}

void TestTemperaturePanel::keyFilterRefusesWithABeep_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("key");
    for (const QString& field : {u"EditFar"_s, u"EditCelsius"_s}) {
        for (const QString& key : {u"a"_s, u","_s, u"."_s, u" "_s, u"+"_s, u"e"_s}) {
            const QString row = field + u" '"_s + key + u"'"_s;
            QTest::newRow(row.toUtf8().constData()) << field << key;
        }
    }
}

void TestTemperaturePanel::keyFilterRefusesWithABeep()
{
    QFETCH(QString, field);
    QFETCH(QString, key);
    Bench bench;
    bench.fromToolbar();
    QLineEdit* edit = child<QLineEdit>(bench.panel, field);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, u"4"_s + key);
    QCOMPARE(edit->text(), u"4"_s);
    QCOMPARE(bench.run.platform.beeps, 1);
    QVERIFY(bench.run.platform.errors.isEmpty());
}

void TestTemperaturePanel::typingStopsAtFourCharacters()
{
    Bench bench;
    bench.fromToolbar();
    QTest::mouseClick(bench.editCel, Qt::LeftButton);
    QTest::keyClicks(bench.editCel, u"-1234"_s);
    QCOMPARE(bench.editCel->text(), u"-123"_s);
    QCOMPARE(bench.cel->value(), -123);
    // Selected text makes room again.
    QTest::keyClick(bench.editCel, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(bench.editCel, u"37"_s);
    QCOMPARE(bench.editCel->text(), u"37"_s);
    QCOMPARE(bench.editFar->text(), u"99"_s);
    QCOMPARE(bench.run.platform.beeps, 0);
}

void TestTemperaturePanel::fieldsColourAndEmptyOnEnterAndExit()
{
    Bench bench;
    bench.fromToolbar();
    QCOMPARE(bench.editFar->text(), u"70"_s);
    QTest::mouseClick(bench.editFar, Qt::LeftButton);
    QCOMPARE(base(bench.editFar), TTemperaturePanel::yellow());
    QCOMPARE(base(bench.editCel), TTemperaturePanel::inactiveBorder());
    QCOMPARE(bench.editFar->text(), QString());
    QCOMPARE(bench.editCel->text(), QString());

    QTest::keyClicks(bench.editFar, u"50"_s);
    QCOMPARE(bench.editCel->text(), u"10"_s);
    QTest::mouseClick(bench.editCel, Qt::LeftButton);
    QCOMPARE(base(bench.editCel), TTemperaturePanel::yellow());
    QCOMPARE(base(bench.editFar), TTemperaturePanel::inactiveBorder());
    QCOMPARE(bench.editFar->text(), QString());
    QCOMPARE(bench.editCel->text(), QString());

    // Leaving for a step button: the field greys, then the change fills both fields.
    QTest::mouseClick(bench.button("Button4"), Qt::LeftButton);
    QCOMPARE(base(bench.editCel), TTemperaturePanel::inactiveBorder());
    QCOMPARE(bench.editCel->text(), u"11"_s);
    QCOMPARE(bench.editFar->text(), u"52"_s);
}

void TestTemperaturePanel::deleteUpAndDownInTheFields()
{
    Bench bench;
    bench.fromToolbar();
    QTest::mouseClick(bench.editFar, Qt::LeftButton);
    QTest::keyClicks(bench.editFar, u"212"_s);
    QCOMPARE(bench.editCel->text(), u"100"_s);
    QTest::keyClick(bench.editFar, Qt::Key_Home);
    QTest::keyClick(bench.editFar, Qt::Key_Delete);
    QCOMPARE(bench.editFar->text(), QString());
    QCOMPARE(bench.editCel->text(), QString());
    QCOMPARE(bench.far->value(), 212);

    QTest::keyClick(bench.editFar, Qt::Key_Down);
    QCOMPARE(bench.focus(), bench.editCel);
    QCOMPARE(base(bench.editCel), TTemperaturePanel::yellow());
    QTest::keyClicks(bench.editCel, u"20"_s);
    QCOMPARE(bench.editFar->text(), u"68"_s);
    QTest::keyClick(bench.editCel, Qt::Key_Delete);
    QCOMPARE(bench.editFar->text(), QString());
    QCOMPARE(bench.editCel->text(), QString());
    QTest::keyClick(bench.editCel, Qt::Key_Up);
    QCOMPARE(bench.focus(), bench.editFar);
    QCOMPARE(base(bench.editFar), TTemperaturePanel::yellow());
    QCOMPARE(base(bench.editCel), TTemperaturePanel::inactiveBorder());
    QVERIFY(bench.run.platform.errors.isEmpty());
}

void TestTemperaturePanel::escapeInATemperatureFieldEndsTheProgram_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("°F") << u"EditFar"_s;
    QTest::newRow("°C") << u"EditCelsius"_s;
}

void TestTemperaturePanel::escapeInATemperatureFieldEndsTheProgram()
{
    QFETCH(QString, field);
    Bench bench;
    bool closed = false;
    connect(&bench.main, &TFrmConversion::closed, this, [&closed] { closed = true; });
    bench.fromToolbar();
    QLineEdit* edit = child<QLineEdit>(bench.panel, field);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, u"12"_s);
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(closed);
    QVERIFY(!bench.main.isVisible());
}

void TestTemperaturePanel::sliderKeysMoveAndEnterGoesToTheCelsiusField()
{
    Bench bench;
    bench.fromToolbar();
    QTest::keyClick(bench.cel, Qt::Key_Up);
    QCOMPARE(bench.cel->value(), 22);
    QCOMPARE(bench.far->value(), 72);
    QTest::keyClick(bench.cel, Qt::Key_PageUp);
    QCOMPARE(bench.cel->value(), 32);
    QCOMPARE(bench.far->value(), 90);
    QCOMPARE(bench.listingRange(), (QStringList{u"32"_s, u"1032"_s, u"10"_s}));
    QTest::keyClick(bench.far, Qt::Key_Down);
    QCOMPARE(bench.far->value(), 89);
    QCOMPARE(bench.cel->value(), 32);
    QCOMPARE(bench.valueFar->text(), u"89"_s);

    bench.far->setFocus();
    QTest::keyClick(bench.far, Qt::Key_Return);
    QCOMPARE(bench.focus(), bench.editCel);
    QCOMPARE(base(bench.editCel), TTemperaturePanel::yellow());
    bench.cel->setFocus();
    QTest::keyClick(bench.cel, Qt::Key_Enter);
    QCOMPARE(bench.focus(), bench.editCel);
}

void TestTemperaturePanel::thermometersFollowWithinTheirRange()
{
    Bench bench;
    bench.fromToolbar();
    for (TGauge* gauge : {bench.gaugeFar, bench.gaugeCen}) {
        QCOMPARE(gauge->minimum(), -273);
        QCOMPARE(gauge->maximum(), 2200);
    }
    QCOMPARE(bench.gaugeFar->foreColor(), TTemperaturePanel::red());
    QCOMPARE(bench.gaugeCen->foreColor(), TTemperaturePanel::maroon());
    QTest::keyClick(bench.cel, Qt::Key_Home);
    QCOMPARE(bench.gaugeCen->progress(), -240);
    QCOMPARE(bench.gaugeFar->progress(), -273); // -400 °F is below the gauge
    QCOMPARE(bench.gaugeFar->percent(), 0);
    QTest::keyClick(bench.cel, Qt::Key_End);
    QCOMPARE(bench.gaugeCen->progress(), 1204);
    QCOMPARE(bench.gaugeFar->progress(), 2199);
    QCOMPARE(bench.gaugeFar->percent(), 99);
    QCOMPARE(child<QLabel>(bench.panel, u"LabelUnite1Bis"_s)->text(), u"°F"_s);
}

void TestTemperaturePanel::mouseDragsSettleAtTheEnds_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("fahrenheit");
    QTest::addColumn<int>("celsius");
    QTest::newRow("°C to the top") << u"TrackBarDegCel"_s << true << 2199 << 1204;
    QTest::newRow("°C to the bottom") << u"TrackBarDegCel"_s << false << -400 << -240;
    QTest::newRow("°F to the top") << u"TrackBarDegFaar"_s << true << 2199 << 1204;
    QTest::newRow("°F to the bottom") << u"TrackBarDegFaar"_s << false << -400 << -240;
}

void TestTemperaturePanel::mouseDragsSettleAtTheEnds()
{
    QFETCH(QString, slider);
    QFETCH(bool, up);
    QFETCH(int, fahrenheit);
    QFETCH(int, celsius);
    Bench bench;
    bench.fromToolbar();
    QTest::mouseClick(bench.editFar, Qt::LeftButton); // the drag takes the focus from it
    dragToEnd(child<QSlider>(bench.panel, slider), up);
    QCOMPARE(bench.far->value(), fahrenheit);
    QCOMPARE(bench.cel->value(), celsius);
    QCOMPARE(bench.valueCel->text(), QString::number(celsius));
    QCOMPARE(bench.editCel->text(), QString::number(celsius));
    QCOMPARE(bench.editFar->text(), QString::number(fahrenheit));
    QCOMPARE(base(bench.editFar), TTemperaturePanel::inactiveBorder());
    QCOMPARE(bench.listingRange().first(), QString::number(celsius));
}

void TestTemperaturePanel::listRouteLeavesNoKeysForTheHiddenFields()
{
    // Regression: after a pick of "Temperatures" in the list, the focus stayed on the main
    // window's bottom field behind the panel and typed keys went there unseen.
    Bench bench;
    pickCategory(bench.main, catalogue::Temperatures);
    if (QTest::currentTestFailed())
        return;
    TValueEntry& entry = bench.main.entry();
    QCOMPARE(bench.focus(), bench.cel);
    QTest::keyClick(bench.focus(), Qt::Key_Up);
    QCOMPARE(bench.cel->value(), 22);
    QTest::keyClicks(bench.focus(), u"12"_s);
    QCOMPARE(entry.EditMetrique->text(), QString());
    QCOMPARE(entry.EditAnglo->text(), QString());
    QTest::keyClick(bench.focus(), Qt::Key_Return);
    QCOMPARE(bench.focus(), bench.editCel);
    QTest::keyClicks(bench.focus(), u"100"_s);
    QCOMPARE(bench.editFar->text(), u"212"_s);
}

void TestTemperaturePanel::tabStaysOnWhatTheUserSees()
{
    Bench bench;
    TValueEntry& entry = bench.main.entry();
    bench.fromToolbar();
    const QList<QWidget*> reached = tabWalk(&bench.main, 40);
    QVERIFY(reached.contains(bench.editFar));
    QVERIFY(reached.contains(bench.editCel));
    for (QWidget* widget : reached) {
        QVERIFY2(widget, "the focus was lost");
        QVERIFY2(!bench.panel->covers(widget), qPrintable(widget->objectName()));
    }
    QVERIFY(!reached.contains(entry.EditAnglo));
    QVERIFY(!reached.contains(bench.main.Memo1));

    // Another category: the hidden controls take the focus again.
    QTest::mouseClick(bench.main.ToolButton8, Qt::LeftButton);
    QVERIFY(!bench.panel->isVisible());
    QCOMPARE(bench.focus(), entry.EditMetrique);
    QCOMPARE(entry.EditAnglo->focusPolicy(), Qt::StrongFocus);
    bench.main.ComboBoxUniteDe->setFocus();
    QVERIFY(tabWalk(&bench.main, 40).contains(entry.EditAnglo));
}

void TestTemperaturePanel::previewOpensTheListingRangeWindow()
{
    Bench bench;
    bench.fromToolbar();
    QString title;
    bool rangeShown = false;
    QWidget* opened = nullptr;
    whenModalOpens([&](QWidget* modal) {
        opened = modal;
        title = bench.pub.title();
        rangeShown = bench.pub.PanelTableau->isVisible();
        bench.pub.reject();
    });
    QTest::mouseClick(bench.button("ButtonTemperature"), Qt::LeftButton);
    QCOMPARE(opened, static_cast<QWidget*>(&bench.pub));
    QCOMPARE(title, setUpTitle);
    QVERIFY(rangeShown);
    QCOMPARE(bench.listingRange(), (QStringList{u"21"_s, u"1021"_s, u"10"_s}));
    QVERIFY(bench.panel->isVisible());
}

void TestTemperaturePanel::creditLabelsOpenTheirPages()
{
    Bench bench;
    bench.fromToolbar();
    auto* maker = child<TCreditLabel>(bench.panel, u"Label8"_s);
    auto* sponsor = child<TCreditLabel>(bench.panel, u"Label18"_s);
    QTest::mouseClick(maker, Qt::LeftButton);
    QTest::mouseClick(sponsor, Qt::LeftButton);
    QCOMPARE(bench.run.platform.shellOpened,
             (QStringList{bench.run.program->homePage(), bench.run.program->sponsorPage()}));
    QCOMPARE(maker->cursor().shape(), Qt::PointingHandCursor);
}

void TestTemperaturePanel::layoutIsTidy()
{
    Bench bench;
    bench.fromToolbar();
    QCOMPARE(bench.panel->geometry(), QRect(3, 0, 538, 332));
    // The widest value the Fahrenheit label can hold: the exact conversion of 999 °C.
    bench.far->setValue(1830);
    QCOMPARE(bench.valueFar->text(), local(u"1830.2"_s));
    const QStringList captions{u"LabelTitre"_s,     u"LabelFormule"_s,   u"ButtonTemperature"_s,
                               u"Label20"_s,        u"Label21"_s,        u"LabelUnite1"_s,
                               u"LabelUnite2"_s,    u"Button1"_s,        u"Button2"_s,
                               u"Button3"_s,        u"Button4"_s,        u"Label8"_s,
                               u"Label18"_s,        u"LabelvaleurFar"_s, u"Labelvaleurcel"_s,
                               u"LabelUnite1Bis"_s, u"LabelUnite2Bis"_s};
    QCOMPARE(cutCaptions(bench.panel, captions), QStringList());
    const QStringList controls{u"LabelTitre"_s,     u"ButtonTemperature"_s,
                               u"Label20"_s,        u"Label21"_s,
                               u"EditCelsius"_s,    u"EditFar"_s,
                               u"Button1"_s,        u"Button2"_s,
                               u"Button3"_s,        u"Button4"_s,
                               u"LabelUnite1"_s,    u"LabelUnite2"_s,
                               u"ThermometerCel"_s, u"ThermometerFar"_s,
                               u"TrackBarDegCel"_s, u"TrackBarDegFaar"_s,
                               u"Label8"_s,         u"Label18"_s};
    QCOMPARE(overlaps(bench.panel, controls), QStringList());
    // Only the header plate crosses the decorative strip.
    const QRect strip = child<QWidget>(bench.panel, u"Image2"_s)->geometry();
    for (const QString& name : controls) {
        const QRect place = child<QWidget>(bench.panel, name)->geometry();
        QVERIFY2(!place.intersects(strip) ||
                     child<QWidget>(bench.panel, u"ShapeTitre"_s)->geometry().contains(place),
                 qPrintable(name));
    }
    for (QWidget* widget : bench.panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(bench.panel->rect().contains(widget->geometry()),
                 qPrintable(widget->objectName()));
}

QTEST_MAIN(TestTemperaturePanel)
#include "tst_temperaturepanel.moc"
