// The calculator's rows: add, delete, up, down, a click on a line, the flight categories,
// the reset on closing and the report dialog opened by "Preview". Ends with the ledger a
// pilot builds with the keyboard only, then with the mouse and keypad only.

#include "calculatorfixture.h"

#include "flying_hours/calculhrs.h"
#include "flying_hours/hoursentry.h"
#include "flying_hours/hrsdlg.h"
#include "workbench/convers.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

QStringList texts(const QListWidget* list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result << list->item(row)->text();
    return result;
}

QStringList lines(const Tfrmcalculhrs& calculator)
{
    return texts(calculator.ListBoxtext);
}

QStringList categories(const Tfrmcalculhrs& calculator)
{
    return texts(calculator.findChild<QListWidget*>(u"ListBoxvfr"_s));
}

QStringList fields(const Tfrmcalculhrs& calculator)
{
    return {calculator.EditHrs->text(), calculator.Editmn1->text(), calculator.Editatt->text()};
}

QStringList totals(const Tfrmcalculhrs& calculator)
{
    return {calculator.Labeltotal->text(), calculator.VFR->text(), calculator.IFR->text(),
            calculator.NUIT->text()};
}

// The selected row, checked to be the same in all six columns.
int selected(const Tfrmcalculhrs& calculator)
{
    const int row = calculator.ListBoxtext->currentRow();
    for (QListWidget* column : calculator.findChildren<QListWidget*>())
        if (column->currentRow() != row)
            return -2;
    return row;
}

void clickLine(Tfrmcalculhrs& calculator, int row)
{
    QListWidget* list = calculator.ListBoxtext;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// Three rows: 1 h VFR, 2 h IFR, 3 h NIGHT, built with the keys and radio buttons; the
// third is selected.
void threeRows(Tfrmcalculhrs& calculator)
{
    type(&calculator, u"1+2"_s);
    click(calculator.RadioButtonifr);
    type(&calculator, u"+3"_s);
    click(calculator.RadioButtonnuit);
}

const QString vfrLine = u"+000001 Hrs 00 mn 000000 lndg   ==> VFR"_s;
const QString ifrLine = u"+000002 Hrs 00 mn 000000 lndg   ==> IFR"_s;
const QString nightLine = u"+000003 Hrs 00 mn 000000 lndg   ==> NIGHT"_s;

// Runs `action` on the next message box that opens over `owner`, from a timer.
void whenQuestionOpens(QWidget* owner, std::function<void(QMessageBox*)> action)
{
    auto* timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(box);
    });
    timer->start();
}

} // namespace

class TestLedgerRows : public QObject
{
    Q_OBJECT

private slots:
    void addTakesTheCurrentCategory_data();
    void addTakesTheCurrentCategory();
    void deleteSelectsThePreviousRow();
    void deleteTwiceKeepsEachCategoryWithItsRow();
    void deleteKeyOnlyFromTheHours();
    void selectingANightRowTurnsOnNight_data();
    void selectingANightRowTurnsOnNight();
    void upOnTheFirstAndDownOnTheLastStayAndReload();
    void theListSelectsOnlyByAClick();
    void categoryActionRewritesTheSelectedRow();
    void closingResetsTheLedger_data();
    void closingResetsTheLedger();
    void previewShowsTheTotalsAndGivesTheFocusBack_data();
    void previewShowsTheTotalsAndGivesTheFocusBack();
    void reportDialogLayout();
    void dayCountZeroOrNegative();
    void pilotWithTheKeyboardOnly();
    void pilotWithTheMouseAndKeypadOnly();
};

void TestLedgerRows::addTakesTheCurrentCategory_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("newLine");
    QTest::newRow("plus while IFR") << u"RadioButtonifr"_s << u"ToolButtonplus"_s
                                    << u"+ 000000 hrs 00 mn 000000 lndg   ==> IFR"_s;
    QTest::newRow("minus while NIGHT") << u"RadioButtonnuit"_s << u"ToolButtonmoins"_s
                                       << u"- 000000 hrs 00 mn 000000 lndg   ==> NIGHT"_s;
    QTest::newRow("plus while VFR") << u"RadioButtonvfr"_s << u"ToolButtonplus"_s
                                    << u"+ 000000 hrs 00 mn 000000 lndg   ==> VFR"_s;
}

