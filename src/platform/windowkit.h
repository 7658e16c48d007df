#pragma once

// Small helpers shared by the windows: fixed-size window set-up, colours, fonts and
// absolutely placed controls (the layouts give every position in pixels).

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <optional>

class QKeyEvent;

namespace mirandel::windowkit {

enum class TitleButtons
{
    MinimizeAndClose,
    None
};

// Caption, fixed client size, a fixed single border and the title-bar buttons.
void setupFixedWindow(QWidget* window, const QString& caption, QSize clientSize,
                      TitleButtons buttons);

// Centres a top-level window on the available area of the screen it is on (or the
// primary screen); one larger than the area is aligned to its top-left corner instead.
void centreOnScreen(QWidget* window);

// Resizes a top-level window to `wanted`, cut down to the available area of its screen.
void resizeWithinScreen(QWidget* window, QSize wanted);

// Background fill of a widget (a field's base colour, a panel's window colour).
void setBackground(QWidget* widget, const QColor& colour);
QColor background(const QWidget* widget);

// Text colour of a label or field.
void setTextColour(QWidget* widget, const QColor& colour);
QColor textColour(const QWidget* widget);

QFont arial(int pointSize, bool bold = false);

// Makes "Arial" and "MS Sans Serif", absent from most Linux systems, resolve to the
// metric-compatible Liberation Sans (or the closest installed sans serif) whatever other
// faces the system has, so no text falls back to a face fontconfig happens to rank first.
void installFontSubstitutes();

// The substitutes, and Arial 8 pt as the application's default font: every window and
// every control that sets no font of its own (message boxes, file dialogs, the print
// preview) is drawn in it rather than in the platform's "Sans Serif". Call it before the
// first window is made.
void installApplicationFont();

// The printable character a key press types, for a key filter to judge; nullopt for keys
// that keep their usual meaning: navigation, modifiers, Tab and other control keys, and
// shortcuts typed with Ctrl or Meta.
std::optional<QChar> typedCharacter(const QKeyEvent* event);

// Enter in a window without a default button: clicks the push button that has the focus
// in `window`, if any, and nothing else. Returns true, with the key consumed, for Enter
// and Return; false for every other key.
bool enterPressesFocusedButton(QWidget* window, QKeyEvent* event);

// Creates a child of `parent` with an objectName at a fixed place.
template <typename W, typename... Args>
W* place(QWidget* parent, const QString& name, QRect geometry, Args&&... args)
{
    auto* widget = new W(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

} // namespace mirandel::windowkit
