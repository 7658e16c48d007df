// Choosing an altitude in the atmosphere window as a user does: typing metres or feet
// (range guards, lone and double minus, bad whole numbers), the key filter and keyboard
// commands, the slider's keys and mouse, and the step buttons.

#include "atmostest.h"

#include "platform/windowkit.h"
#include "widgets/gauge.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionSlider>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

class TestAtmosphereEntry : public QObject
{
    Q_OBJECT

private slots:
    void typingMetres_data();
    void typingMetres();
    void typingFeet_data();
    void typingFeet();
    void seaLevelShowsTheWholeAtmosphere();
    void loneAndDoubleMinusComputeNothing();
    void badWholeNumberShowsTheErrorBox_data();
    void badWholeNumberShowsTheErrorBox();
    void keyFilterRefusesOtherCharacters();
    void choosingAnEdit();
    void arrowsChooseTheEdit();
    void deleteEmptiesBothEditsOnly();
    void sliderKeys_data();
    void sliderKeys();
    void sliderMouse();
    void stepButtons_data();
    void stepButtons();
};

namespace {

// Clicks into an edit and types, as a user choosing it.
void typeInto(TFrmAtmosphere& w, QLineEdit* edit, const QString& text)
{
    QTest::mouseClick(edit, Qt::LeftButton);
    // On a busy machine the click's focus change can trail the click itself.
    QVERIFY(QTest::qWaitFor([&] { return w.focusWidget() == edit; }));
    type(&w, text);
}

} // namespace

void TestAtmosphereEntry::typingMetres_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("metres");
    QTest::addColumn<QString>("feet");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("altitudeGauge");
    QTest::addColumn<QString>("fahrenheit");
    QTest::newRow("1000") << u"1000"_s << u"1000"_s << u"3280.8 ft"_s << u"898.75 hPa"_s << -1000
                          << 1000 << u"47.3 °F"_s;
    QTest::newRow("20000 becomes 13716") << u"20000"_s << u"13716"_s << u"44999.45 ft"_s
                                         << u"147.47 hPa"_s << -13716 << 13716 << u"-69.7 °F"_s;
    // Regression: the slider's change event must not rewrite what was typed.
    QTest::newRow("13718 stays, slider at its top")
        << u"13718"_s << u"13718"_s << u"45006.01 ft"_s << u"147.42 hPa"_s << -13716 << 13716
        << u"-69.7 °F"_s;
    QTest::newRow("13720 stays") << u"13720"_s << u"13720"_s << u"45012.58 ft"_s << u"147.38 hPa"_s
                                 << -13716 << 13716 << u"-69.7 °F"_s;
    QTest::newRow("-400 becomes -305") << u"-400"_s << u"-305"_s << u"-1000.64 ft"_s
                                       << u"1050.43 hPa"_s << 305 << -305 << u"62.56 °F"_s;
    QTest::newRow("11000") << u"11000"_s << u"11000"_s << u"36088.8 ft"_s << u"226.31 hPa"_s
                           << -11000 << 11000 << u"-69.7 °F"_s;
    // Regression: 32 added to -32.62 showed "-0.619999999999997 °F".
    QTest::newRow("5095, °F of two decimals") << u"5095"_s << u"5095"_s << u"16715.68 ft"_s
                                              << u"533.38 hPa"_s << -5095 << 5095 << u"-0.62 °F"_s;
}

void TestAtmosphereEntry::typingMetres()
{
    QFETCH(QString, typed);
    QFETCH(QString, metres);
    QFETCH(QString, feet);
    QFETCH(QString, pressure);
    QFETCH(int, slider);
    QFETCH(int, altitudeGauge);
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        typeInto(w, w.Editaltitude, typed);
        QCOMPARE(w.Editaltitude->text(), metres);
        QCOMPARE(w.Editalttudepied->text(), local(feet));
        QCOMPARE(w.Editpression->text(), local(pressure));
        QCOMPARE(w.TrackBarALTITUDE->value(), slider);
        QCOMPARE(w.Gaugealtitude->progress(), altitudeGauge);
        QFETCH(QString, fahrenheit);
        QCOMPARE(w.EditTemperatureF->text(), local(fahrenheit));
        QCOMPARE(w.focusWidget(), w.Editaltitude);
    }));
    QVERIFY(run.platform.errors.isEmpty());
}

