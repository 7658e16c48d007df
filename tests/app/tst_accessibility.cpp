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
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlHasAName_data();
    void everyControlHasAName();
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

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
