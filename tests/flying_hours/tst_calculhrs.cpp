// The flying-hours calculator's window and entry block: layout, activation, focus
// colours, the key filter and key table, the keypad and the quick picks.

#include "calculatorfixture.h"

#include "flying_hours/calculhrs.h"
#include "flying_hours/hoursentry.h"
#include "flying_hours/hrsdlg.h"
#include "workbench/convers.h"

#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

QString line(const Tfrmcalculhrs& calculator, int row)
{
    return calculator.ListBoxtext->item(row)->text();
}

QColor base(const QLineEdit* field)
{
    return field->palette().color(QPalette::Base);
}

QLineEdit* field(Tfrmcalculhrs& calculator, const QString& name)
{
    return calculator.findChild<QLineEdit*>(name);
}

} // namespace

class TestCalculhrs : public QObject
{
    Q_OBJECT

private slots:
    void layoutAndStartTexts();
    void controlsThatNeverTakeTheFocus();
    void openingMinimisesTheMainWindow_data();
    void openingMinimisesTheMainWindow();
    void activationSelectsTheFirstRow();
    void focusColoursAndSelection();
    void tabOrder();
    void enterPressesTheFocusedButtonOnly();
    void typedDigitsFollowTheLedger();
    void typingIsCutToTheFieldWidth();
    void rejectedCharactersBeep_data();
    void rejectedCharactersBeep();
    void modifierKeysAloneAreSilent();
    void plusAndMinusKeysAddAFormattedRow_data();
    void plusAndMinusKeysAddAFormattedRow();
    void dotSwitchesTheField_data();
    void dotSwitchesTheField();
    void enterCyclesTheFields();
    void cKeyAndBackspace();
    void keypadDigitRule();
    void keypadClearEmptiesTheFocusedField();
    void quickPicks_data();
    void quickPicks();
    void pastedTextIsKeptOnlyWhenItIsANumber_data();
    void pastedTextIsKeptOnlyWhenItIsANumber();
    void escapeClosesFromTheFieldsOnly();
};