void TestLedgerRows::addTakesTheCurrentCategory()
{
    QFETCH(QString, radio);
    QFETCH(QString, button);
    QFETCH(QString, newLine);
    Running run;
    QVERIFY(withCalculator(run, [&](Tfrmcalculhrs& calculator) {
        type(&calculator, u"4"_s);
        click(calculator.findChild<QRadioButton*>(radio));
        click(calculator.findChild<QToolButton*>(button));
        // Added with the mouse: nothing is recomputed, the line keeps its unformatted text.
        QCOMPARE(calculator.ListBoxtext->count(), 2);
        QCOMPARE(selected(calculator), 1);
        QCOMPARE(lines(calculator).at(1), newLine);
        QCOMPARE(categories(calculator).at(1), calculator.LABELVOL->text());
        QCOMPARE(fields(calculator), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
        QCOMPARE(calculator.focusWidget(), calculator.EditHrs);
        QCOMPARE(calculator.EditHrs->selectedText(), u"0"_s);
        QCOMPARE(calculator.Labeltotal->text(), u"4 hrs 0 mn 0 lndg"_s);
        type(&calculator, u"2"_s);
        QCOMPARE(lines(calculator).at(1), newLine.left(1) +
                                              u"000002 Hrs 00 mn 000000 lndg   ==> "_s +
                                              calculator.LABELVOL->text());
    }));
}

void TestLedgerRows::deleteSelectsThePreviousRow()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        threeRows(calculator);
        QCOMPARE(lines(calculator), (QStringList{vfrLine, ifrLine, nightLine}));
        QCOMPARE(calculator.Labeltotal->text(), u"6 hrs 0 mn 0 lndg"_s);

        // The third of three: the second is selected, loaded and recomputed.
        click(calculator.entry().ToolButtondelete);
        QCOMPARE(lines(calculator), (QStringList{vfrLine, ifrLine}));
        QCOMPARE(selected(calculator), 1);
        QCOMPARE(fields(calculator), (QStringList{u"2"_s, u"0"_s, u"0"_s}));
        QCOMPARE(calculator.LABELVOL->text(), u"IFR"_s);
        QVERIFY(calculator.RadioButtonifr->isChecked());
        QCOMPARE(totals(calculator),
                 (QStringList{u"3 hrs 0 mn 0 lndg"_s, u"VFR  : 1 hrs 0 mn 0 lndg"_s,
                              u"IFR   : 2 hrs 0 mn 0lndg"_s, u"Night : 0 hrs 0 mn 0 lndg"_s}));
        QCOMPARE(calculator.focusWidget(), calculator.EditHrs);

        // The first: the new first is selected.
        press(&calculator, Qt::Key_Up);
        QCOMPARE(selected(calculator), 0);
        click(calculator.entry().ToolButtondelete);
        QCOMPARE(lines(calculator), (QStringList{ifrLine}));
        QCOMPARE(selected(calculator), 0);
        QVERIFY(calculator.RadioButtonifr->isChecked());
        QCOMPARE(calculator.Labeltotal->text(), u"2 hrs 0 mn 0 lndg"_s);

        // A ledger of one row keeps it.
        click(calculator.entry().ToolButtondelete);
        QCOMPARE(lines(calculator), (QStringList{ifrLine}));
        QCOMPARE(selected(calculator), 0);
        QCOMPARE(fields(calculator), (QStringList{u"2"_s, u"0"_s, u"0"_s}));
    }));
}

void TestLedgerRows::deleteTwiceKeepsEachCategoryWithItsRow()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        threeRows(calculator);
        click(calculator.RadioButtonvfr);
        type(&calculator, u"+4"_s);
        QCOMPARE(categories(calculator), (QStringList{u"VFR"_s, u"IFR"_s, u"VFR"_s, u"VFR"_s}));
        press(&calculator, Qt::Key_Up);
        press(&calculator, Qt::Key_Up);
        QCOMPARE(selected(calculator), 1);
        press(&calculator, Qt::Key_Delete);
        press(&calculator, Qt::Key_Delete);
        QCOMPARE(categories(calculator), (QStringList{u"VFR"_s, u"VFR"_s}));
        QCOMPARE(lines(calculator), (QStringList{u"+000003 Hrs 00 mn 000000 lndg   ==> VFR"_s,
                                                 u"+000004 Hrs 00 mn 000000 lndg   ==> VFR"_s}));
        QCOMPARE(selected(calculator), 0);
        QCOMPARE(calculator.Labeltotal->text(), u"7 hrs 0 mn 0 lndg"_s);
    }));
    Running again;
    QVERIFY(withCalculator(again, [](Tfrmcalculhrs& calculator) {
        threeRows(calculator);
        press(&calculator, Qt::Key_Delete);
        press(&calculator, Qt::Key_Delete);
        QCOMPARE(categories(calculator), (QStringList{u"VFR"_s}));
        QCOMPARE(lines(calculator), (QStringList{vfrLine}));
        QVERIFY(calculator.RadioButtonvfr->isChecked());
        QCOMPARE(calculator.NUIT->text(), u"Night : 0 hrs 0 mn 0 lndg"_s);
    }));
}

