// The events the soak sends: each is built from what the window on top shows at that
// moment, so every event is one a user could make there.
//
// - keys go to the window (Qt hands them to its focused control, or to an open drop-down);
// - clicks go only to controls the pointer can reach (not hidden, not disabled, not under
//   a panel that covers them);
// - commands are the menu and toolbar actions, less the printer set-up and printing, which
//   reach the system's printers;
// - the listing window's "Apply" keeps its range small (a few dozen rows), retyping it
//   first when it is longer.

#include "soakdriver.h"

#include "app/program.h"
#include "atmosphere/atmos.h"
#include "common/numbertext.h"
#include "flying_hours/calculhrs.h"
#include "flying_hours/hrsdlg.h"
#include "listings/pubfree.h"
#include "report/printpreview.h"
#include "workbench/convers.h"
#include "workbench/creditlabel.h"
#include "workbench/kerosenepanel.h"
#include "workbench/temperaturepanel.h"
#include "workbench/trackbar.h"
#include "workbench/valueentry.h"
#include "wrench/cleangl.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <memory>

namespace mirandel::test {

using namespace Qt::StringLiterals;

namespace {

// A listing the soak lets run has at most this many rows.
constexpr int smallListing = 30;

struct Key
{
    Qt::Key key;
    char character; // 0 for keys that type no character
    Qt::KeyboardModifiers modifiers;
    int weight;
    QString name;
};

const QList<Key>& keyTable()
{
    static const QList<Key> table = [] {
        QList<Key> keys;
        for (int digit = 0; digit < 10; ++digit)
            keys.append({Qt::Key(Qt::Key_0 + digit),
                         char('0' + digit),
                         {},
                         3,
                         QString(QChar(u'0' + digit))});
        auto add = [&keys](Qt::Key key, char character, int weight, const QString& name,
                           Qt::KeyboardModifiers modifiers = {}) {
            keys.append({key, character, modifiers, weight, name});
        };
        add(Qt::Key_Period, '.', 4, u"'.'"_s);
        add(Qt::Key_Comma, ',', 3, u"','"_s);
        add(Qt::Key_Minus, '-', 4, u"'-'"_s);
        add(Qt::Key_Plus, '+', 1, u"'+'"_s);
        add(Qt::Key_C, 'c', 1, u"'c'"_s);
        add(Qt::Key_X, 'x', 1, u"'x'"_s);
        add(Qt::Key_Space, ' ', 1, u"Space"_s);
        add(Qt::Key_Backspace, 0, 5, u"Backspace"_s);
        add(Qt::Key_Delete, 0, 2, u"Delete"_s);
        add(Qt::Key_Tab, 0, 4, u"Tab"_s);
        add(Qt::Key_Backtab, 0, 2, u"Backtab"_s, Qt::ShiftModifier);
        add(Qt::Key_Return, 0, 4, u"Return"_s);
        add(Qt::Key_Enter, 0, 1, u"Enter"_s, Qt::KeypadModifier);
        add(Qt::Key_Escape, 0, 2, u"Escape"_s);
        add(Qt::Key_Left, 0, 3, u"Left"_s);
        add(Qt::Key_Right, 0, 3, u"Right"_s);
        add(Qt::Key_Up, 0, 3, u"Up"_s);
        add(Qt::Key_Down, 0, 3, u"Down"_s);
        add(Qt::Key_Home, 0, 1, u"Home"_s);
        add(Qt::Key_End, 0, 1, u"End"_s);
        add(Qt::Key_PageUp, 0, 1, u"PageUp"_s);
        add(Qt::Key_PageDown, 0, 1, u"PageDown"_s);
        add(Qt::Key_A, 'a', 1, u"Ctrl+A"_s, Qt::ControlModifier);
        add(Qt::Key_C, 'c', 1, u"Ctrl+C"_s, Qt::ControlModifier);
        add(Qt::Key_V, 'v', 1, u"Ctrl+V"_s, Qt::ControlModifier);
        add(Qt::Key_Z, 'z', 1, u"Ctrl+Z"_s, Qt::ControlModifier);
        return keys;
    }();
    return table;
}

// Presses and releases a key at the keyboard: both go to the window's focused control; a
// key whose press closed the window is released in the window below, as a window
// manager's keyboard focus does.
void tap(QWidget* window, Qt::Key key, char character = 0, Qt::KeyboardModifiers modifiers = {})
{
    QWindow* handle = window->windowHandle();
    if (!handle)
        return;
    if (character)
        QTest::keyPress(handle, character, modifiers);
    else
        QTest::keyPress(handle, key, modifiers);
    QWidget* releasedIn = window;
    if (!window->isVisible()) {
        releasedIn = QApplication::activeModalWidget();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (!releasedIn && top->isVisible() && qobject_cast<QMainWindow*>(top))
                releasedIn = top;
    }
    if (!releasedIn || !releasedIn->windowHandle())
        return;
    if (character)
        QTest::keyRelease(releasedIn->windowHandle(), character, modifiers);
    else
        QTest::keyRelease(releasedIn->windowHandle(), key, modifiers);
}

void tap(QWidget* window, QChar character)
{
    tap(window, Qt::Key_unknown, character.toLatin1());
}

void pressKey(QWidget* window, const Key& key)
{
    tap(window, key.key, key.character, key.modifiers);
}

QString describe(const QWidget* widget)
{
    QString name = widget->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(widget->metaObject()->className());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
        button && !button->text().isEmpty())
        name += u" \""_s + button->text() + u"\""_s;
    return name;
}

// Where a user clicks on the control: a drop-down's arrow, a list's line, a slider's
// groove, otherwise its middle.
QPoint probePoint(const QWidget* widget)
{
    if (qobject_cast<const QComboBox*>(widget) || qobject_cast<const QDateEdit*>(widget))
        return {widget->width() - 6, widget->height() / 2};
    return widget->rect().center();
}

// Whether a click at `point` of `widget` reaches it: the control a window hands the click
// to is the topmost one under the pointer.
bool reachable(QWidget* window, QWidget* widget, QPoint point)
{
    if (!widget->isVisible() || !widget->isEnabled() || widget->window() != window)
        return false;
    QWidget* hit = window->childAt(widget->mapTo(window, point));
    return hit && (hit == widget || widget->isAncestorOf(hit));
}

// Commands that reach the system's printers are left out.
bool printerCommand(const QWidget* widget)
{
    const auto* button = qobject_cast<const QToolButton*>(widget);
    const QAction* action = button ? button->defaultAction() : nullptr;
    return action &&
           (action->objectName() == u"Print"_s || action->objectName() == u"PrinterSetup"_s);
}

bool clickable(const QWidget* widget)
{
    if (qobject_cast<const QLineEdit*>(widget))
        // The line edits of drop-downs and spin boxes are reached through their owners.
        return !qobject_cast<const QComboBox*>(widget->parentWidget()) &&
               !qobject_cast<const QAbstractSpinBox*>(widget->parentWidget());
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QSlider*>(widget) ||
           qobject_cast<const QListWidget*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const TCreditLabel*>(widget);
}

template <typename T> QList<T*> reachableOf(QWidget* window)
{
    QList<T*> result;
    for (T* widget : window->findChildren<T*>()) {
        if (clickable(widget) && !printerCommand(widget) &&
            reachable(window, widget, probePoint(widget)))
            result.append(widget);
    }
    return result;
}

// The place of a slider's handle for its value, roughly as the style draws it.
QPoint handlePoint(const QSlider* slider, int value)
{
    const bool horizontal = slider->orientation() == Qt::Horizontal;
    const int length = horizontal ? slider->width() : slider->height();
    const int handle = slider->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, slider);
    const bool upsideDown =
        horizontal ? slider->invertedAppearance() : !slider->invertedAppearance();
    const int along = QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), value,
                                                      std::max(0, length - handle), upsideDown) +
                      handle / 2;
    return horizontal ? QPoint(along, slider->height() / 2) : QPoint(slider->width() / 2, along);
}

} // namespace