void TestCalculhrs::layoutAndStartTexts()
{
    Running run;
    Tfrmcalculhrs& calculator = run.program->calculhrs();
    QCOMPARE(calculator.windowTitle(), u" Calcul Hrs de vol"_s);
    QCOMPARE(calculator.size(), QSize(540, 416));
    QVERIFY(!(calculator.windowFlags() & Qt::WindowCloseButtonHint));

    const struct
    {
        const char* name;
        QRect geometry;
    } places[] = {
        {"ListBoxtext", {18, 34, 230, 265}},
        {"Labeltotal", {18, 298, 231, 21}},
        {"VFR", {24, 328, 234, 13}},
        {"IFR", {24, 341, 234, 13}},
        {"NUIT", {24, 355, 234, 13}},
        {"Button1", {99, 376, 82, 22}},
        {"EditHrs", {321, 42, 59, 22}},
        {"EditHrslist", {347, 42, 48, 22}},
        {"Editmn1", {423, 44, 22, 22}},
        {"Editmn11", {427, 44, 37, 22}},
        {"Editatt", {321, 66, 59, 22}},
        {"ComboBoxatt", {347, 66, 48, 22}},
        {"ToolBarAnglo", {314, 152, 121, 176}},
        {"ToolBarLedger", {459, 152, 51, 202}},
        {"Button2", {325, 338, 100, 22}},
    };
    for (const auto& place : places) {
        auto* widget = calculator.findChild<QWidget*>(QString::fromLatin1(place.name));
        QVERIFY2(widget, place.name);
        QCOMPARE(widget->geometry(), place.geometry);
    }
    QCOMPARE(calculator.LABELVOL->pos(), QPoint(424, 72));
    QCOMPARE(calculator.RadioButtonvfr->pos(), QPoint(314, 98));
    QCOMPARE(calculator.RadioButtonnuit->pos(), QPoint(386, 98));
    QCOMPARE(calculator.RadioButtonifr->pos(), QPoint(450, 98));
    QCOMPARE(calculator.Button1->text(), u"Preview"_s);
    QCOMPARE(calculator.Button2->text(), u"EXIT"_s);

    // Only the drop-down arrows of the quick-pick lists show beside their fields.
    QCOMPARE(calculator.childAt(330, 50), calculator.EditHrs);
    QCOMPARE(calculator.childAt(390, 50)->objectName(), u"EditHrslist"_s);
    QCOMPARE(calculator.childAt(455, 50)->objectName(), u"Editmn11"_s);

    // The keypad row by row, and the ledger bar top to bottom.
    QStringList keypad;
    auto buttons = calculator.findChild<QWidget*>(u"ToolBarAnglo"_s)->findChildren<QToolButton*>();
    std::sort(buttons.begin(), buttons.end(), [](QToolButton* a, QToolButton* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (QToolButton* button : buttons) {
        QCOMPARE(button->size(), QSize(39, 42));
        keypad << button->objectName() + u'=' + button->text();
    }
    QCOMPARE(keypad, (QStringList{u"ToolButton7A=7"_s, u"ToolButton8A=8"_s, u"ToolButton9A=9"_s,
                                  u"ToolButton4A=4"_s, u"ToolButton5A=5"_s, u"ToolButton6A=6"_s,
                                  u"ToolButton1A= 1 "_s, u"ToolButton2A=2"_s, u"ToolButton3A=3"_s,
                                  u"ToolButton0A=0"_s, u"ToolButtonPA=."_s, u"ToolButtonCA=C"_s}));
    QStringList bar;
    int previousY = -1;
    for (const char* name : {"ToolButtonmoins", "ToolButtonplus", "ToolButtondelete",
                             "ToolButtonhaut", "ToolButtonbas"}) {
        auto* button = calculator.findChild<QToolButton*>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        QCOMPARE(button->size(), QSize(49, 40));
        QVERIFY(button->y() > previousY);
        previousY = button->y();
        QVERIFY2(!button->icon().pixmap(32, 32).isNull(), name);
    }

    QStringList oneToTwelve;
    for (int n = 1; n <= 12; ++n)
        oneToTwelve << QString::number(n);
    auto items = [](QComboBox* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    };
    const THoursEntry& entry = calculator.entry();
    QCOMPARE(items(entry.EditHrslist), oneToTwelve);
    QCOMPARE(items(entry.ComboBoxatt), oneToTwelve);
    QCOMPARE(items(entry.Editmn11),
             (QStringList{u"0"_s, u"5"_s, u"10"_s, u"15"_s, u"20"_s, u"25"_s, u"30"_s, u"35"_s,
                          u"40"_s, u"45"_s, u"50"_s, u"55"_s}));
    QCOMPARE(entry.Editmn11->maxVisibleItems(), 12);

    // Start texts.
    QCOMPARE(calculator.EditHrs->text(), u"000000"_s);
    QCOMPARE(calculator.Editmn1->text(), u"00"_s);
    QCOMPARE(calculator.Editatt->text(), u"000000"_s);
    QCOMPARE(calculator.EditHrs->maxLength(), 6);
    QCOMPARE(calculator.Editmn1->maxLength(), 2);
    QCOMPARE(calculator.Editatt->maxLength(), 6);
    QCOMPARE(calculator.ListBoxtext->count(), 1);
    QCOMPARE(line(calculator, 0), u"+ 000000 hrs 00 mn 000000 lndg  ==> VFR"_s);
    QCOMPARE(calculator.ListBoxtext->item(0)->textAlignment(),
             int(Qt::AlignRight | Qt::AlignVCenter));
    // The widest line fits beside the scroll bar a long ledger brings.
    const int room = calculator.ListBoxtext->width() -
                     calculator.ListBoxtext->verticalScrollBar()->sizeHint().width();
    const QString widest = u"-999999 Hrs 99 mn 999999 lndg   ==> NIGHT"_s;
    QVERIFY(QFontMetrics(calculator.ListBoxtext->font()).horizontalAdvance(widest) + 8 <= room);
    QCOMPARE(calculator.Labeltotal->text(), u"000000 hrs 00 mn 000000 lndg"_s);
    QCOMPARE(calculator.Labeltotal->palette().color(QPalette::WindowText), QColor(0x000080));
    QCOMPARE(calculator.VFR->text(), u"VFR"_s);
    QCOMPARE(calculator.IFR->text(), u"IFR"_s);
    QCOMPARE(calculator.NUIT->text(), u"NIGHT"_s);
    QCOMPARE(calculator.LABELVOL->text(), u"VFR"_s);
    QVERIFY(calculator.RadioButtonvfr->isChecked());
    for (const char* name :
         {"ListBoxsymbol", "ListBoxhrs", "ListBoxmn", "ListBoxatt", "ListBoxvfr"}) {
        auto* column = calculator.findChild<QListWidget*>(QString::fromLatin1(name));
        QVERIFY2(column && !column->isVisibleTo(&calculator) && column->count() == 1, name);
    }
    for (QLineEdit* edit : {calculator.EditHrs, calculator.Editmn1, calculator.Editatt})
        QCOMPARE(base(edit), QColor(0xC0C0C0));
}

void TestCalculhrs::controlsThatNeverTakeTheFocus()
{
    Running run;
    Tfrmcalculhrs& calculator = run.program->calculhrs();
    QList<QWidget*> never = {calculator.ListBoxtext, calculator.entry().EditHrslist,
                             calculator.entry().Editmn11, calculator.entry().ComboBoxatt};
    for (QToolButton* button : calculator.findChildren<QToolButton*>())
        never << button;
    QCOMPARE(never.size(), 4 + 12 + 5);
    for (QWidget* widget : never)
        QVERIFY2(widget->focusPolicy() == Qt::NoFocus, qPrintable(widget->objectName()));
}

void TestCalculhrs::openingMinimisesTheMainWindow_data()
{
    QTest::addColumn<Opener>("opener");
    QTest::newRow("toolbar") << Opener::Toolbar;
    QTest::newRow("menu") << Opener::Menu;
}

void TestCalculhrs::openingMinimisesTheMainWindow()
{
    QFETCH(Opener, opener);
    Running run;
    TFrmConversion& main = run.program->conversion();
    bool minimised = false;
    QVERIFY(withCalculator(
        run, [&](Tfrmcalculhrs&) { minimised = main.isMinimized(); }, opener));
    QVERIFY(minimised);
    QVERIFY(!main.isMinimized());
    QVERIFY(main.isVisible());
    QVERIFY(!run.program->calculhrs().isVisible());
}

void TestCalculhrs::activationSelectsTheFirstRow()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        QCOMPARE(calculator.ListBoxtext->currentRow(), 0);
        for (QListWidget* column : calculator.findChildren<QListWidget*>())
            QCOMPARE(column->currentRow(), 0);
        // The fields are loaded from the row; nothing is recomputed yet.
        QCOMPARE(calculator.EditHrs->text(), u"0"_s);
        QCOMPARE(calculator.Editmn1->text(), u"0"_s);
        QCOMPARE(calculator.Editatt->text(), u"0"_s);
        QCOMPARE(line(calculator, 0), u"+ 000000 hrs 00 mn 000000 lndg  ==> VFR"_s);
        QCOMPARE(calculator.Labeltotal->text(), u"000000 hrs 00 mn 000000 lndg"_s);
        QCOMPARE(calculator.focusWidget(), calculator.EditHrs);
        QCOMPARE(calculator.EditHrs->selectedText(), u"0"_s);
        QCOMPARE(base(calculator.EditHrs), QColor(0xFFFBF0));
        QCOMPARE(base(calculator.Editmn1), QColor(0xC0C0C0));
        QCOMPARE(base(calculator.Editatt), QColor(0xC0C0C0));
    }));
}