void TestLedgerRows::deleteKeyOnlyFromTheHours()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        type(&calculator, u"1+2.45"_s);
        // In the minutes the key deletes a character as usual.
        calculator.Editmn1->setCursorPosition(0);
        press(&calculator, Qt::Key_Delete);
        QCOMPARE(calculator.Editmn1->text(), u"5"_s);
        QCOMPARE(calculator.ListBoxtext->count(), 2);
        QCOMPARE(lines(calculator).at(1), u"+000002 Hrs 05 mn 000000 lndg   ==> VFR"_s);
        press(&calculator, Qt::Key_Return);
        press(&calculator, Qt::Key_Delete);
        QCOMPARE(calculator.ListBoxtext->count(), 2);
        press(&calculator, Qt::Key_Return);
        press(&calculator, Qt::Key_Delete);
        QCOMPARE(lines(calculator), (QStringList{vfrLine}));
    }));
}

void TestLedgerRows::selectingANightRowTurnsOnNight_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("click") << u"click"_s;
    QTest::newRow("up key") << u"up key"_s;
    QTest::newRow("down key") << u"down key"_s;
    QTest::newRow("up button") << u"up button"_s;
    QTest::newRow("down button") << u"down button"_s;
}

void TestLedgerRows::selectingANightRowTurnsOnNight()
{
    QFETCH(QString, how);
    Running run;
    QVERIFY(withCalculator(run, [&](Tfrmcalculhrs& calculator) {
        THoursEntry& entry = calculator.entry();
        type(&calculator, u"1+"_s);
        click(calculator.RadioButtonnuit);
        type(&calculator, u"2.15"_s);
        click(calculator.RadioButtonvfr);
        QCOMPARE(categories(calculator), (QStringList{u"VFR"_s, u"VFR"_s}));
        click(calculator.RadioButtonnuit);
        type(&calculator, u"+3"_s);
        click(calculator.RadioButtonvfr);
        QCOMPARE(categories(calculator), (QStringList{u"VFR"_s, u"NIGHT"_s, u"VFR"_s}));
        QCOMPARE(selected(calculator), 2);

        if (how == u"click") {
            calculator.Editatt->setFocus();
            clickLine(calculator, 1);
        } else if (how == u"up key") {
            QTest::keyPress(calculator.windowHandle(), Qt::Key_Up);
            QVERIFY(entry.ToolButtonhaut->isDown());
            QTest::keyRelease(calculator.windowHandle(), Qt::Key_Up);
            QVERIFY(!entry.ToolButtonhaut->isDown());
        } else if (how == u"down key") {
            clickLine(calculator, 0);
            QTest::keyPress(calculator.windowHandle(), Qt::Key_Down);
            QVERIFY(entry.ToolButtonbas->isDown());
            QTest::keyRelease(calculator.windowHandle(), Qt::Key_Down);
            QVERIFY(!entry.ToolButtonbas->isDown());
        } else if (how == u"up button") {
            click(entry.ToolButtonhaut);
        } else {
            click(entry.ToolButtonhaut);
            click(entry.ToolButtonhaut);
            click(entry.ToolButtonbas);
        }
        QCOMPARE(selected(calculator), 1);
        QVERIFY(calculator.RadioButtonnuit->isChecked());
        QCOMPARE(calculator.LABELVOL->text(), u"NIGHT"_s);
        QCOMPARE(fields(calculator), (QStringList{u"2"_s, u"15"_s, u"0"_s}));
        QCOMPARE(calculator.focusWidget(), calculator.EditHrs);
        QCOMPARE(lines(calculator).at(1), u"+000002 Hrs 15 mn 000000 lndg   ==> NIGHT"_s);
        QCOMPARE(calculator.NUIT->text(), u"Night : 2 hrs 15 mn 0 lndg"_s);
    }));
}

