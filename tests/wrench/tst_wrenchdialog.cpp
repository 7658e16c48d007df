// The wrench and cable size dialog, opened from the main window and driven by keys.

#include "support/guitest.h"

#include "widgets/creditlabel.h"
#include "workbench/convers.h"
#include "workbench/valueentry.h"
#include "wrench/cleangl.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

// Types each character into whichever control has the focus, as a user does.
void typeAtFocus(QWidget* window, const QString& text)
{
    for (QChar c : text)
        QTest::keyClicks(window->focusWidget(), QString(c));
}

} // namespace

class TestWrenchDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fractions_data();
    void fractions();
    void autoAdvanceLandsOnApply();
    void errorsKeepTheDialogOpen_data();
    void errorsKeepTheDialogOpen();
    void keyFilterAndNavigation();
    void makersLabelOpensTheHomePageAndCloses();
    void choiceCaptionsAreNotCut();

private:
    // Opens the dialog from the wrench toolbar button and runs `inside` while it is open.
    void withDialog(const std::function<void(TfrmcleDlg&)>& inside);

    std::unique_ptr<Running> m_run;
    TFrmConversion* m_main = nullptr;
};

void TestWrenchDialog::init()
{
    m_run = std::make_unique<Running>();
    m_main = &m_run->program->conversion();
}

void TestWrenchDialog::cleanup()
{
    m_run.reset();
}

