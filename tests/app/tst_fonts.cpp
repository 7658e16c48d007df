// The faces the windows are drawn in on a system whose only fonts are the ones the package
// depends on (fonts-liberation2): a private fontconfig set-up that sees nothing else and
// applies no system rule. Every visible text resolves to Liberation Sans, never to a
// monospace face, and every caption fits its control.

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
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

const QString liberationFolder = u"/usr/share/fonts/truetype/liberation2"_s;
const QString sansFace = u"Liberation Sans"_s;

// The text a button or label draws: "&&" is an ampersand, a single "&" marks a mnemonic.
QString shownText(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// The widest line without its trailing blanks: a blank cut off at the end hides nothing.
int widestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (QString line : text.split(u'\n')) {
        while (line.endsWith(u' '))
            line.chop(1);
        widest = qMax(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

QString describe(const QWidget* widget)
{
    return u"%1 (%2 in %3)"_s.arg(widget->objectName(),
                                  QString::fromLatin1(widget->metaObject()->className()),
                                  widget->window()->objectName());
}

// The width a control gives its caption, or -1 for a control without one to check.
int room(const QWidget* widget, QString& text)
{
    const QStyle* style = widget->style();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        text = label->text();
        if (label->wordWrap() || label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
            return -1;
        const int margin = label->margin();
        int width = label->contentsRect().width() - 2 * margin;
        if (label->indent() > 0)
            width -= label->indent();
        return width;
    }
    // The width the style gives a button's caption.
    const auto contents = [&](const QAbstractButton* button, QStyle::SubElement element) {
        text = button->text();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        return style->subElementRect(element, &option, button).width();
    };
    if (const auto* radio = qobject_cast<const QRadioButton*>(widget))
        return contents(radio, QStyle::SE_RadioButtonContents);
    if (const auto* check = qobject_cast<const QCheckBox*>(widget))
        return contents(check, QStyle::SE_CheckBoxContents);
    if (const auto* push = qobject_cast<const QPushButton*>(widget)) {
        int width = contents(push, QStyle::SE_PushButtonContents);
        if (!push->icon().isNull())
            width -= push->iconSize().width() + 4;
        return width;
    }
    if (const auto* tool = qobject_cast<const QToolButton*>(widget)) {
        text = tool->text();
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull())
            return -1;
        return tool->contentsRect().width();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        text = edit->text();
        if (edit->echoMode() != QLineEdit::Normal)
            return -1;
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth =
            edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
        const QRect contents = style->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        const QMargins margins = edit->textMargins();
        // QLineEdit keeps two pixels free on each side of its text.
        return contents.width() - margins.left() - margins.right() - 4;
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        if (combo->isEditable())
            return -1; // its line edit is checked as a child
        text = combo->currentText();
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = false;
        option.frame = combo->hasFrame();
        return style
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .width();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        text = group->title();
        return group->width();
    }
    return -1;
}

// Every visible widget of `window`: its face and, for a control with a caption, whether the
// caption fits.
QStringList faultsIn(QWidget* window)
{
    QStringList faults;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : std::as_const(widgets)) {
        if (!widget->isVisible() || widget->window() != window)
            continue;
        const QFontInfo face(widget->font());
        if (face.fixedPitch() || face.family() != sansFace) {
            faults += u"%1 is drawn in %2%3"_s.arg(
                describe(widget), face.family(), face.fixedPitch() ? u" (monospace)"_s : QString());
            continue;
        }
        QString text;
        const int width = room(widget, text);
        text = shownText(text);
        if (width < 0 || text.trimmed().isEmpty())
            continue;
        const int needed = widestLine(QFontMetrics(widget->font()), text);
        if (needed > width)
            faults += u"%1 cuts \"%2\": %3 pixels wide in %4"_s.arg(describe(widget), text)
                          .arg(needed)
                          .arg(width);
    }
    return faults;
}

// With MIRANDEL_WINDOW_SHOTS naming a folder, saves a picture of the window as the checks
// saw it there (to look at the windows of a minimal system).
void shoot(QWidget* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("MIRANDEL_WINDOW_SHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window->grab().save(QDir(folder).filePath(name + u".png"_s));
}

} // namespace

class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void onlyTheDependedFacesAreSeen();
    void mainWindowInEveryCategory();
    void dialogsOfTheMainWindow();
    void flyingHoursWindows();
    void reportPreview();
    void menusAndHiddenForms();

private:
    // Opens a modal window with `open` and checks it while it is open.
    void checkModal(const std::function<void()>& open, const char* expected, const QString& shot,
                    const std::function<void(QWidget*)>& inside = {});
};

void TestFonts::initTestCase()
{
    if (!QDir(liberationFolder).exists())
        QFAIL(qPrintable(u"%1 is missing: install fonts-liberation2"_s.arg(liberationFolder)));
}

void TestFonts::onlyTheDependedFacesAreSeen()
{
    // The check itself: a face the program does not choose resolves to a monospace one
    // here, as it does on a minimal system.
    QFont platformDefault(u"Sans Serif"_s);
    QVERIFY(QFontInfo(platformDefault).fixedPitch());
    Running run;
    QCOMPARE(QFontInfo(QApplication::font()).family(), sansFace);
    for (const QString& family : {u"Arial"_s, u"arial"_s, u"MS Sans Serif"_s})
        QCOMPARE(QFontInfo(QFont(family, 8)).family(), sansFace);
}

