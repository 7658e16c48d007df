#include "platform/desktopplatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryFile>
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
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return programfiles::listingFolder(QCoreApplication::applicationDirPath(),
                                       documents + QStringLiteral("/MIRANDEL"));
}

QString DesktopPlatform::userGuide() const
{
    return programfiles::userGuide(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
}

QChar DesktopPlatform::decimalSeparator() const
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

QChar DesktopPlatform::dateSeparator() const
{
    // The first visible character of the short date format that is not part of a field:
    // blanks, quotes and the invisible direction marks some formats hold (ar_EG writes
    // "d\u200F/M\u200F/yyyy") are passed over.
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (QChar c : format)
        if (!c.isLetterOrNumber() && !c.isSpace() && c != u'\'' && c.isPrint() &&
            c.category() != QChar::Other_Format)
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

bool DesktopPlatform::askYesNo(QWidget* parent, const QString& title, const QString& question)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setObjectName(QStringLiteral("QuestionBox"));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

namespace programfiles {

QString installedDataFolder(const QString& programFolder)
{
    if (programFolder.isEmpty())
        return {};
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/mirandel"));
}

bool isInstalled(const QString& programFolder)
{
    return QFileInfo(installedDataFolder(programFolder)).isDir();
}

bool acceptsNewFiles(const QString& folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile trial(QDir(folder).filePath(QStringLiteral(".mirandel-trial-XXXXXX")));
    return trial.open(); // removed again when `trial` goes
}

QString listingFolder(const QString& programFolder, const QString& userFolder)
{
    if (!isInstalled(programFolder) && acceptsNewFiles(programFolder))
        return programFolder;
    // A folder that cannot be created shows up as the listing's own "cannot create" error.
    QDir().mkpath(userFolder);
    return userFolder;
}

QString userGuide(const QString& programFolder, const QStringList& dataFolders)
{
    const QString page = QStringLiteral("site/index.html");
    QStringList candidates{QDir(programFolder).filePath(page),
                           QDir(installedDataFolder(programFolder)).filePath(page)};
    for (const QString& folder : dataFolders)
        candidates << QDir(folder).filePath(QStringLiteral("mirandel/") + page);
    for (const QString& candidate : candidates) {
        const QFileInfo file(candidate);
        if (file.isAbsolute() && file.isFile())
            return QDir::cleanPath(file.absoluteFilePath());
    }
    return {};
}

} // namespace programfiles

} // namespace mirandel
