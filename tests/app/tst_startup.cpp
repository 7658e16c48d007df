// Start-up: the seven windows, the main window's activation step and its layout.

#include "support/guitest.h"

#include "flying_hours/hrsdlg.h"
#include "widgets/closeupcombo.h"
#include "workbench/convers.h"
#include "workbench/valueentry.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void localeGivesTheExpectedSeparator();
    void sevenWindowsExistWithTheirCaptionsAndSizes();
    void activationSelectsMassAndFindsTheSeparator();
    void mainWindowLayout();
    void escapeInAFieldEndsTheProgram_data();
    void escapeInAFieldEndsTheProgram();
    void programsCanFollowEachOther();
    void startUpLeavesWhatIsSeldomUsedForLater();
    void windowsStayOnTheScreen_data();
    void windowsStayOnTheScreen();
};

void TestStartup::localeGivesTheExpectedSeparator()
{
    FakePlatform platform;
    QCOMPARE(platform.separator, expectedSeparator());
}

void TestStartup::sevenWindowsExistWithTheirCaptionsAndSizes()
{
    Running run;
    TFrmConversion& main = run.program->conversion();
    QCOMPARE(main.objectName(), u"TFrmConversion"_s);
    QCOMPARE(main.windowTitle(), u"Conversion d'unités de mesure"_s);
    QCOMPARE(main.centralWidget()->size(), QSize(543, 332));
    QVERIFY(main.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));

    struct Expected
    {
        const char* name;
        QString caption;
        QSize size;
    };
    const Expected windows[] = {
        {"TfrmcleDlg", u""_s, {318, 139}},
        {"TPub", u"MIRANDEL"_s, {335, 217}},
        {"TFrmAtmosphere", u"STANDARD ATMOSPHERE"_s, {617, 365}},
        {"Tfrmcalculhrs", u" Calcul Hrs de vol"_s, {540, 416}},
        {"TfrmhrsatDlg", u"Prévisualiser / Imprimer"_s, {313, 310}},
    };
    for (const Expected& expected : windows) {
        auto* window = main.findChild<QDialog*>(QString::fromLatin1(expected.name));
        QVERIFY2(window, expected.name);
        QCOMPARE(window->windowTitle(), expected.caption);
        QCOMPARE(window->size(), expected.size);
        QVERIFY(!window->isVisible());
    }
    QVERIFY(main.findChild<QWidget*>(u"TWinControlForm1"_s));
    // The listing range fields exist from start-up, since typing writes them.
    for (const char* name : {"Edit1", "Edit2", "Edit3"})
        QVERIFY(main.findChild<QLineEdit*>(QString::fromLatin1(name)));
}

void TestStartup::activationSelectsMassAndFindsTheSeparator()
{
    Running run;
    TFrmConversion& main = run.program->conversion();
    TValueEntry& entry = main.entry();
    QCOMPARE(main.ComboBoxUniteDe->currentText(), u"Mass"_s);
    QCOMPARE(main.ComboBoxConverse->currentText(), u"Kg <>  Lb"_s);
    QCOMPARE(entry.EditAnglo->text(), QString());
    QCOMPARE(entry.EditMetrique->text(), QString());
    QCOMPARE(entry.EditAnglo->palette().color(QPalette::Base), QColor(0xFFFFFF));
    QCOMPARE(entry.EditMetrique->palette().color(QPalette::Base), QColor(0xDCD7B6));
    QCOMPARE(entry.LabelFenetreEdition->text(), u"haut"_s);
    QCOMPARE(entry.Labelformatdecimal->text(), QString(expectedSeparator()));
    QVERIFY(entry.ToolButtonPA->isEnabled());
    QCOMPARE(main.focusWidget(), entry.EditAnglo);
    // The start-up content stays until a pick.
    QCOMPARE(main.LabelSaisieAnglo->text(), u"Lb"_s);
    QCOMPARE(main.LabelsaisieMet->text(), u"Kg"_s);
    QCOMPARE(main.Memo1->toPlainText(), u"1 lb   = 0,4536 kg\n1 Kg = 2,2046 lb\n1lb   = 16 oz"_s);
    // The kerosene factor is written in the convention found by the trial.
    auto* factor = main.findChild<QLabel*>(u"LabelFctCorrec"_s);
    QCOMPARE(factor->text(), u"1"_s + expectedSeparator() + u"0000"_s);
    QVERIFY(run.platform.errors.isEmpty());
}

