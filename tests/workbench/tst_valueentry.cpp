// Typing in the main window's fields, the keypad, the key handlers and the conversion.

#include "support/guitest.h"

#include "listings/pubfree.h"
#include "widgets/closeupcombo.h"
#include "workbench/convers.h"
#include "workbench/valueentry.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

QChar sep()
{
    return expectedSeparator();
}

// Puts text into a field as the clipboard's context-menu Paste chosen with the mouse.
void pasteWithTheMouse(QLineEdit* field, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    const QPoint at = field->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().startsWith(u"&Paste"_s))
            paste = action;
    QVERIFY(paste && paste->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
    QTRY_VERIFY(!menu->isVisible());
}

// Drops text at the end of a field, as dragged from another program.
void drop(QLineEdit* field, const QString& text)
{
    QMimeData data;
    data.setText(text);
    const QPointF at(field->width() - 3, field->height() / 2);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(field, &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(field, &move);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(field, &dropped);
    QVERIFY(dropped.isAccepted());
}

} // namespace

class TestValueEntry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void massOnePoundFromTheTop();
    void typingOnePointFive();
    void commaBeepsAndSecondSeparatorIsIgnored();
    void separatorKeyComesBackOnlyByAReset();
    void backspaceEmptiesTheOtherFieldAtOnce();
    void lettersCAreBackspace();
    void keyReleaseWritesTheListingRange();
    void keypadAppendsAndDoesNotWriteTheListingRange();
    void keypadDigitsGoPastTwelveCharactersTypingDoesNot();
    void keypadClearOnAnEmptyField();
    void keypadEcho();
    void deleteAndSpaceClear();
    void upAndDownChooseTheSource();
    void clickingAFieldMakesItTheSource();
    void resultWithSuffixKeepsTheConvention();
    void keypadErrorsReachTheErrorBox();
    void roundingOverflowPastTwelveCharacters();
    void memoEscapeMakesTheTopTheSource();
    void inchToMillimetreRounding();
    void textPutInWithoutAKeyConverts_data();
    void textPutInWithoutAKeyConverts();

private:
    std::unique_ptr<Running> m_run;
    TFrmConversion* m_main = nullptr;
    TValueEntry* m_entry = nullptr;
};

void TestValueEntry::init()
{
    m_run = std::make_unique<Running>();
    m_main = &m_run->program->conversion();
    m_entry = &m_main->entry();
}

void TestValueEntry::cleanup()
{
    m_run.reset();
}

void TestValueEntry::massOnePoundFromTheTop()
{
    QTest::keyClicks(m_entry->EditAnglo, u"1"_s);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"0.4536 kg"_s));
    QTest::keyClicks(m_entry->EditAnglo, u"2"_s);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"5.4432 kg"_s));
    QCOMPARE(m_main->focusWidget(), m_entry->EditAnglo);
}

void TestValueEntry::typingOnePointFive()
{
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_1);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"0.4536 kg"_s));
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_Period);
    // The "." key types the system separator, whatever it is.
    QCOMPARE(m_entry->EditAnglo->text(), u"1"_s + sep());
    QCOMPARE(m_entry->EditMetrique->text(), local(u"0.4536 kg"_s));
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_5);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"0.6804 kg"_s));
    QCOMPARE(m_run->platform.beeps, 0);
}

void TestValueEntry::commaBeepsAndSecondSeparatorIsIgnored()
{
    QTest::keyClicks(m_entry->EditAnglo, u"1,"_s);
    QCOMPARE(m_entry->EditAnglo->text(), u"1"_s);
    QCOMPARE(m_run->platform.beeps, 1);
    QTest::keyClicks(m_entry->EditAnglo, u"-a"_s);
    QCOMPARE(m_run->platform.beeps, 3);
    // Modifier keys alone are no characters.
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_Shift, Qt::ShiftModifier);
    QCOMPARE(m_run->platform.beeps, 3);
    // A control character typed with Ctrl is refused.
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(m_run->platform.beeps, 4);
    QCOMPARE(m_entry->EditAnglo->text(), u"1"_s);
    QTest::keyClicks(m_entry->EditAnglo, u".5."_s);
    QCOMPARE(m_entry->EditAnglo->text(), u"1"_s + sep() + u"5"_s);
    QCOMPARE(m_run->platform.beeps, 4);
    QVERIFY(!m_entry->ToolButtonPA->isEnabled());
}

