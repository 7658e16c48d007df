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

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>

#include <string>
#endif

namespace mirandel {

#ifdef Q_OS_WIN
namespace {

// What the Windows shell does with a double click: the verb "open", no parameters, the
// current directory, the default window state. ShellExecute answers at once.
bool shellExecuteOpen(const QString& target)
{
    const QString native =
        target.contains(QLatin1String("://")) ? target : QDir::toNativeSeparators(target);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(native.utf16()), nullptr, nullptr,
                      SW_SHOWNORMAL));
    return result > 32;
}

// Runs the command line "calc.exe" in a normal window.
void runCommandLine(const wchar_t* commandLine)
{
    std::wstring line(commandLine); // CreateProcessW may write into its command line
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

} // namespace
#endif

DesktopPlatform::~DesktopPlatform()
{
    // An opener still running is left to finish on its own: stopping it could take the
    // program it started down with it. Its answer no longer reaches anyone.
    for (const QPointer<QProcess>& opener : std::as_const(m_openers))
        if (opener)
            opener->disconnect();
}

void DesktopPlatform::shellOpen(const QString& target, std::function<void()> failed)
{
    if (target.isEmpty())
        return;
#ifdef Q_OS_WIN
    if (!shellExecuteOpen(target) && failed)
        failed();
#else
    const bool isPage = target.contains(QLatin1String("://"));
    // A file handed to xdg-open: its exit status tells whether a program took the file
    // (QDesktopServices only says that xdg-open started).
    const QString opener =
        isPage || !failed ? QString() : QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        auto* process = new QProcess;
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->setStandardInputFile(QProcess::nullDevice());
        const auto answer = [process, failed](bool opened) {
            process->deleteLater();
            if (!opened)
                failed();
        };
        QObject::connect(process, &QProcess::finished, process,
                         [answer](int code, QProcess::ExitStatus status) {
                             answer(status == QProcess::NormalExit && code == 0);
                         });
        QObject::connect(process, &QProcess::errorOccurred, process,
                         [answer](QProcess::ProcessError error) {
                             if (error == QProcess::FailedToStart)
                                 answer(false);
                         });
        m_openers.removeAll(nullptr);
        m_openers.append(process);
        process->start(opener, {target});
        return;
    }
    const QUrl url = isPage ? QUrl(target) : QUrl::fromLocalFile(target);
    if (!QDesktopServices::openUrl(url) && failed)
        failed();
#endif
}

void DesktopPlatform::launchCalculator()
{
#ifdef Q_OS_WIN
    runCommandLine(L"calc.exe");
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
#ifdef Q_OS_WIN
    MessageBeep(MB_OK); // the default beep of the sound scheme
#else
    QApplication::beep();
#endif
}

QString DesktopPlatform::programFolder() const
{
#ifdef Q_OS_WIN
    const QString home = QDir::homePath();
#else
    // Qt takes the filesystem root for the home of a user without HOME.
    const QString home = qEnvironmentVariable("HOME");
#endif
    return programfiles::listingFolder(
        QCoreApplication::applicationDirPath(),
        programfiles::userFolder(
            home, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
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
    if (!parent)
        parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                   : QApplication::activeWindow();
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

QString userFolder(const QString& home, const QString& documents)
{
    if (home.isEmpty() || !QDir::isAbsolutePath(home) || QDir(home).isRoot())
        return {};
    const QString under = documents.isEmpty() || QDir(documents).isRoot() ? home : documents;
    return QDir::cleanPath(under + QStringLiteral("/MIRANDEL"));
}

QString listingFolder(const QString& programFolder, const QString& userFolder)
{
    if (!isInstalled(programFolder) && acceptsNewFiles(programFolder))
        return programFolder;
    // A folder that cannot be created shows up as the listing's own "cannot create" error,
    // with the reason.
    if (!userFolder.isEmpty())
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