void TestCalculhrs::focusColoursAndSelection()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        type(&calculator, u"12"_s);
        press(&calculator, Qt::Key_Tab);
        QCOMPARE(calculator.focusWidget(), calculator.Editmn1);
        QCOMPARE(base(calculator.Editmn1), QColor(0xFFFBF0));
        QCOMPARE(calculator.Editmn1->selectedText(), u"0"_s);
        // The field left keeps no selection, its caret after the first character.
        QCOMPARE(base(calculator.EditHrs), QColor(0xC0C0C0));
        QVERIFY(!calculator.EditHrs->hasSelectedText());
        QCOMPARE(calculator.EditHrs->cursorPosition(), 1);

        // A click selects the whole text, wherever it lands.
        QTest::mouseClick(calculator.Editatt, Qt::LeftButton, {}, QPoint(4, 11));
        QCOMPARE(calculator.focusWidget(), calculator.Editatt);
        QCOMPARE(base(calculator.Editatt), QColor(0xFFFBF0));
        QCOMPARE(base(calculator.Editmn1), QColor(0xC0C0C0));
        QCOMPARE(calculator.Editatt->selectedText(), u"0"_s);
        QTest::mouseClick(calculator.EditHrs, Qt::LeftButton, {}, QPoint(30, 11));
        QCOMPARE(calculator.EditHrs->selectedText(), u"12"_s);
        QTest::mouseClick(calculator.EditHrs, Qt::LeftButton, {}, QPoint(4, 11));
        QCOMPARE(calculator.EditHrs->selectedText(), u"12"_s);
    }));
}

