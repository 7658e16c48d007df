#include "soakinput.h"

#include "widgets/creditlabel.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSlider>
#include <QStyle>
#include <QTest>
#include <QToolButton>

#include <algorithm>

namespace mirandel::test {

using namespace Qt::StringLiterals;

namespace {

// Commands that reach the system's printers are left out.
bool printerCommand(const QWidget* widget)
{
    const auto* button = qobject_cast<const QToolButton*>(widget);
    const QAction* action = button ? button->defaultAction() : nullptr;
    return action &&
           (action->objectName() == u"Print"_s || action->objectName() == u"PrinterSetup"_s);
}

} // namespace

void tap(QWidget* window, Qt::Key key, char character, Qt::KeyboardModifiers modifiers)
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

QPoint probePoint(const QWidget* widget)
{
    if (qobject_cast<const QComboBox*>(widget) || qobject_cast<const QDateEdit*>(widget))
        return {widget->width() - 6, widget->height() / 2};
    return widget->rect().center();
}

bool reachable(QWidget* window, QWidget* widget, QPoint point)
{
    if (!widget->isVisible() || !widget->isEnabled() || widget->window() != window)
        return false;
    QWidget* hit = window->childAt(widget->mapTo(window, point));
    return hit && (hit == widget || widget->isAncestorOf(hit));
}

bool clickable(const QWidget* widget)
{
    if (printerCommand(widget))
        return false;
    if (qobject_cast<const QLineEdit*>(widget))
        // The line edits of drop-downs and spin boxes are reached through their owners.
        return !qobject_cast<const QComboBox*>(widget->parentWidget()) &&
               !qobject_cast<const QAbstractSpinBox*>(widget->parentWidget());
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QSlider*>(widget) ||
           qobject_cast<const QListWidget*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const TCreditLabel*>(widget);
}

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

} // namespace mirandel::test
