#include "listings/listingfile.h"

#include "common/error.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

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
    QSaveFile file(QDir(folder).filePath(fileName));
    if (!file.open(QIODevice::WriteOnly))
        throw MirandelError::cannotCreateFile(fileName, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw MirandelError::cannotCreateFile(fileName, reason);
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