void TestCalculhrs::tabOrder()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        auto walk = [&calculator] {
            QStringList order;
            for (int i = 0; i < 6; ++i) {
                press(&calculator, Qt::Key_Tab);
                order << calculator.focusWidget()->objectName();
            }
            return order;
        };
        QCOMPARE(walk(), (QStringList{u"Editmn1"_s, u"Editatt"_s, u"Button1"_s, u"Button2"_s,
                                      u"RadioButtonvfr"_s, u"EditHrs"_s}));
        click(calculator.RadioButtonifr);
        QCOMPARE(calculator.focusWidget(), calculator.EditHrs);
        QCOMPARE(walk(), (QStringList{u"Editmn1"_s, u"Editatt"_s, u"Button1"_s, u"Button2"_s,
                                      u"RadioButtonifr"_s, u"EditHrs"_s}));
    }));
}

void TestCalculhrs::enterPressesTheFocusedButtonOnly()
{
    Running run;
    TfrmhrsatDlg& report = run.program->hrsDlg();
    int reports = 0;
    QVERIFY(withCalculator(run, [&](Tfrmcalculhrs& calculator) {
        whenShown(&report, [&] {
            ++reports;
            click(report.CancelBtn);
        });
        calculator.RadioButtonvfr->setFocus();
        press(&calculator, Qt::Key_Return);
        QCOMPARE(reports, 0);
        calculator.Button1->setFocus();
        press(&calculator, Qt::Key_Return);
        QCOMPARE(reports, 1);
        QCOMPARE(calculator.focusWidget(), calculator.EditHrs);
        reactivate(&calculator);
        calculator.Button2->setFocus();
        press(&calculator, Qt::Key_Enter);
        QVERIFY(!calculator.isVisible());
    }));
}