SoakEvent SoakDriver::eventFor(QWidget* window)
{
    TFrmConversion& main = m_run.program->conversion();
    TPub& pub = m_run.program->pub();
    if (qobject_cast<QFileDialog*>(window))
        return closeEventFor(window, 0);
    if (window == &main && randomInt(500) == 0) {
        SoakEvent event;
        event.description = u"close box"_s;
        event.mayCloseMain = true;
        event.send = [&main] { main.close(); };
        return event;
    }
    const int roll = randomInt(100);
    if (window == &pub && pub.PanelTableau->isVisible() && roll < 12)
        return applyListingEvent(ApplyBy(randomInt(3)));
    if (window == &main && roll < 8)
        return actionEvent(window);
    if (qobject_cast<TPrintPreview*>(window) && roll < 50)
        return actionEvent(window);
    const int kind = randomInt(100);
    if (kind < 40)
        return keyEvent(window);
    if (kind < 52)
        return typeEvent(window);
    if (kind < 78)
        return clickEvent(window);
    if (kind < 88)
        return comboEvent(window);
    return sliderEvent(window);
}

SoakEvent SoakDriver::keyEvent(QWidget* window)
{
    const QList<Key>& keys = keyTable();
    int total = 0;
    for (const Key& key : keys)
        total += key.weight;
    int draw = randomInt(total);
    const Key* chosen = &keys.front();
    for (const Key& key : keys) {
        if (draw < key.weight) {
            chosen = &key;
            break;
        }
        draw -= key.weight;
    }
    TFrmConversion& main = m_run.program->conversion();
    // Escape in the main window's fields ends the program: now and then only.
    if (window == &main && chosen->key == Qt::Key_Escape && !chance(5))
        chosen = &keys.at(10); // '.'
    QWidget* focus = window->focusWidget();
    QWidget* target = focus ? focus : window;
    TPub& pub = m_run.program->pub();
    // Space and Enter on "Apply" run the listing: its range is kept small first.
    if (target == pub.Button2 && chosen->key == Qt::Key_Space)
        return applyListingEvent(ApplyBy::Space);
    if (target == pub.Button2 && (chosen->key == Qt::Key_Return || chosen->key == Qt::Key_Enter))
        return applyListingEvent(ApplyBy::Enter);

    SoakEvent event;
    event.description = u"key "_s + chosen->name + u" on "_s + describe(target);
    event.allowed = allowedFor(target, true);
    event.mayCloseMain = chosen->key == Qt::Key_Escape && closesMain(target, chosen->key);
    event.keys = true;
    const QPointer<QWidget> alive(window);
    const Key key = *chosen;
    // A list searches its items for the letters typed within a short while: each search
    // starts afresh here, as when keys are typed slowly, so a replay does not hang on the
    // speed of the machine.
    QPointer<QAbstractItemView> search;
    if (auto* combo = qobject_cast<QComboBox*>(target); combo && !combo->isEditable())
        search = combo->view();
    event.send = [alive, key, search] {
        if (search)
            search->keyboardSearch(QString());
        if (alive)
            pressKey(alive, key);
    };
    // Enter on a focused button presses it, as in every window of the desktop.
    auto* button = qobject_cast<QPushButton*>(target);
    if (button && (key.key == Qt::Key_Return || key.key == Qt::Key_Enter)) {
        auto pressed = std::make_shared<bool>(false);
        const QPointer<QPushButton> watched(button);
        event.send = [alive, key, watched, pressed] {
            if (!alive || !watched)
                return;
            const QMetaObject::Connection connection =
                QObject::connect(watched, &QPushButton::clicked, [pressed] { *pressed = true; });
            pressKey(alive, key);
            QObject::disconnect(connection);
        };
        event.verify = [pressed, name = describe(button)] {
            return *pressed ? QString()
                            : u"Enter on the focused button "_s + name + u" does not press it"_s;
        };
    }
    return event;
}

