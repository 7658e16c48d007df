#include "listings/listingfile.h"

#include "common/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace mirandel::listingfile {

namespace {

// Why a folder that is not there cannot be entered: the reason its nearest existing parent
// refuses a new folder (read-only, no permission), else that it does not exist. Nothing
// is created to learn it.
int missingFolderReason(const std::filesystem::path& folder)
{
    std::filesystem::path parent = folder;
    std::error_code error;
    while (!parent.empty() && !std::filesystem::exists(parent, error))
        parent = parent.has_relative_path() ? parent.parent_path() : std::filesystem::path();
#ifndef Q_OS_WIN
    if (!parent.empty() && ::access(parent.c_str(), W_OK | X_OK) != 0)
        return errno;
#endif
    return ENOENT;
}

} // namespace

void enterFolder(const QString& folder, const QString& fileName)
{
    if (folder.isEmpty())
        throw MirandelError::cannotCreateFile(
            fileName, QStringLiteral("Aucun dossier où l'écrire : le dossier du programme "
                                     "n'accepte pas de fichier et HOME n'est pas défini."));
#ifdef Q_OS_WIN
    // Windows paths are UTF-16: a narrow path would lose what the ANSI code page lacks.
    const std::filesystem::path path(folder.toStdWString());
#else
    const std::filesystem::path path(QFile::encodeName(folder).toStdString());
#endif
    std::error_code error;
    std::filesystem::current_path(path, error);
    if (!error)
        return;
    const int reason = error.value() == ENOENT ? missingFolderReason(path) : error.value();
    throw MirandelError::cannotCreateFile(fileName, qt_error_string(reason));
}

void write(const QString& folder, const QString& fileName, const QByteArray& bytes)
{
    const QString path = QDir(folder).filePath(fileName);
    // QSaveFile turns these two away in words of its own (one with the whole path); the
    // user gets the system's reason, as for every other failure.
    const QFileInfo existing(path);
    if (existing.isDir())
        throw MirandelError::cannotCreateFile(fileName, qt_error_string(EISDIR));
    if (existing.exists() && !existing.isWritable()) {
        // Opened to be added to, which changes nothing, only to learn why it cannot be.
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
            throw MirandelError::cannotCreateFile(fileName, probe.errorString());
    }

    // Unbuffered, so that every failed write reaches the loop below: a buffered QSaveFile
    // that cannot flush its buffer (disk full, file size limit) still commits what it got,
    // and half a listing would replace the previous one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw MirandelError::cannotCreateFile(fileName, file.errorString());
    // A short write is retried; the write that makes no progress gives the system's reason.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            throw MirandelError::cannotCreateFile(fileName, reason);
        }
        done += written;
    }
    if (!file.commit())
        throw MirandelError::cannotCreateFile(fileName, file.errorString());
}

QByteArray read(const QString& folder, const QString& fileName)
{
    QFile file(QDir(folder).filePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        throw MirandelError::cannotOpenFile(fileName, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw MirandelError::cannotOpenFile(fileName, file.errorString());
    return bytes;
}

} // namespace mirandel::listingfile