void TestCalculhrs::typedDigitsFollowTheLedger()
{
    Running run;
    QVERIFY(withCalculator(run, [&run](Tfrmcalculhrs& calculator) {
        const THoursEntry& entry = calculator.entry();
        QTest::keyPress(calculator.windowHandle(), Qt::Key_1);
        QVERIFY(entry.digitButtons[1]->isDown());
        QTest::keyRelease(calculator.windowHandle(), Qt::Key_1);
        QVERIFY(!entry.digitButtons[1]->isDown());
        QCOMPARE(line(calculator, 0), u"+000001 Hrs 00 mn 000000 lndg   ==> VFR"_s);
        type(&calculator, u"2.45"_s);
        QCOMPARE(line(calculator, 0), u"+000012 Hrs 45 mn 000000 lndg   ==> VFR"_s);
        QCOMPARE(calculator.Labeltotal->text(), u"12 hrs 45 mn 0 lndg"_s);
        // "." goes back to the hours, entered with the whole text selected: "3" replaces it.
        type(&calculator, u".3"_s);
        QCOMPARE(calculator.EditHrs->text(), u"3"_s);
        QCOMPARE(calculator.Labeltotal->text(), u"3 hrs 45 mn 0 lndg"_s);
        press(&calculator, Qt::Key_Tab);
        press(&calculator, Qt::Key_Tab);
        type(&calculator, u"7"_s);
        QCOMPARE(line(calculator, 0), u"+000003 Hrs 45 mn 000007 lndg   ==> VFR"_s);
        QCOMPARE(calculator.Labeltotal->text(), u"3 hrs 45 mn 7 lndg"_s);
        QCOMPARE(calculator.VFR->text(), u"VFR  : 3 hrs 45 mn 7 lndg"_s);
        QCOMPARE(calculator.IFR->text(), u"IFR   : 0 hrs 0 mn 0lndg"_s);
        QCOMPARE(calculator.NUIT->text(), u"Night : 0 hrs 0 mn 0 lndg"_s);
        // The report dialog's total and average follow, over its 30 days.
        QCOMPARE(run.program->hrsDlg().Labeltotal2->text(), u"3 hrs 45 mn 7 lndg"_s);
        QCOMPARE(run.program->hrsDlg().StaticTextmoyenne->text(), u"0 hrs 7 mn 0 lndg"_s);
        QCOMPARE(run.platform.beeps, 0);
    }));
}

void TestCalculhrs::typingIsCutToTheFieldWidth()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        type(&calculator, u"1234567"_s);
        QCOMPARE(calculator.EditHrs->text(), u"123456"_s);
        press(&calculator, Qt::Key_Return);
        type(&calculator, u"987"_s);
        QCOMPARE(calculator.Editmn1->text(), u"98"_s);
        QCOMPARE(line(calculator, 0), u"+123456 Hrs 98 mn 000000 lndg   ==> VFR"_s);
        // Minutes past 59 are taken as typed; the total carries their whole hour.
        QCOMPARE(calculator.Labeltotal->text(), u"123457 hrs 38 mn 0 lndg"_s);
    }));
}

void TestCalculhrs::rejectedCharactersBeep_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("key");
    QTest::newRow("letter in the hours") << u"EditHrs"_s << u"a"_s;
    QTest::newRow("blank in the minutes") << u"Editmn1"_s << u" "_s;
    QTest::newRow("comma in the landings") << u"Editatt"_s << u","_s;
    QTest::newRow("colon in the hours") << u"EditHrs"_s << u":"_s;
    QTest::newRow("star in the minutes") << u"Editmn1"_s << u"*"_s;
}

void TestCalculhrs::rejectedCharactersBeep()
{
    QFETCH(QString, field);
    QFETCH(QString, key);
    Running run;
    QVERIFY(withCalculator(run, [&](Tfrmcalculhrs& calculator) {
        QLineEdit* edit = ::field(calculator, field);
        edit->setFocus();
        type(&calculator, u"4"_s);
        type(&calculator, key);
        QCOMPARE(edit->text(), u"4"_s);
        QCOMPARE(run.platform.beeps, 1);
        QCOMPARE(calculator.ListBoxtext->count(), 1);
    }));
}

