// The events the soak sends to any window: each is built from what the window on top
// shows at that moment, so every event is one a user could make there.
//
// - keys go to the window (Qt hands them to its focused control, or to an open drop-down);
// - clicks go only to controls the pointer can reach (not hidden, not disabled, not under
//   a panel that covers them);
// - commands are the menu and toolbar actions, less the printer set-up and printing, which
//   reach the system's printers.
// The events particular to one window are in soakwindows.cpp.

#include "soakdriver.h"
#include "soakinput.h"

#include "app/program.h"
#include "listings/pubfree.h"
#include "report/printpreview.h"
#include "workbench/convers.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace mirandel::test {

using namespace Qt::StringLiterals;

namespace {

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

void pressKey(QWidget* window, const Key& key)
{
    tap(window, key.key, key.character, key.modifiers);
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

} // namespace mirandel::test