void TestValueEntry::separatorKeyComesBackOnlyByAReset()
{
    QTest::keyClicks(m_entry->EditAnglo, u"1."_s);
    QVERIFY(!m_entry->ToolButtonPA->isEnabled());
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_Backspace);
    QCOMPARE(m_entry->EditAnglo->text(), u"1"_s);
    QVERIFY(!m_entry->ToolButtonPA->isEnabled());

    QTest::mouseClick(m_entry->ToolButtonCA, Qt::LeftButton);
    QVERIFY(m_entry->ToolButtonPA->isEnabled());

    QTest::keyClicks(m_entry->EditAnglo, u"1."_s);
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_Down);
    QVERIFY(m_entry->ToolButtonPA->isEnabled());

    QTest::keyClicks(m_entry->EditMetrique, u"1."_s);
    QTest::keyClick(m_entry->EditMetrique, Qt::Key_Up);
    QVERIFY(m_entry->ToolButtonPA->isEnabled());

    QTest::keyClicks(m_entry->EditAnglo, u"1."_s);
    QTest::mouseClick(m_entry->EditMetrique, Qt::LeftButton);
    QVERIFY(m_entry->ToolButtonPA->isEnabled());

    QTest::keyClicks(m_entry->EditMetrique, u"1."_s);
    QTest::mouseClick(m_main->ToolButton5, Qt::LeftButton);
    QVERIFY(m_entry->ToolButtonPA->isEnabled());

    QTest::keyClicks(m_entry->EditMetrique, u"1."_s);
    dropDownAndClose(m_main->ComboBoxConverse);
    QVERIFY(m_entry->ToolButtonPA->isEnabled());
}

void TestValueEntry::backspaceEmptiesTheOtherFieldAtOnce()
{
    QTest::keyClicks(m_entry->EditAnglo, u"12"_s);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"5.4432 kg"_s));
    QTest::keyPress(m_entry->EditAnglo, Qt::Key_Backspace);
    QCOMPARE(m_entry->EditMetrique->text(), QString());
    QCOMPARE(m_entry->EditAnglo->text(), u"1"_s);
    QVERIFY(m_entry->ToolButtonCA->isDown());
    QTest::keyRelease(m_entry->EditAnglo, Qt::Key_Backspace);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"0.4536 kg"_s));
    QVERIFY(!m_entry->ToolButtonCA->isDown());
}

void TestValueEntry::lettersCAreBackspace()
{
    QTest::keyClicks(m_entry->EditAnglo, u"123c"_s);
    QCOMPARE(m_entry->EditAnglo->text(), u"12"_s);
    QTest::keyClicks(m_entry->EditAnglo, u"C"_s);
    QCOMPARE(m_entry->EditAnglo->text(), u"1"_s);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"0.4536 kg"_s));
    QCOMPARE(m_run->platform.beeps, 0);
}

