// How long the calculator takes to follow a keystroke on a long ledger: every key release
// stores the fields, rebuilds the selected line and recomputes all totals from scratch.
// Run with QT_QPA_PLATFORM=offscreen.

#include "app/program.h"
#include "flying_hours/calculhrs.h"
#include "flying_hours/ledger.h"

#include <QLineEdit>
#include <QTest>

using namespace mirandel;
using namespace Qt::StringLiterals;

class BenchLedger : public QObject
{
    Q_OBJECT

private slots:
    void totals_data();
    void totals();
    void keystroke_data();
    void keystroke();
};

void BenchLedger::totals_data()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("30 rows") << 30;
    QTest::newRow("3000 rows") << 3000;
}

void BenchLedger::totals()
{
    QFETCH(int, rows);
    const QList<ledger::Row> ledgerRows(
        rows, ledger::Row{ledger::plus(), u"12"_s, u"45"_s, u"3"_s, ledger::ifr()});
    QBENCHMARK
    {
        const ledger::Totals result = ledger::totals(ledgerRows);
        QVERIFY(result.all.hours > 0);
    }
}

void BenchLedger::keystroke_data()
{
    totals_data();
}

void BenchLedger::keystroke()
{
    QFETCH(int, rows);
    Program program;
    Tfrmcalculhrs& calculator = program.calculhrs();
    calculator.show();
    QVERIFY(QTest::qWaitForWindowActive(&calculator));
    for (int row = 1; row < rows; ++row)
        QTest::keyClick(calculator.EditHrs, '+');
    QBENCHMARK
    {
        QTest::keyClick(calculator.EditHrs, '7');
        QTest::keyClick(calculator.EditHrs, Qt::Key_Backspace);
    }
    calculator.close();
}

QTEST_MAIN(BenchLedger)
#include "bench_ledger.moc"