void TestLedgerRows::upOnTheFirstAndDownOnTheLastStayAndReload()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        type(&calculator, u"1+2.5."_s);
        // A key still held down has changed the field, not yet the row: the row is reloaded.
        QTest::keyPress(calculator.windowHandle(), '7');
        QCOMPARE(calculator.EditHrs->text(), u"7"_s);
        press(&calculator, Qt::Key_Down);
        QCOMPARE(selected(calculator), 1);
        QCOMPARE(fields(calculator), (QStringList{u"2"_s, u"5"_s, u"0"_s}));
        QCOMPARE(calculator.focusWidget(), calculator.EditHrs);
        press(&calculator, Qt::Key_Up);
        press(&calculator, Qt::Key_Up);
        QCOMPARE(selected(calculator), 0);
        QCOMPARE(fields(calculator), (QStringList{u"1"_s, u"0"_s, u"0"_s}));
        QCOMPARE(lines(calculator),
                 (QStringList{vfrLine, u"+000002 Hrs 05 mn 000000 lndg   ==> VFR"_s}));
    }));
}

void TestLedgerRows::theListSelectsOnlyByAClick()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        type(&calculator, u"1+2+3"_s);
        QListWidget* list = calculator.ListBoxtext;
        const QPoint first = list->visualItemRect(list->item(0)).center();
        const QPoint last = list->visualItemRect(list->item(2)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseMove(list->viewport(), last);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, last);
        QCOMPARE(selected(calculator), 0);
        QCOMPARE(list->selectedItems(), QList<QListWidgetItem*>{list->item(0)});
        QCOMPARE(fields(calculator), (QStringList{u"1"_s, u"0"_s, u"0"_s}));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, last);
        QCOMPARE(selected(calculator), 2);
        QCOMPARE(calculator.focusWidget(), calculator.EditHrs);
        // Below the last line nothing is selected anew.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(100, 250));
        QCOMPARE(selected(calculator), 2);
    }));
}

void TestLedgerRows::categoryActionRewritesTheSelectedRow()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        type(&calculator, u"1.30"_s);
        calculator.Editatt->setFocus();
        click(calculator.RadioButtonnuit);
        QCOMPARE(calculator.LABELVOL->text(), u"NIGHT"_s);
        QCOMPARE(lines(calculator), (QStringList{u"+000001 Hrs 30 mn 000000 lndg   ==> NIGHT"_s}));
        QCOMPARE(totals(calculator),
                 (QStringList{u"1 hrs 30 mn 0 lndg"_s, u"VFR  : 0 hrs 0 mn 0 lndg"_s,
                              u"IFR   : 0 hrs 0 mn 0lndg"_s, u"Night : 1 hrs 30 mn 0 lndg"_s}));
        QCOMPARE(calculator.focusWidget(), calculator.EditHrs);
        // The radio button already on does nothing more: it only takes the focus.
        type(&calculator, u"5"_s);
        click(calculator.RadioButtonnuit);
        QCOMPARE(calculator.focusWidget(), calculator.RadioButtonnuit);
        QCOMPARE(lines(calculator), (QStringList{u"+000005 Hrs 30 mn 000000 lndg   ==> NIGHT"_s}));
    }));
}

void TestLedgerRows::closingResetsTheLedger_data()
{
    // The answer to the question: "" none asked, "yes" or "no" from the recording
    // platform, Enter or Escape on the desktop's own box.
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("answer");
    const QString ledger = u"1+2\r15"_s;
    QTest::newRow("EXIT asks, yes resets") << u"EXIT"_s << ledger << u"yes"_s;
    QTest::newRow("Escape in the hours asks, yes resets") << u"EditHrs"_s << ledger << u"yes"_s;
    QTest::newRow("Escape in the minutes asks, yes resets") << u"Editmn1"_s << ledger << u"yes"_s;
    QTest::newRow("Escape in the landings asks, yes resets") << u"Editatt"_s << ledger << u"yes"_s;
    QTest::newRow("EXIT wiped the entries, no keeps them") << u"EXIT"_s << ledger << u"no"_s;
    QTest::newRow("Escape wiped the entries, no keeps them") << u"Editmn1"_s << ledger << u"no"_s;
    QTest::newRow("landings only ask") << u"EditHrs"_s << u"\r\r3"_s << u"no"_s;
    QTest::newRow("two zero rows ask") << u"EXIT"_s << u"+"_s << u"no"_s;
    QTest::newRow("the zero row closes at once") << u"EditHrs"_s << QString() << QString();
    QTest::newRow("typed zeros close at once") << u"EXIT"_s << u"00\r0"_s << QString();
    QTest::newRow("desktop box, Enter is Non") << u"EditHrs"_s << ledger << u"Enter"_s;
    QTest::newRow("desktop box, Escape is Non") << u"EXIT"_s << ledger << u"Escape"_s;
}