void TestValueEntry::keyReleaseWritesTheListingRange()
{
    TPub& pub = m_run->program->pub();
    QTest::keyClicks(m_entry->EditAnglo, u"12"_s);
    QCOMPARE(pub.Edit1->text(), u"12"_s);
    QCOMPARE(pub.Edit2->text(), u"1012"_s);
    QCOMPARE(pub.Edit3->text(), u"100"_s);
    QTest::keyClicks(m_entry->EditAnglo, u".5"_s);
    QCOMPARE(pub.Edit1->text(), u"12"_s + sep() + u"5"_s);
    QCOMPARE(pub.Edit2->text(), u"1012"_s + sep() + u"5"_s);
    // A release in the result field writes From with its text; the rest fails to parse
    // and is absorbed, so To and Step keep their values.
    QTest::keyClick(m_entry->EditMetrique, Qt::Key_Shift);
    QCOMPARE(pub.Edit1->text(), local(u"5.67 kg"_s));
    QCOMPARE(pub.Edit2->text(), u"1012"_s + sep() + u"5"_s);
    QVERIFY(m_run->platform.errors.isEmpty());
    // A release in an empty field changes nothing.
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_Delete);
    QTest::keyClick(m_entry->EditMetrique, Qt::Key_Shift);
    QCOMPARE(pub.Edit1->text(), local(u"5.67 kg"_s));
}

void TestValueEntry::keypadAppendsAndDoesNotWriteTheListingRange()
{
    TPub& pub = m_run->program->pub();
    QTest::mouseClick(m_entry->digitButtons[1], Qt::LeftButton);
    QTest::mouseClick(m_entry->ToolButtonPA, Qt::LeftButton);
    QTest::mouseClick(m_entry->digitButtons[5], Qt::LeftButton);
    QCOMPARE(m_entry->EditAnglo->text(), u"1"_s + sep() + u"5"_s);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"0.6804 kg"_s));
    QVERIFY(!m_entry->ToolButtonPA->isEnabled());
    QCOMPARE(pub.Edit1->text(), u"1"_s);
    QCOMPARE(pub.Edit2->text(), u"100"_s);
    QCOMPARE(m_main->focusWidget(), m_entry->EditAnglo);

    // In direction "bas" the keypad writes into the bottom field.
    QTest::mouseClick(m_entry->EditMetrique, Qt::LeftButton);
    QTest::mouseClick(m_entry->digitButtons[2], Qt::LeftButton);
    QCOMPARE(m_entry->EditMetrique->text(), u"2"_s);
    QCOMPARE(m_entry->EditAnglo->text(), local(u"4.4092 lb"_s));
}

void TestValueEntry::keypadDigitsGoPastTwelveCharactersTypingDoesNot()
{
    QTest::keyClicks(m_entry->EditAnglo, u"1234567890123"_s);
    QCOMPARE(m_entry->EditAnglo->text(), u"123456789012"_s);
    QTest::mouseClick(m_entry->digitButtons[3], Qt::LeftButton);
    QCOMPARE(m_entry->EditAnglo->text(), u"1234567890123"_s);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"559999994959.793 kg"_s));
}

void TestValueEntry::keypadClearOnAnEmptyField()
{
    QTest::keyClicks(m_entry->EditMetrique, u"."_s); // direction stays "haut": no click
    m_entry->EditMetrique->clear();
    QVERIFY(!m_entry->ToolButtonPA->isEnabled());
    m_entry->EditMetrique->setFocus();
    QTest::mouseClick(m_entry->ToolButtonCA, Qt::LeftButton);
    QCOMPARE(m_main->focusWidget(), m_entry->EditAnglo);
    QVERIFY(m_entry->ToolButtonPA->isEnabled());
    QCOMPARE(m_entry->LabelFenetreEdition->text(), u"haut"_s);
}

void TestValueEntry::keypadEcho()
{
    QTest::keyPress(m_entry->EditAnglo, Qt::Key_7);
    QVERIFY(m_entry->digitButtons[7]->isDown());
    QTest::keyRelease(m_entry->EditAnglo, Qt::Key_7);
    QVERIFY(!m_entry->digitButtons[7]->isDown());
    QTest::keyClicks(m_entry->EditAnglo, u"8"_s);
    QTest::keyPress(m_entry->EditAnglo, Qt::Key_C);
    QVERIFY(m_entry->ToolButtonCA->isDown());
    QTest::keyRelease(m_entry->EditAnglo, Qt::Key_C);
    QVERIFY(!m_entry->ToolButtonCA->isDown());
    for (QToolButton* key : m_entry->digitButtons)
        QCOMPARE(key->focusPolicy(), Qt::NoFocus);
}