SoakEvent SoakDriver::typeEvent(QWidget* window)
{
    QList<QLineEdit*> fields;
    for (QLineEdit* field : reachableOf<QLineEdit>(window))
        if (!field->isReadOnly())
            fields.append(field);
    QLineEdit* field = randomOf(fields);
    if (!field)
        return keyEvent(window);
    // Mostly digits, with separators and signs where they do and do not belong.
    static const QString characters = u"01234567890123456789.,--"_s;
    QString text;
    for (int n = 1 + randomInt(6); n > 0; --n)
        text += characters.at(randomInt(static_cast<int>(characters.size())));
    const bool replace = chance(30);
    SoakEvent event;
    event.description = u"click "_s + describe(field) + (replace ? u", Ctrl+A"_s : QString()) +
                        u", type \""_s + text + u"\""_s;
    event.allowed = allowedFor(field, true);
    event.keys = true;
    const QPointer<QLineEdit> alive(field);
    const QPointer<QWidget> owner(window);
    event.send = [alive, owner, text, replace] {
        if (!alive || !owner)
            return;
        QTest::mouseClick(alive, Qt::LeftButton, {}, alive->rect().center());
        if (replace && owner)
            tap(owner, Qt::Key_A, 'a', Qt::ControlModifier);
        for (QChar c : text)
            if (owner)
                tap(owner, c);
    };
    return event;
}

