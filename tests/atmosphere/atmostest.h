#pragma once

// Helpers for the atmosphere window tests: open the window through the main menu and run
// a body while it is shown, and send keys as a user does, to whichever control of the
// window has the focus at each press and each release.

#include "atmosphere/atmos.h"
#include "support/guitest.h"
#include "workbench/convers.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

namespace mirandel::test {

// Runs `action` on the next modal window of class `objectName` that opens.
inline void whenModalNamed(const QString& objectName, std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, objectName, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != objectName || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

// Opens the atmosphere window from the "Standard amosphere" menu item and runs `body`
// while it is open; the window is closed afterwards if the body left it open. Returns
// whether the body ran.
inline bool withAtmosphere(Running& run, const std::function<void(TFrmAtmosphere&)>& body)
{
    bool ran = false;
    whenModalNamed(QStringLiteral("TFrmAtmosphere"), [&](QWidget* modal) {
        auto* window = static_cast<TFrmAtmosphere*>(modal);
        if (!QTest::qWaitForWindowActive(window))
            qWarning("the atmosphere window did not become active");
        // The focus reaches the window's control after the activation itself; on a busy
        // machine a click before that would come in with the window's own focus.
        if (!QTest::qWaitFor([window] {
                QWidget* focused = QApplication::focusWidget();
                return focused && focused->window() == window;
            }))
            qWarning("the atmosphere window's focus did not arrive");
        body(*window);
        ran = true;
        if (window->isVisible())
            window->reject();
    });
    auto* item =
        run.program->conversion().findChild<QAction*>(QStringLiteral("abledamospherestandard1"));
    if (!item)
        return false;
    item->trigger();
    return ran;
}

// One key pressed and released; each half goes to the control focused at that moment.
inline void hit(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyPress(window->focusWidget(), key, modifiers);
    QTest::keyRelease(window->focusWidget(), key, modifiers);
}

// Types `text` character by character into the focused control.
inline void type(QWidget* window, const QString& text)
{
    for (QChar c : text) {
        QTest::keyPress(window->focusWidget(), c.toLatin1());
        QTest::keyRelease(window->focusWidget(), c.toLatin1());
    }
}

} // namespace mirandel::test