void TestValueEntry::deleteAndSpaceClear()
{
    QTest::keyClicks(m_entry->EditAnglo, u"12."_s);
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_Delete);
    QCOMPARE(m_entry->EditAnglo->text(), QString());
    QCOMPARE(m_entry->EditMetrique->text(), QString());
    QVERIFY(m_entry->ToolButtonPA->isEnabled());
    QCOMPARE(m_run->platform.beeps, 0);

    QTest::keyClicks(m_entry->EditAnglo, u"3."_s);
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_Space);
    QCOMPARE(m_entry->EditAnglo->text(), QString());
    QCOMPARE(m_entry->EditMetrique->text(), QString());
    QVERIFY(m_entry->ToolButtonPA->isEnabled());
    QCOMPARE(m_run->platform.beeps, 1); // the blank itself is refused
}

void TestValueEntry::upAndDownChooseTheSource()
{
    QTest::keyClicks(m_entry->EditAnglo, u"5"_s);
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_Down);
    QCOMPARE(m_entry->LabelFenetreEdition->text(), u"bas"_s);
    QCOMPARE(m_entry->EditAnglo->text(), QString());
    QCOMPARE(m_entry->EditAnglo->palette().color(QPalette::Base), QColor(0xD7D7D7));
    QCOMPARE(m_entry->EditMetrique->palette().color(QPalette::Base), QColor(0xFFFFFF));
    QCOMPARE(m_main->focusWidget(), m_entry->EditMetrique);

    QTest::keyClicks(m_entry->EditMetrique, u"1"_s);
    QCOMPARE(m_entry->EditAnglo->text(), local(u"2.2046 lb"_s));
    QTest::keyClick(m_entry->EditMetrique, Qt::Key_Up);
    QCOMPARE(m_entry->LabelFenetreEdition->text(), u"haut"_s);
    QCOMPARE(m_entry->EditAnglo->palette().color(QPalette::Base), QColor(0xFFFFFF));
    QCOMPARE(m_entry->EditMetrique->palette().color(QPalette::Base), QColor(0xD7D7D7));
    QCOMPARE(m_main->focusWidget(), m_entry->EditAnglo);
    QCOMPARE(m_entry->EditMetrique->text(), QString());
}

void TestValueEntry::clickingAFieldMakesItTheSource()
{
    QTest::keyClicks(m_entry->EditAnglo, u"5"_s);
    QTest::mouseClick(m_entry->EditMetrique, Qt::LeftButton);
    QCOMPARE(m_entry->LabelFenetreEdition->text(), u"bas"_s);
    QCOMPARE(m_entry->EditAnglo->text(), QString());
    QCOMPARE(m_entry->EditMetrique->text(), QString());
    QCOMPARE(m_entry->EditAnglo->palette().color(QPalette::Base), QColor(0xDCD7B6));
    QCOMPARE(m_entry->EditMetrique->palette().color(QPalette::Base), QColor(0xFFFFFF));
    QTest::mouseClick(m_entry->EditAnglo, Qt::LeftButton);
    QCOMPARE(m_entry->LabelFenetreEdition->text(), u"haut"_s);
    QCOMPARE(m_entry->EditAnglo->palette().color(QPalette::Base), QColor(0xFFFFFF));
    QCOMPARE(m_entry->EditMetrique->palette().color(QPalette::Base), QColor(0xDCD7B6));
}