void TestLedgerRows::closingResetsTheLedger()
{
    QFETCH(QString, how);
    QFETCH(QString, keys);
    QFETCH(QString, answer);
    Running run;
    run.platform.answer = answer == u"yes"_s;
    run.platform.desktopQuestions = answer == u"Enter"_s || answer == u"Escape"_s;
    Tfrmcalculhrs& calculator = run.program->calculhrs();
    QStringList box;
    whenQuestionOpens(&calculator, [&](QMessageBox* question) {
        box << question->windowTitle() << question->text()
            << question->button(QMessageBox::Yes)->text() << question->defaultButton()->text()
            << question->escapeButton()->text();
        run.platform.desktopQuestions = false;
        QTest::keyClick(question, answer == u"Enter"_s ? Qt::Key_Return : Qt::Key_Escape);
    });
    QVERIFY(withCalculator(run, [&](Tfrmcalculhrs& calculator) {
        type(&calculator, keys);
        click(calculator.RadioButtonifr);
        QWidget* focus =
            how == u"EXIT"_s ? calculator.Button2 : calculator.findChild<QWidget*>(how);
        focus->setFocus();
        const QStringList before = lines(calculator) + fields(calculator) + totals(calculator);
        const int row = selected(calculator);
        if (how == u"EXIT"_s)
            click(calculator.Button2);
        else
            press(&calculator, Qt::Key_Escape);
        if (answer == u"yes"_s || answer.isEmpty()) {
            QVERIFY(!calculator.isVisible());
            return;
        }
        // "Non" loses nothing: rows, selection, fields, totals and focus are as they were.
        QVERIFY(calculator.isVisible());
        QCOMPARE(lines(calculator) + fields(calculator) + totals(calculator), before);
        QCOMPARE(selected(calculator), row);
        QCOMPARE(calculator.focusWidget(), focus);
        run.platform.answer = true;
        click(calculator.Button2);
    }));
    const QString title = u"Calcul Hrs de vol"_s;
    const QString question = u"Les heures de vol saisies seront effacées. Fermer quand même ?"_s;
    const qsizetype asked = answer.isEmpty() ? 0 : answer == u"yes"_s ? 1 : 2;
    QCOMPARE(run.platform.questions, QStringList(asked, title + u'|' + question));
    if (answer == u"Enter"_s || answer == u"Escape"_s)
        QCOMPARE(box, (QStringList{title, question, u"&Oui"_s, u"&Non"_s, u"&Non"_s}));
    QVERIFY(!run.program->conversion().isMinimized());
    QCOMPARE(lines(calculator), (QStringList{u"+ 000000 hrs 00 mn 000000 lndg   ==> VFR"_s}));
    QCOMPARE(selected(calculator), -1);
    QCOMPARE(fields(calculator), (QStringList{u"000000"_s, u"00"_s, u"000000"_s}));
    QCOMPARE(calculator.LABELVOL->text(), u"VFR"_s);
    QVERIFY(calculator.RadioButtonvfr->isChecked());
    // No figure of the discarded ledger is left (the subtotals and the report dialog's
    // total and average used to keep theirs until the next recomputation).
    const QStringList startTexts = {u"000000 hrs 00 mn 000000 lndg"_s, u"VFR"_s, u"IFR"_s,
                                    u"NIGHT"_s};
    QCOMPARE(totals(calculator), startTexts);
    QCOMPARE(run.program->hrsDlg().Labeltotal2->text(), u"00 hrs 00mn  "_s);
    QCOMPARE(run.program->hrsDlg().StaticTextmoyenne->text(), u"00 hrs 00mn  "_s);

    run.platform.answer = true;
    QVERIFY(withCalculator(
        run,
        [&startTexts](Tfrmcalculhrs& calculator) {
            QCOMPARE(lines(calculator),
                     (QStringList{u"+ 000000 hrs 00 mn 000000 lndg   ==> VFR"_s}));
            QCOMPARE(selected(calculator), 0);
            QCOMPARE(fields(calculator), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
            QCOMPARE(calculator.focusWidget(), calculator.EditHrs);
            QVERIFY(calculator.RadioButtonvfr->isChecked());
            QCOMPARE(totals(calculator), startTexts);
            type(&calculator, u"1"_s);
            QCOMPARE(totals(calculator),
                     (QStringList{u"1 hrs 0 mn 0 lndg"_s, u"VFR  : 1 hrs 0 mn 0 lndg"_s,
                                  u"IFR   : 0 hrs 0 mn 0lndg"_s, u"Night : 0 hrs 0 mn 0 lndg"_s}));
        },
        Opener::Menu));
}

void TestLedgerRows::previewShowsTheTotalsAndGivesTheFocusBack_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("EXIT") << false;
    QTest::newRow("Escape") << true;
}