void TestCalculhrs::modifierKeysAloneAreSilent()
{
    Running run;
    QVERIFY(withCalculator(run, [&run](Tfrmcalculhrs& calculator) {
        for (Qt::Key key : {Qt::Key_Control, Qt::Key_Shift, Qt::Key_Alt, Qt::Key_Meta})
            press(&calculator, key);
        QCOMPARE(run.platform.beeps, 0);
        press(&calculator, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(run.platform.beeps, 1);
        QCOMPARE(calculator.EditHrs->text(), u"0"_s);
    }));
}

void TestCalculhrs::plusAndMinusKeysAddAFormattedRow_data()
{
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::newRow("plus from the hours") << '+' << u"ToolButtonplus"_s << u"EditHrs"_s;
    QTest::newRow("minus from the minutes") << '-' << u"ToolButtonmoins"_s << u"Editmn1"_s;
    QTest::newRow("plus from the landings") << '+' << u"ToolButtonplus"_s << u"Editatt"_s;
}

void TestCalculhrs::plusAndMinusKeysAddAFormattedRow()
{
    QFETCH(char, key);
    QFETCH(QString, button);
    QFETCH(QString, field);
    Running run;
    QVERIFY(withCalculator(run, [&](Tfrmcalculhrs& calculator) {
        type(&calculator, u"5"_s);
        ::field(calculator, field)->setFocus();
        auto* pressed = calculator.findChild<QToolButton*>(button);
        QTest::keyPress(calculator.windowHandle(), key);
        QVERIFY(pressed->isDown());
        // Appended, selected, fields "0", the hours field entered; no sign in any field.
        QCOMPARE(calculator.ListBoxtext->count(), 2);
        QCOMPARE(calculator.ListBoxtext->currentRow(), 1);
        QCOMPARE(line(calculator, 1),
                 QString(QLatin1Char(key)) + u" 000000 hrs 00 mn 000000 lndg   ==> VFR"_s);
        for (QLineEdit* edit : {calculator.EditHrs, calculator.Editmn1, calculator.Editatt})
            QCOMPARE(edit->text(), u"0"_s);
        QCOMPARE(calculator.focusWidget(), calculator.EditHrs);
        QCOMPARE(calculator.EditHrs->selectedText(), u"0"_s);
        // The release formats the new row at once.
        QTest::keyRelease(calculator.windowHandle(), key);
        QVERIFY(!pressed->isDown());
        QCOMPARE(line(calculator, 1),
                 QString(QLatin1Char(key)) + u"000000 Hrs 00 mn 000000 lndg   ==> VFR"_s);
        QCOMPARE(line(calculator, 0), u"+000005 Hrs 00 mn 000000 lndg   ==> VFR"_s);
        QCOMPARE(calculator.Labeltotal->text(), u"5 hrs 0 mn 0 lndg"_s);
        QCOMPARE(run.platform.beeps, 0);
    }));
}

void TestCalculhrs::dotSwitchesTheField_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("to");
    QTest::newRow("hours to minutes, key") << u"EditHrs"_s << false << u"Editmn1"_s;
    QTest::newRow("minutes to hours, key") << u"Editmn1"_s << false << u"EditHrs"_s;
    QTest::newRow("landings to hours, key") << u"Editatt"_s << false << u"EditHrs"_s;
    QTest::newRow("hours to minutes, keypad") << u"EditHrs"_s << true << u"Editmn1"_s;
    QTest::newRow("minutes to hours, keypad") << u"Editmn1"_s << true << u"EditHrs"_s;
    QTest::newRow("landings to hours, keypad") << u"Editatt"_s << true << u"EditHrs"_s;
}

void TestCalculhrs::dotSwitchesTheField()
{
    QFETCH(QString, from);
    QFETCH(bool, keypad);
    QFETCH(QString, to);
    Running run;
    QVERIFY(withCalculator(run, [&](Tfrmcalculhrs& calculator) {
        field(calculator, from)->setFocus();
        QToolButton* dot = calculator.entry().ToolButtonPA;
        if (keypad) {
            click(dot);
        } else {
            QTest::keyPress(calculator.windowHandle(), '.');
            QVERIFY(dot->isDown());
            QTest::keyRelease(calculator.windowHandle(), '.');
            QVERIFY(!dot->isDown());
        }
        QCOMPARE(calculator.focusWidget()->objectName(), to);
        QCOMPARE(field(calculator, to)->selectedText(), field(calculator, to)->text());
        for (QLineEdit* edit : {calculator.EditHrs, calculator.Editmn1, calculator.Editatt})
            QCOMPARE(edit->text(), u"0"_s);
        QCOMPARE(run.platform.beeps, 0);
    }));
}

void TestCalculhrs::enterCyclesTheFields()
{
    Running run;
    bool previewOpened = false;
    whenShown(&run.program->hrsDlg(), [&] {
        previewOpened = true;
        run.program->hrsDlg().reject();
    });
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        QStringList order;
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Return, Qt::Key_Return}) {
            press(&calculator, key);
            order << calculator.focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{u"Editmn1"_s, u"Editatt"_s, u"EditHrs"_s, u"Editmn1"_s}));
    }));
    QVERIFY(!previewOpened);
}