void TestFonts::mainWindowInEveryCategory()
{
    Running run;
    TFrmConversion& main = run.program->conversion();
    for (int category = 0; category < main.ComboBoxUniteDe->count(); ++category) {
        pick(main.ComboBoxUniteDe, category);
        QCOMPARE(main.ComboBoxUniteDe->currentIndex(), category);
        const QStringList faults = faultsIn(&main);
        shoot(&main, u"1-main-%1"_s.arg(category, 2, 10, QChar(u'0')));
        QVERIFY2(faults.isEmpty(),
                 qPrintable(main.ComboBoxUniteDe->currentText() + u":\n"_s + faults.join(u'\n')));
    }
}

void TestFonts::checkModal(const std::function<void()>& open, const char* expected,
                           const QString& shot, const std::function<void(QWidget*)>& inside)
{
    bool ran = false;
    QStringList faults;
    whenModalOpens([&](QWidget* modal) {
        ran = modal->objectName() == QLatin1String(expected);
        faults = faultsIn(modal);
        shoot(modal, shot);
        if (inside)
            inside(modal);
        if (modal->isVisible())
            modal->close();
    });
    open();
    QVERIFY2(ran, expected);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestFonts::dialogsOfTheMainWindow()
{
    Running run;
    TFrmConversion& main = run.program->conversion();
    checkModal([&] { QTest::mouseClick(main.ToolButton3, Qt::LeftButton); }, "TfrmcleDlg",
               u"2-wrench"_s);
    checkModal([&] { main.Label4Click(); }, "TPub", u"3-about"_s);
    checkModal([&] { main.ButtonTableauClick(); }, "TPub", u"3-listing-range"_s);
    checkModal([&] { main.abledamospherestandard1Click(); }, "TFrmAtmosphere", u"5-atmosphere"_s);
}

void TestFonts::flyingHoursWindows()
{
    Running run;
    TFrmConversion& main = run.program->conversion();
    QStringList inner;
    bool innerRan = false;
    checkModal([&] { main.CalculetteHrsmin1Click(); }, "Tfrmcalculhrs", u"6-flying-hours"_s,
               [&](QWidget*) {
                   whenModalOpens([&](QWidget* modal) {
                       innerRan = modal->objectName() == u"TfrmhrsatDlg"_s;
                       inner = faultsIn(modal);
                       shoot(modal, u"7-flying-hours-report"_s);
                       modal->close();
                   });
                   run.program->calculhrs().ButtonpreviewClick();
               });
    QVERIFY(innerRan);
    QVERIFY2(inner.isEmpty(), qPrintable(inner.join(u'\n')));
}

void TestFonts::reportPreview()
{
    // The hidden report form shows itself as the preview of its pages.
    Running run;
    QTemporaryDir folder;
    run.platform.folder = folder.path();
    QStringList inner;
    bool previewed = false;
    checkModal([&] { QTest::mouseClick(run.program->conversion().ToolButton3, Qt::LeftButton); },
               "TfrmcleDlg", u"2-wrench"_s,
               [&](QWidget* modal) {
                   auto* dialog = qobject_cast<TfrmcleDlg*>(modal);
                   QVERIFY(dialog);
                   QTest::mouseClick(dialog->RadioButton2, Qt::LeftButton);
                   whenModalOpens([&](QWidget* nested) {
                       auto* preview = qobject_cast<TPrintPreview*>(nested);
                       if (!preview)
                           return;
                       previewed = true;
                       inner = faultsIn(preview);
                       shoot(preview, u"4-report-preview"_s);
                       QTest::mouseClick(preview->CloseButton, Qt::LeftButton);
                   });
                   QTest::mouseClick(dialog->ButtonValide, Qt::LeftButton);
               });
    QVERIFY(previewed);
    QVERIFY2(inner.isEmpty(), qPrintable(inner.join(u'\n')));
}

void TestFonts::menusAndHiddenForms()
{
    Running run;
    // Popups and the report form are windows of their own: they take no font from the
    // window that owns them.
    const auto menus = run.program->conversion().findChildren<QMenu*>();
    QVERIFY(!menus.isEmpty());
    for (const QMenu* menu : menus)
        QCOMPARE(QFontInfo(menu->font()).family(), sansFace);
    QCOMPARE(QFontInfo(run.program->reports().font()).family(), sansFace);
    QCOMPARE(run.program->reports().font().pointSize(), 10);
}

int main(int argc, char* argv[])
{
    // Before the application starts: fontconfig reads its set-up once.
    QTemporaryDir folder;
    if (!folder.isValid())
        qFatal("no temporary folder");
    QFile config(folder.filePath(u"fonts.conf"_s));
    if (!config.open(QIODevice::WriteOnly))
        qFatal("cannot write fonts.conf");
    config.write(u"<?xml version=\"1.0\"?>\n"
                 "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                 "<fontconfig>\n"
                 "  <dir>%1</dir>\n"
                 "  <cachedir>%2</cachedir>\n"
                 "</fontconfig>\n"_s.arg(liberationFolder, folder.filePath(u"cache"_s))
                     .toUtf8());
    config.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(config.fileName()));
    qunsetenv("FONTCONFIG_PATH");

    QApplication application(argc, argv);
    TestFonts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fonts.moc"
