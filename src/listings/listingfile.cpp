#include "listings/listingfile.h"

#include "common/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace mirandel::listingfile {

void enterFolder(const QString& folder)
{
    std::error_code error;
    std::filesystem::current_path(std::filesystem::path(QFile::encodeName(folder).toStdString()),
                                  error);
    if (error)
        throw MirandelError::ioError(error.value());
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
