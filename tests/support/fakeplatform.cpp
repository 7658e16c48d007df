#include "support/fakeplatform.h"

#include "platform/desktopplatform.h"

#include <QDir>

namespace mirandel::test {

FakePlatform::FakePlatform()
{
    DesktopPlatform desktop;
    folder = QDir::currentPath();
    guide = folder + QStringLiteral("/site/index.html");
    separator = desktop.decimalSeparator();
    dateSep = desktop.dateSeparator();
    date = QDate(2011, 2, 4);
}

QString FakePlatform::programFolder() const
{
    return desktopFolder ? DesktopPlatform().programFolder() : folder;
}

void FakePlatform::showError(QWidget*, const QString& message)
{
    errors << message;
}

void FakePlatform::showMessage(QWidget*, const QString& title, const QString& message)
{
    messages << title + QLatin1Char('|') + message;
}

bool FakePlatform::askYesNo(QWidget* parent, const QString& title, const QString& question)
{
    questions << title + QLatin1Char('|') + question;
    if (desktopQuestions)
        return DesktopPlatform().askYesNo(parent, title, question);
    return answer;
}

} // namespace mirandel::test