SoakEvent SoakDriver::clickEvent(QWidget* window)
{
    QWidget* target = randomOf(reachableOf<QWidget>(window));
    if (!target)
        return keyEvent(window);
    if (target == m_run.program->pub().Button2)
        return applyListingEvent(ApplyBy::Click);
    QPoint point = probePoint(target);
    SoakEvent event;
    if (auto* list = qobject_cast<QListWidget*>(target)) {
        // A line of the list, or the empty space below the lines.
        const int row = randomInt(list->count() + 1);
        target = list->viewport();
        point = row < list->count() ? list->visualItemRect(list->item(row)).center()
                                    : QPoint(target->width() / 2, target->height() - 2);
        event.description = u"click line %1 of "_s.arg(row) + describe(list);
    } else if (auto* slider = qobject_cast<QSlider*>(target)) {
        point = handlePoint(slider, slider->minimum() +
                                        randomInt(slider->maximum() - slider->minimum() + 1));
        event.description = u"click "_s + describe(target) + u" at "_s +
                            QString::number(point.x()) + u","_s + QString::number(point.y());
    } else {
        if ((qobject_cast<QComboBox*>(target) || qobject_cast<QDateEdit*>(target)) && chance(50))
            point = target->rect().center();
        event.description = u"click "_s + describe(target);
    }
    event.allowed = allowedFor(target, false);
    const QPointer<QWidget> alive(target);
    event.send = [alive, point] {
        if (alive)
            QTest::mouseClick(alive, Qt::LeftButton, {}, point);
    };
    return event;
}

SoakEvent SoakDriver::comboEvent(QWidget* window)
{
    QList<QWidget*> lists;
    for (QComboBox* combo : reachableOf<QComboBox>(window))
        lists.append(combo);
    for (QDateEdit* picker : reachableOf<QDateEdit>(window))
        lists.append(picker);
    QWidget* target = randomOf(lists);
    if (!target)
        return clickEvent(window);
    SoakEvent event;
    auto* combo = qobject_cast<QComboBox*>(target);
    if (combo && combo->count() > 0 && chance(60)) {
        const int index = randomInt(combo->count());
        event.description =
            u"pick item %1 \"%2\" of "_s.arg(index).arg(combo->itemText(index)) + describe(combo);
        const QPointer<QComboBox> alive(combo);
        event.send = [alive, index] {
            if (alive)
                pick(alive, index);
        };
        return event;
    }
    event.description = u"open the drop-down of "_s + describe(target);
    const QPointer<QWidget> alive(target);
    const QPoint arrow = probePoint(target);
    event.send = [alive, arrow] {
        if (alive)
            QTest::mouseClick(alive, Qt::LeftButton, {}, arrow);
    };
    return event;
}

SoakEvent SoakDriver::actionEvent(QWidget* window)
{
    static const QStringList mainCommands{u"Lengths1"_s,
                                          u"Weight1"_s,
                                          u"Pressure1"_s,
                                          u"Temperature1"_s,
                                          u"Volumes1"_s,
                                          u"N2"_s,
                                          u"Units1"_s,
                                          u"CalculetteHrsmin1"_s,
                                          u"ClsDiamcable1"_s,
                                          u"Massevolumekrosne1"_s,
                                          u"abledamospherestandard1"_s,
                                          u"Editiondetableau1"_s,
                                          u"Apropos1"_s};
    static const QStringList previewCommands{
        u"ZoomToFit"_s, u"Zoom100"_s,  u"ZoomToWidth"_s, u"FirstPage"_s,  u"PreviousPage"_s,
        u"NextPage"_s,  u"LastPage"_s, u"GoToPage"_s,    u"SaveReport"_s, u"LoadReport"_s};
    const QStringList& names =
        window == &m_run.program->conversion() ? mainCommands : previewCommands;
    QAction* action = window->findChild<QAction*>(names.at(randomInt(int(names.size()))));
    if (!action || !action->isEnabled())
        return keyEvent(window);
    SoakEvent event;
    event.description = u"command "_s + action->objectName();
    const QPointer<QAction> alive(action);
    event.send = [alive] {
        if (alive)
            alive->trigger();
    };
    return event;
}

