// The atmosphere window as it opens from the main menu: caption, layout texts and
// colours, tab order, the state kept between openings, closing, and the Listing button.

#include "atmostest.h"

#include "listings/pubfree.h"
#include "platform/windowkit.h"
#include "widgets/gauge.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

class TestAtmosphereWindow : public QObject
{
    Q_OBJECT

private slots:
    void opensWithItsLayout();
    void layoutTexts_data();
    void layoutTexts();
    void colours();
    void greekSymbolsSitInTheirBrackets();
    void tabOrderFollowsTheTable();
    void keepsItsStateBetweenOpenings();
    void enterTwiceInAnEditCloses();
    void escapeClosesFromAnAltitudeEditOrCancel_data();
    void escapeClosesFromAnAltitudeEditOrCancel();
    void enterInAResultBoxClicksNothing();
    void listingOpensTheRangeWindowWithItsDefaults();
};

void TestAtmosphereWindow::opensWithItsLayout()
{
    Running run;
    const bool ran = withAtmosphere(run, [&](TFrmAtmosphere& w) {
        QCOMPARE(w.windowTitle(), u"STANDARD ATMOSPHERE"_s);
        QCOMPARE(w.size(), QSize(617, 365));
        QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.isModal());
        const QPoint offCentre =
            w.frameGeometry().center() - w.screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 2);
        // The first opening: the focus on the first control in tab order.
        QCOMPARE(w.focusWidget(), w.Buttonterminer);
        QCOMPARE(w.Buttonterminer->text(), u"Cancel"_s);
        QCOMPARE(w.ButtonTemperature->text(), u"Listing"_s);
        QCOMPARE(w.ButtonTemperature->toolTip(), u"Tableau  atmosphere standard"_s);
        QCOMPARE(w.ButtonPlus->text(), u"- 10"_s);
        QCOMPARE(w.ButtonMoins->text(), u"+ 10"_s);
        // "+ 10" above the slider, "- 10" below it, the altitude gauge beside it.
        QVERIFY(w.ButtonMoins->geometry().bottom() < w.TrackBarALTITUDE->geometry().top());
        QVERIFY(w.ButtonPlus->geometry().top() > w.TrackBarALTITUDE->geometry().bottom());
        QVERIFY(w.Gaugealtitude->geometry().left() > w.TrackBarALTITUDE->geometry().right());

        // The layout values until the first computation; the pressure gauge fills in whole
        // percents of 50 to 1200 hPa.
        QCOMPARE(w.TrackBarALTITUDE->value(), 0);
        QCOMPARE(w.Gaugealtitude->progress(), 15);
        QCOMPARE(w.Gaugepression->progress(), 1013);
        QCOMPARE(w.Gaugepression->percent(), 83);
        QCOMPARE(w.Gaugealtitude->foreColor(), TFrmAtmosphere::navy());
        QCOMPARE(w.Gaugepression->foreColor(), TFrmAtmosphere::blue());

        auto* maker = w.findChild<QLabel*>(u"LabelAuteur"_s);
        QVERIFY(maker);
        QCOMPARE(maker->toolTip(), u"A propos"_s);
        QTest::mouseClick(maker, Qt::LeftButton);
        QVERIFY(run.platform.shellOpened.isEmpty());
        QVERIFY(w.isVisible());
    });
    QVERIFY(ran);
}

void TestAtmosphereWindow::layoutTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    // The boxes show their layout texts until the first computation: sea-level figures
    // with a decimal comma (the ratios as 0 m computes them, not "1.000,2", which reads as
    // a thousand).
    const char* const boxes[][2] = {
        {"Editaltitude", "0 m"},         {"EditTemperatureC", "15°C"},
        {"Editpression", "1013,25 hPa"}, {"Editvitesse", "662 Kt"},
        {"Editrapport", "1,0002"},       {"Editmasse", "1,2259"},
        {"Editdensite", "1,0007"},       {"Editracinede", "1,0003"},
        {"EditTemperatureF", "59 °F"},   {"EditTemperatureK", "288°K"},
        {"Editalttudepied", "0 ft "},
    };
    for (const auto& box : boxes)
        QTest::newRow(box[0]) << QString::fromLatin1(box[0]) << QString::fromUtf8(box[1]);
    const char* const labels[][2] = {
        {"LabelVitesse", "Speed of sound:"},
        {"LabelRapport", "Report/Ration of pressure : (    = P/Po )"},
        {"LabelMasse", "Masse volumique:   (    ) __"},
        {"LabelDensite", "Relative density :(                 )  _"},
        {"LabelRacine", "Sqare rot of: (      )  __"},
        {"LabelAltitudeHaut", "13716 m"},
        {"LabelAltitudeBas", "- 305 m"},
        {"LabelPressionHaut", "1050.41 hPa"},
        {"LabelPressionBas", "147.47 hPa"},
        {"LabelPression", "Pressure"},
        {"LabelTemperatures", "Températures"},
        {"LabelAltitude", "Altitude "},
        {"LabelFeet", "Feet"},
        {"LabelMetre", "Metre"},
    };
    for (const auto& label : labels)
        QTest::newRow(label[0]) << QString::fromLatin1(label[0]) << QString::fromUtf8(label[1]);
}

