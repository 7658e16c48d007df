#include "support/guitest.h"

#include "workbench/convers.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace mirandel::test {

QChar expectedSeparator()
{
    const QByteArray expected = qgetenv("MIRANDEL_EXPECT_SEPARATOR");
    return expected.isEmpty() ? QChar(u'.') : QChar(QLatin1Char(expected.at(0)));
}

QString local(QString text)
{
    FakePlatform platform;
    return text.replace(QLatin1Char('.'), platform.separator);
}

Running::Running()
{
    program = std::make_unique<Program>(&platform);
    TFrmConversion& main = program->conversion();
    main.show();
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main))
        qWarning("the main window did not become active");
    QCoreApplication::processEvents();
}

Running::~Running()
{
    program.reset();
}

void whenModalOpens(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

} // namespace mirandel::test