SoakEvent SoakDriver::sliderEvent(QWidget* window)
{
    QSlider* slider = randomOf(reachableOf<QSlider>(window));
    if (!slider)
        return keyEvent(window);
    SoakEvent event;
    event.allowed = allowedFor(slider, true) | allowedFor(slider, false);
    const QPointer<QSlider> alive(slider);
    const int kind = randomInt(3);
    if (kind == 0) {
        // Keys, after a click on the handle when the slider does not have the focus.
        static const QList<std::pair<Qt::Key, QString>> keys{
            {Qt::Key_Up, u"Up"_s},         {Qt::Key_Down, u"Down"_s},
            {Qt::Key_Left, u"Left"_s},     {Qt::Key_Right, u"Right"_s},
            {Qt::Key_PageUp, u"PageUp"_s}, {Qt::Key_PageDown, u"PageDown"_s},
            {Qt::Key_Home, u"Home"_s},     {Qt::Key_End, u"End"_s}};
        QList<std::pair<Qt::Key, QString>> typed;
        QStringList names;
        for (int n = 1 + randomInt(3); n > 0; --n) {
            typed.append(keys.at(randomInt(int(keys.size()))));
            names.append(typed.back().second);
        }
        event.description = u"keys "_s + names.join(u' ') + u" on "_s + describe(slider);
        event.keys = true;
        QPointer<QWidget> owner(window);
        event.send = [alive, owner, typed] {
            if (!alive || !owner)
                return;
            if (owner->focusWidget() != alive)
                QTest::mouseClick(alive, Qt::LeftButton, {}, handlePoint(alive, alive->value()));
            for (const auto& [key, name] : typed)
                if (alive && owner)
                    tap(owner, key);
        };
    } else if (kind == 1) {
        const int to = slider->minimum() + randomInt(slider->maximum() - slider->minimum() + 1);
        event.description = u"drag "_s + describe(slider) + u" towards "_s + QString::number(to);
        event.send = [alive, to] {
            if (!alive)
                return;
            QTest::mousePress(alive, Qt::LeftButton, {}, handlePoint(alive, alive->value()));
            if (alive)
                QTest::mouseMove(alive, handlePoint(alive, to));
            if (alive)
                QTest::mouseRelease(alive, Qt::LeftButton, {}, handlePoint(alive, to));
        };
    } else {
        const int notches = (1 + randomInt(3)) * (chance(50) ? 1 : -1);
        event.description = u"wheel %1 on "_s.arg(notches) + describe(slider);
        event.send = [alive, notches] {
            if (!alive)
                return;
            const QPointF centre = alive->rect().center();
            QWheelEvent wheel(centre, alive->mapToGlobal(centre), QPoint(),
                              QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(alive, &wheel);
        };
    }
    return event;
}

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

SoakEvent SoakDriver::popupEvent(QWidget* popup, bool closing)
{
    static const QList<std::pair<Qt::Key, QString>> keys{
        {Qt::Key_Down, u"Down"_s},     {Qt::Key_Down, u"Down"_s},
        {Qt::Key_Down, u"Down"_s},     {Qt::Key_Up, u"Up"_s},
        {Qt::Key_Up, u"Up"_s},         {Qt::Key_PageDown, u"PageDown"_s},
        {Qt::Key_Home, u"Home"_s},     {Qt::Key_End, u"End"_s},
        {Qt::Key_Left, u"Left"_s},     {Qt::Key_Right, u"Right"_s},
        {Qt::Key_Return, u"Return"_s}, {Qt::Key_Return, u"Return"_s},
        {Qt::Key_Enter, u"Enter"_s},   {Qt::Key_Escape, u"Escape"_s},
        {Qt::Key_Escape, u"Escape"_s}};
    const auto& [key, name] =
        closing ? keys.back() : keys.at(randomInt(static_cast<int>(keys.size())));
    QWidget* owner = popup->parentWidget() ? popup->parentWidget() : popup;
    SoakEvent event;
    event.description = u"key "_s + name + u" in the drop-down of "_s + describe(owner);
    const QPointer<QWidget> alive(popup);
    const Qt::Key pressed = key;
    event.send = [alive, pressed] {
        if (!alive)
            return;
        QWidget* target = alive->focusWidget() ? alive->focusWidget() : alive.data();
        QTest::keyClick(target, pressed);
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