void TestValueEntry::resultWithSuffixKeepsTheConvention()
{
    // Regression: a Tab into the result field used to switch the separator convention to
    // "." for the rest of the run, so a comma system could no longer take decimals.
    QTest::keyClicks(m_entry->EditAnglo, u"2"_s);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"0.9072 kg"_s));
    QTest::keyPress(m_entry->EditAnglo, Qt::Key_Tab); // the focus moves on, no beep
    QCOMPARE(m_main->focusWidget(), m_entry->EditMetrique);
    QCOMPARE(m_run->platform.beeps, 0);
    QTest::keyRelease(m_entry->EditMetrique, Qt::Key_Tab); // its release lands here
    QCOMPARE(m_entry->EditMetrique->text(), local(u"0.9072 kg"_s));
    QCOMPARE(m_entry->Labelformatdecimal->text(), QString(sep()));
    QVERIFY(m_run->platform.errors.isEmpty());

    QTest::keyClick(m_entry->EditAnglo, Qt::Key_Up);
    QTest::keyClicks(m_entry->EditAnglo, u"2.5"_s);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"1.134 kg"_s));

    // A pasted word converts nothing either, and says nothing.
    m_entry->EditAnglo->setText(u"abc"_s);
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_End);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"1.134 kg"_s));
    QCOMPARE(m_entry->Labelformatdecimal->text(), QString(sep()));
    QVERIFY(m_run->platform.errors.isEmpty());
}

void TestValueEntry::keypadErrorsReachTheErrorBox()
{
    m_entry->EditAnglo->setText(u"abc"_s);
    QTest::mouseClick(m_entry->digitButtons[1], Qt::LeftButton);
    QCOMPARE(m_run->platform.errors,
             QStringList{u"'abc1' n'est pas une valeur en virgule flottante correcte"_s});
    QCOMPARE(m_entry->EditMetrique->text(), QString());
    // The separator key stays enabled when the conversion failed.
    QTest::mouseClick(m_entry->ToolButtonPA, Qt::LeftButton);
    QCOMPARE(m_run->platform.errors.size(), 2);
    QVERIFY(m_entry->ToolButtonPA->isEnabled());
}

void TestValueEntry::roundingOverflowPastTwelveCharacters()
{
    // Volumes, pair m3 <> cu.ft, from the bottom field: 35.314 cu.ft per m3. Twelve typed
    // characters stay inside the rounding's 64-bit range; keypad digits lengthen the field
    // past them, and 2e14 m3 leaves it.
    pick(m_main->ComboBoxUniteDe, 2);
    pick(m_main->ComboBoxConverse, 1);
    QTest::keyClicks(m_entry->EditMetrique, u"1"_s);
    QCOMPARE(m_entry->EditAnglo->text(), local(u"35.314 cu.ft"_s));
    QTest::keyClick(m_entry->EditMetrique, Qt::Key_Backspace);
    QTest::keyClicks(m_entry->EditMetrique, u"2000000000000"_s); // the thirteenth is refused
    QCOMPARE(m_entry->EditMetrique->text(), u"200000000000"_s);
    QCOMPARE(m_entry->EditAnglo->text(), u"7062800000000 cu.ft"_s);
    QTest::mouseClick(m_entry->digitButtons[0], Qt::LeftButton);
    QTest::mouseClick(m_entry->digitButtons[0], Qt::LeftButton);
    QCOMPARE(m_entry->EditAnglo->text(), u"706280000000000 cu.ft"_s);
    QVERIFY(m_run->platform.errors.isEmpty());
    // 2e14 m3 from the keypad reaches the error box; the target field keeps its text.
    QTest::mouseClick(m_entry->digitButtons[0], Qt::LeftButton);
    QCOMPARE(m_entry->EditMetrique->text(), u"200000000000000"_s);
    QCOMPARE(m_run->platform.errors, QStringList{u"Opération en virgule flottante incorrecte"_s});
    QCOMPARE(m_entry->EditAnglo->text(), u"706280000000000 cu.ft"_s);
    // The same overflow at a key release is absorbed without a word.
    QTest::keyClick(m_entry->EditMetrique, Qt::Key_End);
    QCOMPARE(m_run->platform.errors.size(), 1);
    QCOMPARE(m_entry->EditAnglo->text(), u"706280000000000 cu.ft"_s);
    QCOMPARE(m_entry->Labelformatdecimal->text(), QString(sep()));
}