void TestAtmosphereWindow::layoutTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    Running run;
    TFrmAtmosphere& w = run.program->atmosphere();
    auto* widget = w.findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(edit->text(), text);
        QCOMPARE(edit->isReadOnly(), name != u"Editaltitude"_s && name != u"Editalttudepied"_s);
        if (edit->isReadOnly() || name == u"Editalttudepied"_s)
            QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    } else {
        QCOMPARE(qobject_cast<QLabel*>(widget)->text(), text);
    }
}

void TestAtmosphereWindow::colours()
{
    Running run;
    TFrmAtmosphere& w = run.program->atmosphere();
    QCOMPARE(windowkit::background(w.Editaltitude), QColor(0xA6CAF0));
    QCOMPARE(windowkit::background(w.Editalttudepied), TFrmAtmosphere::inactiveBorder());
    for (QLineEdit* edit : {w.Editaltitude, w.Editalttudepied}) {
        QCOMPARE(edit->font().pixelSize(), 16);
        QVERIFY(edit->font().bold());
        QCOMPARE(QFontInfo(edit->font()).family(), QFontInfo(windowkit::arial(8)).family());
    }
    for (QLineEdit* box : {w.EditTemperatureC, w.EditTemperatureF, w.EditTemperatureK}) {
        QCOMPARE(windowkit::textColour(box), QColor(0x800000));
        QVERIFY(box->font().bold());
    }
    QCOMPARE(windowkit::textColour(w.Editpression), QColor(Qt::white));
    QCOMPARE(windowkit::background(w.Editpression), QColor(0x0000FF));
}

void TestAtmosphereWindow::greekSymbolsSitInTheirBrackets()
{
    Running run;
    TFrmAtmosphere& w = run.program->atmosphere();
    const char* const symbols[][3] = {
        {"LabelRapport", "LabelSymboleRapport", "δ"},
        {"LabelMasse", "LabelSymboleMasse", "ρ"},
        {"LabelDensite", "LabelSymboleDensite", "σ = ρ/ρo"},
        {"LabelRacine", "LabelSymboleRacine", "√σ"},
    };
    for (const auto& entry : symbols) {
        auto* label = w.findChild<QLabel*>(QString::fromLatin1(entry[0]));
        auto* symbol = w.findChild<QLabel*>(QString::fromLatin1(entry[1]));
        QVERIFY2(label && symbol, entry[1]);
        QCOMPARE(symbol->text(), QString::fromUtf8(entry[2]));
        // Between the brackets of its label, on the same line.
        const QFontMetrics metrics(label->font());
        const QString text = label->text();
        const int open = label->x() + metrics.horizontalAdvance(text.left(text.indexOf(u'(') + 1));
        const int close = label->x() + metrics.horizontalAdvance(text.left(text.indexOf(u')')));
        const int centre = symbol->geometry().center().x();
        QVERIFY2(centre > open && centre < close, entry[1]);
        QCOMPARE(symbol->y(), label->y());
    }
}

void TestAtmosphereWindow::tabOrderFollowsTheTable()
{
    Running run;
    QStringList visited;
    const bool ran = withAtmosphere(run, [&](TFrmAtmosphere& w) {
        for (int i = 0; i < 17; ++i) {
            visited << w.focusWidget()->objectName();
            hit(&w, Qt::Key_Tab);
        }
    });
    QVERIFY(ran);
    QCOMPARE(visited, (QStringList{u"Buttonterminer"_s, u"ButtonTemperature"_s, u"Editaltitude"_s,
                                   u"EditTemperatureC"_s, u"Editpression"_s, u"Editvitesse"_s,
                                   u"Editrapport"_s, u"Editmasse"_s, u"Editdensite"_s,
                                   u"Editracinede"_s, u"TrackBarALTITUDE"_s, u"EditTemperatureF"_s,
                                   u"EditTemperatureK"_s, u"Editalttudepied"_s, u"ButtonPlus"_s,
                                   u"ButtonMoins"_s, u"Buttonterminer"_s}));
}