void TestAtmosphereEntry::typingFeet_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("feet");
    QTest::addColumn<QString>("metres");
    QTest::addColumn<QString>("celsius");
    QTest::addColumn<int>("slider");
    QTest::newRow("1000 ft") << u"1000"_s << u"1000"_s << u"305 m"_s << u"13.02 °C"_s << -305;
    QTest::newRow("50000 becomes 44000")
        << u"50000"_s << u"44000"_s << u"13411 m"_s << u"-56.5 °C"_s << -13411;
    QTest::newRow("-1000 becomes -900")
        << u"-1000"_s << u"-900"_s << u"-274 m"_s << u"16.78 °C"_s << 274;
}

void TestAtmosphereEntry::typingFeet()
{
    QFETCH(QString, typed);
    QFETCH(QString, feet);
    QFETCH(QString, metres);
    QFETCH(QString, celsius);
    QFETCH(int, slider);
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        typeInto(w, w.Editalttudepied, typed);
        QCOMPARE(w.Editalttudepied->text(), feet);
        QCOMPARE(w.Editaltitude->text(), metres);
        QCOMPARE(w.EditTemperatureC->text(), local(celsius));
        QCOMPARE(w.TrackBarALTITUDE->value(), slider);
    }));
    QVERIFY(run.platform.errors.isEmpty());
}

void TestAtmosphereEntry::seaLevelShowsTheWholeAtmosphere()
{
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        typeInto(w, w.Editaltitude, u"0"_s);
        const std::pair<QLineEdit*, QString> boxes[] = {
            {w.Editalttudepied, u"0 ft"_s},     {w.EditTemperatureC, u"15 °C"_s},
            {w.EditTemperatureF, u"59 °F"_s},   {w.EditTemperatureK, u"288 °K"_s},
            {w.Editpression, u"1013.25 hPa"_s}, {w.Editrapport, u"1.0002"_s},
            {w.Editmasse, u"1.2259"_s},         {w.Editdensite, u"1.0007"_s},
            {w.Editracinede, u"1.0003"_s},      {w.Editvitesse, u"661.85 Kt"_s},
        };
        for (const auto& [box, text] : boxes)
            QCOMPARE(box->text(), local(text));
        QCOMPARE(w.Gaugepression->progress(), 1013);
        QCOMPARE(w.Gaugealtitude->progress(), 0);
        // 100 × (0 + 305) ÷ 14021, truncated.
        QCOMPARE(w.Gaugealtitude->percent(), 2);
    }));
}

void TestAtmosphereEntry::loneAndDoubleMinusComputeNothing()
{
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        typeInto(w, w.Editaltitude, u"-"_s);
        QCOMPARE(w.Editaltitude->text(), u"-"_s);
        QCOMPARE(w.Editalttudepied->text(), u"feet"_s);
        QCOMPARE(w.EditTemperatureC->text(), u"15°C"_s);
        type(&w, u"-"_s);
        QCOMPARE(w.Editaltitude->text(), QString());
        QCOMPARE(w.EditTemperatureC->text(), u"15°C"_s);
        // The lone minus waits for its digits.
        type(&w, u"-2"_s);
        QCOMPARE(w.Editaltitude->text(), u"-2"_s);
        QCOMPARE(w.Editalttudepied->text(), local(u"-6.56 ft"_s));
    }));
    QVERIFY(run.platform.errors.isEmpty());
    QCOMPARE(run.platform.beeps, 0);
}

void TestAtmosphereEntry::badWholeNumberShowsTheErrorBox_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("bad");
    QTest::newRow("minus after digits") << u"Editaltitude"_s << u"12-"_s << u"12-"_s;
    QTest::newRow("feet, minus after digits") << u"Editalttudepied"_s << u"7-"_s << u"7-"_s;
    QTest::newRow("second minus inside") << u"Editaltitude"_s << u"-1-"_s << u"-1-"_s;
}

void TestAtmosphereEntry::badWholeNumberShowsTheErrorBox()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, bad);
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        auto* field = w.findChild<QLineEdit*>(edit);
        typeInto(w, field, typed);
        QCOMPARE(run.platform.errors,
                 QStringList{u"'"_s + bad + u"' n'est pas une valeur entière correcte"_s});
        QCOMPARE(field->text(), bad);
        // Regression: the Enter or Escape that closed the box came back to the edit as a
        // release and brought the box straight back.
        QTest::keyRelease(field, Qt::Key_Return);
        QTest::keyRelease(field, Qt::Key_Escape);
        QCOMPARE(run.platform.errors.size(), 1);
        // Nothing was recomputed for the bad text; the user corrects it and goes on.
        const QString before = w.EditTemperatureC->text();
        hit(&w, Qt::Key_Backspace);
        QCOMPARE(run.platform.errors.size(), 1);
        QCOMPARE(w.EditTemperatureC->text(), before);
        QVERIFY(w.isVisible());
    }));
}

