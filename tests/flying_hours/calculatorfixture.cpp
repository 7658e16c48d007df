#include "calculatorfixture.h"

#include "flying_hours/calculhrs.h"
#include "workbench/convers.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace mirandel::test {

using namespace Qt::StringLiterals;

void whenShown(QWidget* dialog, std::function<void()> action)
{
    // Owned by the dialog: a timer still waiting when the test's program ends goes with it.
    auto* timer = new QTimer(dialog);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, dialog, action] {
        if (QApplication::activeModalWidget() != dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start();
}

void reactivate(QWidget* window)
{
    // Waits for the application's own record: a modal window just hidden can still count
    // as the active one for a while under the offscreen platform.
    window->activateWindow();
    if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
        qWarning("%s did not become active", qPrintable(window->objectName()));
}

bool withCalculator(Running& run, const std::function<void(Tfrmcalculhrs&)>& steps, Opener opener)
{
    Tfrmcalculhrs& calculator = run.program->calculhrs();
    bool ran = false;
    whenShown(&calculator, [&] {
        reactivate(&calculator);
        QCoreApplication::processEvents();
        steps(calculator);
        ran = true;
        if (calculator.isVisible())
            calculator.Button2->click();
    });
    TFrmConversion& main = run.program->conversion();
    if (opener == Opener::Toolbar)
        click(main.ToolButton2);
    else
        main.findChild<QAction*>(u"CalculetteHrsmin1"_s)->trigger();
    return ran;
}

void type(QWidget* window, const QString& keys)
{
    for (QChar key : keys)
        QTest::keyClick(window->windowHandle(), key.toLatin1());
}

void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

void pickFromList(QComboBox* list, const QString& text)
{
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(list->width() - 6, list->height() / 2));
    QAbstractItemView* view = list->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }))
        return;
    // The pointer goes over the item. The offscreen platform loses the release that picks
    // it with the mouse; Return in the open list picks it the same way.
    const QModelIndex index = list->model()->index(list->findText(text), 0);
    const QPoint centre = view->visualRect(index).center();
    QMouseEvent move(QEvent::MouseMove, centre, view->viewport()->mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::keyClick(view, Qt::Key_Return);
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

} // namespace mirandel::test
