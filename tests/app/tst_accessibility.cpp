// Accessibility: every control a user can reach in the seven windows has a name that a
// screen reader can speak.

#include "support/guitest.h"

#include "atmosphere/atmos.h"
#include "flying_hours/calculhrs.h"
#include "flying_hours/hrsdlg.h"
#include "listings/Tableau.h"
#include "listings/pubfree.h"
#include "report/printpreview.h"
#include "workbench/convers.h"
#include "wrench/cleangl.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlHasAName_data();
    void everyControlHasAName();
    void gaugesTellTheirValue_data();
    void gaugesTellTheirValue();
};

namespace {

bool isControl(const QWidget* w)
{
    if (w->focusPolicy() != Qt::NoFocus)
        return true;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QDateEdit*>(w);
}

// Parts that Qt builds inside a control (the line edit of a combo box or a date edit, the
// viewport and scroll bars of a scroll area) are spoken through their owner.
bool isInnerPart(const QWidget* w)
{
    const QWidget* parent = w->parentWidget();
    if (!parent)
        return false;
    if (qobject_cast<const QLineEdit*>(w) &&
        (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent)))
        return true;
    if (auto* area = qobject_cast<const QAbstractScrollArea*>(parent);
        area && area->viewport() == w)
        return true;
    return w->objectName().startsWith(u"qt_"_s) || parent->objectName().startsWith(u"qt_"_s);
}

QString describe(const QWidget* w)
{
    return u"%1 '%2' in %3"_s.arg(QString::fromLatin1(w->metaObject()->className()),
                                  w->objectName(), w->window()->objectName());
}

} // namespace

void TestAccessibility::everyControlHasAName_data()
{
    QTest::addColumn<int>("window");
    QTest::newRow("TFrmConversion") << 0;
    QTest::newRow("TfrmcleDlg") << 1;
    QTest::newRow("TPub") << 2;
    QTest::newRow("TWinControlForm1") << 3;
    QTest::newRow("TFrmAtmosphere") << 4;
    QTest::newRow("Tfrmcalculhrs") << 5;
    QTest::newRow("TfrmhrsatDlg") << 6;
    QTest::newRow("TPrintPreview") << 7;
}

void TestAccessibility::everyControlHasAName()
{
    QFETCH(int, window);
    Running run;
    Program& p = *run.program;
    QWidget* const windows[] = {&p.conversion(), &p.cleDlg(),    &p.pub(),   &p.reports(),
                                &p.atmosphere(), &p.calculhrs(), &p.hrsDlg()};
    // The preview is built on demand, over the listing form's report.
    TPrintPreview preview(*p.reports().QuickRepTableau1, QDate(2026, 12, 9), run.platform,
                          &p.reports());
    QWidget* root = window < 7 ? windows[window] : &preview;

    QStringList unnamed;
    int controls = 0;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->window() != root || !isControl(w) || isInnerPart(w))
            continue;
        ++controls;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << describe(w);
    }
    // The report form is never shown and holds no controls; every other window has some.
    QVERIFY(controls > 0 || root == &p.reports());
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u"\n"_s)));
}

void TestAccessibility::gaugesTellTheirValue_data()
{
    QTest::addColumn<int>("panel"); // 0 temperatures (212 °F typed), 1 kerosene (+T° once),
                                    // 2 atmosphere (1000 m typed)
    QTest::addColumn<QString>("gauge");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    // Regression: each was a bare widget to assistive technology, with no value.
    QTest::newRow("°F thermometer")
        << 0 << u"GaugeFar"_s << u"Thermometer °F"_s << 212 << -273 << 2200;
    QTest::newRow("°C thermometer")
        << 0 << u"GaugeCen"_s << u"Thermometer °C"_s << 100 << -273 << 2200;
    QTest::newRow("kerosene thermometer")
        << 1 << u"Gauge1"_s << u"Product temperature °C"_s << 16 << -12 << 45;
    QTest::newRow("altitude gauge")
        << 2 << u"Gaugealtitude"_s << u"Altitude m"_s << 1000 << -305 << 13716;
    QTest::newRow("pressure gauge")
        << 2 << u"Gaugepression"_s << u"Pressure hPa"_s << 899 << 50 << 1200;
}

void TestAccessibility::gaugesTellTheirValue()
{
    QFETCH(int, panel);
    QFETCH(QString, gauge);
    QFETCH(QString, name);
    QFETCH(int, value);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    Running run;
    TFrmConversion& main = run.program->conversion();
    const auto check = [&](QWidget* window) {
        auto* widget = window->findChild<QWidget*>(gauge);
        QVERIFY(widget);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::ProgressBar);
        QCOMPARE(face->text(QAccessible::Name), name);
        QCOMPARE(face->text(QAccessible::Value), QString::number(value));
        QAccessibleValueInterface* reading = face->valueInterface();
        QVERIFY(reading);
        QCOMPARE(reading->currentValue().toInt(), value);
        QCOMPARE(reading->minimumValue().toInt(), minimum);
        QCOMPARE(reading->maximumValue().toInt(), maximum);
    };
    if (panel == 0) {
        QTest::mouseClick(main.ToolButton6, Qt::LeftButton);
        auto* fahrenheit = main.findChild<QLineEdit*>(u"EditFar"_s);
        QTest::mouseClick(fahrenheit, Qt::LeftButton);
        QTest::keyClicks(fahrenheit, u"212"_s);
        check(&main);
    } else if (panel == 1) {
        QTest::mouseClick(main.ToolButton4, Qt::LeftButton);
        QTest::mouseClick(main.findChild<QPushButton*>(u"BitBtn2"_s), Qt::LeftButton);
        check(&main);
    } else {
        bool checked = false;
        whenModalOpens([&](QWidget* atmosphere) {
            auto* metres = atmosphere->findChild<QLineEdit*>(u"Editaltitude"_s);
            QTest::mouseClick(metres, Qt::LeftButton);
            QTest::keyClicks(metres, u"1000"_s);
            check(atmosphere);
            checked = true;
            atmosphere->close();
        });
        main.findChild<QAction*>(u"abledamospherestandard1"_s)->trigger();
        QVERIFY(checked);
    }
    QVERIFY(run.platform.errors.isEmpty());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