void TestAtmosphereEntry::keyFilterRefusesOtherCharacters()
{
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        typeInto(w, w.Editaltitude, u"1a. +,e2"_s);
        QCOMPARE(w.Editaltitude->text(), u"12"_s);
        QCOMPARE(run.platform.beeps, 6);
        hit(&w, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.Editaltitude->text(), u"12"_s);
        QCOMPARE(run.platform.beeps, 7);
        // Keys that type nothing recompute without a beep.
        hit(&w, Qt::Key_Left);
        hit(&w, Qt::Key_Shift);
        QCOMPARE(run.platform.beeps, 7);
        hit(&w, Qt::Key_Backspace);
        QCOMPARE(w.Editaltitude->text(), u"2"_s);
        QCOMPARE(w.Editalttudepied->text(), local(u"6.56 ft"_s));
    }));
    QVERIFY(run.platform.errors.isEmpty());
}

void TestAtmosphereEntry::choosingAnEdit()
{
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        QTest::mouseClick(w.Editalttudepied, Qt::LeftButton);
        QCOMPARE(w.Editalttudepied->text(), QString());
        QCOMPARE(windowkit::background(w.Editalttudepied), QColor(0xA6CAF0));
        QCOMPARE(w.Editaltitude->text(), u"metre"_s);
        QCOMPARE(windowkit::background(w.Editaltitude), TFrmAtmosphere::inactiveBorder());
        QTest::mouseClick(w.Editaltitude, Qt::LeftButton);
        QCOMPARE(w.Editaltitude->text(), QString());
        QCOMPARE(windowkit::background(w.Editaltitude), QColor(0xA6CAF0));
        QCOMPARE(w.Editalttudepied->text(), u"feet"_s);
        QCOMPARE(windowkit::background(w.Editalttudepied), TFrmAtmosphere::inactiveBorder());
        // Clicking the edit that has the focus chooses nothing again.
        type(&w, u"25"_s);
        QTest::mouseClick(w.Editaltitude, Qt::LeftButton);
        QCOMPARE(w.Editaltitude->text(), u"25"_s);
    }));
}

void TestAtmosphereEntry::arrowsChooseTheEdit()
{
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        typeInto(w, w.Editaltitude, u"100"_s);
        hit(&w, Qt::Key_Up);
        QCOMPARE(w.focusWidget(), w.Editalttudepied);
        QCOMPARE(w.Editalttudepied->text(), QString());
        QCOMPARE(w.Editaltitude->text(), u"metre"_s);
        type(&w, u"100"_s);
        QCOMPARE(w.Editaltitude->text(), u"30 m"_s);
        hit(&w, Qt::Key_Up);
        QCOMPARE(w.Editalttudepied->text(), u"100"_s);
        hit(&w, Qt::Key_Down);
        QCOMPARE(w.focusWidget(), w.Editaltitude);
        QCOMPARE(w.Editaltitude->text(), QString());
        QCOMPARE(w.Editalttudepied->text(), u"feet"_s);
        // The results of the last computation stay: 30 m, the half-hundredth case.
        QCOMPARE(w.EditTemperatureC->text(), local(u"14.8 °C"_s));
    }));
}

void TestAtmosphereEntry::deleteEmptiesBothEditsOnly()
{
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        typeInto(w, w.Editaltitude, u"1010"_s);
        QCOMPARE(w.EditTemperatureC->text(), local(u"8.43 °C"_s));
        hit(&w, Qt::Key_Delete);
        QCOMPARE(w.Editaltitude->text(), QString());
        QCOMPARE(w.Editalttudepied->text(), QString());
        QCOMPARE(w.EditTemperatureC->text(), local(u"8.43 °C"_s));
        QCOMPARE(w.TrackBarALTITUDE->value(), -1010);
    }));
}

void TestAtmosphereEntry::sliderKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("metres");
    QTest::addColumn<QString>("feet");
    QTest::newRow("up climbs") << int(Qt::Key_Up) << 3 << u"3 m"_s << u"9.84 ft"_s;
    QTest::newRow("down descends") << int(Qt::Key_Down) << 2 << u"-2 m"_s << u"-6.56 ft"_s;
    QTest::newRow("page up, one metre") << int(Qt::Key_PageUp) << 1 << u"1 m"_s << u"3.28 ft"_s;
    QTest::newRow("home, the top") << int(Qt::Key_Home) << 1 << u"13716 m"_s << u"44999.45 ft"_s;
    QTest::newRow("end, the bottom") << int(Qt::Key_End) << 1 << u"-305 m"_s << u"-1000.64 ft"_s;
}