void TestLedgerRows::previewShowsTheTotalsAndGivesTheFocusBack()
{
    QFETCH(bool, escape);
    Running run;
    TfrmhrsatDlg& report = run.program->hrsDlg();
    QVERIFY(withCalculator(run, [&](Tfrmcalculhrs& calculator) {
        type(&calculator, u"10.30\r6+"_s);
        QCOMPARE(selected(calculator), 1);
        QStringList shown;
        bool calculatorUnderneath = false;
        whenShown(&report, [&] {
            reactivate(&report);
            calculatorUnderneath = calculator.isVisible();
            shown << report.Labeltotal2->text() << report.StaticTextmoyenne->text()
                  << report.StaticTextnjour->text();
            // (Through the focused control: the offscreen platform keeps a window hidden
            // during a key event of its own as the active window.)
            if (escape)
                QTest::keyClick(report.focusWidget(), Qt::Key_Escape);
            else
                click(report.CancelBtn);
        });
        click(calculator.Button1);
        QVERIFY(!report.isVisible());
        QVERIFY(calculatorUnderneath);
        QCOMPARE(shown, (QStringList{u"10 hrs 30 mn 6 lndg"_s, u"0 hrs 21 mn 0 lndg"_s, u"30"_s}));
        // Back in the calculator: same row, the hours field focused, no new activation.
        QVERIFY(calculator.isVisible());
        QCOMPARE(calculator.focusWidget(), calculator.EditHrs);
        QCOMPARE(selected(calculator), 1);
        reactivate(&calculator);
        QCOMPARE(selected(calculator), 1);
        QCOMPARE(calculator.EditHrs->palette().color(QPalette::Base), QColor(0xFFFBF0));
        type(&calculator, u"2"_s);
        QCOMPARE(report.Labeltotal2->text(), u"12 hrs 30 mn 6 lndg"_s);
        QCOMPARE(report.StaticTextmoyenne->text(), u"0 hrs 25 mn 0 lndg"_s);
    }));
    QVERIFY(run.platform.errors.isEmpty());
}

void TestLedgerRows::reportDialogLayout()
{
    Running run;
    TfrmhrsatDlg& report = run.program->hrsDlg();
    QCOMPARE(report.windowTitle(), u"Prévisualiser / Imprimer"_s);
    QCOMPARE(report.size(), QSize(313, 310));
    QCOMPARE(report.palette().color(QPalette::Window), QColor(0xCFC89C));
    QCOMPARE(report.Labeltotal2->geometry(), QRect(88, 28, 211, 18));
    QCOMPARE(report.StaticTextmoyenne->geometry(), QRect(116, 48, 187, 17));
    QCOMPARE(report.StaticTextnjour->geometry(), QRect(168, 65, 39, 14));
    QCOMPARE(report.CancelBtn->geometry(), QRect(185, 256, 67, 23));
    QCOMPARE(report.CancelBtn->text(), u"EXIT"_s);
    QCOMPARE(report.Labeltotal2->text(), u"00 hrs 00mn  "_s);
    QCOMPARE(report.StaticTextmoyenne->text(), u"00 hrs 00mn  "_s);
    QCOMPARE(report.StaticTextnjour->text(), u"30"_s);
    QVERIFY(report.StaticTextnjour->alignment() & Qt::AlignRight);
    QVERIFY(report.Labeltotal2->font().bold());
    QCOMPARE(TfrmhrsatDlg::dayCount(QDate(2011, 3, 1), QDate(2011, 3, 31)), 30);
    QCOMPARE(TfrmhrsatDlg::dayCount(QDate(2011, 1, 5), QDate(2011, 2, 4)), 30);
    QCOMPARE(TfrmhrsatDlg::dayCount(QDate(2011, 3, 1), QDate(2011, 3, 1)), 0);
}

