#include "platform/desktopplatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace mirandel {

void DesktopPlatform::shellOpen(const QString& target)
{
    if (target.isEmpty())
        return;
    const QUrl url =
        target.contains(QLatin1String("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
    QDesktopServices::openUrl(url);
}

void DesktopPlatform::launchCalculator()
{
#ifdef Q_OS_WIN
    QProcess::startDetached(QStringLiteral("calc.exe"), {});
#else
    static const char* const calculators[] = {
        "gnome-calculator", "kcalc",     "galculator", "qalculate-qt",
        "qalculate-gtk",    "mate-calc", "xcalc"};
    for (const char* name : calculators) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
#endif
}

void DesktopPlatform::beep()
{
    QApplication::beep();
}

QString DesktopPlatform::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QChar DesktopPlatform::decimalSeparator() const
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

QChar DesktopPlatform::dateSeparator() const
{
    // The first character of the short date format that is not part of a field.
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (QChar c : format)
        if (!c.isLetter() && c != u' ')
            return c;
    return u'/';
}

QDate DesktopPlatform::today() const
{
    return QDate::currentDate();
}

void DesktopPlatform::showError(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message,
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

void DesktopPlatform::showMessage(QWidget* parent, const QString& title, const QString& message)
{
    QMessageBox box(QMessageBox::Information, title, message, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace mirandel
