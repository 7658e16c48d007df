#pragma once

// The soak's hands: keys pressed at the keyboard and clicks where a pointer can reach.

#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

class QSlider;

namespace mirandel::test {

// Presses and releases a key at the keyboard: both go to the window's focused control; a
// key whose press closed the window is released in the window below, as a window
// manager's keyboard focus does. A character key gives its character, other keys 0.
void tap(QWidget* window, Qt::Key key, char character = 0, Qt::KeyboardModifiers modifiers = {});
void tap(QWidget* window, QChar character);

// A control's name for the event record: its objectName (or class) and its caption.
QString describe(const QWidget* widget);

// Where a user clicks on the control: a drop-down's arrow, otherwise its middle.
QPoint probePoint(const QWidget* widget);
// Whether a click at `point` of `widget` reaches it: the control a window hands the click
// to is the topmost one under the pointer.
bool reachable(QWidget* window, QWidget* widget, QPoint point);
// Buttons, fields, lists, sliders, spin boxes and credit labels; not the commands that
// reach the system's printers.
bool clickable(const QWidget* widget);

// The controls of type T in `window` a click reaches.
template <typename T> QList<T*> reachableOf(QWidget* window)
{
    QList<T*> result;
    for (T* widget : window->findChildren<T*>()) {
        if (clickable(widget) && reachable(window, widget, probePoint(widget)))
            result.append(widget);
    }
    return result;
}

// The place of a slider's handle for `value`, roughly as the style draws it.
QPoint handlePoint(const QSlider* slider, int value);

} // namespace mirandel::test