void TestLedgerRows::dayCountZeroOrNegative()
{
    Running run;
    TfrmhrsatDlg& report = run.program->hrsDlg();
    QVERIFY(withCalculator(run, [&](Tfrmcalculhrs& calculator) {
        // Both report dates on the same day: there is no average, and no fault.
        report.StaticTextnjour->setText(u"0"_s);
        type(&calculator, u"45"_s);
        QCOMPARE(report.Labeltotal2->text(), u"45 hrs 0 mn 0 lndg"_s);
        QCOMPARE(report.StaticTextmoyenne->text(), u"-- hrs -- mn -- lndg"_s);
        // End date before the start date: used as it is.
        report.StaticTextnjour->setText(u"-30"_s);
        press(&calculator, Qt::Key_Right);
        QCOMPARE(report.StaticTextmoyenne->text(), u"-1 hrs -30 mn 0 lndg"_s);
    }));
    QVERIFY(run.platform.errors.isEmpty());
}

void TestLedgerRows::pilotWithTheKeyboardOnly()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        type(&calculator, u"1.40"_s);
        QCOMPARE(lines(calculator), (QStringList{u"+000001 Hrs 40 mn 000000 lndg   ==> VFR"_s}));
        type(&calculator, u"+0.30"_s);
        QCOMPARE(calculator.Labeltotal->text(), u"2 hrs 10 mn 0 lndg"_s);
        QCOMPARE(calculator.VFR->text(), u"VFR  : 2 hrs 10 mn 0 lndg"_s);
        QCOMPARE(calculator.IFR->text(), u"IFR   : 0 hrs 0 mn 0lndg"_s);

        type(&calculator, u"-2.30\r1"_s);
        QCOMPARE(lines(calculator).at(2), u"-000002 Hrs 30 mn 000001 lndg   ==> VFR"_s);
        QCOMPARE(calculator.Labeltotal->text(), u"-1 hrs 40 mn -1 lndg"_s);

        // To the flight categories with Tab, along them with the arrows.
        for (int i = 0; i < 3; ++i)
            press(&calculator, Qt::Key_Tab);
        QCOMPARE(calculator.focusWidget(), calculator.RadioButtonvfr);
        press(&calculator, Qt::Key_Right);
        QVERIFY(calculator.RadioButtonnuit->isChecked());
        QCOMPARE(calculator.focusWidget(), calculator.EditHrs);
        QCOMPARE(lines(calculator).at(2), u"-000002 Hrs 30 mn 000001 lndg   ==> NIGHT"_s);
        QCOMPARE(calculator.NUIT->text(), u"Night : -3 hrs 30 mn -1 lndg"_s);

        type(&calculator, u"+1.5"_s);
        press(&calculator, Qt::Key_Tab);
        press(&calculator, Qt::Key_Tab);
        press(&calculator, Qt::Key_Tab);
        press(&calculator, Qt::Key_Tab);
        QCOMPARE(calculator.focusWidget(), calculator.RadioButtonnuit);
        press(&calculator, Qt::Key_Right);
        QVERIFY(calculator.RadioButtonifr->isChecked());
        QCOMPARE(lines(calculator), (QStringList{u"+000001 Hrs 40 mn 000000 lndg   ==> VFR"_s,
                                                 u"+000000 Hrs 30 mn 000000 lndg   ==> VFR"_s,
                                                 u"-000002 Hrs 30 mn 000001 lndg   ==> NIGHT"_s,
                                                 u"+000001 Hrs 05 mn 000000 lndg   ==> IFR"_s}));
        QCOMPARE(totals(calculator),
                 (QStringList{u"0 hrs 45 mn -1 lndg"_s, u"VFR  : 2 hrs 10 mn 0 lndg"_s,
                              u"IFR   : 1 hrs 5 mn 0lndg"_s, u"Night : -3 hrs 30 mn -1 lndg"_s}));

        // Up and down through the rows; each row brings its category.
        press(&calculator, Qt::Key_Up);
        QVERIFY(calculator.RadioButtonnuit->isChecked());
        press(&calculator, Qt::Key_Up);
        QVERIFY(calculator.RadioButtonvfr->isChecked());
        QCOMPARE(fields(calculator), (QStringList{u"0"_s, u"30"_s, u"0"_s}));
        press(&calculator, Qt::Key_Down);
        QCOMPARE(selected(calculator), 2);
        press(&calculator, Qt::Key_Delete);
        QCOMPARE(selected(calculator), 1);
        QCOMPARE(calculator.ListBoxtext->count(), 3);
        QCOMPARE(totals(calculator),
                 (QStringList{u"3 hrs 15 mn 0 lndg"_s, u"VFR  : 2 hrs 10 mn 0 lndg"_s,
                              u"IFR   : 1 hrs 5 mn 0lndg"_s, u"Night : 0 hrs 0 mn 0 lndg"_s}));
        press(&calculator, Qt::Key_Escape);
    }));
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        QCOMPARE(lines(calculator), (QStringList{u"+ 000000 hrs 00 mn 000000 lndg   ==> VFR"_s}));
        QCOMPARE(calculator.Labeltotal->text(), u"000000 hrs 00 mn 000000 lndg"_s);
    }));
    QCOMPARE(run.platform.beeps, 0);
    QVERIFY(run.platform.errors.isEmpty());
}

