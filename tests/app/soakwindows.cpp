// The events particular to each window: the listing window's "Apply" with a small range,
// the real commands that close each modal window, how long a session in it lasts, and
// which error boxes its events may show.

#include "soakdriver.h"
#include "soakinput.h"

#include "app/program.h"
#include "atmosphere/atmos.h"
#include "common/numbertext.h"
#include "flying_hours/calculhrs.h"
#include "flying_hours/hrsdlg.h"
#include "listings/pubfree.h"
#include "report/printpreview.h"
#include "widgets/trackbar.h"
#include "workbench/convers.h"
#include "workbench/kerosenepanel.h"
#include "workbench/temperaturepanel.h"
#include "workbench/valueentry.h"
#include "wrench/cleangl.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <memory>

namespace mirandel::test {

using namespace Qt::StringLiterals;

namespace {

// A listing the soak lets run has at most this many rows.
constexpr int smallListing = 30;

} // namespace

SoakEvent SoakDriver::applyListingEvent(ApplyBy by)
{
    TPub& pub = m_run.program->pub();
    const QChar separator = m_run.platform.separator;
    bool retype = chance(30);
    // The range as the fields' leave rules make it before "Apply" reads it.
    auto left = [](const QString& text, const QStringList& empty, const QString& replacement) {
        return empty.contains(text) ? replacement : text;
    };
    const QString step3 =
        pub.Edit3->text().count(u'0') == pub.Edit3->text().size() ? u"1"_s : pub.Edit3->text();
    const auto from = numbertext::tryParseFloat(
        left(pub.Edit1->text(), {QString(), u"-"_s, u"0"_s}, u"1"_s), separator);
    const auto to = numbertext::tryParseFloat(
        left(pub.Edit2->text(), {QString(), u"0"_s}, u"100"_s), separator);
    const auto step = numbertext::tryParseFloat(step3, separator);
    if (from && to && step) {
        const auto whole = [](double value) {
            return std::llround(std::clamp(value, -1e15, 1e15));
        };
        const auto rows = TPub::rowCount(whole(*from), whole(*to), whole(*step));
        if (rows && *rows > smallListing && *rows <= TPub::maximumRows)
            retype = true;
    }
    QStringList texts;
    if (retype) {
        const int rows = 1 + randomInt(smallListing);
        const int stride = 1 + randomInt(50);
        const int first = randomInt(400) - 100;
        texts << QString::number(first)
              << QString::number(first + stride * (rows - 1) + randomInt(stride))
              << QString::number(stride);
        // Now and then a text the key filter lets through but that is no number.
        if (chance(10))
            texts[randomInt(3)] = chance(50) ? u"1-2"_s : u"5-"_s;
    }
    QRadioButton* mode = nullptr;
    if (chance(40))
        mode = chance(50) ? pub.RadioButton1 : pub.RadioButton2;
    const bool exporting = mode ? mode == pub.RadioButton2 : pub.exportMode();

    SoakEvent event;
    const QString range =
        retype
            ? QString(texts.join(u' ') + u" (typed)"_s)
            : QString(pub.Edit1->text() + u" "_s + pub.Edit2->text() + u" "_s + pub.Edit3->text());
    event.description = u"Apply \""_s + pub.title() + u"\" from "_s + range +
                        (exporting ? u", export"_s : u", preview"_s) +
                        (by == ApplyBy::Click   ? u", by a click"_s
                         : by == ApplyBy::Space ? u", by Space"_s
                                                : u", by Enter"_s);
    event.allowed = allowedFor(pub.Button2, false);
    event.keys = true;
    auto pressed = std::make_shared<bool>(false);
    event.send = [this, &pub, texts, mode, by, pressed] {
        const QList<QLineEdit*> fields{pub.Edit1, pub.Edit2, pub.Edit3};
        for (int n = 0; n < texts.size(); ++n) {
            QTest::mouseClick(fields[n], Qt::LeftButton, {}, fields[n]->rect().center());
            tap(&pub, Qt::Key_A, 'a', Qt::ControlModifier);
            tap(&pub, Qt::Key_Backspace);
            for (QChar c : texts[n])
                tap(&pub, c);
        }
        if (mode)
            QTest::mouseClick(mode, Qt::LeftButton, {}, QPoint(6, mode->height() / 2));
        *pressed = false;
        const QMetaObject::Connection connection =
            QObject::connect(pub.Button2, &QPushButton::clicked, [pressed] { *pressed = true; });
        if (by == ApplyBy::Click) {
            QTest::mouseClick(pub.Button2, Qt::LeftButton, {}, pub.Button2->rect().center());
        } else {
            // The keyboard's way: Enter in Step moves on to "Apply", which the key presses.
            QTest::mouseClick(pub.Edit3, Qt::LeftButton, {}, pub.Edit3->rect().center());
            tap(&pub, Qt::Key_End);
            tap(&pub, Qt::Key_Return);
            tap(&pub, by == ApplyBy::Space ? Qt::Key_Space : Qt::Key_Return);
        }
        QObject::disconnect(connection);
        if (*pressed && !pub.isVisible())
            ++(pub.exportMode() ? m_exports : m_previews);
    };
    event.verify = [pressed] {
        return *pressed ? QString() : u"the key on \"Apply\" does not press it"_s;
    };
    return event;
}

SoakEvent SoakDriver::closeEventFor(QWidget* modal, int attempt)
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popupEvent(popup, true);
    const QPointer<QWidget> alive(modal);
    auto escape = [alive] {
        SoakEvent event;
        event.description = u"key Escape to close"_s;
        event.keys = true;
        event.send = [alive] {
            if (alive)
                tap(alive, Qt::Key_Escape);
        };
        return event;
    };
    auto click = [](QAbstractButton* button) {
        SoakEvent event;
        event.description = u"click "_s + describe(button) + u" to close"_s;
        const QPointer<QAbstractButton> alive(button);
        event.send = [alive] {
            if (alive)
                QTest::mouseClick(alive, Qt::LeftButton, {}, alive->rect().center());
        };
        return event;
    };
    QList<SoakEvent> ways;
    Program& program = *m_run.program;
    if (modal == &program.pub()) {
        ways << escape()
             << click(program.pub().PanelTableau->isVisible() ? program.pub().Button1
                                                              : program.pub().OKButton);
    } else if (modal == &program.cleDlg()) {
        ways << escape() << click(program.cleDlg().CancelBtn);
    } else if (modal == &program.atmosphere()) {
        ways << click(program.atmosphere().Buttonterminer) << escape();
    } else if (modal == &program.calculhrs()) {
        Tfrmcalculhrs& calculator = program.calculhrs();
        SoakEvent fromHours;
        fromHours.description = u"click EditHrs, key Escape to close"_s;
        fromHours.keys = true;
        fromHours.send = [&calculator] {
            QTest::mouseClick(calculator.EditHrs, Qt::LeftButton, {},
                              calculator.EditHrs->rect().center());
            tap(&calculator, Qt::Key_Escape);
        };
        ways << click(calculator.Button2) << fromHours;
    } else if (modal == &program.hrsDlg()) {
        ways << click(program.hrsDlg().CancelBtn) << escape();
    } else if (auto* preview = qobject_cast<TPrintPreview*>(modal)) {
        SoakEvent closeBox;
        closeBox.description = u"close box"_s;
        closeBox.send = [alive] {
            if (alive)
                alive->close();
        };
        ways << click(preview->CloseButton) << escape() << closeBox;
    } else {
        ways << escape();
    }
    const int first = attempt == 0 ? randomInt(static_cast<int>(ways.size())) : 0;
    return ways.at((first + attempt) % ways.size());
}