void TestWrenchDialog::withDialog(const std::function<void(TfrmcleDlg&)>& inside)
{
    bool ran = false;
    whenModalOpens([&](QWidget* modal) {
        ran = true;
        auto* dialog = qobject_cast<TfrmcleDlg*>(modal);
        QVERIFY(dialog);
        inside(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    QTest::mouseClick(m_main->ToolButton3, Qt::LeftButton);
    QVERIFY(ran);
}

void TestWrenchDialog::fractions_data()
{
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<QString>("millimetres");
    QTest::addColumn<QString>("inches");
    QTest::newRow("defaults 3/4") << QString() << QString() << u"19.05 mm"_s << u"0.75"_s;
    QTest::newRow("1/3") << u"1"_s << u"3"_s << u"8.46666666666667 mm"_s << u"0.333333333333333"_s;
    QTest::newRow("99/99") << u"99"_s << u"99"_s << u"25.4 mm"_s << u"1"_s;
    QTest::newRow("zero denominator becomes 1") << u"3"_s << u"0"_s << u"76.2 mm"_s << u"3"_s;
    QTest::newRow("empty denominator becomes 1") << u"3"_s << u"\b"_s << u"76.2 mm"_s << u"3"_s;
}

void TestWrenchDialog::fractions()
{
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    withDialog([&](TfrmcleDlg& dialog) {
        QCOMPARE(dialog.focusWidget(), dialog.Edit1);
        QCOMPARE(dialog.Edit1->selectedText(), dialog.Edit1->text());
        if (!numerator.isEmpty()) {
            QTest::keyClicks(dialog.Edit1, numerator);
            dialog.Edit2->setFocus();
            QTest::keyClicks(dialog.Edit2, denominator);
        }
        QTest::mouseClick(dialog.ButtonValide, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    });
    QFETCH(QString, millimetres);
    QFETCH(QString, inches);
    QCOMPARE(m_main->entry().EditMetrique->text(), local(millimetres));
    QCOMPARE(m_main->entry().EditAnglo->text(), local(inches));
    // The main window shows the lengths set-up, with the focus on the reference text.
    QCOMPARE(m_main->ComboBoxUniteDe->currentIndex(), 0);
    QCOMPARE(m_main->focusWidget(), m_main->Memo1);
    QVERIFY(m_run->platform.errors.isEmpty());
}

void TestWrenchDialog::autoAdvanceLandsOnApply()
{
    withDialog([&](TfrmcleDlg& dialog) {
        typeAtFocus(&dialog, u"1532"_s);
        QCOMPARE(dialog.Edit1->text(), u"15"_s);
        QCOMPARE(dialog.Edit2->text(), u"32"_s);
        QCOMPARE(dialog.focusWidget(), dialog.ButtonValide);
        QTest::keyClick(dialog.ButtonValide, Qt::Key_Space);
    });
    QCOMPARE(m_main->entry().EditMetrique->text(), local(u"11.90625 mm"_s));
    QCOMPARE(m_main->entry().EditAnglo->text(), local(u"0.46875"_s));

    // The texts are kept for the next opening; Enter moves on field by field.
    withDialog([&](TfrmcleDlg& dialog) {
        QCOMPARE(dialog.Edit1->text(), u"15"_s);
        typeAtFocus(&dialog, u"7"_s);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.focusWidget(), dialog.Edit2);
        typeAtFocus(&dialog, u"8"_s);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.focusWidget(), dialog.ButtonValide);
        QTest::keyClick(dialog.ButtonValide, Qt::Key_Space);
    });
    QCOMPARE(m_main->entry().EditMetrique->text(), local(u"22.225 mm"_s));
}

void TestWrenchDialog::errorsKeepTheDialogOpen_data()
{
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<QString>("message");
    QTest::newRow("double zero denominator")
        << u"3"_s << u"00"_s << u"Division par zéro en virgule flottante"_s;
    QTest::newRow("zero over zero")
        << u"00"_s << u"00"_s << u"Opération en virgule flottante incorrecte"_s;
    QTest::newRow("separator in the numerator")
        << u"3."_s << u"4"_s << u"'3.' n'est pas une valeur entière correcte"_s;
    QTest::newRow("letter c in the denominator")
        << u"3"_s << u"c"_s << u"'c' n'est pas une valeur entière correcte"_s;
}

void TestWrenchDialog::errorsKeepTheDialogOpen()
{
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    QFETCH(QString, message);
    m_main->entry().EditAnglo->setText(u"before"_s);
    withDialog([&](TfrmcleDlg& dialog) {
        dialog.Edit1->setText(numerator);
        dialog.Edit2->setText(denominator);
        QTest::mouseClick(dialog.ButtonValide, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(m_run->platform.errors, QStringList{message});
    });
    QCOMPARE(m_main->entry().EditAnglo->text(), QString());
}

void TestWrenchDialog::keyFilterAndNavigation()
{
    withDialog([&](TfrmcleDlg& dialog) {
        QTest::keyClicks(dialog.Edit1, u"a,-"_s);
        QCOMPARE(m_run->platform.beeps, 3);
        QCOMPARE(dialog.Edit1->text(), u"3"_s);
        QTest::keyClick(dialog.Edit1, Qt::Key_Right);
        QCOMPARE(dialog.focusWidget(), dialog.Edit2);
        QTest::keyClick(dialog.Edit2, Qt::Key_Left);
        QCOMPARE(dialog.focusWidget(), dialog.Edit1);
        QTest::keyClick(dialog.Edit1, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    });
}

void TestWrenchDialog::makersLabelOpensTheHomePageAndCloses()
{
    withDialog([&](TfrmcleDlg& dialog) {
        QTest::mouseClick(dialog.Label9, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    });
    QCOMPARE(m_run->platform.shellOpened, QStringList{m_run->program->homePage()});
}

void TestWrenchDialog::choiceCaptionsAreNotCut()
{
    // The export choice once lost the end of its caption ("( TT").
    TfrmcleDlg& dialog = m_run->program->cleDlg();
    for (QRadioButton* choice : {dialog.RadioButton1, dialog.RadioButton2, dialog.RadioButton3}) {
        QVERIFY2(choice->sizeHint().width() <= choice->width(), qPrintable(choice->text()));
        QVERIFY(choice->geometry().right() < dialog.width());
    }
}

QTEST_MAIN(TestWrenchDialog)
#include "tst_wrenchdialog.moc"