void TestLedgerRows::pilotWithTheMouseAndKeypadOnly()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        THoursEntry& entry = calculator.entry();
        auto digits = [&entry](const QString& keys) {
            for (QChar key : keys)
                click(entry.digitButtons[static_cast<size_t>(key.digitValue())]);
        };
        digits(u"2"_s);
        click(entry.ToolButtonPA);
        pickFromList(entry.Editmn11, u"45"_s);
        pickFromList(entry.ComboBoxatt, u"2"_s);
        QCOMPARE(lines(calculator), (QStringList{u"+000002 Hrs 45 mn 000002 lndg   ==> VFR"_s}));

        click(entry.ToolButtonplus);
        click(calculator.RadioButtonifr);
        pickFromList(entry.EditHrslist, u"12"_s);
        QCOMPARE(lines(calculator).at(1), u"+000012 Hrs 00 mn 000000 lndg   ==> IFR"_s);

        click(entry.ToolButtonmoins);
        digits(u"1"_s);
        click(entry.ToolButtonPA);
        digits(u"15"_s);
        click(calculator.RadioButtonnuit);
        QCOMPARE(lines(calculator).at(2), u"-000001 Hrs 15 mn 000000 lndg   ==> NIGHT"_s);
        QCOMPARE(totals(calculator),
                 (QStringList{u"13 hrs 30 mn 2 lndg"_s, u"VFR  : 2 hrs 45 mn 2 lndg"_s,
                              u"IFR   : 12 hrs 0 mn 0lndg"_s, u"Night : -2 hrs 45 mn 0 lndg"_s}));

        click(entry.ToolButtonhaut);
        QVERIFY(calculator.RadioButtonifr->isChecked());
        clickLine(calculator, 0);
        QVERIFY(calculator.RadioButtonvfr->isChecked());
        QCOMPARE(fields(calculator), (QStringList{u"2"_s, u"45"_s, u"2"_s}));
        click(entry.ToolButtonbas);
        click(entry.ToolButtondelete);
        QCOMPARE(lines(calculator), (QStringList{u"+000002 Hrs 45 mn 000002 lndg   ==> VFR"_s,
                                                 u"-000001 Hrs 15 mn 000000 lndg   ==> NIGHT"_s}));
        QCOMPARE(selected(calculator), 0);
        QCOMPARE(calculator.Labeltotal->text(), u"1 hrs 30 mn 2 lndg"_s);
        click(entry.ToolButtonCA);
        QCOMPARE(lines(calculator).at(0), u"+000000 Hrs 45 mn 000002 lndg   ==> VFR"_s);
        QCOMPARE(calculator.Labeltotal->text(), u"-1 hrs 30 mn 2 lndg"_s);
        click(calculator.Button2);
    }));
    QVERIFY(!run.program->calculhrs().isVisible());
    QCOMPARE(run.platform.beeps, 0);
}

QTEST_MAIN(TestLedgerRows)
#include "tst_ledgerrows.moc"