void TestCalculhrs::cKeyAndBackspace()
{
    Running run;
    QVERIFY(withCalculator(run, [&run](Tfrmcalculhrs& calculator) {
        QToolButton* clear = calculator.entry().ToolButtonCA;
        press(&calculator, Qt::Key_Return);
        type(&calculator, u"45"_s);
        QCOMPARE(calculator.Labeltotal->text(), u"0 hrs 45 mn 0 lndg"_s);
        QTest::keyPress(calculator.windowHandle(), 'c');
        QVERIFY(clear->isDown());
        QCOMPARE(calculator.Editmn1->text(), QString());
        QTest::keyRelease(calculator.windowHandle(), 'c');
        QVERIFY(!clear->isDown());
        QCOMPARE(line(calculator, 0), u"+000000 Hrs 00 mn 000000 lndg   ==> VFR"_s);
        QCOMPARE(calculator.Labeltotal->text(), u"0 hrs 0 mn 0 lndg"_s);
        type(&calculator, u"3C"_s);
        QCOMPARE(calculator.Editmn1->text(), QString());

        type(&calculator, u"42"_s);
        QTest::keyPress(calculator.windowHandle(), Qt::Key_Backspace);
        QVERIFY(clear->isDown());
        QTest::keyRelease(calculator.windowHandle(), Qt::Key_Backspace);
        QCOMPARE(calculator.Editmn1->text(), u"4"_s);
        QCOMPARE(line(calculator, 0), u"+000000 Hrs 04 mn 000000 lndg   ==> VFR"_s);
        QCOMPARE(run.platform.beeps, 0);
    }));
}

void TestCalculhrs::keypadDigitRule()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        const THoursEntry& entry = calculator.entry();
        // Just entered, the whole text selected: the first digit replaces it.
        click(entry.digitButtons[1]);
        click(entry.digitButtons[2]);
        QCOMPARE(calculator.EditHrs->text(), u"12"_s);
        QVERIFY(line(calculator, 0).startsWith(u"+000012 Hrs"_s));
        QCOMPARE(calculator.Labeltotal->text(), u"12 hrs 0 mn 0 lndg"_s);

        // Minutes "45" with nothing selected: a third digit is cut off.
        QTest::mouseClick(calculator.Editmn1, Qt::LeftButton);
        click(entry.digitButtons[4]);
        click(entry.digitButtons[5]);
        calculator.Editmn1->deselect();
        click(entry.digitButtons[6]);
        QCOMPARE(calculator.Editmn1->text(), u"45"_s);
        // Only the focused field took the digits.
        QCOMPARE(calculator.EditHrs->text(), u"12"_s);
        QCOMPARE(calculator.Editatt->text(), u"0"_s);
        QCOMPARE(line(calculator, 0), u"+000012 Hrs 45 mn 000000 lndg   ==> VFR"_s);
    }));
}

void TestCalculhrs::keypadClearEmptiesTheFocusedField()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        const THoursEntry& entry = calculator.entry();
        type(&calculator, u"8.30"_s);
        press(&calculator, Qt::Key_Return);
        type(&calculator, u"2"_s);
        QCOMPARE(calculator.Labeltotal->text(), u"8 hrs 30 mn 2 lndg"_s);
        click(entry.ToolButtonCA);
        QCOMPARE(calculator.Editatt->text(), QString());
        QCOMPARE(calculator.Editmn1->text(), u"30"_s);
        QCOMPARE(line(calculator, 0), u"+000008 Hrs 30 mn 000000 lndg   ==> VFR"_s);
        QCOMPARE(calculator.Labeltotal->text(), u"8 hrs 30 mn 0 lndg"_s);
        // An empty field counts as zero and takes the next keypad digit.
        click(entry.digitButtons[9]);
        QCOMPARE(calculator.Editatt->text(), u"9"_s);
    }));
}