void TestStartup::mainWindowLayout()
{
    Running run;
    TFrmConversion& main = run.program->conversion();
    const struct
    {
        const char* name;
        QRect geometry;
    } places[] = {
        {"Image3", {57, 51, 147, 97}},          {"Label10", {11, 147, 232, 18}},
        {"Memo1", {46, 210, 168, 79}},          {"PanelCorrection", {10, 167, 241, 164}},
        {"Image1", {264, 0, 19, 332}},          {"Shape7", {299, 47, 222, 90}},
        {"ButtonTableau", {315, 150, 156, 22}}, {"Label4", {304, 313, 202, 14}},
        {"Paneltemp", {3, 0, 538, 332}},        {"ToolBar1", {21, 0, 241, 39}},
        {"ToolBar2", {288, 0, 256, 39}},        {"EditAnglo", {351, 82, 157, 24}},
        {"EditMetrique", {351, 105, 157, 22}},
    };
    for (const auto& place : places) {
        auto* widget = main.findChild<QWidget*>(QString::fromLatin1(place.name));
        QVERIFY2(widget, place.name);
        QCOMPARE(widget->geometry(), place.geometry);
    }
    QStringList menus;
    for (QAction* action : main.menuBar()->actions())
        menus << action->text();
    QCOMPARE(menus, (QStringList{u"Mesuring units ..  "_s, u"Spécial   "_s, u"Preview"_s, u"?"_s}));
    QCOMPARE(main.ComboBoxUniteDe->count(), 12);
    QCOMPARE(main.ComboBoxUniteDe->itemText(10), u"Mass/volume  kéroséne"_s);
    QCOMPARE(main.ButtonTableau->toolTip(), u"Editer tableau"_s);
}

void TestStartup::escapeInAFieldEndsTheProgram_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("top") << u"EditAnglo"_s;
    QTest::newRow("bottom") << u"EditMetrique"_s;
}

void TestStartup::escapeInAFieldEndsTheProgram()
{
    QFETCH(QString, field);
    Running run;
    TFrmConversion& main = run.program->conversion();
    bool closed = false;
    connect(&main, &TFrmConversion::closed, this, [&closed] { closed = true; });
    auto* edit = main.findChild<QLineEdit*>(field);
    QTest::keyClicks(edit, u"12"_s);
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(closed);
    QVERIFY(!main.isVisible());
}

void TestStartup::programsCanFollowEachOther()
{
    for (int i = 0; i < 3; ++i) {
        Running run;
        QCOMPARE(run.program->conversion().ComboBoxUniteDe->currentIndex(), 4);
    }
}

// What only a few users need is built or loaded when first asked for, so it costs nothing
// at start-up: the PDF reader of the print preview and the report dialog's calendars.
void TestStartup::startUpLeavesWhatIsSeldomUsedForLater()
{
    Running run;
    QFile maps(u"/proc/self/maps"_s);
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    QVERIFY(!mapped.contains("libQt6Pdf"));
    QVERIFY(!mapped.contains("libQt6Network"));
    QVERIFY(run.program->hrsDlg().findChildren<QCalendarWidget*>().isEmpty());
}

void TestStartup::windowsStayOnTheScreen_data()
{
    QTest::addColumn<int>("window");
    // Regression: on a screen smaller than a window, centring put its title bar, menus and
    // keypad out of reach.
    QTest::newRow("main window") << 0;
    QTest::newRow("about box") << 1;
    QTest::newRow("standard atmosphere") << 2;
    QTest::newRow("wrench sizes") << 3;
    QTest::newRow("flying hours") << 4;
    QTest::newRow("print preview, fitting the screen") << 5;
}

void TestStartup::windowsStayOnTheScreen()
{
    QFETCH(int, window);
    Running run;
    TFrmConversion& main = run.program->conversion();
    QRect frame, area;
    QSize normal; // the size out of the maximized state, where no window manager keeps it
    const auto measure = [&](QWidget* shown) {
        frame = shown->frameGeometry();
        normal = shown->normalGeometry().size();
        area = shown->screen()->availableGeometry();
        if (shown != &main)
            shown->close();
    };
    const std::function<void()> commands[] = {
        [&] { measure(&main); },
        [&] { main.Label4Click(); },
        [&] { main.findChild<QAction*>(u"abledamospherestandard1"_s)->trigger(); },
        [&] { QTest::mouseClick(main.ToolButton3, Qt::LeftButton); },
        [&] { QTest::mouseClick(main.ToolButton2, Qt::LeftButton); },
        [&] { // Apply in the listing range window opens the preview
            whenModalOpens([&](QWidget* pub) {
                whenModalOpens(measure);
                pub->findChild<QPushButton*>(u"Button2"_s)->click();
            });
            main.ButtonTableauClick();
        },
    };
    if (window > 0 && window < 5)
        whenModalOpens(measure);
    commands[window]();
    QVERIFY(frame.isValid());
    // Inside the available area, or from its top-left corner when larger than it.
    const auto within = [](int start, int length, int areaStart, int areaLength) {
        return length > areaLength ? start == areaStart
                                   : start >= areaStart && start + length <= areaStart + areaLength;
    };
    QString seen;
    QDebug(&seen) << frame << "on" << area;
    QVERIFY2(within(frame.left(), frame.width(), area.left(), area.width()) &&
                 within(frame.top(), frame.height(), area.top(), area.height()),
             qPrintable(seen));
    if (window == 5)
        QVERIFY(area.contains(frame) && normal.boundedTo(area.size()) == normal);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