void TestAtmosphereEntry::sliderKeys()
{
    QFETCH(int, key);
    QFETCH(int, presses);
    QFETCH(QString, metres);
    QFETCH(QString, feet);
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        // Reach the slider with Tab from the last result box.
        QTest::mouseClick(w.Editracinede, Qt::LeftButton);
        hit(&w, Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), w.TrackBarALTITUDE);
        for (int i = 0; i < presses; ++i)
            hit(&w, Qt::Key(key));
        QCOMPARE(w.Editaltitude->text(), metres);
        QCOMPARE(w.Editalttudepied->text(), local(feet));
        const int altitude = metres.chopped(2).toInt();
        QCOMPARE(w.TrackBarALTITUDE->value(), -altitude);
        QCOMPARE(w.Gaugealtitude->progress(), altitude);
        hit(&w, Qt::Key_Return);
        QCOMPARE(w.focusWidget(), w.Buttonterminer);
        QVERIFY(w.isVisible());
    }));
}

void TestAtmosphereEntry::sliderMouse()
{
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        QSlider* slider = w.TrackBarALTITUDE;
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = Qt::Vertical;
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = slider->value();
        option.sliderValue = slider->value();
        option.upsideDown = !slider->invertedAppearance();
        option.tickPosition = slider->tickPosition();
        option.tickInterval = slider->tickInterval();
        option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
        const QRect handle = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                             QStyle::SC_SliderHandle, slider);
        // A click above the handle climbs one metre.
        QTest::mouseClick(slider, Qt::LeftButton, {}, {handle.center().x(), handle.top() - 20});
        QCOMPARE(slider->value(), -1);
        QCOMPARE(w.Editaltitude->text(), u"1 m"_s);
        // Dragging the handle to the top of the groove climbs to 13716 m.
        const QPoint grab = handle.center() - QPoint(0, 1);
        QTest::mousePress(slider, Qt::LeftButton, {}, grab);
        QTest::mouseMove(slider, {grab.x(), grab.y() - 100});
        QTest::mouseMove(slider, {grab.x(), -200});
        QTest::mouseRelease(slider, Qt::LeftButton, {}, {grab.x(), -200});
        QCOMPARE(slider->value(), -13716);
        QCOMPARE(w.Editaltitude->text(), u"13716 m"_s);
        QCOMPARE(w.Editpression->text(), local(u"147.47 hPa"_s));
        QCOMPARE(w.Gaugepression->progress(), 147);
        QCOMPARE(w.Gaugealtitude->percent(), 100);
    }));
}

void TestAtmosphereEntry::stepButtons_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("metres");
    QTest::addColumn<QString>("feet");
    QTest::addColumn<QString>("celsius");
    QTest::newRow("+ 10 from 0, 3.28 ft per metre")
        << u"0"_s << u"ButtonMoins"_s << u"10 m"_s << u"32.8 ft"_s << u"14.94 °C"_s;
    QTest::newRow("- 10 from 0, 15.065 to the even 15.06")
        << u"0"_s << u"ButtonPlus"_s << u"-10 m"_s << u"-32.8 ft"_s << u"15.06 °C"_s;
    // At the ends nothing moves, yet the edits are rewritten.
    QTest::newRow("+ 10 at the top")
        << u"20000"_s << u"ButtonMoins"_s << u"13716 m"_s << u"44988.48 ft"_s << u"-56.5 °C"_s;
    QTest::newRow("- 10 at the bottom")
        << u"-305"_s << u"ButtonPlus"_s << u"-305 m"_s << u"-1000.4 ft"_s << u"16.98 °C"_s;
    QTest::newRow("+ 10 from 13710 holds at the top")
        << u"13710"_s << u"ButtonMoins"_s << u"13716 m"_s << u"44988.48 ft"_s << u"-56.5 °C"_s;
}

void TestAtmosphereEntry::stepButtons()
{
    QFETCH(QString, start);
    QFETCH(QString, button);
    QFETCH(QString, metres);
    QFETCH(QString, feet);
    QFETCH(QString, celsius);
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        typeInto(w, w.Editaltitude, start);
        QTest::mouseClick(w.findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(w.focusWidget()->objectName(), button);
        QCOMPARE(w.Editaltitude->text(), metres);
        QCOMPARE(w.Editalttudepied->text(), local(feet));
        QCOMPARE(w.EditTemperatureC->text(), local(celsius));
        const int altitude = metres.chopped(2).toInt();
        QCOMPARE(w.TrackBarALTITUDE->value(), -altitude);
        QCOMPARE(w.Gaugealtitude->progress(), altitude);
    }));
}

QTEST_MAIN(TestAtmosphereEntry)
#include "tst_atmosentry.moc"