void TestCalculhrs::quickPicks_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expectedLine");
    QTest::newRow("minutes 30") << u"Editmn11"_s << u"30"_s << u"Editmn1"_s
                                << u"+000000 Hrs 30 mn 000000 lndg   ==> VFR"_s;
    QTest::newRow("hours 12") << u"EditHrslist"_s << u"12"_s << u"EditHrs"_s
                              << u"+000012 Hrs 00 mn 000000 lndg   ==> VFR"_s;
    QTest::newRow("landings 3") << u"ComboBoxatt"_s << u"3"_s << u"Editatt"_s
                                << u"+000000 Hrs 00 mn 000003 lndg   ==> VFR"_s;
}

void TestCalculhrs::quickPicks()
{
    QFETCH(QString, list);
    QFETCH(QString, item);
    QFETCH(QString, field);
    QFETCH(QString, expectedLine);
    Running run;
    QVERIFY(withCalculator(run, [&](Tfrmcalculhrs& calculator) {
        pickFromList(calculator.findChild<QComboBox*>(list), item);
        QCOMPARE(::field(calculator, field)->text(), item);
        QCOMPARE(line(calculator, 0), expectedLine);
        QCOMPARE(calculator.focusWidget()->objectName(), field);
    }));
}

void TestCalculhrs::pastedTextIsKeptOnlyWhenItIsANumber_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("shortcut");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<int>("beeps");
    QTest::newRow("time from the edit menu") << u"1:30"_s << false << u"7"_s << 1;
    QTest::newRow("word from the edit menu") << u"abc"_s << false << u"7"_s << 1;
    QTest::newRow("signed number from the keyboard") << u"-5"_s << true << u"7"_s << 1;
    QTest::newRow("number from the edit menu") << u"42"_s << false << u"42"_s << 0;
    QTest::newRow("number from the keyboard") << u"42"_s << true << u"42"_s << 0;
    QTest::newRow("long number is cut") << u"12345678"_s << false << u"123456"_s << 0;
}

void TestCalculhrs::pastedTextIsKeptOnlyWhenItIsANumber()
{
    QFETCH(QString, clipboard);
    QFETCH(bool, shortcut);
    QFETCH(QString, hours);
    QFETCH(int, beeps);
    Running run;
    QVERIFY(withCalculator(run, [&](Tfrmcalculhrs& calculator) {
        type(&calculator, u"7"_s);
        QGuiApplication::clipboard()->setText(clipboard);
        calculator.EditHrs->selectAll();
        if (shortcut) {
            press(&calculator, Qt::Key_V, Qt::ControlModifier);
        } else {
            std::unique_ptr<QMenu> menu(calculator.EditHrs->createStandardContextMenu());
            const QList<QAction*> actions = menu->actions();
            auto paste = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
                return action->text().startsWith(u"&Paste"_s);
            });
            QVERIFY(paste != actions.end());
            (*paste)->trigger();
        }
        QCOMPARE(calculator.EditHrs->text(), hours);
        QCOMPARE(run.platform.beeps, beeps);
        // Recomputed without waiting for a key.
        QCOMPARE(line(calculator, 0),
                 u"+"_s + hours.rightJustified(6, u'0') + u" Hrs 00 mn 000000 lndg   ==> VFR"_s);
        QCOMPARE(calculator.Labeltotal->text(), hours + u" hrs 0 mn 0 lndg"_s);
        QVERIFY(run.platform.errors.isEmpty());
    }));
}

void TestCalculhrs::escapeClosesFromTheFieldsOnly()
{
    Running run;
    QVERIFY(withCalculator(run, [](Tfrmcalculhrs& calculator) {
        calculator.Button2->setFocus();
        press(&calculator, Qt::Key_Escape);
        QVERIFY(calculator.isVisible());
        calculator.RadioButtonvfr->setFocus();
        press(&calculator, Qt::Key_Escape);
        QVERIFY(calculator.isVisible());
        calculator.Editatt->setFocus();
        press(&calculator, Qt::Key_Escape);
        QVERIFY(!calculator.isVisible());
    }));
    QVERIFY(!run.program->conversion().isMinimized());
}

QTEST_MAIN(TestCalculhrs)
#include "tst_calculhrs.moc"
