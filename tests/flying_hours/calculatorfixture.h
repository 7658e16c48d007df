#pragma once

// Driving the flying-hours calculator as a user does: it is opened by the main window's
// real command, keys go to whichever control has the focus, and the steps of a test run
// while the calculator's modal loop is open.

#include "support/guitest.h"

#include <QString>

#include <functional>

class QComboBox;
class QWidget;

namespace mirandel {
class Tfrmcalculhrs;
}

namespace mirandel::test {

enum class Opener
{
    Toolbar,
    Menu
};

// Opens the calculator from the main window, runs `steps` once it is active, then closes
// it with EXIT if the steps left it open. Returns whether the steps ran.
bool withCalculator(Running& run, const std::function<void(Tfrmcalculhrs&)>& steps,
                    Opener opener = Opener::Toolbar);

// Runs `action` once `dialog` is the active modal window (from a timer).
void whenShown(QWidget* dialog, std::function<void()> action);

// Makes `window` active again, as a window manager does when a modal window above it
// closes.
void reactivate(QWidget* window);

// Keys typed at the keyboard: each press and release goes to the window's focused control.
void type(QWidget* window, const QString& keys);
void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// A pick in a drop-down list: opens it with the mouse and picks the item with `text`.
void pickFromList(QComboBox* list, const QString& text);

// A click on a button or line with the left mouse button.
void click(QWidget* widget);

} // namespace mirandel::test
