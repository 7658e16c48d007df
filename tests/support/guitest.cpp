#include "support/guitest.h"

#include "workbench/convers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <memory>

namespace mirandel::test {

namespace {

// Owns the timers of the modal actions still waiting, so a test that ends before its
// modal window opened leaves no action behind for the next test.
QObject& pendingModalActions()
{
    static QObject owner;
    return owner;
}

} // namespace

QChar expectedSeparator()
{
    const QByteArray expected = qgetenv("MIRANDEL_EXPECT_SEPARATOR");
    const QString separator = QString::fromUtf8(expected);
    return separator.isEmpty() ? QChar(u'.') : separator.front();
}

QString local(QString text)
{
    // Only a point between digits is a decimal separator ("0.4536 kg", not "sq.ft").
    FakePlatform platform;
    static const QRegularExpression decimalPoint(QStringLiteral("(?<=\\d)\\.(?=\\d)"));
    return text.replace(decimalPoint, QString(platform.separator));
}

Running::Running()
{
    program = std::make_unique<Program>(&platform);
    TFrmConversion& main = program->conversion();
    program->showMainWindow();
    if (!QTest::qWaitForWindowActive(&main))
        qWarning("the main window did not become active");
    QCoreApplication::processEvents();
}

Running::~Running()
{
    qDeleteAll(pendingModalActions().children());
    program.reset();
}

void pick(QComboBox* combo, int index)
{
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(combo->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCoreApplication::processEvents();
}

void dropDownAndClose(QComboBox* combo)
{
    combo->showPopup();
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    QCoreApplication::processEvents();
}

void whenModalOpens(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer(&pendingModalActions());
    timer->setInterval(10);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action, ticks] {
        QWidget* modal = QApplication::activeModalWidget();
        // Wait until the window is active, as a user would, so focus changes take effect;
        // a window that never becomes active is handled after a second all the same.
        if (!modal || (!modal->isActiveWindow() && ++*ticks < 100))
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

} // namespace mirandel::test