void TestAtmosphereWindow::keepsItsStateBetweenOpenings()
{
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        QTest::mouseClick(w.Editalttudepied, Qt::LeftButton);
        type(&w, u"1000"_s);
        QCOMPARE(w.Editaltitude->text(), u"305 m"_s);
        hit(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }));
    // Coming back to the feet edit is no new choice: its text and the results stay.
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        QCOMPARE(w.focusWidget(), w.Editalttudepied);
        QCOMPARE(w.Editalttudepied->text(), u"1000"_s);
        QCOMPARE(w.Editaltitude->text(), u"305 m"_s);
        QCOMPARE(w.TrackBarALTITUDE->value(), -305);
        QCOMPARE(w.EditTemperatureC->text(), local(u"13.02 °C"_s));
        QCOMPARE(windowkit::background(w.Editalttudepied), TFrmAtmosphere::skyBlue());
        hit(&w, Qt::Key_End);
        type(&w, u"0"_s);
        QCOMPARE(w.Editaltitude->text(), u"3048 m"_s);
        QTest::mouseClick(w.Buttonterminer, Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }));
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        QCOMPARE(w.focusWidget(), w.Buttonterminer);
        QCOMPARE(w.Editalttudepied->text(), u"10000"_s);
    }));
    QVERIFY(run.platform.errors.isEmpty());
}

void TestAtmosphereWindow::enterTwiceInAnEditCloses()
{
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        QTest::mouseClick(w.Editaltitude, Qt::LeftButton);
        type(&w, u"500"_s);
        hit(&w, Qt::Key_Return);
        QCOMPARE(w.focusWidget(), w.Buttonterminer);
        QVERIFY(w.isVisible());
        QCOMPARE(w.Editaltitude->text(), u"500"_s);
        hit(&w, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!w.isVisible());
    }));
}

void TestAtmosphereWindow::escapeClosesFromAnAltitudeEditOrCancel_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("closes");
    QTest::newRow("metres edit") << u"Editaltitude"_s << true;
    QTest::newRow("feet edit") << u"Editalttudepied"_s << true;
    QTest::newRow("Cancel") << u"Buttonterminer"_s << true;
    // Regression: Escape on the slider closed the window.
    QTest::newRow("slider") << u"TrackBarALTITUDE"_s << false;
    QTest::newRow("Listing") << u"ButtonTemperature"_s << false;
    QTest::newRow("+ 10") << u"ButtonMoins"_s << false;
    QTest::newRow("result box") << u"Editpression"_s << false;
}

void TestAtmosphereWindow::escapeClosesFromAnAltitudeEditOrCancel()
{
    QFETCH(QString, control);
    QFETCH(bool, closes);
    Running run;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        auto* focused = w.findChild<QWidget*>(control);
        focused->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.focusWidget(), focused);
        hit(&w, Qt::Key_Escape);
        QCOMPARE(w.isVisible(), !closes);
        if (!closes)
            QCOMPARE(w.focusWidget(), focused);
    }));
}

void TestAtmosphereWindow::enterInAResultBoxClicksNothing()
{
    // Regression: with a default button, Enter in a result box opened the listing window.
    Running run;
    bool listingOpened = false;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        whenModalNamed(u"TPub"_s, [&](QWidget* pub) {
            listingOpened = true;
            static_cast<QDialog*>(pub)->reject();
        });
        QTest::mouseClick(w.Editmasse, Qt::LeftButton);
        hit(&w, Qt::Key_Return);
        QTest::qWait(50);
        QVERIFY(w.isVisible());
        QVERIFY(!listingOpened);
        QVERIFY(!w.ButtonTemperature->isDefault() && !w.Buttonterminer->isDefault());
        // Enter on the focused "Listing" button does open it.
        QTest::mouseClick(w.ButtonTemperature, Qt::LeftButton);
        QVERIFY(listingOpened);
        listingOpened = false;
        whenModalNamed(u"TPub"_s, [&](QWidget* pub) {
            listingOpened = true;
            static_cast<QDialog*>(pub)->reject();
        });
        hit(&w, Qt::Key_Return);
        QVERIFY(listingOpened);
    }));
}

void TestAtmosphereWindow::listingOpensTheRangeWindowWithItsDefaults()
{
    Running run;
    TPub& pub = run.program->pub();
    pub.setListingRange(u"1"_s, u"2"_s, u"3"_s);
    bool seen = false;
    QVERIFY(withAtmosphere(run, [&](TFrmAtmosphere& w) {
        QTest::mouseClick(w.Editaltitude, Qt::LeftButton);
        type(&w, u"1234"_s);
        const QString shown = w.EditTemperatureC->text();
        whenModalNamed(u"TPub"_s, [&](QWidget* modal) {
            seen = true;
            QCOMPARE(modal, &pub);
            QVERIFY(pub.PanelTableau->isVisible());
            QCOMPARE(pub.title(), u"Listing standard atmosphere"_s);
            QCOMPARE(pub.Edit1->text(), u"-305"_s);
            QCOMPARE(pub.Edit2->text(), u"13716"_s);
            QCOMPARE(pub.Edit3->text(), u"150"_s);
            QTest::mouseClick(pub.Button1, Qt::LeftButton);
        });
        QTest::mouseClick(w.ButtonTemperature, Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(!pub.isVisible());
        QVERIFY(w.isVisible());
        QCOMPARE(w.EditTemperatureC->text(), shown);
        QCOMPARE(w.focusWidget(), w.ButtonTemperature);
    }));
}

QTEST_MAIN(TestAtmosphereWindow)
#include "tst_atmoswindow.moc"