int SoakDriver::sessionLength(QWidget* modal)
{
    Program& program = *m_run.program;
    if (modal == &program.pub() || modal == &program.cleDlg())
        return randomInt(16);
    if (modal == &program.atmosphere())
        return randomInt(31);
    if (modal == &program.calculhrs())
        return randomInt(41);
    if (modal == &program.hrsDlg())
        return randomInt(13);
    if (qobject_cast<TPrintPreview*>(modal))
        return randomInt(5);
    if (modal->objectName() == u"GoToPageDialog"_s)
        return randomInt(4);
    // A file dialog is closed at once: its controls reach the whole file system.
    return 0;
}

unsigned SoakDriver::allowedFor(QWidget* target, bool key) const
{
    Program& program = *m_run.program;
    TFrmConversion& main = program.conversion();
    QWidget* window = target->window();
    unsigned allowed = 0;
    if (window == &main) {
        // The keypad and the kerosene slider show the conversion's errors; the temperature
        // fields show the whole-number reading's error at a key release.
        TValueEntry& entry = main.entry();
        const bool keypad = std::find(entry.digitButtons.begin(), entry.digitButtons.end(),
                                      target) != entry.digitButtons.end() ||
                            target == entry.ToolButtonPA;
        TKerosenePanel& kerosene = *main.PanelCorrection;
        if ((keypad && !key) || target == kerosene.TrackBar1 || target == kerosene.BitBtn1 ||
            target == kerosene.BitBtn2)
            allowed |= NotAFloat | InvalidOperation;
        if (key && (target == main.Paneltemp->EditCelsius || target == main.Paneltemp->EditFar))
            allowed |= NotAnInteger;
    } else if (window == &program.pub()) {
        TPub& pub = program.pub();
        if (target == pub.Button2) {
            allowed |= NotAFloat | NotAnInteger | InvalidOperation;
            const bool conversion =
                pub.title() != TPub::temperatureTitle() && pub.title() != TPub::atmosphereTitle();
            if (conversion && main.pairIndex() < 0)
                allowed |= NoPairChosen;
        }
    } else if (window == &program.cleDlg()) {
        // Enter outside the fraction edits presses "Apply" too: the dialog's buttons are
        // pressed by Enter from the controls before them.
        TfrmcleDlg& wrench = program.cleDlg();
        const bool apply = target == wrench.ButtonValide ||
                           (key && target != wrench.Edit1 && target != wrench.Edit2);
        if (apply && wrench.RadioButton1->isChecked())
            allowed |= NotAnInteger | DivisionByZero | InvalidOperation;
    } else if (window == &program.atmosphere()) {
        TFrmAtmosphere& atmosphere = program.atmosphere();
        if (key && (target == atmosphere.Editaltitude || target == atmosphere.Editalttudepied))
            allowed |= NotAnInteger;
    } else if (window == &program.hrsDlg()) {
        // Only a ledger of many hundred lines fills the listing document.
        if (target == program.hrsDlg().ButtonValide && program.calculhrs().columns().count() > 500)
            allowed |= RichEditInsert;
    }
    return allowed;
}

unsigned SoakDriver::allowedForRelease(const QWidget* target) const
{
    // The temperature fields and the altitude edits read their text at every key release.
    Program& program = *m_run.program;
    const TTemperaturePanel& temperatures = *program.conversion().Paneltemp;
    const TFrmAtmosphere& atmosphere = program.atmosphere();
    if (target && (target == temperatures.EditCelsius || target == temperatures.EditFar ||
                   target == atmosphere.Editaltitude || target == atmosphere.Editalttudepied))
        return NotAnInteger;
    return 0;
}

bool SoakDriver::closesMain(QWidget* target, int key) const
{
    TFrmConversion& main = m_run.program->conversion();
    return key == Qt::Key_Escape &&
           (target == main.entry().EditAnglo || target == main.entry().EditMetrique ||
            target == main.Paneltemp->EditCelsius || target == main.Paneltemp->EditFar);
}

} // namespace mirandel::test