void TestValueEntry::memoEscapeMakesTheTopTheSource()
{
    QTest::mouseClick(m_entry->EditMetrique, Qt::LeftButton);
    QTest::keyClicks(m_entry->EditMetrique, u"4"_s);
    m_main->Memo1->setFocus();
    QTest::keyClick(m_main->Memo1, Qt::Key_Escape);
    QCOMPARE(m_entry->LabelFenetreEdition->text(), u"haut"_s);
    QCOMPARE(m_main->focusWidget(), m_entry->EditAnglo);
    QCOMPARE(m_entry->EditMetrique->text(), QString());
    // The colours stay as they were.
    QCOMPARE(m_entry->EditAnglo->palette().color(QPalette::Base), QColor(0xDCD7B6));
    QVERIFY(m_main->isVisible());
}

void TestValueEntry::inchToMillimetreRounding()
{
    QTest::mouseClick(m_main->ToolButton5, Qt::LeftButton);
    QTest::mouseClick(m_entry->EditAnglo, Qt::LeftButton);
    QTest::keyClicks(m_entry->EditAnglo, u"0.12345"_s);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"3.1356 mm"_s));
    QTest::keyClick(m_entry->EditAnglo, Qt::Key_Delete);
    QTest::keyClicks(m_entry->EditAnglo, u"4"_s);
    QCOMPARE(m_entry->EditMetrique->text(), local(u"101.6 mm"_s));
    QTest::mouseClick(m_entry->EditMetrique, Qt::LeftButton);
    QTest::keyClicks(m_entry->EditMetrique, u"10"_s);
    QCOMPARE(m_entry->EditAnglo->text(), local(u"0.3937 in"_s));
}

void TestValueEntry::textPutInWithoutAKeyConverts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("dropped"); // dropped, or pasted from the context menu
    QTest::addColumn<QString>("put");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("pasted digit, once beside the result of the text before")
        << u"12"_s << false << u"5"_s << u"125"_s << u"3175 mm"_s;
    QTest::newRow("dropped digit, once beside the result of the text before")
        << u"12"_s << true << u"5"_s << u"125"_s << u"3175 mm"_s;
    QTest::newRow("pasted cell with its line break, once kept and converting nothing")
        << QString() << false << u"12\n"_s << u"12"_s << u"304.8 mm"_s;
    QTest::newRow("dropped line with CRLF, once kept and converting nothing")
        << QString() << true << u"1.5\r\n"_s << u"1.5"_s << u"38.1 mm"_s;
}

void TestValueEntry::textPutInWithoutAKeyConverts()
{
    QFETCH(QString, typed);
    QFETCH(bool, dropped);
    QFETCH(QString, put);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QTest::mouseClick(m_main->ToolButton5, Qt::LeftButton); // lengths: inch / mm
    QTest::mouseClick(m_entry->EditAnglo, Qt::LeftButton);
    QTest::keyClicks(m_entry->EditAnglo, typed);
    if (dropped)
        drop(m_entry->EditAnglo, local(put));
    else
        pasteWithTheMouse(m_entry->EditAnglo, local(put));
    QCOMPARE(m_entry->EditAnglo->text(), local(text));
    QCOMPARE(m_entry->EditMetrique->text(), local(result));
    // The listing range follows as it does after a key.
    TPub& pub = m_run->program->pub();
    QCOMPARE(pub.Edit1->text(), local(text));
    QCOMPARE(pub.Edit2->text(), local(QString::number(text.toDouble() + 1000)));
    QCOMPARE(pub.Edit3->text(), u"100"_s);
    QVERIFY(m_run->platform.errors.isEmpty());
}

QTEST_MAIN(TestValueEntry)
#include "tst_valueentry.moc"
